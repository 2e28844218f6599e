#include "naming/utf8.h"

namespace xingming::naming {

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += detail::decodeOne(text, i, c);
        result.push_back(c);
    }
    return result;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        // ASCII, and three-byte characters whose lead takes any continuation byte (most of
        // Chinese), without decoding them.
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && i + 2 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80 &&
            (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80) {
            i += 3;
            continue;
        }
        char32_t c = 0;
        const size_t len = detail::decodeOne(text, i, c);
        if (c == kReplacementChar && len == 1)
            return false;
        i += len;
    }
    return true;
}

bool decodeSingle(std::string_view text, char32_t& out)
{
    if (text.empty())
        return false;
    const size_t len = detail::decodeOne(text, 0, out);
    return len == text.size() && !(out == kReplacementChar && len == 1);
}

std::string encodeUtf8(char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacementChar;
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

size_t characterLength(std::string_view text, size_t i)
{
    char32_t c = 0;
    const size_t len = detail::decodeOne(text, i, c);
    return c == kReplacementChar && len == 1 ? 0 : len;
}

std::vector<std::string> splitCharacters(std::string_view text, size_t n)
{
    std::vector<std::string> result;
    for (size_t i = 0; i < text.size() && result.size() < n;) {
        char32_t c = 0;
        const size_t len = detail::decodeOne(text, i, c);
        // Ill-formed bytes stand as U+FFFD so that every result is valid UTF-8.
        result.push_back(c == kReplacementChar && len == 1 ? encodeUtf8(c) : std::string(text.substr(i, len)));
        i += len;
    }
    return result;
}

} // namespace xingming::naming
