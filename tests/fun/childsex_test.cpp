// Child-sex prediction: the four methods, the ages of birth-date mode and the quiet refusal of
// values outside the 16-bit range.
#include "fun/childsex.h"

#include <gtest/gtest.h>

#include <string>

namespace xingming::fun {
namespace {

// The conception year must be chosen in age mode too, although no method reads it there.
ChildSexForm ageForm(std::string W, std::string H, std::string CM)
{
    return {InputMode::Age, std::move(W), std::move(H), "2015", std::move(CM)};
}

ChildSexForm birthForm(std::string W, std::string WM, std::string H, std::string HM, std::string CY, std::string CM)
{
    return {InputMode::Birth, std::move(W), std::move(H), std::move(CY), std::move(CM), std::move(WM), std::move(HM)};
}

constexpr std::string_view B = kBoy;
constexpr std::string_view G = kGirl;
constexpr std::string_view none = kNoChartEntry;

struct PredictionRow {
    const char* name;
    ChildSexForm form;
    std::string_view g1, g2, g3, g4;
};

// Expected values: the page's documented examples (the first two rows) and
// hand computations with the chart: N = WA + 1, S = 68 - WA + CM, T = floor((WA + HA + CM) / 3),
// the parity table of HA, WA, CM; fractions rounded halves to even.
TEST(ChildSex, FourMethods)
{
    const PredictionRow rows[] = {
        {"age 24 26 month 3", ageForm("24", "26", "3"), B, B, B, B},
        {"age 30 31 month 6", ageForm("30", "31", "6"), G, G, G, G},
        {"age 40 last chart row", ageForm("40", "20", "1"), B, B, G, B},
        {"age 17 below the chart", ageForm("17", "32", "9"), none, G, B, G},
        // S = 68 - 70 + 1 = -1, odd although negative.
        {"age 70 negative book sum", ageForm("70", "19", "1"), none, B, G, B},
        // N = 19.5 -> 20 (not 19), S = 50.5 -> 50, the parity of 18.5 that of 18.
        {"age 18.5 halves to even", ageForm("18.5", "20", "1"), G, G, B, B},
        // "030" is 30; month 3.5 takes the row's default, S = 41.5 -> 42, parity of 3.5 -> 4.
        {"typed 030 month 3.5", ageForm("030", "26", "3.5"), G, G, B, G},
        // 18.4 -> N 19, "x" and "abc" are 0: month 0 takes the default, S = 49.6 -> 50.
        {"typed 18.4 x abc", ageForm("18.4", "x", "abc"), B, G, G, G},
        // WA = 2015 - 1990 = 25 (birthday in the conception month), HA = 27.
        {"birth 1990-3 1988 2015-3", birthForm("1990", "3", "1988", "请选择", "2015", "3"), B, G, G, B},
        // WA = -1: no chart row, the other three still answer.
        {"birth in the conception year", birthForm("2015", "5", "1985", "1", "2015", "3"), none, G, G, G},
        // WA = HA = -1, T = floor(-1 / 3) = -1 (odd), not the truncated 0.
        {"birth negative couple sum", birthForm("2001", "1", "2001", "1", "2000", "1"), none, G, B, B},
        // "abc" is 0: WA = 2015 (N 2016, no row); HA = 2015 - 1987.5 - 1 = 26.5 -> 26.
        {"typed birth abc 1987.5", birthForm("abc", "2.5", "1987.5", "5", "2015", "4.5"), none, G, G, B},
    };
    for (const auto& r : rows) {
        const auto p = predict(r.form);
        ASSERT_TRUE(p) << r.name;
        EXPECT_EQ(p->LjieG1, r.g1) << r.name;
        EXPECT_EQ(p->chartAnswered, r.g1 != none) << r.name;
        EXPECT_EQ(p->LjieG2, r.g2) << r.name;
        EXPECT_EQ(p->LjieG3, r.g3) << r.name;
        EXPECT_EQ(p->LjieG4, r.g4) << r.name;
    }
}

// Conception 2015 month 3, wife born 1990: a birthday after the conception month takes a
// year off; the same month or an unchosen one (0) counts as reached.
TEST(ChildSex, BirthDateModeAges)
{
    const struct {
        const char* wifeMonth;
        double WA;
    } rows[] = {{"5", 24}, {"3", 25}, {"请选择", 25}, {"2", 25}, {"3.5", 24}};
    for (const auto& r : rows) {
        const auto f = birthForm("1990", r.wifeMonth, "1988", "12", "2015", "3");
        const Ages a = workOutAges(InputMode::Birth, storedSelections(f));
        EXPECT_EQ(a.WA, r.WA) << r.wifeMonth;
        EXPECT_EQ(a.HA, 26) << r.wifeMonth;
    }
}

TEST(ChildSex, ChartRowsAndExactMonthColumn)
{
    EXPECT_FALSE(ycQg(18, 1));
    EXPECT_EQ(ycQg(41, 12), B);
    EXPECT_FALSE(ycQg(42, 1));
    // Row 31: month 1 is B, the default G; only an exact whole month takes a column.
    EXPECT_EQ(ycQg(31, 1), B);
    EXPECT_EQ(ycQg(31, 1.5), G);
    EXPECT_EQ(ycQg(31, 13), G);
}

// A whole-number form outside -32768 .. 32767 refuses the prediction without a crash; the page
// keeps whatever it showed.
TEST(ChildSex, Int16OverflowIsRefusedQuietly)
{
    const struct {
        const char* name;
        ChildSexForm form;
    } rows[] = {
        {"age 40000", ageForm("40000", "26", "3")},
        {"month 32767.5", ageForm("24", "26", "32767.5")},
        {"400 digits", ageForm(std::string(400, '9'), "26", "3")},
        {"age -32768: nominal fits, book sum does not", ageForm("-32768", "26", "3")},
        {"birth WA 65535", birthForm("-32768", "1", "1988", "1", "32767", "3")},
        {"birth month 99999", birthForm("1990", "99999", "1988", "1", "2015", "3")},
    };
    for (const auto& r : rows)
        EXPECT_FALSE(predict(r.form)) << r.name;

    // Lists that age mode does not read may hold anything.
    ChildSexForm f = ageForm("24", "26", "3");
    f.CobNL3 = "99999";
    f.Cobdt1 = std::string(400, '9');
    EXPECT_TRUE(predict(f));
}

TEST(ChildSex, StartButtonNeedsTheFourLists)
{
    EXPECT_FALSE(cobEan(ChildSexForm{}));
    ChildSexForm f = ageForm("24", "26", "3");
    EXPECT_TRUE(cobEan(f)); // birth months unchosen do not matter
    f.CobNL3 = std::string(kUnchosen);
    EXPECT_FALSE(cobEan(f)); // the conception year counts even in age mode
    f.CobNL3 = "abc";
    EXPECT_TRUE(cobEan(f)); // any typed text counts as chosen
    f.CobNL4 = "请选择 ";
    EXPECT_TRUE(cobEan(f)); // the comparison is exact
}

} // namespace
} // namespace xingming::fun
