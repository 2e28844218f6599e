#include "calendar/lunarcalendar.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace xingming::calendar;
using namespace std::chrono;

struct SolarRow {
    const char* key;      // the solar date, ISO
    const char* dateText; // as handed to SolarToLunar
    const char* lunar;    // mode 1
    const char* month;    // mode 2
};

// Expected values: the worked examples of the lunar table (17 May 1990, the first days
// of 1900, the leap fourth month of 2001, the new year 2023), the named cases of the
// nine mended entries (2025, 1956 and the four other last days before a new year), and
// the conformance sample in shared/conformance/vectors (2033 leap eleventh month; 1920
// where the table, not the astronomical calendar, decides).
const SolarRow kSolarRows[] = {
    {"1990-05-17", "5-17-1990", "庚午(马)年四月廿三", "4"},
    {"1990-05-17 leading zeros", "05-17-1990", "庚午(马)年四月廿三", "4"},
    {"1900-01-01", "1-1-1900", "己亥(猪)年腊月初一", "12"},
    {"1900-01-31", "1-31-1900", "庚子(鼠)年正月初一", "1"},
    {"2001-05-23", "5-23-2001", "辛巳(蛇)年闰四月初一", "4"},
    {"2001-06-21", "6-21-2001", "辛巳(蛇)年五月初一", "5"},
    {"2023-01-21", "1-21-2023", "壬寅(虎)年腊月三十", "12"},
    {"2023-01-22", "1-22-2023", "癸卯(兔)年正月初一", "1"},
    {"1990-01-01", "1-1-1990", "己巳(蛇)年腊月初五", "12"},
    {"2025-04-27", "4-27-2025", "乙巳(蛇)年三月三十", "3"},
    {"2025-04-28", "4-28-2025", "乙巳(蛇)年四月初一", "4"},
    {"1956-02-11", "2-11-1956", "乙未(羊)年腊月三十", "12"},
    {"2034-02-18", "2-18-2034", "癸丑(牛)年腊月三十", "12"},
    {"2066-01-25", "1-25-2066", "乙酉(鸡)年腊月三十", "12"},
    {"2069-01-22", "1-22-2069", "戊子(鼠)年腊月三十", "12"},
    {"2079-02-01", "2-1-2079", "戊戌(狗)年腊月三十", "12"},
    {"2034-01-01", "1-1-2034", "癸丑(牛)年闰冬月十一", "11"},
    {"1955-05-20", "5-20-1955", "乙未(羊)年闰三月廿九", "3"},
    {"1920-12-05", "12-5-1920", "庚申(猴)年十月廿五", "10"},
    {"2100-12-31", "12-31-2100", "庚申(猴)年腊月初一", "12"},
};

TEST(SolarToLunar, KnownDates)
{
    for (const SolarRow& r : kSolarRows) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(SolarToLunar(r.dateText, 1), r.lunar);
        EXPECT_EQ(SolarToLunar(r.dateText, 2), r.month);
    }
}

TEST(SolarToLunar, RefusesWhatIsNoDateOfTheRange)
{
    // Not "M-D-YYYY", no real date, or outside 1900..2100 (the table's entry for 1899
    // serves only the days of 1900 before the new year).
    for (const char* text : {"",           "abc",        "5/17/1990",
                             "1990-5-17",  "5-17-90",    "5-17-19900",
                             " 5-17-1990", "5-17-1990 ", "+5-17-1990",
                             "5--17-1990", "123-1-1990", "5-17-1990x",
                             "13-1-1990",  "0-1-1990",   "1-0-1990",
                             "2-30-1990",  "2-29-1900",  "4-31-2001",
                             "12-31-1899", "1-1-2101",   "5-17-\xff\xfe\xfd\xfc"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(SolarToLunar(text, 1), "");
        EXPECT_EQ(SolarToLunar(text, 2), "");
    }
    EXPECT_EQ(SolarToLunar("2-29-2000", 2), "1");
    for (const int mode : {0, 3, -1, INT_MAX})
        EXPECT_EQ(SolarToLunar("5-17-1990", mode), "") << mode;
}

struct LunarRow {
    const char* key;
    int year, month, day;
    bool leap;
    const char* solar;
};

// Expected values: the worked examples (1990, 2020 and lunar 1899's new year), the
// decisions on leap-month input (a date of a leap month is checked against that
// month's own length), and the conformance sample's rows for the mended entries.
const LunarRow kLunarRows[] = {
    {"1990-04-23", 1990, 4, 23, false, "1990/5/17"},
    {"2020-04-01", 2020, 4, 1, false, "2020/4/23"},
    {"2020-闰04-01", 2020, 4, 1, true, "2020/5/23"},
    {"2020-05-01 leap asked, none", 2020, 5, 1, true, ""},
    {"2021-04-01 leap asked, no leap year", 2021, 4, 1, true, ""},
    {"2020-04-30", 2020, 4, 30, false, "2020/5/22"},
    {"2020-闰04-30, a 29-day leap month", 2020, 4, 30, true, ""},
    {"1955-03-30, a 29-day month", 1955, 3, 30, false, ""},
    {"1955-闰03-30, a 30-day leap month", 1955, 3, 30, true, "1955/5/21"},
    {"1984-闰10-01", 1984, 10, 1, true, "1984/11/23"},
    {"2033-闰11-01", 2033, 11, 1, true, "2033/12/22"},
    {"2025-04-01", 2025, 4, 1, false, "2025/4/28"},
    {"2025-闰06-29", 2025, 6, 29, true, "2025/8/22"},
    {"2025-07-30", 2025, 7, 30, false, "2025/9/21"},
    {"2013-05-30", 2013, 5, 30, false, "2013/7/7"},
    {"2013-11-30", 2013, 11, 30, false, ""},
    {"1989-08-30", 1989, 8, 30, false, "1989/9/29"},
    {"2068-12-30", 2068, 12, 30, false, "2069/1/22"},
    {"1899-01-01", 1899, 1, 1, false, "1899/2/10"},
    {"1990-01-30, a 29-day month", 1990, 1, 30, false, ""},
    {"2100-12-29", 2100, 12, 29, false, "2101/1/28"},
    {"2100-12-30", 2100, 12, 30, false, ""},
    {"1898-01-01", 1898, 1, 1, false, ""},
    {"2101-01-01", 2101, 1, 1, false, ""},
    {"1990-00-01", 1990, 0, 1, false, ""},
    {"1990-13-01", 1990, 13, 1, false, ""},
    {"1990-01-00", 1990, 1, 0, false, ""},
    {"1990-01-31", 1990, 1, 31, false, ""},
    {"INT_MIN", INT_MIN, INT_MIN, INT_MIN, true, ""},
    {"INT_MAX", INT_MAX, INT_MAX, INT_MAX, false, ""},
};

TEST(LunarToSolar, KnownDates)
{
    for (const LunarRow& r : kLunarRows) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(LunarToSolar(r.year, r.month, r.day, r.leap), r.solar);
    }
}

TEST(LunarTable, EntriesAndTheirWorkingForm)
{
    const std::string_view table = LunarTable();
    ASSERT_EQ(table.size(), 1615u);
    // Entry Y starts at 8 * (Y - 1899); the mended entries stand in place of the old ones.
    EXPECT_EQ(table.substr(8 * (2025 - 1899), 7), "A6E0681");
    EXPECT_EQ(table.substr(8 * (1955 - 1899), 7), "457137C");
    EXPECT_EQ(table.substr(8 * (2100 - 1899)), "D5200D1");

    EXPECT_EQ(ExpandLunarEntry("4AF057F"), "010010101111050127");
    EXPECT_EQ(ExpandLunarEntry("4af057f"), "010010101111050127");
    EXPECT_EQ(ExpandLunarEntry("4AF0B83"), "0100101011110B0131"); // leap month after month 11
    EXPECT_EQ(ExpandLunarEntry("B270ACA"), "1011001001110A0202"); // after month 10, new year 2 February
    for (const char* bad : {"", "4AF057", "4AF057FF", "4AG057F", "4AF0 7F", "4AF2057", "4AF0D7F", "4AF0500", "4AF05E6",
                            "4AF05FF", "4AF05-1"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ExpandLunarEntry(bad), "");
    }
}

TEST(LunarTable, MonthsOfEveryYearReachTheNextNewYear)
{
    // A month has 30 days when its day 30 exists; the lengths of all months of lunar
    // year L, leap month included, must add up to the days from its new year to the next.
    for (int year = 1899; year <= 2099; ++year) {
        SCOPED_TRACE(year);
        const auto newYear = lunarToSolarDate(year, 1, 1, false);
        const auto next = lunarToSolarDate(year + 1, 1, 1, false);
        ASSERT_TRUE(newYear && next);
        int days = 0;
        for (int month = 1; month <= 12; ++month) {
            for (const bool leap : {false, true}) {
                if (!lunarToSolarDate(year, month, 1, leap))
                    continue;
                days += lunarToSolarDate(year, month, 30, leap) ? 30 : 29;
            }
        }
        EXPECT_EQ(days, (sys_days{*next} - sys_days{*newYear}).count());
    }
}

std::string iso(year_month_day d)
{
    return std::to_string(int(d.year())) + "-" + std::to_string(unsigned(d.month())) + "-" +
           std::to_string(unsigned(d.day()));
}

// Every solar day 1900..2100 has a lunar date, LunarToSolar gives the day back, and
// the lunar dates follow each other without a gap.
TEST(LunarCalendar, EveryDayOf1900To2100)
{
    const sys_days first{1900y / January / 1}, last{2100y / December / 31};
    std::optional<LunarDate> previous;
    for (sys_days day = first; day <= last; day += days{1}) {
        const year_month_day solar{day};
        const auto lunar = solarToLunarDate(solar);
        ASSERT_TRUE(lunar) << iso(solar);
        ASSERT_EQ(LunarToSolar(lunar->year, lunar->month, lunar->day, lunar->leap),
                  std::to_string(int(solar.year())) + "/" + std::to_string(unsigned(solar.month())) + "/" +
                      std::to_string(unsigned(solar.day())));
        if (previous) {
            const LunarDate& p = *previous;
            const bool sameMonth =
                lunar->year == p.year && lunar->month == p.month && lunar->leap == p.leap && lunar->day == p.day + 1;
            const bool nextMonth = lunar->day == 1 && p.day >= 29 &&
                                   ((lunar->year == p.year && lunar->month == p.month && lunar->leap && !p.leap) ||
                                    (lunar->year == p.year && lunar->month == p.month + 1 && !lunar->leap) ||
                                    (lunar->year == p.year + 1 && lunar->month == 1 && p.month == 12 && !lunar->leap));
            ASSERT_TRUE(sameMonth || nextMonth) << iso(solar);
        }
        previous = lunar;
    }
}

TEST(LunarCalendar, DisplayTextOfOddDates)
{
    EXPECT_EQ(lunarDateText({INT_MIN, 1, 1, false}), "壬子(鼠)年正月初一"); // no overflow in the year label
    EXPECT_EQ(lunarDateText({1990, 13, 1, false}), "");
    EXPECT_EQ(lunarDateText({1990, 1, 31, false}), "");
    EXPECT_EQ(lunarDateText({1990, 0, 0, false}), "");
    EXPECT_FALSE(solarToLunarDate(year_month_day{2001y / February / 29}));
    EXPECT_FALSE(solarToLunarDate(year_month_day{1899y / December / 31}));
}

} // namespace
