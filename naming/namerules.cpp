#include "naming/namerules.h"

#include "naming/euphony_data.h"
#include "naming/grids.h"
#include "naming/hanzi.h"
#include "naming/hanzi_data.h"
#include "naming/luck.h"
#include "naming/numbers81.h"
#include "naming/sancai.h"
#include "naming/utf8.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace xingming::naming {

namespace {

// Every toneless syllable of the readings Unihan gives, in sorted order: ids are indexes.
const std::vector<std::string>& syllables()
{
    static const std::vector<std::string> list = [] {
        // Some hundreds of syllables among thousands of readings: each is kept once, then sorted.
        std::unordered_set<std::string> seen;
        for (std::size_t i = 0; i < hanzidata::kReadingListCount; ++i) {
            std::string_view all = hanzidata::kReadingLists[i];
            while (!all.empty()) {
                const std::size_t blank = all.find(' ');
                seen.insert(splitTone(all.substr(0, blank)).letters);
                all = blank == std::string_view::npos ? std::string_view() : all.substr(blank + 1);
            }
        }
        std::vector<std::string> out(seen.begin(), seen.end());
        std::sort(out.begin(), out.end());
        return out;
    }();
    return list;
}

// Unfortunate words keyed by their syllable ids, packed 16 bits each (at most four).
class WordIndex {
public:
    WordIndex()
    {
        for (const UnfortunateWord& w : kUnfortunateWords) {
            std::uint64_t key = 0;
            int count = 0;
            bool known = true;
            std::string_view rest = w.syllables;
            while (!rest.empty() && count < 4) {
                const std::size_t blank = rest.find(' ');
                const int id = syllableId(rest.substr(0, blank));
                known = known && id >= 0;
                key = key << 16 | static_cast<std::uint64_t>(id + 1);
                ++count;
                rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
            }
            if (known && count >= 2 && rest.empty()) {
                m_words.emplace(key, &w);
                const std::size_t shift = 16 * static_cast<std::size_t>(count - 2);
                markStart(static_cast<int>((key >> (shift + 16) & 0xFFFF) - 1),
                          static_cast<int>((key >> shift & 0xFFFF) - 1));
            }
        }
    }

    const UnfortunateWord* find(std::span<const CharSound> sounds) const
    {
        for (std::size_t start = 0; start + 1 < sounds.size(); ++start) {
            // Most names begin no word at any syllable: one bit tells.
            if (!startsWord(sounds[start].syllable, sounds[start + 1].syllable))
                continue;
            std::uint64_t key = 0;
            for (std::size_t n = 0; n < 4 && start + n < sounds.size(); ++n) {
                if (sounds[start + n].syllable < 0)
                    break;
                key = key << 16 | static_cast<std::uint64_t>(sounds[start + n].syllable + 1);
                if (n >= 1) {
                    const auto it = m_words.find(key);
                    if (it != m_words.end())
                        return it->second;
                }
            }
        }
        return nullptr;
    }

private:
    // The first two syllables of every word, as bits of a square of syllable ids.
    void markStart(int a, int b)
    {
        const std::size_t n = syllables().size();
        if (m_starts.empty())
            m_starts.assign(n * n, false);
        m_starts[static_cast<std::size_t>(a) * n + static_cast<std::size_t>(b)] = true;
    }
    bool startsWord(int a, int b) const
    {
        if (a < 0 || b < 0 || m_starts.empty())
            return false;
        const std::size_t n = syllables().size();
        return m_starts[static_cast<std::size_t>(a) * n + static_cast<std::size_t>(b)];
    }

    std::unordered_map<std::uint64_t, const UnfortunateWord*> m_words;
    std::vector<bool> m_starts;
};

const WordIndex& wordIndex()
{
    static const WordIndex index;
    return index;
}

// Element by the order 木 火 土 金 水: each overcomes the one two places on.
bool overcomes(Element a, Element b)
{
    if (a == Element::Unknown || b == Element::Unknown)
        return false;
    return (static_cast<int>(a) + 2) % 5 == static_cast<int>(b);
}

bool goodRating(std::optional<Rating81> r)
{
    return r == Rating81::GreatGood || r == Rating81::Good || r == Rating81::HalfGood;
}

} // namespace

std::string_view ruleText(Rule rule)
{
    switch (rule) {
    case Rule::Numbers81:
        return "数理皆吉";
    case Rule::ThreeTalents:
        return "三才吉";
    case Rule::BasicLuck:
        return "基础运不凶";
    case Rule::SuccessLuck:
        return "成功运不凶";
    case Rule::SocialLuck:
        return "人际运不凶";
    case Rule::YearElement:
        return "天运不克人格";
    case Rule::OddEven:
        return "笔画奇偶相间";
    case Rule::Tones:
        return "无三字同调";
    case Rule::LevelOblique:
        return "平仄相间";
    case Rule::NoEqualSounds:
        return "无同音相连";
    case Rule::Euphony:
        return "读音无不雅谐音";
    case Rule::OneReading:
        return "无多音字";
    case Rule::Radicals:
        return "偏旁不全同";
    case Rule::StrokeBalance:
        return "笔画均衡";
    case Rule::EasyToWrite:
        return "书写简便";
    case Rule::Source:
        return "有出处";
    case Rule::ElementNeed:
        return "补五行";
    }
    return {};
}

std::vector<Rule> RuleSet::rules() const
{
    std::vector<Rule> out;
    for (int i = 0; i < kRuleCount; ++i)
        if (has(static_cast<Rule>(i)))
            out.push_back(static_cast<Rule>(i));
    return out;
}

RuleSet schoolRules(const PxmzResult& judged, std::span<const int> strokes, calendar::Sex sex, Element yearElement)
{
    RuleSet passed;
    const bool male = sex == calendar::Sex::Male;
    const Grids& g = judged.grids;
    // The 81 numbers of the five-grid school (五格剖象法, the name test's own tables): the
    // grids the given name shapes; 天格 is the family's and not judged.
    if (goodRating(rating81(g.rg, male)) && goodRating(rating81(g.dG, male)) && goodRating(rating81(g.wg, male)) &&
        goodRating(rating81(g.zg, male)))
        passed.add(Rule::Numbers81);
    // The three talents (三才配置) of the same school, by the name test's table.
    if (scdyx(judged.scstr).rating == Rating3::Good)
        passed.add(Rule::ThreeTalents);
    // Basic, success and social luck (基础运, 成功运, 人际关系) of the same school.
    const auto notBad = [](const Judgement& j) { return j.rating == Rating3::Good || j.rating == Rating3::Fair; };
    if (notBad(jcdyx(judged.jcnum)))
        passed.add(Rule::BasicLuck);
    if (notBad(cgdyx(judged.cgnum)))
        passed.add(Rule::SuccessLuck);
    if (notBad(rjgxdyx(judged.rjnum)))
        passed.add(Rule::SocialLuck);
    // The year-luck school (天运派): the element of the birth year's stem (天运五行) must not
    // overcome the element of 人格, read from its last digit as the three talents read it.
    const Element personality = elementFromText(sc(threeTalentsDigit(g.rg)));
    if (yearElement != Element::Unknown && !overcomes(yearElement, personality))
        passed.add(Rule::YearElement);
    // The yin-yang of strokes (笔画阴阳): odd strokes are yang, even yin; a name of one kind
    // only is out of balance.
    int odd = 0, even = 0;
    for (int s : strokes) {
        if (s <= 0)
            continue;
        (s % 2 != 0 ? odd : even)++;
    }
    if (odd > 0 && even > 0)
        passed.add(Rule::OddEven);
    return passed;
}

int syllableId(std::string_view letters)
{
    const std::vector<std::string>& list = syllables();
    const auto it = std::lower_bound(list.begin(), list.end(), letters);
    return it != list.end() && *it == letters ? static_cast<int>(it - list.begin()) : -1;
}

CharSound charSound(char32_t c)
{
    CharSound s;
    const std::string_view reading = commonReading(c);
    if (reading.empty())
        return s;
    const Syllable syl = splitTone(reading);
    s.syllable = syllableId(syl.letters);
    s.tone = syl.tone;
    s.severalReadings = hasSeveralReadings(c);
    return s;
}

bool levelOblique(int toneBefore, int toneLast)
{
    const ToneClass before = toneClass(toneBefore);
    const ToneClass last = toneClass(toneLast);
    return last != ToneClass::Neutral && before != ToneClass::Neutral && last != before;
}

RuleSet soundRules(std::span<const CharSound> sounds, std::size_t givenCount)
{
    RuleSet passed;
    bool threeTones = false;
    for (std::size_t i = 2; i < sounds.size(); ++i) {
        const int t = sounds[i].tone;
        if (t >= 1 && t <= 4 && sounds[i - 1].tone == t && sounds[i - 2].tone == t)
            threeTones = true;
    }
    if (!threeTones)
        passed.add(Rule::Tones);
    if (sounds.size() >= 2 && levelOblique(sounds[sounds.size() - 2].tone, sounds[sounds.size() - 1].tone))
        passed.add(Rule::LevelOblique);
    bool equal = false;
    for (std::size_t i = 1; i < sounds.size(); ++i)
        if (sounds[i].syllable >= 0 && sounds[i].syllable == sounds[i - 1].syllable)
            equal = true;
    if (!equal)
        passed.add(Rule::NoEqualSounds);
    if (!hasUnfortunateReading(sounds))
        passed.add(Rule::Euphony);
    const std::size_t given = std::min(givenCount, sounds.size());
    if (std::none_of(sounds.end() - static_cast<std::ptrdiff_t>(given), sounds.end(),
                     [](const CharSound& s) { return s.severalReadings; }))
        passed.add(Rule::OneReading);
    return passed;
}

bool hasUnfortunateReading(std::span<const CharSound> sounds)
{
    return wordIndex().find(sounds) != nullptr;
}

UnfortunateReading unfortunateReading(std::span<const CharSound> sounds)
{
    const UnfortunateWord* w = wordIndex().find(sounds);
    return w ? UnfortunateReading{w->word, w->category} : UnfortunateReading{};
}

CharShape charShape(char32_t c)
{
    CharShape s;
    if (const std::optional<RadicalStrokes> rs = radicalStrokes(c))
        s.radical = rs->radical;
    s.strokes = kangxiStrokes(c).strokes;
    return s;
}

RuleSet shapeRules(std::span<const CharShape> shapes, std::size_t givenCount)
{
    RuleSet passed;
    const bool oneRadical =
        shapes.size() >= 2 && shapes[0].radical != 0 &&
        std::all_of(shapes.begin(), shapes.end(), [&](const CharShape& s) { return s.radical == shapes[0].radical; });
    if (!oneRadical)
        passed.add(Rule::Radicals);
    if (!shapes.empty()) {
        const auto [lo, hi] = std::minmax_element(
            shapes.begin(), shapes.end(), [](const CharShape& a, const CharShape& b) { return a.strokes < b.strokes; });
        if (hi->strokes - lo->strokes <= 15)
            passed.add(Rule::StrokeBalance);
    }
    const std::size_t given = std::min(givenCount, shapes.size());
    if (std::none_of(shapes.end() - static_cast<std::ptrdiff_t>(given), shapes.end(),
                     [](const CharShape& s) { return s.strokes > 20; }))
        passed.add(Rule::EasyToWrite);
    return passed;
}

std::string_view unfortunateMeaning(char32_t c)
{
    static const std::unordered_map<char32_t, std::string_view> reasons = [] {
        std::unordered_map<char32_t, std::string_view> out;
        for (const UnfortunateChar& u : kUnfortunateChars) {
            char32_t code = 0;
            if (decodeSingle(u.ch, code))
                out.emplace(code, u.reason);
        }
        return out;
    }();
    const auto it = reasons.find(c);
    return it != reasons.end() ? it->second : std::string_view();
}

} // namespace xingming::naming
