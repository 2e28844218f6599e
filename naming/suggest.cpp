#include "naming/suggest.h"

#include "naming/hanzi.h"
#include "naming/nametest.h"
#include "naming/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_set>
#include <span>
#include <tuple>

namespace xingming::naming {

namespace {

using calendar::Sex;

constexpr int kMaxStrokes = 30; // the character table's longest stroke run

std::vector<NameCandidate> buildCandidates()
{
    std::vector<NameCandidate> list;
    list.reserve(kCandidateRows.size());
    for (const CandidateRow& row : kCandidateRows) {
        NameCandidate n;
        if (!decodeSingle(row.ch, n.code))
            continue;
        n.ch = std::string(row.ch);
        n.position = charPosition(n.code);
        n.strokes = GG(static_cast<std::int16_t>(n.position));
        n.element = elementAt(n.position);
        n.sex = row.sex;
        n.tier = row.tier;
        n.gloss = row.gloss;
        n.pinyin = commonReading(n.code);
        n.sound = charSound(n.code);
        n.shape = charShape(n.code);
        list.push_back(std::move(n));
    }
    std::sort(list.begin(), list.end(),
              [](const NameCandidate& a, const NameCandidate& b) { return a.position < b.position; });
    return list;
}

int elementIndex(Element e)
{
    return static_cast<int>(e); // 木 火 土 金 水 are 0 .. 4
}

// The surname as pxmz reads it: up to two characters, each with its table position.
struct SurnameInfo {
    std::vector<std::string> chars;
    std::vector<char32_t> codes;
    std::array<int, 2> positions{};
    NameStrokes strokes; // S1, S2 and the surname's shape; G1, G2 filled per name
    std::vector<CharSound> sounds;
    std::vector<CharShape> shapes;
};

SurnameInfo surnameInfo(std::string_view surname)
{
    SurnameInfo s;
    s.chars = splitCharacters(surname, 2);
    for (size_t i = 0; i < s.chars.size(); ++i) {
        s.positions[i] = charPosition(s.chars[i]);
        const std::u32string c = decodeUtf8(s.chars[i]);
        s.codes.push_back(c.empty() ? kReplacementChar : c[0]);
        s.sounds.push_back(charSound(s.codes.back()));
        CharShape shape = charShape(s.codes.back());
        shape.strokes = GG(static_cast<std::int16_t>(s.positions[i]));
        s.shapes.push_back(shape);
    }
    s.strokes.S1 = s.chars.empty() ? 0 : GG(static_cast<std::int16_t>(s.positions[0]));
    s.strokes.S2 = s.chars.size() == 2 ? GG(static_cast<std::int16_t>(s.positions[1])) : 0;
    s.strokes.singleSurname = s.chars.size() != 2;
    return s;
}

// The name test's judgement of the surname with given-name strokes g1 and g2 (0: absent).
PxmzResult judge(const SurnameInfo& s, Sex sex, int g1, int g2)
{
    NameStrokes n = s.strokes;
    n.G1 = g1;
    n.G2 = g2;
    n.singleGiven = g2 == 0;
    PxmzResult r;
    judgeName(n, sex, r);
    return r;
}

// One character a given name may use: a candidate, or the generation character.
struct PoolChar {
    const NameCandidate* candidate = nullptr; // nullptr for a generation character outside the list
    char32_t code = 0;
    std::string ch;
    int position = 0;
    int strokes = 1;
    Element element = Element::Unknown;
    int fit = 0;  // 1 when the chart wants its element
    int rare = 0; // 1 for the rare tier
    CharSound sound;
    CharShape shape;
    std::uint64_t rank = 0;                   // place among the pool's characters of its strokes and fit
    std::uint8_t kind = 0;                    // what the mode's order tells apart besides strokes (see Engine::kindOf)
    std::optional<std::uint32_t> poetryIndex; // its place in the classical texts' character set
};

// Each candidate's place in the classical texts' character set, looked up once per program.
const std::vector<std::optional<std::uint32_t>>& candidatePoetryIndexes()
{
    static const std::vector<std::optional<std::uint32_t>> indexes = [] {
        std::vector<std::optional<std::uint32_t>> out;
        for (const NameCandidate& c : nameCandidates())
            out.push_back(poetryData().indexOf(c.code));
        return out;
    }();
    return indexes;
}

// A character of the candidate list (from what the list has already looked up), or
// any other character.
PoolChar poolChar(const NameCandidate* candidate, char32_t code, const ElementNeeds& needs)
{
    PoolChar p;
    p.candidate = candidate;
    p.code = code;
    p.ch = candidate ? candidate->ch : encodeUtf8(code);
    p.position = candidate ? candidate->position : charPosition(code);
    p.strokes = GG(static_cast<std::int16_t>(p.position));
    p.element = p.position != 0 ? elementAt(p.position) : Element::Unknown;
    p.fit = needs.wanted(p.element) ? 1 : 0;
    p.rare = candidate && candidate->tier == Tier::Rare ? 1 : 0;
    p.sound = candidate ? candidate->sound : charSound(code);
    p.shape = candidate ? candidate->shape : charShape(code);
    p.shape.strokes = p.strokes;
    p.poetryIndex = candidate ? candidatePoetryIndexes()[static_cast<size_t>(candidate - nameCandidates().data())]
                              : poetryData().indexOf(code);
    return p;
}

PoolChar poolChar(char32_t code, const ElementNeeds& needs)
{
    return poolChar(findCandidate(code), code, needs);
}

RuleSet rulesOf(std::initializer_list<Rule> rules)
{
    RuleSet s;
    for (Rule r : rules)
        s.add(r);
    return s;
}

const RuleSet kSchools = rulesOf({Rule::Numbers81, Rule::ThreeTalents, Rule::BasicLuck, Rule::SuccessLuck,
                                  Rule::SocialLuck, Rule::YearElement, Rule::OddEven});
const RuleSet kSoundSchool = rulesOf({Rule::Tones, Rule::NoEqualSounds});
const RuleSet kShape = rulesOf({Rule::Radicals, Rule::StrokeBalance, Rule::EasyToWrite});

// What a mode asks of a name beyond the score: at the level of strokes, and of characters.
struct ModeRules {
    RuleSet strokes;
    RuleSet chars; // besides Euphony, which every mode asks
};

ModeRules modeRules(NamingMode mode)
{
    switch (mode) {
    case NamingMode::Master:
        return {kSchools, kSoundSchool};
    case NamingMode::SoundShapeMeaning: {
        RuleSet chars = kSoundSchool;
        chars |= kShape;
        return {{}, chars};
    }
    case NamingMode::Mainstream:
    case NamingMode::Personal:
        break;
    }
    return {};
}

// A stroke pattern of the given name with its judgement, computed once per request.
struct StrokePair {
    int first = 0;
    int second = 0; // 0 for a one-character name
    float score = 0;
    Grids grids;
    RuleSet schools;
};

std::uint64_t takenKey(char32_t a, char32_t b)
{
    return std::uint64_t{a} << 32 | b;
}

// One name of a level with its order inside the level.
struct Entry {
    // The order inside a level, most significant first: the group (lower first), the
    // mode's own measure after the score and a second one (higher first), the round, the
    // ranks of the two characters, their strokes and their table positions; packed into
    // one number, compared at once.
    struct Key {
        std::uint64_t high = 0, low = 0;
        friend bool operator<(const Key& x, const Key& y) { return std::tie(x.high, x.low) < std::tie(y.high, y.low); }
    } key;
    std::uint32_t a = 0, b = 0; // pool indexes; b == kNoSecond for a one-character name
    std::uint32_t pair = 0;     // index of the stroke pair

    static constexpr std::uint32_t kNoSecond = std::numeric_limits<std::uint32_t>::max();

    void order(int group, int primary, int secondary, std::uint64_t rankA, std::uint64_t rankB, int strokesA,
               int strokesB, int positionA, int positionB)
    {
        const auto field = [](std::uint64_t k, std::uint64_t value, unsigned bits) {
            const std::uint64_t most = (std::uint64_t{1} << bits) - 1;
            return k << bits | std::min(value, most);
        };
        std::uint64_t k = static_cast<unsigned>(group);
        k = field(k, static_cast<std::uint64_t>(15 - std::clamp(primary, 0, 15)), 4);
        k = field(k, static_cast<std::uint64_t>(15 - std::clamp(secondary, 0, 15)), 4);
        k = field(k, std::max(rankA, rankB), 12);
        k = field(k, rankA, 12);
        k = field(k, rankB, 12);
        k = field(k, static_cast<std::uint64_t>(strokesA), 5);
        key.high = field(k, static_cast<std::uint64_t>(strokesB), 5);
        key.low = field(static_cast<std::uint64_t>(positionA), static_cast<std::uint64_t>(positionB), 13);
    }
};

// The engine over one request.
class Engine {
public:
    Engine(const SuggestRequest& request, SuggestResult& result)
        : m_req(request), m_result(result), m_surname(surnameInfo(request.surname)), m_rules(modeRules(request.mode))
    {
    }

    void run();

private:
    struct Cell;

    void buildPool();
    void groupPool();
    std::uint8_t kindOf(const PoolChar& p) const;
    std::vector<StrokePair> strokePairs() const;
    RuleSet charRules(const PoolChar& a, const PoolChar* b) const;
    bool acceptable(RuleSet charRules) const;
    std::optional<PoemSource> sourceOf(const PoolChar& a, const PoolChar& b) const;
    int bonus(const PoolChar& a, const PoolChar* b) const;
    Entry::Key orderOf(const PoolChar& a, const PoolChar* b) const;
    Cell cell(std::uint32_t pair, std::uint32_t groupA, std::uint32_t groupB, std::uint32_t i, std::uint32_t j,
              bool rowHead) const;
    bool capped(const PoolChar& a, const PoolChar* b) const { return cappedFirst(a) || (b && cappedSecond(*b)); }
    // Whether the variety cap has used up p in the first place, or in the second.
    bool cappedFirst(const PoolChar& p) const
    {
        return m_capFirst && m_firstUses[static_cast<size_t>(&p - m_pool.data())] >= m_req.maxPerCharacter;
    }
    bool cappedSecond(const PoolChar& p) const
    {
        return m_capSecond && m_secondUses[static_cast<size_t>(&p - m_pool.data())] >= m_req.maxPerCharacter;
    }
    void emit(const PoolChar& a, const PoolChar* b, const StrokePair& pair, RuleSet charRules);
    void walkLevels(const std::vector<StrokePair>& pairs, bool sourcedFirst);
    void sourcedNames(const std::vector<StrokePair>& pairs);

    bool full() const { return m_result.names.size() >= m_req.limit; }

    const SuggestRequest& m_req;
    SuggestResult& m_result;
    SurnameInfo m_surname;
    ModeRules m_rules;
    std::vector<PoolChar> m_pool;
    // The characters each place may take, by strokes: indexes into m_pool.
    std::array<std::vector<std::size_t>, kMaxStrokes + 1> m_first, m_second;
    // The same split further by kind: the groups of each place and stroke count, as
    // indexes into m_groups, each group a list of indexes into m_pool in table order. A
    // one-character name takes its "second" character from m_noSecond, one group holding
    // Entry::kNoSecond.
    std::vector<std::vector<std::uint32_t>> m_groups;
    std::array<std::vector<std::uint32_t>, kMaxStrokes + 1> m_firstGroups, m_secondGroups;
    std::vector<std::uint32_t> m_noSecond;
    std::vector<int> m_firstUses, m_secondUses;
    // The characters the variety cap has used up, for each group: m_next[g][x] is x while
    // the character at x is still usable, else a later place (the next usable one found
    // by following the links; the group's size when none is left).
    std::vector<std::vector<std::uint32_t>> m_next;
    struct Slot {
        std::uint32_t group = 0, place = 0;
    };
    std::vector<Slot> m_firstSlot, m_secondSlot; // by pool index: where a character stands in each place

    std::uint32_t usable(std::uint32_t group, std::uint32_t from);
    void useUp(Slot slot) { m_next[slot.group][slot.place] = slot.place + 1; }
    std::unordered_set<std::uint64_t> m_taken; // names already listed (the sourced ones), by takenKey
    // The cap holds in each place but for the generation character, which stands in every name.
    const bool m_capFirst = m_req.maxPerCharacter > 0 && !(!m_req.generation.empty() && m_req.generationPlace == 1);
    const bool m_capSecond = m_req.maxPerCharacter > 0 && !(!m_req.generation.empty() && m_req.generationPlace == 2);
};

void Engine::buildPool()
{
    const Sex sex = m_req.sex;
    const bool personal = m_req.mode == NamingMode::Personal;
    const std::u32string avoid = decodeUtf8(m_req.avoid);
    const auto avoided = [&](char32_t c) {
        return std::find(avoid.begin(), avoid.end(), c) != avoid.end() ||
               std::find(m_surname.codes.begin(), m_surname.codes.end(), c) != m_surname.codes.end();
    };
    char32_t generation = 0;
    if (!m_req.generation.empty())
        decodeSingle(m_req.generation, generation);

    m_pool.reserve(nameCandidates().size() + 1);
    for (const NameCandidate& c : nameCandidates()) {
        if (c.tier == Tier::Rare && !personal)
            continue;
        if (!personal && !suits(c.sex, sex))
            continue;
        if (avoided(c.code) || c.code == generation)
            continue;
        m_pool.push_back(poolChar(&c, c.code, m_result.needs));
    }
    // Ranks in table order among the characters of one stroke count and one fit.
    std::array<std::array<std::uint64_t, 2>, kMaxStrokes + 1> next{};
    for (PoolChar& p : m_pool)
        p.rank = next[static_cast<size_t>(p.strokes)][static_cast<size_t>(p.fit)]++;

    const std::size_t general = m_pool.size();
    if (generation != 0) {
        m_pool.push_back(poolChar(generation, m_result.needs));
        m_pool.back().rank = 0;
    }
    for (std::size_t i = 0; i < general; ++i) {
        const auto s = static_cast<size_t>(m_pool[i].strokes);
        if (generation == 0 || m_req.generationPlace == 2)
            m_first[s].push_back(i);
        if (m_req.length == 2 && (generation == 0 || m_req.generationPlace == 1))
            m_second[s].push_back(i);
    }
    if (generation != 0) {
        const std::size_t g = m_pool.size() - 1;
        (m_req.generationPlace == 1 ? m_first : m_second)[static_cast<size_t>(m_pool[g].strokes)].push_back(g);
    }
    m_firstUses.assign(m_pool.size(), 0);
    m_secondUses.assign(m_pool.size(), 0);
    groupPool();
}

// What the mode's order looks at in a character besides its strokes: the fit always, the
// tier for the personal mode, the tone class and the several readings for the mode of
// sound, shape and meaning. Inside a group of one kind and one stroke count the order of a
// name rises with the rank of each of its characters.
std::uint8_t Engine::kindOf(const PoolChar& p) const
{
    switch (m_req.mode) {
    case NamingMode::Personal:
        return static_cast<std::uint8_t>(p.fit | p.rare << 1);
    case NamingMode::SoundShapeMeaning:
        return static_cast<std::uint8_t>(p.fit | (p.sound.severalReadings ? 2 : 0) |
                                         static_cast<int>(toneClass(p.sound.tone)) << 2);
    case NamingMode::Master:
    case NamingMode::Mainstream:
        break;
    }
    return static_cast<std::uint8_t>(p.fit);
}

void Engine::groupPool()
{
    for (PoolChar& p : m_pool)
        p.kind = kindOf(p);
    m_firstSlot.assign(m_pool.size(), {});
    m_secondSlot.assign(m_pool.size(), {});
    const auto split = [&](const std::vector<std::size_t>& chars, std::vector<std::uint32_t>& ids,
                           std::vector<Slot>& slots) {
        std::array<int, 16> idOfKind{};
        idOfKind.fill(-1);
        for (std::size_t i : chars) {
            int& id = idOfKind[m_pool[i].kind & 15U];
            if (id < 0) {
                id = static_cast<int>(m_groups.size());
                ids.push_back(static_cast<std::uint32_t>(id));
                m_groups.emplace_back();
            }
            std::vector<std::uint32_t>& group = m_groups[static_cast<size_t>(id)];
            slots[i] = {static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(group.size())};
            group.push_back(static_cast<std::uint32_t>(i));
        }
    };
    for (std::size_t s = 0; s <= kMaxStrokes; ++s) {
        split(m_first[s], m_firstGroups[s], m_firstSlot);
        split(m_second[s], m_secondGroups[s], m_secondSlot);
    }
    m_noSecond.push_back(static_cast<std::uint32_t>(m_groups.size()));
    m_groups.push_back({Entry::kNoSecond});
    m_next.resize(m_groups.size());
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        m_next[g].resize(m_groups[g].size() + 1);
        for (std::uint32_t x = 0; x < m_next[g].size(); ++x)
            m_next[g][x] = x;
    }
}

// The first place at or after from in the group whose character the cap has not used up.
std::uint32_t Engine::usable(std::uint32_t group, std::uint32_t from)
{
    std::vector<std::uint32_t>& next = m_next[group];
    std::uint32_t x = from;
    while (next[x] != x) {
        next[x] = next[next[x]]; // halve the path for the next search
        x = next[x];
    }
    return x;
}

std::vector<StrokePair> Engine::strokePairs() const
{
    std::vector<StrokePair> pairs;
    for (int a = 1; a <= kMaxStrokes; ++a) {
        if (m_first[static_cast<size_t>(a)].empty())
            continue;
        for (int b = m_req.length == 1 ? 0 : 1; b <= (m_req.length == 1 ? 0 : kMaxStrokes); ++b) {
            if (b != 0 && m_second[static_cast<size_t>(b)].empty())
                continue;
            const PxmzResult r = judge(m_surname, m_req.sex, a, b);
            if (r.zf2 < m_req.minScore)
                continue;
            const std::array<int, 4> strokes{m_surname.strokes.S1, m_surname.strokes.S2, a, b};
            StrokePair p{a, b, r.zf2, r.grids, schoolRules(r, strokes, m_req.sex, m_result.needs.year)};
            if (!p.schools.hasAll(m_rules.strokes))
                continue;
            pairs.push_back(p);
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const StrokePair& x, const StrokePair& y) { return x.score > y.score; });
    return pairs;
}

RuleSet Engine::charRules(const PoolChar& a, const PoolChar* b) const
{
    // The full name, surname first, on the stack: this runs for every name considered.
    std::array<CharSound, 4> sounds{};
    std::array<CharShape, 4> shapes{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < m_surname.sounds.size(); ++i, ++n) {
        sounds[n] = m_surname.sounds[i];
        shapes[n] = m_surname.shapes[i];
    }
    sounds[n] = a.sound;
    shapes[n++] = a.shape;
    if (b) {
        sounds[n] = b->sound;
        shapes[n++] = b->shape;
    }
    const std::size_t given = b ? 2 : 1;
    RuleSet rules = soundRules(std::span(sounds.data(), n), given);
    rules |= shapeRules(std::span(shapes.data(), n), given);
    return rules;
}

// Whether the mode takes a name whose characters pass these rules of sound and shape.
bool Engine::acceptable(RuleSet charRules) const
{
    return charRules.has(Rule::Euphony) && charRules.hasAll(m_rules.chars);
}

// The line of the classical texts a and b stand together in.
std::optional<PoemSource> Engine::sourceOf(const PoolChar& a, const PoolChar& b) const
{
    if (!a.poetryIndex || !b.poetryIndex)
        return std::nullopt;
    return poetryData().findByIndex(*a.poetryIndex, *b.poetryIndex);
}

// 2 when the last two syllables alternate level and oblique, 1 when no given-name
// character has several readings, 1 for each given-name character the chart wants.
int Engine::bonus(const PoolChar& a, const PoolChar* b) const
{
    const int before = b ? a.sound.tone : m_surname.sounds.back().tone;
    const int last = b ? b->sound.tone : a.sound.tone;
    const bool oneReading = !a.sound.severalReadings && !(b && b->sound.severalReadings);
    return (levelOblique(before, last) ? 2 : 0) + (oneReading ? 1 : 0) + a.fit + (b ? b->fit : 0);
}

Entry::Key Engine::orderOf(const PoolChar& a, const PoolChar* b) const
{
    const int fit = a.fit + (b ? b->fit : 0);
    int primary = fit, secondary = 0;
    switch (m_req.mode) {
    case NamingMode::Personal:
        primary = a.rare + (b ? b->rare : 0);
        secondary = fit;
        break;
    case NamingMode::SoundShapeMeaning:
        primary = bonus(a, b);
        break;
    case NamingMode::Master:
    case NamingMode::Mainstream:
        break;
    }
    Entry e;
    e.order(0, primary, secondary, a.rank, b ? b->rank : 0, a.strokes, b ? b->strokes : 0, a.position,
            b ? b->position : 0);
    return e.key;
}

SuggestedChar makeSuggestedChar(const PoolChar& p)
{
    SuggestedChar c;
    c.ch = p.ch;
    c.pinyin = p.candidate ? p.candidate->pinyin : commonReading(p.code);
    c.gloss = p.candidate ? p.candidate->gloss : std::string_view();
    c.strokes = p.strokes;
    c.element = p.element;
    c.inTable = p.position != 0;
    c.severalReadings = p.sound.severalReadings;
    return c;
}

void Engine::emit(const PoolChar& a, const PoolChar* b, const StrokePair& pair, RuleSet charRules)
{
    const int cap = m_req.maxPerCharacter;
    const auto ia = static_cast<size_t>(&a - m_pool.data());
    if (++m_firstUses[ia] == cap && m_capFirst)
        useUp(m_firstSlot[ia]);
    if (b) {
        const auto ib = static_cast<size_t>(b - m_pool.data());
        if (++m_secondUses[ib] == cap && m_capSecond)
            useUp(m_secondSlot[ib]);
    }
    Suggestion& out = m_result.names.emplace_back();
    out.given = a.ch;
    if (b)
        out.given += b->ch;
    for (const std::string& c : m_surname.chars)
        out.fullName += c;
    out.fullName += out.given;
    out.score = pair.score;
    out.grids = pair.grids;
    out.strokes = {m_surname.strokes.S1, m_surname.strokes.S2, pair.first, pair.second};
    const auto elementOf = [](int position) { return position != 0 ? elementAt(position) : Element::Unknown; };
    out.elements = {elementOf(m_surname.positions[0]),
                    m_surname.chars.size() == 2 ? elementOf(m_surname.positions[1]) : Element::Unknown, a.element,
                    b ? b->element : Element::Unknown};
    out.fit = a.fit + (b ? b->fit : 0);
    out.chars.push_back(makeSuggestedChar(a));
    if (b)
        out.chars.push_back(makeSuggestedChar(*b));
    if (b)
        out.source = sourceOf(a, *b);
    out.passed = pair.schools;
    out.passed |= charRules;
    if (out.source)
        out.passed.add(Rule::Source);
    if (out.fit > 0)
        out.passed.add(Rule::ElementNeed);
}

// One name of a level waiting in the walk: the pair of stroke counts, a group of each
// place, and the places of the two characters in their groups.
struct Engine::Cell {
    Entry::Key key;
    std::uint32_t pair = 0, groupA = 0, groupB = 0, i = 0, j = 0;
    bool rowHead = false; // the first name of its row that was made
};

Engine::Cell Engine::cell(std::uint32_t pair, std::uint32_t groupA, std::uint32_t groupB, std::uint32_t i,
                          std::uint32_t j, bool rowHead) const
{
    const PoolChar& a = m_pool[m_groups[groupA][i]];
    const std::uint32_t second = m_groups[groupB][j];
    return {orderOf(a, second == Entry::kNoSecond ? nullptr : &m_pool[second]), pair, groupA, groupB, i, j, rowHead};
}

// The levels of equal score, best first; inside a level the names in the mode's order,
// made one at a time. For one pair of stroke counts and one group of each place the
// order rises with the place of either character in its group, so the names of a level
// are a merge of sorted grids, rows the first character and columns the second: a heap
// holds the next name of each grid, and taking a name puts in the one to its right and,
// from the head of a row, the head of the next row. Rows and columns whose character
// the variety cap has used up are passed over. Only as many names are made as the list
// takes and those it skips.
void Engine::walkLevels(const std::vector<StrokePair>& pairs, bool skipSourced)
{
    const auto later = [](const Cell& x, const Cell& y) { return y.key < x.key; };
    // One buffer serves every level and every request of the thread.
    static thread_local std::vector<Cell> buffer;
    std::vector<Cell>& heap = buffer;
    const auto push = [&](const Cell& c) {
        heap.push_back(c);
        std::push_heap(heap.begin(), heap.end(), later);
    };
    // The first name taken and c put in its place: one pass down the heap.
    const auto replaceFirst = [&](const Cell& c) {
        const std::size_t n = heap.size();
        std::size_t at = 0;
        for (std::size_t child = 1; child < n; child = 2 * at + 1) {
            if (child + 1 < n && later(heap[child], heap[child + 1]))
                ++child;
            if (!later(c, heap[child]))
                break;
            heap[at] = heap[child];
            at = child;
        }
        heap[at] = c;
    };
    std::size_t begin = 0;
    while (begin < pairs.size() && !full()) {
        std::size_t end = begin;
        while (end < pairs.size() && pairs[end].score == pairs[begin].score)
            ++end;
        heap.clear();
        for (std::size_t k = begin; k < end; ++k) {
            const StrokePair& sp = pairs[k];
            const std::vector<std::uint32_t>& seconds =
                sp.second == 0 ? m_noSecond : m_secondGroups[static_cast<size_t>(sp.second)];
            for (std::uint32_t ga : m_firstGroups[static_cast<size_t>(sp.first)]) {
                const std::uint32_t i = usable(ga, 0);
                if (i == m_groups[ga].size())
                    continue;
                for (std::uint32_t gb : seconds)
                    if (const std::uint32_t j = usable(gb, 0); j < m_groups[gb].size())
                        heap.push_back(cell(static_cast<std::uint32_t>(k), ga, gb, i, j, true));
            }
        }
        std::make_heap(heap.begin(), heap.end(), later);
        while (!heap.empty() && !full()) {
            const Cell c = heap.front(); // stays in the heap until its place is filled below
            if (c.rowHead) {
                const std::uint32_t i = usable(c.groupA, c.i + 1);
                const std::uint32_t j = usable(c.groupB, 0);
                if (i < m_groups[c.groupA].size() && j < m_groups[c.groupB].size())
                    push(cell(c.pair, c.groupA, c.groupB, i, j, true));
            }
            const PoolChar& a = m_pool[m_groups[c.groupA][c.i]];
            const std::uint32_t second = m_groups[c.groupB][c.j];
            const PoolChar* b = second == Entry::kNoSecond ? nullptr : &m_pool[second];
            const bool skip = (b && a.code == b->code) ||
                              (skipSourced && b && m_taken.count(takenKey(a.code, b->code)) != 0) || capped(a, b);
            if (!skip)
                if (const RuleSet rules = charRules(a, b); acceptable(rules))
                    emit(a, b, pairs[c.pair], rules);
            // The rest of the row, unless its first character is used up.
            std::uint32_t j = 0;
            if (usable(c.groupA, c.i) == c.i && (j = usable(c.groupB, c.j + 1)) < m_groups[c.groupB].size()) {
                replaceFirst(cell(c.pair, c.groupA, c.groupB, c.i, j, false));
            } else {
                std::pop_heap(heap.begin(), heap.end(), later);
                heap.pop_back();
            }
        }
        begin = end;
    }
}

int workRank(std::string_view work)
{
    static constexpr std::array<std::string_view, 5> kWorks{"诗经", "楚辞", "论语", "唐诗", "宋词"};
    return static_cast<int>(std::find(kWorks.begin(), kWorks.end(), work) - kWorks.begin());
}

// The rank of each work of the data, by its index in works().
std::vector<int> workRanks()
{
    std::vector<int> ranks;
    for (const PoetryWork& w : poetryData().works())
        ranks.push_back(workRank(w.name));
    return ranks;
}

// Two characters that stand together in the classical texts, by their index in the
// candidate list (kOutside: the generation character of a request, outside the list).
struct SourcedPair {
    std::uint16_t a = 0, b = 0;
    std::uint8_t work = 5;
    static constexpr std::uint16_t kOutside = 0xFFFF;
};

constexpr std::size_t strokeBucket(int a, int b)
{
    return static_cast<std::size_t>(a * (kMaxStrokes + 1) + b);
}

// The sourced pairs bucketed by the stroke counts of the two characters.
struct SourcedIndex {
    std::vector<SourcedPair> pairs;
    std::array<std::uint32_t, (kMaxStrokes + 1) * (kMaxStrokes + 1) + 1> start{};

    std::span<const SourcedPair> bucket(int a, int b) const
    {
        const std::size_t k = strokeBucket(a, b);
        return std::span(pairs).subspan(start[k], start[k + 1] - start[k]);
    }

    // Puts the pairs each(put) gives, put(bucket, pair), in their buckets, keeping their
    // order inside one. each is called twice: to count the pairs and to place them.
    template <typename Each> void build(Each each)
    {
        start.fill(0);
        each([&](std::size_t k, SourcedPair) { ++start[k + 1]; });
        for (std::size_t k = 1; k < start.size(); ++k)
            start[k] += start[k - 1];
        pairs.resize(start.back());
        std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
        each([&](std::size_t k, SourcedPair p) { pairs[next[k]++] = p; });
    }
};

// Every pair of two candidates from the classical texts, read from the data once per program.
const SourcedIndex& candidatePairs()
{
    static const SourcedIndex index = [] {
        const std::vector<NameCandidate>& list = nameCandidates();
        const PoetryData& data = poetryData();
        // The candidate of each character of the data, by its place there.
        std::vector<std::int32_t> candidateAt(data.characterCount(), -1);
        for (std::uint32_t x = 0; x < candidateAt.size(); ++x)
            if (const NameCandidate* c = findCandidate(data.charAt(x)))
                candidateAt[x] = static_cast<std::int32_t>(c - list.data());
        const std::vector<int> ranks = workRanks();
        const std::vector<std::optional<std::uint32_t>>& places = candidatePoetryIndexes();
        SourcedIndex built;
        built.build([&](auto put) {
            for (std::size_t i = 0; i < list.size(); ++i) {
                if (!places[i])
                    continue;
                for (const PoemPartnerIndex& p : data.partnersByIndex(*places[i])) {
                    const std::int32_t b = candidateAt[p.second];
                    if (b < 0)
                        continue;
                    put(strokeBucket(list[i].strokes, list[static_cast<size_t>(b)].strokes),
                        SourcedPair{static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(b),
                                    static_cast<std::uint8_t>(p.work < ranks.size() ? ranks[p.work] : 5)});
                }
            }
        });
        return built;
    }();
    return index;
}

// The names of the sound-shape-meaning mode that have a source, best value first, and
// among equal values the older work first. The value of a name is its score and a bonus
// of at most kMaxBonus, so the names of value X or more come from the levels of score
// X - kMaxBonus or more: the levels are read in only as far as the list goes.
void Engine::sourcedNames(const std::vector<StrokePair>& pairs)
{
    constexpr int kMaxBonus = 5;
    const std::vector<NameCandidate>& list = nameCandidates();
    // Pool indexes of each place by candidate, and of a generation character outside the list.
    std::vector<std::int32_t> firstByCandidate(list.size(), -1), secondByCandidate(list.size(), -1);
    std::int32_t outsideFirst = -1, outsideSecond = -1;
    const auto index = [&](const std::array<std::vector<std::size_t>, kMaxStrokes + 1>& place,
                           std::vector<std::int32_t>& byCandidate, std::int32_t& outside) {
        for (const auto& group : place)
            for (std::size_t j : group) {
                if (const NameCandidate* c = m_pool[j].candidate)
                    byCandidate[static_cast<size_t>(c - list.data())] = static_cast<std::int32_t>(j);
                else
                    outside = static_cast<std::int32_t>(j);
            }
    };
    index(m_first, firstByCandidate, outsideFirst);
    index(m_second, secondByCandidate, outsideSecond);

    // A generation character outside the candidate list stands in one place alone, and
    // its pairs are not among the candidates': they are read for this request.
    SourcedIndex own;
    if (outsideFirst >= 0 || outsideSecond >= 0) {
        std::vector<std::pair<std::size_t, SourcedPair>> keyed;
        const auto add = [&](std::uint16_t a, std::uint16_t b, int work) {
            const PoolChar& pa =
                m_pool[static_cast<size_t>(a == SourcedPair::kOutside ? outsideFirst : firstByCandidate[a])];
            const PoolChar& pb =
                m_pool[static_cast<size_t>(b == SourcedPair::kOutside ? outsideSecond : secondByCandidate[b])];
            keyed.push_back({strokeBucket(pa.strokes, pb.strokes), {a, b, static_cast<std::uint8_t>(work)}});
        };
        const PoetryData& data = poetryData();
        const std::vector<int> ranks = workRanks();
        const auto rank = [&](std::uint32_t work) { return work < ranks.size() ? ranks[work] : 5; };
        if (outsideFirst >= 0) {
            if (const std::optional<std::uint32_t> g = m_pool[static_cast<size_t>(outsideFirst)].poetryIndex)
                for (const PoemPartnerIndex& p : data.partnersByIndex(*g))
                    if (const NameCandidate* b = findCandidate(data.charAt(p.second));
                        b && secondByCandidate[static_cast<size_t>(b - list.data())] >= 0)
                        add(SourcedPair::kOutside, static_cast<std::uint16_t>(b - list.data()), rank(p.work));
        } else if (const std::optional<std::uint32_t> g = m_pool[static_cast<size_t>(outsideSecond)].poetryIndex) {
            const std::vector<std::optional<std::uint32_t>>& places = candidatePoetryIndexes();
            for (std::size_t i = 0; i < list.size(); ++i)
                if (firstByCandidate[i] >= 0 && places[i])
                    for (const PoemPartnerIndex& p : data.partnersByIndex(*places[i]))
                        if (p.second == *g)
                            add(static_cast<std::uint16_t>(i), SourcedPair::kOutside, rank(p.work));
        }
        own.build([&](auto put) {
            for (const auto& [k, p] : keyed)
                put(k, p);
        });
    }
    const SourcedIndex& sourced = outsideFirst >= 0 || outsideSecond >= 0 ? own : candidatePairs();

    struct Sourced {
        float value;
        int work;
        Entry entry;
    };
    const auto before = [](const Sourced& x, const Sourced& y) {
        if (x.value != y.value)
            return x.value > y.value;
        if (x.work != y.work)
            return x.work < y.work;
        return x.entry.key < y.entry.key;
    };
    // The names read in wait in buckets by their value in halves (a value of v in bucket
    // ⌊2v⌋), the best bucket taken first. One set of buckets serves every request of the thread.
    constexpr int kBuckets = 2 * (100 + kMaxBonus + 1);
    static thread_local std::array<std::vector<Sourced>, kBuckets> buckets;
    for (std::vector<Sourced>& b : buckets)
        b.clear();
    const auto bucketOf = [](float value) {
        return std::clamp(static_cast<int>(std::floor(2 * value)), 0, kBuckets - 1);
    };
    int top = -1; // no bucket above holds a name
    const auto load = [&](std::size_t k) {
        const StrokePair& sp = pairs[k];
        const std::span<const SourcedPair> bucket = sourced.bucket(sp.first, sp.second);
        for (std::size_t n = 0; n < bucket.size(); ++n) {
            const SourcedPair& sp2 = bucket[n];
            const std::int32_t i = sp2.a == SourcedPair::kOutside ? outsideFirst : firstByCandidate[sp2.a];
            if (i < 0 || cappedFirst(m_pool[static_cast<size_t>(i)])) {
                // The pairs of one first character stand together: the rest of them go too.
                while (n + 1 < bucket.size() && bucket[n + 1].a == sp2.a)
                    ++n;
                continue;
            }
            const std::int32_t j = sp2.b == SourcedPair::kOutside ? outsideSecond : secondByCandidate[sp2.b];
            if (j < 0)
                continue;
            const PoolChar& a = m_pool[static_cast<size_t>(i)];
            const PoolChar& b = m_pool[static_cast<size_t>(j)];
            if (a.code == b.code || cappedSecond(b))
                continue;
            Sourced f;
            Entry& e = f.entry;
            e.a = static_cast<std::uint32_t>(i);
            e.b = static_cast<std::uint32_t>(j);
            e.pair = static_cast<std::uint32_t>(k);
            e.order(0, 0, 0, a.rank, b.rank, a.strokes, b.strokes, a.position, b.position);
            f.value = sp.score + static_cast<float>(bonus(a, &b));
            f.work = sp2.work;
            const int to = bucketOf(f.value);
            buckets[static_cast<size_t>(to)].push_back(f);
            top = std::max(top, to);
        }
    };

    std::size_t loaded = 0; // pairs read in
    while (!full()) {
        while (top >= 0 && buckets[static_cast<size_t>(top)].empty())
            --top;
        // A name not read in is worth less than the score of its pair and one more than the
        // bonus (so that no rounding of the sum can leave it out): once the pairs of that
        // much are read in, every name of the best bucket is there.
        while (loaded < pairs.size() &&
               (top < 0 || pairs[loaded].score >= static_cast<float>(top) / 2 - static_cast<float>(kMaxBonus + 1)))
            load(loaded++);
        while (top >= 0 && buckets[static_cast<size_t>(top)].empty())
            --top;
        if (top < 0)
            break;
        // A name whose character the variety cap has used up is passed over, before the
        // bucket is put in order and as the list goes; the rules of sound and shape are
        // asked only of the names the list comes to.
        std::vector<Sourced>& best = buckets[static_cast<size_t>(top)];
        best.erase(std::remove_if(best.begin(), best.end(),
                                  [&](const Sourced& f) { return capped(m_pool[f.entry.a], &m_pool[f.entry.b]); }),
                   best.end());
        std::sort(best.begin(), best.end(), before);
        for (const Sourced& f : best) {
            if (full())
                break;
            const PoolChar& a = m_pool[f.entry.a];
            const PoolChar& b = m_pool[f.entry.b];
            if (capped(a, &b))
                continue;
            if (const RuleSet rules = charRules(a, &b); acceptable(rules)) {
                emit(a, &b, pairs[f.entry.pair], rules);
                m_taken.insert(takenKey(a.code, b.code));
            }
        }
        best.clear();
    }
}

void Engine::run()
{
    m_result.surname = m_surname.chars;
    m_result.chart = calendar::birthChartValues(m_req.birth);
    m_result.needs = elementNeedsOf(m_result.chart);
    if (m_surname.chars.empty() || m_req.sex == Sex::None || (m_req.length != 1 && m_req.length != 2))
        return;
    m_result.message = checkSuggestRequest(m_req);
    if (!m_result.message.empty())
        return;
    buildPool();
    const std::vector<StrokePair> pairs = strokePairs();
    for (const StrokePair& p : pairs) {
        const std::size_t firsts = m_first[static_cast<size_t>(p.first)].size();
        const std::size_t secondsCount = p.second == 0 ? 1 : m_second[static_cast<size_t>(p.second)].size();
        m_result.qualifying += firsts * secondsCount;
        if (p.second != 0 && p.first == p.second && m_req.generation.empty())
            m_result.qualifying -= firsts; // a doubled character is no name
    }
    m_result.names.reserve(std::min(m_req.limit, m_result.qualifying));
    const bool sourced = m_req.mode == NamingMode::SoundShapeMeaning && m_req.length == 2;
    if (sourced)
        sourcedNames(pairs);
    walkLevels(pairs, sourced);
    if (m_result.names.empty())
        m_result.message = "没有符合条件的名字，请降低最低分数或减少避用字后再试。";
}

} // namespace

std::string_view modeName(NamingMode mode)
{
    switch (mode) {
    case NamingMode::Master:
        return "综合大师模式";
    case NamingMode::Mainstream:
        return "主流高分模式";
    case NamingMode::Personal:
        return "个性化模式";
    case NamingMode::SoundShapeMeaning:
        return "音形义模式";
    }
    return {};
}

std::optional<NamingMode> modeFromText(std::string_view text)
{
    struct Name {
        std::string_view text;
        NamingMode mode;
    };
    static constexpr std::array<Name, 16> kNames{{
        {"1", NamingMode::Master},
        {"2", NamingMode::Mainstream},
        {"3", NamingMode::Personal},
        {"4", NamingMode::SoundShapeMeaning},
        {"master", NamingMode::Master},
        {"mainstream", NamingMode::Mainstream},
        {"personal", NamingMode::Personal},
        {"sound", NamingMode::SoundShapeMeaning},
        {"综合大师", NamingMode::Master},
        {"主流高分", NamingMode::Mainstream},
        {"个性化", NamingMode::Personal},
        {"音形义", NamingMode::SoundShapeMeaning},
        {"综合大师模式", NamingMode::Master},
        {"主流高分模式", NamingMode::Mainstream},
        {"个性化模式", NamingMode::Personal},
        {"音形义模式", NamingMode::SoundShapeMeaning},
    }};
    for (const Name& n : kNames)
        if (n.text == text)
            return n.mode;
    return std::nullopt;
}

const std::vector<NameCandidate>& nameCandidates()
{
    static const std::vector<NameCandidate> list = buildCandidates();
    return list;
}

const NameCandidate* findCandidate(char32_t c)
{
    const std::vector<NameCandidate>& list = nameCandidates();
    const int pos = charPosition(c);
    if (pos == 0)
        return nullptr;
    const auto it =
        std::lower_bound(list.begin(), list.end(), pos, [](const NameCandidate& n, int p) { return n.position < p; });
    return it != list.end() && it->position == pos ? &*it : nullptr;
}

const NameCandidate* findCandidate(std::string_view oneChar)
{
    char32_t c = 0;
    return decodeSingle(oneChar, c) ? findCandidate(c) : nullptr;
}

std::string_view leanText(NameSex lean)
{
    switch (lean) {
    case NameSex::Boy:
        return "男";
    case NameSex::Girl:
        return "女";
    case NameSex::Both:
        break;
    }
    return "男女皆宜";
}

bool suits(NameSex mark, Sex sex)
{
    switch (sex) {
    case Sex::Male:
        return mark != NameSex::Girl;
    case Sex::Female:
        return mark != NameSex::Boy;
    case Sex::None:
        break;
    }
    return false;
}

bool ElementNeeds::wanted(Element e) const
{
    if (!known || e == Element::Unknown)
        return false;
    return lacking[static_cast<size_t>(elementIndex(e))] || e == help;
}

ElementNeeds elementNeedsOf(const calendar::BirthChartValues& chart)
{
    ElementNeeds needs;
    // The sentence exists only for a full chart of four pillars; its elements text holds
    // eight element characters in pairs ("金火 金火 水火 土金"), the year stem's first and
    // the day stem's at index 4.
    if (chart.whstr.empty())
        return needs;
    std::array<bool, 5> present{};
    int count = 0;
    for (char32_t c : decodeUtf8(chart.wuhang)) {
        if (c == U' ')
            continue;
        const Element e = elementFromText(encodeUtf8(c));
        if (e != Element::Unknown)
            present[static_cast<size_t>(elementIndex(e))] = true;
        if (count == 0)
            needs.year = e;
        if (count == 4)
            needs.dayMaster = e;
        ++count;
    }
    if (count != 8) {
        needs.year = Element::Unknown;
        return needs;
    }
    for (size_t i = 0; i < 5; ++i)
        needs.lacking[i] = !present[i];
    if (needs.dayMaster != Element::Unknown) {
        const int dm = elementIndex(needs.dayMaster);
        // In the order 木 火 土 金 水 each element generates the next and overcomes the one after.
        needs.help = static_cast<Element>((dm + 1) % 5);
        needs.caution = static_cast<Element>((dm + 2) % 5);
    }
    needs.known = true;
    return needs;
}

ElementNeeds elementNeeds(const calendar::BirthDate& birth)
{
    return elementNeedsOf(calendar::birthChartValues(birth));
}

std::string checkSuggestRequest(const SuggestRequest& request)
{
    for (char32_t c : decodeUtf8(request.avoid))
        if (!isHanzi(c))
            return "避用字只能填写汉字。";
    if (request.generation.empty())
        return {};
    char32_t g = 0;
    if (!decodeSingle(request.generation, g) || !isHanzi(g))
        return "辈份字必须是一个汉字。";
    if (const std::string_view why = unfortunateMeaning(g); !why.empty())
        return "辈份字“" + request.generation + "”含义不佳（" + std::string(why) + "），不宜用于名字。";
    if (request.length != 2)
        return "设置辈份字时，名字须为两个字。";
    if (request.generationPlace != 1 && request.generationPlace != 2)
        return "辈份字只能放在名字的第一个字或第二个字。";
    if (decodeUtf8(request.avoid).find(g) != std::u32string::npos)
        return "辈份字不能同时是避用字。";
    return {};
}

SuggestResult suggestNames(const SuggestRequest& request)
{
    SuggestResult result;
    Engine(request, result).run();
    return result;
}

SuggestedChar suggestedChar(char32_t c)
{
    return makeSuggestedChar(poolChar(c, ElementNeeds{}));
}

std::vector<Suggestion> namesWithCharacter(std::string_view surname, Sex sex, std::string_view ch, std::size_t limit)
{
    std::vector<Suggestion> out;
    const std::vector<std::string> one = splitCharacters(ch, 2);
    char32_t code = 0;
    if (one.size() != 1 || !decodeSingle(one[0], code) || sex == Sex::None || splitCharacters(surname, 2).empty())
        return out;
    // Every name with the character: alone, first, or second beside a candidate, best
    // score first. The list takes the best of each shape in turn through the mode's walk.
    SuggestRequest req;
    req.surname = std::string(surname);
    req.sex = sex;
    req.limit = limit;
    req.maxPerCharacter = 0;
    req.mode = NamingMode::Mainstream;
    std::vector<Suggestion> all;
    {
        const SurnameInfo si = surnameInfo(surname);
        const PoolChar p = poolChar(code, ElementNeeds{});
        const PxmzResult judged = judge(si, sex, p.strokes, 0);
        Suggestion alone;
        alone.given = p.ch;
        for (const std::string& c : si.chars)
            alone.fullName += c;
        alone.fullName += alone.given;
        alone.score = judged.zf2;
        alone.grids = judged.grids;
        alone.strokes = {si.strokes.S1, si.strokes.S2, p.strokes, 0};
        const auto elementOf = [](int position) { return position != 0 ? elementAt(position) : Element::Unknown; };
        alone.elements = {elementOf(si.positions[0]),
                          si.chars.size() == 2 ? elementOf(si.positions[1]) : Element::Unknown, p.element,
                          Element::Unknown};
        alone.chars.push_back(makeSuggestedChar(p));
        all.push_back(std::move(alone));
    }
    for (int place : {1, 2}) {
        SuggestRequest r = req;
        r.length = 2;
        r.generation = one[0];
        r.generationPlace = place;
        r.limit = limit;
        if (!checkSuggestRequest(r).empty())
            continue;
        SuggestResult res = suggestNames(r);
        for (Suggestion& s : res.names)
            all.push_back(std::move(s));
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const Suggestion& a, const Suggestion& b) { return a.score > b.score; });
    if (all.size() > limit)
        all.resize(limit);
    return all;
}

} // namespace xingming::naming
