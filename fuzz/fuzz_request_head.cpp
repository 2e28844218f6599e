// The request head parser over any bytes, with the Host check and the answer's framing
// behind it: what it accepts keeps within the request limit and names its parts exactly.
#include "site/http.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace xingming::site;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const HeadParse p = parseRequestHead(bytes);
    switch (p.status) {
    case HeadStatus::Incomplete:
        // Only a head that may still end within the limit waits for more.
        if (size > kMaxRequestBytes)
            std::abort();
        break;
    case HeadStatus::Error:
        if (p.error.empty() || reasonPhrase(p.errorStatus) == "Unknown")
            std::abort();
        break;
    case HeadStatus::Complete: {
        if (p.headBytes > size || p.headBytes > kMaxRequestBytes ||
            p.head.contentLength > kMaxRequestBytes - p.headBytes || p.head.method.empty() || p.head.target.empty())
            std::abort();
        if (bytes.substr(p.headBytes - 4, 4) != "\r\n\r\n")
            std::abort();
        for (char c : p.head.target)
            if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
                std::abort();
        const int host = checkHost(p.head, static_cast<std::uint16_t>(size));
        if (host != 0 && host != 400 && host != 421)
            std::abort();
        Response r;
        r.status = host ? host : 200;
        r.body = p.head.target;
        const std::string out = serializeResponse(r, p.head.method == "HEAD", p.head.keepAlive, httpDate(0));
        if (out.find("\r\n\r\n") == std::string::npos)
            std::abort();
        break;
    }
    }
    return 0;
}
