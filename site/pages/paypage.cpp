#include "site/pages/handlers.h"
#include "site/pages/layout.h"

namespace xingming::site {

Response payPage(const Query&)
{
    return page(200, "支付方式",
                html("<h1>支付方式</h1>\n<div class=\"card\">\n"
                     "<p>不需要支付。本程序的全部功能都可以直接使用，没有注册码、会员或购买项目。</p>\n"
                     "<p>您可以自由地使用本程序，也可以把它送给朋友。</p>\n</div>\n"));
}

} // namespace xingming::site
