// The character table: Kangxi stroke count and element of 7059 characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xingming::naming {

// The five elements in their fixed order, and "?" for a character without one.
enum class Element : std::uint8_t { Wood, Fire, Earth, Metal, Water, Unknown };

// The one-character text of an element: 木 火 土 金 水, or "?".
std::string_view elementText(Element e);

// Element of a one-character text 木 火 土 金 水; Unknown for anything else.
Element elementFromText(std::string_view text);

// 1-based position of the first occurrence of c in the table; 0 when it does not occur.
int charPosition(char32_t c);

// Position of a one-character text; 0 for the empty text or a character not in the table.
int charPosition(std::string_view oneChar);

// Stroke count of a position: the stroke run that contains it; any other position gives 1.
std::int16_t GG(std::int16_t position);

// Element at a position of the table; Unknown for a position outside it.
Element elementAt(int position);

// The character at a position (1-based), or 0 outside the table.
char32_t charAt(int position);

// The whole character text and element text, as the table defines them (UTF-8).
const std::string& charTableText();
const std::string& elementTableText();

// What the name test needs of one character.
struct CharInfo {
    int position = 0; // 0 when not in the table
    int strokes = 1;  // a character not in the table counts 1
    Element element = Element::Unknown;
};

CharInfo lookupChar(std::string_view oneChar);

} // namespace xingming::naming
