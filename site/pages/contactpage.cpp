#include "site/pages/handlers.h"
#include "site/pages/layout.h"

#ifndef XINGMING_VERSION
#define XINGMING_VERSION "1.0.0"
#endif

namespace xingming::site {

Response contactPage(const Query&)
{
    return page(
        200, "联系我们",
        html("<h1>联系我们</h1>\n<div class=\"card\">\n"
             "<p>本程序是免费软件，没有客服电话，也不会向您收取任何费用。</p>\n"
             "<p>如果程序出了问题，或者您对结果有疑问，请把下面几件事告诉为您提供本程序的人，"
             "或写到本程序项目的问题反馈处：</p>\n<ol>\n"
             "<li>您做了什么：按了哪个按钮，输入了哪些内容（姓名、性别、历法、出生年月日时）；</li>\n"
             "<li>程序显示了什么，最好附上截图；</li>\n"
             "<li>您原本期望看到什么；</li>\n"
             "<li>程序的版本：" XINGMING_VERSION "。</li>\n</ol>\n"
             "<p>如果您会用命令行，可以用程序附带的 <code>xingming-cli</code> 重现问题并附上它的输出，例如：<br>"
             "<code>xingming-cli score --surname 李 --given 明 --sex 男 --calendar 公历 --year 1990 --month 5 "
             "--day 17 --hour 18</code></p>\n"
             "<p class=\"note\">本程序不会自动发送任何信息。反馈时请只附上重现问题所需的内容。</p>\n</div>\n"));
}

} // namespace xingming::site
