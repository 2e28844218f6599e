#include "site/pages.h"

#include "naming/namingrequest.h"
#include "naming/chartable_data.h"
#include "naming/explanations.h"
#include "naming/nametest.h"
#include "naming/numbers81.h"
#include "naming/suggest.h"
#include "naming/utf8.h"
#include "site/query.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#ifndef XINGMING_VERSION
#define XINGMING_VERSION "1.0.0"
#endif

namespace xingming::site {

namespace {

using calendar::Sex;
using naming::Element;

constexpr std::string_view kProgramName = "姓名测试与取名";

constexpr std::string_view kStyle = R"css(
:root{--ink:#2d2722;--red:#a3342c;--paper:#faf6ef;--line:#e7dccb;--soft:#f3ead9;--muted:#6e655c}
*{box-sizing:border-box}
body{margin:0;background:var(--paper);color:var(--ink);
 font:16px/1.75 "Noto Sans CJK SC","Source Han Sans SC","PingFang SC","Microsoft YaHei","WenQuanYi Micro Hei",sans-serif}
header{background:var(--red);color:#fff;padding:12px 24px}
header nav{max-width:980px;margin:0 auto;display:flex;flex-wrap:wrap;gap:6px 20px;align-items:baseline}
header a{color:#fff;text-decoration:none;opacity:.92}
header a:hover{opacity:1;text-decoration:underline}
header .brand{font-size:20px;font-weight:bold;margin-right:12px;opacity:1}
main{max-width:980px;margin:0 auto;padding:20px 24px 8px}
h1{font-size:28px;color:var(--red);margin:10px 0 14px}
h1 small{font-size:16px;color:var(--muted);font-weight:normal;margin-left:10px}
h2{font-size:19px;margin:28px 0 10px;padding-left:10px;border-left:4px solid var(--red)}
a{color:#8a2a22}
.card{background:#fff;border:1px solid var(--line);border-radius:8px;padding:14px 20px;margin:14px 0}
.note{color:var(--muted);font-size:14px}
.verdict{font-weight:bold;font-size:17px}
table{border-collapse:collapse;width:100%;background:#fff}
th,td{border-bottom:1px solid var(--line);padding:7px 9px;text-align:left;vertical-align:top}
th{background:var(--soft);font-weight:600;white-space:nowrap}
tbody tr:nth-child(even) td{background:#fdfaf4}
table.facts th{width:8em;background:transparent}
table.compact{width:auto;min-width:60%}
td.num,th.num{text-align:right;font-variant-numeric:tabular-nums}
.score{font-weight:bold;color:var(--red)}
.name{font-size:20px;letter-spacing:2px;white-space:nowrap}
.name a{color:var(--ink);text-decoration:none}
.name a:hover{color:var(--red);text-decoration:underline}
.big{font-size:72px;line-height:1.1;margin:4px 0;color:var(--ink)}
.e{display:inline-block;min-width:1.4em;text-align:center;border-radius:4px;padding:0 2px;font-weight:600}
.e0{color:#2e7d32}.e1{color:#c62828}.e2{color:#8d6e3f}.e3{color:#a07800}.e4{color:#1565c0}
.want{color:#2e7d32;font-weight:bold}
.chars a{display:inline-block;margin:2px 6px 2px 0;font-size:19px;text-decoration:none}
.problem{background:#fff4f2;border:1px solid #f0c6bf;border-radius:8px;padding:12px 20px}
form .row{margin:8px 0}
form label{margin-right:14px}
input[type=text],input[type=number],select{font:inherit;padding:3px 6px;border:1px solid #cdbfa8;border-radius:4px}
input[type=number]{width:6em}
button{font:inherit;background:var(--red);color:#fff;border:0;border-radius:5px;padding:5px 18px;cursor:pointer}
footer{max-width:980px;margin:24px auto 0;padding:14px 24px 28px;color:var(--muted);font-size:13px;border-top:1px solid var(--line)}
)css";

std::string esc(std::string_view text)
{
    return htmlEscape(text);
}

std::string num(int n)
{
    return std::to_string(n);
}

std::string document(std::string_view title, std::string_view body)
{
    std::string out;
    out.reserve(body.size() + kStyle.size() + 1600);
    out += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    out += esc(title);
    out += " · ";
    out += kProgramName;
    out += "</title>\n<style>";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<header><nav>"
           "<a class=\"brand\" href=\"/\">姓名测试与取名</a>"
           "<a href=\"/\">取名</a>"
           "<a href=\"/softshow.html\">软件介绍</a>"
           "<a href=\"/howpay.html\">支付方式</a>"
           "<a href=\"/huodong.html\">活动</a>"
           "<a href=\"/contact.html\">联系我们</a>"
           "</nav></header>\n<main>\n";
    out += body;
    out += "\n</main>\n<footer>";
    out += kProgramName;
    out += " " XINGMING_VERSION " · 免费软件 · 本页由本机（127.0.0.1）上的程序生成，"
           "所有计算都在您的电脑上完成，您输入的内容不会发往别处。"
           "姓名数理与命理之说属传统习俗，没有科学依据，仅供参考和娱乐。</footer>\n</body>\n</html>\n";
    return out;
}

Response page(int status, std::string_view title, std::string_view body)
{
    Response r;
    r.status = status;
    r.body = document(title, body);
    return r;
}

// A page that says what is wrong with a request, one item per problem.
Response problemPage(int status, std::string_view heading, const std::vector<std::string>& problems)
{
    std::string body = "<h1>" + esc(heading) + "</h1>\n<div class=\"problem\"><ul>";
    for (const std::string& p : problems)
        body += "<li>" + esc(p) + "</li>";
    body += "</ul></div>\n<p><a href=\"/\">回到首页</a>，在表单中重新填写。</p>";
    return page(status, heading, body);
}

Response badRequest(const std::vector<std::string>& problems)
{
    return problemPage(400, "请求有误", problems);
}

std::string elementSpan(Element e)
{
    if (e == Element::Unknown)
        return "<span class=\"e\">?</span>";
    return "<span class=\"e e" + num(static_cast<int>(e)) + "\">" + std::string(naming::elementText(e)) + "</span>";
}

std::string surnameLink(std::string_view surname)
{
    return "/xingshow.asp?biaoti=" + queryValue(surname);
}

std::string characterLink(std::string_view ch, std::string_view surname, Sex sex)
{
    std::string link = "/chaname.asp?zi=" + queryValue(ch);
    if (!surname.empty())
        link += "&xing=" + queryValue(surname);
    if (sex != Sex::None)
        link += "&sex=" + queryValue(calendar::sexText(sex));
    return link;
}

std::string anchor(std::string_view href, std::string_view text)
{
    return "<a href=\"" + esc(href) + "\">" + esc(text) + "</a>";
}

// Reads the parameters of one page and gathers what is wrong with them.
class Params {
public:
    explicit Params(const std::vector<QueryParam>& q) : m_q(q), m_encoding(queryEncoding(q)) {}

    // The decoded text of key; nullopt when it is missing or cannot be read (noted unless
    // the key is optional and missing).
    std::optional<std::string> text(std::string_view key, std::string_view label, bool required)
    {
        const std::string* raw = findParam(m_q, key);
        if (!raw) {
            if (required)
                problems.push_back("缺少参数 " + std::string(key) + "（" + std::string(label) + "）");
            return std::nullopt;
        }
        std::string why;
        std::optional<DecodedText> t = decodeText(*raw, m_encoding, &why);
        if (!t) {
            problems.push_back("参数 " + std::string(key) + "（" + std::string(label) + "）的文字" + why);
            return std::nullopt;
        }
        return std::move(t->utf8);
    }

    // A text of at most max characters.
    std::optional<std::string> shortText(std::string_view key, std::string_view label, bool required, size_t max)
    {
        std::optional<std::string> t = text(key, label, required);
        if (t && naming::decodeUtf8(*t).size() > max) {
            problems.push_back(std::string(label) + "“" + *t + "”太长：最多 " + num(static_cast<int>(max)) + " 个字");
            return std::nullopt;
        }
        return t;
    }

    // The sex "男" or "女"; the empty text is the unchosen option.
    std::optional<Sex> sex(std::string_view key, bool required)
    {
        const std::optional<std::string> t = text(key, "性别", required);
        if (!t)
            return std::nullopt;
        if (const std::optional<Sex> s = calendar::sexFromText(*t))
            return s;
        problems.push_back("性别应为“男”或“女”，而不是“" + *t + "”");
        return std::nullopt;
    }

    std::vector<std::string> problems;

private:
    const std::vector<QueryParam>& m_q;
    QueryEncoding m_encoding;
};

// A decimal number, all of the text.
std::optional<float> parseNumber(std::string_view s)
{
    float v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// ----- the naming page -----

std::string wantedText(const naming::ElementNeeds& needs)
{
    std::string out;
    for (int e = 0; e < 5; ++e) {
        const auto el = static_cast<Element>(e);
        if (needs.wanted(el))
            out += elementSpan(el);
    }
    return out;
}

std::string namesTable(const std::vector<naming::Suggestion>& names, const std::vector<std::string>& surname, Sex sex,
                       bool withFit)
{
    std::string surnameText;
    for (const std::string& c : surname)
        surnameText += c;
    std::string out =
        "<table class=\"names\">\n<thead><tr><th class=\"num\">#</th><th>姓名</th><th class=\"num\">得分</th>"
        "<th>笔划</th><th>五行</th><th class=\"num\">天格</th><th class=\"num\">人格</th>"
        "<th class=\"num\">地格</th><th class=\"num\">外格</th><th class=\"num\">总格</th>";
    if (withFit)
        out += "<th>合喜用</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (size_t k = 0; k < names.size(); ++k) {
        const naming::Suggestion& s = names[k];
        const std::vector<std::string> given = naming::splitCharacters(s.given, 2);
        std::string name = anchor(surnameLink(surnameText), surnameText);
        for (const std::string& g : given)
            name += anchor(characterLink(g, surnameText, sex), g);
        std::string strokes, elements;
        const std::array<bool, 4> present{true, surname.size() == 2, true, given.size() == 2};
        for (size_t i = 0; i < 4; ++i) {
            if (!present[i])
                continue;
            if (!strokes.empty())
                strokes += "+";
            strokes += num(s.strokes[i]);
            elements += elementSpan(s.elements[i]);
        }
        const naming::Grids& g = s.grids;
        out += "<tr><td class=\"num\">" + num(static_cast<int>(k + 1)) + "</td><td class=\"name\">" + name +
               "</td><td class=\"num score\">" + esc(naming::scoreText(s.score)) + "</td><td>" + strokes + "</td><td>" +
               elements + "</td><td class=\"num\">" + num(g.tg) + "</td><td class=\"num\">" + num(g.rg) +
               "</td><td class=\"num\">" + num(g.dG) + "</td><td class=\"num\">" + num(g.wg) +
               "</td><td class=\"num\">" + num(g.zg) + "</td>";
        if (withFit) {
            std::string stars;
            for (int k2 = 0; k2 < s.fit; ++k2)
                stars += "★";
            out += s.fit > 0 ? "<td class=\"want\">" + stars + "</td>" : std::string("<td>—</td>");
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
    return out;
}

Response namingPage(const std::vector<QueryParam>& q)
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
    const naming::ElementNeeds& needs = res.needs;
    const calendar::BirthDate& b = checked.birth;

    const std::string child = *sex == Sex::Male ? "男孩" : "女孩";
    const std::string kindText = req.length == 2 ? "双字名" : "单字名";
    std::string body = "<h1>" + esc(*surname) + "姓" + child + "取名<small>" + kindText + "</small></h1>\n";
    body += "<section class=\"card\">\n<h2>出生信息与五行</h2>\n<table class=\"facts\">\n";
    body += "<tr><th>公历生日</th><td>" + esc(b.year) + "年" + esc(b.month) + "月" + esc(b.day) + "日" + esc(b.hour) +
            "时</td></tr>\n";
    body += "<tr><th>农历生日</th><td>" + esc(res.chart.nongli) + "</td></tr>\n";
    body += "<tr><th>八字</th><td>" + esc(res.chart.bazhi) + "</td></tr>\n";
    body += "<tr><th>五行</th><td>" + esc(res.chart.wuhang) + "</td></tr>\n</table>\n";
    body += "<p class=\"verdict\">" + esc(res.chart.whstr) + "</p>\n";
    if (needs.known) {
        std::string lacking;
        for (int e = 0; e < 5; ++e)
            if (needs.lacking[static_cast<size_t>(e)])
                lacking += elementSpan(static_cast<Element>(e));
        body += "<p>取名时宜用的五行：" + wantedText(needs) + "（" +
                (lacking.empty() ? std::string("八字五行俱全") : "八字所缺：" + lacking) + "；日主" +
                elementSpan(needs.dayMaster) + "需" + elementSpan(needs.help) + "相助）。忌" +
                elementSpan(needs.caution) + "太多。</p>\n";
    }
    body += "</section>\n";

    body += "<h2>推荐的名字</h2>\n<p class=\"note\">名字按本程序“名字打分”的得分从高到低排列；得分相同时，"
            "用字五行合乎上面喜用五行的名字排在前面（“合喜用”一栏每个 ★ 代表一个字）。得分只由姓名用字的康熙笔划决定，"
            "与生日无关；生日只用来判断五行喜用。为了让名字多样一些，每个字在名字的同一位置最多出现 " +
            num(kNamingMaxPerCharacter) + " 次。点击姓名中的字可以查看这个字的详细资料。</p>\n";
    const std::string zfText = naming::scoreText(zf);
    if (res.names.empty()) {
        body += "<div class=\"card\"><p>用本程序的取名字库，没有达到 " + esc(zfText) +
                " 分的名字。请把最低分调低一些再试。</p></div>\n";
    } else {
        body += "<p>达到 " + esc(zfText) + " 分的名字共 " + std::to_string(res.qualifying) + " 个，下面列出前 " +
                std::to_string(res.names.size()) + " 个。</p>\n";
        body += namesTable(res.names, res.surname, *sex, true);
    }
    return page(200, *surname + "姓" + child + "取名", body);
}

// ----- the surname page -----

std::vector<std::string> explanationParagraphs(std::string_view text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string para(text.substr(start, end - start));
        para.erase(std::remove(para.begin(), para.end(), '\r'), para.end());
        std::replace(para.begin(), para.end(), '\n', ' ');
        if (!para.empty())
            out.push_back(std::move(para));
        start = end + 4;
    }
    return out;
}

Response surnamePage(const std::vector<QueryParam>& q)
{
    Params p(q);
    const std::optional<std::string> surname = p.shortText("biaoti", "姓氏", true, 2);
    if (surname && surname->empty())
        p.problems.push_back("没有给出姓氏（biaoti 为空）");
    if (!p.problems.empty() || !surname)
        return badRequest(p.problems);

    const std::vector<std::string> chars = naming::splitCharacters(*surname, 2);
    naming::NameStrokes s;
    std::string rows;
    for (size_t i = 0; i < chars.size(); ++i) {
        const naming::CharInfo info = naming::lookupChar(chars[i]);
        (i == 0 ? s.S1 : s.S2) = info.strokes;
        rows += "<tr><td class=\"name\">" + anchor(characterLink(chars[i], {}, Sex::None), chars[i]) +
                "</td><td class=\"num\">" + num(info.strokes) + "</td><td>" + elementSpan(info.element) + "</td><td>" +
                (info.position == 0 ? "字库中没有这个字：姓名测试按 1 划计算，五行不详" : "") + "</td></tr>\n";
    }
    s.singleSurname = chars.size() == 1;
    const int tg = naming::computeGrids(s).tg;

    std::string body = "<h1>" + esc(*surname) + "姓</h1>\n";
    body += "<section class=\"card\">\n<h2>姓氏用字</h2>\n<table class=\"compact\">\n<thead><tr><th>字</th><th "
            "class=\"num\">康熙笔划</th>"
            "<th>五行</th><th></th></tr></thead>\n<tbody>\n" +
            rows + "</tbody>\n</table>\n</section>\n";
    body += "<section class=\"card\">\n<h2>天格 " + num(tg) + "</h2>\n";
    body += "<p>天格数" + std::string(chars.size() == 1 ? "是单姓的笔划数加 1" : "是复姓两个字的笔划数之和") + "：" +
            num(tg) + "，五行属" + elementSpan(naming::elementFromText(naming::yy(tg))) +
            "。天格数是先祖留传下来的，无法改变，其数理对人影响不大。</p>\n";
    const std::string_view male = naming::plainText81(tg, true);
    const std::string_view female = naming::plainText81(tg, false);
    const auto ratingOf = [tg](bool isMale) {
        const std::optional<naming::Rating81> r = naming::rating81(tg, isMale);
        return r ? naming::ratingText(*r) : std::string_view();
    };
    const std::string_view ratingMale = ratingOf(true);
    const std::string_view ratingFemale = ratingOf(false);
    if (male == female && ratingMale == ratingFemale) {
        body += "<p><b>" + esc(male) + "</b>（" + esc(ratingMale) + "）</p>\n";
    } else {
        body += "<p>男：<b>" + esc(male) + "</b>（" + esc(ratingMale) + "）</p>\n";
        body += "<p>女：<b>" + esc(female) + "</b>（" + esc(ratingFemale) + "）</p>\n";
    }
    const std::vector<std::string> paras = explanationParagraphs(naming::explanationText(tg));
    if (!paras.empty()) {
        body += "<details><summary>" + num(tg) + " 的详细解释</summary>\n";
        for (const std::string& para : paras)
            body += "<p>" + esc(para) + "</p>\n";
        body += "</details>\n";
    }
    body += "</section>\n<p>" + anchor("/?xing=" + queryValue(*surname), "为" + *surname + "姓的孩子取名") + "</p>\n";
    return page(200, *surname + "姓", body);
}

// ----- the character page -----

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

Response characterPage(const std::vector<QueryParam>& q)
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
                        "<h1>名只有一个字</h1>\n<section class=\"card\"><p>这个名字的“名”只有一个字，"
                        "没有第二个字可查。要看第一个字的讲解，请打开“名1”页。</p></section>\n");
        }
        if (n > 1)
            p.problems.push_back("一次只能查一个字，而“" + *ch + "”有 " + num(static_cast<int>(n)) + " 个字");
    }
    if (!p.problems.empty() || !ch)
        return badRequest(p.problems);
    const std::string xing = surname.value_or(std::string());
    const Sex childSex = sex.value_or(Sex::None);

    const naming::CharInfo info = naming::lookupChar(*ch);
    const naming::NameCandidate* cand = naming::findCandidate(*ch);
    std::string body = "<h1>“" + esc(*ch) + "”字</h1>\n<div class=\"big\">" + esc(*ch) + "</div>\n";
    body += "<section class=\"card\">\n<table class=\"facts\">\n";
    if (info.position == 0) {
        body += "<tr><th>字库</th><td>本程序的字库中没有这个字：姓名测试按 1 划计算，五行不详。</td></tr>\n";
    } else {
        const naming::StrokeRun& run = naming::kStrokeRuns[static_cast<size_t>(info.strokes - 1)];
        body += "<tr><th>康熙笔划</th><td>" + num(info.strokes) + " 划</td></tr>\n";
        body += "<tr><th>五行</th><td>" + elementSpan(info.element) +
                (info.element == Element::Unknown ? "（字库中没有标出这个字的五行）" : "") + "</td></tr>\n";
        body += "<tr><th>笔划组</th><td>" + num(info.strokes) + " 划的字，字库中共有 " + num(run.last - run.first + 1) +
                " 个</td></tr>\n";
    }
    body += "<tr><th>取名字库</th><td>" +
            (cand ? "收录，" + std::string(markText(cand->sex)) : std::string("未收录（仍可以用它取名和打分）")) +
            "</td></tr>\n</table>\n</section>\n";

    if (info.position != 0 && info.element != Element::Unknown) {
        std::string same;
        for (const naming::NameCandidate& c : naming::nameCandidates())
            if (c.strokes == info.strokes && c.element == info.element && c.ch != *ch)
                same += anchor(characterLink(c.ch, xing, childSex), c.ch);
        if (!same.empty()) {
            body += "<h2>同为 " + num(info.strokes) + " 划、五行属" + elementSpan(info.element) +
                    "的取名用字</h2>\n<p class=\"chars\">" + same + "</p>\n";
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
            body +=
                "<h2>" + esc(xing) + "姓" + (s == Sex::Male ? "男孩" : "女孩") + "带“" + esc(*ch) + "”字的名字</h2>\n";
            body += namesTable(names, surnameChars, s, false);
        }
        body += "<p class=\"note\">按本程序“名字打分”的得分排列，另一个字取自本程序的取名字库。</p>\n";
    } else {
        body += "<h2>带这个字的名字</h2>\n<form class=\"card\" method=\"get\" action=\"/chaname.asp\">"
                "<input type=\"hidden\" name=\"zi\" value=\"" +
                esc(*ch) +
                "\">"
                "<label>姓 <input type=\"text\" name=\"xing\" maxlength=\"2\" size=\"4\" required></label>"
                "<button type=\"submit\">查看</button></form>\n";
    }
    return page(200, "“" + *ch + "”字", body);
}

// ----- the start page and the pages about this program -----

Response homePage(const std::vector<QueryParam>& q)
{
    // A surname handed over by the surname page fills the form; anything unreadable is ignored.
    std::string xing;
    if (const std::string* raw = findParam(q, "xing")) {
        if (std::optional<DecodedText> t = decodeText(*raw, queryEncoding(q));
            t && naming::decodeUtf8(t->utf8).size() <= 2)
            xing = t->utf8;
    }
    std::string body = "<h1>姓名测试与取名</h1>\n<p>这是本程序自带的网页，由本机上的程序提供。"
                       "填好下面的表单，就能按八字五行和本程序的姓名评分挑选名字。</p>\n";
    body += "<form class=\"card\" method=\"get\" action=\"" + std::string(naming::kNamingPath) +
            "\">\n<h2>为孩子取名</h2>\n"
            "<div class=\"row\"><label>姓 <input type=\"text\" name=\"youname1\" maxlength=\"2\" size=\"4\" required "
            "value=\"" +
            esc(xing) +
            "\"></label></div>\n"
            "<div class=\"row\">性别 <label><input type=\"radio\" name=\"sex\" value=\"男\" required>男</label>"
            "<label><input type=\"radio\" name=\"sex\" value=\"女\">女</label></div>\n"
            "<div class=\"row\">名字 <label><input type=\"radio\" name=\"ns\" value=\"1\">单字名</label>"
            "<label><input type=\"radio\" name=\"ns\" value=\"2\" checked>双字名</label></div>\n"
            "<div class=\"row\"><label>历法 <select name=\"nx\"><option>公历</option><option>农历</option>"
            "<option>农历(闰月)</option></select></label></div>\n"
            "<div class=\"row\">出生 "
            "<label><input type=\"number\" name=\"nian\" min=\"1901\" max=\"2050\" required> 年</label>"
            "<label><input type=\"number\" name=\"yue\" min=\"1\" max=\"12\" required> 月</label>"
            "<label><input type=\"number\" name=\"ri\" min=\"1\" max=\"31\" required> 日</label>"
            "<label><input type=\"number\" name=\"hh\" min=\"0\" max=\"23\" required> 时</label></div>\n"
            "<div class=\"row\"><label>最低分 <input type=\"number\" name=\"zf\" min=\"0\" max=\"100\" step=\"0.5\" "
            "value=\"80\"></label></div>\n"
            "<div class=\"row\"><button type=\"submit\">开始取名</button></div>\n</form>\n";
    body += "<form class=\"card\" method=\"get\" action=\"/chaname.asp\">\n<h2>查一个字</h2>\n"
            "<label>字 <input type=\"text\" name=\"zi\" maxlength=\"1\" size=\"3\" required></label>"
            "<label>姓（可不填） <input type=\"text\" name=\"xing\" maxlength=\"2\" size=\"4\"></label>"
            "<button type=\"submit\">查看</button>\n</form>\n";
    body += "<form class=\"card\" method=\"get\" action=\"/xingshow.asp\">\n<h2>查一个姓</h2>\n"
            "<label>姓 <input type=\"text\" name=\"biaoti\" maxlength=\"2\" size=\"4\" required></label>"
            "<button type=\"submit\">查看</button>\n</form>\n";
    return page(200, "首页", body);
}

Response contactPage()
{
    const std::string body =
        "<h1>联系我们</h1>\n<div class=\"card\">\n"
        "<p>本程序是免费软件，没有客服电话，也不会向您收取任何费用。</p>\n"
        "<p>如果程序出了问题，或者您对结果有疑问，请把下面几件事告诉为您提供本程序的人，"
        "或写到本程序项目的问题反馈处：</p>\n<ol>\n"
        "<li>您做了什么：按了哪个按钮，输入了哪些内容（姓名、性别、历法、出生年月日时）；</li>\n"
        "<li>程序显示了什么，最好附上截图；</li>\n"
        "<li>您原本期望看到什么；</li>\n"
        "<li>程序的版本：" XINGMING_VERSION "。</li>\n</ol>\n"
        "<p>如果您会用命令行，可以用程序附带的 <code>xingming-cli</code> 重现问题并附上它的输出，例如：<br>"
        "<code>xingming-cli score --surname 李 --given 明 --sex 男 --calendar 公历 --year 1990 --month 5 --day 17 "
        "--hour 18</code></p>\n"
        "<p class=\"note\">本程序不会自动发送任何信息。反馈时请只附上重现问题所需的内容。</p>\n</div>\n";
    return page(200, "联系我们", body);
}

Response shopPage()
{
    const std::string body = "<h1>网店</h1>\n<div class=\"card\">\n"
                             "<p>本程序没有网店。它是免费软件，不在任何网店出售，也没有收费版本或增值服务。</p>\n"
                             "<p>如果有人向您收费出售本程序，或以本程序的名义要求付款，请不要付款。</p>\n</div>\n";
    return page(200, "网店", body);
}

Response payPage()
{
    const std::string body = "<h1>支付方式</h1>\n<div class=\"card\">\n"
                             "<p>不需要支付。本程序的全部功能都可以直接使用，没有注册码、会员或购买项目。</p>\n"
                             "<p>您可以自由地使用本程序，也可以把它送给朋友。</p>\n</div>\n";
    return page(200, "支付方式", body);
}

Response softwarePage()
{
    const std::string body =
        "<h1>软件介绍</h1>\n<p>“" + std::string(kProgramName) +
        "”是一个免费的桌面程序，全部计算都在您的电脑上完成。它能做这些事：</p>\n"
        "<div class=\"card\">\n<h2>名字打分</h2>\n"
        "<p>输入姓名、性别和出生日期，程序按姓名用字的康熙笔划算出天格、人格、地格、外格、总格，"
        "用八十一数理评判每一格，再看三才配置、基础运、成功运、人际关系和数理暗示，给出 53 到 100 之间的分数和点评。"
        "报告里还有出生日期的农历、八字和五行。</p>\n"
        "<h2>八字五行</h2>\n<p>由公历或农历生日（1901 至 2050 年）推算四柱八字，指出八字缺哪些五行、"
        "日主需要什么五行相助。</p>\n"
        "<h2>取名</h2>\n<p>给出姓、性别、单字名或双字名和生日，本站从数百个适合取名的字中组合名字，"
        "按名字打分的得分排列，得分相同时优先用能补足八字五行的字。每个名字都列出得分、笔划、五行和五格，"
        "点击其中的字可以查看它的笔划、五行和带这个字的其他名字。</p>\n"
        "<h2>趣味测算</h2>\n<p>生男生女预测、爱情缘份预测和人体盛衰曲线，只供娱乐。</p>\n</div>\n"
        "<p "
        "class=\"note\">姓名数理与八字五行之说出自民间传统，没有科学依据，结果仅供参考和娱乐，请勿据此决定人生大事。</"
        "p>\n";
    return page(200, "软件介绍", body);
}

Response eventsPage()
{
    const std::string body =
        "<h1>活动</h1>\n<div class=\"card\">\n"
        "<p>目前没有任何限时活动，也没有抽奖、返现或有奖分享。</p>\n"
        "<p>欢迎把本程序介绍给朋友：它是免费的，分享不需要任何条件，也不会给任何人带来报酬。</p>\n</div>\n";
    return page(200, "活动", body);
}

Response notFoundPage(std::string_view path)
{
    std::string body = "<h1>找不到这个页面</h1>\n<div class=\"problem\"><p>本站没有“" + esc(path) +
                       "”这个页面。</p></div>\n<p>您可以去" + anchor("/", "首页") + "取名，或看看" +
                       anchor("/softshow.html", "软件介绍") + "。</p>\n";
    return page(404, "找不到页面", body);
}

bool startsWithIgnoreCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i])
            return false;
    return true;
}

} // namespace

Response handleRequest(std::string_view method, std::string_view target)
{
    if (method != "GET" && method != "HEAD") {
        Response r = problemPage(405, "不支持的请求方法",
                                 {"本站只接受 GET 和 HEAD 请求，而这个请求用的是 " + std::string(method) + "。"});
        r.headers.emplace_back("Allow", "GET, HEAD");
        return r;
    }
    // The absolute form "http://host/path" names the same page as "/path".
    if (startsWithIgnoreCase(target, "http://")) {
        const size_t slash = target.find('/', 7);
        target = slash == std::string_view::npos ? std::string_view("/") : target.substr(slash);
    }
    if (target.empty() || target.front() != '/')
        return badRequest({"请求地址应以“/”开头"});
    const size_t hash = target.find('#');
    if (hash != std::string_view::npos)
        target = target.substr(0, hash);
    const size_t qm = target.find('?');
    const std::string_view path = target.substr(0, qm);
    const std::string_view query = qm == std::string_view::npos ? std::string_view{} : target.substr(qm + 1);

    std::string error;
    const std::optional<std::vector<QueryParam>> params = parseQuery(query, error);
    if (!params)
        return badRequest({error});
    if (path == naming::kNamingPath)
        return namingPage(*params);
    if (path == kSurnamePath)
        return surnamePage(*params);
    if (path == kCharacterPath)
        return characterPage(*params);
    if (path == "/")
        return homePage(*params);
    if (path == "/contact.html")
        return contactPage();
    if (path == "/pay_tb.html")
        return shopPage();
    if (path == "/howpay.html")
        return payPage();
    if (path == "/softshow.html")
        return softwarePage();
    if (path == "/huodong.html")
        return eventsPage();
    // The path may hold anything; it is shown as text where it reads as text, else as sent.
    const std::optional<std::string> decoded = percentDecode(path, false);
    const std::optional<DecodedText> text = decoded ? decodeText(*decoded) : std::nullopt;
    std::string shown;
    if (text) {
        shown = text->utf8;
    } else {
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (char c : path) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x80) {
                shown.push_back(c);
            } else {
                shown += '%';
                shown += kHex[u >> 4];
                shown += kHex[u & 15];
            }
        }
    }
    return notFoundPage(shown);
}

} // namespace xingming::site
