// The framing of requests and responses, byte for byte, without sockets.
#include "site/http.h"

#include <gtest/gtest.h>

using namespace xingming::site;

TEST(RequestHead, Accepted)
{
    struct Row {
        const char* label;
        std::string in;
        std::string method, target;
        bool keepAlive;
        size_t contentLength;
    };
    const Row rows[] = {
        {"get 1.1", "GET /contact.html HTTP/1.1\r\nHost: x\r\n\r\n", "GET", "/contact.html", true, 0},
        {"head", "HEAD / HTTP/1.1\r\n\r\n", "HEAD", "/", true, 0},
        {"1.1 close", "GET / HTTP/1.1\r\nConnection: close\r\n\r\n", "GET", "/", false, 0},
        {"1.1 close in a list", "GET / HTTP/1.1\r\nConnection: Upgrade, Close\r\n\r\n", "GET", "/", false, 0},
        {"1.0", "GET / HTTP/1.0\r\n\r\n", "GET", "/", false, 0},
        {"1.0 keep-alive", "GET / HTTP/1.0\r\nconnection: Keep-Alive\r\n\r\n", "GET", "/", true, 0},
        {"blank lines first", "\r\n\r\nGET /a HTTP/1.1\r\n\r\n", "GET", "/a", true, 0},
        {"body", "POST /a HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", "POST", "/a", true, 3},
        {"same length twice", "GET / HTTP/1.1\r\nContent-Length: 2\r\ncontent-length: 2\r\n\r\nab", "GET", "/", true,
         2},
        {"value blanks", "GET / HTTP/1.1\r\nX:   y  \r\nHost:\t127.0.0.1\r\n\r\n", "GET", "/", true, 0},
        {"raw utf-8 target", "GET /chaname.asp?zi=\xE6\x98\x8E HTTP/1.1\r\n\r\n", "GET", "/chaname.asp?zi=\xE6\x98\x8E",
         true, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const HeadParse p = parseRequestHead(r.in);
        ASSERT_EQ(p.status, HeadStatus::Complete) << p.error;
        EXPECT_EQ(p.head.method, r.method);
        EXPECT_EQ(p.head.target, r.target);
        EXPECT_EQ(p.head.keepAlive, r.keepAlive);
        EXPECT_EQ(p.head.contentLength, r.contentLength);
        EXPECT_EQ(p.headBytes + p.head.contentLength, r.in.size());
    }
}

TEST(RequestHead, IncompleteUntilTheBlankLine)
{
    const std::string full = "GET /contact.html HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    for (size_t n = 0; n < full.size(); ++n)
        EXPECT_EQ(parseRequestHead(full.substr(0, n)).status, HeadStatus::Incomplete) << n;
    EXPECT_EQ(parseRequestHead(full).status, HeadStatus::Complete);
    // A second request behind the first is left for later.
    const HeadParse p = parseRequestHead(full + "GET / HTTP/1.1\r\n");
    EXPECT_EQ(p.headBytes, full.size());
}

TEST(RequestHead, Refused)
{
    const std::string longTarget = "GET /" + std::string(kMaxRequestBytes, 'a') + " HTTP/1.1\r\n\r\n";
    const std::string longHeader = "GET / HTTP/1.1\r\nX: " + std::string(kMaxRequestBytes, 'a') + "\r\n\r\n";
    const std::string manyHeaders = [] {
        std::string s = "GET / HTTP/1.1\r\n";
        while (s.size() <= kMaxRequestBytes)
            s += "X-Filler: 0123456789\r\n";
        return s; // never ends: the size alone refuses it
    }();
    const std::string justOver = [] {
        std::string s = "GET / HTTP/1.1\r\nX: ";
        s += std::string(kMaxRequestBytes - s.size() - 3, 'a');
        return s + "\r\n\r\n"; // kMaxRequestBytes + 1 bytes
    }();
    struct Row {
        const char* label;
        std::string in;
        int status;
    };
    const Row rows[] = {
        {"target too long", longTarget, 414},
        {"request line never ends", "GET /" + std::string(kMaxRequestBytes + 10, 'a'), 414},
        {"header too long", longHeader, 431},
        {"too many headers", manyHeaders, 431},
        {"one byte over", justOver, 431},
        {"body too long", "GET / HTTP/1.1\r\nContent-Length: 9000\r\n\r\n", 413},
        {"length out of range", "GET / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n", 413},
        {"length not a number", "GET / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n", 400},
        {"length negative", "GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", 400},
        {"lengths differ", "GET / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", 400},
        {"chunked", "GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", 501},
        {"no version", "GET /\r\n\r\n", 400},
        {"two blanks", "GET  / HTTP/1.1\r\n\r\n", 400},
        {"trailing blank", "GET / HTTP/1.1 \r\n\r\n", 400},
        {"lower-case version", "GET / http/1.1\r\n\r\n", 400},
        {"version 2", "GET / HTTP/2.0\r\n\r\n", 505},
        {"version 1.2", "GET / HTTP/1.2\r\n\r\n", 505},
        {"method not a token", "G(T / HTTP/1.1\r\n\r\n", 400},
        {"field without colon", "GET / HTTP/1.1\r\nHost\r\n\r\n", 400},
        {"blank before colon", "GET / HTTP/1.1\r\nHost : x\r\n\r\n", 400},
        {"folded field", "GET / HTTP/1.1\r\nX: a\r\n b\r\n\r\n", 400},
        {"control in value",
         std::string("GET / HTTP/1.1\r\nX: a\x01"
                     "b\r\n\r\n"),
         400},
        {"control in target", std::string("GET /a\x7F HTTP/1.1\r\n\r\n"), 400},
        {"two hosts", "GET / HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nHost: evil.example\r\n\r\n", 400},
        {"garbage", std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\r\n\r\n", 14), 400},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const HeadParse p = parseRequestHead(r.in);
        ASSERT_EQ(p.status, HeadStatus::Error);
        EXPECT_EQ(p.errorStatus, r.status);
        EXPECT_FALSE(p.error.empty());
    }
    // Exactly at the limit is still a request.
    std::string atLimit = "GET / HTTP/1.1\r\nX: ";
    atLimit += std::string(kMaxRequestBytes - atLimit.size() - 4, 'a') + "\r\n\r\n";
    ASSERT_EQ(atLimit.size(), kMaxRequestBytes);
    EXPECT_EQ(parseRequestHead(atLimit).status, HeadStatus::Complete);
}

TEST(Response, Serialized)
{
    Response r;
    r.status = 405;
    r.headers.emplace_back("Allow", "GET, HEAD");
    r.body = "<p>页</p>";
    const std::string get = serializeResponse(r, false, true, "Tue, 08 Dec 2026 04:15:12 GMT");
    EXPECT_TRUE(get.starts_with("HTTP/1.1 405 Method Not Allowed\r\n"));
    EXPECT_NE(get.find("\r\nDate: Tue, 08 Dec 2026 04:15:12 GMT\r\n"), std::string::npos);
    EXPECT_NE(get.find("\r\nContent-Type: text/html; charset=utf-8\r\n"), std::string::npos);
    EXPECT_NE(get.find("\r\nContent-Length: " + std::to_string(r.body.size()) + "\r\n"), std::string::npos);
    EXPECT_NE(get.find("\r\nAllow: GET, HEAD\r\n"), std::string::npos);
    EXPECT_NE(get.find("\r\nContent-Security-Policy: default-src 'none';"), std::string::npos);
    EXPECT_NE(get.find("\r\nConnection: keep-alive\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(get.ends_with("\r\n\r\n" + r.body));
    // HEAD: the same fields, Content-Length of the body it leaves out.
    const std::string head = serializeResponse(r, true, false, httpDate(0));
    EXPECT_TRUE(head.ends_with("\r\nConnection: close\r\n\r\n"));
    EXPECT_EQ(head.find("<p>"), std::string::npos);
    EXPECT_NE(head.find("\r\nContent-Length: " + std::to_string(r.body.size()) + "\r\n"), std::string::npos);
    for (int status : {200, 400, 404, 405, 408, 413, 414, 421, 431, 500, 501, 503, 505})
        EXPECT_NE(reasonPhrase(status), "Unknown") << status;
}

TEST(Response, HttpDate)
{
    EXPECT_EQ(httpDate(0), "Thu, 01 Jan 1970 00:00:00 GMT");
    EXPECT_EQ(httpDate(784111777), "Sun, 06 Nov 1994 08:49:37 GMT"); // the example of RFC 9110
}

TEST(RequestHead, HostNamesThisServer)
{
    // Only the loopback address and "localhost" with this server's port name it; any other
    // name is a page elsewhere reaching in by a name that resolves here (DNS rebinding).
    struct Row {
        const char* label;
        std::string head;
        std::uint16_t port;
        int status;
    };
    const Row rows[] = {
        {"address and port", "GET / HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n\r\n", 8080, 0},
        {"localhost", "GET / HTTP/1.1\r\nHost: localhost:8080\r\n\r\n", 8080, 0},
        {"localhost in capitals", "GET / HTTP/1.1\r\nHost: LocalHost:8080\r\n\r\n", 8080, 0},
        {"port 80 may be left out", "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 80, 0},
        {"1.0 without host", "GET / HTTP/1.0\r\n\r\n", 8080, 0},
        {"absolute form", "GET http://127.0.0.1:8080/a HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n\r\n", 8080, 0},
        {"1.1 without host", "GET / HTTP/1.1\r\n\r\n", 8080, 400},
        {"another port", "GET / HTTP/1.1\r\nHost: 127.0.0.1:8081\r\n\r\n", 8080, 421},
        {"port left out", "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 8080, 421},
        {"rebinding name", "GET / HTTP/1.1\r\nHost: evil.example:8080\r\n\r\n", 8080, 421},
        {"name ending like ours", "GET / HTTP/1.1\r\nHost: x127.0.0.1:8080\r\n\r\n", 8080, 421},
        {"name beginning like ours", "GET / HTTP/1.1\r\nHost: 127.0.0.1.evil.example:8080\r\n\r\n", 8080, 421},
        {"port with more", "GET / HTTP/1.1\r\nHost: 127.0.0.1:80801\r\n\r\n", 8080, 421},
        {"empty port", "GET / HTTP/1.1\r\nHost: 127.0.0.1:\r\n\r\n", 80, 421},
        {"other loopback address", "GET / HTTP/1.1\r\nHost: 127.0.0.2:8080\r\n\r\n", 8080, 421},
        {"ipv6 loopback, not listened on", "GET / HTTP/1.1\r\nHost: [::1]:8080\r\n\r\n", 8080, 421},
        {"empty host", "GET / HTTP/1.1\r\nHost:\r\n\r\n", 8080, 421},
        {"absolute form elsewhere", "GET http://evil.example:8080/ HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n\r\n", 8080,
         421},
        {"absolute form, 1.0", "GET http://evil.example/ HTTP/1.0\r\n\r\n", 80, 421},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const HeadParse p = parseRequestHead(r.head);
        ASSERT_EQ(p.status, HeadStatus::Complete) << p.error;
        EXPECT_EQ(checkHost(p.head, r.port), r.status);
    }
}
