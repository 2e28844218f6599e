#include "naming/namecandidates.h"

#include "naming/chartable.h"

#include <algorithm>
#include <cstdint>

namespace xingming::naming {

namespace {

struct CandidateKey {
    char32_t code = 0;
    std::uint16_t row = 0;
};

// The code point of a text of exactly one well-formed character of two to four bytes, or 0.
constexpr char32_t singleCharacter(std::string_view s)
{
    if (s.size() < 2 || s.size() > 4)
        return 0;
    const auto lead = static_cast<unsigned char>(s[0]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length != s.size())
        return 0;
    char32_t c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (b & 0x3F);
    }
    return c;
}

struct CandidateIndex {
    std::array<CandidateKey, kCandidateRows.size()> keys{};
    bool wellFormed = true; // one character a row, no character twice
};

consteval CandidateIndex compileCandidateIndex()
{
    CandidateIndex index;
    for (size_t i = 0; i < kCandidateRows.size(); ++i) {
        index.keys[i] = {singleCharacter(kCandidateRows[i].ch), static_cast<std::uint16_t>(i)};
        if (index.keys[i].code == 0)
            index.wellFormed = false;
    }
    std::sort(index.keys.begin(), index.keys.end(),
              [](const CandidateKey& a, const CandidateKey& b) { return a.code < b.code; });
    for (size_t i = 1; i < index.keys.size(); ++i)
        if (index.keys[i - 1].code == index.keys[i].code)
            index.wellFormed = false;
    return index;
}

constexpr CandidateIndex kCandidateIndex = compileCandidateIndex();
static_assert(kCandidateIndex.wellFormed, "every candidate row holds one character, and none stands twice");

} // namespace

const CandidateRow* candidateRow(char32_t c)
{
    // A candidate is a character of the table.
    if (charPosition(c) == 0)
        return nullptr;
    const auto& keys = kCandidateIndex.keys;
    const auto it = std::lower_bound(keys.begin(), keys.end(), c,
                                     [](const CandidateKey& k, char32_t code) { return k.code < code; });
    return it != keys.end() && it->code == c ? &kCandidateRows[it->row] : nullptr;
}

} // namespace xingming::naming
