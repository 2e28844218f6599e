#include "naming/suggest.h"

#include "naming/hanzi.h"
#include "naming/nametest.h"
#include "naming/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <unordered_set>
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
    std::uint64_t rank = 0; // place among the pool's characters of its strokes and fit
};

PoolChar poolChar(char32_t code, const ElementNeeds& needs)
{
    PoolChar p;
    p.candidate = findCandidate(code);
    p.code = code;
    p.ch = encodeUtf8(code);
    p.position = charPosition(code);
    p.strokes = GG(static_cast<std::int16_t>(p.position));
    p.element = p.position != 0 ? elementAt(p.position) : Element::Unknown;
    p.fit = needs.wanted(p.element) ? 1 : 0;
    p.rare = p.candidate && p.candidate->tier == Tier::Rare ? 1 : 0;
    p.sound = charSound(code);
    p.shape = charShape(code);
    p.shape.strokes = p.strokes;
    return p;
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

// Visits the items in the order of before until visit returns false, ordering them a slice
// at a time (a partial selection, then a sort of the slice) only as far as the visit goes.
template <typename T, typename Less, typename Visit>
void visitInOrder(std::vector<T>& items, std::size_t slice, Less before, Visit visit)
{
    std::size_t sorted = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == sorted) {
            const std::size_t n = std::min(slice, items.size() - sorted);
            const auto from = items.begin() + static_cast<std::ptrdiff_t>(sorted);
            const auto to = from + static_cast<std::ptrdiff_t>(n);
            if (to != items.end())
                std::nth_element(from, to - 1, items.end(), before);
            std::sort(from, to, before);
            sorted += n;
        }
        if (!visit(items[i]))
            return;
    }
}

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
    void buildPool();
    std::vector<StrokePair> strokePairs() const;
    RuleSet charRules(const PoolChar& a, const PoolChar* b) const;
    int bonus(const PoolChar& a, const PoolChar* b, RuleSet rules) const;
    bool capped(const PoolChar& a, const PoolChar* b) const;
    void emit(const PoolChar& a, const PoolChar* b, const StrokePair& pair);
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
    std::vector<int> m_firstUses, m_secondUses;
    std::unordered_set<std::uint64_t> m_taken; // names already listed (the sourced ones), by takenKey
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

    for (const NameCandidate& c : nameCandidates()) {
        if (c.tier == Tier::Rare && !personal)
            continue;
        if (!personal && !suits(c.sex, sex))
            continue;
        if (avoided(c.code) || c.code == generation)
            continue;
        m_pool.push_back(poolChar(c.code, m_result.needs));
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

int Engine::bonus(const PoolChar& a, const PoolChar* b, RuleSet rules) const
{
    return (rules.has(Rule::LevelOblique) ? 2 : 0) + (rules.has(Rule::OneReading) ? 1 : 0) + a.fit + (b ? b->fit : 0);
}

bool Engine::capped(const PoolChar& a, const PoolChar* b) const
{
    const int cap = m_req.maxPerCharacter;
    if (cap <= 0)
        return false;
    const auto index = [&](const PoolChar& p) { return static_cast<size_t>(&p - m_pool.data()); };
    // The generation character stands in every name: the cap is not for it.
    const bool fixedFirst = !m_req.generation.empty() && m_req.generationPlace == 1;
    const bool fixedSecond = !m_req.generation.empty() && m_req.generationPlace == 2;
    return (!fixedFirst && m_firstUses[index(a)] >= cap) || (b && !fixedSecond && m_secondUses[index(*b)] >= cap);
}

SuggestedChar makeSuggestedChar(const PoolChar& p)
{
    SuggestedChar c;
    c.ch = p.ch;
    c.pinyin = commonReading(p.code);
    c.gloss = p.candidate ? p.candidate->gloss : std::string_view();
    c.strokes = p.strokes;
    c.element = p.element;
    c.inTable = p.position != 0;
    c.severalReadings = p.sound.severalReadings;
    return c;
}

void Engine::emit(const PoolChar& a, const PoolChar* b, const StrokePair& pair)
{
    ++m_firstUses[static_cast<size_t>(&a - m_pool.data())];
    if (b)
        ++m_secondUses[static_cast<size_t>(b - m_pool.data())];
    Suggestion out;
    out.given = a.ch + (b ? b->ch : std::string());
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
        out.source = poemSource(a.code, b->code);
    out.passed = pair.schools;
    out.passed |= charRules(a, b);
    if (out.source)
        out.passed.add(Rule::Source);
    if (out.fit > 0)
        out.passed.add(Rule::ElementNeed);
    m_result.names.push_back(std::move(out));
}

void Engine::walkLevels(const std::vector<StrokePair>& pairs, bool skipSourced)
{
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    const std::vector<std::size_t> none{kNone};
    const auto before = [](const Entry& x, const Entry& y) { return x.key < y.key; };
    // The names of a level; one buffer serves every level and every request of the thread,
    // so that its pages are not taken from the system anew each time.
    static thread_local std::vector<Entry> buffer;
    std::vector<Entry>& entries = buffer;
    std::size_t begin = 0;
    while (begin < pairs.size() && !full()) {
        std::size_t end = begin;
        while (end < pairs.size() && pairs[end].score == pairs[begin].score)
            ++end;
        entries.clear();
        {
            for (std::size_t k = begin; k < end; ++k) {
                const StrokePair& sp = pairs[k];
                const std::vector<std::size_t>& seconds =
                    sp.second == 0 ? none : m_second[static_cast<size_t>(sp.second)];
                for (std::size_t i : m_first[static_cast<size_t>(sp.first)]) {
                    const PoolChar& a = m_pool[i];
                    for (std::size_t j : seconds) {
                        const PoolChar* b = j == kNone ? nullptr : &m_pool[j];
                        if (b && a.code == b->code)
                            continue;
                        const RuleSet rules = charRules(a, b);
                        if (!rules.has(Rule::Euphony) || !rules.hasAll(m_rules.chars))
                            continue;
                        if (skipSourced && b && m_taken.count(takenKey(a.code, b->code)) != 0)
                            continue;
                        Entry e;
                        e.a = static_cast<std::uint32_t>(i);
                        e.b = j == kNone ? Entry::kNoSecond : static_cast<std::uint32_t>(j);
                        e.pair = static_cast<std::uint32_t>(k);
                        const int fit = a.fit + (b ? b->fit : 0);
                        int primary = fit, secondary = 0;
                        switch (m_req.mode) {
                        case NamingMode::Personal:
                            primary = a.rare + (b ? b->rare : 0);
                            secondary = fit;
                            break;
                        case NamingMode::SoundShapeMeaning:
                            primary = bonus(a, b, rules);
                            break;
                        case NamingMode::Master:
                        case NamingMode::Mainstream:
                            break;
                        }
                        e.order(0, primary, secondary, a.rank, b ? b->rank : 0, a.strokes, b ? b->strokes : 0,
                                a.position, b ? b->position : 0);
                        entries.push_back(e);
                    }
                }
            }
        }
        // Only the head of a level is ever listed.
        visitInOrder(entries, std::max<std::size_t>(256, 4 * m_req.limit), before, [&](const Entry& e) {
            if (full())
                return false;
            const PoolChar& a = m_pool[e.a];
            const PoolChar* b = e.b == Entry::kNoSecond ? nullptr : &m_pool[e.b];
            if (!capped(a, b))
                emit(a, b, pairs[e.pair]);
            return !full();
        });
        begin = end;
    }
}

int workRank(const std::optional<PoemSource>& source)
{
    static constexpr std::array<std::string_view, 5> kWorks{"诗经", "楚辞", "论语", "唐诗", "宋词"};
    if (!source)
        return static_cast<int>(kWorks.size());
    const auto it = std::find(kWorks.begin(), kWorks.end(), source->work);
    return static_cast<int>(it - kWorks.begin());
}

// The names of the sound-shape-meaning mode that have a source, best value first, and
// among equal values the older work first.
void Engine::sourcedNames(const std::vector<StrokePair>& pairs)
{
    std::array<int, (kMaxStrokes + 1) * (kMaxStrokes + 1)> pairIndex{};
    pairIndex.fill(-1);
    for (std::size_t k = 0; k < pairs.size(); ++k)
        pairIndex[static_cast<size_t>(pairs[k].first * (kMaxStrokes + 1) + pairs[k].second)] = static_cast<int>(k);
    // Pool indexes of the second place, looked up by character.
    std::unordered_map<char32_t, std::size_t> seconds;
    for (const auto& group : m_second)
        for (std::size_t j : group)
            seconds.emplace(m_pool[j].code, j);

    struct Sourced {
        float value;
        int work; // the older and better-known the work, the earlier: 诗经 楚辞 论语 唐诗 宋词
        Entry entry;
    };
    const auto before = [](const Sourced& x, const Sourced& y) {
        if (x.value != y.value)
            return x.value > y.value;
        if (x.work != y.work)
            return x.work < y.work;
        return x.entry.key < y.entry.key;
    };
    static thread_local std::vector<Sourced> buffer; // see walkLevels
    std::vector<Sourced>& found = buffer;
    found.clear();
    const PoetryData& data = poetryData();
    std::vector<int> workRanks;
    for (const PoetryWork& w : data.works())
        workRanks.push_back(workRank(PoemSource{{}, {}, {}, w.name}));
    for (const auto& group : m_first) {
        for (std::size_t i : group) {
            const PoolChar& a = m_pool[i];
            for (const PoemPartner& partner : data.partnersWithWork(a.code)) {
                const auto js = seconds.find(partner.second);
                if (js == seconds.end())
                    continue;
                const PoolChar& b = m_pool[js->second];
                const int k = pairIndex[static_cast<size_t>(a.strokes * (kMaxStrokes + 1) + b.strokes)];
                if (k < 0 || a.code == b.code)
                    continue;
                const RuleSet rules = charRules(a, &b);
                if (!rules.has(Rule::Euphony) || !rules.hasAll(m_rules.chars))
                    continue;
                Sourced f;
                Entry& e = f.entry;
                e.a = static_cast<std::uint32_t>(i);
                e.b = static_cast<std::uint32_t>(js->second);
                e.pair = static_cast<std::uint32_t>(k);
                e.order(0, 0, 0, a.rank, b.rank, a.strokes, b.strokes, a.position, b.position);
                f.value = pairs[e.pair].score + static_cast<float>(bonus(a, &b, rules));
                f.work = partner.work < workRanks.size() ? workRanks[partner.work] : 5;
                found.push_back(f);
            }
        }
    }
    visitInOrder(found, std::max<std::size_t>(256, 4 * m_req.limit), before, [&](const Sourced& f) {
        if (full())
            return false;
        const PoolChar& a = m_pool[f.entry.a];
        const PoolChar& b = m_pool[f.entry.b];
        if (!capped(a, &b)) {
            emit(a, &b, pairs[f.entry.pair]);
            m_taken.insert(takenKey(a.code, b.code));
        }
        return !full();
    });
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
