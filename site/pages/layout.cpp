#include "site/pages/layout.h"

#include "embedded/style.css.h"
#include "site/query.h"

#ifndef XINGMING_VERSION
#define XINGMING_VERSION "1.0.0"
#endif

namespace xingming::site {

namespace {

// Holes: the title, the program's name, the style sheet, the body, the program's name.
constexpr HtmlTemplate<5> kDocument =
    "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>{} · {}</title>\n"
    "<style>\n{}</style>\n</head>\n<body>\n<header><nav>"
    "<a class=\"brand\" href=\"/\">姓名测试与取名</a>"
    "<a href=\"/\">取名</a>"
    "<a href=\"/softshow.html\">软件介绍</a>"
    "<a href=\"/howpay.html\">支付方式</a>"
    "<a href=\"/huodong.html\">活动</a>"
    "<a href=\"/contact.html\">联系我们</a>"
    "</nav></header>\n<main>\n{}\n</main>\n"
    "<footer>{} " XINGMING_VERSION " · 免费软件 · 本页由本机（127.0.0.1）上的程序生成，"
    "所有计算都在您的电脑上完成，您输入的内容不会发往别处。"
    "姓名数理与命理之说属传统习俗，没有科学依据，仅供参考和娱乐。</footer>\n</body>\n</html>\n";

constexpr HtmlTemplate<2> kProblems =
    "<h1>{}</h1>\n<div class=\"problem\"><ul>{}</ul></div>\n<p><a href=\"/\">回到首页</a>，在表单中重新填写。</p>";

const Html& styleSheet()
{
    static const Html style = Html::markup(std::string(embedded::style_css));
    return style;
}

} // namespace

Response page(int status, std::string_view title, const Html& body)
{
    Response r;
    r.status = status;
    r.body = html(kDocument, title, kProgramName, styleSheet(), body, kProgramName).str();
    return r;
}

Response problemPage(int status, std::string_view heading, const std::vector<std::string>& problems)
{
    const Html items = join(problems, [](const std::string& p) { return html("<li>{}</li>", p); });
    return page(status, heading, html(kProblems, heading, items));
}

Response badRequest(const std::vector<std::string>& problems)
{
    return problemPage(400, "请求有误", problems);
}

Html elementSpan(naming::Element e)
{
    if (e == naming::Element::Unknown)
        return html("<span class=\"e\">?</span>");
    return html("<span class=\"e e{}\">{}</span>", static_cast<int>(e), naming::elementText(e));
}

Html anchor(std::string_view href, std::string_view text)
{
    return html("<a href=\"{}\">{}</a>", href, text);
}

std::string surnameLink(std::string_view surname)
{
    return "/xingshow.asp?biaoti=" + queryValue(surname);
}

std::string characterLink(std::string_view ch, std::string_view surname, calendar::Sex sex)
{
    std::string link = "/chaname.asp?zi=" + queryValue(ch);
    if (!surname.empty())
        link += "&xing=" + queryValue(surname);
    if (sex != calendar::Sex::None)
        link += "&sex=" + queryValue(calendar::sexText(sex));
    return link;
}

Html factsTable(const std::vector<Fact>& facts)
{
    const Html rows =
        join(facts, [](const Fact& f) { return html("<tr><th>{}</th><td>{}</td></tr>\n", f.caption, f.value); });
    return html("<table class=\"facts\">\n{}</table>\n", rows);
}

Html cardForm(std::string_view action, std::string_view heading, const Html& fields)
{
    return html("<form class=\"card\" method=\"get\" action=\"{}\">\n<h2>{}</h2>\n{}</form>\n", action, heading,
                fields);
}

} // namespace xingming::site
