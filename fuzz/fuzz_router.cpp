// The site's router and page builders over any method and target: every request gets a
// whole page with a known status, in UTF-8, and nothing it sent stands unescaped in it.
#include "naming/utf8.h"
#include "site/http.h"
#include "site/pages.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace xingming::site;
    if (size < 1 || size > kMaxRequestBytes)
        return 0;
    static constexpr std::string_view kMethods[] = {"GET", "HEAD", "POST", "OPTIONS"};
    const std::string_view method = kMethods[data[0] % 4];
    const std::string_view target(reinterpret_cast<const char*>(data + 1), size - 1);
    const Response r = handleRequest(method, target);
    if (reasonPhrase(r.status) == "Unknown" || r.body.empty() || !xingming::naming::isValidUtf8(r.body))
        std::abort();
    if (!r.body.starts_with("<!DOCTYPE html>") || !r.body.ends_with("</html>\n"))
        std::abort();
    // A script element can only come from the request, unescaped.
    if (r.body.find("<script") != std::string::npos)
        std::abort();
    return 0;
}
