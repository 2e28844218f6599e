#include "naming/numbers81.h"

#include "naming/numbers81_data.h"
#include "naming/utf8.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace xingming::naming {

namespace {

enum class RatingClass { Top, Middle, Low };

RatingClass classOf(Rating81 rating)
{
    switch (rating) {
    case Rating81::GreatGood:
        return RatingClass::Top;
    case Rating81::Good:
    case Rating81::HalfGood:
    case Rating81::Mixed:
        return RatingClass::Middle;
    case Rating81::HalfBad:
    case Rating81::Bad:
    case Rating81::GreatBad:
        break;
    }
    return RatingClass::Low;
}

// The texts of every row for both sexes, laid out while compiling: plain and rated, for a
// man and for a woman, one after the other in one block of bytes.
constexpr std::size_t kTextKinds = 4; // plain male, plain female, rated male, rated female

// Writes the texts through put(slot, piece): slot 4·(number − 1) + kind, its pieces in turn.
template <typename Put> constexpr void layOutTexts(Put put)
{
    for (std::size_t i = 0; i < kNumbers81.size(); ++i) {
        const Number81Row& row = kNumbers81[i];
        // Row 39 warns women in its description; 21, 23, 28 and 33 carry that for both sexes.
        const std::string_view femaleNote = row.number == 39 ? "女性不宜数。" : "";
        // The rating follows without a blank in rows 1 and 21, and in row 33 for a man.
        const std::string_view blankMale = row.number != 1 && row.number != 21 && row.number != 33 ? " " : "";
        const std::string_view blankFemale = row.number != 1 && row.number != 21 ? " " : "";
        const std::size_t slot = i * kTextKinds;
        put(slot, {row.plain});
        put(slot + 1, {row.plain, femaleNote});
        put(slot + 2, {row.plain, blankMale, "（", ratingText(row.ratingMale), "）"});
        put(slot + 3, {row.plain, femaleNote, blankFemale, "（", ratingText(row.ratingFemale), "）"});
    }
}

consteval std::size_t textBytes()
{
    std::size_t size = 0;
    layOutTexts([&](std::size_t, std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            size += piece.size();
    });
    return size;
}

struct Texts {
    std::array<char, textBytes()> bytes{};
    std::array<std::uint32_t, 81 * kTextKinds + 1> starts{};
};

consteval Texts buildTexts()
{
    Texts t;
    std::size_t size = 0;
    layOutTexts([&](std::size_t slot, std::initializer_list<std::string_view> pieces) {
        t.starts[slot] = static_cast<std::uint32_t>(size);
        for (std::string_view piece : pieces)
            for (char c : piece)
                t.bytes[size++] = c;
    });
    t.starts[81 * kTextKinds] = static_cast<std::uint32_t>(size);
    return t;
}

constexpr Texts kTexts = buildTexts();

consteval bool everyTextPlain()
{
    for (std::size_t slot = 0; slot < 81 * kTextKinds; ++slot) {
        const std::string_view text(kTexts.bytes.data() + kTexts.starts[slot],
                                    kTexts.starts[slot + 1] - kTexts.starts[slot]);
        if (!isPlainText(text))
            return false;
    }
    return true;
}
static_assert(everyTextPlain(), "the texts of the 81 numbers are plain text");

std::string_view textAt(int number, std::size_t kind)
{
    const std::size_t slot = static_cast<std::size_t>(number - 1) * kTextKinds + kind;
    return {kTexts.bytes.data() + kTexts.starts[slot],
            static_cast<std::size_t>(kTexts.starts[slot + 1] - kTexts.starts[slot])};
}

bool inRange(int n)
{
    return n >= 1 && n <= 81;
}

} // namespace

std::string_view ratedText81(int number, bool male)
{
    if (!inRange(number))
        return {};
    return textAt(number, male ? 2 : 3);
}

std::string_view plainText81(int number, bool male)
{
    if (!inRange(number))
        return {};
    return textAt(number, male ? 0 : 1);
}

std::optional<Rating81> rating81(int number, bool male)
{
    if (!inRange(number))
        return std::nullopt;
    const Number81Row& row = kNumbers81[static_cast<size_t>(number - 1)];
    return male ? row.ratingMale : row.ratingFemale;
}

LingdongResult lingdong(calendar::Sex sex, Grid grid, int genum)
{
    if (!inRange(genum))
        return {};
    const bool male = sex == calendar::Sex::Male;
    const Rating81 rating = *rating81(genum, male);
    const RatingClass cls = classOf(rating);

    LingdongResult result;
    if (cls == RatingClass::Top || rating == Rating81::Good)
        result.colour = kColourOrange;
    else if (cls == RatingClass::Middle)
        result.colour = kColourOlive;
    result.text = grid == Grid::Tian ? plainText81(genum, male) : ratedText81(genum, male);

    if (cls != RatingClass::Low) {
        const bool top = cls == RatingClass::Top;
        switch (grid) {
        case Grid::Ren:
            result.points = top ? 15 : 10;
            break;
        case Grid::Di:
        case Grid::Zong:
            result.points = top ? 10 : 4;
            break;
        case Grid::Wai:
            result.points = top ? 2 : 1;
            break;
        case Grid::Tian:
            break;
        }
    }
    return result;
}

} // namespace xingming::naming
