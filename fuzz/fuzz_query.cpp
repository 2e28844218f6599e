// The query decoder over any bytes: percent-decoding, the GBK-or-UTF-8 rule and the
// escaping of what a request brings. Every text it gives is UTF-8 without control
// characters, a UTF-8 value is never read as anything else, and the site's own links
// read back as the text they were made from.
#include "naming/utf8.h"
#include "site/query.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace xingming::site;

void checkText(std::string_view bytes, QueryEncoding declared)
{
    std::string why;
    const std::optional<DecodedText> t = decodeText(bytes, declared, &why);
    if (!t) {
        if (why.empty())
            std::abort();
        return;
    }
    if (!xingming::naming::isValidUtf8(t->utf8))
        std::abort();
    for (char32_t c : xingming::naming::decodeUtf8(t->utf8))
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            std::abort();
    // The rule no UTF-8 text can fail: undeclared UTF-8 is taken as it is.
    if (declared == QueryEncoding::Unknown && xingming::naming::isValidUtf8(bytes) && t->utf8 != bytes)
        std::abort();
    // The site's links carry the text back unchanged.
    const std::optional<std::string> back = percentDecode(queryValue(t->utf8), true);
    if (!back || *back != t->utf8)
        std::abort();
    const std::optional<DecodedText> again = decodeText(*back);
    if (!again || again->utf8 != t->utf8)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (const auto params = parseQuery(bytes, error)) {
        const QueryEncoding declared = queryEncoding(*params);
        for (const QueryParam& p : *params) {
            checkText(p.value, declared);
            checkText(p.key, QueryEncoding::Unknown);
        }
    } else if (error.empty()) {
        std::abort();
    }
    checkText(bytes, QueryEncoding::Unknown);
    checkText(bytes, QueryEncoding::Gbk);
    // Escaped text holds no markup and is UTF-8 whatever came in.
    const std::string escaped = htmlEscape(bytes);
    if (escaped.find_first_of("<>\"'") != std::string::npos || !xingming::naming::isValidUtf8(escaped))
        std::abort();
    return 0;
}
