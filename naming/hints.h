// Hints (暗示) of the grid numbers, the commentary (点评) and the warnings of the score.
#pragma once

#include "calendar/kinds.h"

#include <string>
#include <string_view>

namespace xingming::naming {

// The hint of a grid number and the flags it raises: "1" marriage, "2" wealth, "12" both.
struct Hint {
    std::string_view text;  // "" for a number without a hint
    std::string_view flags; // "" for none
};

// The hint of a grid number for a sex (a man's hints for Male, a woman's otherwise).
Hint anshi(calendar::Sex sex, int number);

// The commentary of a score band.
std::string_view dianping(float zf);

// The warnings that the flags of the hints (zdp, the flags of every hint in turn) and
// the sex call for; the marriage warning is left out for a woman only.
std::string warnings(std::string_view zdp, calendar::Sex sex);

// dianping(zf) followed by warnings(zdp, sex): the commentary of the report, as a view of
// a table of every such text, compiled in.
std::string_view commentary(float zf, std::string_view zdp, calendar::Sex sex);

} // namespace xingming::naming
