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

#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace xingming::naming;
using xingming::calendar::Sex;

namespace {

struct LingdongCase {
    const char* name;
    Sex sex;
    Grid grid;
    int number;
    float points;
    std::optional<std::uint32_t> colour;
};

} // namespace

TEST(Numbers81, PointsAndColours)
{
    // Points and colours of the rating classes by grid (orange 33023, olive 32896).
    const LingdongCase cases[] = {
        {"人格 15 大吉", Sex::Male, Grid::Ren, 15, 15, kColourOrange},
        {"总格 15", Sex::Male, Grid::Zong, 15, 10, kColourOrange},
        {"地格 15", Sex::Male, Grid::Di, 15, 10, kColourOrange},
        {"外格 15", Sex::Male, Grid::Wai, 15, 2, kColourOrange},
        {"天格 15", Sex::Male, Grid::Tian, 15, 0, kColourOrange},
        {"人格 17 吉", Sex::Male, Grid::Ren, 17, 10, kColourOrange},
        {"人格 22 半吉半凶", Sex::Male, Grid::Ren, 22, 10, kColourOlive},
        {"外格 27 半吉", Sex::Female, Grid::Wai, 27, 1, kColourOlive},
        {"地格 22", Sex::Male, Grid::Di, 22, 4, kColourOlive},
        {"人格 9 凶", Sex::Male, Grid::Ren, 9, 0, std::nullopt},
        {"人格 21 男", Sex::Male, Grid::Ren, 21, 15, kColourOrange},
        {"人格 21 女", Sex::Female, Grid::Ren, 21, 0, std::nullopt},
        {"总格 39 女", Sex::Female, Grid::Zong, 39, 0, std::nullopt},
        {"人格 36 半凶", Sex::Male, Grid::Ren, 36, 0, std::nullopt},
        {"number 0", Sex::Male, Grid::Ren, 0, 0, std::nullopt},
        {"number 82", Sex::Male, Grid::Ren, 82, 0, std::nullopt},
    };
    for (const LingdongCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LingdongResult r = lingdong(c.sex, c.grid, c.number);
        EXPECT_EQ(r.points, c.points);
        EXPECT_EQ(r.colour, c.colour);
        EXPECT_EQ(r.text.empty(), c.number < 1 || c.number > 81);
    }
}

TEST(Numbers81, Texts)
{
    EXPECT_EQ(lingdong(Sex::Male, Grid::Tian, 9).text, "9 （大成之数）大成之数，蕴涵凶险，或成或败，难以把握。");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Ren, 1).text, "1 （太极之数）太极之数，万物开泰，生发无穷，利禄亨通。（大吉）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Di, 2).text, "2 （两仪之数）两仪之数，混沌未开，进退保守，志望难达。 （凶）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Zong, 14).text, "14 （破兆） 家庭缘薄，孤独遭难，谋事不达，悲惨不测。 （凶）");
    EXPECT_EQ(lingdong(Sex::Female, Grid::Ren, 21).text,
              "21 （明月中天）光风霁月，万物确立，官运亨通，大搏名利。女性不宜数。（半凶）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Ren, 21).text,
              "21 （明月中天）光风霁月，万物确立，官运亨通，大搏名利。女性不宜数。（大吉）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Ren, 33).text,
              "33 （旭日升天）旭日升天，鸾凤相会，名闻天下，隆昌至极。女性不宜数。（大吉）");
    EXPECT_EQ(lingdong(Sex::Female, Grid::Ren, 33).text,
              "33 （旭日升天）旭日升天，鸾凤相会，名闻天下，隆昌至极。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Ren, 39).text,
              "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。 （大吉）");
    EXPECT_EQ(lingdong(Sex::Female, Grid::Ren, 39).text,
              "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong(Sex::Female, Grid::Tian, 39).text,
              "39 （富贵荣华）富贵荣华，财帛丰盈，暗藏险象，德泽四方。女性不宜数。");
    EXPECT_EQ(lingdong(Sex::Female, Grid::Ren, 23).text,
              "23 （壮丽） 旭日东升，壮丽壮观，权威旺盛，功名荣达。女性不宜数。 （凶）");
    EXPECT_EQ(lingdong(Sex::Male, Grid::Ren, 77).text,
              "77 （甘苦交替） 家庭有悦，半吉半凶，能获援护，陷落不幸。 （半吉半凶）");
}

TEST(Numbers81, RatingTotals)
{
    std::map<std::string, int> male;
    for (int n = 1; n <= 81; ++n) {
        ASSERT_TRUE(rating81(n, true)) << n;
        ++male[std::string(ratingText(*rating81(n, true)))];
        const std::string rated(ratedText81(n, true));
        EXPECT_TRUE(rated.starts_with(std::to_string(n) + " （")) << n;
        EXPECT_TRUE(rated.ends_with("（" + std::string(ratingText(*rating81(n, true))) + "）")) << n;
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
    EXPECT_EQ(rating81(21, false), Rating81::HalfBad);
    EXPECT_EQ(rating81(23, false), Rating81::Bad);
    EXPECT_EQ(rating81(0, true), std::nullopt);
    EXPECT_EQ(rating81(82, false), std::nullopt);
}

// Ratings of the 125 three-talents keys: one row per 天格 and 人格 element, the columns
// 地格 木 火 土 金 水 (吉 5 points, 平 3, 凶 0).
const char* const kSancaiRatings[25] = {
    "吉吉吉凶平", // 木木
    "吉平吉凶凶", // 木火
    "凶平凶凶凶", // 木土
    "凶凶凶凶凶", // 木金
    "吉凶凶凶平", // 木水
    "吉吉吉凶凶", // 火木
    "吉平凶凶凶", // 火火
    "平吉吉凶凶", // 火土
    "凶凶凶凶凶", // 火金
    "凶凶凶凶凶", // 火水
    "平平凶凶凶", // 土木
    "吉平吉平凶", // 土火
    "凶吉吉吉凶", // 土土
    "凶凶吉吉凶", // 土金
    "凶凶凶凶凶", // 土水
    "凶凶凶凶凶", // 金木
    "凶凶凶凶凶", // 金火
    "平平吉吉凶", // 金土
    "凶凶吉凶凶", // 金金
    "凶凶凶吉凶", // 金水
    "吉平吉凶凶", // 水木
    "凶凶凶凶凶", // 水火
    "凶凶凶凶凶", // 水土
    "凶凶吉平凶", // 水金
    "凶凶凶凶凶", // 水水
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
                const Judgement j = scdyx(key);
                ASSERT_FALSE(j.text.empty());
                texts.insert(j.text);
                const float want = ratings[d] == U'g' ? 5 : ratings[d] == U'f' ? 3 : 0;
                EXPECT_EQ(j.points, want);
                EXPECT_EQ(j.rating, ratings[d] == U'g'   ? Rating3::Good
                                    : ratings[d] == U'f' ? Rating3::Fair
                                                         : Rating3::Bad);
                EXPECT_EQ(j.rating, trailingRating(j.text));
            }
            ++row;
        }
    }
    EXPECT_EQ(texts.size(), 125u);
    for (const char* key : {"金土", "", "木木木木"}) {
        const Judgement none = scdyx(key);
        EXPECT_TRUE(none.text.empty()) << key;
        EXPECT_EQ(none.points, 0) << key;
        EXPECT_EQ(none.rating, Rating3::None) << key;
    }
    EXPECT_EQ(scdyx("木木木").text,
              "性情温厚平静，一般与同事和朋友的关系好，并具有努力奋斗不屈不挠的精神，若先天条件不忌木者，"
              "这是良好配置。若是女性，易陷孤独。(吉)");
    EXPECT_TRUE(scdyx("木土火").text.ends_with("（平)"));
}

TEST(ThreeTalents, DigitsGiveTheKeyOfTheirElementsAndItsJudgement)
{
    // Every digit the grids can give and some they cannot: the key is sc's elements in
    // turn, the judgement scdyx's of that key.
    for (int t = -2; t <= 12; ++t) {
        for (int r = -2; r <= 12; ++r) {
            for (int d = -2; d <= 12; ++d) {
                const std::string key = std::string(sc(t)) + std::string(sc(r)) + std::string(sc(d));
                const ThreeTalents got = threeTalents(t, r, d);
                ASSERT_EQ(got.key, key) << t << " " << r << " " << d;
                const Judgement want = scdyx(key);
                ASSERT_EQ(got.judgement.text, want.text) << key;
                ASSERT_EQ(got.judgement.rating, want.rating) << key;
                ASSERT_EQ(got.judgement.points, want.points) << key;
            }
        }
    }
}

// Ratings of social luck: rows the luck digit of 人格, columns that of 外格 1 .. 10.
const char* const kSocialRatings[10] = {
    "吉吉吉吉吉平平凶吉吉", // 人格 digit 1
    "吉平吉吉平平凶凶平凶", // 人格 digit 2
    "吉吉吉平吉吉平平凶凶", // 人格 digit 3
    "吉吉平凶吉平凶凶凶凶", // 人格 digit 4
    "吉平吉吉吉吉吉吉凶凶", // 人格 digit 5
    "吉平吉吉吉平吉平凶凶", // 人格 digit 6
    "平凶平凶吉吉吉吉吉凶", // 人格 digit 7
    "吉凶凶凶吉吉平平吉凶", // 人格 digit 8
    "吉吉平平平平吉吉吉平", // 人格 digit 9
    "平平凶凶平凶平平平凶", // 人格 digit 10
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
            const Judgement j = rjgxdyx(key);
            ASSERT_FALSE(j.text.empty());
            texts.insert(j.text);
            EXPECT_EQ(j.points, r == "吉" ? 1.0f : r == "平" ? 0.5f : 0.0f);
            int x = 0, y = 0;
            ASSERT_TRUE(splitLuckKey(key, x, y));
            EXPECT_EQ(x, a);
            EXPECT_EQ(y, b);
        }
    }
    EXPECT_EQ(texts.size(), 100u);
    EXPECT_EQ(rjgxdyx(1010).text,
              "有口才，富侠义，济困救贫，好打抱不平，恐因急躁而惹是非。易患皮肤病、腹疾、胃病。（凶）");
    for (int key : {0, 10, 20, 100, 111, 1011, 1110, 1000, -11, 32767}) {
        EXPECT_TRUE(rjgxdyx(key).text.empty()) << key;
        EXPECT_EQ(rjgxdyx(key).points, 0) << key;
    }
}

TEST(Luck, BasicAndSuccessLuckByElementPair)
{
    EXPECT_EQ(jcdyx(59).text, "严重不安定，灾害接连不断，易急变，没落，灾死的配置；易患脑溢血疾病。（凶）");
    EXPECT_EQ(jcdyx(59).points, 0);
    EXPECT_EQ(cgdyx(58).text, "成功顺利，能平安顺利地达到目的。（吉）");
    EXPECT_EQ(cgdyx(58).points, 2);
    EXPECT_EQ(jcdyx(38).text, "表面安稳，内实茫然，和家庭或亲友之间易发生纠纷。也易患精神和呼吸器官的疾病。（平）");
    EXPECT_EQ(jcdyx(38).points, 1.5f);
    // The four keys of an element pair share one row.
    for (auto keys : {std::array{33, 34, 43, 44}, std::array{93, 94, 103, 104}, std::array{11, 12, 21, 22},
                      std::array{99, 910, 109, 1010}}) {
        const std::string_view basic = jcdyx(keys[0]).text;
        const std::string_view success = cgdyx(keys[0]).text;
        for (int k : keys) {
            EXPECT_EQ(jcdyx(k).text, basic) << k;
            EXPECT_EQ(cgdyx(k).text, success) << k;
        }
    }
    EXPECT_TRUE(jcdyx(10).text.empty());
    EXPECT_TRUE(cgdyx(1011).text.empty());
    EXPECT_EQ(jcdyx(10).points + cgdyx(1011).points, 0);
}

TEST(Hints, CommentaryIsTheBandsTextAndItsWarnings)
{
    std::vector<float> scores{std::numeric_limits<float>::quiet_NaN(), -1, 0, 59.99f, 89.99f, 1000};
    for (int half = 100; half <= 220; ++half)
        scores.push_back(static_cast<float>(half) / 2);
    for (float zf : scores) {
        for (const char* zdp : {"", "1", "2", "12", "21", "1212", "x", "0"}) {
            for (Sex sex : {Sex::Male, Sex::Female, Sex::None}) {
                const std::string want = std::string(dianping(zf)) + warnings(zdp, sex);
                ASSERT_EQ(commentary(zf, zdp, sex), want) << zf << " " << zdp;
            }
        }
    }
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
        {2, "败财运", "2", "败财运", "2"},
        {26, "败财运", "2", "败财运", "2"},
        {3, "首领运", "", "首领运", ""},
        {47, "首领运", "", "首领运", ""},
        {4, "败财运、孤独运", "12", "败财运、孤独运", "12"},
        {5, "双妻运", "1", "", ""},
        {6, "*", "1", "*", "1"},
        {14, "*", "12", "*", "12"},
        {21, "*", "12", "*", "12"},
        {16, "首领运、富贵运、双妻运", "1", "首领运、富贵运", ""},
        {41, "首领运、富贵运、双妻运", "1", "首领运、富贵运", ""},
        {34, "孤独运", "1", "孤独运", "1"},
        {33, "富贵运", "", "富贵运", ""},
        {43, "*", "", "*", ""},
        {1, "", "", "", ""},
        {81, "", "", "", ""},
        {0, "", "", "", ""},
        {-4, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(anshi(Sex::Male, c.number).text, c.male);
        EXPECT_EQ(anshi(Sex::Male, c.number).flags, c.maleFlags);
        EXPECT_EQ(anshi(Sex::Female, c.number).text, c.female);
        EXPECT_EQ(anshi(Sex::Female, c.number).flags, c.femaleFlags);
    }
}

TEST(Hints, CommentaryBandsAndWarnings)
{
    const std::pair<float, const char*> bands[] = {
        {100, "你的名字起得非常棒"},
        {90, "你的名字起得非常棒"},
        {89.5f, "你的名字起得很好"},
        {85, "你的名字起得很好"},
        {84.5f, "你的名字起得相当不错"},
        {80, "你的名字起得相当不错"},
        {75, "你的名字还算可以"},
        {74.5f, "你的名字只能算是一般"},
        {68, "你的名字只能算是一般"},
        {67.5f, "你的名字起得不算理想"},
        {60, "你的名字起得不算理想"},
        {59.5f, "你的名字结合你的先天条件来看"},
        {53, "你的名字结合你的先天条件来看"},
    };
    for (auto [score, start] : bands)
        EXPECT_TRUE(dianping(score).starts_with(start)) << score;
    EXPECT_EQ(warnings("22", Sex::Male), "需谨慎处理财富");
    EXPECT_EQ(warnings("12", Sex::Male), "可能对婚姻不利\u3000需谨慎处理财富");
    EXPECT_EQ(warnings("12", Sex::Female), "需谨慎处理财富");
    EXPECT_EQ(warnings("1", Sex::Male), "可能对婚姻不利\u3000");
    EXPECT_EQ(warnings("", Sex::Male), "");
}
