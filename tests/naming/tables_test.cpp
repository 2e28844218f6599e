// The lookup tables: the 81 numbers, the three talents, the three kinds of luck, hints,
// commentary and warnings.
#include "naming/grids.h"
#include "naming/hints.h"
#include "naming/luck.h"
#include "naming/numbers81.h"
#include "naming/ratings.h"
#include "naming/sancai.h"
#include "naming/sancai_data.h"
#include "naming/social_luck_data.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace xingming::naming;

namespace {

struct LingdongCase {
    const char* name;
    const char* sex;
    const char* grid;
    int number;
    float points;
    std::optional<std::uint32_t> colour;
};

} // namespace

TEST(Numbers81, PointsAndColours)
{
    // Points and colours of the rating classes by grid (orange 33023, olive 32896).
    const LingdongCase cases[] = {
        {"人格 15 大吉", "男", "r", 15, 15, kColourOrange}, {"总格 15", "男", "z", 15, 10, kColourOrange},
        {"地格 15", "男", "d", 15, 10, kColourOrange},     {"外格 15", "男", "w", 15, 2, kColourOrange},
        {"天格 15", "男", "t", 15, 0, kColourOrange},      {"人格 17 吉", "男", "r", 17, 10, kColourOrange},
        {"人格 22 半吉半凶", "男", "r", 22, 10, kColourOlive}, {"外格 27 半吉", "女", "w", 27, 1, kColourOlive},
        {"地格 22", "男", "d", 22, 4, kColourOlive},       {"人格 9 凶", "男", "r", 9, 0, std::nullopt},
        {"人格 21 男", "男", "r", 21, 15, kColourOrange},  {"人格 21 女", "女", "r", 21, 0, std::nullopt},
        {"总格 39 女", "女", "z", 39, 0, std::nullopt},    {"人格 36 半凶", "男", "r", 36, 0, std::nullopt},
        {"number 0", "男", "r", 0, 0, std::nullopt},       {"number 82", "男", "r", 82, 0, std::nullopt},
    };
    for (const LingdongCase& c : cases) {
        SCOPED_TRACE(c.name);
        float zf = 53;
        const LingdongResult r = lingdong(c.sex, c.grid, c.number, zf);
        EXPECT_EQ(zf, 53 + c.points);
        EXPECT_EQ(r.colour, c.colour);
        EXPECT_EQ(r.text.empty(), c.number < 1 || c.number > 81);
    }
}

TEST(Numbers81, Texts)
{
    float zf = 0;
    EXPECT_EQ(lingdong("男", "t", 9, zf).text, "9 （大成之数）大成之数，蕴涵凶险，或成或败，难以把握。");
    EXPECT_EQ(lingdong("男", "r", 1, zf).text, "1 （太极之数）太极之数，万物开泰，生发无穷，利禄亨通。（大吉）");
    EXPECT_EQ(lingdong("男", "d", 2, zf).text, "2 （两仪之数）两仪之数，混沌未开，进退保守，志望难达。 （凶）");
    EXPECT_EQ(lingdong("男", "z", 14, zf).text, "14 （破兆） 家庭缘薄，孤独遭难，谋事不达，悲惨不测。 （凶）");
    EXPECT_EQ(lingdong("女", "r", 21, zf).text,
              "21 （明月中天）光风霁月，万物确立，官运亨通，大搏名利。女性不宜数。（半凶）");
    EXPECT_EQ(lingdong("男", "r", 21, zf).text,
              "21 （明月中天）光风霁月，万物确立，官运亨通，大搏名利。女性不宜数。（大吉）");
    EXPECT_EQ(lingdong("男", "r", 33, zf).text,
              "33 （旭日升天）旭日升天，鸾凤相会，名闻天下，隆昌至极。女性不宜数。（大吉）");
    EXPECT_EQ(lingdong("女", "r", 33, zf).text,
              "33 （旭日升天）旭日升天，鸾凤相会，名闻天下，隆昌至极。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong("男", "r", 39, zf).text, "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。 （大吉）");
    EXPECT_EQ(lingdong("女", "r", 39, zf).text,
              "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong("女", "t", 39, zf).text, "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。女性不宜数。");
    EXPECT_EQ(lingdong("女", "r", 23, zf).text, "23 （壮丽） 旭日东升，壮丽壮观，权威旺盛，功名荣达。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong("男", "r", 77, zf).text, "77 （甘苦交替） 家庭有悦，半吉半凶，能获援护，陷落不幸。 （半吉半凶）");
}

TEST(Numbers81, RatingTotals)
{
    std::map<std::string, int> male;
    for (int n = 1; n <= 81; ++n) {
        ++male[std::string(rating81(n, true))];
        const std::string rated(ratedText81(n, true));
        EXPECT_TRUE(rated.starts_with(std::to_string(n) + " （")) << n;
        EXPECT_TRUE(rated.ends_with("（" + std::string(rating81(n, true)) + "）")) << n;
        if (n != 21 && n != 23 && n != 33 && n != 39) {
            EXPECT_EQ(rating81(n, true), rating81(n, false)) << n;
        }
    }
    EXPECT_EQ(male["大吉"], 34);
    EXPECT_EQ(male["吉"], 1);
    EXPECT_EQ(male["半吉"], 7);
    EXPECT_EQ(male["半吉半凶"], 9);
    EXPECT_EQ(male["半凶"], 4);
    EXPECT_EQ(male["凶"], 22);
    EXPECT_EQ(male["大凶"], 4);
    EXPECT_EQ(rating81(21, false), "半凶");
    EXPECT_EQ(rating81(23, false), "凶");
}

// Ratings of the 125 three-talents keys: one row per 天格 and 人格 element, the columns
// 地格 木 火 土 金 水 (吉 5 points, 平 3, 凶 0).
const char* const kSancaiRatings[25] = {
    "吉吉吉凶平",  // 木木
    "吉平吉凶凶",  // 木火
    "凶平凶凶凶",  // 木土
    "凶凶凶凶凶",  // 木金
    "吉凶凶凶平",  // 木水
    "吉吉吉凶凶",  // 火木
    "吉平凶凶凶",  // 火火
    "平吉吉凶凶",  // 火土
    "凶凶凶凶凶",  // 火金
    "凶凶凶凶凶",  // 火水
    "平平凶凶凶",  // 土木
    "吉平吉平凶",  // 土火
    "凶吉吉吉凶",  // 土土
    "凶凶吉吉凶",  // 土金
    "凶凶凶凶凶",  // 土水
    "凶凶凶凶凶",  // 金木
    "凶凶凶凶凶",  // 金火
    "平平吉吉凶",  // 金土
    "凶凶吉凶凶",  // 金金
    "凶凶凶吉凶",  // 金水
    "吉平吉凶凶",  // 水木
    "凶凶凶凶凶",  // 水火
    "凶凶凶凶凶",  // 水土
    "凶凶吉平凶",  // 水金
    "凶凶凶凶凶",  // 水水
};

TEST(ThreeTalents, EveryKeyHasItsRatingAndPoints)
{
    const std::string elements[] = {"木", "火", "土", "金", "水"};
    std::set<std::string_view> texts;
    int row = 0;
    for (const std::string& t : elements) {
        for (const std::string& r : elements) {
            const std::u32string ratings = [&] {
                std::u32string out;
                const std::string s = kSancaiRatings[row];
                for (size_t i = 0; i < s.size(); i += 3)
                    out.push_back(s.substr(i, 3) == "吉" ? U'g' : s.substr(i, 3) == "平" ? U'f' : U'b');
                return out;
            }();
            for (size_t d = 0; d < 5; ++d) {
                const std::string key = t + r + elements[d];
                SCOPED_TRACE(key);
                float zf = 53;
                const std::string_view text = scdyx(key, zf);
                ASSERT_FALSE(text.empty());
                texts.insert(text);
                const float want = ratings[d] == U'g' ? 5 : ratings[d] == U'f' ? 3 : 0;
                EXPECT_EQ(zf, 53 + want);
                EXPECT_NE(trailingRating(text), Rating3::None);
            }
            ++row;
        }
    }
    EXPECT_EQ(texts.size(), 125u);
    float zf = 53;
    EXPECT_TRUE(scdyx("金土", zf).empty());
    EXPECT_TRUE(scdyx("", zf).empty());
    EXPECT_TRUE(scdyx("木木木木", zf).empty());
    EXPECT_EQ(zf, 53);
    EXPECT_EQ(scdyx("木木木", zf), "性情温厚平静，一般与同事和朋友的关系好，并具有努力奋斗不屈不挠的精神，若先天条件不忌木者，"
                                   "这是良好配置。若是女性，易陷孤独。(吉)");
    EXPECT_TRUE(scdyx("木土火", zf).ends_with("（平)"));
}

// Ratings of social luck: rows the luck digit of 人格, columns that of 外格 1 .. 10.
const char* const kSocialRatings[10] = {
    "吉吉吉吉吉平平凶吉吉",  // 人格 digit 1
    "吉平吉吉平平凶凶平凶",  // 人格 digit 2
    "吉吉吉平吉吉平平凶凶",  // 人格 digit 3
    "吉吉平凶吉平凶凶凶凶",  // 人格 digit 4
    "吉平吉吉吉吉吉吉凶凶",  // 人格 digit 5
    "吉平吉吉吉平吉平凶凶",  // 人格 digit 6
    "平凶平凶吉吉吉吉吉凶",  // 人格 digit 7
    "吉凶凶凶吉吉平平吉凶",  // 人格 digit 8
    "吉吉平平平平吉吉吉平",  // 人格 digit 9
    "平平凶凶平凶平平平凶",  // 人格 digit 10
};

TEST(Luck, SocialLuckEveryKey)
{
    std::set<std::string_view> texts;
    for (int a = 1; a <= 10; ++a) {
        const std::string row = kSocialRatings[a - 1];
        for (int b = 1; b <= 10; ++b) {
            const int key = std::stoi(std::to_string(a) + std::to_string(b));
            SCOPED_TRACE(key);
            const std::string r = row.substr(static_cast<size_t>(b - 1) * 3, 3);
            float zf = 0;
            const std::string_view text = rjgxdyx(key, zf);
            ASSERT_FALSE(text.empty());
            texts.insert(text);
            EXPECT_EQ(zf, r == "吉" ? 1.0f : r == "平" ? 0.5f : 0.0f);
            int x = 0, y = 0;
            ASSERT_TRUE(splitLuckKey(key, x, y));
            EXPECT_EQ(x, a);
            EXPECT_EQ(y, b);
        }
    }
    EXPECT_EQ(texts.size(), 100u);
    float zf = 0;
    EXPECT_EQ(rjgxdyx(1010, zf), "有口才，富侠义，济困救贫，好打抱不平，恐因急躁而惹是非。易患皮肤病、腹疾、胃病。（凶）");
    for (int key : {0, 10, 20, 100, 111, 1011, 1110, 1000, -11, 32767})
        EXPECT_TRUE(rjgxdyx(key, zf).empty()) << key;
    EXPECT_EQ(zf, 0);
}

TEST(Luck, BasicAndSuccessLuckByElementPair)
{
    float zf = 0;
    EXPECT_EQ(jcdyx(59, zf), "严重不安定，灾害接连不断，易急变，没落，灾死的配置；易患脑溢血疾病。（凶）");
    EXPECT_EQ(zf, 0);
    EXPECT_EQ(cgdyx(58, zf), "成功顺利，能平安顺利地达到目的。（吉）");
    EXPECT_EQ(zf, 2);
    zf = 0;
    EXPECT_EQ(jcdyx(38, zf), "表面安稳，内实茫然，和家庭或亲友之间易发生纠纷。也易患精神和呼吸器官的疾病。（平）");
    EXPECT_EQ(zf, 1.5f);
    // The four keys of an element pair share one row.
    for (auto keys : {std::array{33, 34, 43, 44}, std::array{93, 94, 103, 104}, std::array{11, 12, 21, 22},
                      std::array{99, 910, 109, 1010}}) {
        float a = 0, b = 0;
        const std::string_view basic = jcdyx(keys[0], a);
        const std::string_view success = cgdyx(keys[0], b);
        for (int k : keys) {
            EXPECT_EQ(jcdyx(k, a), basic) << k;
            EXPECT_EQ(cgdyx(k, b), success) << k;
        }
    }
    float sum = 0;
    EXPECT_TRUE(jcdyx(10, sum).empty());
    EXPECT_TRUE(cgdyx(1011, sum).empty());
    EXPECT_EQ(sum, 0);
}

TEST(Hints, TableAndFlags)
{
    struct Case {
        int number;
        const char* male;
        const char* maleFlags;
        const char* female;
        const char* femaleFlags;
    };
    const Case cases[] = {
        {2, "败财运", "2", "败财运", "2"},       {26, "败财运", "2", "败财运", "2"},
        {3, "首领运", "", "首领运", ""},         {47, "首领运", "", "首领运", ""},
        {4, "败财运、孤独运", "12", "败财运、孤独运", "12"},
        {5, "双妻运", "1", "", ""},              {6, "*", "1", "*", "1"},
        {14, "*", "12", "*", "12"},              {21, "*", "12", "*", "12"},
        {16, "首领运、富贵运、双妻运", "1", "首领运、富贵运", ""},
        {41, "首领运、富贵运、双妻运", "1", "首领运、富贵运", ""},
        {34, "孤独运", "1", "孤独运", "1"},      {33, "富贵运", "", "富贵运", ""},
        {43, "*", "", "*", ""},                  {1, "", "", "", ""},
        {81, "", "", "", ""},                    {0, "", "", "", ""},
        {-4, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        std::string m, f;
        EXPECT_EQ(anshi("男", c.number, m), c.male);
        EXPECT_EQ(m, c.maleFlags);
        EXPECT_EQ(anshi("女", c.number, f), c.female);
        EXPECT_EQ(f, c.femaleFlags);
    }
    std::string shared;
    anshi("男", 9, shared);
    anshi("男", 2, shared);
    EXPECT_EQ(shared, "22");
}

TEST(Hints, CommentaryBandsAndWarnings)
{
    const std::pair<float, const char*> bands[] = {
        {100, "你的名字起得非常棒"}, {90, "你的名字起得非常棒"}, {89.5f, "你的名字起得很好"},
        {85, "你的名字起得很好"},    {84.5f, "你的名字起得相当不错"}, {80, "你的名字起得相当不错"},
        {75, "你的名字还算可以"},    {74.5f, "你的名字只能算是一般"}, {68, "你的名字只能算是一般"},
        {67.5f, "你的名字起得不算理想"}, {60, "你的名字起得不算理想"}, {59.5f, "你的名字结合你的先天条件来看"},
        {53, "你的名字结合你的先天条件来看"},
    };
    for (auto [score, start] : bands)
        EXPECT_TRUE(dianping(score).starts_with(start)) << score;
    EXPECT_EQ(warnings("22", "男"), "需谨慎处理财富");
    EXPECT_EQ(warnings("12", "男"), "可能对婚姻不利\u3000需谨慎处理财富");
    EXPECT_EQ(warnings("12", "女"), "需谨慎处理财富");
    EXPECT_EQ(warnings("1", "男"), "可能对婚姻不利\u3000");
    EXPECT_EQ(warnings("", "男"), "");
}
