// Reading request values: percent-decoding, the GBK-or-UTF-8 rule, HTML escaping.
#include "site/query.h"

#include "naming/namingrequest.h"
#include "naming/chartable.h"
#include "naming/suggest.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

using namespace xingming::site;

namespace {

// Bytes from hexadecimal digits ("CDF5" -> the GBK bytes of 王).
std::string bytes(std::string_view hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

std::string decoded(std::string_view percentEncoded)
{
    return percentDecode(percentEncoded, true).value();
}

} // namespace

TEST(Query, ParsesPairsInOrder)
{
    struct Row {
        const char* query;
        std::vector<std::pair<std::string, std::string>> pairs;
    };
    const Row rows[] = {
        {"", {}},
        {"a=1&b=2", {{"a", "1"}, {"b", "2"}}},
        {"a=1&&b=", {{"a", "1"}, {"b", ""}}},
        {"flag&x=%41+b", {{"flag", ""}, {"x", "A b"}}},
        {"k%3D=v%26w", {{"k=", "v&w"}}},
        {"zi=%E6%98%8E&zi=%CD%F5", {{"zi", "\xE6\x98\x8E"}, {"zi", "\xCD\xF5"}}},
        {"x=a=b", {{"x", "a=b"}}},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto params = parseQuery(row.query, error);
        ASSERT_TRUE(params) << row.query << ": " << error;
        ASSERT_EQ(params->size(), row.pairs.size()) << row.query;
        for (size_t i = 0; i < row.pairs.size(); ++i) {
            EXPECT_EQ((*params)[i].key, row.pairs[i].first) << row.query;
            EXPECT_EQ((*params)[i].value, row.pairs[i].second) << row.query;
        }
    }
    std::string error;
    const auto params = parseQuery("zi=%E6%98%8E&zi=%CD%F5", error);
    EXPECT_EQ(*findParam(*params, "zi"), "\xE6\x98\x8E") << "the first pair counts";
    EXPECT_EQ(findParam(*params, "xing"), nullptr);
}

TEST(Query, RefusesMalformedEscapes)
{
    for (const char* q : {"a=%", "a=%4", "a=%G1", "a=%4G", "%=1", "a=1&b=%%41", "a=%-1"}) {
        std::string error;
        EXPECT_FALSE(parseQuery(q, error)) << q;
        EXPECT_FALSE(error.empty()) << q;
    }
    EXPECT_FALSE(percentDecode("%zz", false));
    EXPECT_EQ(percentDecode("a+b%2B", false), "a+b+");
}

TEST(Query, DecodesGbkAndUtf8ByTheRule)
{
    // Where the expected texts come from: the GBK code table (王 CDF5, 小 D0A1, 欧阳
    // C5B7D1F4) and the UTF-8 encoding of the same characters.
    constexpr QueryEncoding kUnknown = QueryEncoding::Unknown, kGbk = QueryEncoding::Gbk;
    struct Row {
        const char* label;
        std::string in;
        QueryEncoding declared;
        std::optional<std::string> text;
        TextEncoding encoding;
    };
    const Row rows[] = {
        {"ascii", "1990", kUnknown, "1990", TextEncoding::Ascii},
        {"ascii empty", "", kUnknown, "", TextEncoding::Ascii},
        {"ascii in gbk", "1990", kGbk, "1990", TextEncoding::Ascii},
        {"gbk 王", bytes("CDF5"), kUnknown, "王", TextEncoding::Gbk},
        {"utf-8 王", bytes("E78E8B"), kUnknown, "王", TextEncoding::Utf8},
        // D0A1 is 小 in GBK and also well-formed UTF-8 (U+0421): UTF-8 unless declared GBK.
        {"D0A1 unknown is utf-8", bytes("D0A1"), kUnknown, "\u0421", TextEncoding::Utf8},
        {"D0A1 declared gbk", bytes("D0A1"), kGbk, "小", TextEncoding::Gbk},
        {"utf-8 欧阳 also gbk", bytes("E6ACA7E998B3"), kUnknown, "欧阳", TextEncoding::Utf8},
        {"gbk 欧阳", bytes("C5B7D1F4"), kUnknown, "欧阳", TextEncoding::Gbk},
        // 㨿尡 in UTF-8 is also the GBK of 悒垮啊; undeclared it stays 㨿尡.
        {"utf-8 㨿尡 also gbk", bytes("E3A8BFE5B0A1"), kUnknown, "㨿尡", TextEncoding::Utf8},
        {"gbk 男", bytes("C4D0"), kGbk, "男", TextEncoding::Gbk},
        {"gbk 女 declared", bytes("C5AE"), kGbk, "女", TextEncoding::Gbk},
        {"utf-8 男", bytes("E794B7"), kUnknown, "男", TextEncoding::Utf8},
        {"gbk 公历", bytes("B9ABC0FA"), kUnknown, "公历", TextEncoding::Gbk},
        {"gb18030 four bytes 𠀋", bytes("95328337"), kUnknown, "𠀋", TextEncoding::Gbk},
        {"utf-8 four bytes 𠀋", bytes("F0A0808B"), kUnknown, "𠀋", TextEncoding::Utf8},
        {"utf-8 with ascii", bytes("3CE78E8B3E"), kUnknown, "<王>", TextEncoding::Utf8},
        {"neither: lone FF", bytes("FF"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"neither: cut GBK", bytes("CDF5CD"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"declared gbk, not gbk", bytes("CDF5CD"), kGbk, std::nullopt, TextEncoding::Ascii},
        // The first two bytes of the UTF-8 王 are no UTF-8, but one GBK character.
        {"cut utf-8 is gbk", bytes("E78E"), kUnknown, "鐜", TextEncoding::Gbk},
        {"neither: overlong and bad GBK", bytes("C0AFFF"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"control NUL", bytes("00"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"control LF", bytes("E78E8B0A"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"control DEL", bytes("7F"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"control C1 in utf-8", bytes("C285"), kUnknown, std::nullopt, TextEncoding::Ascii},
        {"control C1 by GB18030", bytes("81308130"), kUnknown, std::nullopt, TextEncoding::Ascii},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        std::string why;
        const auto t = decodeText(row.in, row.declared, &why);
        if (!row.text) {
            EXPECT_FALSE(t);
            EXPECT_FALSE(why.empty());
            continue;
        }
        ASSERT_TRUE(t) << why;
        EXPECT_EQ(t->utf8, *row.text);
        EXPECT_EQ(t->encoding, row.encoding);
    }
}

TEST(Query, TheNamingAddressDeclaresGbk)
{
    std::string error;
    const auto naming = parseQuery(
        xingming::naming::namingQuery("牛", "女", {"1990", "5", "17", "18"}, true).substr(sizeof "/bestnametwo.asp"),
        error);
    ASSERT_TRUE(naming) << error;
    EXPECT_EQ(queryEncoding(*naming), QueryEncoding::Gbk);
    // 牛 (C5A3) and 女 (C5AE) are also well-formed UTF-8; the declaration keeps them GBK.
    EXPECT_EQ(decodeText(*findParam(*naming, "youname1"), queryEncoding(*naming))->utf8, "牛");
    EXPECT_EQ(decodeText(*findParam(*naming, "sex"), queryEncoding(*naming))->utf8, "女");
    for (const char* other : {"btnAdd=%E5%88%B0", "btnAdd=", "zi=%B5%BD%CF%C2%D2%BB%B2%BD", ""})
        EXPECT_EQ(queryEncoding(*parseQuery(other, error)), QueryEncoding::Unknown) << other;
}

TEST(Query, EveryTableCharacterReadsBack)
{
    // Every character of the character table, as the naming request sends it (GBK,
    // declared) and as a browser sends a link it was given as text (UTF-8, undeclared).
    const std::u32string all = xingming::naming::decodeUtf8(xingming::naming::charTableText());
    for (char32_t c : all) {
        const std::string ch = xingming::naming::encodeUtf8(c);
        const auto g = decodeText(decoded(xingming::naming::gbkPercentEncode(ch)), QueryEncoding::Gbk);
        const auto u = decodeText(ch);
        ASSERT_TRUE(g && u) << ch;
        EXPECT_EQ(g->utf8, ch);
        EXPECT_EQ(u->utf8, ch);
        EXPECT_EQ(decodeText(decoded(queryValue(ch)))->utf8, ch) << "the site's own links";
    }
}

TEST(Query, NoUtf8PairIsTakenForOtherCharacters)
{
    // Compound surnames and pairs of candidate and rare characters: two characters are
    // where the UTF-8 bytes can also read as GBK.
    std::vector<std::string> texts = {"欧阳", "司马", "上官", "诸葛", "东方", "皇甫", "尉迟", "公孙", "慕容", "长孙",
                                      "宇文", "司徒", "夏侯", "轩辕", "令狐", "钟离", "端木", "独孤", "南宫", "西门"};
    const auto& cands = xingming::naming::nameCandidates();
    for (size_t i = 0; i < cands.size(); i += 7)
        for (size_t j = 0; j < cands.size(); j += 5)
            texts.push_back(cands[i].ch + cands[j].ch);
    const std::u32string all = xingming::naming::decodeUtf8(xingming::naming::charTableText());
    for (size_t i = 0; i < all.size(); i += 97)
        for (size_t j = 0; j < all.size(); j += 89)
            texts.push_back(xingming::naming::encodeUtf8(all[i]) + xingming::naming::encodeUtf8(all[j]));
    int ambiguous = 0;
    for (const std::string& t : texts) {
        const auto g = decodeText(decoded(xingming::naming::gbkPercentEncode(t)), QueryEncoding::Gbk);
        const auto u = decodeText(t);
        ASSERT_TRUE(g && u) << t;
        EXPECT_EQ(g->utf8, t);
        EXPECT_EQ(u->utf8, t);
        ambiguous += gb18030ToUtf8(t).has_value() ? 1 : 0;
    }
    EXPECT_GT(ambiguous, 0) << "some UTF-8 pairs are also GBK, so the rule was exercised";
}

TEST(Query, HtmlEscape)
{
    struct Row {
        std::string in, out;
    };
    const Row rows[] = {
        {"王", "王"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a&b", "a&amp;b"},
        {"\"x' y", "&quot;x&#39; y"},
        {"&lt;", "&amp;lt;"},
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(htmlEscape(r.in), r.out) << r.in;
}
