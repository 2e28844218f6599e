// The page templates: what fills a hole is escaped unless it is markup, holes are filled in
// their order, and the style sheet stands in every page as the file it is compiled from.
#include "site/html.h"
#include "site/pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace xingming::site;

namespace {

TEST(Html, HolesEscapeTextAndKeepMarkup)
{
    const Html bold = html("<b>{}</b>", "a&b");
    // Each row: the template filled with one value, and the markup expected.
    const struct {
        const char* name;
        Html got;
        std::string want;
    } rows[] = {
        {"text", html("<p>{}</p>", "<script>alert('x')</script>"),
         "<p>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</p>"},
        {"attribute", html("<a href=\"{}\">", std::string("/?a=1&b=\"2\"")), "<a href=\"/?a=1&amp;b=&quot;2&quot;\">"},
        {"ill-formed UTF-8", html("{}", std::string("王\xff\xe4")), "王\uFFFD\uFFFD"},
        {"markup", html("<p>{}</p>", bold), "<p><b>a&amp;b</b></p>"},
        {"markup made by hand", html("{}", Html::markup("<i>x</i>")), "<i>x</i>"},
        {"numbers", html("{}+{}={}", 4, std::size_t{12}, -3), "4+12=-3"},
        {"holes side by side and at the ends", html("{}{}x{}", "<", ">", "&"), "&lt;&gt;x&amp;"},
        {"no holes", html("<hr>\n"), "<hr>\n"},
        {"empty", html(""), ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.got.str(), r.want) << r.name;
}

TEST(Html, NamedTemplatesAndJoin)
{
    constexpr HtmlTemplate<2> kRow = "<tr><th>{}</th><td>{}</td></tr>\n";
    const std::vector<std::string> items{"a", "<b>", ""};
    const Html rows = join(items, [&](const std::string& s) { return html(kRow, s, html("<i>{}</i>", s)); });
    EXPECT_EQ(rows.str(), "<tr><th>a</th><td><i>a</i></td></tr>\n"
                          "<tr><th>&lt;b&gt;</th><td><i>&lt;b&gt;</i></td></tr>\n"
                          "<tr><th></th><td><i></i></td></tr>\n");
    Html all;
    EXPECT_TRUE(all.empty());
    all += rows;
    all += html("{}", "&");
    EXPECT_EQ(all.str(), rows.str() + "&amp;");
}

TEST(Html, StyleSheetIsTheResourceFile)
{
    std::ifstream in(XINGMING_STYLE_CSS, std::ios::binary);
    ASSERT_TRUE(in) << XINGMING_STYLE_CSS;
    std::ostringstream css;
    css << in.rdbuf();
    ASSERT_FALSE(css.str().empty());
    for (const char* target : {"/", "/contact.html", "/nothing", "/chaname.asp"}) {
        const std::string body = handleRequest("GET", target).body;
        EXPECT_NE(body.find("<style>\n" + css.str() + "</style>\n"), std::string::npos) << target;
    }
}

} // namespace
