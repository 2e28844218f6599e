// The numeric value of list texts and the whole-number rules the methods rely on.
#include "fun/fieldvalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace xingming::fun {
namespace {

// The leading decimal number of the text, 0 when it does not begin with one.
TEST(FieldValue, LeadingDecimalNumber)
{
    const struct {
        std::string text;
        double value;
    } rows[] = {
        {"12", 12},  {"030", 30}, {"18.4", 18.4}, {"12abc", 12}, {"", 0},  {"请选择", 0}, {"-3", -3},
        {".5", 0.5}, {"1.", 1},   {"1.2.3", 1.2}, {"1e3", 1},    {"-", 0}, {" 12", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(fieldValue(r.text), r.value) << '"' << r.text << '"';
    // Overlong digit runs saturate instead of failing.
    EXPECT_TRUE(std::isinf(fieldValue(std::string(400, '9'))));
    EXPECT_EQ(fieldValue("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(WholeNumbers, RoundHalfEvenAndInt16Range)
{
    // The methods round to the nearest whole number, halves to the even neighbour: the
    // default rounding mode of std::nearbyint.
    const struct {
        double x, rounded;
    } rows[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {18.4, 18}, {49.6, 50}, {-0.5, 0}};
    for (const auto& r : rows)
        EXPECT_EQ(std::nearbyint(r.x), r.rounded) << r.x;

    EXPECT_TRUE(fitsInt16(-32768));
    EXPECT_FALSE(fitsInt16(32768));
    EXPECT_FALSE(fitsInt16(1.5));
    EXPECT_FALSE(fitsInt16(NAN));
    // 32767.5 rounds to the even 32768, which no longer fits.
    EXPECT_FALSE(fitsInt16(std::nearbyint(32767.5)));
}

} // namespace
} // namespace xingming::fun
