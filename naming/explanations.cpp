#include "naming/explanations.h"

#include <cstddef>

#include "naming/explanations_data.h"

namespace xingming::naming {

std::string_view explanationText(int n)
{
    if (n < 1 || n > static_cast<int>(kExplanations.size())) {
        return {};
    }
    return kExplanations[static_cast<std::size_t>(n - 1)];
}

} // namespace xingming::naming
