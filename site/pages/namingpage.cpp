#include "site/pages.h"
#include "site/pages/handlers.h"
#include "site/pages/layout.h"
#include "site/pages/namestable.h"
#include "site/pages/params.h"

#include "naming/namingrequest.h"
#include "naming/nametest.h"
#include "naming/suggest.h"

namespace xingming::site {

namespace {

using calendar::Sex;
using naming::Element;

constexpr HtmlTemplate<1> kListNote =
    "<h2>推荐的名字</h2>\n<p class=\"note\">名字按本程序“名字打分”的得分从高到低排列；得分相同时，"
    "用字五行合乎上面喜用五行的名字排在前面（“合喜用”一栏每个 ★ 代表一个字）。得分只由姓名用字的康熙笔划决定，"
    "与生日无关；生日只用来判断五行喜用。为了让名字多样一些，每个字在名字的同一位置最多出现 {} 次。"
    "点击姓名中的字可以查看这个字的详细资料。</p>\n";

// The elements the chart wants, and why.
Html needsParagraph(const naming::ElementNeeds& needs)
{
    Html wanted, lacking;
    for (int e = 0; e < 5; ++e) {
        const auto el = static_cast<Element>(e);
        if (needs.wanted(el))
            wanted += elementSpan(el);
        if (needs.lacking[static_cast<size_t>(e)])
            lacking += elementSpan(el);
    }
    const Html lack = lacking.empty() ? html("八字五行俱全") : html("八字所缺：{}", lacking);
    return html("<p>取名时宜用的五行：{}（{}；日主{}需{}相助）。忌{}太多。</p>\n", wanted, lack,
                elementSpan(needs.dayMaster), elementSpan(needs.help), elementSpan(needs.caution));
}

} // namespace

Response namingPage(const Query& q)
{
    Params p(q);
    const std::optional<std::string> surname = p.shortText("youname1", "姓", true, 2);
    const std::optional<Sex> sex = p.sex("sex", true);
    const std::optional<std::string> year = p.text("nian", "出生年", true);
    const std::optional<std::string> month = p.text("yue", "出生月", true);
    const std::optional<std::string> day = p.text("ri", "出生日", true);
    const std::optional<std::string> hour = p.text("hh", "出生时", true);
    const std::optional<std::string> length = p.text("ns", "名字的字数", true);
    const std::optional<std::string> minScore = p.text("zf", "最低分", false);
    const std::optional<std::string> calendarText = p.text("nx", "历法", false);
    if (length && *length != "1" && *length != "2")
        p.problems.push_back("名字的字数（ns）应为 1 或 2，而不是“" + *length + "”");
    float zf = kDefaultMinScore;
    if (minScore) {
        const std::optional<float> v = parseNumber(*minScore);
        if (!v || *v < 0 || *v > 100)
            p.problems.push_back("最低分（zf）应为 0 到 100 之间的数，而不是“" + *minScore + "”");
        else
            zf = *v;
    }
    calendar::CalendarKind kind = calendar::CalendarKind::Solar;
    if (calendarText && !calendarText->empty()) {
        if (const std::optional<calendar::CalendarKind> k = calendar::calendarFromText(*calendarText))
            kind = *k;
        else
            p.problems.push_back("历法（nx）应为“公历”“农历”或“农历(闰月)”，而不是“" + *calendarText + "”");
    }
    if (!p.problems.empty() || !surname || !sex || !year || !month || !day || !hour || !length)
        return badRequest(p.problems);

    // The naming pane's own checks, with its own messages.
    naming::NamingForm form;
    form.surname = *surname;
    form.sex = *sex;
    form.twoCharName = *length == "2";
    form.calendar = kind;
    form.date = {*year, *month, *day, *hour};
    const naming::NamingOutcome checked = naming::runNamingRequest(form);
    if (checked.refused)
        return badRequest({checked.message});

    naming::SuggestRequest req;
    req.surname = *surname;
    req.sex = *sex;
    req.length = form.twoCharName ? 2 : 1;
    req.birth = checked.birth;
    req.minScore = zf;
    req.limit = kNamingListLength;
    req.maxPerCharacter = kNamingMaxPerCharacter;
    const naming::SuggestResult res = naming::suggestNames(req);
    const calendar::BirthDate& b = checked.birth;

    const std::string_view child = *sex == Sex::Male ? "男孩" : "女孩";
    Html body = html("<h1>{}姓{}取名<small>{}</small></h1>\n", *surname, child, req.length == 2 ? "双字名" : "单字名");
    body += html("<section class=\"card\">\n<h2>出生信息与五行</h2>\n");
    body += factsTable({
        {"公历生日", html("{}年{}月{}日{}时", b.year, b.month, b.day, b.hour)},
        {"农历生日", html("{}", res.chart.nongli)},
        {"八字", html("{}", res.chart.bazhi)},
        {"五行", html("{}", res.chart.wuhang)},
    });
    body += html("<p class=\"verdict\">{}</p>\n", res.chart.whstr);
    if (res.needs.known)
        body += needsParagraph(res.needs);
    body += html("</section>\n");

    body += html(kListNote, kNamingMaxPerCharacter);
    const std::string zfText = naming::scoreText(zf);
    if (res.names.empty()) {
        body += html(
            "<div class=\"card\"><p>用本程序的取名字库，没有达到 {} 分的名字。请把最低分调低一些再试。</p></div>\n",
            zfText);
    } else {
        body += html("<p>达到 {} 分的名字共 {} 个，下面列出前 {} 个。</p>\n", zfText, res.qualifying, res.names.size());
        body += namesTable(res.names, res.surname, *sex, true);
    }
    return page(200, *surname + "姓" + std::string(child) + "取名", body);
}

} // namespace xingming::site
