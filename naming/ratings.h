// The ratings of the lookup tables: the seven of the 81 numbers (大吉 … 大凶) and the three
// (吉, 平, 凶) that close the texts of the three-talents and luck tables.
#pragma once

#include <string_view>

namespace xingming::naming {

// The rating of an 81-number row.
enum class Rating81 { GreatGood, Good, HalfGood, Mixed, HalfBad, Bad, GreatBad };

// The rating as the report writes it: "大吉", "吉", "半吉", "半吉半凶", "半凶", "凶", "大凶".
constexpr std::string_view ratingText(Rating81 r)
{
    switch (r) {
    case Rating81::GreatGood:
        return "大吉";
    case Rating81::Good:
        return "吉";
    case Rating81::HalfGood:
        return "半吉";
    case Rating81::Mixed:
        return "半吉半凶";
    case Rating81::HalfBad:
        return "半凶";
    case Rating81::Bad:
        return "凶";
    case Rating81::GreatBad:
        return "大凶";
    }
    return {};
}

enum class Rating3 { Good, Fair, Bad, None };

// The rating in parentheses at the end of a table text: "(吉)", "（吉）", "（平)", ...
constexpr Rating3 trailingRating(std::string_view text)
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

// A text of the three-talents or luck tables with its rating and the points it adds to
// the score; an empty text, no rating and no points for a key the table lacks.
struct Judgement {
    std::string_view text;
    Rating3 rating = Rating3::None;
    float points = 0;
};

} // namespace xingming::naming
