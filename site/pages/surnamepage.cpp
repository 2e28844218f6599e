#include "site/pages/handlers.h"
#include "site/pages/layout.h"
#include "site/pages/params.h"

#include "naming/chartable.h"
#include "naming/explanations.h"
#include "naming/grids.h"
#include "naming/nametest.h"
#include "naming/numbers81.h"
#include "naming/utf8.h"

#include <algorithm>

namespace xingming::site {

namespace {

constexpr HtmlTemplate<4> kCharRow =
    "<tr><td class=\"name\">{}</td><td class=\"num\">{}</td><td>{}</td><td>{}</td></tr>\n";

constexpr HtmlTemplate<1> kCharTable =
    "<section class=\"card\">\n<h2>姓氏用字</h2>\n<table class=\"compact\">\n<thead><tr><th>字</th><th "
    "class=\"num\">康熙笔划</th><th>五行</th><th></th></tr></thead>\n<tbody>\n{}</tbody>\n</table>\n</section>\n";

// Holes: the number, how it is counted, the number, its element.
constexpr HtmlTemplate<4> kTianGe = "<section class=\"card\">\n<h2>天格 {}</h2>\n<p>天格数{}：{}，五行属{}"
                                    "。天格数是先祖留传下来的，无法改变，其数理对人影响不大。</p>\n";

// The paragraphs of an explanation: split at blank lines, line breaks within as blanks.
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

// What the 81 numbers say of 天格 tg, for a man and a woman, once when it is the same.
Html judgement(int tg)
{
    const auto ratingOf = [tg](bool isMale) {
        const std::optional<naming::Rating81> r = naming::rating81(tg, isMale);
        return r ? naming::ratingText(*r) : std::string_view();
    };
    const std::string_view male = naming::plainText81(tg, true);
    const std::string_view female = naming::plainText81(tg, false);
    if (male == female && ratingOf(true) == ratingOf(false))
        return html("<p><b>{}</b>（{}）</p>\n", male, ratingOf(true));
    return html("<p>男：<b>{}</b>（{}）</p>\n<p>女：<b>{}</b>（{}）</p>\n", male, ratingOf(true), female,
                ratingOf(false));
}

} // namespace

Response surnamePage(const Query& q)
{
    Params p(q);
    const std::optional<std::string> surname = p.shortText("biaoti", "姓氏", true, 2);
    if (surname && surname->empty())
        p.problems.push_back("没有给出姓氏（biaoti 为空）");
    if (!p.problems.empty() || !surname)
        return badRequest(p.problems);

    const std::vector<std::string> chars = naming::splitCharacters(*surname, 2);
    naming::NameStrokes s;
    Html rows;
    for (size_t i = 0; i < chars.size(); ++i) {
        const naming::CharInfo info = naming::lookupChar(chars[i]);
        (i == 0 ? s.S1 : s.S2) = info.strokes;
        rows += html(kCharRow, anchor(characterLink(chars[i], {}, calendar::Sex::None), chars[i]), info.strokes,
                     elementSpan(info.element),
                     info.position == 0 ? "字库中没有这个字：姓名测试按 1 划计算，五行不详" : "");
    }
    s.singleSurname = chars.size() == 1;
    const int tg = naming::computeGrids(s).tg;

    Html body = html("<h1>{}姓</h1>\n", *surname);
    body += html(kCharTable, rows);
    body += html(kTianGe, tg, chars.size() == 1 ? "是单姓的笔划数加 1" : "是复姓两个字的笔划数之和", tg,
                 elementSpan(naming::elementFromText(naming::yy(tg))));
    body += judgement(tg);
    const std::vector<std::string> paras = explanationParagraphs(naming::explanationText(tg));
    if (!paras.empty()) {
        body += html("<details><summary>{} 的详细解释</summary>\n{}</details>\n", tg,
                     join(paras, [](const std::string& para) { return html("<p>{}</p>\n", para); }));
    }
    body += html("</section>\n<p>{}</p>\n", anchor("/?xing=" + queryValue(*surname), "为" + *surname + "姓的孩子取名"));
    return page(200, *surname + "姓", body);
}

} // namespace xingming::site
