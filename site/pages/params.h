// Reading the parameters of one page, gathering what is wrong with them.
#pragma once

#include "site/query.h"

#include "calendar/kinds.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::site {

class Params {
public:
    explicit Params(const std::vector<QueryParam>& q) : m_q(q), m_encoding(queryEncoding(q)) {}

    // The decoded text of key; nullopt when it is missing or cannot be read (noted unless
    // the key is optional and missing).
    std::optional<std::string> text(std::string_view key, std::string_view label, bool required);

    // A text of at most max characters.
    std::optional<std::string> shortText(std::string_view key, std::string_view label, bool required, size_t max);

    // The sex "男" or "女"; the empty text is the unchosen option.
    std::optional<calendar::Sex> sex(std::string_view key, bool required);

    std::vector<std::string> problems;

private:
    const std::vector<QueryParam>& m_q;
    QueryEncoding m_encoding;
};

// A decimal number, all of the text.
std::optional<float> parseNumber(std::string_view s);

} // namespace xingming::site
