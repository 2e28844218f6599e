#include "naming/numbers81.h"

#include "naming/numbers81_data.h"

#include <array>
#include <string>

namespace xingming::naming {

namespace {

enum class RatingClass { Top, Middle, Low };

RatingClass classOf(std::string_view rating)
{
    if (rating == "大吉")
        return RatingClass::Top;
    if (rating == "吉" || rating == "半吉" || rating == "半吉半凶")
        return RatingClass::Middle;
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
        t.ratedMale[i] = t.plainMale[i] + (blankMale ? " " : "") + "（" + std::string(row.ratingMale) + "）";
        t.ratedFemale[i] = t.plainFemale[i] + (blankFemale ? " " : "") + "（" + std::string(row.ratingFemale) + "）";
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

std::string_view rating81(int number, bool male)
{
    if (!inRange(number))
        return {};
    const Number81Row& row = kNumbers81[static_cast<size_t>(number - 1)];
    return male ? row.ratingMale : row.ratingFemale;
}

LingdongResult lingdong(std::string_view sex, std::string_view whichG, int genum, float& zf)
{
    if (!inRange(genum))
        return {};
    const bool male = sex == "男";
    const std::string_view rating = rating81(genum, male);
    const RatingClass cls = classOf(rating);

    LingdongResult result;
    if (cls == RatingClass::Top || rating == "吉")
        result.colour = kColourOrange;
    else if (cls == RatingClass::Middle)
        result.colour = kColourOlive;
    result.text = whichG == "t" ? plainText81(genum, male) : ratedText81(genum, male);

    // Points by grid: 人格 15/10, 地格 and 总格 10/4, 外格 2/1, 天格 nothing.
    float points = 0;
    if (cls != RatingClass::Low) {
        const bool top = cls == RatingClass::Top;
        if (whichG == "r")
            points = top ? 15 : 10;
        else if (whichG == "d" || whichG == "z")
            points = top ? 10 : 4;
        else if (whichG == "w")
            points = top ? 2 : 1;
    }
    zf += points;
    return result;
}

} // namespace xingming::naming
