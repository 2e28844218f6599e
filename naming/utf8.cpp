#include "naming/utf8.h"

namespace xingming::naming {

namespace {

// Decodes the sequence at text[i]; returns its length (1 for an ill-formed byte).
size_t decodeOne(std::string_view text, size_t i, char32_t& out)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
        out = c;
        return 1;
    }
    size_t len = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        out = kReplacementChar;
        return 1;
    }
    if (i + len > text.size()) {
        out = kReplacementChar;
        return 1;
    }
    for (size_t k = 1; k < len; ++k) {
        const auto cc = static_cast<unsigned char>(text[i + k]);
        if ((cc & 0xC0) != 0x80) {
            out = kReplacementChar;
            return 1;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    const bool overlong = (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        out = kReplacementChar;
        return 1;
    }
    out = cp;
    return len;
}

} // namespace

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += decodeOne(text, i, c);
        result.push_back(c);
    }
    return result;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t len = decodeOne(text, i, c);
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
    const size_t len = decodeOne(text, 0, out);
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
    const size_t len = decodeOne(text, i, c);
    return c == kReplacementChar && len == 1 ? 0 : len;
}

std::vector<std::string> splitCharacters(std::string_view text, size_t n)
{
    std::vector<std::string> result;
    for (size_t i = 0; i < text.size() && result.size() < n;) {
        char32_t c = 0;
        const size_t len = decodeOne(text, i, c);
        // Ill-formed bytes stand as U+FFFD so that every result is valid UTF-8.
        result.push_back(c == kReplacementChar && len == 1 ? encodeUtf8(c) : std::string(text.substr(i, len)));
        i += len;
    }
    return result;
}

} // namespace xingming::naming
