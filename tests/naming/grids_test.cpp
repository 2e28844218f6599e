// The five grids and the number rules.
#include "naming/grids.h"

#include <gtest/gtest.h>

using namespace xingming::naming;

TEST(Grids, Reduction)
{
    const std::pair<int, int> cases[] = {{81, 81}, {82, 2}, {160, 80}, {161, 1}, {1, 1}, {0, 0}, {-5, -5}, {120, 40}};
    for (auto [n, want] : cases)
        EXPECT_EQ(get_num(n), want) << n;
}

TEST(Grids, ElementOfADigit)
{
    const char* want[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
    for (int d = 0; d <= 10; ++d)
        EXPECT_EQ(sc(d), want[d]) << d;
    EXPECT_EQ(sc(-1), "");
    EXPECT_EQ(sc(11), "");
}

TEST(Grids, ElementOfAGridNumber)
{
    const std::pair<int, const char*> cases[] = {{10, "水"}, {20, "水"}, {16, "土"}, {11, "木"}, {1, "木"}, {2, "木"},
                                                 {3, "火"},  {8, "金"},  {9, "水"},  {81, "木"}, {0, "水"}, {-3, "水"}};
    for (auto [n, want] : cases)
        EXPECT_EQ(yy(n), want) << n;
    // From 1 upwards yy is sc of the last digit, 10 giving 水.
    for (int n = 1; n <= 200; ++n)
        EXPECT_EQ(yy(n), sc(n % 10 == 0 ? 10 : n % 10)) << n;
    // Nothing above 0 from 0 downwards: 水.
    for (int n : {0, -1, -2, -9, -10, -11, -1000, -2147483647 - 1})
        EXPECT_EQ(yy(n), "水") << n;
}

TEST(Grids, Digits)
{
    EXPECT_EQ(threeTalentsDigit(10), 10);
    EXPECT_EQ(threeTalentsDigit(15), 5);
    EXPECT_EQ(threeTalentsDigit(20), 0);
    EXPECT_EQ(luckDigit(20), 10);
    EXPECT_EQ(luckDigit(15), 5);
    EXPECT_EQ(luckDigit(-3), 7);
    EXPECT_EQ(luckDigit(0), 10);
    EXPECT_EQ(luckKey(15, 9), 59);
    EXPECT_EQ(luckKey(15, 10), 510);
    EXPECT_EQ(luckKey(20, 10), 1010);
    EXPECT_EQ(luckKey(20, 3), 103);
}

struct GridCase {
    const char* name;
    NameStrokes strokes;
    Grids want; // tg rg dG wg zg
};

TEST(Grids, Formulas)
{
    // 李明 and 欧阳玉 are the worked examples of the grids; the others exercise the shapes.
    const GridCase cases[] = {
        {"李明", {7, 0, 8, 0, true, true}, {8, 15, 9, 2, 15}},
        {"欧阳玉", {15, 17, 5, 0, false, true}, {32, 22, 6, 16, 37}},
        {"two and two", {10, 11, 12, 13, false, false}, {21, 23, 25, 23, 46}},
        {"one and two", {7, 0, 8, 9, true, false}, {8, 15, 17, 10, 24}},
        {"reduced 总格", {30, 30, 30, 30, false, false}, {60, 60, 60, -20, 40}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Grids g = computeGrids(c.strokes);
        EXPECT_EQ(g.tg, c.want.tg);
        EXPECT_EQ(g.rg, c.want.rg);
        EXPECT_EQ(g.dG, c.want.dG);
        EXPECT_EQ(g.wg, c.want.wg);
        EXPECT_EQ(g.zg, c.want.zg);
    }
    // One-character surname and given name: 外格 is 2 whatever the strokes.
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int g1 = 1; g1 <= 30; ++g1)
            EXPECT_EQ(computeGrids({s1, 0, g1, 0, true, true}).wg, 2);
}
