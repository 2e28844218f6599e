// The ratings 吉, 平, 凶 that close the texts of the three-talents and luck tables.
#pragma once

#include <string_view>

namespace xingming::naming {

enum class Rating3 { Good, Fair, Bad, None };

// The rating in parentheses at the end of a table text: "(吉)", "（吉）", "（平)", ...
inline Rating3 trailingRating(std::string_view text)
{
    for (std::string_view close : {std::string_view(")"), std::string_view("）")}) {
        if (text.size() >= close.size() + 3 && text.ends_with(close)) {
            const std::string_view r = text.substr(text.size() - close.size() - 3, 3);
            if (r == "吉")
                return Rating3::Good;
            if (r == "平")
                return Rating3::Fair;
            if (r == "凶")
                return Rating3::Bad;
        }
    }
    return Rating3::None;
}

} // namespace xingming::naming
