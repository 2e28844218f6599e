// The ten stems, the twelve branches, the sexagenary cycle and the four pillars
// (year, month, day, hour) of a birth. Every function returns "" where there is no value.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace xingming::calendar {

// 1..9 give 甲..壬, 0 and 10 give 癸.
std::string StemName(int n);
// 1..11 give 子..戌, 0 and 12 give 亥.
std::string BranchName(int n);

// The sixty pairs 甲子, 乙丑, ... 癸亥: pair k is stem k mod 10 and branch k mod 12.
const std::array<std::string_view, 60>& SexagenaryCycle();

// The element (木 火 土 金 水) of one stem or branch character.
std::string ElementOf(std::string_view oneChar);

// Year pillar of solar year y (it changes on 1 January): 1984 gives 甲子.
std::string YearPillar(int y);
// Month pillar of lunar month 1..12 (a leap month takes its ordinary month's number),
// its stem group from the solar year y.
std::string MonthPillar(int y, int lunarMonth);
// Day pillar of the solar date y-m-d; 15 February 1901 is a 甲子 day.
std::string DayPillar(int y, int m, int d);
// Hour pillar of hour 0..23 for the day whose pillar starts with the day stem; hour 23
// belongs to the same day's 子 hour.
std::string HourPillar(std::string_view dayPillar, int hour);

// The four pillars of a solar date (1900..2100) and hour, blank-separated:
// "庚午 辛巳 壬午 己酉". "" when the date does not exist or lies outside 1900..2100; an
// hour outside 0..23 leaves the hour pillar empty ("庚午 辛巳 壬午 ").
std::string BirthChart(int y, int m, int d, int h);

// The elements of the chart's stems and branches, grouped like the chart:
// "金火 金火 水火 土金". A character that is no stem or branch adds nothing; "" for "".
std::string ChartElements(std::string_view chart);

} // namespace xingming::calendar
