#include "site/pages.h"
#include "site/pages/handlers.h"
#include "site/pages/layout.h"
#include "site/pages/namestable.h"
#include "site/pages/params.h"

#include "naming/chartable.h"
#include "naming/chartable_data.h"
#include "naming/hanzi.h"
#include "naming/suggest.h"
#include "naming/utf8.h"

namespace xingming::site {

namespace {

using calendar::Sex;
using naming::Element;

std::string_view markText(naming::NameSex mark)
{
    switch (mark) {
    case naming::NameSex::Boy:
        return "多用于男孩";
    case naming::NameSex::Girl:
        return "多用于女孩";
    case naming::NameSex::Both:
        break;
    }
    return "男女皆宜";
}

// What the character table, the readings and radicals of Unicode and the naming engine's
// list say of ch.
std::vector<Fact> charFacts(char32_t code, const naming::CharInfo& info, const naming::NameCandidate* cand)
{
    std::vector<Fact> facts;
    const std::string_view readings = naming::readingsOf(code);
    facts.push_back(
        {"拼音", readings.empty()
                     ? html("（不详）")
                     : html("{}{}", readings, naming::hasSeveralReadings(code) ? "（多音字，常用读音在前）" : "")});
    if (cand)
        facts.push_back({"字义", html("{}", cand->gloss)});
    if (const std::optional<naming::RadicalStrokes> rs = naming::radicalStrokes(code)) {
        facts.push_back({"部首", html("{}（康熙部首第 {} 部，{} 划），部首外 {} 划",
                                      naming::encodeUtf8(naming::radicalCharacter(rs->radical)), rs->radical,
                                      naming::radicalStrokeCount(rs->radical), rs->residual)});
    }
    if (info.position == 0) {
        const int derived = naming::derivedKangxiStrokes(code);
        facts.push_back({"康熙笔划", derived > 0 ? html("{} 划（按部首推算）", derived) : html("不详")});
        facts.push_back({"字库", html("本程序的字库中没有这个字：姓名测试按 1 划计算，五行不详。")});
    } else {
        const naming::StrokeRun& run = naming::kStrokeRuns[static_cast<size_t>(info.strokes - 1)];
        facts.push_back({"康熙笔划", html("{} 划", info.strokes)});
        facts.push_back({"五行", html("{}{}", elementSpan(info.element),
                                      info.element == Element::Unknown ? "（字库中没有标出这个字的五行）" : "")});
        facts.push_back({"笔划组", html("{} 划的字，字库中共有 {} 个", info.strokes, run.last - run.first + 1)});
        facts.push_back({"字库", html("本程序的字库有这个字，姓名测试按上面的笔划和五行计算。")});
    }
    facts.push_back({"取名字库", cand ? html("收录，{}{}", markText(cand->sex),
                                             cand->tier == naming::Tier::Rare ? "，属少见字" : "")
                                      : html("未收录（仍可以用它取名和打分）")});
    return facts;
}

} // namespace

Response characterPage(const Query& q)
{
    Params p(q);
    const std::optional<std::string> ch = p.text("zi", "字", true);
    const std::optional<std::string> surname = p.shortText("xing", "姓", false, 2);
    const std::optional<Sex> sex = p.sex("sex", false);
    if (ch) {
        const size_t n = naming::decodeUtf8(*ch).size();
        if (n == 0) {
            // The report's tab of the given name's second character asks with an empty
            // zi= when the given name has one character.
            return page(200, "名只有一个字",
                        html("<h1>名只有一个字</h1>\n<section class=\"card\"><p>这个名字的“名”只有一个字，"
                             "没有第二个字可查。要看第一个字的讲解，请打开“名1”页。</p></section>\n"));
        }
        if (n > 1)
            p.problems.push_back("一次只能查一个字，而“" + *ch + "”有 " + std::to_string(n) + " 个字");
    }
    if (!p.problems.empty() || !ch)
        return badRequest(p.problems);
    const std::string xing = surname.value_or(std::string());
    const Sex childSex = sex.value_or(Sex::None);

    const naming::CharInfo info = naming::lookupChar(*ch);
    const naming::NameCandidate* cand = naming::findCandidate(*ch);
    const std::u32string code = naming::decodeUtf8(*ch);
    Html body = html("<h1>“{}”字</h1>\n<div class=\"big\">{}</div>\n", *ch, *ch);
    body += html("<section class=\"card\">\n{}</section>\n", factsTable(charFacts(code[0], info, cand)));

    if (info.position != 0 && info.element != Element::Unknown) {
        Html same;
        for (const naming::NameCandidate& c : naming::nameCandidates())
            if (c.strokes == info.strokes && c.element == info.element && c.ch != *ch)
                same += anchor(characterLink(c.ch, xing, childSex), c.ch);
        if (!same.empty()) {
            body += html("<h2>同为 {} 划、五行属{}的取名用字</h2>\n<p class=\"chars\">{}</p>\n", info.strokes,
                         elementSpan(info.element), same);
        }
    }

    if (!xing.empty()) {
        const std::vector<std::string> surnameChars = naming::splitCharacters(xing, 2);
        for (Sex s : {Sex::Male, Sex::Female}) {
            if (childSex != Sex::None && s != childSex)
                continue;
            if (cand && !naming::suits(cand->sex, s))
                continue;
            const auto names = naming::namesWithCharacter(xing, s, *ch, 10);
            body += html("<h2>{}姓{}带“{}”字的名字</h2>\n", xing, s == Sex::Male ? "男孩" : "女孩", *ch);
            body += namesTable(names, surnameChars, s, false);
        }
        body += html("<p class=\"note\">按本程序“名字打分”的得分排列，另一个字取自本程序的取名字库。</p>\n");
    } else {
        body += html("<h2>带这个字的名字</h2>\n<form class=\"card\" method=\"get\" action=\"{}\">"
                     "<input type=\"hidden\" name=\"zi\" value=\"{}\">"
                     "<label>姓 <input type=\"text\" name=\"xing\" maxlength=\"2\" size=\"4\" required></label>"
                     "<button type=\"submit\">查看</button></form>\n",
                     kCharacterPath, *ch);
    }
    return page(200, "“" + *ch + "”字", body);
}

} // namespace xingming::site
