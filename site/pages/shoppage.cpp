#include "site/pages/handlers.h"
#include "site/pages/layout.h"

namespace xingming::site {

Response shopPage(const Query&)
{
    return page(200, "网店",
                html("<h1>网店</h1>\n<div class=\"card\">\n"
                     "<p>本程序没有网店。它是免费软件，不在任何网店出售，也没有收费版本或增值服务。</p>\n"
                     "<p>如果有人向您收费出售本程序，或以本程序的名义要求付款，请不要付款。</p>\n</div>\n"));
}

} // namespace xingming::site
