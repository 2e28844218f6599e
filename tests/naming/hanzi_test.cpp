// Readings, radicals and derived stroke counts from the Unihan tables, and the rules the
// naming engine judges sound and shape by.
#include "naming/chartable.h"
#include "naming/hanzi.h"
#include "naming/namerules.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace xingming::naming;

namespace {

char32_t cp(const char* text)
{
    char32_t c = 0;
    EXPECT_TRUE(decodeSingle(text, c)) << text;
    return c;
}

} // namespace

TEST(Hanzi, Readings)
{
    struct Case {
        const char* ch;
        const char* common;
        bool several;
    };
    const Case cases[] = {
        {"浩", "hào", false},  {"长", "zhǎng", true}, {"行", "xíng", true}, {"乐", "lè", true},
        {"明", "míng", false}, {"女", "nǚ", false},   {"嗯", "ń", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ch);
        EXPECT_EQ(commonReading(cp(c.ch)), c.common);
        EXPECT_EQ(hasSeveralReadings(cp(c.ch)), c.several);
        EXPECT_TRUE(readingsOf(cp(c.ch)).starts_with(c.common));
    }
    EXPECT_EQ(readingsOf(U'a'), "");
    EXPECT_EQ(readingsOf(0x10FFFF), "");
    EXPECT_EQ(commonReading(0x4DC0), ""); // a hexagram, not an ideograph
    EXPECT_EQ(commonReading(0x3007), ""); // 〇 is a symbol, outside the ideograph blocks
}

TEST(Hanzi, SplitTone)
{
    struct Case {
        const char* pinyin;
        const char* letters;
        int tone;
    };
    const Case cases[] = {
        {"hào", "hao", 4}, {"míng", "ming", 2}, {"nǚ", "nv", 3}, {"lǜ", "lv", 4},    {"lüe", "lve", 5},
        {"ma", "ma", 5},   {"ā", "a", 1},       {"ń", "n", 2},   {"hao3", "hao", 3}, {"", "", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pinyin);
        const Syllable s = splitTone(c.pinyin);
        EXPECT_EQ(s.letters, c.letters);
        EXPECT_EQ(s.tone, c.tone);
    }
    EXPECT_EQ(toneClass(1), ToneClass::Level);
    EXPECT_EQ(toneClass(2), ToneClass::Level);
    EXPECT_EQ(toneClass(3), ToneClass::Oblique);
    EXPECT_EQ(toneClass(4), ToneClass::Oblique);
    EXPECT_EQ(toneClass(5), ToneClass::Neutral);
}

TEST(Hanzi, RadicalsAndStrokes)
{
    struct Case {
        int radical;
        int strokes;
        const char* ch;
    };
    const Case cases[] = {{1, 1, "一"},   {6, 1, "亅"},   {7, 2, "二"},    {29, 2, "又"},
                          {30, 3, "口"},  {85, 4, "水"},  {140, 6, "艸"},  {162, 7, "辵"},
                          {163, 7, "邑"}, {170, 8, "阜"}, {211, 15, "齒"}, {214, 17, "龠"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radical);
        EXPECT_EQ(radicalStrokeCount(c.radical), c.strokes);
        EXPECT_EQ(radicalCharacter(c.radical), cp(c.ch));
    }
    for (int bad : {0, -1, 215})
        EXPECT_EQ(radicalStrokeCount(bad), 0);
    EXPECT_EQ(radicalCharacter(0), 0u);

    // Full-form radicals: 氵 counts as 水 (4), 艹 as 艸 (6), 阝 on the left as 阜 (8).
    struct Derived {
        const char* ch;
        int radical;
        int strokes;
    };
    const Derived derived[] = {{"浩", 85, 11}, {"江", 85, 7}, {"芳", 140, 10}, {"陈", 170, 13}, {"明", 72, 8}};
    // 陈 derives 8 + 5: a simplified part counts as written (the table follows 陳, 16).
    for (const Derived& d : derived) {
        SCOPED_TRACE(d.ch);
        ASSERT_TRUE(radicalStrokes(cp(d.ch)).has_value());
        EXPECT_EQ(radicalStrokes(cp(d.ch))->radical, d.radical);
        EXPECT_EQ(derivedKangxiStrokes(cp(d.ch)), d.strokes);
    }
    EXPECT_FALSE(radicalStrokes(U'A').has_value());
    EXPECT_EQ(derivedKangxiStrokes(U'A'), 0);
}

TEST(Hanzi, TableCountWinsOverDerived)
{
    // 五 is 5 strokes in the table (numbers count by their value) but 4 by its radical.
    EXPECT_EQ(kangxiStrokes(cp("五")).strokes, 5);
    EXPECT_FALSE(kangxiStrokes(cp("五")).derived);
    EXPECT_EQ(derivedKangxiStrokes(cp("五")), 4);
    // A character outside the table: the derived count, marked as such.
    const char32_t outside = cp("䶮");
    ASSERT_EQ(charPosition(outside), 0);
    EXPECT_TRUE(kangxiStrokes(outside).derived);
    EXPECT_EQ(kangxiStrokes(outside).strokes, derivedKangxiStrokes(outside));
    EXPECT_GT(kangxiStrokes(outside).strokes, 10);
    // An extension B ideograph has a radical too.
    EXPECT_TRUE(isHanzi(0x20000));
    EXPECT_GT(kangxiStrokes(0x20000).strokes, 0);
    EXPECT_FALSE(isHanzi(U'a'));
    EXPECT_FALSE(isHanzi(0x3002)); // 。
}

// How often the count derived from the radical equals the table's, over all 7059
// characters: most of the table follows the radical, the rest follows naming tradition
// (numbers by their value, some characters by their older forms).
TEST(Hanzi, DerivedCountAgreesWithTableMostly)
{
    int equal = 0, withRadical = 0;
    for (int p = 1; p <= 7059; ++p) {
        const char32_t c = charAt(p);
        const int derived = derivedKangxiStrokes(c);
        if (derived == 0)
            continue;
        ++withRadical;
        equal += derived == GG(static_cast<std::int16_t>(p)) ? 1 : 0;
    }
    EXPECT_EQ(withRadical, 7059);
    const double share = static_cast<double>(equal) / 7059;
    std::printf("derived Kangxi count equals the table's for %d of 7059 characters (%.1f %%)\n", equal, share * 100);
    EXPECT_GT(share, 0.70);
}

TEST(Hanzi, EveryTableCharacterHasAReading)
{
    std::vector<std::string> missing;
    for (int p = 1; p <= 7059; ++p)
        if (commonReading(charAt(p)).empty())
            missing.push_back(encodeUtf8(charAt(p)));
    EXPECT_LE(missing.size(), 5u) << missing.front();
}
