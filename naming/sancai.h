// The three talents (三才): the judgement of the elements of 天格, 人格 and 地格.
#pragma once

#include "naming/ratings.h"

#include <string_view>

namespace xingming::naming {

// The judgement of a three-talents key (three element characters, 天格 人格 地格): 5
// points for 吉, 3 for 平, 0 for 凶; no text for an unknown key.
Judgement scdyx(std::string_view scstr);

// The key of the three-talents digits of 天格, 人格 and 地格 (threeTalentsDigit: 0 .. 10,
// each the element sc gives it, nothing for any other value) and its judgement, as
// scdyx(key) gives it; the key is a view of a table compiled in.
struct ThreeTalents {
    std::string_view key;
    Judgement judgement;
};
ThreeTalents threeTalents(int tianDigit, int renDigit, int diDigit);

} // namespace xingming::naming
