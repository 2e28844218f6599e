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
using naming::NamingMode;

// How the names of each mode are chosen and ordered, as the page tells it.
std::string_view modeNote(NamingMode mode)
{
    switch (mode) {
    case NamingMode::Master:
        return "只列出各派都认可的名字：人格、地格、外格、总格的数理皆吉（含半吉），三才配置吉，基础运、成功运、"
               "人际运都不凶，出生年的天运五行不克人格，笔画有奇有偶，读起来没有三字同调和同音相连。"
               "按得分排列，得分相同时用字五行合乎喜用的在前。";
    case NamingMode::Mainstream:
        return "按本程序“名字打分”的得分从高到低排列；得分相同时，用字五行合乎上面喜用五行的名字排在前面。";
    case NamingMode::Personal:
        return "不分男女，并加入较少见而寓意好的字，更不容易与人重名。按得分排列，得分相同时含少见字多的在前，"
               "再看五行是否合乎喜用。";
    case NamingMode::SoundShapeMeaning:
        return "先看读音、字形和出处：读起来没有三字同调、没有同音相连，字形偏旁不全相同、笔画均衡、好写。"
               "两个字同出一句古诗文的名字排在最前，按“得分＋平仄相间 2 分＋没有多音字 1 分＋每个合喜用的字 1 分”"
               "排列，同分时出自《诗经》《楚辞》《论语》的在前；其后是没有出处的名字，按得分排列。";
    }
    return {};
}

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

// One <option>, chosen when it is the current value.
Html option(std::string_view value, std::string_view text, bool chosen)
{
    return chosen ? html("<option value=\"{}\" selected>{}</option>", value, text)
                  : html("<option value=\"{}\">{}</option>", value, text);
}

// The request as the page read it, for the form that refines it.
struct Refine {
    std::string surname;
    Sex sex = Sex::Male;
    int length = 2;
    calendar::BirthDate birth; // solar
    NamingMode mode = NamingMode::SoundShapeMeaning;
    std::string generation;
    int generationPlace = 1;
    std::string avoid;
    std::string minScore;
};

Html refineForm(const Refine& r)
{
    Html modes;
    for (NamingMode m :
         {NamingMode::Master, NamingMode::Mainstream, NamingMode::Personal, NamingMode::SoundShapeMeaning})
        modes += option(std::to_string(static_cast<int>(m)), naming::modeName(m), m == r.mode);
    Html fields =
        html("<input type=\"hidden\" name=\"cm\" value=\"8\">"
             "<input type=\"hidden\" name=\"nx\" value=\"公历\">"
             "<input type=\"hidden\" name=\"nian\" value=\"{}\"><input type=\"hidden\" name=\"yue\" value=\"{}\">"
             "<input type=\"hidden\" name=\"ri\" value=\"{}\"><input type=\"hidden\" name=\"hh\" value=\"{}\">\n",
             r.birth.year, r.birth.month, r.birth.day, r.birth.hour);
    fields += html("<div class=\"row\"><label>姓 <input type=\"text\" name=\"youname1\" value=\"{}\" maxlength=\"2\" "
                   "size=\"4\" required></label>"
                   "<label>模式 <select name=\"xn\">{}</select></label>"
                   "<label>性别 <select name=\"sex\">{}{}</select></label>"
                   "<label>字数 <select name=\"ns\">{}{}</select></label></div>\n",
                   r.surname, modes, option("男", "男", r.sex == Sex::Male), option("女", "女", r.sex == Sex::Female),
                   option("2", "双字名", r.length == 2), option("1", "单字名", r.length == 1));
    fields += html("<div class=\"row\"><label>辈份字 <input type=\"text\" name=\"bf\" value=\"{}\" maxlength=\"1\" "
                   "size=\"3\"></label>"
                   "<label>放在 <select name=\"bw\">{}{}</select></label>"
                   "<label>避用字 <input type=\"text\" name=\"bq\" value=\"{}\" size=\"10\"></label>"
                   "<label>最低分 <input type=\"number\" name=\"zf\" value=\"{}\" min=\"0\" max=\"100\" "
                   "step=\"0.5\"></label>"
                   "<button type=\"submit\">重新取名</button></div>\n",
                   r.generation, option("1", "名的第一个字", r.generationPlace == 1),
                   option("2", "名的第二个字", r.generationPlace == 2), r.avoid, r.minScore);
    return cardForm(naming::kNamingPath, "调整取名条件", fields);
}

// A number parameter of one digit among the allowed ones, or the default when absent.
std::optional<int> digitParam(Params& p, std::string_view key, std::string_view label, int lo, int hi, int fallback)
{
    const std::optional<std::string> text = p.text(key, label, false);
    if (!text || text->empty())
        return fallback;
    if (text->size() == 1 && (*text)[0] >= '0' + lo && (*text)[0] <= '0' + hi)
        return (*text)[0] - '0';
    p.problems.push_back(std::string(label) + "（" + std::string(key) + "）应为 " + std::to_string(lo) + " 到 " +
                         std::to_string(hi) + " 之间的数，而不是“" + *text + "”");
    return std::nullopt;
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
    // The page of the naming panel the request came from: its mode (the page of the
    // inputs, 音形义模式, when the key is absent).
    const std::optional<int> modePage = digitParam(p, "xn", "取名模式", 1, 4, naming::kInputsPage);
    const std::optional<int> generationPlace = digitParam(p, "bw", "辈份字的位置", 1, 2, 1);
    const std::optional<std::string> generation = p.text("bf", "辈份字", false);
    const std::optional<std::string> avoid = p.text("bq", "避用字", false);
    if (length && *length != "1" && *length != "2")
        p.problems.push_back("名字的字数（ns）应为 1 或 2，而不是“" + *length + "”");
    float zf = kDefaultMinScore;
    if (minScore && !minScore->empty()) {
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
    if (!p.problems.empty() || !surname || !sex || !year || !month || !day || !hour || !length || !modePage ||
        !generationPlace)
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
    req.mode = static_cast<NamingMode>(*modePage);
    req.generation = generation.value_or(std::string());
    req.generationPlace = *generationPlace;
    req.avoid = avoid.value_or(std::string());
    const naming::SuggestResult res = naming::suggestNames(req);
    const calendar::BirthDate& b = checked.birth;

    const std::string_view child = *sex == Sex::Male ? "男孩" : "女孩";
    Html body = html("<h1>{}姓{}取名<small>{} · {}</small></h1>\n", *surname, child, naming::modeName(req.mode),
                     req.length == 2 ? "双字名" : "单字名");
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

    body += refineForm({*surname, *sex, req.length, b, req.mode, req.generation, req.generationPlace, req.avoid,
                        naming::scoreText(zf)});

    body += html("<h2>推荐的名字</h2>\n<p class=\"note\">{}得分只由姓名用字的康熙笔划决定，与生日无关；"
                 "生日只用来判断五行喜用。为了让名字多样一些，每个字在名字的同一位置最多出现 {} 次。"
                 "点击名字中的字可以查看这个字的详细资料。</p>\n",
                 modeNote(req.mode), kNamingMaxPerCharacter);
    if (res.names.empty()) {
        body += html("<div class=\"problem\"><p>{}</p></div>\n", res.message);
    } else {
        body += html("<p>笔划配合达到 {} 分的名字共 {} 个，下面列出最合条件的 {} 个。</p>\n", naming::scoreText(zf),
                     res.qualifying, res.names.size());
        body += nameCards(res.names, res.surname, *sex);
    }
    return page(200, *surname + "姓" + std::string(child) + "取名", body);
}

} // namespace xingming::site
