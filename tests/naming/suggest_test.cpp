// The naming engine: its candidate list, the agreement of every suggestion with the name
// test, the ranking rule, variety, and the structured five-element report it ranks by.
#include "naming/suggest.h"

#include "naming/nametest.h"
#include "naming/poetry.h"
#include "naming/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <optional>
#include <tuple>

using namespace xingming::naming;
using xingming::calendar::BirthDate;
using xingming::calendar::CalendarKind;
using xingming::calendar::Sex;

namespace {

struct Case {
    const char* label;
    const char* surname;
    Sex sex;
    int length;
    BirthDate birth;
    float minScore;
};

// Surnames of one and two characters, one outside the character table (counted as one
// stroke by the name test), both sexes, both lengths, births of every season.
const Case kCases[] = {
    {"王 男 2 1990-5-17", "王", Sex::Male, 2, {"1990", "5", "17", "18"}, 80},
    {"李 女 2 2001-1-1", "李", Sex::Female, 2, {"2001", "1", "1", "0"}, 80},
    {"张 男 1 1985-10-3", "张", Sex::Male, 1, {"1985", "10", "3", "7"}, 0},
    {"陈 女 1 2020-2-29", "陈", Sex::Female, 1, {"2020", "2", "29", "23"}, 60},
    {"欧阳 男 2 1975-7-30", "欧阳", Sex::Male, 2, {"1975", "7", "30", "12"}, 70},
    {"司马 女 2 2049-12-31", "司马", Sex::Female, 2, {"2049", "12", "31", "22"}, 85},
    {"𠀋 男 2 1960-6-6", "𠀋", Sex::Male, 2, {"1960", "6", "6", "6"}, 0},
    {"黄 女 2 1999-9-9", "黄", Sex::Female, 2, {"1999", "9", "9", "9"}, 100},
};

SuggestRequest requestOf(const Case& c, std::size_t limit, int cap = 3)
{
    SuggestRequest r;
    r.surname = c.surname;
    r.sex = c.sex;
    r.length = c.length;
    r.birth = c.birth;
    r.minScore = c.minScore;
    r.limit = limit;
    r.maxPerCharacter = cap;
    return r;
}

NameTestReport nameTest(const std::string& surname, const std::string& given, Sex sex, const BirthDate& b)
{
    NameTestForm f;
    f.surname = surname;
    f.given = given;
    f.sex = sex;
    f.calendar = CalendarKind::Solar;
    f.date = {b.year, b.month, b.day, b.hour};
    NameTestOutcome out = runNameTest(f);
    EXPECT_TRUE(out.report) << out.message;
    return out.report.value_or(NameTestReport{});
}

std::vector<std::string> chars(const std::string& s)
{
    return splitCharacters(s, 8);
}

// The ranking key as a plain sort over every name would use it, for the bucket filling
// of the engine to be checked against: -score, -fit, round, rank of the first and of the
// second character, their strokes, their table positions. A rank is the place among
// the pool's characters of the same stroke count and the same fit.
using Key = std::tuple<float, int, int, int, int, int, int, int, int>;

struct Pool {
    std::vector<const NameCandidate*> chars;
    std::map<std::string, int> rank;

    explicit Pool(const Case& c)
    {
        const ElementNeeds needs = elementNeeds(c.birth);
        const std::vector<std::string> surname = splitCharacters(c.surname, 2);
        std::map<std::pair<int, bool>, int> next;
        for (const NameCandidate& n : nameCandidates()) {
            if (n.tier != Tier::Common || !suits(n.sex, c.sex) || std::count(surname.begin(), surname.end(), n.ch) != 0)
                continue;
            chars.push_back(&n);
            rank[n.ch] = next[{n.strokes, needs.wanted(n.element)}]++;
        }
    }

    Key key(float score, int fit, const std::vector<std::string>& g) const
    {
        const int u = rank.at(g[0]);
        const int v = g.size() == 2 ? rank.at(g[1]) : 0;
        const bool two = g.size() == 2;
        return {-score,
                -fit,
                two ? std::max(u, v) : u,
                u,
                v,
                lookupChar(g[0]).strokes,
                two ? lookupChar(g[1]).strokes : 0,
                charPosition(g[0]),
                two ? charPosition(g[1]) : 0};
    }
};

} // namespace

TEST(NameCandidates, ListIsSound)
{
    const auto& list = nameCandidates();
    EXPECT_GE(list.size(), 500u);
    std::set<int> positions;
    std::map<NameSex, int> marks;
    for (const NameCandidate& c : list) {
        SCOPED_TRACE(c.ch);
        EXPECT_EQ(splitCharacters(c.ch, 2).size(), 1u);
        EXPECT_NE(c.position, 0) << "not in the character table";
        EXPECT_EQ(charPosition(c.ch), c.position);
        EXPECT_NE(c.element, Element::Unknown) << "no element in the table";
        EXPECT_EQ(c.strokes, lookupChar(c.ch).strokes);
        EXPECT_TRUE(positions.insert(c.position).second) << "listed twice";
        EXPECT_TRUE(c.sex == NameSex::Boy || c.sex == NameSex::Girl || c.sex == NameSex::Both);
        ++marks[c.sex];
        EXPECT_EQ(findCandidate(c.ch), &c);
    }
    EXPECT_TRUE(
        std::is_sorted(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.position < b.position; }));
    // Enough for either sex, every element represented.
    EXPECT_GE(marks[NameSex::Boy] + marks[NameSex::Both], 300);
    EXPECT_GE(marks[NameSex::Girl] + marks[NameSex::Both], 200);
    std::set<Element> elements;
    for (const NameCandidate& c : list)
        elements.insert(c.element);
    EXPECT_EQ(elements.size(), 5u);
    EXPECT_EQ(findCandidate("死"), nullptr);
    EXPECT_EQ(findCandidate(""), nullptr);
}

TEST(ElementNeeds, AgreesWithTheSentenceOfTheReport)
{
    // Rebuilding the report's sentence from the structured form must give the sentence
    // itself: every month of 1950 to 2049 on three days and four hours.
    int checked = 0;
    for (int y = 1950; y < 2050; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d : {1, 14, 28}) {
                for (int h : {0, 5, 13, 23}) {
                    const BirthDate b{std::to_string(y), std::to_string(m), std::to_string(d), std::to_string(h)};
                    const auto chart = xingming::calendar::birthChartValues(b);
                    const ElementNeeds n = elementNeedsOf(chart);
                    ASSERT_TRUE(n.known) << y << "-" << m << "-" << d;
                    std::string s = "此命五行";
                    bool any = false;
                    for (int e = 0; e < 5; ++e) {
                        if (n.lacking[static_cast<size_t>(e)]) {
                            s += "缺" + std::string(elementText(static_cast<Element>(e)));
                            any = true;
                        }
                    }
                    if (!any)
                        s += "比较平衡";
                    s += "；日主天干为" + std::string(elementText(n.dayMaster)) + "；必须有" +
                         std::string(elementText(n.help)) + "助，但忌" + std::string(elementText(n.caution)) + "太多。";
                    ASSERT_EQ(s, chart.whstr) << y << "-" << m << "-" << d << " " << h;
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 100 * 12 * 3 * 4);
}

TEST(ElementNeeds, WantedElements)
{
    // 1990-5-17 18时: 此命五行缺木；日主天干为水；必须有木助，但忌火太多。
    const ElementNeeds n = elementNeeds({"1990", "5", "17", "18"});
    ASSERT_TRUE(n.known);
    EXPECT_TRUE(n.wanted(Element::Wood));
    EXPECT_FALSE(n.wanted(Element::Fire));
    EXPECT_FALSE(n.wanted(Element::Water));
    EXPECT_FALSE(n.wanted(Element::Unknown));
    EXPECT_EQ(n.caution, Element::Fire);
    // No full chart (an hour outside 0..23, no real date): nothing is wanted and the
    // ranking is by score alone.
    EXPECT_FALSE(elementNeeds({"1990", "5", "17", "24"}).known);
    EXPECT_FALSE(elementNeeds({"1990", "2", "30", "1"}).known);
}

class SuggestCases : public ::testing::TestWithParam<Case> {};

TEST_P(SuggestCases, EveryScoreIsTheNameTestsScore)
{
    const Case& c = GetParam();
    const SuggestResult r = suggestNames(requestOf(c, 60));
    ASSERT_FALSE(r.names.empty());
    for (const Suggestion& s : r.names) {
        SCOPED_TRACE(s.fullName);
        const NameTestReport rep = nameTest(c.surname, s.given, c.sex, c.birth);
        const PxmzResult& p = rep.result;
        EXPECT_EQ(s.score, p.zf2);
        EXPECT_EQ(s.fullName, std::string(c.surname) + s.given);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(s.strokes[i], p.strokes[i]) << i;
            EXPECT_EQ(elementText(s.elements[i]), p.ziwuhang[i]) << i;
        }
        EXPECT_EQ(s.grids.tg, p.grids.tg);
        EXPECT_EQ(s.grids.rg, p.grids.rg);
        EXPECT_EQ(s.grids.dG, p.grids.dG);
        EXPECT_EQ(s.grids.wg, p.grids.wg);
        EXPECT_EQ(s.grids.zg, p.grids.zg);
        EXPECT_GE(s.score, c.minScore);
        EXPECT_EQ(r.chart.whstr, p.whstr);
    }
}

TEST_P(SuggestCases, MatchesAPlainSortOfEveryName)
{
    // Every name of the pool (the common candidates for the sex, without the surname's
    // characters, no character doubled) judged by the name test's own half, sorted by the
    // ranking key, then thinned by the rule of sound every mode keeps and by the variety
    // rule: the engine must give the same list, with the same scores and fits, and count
    // the same names as qualifying (before the rule of sound).
    const Case& c = GetParam();
    const SuggestRequest req = requestOf(c, 150, 4);
    const SuggestResult r = suggestNames(req);
    const std::vector<std::string> surname = chars(c.surname);
    const Pool pool(c);
    NameStrokes base;
    base.S1 = lookupChar(surname[0]).strokes;
    base.S2 = surname.size() == 2 ? lookupChar(surname[1]).strokes : 0;
    base.singleSurname = surname.size() == 1;
    struct Row {
        Key key;
        std::string given; // with its score and fit: "王冠策 100 2"
    };
    std::vector<Row> rows;
    std::size_t qualifying = 0;
    const auto add = [&](const std::vector<const NameCandidate*>& g) {
        NameStrokes s = base;
        s.G1 = g[0]->strokes;
        s.G2 = g.size() == 2 ? g[1]->strokes : 0;
        s.singleGiven = g.size() == 1;
        PxmzResult p;
        judgeName(s, c.sex, p);
        if (p.zf2 < c.minScore)
            return;
        ++qualifying;
        int fit = 0;
        std::string given;
        std::vector<std::string> parts;
        std::vector<CharSound> sounds;
        for (const std::string& ch : surname)
            sounds.push_back(charSound(decodeUtf8(ch)[0]));
        for (const NameCandidate* x : g) {
            fit += r.needs.wanted(x->element) ? 1 : 0;
            given += x->ch;
            parts.push_back(x->ch);
            sounds.push_back(x->sound);
        }
        if (hasUnfortunateReading(sounds))
            return;
        rows.push_back({pool.key(p.zf2, fit, parts), given + " " + scoreText(p.zf2) + " " + std::to_string(fit)});
    };
    for (const NameCandidate* a : pool.chars) {
        if (c.length == 1) {
            add({a});
            continue;
        }
        for (const NameCandidate* b : pool.chars)
            if (a != b)
                add({a, b});
    }
    EXPECT_EQ(qualifying, r.qualifying);
    std::sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) { return x.key < y.key; });
    std::vector<std::string> expected;
    std::map<std::string, int> first, second;
    for (const Row& row : rows) {
        if (expected.size() == req.limit)
            break;
        const auto g = chars(row.given.substr(0, row.given.find(' ')));
        if (first[g[0]] >= req.maxPerCharacter || (g.size() == 2 && second[g[1]] >= req.maxPerCharacter))
            continue;
        ++first[g[0]];
        if (g.size() == 2)
            ++second[g[1]];
        expected.push_back(row.given);
    }
    std::vector<std::string> got;
    for (const Suggestion& s : r.names)
        got.push_back(s.given + " " + scoreText(s.score) + " " + std::to_string(s.fit));
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Requests, SuggestCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return "case" + std::to_string(param.index);
                         });

TEST(Suggest, DeterministicAndLimited)
{
    const SuggestRequest req = requestOf(kCases[0], 50);
    const SuggestResult a = suggestNames(req);
    const SuggestResult b = suggestNames(req);
    ASSERT_EQ(a.names.size(), 50u);
    for (size_t i = 0; i < a.names.size(); ++i)
        EXPECT_EQ(a.names[i].given, b.names[i].given);
    // The shorter list is the head of the longer one.
    const SuggestResult head = suggestNames(requestOf(kCases[0], 10));
    for (size_t i = 0; i < head.names.size(); ++i)
        EXPECT_EQ(head.names[i].given, a.names[i].given);
}

TEST(Suggest, VarietyCap)
{
    SuggestRequest req = requestOf(kCases[0], 40, 1);
    req.minScore = 0;
    std::set<std::string> firsts;
    for (const Suggestion& s : suggestNames(req).names)
        EXPECT_TRUE(firsts.insert(chars(s.given)[0]).second) << s.given;
    // Without a cap the best stroke pair may fill the list with one first character.
    req.maxPerCharacter = 0;
    std::map<std::string, int> uses;
    int most = 0;
    for (const Suggestion& s : suggestNames(req).names)
        most = std::max(most, ++uses[chars(s.given)[0]]);
    EXPECT_GT(most, 1);
}

TEST(Suggest, PrefersWantedElementsAmongEqualScores)
{
    // 1990-5-17 18时 lacks 木 and needs 木: among names of the top score, those of two
    // 木 characters come before the others.
    const SuggestResult r = suggestNames(requestOf(kCases[0], 30, 0));
    ASSERT_FALSE(r.names.empty());
    EXPECT_EQ(r.names.front().fit, 2);
    EXPECT_EQ(r.names.front().elements[2], Element::Wood);
    EXPECT_EQ(r.names.front().elements[3], Element::Wood);
}

TEST(Suggest, RefusedRequestsGiveNoNames)
{
    struct Bad {
        const char* label;
        const char* surname;
        Sex sex;
        int length;
    };
    const Bad rows[] = {
        {"empty surname", "", Sex::Male, 2},
        {"no sex", "王", Sex::None, 2},
        {"length 0", "王", Sex::Male, 0},
        {"length 3", "王", Sex::Male, 3},
    };
    for (const Bad& b : rows) {
        SuggestRequest req;
        req.surname = b.surname;
        req.sex = b.sex;
        req.length = b.length;
        req.birth = {"1990", "5", "17", "18"};
        EXPECT_TRUE(suggestNames(req).names.empty()) << b.label;
    }
    // A minimum above 100 leaves nothing.
    SuggestRequest req = requestOf(kCases[0], 20);
    req.minScore = 100.5f;
    const SuggestResult r = suggestNames(req);
    EXPECT_TRUE(r.names.empty());
    EXPECT_EQ(r.qualifying, 0u);
}

TEST(Suggest, LongSurnameIsCutLikeTheNameTest)
{
    SuggestRequest req = requestOf(kCases[0], 5);
    req.surname = "欧阳王";
    const SuggestResult r = suggestNames(req);
    ASSERT_EQ(r.surname, (std::vector<std::string>{"欧", "阳"}));
    for (const Suggestion& s : r.names)
        EXPECT_EQ(s.score, nameTest("欧阳", s.given, Sex::Male, req.birth).result.zf2);
}

TEST(NamesWithCharacter, ContainTheCharacterBestFirst)
{
    struct Row {
        const char* surname;
        Sex sex;
        const char* ch;
    };
    const Row rows[] = {
        {"王", Sex::Male, "明"}, {"欧阳", Sex::Female, "雪"}, {"李", Sex::Female, "鑫"}, {"张", Sex::Male, "𠀋"}};
    const BirthDate birth{"2000", "1", "1", "12"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ch);
        const auto names = namesWithCharacter(row.surname, row.sex, row.ch, 12);
        ASSERT_EQ(names.size(), 12u);
        for (size_t k = 0; k < names.size(); ++k) {
            const Suggestion& s = names[k];
            EXPECT_NE(s.given.find(row.ch), std::string::npos) << s.given;
            if (k > 0) {
                EXPECT_GE(names[k - 1].score, s.score);
            }
            EXPECT_EQ(s.score, nameTest(row.surname, s.given, row.sex, birth).result.zf2) << s.given;
        }
    }
    EXPECT_TRUE(namesWithCharacter("王", Sex::Male, "明月", 5).empty());
    EXPECT_TRUE(namesWithCharacter("王", Sex::None, "明", 5).empty());
    EXPECT_TRUE(namesWithCharacter("", Sex::Male, "明", 5).empty());
}

namespace {

SuggestRequest modeRequest(NamingMode mode, const char* surname = "王", Sex sex = Sex::Male)
{
    SuggestRequest r;
    r.surname = surname;
    r.sex = sex;
    r.length = 2;
    r.birth = {"1990", "5", "17", "18"};
    r.minScore = 70;
    r.limit = 60;
    r.mode = mode;
    return r;
}

std::vector<CharSound> soundsOf(const std::string& fullName)
{
    std::vector<CharSound> out;
    for (char32_t c : decodeUtf8(fullName))
        out.push_back(charSound(c));
    return out;
}

const NamingMode kModes[] = {NamingMode::Master, NamingMode::Mainstream, NamingMode::Personal,
                             NamingMode::SoundShapeMeaning};

} // namespace

TEST(NamingModes, NamesAndTexts)
{
    struct Row {
        const char* text;
        std::optional<NamingMode> mode;
    };
    const Row rows[] = {
        {"1", NamingMode::Master},
        {"4", NamingMode::SoundShapeMeaning},
        {"综合大师模式", NamingMode::Master},
        {"主流高分", NamingMode::Mainstream},
        {"personal", NamingMode::Personal},
        {"sound", NamingMode::SoundShapeMeaning},
        {"5", std::nullopt},
        {"", std::nullopt},
        {"Master", std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(modeFromText(r.text), r.mode) << r.text;
    for (NamingMode m : kModes)
        EXPECT_EQ(modeFromText(modeName(m)), m);
}

TEST(NamingModes, EveryModeKeepsItsPromises)
{
    for (NamingMode mode : kModes) {
        SCOPED_TRACE(std::string(modeName(mode)));
        for (Sex sex : {Sex::Male, Sex::Female}) {
            const SuggestRequest req = modeRequest(mode, "李", sex);
            const SuggestResult r = suggestNames(req);
            ASSERT_EQ(r.names.size(), req.limit) << r.message;
            EXPECT_TRUE(r.message.empty());
            for (const Suggestion& s : r.names) {
                SCOPED_TRACE(s.fullName);
                EXPECT_GE(s.score, req.minScore);
                EXPECT_EQ(s.score, nameTest("李", s.given, sex, req.birth).result.zf2);
                EXPECT_FALSE(hasUnfortunateReading(soundsOf(s.fullName)));
                EXPECT_TRUE(s.passed.has(Rule::Euphony));
                ASSERT_EQ(s.chars.size(), 2u);
                for (const SuggestedChar& c : s.chars) {
                    const NameCandidate* cand = findCandidate(c.ch);
                    ASSERT_NE(cand, nullptr);
                    EXPECT_FALSE(c.pinyin.empty());
                    EXPECT_EQ(c.gloss, cand->gloss);
                    if (mode != NamingMode::Personal) {
                        EXPECT_EQ(cand->tier, Tier::Common);
                        EXPECT_TRUE(suits(cand->sex, sex));
                    }
                }
                EXPECT_EQ(s.source.has_value(), s.passed.has(Rule::Source));
                if (s.source) {
                    const std::u32string line = decodeUtf8(s.source->line);
                    const std::u32string given = decodeUtf8(s.given);
                    const auto first = line.find(given[0]);
                    ASSERT_NE(first, std::u32string::npos);
                    EXPECT_NE(line.find(given[1], first + 1), std::u32string::npos);
                }
                switch (mode) {
                case NamingMode::Master:
                    for (Rule rule :
                         {Rule::Numbers81, Rule::ThreeTalents, Rule::BasicLuck, Rule::SuccessLuck, Rule::SocialLuck,
                          Rule::YearElement, Rule::OddEven, Rule::Tones, Rule::NoEqualSounds})
                        EXPECT_TRUE(s.passed.has(rule)) << ruleText(rule);
                    break;
                case NamingMode::SoundShapeMeaning:
                    for (Rule rule :
                         {Rule::Tones, Rule::NoEqualSounds, Rule::Radicals, Rule::StrokeBalance, Rule::EasyToWrite})
                        EXPECT_TRUE(s.passed.has(rule)) << ruleText(rule);
                    break;
                case NamingMode::Mainstream:
                case NamingMode::Personal:
                    break;
                }
            }
        }
    }
}

TEST(NamingModes, OrderOfEachMode)
{
    // Mainstream and master: by score, never rising.
    for (NamingMode mode : {NamingMode::Mainstream, NamingMode::Master}) {
        const SuggestResult r = suggestNames(modeRequest(mode));
        for (size_t i = 1; i < r.names.size(); ++i)
            EXPECT_GE(r.names[i - 1].score, r.names[i].score) << modeName(mode) << " " << r.names[i].fullName;
    }
    // Master lists only what mainstream would list and fewer qualify.
    const SuggestResult master = suggestNames(modeRequest(NamingMode::Master));
    const SuggestResult mainstream = suggestNames(modeRequest(NamingMode::Mainstream));
    EXPECT_LT(master.qualifying, mainstream.qualifying);

    // Personal: rare characters and characters of the other sex appear among the best.
    const SuggestResult personal = suggestNames(modeRequest(NamingMode::Personal));
    int rare = 0, girls = 0;
    for (const Suggestion& s : personal.names) {
        for (const SuggestedChar& c : s.chars) {
            rare += findCandidate(c.ch)->tier == Tier::Rare ? 1 : 0;
            girls += findCandidate(c.ch)->sex == NameSex::Girl ? 1 : 0;
        }
    }
    EXPECT_GT(rare, 0);
    EXPECT_GT(girls, 0);
    EXPECT_GT(personal.qualifying, mainstream.qualifying);

    // Sound, shape and meaning: the names with a source come first, by value.
    const SuggestResult ssm = suggestNames(modeRequest(NamingMode::SoundShapeMeaning));
    ASSERT_FALSE(ssm.names.empty());
    EXPECT_TRUE(ssm.names.front().source.has_value());
    bool sourced = true;
    for (const Suggestion& s : ssm.names) {
        if (!s.source)
            sourced = false;
        EXPECT_TRUE(sourced || !s.source) << "a name with a source after one without: " << s.fullName;
    }
}

TEST(NamingModes, SourcedNamesMatchAPlainSortOfEverySourcedPair)
{
    // The names with a source of the sound-shape-meaning mode: every pair of the pool that
    // stands together in the classical texts, kept by the rules of sound and shape, valued
    // by its score plus 2 for level and oblique tones, 1 for one reading each and 1 for
    // each wanted element, sorted by value, then by work, then by the ranking key, thinned
    // by the variety rule. The engine reads the pairs in by levels of score and orders a
    // slice at a time; it must give the same head of the list.
    static constexpr std::array<std::string_view, 5> kWorks{"诗经", "楚辞", "论语", "唐诗", "宋词"};
    const PoetryData& data = poetryData();
    for (const Case& c : {kCases[0], kCases[1], kCases[4]}) {
        SCOPED_TRACE(c.label);
        for (const std::size_t limit : {std::size_t{7}, std::size_t{400}}) {
            SuggestRequest req = requestOf(c, limit, 2);
            req.minScore = 0;
            req.mode = NamingMode::SoundShapeMeaning;
            const SuggestResult r = suggestNames(req);
            const Pool pool(c);
            const ElementNeeds needs = elementNeeds(c.birth);
            const std::set<const NameCandidate*> inPool(pool.chars.begin(), pool.chars.end());
            const std::vector<std::string> surname = chars(c.surname);
            NameStrokes base;
            base.S1 = lookupChar(surname[0]).strokes;
            base.S2 = surname.size() == 2 ? lookupChar(surname[1]).strokes : 0;
            base.singleSurname = surname.size() == 1;
            std::vector<CharSound> sounds;
            std::vector<CharShape> shapes;
            for (const std::string& ch : surname) {
                const char32_t code = decodeUtf8(ch)[0];
                sounds.push_back(charSound(code));
                shapes.push_back({charShape(code).radical, lookupChar(ch).strokes});
            }
            struct Row {
                float value;
                int work;
                Key key;
                const NameCandidate* a;
                const NameCandidate* b;
            };
            std::vector<Row> rows;
            for (const NameCandidate* a : pool.chars) {
                for (const PoemPartner& partner : data.partnersWithWork(a->code)) {
                    const NameCandidate* b = findCandidate(partner.second);
                    if (!b || b == a || inPool.count(b) == 0)
                        continue;
                    std::vector<CharSound> s = sounds;
                    s.push_back(a->sound);
                    s.push_back(b->sound);
                    std::vector<CharShape> h = shapes;
                    h.push_back({a->shape.radical, a->strokes});
                    h.push_back({b->shape.radical, b->strokes});
                    RuleSet rules = soundRules(s, 2);
                    rules |= shapeRules(h, 2);
                    bool kept = true;
                    for (Rule rule : {Rule::Euphony, Rule::Tones, Rule::NoEqualSounds, Rule::Radicals,
                                      Rule::StrokeBalance, Rule::EasyToWrite})
                        kept = kept && rules.has(rule);
                    if (!kept)
                        continue;
                    NameStrokes n = base;
                    n.G1 = a->strokes;
                    n.G2 = b->strokes;
                    n.singleGiven = false;
                    PxmzResult judged;
                    judgeName(n, c.sex, judged);
                    const int fit = (needs.wanted(a->element) ? 1 : 0) + (needs.wanted(b->element) ? 1 : 0);
                    const int bonus =
                        (rules.has(Rule::LevelOblique) ? 2 : 0) + (rules.has(Rule::OneReading) ? 1 : 0) + fit;
                    const std::string_view work =
                        partner.work < data.works().size() ? data.works()[partner.work].name : std::string_view();
                    rows.push_back({judged.zf2 + static_cast<float>(bonus),
                                    static_cast<int>(std::find(kWorks.begin(), kWorks.end(), work) - kWorks.begin()),
                                    pool.key(0, 0, {a->ch, b->ch}), a, b});
                }
            }
            std::sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) {
                return std::tie(y.value, x.work, x.key) < std::tie(x.value, y.work, y.key);
            });
            std::vector<std::string> expected;
            std::map<const NameCandidate*, int> first, second;
            for (const Row& row : rows) {
                if (expected.size() == limit)
                    break;
                if (first[row.a] >= 2 || second[row.b] >= 2)
                    continue;
                ++first[row.a];
                ++second[row.b];
                expected.push_back(row.a->ch + row.b->ch);
            }
            ASSERT_FALSE(expected.empty());
            std::vector<std::string> got;
            for (const Suggestion& s : r.names)
                if (s.source)
                    got.push_back(s.given);
            EXPECT_EQ(got, expected);
        }
    }
}

TEST(NamingModes, GenerationCharacterInBothPlaces)
{
    for (NamingMode mode : kModes) {
        for (int place : {1, 2}) {
            SCOPED_TRACE(std::string(modeName(mode)) + " place " + std::to_string(place));
            SuggestRequest req = modeRequest(mode);
            req.generation = "嘉";
            req.generationPlace = place;
            req.minScore = 0;
            const SuggestResult r = suggestNames(req);
            if (mode == NamingMode::Master && r.names.empty()) {
                // Every school at once may leave no stroke pattern for a fixed character.
                EXPECT_EQ(r.message, "没有符合条件的名字，请降低最低分数或减少避用字后再试。");
                continue;
            }
            ASSERT_FALSE(r.names.empty()) << r.message;
            std::set<std::string> others;
            for (const Suggestion& s : r.names) {
                const auto g = chars(s.given);
                ASSERT_EQ(g.size(), 2u);
                EXPECT_EQ(g[static_cast<size_t>(place - 1)], "嘉") << s.given;
                EXPECT_NE(g[static_cast<size_t>(2 - place)], "嘉");
                others.insert(g[static_cast<size_t>(2 - place)]);
            }
            // The variety cap is for the free place only.
            EXPECT_GT(others.size(), r.names.size() / 4);
        }
    }
    // A generation character outside the candidate list and outside the table still works:
    // the name test counts it as the table says (1 stroke).
    SuggestRequest req = modeRequest(NamingMode::Mainstream);
    req.generation = "䶮";
    req.minScore = 0;
    const SuggestResult r = suggestNames(req);
    ASSERT_FALSE(r.names.empty());
    EXPECT_FALSE(r.names.front().chars.front().inTable);
    EXPECT_EQ(r.names.front().strokes[2], 1);
}

TEST(NamingModes, AvoidedCharactersNeverAppear)
{
    for (NamingMode mode : kModes) {
        SuggestRequest req = modeRequest(mode);
        const SuggestResult before = suggestNames(req);
        ASSERT_GE(before.names.size(), 2u);
        // Avoid the two characters of the best name.
        req.avoid = before.names.front().given;
        const SuggestResult after = suggestNames(req);
        ASSERT_FALSE(after.names.empty());
        for (const Suggestion& s : after.names)
            for (const std::string& c : chars(req.avoid))
                EXPECT_EQ(s.given.find(c), std::string::npos) << modeName(mode) << " " << s.given;
    }
}

TEST(NamingModes, RefusedRequestsSayWhy)
{
    struct Row {
        const char* label;
        const char* generation;
        int place;
        int length;
        const char* avoid;
        const char* message;
    };
    const Row rows[] = {
        {"generation not Chinese", "A", 1, 2, "", "辈份字必须是一个汉字。"},
        {"generation of two", "嘉明", 1, 2, "", "辈份字必须是一个汉字。"},
        {"generation of ill meaning", "死", 1, 2, "", "辈份字“死”含义不佳（死亡），不宜用于名字。"},
        {"generation in a one-character name", "嘉", 1, 1, "", "设置辈份字时，名字须为两个字。"},
        {"generation in place 3", "嘉", 3, 2, "", "辈份字只能放在名字的第一个字或第二个字。"},
        {"generation avoided", "嘉", 1, 2, "明嘉", "辈份字不能同时是避用字。"},
        {"avoided not Chinese", "", 1, 2, "明a", "避用字只能填写汉字。"},
        {"avoided invalid UTF-8", "", 1, 2, "\xff", "避用字只能填写汉字。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        SuggestRequest req = modeRequest(NamingMode::Mainstream);
        req.generation = row.generation;
        req.generationPlace = row.place;
        req.length = row.length;
        req.avoid = row.avoid;
        EXPECT_EQ(checkSuggestRequest(req), row.message);
        const SuggestResult r = suggestNames(req);
        EXPECT_TRUE(r.names.empty());
        EXPECT_EQ(r.message, row.message);
    }
    // Options that leave nothing say so.
    SuggestRequest req = modeRequest(NamingMode::Master);
    req.minScore = 100;
    req.generation = "嘉";
    const SuggestResult none = suggestNames(req);
    EXPECT_TRUE(none.names.empty());
    EXPECT_EQ(none.message, "没有符合条件的名字，请降低最低分数或减少避用字后再试。");
}

TEST(NamingModes, ALimitOfNoneListsNone)
{
    for (NamingMode mode : kModes) {
        SuggestRequest req = modeRequest(mode);
        req.limit = 0;
        const SuggestResult r = suggestNames(req);
        EXPECT_TRUE(r.names.empty()) << modeName(mode);
        EXPECT_GT(r.qualifying, 0u);
    }
}
