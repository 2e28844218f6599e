// The four pillars as numbers of the sexagenary cycle, and the elements they carry:
// the structured path behind the text functions of the pillars and the five-element
// report, used where a birth chart is worked out for every name test.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace xingming::calendar::detail {

inline constexpr int kNoValue = -1;

// Elements in their fixed order 木 火 土 金 水, numbered 0..4.
inline constexpr std::array<std::string_view, 5> kElementNames = {"木", "火", "土", "金", "水"};
inline constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                               "午", "未", "申", "酉", "戌", "亥"};

constexpr int stemElement(int stem)
{
    return stem / 2;
} // stem [0, 9] -> [0, 4]
constexpr int branchElement(int branch) // branch [0, 11] -> [0, 4]
{
    constexpr std::array<int, 12> elements = {4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4};
    return elements[static_cast<size_t>(branch)];
}

// Cycle numbers [0, 59] of the pillars; kNoValue where the input has no pillar.
int yearPillarNumber(long long solarYear);
int monthPillarNumber(long long solarYear, int lunarMonth);
int dayPillarNumber(std::chrono::year_month_day solar);
int hourPillarNumber(int dayStem, int hour);

// The pillars year, month, day, hour as cycle numbers; the hour may be kNoValue.
struct Chart {
    std::array<int, 4> pillars{kNoValue, kNoValue, kNoValue, kNoValue};
};

// The chart of a solar date (1900..2100) whose lunar month is lunarMonth.
Chart chartOf(std::chrono::year_month_day solar, int lunarMonth, int hour);

std::string chartText(const Chart& chart);         // "庚午 辛巳 壬午 己酉"
std::string chartElementsText(const Chart& chart); // "金火 金火 水火 土金"
void appendChartText(std::string& out, const Chart& chart);
void appendChartElementsText(std::string& out, const Chart& chart);
unsigned chartElementMask(const Chart& chart); // bit e set when element e occurs
int dayMasterElement(const Chart& chart);      // element of the day stem, or kNoValue

// The five-element sentence from the elements present and the day master's element; the
// view is of a table of every sentence, compiled in.
std::string elementSentence(unsigned presentMask, int dayMaster);
std::string_view elementSentenceView(unsigned presentMask, int dayMaster);

// Splits off the next character (one UTF-8 sequence, or one stray byte) at pos.
std::string_view nextCharacter(std::string_view text, size_t& pos);

} // namespace xingming::calendar::detail
