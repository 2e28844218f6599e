#include "site/pages/namestable.h"

#include "site/pages/layout.h"

#include "naming/hanzi.h"
#include "naming/nametest.h"
#include "naming/utf8.h"

#include <array>
#include <span>

namespace xingming::site {

namespace {

// What a cell is made from.
struct NameRow {
    size_t rank; // from 1
    const naming::Suggestion& name;
    std::vector<std::string> given; // the given name's characters
    const std::vector<std::string>& surname;
    std::string surnameText;
    calendar::Sex sex;
};

Html nameCell(const NameRow& r)
{
    Html name = anchor(surnameLink(r.surnameText), r.surnameText);
    for (const std::string& g : r.given)
        name += anchor(characterLink(g, r.surnameText, r.sex), g);
    return html("<td class=\"name\">{}</td>", name);
}

// The strokes ("4+9+12") and elements of the characters present.
std::array<bool, 4> present(const NameRow& r)
{
    return {true, r.surname.size() == 2, true, r.given.size() == 2};
}

Html strokesCell(const NameRow& r)
{
    std::string strokes;
    for (size_t i = 0; i < 4; ++i) {
        if (!present(r)[i])
            continue;
        if (!strokes.empty())
            strokes += "+";
        strokes += std::to_string(r.name.strokes[i]);
    }
    return html("<td>{}</td>", strokes);
}

Html elementsCell(const NameRow& r)
{
    Html elements;
    for (size_t i = 0; i < 4; ++i)
        if (present(r)[i])
            elements += elementSpan(r.name.elements[i]);
    return html("<td>{}</td>", elements);
}

Html fitCell(const NameRow& r)
{
    if (r.name.fit <= 0)
        return html("<td>—</td>");
    std::string stars;
    for (int k = 0; k < r.name.fit; ++k)
        stars += "★";
    return html("<td class=\"want\">{}</td>", stars);
}

Html number(int n)
{
    return html("<td class=\"num\">{}</td>", n);
}

struct Column {
    HtmlTemplate<0> header;
    Html (*cell)(const NameRow&);
};

// The columns in their order; the last one only with the fit.
constexpr Column kColumns[] = {
    {"<th class=\"num\">#</th>", [](const NameRow& r) { return number(static_cast<int>(r.rank)); }},
    {"<th>姓名</th>", nameCell},
    {"<th class=\"num\">得分</th>",
     [](const NameRow& r) { return html("<td class=\"num score\">{}</td>", naming::scoreText(r.name.score)); }},
    {"<th>笔划</th>", strokesCell},
    {"<th>五行</th>", elementsCell},
    {"<th class=\"num\">天格</th>", [](const NameRow& r) { return number(r.name.grids.tg); }},
    {"<th class=\"num\">人格</th>", [](const NameRow& r) { return number(r.name.grids.rg); }},
    {"<th class=\"num\">地格</th>", [](const NameRow& r) { return number(r.name.grids.dG); }},
    {"<th class=\"num\">外格</th>", [](const NameRow& r) { return number(r.name.grids.wg); }},
    {"<th class=\"num\">总格</th>", [](const NameRow& r) { return number(r.name.grids.zg); }},
    {"<th>合喜用</th>", fitCell},
};

} // namespace

Html namesTable(const std::vector<naming::Suggestion>& names, const std::vector<std::string>& surname,
                calendar::Sex sex, bool withFit)
{
    const std::span<const Column> columns(kColumns, std::size(kColumns) - (withFit ? 0 : 1));
    std::string surnameText;
    for (const std::string& c : surname)
        surnameText += c;
    Html head, body;
    for (const Column& c : columns)
        head += html(c.header);
    for (size_t k = 0; k < names.size(); ++k) {
        const NameRow row{k + 1, names[k], naming::splitCharacters(names[k].given, 2), surname, surnameText, sex};
        Html cells;
        for (const Column& c : columns)
            cells += c.cell(row);
        body += html("<tr>{}</tr>\n", cells);
    }
    return html("<table class=\"names\">\n<thead><tr>{}</tr></thead>\n<tbody>\n{}</tbody>\n</table>\n", head, body);
}

Html nameCards(const std::vector<naming::Suggestion>& names, const std::vector<std::string>& surname, calendar::Sex sex)
{
    std::string surnameText, surnamePinyin;
    for (const std::string& c : surname) {
        surnameText += c;
        const std::u32string code = naming::decodeUtf8(c);
        const std::string_view reading = code.size() == 1 ? naming::commonReading(code[0]) : std::string_view();
        surnamePinyin += (surnamePinyin.empty() ? "" : " ") + std::string(reading.empty() ? "?" : reading);
    }
    Html cards;
    for (size_t k = 0; k < names.size(); ++k) {
        const naming::Suggestion& s = names[k];
        const NameRow row{k + 1, s, naming::splitCharacters(s.given, 2), surname, surnameText, sex};
        Html name = anchor(surnameLink(surnameText), surnameText);
        std::string pinyin = surnamePinyin;
        Html meanings;
        for (const naming::SuggestedChar& c : s.chars) {
            name += anchor(characterLink(c.ch, surnameText, sex), c.ch);
            pinyin += " " + std::string(c.pinyin.empty() ? "?" : c.pinyin);
            meanings += html("<li><b>{}</b> {}{}：{}</li>", c.ch, c.pinyin, c.severalReadings ? "（多音字）" : "",
                             c.gloss.empty() ? std::string_view("（取名字库之外的字）") : c.gloss);
        }
        std::string strokes;
        Html elements;
        for (size_t i = 0; i < 4; ++i) {
            if (!present(row)[i])
                continue;
            strokes += (strokes.empty() ? "" : "+") + std::to_string(s.strokes[i]);
            elements += elementSpan(s.elements[i]);
        }
        Html fit;
        for (int n = 0; n < s.fit; ++n)
            fit += html("★");
        const naming::Grids& g = s.grids;
        Html facts = html("笔划 {}　五行 {}　天格 {}　人格 {}　地格 {}　外格 {}　总格 {}", strokes, elements, g.tg,
                          g.rg, g.dG, g.wg, g.zg);
        if (!fit.empty())
            facts += html("　合喜用 <span class=\"want\">{}</span>", fit);
        Html source;
        if (s.source) {
            const std::string_view by = s.source->author.empty() ? std::string_view() : s.source->author;
            source = html("<p class=\"source\">出处：“{}”——{}{}{}《{}》</p>", s.source->line, s.source->work,
                          by.empty() ? "" : "·", by, s.source->title);
        }
        Html rules;
        for (naming::Rule r : s.passed.rules())
            rules += html("<span class=\"rule\">{}</span>", naming::ruleText(r));
        cards += html("<div class=\"namecard\">\n<div class=\"head\"><span class=\"rank\">{}</span>"
                      "<span class=\"name\">{}</span><span class=\"pinyin\">{}</span>"
                      "<span class=\"score\">{} 分</span></div>\n<ul class=\"meanings\">{}</ul>\n"
                      "<p class=\"facts\">{}</p>\n{}<p class=\"rules\">{}</p>\n</div>\n",
                      k + 1, name, pinyin, naming::scoreText(s.score), meanings, facts, source, rules);
    }
    return html("<div class=\"namecards\">\n{}</div>\n", cards);
}

} // namespace xingming::site
