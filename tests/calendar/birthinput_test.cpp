#include "calendar/birthinput.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace xingming::calendar {
void PrintTo(const BirthDate& b, std::ostream* os)
{
    *os << b.year << "/" << b.month << "/" << b.day << " " << b.hour;
}
} // namespace xingming::calendar

namespace {

using namespace xingming::calendar;

TEST(FieldValue, LeadingDecimalNumber)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"12", 12},
        {"abc", 0},
        {"", 0},
        {"1e9", 1},
        {"09", 9},
        {"-5", -5},
        {"+7", 7},
        {"12.5x", 12.5},
        {"12.", 12},
        {".5", 0.5},
        {"-.5", -0.5},
        {" 12", 0},
        {"-", 0},
        {"+.", 0},
        {"0x10", 0},
        {"1,5", 1},
        {"２", 0},
        {"1990年", 1990},
        {"12345678901234567890", 12345678901234567890.0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(fieldValue(r.text), r.value) << r.text;
    // Far beyond double: a huge value, no overflow.
    EXPECT_TRUE(std::isinf(fieldValue(std::string(400, '9'))));
    EXPECT_EQ(fieldValue("0." + std::string(400, '0') + "1"), 0);
}

TEST(FieldValue, WholeNumbersReadAsTheDecimalReaderReadsThem)
{
    // Whole numbers take a shorter way than fractions: the same doubles, to the sign of zero.
    const auto reference = [](const std::string& text) {
        const bool negative = !text.empty() && text[0] == '-';
        const size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
        double v = 0;
        std::from_chars(text.data() + start, text.data() + text.size(), v, std::chars_format::fixed);
        return negative ? -v : v;
    };
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "+0",
                                      "000",
                                      "-000",
                                      "0001990",
                                      "999999999999999",
                                      "1000000000000000",
                                      "9007199254740993",
                                      "-9007199254740993",
                                      "18446744073709551617",
                                      "123456789012345678901234567890"};
    for (int n = 0; n <= 3000; ++n) {
        texts.push_back(std::to_string(n));
        texts.push_back("-" + std::to_string(n));
        texts.push_back("+0" + std::to_string(n));
    }
    for (const std::string& text : texts) {
        const double want = reference(text);
        const double got = fieldValue(text);
        ASSERT_EQ(got, want) << text;
        ASSERT_EQ(std::signbit(got), std::signbit(want)) << text;
    }
}

struct CheckRow {
    const char* key;
    CalendarKind kind;
    DateFields fields;
    std::optional<std::string> message;
};

const auto Solar = CalendarKind::Solar;
const auto Lunar = CalendarKind::Lunar;
const auto Leap = CalendarKind::LunarLeap;
const auto None = CalendarKind::None;
const std::string kYear = "年不能为空，且应在1901至2050之间！";
const std::string kMonth = "月不能为空，且应在1至12之间！";
const std::string kDay = "日不能为空，且应在1至31之间！";
const std::string kHour = "时不能为空，且应在0至23之间！";

// Expected values: the date checks of the two panes in their order, with the edge cases
// of the name test and the naming pane; a lunar date skips the solar month lengths.
const CheckRow kCheckRows[] = {
    {"1990-05-17 8", Solar, {"1990", "5", "17", "8"}, std::nullopt},
    {"1901 and 2050 accepted", Solar, {"1901", "1", "1", "0"}, std::nullopt},
    {"2050-12-31 23", Solar, {"2050", "12", "31", "23"}, std::nullopt},
    {"year empty", Solar, {"", "5", "17", "8"}, kYear},
    {"year 1900", Solar, {"1900", "5", "17", "8"}, kYear},
    {"year 2051", Solar, {"2051", "5", "17", "8"}, kYear},
    {"year abc", Solar, {"abc", "5", "17", "8"}, kYear},
    {"year of twenty digits", Solar, {"99999999999999999999", "5", "17", "8"}, kYear},
    {"month empty", Solar, {"1990", "", "17", "8"}, kMonth},
    {"month 13", Solar, {"1990", "13", "17", "8"}, kMonth},
    {"day 0", Solar, {"1990", "5", "0", "8"}, kDay},
    {"day 32", Solar, {"1990", "5", "32", "8"}, kDay},
    {"1990-04-31", Solar, {"1990", "4", "31", "8"}, "4月只有30天！"},
    {"1990-09-31 with leading zero", Solar, {"1990", "09", "31", "8"}, "09月只有30天！"},
    {"2001-02-29", Solar, {"2001", "2", "29", "8"}, "2001年是平年，2月只有28天！"},
    {"2000-02-30", Solar, {"2000", "2", "30", "8"}, "2000年是闰年，2月只有29天！"},
    {"1992-02-29", Solar, {"1992", "2", "29", "8"}, std::nullopt},
    {"no calendar 2001-02-31", None, {"2001", "2", "31", "8"}, "2001年是平年，2月只有28天！"},
    {"hour empty", Solar, {"1990", "5", "17", ""}, kHour},
    {"hour 24", Solar, {"1990", "5", "17", "24"}, kHour},
    {"hour -1", Solar, {"1990", "5", "17", "-1"}, kHour},
    {"hour abc is 0", Solar, {"1990", "5", "17", "abc"}, std::nullopt},
    {"year before hour", Solar, {"1900", "5", "17", "24"}, kYear},
    {"month length before hour", Solar, {"1990", "4", "31", "24"}, "4月只有30天！"},
    {"lunar 2001-02-31 passes to the lunar table", Lunar, {"2001", "2", "31", "8"}, std::nullopt},
    {"lunar 2015-02-29", Lunar, {"2015", "2", "29", "8"}, std::nullopt},
    {"lunar 1990-04-31 hour 24", Lunar, {"1990", "4", "31", "24"}, kHour},
    {"lunar leap 1990-06-31", Leap, {"1990", "06", "31", "8"}, std::nullopt},
    {"lunar day 32 still refused", Lunar, {"1990", "4", "32", "8"}, kDay},
};

TEST(CheckDateFields, MessagesInOrder)
{
    for (const CheckRow& r : kCheckRows)
        EXPECT_EQ(checkDateFields(r.fields, r.kind), r.message) << r.key;
}

struct ResolveRow {
    const char* key;
    CalendarKind kind;
    DateFields fields;
    std::optional<BirthDate> birth;
};

// Expected values: the worked example (lunar 1990-4-23 is 17 May 1990), the leap-month
// input of 2020, the conformance sample of the naming pane (lunar leap 2044-7-1).
const ResolveRow kResolveRows[] = {
    {"lunar 1990-04-23", Lunar, {"1990", "4", "23", "08"}, BirthDate{"1990", "5", "17", "08"}},
    {"lunar with leading zeros", Lunar, {"1990", "04", "023", "8"}, BirthDate{"1990", "5", "17", "8"}},
    {"lunar leap 2020-04-01", Leap, {"2020", "4", "1", "8"}, BirthDate{"2020", "5", "23", "8"}},
    {"lunar leap 2044-07-01", Leap, {"2044", "7", "1", "23"}, BirthDate{"2044", "8", "23", "23"}},
    {"lunar leap 2020-05-01, no such leap month", Leap, {"2020", "5", "1", "8"}, std::nullopt},
    {"lunar 1990-01-30, a 29-day month", Lunar, {"1990", "1", "30", "8"}, std::nullopt},
    {"lunar 2001-02-31", Lunar, {"2001", "2", "31", "8"}, std::nullopt},
    {"lunar 1990.5 rounds half to even", Lunar, {"1990.5", "4.5", "23", "8"}, BirthDate{"1990", "5", "17", "8"}},
    {"lunar of twenty digits", Lunar, {"99999999999999999999", "4", "23", "8"}, std::nullopt},
    {"solar kept as entered", Solar, {"1990", "05", "07", "08"}, BirthDate{"1990", "05", "07", "08"}},
    {"no calendar kept as entered", None, {"1990", "5", "17", "8"}, BirthDate{"1990", "5", "17", "8"}},
};

TEST(ResolveBirthDate, LunarDatesBecomeSolar)
{
    for (const ResolveRow& r : kResolveRows)
        EXPECT_EQ(resolveBirthDate(r.fields, r.kind), r.birth) << r.key;
    EXPECT_EQ(kLunarDateError, "请核对万年历，您输入的农历日期有误！");
}

} // namespace

TEST(CheckPanel, RulesOfTheTwoPanels)
{
    const PanelRules nameTest{true, "calendar?"};
    const PanelRules naming{false, "which calendar?"};
    const DateFields good{"1990", "5", "17", "18"};
    const DateFields noYear{"", "5", "17", "18"};
    const DateFields lunarMissing{"1990", "1", "1", "8"}; // 1990's leap month is the fifth
    const struct {
        const char* name;
        PanelRules rules;
        const char* surname;
        const char* given;
        Sex sex;
        CalendarKind calendar;
        const DateFields& date;
        const char* message; // "" when the birth passes
        bool fieldsPassed;
    } rows[] = {
        {"no surname", nameTest, "", "明", Sex::Male, CalendarKind::Solar, good, "姓不能为空！", false},
        {"no given name", nameTest, "李", "", Sex::Male, CalendarKind::Solar, good, "名不能为空！", false},
        {"no given-name box", naming, "李", "", Sex::Male, CalendarKind::Solar, good, "", true},
        {"no sex before the date", nameTest, "李", "明", Sex::None, CalendarKind::Solar, noYear, "请选择性别！", false},
        {"date before calendar", naming, "李", "", Sex::Female, CalendarKind::None, noYear,
         "年不能为空，且应在1901至2050之间！", false},
        {"calendar, name test", nameTest, "李", "明", Sex::Male, CalendarKind::None, good, "calendar?", false},
        {"calendar, naming", naming, "李", "", Sex::Male, CalendarKind::None, good, "which calendar?", false},
        {"lunar date missing", naming, "李", "", Sex::Male, CalendarKind::LunarLeap, lunarMissing,
         "请核对万年历，您输入的农历日期有误！", true},
        {"solar", nameTest, "李", "明", Sex::Female, CalendarKind::Solar, good, "", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CheckedBirth c = checkPanel({r.surname, r.given, r.sex, r.calendar, r.date}, r.rules);
        EXPECT_EQ(c.message, r.message);
        EXPECT_EQ(c.birth.has_value(), std::string_view(r.message).empty());
        EXPECT_EQ(c.fieldsPassed, r.fieldsPassed);
    }
}

TEST(FieldKinds, ShownTexts)
{
    for (Sex s : {Sex::None, Sex::Male, Sex::Female})
        EXPECT_EQ(sexFromText(sexText(s)), s);
    EXPECT_EQ(sexFromText("男 "), std::nullopt);
    EXPECT_EQ(sexFromText("m"), std::nullopt);
    const std::pair<const char*, std::optional<CalendarKind>> calendars[] = {
        {"", CalendarKind::None},       {"公历", CalendarKind::Solar},
        {"农历", CalendarKind::Lunar},  {"农历(闰月)", CalendarKind::LunarLeap},
        {"农历（闰月）", std::nullopt}, {"solar", std::nullopt},
    };
    for (const auto& [text, kind] : calendars)
        EXPECT_EQ(calendarFromText(text), kind) << text;
}
