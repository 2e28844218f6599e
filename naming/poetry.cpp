#include "naming/poetry.h"

#include "naming/utf8.h"

#include <cstring>

// The blob of naming/data/poetry.dat, put into the read-only data by poetry_data.S.
extern "C" const unsigned char xingming_poetry_data[];
extern "C" const std::uint64_t xingming_poetry_size;

namespace xingming::naming {

namespace {

constexpr std::string_view kMagic = "XMPOETRY";
constexpr std::uint32_t kFormatVersion = 2;
constexpr size_t kHeaderSize = 72;
constexpr size_t kPoemSize = 8;   // u32 title offset, u16 title length, u16 author
constexpr size_t kAuthorSize = 8; // u32 offset, u32 length
// u32 name offset, u32 name length, u32 first line, u32 lines, u32 pairs, u32 whole sentences (0 or 1)
constexpr size_t kWorkSize = 24;

// Header fields by byte offset.
enum HeaderField : size_t {
    kVersionAt = 8,
    kSizeAt = 12,
    kCharCountAt = 16,
    kPairCountAt = 20,
    kLineCountAt = 24,
    kPoemCountAt = 28,
    kAuthorCountAt = 32,
    kWorkCountAt = 36,
    kPoolSizeAt = 40,
    kPackageNameAt = 44,
    kPackageVersionAt = 52,
    kMaxDistanceAt = 60,
    kMinLinesAt = 64,
    kLineBitsAt = 68,
};

constexpr std::uint64_t align4(std::uint64_t n)
{
    return (n + 3) / 4 * 4;
}

} // namespace

PoetryData::PoetryData(std::string_view blob) : blob_(blob)
{
    if (!check())
        *this = PoetryData{};
}

std::uint32_t PoetryData::secondOf(size_t pair) const
{
    return u32(pairsAt_ + 4 * pair) >> lineBits_;
}

std::uint32_t PoetryData::lineOf(size_t pair) const
{
    return u32(pairsAt_ + 4 * pair) & ((std::uint32_t{1} << lineBits_) - 1);
}

std::string_view PoetryData::text(size_t refOffset) const
{
    return blob_.substr(poolAt_ + u32(refOffset), u32(refOffset + 4));
}

bool PoetryData::check()
{
    if (blob_.size() < kHeaderSize || blob_.substr(0, kMagic.size()) != kMagic || u32(kVersionAt) != kFormatVersion ||
        u32(kSizeAt) != blob_.size())
        return false;
    chars_ = u32(kCharCountAt);
    pairs_ = u32(kPairCountAt);
    lines_ = u32(kLineCountAt);
    poems_ = u32(kPoemCountAt);
    authors_ = u32(kAuthorCountAt);
    works_ = u32(kWorkCountAt);
    poolSize_ = u32(kPoolSizeAt);
    maxDistance_ = u32(kMaxDistanceAt);
    minLines_ = u32(kMinLinesAt);
    lineBits_ = u32(kLineBitsAt);
    if (minLines_ < 1)
        return false;
    // A pair entry is second << lineBits | line: both must fit their bits.
    if (lineBits_ < 1 || lineBits_ > 31 || std::uint64_t{chars_} > std::uint64_t{1} << (32 - lineBits_) ||
        std::uint64_t{lines_} > std::uint64_t{1} << lineBits_)
        return false;

    // The sections must fill the blob exactly; sums of 32-bit counts cannot overflow 64 bits.
    std::uint64_t at = kHeaderSize;
    auto section = [&at](std::uint64_t bytes) {
        const std::uint64_t start = at;
        at += align4(bytes);
        return static_cast<size_t>(start);
    };
    charsAt_ = section(4 * std::uint64_t{chars_});
    pairStartAt_ = section(4 * (std::uint64_t{chars_} + 1));
    pairsAt_ = section(4 * std::uint64_t{pairs_});
    lineStartAt_ = section(4 * (std::uint64_t{lines_} + 1));
    poemStartAt_ = section(4 * (std::uint64_t{poems_} + 1));
    poemsAt_ = section(kPoemSize * poems_);
    authorsAt_ = section(kAuthorSize * authors_);
    worksAt_ = section(kWorkSize * works_);
    poolAt_ = section(poolSize_);
    if (at != blob_.size())
        return false;

    const std::string_view pool = blob_.substr(poolAt_, poolSize_);
    auto goodText = [&pool](std::uint64_t offset, std::uint64_t length) {
        return offset + length <= pool.size() && isValidUtf8(pool.substr(offset, length));
    };
    auto goodRef = [&](size_t refOffset) { return goodText(u32(refOffset), u32(refOffset + 4)); };

    // Characters ascending; each first character's pairs a run of ascending second characters.
    for (size_t i = 0; i < chars_; ++i) {
        const std::uint32_t c = u32(charsAt_ + 4 * i);
        if (c > 0x10FFFF || (i > 0 && c <= u32(charsAt_ + 4 * (i - 1))))
            return false;
    }
    if (u32(pairStartAt_) != 0 || u32(pairStartAt_ + 4 * chars_) != pairs_)
        return false;
    for (size_t a = 0; a < chars_; ++a) {
        const std::uint32_t begin = u32(pairStartAt_ + 4 * a);
        const std::uint32_t end = u32(pairStartAt_ + 4 * (a + 1));
        if (end < begin || end > pairs_)
            return false;
        for (std::uint32_t k = begin; k < end; ++k) {
            const std::uint32_t b = secondOf(k);
            if (b >= chars_ || b == a || (k > begin && b <= secondOf(k - 1)) || lineOf(k) >= lines_)
                return false;
        }
    }

    // Lines one after another in the pool, none empty (each holds a pair); the poems' runs of
    // lines from the first line to the last, none empty; titles and authors in the pool.
    for (size_t i = 0; i < lines_; ++i) {
        const std::uint32_t begin = u32(lineStartAt_ + 4 * i);
        const std::uint32_t end = u32(lineStartAt_ + 4 * (i + 1));
        if (end <= begin || !goodText(begin, end - begin))
            return false;
    }
    if (u32(poemStartAt_) != 0 || u32(poemStartAt_ + 4 * poems_) != lines_)
        return false;
    poemOfBlock_.assign((lines_ + kBlockLines - 1) / kBlockLines, 0);
    for (size_t i = 0; i < poems_; ++i) {
        const std::uint32_t begin = u32(poemStartAt_ + 4 * i), end = u32(poemStartAt_ + 4 * (i + 1));
        if (end <= begin || end > lines_)
            return false;
        for (size_t block = (begin + kBlockLines - 1) / kBlockLines; block * kBlockLines < end; ++block)
            poemOfBlock_[block] = static_cast<std::uint32_t>(i);
    }
    for (size_t i = 0; i < poems_; ++i) {
        const size_t p = poemsAt_ + kPoemSize * i;
        if (!goodText(u32(p), u16(p + 4)) || u16(p + 6) >= authors_)
            return false;
    }
    for (size_t i = 0; i < authors_; ++i) {
        if (!goodRef(authorsAt_ + kAuthorSize * i))
            return false;
    }

    // The works follow one another and cover the lines; their pair counts add up.
    std::uint64_t nextLine = 0, pairTotal = 0;
    for (size_t i = 0; i < works_; ++i) {
        const size_t w = worksAt_ + kWorkSize * i;
        if (!goodRef(w) || u32(w + 8) != nextLine || u32(w + 20) > 1)
            return false;
        nextLine += u32(w + 12);
        pairTotal += u32(w + 16);
    }
    return nextLine == lines_ && pairTotal == pairs_ && goodRef(kPackageNameAt) && goodRef(kPackageVersionAt);
}

std::string_view PoetryData::packageName() const
{
    return valid() ? text(kPackageNameAt) : std::string_view{};
}

std::string_view PoetryData::packageVersion() const
{
    return valid() ? text(kPackageVersionAt) : std::string_view{};
}

std::vector<PoetryWork> PoetryData::works() const
{
    std::vector<PoetryWork> out;
    for (size_t i = 0; i < works_; ++i) {
        const size_t w = worksAt_ + kWorkSize * i;
        out.push_back({text(w), u32(w + 12), u32(w + 16), u32(w + 20) == 1});
    }
    return out;
}

PoemSource PoetryData::source(std::uint32_t lineIndex) const
{
    PoemSource s;
    const std::uint32_t begin = u32(lineStartAt_ + 4 * size_t{lineIndex});
    s.line = blob_.substr(poolAt_ + begin, u32(lineStartAt_ + 4 * (size_t{lineIndex} + 1)) - begin);
    // The poem: the last one whose run of lines starts at or before the line, at or after
    // the poem of the first line of the line's block and not after that of the next block.
    const size_t block = lineIndex / kBlockLines;
    size_t lo = poemOfBlock_[block];
    size_t hi = block + 1 < poemOfBlock_.size() ? poemOfBlock_[block + 1] + size_t{1} : poems_;
    while (hi - lo > 1) {
        const size_t mid = lo + (hi - lo) / 2;
        if (u32(poemStartAt_ + 4 * mid) <= lineIndex)
            lo = mid;
        else
            hi = mid;
    }
    const size_t poem = poemsAt_ + kPoemSize * lo;
    s.title = blob_.substr(poolAt_ + u32(poem), u16(poem + 4));
    s.author = text(authorsAt_ + kAuthorSize * u16(poem + 6));
    if (const std::uint32_t work = workOfLine(lineIndex); work < works_)
        s.work = text(worksAt_ + kWorkSize * work);
    return s;
}

std::uint32_t PoetryData::workOfLine(std::uint32_t lineIndex) const
{
    for (size_t w = 0; w < works_; ++w) {
        const size_t at = worksAt_ + kWorkSize * w;
        if (lineIndex - u32(at + 8) < u32(at + 12))
            return static_cast<std::uint32_t>(w);
    }
    return static_cast<std::uint32_t>(works_);
}

std::optional<std::uint32_t> PoetryData::charIndex(char32_t c) const
{
    size_t lo = 0, hi = chars_;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        const std::uint32_t m = u32(charsAt_ + 4 * mid);
        if (m == c)
            return static_cast<std::uint32_t>(mid);
        if (m < c)
            lo = mid + 1;
        else
            hi = mid;
    }
    return std::nullopt;
}

std::optional<PoemSource> PoetryData::find(char32_t first, char32_t second) const
{
    if (!valid() || first == second)
        return std::nullopt;
    const std::optional<std::uint32_t> a = charIndex(first);
    const std::optional<std::uint32_t> b = a ? charIndex(second) : std::nullopt;
    if (!b)
        return std::nullopt;
    return findByIndex(*a, *b);
}

std::optional<PoemSource> PoetryData::findByIndex(std::uint32_t a, std::uint32_t b) const
{
    if (!valid() || a == b || a >= chars_ || b >= chars_)
        return std::nullopt;
    auto [lo, hi] = pairRun(a);
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        const std::uint32_t m = secondOf(mid);
        if (m == b)
            return source(lineOf(mid));
        if (m < b)
            lo = mid + 1;
        else
            hi = mid;
    }
    return std::nullopt;
}

std::pair<size_t, size_t> PoetryData::pairRun(std::uint32_t first) const
{
    return {u32(pairStartAt_ + 4 * size_t{first}), u32(pairStartAt_ + 4 * (size_t{first} + 1))};
}

std::vector<char32_t> PoetryData::partners(char32_t first) const
{
    std::vector<char32_t> out;
    const std::optional<std::uint32_t> a = indexOf(first);
    if (!a)
        return out;
    const auto [lo, hi] = pairRun(*a);
    out.reserve(hi - lo);
    for (size_t i = lo; i < hi; ++i)
        out.push_back(u32(charsAt_ + 4 * size_t{secondOf(i)}));
    return out;
}

std::vector<PoemPartner> PoetryData::partnersWithWork(char32_t first) const
{
    std::vector<PoemPartner> out;
    if (const std::optional<std::uint32_t> a = indexOf(first))
        for (const PoemPartnerIndex& p : partnersByIndex(*a))
            out.push_back({charAt(p.second), p.work});
    return out;
}

std::vector<PoemPartnerIndex> PoetryData::partnersByIndex(std::uint32_t first) const
{
    std::vector<PoemPartnerIndex> out;
    if (!valid() || first >= chars_)
        return out;
    const auto [lo, hi] = pairRun(first);
    out.reserve(hi - lo);
    for (size_t i = lo; i < hi; ++i)
        out.push_back({secondOf(i), workOfLine(lineOf(i))});
    return out;
}

PoemPair PoetryData::pair(size_t index) const
{
    if (!valid() || index >= pairs_)
        return {};
    // The first character: the last one whose run starts at or before index.
    size_t lo = 0, hi = chars_;
    while (hi - lo > 1) {
        const size_t mid = lo + (hi - lo) / 2;
        if (u32(pairStartAt_ + 4 * mid) <= index)
            lo = mid;
        else
            hi = mid;
    }
    PoemPair p;
    p.first = u32(charsAt_ + 4 * lo);
    p.second = u32(charsAt_ + 4 * size_t{secondOf(index)});
    p.source = source(lineOf(index));
    return p;
}

const PoetryData& poetryData()
{
    static const PoetryData data{std::string_view{reinterpret_cast<const char*>(xingming_poetry_data),
                                                  static_cast<size_t>(xingming_poetry_size)}};
    return data;
}

std::optional<PoemSource> poemSource(char32_t first, char32_t second)
{
    return poetryData().find(first, second);
}

std::vector<char32_t> poemPartners(char32_t first)
{
    return poetryData().partners(first);
}

std::optional<PoemSource> poemSource(std::string_view givenName)
{
    if (!isValidUtf8(givenName))
        return std::nullopt;
    const std::u32string chars = decodeUtf8(givenName);
    return chars.size() == 2 ? poemSource(chars[0], chars[1]) : std::nullopt;
}

} // namespace xingming::naming
