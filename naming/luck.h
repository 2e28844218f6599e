// Basic, success and social luck: how 人格 combines with 地格, 天格 and 外格.
#pragma once

#include <string_view>

namespace xingming::naming {

// Each takes a luck key (luck digit of 人格 followed by that of the other grid: 11 .. 1010)
// and raises the score zf by the points of the row's rating; "" and nothing added for a
// number that is none of the 100 keys.
std::string_view jcdyx(int jcnum, float& zf);    // basic luck: +2 吉, +1.5 平
std::string_view cgdyx(int cgnum, float& zf);    // success luck: +2 吉, +1.5 平
std::string_view rjgxdyx(int rjnum, float& zf);  // social luck: +1 吉, +0.5 平

// Splits a luck key into its two digits (1 .. 10 each); false for no key.
bool splitLuckKey(int key, int& first, int& second);

} // namespace xingming::naming
