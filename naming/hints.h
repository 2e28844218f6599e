// Hints (暗示) of the grid numbers, the commentary (点评) and the warnings of the score.
#pragma once

#include <string>
#include <string_view>

namespace xingming::naming {

// The hint of a grid number for a sex; appends the number's flag ("1" marriage, "2"
// wealth, "12" both) to the shared flags text zdp. "" for a number without a hint.
std::string_view anshi(std::string_view sex, int number, std::string& zdp);

// The commentary of a score band.
std::string_view dianping(float zf);

// The warnings that the flags and the sex call for.
std::string warnings(std::string_view zdp, std::string_view sex);

} // namespace xingming::naming
