// Biorhythm curves: day counts, cycle days and indices, the check of the dates by trigger, and
// the chart geometry the page paints.
#include "fun/biorhythm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace xingming::fun {
namespace {

using namespace std::chrono;

constexpr sys_days day(int y, unsigned m, unsigned d)
{
    return sys_days{year{y} / month{m} / std::chrono::day{d}};
}

// Expected values: the page's documented examples (the first three rows) and
// the conformance sample (the last two), with π = 3.141592653589.
TEST(Biorhythm, Readings)
{
    const struct {
        const char* name;
        sys_days birth, query;
        std::int64_t days;
        int d[3];
        const char* index[3];
    } rows[] = {
        {"1980-01-01 to 2015-01-22",
         day(1980, 1, 1),
         day(2015, 1, 22),
         12805,
         {9, 1, 17},
         {"90.10", "18.93", "-99.77"}},
        {"one day", day(1999, 12, 31), day(2000, 1, 1), 1, {1, 1, 1}, {"22.25", "18.93", "26.98"}},
        {"28 days", day(2000, 2, 1), day(2000, 2, 29), 28, {0, 28, 5}, {"0.00", "-81.46", "97.91"}},
        {"emotional trough", day(1999, 12, 31), day(2000, 2, 18), 49, {21, 16, 3}, {"-100.00", "9.51", "73.08"}},
        {"emotional crest", day(1960, 5, 18), day(1985, 1, 30), 9023, {7, 14, 7}, {"100.00", "45.82", "94.23"}},
    };
    for (const auto& r : rows) {
        const auto outcome = biorhythm(r.birth, r.query, Trigger::Button);
        const auto* reading = std::get_if<BiorhythmReading>(&outcome);
        ASSERT_TRUE(reading) << r.name;
        EXPECT_EQ(reading->days, r.days) << r.name;
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(reading->cycles[i].d, r.d[i]) << r.name << " " << kCycles[i].page;
            EXPECT_EQ(reading->cycles[i].index, r.index[i]) << r.name << " " << kCycles[i].page;
            EXPECT_EQ(reading->cycles[i].label, std::string(kCycles[i].labelPrefix) + r.index[i]) << r.name;
        }
    }
}

TEST(Biorhythm, QueryOnOrBeforeBirthIsRefusedByTrigger)
{
    const struct {
        Trigger trigger;
        std::string_view message, title;
    } rows[] = {
        {Trigger::Button, "您的输入有误，请重试！", "提示"},
        {Trigger::QueryChanged, "您的输入有误，请重试！", " 温馨提示"},
        {Trigger::BirthChanged, "", ""},
    };
    for (const auto& r : rows) {
        for (sys_days query : {day(1990, 5, 17), day(1990, 5, 16), day(1912, 9, 11)}) {
            const auto outcome = biorhythm(day(1990, 5, 17), query, r.trigger);
            const auto* refusal = std::get_if<BiorhythmRefusal>(&outcome);
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->message, r.message);
            EXPECT_EQ(refusal->title, r.title);
        }
    }
}

TEST(Biorhythm, IndexFormat)
{
    EXPECT_EQ(formatIndex(90.0969), "90.10");
    EXPECT_EQ(formatIndex(-0.001), "0.00"); // no "-0.00"
    EXPECT_EQ(formatIndex(-100.0), "-100.00");
}

// The chart of each cycle: its tick numbers, one full period of curve, the marker on the curve.
TEST(Biorhythm, ChartGeometry)
{
    const struct {
        Cycle cycle;
        int ticks; // 0, 2, ... up to the last tick loop bound
        const char* lastTick;
    } rows[] = {{Cycle::Emotional, 15, " 28"}, {Cycle::Intellectual, 18, " 34"}, {Cycle::Physical, 13, " 24"}};
    for (const auto& r : rows) {
        const CycleInfo& info = cycleInfo(r.cycle);
        const ChartDrawing g = drawChart(info, 7);
        // Two axes, the day ticks, the marks of 1 and -1; two captions, the tick numbers, 1 and -1.
        EXPECT_EQ(g.lines.size(), 2u + r.ticks + 2u) << info.page;
        ASSERT_EQ(g.texts.size(), 2u + r.ticks + 2u) << info.page;
        EXPECT_EQ(g.texts[2].text, " 0");
        EXPECT_EQ(g.texts[1 + r.ticks].text, r.lastTick) << info.page;
        EXPECT_EQ(g.texts.back().text, "-1");

        // x = 0, 0.01, ... added up while not above P: about 100 P + 1 points.
        ASSERT_FALSE(g.curve.empty());
        EXPECT_EQ(g.curve.front().x, 0.0);
        EXPECT_EQ(g.curve.front().y, 0.0);
        EXPECT_LE(g.curve.back().x, info.P);
        EXPECT_GT(g.curve.back().x, info.P - 0.011);
        EXPECT_NEAR(static_cast<double>(g.curve.size()), 100.0 * info.P + 1, 1.0);

        // The cross is centred on the curve at day 7.
        const double y = std::sin(2 * kPi * 7 / info.P);
        for (const ChartLine& l : g.marker) {
            EXPECT_DOUBLE_EQ((l.from.x + l.to.x) / 2, 7.0);
            EXPECT_DOUBLE_EQ((l.from.y + l.to.y) / 2, y);
        }
    }
}

} // namespace
} // namespace xingming::fun
