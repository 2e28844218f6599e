// Couple match: the day difference D, its verdict, and the refusals of the match test.
#include "fun/couplematch.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace xingming::fun {
namespace {

// Expected values: the page's documented examples; the verdict is identified
// by the title and score that open it.
TEST(CoupleMatch, VerdictByDayDifference)
{
    const struct {
        const char* girl;
        const char* boy;
        int D;
        std::string_view opening;
    } rows[] = {
        {"12", "12", 0, "最佳拍档 80分 "}, {"1", "31", 30, "超尘脱俗 80分 "}, {"31", "1", 30, "超尘脱俗 80分 "},
        {"5", "11", 6, "幸运情侣 90分 "},  {"11", "5", 6, "幸运情侣 90分 "},  {"05", "5", 0, "最佳拍档 80分 "},
        {"09", "10", 1, "一见钟情 85分 "}, {"2", "25", 23, "早散早好 5分 "},
    };
    for (const auto& r : rows) {
        const auto outcome = matchTest(r.girl, r.boy);
        const auto* v = std::get_if<MatchVerdict>(&outcome);
        ASSERT_TRUE(v) << r.girl << " " << r.boy;
        EXPECT_EQ(v->D, r.D) << r.girl << " " << r.boy;
        EXPECT_TRUE(v->verdict.starts_with(r.opening)) << r.girl << " " << r.boy << ": " << v->verdict;
    }
}

TEST(CoupleMatch, Refusals)
{
    const struct {
        const char* name;
        std::string girl, boy;
        std::string_view message;
        bool emptyBoxes;
    } rows[] = {
        {"girl empty", "", "5", kBirthdayEmpty, false},
        {"boy empty", "12", "", kBirthdayEmpty, false},
        {"both empty", "", "", kBirthdayEmpty, false},
        {"empty before range", "", "99", kBirthdayEmpty, false},
        {"zero", "0", "5", kDayOutOfRange, true},
        {"double zero", "12", "00", kDayOutOfRange, true},
        {"32", "32", "1", kDayOutOfRange, true},
        {"99", "1", "99", kDayOutOfRange, true},
        // Pasted texts that the key filter would have stopped.
        {"pasted letter", "1a", "5", kDayOutOfRange, true},
        {"pasted sign", "-5", "5", kDayOutOfRange, true},
        {"pasted blank", " 5", "5", kDayOutOfRange, true},
        {"pasted three digits", "123", "5", kDayOutOfRange, true},
        {"pasted full-width digit", "５", "5", kDayOutOfRange, true},
    };
    for (const auto& r : rows) {
        const auto outcome = matchTest(r.girl, r.boy);
        const auto* refusal = std::get_if<MatchRefusal>(&outcome);
        ASSERT_TRUE(refusal) << r.name;
        EXPECT_EQ(refusal->message, r.message) << r.name;
        EXPECT_EQ(refusal->emptyBoxes, r.emptyBoxes) << r.name;
    }
}

TEST(CoupleMatch, ShowVerdictOutsideTheTableKeepsTheLabel)
{
    EXPECT_EQ(ShowVerdict(-1), "");
    EXPECT_EQ(ShowVerdict(31), "");
    // Every row is a whole verdict ending in "~"; the two with half-width commas are kept so.
    for (int D = 0; D <= 30; ++D)
        EXPECT_TRUE(ShowVerdict(D).ends_with("~")) << D;
    EXPECT_TRUE(ShowVerdict(7).starts_with("彼此忍受 45分 两人互看不顺眼,"));
    EXPECT_TRUE(ShowVerdict(14).starts_with("不搭调 10分 两人如同水与火,"));
}

} // namespace
} // namespace xingming::fun
