#include "naming/chartable.h"

#include "naming/chartable_data.h"
#include "naming/utf8.h"

#include <array>

namespace xingming::naming {

namespace {

constexpr std::array<std::string_view, 6> kElementTexts{"木", "火", "土", "金", "水", "?"};

constexpr Element compiledElement(std::string_view text)
{
    for (size_t i = 0; i < 5; ++i) {
        if (text == kElementTexts[i])
            return static_cast<Element>(i);
    }
    return Element::Unknown;
}

// The table expanded from its run listing while compiling: character, element and stroke
// count by position ([0] unused, positions 1 .. 7059). Every character of the table lies in
// the Basic Multilingual Plane and is written with three bytes.
struct CompiledTable {
    std::array<char16_t, kCharTableSize + 1> chars{};
    std::array<Element, kCharTableSize + 1> elements{};
    std::array<std::uint8_t, kCharTableSize + 1> strokes{};
    bool wellFormed = true; // every block as described in chartable_data.h
};

consteval CompiledTable compileTable()
{
    CompiledTable t;
    t.elements[0] = Element::Unknown;
    size_t pos = 1;
    for (const StrokeRun& run : kStrokeRuns) {
        if (static_cast<size_t>(run.first) != pos)
            t.wellFormed = false;
        std::string_view rest = run.blocks;
        while (!rest.empty() && t.wellFormed) {
            const size_t bar = rest.find(" | ");
            const std::string_view block = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 3);
            const size_t blank = block.find(' ');
            if (blank == std::string_view::npos) {
                t.wellFormed = false;
                break;
            }
            const Element e = compiledElement(block.substr(0, blank));
            const std::string_view chars = block.substr(blank + 1);
            for (size_t i = 0; i + 3 <= chars.size() && pos <= kCharTableSize; i += 3) {
                const auto b0 = static_cast<unsigned char>(chars[i]);
                const auto b1 = static_cast<unsigned char>(chars[i + 1]);
                const auto b2 = static_cast<unsigned char>(chars[i + 2]);
                if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
                    t.wellFormed = false;
                t.chars[pos] = static_cast<char16_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F));
                t.elements[pos] = e;
                t.strokes[pos] = static_cast<std::uint8_t>(run.strokes);
                ++pos;
            }
            if (chars.size() % 3 != 0)
                t.wellFormed = false;
        }
        if (pos != static_cast<size_t>(run.last) + 1)
            t.wellFormed = false;
    }
    if (pos != kCharTableSize + 1)
        t.wellFormed = false;
    return t;
}

constexpr CompiledTable kTable = compileTable();
static_assert(kTable.wellFormed, "every run of the character table holds its positions, in three-byte characters");

// The index from code point to first position, over the span of code points the table uses
// (U+4E00 .. U+9FA0), so that a lookup costs one subtraction and one array access.
constexpr char16_t kFirstCode = u'\u4E00';
constexpr char16_t kLastCode = u'\u9FA0';

struct CompiledIndex {
    std::array<std::uint16_t, kLastCode - kFirstCode + 1> positions{}; // 0 = absent
    bool inSpan = true;
};

consteval CompiledIndex compileIndex()
{
    CompiledIndex index;
    // Walking backwards leaves the first occurrence in the index (滢 stands twice).
    for (size_t pos = kCharTableSize; pos >= 1; --pos) {
        const char16_t c = kTable.chars[pos];
        if (c < kFirstCode || c > kLastCode) {
            index.inSpan = false;
            continue;
        }
        index.positions[static_cast<size_t>(c - kFirstCode)] = static_cast<std::uint16_t>(pos);
    }
    return index;
}

constexpr CompiledIndex kIndex = compileIndex();
static_assert(kIndex.inSpan, "every character of the table lies within the span of the index");

constexpr int indexedPosition(char32_t c)
{
    return c >= kFirstCode && c <= kLastCode ? kIndex.positions[static_cast<size_t>(c - kFirstCode)] : 0;
}
static_assert(indexedPosition(U'一') == 1 && indexedPosition(U'王') == 147 && indexedPosition(U'滢') == 6173 &&
              indexedPosition(U'骉') == kCharTableSize && indexedPosition(U'\u4DFF') == 0 &&
              indexedPosition(0x1F600) == 0);

constexpr bool inTable(int position)
{
    return position >= 1 && position <= kCharTableSize;
}

} // namespace

std::string_view elementText(Element e)
{
    return kElementTexts[static_cast<size_t>(e)];
}

Element elementFromText(std::string_view text)
{
    return compiledElement(text);
}

int charPosition(char32_t c)
{
    return indexedPosition(c);
}

int charPosition(std::string_view oneChar)
{
    // The three bytes of a character of the index; anything else goes the long way.
    if (oneChar.size() == 3) {
        const auto b0 = static_cast<unsigned char>(oneChar[0]);
        const auto b1 = static_cast<unsigned char>(oneChar[1]);
        const auto b2 = static_cast<unsigned char>(oneChar[2]);
        if (b0 >= 0xE4 && b0 <= 0xE9 && (b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80)
            return indexedPosition(static_cast<char32_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F)));
    }
    char32_t c = 0;
    return decodeSingle(oneChar, c) ? charPosition(c) : 0;
}

std::int16_t GG(std::int16_t position)
{
    return inTable(position) ? kTable.strokes[static_cast<size_t>(position)] : 1;
}

Element elementAt(int position)
{
    return inTable(position) ? kTable.elements[static_cast<size_t>(position)] : Element::Unknown;
}

char32_t charAt(int position)
{
    return inTable(position) ? kTable.chars[static_cast<size_t>(position)] : 0;
}

const std::string& charTableText()
{
    static const std::string text = [] {
        std::string out;
        out.reserve(3 * kCharTableSize);
        for (int pos = 1; pos <= kCharTableSize; ++pos)
            out += encodeUtf8(charAt(pos));
        return out;
    }();
    return text;
}

const std::string& elementTableText()
{
    static const std::string text = [] {
        std::string out;
        out.reserve(3 * kCharTableSize);
        for (int pos = 1; pos <= kCharTableSize; ++pos)
            out += elementText(elementAt(pos));
        return out;
    }();
    return text;
}

CharInfo lookupChar(std::string_view oneChar)
{
    CharInfo info;
    info.position = charPosition(oneChar);
    info.strokes = GG(static_cast<std::int16_t>(info.position));
    info.element = info.position != 0 ? elementAt(info.position) : Element::Unknown;
    return info;
}

} // namespace xingming::naming
