// Classical sources of given names (出处): the line of poetry or prose in which the two
// characters of a given name stand together, with its title, author and work. The lines come
// from 诗经, 楚辞, 论语, the complete Tang poems and the Song ci (naming/data/README.md).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace xingming::naming {

// One line and where it stands. The views point into data compiled into the program (or into
// the blob a PoetryData was made from) and stay valid as long as it does.
struct PoemSource {
    // The clause (句) in which both characters stand, without its marks: 青青子衿. Where they
    // stand in different clauses of one sentence (诗经, 楚辞 and 论语 only), the whole sentence
    // with its punctuation: 窈窕淑女，琴瑟友之。
    std::string_view line;
    std::string_view title;  // 郑风·子衿; the tune of a ci; the chapter of 论语
    std::string_view author; // empty where the text names none (诗经, 论语)
    std::string_view work;   // 诗经 楚辞 论语 唐诗 宋词
};

// The source of the given name first + second, in that order. None when the two characters
// are the same, are not both in the character set the data was made for, or never stand
// together in one line as the data keeps them (see PoetryWork::wholeSentences).
std::optional<PoemSource> poemSource(char32_t first, char32_t second);

// The same for a given name of exactly two characters in UTF-8; none for any other text.
std::optional<PoemSource> poemSource(std::string_view givenName);

// Every character second for which poemSource(first, second) finds a line.
std::vector<char32_t> poemPartners(char32_t first);

// A character that follows another in a pair, and the index of its line's work in works().
struct PoemPartner {
    char32_t second = 0;
    std::uint32_t work = 0;
};

// The same seen by place: the second character's place in the data's character set.
struct PoemPartnerIndex {
    std::uint32_t second = 0;
    std::uint32_t work = 0;
};

// A work of the data and how many lines and pairs of characters it gave.
struct PoetryWork {
    std::string_view name;
    std::uint32_t lines = 0;
    std::uint32_t pairs = 0;
    // True: any two characters of one sentence make a pair, across its clauses and at any
    // distance (the classics). False: only two characters of one clause at most
    // PoetryData::maxDistance() apart, and only when they stand so in at least
    // PoetryData::minLines() different clauses of these works.
    bool wholeSentences = false;
};

// One record of the data: an ordered pair of characters and its line.
struct PoemPair {
    char32_t first = 0;
    char32_t second = 0;
    PoemSource source;
};

// A read-only view of a data blob as tools/make-poetry.py writes it: a table of character
// pairs sorted for binary search, the lines grouped by poem and a pool of text, used in place.
// The whole blob is checked once when the view is made; one that fails any check gives an
// invalid view, which finds nothing. The blob must outlive the view.
class PoetryData {
public:
    PoetryData() = default;
    explicit PoetryData(std::string_view blob);

    bool valid() const { return !blob_.empty(); }
    // The blob the view reads; empty for an invalid view.
    std::string_view bytes() const { return blob_; }
    std::optional<PoemSource> find(char32_t first, char32_t second) const;
    // The same for two characters given by their place in the data's character set.
    std::optional<PoemSource> findByIndex(std::uint32_t first, std::uint32_t second) const;
    // The place of c in the data's character set, or nothing when the data lacks it.
    std::optional<std::uint32_t> indexOf(char32_t c) const { return valid() ? charIndex(c) : std::nullopt; }
    // Every character that follows first in a pair of the data, in the table's order.
    std::vector<char32_t> partners(char32_t first) const;
    // The same with the index (in works()) of the work each pair's line comes from.
    std::vector<PoemPartner> partnersWithWork(char32_t first) const;
    // The same for the character at place first of the character set, each second character
    // by its place: no character is looked up.
    std::vector<PoemPartnerIndex> partnersByIndex(std::uint32_t first) const;
    // The character at a place of the character set; 0 past its end.
    char32_t charAt(std::uint32_t index) const { return index < chars_ ? u32(charsAt_ + 4 * size_t{index}) : 0; }
    // True when c is in the character set the data was made for.
    bool covers(char32_t c) const { return charIndex(c).has_value(); }

    std::string_view packageName() const;
    std::string_view packageVersion() const;
    size_t characterCount() const { return chars_; }
    size_t pairCount() const { return pairs_; }
    size_t lineCount() const { return lines_; }
    // The longest distance in characters between the two characters of a pair from a work
    // without whole sentences (1: side by side); 0 for any.
    size_t maxDistance() const { return maxDistance_; }
    // The fewest different clauses of the works without whole sentences a pair from them
    // stands in (1: every pair).
    size_t minLines() const { return minLines_; }
    std::vector<PoetryWork> works() const;

    // The record at index (0 <= index < pairCount()), in the order of the table.
    PoemPair pair(size_t index) const;

private:
    bool check();
    std::uint32_t u32(size_t offset) const;
    std::uint16_t u16(size_t offset) const;
    std::uint32_t secondOf(size_t pair) const;     // index into the characters of a pair's second character
    std::uint32_t lineOf(size_t pair) const;       // the line of a pair
    std::string_view text(size_t refOffset) const; // the pool text a (u32 offset, u32 length) at refOffset names
    PoemSource source(std::uint32_t lineIndex) const;
    std::uint32_t workOfLine(std::uint32_t lineIndex) const; // index in works(); works_ for none
    std::optional<std::uint32_t> charIndex(char32_t c) const;
    // The pairs [first, second) whose first character is the one at place first (< chars_).
    std::pair<size_t, size_t> pairRun(std::uint32_t first) const;

    std::string_view blob_;
    // The poem of the first line of every block of kBlockLines lines: where the search for
    // a line's poem starts.
    static constexpr size_t kBlockLines = 64;
    std::vector<std::uint32_t> poemOfBlock_;
    size_t chars_ = 0, pairs_ = 0, lines_ = 0, poems_ = 0, authors_ = 0, works_ = 0, maxDistance_ = 0, minLines_ = 0,
           lineBits_ = 0;
    // Byte offsets of the sections in the blob.
    size_t charsAt_ = 0, pairStartAt_ = 0, pairsAt_ = 0, lineStartAt_ = 0, poemStartAt_ = 0, poemsAt_ = 0,
           authorsAt_ = 0, worksAt_ = 0, poolAt_ = 0, poolSize_ = 0;
};

// The blob may sit at any address: read byte-wise, little-endian.
inline std::uint32_t PoetryData::u32(size_t offset) const
{
    unsigned char b[4];
    std::memcpy(b, blob_.data() + offset, 4);
    return static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16) | static_cast<std::uint32_t>(b[3]) << 24;
}

inline std::uint16_t PoetryData::u16(size_t offset) const
{
    unsigned char b[2];
    std::memcpy(b, blob_.data() + offset, 2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

// The data compiled into the program.
const PoetryData& poetryData();

} // namespace xingming::naming
