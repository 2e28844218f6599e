// The three talents (三才): the judgement of the elements of 天格, 人格 and 地格.
#pragma once

#include "naming/ratings.h"

#include <string_view>

namespace xingming::naming {

// The judgement of a three-talents key (three element characters, 天格 人格 地格): 5
// points for 吉, 3 for 平, 0 for 凶; no text for an unknown key.
Judgement scdyx(std::string_view scstr);

} // namespace xingming::naming
