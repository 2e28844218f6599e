#include "naming/chartable.h"

#include "naming/chartable_data.h"
#include "naming/utf8.h"

#include <array>
#include <memory>
#include <vector>

namespace xingming::naming {

namespace {

constexpr std::array<std::string_view, 6> kElementTexts{"木", "火", "土", "金", "水", "?"};

// The table expanded once from its run listing: characters and elements by position, and
// an index from code point to first position so that a lookup costs one array access.
struct Table {
    std::vector<char32_t> chars; // [0] unused, positions 1 .. 7059
    std::vector<Element> elements;
    std::vector<std::uint16_t> bmpIndex; // code point (BMP) -> first position, 0 = absent
    std::string charText;
    std::string elementText;
};

Table buildTable()
{
    Table t;
    t.chars.reserve(kCharTableSize + 1);
    t.elements.reserve(kCharTableSize + 1);
    t.chars.push_back(0);
    t.elements.push_back(Element::Unknown);
    for (const StrokeRun& run : kStrokeRuns) {
        std::string_view rest = run.blocks;
        while (!rest.empty()) {
            const size_t bar = rest.find(" | ");
            const std::string_view block = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 3);
            const size_t blank = block.find(' ');
            const Element e = elementFromText(block.substr(0, blank));
            for (char32_t c : decodeUtf8(block.substr(blank + 1))) {
                t.chars.push_back(c);
                t.elements.push_back(e);
            }
        }
    }
    t.bmpIndex.assign(0x10000, 0);
    for (size_t pos = t.chars.size() - 1; pos >= 1; --pos) {
        // Walking backwards leaves the first occurrence in the index (滢 stands twice).
        if (t.chars[pos] < 0x10000)
            t.bmpIndex[t.chars[pos]] = static_cast<std::uint16_t>(pos);
    }
    for (size_t pos = 1; pos < t.chars.size(); ++pos) {
        t.charText += encodeUtf8(t.chars[pos]);
        t.elementText += kElementTexts[static_cast<size_t>(t.elements[pos])];
    }
    return t;
}

const Table& table()
{
    static const Table t = buildTable();
    return t;
}

} // namespace

std::string_view elementText(Element e)
{
    return kElementTexts[static_cast<size_t>(e)];
}

Element elementFromText(std::string_view text)
{
    for (size_t i = 0; i < 5; ++i) {
        if (text == kElementTexts[i])
            return static_cast<Element>(i);
    }
    return Element::Unknown;
}

int charPosition(char32_t c)
{
    // Every character of the table lies in the Basic Multilingual Plane.
    return c < 0x10000 ? table().bmpIndex[c] : 0;
}

int charPosition(std::string_view oneChar)
{
    char32_t c = 0;
    return decodeSingle(oneChar, c) ? charPosition(c) : 0;
}

std::int16_t GG(std::int16_t position)
{
    for (const StrokeRun& run : kStrokeRuns) {
        if (position >= run.first && position <= run.last)
            return static_cast<std::int16_t>(run.strokes);
    }
    return 1;
}

Element elementAt(int position)
{
    const Table& t = table();
    return position >= 1 && position < static_cast<int>(t.elements.size()) ? t.elements[static_cast<size_t>(position)]
                                                                           : Element::Unknown;
}

char32_t charAt(int position)
{
    const Table& t = table();
    return position >= 1 && position < static_cast<int>(t.chars.size()) ? t.chars[static_cast<size_t>(position)] : 0;
}

const std::string& charTableText()
{
    return table().charText;
}

const std::string& elementTableText()
{
    return table().elementText;
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
