#include "naming/suggest.h"

#include "naming/nametest.h"
#include "naming/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace xingming::naming {

namespace {

using calendar::Sex;

constexpr int kMaxStrokes = 30; // the character table's longest stroke run

std::vector<NameCandidate> buildCandidates()
{
    std::vector<NameCandidate> list;
    for (const CandidateRow& row : kCandidateRows) {
        for (char32_t c : decodeUtf8(row.chars)) {
            NameCandidate n;
            n.ch = encodeUtf8(c);
            n.position = charPosition(c);
            n.strokes = GG(static_cast<std::int16_t>(n.position));
            n.element = elementAt(n.position);
            n.sex = row.sex;
            list.push_back(std::move(n));
        }
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
    std::array<int, 2> positions{};
    NameStrokes strokes; // S1, S2 and the surname's shape; G1, G2 filled per name
};

SurnameInfo surnameInfo(std::string_view surname)
{
    SurnameInfo s;
    s.chars = splitCharacters(surname, 2);
    for (size_t i = 0; i < s.chars.size(); ++i)
        s.positions[i] = charPosition(s.chars[i]);
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

// Scores by the strokes of the given-name characters, each stroke pair judged once: the
// score depends on nothing else for one surname and sex.
class ScoreTable {
public:
    ScoreTable(const SurnameInfo& s, Sex sex) : m_surname(s), m_sex(sex)
    {
        m_scores.fill(std::numeric_limits<float>::quiet_NaN());
    }

    float operator()(int g1, int g2) // g1 in [1, 30], g2 in [0, 30]
    {
        float& slot = m_scores[static_cast<size_t>(g1 * (kMaxStrokes + 1) + g2)];
        if (std::isnan(slot))
            slot = judge(m_surname, m_sex, g1, g2).zf2;
        return slot;
    }

private:
    const SurnameInfo& m_surname;
    Sex m_sex;
    std::array<float, (kMaxStrokes + 1) * (kMaxStrokes + 1)> m_scores{};
};

bool isSurnameChar(const SurnameInfo& s, const NameCandidate& c)
{
    return std::find(s.chars.begin(), s.chars.end(), c.ch) != s.chars.end();
}

Suggestion makeSuggestion(const SurnameInfo& s, Sex sex, const std::vector<std::string>& given,
                          const std::array<int, 2>& givenPositions, int fit)
{
    Suggestion out;
    const int g1 = GG(static_cast<std::int16_t>(givenPositions[0]));
    const int g2 = given.size() == 2 ? GG(static_cast<std::int16_t>(givenPositions[1])) : 0;
    const PxmzResult r = judge(s, sex, g1, g2);
    for (const std::string& c : given)
        out.given += c;
    for (const std::string& c : s.chars)
        out.fullName += c;
    out.fullName += out.given;
    out.score = r.zf2;
    out.grids = r.grids;
    out.strokes = {s.strokes.S1, s.strokes.S2, g1, g2};
    const auto elementOf = [](int position) { return position != 0 ? elementAt(position) : Element::Unknown; };
    out.elements = {elementOf(s.positions[0]), s.chars.size() == 2 ? elementOf(s.positions[1]) : Element::Unknown,
                    elementOf(givenPositions[0]), given.size() == 2 ? elementOf(givenPositions[1]) : Element::Unknown};
    out.fit = fit;
    return out;
}

} // namespace

const std::vector<NameCandidate>& nameCandidates()
{
    static const std::vector<NameCandidate> list = buildCandidates();
    return list;
}

const NameCandidate* findCandidate(std::string_view oneChar)
{
    const std::vector<NameCandidate>& list = nameCandidates();
    const int pos = charPosition(oneChar);
    if (pos == 0)
        return nullptr;
    const auto it =
        std::lower_bound(list.begin(), list.end(), pos, [](const NameCandidate& c, int p) { return c.position < p; });
    return it != list.end() && it->position == pos ? &*it : nullptr;
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
    // eight element characters in pairs ("金火 金火 水火 土金"), the day stem's at index 4.
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
        if (count == 4)
            needs.dayMaster = e;
        ++count;
    }
    if (count != 8)
        return needs;
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

SuggestResult suggestNames(const SuggestRequest& request)
{
    SuggestResult result;
    const SurnameInfo surname = surnameInfo(request.surname);
    result.surname = surname.chars;
    result.chart = calendar::birthChartValues(request.birth);
    result.needs = elementNeedsOf(result.chart);
    const Sex sex = request.sex;
    if (surname.chars.empty() || sex == Sex::None || (request.length != 1 && request.length != 2))
        return result;

    // The candidates for this child, in table order, with their fit (0 or 1).
    std::vector<const NameCandidate*> pool;
    std::vector<int> fit;
    for (const NameCandidate& c : nameCandidates()) {
        if (!suits(c.sex, request.sex) || isSurnameChar(surname, c))
            continue;
        pool.push_back(&c);
        fit.push_back(result.needs.wanted(c.element) ? 1 : 0);
    }
    // The ranking key holds pool indexes and ranks in 10 bits each.
    if (pool.size() > 1023)
        pool.resize(1023);
    fit.resize(pool.size());
    const size_t n = pool.size();
    ScoreTable scores(surname, sex);
    const int maxFit = request.length;

    // Score levels reached, best first; a name's bucket is its level and its fit, and
    // filling the buckets in table order keeps the tie rule without a sort of the names.
    std::vector<float> levels;
    const auto consider = [&](float s) {
        if (s >= request.minScore && std::find(levels.begin(), levels.end(), s) == levels.end())
            levels.push_back(s);
    };
    std::array<bool, kMaxStrokes + 1> strokesUsed{};
    for (const NameCandidate* c : pool)
        strokesUsed[static_cast<size_t>(c->strokes)] = true;
    for (int a = 1; a <= kMaxStrokes; ++a) {
        if (!strokesUsed[static_cast<size_t>(a)])
            continue;
        if (request.length == 1) {
            consider(scores(a, 0));
            continue;
        }
        for (int b = 1; b <= kMaxStrokes; ++b)
            if (strokesUsed[static_cast<size_t>(b)])
                consider(scores(a, b));
    }
    std::sort(levels.begin(), levels.end(), std::greater<>());
    // Level of each stroke pair, -1 below the minimum score.
    std::array<int, (kMaxStrokes + 1) * (kMaxStrokes + 1)> levelOf{};
    levelOf.fill(-1);
    for (int a = 1; a <= kMaxStrokes; ++a) {
        for (int b = 0; b <= kMaxStrokes; ++b) {
            if (!strokesUsed[static_cast<size_t>(a)] || (b != 0 && !strokesUsed[static_cast<size_t>(b)]) ||
                (b == 0) != (request.length == 1))
                continue;
            const auto it = std::find(levels.begin(), levels.end(), scores(a, b));
            if (it != levels.end())
                levelOf[static_cast<size_t>(a * (kMaxStrokes + 1) + b)] = static_cast<int>(it - levels.begin());
        }
    }

    // A candidate's rank: its place, in table order, among the pool's candidates of the
    // same stroke count and the same fit.
    std::vector<std::uint64_t> rank(n);
    {
        std::array<std::array<std::uint64_t, 2>, kMaxStrokes + 1> next{};
        for (size_t i = 0; i < n; ++i)
            rank[i] = next[static_cast<size_t>(pool[i]->strokes)][static_cast<size_t>(fit[i])]++;
    }

    // A name's bucket is its score level and its fit; inside a bucket the tie key (round,
    // rank of the first character, rank of the second, their stroke counts), the round
    // being the larger rank, takes one name of every stroke pattern in turn. The key ends
    // in the pool indexes, which it already decides, so that they come back with it.
    const size_t fitClasses = static_cast<size_t>(maxFit) + 1;
    std::vector<std::vector<std::uint64_t>> buckets(levels.size() * fitClasses);
    const auto bucketOf = [&](int level, int f) {
        return static_cast<size_t>(level) * fitClasses + static_cast<size_t>(maxFit - f);
    };
    for (size_t i = 0; i < n; ++i) {
        const int a = pool[i]->strokes;
        const std::uint64_t u = rank[i];
        const std::uint64_t head = static_cast<std::uint64_t>(a) << 25 | static_cast<std::uint64_t>(i) << 10;
        if (request.length == 1) {
            const int level = levelOf[static_cast<size_t>(a * (kMaxStrokes + 1))];
            if (level >= 0)
                buckets[bucketOf(level, fit[i])].push_back(u << 50 | u << 40 | head);
            continue;
        }
        const int* row = &levelOf[static_cast<size_t>(a * (kMaxStrokes + 1))];
        for (size_t j = 0; j < n; ++j) {
            const int b = pool[j]->strokes;
            const int level = row[b];
            if (level < 0 || i == j)
                continue;
            const std::uint64_t v = rank[j];
            buckets[bucketOf(level, fit[i] + fit[j])].push_back(std::max(u, v) << 50 | u << 40 | v << 30 | head |
                                                                static_cast<std::uint64_t>(b) << 20 | j);
        }
    }
    for (const auto& b : buckets)
        result.qualifying += b.size();

    // Variety: a character stands at most maxPerCharacter times in the same place.
    std::vector<int> firstUses(n), secondUses(n);
    const auto capped = [&](const std::vector<int>& uses, size_t k) {
        return request.maxPerCharacter > 0 && uses[k] >= request.maxPerCharacter;
    };
    for (size_t b = 0; b < buckets.size() && result.names.size() < request.limit; ++b) {
        const int f = maxFit - static_cast<int>(b % fitClasses);
        std::sort(buckets[b].begin(), buckets[b].end());
        for (std::uint64_t key : buckets[b]) {
            if (result.names.size() >= request.limit)
                break;
            const size_t i = static_cast<size_t>(key >> 10 & 0x3FF);
            const size_t j = static_cast<size_t>(key & 0x3FF);
            if (capped(firstUses, i) || (request.length == 2 && capped(secondUses, j)))
                continue;
            ++firstUses[i];
            std::vector<std::string> given{pool[i]->ch};
            std::array<int, 2> positions{pool[i]->position, 0};
            if (request.length == 2) {
                ++secondUses[j];
                given.push_back(pool[j]->ch);
                positions[1] = pool[j]->position;
            }
            result.names.push_back(makeSuggestion(surname, sex, given, positions, f));
        }
    }
    return result;
}

std::vector<Suggestion> namesWithCharacter(std::string_view surname, Sex sex, std::string_view ch, std::size_t limit)
{
    std::vector<Suggestion> out;
    const SurnameInfo s = surnameInfo(surname);
    const std::vector<std::string> one = splitCharacters(ch, 2);
    if (s.chars.empty() || sex == Sex::None || one.size() != 1)
        return out;
    const int pos = charPosition(one[0]);

    // Every name with the character: alone, first, or second beside a candidate. Among
    // equal scores a partner's rank among the partners of its stroke count comes first,
    // so that the names spread over the stroke patterns.
    struct Entry {
        float score;
        int rank;    // the partner's place among the partners of its stroke count
        int strokes; // the partner's strokes
        int shape;   // 0 alone, 1 the character first, 2 second
        std::vector<std::string> given;
        std::array<int, 2> positions;
    };
    std::vector<Entry> entries;
    ScoreTable scores(s, sex);
    const int strokes = GG(static_cast<std::int16_t>(pos));
    entries.push_back({scores(strokes, 0), 0, 0, 0, {one[0]}, {pos, 0}});
    int rank = 0, lastStrokes = 0;
    for (const NameCandidate& c : nameCandidates()) {
        if (!suits(c.sex, sex) || isSurnameChar(s, c) || c.ch == one[0])
            continue;
        rank = c.strokes == lastStrokes ? rank + 1 : 0;
        lastStrokes = c.strokes;
        entries.push_back({scores(strokes, c.strokes), rank, c.strokes, 1, {one[0], c.ch}, {pos, c.position}});
        entries.push_back({scores(c.strokes, strokes), rank, c.strokes, 2, {c.ch, one[0]}, {c.position, pos}});
    }
    const auto better = [](const Entry& a, const Entry& b) {
        return std::tie(b.score, a.rank, a.strokes, a.shape) < std::tie(a.score, b.rank, b.strokes, b.shape);
    };
    const size_t keep = std::min(limit, entries.size());
    std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(keep), entries.end(), better);
    entries.resize(keep);
    for (const Entry& e : entries)
        out.push_back(makeSuggestion(s, sex, e.given, e.positions, 0));
    return out;
}

} // namespace xingming::naming
