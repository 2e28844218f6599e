// Basic, success and social luck: how 人格 combines with 地格, 天格 and 外格.
#pragma once

#include "naming/ratings.h"

#include <string_view>

namespace xingming::naming {

// Each judges a luck key (luck digit of 人格 followed by that of the other grid: 11 ..
// 1010); no text and no points for a number that is none of the 100 keys.
Judgement jcdyx(int jcnum);   // basic luck: 2 points 吉, 1.5 平
Judgement cgdyx(int cgnum);   // success luck: 2 points 吉, 1.5 平
Judgement rjgxdyx(int rjnum); // social luck: 1 point 吉, 0.5 平

// Splits a luck key into its two digits (1 .. 10 each); false for no key.
bool splitLuckKey(int key, int& first, int& second);

} // namespace xingming::naming
