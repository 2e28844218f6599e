// The three talents (三才): the judgement of the elements of 天格, 人格 and 地格.
#pragma once

#include <string_view>

namespace xingming::naming {

// The judgement of a three-talents key (three element characters, 天格 人格 地格), raising
// the score zf by 5 (吉), 3 (平) or 0 (凶); "" and nothing added for an unknown key.
std::string_view scdyx(std::string_view scstr, float& zf);

} // namespace xingming::naming
