#include "site/pages/handlers.h"
#include "site/pages/layout.h"

namespace xingming::site {

Response notFoundPage(std::string_view path)
{
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
    return page(404, "找不到页面",
                html("<h1>找不到这个页面</h1>\n<div class=\"problem\"><p>本站没有“{}”这个页面。</p></div>\n"
                     "<p>您可以去{}取名，或看看{}。</p>\n",
                     shown, anchor("/", "首页"), anchor("/softshow.html", "软件介绍")));
}

} // namespace xingming::site
