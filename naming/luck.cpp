#include "naming/luck.h"

#include "naming/grids.h"
#include "naming/luck_data.h"
#include "naming/ratings.h"
#include "naming/social_luck_data.h"

#include <string>

namespace xingming::naming {

namespace {

float points(Rating3 r, float good, float fair)
{
    return r == Rating3::Good ? good : r == Rating3::Fair ? fair : 0.0f;
}

std::string_view elementPairLookup(const std::array<ElementPairRow, 25>& table, int key, float& zf)
{
    int a = 0, b = 0;
    if (!splitLuckKey(key, a, b))
        return {};
    const std::string pair = std::string(sc(a)) + std::string(sc(b));
    for (const ElementPairRow& row : table) {
        if (row.pair == pair) {
            zf += points(trailingRating(row.text), 2.0f, 1.5f);
            return row.text;
        }
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

std::string_view jcdyx(int jcnum, float& zf)
{
    return elementPairLookup(kBasicLuckTable, jcnum, zf);
}

std::string_view cgdyx(int cgnum, float& zf)
{
    return elementPairLookup(kSuccessLuckTable, cgnum, zf);
}

std::string_view rjgxdyx(int rjnum, float& zf)
{
    for (const SocialLuckRow& row : kSocialLuckTable) {
        if (row.key == rjnum) {
            zf += points(trailingRating(row.text), 1.0f, 0.5f);
            return row.text;
        }
    }
    return {};
}

} // namespace xingming::naming
