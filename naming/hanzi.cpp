#include "naming/hanzi.h"

#include "naming/chartable.h"
#include "naming/hanzi_data.h"
#include "naming/utf8.h"

#include <array>
#include <cstdint>

namespace xingming::naming {

namespace {

using hanzidata::Block;

constexpr std::uint16_t kSeveralReadings = 0x8000;

// The entry of c: its block and offset, or nullptr when no table has it.
const Block* blockOf(char32_t c, std::size_t& offset)
{
    for (std::size_t i = 0; i < hanzidata::kBlockCount; ++i) {
        const Block& b = hanzidata::kBlocks[i];
        if (c >= b.first && c - b.first < b.size) {
            offset = c - b.first;
            return &b;
        }
    }
    return nullptr;
}

std::uint16_t readingEntry(char32_t c)
{
    std::size_t offset = 0;
    const Block* b = blockOf(c, offset);
    return b ? b->reading[offset] : 0;
}

// The vowels with a tone mark, each with its plain letter and tone.
struct MarkedVowel {
    std::string_view marked;
    std::string_view plain;
    int tone;
};
constexpr std::array<MarkedVowel, 30> kMarkedVowels{{
    {"ā", "a", 1}, {"á", "a", 2}, {"ǎ", "a", 3}, {"à", "a", 4}, {"ē", "e", 1}, {"é", "e", 2},
    {"ě", "e", 3}, {"è", "e", 4}, {"ī", "i", 1}, {"í", "i", 2}, {"ǐ", "i", 3}, {"ì", "i", 4},
    {"ō", "o", 1}, {"ó", "o", 2}, {"ǒ", "o", 3}, {"ò", "o", 4}, {"ū", "u", 1}, {"ú", "u", 2},
    {"ǔ", "u", 3}, {"ù", "u", 4}, {"ǖ", "v", 1}, {"ǘ", "v", 2}, {"ǚ", "v", 3}, {"ǜ", "v", 4},
    {"ü", "v", 5}, {"ḿ", "m", 2}, {"ń", "n", 2}, {"ň", "n", 3}, {"ǹ", "n", 4}, {"ê̄", "e", 1},
}};

} // namespace

bool isHanzi(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x2FA1F) || (c >= 0x30000 && c <= 0x323AF);
}

std::string_view readingsOf(char32_t c)
{
    const std::uint16_t index = readingEntry(c) & ~kSeveralReadings;
    return index < hanzidata::kReadingListCount ? hanzidata::kReadingLists[index] : std::string_view();
}

std::string_view commonReading(char32_t c)
{
    const std::string_view all = readingsOf(c);
    return all.substr(0, all.find(' '));
}

bool hasSeveralReadings(char32_t c)
{
    return (readingEntry(c) & kSeveralReadings) != 0;
}

Syllable splitTone(std::string_view pinyin)
{
    Syllable s;
    std::size_t i = 0;
    while (i < pinyin.size()) {
        bool matched = false;
        for (const MarkedVowel& v : kMarkedVowels) {
            if (pinyin.substr(i).starts_with(v.marked)) {
                s.letters += v.plain;
                if (v.tone != 5)
                    s.tone = v.tone;
                i += v.marked.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            const char ch = pinyin[i++];
            if (ch >= 'A' && ch <= 'Z')
                s.letters += static_cast<char>(ch - 'A' + 'a');
            else if (ch >= 'a' && ch <= 'z')
                s.letters += ch;
            else if (ch >= '1' && ch <= '5')
                s.tone = ch - '0'; // numbered pinyin ("hao4")
        }
    }
    return s;
}

ToneClass toneClass(int tone)
{
    if (tone == 1 || tone == 2)
        return ToneClass::Level;
    if (tone == 3 || tone == 4)
        return ToneClass::Oblique;
    return ToneClass::Neutral;
}

std::optional<RadicalStrokes> radicalStrokes(char32_t c)
{
    std::size_t offset = 0;
    const Block* b = blockOf(c, offset);
    if (!b || b->radical[offset] == 0)
        return std::nullopt;
    return RadicalStrokes{b->radical[offset], b->residual[offset]};
}

char32_t radicalCharacter(int radical)
{
    if (radical < 1 || radical > 214)
        return 0;
    static const std::u32string radicals = decodeUtf8(hanzidata::kRadicalCharacters);
    return radicals[static_cast<std::size_t>(radical - 1)];
}

int radicalStrokeCount(int radical)
{
    // The Kangxi dictionary orders its 214 radicals by strokes: the last radical number
    // of each stroke count from 1 to 17.
    static constexpr std::array<int, 17> kLastOfCount{6,   29,  60,  94,  117, 146, 166, 175, 186,
                                                      194, 200, 204, 208, 210, 211, 213, 214};
    if (radical < 1 || radical > 214)
        return 0;
    int strokes = 1;
    while (radical > kLastOfCount[static_cast<std::size_t>(strokes - 1)])
        ++strokes;
    return strokes;
}

int derivedKangxiStrokes(char32_t c)
{
    const std::optional<RadicalStrokes> rs = radicalStrokes(c);
    if (!rs)
        return 0;
    const int strokes = radicalStrokeCount(rs->radical) + rs->residual;
    return strokes > 0 ? strokes : 0;
}

KangxiStrokes kangxiStrokes(char32_t c)
{
    const int position = charPosition(c);
    if (position != 0)
        return {GG(static_cast<std::int16_t>(position)), false};
    return {derivedKangxiStrokes(c), true};
}

} // namespace xingming::naming
