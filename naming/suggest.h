// The naming engine: given names for a surname, a sex and a birth, in one of four modes.
//
// Every mode draws from the candidate list (naming/namecandidates_data.h), judges each
// name with the name test, leaves out names below the minimum score and names that sound
// like an unfortunate word, and can fix one given-name character (the generation
// character, 辈份字) and avoid others. The modes differ in their pool and their order:
//
// - 综合大师 (master): only names that pass every school: the numbers of 人格, 地格, 外格
//   and 总格, the three talents, basic, success and social luck, the year's element
//   against 人格, odd and even strokes, and the rules of sound (no three equal tones, no
//   two neighbouring syllables alike). Ordered by score, then by the elements the birth
//   wants.
// - 主流高分 (mainstream): ordered by score, then by the elements the birth wants.
// - 个性化 (personal): the rare tier joins the pool and the sexes are not told apart;
//   ordered by score, then by how many rare characters a name has, then by elements.
// - 音形义 (sound, shape, meaning): only names that pass the rules of sound and of shape
//   (every character on one radical, stroke balance, strokes to write). Names whose two
//   characters stand together in a line of classical poetry or prose come first, ordered
//   by their value: the score, plus 2 when the tones alternate level and oblique, plus 1
//   when no given-name character has several readings, plus 1 for each character of an
//   element the birth wants, and among equal values by the work (诗经, 楚辞, 论语, 唐诗,
//   宋词). The names without a source follow, ordered by score, then
//   by that bonus.
//
// Among names equal by their order, one name of every stroke pattern in turn (see
// suggestNames), and a character stands at most maxPerCharacter times in one place.
#pragma once

#include "calendar/birthinput.h"
#include "calendar/fiveelements.h"
#include "naming/chartable.h"
#include "naming/grids.h"
#include "naming/namecandidates_data.h"
#include "naming/namerules.h"
#include "naming/poetry.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::naming {

// The four modes, numbered as the pages of the naming panel.
enum class NamingMode : std::uint8_t { Master = 1, Mainstream = 2, Personal = 3, SoundShapeMeaning = 4 };

// "综合大师模式", "主流高分模式", "个性化模式", "音形义模式".
std::string_view modeName(NamingMode mode);

// The mode of a text: its number 1 .. 4, its name with or without "模式", or the words
// master, mainstream, personal, sound.
std::optional<NamingMode> modeFromText(std::string_view text);

// One character of the candidate list, with what the tables give of it.
struct NameCandidate {
    std::string ch; // the character (UTF-8)
    char32_t code = 0;
    int position = 0; // its position in the character table
    int strokes = 0;  // Kangxi strokes
    Element element = Element::Unknown;
    NameSex sex = NameSex::Both;
    Tier tier = Tier::Common;
    std::string_view gloss;  // its meaning in a few words
    std::string_view pinyin; // the common reading, tone-marked
    CharSound sound;
    CharShape shape;
};

// The candidate list in the order of the character table (strokes, then table order).
const std::vector<NameCandidate>& nameCandidates();

// The candidate of a character, or nullptr when the list lacks it.
const NameCandidate* findCandidate(std::string_view oneChar);
const NameCandidate* findCandidate(char32_t c);

// "男", "女" or "男女皆宜".
std::string_view leanText(NameSex lean);

// True when a candidate of this mark suits a child of this sex.
bool suits(NameSex mark, calendar::Sex sex);

// The five-element report of a birth in structured form: the same chart and the same
// judgement as the sentence "此命五行缺木；日主天干为水；必须有木助，但忌火太多。".
struct ElementNeeds {
    bool known = false;                   // false when the birth gives no full chart
    std::array<bool, 5> lacking{};        // indexed by Element 木 火 土 金 水: "缺X"
    Element dayMaster = Element::Unknown; // element of the day stem: "日主天干为X"
    Element help = Element::Unknown;      // what the day master generates: "必须有X助"
    Element caution = Element::Unknown;   // what it overcomes: "但忌X太多"
    Element year = Element::Unknown;      // element of the year's stem

    // An element the chart lacks or the day master needs.
    bool wanted(Element e) const;
};

ElementNeeds elementNeedsOf(const calendar::BirthChartValues& chart);
ElementNeeds elementNeeds(const calendar::BirthDate& birth);

struct SuggestRequest {
    std::string surname; // one or two characters; more are cut as the name test cuts them
    calendar::Sex sex = calendar::Sex::Male;
    int length = 2;            // characters of the given name: 1 or 2
    calendar::BirthDate birth; // the solar birth date
    float minScore = 0;        // names scoring below are left out (zf of the naming request)
    std::size_t limit = 20;    // longest list
    int maxPerCharacter = 3;   // how often one character may stand in the same place; 0: no cap
    NamingMode mode = NamingMode::Mainstream;
    std::string generation;  // the generation character, or empty
    int generationPlace = 1; // its place in the given name: 1 or 2
    std::string avoid;       // characters no name may use
};

// The message for a request the engine refuses, or the empty text: the generation
// character must be one Chinese character of no unfortunate meaning, not avoided, in
// place 1 or 2 of a two-character name; avoided characters must be Chinese.
std::string checkSuggestRequest(const SuggestRequest& request);

// One given-name character of a suggestion.
struct SuggestedChar {
    std::string ch;
    std::string_view pinyin; // common reading, tone-marked; empty when unknown
    std::string_view gloss;  // empty for a character outside the candidate list
    int strokes = 0;         // as the name test counts them
    Element element = Element::Unknown;
    bool inTable = true; // false: the name test counts 1 stroke and no element
    bool severalReadings = false;
};

// The characters of a given name, one or two, kept in place.
class GivenChars {
public:
    // Adds a character; a third is not taken.
    void push_back(SuggestedChar c)
    {
        if (m_count < m_chars.size())
            m_chars[m_count++] = std::move(c);
    }
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const SuggestedChar& operator[](std::size_t i) const { return m_chars[i]; }
    const SuggestedChar& front() const { return m_chars[0]; }
    const SuggestedChar& back() const { return m_chars[m_count - 1]; }
    const SuggestedChar* begin() const { return m_chars.data(); }
    const SuggestedChar* end() const { return m_chars.data() + m_count; }

private:
    std::array<SuggestedChar, 2> m_chars{};
    std::size_t m_count = 0;
};

// One suggested name with what the name test says of it.
struct Suggestion {
    std::string given;            // the given name
    std::string fullName;         // surname and given name
    float score = 0;              // zf2 of the name test for the full name
    std::array<int, 4> strokes{}; // surname first/second, given first/second (0 when absent)
    std::array<Element, 4> elements{Element::Unknown, Element::Unknown, Element::Unknown, Element::Unknown};
    Grids grids;
    int fit = 0; // given-name characters whose element the chart wants
    GivenChars chars;
    std::optional<PoemSource> source; // the line the two characters stand together in
    RuleSet passed;                   // every rule the name passes
};

struct SuggestResult {
    std::vector<std::string> surname; // the surname's characters as used
    calendar::BirthChartValues chart; // nongli, bazhi, wuhang, whstr of the birth
    ElementNeeds needs;
    std::vector<Suggestion> names; // best first
    // Names whose strokes reach minScore and pass the mode's rules of number, before the
    // rules of sound and shape and the cut to limit.
    std::size_t qualifying = 0;
    std::string message; // why there is no name: the request's fault, or nothing left
};

// The ranked list of the mode. Among names equal by the mode's order, one name of every
// stroke pattern in turn: by the round (the larger of the two characters' ranks), the
// rank of the first character, the rank of the second, their stroke counts; a rank is a
// character's place, in table order, among the pool's candidates of its stroke count and
// its fit. Names past the variety cap are skipped. A candidate that repeats a surname
// character, and a doubled character, are not used. The list is empty when the surname
// is empty, the sex is none or the length is not 1 or 2.
SuggestResult suggestNames(const SuggestRequest& request);

// Names for the surname that contain the character ch (alone, first or second), for a
// child of the sex given, best score first, spread over the partners' stroke counts;
// partners come from the candidate list.
std::vector<Suggestion> namesWithCharacter(std::string_view surname, calendar::Sex sex, std::string_view ch,
                                           std::size_t limit);

// The given-name character ch as a suggestion shows it.
SuggestedChar suggestedChar(char32_t c);

} // namespace xingming::naming
