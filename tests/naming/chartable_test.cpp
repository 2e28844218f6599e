// The character table: sample lookups, stroke runs, elements and a sweep over every position.
#include "naming/chartable.h"
#include "naming/chartable_data.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace xingming::naming;

namespace {

struct Sample {
    const char* ch;
    int position;
    int strokes;
    const char* element;
};

// Sample lookups the table must reproduce (published with the table) and its edge cases.
const Sample kSamples[] = {
    {"一", 1, 1, "土"},     {"人", 5, 2, "金"},     {"丁", 12, 2, "火"},    {"王", 147, 4, "土"},
    {"吴", 556, 7, "木"},   {"李", 651, 7, "火"},   {"周", 780, 8, "金"},   {"明", 931, 8, "水"},
    {"芳", 1717, 10, "木"}, {"张", 2656, 11, "火"}, {"伟", 2710, 11, "土"}, {"黄", 3340, 12, "土"},
    {"杨", 3675, 13, "木"}, {"华", 4347, 14, "水"}, {"赵", 4521, 14, "火"}, {"刘", 5025, 15, "火"},
    {"陈", 5488, 16, "火"}, {"骉", 7059, 30, "水"}, {"滢", 6173, 18, "水"}, {"恋", 6869, 23, "?"},
    {"欧", 5113, 15, "土"}, {"阳", 5962, 17, "土"},
};

} // namespace

TEST(CharTable, SampleLookups)
{
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.ch);
        const CharInfo info = lookupChar(s.ch);
        EXPECT_EQ(info.position, s.position);
        EXPECT_EQ(info.strokes, s.strokes);
        EXPECT_EQ(elementText(info.element), s.element);
    }
}

TEST(CharTable, CharactersOutsideTheTable)
{
    // Not in the table: a rare character, Latin letters, punctuation, a character outside
    // the Basic Multilingual Plane, the empty text and ill-formed bytes.
    for (const char* text : {"𠀀", "a", "。", "", "\xff", "李明", "😀"}) {
        SCOPED_TRACE(text);
        const CharInfo info = lookupChar(text);
        EXPECT_EQ(info.position, 0);
        EXPECT_EQ(info.strokes, 1);
        EXPECT_EQ(info.element, Element::Unknown);
    }
}

TEST(CharTable, TextsHaveTheirSizeAndTotals)
{
    EXPECT_EQ(decodeUtf8(charTableText()).size(), 7059u);
    const std::u32string elements = decodeUtf8(elementTableText());
    ASSERT_EQ(elements.size(), 7059u);
    std::map<char32_t, int> totals;
    for (char32_t e : elements)
        ++totals[e];
    EXPECT_EQ(totals[U'木'], 1819);
    EXPECT_EQ(totals[U'水'], 1572);
    EXPECT_EQ(totals[U'金'], 1490);
    EXPECT_EQ(totals[U'火'], 1349);
    EXPECT_EQ(totals[U'土'], 782);
    EXPECT_EQ(totals[U'?'], 47);
}

TEST(CharTable, UnknownElementCharactersAreTheListedOnes)
{
    const std::u32string listed =
        decodeUtf8("垚玥燊鐘恋鳞轳鹭栾猡体镳黪髑颥欑鹪椤蓦蘧癯禳娈缨螭鞑攫闼镈谶矗羁叆鬣酃摞厅鑶鲿蹿观鲚髋酆鹱蛮蘼");
    std::u32string found;
    for (int pos = 1; pos <= kCharTableSize; ++pos) {
        if (elementAt(pos) == Element::Unknown)
            found.push_back(charAt(pos));
    }
    EXPECT_EQ(found, listed);
}

TEST(CharTable, RunsAreContiguousWithTheirFirstCharacters)
{
    // Sizes and first characters of the stroke runs.
    const std::map<int, std::pair<int, std::string>> runs{
        {1, {2, "一乙"}},      {2, {14, "匕刀人"}},   {3, {50, "才叉亍"}},   {4, {90, "仇乏戈"}},
        {5, {126, "册叱斥"}},  {6, {172, "臣丞舛"}},  {7, {267, "扱岔吵"}},  {8, {387, "侘昌抄"}},
        {9, {482, "肖臿查"}},  {10, {575, "剥财睬"}}, {11, {580, "偲彩参"}}, {12, {635, "钯钣钸"}},
        {13, {613, "铋钵钹"}}, {14, {595, "铵艑綵"}}, {15, {557, "锕钡惭"}}, {16, {471, "蒙锛餐"}},
        {17, {362, "锿嚓擦"}}, {18, {267, "萧翱鏊"}}, {19, {228, "薆摆爆"}}, {20, {176, "宝阐郸"}},
        {21, {120, "缠踌跻"}}, {22, {97, "颤龊籴"}},  {23, {62, "雠蛎恋"}},  {24, {48, "螭鞑癫"}},
        {25, {34, "叆纛揽"}},  {26, {16, "逦郦驴"}},  {27, {14, "谠缆鸬"}},  {28, {10, "魑轹跞"}},
        {29, {3, "骊躏鹳"}},   {30, {6, "鹂鲡鸾"}},
    };
    int next = 1;
    for (const StrokeRun& run : kStrokeRuns) {
        SCOPED_TRACE(run.strokes);
        EXPECT_EQ(run.first, next);
        const auto& [size, first] = runs.at(run.strokes);
        EXPECT_EQ(run.last - run.first + 1, size);
        const std::u32string head = decodeUtf8(first);
        for (size_t i = 0; i < head.size(); ++i)
            EXPECT_EQ(charAt(run.first + static_cast<int>(i)), head[i]);
        next = run.last + 1;
    }
    EXPECT_EQ(next, 7060);
}

TEST(CharTable, EveryPositionResolvesToItsRun)
{
    // Sweep: every character of the table resolves to its first occurrence, and that
    // position's stroke run and element.
    for (const StrokeRun& run : kStrokeRuns) {
        for (int pos = run.first; pos <= run.last; ++pos) {
            const char32_t c = charAt(pos);
            const int first = charPosition(c);
            ASSERT_GE(first, 1);
            ASSERT_LE(first, pos);
            if (first != pos) {
                // Only 滢 stands twice.
                EXPECT_EQ(c, U'滢');
                EXPECT_EQ(first, 6173);
                continue;
            }
            ASSERT_EQ(GG(static_cast<std::int16_t>(pos)), run.strokes) << pos;
            const CharInfo info = lookupChar(encodeUtf8(c));
            ASSERT_EQ(info.position, pos);
            ASSERT_EQ(info.strokes, run.strokes);
            ASSERT_EQ(info.element, elementAt(pos));
        }
    }
}

TEST(CharTable, IndexAgreesWithASearchOfTheTableOverItsSpanAndBeyond)
{
    // The first position of every code point from before U+4E00 to past U+9FA0, found by
    // walking the table, against the compiled index and the three-byte text lookup.
    std::map<char32_t, int> first;
    for (int pos = kCharTableSize; pos >= 1; --pos)
        first[charAt(pos)] = pos;
    for (char32_t c = 0x4D00; c <= 0xA0FF; ++c) {
        const auto it = first.find(c);
        const int want = it == first.end() ? 0 : it->second;
        ASSERT_EQ(charPosition(c), want) << static_cast<unsigned>(c);
        ASSERT_EQ(charPosition(encodeUtf8(c)), want) << static_cast<unsigned>(c);
    }
}

TEST(CharTable, TextsThatAreNoOneCharacterOfTheTable)
{
    // Bytes around the three-byte form of 一 (E4 B8 80): cut short, run on, a wrong
    // continuation byte, a lead byte of another length, an overlong form of U+4E00; the
    // last code point of the index (龠, U+9FA0) and the ones just past and before it.
    const struct {
        const char* text;
        int position;
    } cases[] = {
        {"\xE4\xB8\x80", 1}, {"\xE4\xB8", 0},     {"\xE4\xB8\x80\x80", 0}, {"\xE4\x38\x80", 0},
        {"\xE4\xB8\xC0", 0}, {"\xF0\xB8\x80", 0}, {"\xF0\x84\xB8\x80", 0}, {"\xE9\xBE\xA0", 5977},
        {"\xE9\xBE\xA1", 0}, {"\xEA\x80\x80", 0}, {"\xE4\xB7\xBF", 0},     {"一 ", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(charPosition(std::string_view(c.text)), c.position) << testing::PrintToString(std::string(c.text));
}

TEST(CharTable, StrokeCountOfPositionsOutsideTheRuns)
{
    for (int pos : {0, -1, 7060, 32767, -32768})
        EXPECT_EQ(GG(static_cast<std::int16_t>(pos)), 1) << pos;
    EXPECT_EQ(GG(2), 1);
    EXPECT_EQ(GG(3), 2);
    EXPECT_EQ(GG(7053), 29);
    EXPECT_EQ(GG(7054), 30);
}

TEST(Utf8, WellFormedIsWhatDecodesAndEncodesBackTheSame)
{
    // Every text of one to three bytes that start or continue characters of each length
    // (and the edges of the narrower second bytes), alone and around a character.
    const unsigned char bytes[] = {0x00, 0x1F, 0x20, 0x22, 0x41, 0x5C, 0x7F, 0x80, 0x9F, 0xA0, 0xBF, 0xC0,
                                   0xC2, 0xDF, 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    std::vector<std::string> texts;
    for (unsigned char a : bytes) {
        texts.push_back(std::string(1, static_cast<char>(a)));
        for (unsigned char b : bytes) {
            texts.push_back({static_cast<char>(a), static_cast<char>(b)});
            for (unsigned char c : bytes)
                texts.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
        }
    }
    for (const std::string& t : texts) {
        for (const std::string& s : {t, "明" + t, t + "明", "a" + t + "\xBF"}) {
            std::string again;
            for (char32_t c : decodeUtf8(s))
                again += encodeUtf8(c);
            ASSERT_EQ(isValidUtf8(s), again == s) << testing::PrintToString(s);
            // Plain text: well formed, and nothing a quoted text would escape.
            const bool quotable = std::none_of(s.begin(), s.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' || c == 0x7F;
            });
            ASSERT_EQ(isPlainText(s), again == s && quotable) << testing::PrintToString(s);
        }
    }
}

TEST(Utf8, CharactersAreCodePoints)
{
    EXPECT_EQ(splitCharacters("𠀀𠀀", 2), (std::vector<std::string>{"𠀀", "𠀀"}));
    EXPECT_EQ(splitCharacters("欧阳修", 2), (std::vector<std::string>{"欧", "阳"}));
    EXPECT_EQ(splitCharacters("a\xff", 2), (std::vector<std::string>{"a", "\xEF\xBF\xBD"}));
    EXPECT_EQ(decodeUtf8("\xE6\x9D"), (std::u32string{kReplacementChar, kReplacementChar}));
    EXPECT_EQ(decodeUtf8("\xC0\x80"), (std::u32string{kReplacementChar, kReplacementChar})); // overlong
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80").size(), 3u);                                        // surrogate
    EXPECT_EQ(encodeUtf8(U'李'), "李");
    EXPECT_EQ(encodeUtf8(0x110000), "\xEF\xBF\xBD");
}
