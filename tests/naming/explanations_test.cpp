// Tests of the detailed explanations of the 81 numbers: the paragraph form
// that the detail window relies on, the titles and ratings of every number,
// and the special forms of a few numbers.
#include "naming/explanations.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "naming/explanations_data.h"

namespace {

using xingming::naming::explanationText;

struct Expected {
    std::string_view title;
    std::string_view rating;
};

// Titles and ratings of the explanations, typed independently of the table.
constexpr std::array<Expected, 81> kExpected{{
    {"宇宙起源", "大吉"}, {"两仪之数", "大凶"}, {"三才之数", "大吉"}, {"四象之数", "凶"},   {"五行之数", "大吉"},
    {"六爻之数", "半吉"}, {"七政之数", "吉"},   {"八卦之数", "吉"},   {"大成之数", "凶"},   {"终结之数", "凶"},
    {"旱苗逢雨", "大吉"}, {"掘井无泉", "凶"},   {"春日牡丹", "大吉"}, {"破兆", "凶"},       {"福寿", "大吉"},
    {"厚重", "大吉"},     {"刚强", "半吉"},     {"铁镜重磨", "大吉"}, {"多难", "凶"},       {"屋下藏金", "凶"},
    {"明月中天", "大吉"}, {"秋草逢霜", "凶"},   {"壮丽", "大吉"},     {"掘藏得金", "大吉"}, {"荣俊", "大吉"},
    {"变怪", "半吉"},     {"增长", "半吉"},     {"阔水浮萍", "凶"},   {"智谋", "半吉"},     {"非运", "半吉"},
    {"春日花开", "大吉"}, {"宝马金鞍", "大吉"}, {"旭日升天", "大吉"}, {"破家", "凶"},       {"高楼望月", "大吉"},
    {"波澜重叠", "凶"},   {"猛虎出林", "大吉"}, {"磨铁成针", "半吉"}, {"富贵荣华", "大吉"}, {"退安", "凶"},
    {"有德", "大吉"},     {"寒蝉在柳", "凶"},   {"散财破产", "凶"},   {"烦闷", "凶"},       {"顺风", "大吉"},
    {"浪里淘金", "凶"},   {"点石成金", "大吉"}, {"古松立鹤", "大吉"}, {"转变", "半吉"},     {"小舟入海", "凶"},
    {"沉浮", "半吉"},     {"达眼", "大吉"},     {"曲卷难星", "凶"},   {"石上栽花", "凶"},   {"善恶", "半吉"},
    {"浪里行舟", "凶"},   {"日照春松", "大吉"}, {"晚行遇月", "半吉"}, {"寒蝉悲风", "凶"},   {"无谋", "凶"},
    {"牡丹芙蓉", "大吉"}, {"衰败", "凶"},       {"舟归平海", "大吉"}, {"非命", "凶"},       {"巨流归海", "大吉"},
    {"岩头步马", "凶"},   {"顺风通达", "大吉"}, {"顺风吹帆", "大吉"}, {"非业", "凶"},       {"残菊逢霜", "凶"},
    {"石上金花", "半吉"}, {"劳苦", "凶"},       {"无勇", "半吉"},     {"残菊经霜", "凶"},   {"退守", "半吉"},
    {"离散", "凶"},       {"甘苦交替", "半吉"}, {"晚苦", "凶"},       {"云头望月", "凶"},   {"遁吉", "凶"},
    {"万物回春", "大吉"},
}};

constexpr std::string_view kBreak = "\r\n\r\n";
constexpr std::string_view kNoteOf2 = "如单姓单名外格为2，要看人格和总格的关系来判定吉凶。";

std::vector<std::string_view> paragraphs(std::string_view text)
{
    std::vector<std::string_view> out;
    for (;;) {
        const auto at = text.find(kBreak);
        out.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return out;
        }
        text.remove_prefix(at + kBreak.size());
    }
}

// Number of characters of a UTF-8 text.
std::size_t charCount(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

// True when s is `count` phrases of `length` characters each, separated by
// "，" and closed by "。".
bool isPhraseLine(std::string_view s, std::size_t count, std::size_t length)
{
    constexpr std::string_view kComma = "，";
    constexpr std::string_view kStop = "。";
    if (!s.ends_with(kStop)) {
        return false;
    }
    s.remove_suffix(kStop.size());
    std::size_t phrases = 0;
    for (;;) {
        const auto at = s.find(kComma);
        const auto phrase = s.substr(0, at);
        if (charCount(phrase) != length || phrase.find(kStop) != std::string_view::npos) {
            return false;
        }
        ++phrases;
        if (at == std::string_view::npos) {
            return phrases == count;
        }
        s.remove_prefix(at + kComma.size());
    }
}

std::string fullWidthRating(std::string_view rating)
{
    return "（" + std::string(rating) + "）";
}

class Explanation : public ::testing::TestWithParam<int> {
protected:
    int n() const { return GetParam(); }
    std::string_view text() const { return explanationText(n()); }
    const Expected& expected() const { return kExpected[static_cast<std::size_t>(n() - 1)]; }
    std::vector<std::string_view> paras() const { return paragraphs(text()); }
};

TEST_P(Explanation, LinesEndInCrLfAndNoParagraphIsEmpty)
{
    const auto t = text();
    ASSERT_FALSE(t.empty());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\n') {
            EXPECT_TRUE(i > 0 && t[i - 1] == '\r') << "lone LF at byte " << i;
        }
        if (t[i] == '\r') {
            EXPECT_TRUE(i + 1 < t.size() && t[i + 1] == '\n') << "lone CR at byte " << i;
        }
    }
    EXPECT_FALSE(t.ends_with("\n"));
    for (const auto p : paras()) {
        EXPECT_FALSE(p.empty());
        EXPECT_FALSE(p.starts_with("\r\n"));
        EXPECT_FALSE(p.ends_with("\r\n"));
    }
}

TEST_P(Explanation, HasItsNumberOfParagraphs)
{
    const std::size_t want = n() == 1 ? 6 : n() == 54 ? 8 : 9;
    EXPECT_EQ(paras().size(), want);
}

TEST_P(Explanation, HeaderCarriesNumberTitleSummaryAndRating)
{
    const auto header = paras().front();
    if (n() == 1) {
        EXPECT_EQ(header, "1.(宇宙起源)天地开泰太极首领数。（大吉）");
        return;
    }
    const std::string prefix = std::to_string(n()) + ".（" + std::string(expected().title) + "）";
    const std::string suffix = "　　" + fullWidthRating(expected().rating);
    ASSERT_TRUE(header.starts_with(prefix)) << header;
    ASSERT_TRUE(header.ends_with(suffix)) << header;
    auto summary = header.substr(prefix.size(), header.size() - prefix.size() - suffix.size());

    std::string_view note;
    if (n() == 21 || n() == 23 || n() == 28 || n() == 33) {
        note = "女性不宜此数。";
    } else if (n() == 41) {
        note = "此数为最大好运数。";
    }
    if (!note.empty()) {
        ASSERT_TRUE(summary.ends_with(note)) << header;
        summary.remove_suffix(note.size());
    }
    EXPECT_TRUE(isPhraseLine(summary, 4, 4)) << header;
    EXPECT_EQ(header.find("女性不宜"), n() == 21 || n() == 23 || n() == 28 || n() == 33 ? prefix.size() + summary.size()
                                                                                        : std::string_view::npos);
}

TEST_P(Explanation, SecondParagraphIsFourPhrases)
{
    EXPECT_TRUE(isPhraseLine(paras()[1], 4, 4)) << paras()[1];
}

TEST_P(Explanation, PoemAndRatedSummaryFollowTheCharacterisation)
{
    const auto p = paras();
    if (n() == 1) {
        for (const auto para : p) {
            EXPECT_FALSE(para.starts_with("诗曰：")) << para;
        }
        return;
    }
    EXPECT_FALSE(p[2].starts_with("诗曰："));
    constexpr std::string_view kPoem = "诗曰：";
    ASSERT_TRUE(p[3].starts_with(kPoem)) << p[3];
    EXPECT_TRUE(isPhraseLine(p[3].substr(kPoem.size()), 4, 7)) << p[3];
    EXPECT_TRUE(p[4].ends_with(fullWidthRating(expected().rating))) << p[4];
    EXPECT_GT(p[4].size(), fullWidthRating(expected().rating).size());
}

TEST_P(Explanation, LabelledParagraphsCloseTheTextInOrder)
{
    std::vector<std::string_view> labels{"基业：", "家庭：", "健康：", "含义："};
    if (n() == 54) {
        labels.erase(labels.begin() + 2);
    }
    const auto p = paras();
    ASSERT_GE(p.size(), labels.size());
    const std::size_t first = p.size() - labels.size();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_TRUE(p[first + i].starts_with(labels[i])) << p[first + i];
        EXPECT_GT(p[first + i].size(), labels[i].size());
    }
    for (std::size_t i = 0; i < first; ++i) {
        for (const auto label : {"基业：", "家庭：", "健康：", "含义："}) {
            EXPECT_FALSE(p[i].starts_with(label)) << p[i];
        }
    }
}

TEST_P(Explanation, OnlyNumberTwoEndsWithANoteOnItsOwnLine)
{
    const auto last = paras().back();
    if (n() == 2) {
        EXPECT_TRUE(last.starts_with("含义："));
        EXPECT_TRUE(last.ends_with("\r\n" + std::string(kNoteOf2))) << last;
        EXPECT_EQ(last.find("\r\n"), last.size() - kNoteOf2.size() - 2);
    } else {
        EXPECT_EQ(text().find(kNoteOf2), std::string_view::npos);
        for (const auto p : paras()) {
            EXPECT_EQ(p.find("\r\n"), std::string_view::npos) << p;
        }
    }
}

// Half-width punctuation or letters in place of full-width ones are typing
// faults; the only ASCII allowed is the number and point that open the header,
// number 1's parentheses and the digit of number 2's note.
TEST_P(Explanation, UsesNoStrayHalfWidthCharacters)
{
    const auto p = paras();
    const std::string lead = std::to_string(n()) + ".";
    ASSERT_TRUE(p.front().starts_with(lead));
    for (std::size_t i = 0; i < p.size(); ++i) {
        auto s = i == 0 ? p[i].substr(lead.size()) : p[i];
        for (const char c : s) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x80) {
                continue;
            }
            const bool allowed = (n() == 1 && i == 0 && (c == '(' || c == ')')) ||
                                 (n() == 2 && i + 1 == p.size() && (c == '2' || c == '\r' || c == '\n'));
            EXPECT_TRUE(allowed) << "ASCII 0x" << std::hex << unsigned{u} << " in: " << s;
        }
    }
}

TEST_P(Explanation, IsOfHandbookLength)
{
    const auto chars = charCount(text());
    EXPECT_GE(chars, 150U);
    EXPECT_LE(chars, 500U);
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, Explanation, ::testing::Range(1, 82),
                         [](const ::testing::TestParamInfo<int>& number) {
                             return "N" + std::to_string(number.param);
                         });

TEST(Explanations, NumberThreeReadsWordForWord)
{
    constexpr std::string_view kThree =
        "3.（三才之数）三才之数，天地人和，大事大业，繁荣昌隆。　　（大吉）\r\n\r\n"
        "立身处世，有贵人助，天赐吉祥，四海名扬。\r\n\r\n"
        "进取如意的增进繁荣数，成功发达之兆，名利双全。\r\n\r\n"
        "诗曰：进取如意又富贵，知达明敏扬名威，名利寿福可安宁，前途光芒好鸿图。\r\n\r\n"
        "吉祥，进取如意的增进繁荣数。（大吉）\r\n\r\n"
        "基业：学术、技艺、祖业、丰盛自立、建业官禄。\r\n\r\n"
        "家庭：家内施惠，可得贤妻六亲和睦须戒自私。\r\n\r\n"
        "健康：松柏林立，健康良好，可望长寿。\r\n\r\n"
        "含义：阴阳抱合，万物确定形成之象，有吉祥、成功发达之兆。智达明敏，艺精工巧有首领之资，"
        "自然之福。名利双全能成大事业，荣进有望，福祉无穷。";
    EXPECT_EQ(explanationText(3), kThree);
}

TEST(Explanations, NoTwoTextsOrParagraphsRepeat)
{
    std::set<std::string_view> texts;
    std::set<std::string_view> bodies;
    for (int n = 1; n <= 81; ++n) {
        EXPECT_TRUE(texts.insert(explanationText(n)).second) << n;
        const auto p = paragraphs(explanationText(n));
        for (std::size_t i = 1; i < p.size(); ++i) {
            EXPECT_TRUE(bodies.insert(p[i]).second) << n << ": " << p[i];
        }
    }
}

TEST(Explanations, NumbersOutsideOneTo81HaveNoText)
{
    for (const int n : {0, -1, 82, 100, -32768, 32767}) {
        EXPECT_TRUE(explanationText(n).empty()) << n;
    }
}

TEST(Explanations, TitleTableMatchesTheHeaders)
{
    using xingming::naming::kExplanationTitles;
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        EXPECT_EQ(kExplanationTitles[i].title, kExpected[i].title) << i + 1;
        EXPECT_EQ(kExplanationTitles[i].rating, kExpected[i].rating) << i + 1;
    }
}

} // namespace
