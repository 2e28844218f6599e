// The naming engine: given names for a surname, a sex and a birth, ranked by the score of
// the name test and, among equal scores, by how well their elements supply what the birth
// chart lacks.
#pragma once

#include "calendar/birthinput.h"
#include "calendar/fiveelements.h"
#include "naming/chartable.h"
#include "naming/grids.h"
#include "naming/namecandidates_data.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::naming {

// One character of the candidate list, as the character table gives it.
struct NameCandidate {
    std::string ch;   // the character (UTF-8)
    int position = 0; // its position in the character table
    int strokes = 0;  // Kangxi strokes
    Element element = Element::Unknown;
    NameSex sex = NameSex::Both;
};

// The candidate list in the order of the character table (strokes, then table order).
const std::vector<NameCandidate>& nameCandidates();

// The candidate of a character, or nullptr when the list lacks it.
const NameCandidate* findCandidate(std::string_view oneChar);

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
};

struct SuggestResult {
    std::vector<std::string> surname; // the surname's characters as used
    calendar::BirthChartValues chart; // nongli, bazhi, wuhang, whstr of the birth
    ElementNeeds needs;
    std::vector<Suggestion> names; // best first
    std::size_t qualifying = 0;    // names that reach minScore, before the cut to limit
};

// The ranked list. Order: score (high first), then fit (high first). Among names equal
// in both, one name of every stroke pattern in turn: by the round (the larger of the two
// characters' ranks), the rank of the first character, the rank of the second, their
// stroke counts, their table positions; a rank is a character's place, in table order,
// among the pool's candidates of its stroke count and its fit. Names past the variety
// cap are skipped. A candidate that repeats a surname character, and a doubled
// character, are not used. The list is empty when the surname is empty, the sex is none
// or the length is not 1 or 2.
SuggestResult suggestNames(const SuggestRequest& request);

// Names for the surname that contain the character ch (alone, first or second), for a
// child of the sex given, best score first, spread over the partners' stroke counts;
// partners come from the candidate list.
std::vector<Suggestion> namesWithCharacter(std::string_view surname, calendar::Sex sex, std::string_view ch,
                                           std::size_t limit);

} // namespace xingming::naming
