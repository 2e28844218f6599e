#include "site/http.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ctime>

namespace xingming::site {

namespace {

bool isTokenChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u))
        return true;
    constexpr std::string_view extra = "!#$%&'*+-.^_`|~";
    return extra.find(c) != std::string_view::npos;
}

bool isToken(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), isTokenChar);
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// True when the comma-separated list value holds the token (Connection: keep-alive, close).
bool listHas(std::string_view value, std::string_view token)
{
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        if (end == std::string_view::npos)
            end = value.size();
        if (equalsIgnoreCase(trim(value.substr(start, end - start)), token))
            return true;
        start = end + 1;
    }
    return false;
}

HeadParse fail(int status, std::string why)
{
    HeadParse p;
    p.status = HeadStatus::Error;
    p.errorStatus = status;
    p.error = std::move(why);
    return p;
}

} // namespace

HeadParse parseRequestHead(std::string_view buffer)
{
    // Blank lines before a request line are skipped, as clients may send them between requests.
    size_t start = 0;
    while (buffer.substr(start, 2) == "\r\n")
        start += 2;
    const size_t end = buffer.find("\r\n\r\n", start);
    const size_t lineEnd = buffer.find("\r\n", start);
    if (end == std::string_view::npos || end + 4 > kMaxRequestBytes) {
        if (buffer.size() <= kMaxRequestBytes && end == std::string_view::npos)
            return {};
        if (lineEnd == std::string_view::npos || lineEnd > kMaxRequestBytes)
            return fail(414, "请求地址太长（一个请求最多 8 KiB）");
        return fail(431, "请求头太长（一个请求最多 8 KiB）");
    }

    HeadParse p;
    p.headBytes = end + 4;
    // Request line: method SP target SP version.
    const std::string_view line = buffer.substr(start, lineEnd - start);
    const size_t sp1 = line.find(' ');
    const size_t sp2 = sp1 == std::string_view::npos ? sp1 : line.find(' ', sp1 + 1);
    if (sp2 == std::string_view::npos || line.find(' ', sp2 + 1) != std::string_view::npos)
        return fail(400, "请求行的格式不对");
    const std::string_view method = line.substr(0, sp1);
    const std::string_view target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    const std::string_view version = line.substr(sp2 + 1);
    if (!isToken(method) || target.empty())
        return fail(400, "请求行的格式不对");
    for (char c : target) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u == 0x7F)
            return fail(400, "请求地址中含有控制字符");
    }
    if (version.size() != 8 || version.substr(0, 5) != "HTTP/" ||
        !std::isdigit(static_cast<unsigned char>(version[5])) || version[6] != '.' ||
        !std::isdigit(static_cast<unsigned char>(version[7])))
        return fail(400, "请求行的格式不对");
    if (version[5] != '1' || (version[7] != '0' && version[7] != '1'))
        return fail(505, "只支持 HTTP/1.0 和 HTTP/1.1");
    p.head.method = std::string(method);
    p.head.target = std::string(target);
    p.head.minorVersion = version[7] - '0';

    // Header fields.
    bool close = false, keepAlive = false, haveLength = false;
    size_t pos = lineEnd + 2;
    while (pos < end + 2) {
        const size_t eol = buffer.find("\r\n", pos);
        const std::string_view field = buffer.substr(pos, eol - pos);
        pos = eol + 2;
        const size_t colon = field.find(':');
        if (colon == std::string_view::npos || !isToken(field.substr(0, colon)))
            return fail(400, "请求头的格式不对");
        const std::string_view name = field.substr(0, colon);
        const std::string_view value = trim(field.substr(colon + 1));
        for (char c : value) {
            const auto u = static_cast<unsigned char>(c);
            if ((u < 0x20 && c != '\t') || u == 0x7F)
                return fail(400, "请求头中含有控制字符");
        }
        if (equalsIgnoreCase(name, "Content-Length")) {
            size_t n = 0;
            const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
            if (value.empty() || r.ec != std::errc() || r.ptr != value.data() + value.size())
                return fail(r.ec == std::errc::result_out_of_range ? 413 : 400, "Content-Length 不对");
            if (haveLength && n != p.head.contentLength)
                return fail(400, "Content-Length 不止一个且互不相同");
            haveLength = true;
            p.head.contentLength = n;
        } else if (equalsIgnoreCase(name, "Host")) {
            if (p.head.hasHost)
                return fail(400, "Host 不止一个");
            p.head.hasHost = true;
            p.head.host = std::string(value);
        } else if (equalsIgnoreCase(name, "Transfer-Encoding")) {
            return fail(501, "不支持 Transfer-Encoding");
        } else if (equalsIgnoreCase(name, "Connection")) {
            close = close || listHas(value, "close");
            keepAlive = keepAlive || listHas(value, "keep-alive");
        }
    }
    if (p.head.contentLength > kMaxRequestBytes - p.headBytes)
        return fail(413, "请求内容太长（一个请求最多 8 KiB）");
    p.head.keepAlive = !close && (p.head.minorVersion == 1 || keepAlive);
    p.status = HeadStatus::Complete;
    return p;
}

int checkHost(const RequestHead& head, std::uint16_t port)
{
    const std::string portText = std::to_string(port);
    const auto ours = [&](std::string_view authority) {
        for (std::string_view name : {std::string_view("127.0.0.1"), std::string_view("localhost")}) {
            if (authority.size() < name.size() || !equalsIgnoreCase(authority.substr(0, name.size()), name))
                continue;
            const std::string_view rest = authority.substr(name.size());
            if ((rest.empty() && port == 80) || (rest.size() > 1 && rest[0] == ':' && rest.substr(1) == portText))
                return true;
        }
        return false;
    };
    const std::string_view target = head.target;
    if (target.size() >= 7 && equalsIgnoreCase(target.substr(0, 7), "http://")) {
        const std::string_view rest = target.substr(7);
        if (!ours(rest.substr(0, rest.find_first_of("/?#"))))
            return 421;
    }
    if (!head.hasHost)
        return head.minorVersion == 1 ? 400 : 0;
    return ours(head.host) ? 0 : 421;
}

std::string httpDate(std::time_t t)
{
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[40];
    const size_t n = std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &tm);
    return std::string(text, n);
}

std::string_view reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Content Too Large";
    case 414:
        return "URI Too Long";
    case 421:
        return "Misdirected Request";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Unknown";
    }
}

std::string serializeResponse(const Response& r, bool headOnly, bool keepAlive, std::string_view date)
{
    std::string out;
    out.reserve(r.body.size() + 512);
    out += "HTTP/1.1 ";
    out += std::to_string(r.status);
    out += ' ';
    out += reasonPhrase(r.status);
    out += "\r\nDate: ";
    out += date;
    out += "\r\nContent-Type: ";
    out += r.contentType;
    out += "\r\nContent-Length: ";
    out += std::to_string(r.body.size());
    // The pages carry no script and load nothing from elsewhere; say so to the browser.
    out += "\r\nContent-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; "
           "base-uri 'none'";
    out += "\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\nCache-Control: no-store";
    out += "\r\nServer: xingming-site";
    for (const auto& [name, value] : r.headers) {
        out += "\r\n";
        out += name;
        out += ": ";
        out += value;
    }
    out += keepAlive ? "\r\nConnection: keep-alive\r\n\r\n" : "\r\nConnection: close\r\n\r\n";
    if (!headOnly)
        out += r.body;
    return out;
}

} // namespace xingming::site
