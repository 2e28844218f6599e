// The name test as a whole: the driver's checks, pxmz on worked examples, the report and
// a sweep of the score over every stroke combination.
#include "naming/grids.h"
#include "naming/nametest.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <set>
#include <tuple>

using namespace xingming::naming;
using xingming::calendar::CalendarKind;
using xingming::calendar::DateFields;
using xingming::calendar::Sex;

namespace {

NameTestForm form(const char* surname, const char* given, Sex sex, CalendarKind cal, DateFields date)
{
    NameTestForm f;
    f.surname = surname;
    f.given = given;
    f.sex = sex;
    f.calendar = cal;
    f.date = std::move(date);
    return f;
}

const NameTestForm kLiMing = form("李", "明", Sex::Male, CalendarKind::Solar, {"1990", "5", "17", "18"});

} // namespace

TEST(NameTest, WorkedExample)
{
    // 李明, male, solar 1990-5-17, hour 18: the worked example of the name test.
    const NameTestOutcome out = runNameTest(kLiMing);
    ASSERT_TRUE(out.report) << out.message;
    const PxmzResult& r = out.report->result;
    EXPECT_EQ(r.strokes, (std::array<std::int16_t, 4>{7, 0, 8, 0}));
    EXPECT_EQ(r.ziwuhang[0], "火");
    EXPECT_EQ(r.ziwuhang[1], "?");
    EXPECT_EQ(r.ziwuhang[2], "水");
    EXPECT_EQ(r.grids.tg, 8);
    EXPECT_EQ(r.grids.rg, 15);
    EXPECT_EQ(r.grids.dG, 9);
    EXPECT_EQ(r.grids.zg, 15);
    EXPECT_EQ(r.grids.wg, 2);
    EXPECT_EQ(r.scstr, "金土水");
    EXPECT_EQ(r.jcnum, 59);
    EXPECT_EQ(r.cgnum, 58);
    EXPECT_EQ(r.rjnum, 52);
    EXPECT_EQ(r.zf2, 80.5f);
    EXPECT_EQ(scoreText(r.zf2), "80.5");
    EXPECT_EQ(r.danshi, "败财运");
    EXPECT_EQ(r.wanshi, "败财运");
    EXPECT_EQ(r.lastdp, "你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。需谨慎处理财富");
    EXPECT_EQ(r.nongli, "庚午(马)年四月廿三酉时");
    EXPECT_EQ(r.bazhi, "庚午 辛巳 壬午 己酉");
    EXPECT_EQ(r.wuhang, "金火 金火 水火 土金");
    EXPECT_EQ(r.whstr, "此命五行缺木；日主天干为水；必须有木助，但忌火太多。");
    EXPECT_EQ(r.colours.t, 33023u);
    EXPECT_EQ(r.colours.d, std::nullopt);
    EXPECT_EQ(out.report->sex, Sex::Male);
}

TEST(NameTest, TwoCharacterSurname)
{
    // 欧阳玉: 天格 32, 人格 22, 地格 6, 总格 37, 外格 16.
    const NameTestOutcome out =
        runNameTest(form("欧阳", "玉", Sex::Female, CalendarKind::Solar, {"2000", "1", "1", "0"}));
    ASSERT_TRUE(out.report);
    const Grids& g = out.report->result.grids;
    EXPECT_EQ(g.tg, 32);
    EXPECT_EQ(g.rg, 22);
    EXPECT_EQ(g.dG, 6);
    EXPECT_EQ(g.zg, 37);
    EXPECT_EQ(g.wg, 16);
    EXPECT_TRUE(out.report->twoCharSurname);
    EXPECT_FALSE(out.report->twoCharGiven);
    EXPECT_EQ(out.report->result.chars[1], "阳");
}

TEST(NameTest, CharactersOutsideTheBasicPlaneAreOneCharacterEach)
{
    const NameTestOutcome out =
        runNameTest(form("王", "𠀀𠀀", Sex::Female, CalendarKind::Solar, {"1990", "5", "17", "18"}));
    ASSERT_TRUE(out.report);
    EXPECT_EQ(out.report->result.chars[2], "𠀀");
    EXPECT_EQ(out.report->result.chars[3], "𠀀");
    EXPECT_EQ(out.report->result.grids.dG, 2);
    EXPECT_EQ(scoreText(out.report->result.zf2), "80.5");
}

TEST(NameTest, ARunIntoAnOutcomeInUseGivesWhatAFreshRunGives)
{
    // Names of every shape, refusals, ill-formed bytes, characters outside the table and
    // the Basic Plane, one after the other into one outcome.
    const Sex M = Sex::Male, F = Sex::Female;
    const CalendarKind S = CalendarKind::Solar, L = CalendarKind::Lunar;
    const NameTestForm forms[] = {
        kLiMing,
        form("欧阳", "玉", F, S, {"2000", "1", "1", "0"}),
        form("司马", "相如", M, L, {"1990", "4", "23", "18"}),
        form("", "", Sex::None, S, {}),
        form("王", "𠀀𠀀", F, S, {"1990", "5", "17", "18"}),
        form("李", "明", M, L, {"2001", "2", "31", "8"}),
        form("\xff\xfe", "明\xe6\x98", M, S, {"1990", "5", "17", "24"}),
        form("欧阳修", "思远航", F, S, {"1950", "12", "31", "23"}),
        form("a", "\xed\xa0\x80z", M, S, {"2050", "2", "28", "0"}),
        form("张", "三", F, S, {"1901", "1", "1", "1"}),
    };
    NameTestOutcome reused;
    for (const NameTestForm& before : forms) {
        for (const NameTestForm& f : forms) {
            SCOPED_TRACE(before.surname + before.given + " then " + f.surname + f.given);
            runNameTest(before, reused);
            runNameTest(f, reused);
            const NameTestOutcome fresh = runNameTest(f);
            EXPECT_EQ(reused.message, fresh.message);
            ASSERT_EQ(reused.report.has_value(), fresh.report.has_value());
            if (!fresh.report)
                continue;
            // Every line of the report, and what the lines leave out.
            const std::vector<ReportLine> want = reportLines(*fresh.report), got = reportLines(*reused.report);
            ASSERT_EQ(got.size(), want.size());
            for (size_t i = 0; i < want.size(); ++i) {
                EXPECT_EQ(got[i].caption, want[i].caption);
                EXPECT_EQ(got[i].text, want[i].text);
                EXPECT_EQ(got[i].colour, want[i].colour);
                EXPECT_EQ(got[i].visible, want[i].visible);
            }
            const PxmzResult &a = reused.report->result, &b = fresh.report->result;
            EXPECT_EQ(a.chars, b.chars);
            EXPECT_EQ(a.scstr, b.scstr);
            EXPECT_EQ(a.zdp, b.zdp);
            EXPECT_EQ(std::tie(a.jcnum, a.cgnum, a.rjnum), std::tie(b.jcnum, b.cgnum, b.rjnum));
            EXPECT_EQ(reused.report->birth, fresh.report->birth);
        }
    }
}

TEST(NameTest, BoxesKeepTwoCharactersAsSplitCharactersCutsThem)
{
    for (const char* given : {"明", "思远", "思远航", "\xff明", "明\xe6\x98", "\xe6\x98\x8e\x80", "𠀀明", "\xc0\x80",
                              "a\tb", "\xf4\x90\x80\x80x"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(given)));
        const NameTestOutcome out =
            runNameTest(form("李", given, Sex::Male, CalendarKind::Solar, {"1990", "5", "17", "18"}));
        ASSERT_TRUE(out.report);
        const std::vector<std::string> want = splitCharacters(given, 2);
        EXPECT_EQ(out.report->result.chars[2], want[0]);
        EXPECT_EQ(out.report->result.chars[3], want.size() == 2 ? want[1] : "");
        EXPECT_EQ(out.report->twoCharGiven, want.size() == 2);
    }
}

TEST(NameTest, ScoreAndGridCellTexts)
{
    // The score as std::to_chars writes a float's shortest form, halves and the rest.
    std::vector<float> scores{0.0f, -0.0f, 0.25f, -0.5f, 65536.0f, 1e10f, std::nextafter(80.5f, 81.0f)};
    for (int halves = 0; halves <= 2000; ++halves)
        scores.push_back(static_cast<float>(halves) / 2);
    for (float zf : scores) {
        char buf[64];
        ASSERT_EQ(scoreText(zf), std::string(buf, std::to_chars(buf, buf + sizeof buf, zf).ptr)) << zf;
    }
    // A grid cell: the number and its element by yy.
    for (int n : {-2147483647 - 1, -11, -1, 0, 1, 9, 10, 11, 16, 81, 160, 2147483647})
        EXPECT_EQ(gridCellText(n), std::to_string(n) + "(" + std::string(yy(n)) + ")") << n;
    EXPECT_EQ(gridCellText(16), "16(土)");
}

struct CheckCase {
    const char* name;
    NameTestForm form;
    const char* message;
};

TEST(NameTest, ChecksInTheirOrder)
{
    const Sex M = Sex::Male;
    const CalendarKind S = CalendarKind::Solar, L = CalendarKind::Lunar, LL = CalendarKind::LunarLeap,
                       N = CalendarKind::None;
    // Messages of the driver's checks; where two inputs are wrong the earlier check speaks.
    const CheckCase cases[] = {
        {"empty panel", form("", "", Sex::None, N, {}), "姓不能为空！"},
        {"no given name", form("李", "", M, S, {"1990", "5", "17", "8"}), "名不能为空！"},
        {"no sex", form("李", "明", Sex::None, S, {"1990", "5", "17", "8"}), "请选择性别！"},
        {"year 1900", form("李", "明", M, S, {"1900", "5", "17", "8"}), "年不能为空，且应在1901至2050之间！"},
        {"year 2051", form("李", "明", M, S, {"2051", "5", "17", "8"}), "年不能为空，且应在1901至2050之间！"},
        {"year abc", form("李", "明", M, S, {"abc", "5", "17", "8"}), "年不能为空，且应在1901至2050之间！"},
        {"year 1e9", form("李", "明", M, S, {"1e9", "5", "17", "8"}), "年不能为空，且应在1901至2050之间！"},
        {"year twenty digits", form("李", "明", M, S, {"99999999999999999999", "5", "17", "8"}),
         "年不能为空，且应在1901至2050之间！"},
        {"year full-width", form("李", "明", M, S, {"１９９０", "5", "17", "8"}), "年不能为空，且应在1901至2050之间！"},
        {"empty month", form("李", "明", M, S, {"1990", "", "17", "8"}), "月不能为空，且应在1至12之间！"},
        {"month 13", form("李", "明", M, S, {"1990", "13", "17", "8"}), "月不能为空，且应在1至12之间！"},
        {"day 0", form("李", "明", M, S, {"1990", "5", "0", "8"}), "日不能为空，且应在1至31之间！"},
        {"day -1", form("李", "明", M, S, {"1990", "5", "-1", "8"}), "日不能为空，且应在1至31之间！"},
        {"31 April", form("李", "明", M, S, {"1990", "4", "31", "8"}), "4月只有30天！"},
        {"31 September as 09", form("李", "明", M, S, {"1990", "09", "31", "8"}), "09月只有30天！"},
        {"29 February 2001", form("李", "明", M, S, {"2001", "2", "29", "8"}), "2001年是平年，2月只有28天！"},
        {"30 February 2000", form("李", "明", M, S, {"2000", "2", "30", "8"}), "2000年是闰年，2月只有29天！"},
        {"no calendar 29 February 2001", form("李", "明", M, N, {"2001", "2", "29", "8"}),
         "2001年是平年，2月只有28天！"},
        {"hour 24", form("李", "明", M, S, {"1990", "5", "17", "24"}), "时不能为空，且应在0至23之间！"},
        {"empty hour", form("李", "明", M, S, {"1990", "5", "17", ""}), "时不能为空，且应在0至23之间！"},
        {"lunar hour 24 before the lunar check", form("李", "明", M, L, {"1990", "4", "31", "24"}),
         "时不能为空，且应在0至23之间！"},
        {"no calendar", form("李", "明", M, N, {"1990", "5", "17", "8"}), "您输入的是公历、农历？请选择！"},
        {"lunar 2001-2-31", form("李", "明", M, L, {"2001", "2", "31", "8"}), "请核对万年历，您输入的农历日期有误！"},
        {"lunar day 30 of a 29-day month", form("李", "明", M, L, {"1990", "1", "30", "1"}),
         "请核对万年历，您输入的农历日期有误！"},
        {"leap month that 2021 lacks", form("李", "明", M, LL, {"2021", "4", "1", "1"}),
         "请核对万年历，您输入的农历日期有误！"},
        {"control characters", form("李", "明", M, S, {"\x01\x02", "5", "17", "8"}),
         "年不能为空，且应在1901至2050之间！"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NameTestOutcome out = runNameTest(c.form);
        EXPECT_FALSE(out.report);
        EXPECT_EQ(out.message, c.message);
    }
}

TEST(NameTest, LunarInput)
{
    // Lunar 1990-4-23 is solar 1990-5-17; lunar dates skip the solar month-length checks
    // (the 30th of the second lunar month is a real birthday), leap-month dates convert
    // as dates of the leap month.
    NameTestOutcome out = runNameTest(form("李", "明", Sex::Male, CalendarKind::Lunar, {"1990", "04", "23", "18"}));
    ASSERT_TRUE(out.report);
    EXPECT_EQ(out.report->birth.year, "1990");
    EXPECT_EQ(out.report->birth.month, "5");
    EXPECT_EQ(out.report->birth.day, "17");
    EXPECT_EQ(out.report->result.zf2, 80.5f);

    out = runNameTest(form("王", "明", Sex::Male, CalendarKind::Lunar, {"2025", "02", "29", "8"}));
    ASSERT_TRUE(out.report) << out.message;
    EXPECT_EQ(out.report->result.nongli, "乙巳(蛇)年二月廿九辰时");

    out = runNameTest(form("王", "明", Sex::Male, CalendarKind::LunarLeap, {"2020", "4", "1", "8"}));
    ASSERT_TRUE(out.report) << out.message;
    EXPECT_EQ(out.report->birth.month, "5");
    EXPECT_EQ(out.report->birth.day, "23");
    EXPECT_EQ(out.report->result.nongli, "庚子(鼠)年闰四月初一辰时");
}

TEST(NameTest, ReportLines)
{
    const NameTestOutcome out = runNameTest(kLiMing);
    ASSERT_TRUE(out.report);
    const std::vector<ReportLine> lines = reportLines(*out.report);
    std::vector<std::string> texts;
    std::vector<bool> visible;
    for (const ReportLine& l : lines) {
        texts.push_back(l.caption + "|" + l.text);
        visible.push_back(l.visible);
    }
    const std::set<std::string> want{
        "天格 ->|8(金)",
        "外格 ->|2(木)",
        "公历生日|-> 1990年5月17日18时",
        "农历生日|-> 庚午(马)年四月廿三酉时",
        "八字|-> 庚午 辛巳 壬午 己酉",
        "五行|-> 金火 金火 水火 土金",
        "|此命五行缺木；日主天干为水；必须有木助，但忌火太多。",
        "天格8的解析(天格数是先祖留传下来的，无法改变，其数理对人影响不大。)|-> 8 "
        "（八卦之数）八卦之数，乾坎艮震，巽离坤兑，无穷无尽。",
        "地格9的数理暗示|-> 败财运",
        "人格15的数理暗示|-> ",
        "姓名得分：|80.5",
    };
    for (const std::string& w : want)
        EXPECT_NE(std::find(texts.begin(), texts.end(), w), texts.end()) << w;
    // Second-character cells of a one-character surname and given name stay hidden.
    EXPECT_EQ(texts[5], "笔划数|0");
    EXPECT_FALSE(visible[5]);
    EXPECT_FALSE(visible[7]);
    EXPECT_FALSE(visible[9]);
    EXPECT_TRUE(visible[4]);
}

TEST(NameTest, ScoreStaysInRangeForEveryStrokeCombination)
{
    // Sweep: every stroke count 1..30 for each character, all four name shapes, both sexes.
    float lowest = 1000, highest = 0;
    PxmzResult r;
    for (Sex sex : {Sex::Male, Sex::Female}) {
        for (int shape = 0; shape < 4; ++shape) {
            const bool twoS = shape & 1, twoG = shape & 2;
            for (int s1 = 1; s1 <= 30; ++s1)
                for (int s2 = twoS ? 1 : 0; s2 <= (twoS ? 30 : 0); ++s2)
                    for (int g1 = 1; g1 <= 30; ++g1)
                        for (int g2 = twoG ? 1 : 0; g2 <= (twoG ? 30 : 0); ++g2) {
                            judgeName({s1, s2, g1, g2, !twoS, !twoG}, sex, r);
                            lowest = std::min(lowest, r.zf2);
                            highest = std::max(highest, r.zf2);
                            ASSERT_GE(r.zf2, 53);
                            ASSERT_LE(r.zf2, 100);
                        }
        }
    }
    EXPECT_EQ(lowest, 53);
    EXPECT_EQ(highest, 100);
}

// The views of a result are texts of the constant tables: plain text, which the front ends
// quote as it stands.
TEST(NameTest, TheTextsOfEveryStrokeCombinationArePlain)
{
    PxmzResult r;
    for (Sex sex : {Sex::Male, Sex::Female})
        for (int s1 = 1; s1 <= 30; ++s1)
            for (int g1 = 1; g1 <= 30; ++g1)
                for (int g2 = 0; g2 <= 30; ++g2) {
                    judgeName({s1, 0, g1, g2, true, g2 == 0}, sex, r);
                    for (std::string_view text : {r.tp, r.rp, r.dp, r.zp, r.wp, r.scp, r.jsp, r.cgp, r.rjp, r.ranshi,
                                                  r.danshi, r.wanshi, r.zanshi, r.lastdp})
                        ASSERT_TRUE(isPlainText(text)) << s1 << ' ' << g1 << ' ' << g2 << ": " << text;
                }
}
