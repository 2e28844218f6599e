// Numbers typed into the fields of the fun-tools pages.
#pragma once

#include "calendar/birthinput.h"

namespace xingming::fun {

// The numeric value of a field's text, the one rule of every panel: the leading decimal
// number of the text (an optional sign, digits, an optional fraction), 0 when the text does
// not begin with one. "12" gives 12, "030" 30, "18.4" 18.4, "12abc" 12, "" and "abc" 0; a run
// of digits too long for a double gives an infinite value, never a crash.
using calendar::fieldValue;

// True when x is a whole number in the range of a 16-bit signed integer.
bool fitsInt16(double x);

// True when the whole number w is odd; negative numbers included (-3 is odd).
bool isOdd(double w);

} // namespace xingming::fun
