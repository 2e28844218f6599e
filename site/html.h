// The site's HTML templates: literal markup with holes "{}", checked when the program is
// compiled. What fills a hole is escaped unless it is Html, markup that a template made
// or that is marked as markup where it is made; so no text a request brings can stand in
// a page unescaped, and no hole can be forgotten or filled twice.
//
//     constexpr HtmlTemplate<2> kFactRow = "<tr><th>{}</th><td>{}</td></tr>\n";
//     Html row = html(kFactRow, "康熙笔划", html("{} 划", strokes));
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace xingming::site {

// Markup that is inserted as it stands.
class Html {
public:
    Html() = default;

    // Markup this program wrote, such as the embedded style sheet: never text that came
    // with a request, nor text of the tables.
    static Html markup(std::string text) { return Html(std::move(text)); }

    const std::string& str() const& { return m_text; }
    std::string str() && { return std::move(m_text); }
    bool empty() const { return m_text.empty(); }

    Html& operator+=(const Html& more)
    {
        m_text += more.m_text;
        return *this;
    }

private:
    template <std::size_t Holes> friend class HtmlTemplate;
    explicit Html(std::string text) : m_text(std::move(text)) {}

    std::string m_text;
};

// The text of a hole: markup as it stands, text escaped (htmlEscape), numbers in decimal.
void appendHole(std::string& out, const Html& markup);
void appendHole(std::string& out, std::string_view text);
inline void appendHole(std::string& out, const std::string& text)
{
    appendHole(out, std::string_view(text));
}
inline void appendHole(std::string& out, const char* text)
{
    appendHole(out, std::string_view(text));
}
template <std::integral T>
requires(!std::same_as<T, bool> && !std::same_as<T, char>) void appendHole(std::string& out, T n)
{
    out += std::to_string(n);
}

// Literal markup with Holes holes "{}"; a brace that is no hole, or a count of holes other
// than Holes, is a compile error.
template <std::size_t Holes> class HtmlTemplate {
public:
    template <std::size_t N> consteval HtmlTemplate(const char (&text)[N]) // NOLINT: a literal converts
    {
        const std::string_view t(text, N - 1);
        std::size_t hole = 0, start = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '}')
                throw "a '}' that closes no hole";
            if (t[i] != '{')
                continue;
            if (i + 1 == t.size() || t[i + 1] != '}')
                throw "a '{' that opens no hole: holes are written {}";
            if (hole == Holes)
                throw "more holes than the template's count";
            m_parts[hole++] = t.substr(start, i - start);
            start = ++i + 1;
        }
        if (hole != Holes)
            throw "fewer holes than the template's count";
        m_parts[Holes] = t.substr(start);
    }

    template <typename... Args> Html fill(const Args&... args) const
    {
        static_assert(sizeof...(Args) == Holes);
        std::size_t size = 0;
        for (std::string_view p : m_parts)
            size += p.size();
        std::string out;
        out.reserve(size + 16 * Holes);
        out += m_parts[0];
        [[maybe_unused]] std::size_t i = 1;
        ((appendHole(out, args), out += m_parts[i++]), ...);
        return Html(std::move(out));
    }

private:
    std::array<std::string_view, Holes + 1> m_parts{};
};

// The template filled: html("<b>{}</b>", name), or html(kRow, a, b) with a named template.
template <typename... Args> Html html(HtmlTemplate<sizeof...(Args)> t, const Args&... args)
{
    return t.fill(args...);
}

// The pieces one after the other.
template <typename Range, typename Piece> Html join(const Range& items, Piece piece)
{
    Html out;
    for (const auto& item : items)
        out += piece(item);
    return out;
}

} // namespace xingming::site
