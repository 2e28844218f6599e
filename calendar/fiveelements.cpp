#include "calendar/fiveelements.h"

#include "calendar/birthinput.h"
#include "calendar/chartcore.h"
#include "calendar/civildate.h"
#include "calendar/lunarcalendar.h"

#include <array>
#include <cmath>
#include <optional>

namespace xingming::calendar {

using namespace detail;

namespace {

// Day-master sentences by the element of the day stem, in the order 木 火 土 金 水.
constexpr std::array<std::string_view, 5> kDayMasterSentences = {
    "；日主天干为木；必须有火助，但忌土太多。", "；日主天干为火；必须有土助，但忌金太多。",
    "；日主天干为土；必须有金助，但忌水太多。", "；日主天干为金；必须有水助，但忌木太多。",
    "；日主天干为水；必须有木助，但忌火太多。",
};
constexpr std::array<std::string_view, 5> kLacks = {"缺木", "缺火", "缺土", "缺金", "缺水"};

// 12 double hours, the 子 hour first.
constexpr std::array<std::string_view, 12> kDoubleHours = {"子时", "丑时", "寅时", "卯时", "辰时", "巳时",
                                                           "午时", "未时", "申时", "酉时", "戌时", "亥时"};

int elementIndex(std::string_view oneChar)
{
    for (size_t i = 0; i < kElementNames.size(); ++i)
        if (kElementNames[i] == oneChar)
            return static_cast<int>(i);
    return kNoValue;
}

// The integer of a stored field: its numeric value rounded half to even, when that
// value lies within [lo, hi].
std::optional<int> fieldNumber(std::string_view text, double lo, double hi)
{
    const double v = fieldValue(text);
    if (!(v >= lo && v <= hi))
        return std::nullopt;
    return static_cast<int>(std::nearbyint(v));
}

std::optional<std::chrono::year_month_day> birthDay(const BirthDate& birth)
{
    const auto y = fieldNumber(birth.year, -1e6, 1e6);
    const auto m = fieldNumber(birth.month, -1e6, 1e6);
    const auto d = fieldNumber(birth.day, -1e6, 1e6);
    if (!y || !m || !d)
        return std::nullopt;
    return civilDate(*y, *m, *d);
}

// The hour 0..23 of a stored hour field, or kNoValue.
int birthHour(std::string_view hourText)
{
    return fieldNumber(hourText, 0, 23).value_or(kNoValue);
}

} // namespace

namespace detail {

std::string elementSentence(unsigned presentMask, int dayMaster)
{
    std::string out = "此命五行";
    out.reserve(96);
    for (size_t e = 0; e < kLacks.size(); ++e)
        if (!(presentMask >> e & 1))
            out += kLacks[e];
    if ((presentMask & 0x1F) == 0x1F)
        out += "比较平衡";
    if (dayMaster >= 0 && dayMaster < 5)
        out += kDayMasterSentences[static_cast<size_t>(dayMaster)];
    return out;
}

} // namespace detail

std::string FiveElementSentence(std::string_view chartElements)
{
    unsigned mask = 0;
    int dayMaster = kNoValue;
    size_t pos = 0;
    for (int index = 0; pos < chartElements.size(); ++index) {
        const int e = elementIndex(nextCharacter(chartElements, pos));
        if (e != kNoValue)
            mask |= 1u << e;
        if (index == 6)
            dayMaster = e;
    }
    return elementSentence(mask, dayMaster);
}

std::string birthDateText(const BirthDate& birth)
{
    const auto date = birthDay(birth);
    return date ? solarDateText(*date) : std::string{};
}

std::optional<std::string> whduoshao(const BirthDate& birth, std::string_view riqi)
{
    const auto riqiDate = parseSolarDateText(riqi);
    const auto lunar = riqiDate ? solarToLunarDate(*riqiDate) : std::nullopt;
    if (!lunar)
        return std::nullopt;
    const auto date = birthDay(birth);
    if (!date)
        return std::nullopt;
    const int hour = birthHour(birth.hour);
    if (hour == kNoValue)
        return std::nullopt;
    const Chart chart = chartOf(*date, lunar->month, hour);
    return elementSentence(chartElementMask(chart), dayMasterElement(chart));
}

BirthChartValues birthChartValues(const BirthDate& birth)
{
    BirthChartValues values;
    const auto date = birthDay(birth);
    const auto lunar = date ? solarToLunarDate(*date) : std::nullopt;
    if (!lunar)
        return values;
    const double hourValue = fieldValue(birth.hour);
    const int hour = hourValue >= 0 && hourValue <= 23 ? static_cast<int>(std::nearbyint(hourValue)) : kNoValue;
    const Chart chart = chartOf(*date, lunar->month, hour);
    values.nongli = lunarDateText(*lunar);
    values.bazhi = chartText(chart);
    values.wuhang = chartElementsText(chart);
    if (hour != kNoValue) {
        values.nongli += doubleHourName(hourValue);
        values.whstr = elementSentence(chartElementMask(chart), dayMasterElement(chart));
    }
    return values;
}

std::string doubleHourName(double hourValue)
{
    if (!(hourValue >= 0 && hourValue < 24))
        return {};
    // [23, 24) and [0, 1) are 子; then two hours a name from 1 o'clock on.
    const int index = hourValue >= 23 ? 0 : static_cast<int>((hourValue + 1) / 2); // [0, 11]
    return std::string(kDoubleHours[static_cast<size_t>(index)]);
}

} // namespace xingming::calendar
