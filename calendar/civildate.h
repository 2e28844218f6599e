// Solar (Gregorian) dates inside the calendar module: forming a date safely from plain
// numbers, and the two date texts that the module exchanges with its callers.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace xingming::calendar {

// The date y-m-d, or nullopt when the three numbers do not form a real date. Any
// integers are safe: they are range-checked before they reach std::chrono.
std::optional<std::chrono::year_month_day> civilDate(long long y, long long m, long long d);

// Reads a date text "M-D-YYYY": month and day of one or two digits (a leading zero is
// allowed, "05-07-1990"), a year of exactly four digits, nothing else (no blanks, no
// signs). nullopt for any other text and for a date that does not exist ("2-30-1990").
std::optional<std::chrono::year_month_day> parseSolarDateText(std::string_view text);

// "Y/M/D" in decimal without leading zeros ("1990/5/17").
std::string formatSolarDate(std::chrono::year_month_day date);

// "M-D-YYYY" ("5-17-1990"), the form parseSolarDateText reads; "" for a year that has
// no four-digit form.
std::string solarDateText(std::chrono::year_month_day date);

// Appends value in decimal, without leading zeros.
void appendDecimal(std::string& out, unsigned value);

// Days since 1970-01-01 (negative before it).
constexpr int serialDay(std::chrono::year_month_day date)
{
    return std::chrono::sys_days{date}.time_since_epoch().count();
}

} // namespace xingming::calendar
