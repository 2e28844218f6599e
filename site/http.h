// HTTP/1.1 framing of the site: reading a request head and writing a response, as plain
// functions over bytes so that they are tested without sockets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xingming::site {

// Longest request the site reads: request line, header fields and any body together.
inline constexpr std::size_t kMaxRequestBytes = 8 * 1024;

struct RequestHead {
    std::string method;
    std::string target;    // as sent: path and query
    int minorVersion = 1;  // HTTP/1.0 or HTTP/1.1
    bool keepAlive = true; // after the response, the connection stays open
    std::size_t contentLength = 0;
    bool hasHost = false; // a Host field was sent
    std::string host;     // its value
};

enum class HeadStatus {
    Incomplete, // more bytes are needed
    Complete,   // head (and headBytes) are set
    Error,      // errorStatus and error are set; the connection is closed after the answer
};

struct HeadParse {
    HeadStatus status = HeadStatus::Incomplete;
    RequestHead head;
    std::size_t headBytes = 0; // bytes of the head, the blank line included
    int errorStatus = 0;
    std::string error; // what is wrong, for the error page
};

// Reads the head at the start of buffer. Refuses a head longer than kMaxRequestBytes
// (414 when even the request line does not end within it, 431 otherwise), a body that
// would make the request longer (413), a malformed request line or field (400), a
// version other than HTTP/1.0 and 1.1 (505), a transfer coding (501) and a second Host
// field (400).
HeadParse parseRequestHead(std::string_view buffer);

// The Host check that keeps pages of other sites out (DNS rebinding): a request must name
// this server by its loopback address or "localhost" and its port ("127.0.0.1:PORT",
// "localhost:PORT"; without the port only when it is 80), in the Host field and in an
// absolute-form target alike. 0 when it does; 400 for an HTTP/1.1 request without Host;
// 421 for any other name.
int checkHost(const RequestHead& head, std::uint16_t port);

struct Response {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::vector<std::pair<std::string, std::string>> headers; // further fields (Allow)
    std::string body;
};

// The reason phrase of a status code ("Not Found").
std::string_view reasonPhrase(int status);

// A time as an HTTP date, "Tue, 08 Dec 2026 04:15:12 GMT".
std::string httpDate(std::time_t t);

// The bytes of a response: status line, fields (Date, Content-Length always, the security
// fields of the site, Connection), and the body unless headOnly (HEAD).
std::string serializeResponse(const Response& r, bool headOnly, bool keepAlive, std::string_view date);

} // namespace xingming::site
