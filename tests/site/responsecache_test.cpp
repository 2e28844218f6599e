// The kept naming pages: a copy for the same request, bounds in entries and bytes, the least
// recently used first out, and the router's answers the same whether kept or made.
#include "site/pages.h"
#include "site/responsecache.h"

#include "naming/namingrequest.h"

#include <gtest/gtest.h>

#include <string>

using namespace xingming::site;

namespace {

Response answer(std::string body, int status = 200)
{
    Response r;
    r.status = status;
    r.body = std::move(body);
    return r;
}

} // namespace

TEST(ResponseCache, KeepsAndEvictsTheLeastRecentlyUsed)
{
    ResponseCache cache(3, 1000);
    cache.insert("a", answer("A"));
    cache.insert("b", answer("B", 400));
    cache.insert("c", answer("C"));
    ASSERT_TRUE(cache.find("a"));
    EXPECT_EQ(cache.find("a")->body, "A");
    EXPECT_EQ(cache.find("b")->status, 400);
    cache.find("a"); // a is used again: c is now the least recent... after b
    cache.insert("d", answer("D"));
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_FALSE(cache.find("c"));
    EXPECT_TRUE(cache.find("a"));
    EXPECT_TRUE(cache.find("b"));
    EXPECT_TRUE(cache.find("d"));
    EXPECT_FALSE(cache.find(""));
    // The same key twice keeps the first answer.
    cache.insert("a", answer("other"));
    EXPECT_EQ(cache.find("a")->body, "A");
}

TEST(ResponseCache, BytesAreBounded)
{
    const std::string big(400, 'x');
    ResponseCache cache(100, 1000);
    for (int i = 0; i < 20; ++i) {
        cache.insert("k" + std::to_string(i), answer(big));
        EXPECT_LE(cache.bytes(), 1000u);
    }
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_TRUE(cache.find("k19"));
    // An answer larger than the whole bound is not kept at all.
    cache.insert("huge", answer(std::string(2000, 'y')));
    EXPECT_FALSE(cache.find("huge"));
    ResponseCache none(0, 1000);
    none.insert("a", answer("A"));
    EXPECT_EQ(none.size(), 0u);
}

TEST(ResponseCache, TheRouterAnswersAlikeKeptOrMade)
{
    const std::string target =
        xingming::naming::namingQuery("赵", "女", {"1995", "3", "8", "6"}, true, 2) + "&bf=%D1%C5";
    const Response first = handleRequest("GET", target);
    const Response again = handleRequest("GET", target);
    ASSERT_EQ(first.status, 200);
    EXPECT_EQ(first.body, again.body);
    EXPECT_EQ(first.contentType, again.contentType);
    // A refused request is answered alike too.
    const Response bad = handleRequest("GET", target + "&bw=3");
    EXPECT_EQ(bad.status, 400);
    EXPECT_EQ(handleRequest("GET", target + "&bw=3").body, bad.body);
}
