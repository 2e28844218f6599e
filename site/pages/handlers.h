// The pages the router answers with, each in its own file beside this one. Every page
// takes the parameters of its query; the pages about this program read none.
#pragma once

#include "site/http.h"
#include "site/query.h"

#include <string_view>
#include <vector>

namespace xingming::site {

using Query = std::vector<QueryParam>;

Response homePage(const Query& q);      // "/": the forms, a surname handed over filled in
Response namingPage(const Query& q);    // naming::kNamingPath: names for a surname and a birth
Response surnamePage(const Query& q);   // kSurnamePath: the characters of a surname and its 天格
Response characterPage(const Query& q); // kCharacterPath: one character and names with it
Response contactPage(const Query& q);   // "/contact.html"
Response shopPage(const Query& q);      // "/pay_tb.html"
Response payPage(const Query& q);       // "/howpay.html"
Response softwarePage(const Query& q);  // "/softshow.html"
Response eventsPage(const Query& q);    // "/huodong.html"

// Any other path, shown as text where it reads as text, else as sent.
Response notFoundPage(std::string_view path);

} // namespace xingming::site
