#include "naming/luck.h"

#include "naming/grids.h"
#include "naming/luck_data.h"
#include "naming/social_luck_data.h"
#include "naming/utf8.h"

#include <algorithm>
#include <cstdint>

namespace xingming::naming {

namespace {

constexpr bool splitKey(int key, int& first, int& second)
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

// The element of a luck digit 1 .. 10 as sc gives it: 1, 2 木; 3, 4 火; ... 9, 10 水.
constexpr int digitElement(int digit)
{
    return (digit - 1) / 2;
}

constexpr std::array<std::string_view, 5> kElements{"木", "火", "土", "金", "水"};

constexpr int elementIndex(std::string_view text)
{
    for (int i = 0; i < 5; ++i)
        if (text == kElements[static_cast<std::size_t>(i)])
            return i;
    return -1;
}

// A table's rows by their place (5·人格 element + other element, or 10·(first − 1) +
// second − 1 for the digits of social luck), with the rating of each text.
template <std::size_t N> struct Index {
    std::array<std::uint8_t, N> rows{};
    std::array<Rating3, N> ratings{};
    bool complete = true; // every place one row
};

consteval Index<25> indexPairs(const std::array<ElementPairRow, 25>& table)
{
    Index<25> index;
    std::array<bool, 25> seen{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string_view pair = table[i].pair;
        const int a = pair.size() == 6 ? elementIndex(pair.substr(0, 3)) : -1;
        const int b = pair.size() == 6 ? elementIndex(pair.substr(3, 3)) : -1;
        if (a < 0 || b < 0 || seen[static_cast<std::size_t>(5 * a + b)]) {
            index.complete = false;
            continue;
        }
        seen[static_cast<std::size_t>(5 * a + b)] = true;
        index.rows[static_cast<std::size_t>(5 * a + b)] = static_cast<std::uint8_t>(i);
        index.ratings[static_cast<std::size_t>(5 * a + b)] = trailingRating(table[i].text);
    }
    for (bool s : seen)
        index.complete = index.complete && s;
    return index;
}

consteval Index<100> indexSocial()
{
    Index<100> index;
    std::array<bool, 100> seen{};
    for (std::size_t i = 0; i < kSocialLuckTable.size(); ++i) {
        int a = 0, b = 0;
        if (!splitKey(kSocialLuckTable[i].key, a, b) || seen[static_cast<std::size_t>(10 * (a - 1) + b - 1)]) {
            index.complete = false;
            continue;
        }
        const auto place = static_cast<std::size_t>(10 * (a - 1) + b - 1);
        seen[place] = true;
        index.rows[place] = static_cast<std::uint8_t>(i);
        index.ratings[place] = trailingRating(kSocialLuckTable[i].text);
    }
    for (bool s : seen)
        index.complete = index.complete && s;
    return index;
}

constexpr Index<25> kBasicIndex = indexPairs(kBasicLuckTable);
constexpr Index<25> kSuccessIndex = indexPairs(kSuccessLuckTable);
constexpr Index<100> kSocialIndex = indexSocial();
static_assert(kBasicIndex.complete && kSuccessIndex.complete,
              "the basic- and success-luck tables have one row for each pair of elements");
static_assert(kSocialIndex.complete, "the social-luck table has one row for each pair of luck digits");
static_assert(std::ranges::all_of(kBasicLuckTable, [](const ElementPairRow& row) { return isPlainText(row.text); }) &&
                  std::ranges::all_of(kSuccessLuckTable,
                                      [](const ElementPairRow& row) { return isPlainText(row.text); }) &&
                  std::ranges::all_of(kSocialLuckTable, [](const SocialLuckRow& row) { return isPlainText(row.text); }),
              "the luck judgements are plain text");

Judgement judged(std::string_view text, Rating3 r, float good, float fair)
{
    return {text, r, r == Rating3::Good ? good : r == Rating3::Fair ? fair : 0.0f};
}

Judgement elementPairLookup(const std::array<ElementPairRow, 25>& table, const Index<25>& index, int key)
{
    int a = 0, b = 0;
    if (!splitKey(key, a, b))
        return {};
    const auto place = static_cast<std::size_t>(5 * digitElement(a) + digitElement(b));
    return judged(table[index.rows[place]].text, index.ratings[place], 2.0f, 1.5f);
}

} // namespace

bool splitLuckKey(int key, int& first, int& second)
{
    return splitKey(key, first, second);
}

Judgement jcdyx(int jcnum)
{
    return elementPairLookup(kBasicLuckTable, kBasicIndex, jcnum);
}

Judgement cgdyx(int cgnum)
{
    return elementPairLookup(kSuccessLuckTable, kSuccessIndex, cgnum);
}

Judgement rjgxdyx(int rjnum)
{
    int a = 0, b = 0;
    if (!splitKey(rjnum, a, b))
        return {};
    const auto place = static_cast<std::size_t>(10 * (a - 1) + b - 1);
    return judged(kSocialLuckTable[kSocialIndex.rows[place]].text, kSocialIndex.ratings[place], 1.0f, 0.5f);
}

} // namespace xingming::naming
