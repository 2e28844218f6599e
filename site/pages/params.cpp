#include "site/pages/params.h"

#include "naming/utf8.h"

#include <charconv>
#include <cmath>

namespace xingming::site {

std::optional<std::string> Params::text(std::string_view key, std::string_view label, bool required)
{
    const std::string* raw = findParam(m_q, key);
    if (!raw) {
        if (required)
            problems.push_back("缺少参数 " + std::string(key) + "（" + std::string(label) + "）");
        return std::nullopt;
    }
    std::string why;
    std::optional<DecodedText> t = decodeText(*raw, m_encoding, &why);
    if (!t) {
        problems.push_back("参数 " + std::string(key) + "（" + std::string(label) + "）的文字" + why);
        return std::nullopt;
    }
    return std::move(t->utf8);
}

std::optional<std::string> Params::shortText(std::string_view key, std::string_view label, bool required, size_t max)
{
    std::optional<std::string> t = text(key, label, required);
    if (t && naming::decodeUtf8(*t).size() > max) {
        problems.push_back(std::string(label) + "“" + *t + "”太长：最多 " + std::to_string(static_cast<int>(max)) +
                           " 个字");
        return std::nullopt;
    }
    return t;
}

std::optional<calendar::Sex> Params::sex(std::string_view key, bool required)
{
    const std::optional<std::string> t = text(key, "性别", required);
    if (!t)
        return std::nullopt;
    if (const std::optional<calendar::Sex> s = calendar::sexFromText(*t))
        return s;
    problems.push_back("性别应为“男”或“女”，而不是“" + *t + "”");
    return std::nullopt;
}

std::optional<float> parseNumber(std::string_view s)
{
    float v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace xingming::site
