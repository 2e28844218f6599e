#include "naming/nametest.h"

#include "naming/chartable.h"
#include "naming/hints.h"
#include "naming/luck.h"
#include "naming/numbers81.h"
#include "naming/sancai.h"
#include "naming/utf8.h"

#include <charconv>

namespace xingming::naming {

namespace {

using calendar::CalendarKind;
using calendar::Sex;

std::string_view ziwuhangOf(std::string_view ch, int position)
{
    return !ch.empty() && position != 0 ? elementText(elementAt(position)) : elementText(Element::Unknown);
}

std::string decimal(int n)
{
    return std::to_string(n);
}

} // namespace

PxmzResult pxmz(std::string_view xsone, std::string_view xstwo, std::string_view ming1, std::string_view ming2,
                std::string_view sex, const calendar::BirthDate& birth)
{
    PxmzResult r;
    r.zf2 = 53;
    r.chars = {std::string(xsone), std::string(xstwo), std::string(ming1), std::string(ming2)};

    // Positions in the character table decide element and stroke count.
    std::array<int, 4> pos{};
    for (size_t i = 0; i < 4; ++i) {
        pos[i] = charPosition(r.chars[i]);
        r.ziwuhang[i] = ziwuhangOf(r.chars[i], pos[i]);
    }
    const bool twoSurname = !xstwo.empty();
    const bool twoGiven = !ming2.empty();
    NameStrokes s;
    s.S1 = GG(static_cast<std::int16_t>(pos[0]));
    s.S2 = twoSurname ? GG(static_cast<std::int16_t>(pos[1])) : 0;
    s.G1 = GG(static_cast<std::int16_t>(pos[2]));
    s.G2 = twoGiven ? GG(static_cast<std::int16_t>(pos[3])) : 0;
    s.singleSurname = !twoSurname;
    s.singleGiven = !twoGiven;
    r.strokes = {static_cast<std::int16_t>(s.S1), static_cast<std::int16_t>(s.S2), static_cast<std::int16_t>(s.G1),
                 static_cast<std::int16_t>(s.G2)};
    // The birth chart half.
    calendar::BirthChartValues chart = calendar::birthChartValues(birth);
    r.nongli = std::move(chart.nongli);
    r.bazhi = std::move(chart.bazhi);
    r.wuhang = std::move(chart.wuhang);
    r.whstr = std::move(chart.whstr);

    judgeName(s, sex, r);
    return r;
}

void judgeName(const NameStrokes& s, std::string_view sex, PxmzResult& r)
{
    r.zf2 = 53;
    r.zdp.clear();
    r.grids = computeGrids(s);
    const Grids& g = r.grids;
    // The 81 numbers, in the order 天格, 人格, 地格, 总格, 外格.
    const auto judge = [&](std::string_view key, int number, std::string_view& text,
                           std::optional<std::uint32_t>& colour) {
        const LingdongResult l = lingdong(sex, key, number, r.zf2);
        text = l.text;
        colour = l.colour;
    };
    judge("t", g.tg, r.tp, r.colours.t);
    judge("r", g.rg, r.rp, r.colours.r);
    judge("d", g.dG, r.dp, r.colours.d);
    judge("z", g.zg, r.zp, r.colours.z);
    judge("w", g.wg, r.wp, r.colours.w);

    // The three talents.
    r.scstr = std::string(sc(threeTalentsDigit(g.tg))) + std::string(sc(threeTalentsDigit(g.rg))) +
              std::string(sc(threeTalentsDigit(g.dG)));
    r.scp = scdyx(r.scstr, r.zf2);

    // Basic, success and social luck.
    r.jcnum = luckKey(g.rg, g.dG);
    r.cgnum = luckKey(g.rg, g.tg);
    r.rjnum = luckKey(g.rg, g.wg);
    r.jsp = jcdyx(r.jcnum, r.zf2);
    r.cgp = cgdyx(r.cgnum, r.zf2);
    r.rjp = rjgxdyx(r.rjnum, r.zf2);

    // Hints, sharing one flags text.
    r.ranshi = anshi(sex, g.rg, r.zdp);
    r.danshi = anshi(sex, g.dG, r.zdp);
    r.wanshi = anshi(sex, g.wg, r.zdp);
    r.zanshi = anshi(sex, g.zg, r.zdp);

    if (r.zf2 > 100)
        r.zf2 = 100;
    r.lastdp = std::string(dianping(r.zf2)) + warnings(r.zdp, sex);
}

NameTestOutcome runNameTest(const NameTestForm& form)
{
    NameTestOutcome out;
    if (form.surname.empty()) {
        out.message = "姓不能为空！";
        return out;
    }
    if (form.given.empty()) {
        out.message = "名不能为空！";
        return out;
    }
    if (form.sex == Sex::None) {
        out.message = "请选择性别！";
        return out;
    }
    if (auto msg = calendar::checkDateFields(form.date, form.calendar)) {
        out.message = std::move(*msg);
        return out;
    }
    if (form.calendar == CalendarKind::None) {
        out.message = "您输入的是公历、农历？请选择！";
        return out;
    }
    std::optional<calendar::BirthDate> birth = calendar::resolveBirthDate(form.date, form.calendar);
    if (!birth) {
        out.message = std::string(calendar::kLunarDateError);
        return out;
    }

    // The boxes hold at most two characters; a pasted longer text is cut like the box cuts it.
    const std::vector<std::string> surname = splitCharacters(form.surname, 2);
    const std::vector<std::string> given = splitCharacters(form.given, 2);
    NameTestReport rep;
    rep.sex = form.sex == Sex::Male ? "男" : "女";
    rep.birth = std::move(*birth);
    rep.twoCharSurname = surname.size() == 2;
    rep.twoCharGiven = given.size() == 2;
    rep.result = pxmz(surname[0], rep.twoCharSurname ? surname[1] : std::string(), given[0],
                      rep.twoCharGiven ? given[1] : std::string(), rep.sex, rep.birth);
    out.report = std::move(rep);
    return out;
}

std::string scoreText(float zf)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, zf);
    return std::string(buf, res.ptr);
}

std::string gridCellText(int number)
{
    return decimal(number) + "(" + std::string(yy(number)) + ")";
}

std::vector<ReportLine> reportLines(const NameTestReport& report)
{
    const PxmzResult& r = report.result;
    const Grids& g = r.grids;
    std::vector<ReportLine> lines;
    lines.reserve(48);
    const auto add = [&lines](std::string_view section, std::string caption, std::string text,
                              std::optional<std::uint32_t> colour = std::nullopt, bool visible = true) {
        lines.push_back(ReportLine{section, std::move(caption), std::move(text), colour, visible});
    };
    const std::array<bool, 4> shown{true, report.twoCharSurname, true, report.twoCharGiven};

    constexpr std::string_view basic = "姓名的基本信息";
    for (size_t i = 0; i < 4; ++i)
        add(basic, "姓名", r.chars[i]);
    for (size_t i = 0; i < 4; ++i)
        add(basic, "笔划数", decimal(r.strokes[i]), std::nullopt, shown[i]);
    for (size_t i = 0; i < 4; ++i)
        add(basic, "五行属性", std::string(r.ziwuhang[i]), std::nullopt, shown[i]);
    add(basic, "天格 ->", gridCellText(g.tg));
    add(basic, "人格 ->", gridCellText(g.rg));
    add(basic, "地格 ->", gridCellText(g.dG));
    add(basic, "外格 ->", gridCellText(g.wg));
    add(basic, "总格 ->", gridCellText(g.zg));

    constexpr std::string_view chart = "您的八字信息";
    const calendar::BirthDate& b = report.birth;
    add(chart, "公历生日", "-> " + b.year + "年" + b.month + "月" + b.day + "日" + b.hour + "时");
    add(chart, "农历生日", "-> " + r.nongli);
    add(chart, "八字", "-> " + r.bazhi);
    add(chart, "五行", "-> " + r.wuhang);
    add(chart, "", r.whstr);

    constexpr std::string_view grids = "五格的详细解剖";
    const auto arrow = [](std::string_view t) { return "-> " + std::string(t); };
    add(grids, "天格" + decimal(g.tg) + "的解析(天格数是先祖留传下来的，无法改变，其数理对人影响不大。)", arrow(r.tp),
        r.colours.t);
    add(grids, "人格" + decimal(g.rg) + "的解析(人格数又称主运，是整个姓名的中心点，影响人的一生命运。)", arrow(r.rp),
        r.colours.r);
    add(grids, "地格" + decimal(g.dG) + "的解析(地格数又称前运，影响人中年以前的活动力。)", arrow(r.dp), r.colours.d);
    add(grids, "外格" + decimal(g.wg) + "的解析(外格数是人格与总格的副运，影响命运之灵活力。)", arrow(r.wp),
        r.colours.w);
    add(grids, "总格" + decimal(g.zg) + "的解析(总格又称后运，影响人中年至晚年的命运。)", arrow(r.zp), r.colours.z);

    constexpr std::string_view influence = "对各方面的影响";
    add(influence, "对三才数理的影响", arrow(r.scp));
    add(influence, "对基础运的影响", arrow(r.jsp));
    add(influence, "对成功运的影响", arrow(r.cgp));
    add(influence, "对人际关系的影响", arrow(r.rjp));

    constexpr std::string_view hints = "五格的数理暗示";
    add(hints, "人格" + decimal(g.rg) + "的数理暗示", arrow(r.ranshi));
    add(hints, "地格" + decimal(g.dG) + "的数理暗示", arrow(r.danshi));
    add(hints, "外格" + decimal(g.wg) + "的数理暗示", arrow(r.wanshi));
    add(hints, "总格" + decimal(g.zg) + "的数理暗示", arrow(r.zanshi));

    constexpr std::string_view score = "名字点评及得分";
    add(score, "姓名得分：", scoreText(r.zf2));
    add(score, "", r.lastdp);
    return lines;
}

} // namespace xingming::naming
