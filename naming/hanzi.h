// What the program knows of any Chinese character besides the character table: its
// readings in pinyin, its Kangxi radical and strokes. The readings and radicals come from
// Unicode's Unihan database (naming/hanzi_data.cpp); the character table stays the
// authority for the strokes and element the name test uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xingming::naming {

// True for a code point in one of the blocks of CJK unified or compatibility ideographs.
bool isHanzi(char32_t c);

// Every reading in tone-marked pinyin, the common one first, separated by blanks
// ("cháng zhǎng"); empty when Unihan gives none.
std::string_view readingsOf(char32_t c);

// The common reading ("cháng"), or empty.
std::string_view commonReading(char32_t c);

// True when a modern dictionary gives the character more than one reading.
bool hasSeveralReadings(char32_t c);

// A syllable of tone-marked pinyin split into its letters without the tone mark (ü as
// "v") and its tone: 1 to 4, or 5 for the neutral tone.
struct Syllable {
    std::string letters;
    int tone = 5;
};
Syllable splitTone(std::string_view pinyin);

// Level (平: tones 1 and 2) or oblique (仄: tones 3 and 4); the neutral tone is neither.
enum class ToneClass { Level, Oblique, Neutral };
ToneClass toneClass(int tone);

// The Kangxi radical of a character and the strokes besides it.
struct RadicalStrokes {
    int radical = 0;  // 1 .. 214
    int residual = 0; // may be negative for a few characters smaller than their radical
};
std::optional<RadicalStrokes> radicalStrokes(char32_t c);

// The radical as its own character (水 for radical 85), or 0 for a number outside 1 .. 214.
char32_t radicalCharacter(int radical);

// Strokes of the radical in its full form, as the Kangxi dictionary counts them (水 4 also
// where it is written 氵), or 0 for a number outside 1 .. 214.
int radicalStrokeCount(int radical);

// The Kangxi stroke count of a character: the character table's count for its characters,
// otherwise the full-form radical's strokes plus the residual strokes (derived). Strokes
// are 0 when neither is known.
struct KangxiStrokes {
    int strokes = 0;
    bool derived = false;
};
KangxiStrokes kangxiStrokes(char32_t c);

// The count derived from the radical alone, whether or not the table has the character;
// 0 when Unihan gives no radical.
int derivedKangxiStrokes(char32_t c);

} // namespace xingming::naming
