// Classical sources of given names: known sources and the order of preference behind them,
// names without one, a sweep over every record of the compiled-in data, and damaged blobs.
#include "naming/namecandidates_data.h"
#include "naming/poetry.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace xingming::naming;

namespace {

struct Known {
    const char* name;
    const char* line;
    const char* title;
    const char* author;
    const char* work;
};

// Each row says why its line wins over the others that hold the same two characters.
const Known kKnown[] = {
    // Side by side in 诗经; the earlier of the two such lines of the poem (…劳心怛怛 follows).
    {"思远", "无思远人，劳心忉忉。", "齐风·甫田", "", "诗经"},
    // Side by side in 楚辞 wins over 诗经, where only the whole line holds them (匪东方则明，月出之光。).
    {"明月", "带长铗之陆离兮，冠切云之崔嵬，被明月兮佩宝璐。", "涉江", "屈原", "楚辞"},
    // 论语 before 唐诗, which has 雅言 side by side too.
    {"雅言", "子所雅言，《诗》、《书》、执礼，皆雅言也。", "述而篇", "", "论语"},
    {"天一", "故人天一涯，久客殊未回。", "鼓吹曲辞 临高台", "僧贯休", "唐诗"},
    // Side by side in 唐诗 wins over one half in 诗经 (青青子衿，悠悠我心。 / 在河之洲).
    {"悠心", "日落水云里，悠悠心自伤。", "湘夫人", "邹绍先", "唐诗"},
    {"河洲", "河洲在咏，风化攸归。", "中和乐九章 歌中宫第五", "卢照邻", "唐诗"},
    // One half in 唐诗 wins over the whole line in 诗经 (陟彼南山，言采其蕨。).
    {"山言", "陇山鹦鹉能言语，为报闺人数寄书。", "杂曲歌辞 簇拍陆州", "不详", "唐诗"},
    // Only the whole line holds them, anywhere.
    {"淑琴", "窈窕淑女，琴瑟友之。", "周南·关雎", "", "诗经"},
    // The other order is another pair; 、 parts a line like a comma.
    {"琴淑", "雨歇前林，薰风度、琴声清淑。", "满江红", "李漳", "宋词"},
    {"雨桐", "门外湖光清似玉，雨桐烟柳扶疏。", "临江仙", "陈允平", "宋词"},
};

const char* const kWorks[] = {"诗经", "楚辞", "论语", "唐诗", "宋词"};

} // namespace

TEST(Poetry, KnownSources)
{
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.name);
        const std::optional<PoemSource> s = poemSource(k.name);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->line, k.line);
        EXPECT_EQ(s->title, k.title);
        EXPECT_EQ(s->author, k.author);
        EXPECT_EQ(s->work, k.work);
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
        EXPECT_EQ(works[i].name, kWorks[i]);
        EXPECT_GT(works[i].lines, 0u);
        lines += works[i].lines;
        pairs += works[i].pairs;
    }
    EXPECT_EQ(lines, data.lineCount());
    EXPECT_EQ(pairs, data.pairCount());
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
    // 子衿 stands in 诗经 (青青子衿，悠悠我心。) and in two Tang poems; it has its source as
    // soon as the character set holds 衿, and none before.
    const std::optional<PoemSource> s = poemSource("子衿");
    if (!poetryData().covers(U'衿')) {
        EXPECT_FALSE(s.has_value());
        return;
    }
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->line, "青青子衿，悠悠我心。");
    EXPECT_EQ(s->title, "郑风·子衿");
    EXPECT_EQ(s->work, "诗经");
}

TEST(Poetry, EveryRecordHoldsItsPairInItsLine)
{
    const PoetryData& data = poetryData();
    ASSERT_TRUE(data.valid());
    ASSERT_GT(data.pairCount(), 0u);
    const std::set<std::string_view> works(std::begin(kWorks), std::end(kWorks));
    const size_t maxDistance = data.maxDistance();
    std::vector<std::string> bad;
    PoemPair previous;
    for (size_t i = 0; i < data.pairCount(); ++i) {
        const PoemPair p = data.pair(i);
        const std::u32string line = decodeUtf8(p.source.line);
        bool holds = false;
        for (size_t x = 0; x < line.size() && !holds; ++x) {
            if (line[x] != p.first)
                continue;
            for (size_t y = x + 1; y < line.size() && (maxDistance == 0 || y - x <= maxDistance); ++y) {
                if (line[y] == p.second) {
                    holds = true;
                    break;
                }
            }
        }
        const std::optional<PoemSource> found = data.find(p.first, p.second);
        const bool ordered =
            i == 0 || previous.first < p.first || (previous.first == p.first && previous.second < p.second);
        if (!holds || p.first == p.second || !ordered || !works.count(p.source.work) || !found ||
            found->line.data() != p.source.line.data() || found->title != p.source.title)
            bad.push_back(encodeUtf8(p.first) + encodeUtf8(p.second) + " " + std::string(p.source.line));
        previous = p;
    }
    EXPECT_TRUE(bad.empty()) << bad.size() << " bad records, the first: " << bad.front();
    EXPECT_EQ(data.pair(data.pairCount()).first, 0u); // past the end: an empty record
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
    std::uint32_t C, P, L, M, A, W, S;
    size_t chars, pairStart, pairLine, pairSecond, lineStart, linePoem, poems, authors, works, pool;
};

Layout layoutOf(const std::string& b)
{
    Layout l{};
    l.C = get32(b, 16), l.P = get32(b, 20), l.L = get32(b, 24), l.M = get32(b, 28), l.A = get32(b, 32);
    l.W = get32(b, 36), l.S = get32(b, 40);
    size_t at = 64;
    auto next = [&at](size_t bytes) {
        const size_t start = at;
        at += (bytes + 3) / 4 * 4;
        return start;
    };
    l.chars = next(4 * size_t{l.C});
    l.pairStart = next(4 * (size_t{l.C} + 1));
    l.pairLine = next(4 * size_t{l.P});
    l.pairSecond = next(2 * size_t{l.P});
    l.lineStart = next(4 * (size_t{l.L} + 1));
    l.linePoem = next(4 * size_t{l.L});
    l.poems = next(8 * size_t{l.M});
    l.authors = next(8 * size_t{l.A});
    l.works = next(20 * size_t{l.W});
    l.pool = next(l.S);
    return l;
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
    {"header only", [](std::string& b, const Layout&) { b.resize(64); }},
    {"one byte short", [](std::string& b, const Layout&) { b.pop_back(); }},
    {"one byte more", [](std::string& b, const Layout&) { b.push_back('\0'); }},
    {"magic", [](std::string& b, const Layout&) { b[0] = 'Y'; }},
    {"format version", [](std::string& b, const Layout&) { put32(b, 8, 2); }},
    {"size field", [](std::string& b, const Layout&) { put32(b, 12, get32(b, 12) - 4); }},
    {"huge character count", [](std::string& b, const Layout&) { put32(b, 16, 0xFFFFFFFF); }},
    {"pair count", [](std::string& b, const Layout& l) { put32(b, 20, l.P + 2); }},
    {"line count", [](std::string& b, const Layout& l) { put32(b, 24, l.L - 1); }},
    {"pool size", [](std::string& b, const Layout& l) { put32(b, 40, l.S + 4); }},
    {"characters out of order", [](std::string& b, const Layout& l) { put32(b, l.chars, get32(b, l.chars + 4)); }},
    {"character past Unicode", [](std::string& b, const Layout& l) { put32(b, l.chars + 4 * (l.C - 1), 0x110000); }},
    {"runs not starting at 0", [](std::string& b, const Layout& l) { put32(b, l.pairStart, 1); }},
    {"runs not ending at the pair count",
     [](std::string& b, const Layout& l) { put32(b, l.pairStart + 4 * l.C, l.P - 1); }},
    {"run past the pairs", [](std::string& b, const Layout& l) { put32(b, l.pairStart + 4, l.P + 1); }},
    {"second character out of range", [](std::string& b, const Layout& l) { put16(b, l.pairSecond, 0xFFFF); }},
    {"second character equal to the first",
     [](std::string& b, const Layout& l) {
         const std::uint32_t a = firstRun(b, l);
         put16(b, l.pairSecond + 2 * get32(b, l.pairStart + 4 * a), static_cast<std::uint16_t>(a));
     }},
    {"second characters out of order",
     [](std::string& b, const Layout& l) {
         const size_t k = l.pairSecond + 2 * get32(b, l.pairStart + 4 * firstRun(b, l));
         std::swap(b[k], b[k + 2]);
         std::swap(b[k + 1], b[k + 3]);
     }},
    {"pair of a line past the end", [](std::string& b, const Layout& l) { put32(b, l.pairLine, l.L); }},
    {"line past the pool", [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4 * l.L, l.S + 1); }},
    {"lines going backwards",
     [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4, get32(b, l.lineStart + 8) + 3); }},
    {"line cut inside a character",
     [](std::string& b, const Layout& l) { put32(b, l.lineStart + 4, get32(b, l.lineStart + 4) + 1); }},
    {"ill-formed text", [](std::string& b, const Layout& l) { b[l.pool] = '\xff'; }},
    {"line of an unknown poem", [](std::string& b, const Layout& l) { put32(b, l.linePoem, l.M); }},
    {"title past the pool", [](std::string& b, const Layout& l) { put32(b, l.poems, l.S); }},
    {"unknown author", [](std::string& b, const Layout& l) { put16(b, l.poems + 6, static_cast<std::uint16_t>(l.A)); }},
    {"author past the pool", [](std::string& b, const Layout& l) { put32(b, l.authors + 4, l.S + 1); }},
    {"works not covering the lines",
     [](std::string& b, const Layout& l) {
         put32(b, l.works + 20 * (l.W - 1) + 12, get32(b, l.works + 20 * (l.W - 1) + 12) - 1);
     }},
    {"work starting late",
     [](std::string& b, const Layout& l) { put32(b, l.works + 20 + 8, get32(b, l.works + 20 + 8) + 1); }},
    {"work pairs not adding up",
     [](std::string& b, const Layout& l) { put32(b, l.works + 16, get32(b, l.works + 16) + 1); }},
    {"package name past the pool", [](std::string& b, const Layout& l) { put32(b, 44, l.S); }},
};

} // namespace

TEST(Poetry, DamagedBlobsGiveNoSources)
{
    const std::string original(poetryData().bytes());
    ASSERT_FALSE(original.empty());
    const Layout layout = layoutOf(original);
    ASSERT_EQ(layout.pool + layout.S + (4 - layout.S % 4) % 4, original.size());
    ASSERT_TRUE(PoetryData(original).valid());
    for (const Damage& d : kDamage) {
        SCOPED_TRACE(d.what);
        std::string blob = original;
        d.apply(blob, layout);
        const PoetryData data(blob);
        EXPECT_FALSE(data.valid());
        EXPECT_FALSE(data.find(U'思', U'远').has_value());
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
        ASSERT_TRUE(s.has_value()) << k.name;
        EXPECT_EQ(s->line, k.line);
        EXPECT_EQ(s->work, k.work);
    }
    EXPECT_FALSE(PoetryData().find(U'思', U'远').has_value());
}
