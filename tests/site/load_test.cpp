// Load on the site over loopback: 2 000 requests over 8 parallel persistent connections,
// every answer checked against the page function, the whole run capped in time; and the
// time of a naming page from request to last byte. The figures are printed and recorded
// as test properties.
#include "site/pages.h"
#include "site/siteserver.h"

#include "naming/namingrequest.h"

#include "httpclient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace xingming::site;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kConnections = 8;
constexpr int kRequestsPerConnection = 250;
constexpr auto kTimeCap = std::chrono::seconds(60);

struct Target {
    std::string target;
    int status;
    std::string expected; // the body the page function gives
    bool naming;
};

// A mix like a session of the program: naming pages of different births, surnames and
// both lengths, the surname and character pages, the pages about the program, and
// requests that are refused.
std::vector<Target> targets()
{
    using xingming::naming::namingQuery;
    std::vector<Target> out;
    const auto add = [&out](std::string t, bool naming) {
        const Response r = handleRequest("GET", t);
        out.push_back({std::move(t), r.status, r.body, naming});
    };
    const char* surnames[] = {"王", "李", "欧阳", "张", "司马", "陈"};
    for (int k = 0; k < 12; ++k)
        add(namingQuery(surnames[k % 6], k % 2 ? "女" : "男",
                        {std::to_string(1950 + 7 * k), std::to_string(1 + k), std::to_string(3 + 2 * k),
                         std::to_string(2 * k % 24)},
                        k % 3 != 0),
            true);
    for (const char* t :
         {"/xingshow.asp?biaoti=%CD%F5", "/xingshow.asp?biaoti=%C5%B7%D1%F4", "/chaname.asp?zi=%E6%98%8E&xing=%CD%F5",
          "/chaname.asp?zi=%D1%A9", "/contact.html", "/pay_tb.html", "/howpay.html", "/softshow.html", "/huodong.html",
          "/", "/missing", "/chaname.asp?zi=", "/bestnametwo.asp?youname1=%FF"})
        add(t, false);
    return out;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

} // namespace

TEST(SiteLoad, TwoThousandRequestsOverEightConnections)
{
    const std::vector<Target> mix = targets();
    const std::uint16_t port = sitetest::portOf(VendorSite::instance().ensureStarted().toStdString());
    ASSERT_NE(port, 0);

    std::atomic<int> answered{0}, wrong{0}, reconnects{0};
    std::vector<std::vector<double>> namingMs(kConnections), otherMs(kConnections);
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + kTimeCap;
    std::vector<std::thread> threads;
    for (int t = 0; t < kConnections; ++t) {
        threads.emplace_back([&, t] {
            sitetest::Client c(port, 10);
            if (!c.connectTo()) {
                wrong += kRequestsPerConnection;
                return;
            }
            for (int i = 0; i < kRequestsPerConnection && Clock::now() < deadline; ++i) {
                const Target& target = mix[static_cast<size_t>(t * 7 + i) % mix.size()];
                const Clock::time_point sent = Clock::now();
                auto reply = c.get(target.target);
                if (!reply) {
                    // The server may close an idle connection; one fresh try.
                    ++reconnects;
                    if (c.connectTo())
                        reply = c.get(target.target);
                }
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
                (target.naming ? namingMs : otherMs)[static_cast<size_t>(t)].push_back(ms);
                if (reply && reply->status == target.status && reply->body == target.expected)
                    ++answered;
                else
                    ++wrong;
            }
        });
    }
    for (std::thread& th : threads)
        th.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> naming, all;
    for (int t = 0; t < kConnections; ++t) {
        naming.insert(naming.end(), namingMs[static_cast<size_t>(t)].begin(), namingMs[static_cast<size_t>(t)].end());
        all.insert(all.end(), namingMs[static_cast<size_t>(t)].begin(), namingMs[static_cast<size_t>(t)].end());
        all.insert(all.end(), otherMs[static_cast<size_t>(t)].begin(), otherMs[static_cast<size_t>(t)].end());
    }
    std::printf("load: %d requests over %d connections in %.2f s (%.0f requests/s), %d reconnects\n",
                answered.load() + wrong.load(), kConnections, seconds, static_cast<double>(answered.load()) / seconds,
                reconnects.load());
    std::printf("load: all requests  p50 %.2f ms  p95 %.2f ms  max %.2f ms\n", percentile(all, 0.5),
                percentile(all, 0.95), percentile(all, 1.0));
    std::printf("load: naming pages  p50 %.2f ms  p95 %.2f ms  max %.2f ms  (%zu pages)\n", percentile(naming, 0.5),
                percentile(naming, 0.95), percentile(naming, 1.0), naming.size());
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("naming_p95_ms", std::to_string(percentile(naming, 0.95)));
    RecordProperty("all_p95_ms", std::to_string(percentile(all, 0.95)));

    EXPECT_EQ(answered.load(), kConnections * kRequestsPerConnection);
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_LT(seconds, std::chrono::duration<double>(kTimeCap).count());
}

TEST(SiteLoad, NamingPageFromRequestToLastByte)
{
    // One client, one request at a time: the time a user waits for the naming page.
    const std::uint16_t port = sitetest::portOf(VendorSite::instance().ensureStarted().toStdString());
    const std::string target = xingming::naming::namingQuery("欧阳", "女", {"1990", "5", "17", "18"}, true);
    sitetest::Client c(port);
    ASSERT_TRUE(c.connectTo());
    ASSERT_TRUE(c.get(target)); // the first page also builds the tables once
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i) {
        const Clock::time_point sent = Clock::now();
        const auto reply = c.get(target);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        ASSERT_TRUE(reply);
        ASSERT_EQ(reply->status, 200);
    }
    std::printf("naming page, one client: p50 %.2f ms  max %.2f ms\n", percentile(ms, 0.5), percentile(ms, 1.0));
    RecordProperty("naming_single_p50_ms", std::to_string(percentile(ms, 0.5)));
    EXPECT_LT(percentile(ms, 0.5), 100.0);
}
