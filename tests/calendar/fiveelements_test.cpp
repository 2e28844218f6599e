#include "calendar/fiveelements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace xingming::calendar;

TEST(FiveElementSentence, LacksInFixedOrderThenTheDayMaster)
{
    const struct {
        const char* elements;
        const char* sentence;
    } rows[] = {
        // the worked example of 17 May 1990
        {"金火 金火 水火 土金", "此命五行缺木；日主天干为水；必须有木助，但忌火太多。"},
        // all five present
        {"木火 土金 水火 火火", "此命五行比较平衡；日主天干为水；必须有木助，但忌火太多。"},
        // several missing: listed 木 火 土 金 水 whatever the chart's order
        {"水水 金水 火水 水金", "此命五行缺木缺土；日主天干为火；必须有土助，但忌金太多。"},
        // only presence counts: four 火 and one each of the others
        {"火火 木火 土火 金水", "此命五行比较平衡；日主天干为土；必须有金助，但忌水太多。"},
        {"金金 水水 木木 金金", "此命五行缺火缺土；日主天干为木；必须有火助，但忌土太多。"},
        {"土土 土土 金土 土土", "此命五行缺木缺火缺水；日主天干为金；必须有水助，但忌木太多。"},
        // no day master at character 7
        {"", "此命五行缺木缺火缺土缺金缺水"},
        {"金火 金火 ", "此命五行缺木缺土缺水"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FiveElementSentence(r.elements), r.sentence) << r.elements;
}

TEST(DoubleHourName, HourRanges)
{
    const struct {
        double hour;
        const char* name;
    } rows[] = {
        {0, "子时"},    {0.99, "子时"}, {1, "丑时"},  {2.5, "丑时"}, {3, "寅时"},     {11, "午时"},
        {18, "酉时"},   {19, "戌时"},   {20, "戌时"}, {21, "亥时"},  {22.99, "亥时"}, {23, "子时"},
        {23.5, "子时"}, {-0.5, ""},     {24, ""},     {1e300, ""},   {NAN, ""},       {-INFINITY, ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(doubleHourName(r.hour), r.name) << r.hour;
}

struct ChartRow {
    const char* key;
    BirthDate birth;
    const char* nongli;
    const char* bazhi;
    const char* wuhang;
    const char* whstr;
};

// Expected values: the worked example (17 May 1990, hour 18), its other hours and the
// new-year case of 1 January 1990 from the name-test report, and the conformance sample
// (a leap month, the last day of lunar 2068 that the mended entry restores).
const ChartRow kChartRows[] = {
    {"1990-05-17 18",
     {"1990", "5", "17", "18"},
     "庚午(马)年四月廿三酉时",
     "庚午 辛巳 壬午 己酉",
     "金火 金火 水火 土金",
     "此命五行缺木；日主天干为水；必须有木助，但忌火太多。"},
    {"1990-05-17 18 leading zeros",
     {"1990", "05", "017", "018"},
     "庚午(马)年四月廿三酉时",
     "庚午 辛巳 壬午 己酉",
     "金火 金火 水火 土金",
     "此命五行缺木；日主天干为水；必须有木助，但忌火太多。"},
    {"1990-05-17 0",
     {"1990", "5", "17", "0"},
     "庚午(马)年四月廿三子时",
     "庚午 辛巳 壬午 庚子",
     "金火 金火 水火 金水",
     "此命五行缺木缺土；日主天干为水；必须有木助，但忌火太多。"},
    {"1990-05-17 23",
     {"1990", "5", "17", "23"},
     "庚午(马)年四月廿三子时",
     "庚午 辛巳 壬午 庚子",
     "金火 金火 水火 金水",
     "此命五行缺木缺土；日主天干为水；必须有木助，但忌火太多。"},
    {"1990-01-01 8",
     {"1990", "1", "1", "8"},
     "己巳(蛇)年腊月初五辰时",
     "庚午 己丑 丙寅 壬辰",
     "金火 土土 火木 水土",
     "此命五行比较平衡；日主天干为火；必须有土助，但忌金太多。"},
    {"1960-07-31 13",
     {"1960", "7", "31", "13"},
     "庚子(鼠)年闰六月初八未时",
     "庚子 癸未 庚申 癸未",
     "金水 水土 金金 水土",
     "此命五行缺木缺火；日主天干为金；必须有水助，但忌木太多。"},
    {"2069-01-22 23",
     {"2069", "1", "22", "23"},
     "戊子(鼠)年腊月三十子时",
     "己丑 丁丑 壬午 庚子",
     "土土 火土 水火 金水",
     "此命五行缺木；日主天干为水；必须有木助，但忌火太多。"},
    // The hour is checked as 0..23; beyond it there is no double hour and no hour pillar.
    {"1990-05-17 24", {"1990", "5", "17", "24"}, "庚午(马)年四月廿三", "庚午 辛巳 壬午 ", "金火 金火 水火 ", ""},
    {"1990-02-30", {"1990", "2", "30", "8"}, "", "", "", ""},
    {"year abc", {"abc", "5", "17", "8"}, "", "", "", ""},
    {"year of twenty digits", {"99999999999999999999", "5", "17", "8"}, "", "", "", ""},
    {"1899-12-31", {"1899", "12", "31", "8"}, "", "", "", ""},
    {"empty", {}, "", "", "", ""},
};

TEST(BirthChartValues, NameTestReportValues)
{
    for (const ChartRow& r : kChartRows) {
        SCOPED_TRACE(r.key);
        const BirthChartValues v = birthChartValues(r.birth);
        EXPECT_EQ(v.nongli, r.nongli);
        EXPECT_EQ(v.bazhi, r.bazhi);
        EXPECT_EQ(v.wuhang, r.wuhang);
        EXPECT_EQ(v.whstr, r.whstr);
    }
}

TEST(BirthChartValues, WrittenIntoValuesInUseLeaveNothingOfTheBirthBefore)
{
    // Every row after every other into one set of values, the invalid births included.
    BirthChartValues reused{"stale", "stale", "stale", "stale"};
    for (const ChartRow& before : kChartRows) {
        for (const ChartRow& r : kChartRows) {
            SCOPED_TRACE(std::string(before.key) + " then " + r.key);
            birthChartValues(before.birth, reused);
            birthChartValues(r.birth, reused);
            EXPECT_EQ(reused.nongli, r.nongli);
            EXPECT_EQ(reused.bazhi, r.bazhi);
            EXPECT_EQ(reused.wuhang, r.wuhang);
            EXPECT_EQ(reused.whstr, r.whstr);
        }
    }
}

TEST(Whduoshao, ReportOrNoneOnFault)
{
    const BirthDate birth{"1990", "5", "17", "18"};
    ASSERT_EQ(birthDateText(birth), "5-17-1990");
    EXPECT_EQ(whduoshao(birth, birthDateText(birth)), "此命五行缺木；日主天干为水；必须有木助，但忌火太多。");

    // The lunar month comes from the date text; every fault gives no report.
    const struct {
        const char* key;
        BirthDate birth;
        const char* riqi;
    } faults[] = {
        {"riqi empty", birth, ""},
        {"riqi no date", birth, "2-30-1990"},
        {"riqi 1899", birth, "12-31-1899"},
        {"date 1990-02-30", {"1990", "2", "30", "8"}, "2-28-1990"},
        {"hour 24", {"1990", "5", "17", "24"}, "5-17-1990"},
        {"hour -1", {"1990", "5", "17", "-1"}, "5-17-1990"},
    };
    for (const auto& f : faults)
        EXPECT_EQ(whduoshao(f.birth, f.riqi), std::nullopt) << f.key;
    EXPECT_EQ(birthDateText({"1990", "05", "07", "8"}), "5-7-1990");
    EXPECT_EQ(birthDateText({"1990", "2", "30", "8"}), "");
}

} // namespace
