// UTF-8 helpers: names are handled as Unicode code points, so a character outside the
// Basic Multilingual Plane is one character, never two halves.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::naming {

inline constexpr char32_t kReplacementChar = 0xFFFD;

namespace detail {

// Decodes the sequence at text[i]; returns its length (1 for an ill-formed byte).
constexpr std::size_t decodeOne(std::string_view text, std::size_t i, char32_t& out)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
        out = c;
        return 1;
    }
    std::size_t len = 0;
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
    for (std::size_t k = 1; k < len; ++k) {
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

} // namespace detail

// True when text is well-formed UTF-8 without control characters, quotation marks or
// backslashes: text that can be quoted as it stands. The tables the name test judges with
// hold only such texts, and check it while compiling.
constexpr bool isPlainText(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == '"' || c == '\\' || c == 0x7F)
            return false;
        char32_t cp = 0;
        const std::size_t len = detail::decodeOne(text, i, cp);
        if (cp == kReplacementChar && len == 1)
            return false;
        i += len;
    }
    return true;
}

// Decodes text into code points; every byte of an ill-formed sequence becomes U+FFFD.
std::u32string decodeUtf8(std::string_view text);

// True when text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view text);

// True when text is exactly one well-formed character; it is stored in out.
bool decodeSingle(std::string_view text, char32_t& out);

// Encodes one code point (U+FFFD for a value that is no scalar value).
std::string encodeUtf8(char32_t c);

// The length in bytes of the well-formed character at text[i], or 0 when the bytes there
// are ill-formed (decodeUtf8 reads that one byte as U+FFFD).
size_t characterLength(std::string_view text, size_t i);

// The first n characters of text (fewer when it is shorter), each as its own UTF-8 text.
std::vector<std::string> splitCharacters(std::string_view text, size_t n);

} // namespace xingming::naming
