// The site over loopback: the program-wide site and its base address, the wire format
// of answers, persistent and pipelined connections, limits and faults.
#include "site/httpserver.h"
#include "site/pages.h"
#include "site/siteserver.h"

#include "naming/namingrequest.h"

#include "httpclient.h"
#include "threadedserver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <gtest/gtest.h>

#include <ifaddrs.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <regex>
#include <stdexcept>
#include <thread>

using namespace xingming::site;
using sitetest::Client;
using sitetest::ThreadedServer;

namespace {

std::uint16_t sitePort()
{
    const std::string base = VendorSite::instance().ensureStarted().toStdString();
    return sitetest::portOf(base);
}

const std::string kNaming = xingming::naming::namingQuery("王", "男", {"1990", "5", "17", "18"}, true);

} // namespace

TEST(VendorSite, StartsOnceOnLoopback)
{
    const QString base = VendorSite::instance().ensureStarted();
    EXPECT_TRUE(std::regex_match(base.toStdString(), std::regex("http://127\\.0\\.0\\.1:[1-9][0-9]*")));
    EXPECT_EQ(VendorSite::instance().ensureStarted(), base);
    EXPECT_EQ(VendorSite::instance().base(), base);
    // From another thread too: the same site.
    QString other;
    std::thread([&] { other = VendorSite::instance().ensureStarted(); }).join();
    EXPECT_EQ(other, base);
}

TEST(VendorSite, AnswersEveryPageOverTheWire)
{
    Client c(sitePort());
    ASSERT_TRUE(c.connectTo());
    struct Row {
        std::string target;
        int status;
    };
    const Row rows[] = {{kNaming, 200},
                        {"/xingshow.asp?biaoti=%CD%F5", 200},
                        {"/chaname.asp?zi=%E6%98%8E", 200},
                        {"/contact.html", 200},
                        {"/pay_tb.html", 200},
                        {"/howpay.html", 200},
                        {"/softshow.html", 200},
                        {"/huodong.html", 200},
                        {"/nowhere", 404},
                        {"/chaname.asp", 400}};
    for (const Row& r : rows) {
        const auto reply = c.get(r.target);
        ASSERT_TRUE(reply) << r.target;
        EXPECT_EQ(reply->status, r.status) << r.target;
        EXPECT_EQ(reply->headers.at("content-type"), "text/html; charset=utf-8");
        EXPECT_EQ(reply->body, handleRequest("GET", r.target).body) << r.target;
        EXPECT_FALSE(reply->closed) << "one connection serves them all";
    }
}

TEST(VendorSite, HeadHasTheFieldsButNoBody)
{
    Client c(sitePort());
    ASSERT_TRUE(c.connectTo());
    const auto head = c.get("/softshow.html", "HEAD");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->headers.at("content-length"), std::to_string(handleRequest("GET", "/softshow.html").body.size()));
    // The next answer on the same connection starts right where the head ended.
    const auto get = c.get("/howpay.html");
    ASSERT_TRUE(get);
    EXPECT_EQ(get->status, 200);
    EXPECT_NE(get->body.find("不需要支付"), std::string::npos);
}

TEST(VendorSite, PipelinedRequestsAnsweredInOrder)
{
    Client c(sitePort());
    ASSERT_TRUE(c.connectTo());
    const std::vector<std::string> targets = {kNaming, "/contact.html", "/x", "/chaname.asp?zi=%CD%F5", "/"};
    std::string all;
    for (const std::string& t : targets)
        all += "GET " + t + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(sitePort()) + "\r\n\r\n";
    ASSERT_TRUE(c.sendRaw(all));
    for (const std::string& t : targets) {
        const auto r = c.readReply();
        ASSERT_TRUE(r) << t;
        EXPECT_EQ(r->body, handleRequest("GET", t).body) << t;
    }
}

TEST(VendorSite, RequestsSentInPieces)
{
    Client c(sitePort());
    ASSERT_TRUE(c.connectTo());
    const std::string req = "GET /huodong.html HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(sitePort()) + "\r\n\r\n";
    for (char ch : req) {
        ASSERT_TRUE(c.sendRaw(std::string(1, ch)));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const auto r = c.readReply();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
}

TEST(VendorSite, FaultsAreAnsweredAndClosed)
{
    struct Row {
        const char* label;
        std::string request;
        int status;
        bool closes;
    };
    const std::string huge(10000, 'a');
    const std::string host = "Host: 127.0.0.1:" + std::to_string(sitePort()) + "\r\n";
    const Row rows[] = {
        {"post", "POST /contact.html HTTP/1.1\r\n" + host + "Content-Length: 5\r\n\r\nhello", 405, false},
        {"delete", "DELETE / HTTP/1.1\r\n" + host + "\r\n", 405, false},
        {"localhost", "GET / HTTP/1.1\r\nHost: localhost:" + std::to_string(sitePort()) + "\r\n\r\n", 200, false},
        {"no host", "GET / HTTP/1.1\r\n\r\n", 400, true},
        {"rebound name", "GET / HTTP/1.1\r\nHost: evil.example:" + std::to_string(sitePort()) + "\r\n\r\n", 421, true},
        {"another port", "GET / HTTP/1.1\r\nHost: 127.0.0.1:1\r\n\r\n", 421, true},
        {"long target", "GET /" + huge + " HTTP/1.1\r\n\r\n", 414, true},
        {"long header", "GET / HTTP/1.1\r\nCookie: " + huge + "\r\n\r\n", 431, true},
        {"big body", "POST / HTTP/1.1\r\nContent-Length: 100000\r\n\r\n" + huge, 413, true},
        {"chunked", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n", 501, true},
        {"garbage", "\x16\x03\x01 hello\r\n\r\n", 400, true},
        {"http/2 preface", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", 505, true},
        {"1.0 closes", "GET /contact.html HTTP/1.0\r\n\r\n", 200, true},
        {"asked to close", "GET /contact.html HTTP/1.1\r\n" + host + "Connection: close\r\n\r\n", 200, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        Client c(sitePort());
        ASSERT_TRUE(c.connectTo());
        ASSERT_TRUE(c.sendRaw(r.request));
        const auto reply = c.readReply();
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->status, r.status);
        EXPECT_EQ(reply->closed, r.closes);
        ASSERT_TRUE(reply->headers.count("date"));
        EXPECT_TRUE(std::regex_match(reply->headers.at("date"),
                                     std::regex("[A-Z][a-z]{2}, [0-9]{2} [A-Z][a-z]{2} 20[0-9]{2} [0-9:]{8} GMT")));
        if (r.status == 405) {
            EXPECT_EQ(reply->headers.at("allow"), "GET, HEAD");
        }
        if (r.closes) {
            EXPECT_TRUE(c.waitForClose());
        } else {
            const auto next = c.get("/contact.html");
            ASSERT_TRUE(next);
            EXPECT_EQ(next->status, 200);
        }
    }
}

TEST(VendorSite, ListensOnLoopbackOnly)
{
    // Any IPv4 address of this machine other than loopback must refuse the site's port.
    const std::uint16_t port = sitePort();
    ifaddrs* list = nullptr;
    ASSERT_EQ(getifaddrs(&list), 0);
    int tried = 0;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr, text, sizeof text);
        if (std::string_view(text).starts_with("127."))
            continue;
        Client c(port, 2);
        EXPECT_FALSE(c.connectTo(text)) << text;
        ++tried;
    }
    freeifaddrs(list);
    if (tried == 0)
        GTEST_SKIP() << "no address besides loopback to try";
}

namespace {

Response plain(std::string_view, std::string_view target)
{
    if (target == "/boom")
        throw std::runtime_error("boom");
    Response r;
    r.body = "ok";
    return r;
}

} // namespace

TEST(HttpServer, AHandlerThatThrowsGives500)
{
    ThreadedServer s(plain);
    ASSERT_NE(s.port, 0);
    Client c(s.port);
    ASSERT_TRUE(c.connectTo());
    const auto r = c.get("/boom");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 500);
    const auto fine = c.get("/fine");
    ASSERT_TRUE(fine) << "the connection lives on";
    EXPECT_EQ(fine->status, 200);
}

TEST(HttpServer, IdleAndHalfSentRequestsAreClosed)
{
    ServerLimits limits;
    limits.idleTimeoutMs = 300;
    limits.headTimeoutMs = 300;
    ThreadedServer s(plain, limits);
    Client idle(s.port), half(s.port);
    ASSERT_TRUE(idle.connectTo());
    ASSERT_TRUE(half.connectTo());
    ASSERT_TRUE(half.sendRaw("GET / HTTP/1.1\r\nHost: 127"));
    const auto r = half.readReply();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 408);
    EXPECT_TRUE(half.waitForClose());
    EXPECT_TRUE(idle.waitForClose()) << "an idle connection is closed without a word";
}

namespace {

// Pages of "/hold" are built only once the gate opens, so their connections stay busy.
class Gate {
public:
    Response handle(std::string_view method, std::string_view target)
    {
        if (target == "/hold") {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_open; });
        }
        return plain(method, target);
    }
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

// Opens n connections whose requests wait at the gate: none of them may be closed to make room.
std::vector<std::unique_ptr<Client>> holdConnections(quint16 port, int n)
{
    std::vector<std::unique_ptr<Client>> open;
    for (int i = 0; i < n; ++i) {
        open.push_back(std::make_unique<Client>(port));
        EXPECT_TRUE(open.back()->connectTo());
        EXPECT_TRUE(open.back()->sendRaw("GET /hold HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n"));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the server has read them
    return open;
}

} // namespace

TEST(HttpServer, TooManyConnectionsGet503)
{
    Gate gate;
    ThreadedServer s([&gate](std::string_view m, std::string_view t) { return gate.handle(m, t); });
    auto open = holdConnections(s.port, HttpServer::kMaxConnections);
    // The newcomer's request is read, then refused in the open, with a time to come back.
    Client extra(s.port);
    ASSERT_TRUE(extra.connectTo());
    const auto r = extra.get("/");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 503);
    EXPECT_EQ(r->headers.at("retry-after"), "1");
    EXPECT_TRUE(r->closed);
    EXPECT_TRUE(extra.waitForClose());
    // Once they are answered, there is room again.
    gate.open();
    for (auto& c : open)
        EXPECT_EQ(c->readReply().value_or(sitetest::Reply{}).status, 200);
    open.front()->disconnect();
    bool served = false;
    for (int attempt = 0; attempt < 50 && !served; ++attempt) {
        Client again(s.port);
        served = again.connectTo() && again.get("/").value_or(sitetest::Reply{}).status == 200;
        if (!served)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(served);
}

TEST(HttpServer, ClosedConnectionsLeaveRoom)
{
    // Connections that have closed, by the client or after Connection: close, count no more.
    Gate gate;
    ThreadedServer s([&gate](std::string_view m, std::string_view t) { return gate.handle(m, t); });
    gate.open();
    for (int round = 0; round < 3; ++round) {
        auto open = holdConnections(s.port, HttpServer::kMaxConnections - 1);
        for (auto& c : open)
            c->disconnect();
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the server sees them go
        for (int i = 0; i < HttpServer::kMaxConnections; ++i) {
            Client c(s.port);
            ASSERT_TRUE(c.connectTo());
            ASSERT_TRUE(c.sendRaw("GET / HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(s.port) +
                                  "\r\nConnection: close\r\n\r\n"));
            const auto r = c.readReply();
            ASSERT_TRUE(r) << round << " " << i;
            ASSERT_EQ(r->status, 200) << round << " " << i;
        }
    }
    auto open = holdConnections(s.port, HttpServer::kMaxConnections);
    for (auto& c : open)
        EXPECT_EQ(c->readReply().value_or(sitetest::Reply{}).status, 200);
}

TEST(VendorSite, StopsAndStartsAgain)
{
    const QString first = VendorSite::instance().ensureStarted();
    VendorSite::instance().stop();
    EXPECT_TRUE(VendorSite::instance().base().isEmpty());
    Client gone(sitetest::portOf(first.toStdString()), 2);
    EXPECT_FALSE(gone.connectTo()) << "the port is closed";
    const QString second = VendorSite::instance().ensureStarted();
    ASSERT_FALSE(second.isEmpty());
    Client c(sitetest::portOf(second.toStdString()));
    ASSERT_TRUE(c.connectTo());
    EXPECT_EQ(c.get("/contact.html")->status, 200);
}
