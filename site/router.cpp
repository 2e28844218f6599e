// The router: from method and target to the page that answers; the pages are in pages/.
#include "site/pages.h"

#include "site/pages/handlers.h"
#include "site/pages/layout.h"
#include "site/responsecache.h"

#include "naming/namingrequest.h"

#include <cctype>

namespace xingming::site {

namespace {

struct Route {
    std::string_view path;
    Response (*page)(const Query&);
};

constexpr Route kRoutes[] = {
    {naming::kNamingPath, namingPage}, {kSurnamePath, surnamePage},
    {kCharacterPath, characterPage},   {"/", homePage},
    {"/contact.html", contactPage},    {"/pay_tb.html", shopPage},
    {"/howpay.html", payPage},         {"/softshow.html", softwarePage},
    {"/huodong.html", eventsPage},
};

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

    // The naming page is the one whose making costs: its answers are kept per query.
    static ResponseCache namingPages(kNamingCacheEntries, kNamingCacheBytes);
    const bool naming = path == naming::kNamingPath;
    if (naming) {
        if (std::optional<Response> kept = namingPages.find(query))
            return std::move(*kept);
    }
    std::string error;
    const std::optional<std::vector<QueryParam>> params = parseQuery(query, error);
    if (!params)
        return badRequest({error});
    for (const Route& route : kRoutes) {
        if (path == route.path) {
            Response r = route.page(*params);
            if (naming)
                namingPages.insert(std::string(query), r);
            return r;
        }
    }
    return notFoundPage(path);
}

} // namespace xingming::site
