// UTF-8 helpers: names are handled as Unicode code points, so a character outside the
// Basic Multilingual Plane is one character, never two halves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xingming::naming {

inline constexpr char32_t kReplacementChar = 0xFFFD;

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
