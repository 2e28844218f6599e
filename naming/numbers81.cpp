#include "naming/numbers81.h"

#include "naming/numbers81_data.h"

#include <array>
#include <string>

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

// The texts of every row for both sexes, built once from the table.
struct Texts {
    std::array<std::string, 81> plainMale, plainFemale, ratedMale, ratedFemale;
};

Texts buildTexts()
{
    Texts t;
    for (size_t i = 0; i < kNumbers81.size(); ++i) {
        const Number81Row& row = kNumbers81[i];
        t.plainMale[i] = std::string(row.plain);
        // Row 39 warns women in its description; 21, 23, 28 and 33 carry that for both sexes.
        t.plainFemale[i] = t.plainMale[i] + (row.number == 39 ? "女性不宜数。" : "");
        // The rating follows without a blank in rows 1 and 21, and in row 33 for a man.
        const bool blankMale = row.number != 1 && row.number != 21 && row.number != 33;
        const bool blankFemale = row.number != 1 && row.number != 21;
        t.ratedMale[i] =
            t.plainMale[i] + (blankMale ? " " : "") + "（" + std::string(ratingText(row.ratingMale)) + "）";
        t.ratedFemale[i] =
            t.plainFemale[i] + (blankFemale ? " " : "") + "（" + std::string(ratingText(row.ratingFemale)) + "）";
    }
    return t;
}

const Texts& texts()
{
    static const Texts t = buildTexts();
    return t;
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
    const size_t i = static_cast<size_t>(number - 1);
    return male ? texts().ratedMale[i] : texts().ratedFemale[i];
}

std::string_view plainText81(int number, bool male)
{
    if (!inRange(number))
        return {};
    const size_t i = static_cast<size_t>(number - 1);
    return male ? texts().plainMale[i] : texts().plainFemale[i];
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
