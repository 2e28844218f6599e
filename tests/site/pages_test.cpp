// The pages as plain functions: every path, the naming page against the engine, the
// refusals with what they say, escaping of everything a request brings, and pages that
// stay whole for any address.
#include "site/pages.h"
#include "site/query.h"

#include "naming/namingrequest.h"
#include "naming/nametest.h"
#include "naming/numbers81.h"
#include "naming/suggest.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <random>

using namespace xingming::site;
using xingming::naming::gbkPercentEncode;

namespace {

// The naming address as the naming request builds it (GBK), for a surname, sex, length
// and solar date; extra is appended as it stands.
std::string namingTarget(const std::string& surname, const std::string& sex, const std::string& y, const std::string& m,
                         const std::string& d, const std::string& h, bool two, const std::string& extra = {})
{
    xingming::calendar::BirthDate b{y, m, d, h};
    return xingming::naming::namingQuery(surname, sex, b, two) + extra;
}

Response get(const std::string& target)
{
    return handleRequest("GET", target);
}

size_t count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size()))
        ++n;
    return n;
}

// What every page must be: a whole UTF-8 HTML document that loads nothing from elsewhere
// and carries no script.
void expectSoundPage(const Response& r, const std::string& target)
{
    SCOPED_TRACE(target);
    EXPECT_EQ(r.contentType, "text/html; charset=utf-8");
    EXPECT_TRUE(xingming::naming::isValidUtf8(r.body));
    EXPECT_TRUE(r.body.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(r.body.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(r.body.ends_with("</html>\n"));
    EXPECT_EQ(r.body.find("<script"), std::string::npos);
    EXPECT_EQ(r.body.find(" src=\""), std::string::npos);
    EXPECT_EQ(r.body.find("://"), std::string::npos) << "no outside address";
}

} // namespace

TEST(Pages, EveryPathAnswers)
{
    struct Row {
        std::string target;
        int status;
        std::string marker; // a text the page must show
    };
    const Row rows[] = {
        {"/", 200, "为孩子取名"},
        {namingTarget("王", "男", "1990", "5", "17", "18", true), 200, "王姓男孩取名"},
        {"/xingshow.asp?biaoti=" + gbkPercentEncode("王"), 200, "天格 5"},
        {"/xingshow.asp?biaoti=%E7%8E%8B", 200, "天格 5"},
        {"/chaname.asp?zi=" + gbkPercentEncode("明"), 200, "康熙笔划"},
        {"/chaname.asp?zi=%E6%98%8E&xing=%E7%8E%8B", 200, "王姓男孩带“明”字的名字"},
        {"/contact.html", 200, "免费软件"},
        {"/pay_tb.html", 200, "本程序没有网店"},
        {"/howpay.html", 200, "不需要支付"},
        {"/softshow.html", 200, "名字打分"},
        {"/huodong.html", 200, "没有任何限时活动"},
        {"/nothing.html", 404, "找不到这个页面"},
        {"/contact.htm", 404, "找不到这个页面"},
        {"/CONTACT.HTML", 404, "找不到这个页面"},
        {"/bestnametwo.asp/x", 404, "找不到这个页面"},
        {"http://127.0.0.1:9/contact.html", 200, "联系我们"},
        {"/contact.html?any=thing#frag", 200, "联系我们"},
        {"*", 400, "请求地址应以“/”开头"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.target);
        const Response res = get(r.target);
        EXPECT_EQ(res.status, r.status);
        EXPECT_NE(res.body.find(r.marker), std::string::npos);
        expectSoundPage(res, r.target);
        // HEAD is answered like GET; the server leaves out the body.
        const Response head = handleRequest("HEAD", r.target);
        EXPECT_EQ(head.status, res.status);
        EXPECT_EQ(head.body, res.body);
    }
}

TEST(Pages, OtherMethodsGet405)
{
    for (const char* m : {"POST", "PUT", "DELETE", "OPTIONS", "TRACE", "PATCH", "CONNECT", "get"}) {
        const Response r = handleRequest(m, "/contact.html");
        EXPECT_EQ(r.status, 405) << m;
        ASSERT_EQ(r.headers.size(), 1u);
        EXPECT_EQ(r.headers[0], (std::pair<std::string, std::string>{"Allow", "GET, HEAD"}));
    }
}

TEST(NamingPage, ListsTheEnginesNamesWithTheirScores)
{
    const Response r = get(namingTarget("王", "男", "1990", "5", "17", "18", true));
    ASSERT_EQ(r.status, 200);
    // The five-element report of the birth, as the naming request shows it.
    EXPECT_NE(r.body.find("此命五行缺木；日主天干为水；必须有木助，但忌火太多。"), std::string::npos);
    EXPECT_NE(r.body.find("庚午 辛巳 壬午 己酉"), std::string::npos);
    // The request's page is that of the inputs: the sound, shape and meaning mode.
    EXPECT_NE(r.body.find("音形义模式 · 双字名"), std::string::npos);
    // Every name of the engine, in its order, with its score, pinyin, meanings, source and
    // links to its characters.
    xingming::naming::SuggestRequest req;
    req.surname = "王";
    req.sex = xingming::calendar::Sex::Male;
    req.length = 2;
    req.birth = {"1990", "5", "17", "18"};
    req.minScore = kDefaultMinScore;
    req.limit = kNamingListLength;
    req.maxPerCharacter = kNamingMaxPerCharacter;
    req.mode = xingming::naming::NamingMode::SoundShapeMeaning;
    const auto res = xingming::naming::suggestNames(req);
    ASSERT_GE(res.names.size(), 50u);
    EXPECT_EQ(count(r.body, "<div class=\"namecard\">"), res.names.size());
    size_t pos = 0;
    for (const auto& s : res.names) {
        const auto g = xingming::naming::splitCharacters(s.given, 2);
        const std::string link = "<a href=\"/chaname.asp?zi=" + queryValue(g[0]) + "&amp;xing=" + queryValue("王") +
                                 "&amp;sex=" + queryValue("男") + "\">" + g[0] + "</a>";
        pos = r.body.find(link, pos);
        ASSERT_NE(pos, std::string::npos) << s.given;
        const size_t cardEnd = r.body.find("<div class=\"namecard\">", pos);
        const std::string card = r.body.substr(pos, cardEnd - pos);
        EXPECT_NE(card.find(">" + g[1] + "</a>"), std::string::npos) << s.given;
        EXPECT_NE(card.find("<span class=\"score\">" + xingming::naming::scoreText(s.score) + " 分</span>"),
                  std::string::npos)
            << s.given;
        for (const auto& c : s.chars) {
            EXPECT_NE(card.find(std::string(c.pinyin)), std::string::npos) << s.given;
            EXPECT_NE(card.find(std::string(c.gloss)), std::string::npos) << s.given;
        }
        EXPECT_EQ(card.find("<p class=\"source\">") != std::string::npos, s.source.has_value()) << s.given;
        if (s.source) {
            EXPECT_NE(card.find(std::string(s.source->line)), std::string::npos) << s.given;
        }
        EXPECT_NE(card.find("<span class=\"rule\">读音无不雅谐音</span>"), std::string::npos) << s.given;
        pos = cardEnd;
    }
}

TEST(NamingPage, ModesAndOptions)
{
    const std::string base = namingTarget("李", "女", "2001", "1", "1", "0", true);
    const auto target = [&](const std::string& extra) {
        std::string t = base;
        // The request carries xn=4; a mode's page replaces it.
        const size_t xn = t.find("&xn=4");
        if (!extra.empty() && extra.starts_with("&xn="))
            t.replace(xn, 5, extra.substr(0, 5));
        return t + (extra.starts_with("&xn=") ? extra.substr(5) : extra);
    };
    struct Row {
        const char* label;
        std::string extra;
        const char* says;
        int status;
    };
    const Row rows[] = {
        {"master", "&xn=1", "综合大师模式 · 双字名", 200},
        {"mainstream", "&xn=2", "主流高分模式 · 双字名", 200},
        {"personal", "&xn=3", "个性化模式 · 双字名", 200},
        {"generation first", "&bf=" + gbkPercentEncode("嘉") + "&bw=1", "嘉", 200},
        {"generation not Chinese", "&bf=A", "辈份字必须是一个汉字。", 200},
        {"generation of ill meaning", "&bf=" + gbkPercentEncode("死"), "辈份字“死”含义不佳", 200},
        {"avoided not Chinese", "&bq=ab", "避用字只能填写汉字。", 200},
        {"mode 9", "&xn=9", "取名模式（xn）应为 1 到 4 之间的数", 400},
        {"place 3", "&bf=" + gbkPercentEncode("嘉") + "&bw=3", "辈份字的位置（bw）应为 1 到 2 之间的数", 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const Response r = get(target(row.extra));
        EXPECT_EQ(r.status, row.status);
        EXPECT_NE(r.body.find(row.says), std::string::npos);
        if (row.status == 200) { // the form to refine the request is always there
            EXPECT_NE(r.body.find("重新取名"), std::string::npos);
        }
    }
    // The generation character stands first in every name; avoided characters nowhere.
    const Response g = get(target("&bf=" + gbkPercentEncode("嘉") + "&bw=2&bq=" + gbkPercentEncode("明月")));
    ASSERT_EQ(g.status, 200);
    EXPECT_GE(count(g.body, "<div class=\"namecard\">"), 20u);
    EXPECT_EQ(count(g.body, "<span class=\"name\">"), count(g.body, "嘉</a></span>"));
    EXPECT_EQ(g.body.find(">明</a>"), std::string::npos);
    EXPECT_EQ(g.body.find(">月</a>"), std::string::npos);
}

TEST(NamingPage, EncodingsAndOptionalKeys)
{
    const std::string gbk = get(namingTarget("欧阳", "女", "2001", "1", "1", "0", false)).body;
    // The same request with its values in UTF-8, as a form of a UTF-8 page sends them.
    const std::string utf8 = get("/bestnametwo.asp?youname1=%E6%AC%A7%E9%98%B3&sex=%E5%A5%B3&nian=2001&yue=1&ri=1&"
                                 "hh=0&ns=1&zf=80")
                                 .body;
    EXPECT_EQ(gbk, utf8);
    EXPECT_NE(gbk.find("欧阳姓女孩取名"), std::string::npos);
    EXPECT_NE(gbk.find("单字名"), std::string::npos);
    // zf may be left out (80, as the naming request sends it); a lower one lists more.
    const std::string noZf = get("/bestnametwo.asp?youname1=%E6%AC%A7%E9%98%B3&sex=%E5%A5%B3&nian=2001&yue=1&ri=1&"
                                 "hh=0&ns=1")
                                 .body;
    EXPECT_EQ(noZf, gbk);
    const Response all = get("/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=1&zf=0");
    EXPECT_EQ(all.status, 200);
    EXPECT_GE(count(all.body, "<div class=\"namecard\">"), 50u);
    // A minimum nobody reaches: a page that says so.
    const Response none = get("/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=1&zf=100");
    EXPECT_EQ(none.status, 200);
    EXPECT_EQ(count(none.body, "<div class=\"namecard\">"), 0u);
    EXPECT_NE(none.body.find("没有符合条件的名字"), std::string::npos);
    // A lunar date (nx 农历) is converted: lunar 1990-4-23 is solar 1990-5-17.
    const Response lunar = get("/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nx=%C5%A9%C0%FA&nian=1990&yue=4&ri=23&"
                               "hh=18&ns=2");
    EXPECT_EQ(lunar.status, 200);
    EXPECT_NE(lunar.body.find("1990年5月17日18时"), std::string::npos);
}

TEST(NamingPage, RefusalsSayWhatIsWrong)
{
    struct Row {
        const char* label;
        std::string target;
        std::vector<std::string> says;
    };
    const std::string ok = "&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=2";
    const Row rows[] = {
        {"no keys",
         "/bestnametwo.asp",
         {"缺少参数 youname1（姓）", "缺少参数 sex（性别）", "缺少参数 nian（出生年）", "缺少参数 yue（出生月）",
          "缺少参数 ri（出生日）", "缺少参数 hh（出生时）", "缺少参数 ns（名字的字数）"}},
        {"no hour",
         "/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=1990&yue=5&ri=17&ns=2",
         {"缺少参数 hh（出生时）"}},
        {"malformed escape", "/bestnametwo.asp?youname1=%C" + ok, {"百分号编码不完整"}},
        {"invalid bytes",
         "/bestnametwo.asp?youname1=%FF%FE%FD" + ok,
         {"既不是有效的 GBK 编码，也不是有效的 UTF-8 编码"}},
        {"control character", "/bestnametwo.asp?youname1=%CD%F5%00" + ok, {"含有控制字符"}},
        {"three characters", "/bestnametwo.asp?youname1=" + gbkPercentEncode("欧阳王") + ok, {"太长：最多 2 个字"}},
        {"empty surname", "/bestnametwo.asp?youname1=" + ok, {"姓不能为空！"}},
        {"sex neither",
         "/bestnametwo.asp?youname1=%CD%F5&sex=x&nian=1990&yue=5&ri=17&hh=18&ns=2",
         {"性别应为“男”或“女”"}},
        {"sex empty", "/bestnametwo.asp?youname1=%CD%F5&sex=&nian=1990&yue=5&ri=17&hh=18&ns=2", {"请选择性别！"}},
        {"year 1900", namingTarget("王", "男", "1900", "5", "17", "18", true), {"年不能为空，且应在1901至2050之间！"}},
        {"year empty", namingTarget("王", "男", "", "5", "17", "18", true), {"年不能为空，且应在1901至2050之间！"}},
        {"31 April", namingTarget("王", "男", "1990", "4", "31", "18", true), {"4月只有30天！"}},
        {"29 February 1990", namingTarget("王", "男", "1990", "2", "29", "18", true), {"1990年是平年，2月只有28天！"}},
        {"30 February 1992", namingTarget("王", "男", "1992", "2", "30", "18", true), {"1992年是闰年，2月只有29天！"}},
        {"hour 24", namingTarget("王", "男", "1990", "5", "17", "24", true), {"时不能为空，且应在0至23之间！"}},
        {"lunar day 30 of a short month",
         "/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nx=%C5%A9%C0%FA&nian=1990&yue=1&"
         "ri=30&hh=18&ns=2",
         {"请核对万年历，您输入的农历日期有误！"}},
        {"ns 3",
         "/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=3",
         {"名字的字数（ns）应为 1 或 2"}},
        {"zf text", namingTarget("王", "男", "1990", "5", "17", "18", true) + "&zf=high", {}},
        {"zf 101", "/bestnametwo.asp?youname1=%CD%F5" + ok + "&zf=101", {"最低分（zf）应为 0 到 100 之间的数"}},
        {"zf nan", "/bestnametwo.asp?youname1=%CD%F5" + ok + "&zf=nan", {"最低分（zf）应为 0 到 100 之间的数"}},
        {"nx other", "/bestnametwo.asp?youname1=%CD%F5" + ok + "&nx=x", {"历法（nx）应为"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const Response res = get(r.target);
        if (std::string_view(r.label) == "zf text") {
            // The address names zf=80 first; the first pair of a key counts.
            EXPECT_EQ(res.status, 200);
            continue;
        }
        EXPECT_EQ(res.status, 400);
        expectSoundPage(res, r.target);
        for (const std::string& s : r.says)
            EXPECT_NE(res.body.find(s), std::string::npos) << s;
    }
}

TEST(SurnamePage, StrokesElementsAndTiange)
{
    // 欧阳: 欧 15 strokes, 阳 17 (Kangxi, from the character table); 天格 32.
    const Response r = get("/xingshow.asp?biaoti=" + gbkPercentEncode("欧阳"));
    ASSERT_EQ(r.status, 200);
    EXPECT_NE(r.body.find("欧阳姓"), std::string::npos);
    EXPECT_NE(r.body.find("天格 32"), std::string::npos);
    EXPECT_NE(r.body.find(std::string(xingming::naming::plainText81(32, true))), std::string::npos);
    EXPECT_NE(r.body.find("32 的详细解释"), std::string::npos);
    EXPECT_NE(r.body.find(">15</td>"), std::string::npos);
    EXPECT_NE(r.body.find(">17</td>"), std::string::npos);
    // A character outside the table counts one stroke, as in the name test.
    const Response rare = get("/xingshow.asp?biaoti=%F0%A0%80%8B");
    EXPECT_EQ(rare.status, 200);
    EXPECT_NE(rare.body.find("字库中没有这个字"), std::string::npos);
    EXPECT_NE(rare.body.find("天格 2"), std::string::npos);

    for (const char* bad :
         {"/xingshow.asp", "/xingshow.asp?biaoti=", "/xingshow.asp?biaoti=%E6%AC%A7%E9%98%B3%E7%8E%8B",
          "/xingshow.asp?biaoti=%ZZ", "/xingshow.asp?biaoti=%FF"})
        EXPECT_EQ(get(bad).status, 400) << bad;
}

TEST(CharacterPage, FactsAndNames)
{
    // The site's own links, in UTF-8 (女 in GBK, C5AE, is also UTF-8, so GBK is no choice here).
    const Response r =
        get("/chaname.asp?zi=" + queryValue("明") + "&xing=" + queryValue("李") + "&sex=" + queryValue("女"));
    ASSERT_EQ(r.status, 200);
    EXPECT_NE(r.body.find("8 划"), std::string::npos);
    EXPECT_NE(r.body.find("<span class=\"e e4\">水</span>"), std::string::npos);
    EXPECT_NE(r.body.find("字库中共有 387 个"), std::string::npos);
    EXPECT_NE(r.body.find("收录，男女皆宜"), std::string::npos);
    EXPECT_NE(r.body.find("李姓女孩带“明”字的名字"), std::string::npos);
    EXPECT_EQ(r.body.find("李姓男孩"), std::string::npos) << "only the sex asked for";
    const auto names = xingming::naming::namesWithCharacter("李", xingming::calendar::Sex::Female, "明", 10);
    for (const auto& s : names)
        EXPECT_NE(r.body.find("<td class=\"num score\">" + xingming::naming::scoreText(s.score)), std::string::npos);
    EXPECT_EQ(count(r.body, "<td class=\"name\">"), names.size());

    // A character for boys only shows the boys' names; one outside the table says so.
    const Response boy = get("/chaname.asp?zi=" + gbkPercentEncode("刚") + "&xing=" + gbkPercentEncode("李"));
    EXPECT_NE(boy.body.find("李姓男孩带“刚”字的名字"), std::string::npos);
    EXPECT_EQ(boy.body.find("李姓女孩"), std::string::npos);
    const Response rare = get("/chaname.asp?zi=%F0%A0%80%8B");
    EXPECT_EQ(rare.status, 200);
    EXPECT_NE(rare.body.find("字库中没有这个字"), std::string::npos);
    // A one-character given name: the second character's tab asks with an empty zi=.
    const Response none = get("/chaname.asp?zi=");
    EXPECT_EQ(none.status, 200);
    EXPECT_NE(none.body.find("没有第二个字可查"), std::string::npos);
    // Without a surname, a form asks for one.
    EXPECT_NE(get("/chaname.asp?zi=%E6%98%8E").body.find("name=\"xing\""), std::string::npos);

    struct Bad {
        std::string target;
        std::string says;
    };
    const Bad bad[] = {
        {"/chaname.asp", "缺少参数 zi（字）"},
        {"/chaname.asp?zi=" + gbkPercentEncode("明月"), "一次只能查一个字"},
        {"/chaname.asp?zi=%E6%98%8E&xing=" + gbkPercentEncode("欧阳王"), "太长"},
        {"/chaname.asp?zi=%E6%98%8E&sex=x", "性别应为"},
        {"/chaname.asp?zi=%E6%98%FF", "既不是有效的 GBK 编码"},
    };
    for (const Bad& b : bad) {
        const Response res = get(b.target);
        EXPECT_EQ(res.status, 400) << b.target;
        EXPECT_NE(res.body.find(b.says), std::string::npos) << b.target;
    }
}

TEST(Pages, EverythingFromTheRequestIsEscaped)
{
    struct Row {
        std::string target;
        std::string shown; // how the request's text must appear
    };
    const Row rows[] = {
        // A surname "<script>" is too long for a surname: the refusal shows it as text.
        {"/bestnametwo.asp?youname1=%3Cscript%3E&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=2", "“&lt;script&gt;”"},
        {"/xingshow.asp?biaoti=%3Cscript%3E", "“&lt;script&gt;”"},
        {"/xingshow.asp?biaoti=%3Cb", "&lt;b姓"},
        {"/bestnametwo.asp?youname1=%3Ci&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=2", "&lt;i姓男孩取名"},
        {"/chaname.asp?zi=%3C", "“&lt;”字"},
        {"/chaname.asp?zi=%22", "value=\"&quot;\""},
        {"/chaname.asp?zi=%E6%98%8E&xing=%3Cb", "&lt;b姓男孩带"},
        {"/?xing=%22%3E", "value=\"&quot;&gt;\""},
        {"/<script>alert(1)</script>", "“/&lt;script&gt;alert(1)&lt;/script&gt;”"},
        {"/%3Cimg%20src=x%3E", "“/&lt;img src=x&gt;”"},
        {"/bestnametwo.asp?youname1=%CD%F5&sex=%3Cu%3E", "“&lt;u&gt;”"},
        {"/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=1990&yue=5&ri=17&hh=18&ns=%3Cu%3E", "“&lt;u&gt;”"},
        {"/bestnametwo.asp?youname1=%CD%F5&sex=%C4%D0&nian=%3Cu%3E&yue=5&ri=17&hh=18&ns=2", "年不能为空"},
        {"/bestnametwo.asp?a%3Cb=%G0", "参数“a%3Cb”"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.target);
        const Response res = get(r.target);
        EXPECT_NE(res.body.find(r.shown), std::string::npos);
        for (const char* raw : {"<script", "<b姓", "<i姓", "<img", "<u>", "value=\"\">"})
            EXPECT_EQ(res.body.find(raw), std::string::npos) << raw;
        expectSoundPage(res, r.target);
    }
}

TEST(Pages, AnyAddressGivesAWholePage)
{
    // Random targets over the site's paths and keys, with random escapes and bytes: every
    // answer is a whole page of a known status, never a crash.
    std::mt19937 rng(20240601);
    const std::vector<std::string> paths = {"/bestnametwo.asp", "/xingshow.asp", "/chaname.asp", "/", "/x"};
    const std::vector<std::string> keys = {"youname1", "sex", "nian",   "yue", "ri",   "hh", "ns",
                                           "zf",       "nx",  "biaoti", "zi",  "xing", ""};
    const std::vector<std::string> atoms = {"%CD%F5", "%C4%D0", "%E6%98%8E", "%",   "%F", "%FF", "%00",
                                            "1",      "1990",   "5",         "17",  "=",  "&",   "+",
                                            "<",      "\"",     "%3C",       "%E6", "2",  "-1",  "99999"};
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    for (int n = 0; n < 1500; ++n) {
        std::string target = pick(paths) + "?";
        const int pairs = static_cast<int>(rng() % 9);
        for (int p = 0; p < pairs; ++p) {
            target += pick(keys) + "=";
            const int len = static_cast<int>(rng() % 4);
            for (int a = 0; a < len; ++a)
                target += pick(atoms);
            target += "&";
        }
        const Response r = get(target);
        EXPECT_TRUE(r.status == 200 || r.status == 400 || r.status == 404) << target << " " << r.status;
        ASSERT_TRUE(xingming::naming::isValidUtf8(r.body)) << target;
        ASSERT_TRUE(r.body.ends_with("</html>\n")) << target;
    }
}

TEST(Pages, Utf8AddressesAreNeverReadAsGbk)
{
    // 㨿尡 in UTF-8 are also the GBK bytes of 悒垮啊; the page is about 㨿尡.
    const Response rare = get("/xingshow.asp?biaoti=%E3%A8%BF%E5%B0%A1");
    ASSERT_EQ(rare.status, 200);
    EXPECT_NE(rare.body.find("㨿尡"), std::string::npos);
    EXPECT_EQ(rare.body.find("悒垮"), std::string::npos);
    // The program's naming address says it is GBK: 牛 (C5A3) and 女 (C5AE) would also be
    // UTF-8, and are still read as GBK there.
    const Response naming = get(xingming::naming::namingQuery("牛", "女", {"1990", "5", "17", "18"}, true));
    ASSERT_EQ(naming.status, 200) << naming.body.substr(0, 2000);
    EXPECT_NE(naming.body.find("牛"), std::string::npos);
}
