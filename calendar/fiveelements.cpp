#include "calendar/fiveelements.h"

#include "calendar/birthinput.h"
#include "calendar/chartcore.h"
#include "calendar/civildate.h"
#include "calendar/lunarcalendar.h"

#include <array>
#include <cmath>
#include <cstdint>
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

// Every five-element sentence, by the mask of the elements present (five bits) and the day
// master's element (0 .. 4, 5 for none), laid out while compiling.
constexpr std::size_t kSentenceCapacity = 112;
constexpr std::size_t kDayMasterSlots = 6;

struct SentenceTable {
    std::array<char, 32 * kDayMasterSlots * kSentenceCapacity> bytes{};
    std::array<std::uint8_t, 32 * kDayMasterSlots> sizes{};
    bool fits = true;
};

consteval SentenceTable buildSentences()
{
    SentenceTable t;
    for (unsigned mask = 0; mask < 32; ++mask) {
        for (std::size_t dayMaster = 0; dayMaster < kDayMasterSlots; ++dayMaster) {
            const std::size_t slot = mask * kDayMasterSlots + dayMaster;
            std::size_t size = 0;
            const auto put = [&](std::string_view piece) {
                for (char c : piece) {
                    if (size == kSentenceCapacity) {
                        t.fits = false;
                        return;
                    }
                    t.bytes[slot * kSentenceCapacity + size++] = c;
                }
            };
            put("此命五行");
            for (std::size_t e = 0; e < kLacks.size(); ++e)
                if (!(mask >> e & 1))
                    put(kLacks[e]);
            if (mask == 0x1F)
                put("比较平衡");
            if (dayMaster < 5)
                put(kDayMasterSentences[dayMaster]);
            t.sizes[slot] = static_cast<std::uint8_t>(size);
        }
    }
    return t;
}

constexpr SentenceTable kSentences = buildSentences();
static_assert(kSentences.fits, "every five-element sentence fits its slot");

// The double-hour name of an hour value, "" outside [0, 24).
std::string_view doubleHourView(double hourValue)
{
    if (!(hourValue >= 0 && hourValue < 24))
        return {};
    // [23, 24) and [0, 1) are 子; then two hours a name from 1 o'clock on.
    const int index = hourValue >= 23 ? 0 : static_cast<int>((hourValue + 1) / 2); // [0, 11]
    return kDoubleHours[static_cast<size_t>(index)];
}

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

std::string_view elementSentenceView(unsigned presentMask, int dayMaster)
{
    const std::size_t slot = (presentMask & 0x1F) * kDayMasterSlots +
                             (dayMaster >= 0 && dayMaster < 5 ? static_cast<std::size_t>(dayMaster) : 5);
    return {kSentences.bytes.data() + slot * kSentenceCapacity, kSentences.sizes[slot]};
}

std::string elementSentence(unsigned presentMask, int dayMaster)
{
    return std::string(elementSentenceView(presentMask, dayMaster));
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

void birthChartValues(const BirthDate& birth, BirthChartValues& values)
{
    values.nongli.clear();
    values.bazhi.clear();
    values.wuhang.clear();
    values.whstr.clear();
    const auto date = birthDay(birth);
    const auto lunar = date ? solarToLunarDate(*date) : std::nullopt;
    if (!lunar)
        return;
    const double hourValue = fieldValue(birth.hour);
    const int hour = hourValue >= 0 && hourValue <= 23 ? static_cast<int>(std::nearbyint(hourValue)) : kNoValue;
    const Chart chart = chartOf(*date, lunar->month, hour);
    appendLunarDateText(values.nongli, *lunar);
    appendChartText(values.bazhi, chart);
    appendChartElementsText(values.wuhang, chart);
    if (hour != kNoValue) {
        values.nongli += doubleHourView(hourValue);
        values.whstr = elementSentenceView(chartElementMask(chart), dayMasterElement(chart));
    }
}

BirthChartValues birthChartValues(const BirthDate& birth)
{
    BirthChartValues values;
    birthChartValues(birth, values);
    return values;
}

std::string doubleHourName(double hourValue)
{
    return std::string(doubleHourView(hourValue));
}

} // namespace xingming::calendar
