// The lunar calendar: the lunar table of the years 1899 to 2100 and the conversions
// between solar and lunar dates.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace xingming::calendar {

// The lunar table: 202 entries of seven upper-case hexadecimal digits for the lunar
// years 1899 to 2100, separated by single commas (1615 characters). Lunar year Y is
// the one whose new year falls in solar year Y; its entry starts at offset 8 * (Y - 1899).
// Digits 1-3: one bit per ordinary month 1..12 (1 = 30 days, 0 = 29 days), month 1 in
// the most significant bit; digit 4: leap-month length (1 = 30 days); digit 5: number
// of the ordinary month the leap month follows (0 = none); digits 6-7: the solar date
// of the new year, the hexadecimal number read in decimal as month * 100 + day.
std::string_view LunarTable();

// The 18-character working form of one entry: the twelve month bits as "0"/"1", digit 4,
// digit 5, "0", then the new-year date as three decimal digits ("4AF057F" gives
// "010010101111050127"). "" when the entry is not seven such digits.
std::string ExpandLunarEntry(std::string_view entry);

// A solar date text "M-D-YYYY" (1900..2100) to its lunar date: mode 1 gives the display
// text ("5-17-1990" gives "庚午(马)年四月廿三"), mode 2 the lunar month number without
// leap mark ("4"). "" for any other mode, an invalid text or a year outside 1900..2100.
std::string SolarToLunar(std::string_view dateText, int mode);

// A lunar date (year 1899..2100, month 1..12, day 1..30) to its solar date "Y/M/D"
// ("1990/5/17"). With leap set the date lies in the leap month that follows ordinary
// month `month`; "" when that year has no such leap month, and "" for any date that
// does not exist (day 30 of a 29-day month).
std::string LunarToSolar(int year, int month, int day, bool leap);

// A lunar date: lunar year, month 1..12, day 1..30, and whether the month is the leap
// month that follows ordinary month `month`.
struct LunarDate {
    int year;
    int month;
    int day;
    bool leap;
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Structured forms of the two conversions, without any text on the way.
std::optional<LunarDate> solarToLunarDate(std::chrono::year_month_day solar); // 1900..2100
std::optional<std::chrono::year_month_day> lunarToSolarDate(int year, int month, int day, bool leap);

// The display text of a lunar date ("庚午(马)年闰四月初一"); "" for a month outside 1..12
// or a day outside 1..30.
std::string lunarDateText(const LunarDate& date);
// The same text appended to out (nothing for such a month or day).
void appendLunarDateText(std::string& out, const LunarDate& date);

} // namespace xingming::calendar
