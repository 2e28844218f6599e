#include "naming/hints.h"

#include "naming/utf8.h"

#include <array>
#include <cstdint>

namespace xingming::naming {

namespace {

// The hint of a grid number for a man (male) or a woman.
constexpr Hint hintOf(bool male, int number)
{
    switch (number) {
    case 2:
    case 9:
    case 19:
    case 20:
    case 26:
        return {"败财运", "2"};
    case 3:
    case 13:
    case 23:
    case 31:
    case 47:
        return {"首领运", ""};
    case 4:
    case 10:
    case 12:
        return {"败财运、孤独运", "12"};
    case 5:
        if (!male)
            return {};
        return {"双妻运", "1"};
    case 6:
        return {"*", "1"};
    case 14:
    case 21:
        return {"*", "12"};
    case 16:
    case 29:
    case 41:
        if (!male)
            return {"首领运、富贵运", ""};
        return {"首领运、富贵运、双妻运", "1"};
    case 22:
    case 28:
    case 34:
        return {"孤独运", "1"};
    case 24:
    case 33:
        return {"富贵运", ""};
    case 25:
    case 27:
    case 38:
    case 43:
        return {"*", ""};
    default:
        return {};
    }
}

consteval bool everyHintPlain()
{
    for (int number = 0; number <= 100; ++number)
        for (bool male : {true, false})
            if (!isPlainText(hintOf(male, number).text))
                return false;
    return true;
}
static_assert(everyHintPlain(), "the hints are plain text");

// The commentaries of the score bands, the best first; each band from its lowest score on.
constexpr std::array<std::string_view, 7> kCommentaries{
    "你的名字起得非常棒，成功与惊喜会伴随你的一生。但千万注意不要失去上进心。",
    "你的名字起得很好，相信它会助你一生顺利的，祝你好运。",
    "你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。",
    "你的名字还算可以。虽然人生路途中会遇到一些困难，但只要努力，还是会有很多收获的。",
    "你的名字只能算是一般，要想赢得成功，必须比别人付出更多的艰辛和汗水。",
    "你的名字起得不算理想，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。",
    "你的名字结合你的先天条件来看，不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。",
};
constexpr std::array<float, 6> kBandFloors{90, 85, 80, 75, 68, 60};

constexpr std::string_view kMarriageWarning = "可能对婚姻不利\u3000";
constexpr std::string_view kWealthWarning = "需谨慎处理财富";

std::size_t band(float zf)
{
    std::size_t b = 0;
    while (b < kBandFloors.size() && !(zf >= kBandFloors[b]))
        ++b;
    return b;
}

// Which warnings the flags call for: bit 0 marriage, bit 1 wealth.
unsigned warningBits(std::string_view zdp, calendar::Sex sex)
{
    unsigned bits = 0;
    if (zdp.find('1') != std::string_view::npos && sex != calendar::Sex::Female)
        bits |= 1;
    if (zdp.find('2') != std::string_view::npos)
        bits |= 2;
    return bits;
}

// Every commentary with every choice of warnings, laid out while compiling.
constexpr std::size_t kCommentaryCapacity = 192;

struct CommentaryTable {
    std::array<char, 7 * 4 * kCommentaryCapacity> bytes{};
    std::array<std::uint8_t, 7 * 4> sizes{};
    bool fits = true;
};

consteval CommentaryTable buildCommentaries()
{
    CommentaryTable t;
    for (std::size_t b = 0; b < kCommentaries.size(); ++b) {
        for (unsigned bits = 0; bits < 4; ++bits) {
            const std::size_t slot = b * 4 + bits;
            std::size_t size = 0;
            for (std::string_view piece : {kCommentaries[b], bits & 1 ? kMarriageWarning : std::string_view(),
                                           bits & 2 ? kWealthWarning : std::string_view()}) {
                for (char c : piece) {
                    if (size == kCommentaryCapacity) {
                        t.fits = false;
                        break;
                    }
                    t.bytes[slot * kCommentaryCapacity + size++] = c;
                }
            }
            t.sizes[slot] = static_cast<std::uint8_t>(size);
        }
    }
    return t;
}

constexpr CommentaryTable kCommentaryTable = buildCommentaries();
static_assert(kCommentaryTable.fits, "every commentary with its warnings fits its slot");

consteval bool everyCommentaryPlain()
{
    for (std::size_t slot = 0; slot < kCommentaryTable.sizes.size(); ++slot)
        if (!isPlainText({kCommentaryTable.bytes.data() + slot * kCommentaryCapacity, kCommentaryTable.sizes[slot]}))
            return false;
    return true;
}
static_assert(everyCommentaryPlain(), "every commentary with its warnings is plain text");

} // namespace

Hint anshi(calendar::Sex sex, int number)
{
    return hintOf(sex == calendar::Sex::Male, number);
}

std::string_view dianping(float zf)
{
    return kCommentaries[band(zf)];
}

std::string warnings(std::string_view zdp, calendar::Sex sex)
{
    const unsigned bits = warningBits(zdp, sex);
    std::string w;
    if (bits & 1)
        w = kMarriageWarning;
    if (bits & 2)
        w += kWealthWarning;
    return w;
}

std::string_view commentary(float zf, std::string_view zdp, calendar::Sex sex)
{
    const std::size_t slot = band(zf) * 4 + warningBits(zdp, sex);
    return {kCommentaryTable.bytes.data() + slot * kCommentaryCapacity, kCommentaryTable.sizes[slot]};
}

} // namespace xingming::naming
