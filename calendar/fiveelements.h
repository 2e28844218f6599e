// The five-element report of a birth and the birth-chart values of the name test.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xingming::calendar {

// The five-element sentence of a chart's elements text (ChartElements): "此命五行", then
// "缺X" for every element of 木 火 土 金 水 that does not occur (in that order) or
// "比较平衡" when none is missing, then the sentence of the day master, the element at
// character 7: "此命五行缺木；日主天干为水；必须有木助，但忌火太多。"
std::string FiveElementSentence(std::string_view chartElements);

// The current birth date: solar year, month, day and hour (0..23) as the decimal texts
// stored for it.
struct BirthDate {
    std::string year, month, day, hour;
    friend bool operator==(const BirthDate&, const BirthDate&) = default;
};

// The birth date as the date text "M-D-YYYY" ("5-17-1990"), from the numeric values of
// its fields; "" when they do not form a real date of a four-digit year.
std::string birthDateText(const BirthDate& birth);

// The five-element report of the birth (duoshao); riqi is the birth date as "M-D-YYYY"
// and gives the lunar month. nullopt when riqi has no lunar month, the fields are no
// real date or the hour lies outside 0..23.
[[nodiscard]] std::optional<std::string> whduoshao(const BirthDate& birth, std::string_view riqi);

// The four birth-chart values of the name-test report.
struct BirthChartValues {
    std::string nongli; // lunar date with the double-hour name: "庚午(马)年四月廿三酉时"
    std::string bazhi;  // the chart: "庚午 辛巳 壬午 己酉"
    std::string wuhang; // its elements: "金火 金火 水火 土金"
    std::string whstr;  // the five-element sentence
};

// The values for a birth date; all "" when the fields are no real date in 1900..2100.
// An hour outside 0..23 leaves the double-hour name, the hour pillar and the sentence
// empty.
BirthChartValues birthChartValues(const BirthDate& birth);
// The same values written into values, whose texts keep their storage: for loops over
// many births.
void birthChartValues(const BirthDate& birth, BirthChartValues& values);

// The double-hour name (时辰) of an hour value: "子时" for h < 1 or h >= 23, "丑时" for
// 1 <= h < 3, ... "亥时" for 21 <= h < 23; "" for values outside [0, 24).
std::string doubleHourName(double hourValue);

} // namespace xingming::calendar
