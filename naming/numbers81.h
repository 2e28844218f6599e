// The 81 numbers: the lookup lingdong that judges one grid number.
#pragma once

#include "calendar/kinds.h"
#include "naming/grids.h"
#include "naming/ratings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace xingming::naming {

// Line colours of the 81-number report lines, as blue·65536 + green·256 + red.
inline constexpr std::uint32_t kColourOrange = 33023; // red 255, green 128, blue 0
inline constexpr std::uint32_t kColourOlive = 32896;  // red 128, green 128, blue 0

struct LingdongResult {
    std::string_view text;               // plain text for 天格, rated text otherwise; "" when no row
    std::optional<std::uint32_t> colour; // nullopt: the line keeps its design colour
    float points = 0;                    // what the number adds to the score in this grid
};

// Judges grid number genum in a grid for a sex (a man's ratings for Male, a woman's
// otherwise): 人格 15/10 points for 大吉/吉 and the halves, 地格 and 总格 10/4, 外格 2/1,
// 天格 none.
LingdongResult lingdong(calendar::Sex sex, Grid grid, int genum);

// The rated text of a number for a sex ("" outside 1 .. 81).
std::string_view ratedText81(int number, bool male);

// The plain text of a number for a sex ("" outside 1 .. 81).
std::string_view plainText81(int number, bool male);

// The rating of a number for a sex; nullopt outside 1 .. 81.
std::optional<Rating81> rating81(int number, bool male);

} // namespace xingming::naming
