#include "naming/luck.h"

#include "naming/grids.h"
#include "naming/luck_data.h"
#include "naming/social_luck_data.h"

#include <string>

namespace xingming::naming {

namespace {

Judgement judged(std::string_view text, float good, float fair)
{
    const Rating3 r = trailingRating(text);
    return {text, r, r == Rating3::Good ? good : r == Rating3::Fair ? fair : 0.0f};
}

Judgement elementPairLookup(const std::array<ElementPairRow, 25>& table, int key)
{
    int a = 0, b = 0;
    if (!splitLuckKey(key, a, b))
        return {};
    const std::string pair = std::string(sc(a)) + std::string(sc(b));
    for (const ElementPairRow& row : table) {
        if (row.pair == pair)
            return judged(row.text, 2.0f, 1.5f);
    }
    return {};
}

} // namespace

bool splitLuckKey(int key, int& first, int& second)
{
    if (key >= 11 && key <= 99 && key % 10 != 0) {
        first = key / 10;
        second = key % 10;
    } else if (key >= 101 && key <= 109) {
        first = 10;
        second = key % 10;
    } else if (key >= 110 && key <= 910 && key % 100 == 10) {
        first = key / 100;
        second = 10;
    } else if (key == 1010) {
        first = 10;
        second = 10;
    } else {
        return false;
    }
    return true;
}

Judgement jcdyx(int jcnum)
{
    return elementPairLookup(kBasicLuckTable, jcnum);
}

Judgement cgdyx(int cgnum)
{
    return elementPairLookup(kSuccessLuckTable, cgnum);
}

Judgement rjgxdyx(int rjnum)
{
    for (const SocialLuckRow& row : kSocialLuckTable) {
        if (row.key == rjnum)
            return judged(row.text, 1.0f, 0.5f);
    }
    return {};
}

} // namespace xingming::naming
