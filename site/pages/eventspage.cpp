#include "site/pages/handlers.h"
#include "site/pages/layout.h"

namespace xingming::site {

Response eventsPage(const Query&)
{
    return page(
        200, "活动",
        html("<h1>活动</h1>\n<div class=\"card\">\n"
             "<p>目前没有任何限时活动，也没有抽奖、返现或有奖分享。</p>\n"
             "<p>欢迎把本程序介绍给朋友：它是免费的，分享不需要任何条件，也不会给任何人带来报酬。</p>\n</div>\n"));
}

} // namespace xingming::site
