#include "naming/sancai.h"

#include "naming/sancai_data.h"
#include "naming/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace xingming::naming {

namespace {

constexpr std::array<std::string_view, 5> kElements{"木", "火", "土", "金", "水"};
constexpr int kNone = 5; // a digit without element

constexpr int elementIndex(std::string_view text)
{
    for (int i = 0; i < 5; ++i)
        if (text == kElements[static_cast<std::size_t>(i)])
            return i;
    return -1;
}

// The element of a three-talents digit as sc gives it: 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金;
// 9, 10, 0 水; kNone for any other number.
constexpr int digitElement(int digit)
{
    if (digit < 0 || digit > 10)
        return kNone;
    return digit == 0 ? 4 : (digit - 1) / 2;
}

// The rows of the table by their three elements (25·天 + 5·人 + 地), with their ratings, and
// the text of every key of three elements or fewer (6·6·6, kNone for a missing one).
struct Index {
    std::array<std::uint8_t, 125> rows{};
    std::array<Rating3, 125> ratings{};
    std::array<char, 216 * 9> keyBytes{};
    std::array<std::uint8_t, 216> keySizes{};
    bool complete = true; // every row a key of three elements, every such key one row
};

consteval Index buildIndex()
{
    Index index;
    std::array<bool, 125> seen{};
    for (std::size_t i = 0; i < kSancaiTable.size(); ++i) {
        const std::string_view key = kSancaiTable[i].key;
        const int t = key.size() == 9 ? elementIndex(key.substr(0, 3)) : -1;
        const int r = key.size() == 9 ? elementIndex(key.substr(3, 3)) : -1;
        const int d = key.size() == 9 ? elementIndex(key.substr(6, 3)) : -1;
        if (t < 0 || r < 0 || d < 0) {
            index.complete = false;
            continue;
        }
        const auto slot = static_cast<std::size_t>(25 * t + 5 * r + d);
        if (seen[slot])
            index.complete = false;
        seen[slot] = true;
        index.rows[slot] = static_cast<std::uint8_t>(i);
        index.ratings[slot] = trailingRating(kSancaiTable[i].text);
    }
    for (bool s : seen)
        if (!s)
            index.complete = false;
    for (std::size_t k = 0; k < 216; ++k) {
        std::size_t size = 0;
        for (std::size_t part : {k / 36, k / 6 % 6, k % 6})
            if (part < 5)
                for (char c : kElements[part])
                    index.keyBytes[k * 9 + size++] = c;
        index.keySizes[k] = static_cast<std::uint8_t>(size);
    }
    return index;
}

constexpr Index kIndex = buildIndex();
static_assert(kIndex.complete, "the three-talents table has one row for each of the 125 keys");
static_assert(std::ranges::all_of(kSancaiTable, [](const SancaiRow& row) { return isPlainText(row.text); }),
              "the three-talents judgements are plain text");

Judgement judgementAt(std::size_t slot)
{
    const Rating3 r = kIndex.ratings[slot];
    return {kSancaiTable[kIndex.rows[slot]].text, r, r == Rating3::Good ? 5.0f : r == Rating3::Fair ? 3.0f : 0.0f};
}

} // namespace

Judgement scdyx(std::string_view scstr)
{
    // Every key of the table is three element characters.
    if (scstr.size() != 9)
        return {};
    const int t = elementIndex(scstr.substr(0, 3));
    const int r = elementIndex(scstr.substr(3, 3));
    const int d = elementIndex(scstr.substr(6, 3));
    if (t < 0 || r < 0 || d < 0)
        return {};
    return judgementAt(static_cast<std::size_t>(25 * t + 5 * r + d));
}

ThreeTalents threeTalents(int tianDigit, int renDigit, int diDigit)
{
    const int t = digitElement(tianDigit), r = digitElement(renDigit), d = digitElement(diDigit);
    const auto key = static_cast<std::size_t>(36 * t + 6 * r + d);
    ThreeTalents out;
    out.key = {kIndex.keyBytes.data() + key * 9, kIndex.keySizes[key]};
    if (t != kNone && r != kNone && d != kNone)
        out.judgement = judgementAt(static_cast<std::size_t>(25 * t + 5 * r + d));
    return out;
}

} // namespace xingming::naming
