#include "site/pages.h"
#include "site/pages/handlers.h"
#include "site/pages/layout.h"

#include "naming/namingrequest.h"
#include "naming/utf8.h"

namespace xingming::site {

namespace {

// The fields of the naming form; the hole is the surname handed over.
constexpr HtmlTemplate<1> kNamingFields =
    "<div class=\"row\"><label>姓 <input type=\"text\" name=\"youname1\" maxlength=\"2\" size=\"4\" required "
    "value=\"{}\"></label></div>\n"
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
    "<div class=\"row\"><button type=\"submit\">开始取名</button></div>\n";

} // namespace

Response homePage(const Query& q)
{
    // A surname handed over by the surname page fills the form; anything unreadable is ignored.
    std::string xing;
    if (const std::string* raw = findParam(q, "xing")) {
        if (std::optional<DecodedText> t = decodeText(*raw, queryEncoding(q));
            t && naming::decodeUtf8(t->utf8).size() <= 2)
            xing = t->utf8;
    }
    Html body = html("<h1>姓名测试与取名</h1>\n<p>这是本程序自带的网页，由本机上的程序提供。"
                     "填好下面的表单，就能按八字五行和本程序的姓名评分挑选名字。</p>\n");
    body += cardForm(naming::kNamingPath, "为孩子取名", html(kNamingFields, xing));
    body += cardForm(kCharacterPath, "查一个字",
                     html("<label>字 <input type=\"text\" name=\"zi\" maxlength=\"1\" size=\"3\" required></label>"
                          "<label>姓（可不填） <input type=\"text\" name=\"xing\" maxlength=\"2\" size=\"4\"></label>"
                          "<button type=\"submit\">查看</button>\n"));
    body += cardForm(kSurnamePath, "查一个姓",
                     html("<label>姓 <input type=\"text\" name=\"biaoti\" maxlength=\"2\" size=\"4\" required></label>"
                          "<button type=\"submit\">查看</button>\n"));
    return page(200, "首页", body);
}

} // namespace xingming::site
