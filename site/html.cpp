#include "site/html.h"

#include "site/query.h"

namespace xingming::site {

void appendHole(std::string& out, const Html& markup)
{
    out += markup.str();
}

void appendHole(std::string& out, std::string_view text)
{
    out += htmlEscape(text);
}

} // namespace xingming::site
