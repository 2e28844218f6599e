// The rules the naming engine judges a name by, each on its own: the schools of name
// study (numbers, three talents, luck, the year's element, odd and even strokes), the
// sound of the whole name read aloud, and the shape of its characters.
#pragma once

#include "calendar/kinds.h"
#include "naming/chartable.h"
#include "naming/nametest.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace xingming::naming {

enum class Rule : std::uint8_t {
    // Schools, judged on the stroke counts alone.
    Numbers81,    // 人格, 地格, 外格 and 总格 all 大吉, 吉 or 半吉
    ThreeTalents, // the three talents rated 吉
    BasicLuck,    // basic luck not 凶
    SuccessLuck,  // success luck not 凶
    SocialLuck,   // social luck not 凶
    YearElement,  // the birth year's element does not overcome the element of 人格
    OddEven,      // the strokes of the full name neither all odd nor all even
    // Sound, on the common readings of the full name.
    Tones,         // no three syllables in a row on the same tone
    LevelOblique,  // the last two syllables differ in level and oblique tone
    NoEqualSounds, // no two neighbouring syllables read alike
    Euphony,       // no unfortunate word read anywhere in the full name
    OneReading,    // no given-name character with several readings
    // Shape.
    Radicals,      // not every character on the same radical
    StrokeBalance, // heaviest and lightest character within 15 strokes
    EasyToWrite,   // no given-name character of more than 20 strokes
    // Meaning.
    Source,      // the two given-name characters stand together in a line of classical poetry or prose
    ElementNeed, // a given-name character of an element the birth chart wants
};
inline constexpr int kRuleCount = 17;

// The short text a suggestion shows for a rule it passed, e.g. "三才吉".
std::string_view ruleText(Rule rule);

// A set of rules as bits.
class RuleSet {
public:
    constexpr void add(Rule r) { m_bits |= bit(r); }
    constexpr bool has(Rule r) const { return (m_bits & bit(r)) != 0; }
    constexpr bool hasAll(RuleSet other) const { return (m_bits & other.m_bits) == other.m_bits; }
    constexpr RuleSet& operator|=(RuleSet other)
    {
        m_bits |= other.m_bits;
        return *this;
    }
    std::vector<Rule> rules() const;
    friend constexpr bool operator==(RuleSet, RuleSet) = default;

private:
    static constexpr std::uint32_t bit(Rule r) { return std::uint32_t{1} << static_cast<unsigned>(r); }
    std::uint32_t m_bits = 0;
};

// The school rules a name passes, from its judgement by the name test, its stroke counts
// (surname and given name, 0 for an absent character) and the element of the birth
// year's stem (Unknown when the birth gives no chart: the rule then is not passed).
RuleSet schoolRules(const PxmzResult& judged, std::span<const int> strokes, calendar::Sex sex, Element yearElement);

// The sound of one character: its common reading as a syllable id and its tone.
struct CharSound {
    int syllable = -1; // -1 when the character has no known reading
    int tone = 5;
    bool severalReadings = false;
};
CharSound charSound(char32_t c);

// The id of a toneless syllable ("hao", "lv"), or -1 when Mandarin has no such syllable.
int syllableId(std::string_view letters);

// True when two syllables read in turn differ in level and oblique tone (a neutral tone
// is neither).
bool levelOblique(int toneBefore, int toneLast);

// The sound rules passed by a full name read aloud, surname first. The given name is
// the last givenCount sounds.
RuleSet soundRules(std::span<const CharSound> sounds, std::size_t givenCount);

// True when the syllables, surname first, contain an unfortunate word read aloud.
bool hasUnfortunateReading(std::span<const CharSound> sounds);

// The unfortunate word the syllables contain, with its category, or empty texts.
struct UnfortunateReading {
    std::string_view word;
    std::string_view category;
};
UnfortunateReading unfortunateReading(std::span<const CharSound> sounds);

// The shape of one character: its radical and Kangxi strokes.
struct CharShape {
    int radical = 0; // 0 when unknown
    int strokes = 0;
};
CharShape charShape(char32_t c);

// The shape rules passed by a full name, surname first; the given name is the last
// givenCount shapes.
RuleSet shapeRules(std::span<const CharShape> shapes, std::size_t givenCount);

// Why a character must not stand in a name ("死亡"), or empty when nothing speaks against it.
std::string_view unfortunateMeaning(char32_t c);

} // namespace xingming::naming
