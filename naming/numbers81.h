// The 81 numbers: the lookup lingdong that judges one grid number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace xingming::naming {

// Line colours of the 81-number report lines, as blue·65536 + green·256 + red.
inline constexpr std::uint32_t kColourOrange = 33023;  // red 255, green 128, blue 0
inline constexpr std::uint32_t kColourOlive = 32896;   // red 128, green 128, blue 0

struct LingdongResult {
    std::string_view text;               // plain text for 天格, rated text otherwise; "" when no row
    std::optional<std::uint32_t> colour; // nullopt: the line keeps its design colour
};

// Judges grid number genum for the grid whichG ("t" 天格, "r" 人格, "d" 地格, "z" 总格,
// "w" 外格) and raises the score zf by the points of its rating class.
LingdongResult lingdong(std::string_view sex, std::string_view whichG, int genum, float& zf);

// The rated text of a number for a sex ("" outside 1 .. 81).
std::string_view ratedText81(int number, bool male);

// The plain text of a number for a sex ("" outside 1 .. 81).
std::string_view plainText81(int number, bool male);

// The rating of a number for a sex ("" outside 1 .. 81).
std::string_view rating81(int number, bool male);

} // namespace xingming::naming
