// The compiled-in index of the candidate list against the naming engine's own list.
#include "naming/chartable.h"
#include "naming/chartable_data.h"
#include "naming/namecandidates.h"
#include "naming/suggest.h"

#include <gtest/gtest.h>

using namespace xingming::naming;

TEST(CandidateRow, AgreesWithTheEnginesListForEveryCharacterOfTheTable)
{
    int found = 0;
    for (int pos = 1; pos <= kCharTableSize; ++pos) {
        const char32_t c = charAt(pos);
        if (charPosition(c) != pos)
            continue; // the second 滢
        const NameCandidate* cand = findCandidate(c);
        const CandidateRow* row = candidateRow(c);
        ASSERT_EQ(row != nullptr, cand != nullptr) << pos;
        if (!row)
            continue;
        ++found;
        EXPECT_EQ(row->ch, cand->ch);
        EXPECT_EQ(row->gloss, cand->gloss);
        EXPECT_EQ(row->sex, cand->sex);
        EXPECT_EQ(row->tier, cand->tier);
    }
    EXPECT_EQ(found, static_cast<int>(nameCandidates().size()));
}

TEST(CandidateRow, CharactersOutsideTheList)
{
    // Outside the table, a table character the list lacks, the first and last code points
    // around the index, and values that are no character.
    for (char32_t c : {U'a', U'𠀀', U'死', U'\u4DFF', U'\u9FA1', char32_t{0}, char32_t{0xFFFD}, char32_t{0x110000}})
        EXPECT_EQ(candidateRow(c), nullptr) << static_cast<unsigned>(c);
    ASSERT_NE(candidateRow(U'一'), nullptr);
    EXPECT_EQ(candidateRow(U'一')->gloss, "数之始；喻专一与圆满");
    ASSERT_NE(candidateRow(U'鸾'), nullptr);
    EXPECT_EQ(candidateRow(U'鸾')->sex, NameSex::Girl);
}
