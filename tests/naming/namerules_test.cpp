// The rules of sound, shape and the schools, each on names built to pass or fail it.
#include "naming/namerules.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace xingming::naming;
using xingming::calendar::Sex;

namespace {

// What of returns for each character of name, in order.
template <typename Of> auto perChar(const std::string& name, Of of)
{
    std::vector<decltype(of(U' '))> out;
    for (char32_t c : decodeUtf8(name))
        out.push_back(of(c));
    return out;
}

std::vector<CharSound> sounds(const std::string& name)
{
    return perChar(name, charSound);
}

std::vector<CharShape> shapes(const std::string& name)
{
    return perChar(name, charShape);
}

// A name, how many of its characters are the given name, a rule and whether the name passes it.
struct RuleCase {
    const char* name;
    std::size_t given;
    Rule rule;
    bool passes;
};

} // namespace

TEST(NameRules, Sound)
{
    const RuleCase cases[] = {
        {"张芳芬", 2, Rule::Tones, false},        // three first tones
        {"张芳明", 2, Rule::Tones, true},         // 1 1 2
        {"欧阳宏图", 2, Rule::Tones, false},      // yáng hóng tú: three second tones
        {"李明", 1, Rule::Tones, true},           // two syllables cannot break it
        {"王浩然", 2, Rule::LevelOblique, true},  // hào (oblique) then rán (level)
        {"王浩亮", 2, Rule::LevelOblique, false}, // hào liàng: both oblique
        {"李丽", 1, Rule::NoEqualSounds, false},  // lǐ lì
        {"李明", 1, Rule::NoEqualSounds, true},   {"杜子腾", 2, Rule::Euphony, false},    // 肚子疼
        {"范统", 1, Rule::Euphony, false},                                                // 饭桶
        {"吴仁耀", 2, Rule::Euphony, false},                                              // 无人要
        {"张浩然", 2, Rule::Euphony, true},       {"王长明", 2, Rule::OneReading, false}, // 长 cháng / zhǎng
        {"王浩明", 2, Rule::OneReading, true},    {"长明", 1, Rule::OneReading, true},    // only the given name counts
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<CharSound> s = sounds(c.name);
        EXPECT_EQ(soundRules(s, c.given).has(c.rule), c.passes) << ruleText(c.rule);
    }
    EXPECT_EQ(unfortunateReading(sounds("杜子腾")).word, "肚子疼");
    EXPECT_EQ(unfortunateReading(sounds("张浩然")).word, "");
    // A character without a reading breaks no rule of sound by itself.
    std::vector<CharSound> unknown{charSound(U'A'), charSound(U'B'), charSound(U'C')};
    EXPECT_TRUE(soundRules(unknown, 2).has(Rule::Tones));
    EXPECT_TRUE(soundRules(unknown, 2).has(Rule::NoEqualSounds));
    EXPECT_FALSE(soundRules(unknown, 2).has(Rule::LevelOblique));
}

TEST(NameRules, Shape)
{
    const RuleCase cases[] = {
        {"江河海", 2, Rule::Radicals, false}, // all on 水
        {"江河明", 2, Rule::Radicals, true},       {"林森", 1, Rule::Radicals, false},
        {"王乙馨", 2, Rule::StrokeBalance, false},                                        // 1 and 20 strokes
        {"王一明", 2, Rule::StrokeBalance, true},  {"王麟", 1, Rule::EasyToWrite, false}, // 23 strokes
        {"麟明", 1, Rule::EasyToWrite, true}, // a heavy surname is not the name's fault
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shapeRules(shapes(c.name), c.given).has(c.rule), c.passes) << ruleText(c.rule);
    }
}

TEST(NameRules, Schools)
{
    PxmzResult r;
    r.grids.rg = 11; // 11 ends in 1: wood
    r.grids.dG = 15;
    r.grids.wg = 6;
    r.grids.zg = 24;
    const int strokes[] = {7, 8, 8, 0};
    const RuleSet base = schoolRules(r, strokes, Sex::Male, Element::Water);
    EXPECT_TRUE(base.has(Rule::Numbers81));
    EXPECT_TRUE(base.has(Rule::YearElement)); // water feeds wood
    EXPECT_TRUE(base.has(Rule::OddEven));
    EXPECT_FALSE(schoolRules(r, strokes, Sex::Male, Element::Metal).has(Rule::YearElement)); // metal cuts wood
    EXPECT_FALSE(schoolRules(r, strokes, Sex::Male, Element::Unknown).has(Rule::YearElement));

    const int allOdd[] = {7, 9, 11, 0};
    EXPECT_FALSE(schoolRules(r, allOdd, Sex::Male, Element::Water).has(Rule::OddEven));
    const int allEven[] = {8, 10, 0, 0};
    EXPECT_FALSE(schoolRules(r, allEven, Sex::Male, Element::Water).has(Rule::OddEven));

    PxmzResult bad = r;
    bad.grids.zg = 2; // 2 is 凶
    EXPECT_FALSE(schoolRules(bad, strokes, Sex::Male, Element::Water).has(Rule::Numbers81));
    bad = r;
    bad.grids.tg = 2; // 天格 belongs to the family and is not judged
    EXPECT_TRUE(schoolRules(bad, strokes, Sex::Male, Element::Water).has(Rule::Numbers81));
}

TEST(NameRules, RuleSetAndTexts)
{
    RuleSet s;
    s.add(Rule::Tones);
    s.add(Rule::Source);
    EXPECT_EQ(s.rules(), (std::vector<Rule>{Rule::Tones, Rule::Source}));
    RuleSet want;
    want.add(Rule::Tones);
    EXPECT_TRUE(s.hasAll(want));
    want.add(Rule::Radicals);
    EXPECT_FALSE(s.hasAll(want));
    std::vector<std::string> texts;
    for (int i = 0; i < kRuleCount; ++i) {
        const std::string text(ruleText(static_cast<Rule>(i)));
        EXPECT_FALSE(text.empty()) << i;
        texts.push_back(text);
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::unique(texts.begin(), texts.end()), texts.end());
}

TEST(NameRules, UnfortunateMeaning)
{
    char32_t c = 0;
    ASSERT_TRUE(decodeSingle("死", c));
    EXPECT_FALSE(unfortunateMeaning(c).empty());
    ASSERT_TRUE(decodeSingle("明", c));
    EXPECT_TRUE(unfortunateMeaning(c).empty());
}
