#include "calendar/pillars.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace xingming::calendar;

TEST(Pillars, StemsBranchesAndTheCycle)
{
    // Numbering of the pillar rules: 1..9 甲..壬 with 0 and 10 for 癸; 1..11 子..戌 with 0 and 12 for 亥.
    EXPECT_EQ(StemName(1), "甲");
    EXPECT_EQ(StemName(9), "壬");
    EXPECT_EQ(StemName(0), "癸");
    EXPECT_EQ(StemName(10), "癸");
    EXPECT_EQ(BranchName(1), "子");
    EXPECT_EQ(BranchName(11), "戌");
    EXPECT_EQ(BranchName(0), "亥");
    EXPECT_EQ(BranchName(12), "亥");
    for (const int n : {-1, 11, INT_MIN, INT_MAX})
        EXPECT_EQ(StemName(n), "") << n;
    for (const int n : {-1, 13, INT_MIN, INT_MAX})
        EXPECT_EQ(BranchName(n), "") << n;

    const auto& cycle = SexagenaryCycle();
    EXPECT_EQ(cycle[0], "甲子");
    EXPECT_EQ(cycle[10], "甲戌");
    EXPECT_EQ(cycle[12], "丙子");
    EXPECT_EQ(cycle[58], "壬戌");
    EXPECT_EQ(cycle[59], "癸亥");
}

TEST(Pillars, ElementOfStemsAndBranches)
{
    // The element table of the stems and branches.
    const struct {
        const char* chars;
        const char* element;
    } rows[] = {{"甲乙寅卯", "木"}, {"丙丁午巳", "火"}, {"戊己辰戌丑未", "土"}, {"庚辛申酉", "金"}, {"壬癸子亥", "水"}};
    for (const auto& r : rows) {
        const std::string_view chars = r.chars;
        for (size_t i = 0; i < chars.size(); i += 3)
            EXPECT_EQ(ElementOf(chars.substr(i, 3)), r.element) << chars.substr(i, 3);
    }
    for (const char* other : {"", "a", "木", "甲子", "甲 ", "\xe7\x94"})
        EXPECT_EQ(ElementOf(other), "") << other;
}

TEST(Pillars, YearMonthDayAndHour)
{
    // Year: from the solar year, changing on 1 January.
    EXPECT_EQ(YearPillar(1984), "甲子");
    EXPECT_EQ(YearPillar(1990), "庚午");
    EXPECT_EQ(YearPillar(1989), "己巳");
    EXPECT_EQ(YearPillar(3), "癸亥");
    EXPECT_EQ(YearPillar(INT_MIN).size(), 6u);
    EXPECT_EQ(YearPillar(INT_MAX).size(), 6u);

    // Month: the first and last month of each stem group, and the example 1990 month 4.
    const struct {
        const char* key;
        int year, month;
        const char* pillar;
    } months[] = {
        {"甲 1984 m1", 1984, 1, "丙寅"},
        {"甲 1984 m12", 1984, 12, "丁丑"},
        {"己 1989 m1", 1989, 1, "丙寅"},
        {"乙 1985 m1", 1985, 1, "戊寅"},
        {"庚 1990 m12", 1990, 12, "己丑"},
        {"丙 1986 m1", 1986, 1, "庚寅"},
        {"丁 1987 m1", 1987, 1, "壬寅"},
        {"戊 1988 m1", 1988, 1, "甲寅"},
        {"癸 1993 m12", 1993, 12, "乙丑"},
        {"庚 1990 m4", 1990, 4, "辛巳"},
        {"m0", 1990, 0, ""},
        {"m13", 1990, 13, ""},
    };
    for (const auto& r : months)
        EXPECT_EQ(MonthPillar(r.year, r.month), r.pillar) << r.key;

    // Day: 15 February 1901 is a 甲子 day; the published reference days.
    const struct {
        const char* key;
        int y, m, d;
        const char* pillar;
    } days[] = {
        {"1901-02-15", 1901, 2, 15, "甲子"}, {"1901-02-14", 1901, 2, 14, "癸亥"}, {"1901-02-16", 1901, 2, 16, "乙丑"},
        {"1900-01-01", 1900, 1, 1, "甲戌"},  {"1949-10-01", 1949, 10, 1, "甲子"}, {"2000-01-01", 2000, 1, 1, "戊午"},
        {"1990-05-17", 1990, 5, 17, "壬午"}, {"1990-02-30", 1990, 2, 30, ""},     {"2001-02-29", 2001, 2, 29, ""},
        {"INT_MAX", INT_MAX, 1, 1, ""},      {"month -1", 1990, -1, 1, ""},       {"day INT_MIN", 1990, 1, INT_MIN, ""},
    };
    for (const auto& r : days)
        EXPECT_EQ(DayPillar(r.y, r.m, r.d), r.pillar) << r.key;

    // Hour: the branch of the hour and the run chosen by the day stem.
    const struct {
        const char* day;
        int hour;
        const char* pillar;
    } hours[] = {
        {"壬午", 18, "己酉"}, {"甲子", 0, "甲子"}, {"甲子", 23, "甲子"}, {"甲子", 1, "乙丑"}, {"己", 22, "乙亥"},
        {"乙丑", 0, "丙子"},  {"庚", 12, "壬午"},  {"丙", 3, "庚寅"},    {"辛", 3, "庚寅"},   {"丁", 5, "癸卯"},
        {"戊", 22, "癸亥"},   {"癸", 21, "癸亥"},  {"壬午", 24, ""},     {"壬午", -1, ""},    {"", 5, ""},
        {"子午", 5, ""},      {"x", 5, ""},
    };
    for (const auto& r : hours)
        EXPECT_EQ(HourPillar(r.day, r.hour), r.pillar) << r.day << " " << r.hour;
}

TEST(Pillars, BirthChartAndItsElements)
{
    // Expected values: the worked example (17 May 1990, hour 18), the leap-month and
    // year-change examples, the conformance sample (1 January 1990).
    const struct {
        const char* key;
        int y, m, d, h;
        const char* chart;
        const char* elements;
    } rows[] = {
        {"1990-05-17 18", 1990, 5, 17, 18, "庚午 辛巳 壬午 己酉", "金火 金火 水火 土金"},
        {"2001-05-23 0, leap month 4", 2001, 5, 23, 0, "辛巳 癸巳 丙戌 戊子", "金火 水火 火土 土水"},
        {"1989-12-31 12", 1989, 12, 31, 12, "己巳 丁丑 乙丑 壬午", "土火 火土 木土 水火"},
        {"1990-01-01 8, lunar 己巳 but year 庚午", 1990, 1, 1, 8, "庚午 己丑 丙寅 壬辰", "金火 土土 火木 水土"},
        {"1990-05-17 24, no hour pillar", 1990, 5, 17, 24, "庚午 辛巳 壬午 ", "金火 金火 水火 "},
        {"1990-02-30", 1990, 2, 30, 8, "", ""},
        {"1899-12-31", 1899, 12, 31, 8, "", ""},
        {"2101-01-01", 2101, 1, 1, 8, "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.key);
        const std::string chart = BirthChart(r.y, r.m, r.d, r.h);
        EXPECT_EQ(chart, r.chart);
        EXPECT_EQ(ChartElements(chart), r.elements);
    }
}

} // namespace
