// Access to the detailed explanations of the 81 numbers that the detail
// window shows.
#pragma once

#include <string_view>

namespace xingming::naming {

// The detailed explanation of number n (1 to 81); the empty text for any other
// n.
std::string_view explanationText(int n);

} // namespace xingming::naming
