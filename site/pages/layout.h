// What the pages share: the document frame (head, style sheet, header, footer), the pages
// that name the problems of a request, and the small pieces of markup the pages repeat.
#pragma once

#include "site/html.h"
#include "site/http.h"

#include "calendar/kinds.h"
#include "naming/chartable.h"

#include <string>
#include <string_view>
#include <vector>

namespace xingming::site {

inline constexpr std::string_view kProgramName = "姓名测试与取名";

// The whole document around body, with title before the program's name in the title bar.
Response page(int status, std::string_view title, const Html& body);

// A page that says what is wrong with a request, one item per problem.
Response problemPage(int status, std::string_view heading, const std::vector<std::string>& problems);
Response badRequest(const std::vector<std::string>& problems);

// An element in its colour ("?" for none).
Html elementSpan(naming::Element e);

// <a href="href">text</a>
Html anchor(std::string_view href, std::string_view text);

// The addresses of the surname page and the character page (a surname and a sex carried
// along when given).
std::string surnameLink(std::string_view surname);
std::string characterLink(std::string_view ch, std::string_view surname, calendar::Sex sex);

// A table of facts, one caption and its value a row.
struct Fact {
    std::string_view caption;
    Html value;
};
Html factsTable(const std::vector<Fact>& facts);

// A form on a card that asks the page at action: a heading, then its fields (each line of
// them ending in a line break), sent with GET.
Html cardForm(std::string_view action, std::string_view heading, const Html& fields);

} // namespace xingming::site
