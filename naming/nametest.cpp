#include "naming/nametest.h"

#include "naming/chartable.h"
#include "naming/hanzi.h"
#include "naming/hints.h"
#include "naming/luck.h"
#include "naming/numbers81.h"
#include "naming/sancai.h"
#include "naming/utf8.h"

#include <algorithm>
#include <charconv>

namespace xingming::naming {

namespace {

using calendar::Sex;

// The name-test panel asks for the given name too.
constexpr calendar::PanelRules kNameTestPanel{true, "您输入的是公历、农历？请选择！"};

std::string_view ziwuhangOf(std::string_view ch, int position)
{
    return !ch.empty() && position != 0 ? elementText(elementAt(position)) : elementText(Element::Unknown);
}

std::string decimal(int n)
{
    return std::to_string(n);
}

} // namespace

PxmzResult pxmz(std::string_view xsone, std::string_view xstwo, std::string_view ming1, std::string_view ming2, Sex sex,
                const calendar::BirthDate& birth)
{
    PxmzResult r;
    pxmz(xsone, xstwo, ming1, ming2, sex, birth, r);
    return r;
}

void pxmz(std::string_view xsone, std::string_view xstwo, std::string_view ming1, std::string_view ming2, Sex sex,
          const calendar::BirthDate& birth, PxmzResult& r)
{
    r.zf2 = 53;
    r.chars[0] = xsone;
    r.chars[1] = xstwo;
    r.chars[2] = ming1;
    r.chars[3] = ming2;

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
    // The birth chart half, written into the result's own texts.
    calendar::BirthChartValues chart{std::move(r.nongli), std::move(r.bazhi), std::move(r.wuhang), std::move(r.whstr)};
    calendar::birthChartValues(birth, chart);
    r.nongli = std::move(chart.nongli);
    r.bazhi = std::move(chart.bazhi);
    r.wuhang = std::move(chart.wuhang);
    r.whstr = std::move(chart.whstr);

    judgeName(s, sex, r);
}

void judgeName(const NameStrokes& s, Sex sex, PxmzResult& r)
{
    r.zf2 = 53;
    r.zdp.clear();
    r.grids = computeGrids(s);
    const Grids& g = r.grids;
    // The 81 numbers, in the order 天格, 人格, 地格, 总格, 外格.
    const auto judge = [&](Grid grid, int number, std::string_view& text, std::optional<std::uint32_t>& colour) {
        const LingdongResult l = lingdong(sex, grid, number);
        text = l.text;
        colour = l.colour;
        r.zf2 += l.points;
    };
    judge(Grid::Tian, g.tg, r.tp, r.colours.t);
    judge(Grid::Ren, g.rg, r.rp, r.colours.r);
    judge(Grid::Di, g.dG, r.dp, r.colours.d);
    judge(Grid::Zong, g.zg, r.zp, r.colours.z);
    judge(Grid::Wai, g.wg, r.wp, r.colours.w);

    // The three talents.
    const auto take = [&r](const Judgement& j) {
        r.zf2 += j.points;
        return j.text;
    };
    const ThreeTalents talents =
        threeTalents(threeTalentsDigit(g.tg), threeTalentsDigit(g.rg), threeTalentsDigit(g.dG));
    r.scstr = talents.key;
    r.scp = take(talents.judgement);

    // Basic, success and social luck.
    r.jcnum = luckKey(g.rg, g.dG);
    r.cgnum = luckKey(g.rg, g.tg);
    r.rjnum = luckKey(g.rg, g.wg);
    r.jsp = take(jcdyx(r.jcnum));
    r.cgp = take(cgdyx(r.cgnum));
    r.rjp = take(rjgxdyx(r.rjnum));

    // Hints, sharing one flags text.
    const auto hint = [&](int number) {
        const Hint h = anshi(sex, number);
        r.zdp += h.flags;
        return h.text;
    };
    r.ranshi = hint(g.rg);
    r.danshi = hint(g.dG);
    r.wanshi = hint(g.wg);
    r.zanshi = hint(g.zg);

    if (r.zf2 > 100)
        r.zf2 = 100;
    r.lastdp = commentary(r.zf2, r.zdp, sex);
}

namespace {

// The first two characters of a box's text, as the box keeps them: views of the text, or
// of U+FFFD for an ill-formed byte (as splitCharacters gives them).
struct BoxCharacters {
    std::array<std::string_view, 2> chars;
    size_t count = 0;
};

BoxCharacters boxCharacters(std::string_view text)
{
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    BoxCharacters out;
    for (size_t i = 0; i < text.size() && out.count < 2;) {
        const size_t len = characterLength(text, i);
        out.chars[out.count++] = len == 0 ? kReplacement : text.substr(i, len);
        i += len == 0 ? 1 : len;
    }
    return out;
}

} // namespace

NameTestOutcome runNameTest(const NameTestForm& form)
{
    NameTestOutcome out;
    runNameTest(form, out);
    return out;
}

void runNameTest(const NameTestForm& form, NameTestOutcome& out)
{
    out.message.clear();
    calendar::CheckedBirth checked =
        calendar::checkPanel({form.surname, form.given, form.sex, form.calendar, form.date}, kNameTestPanel);
    if (!checked.birth) {
        out.message = std::move(checked.message);
        out.report.reset();
        return;
    }

    // The boxes hold at most two characters; a pasted longer text is cut like the box cuts it.
    const BoxCharacters surname = boxCharacters(form.surname);
    const BoxCharacters given = boxCharacters(form.given);
    if (!out.report)
        out.report.emplace();
    NameTestReport& rep = *out.report;
    rep.sex = form.sex;
    rep.birth = std::move(*checked.birth);
    rep.twoCharSurname = surname.count == 2;
    rep.twoCharGiven = given.count == 2;
    pxmz(surname.chars[0], rep.twoCharSurname ? surname.chars[1] : std::string_view(), given.chars[0],
         rep.twoCharGiven ? given.chars[1] : std::string_view(), rep.sex, rep.birth, rep.result);
}

std::vector<OutsideChar> charsOutsideTable(const PxmzResult& result)
{
    std::vector<OutsideChar> out;
    for (const std::string& ch : result.chars) {
        if (ch.empty() || charPosition(ch) != 0)
            continue;
        if (std::any_of(out.begin(), out.end(), [&](const OutsideChar& o) { return o.ch == ch; }))
            continue;
        const std::u32string code = decodeUtf8(ch);
        out.push_back({ch, code.size() == 1 ? derivedKangxiStrokes(code[0]) : 0});
    }
    return out;
}

std::string outsideTableWarning(const std::vector<OutsideChar>& chars)
{
    std::string out;
    for (const OutsideChar& c : chars) {
        if (!out.empty())
            out += "；";
        out += "字库中没有“" + c.ch + "”：按 1 划、五行“?”计分（";
        out += c.derivedStrokes > 0 ? "按部首推算康熙笔画为 " + std::to_string(c.derivedStrokes) + " 划"
                                    : std::string("无法推算康熙笔画");
        out += "）";
    }
    if (!out.empty())
        out += "。";
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

std::string_view sectionCaption(ReportSection section)
{
    switch (section) {
    case ReportSection::Basic:
        return "姓名的基本信息";
    case ReportSection::Chart:
        return "您的八字信息";
    case ReportSection::Grids:
        return "五格的详细解剖";
    case ReportSection::Influence:
        return "对各方面的影响";
    case ReportSection::Hints:
        return "五格的数理暗示";
    case ReportSection::Score:
        return "名字点评及得分";
    }
    return {};
}

std::vector<ReportLine> reportLines(const NameTestReport& report)
{
    const PxmzResult& r = report.result;
    const Grids& g = r.grids;
    std::vector<ReportLine> lines;
    lines.reserve(48);
    const auto add = [&lines](ReportSection section, std::string caption, std::string text,
                              std::optional<std::uint32_t> colour = std::nullopt, bool visible = true) {
        lines.push_back(ReportLine{section, std::move(caption), std::move(text), colour, visible});
    };
    const std::array<bool, 4> shown{true, report.twoCharSurname, true, report.twoCharGiven};

    constexpr ReportSection basic = ReportSection::Basic;
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

    constexpr ReportSection chart = ReportSection::Chart;
    const calendar::BirthDate& b = report.birth;
    add(chart, "公历生日", "-> " + b.year + "年" + b.month + "月" + b.day + "日" + b.hour + "时");
    add(chart, "农历生日", "-> " + r.nongli);
    add(chart, "八字", "-> " + r.bazhi);
    add(chart, "五行", "-> " + r.wuhang);
    add(chart, "", r.whstr);

    constexpr ReportSection grids = ReportSection::Grids;
    const auto arrow = [](std::string_view t) { return "-> " + std::string(t); };
    add(grids, "天格" + decimal(g.tg) + "的解析(天格数是先祖留传下来的，无法改变，其数理对人影响不大。)", arrow(r.tp),
        r.colours.t);
    add(grids, "人格" + decimal(g.rg) + "的解析(人格数又称主运，是整个姓名的中心点，影响人的一生命运。)", arrow(r.rp),
        r.colours.r);
    add(grids, "地格" + decimal(g.dG) + "的解析(地格数又称前运，影响人中年以前的活动力。)", arrow(r.dp), r.colours.d);
    add(grids, "外格" + decimal(g.wg) + "的解析(外格数是人格与总格的副运，影响命运之灵活力。)", arrow(r.wp),
        r.colours.w);
    add(grids, "总格" + decimal(g.zg) + "的解析(总格又称后运，影响人中年至晚年的命运。)", arrow(r.zp), r.colours.z);

    constexpr ReportSection influence = ReportSection::Influence;
    add(influence, "对三才数理的影响", arrow(r.scp));
    add(influence, "对基础运的影响", arrow(r.jsp));
    add(influence, "对成功运的影响", arrow(r.cgp));
    add(influence, "对人际关系的影响", arrow(r.rjp));

    constexpr ReportSection hints = ReportSection::Hints;
    add(hints, "人格" + decimal(g.rg) + "的数理暗示", arrow(r.ranshi));
    add(hints, "地格" + decimal(g.dG) + "的数理暗示", arrow(r.danshi));
    add(hints, "外格" + decimal(g.wg) + "的数理暗示", arrow(r.wanshi));
    add(hints, "总格" + decimal(g.zg) + "的数理暗示", arrow(r.zanshi));

    constexpr ReportSection score = ReportSection::Score;
    add(score, "姓名得分：", scoreText(r.zf2));
    add(score, "", std::string(r.lastdp));
    return lines;
}

} // namespace xingming::naming
