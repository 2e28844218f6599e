// Classical sources of given names: known sources and the order of preference behind them,
// names without one, a sweep over every record of the compiled-in data, and damaged blobs.
#include "naming/namecandidates_data.h"
#include "naming/poetry.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace xingming::naming;

namespace {

// How the two characters stand in the line given.
enum class Stands { SideBySide, OneClause, AcrossClauses };

struct Known {
    const char* name;
    Stands stands;
    const char* work;
    // Where only one line (or one text) of its kind holds them, that line and its poem; where
    // several equal lines do, nullptr: any of them may serve, the one that serves more pairs.
    const char* line = nullptr;
    const char* title = nullptr;
    const char* author = nullptr;
};

// Each row says why its line wins over the others that hold the same two characters.
const Known kKnown[] = {
    // Side by side in 诗经, shown as their clause (the sentence is 无思远人，劳心忉忉。).
    {"思远", Stands::SideBySide, "诗经", "无思远人", "齐风·甫田", ""},
    // Side by side in 楚辞 wins over 诗经, where only one sentence holds them (匪东方则明，月出之光。).
    {"明月", Stands::SideBySide, "楚辞"},
    // 论语 before 唐诗, which has 雅言 side by side too.
    {"雅言", Stands::SideBySide, "论语", "子所雅言", "述而篇", ""},
    // The clause without the quotation mark it opens with (子曰：“温故而知新，可以为师矣。”).
    {"知新", Stands::SideBySide, "论语", "温故而知新", "为政篇", ""},
    // Side by side in 论语 wins over one clause in 诗经 (子惠思我).
    {"子思", Stands::SideBySide, "论语", "君子思不出其位", "宪问篇", ""},
    // Side by side in 唐诗 wins over one clause in 诗经 (悠悠我心; 在河之洲).
    {"悠心", Stands::SideBySide, "唐诗"},
    {"河洲", Stands::SideBySide, "唐诗"},
    // One clause wins over the sentence it stands in (绿兮衣兮，绿衣黄裳。, 绿 and 裳 across the comma).
    {"绿裳", Stands::OneClause, "诗经", "绿衣黄裳", "邶风·绿衣", ""},
    // Only one sentence holds them, across its comma: the whole sentence, as a classic gives it.
    {"淑琴", Stands::AcrossClauses, "诗经", "窈窕淑女，琴瑟友之。", "周南·关雎", ""},
    // Across the comma in 诗经 (陟彼南山，言采其蕨。), as 唐诗 has them in one clause but 3 apart
    // (陇山鹦鹉能言语) and 唐诗 keeps only closer ones.
    {"山言", Stands::AcrossClauses, "诗经"},
};

bool hasClauseMark(std::string_view line)
{
    for (std::string_view mark : {"，", "、", "：", "；", "。", "！", "？"}) {
        if (line.find(mark) != std::string_view::npos)
            return true;
    }
    return false;
}

Stands standsIn(std::string_view line, std::string_view name)
{
    if (hasClauseMark(line))
        return Stands::AcrossClauses;
    return line.find(name) != std::string_view::npos ? Stands::SideBySide : Stands::OneClause;
}

struct WorkRow {
    const char* name;
    bool wholeSentences;
};

const WorkRow kWorks[] = {
    {"诗经", true}, {"楚辞", true}, {"论语", true}, {"唐诗", false}, {"宋词", false},
};

} // namespace

TEST(Poetry, KnownSources)
{
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.name);
        const std::optional<PoemSource> s = poemSource(k.name);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->work, k.work);
        EXPECT_EQ(standsIn(s->line, k.name), k.stands) << s->line;
        if (k.line) {
            EXPECT_EQ(s->line, k.line);
            EXPECT_EQ(s->title, k.title);
            EXPECT_EQ(s->author, k.author);
        }
        const std::u32string chars = decodeUtf8(k.name);
        const std::optional<PoemSource> byChars = poemSource(chars[0], chars[1]);
        ASSERT_TRUE(byChars.has_value());
        EXPECT_EQ(byChars->line.data(), s->line.data());
    }
}

TEST(Poetry, NamesWithoutASource)
{
    const std::pair<const char*, const char*> names[] = {
        {"梓涵", "never together in a line"},
        {"涵梓", "never together in a line"},
        {"子涵", "never together in a line"},
        {"红杨", "only across a comma, in 唐诗 and 宋词"},
        {"彩飞", "only in one clause of 唐诗 or 宋词 with characters between"},
        {"琴淑", "only 3 apart in one clause of 宋词 (琴声清淑)"},
        {"梦花", "side by side in just one clause of 唐诗 and 宋词"},
        {"悠悠", "the same character twice"},
        {"子死", "死 is no name character"},
        {"思", "one character"},
        {"思远人", "three characters"},
        {"", "empty"},
        {"思\xff", "ill-formed"},
        {"\xe6\x80\x9d\xe8\xbf", "cut inside the second character"},
        {"思 ", "a space"},
    };
    for (const auto& [name, why] : names) {
        SCOPED_TRACE(why);
        EXPECT_FALSE(poemSource(name).has_value()) << name;
    }
    const std::pair<char32_t, char32_t> pairs[] = {
        {U'a', U'b'}, {0, 0}, {U'思', 0}, {0x110000, U'远'}, {U'思', 0xD800}, {U'死', U'子'}, {U'远', U'远'},
    };
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(static_cast<unsigned>(a));
        EXPECT_FALSE(poemSource(a, b).has_value());
    }
}

TEST(Poetry, DataDescribesItself)
{
    const PoetryData& data = poetryData();
    ASSERT_TRUE(data.valid());
    EXPECT_EQ(data.packageName(), "chinese-poetry");
    EXPECT_EQ(data.packageVersion(), "2.0.1");
    const std::vector<PoetryWork> works = data.works();
    ASSERT_EQ(works.size(), std::size(kWorks));
    size_t lines = 0, pairs = 0;
    for (size_t i = 0; i < works.size(); ++i) {
        EXPECT_EQ(works[i].name, kWorks[i].name);
        EXPECT_EQ(works[i].wholeSentences, kWorks[i].wholeSentences) << kWorks[i].name;
        EXPECT_GT(works[i].lines, 0u);
        lines += works[i].lines;
        pairs += works[i].pairs;
    }
    EXPECT_EQ(lines, data.lineCount());
    EXPECT_EQ(pairs, data.pairCount());
    EXPECT_GE(data.minLines(), 1u);
}

TEST(Poetry, CoversEveryCandidateCharacter)
{
    // The data is made for the candidate list (or a larger set); a list that grew without the
    // data made again would leave its new characters without sources.
    const PoetryData& data = poetryData();
    std::set<char32_t> candidates;
    for (const CandidateRow& row : kCandidateRows) {
        for (char32_t c : decodeUtf8(row.ch)) {
            candidates.insert(c);
            EXPECT_TRUE(data.covers(c)) << encodeUtf8(c);
        }
    }
    EXPECT_GE(data.characterCount(), candidates.size());
    EXPECT_FALSE(data.covers(U'死'));
}

TEST(Poetry, ZiJinWhenItsCharactersAreNameCharacters)
{
    // 子衿 stands in 诗经 (青青子衿，悠悠我心。) and in two Tang poems; it has its source, the
    // clause, as soon as the character set holds 衿, and none before.
    const std::optional<PoemSource> s = poemSource("子衿");
    if (!poetryData().covers(U'衿')) {
        EXPECT_FALSE(s.has_value());
        return;
    }
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->line, "青青子衿");
    EXPECT_EQ(s->title, "郑风·子衿");
    EXPECT_EQ(s->work, "诗经");
}

namespace {

bool isClauseMark(char32_t c)
{
    return std::u32string_view(U"，、：；。！？").find(c) != std::u32string_view::npos;
}

bool isQuote(char32_t c)
{
    return std::u32string_view(U"“”‘’「」『』").find(c) != std::u32string_view::npos;
}

// What is wrong with a record's line, or nothing. A clause holds first before second, no more
// than maxDistance apart unless its work keeps whole sentences, and no quotation mark; a whole
// sentence (of such a work only) holds them in different clauses and in no single one, where the
// clause would have been given.
std::string lineFault(const PoemPair& p, bool wholeSentences, size_t maxDistance)
{
    const std::u32string line = decodeUtf8(p.source.line);
    if (line.empty())
        return "empty";
    if (std::find_if(line.begin(), line.end(), isClauseMark) == line.end()) {
        if (std::find_if(line.begin(), line.end(), isQuote) != line.end())
            return "a clause with quotation marks";
        for (size_t x = 0; x < line.size(); ++x) {
            if (line[x] != p.first)
                continue;
            for (size_t y = x + 1; y < line.size(); ++y) {
                if (line[y] == p.second && (wholeSentences || maxDistance == 0 || y - x <= maxDistance))
                    return {};
            }
        }
        return "a clause without the pair in order and close enough";
    }
    if (!wholeSentences)
        return "a whole sentence of a work that gives clauses only";
    bool across = false;
    for (size_t x = 0; x < line.size(); ++x) {
        if (line[x] != p.first)
            continue;
        bool markBetween = false;
        for (size_t y = x + 1; y < line.size(); ++y) {
            markBetween = markBetween || isClauseMark(line[y]);
            if (line[y] != p.second)
                continue;
            if (!markBetween)
                return "a whole sentence where one clause holds the pair";
            across = true;
        }
    }
    return across ? std::string{} : "a whole sentence without the pair in order";
}

} // namespace

TEST(Poetry, EveryRecordHoldsItsPairInItsLine)
{
    const PoetryData& data = poetryData();
    ASSERT_TRUE(data.valid());
    ASSERT_GT(data.pairCount(), 0u);
    const std::vector<PoetryWork> works = data.works();
    std::vector<std::string> bad;
    std::set<const char*> linesServed;
    PoemPair previous;
    for (size_t i = 0; i < data.pairCount(); ++i) {
        const PoemPair p = data.pair(i);
        linesServed.insert(p.source.line.data());
        const auto work =
            std::find_if(works.begin(), works.end(), [&p](const PoetryWork& w) { return w.name == p.source.work; });
        std::string fault = work == works.end() ? "no work" : lineFault(p, work->wholeSentences, data.maxDistance());
        const std::optional<PoemSource> found = data.find(p.first, p.second);
        const bool ordered =
            i == 0 || previous.first < p.first || (previous.first == p.first && previous.second < p.second);
        if (p.first == p.second || !ordered)
            fault = "out of order";
        else if (!found || found->line.data() != p.source.line.data() || found->title != p.source.title)
            fault = "not found as listed";
        if (!fault.empty())
            bad.push_back(encodeUtf8(p.first) + encodeUtf8(p.second) + " " + std::string(p.source.line) + ": " + fault);
        previous = p;
    }
    EXPECT_TRUE(bad.empty()) << bad.size() << " bad records, the first: " << bad.front();
    EXPECT_EQ(data.pair(data.pairCount()).first, 0u); // past the end: an empty record
    // Only lines given to some pair are kept.
    EXPECT_EQ(linesServed.size(), data.lineCount());
}

TEST(Poetry, PartnersListThePairsOfTheirFirstCharacter)
{
    // partners and partnersWithWork (through partnersByIndex) give each first character's run
    // of the table: the second characters in order, each with the index in works() of its
    // line's work.
    const PoetryData& data = poetryData();
    const std::vector<PoetryWork> works = data.works();
    std::map<char32_t, std::vector<std::pair<char32_t, std::uint32_t>>> expected;
    for (size_t i = 0; i < data.pairCount(); ++i) {
        const PoemPair p = data.pair(i);
        const auto work =
            std::find_if(works.begin(), works.end(), [&p](const PoetryWork& w) { return w.name == p.source.work; });
        expected[p.first].emplace_back(p.second, static_cast<std::uint32_t>(work - works.begin()));
    }
    ASSERT_FALSE(expected.empty());
    size_t mismatched = 0;
    for (const auto& [first, seconds] : expected) {
        std::vector<std::pair<char32_t, std::uint32_t>> got;
        for (const PoemPartner& partner : data.partnersWithWork(first))
            got.emplace_back(partner.second, partner.work);
        std::vector<char32_t> plain;
        for (const auto& [second, work] : seconds)
            plain.push_back(second);
        if (got != seconds || data.partners(first) != plain)
            ++mismatched;
    }
    EXPECT_EQ(mismatched, 0u);
    // Places and characters of the character set answer each other.
    for (std::uint32_t x = 0; x < data.characterCount(); ++x)
        ASSERT_EQ(data.indexOf(data.charAt(x)), x);
    EXPECT_EQ(data.charAt(static_cast<std::uint32_t>(data.characterCount())), 0u);
    EXPECT_TRUE(data.partnersByIndex(static_cast<std::uint32_t>(data.characterCount())).empty());
    EXPECT_TRUE(data.partnersWithWork(U'死').empty());
    EXPECT_TRUE(PoetryData().partnersWithWork(U'思').empty());
}

namespace {

std::uint32_t get32(const std::string& b, size_t at)
{
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

void put32(std::string& b, size_t at, std::uint32_t v)
{
    for (size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

void put16(std::string& b, size_t at, std::uint16_t v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

// The counts and section offsets of a blob, worked out from its header as the format lays them out.
struct Layout {
    std::uint32_t C, P, L, M, A, W, S, B;
    size_t chars, pairStart, pairs, lineStart, poemStart, poems, authors, works, pool;
};

Layout layoutOf(const std::string& b)
{
    Layout l{};
    l.C = get32(b, 16), l.P = get32(b, 20), l.L = get32(b, 24), l.M = get32(b, 28), l.A = get32(b, 32);
    l.W = get32(b, 36), l.S = get32(b, 40), l.B = get32(b, 68);
    size_t at = 72;
    auto next = [&at](size_t bytes) {
        const size_t start = at;
        at += (bytes + 3) / 4 * 4;
        return start;
    };
    l.chars = next(4 * size_t{l.C});
    l.pairStart = next(4 * (size_t{l.C} + 1));
    l.pairs = next(4 * size_t{l.P});
    l.lineStart = next(4 * (size_t{l.L} + 1));
    l.poemStart = next(4 * (size_t{l.M} + 1));
    l.poems = next(8 * size_t{l.M});
    l.authors = next(8 * size_t{l.A});
    l.works = next(24 * size_t{l.W});
    l.pool = next(l.S);
    return l;
}

// A pair entry: the second character's index above the line bits, the line below.
void putPair(std::string& b, const Layout& l, size_t k, std::uint32_t second, std::uint32_t line)
{
    put32(b, l.pairs + 4 * k, second << l.B | line);
}

std::uint32_t lineOf(const std::string& b, const Layout& l, size_t k)
{
    return get32(b, l.pairs + 4 * k) & ((std::uint32_t{1} << l.B) - 1);
}

// The first character with at least two pairs.
std::uint32_t firstRun(const std::string& b, const Layout& l)
{
    for (std::uint32_t a = 0; a < l.C; ++a) {
        if (get32(b, l.pairStart + 4 * (a + 1)) - get32(b, l.pairStart + 4 * a) >= 2)
            return a;
    }
    return 0;
}

struct Damage {
    const char* what;
    std::function<void(std::string&, const Layout&)> apply;
};

const Damage kDamage[] = {
    {"empty", [](std::string& b, const Layout&) { b.clear(); }},
    {"header only", [](std::string& b, const Layout&) { b.resize(72); }},
    {"one byte short", [](std::string& b, const Layout&) { b.pop_back(); }},
    {"one byte more", [](std::string& b, const Layout&) { b.push_back('\0'); }},
    {"magic", [](std::string& b, const Layout&) { b[0] = 'Y'; }},
    {"format version of the sentence table", [](std::string& b, const Layout&) { put32(b, 8, 1); }},
    {"size field", [](std::string& b, const Layout&) { put32(b, 12, get32(b, 12) - 4); }},
    {"huge character count", [](std::string& b, const Layout&) { put32(b, 16, 0xFFFFFFFF); }},
    {"pair count", [](std::string& b, const Layout& l) { put32(b, 20, l.P + 2); }},
    {"line count", [](std::string& b, const Layout& l) { put32(b, 24, l.L - 1); }},
    {"pool size", [](std::string& b, const Layout& l) { put32(b, 40, l.S + 4); }},
    {"no fewest lines", [](std::string& b, const Layout&) { put32(b, 64, 0); }},
    {"no line bits", [](std::string& b, const Layout&) { put32(b, 68, 0); }},
    {"32 line bits", [](std::string& b, const Layout&) { put32(b, 68, 32); }},
    {"line bits leaving too few for the characters", [](std::string& b, const Layout&) { put32(b, 68, 31); }},
    {"line bits too few for the lines", [](std::string& b, const Layout&) { put32(b, 68, 2); }},
    {"characters out of order", [](std::string& b, const Layout& l) { put32(b, l.chars, get32(b, l.chars + 4)); }},
    {"character past Unicode", [](std::string& b, const Layout& l) { put32(b, l.chars + 4 * (l.C - 1), 0x110000); }},
    {"runs not starting at 0", [](std::string& b, const Layout& l) { put32(b, l.pairStart, 1); }},
    {"runs not ending at the pair count",
     [](std::string& b, const Layout& l) { put32(b, l.pairStart + 4 * l.C, l.P - 1); }},
    {"run past the pairs", [](std::string& b, const Layout& l) { put32(b, l.pairStart + 4, l.P + 1); }},
    {"second character out of range", [](std::string& b, const Layout& l) { putPair(b, l, 0, l.C, lineOf(b, l, 0)); }},
    {"second character equal to the first",
     [](std::string& b, const Layout& l) {
         const std::uint32_t a = firstRun(b, l);
         const std::uint32_t k = get32(b, l.pairStart + 4 * a);
         putPair(b, l, k, a, lineOf(b, l, k));
     }},
    {"second characters out of order",
     [](std::string& b, const Layout& l) {
         const size_t k = l.pairs + 4 * get32(b, l.pairStart + 4 * firstRun(b, l));
         const std::uint32_t first = get32(b, k);
         put32(b, k, get32(b, k + 4));
         put32(b, k + 4, first);
     }},
    {"pair of a line past the end",
     [](std::string& b, const Layout& l) { putPair(b, l, 0, get32(b, l.pairs) >> l.B, l.L); }},
    {"line past the pool", [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4 * l.L, l.S + 1); }},
    {"lines going backwards",
     [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4, get32(b, l.lineStart + 8) + 3); }},
    {"empty line", [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4, get32(b, l.lineStart)); }},
    {"line cut inside a character",
     [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4, get32(b, l.lineStart + 4) + 1); }},
    {"ill-formed text", [](std::string& b, const Layout& l) { b[l.pool] = '\xff'; }},
    {"poems not starting at the first line", [](std::string& b, const Layout& l) { put32(b, l.poemStart, 1); }},
    {"poems not ending at the last line",
     [](std::string& b, const Layout& l) { put32(b, l.poemStart + 4 * l.M, l.L - 1); }},
    {"poem without a line",
     [](std::string& b, const Layout& l) { put32(b, l.poemStart + 4, get32(b, l.poemStart + 8)); }},
    {"poem past the last line, the next one back",
     [](std::string& b, const Layout& l) { put32(b, l.poemStart + 4, l.L + 1000); }},
    {"title past the pool", [](std::string& b, const Layout& l) { put32(b, l.poems, l.S); }},
    {"unknown author", [](std::string& b, const Layout& l) { put16(b, l.poems + 6, static_cast<std::uint16_t>(l.A)); }},
    {"author past the pool", [](std::string& b, const Layout& l) { put32(b, l.authors + 4, l.S + 1); }},
    {"works not covering the lines",
     [](std::string& b, const Layout& l) {
         put32(b, l.works + 24 * (l.W - 1) + 12, get32(b, l.works + 24 * (l.W - 1) + 12) - 1);
     }},
    {"work starting late",
     [](std::string& b, const Layout& l) { put32(b, l.works + 24 + 8, get32(b, l.works + 24 + 8) + 1); }},
    {"work pairs not adding up",
     [](std::string& b, const Layout& l) { put32(b, l.works + 16, get32(b, l.works + 16) + 1); }},
    {"whole sentences neither 0 nor 1", [](std::string& b, const Layout& l) { put32(b, l.works + 20, 2); }},
    {"package name past the pool", [](std::string& b, const Layout& l) { put32(b, 44, l.S); }},
};

} // namespace

TEST(Poetry, DamagedBlobsGiveNoSources)
{
    const std::string original(poetryData().bytes());
    ASSERT_FALSE(original.empty());
    const Layout layout = layoutOf(original);
    ASSERT_EQ(layout.pool + layout.S + (4 - layout.S % 4) % 4, original.size());
    // The damage below needs room for one more line number and two poems.
    ASSERT_LT(layout.L, std::uint32_t{1} << layout.B);
    ASSERT_GE(layout.M, 2u);
    ASSERT_TRUE(PoetryData(original).valid());
    for (const Damage& d : kDamage) {
        SCOPED_TRACE(d.what);
        std::string blob = original;
        d.apply(blob, layout);
        const PoetryData data(blob);
        EXPECT_FALSE(data.valid());
        EXPECT_FALSE(data.find(U'思', U'远').has_value());
        EXPECT_TRUE(data.partnersWithWork(U'思').empty());
        EXPECT_FALSE(data.covers(U'思'));
        EXPECT_EQ(data.pairCount(), 0u);
        EXPECT_EQ(data.pair(0).first, 0u);
        EXPECT_TRUE(data.works().empty());
        EXPECT_TRUE(data.packageName().empty());
    }
}

TEST(Poetry, BlobAtAnyAddress)
{
    // The blob is read byte-wise: a copy one byte off any alignment gives the same sources.
    const std::string_view original = poetryData().bytes();
    std::string shifted(original.size() + 1, '\0');
    std::memcpy(shifted.data() + 1, original.data(), original.size());
    const PoetryData data(std::string_view(shifted).substr(1));
    ASSERT_TRUE(data.valid());
    for (const Known& k : kKnown) {
        const std::u32string chars = decodeUtf8(k.name);
        const std::optional<PoemSource> s = data.find(chars[0], chars[1]);
        const std::optional<PoemSource> expected = poemSource(k.name);
        ASSERT_TRUE(s.has_value() && expected.has_value()) << k.name;
        EXPECT_EQ(s->line, expected->line);
        EXPECT_EQ(s->title, expected->title);
        EXPECT_EQ(s->author, expected->author);
        EXPECT_EQ(s->work, k.work);
    }
    EXPECT_FALSE(PoetryData().find(U'思', U'远').has_value());
}
