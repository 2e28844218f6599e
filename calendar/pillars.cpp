#include "calendar/pillars.h"

#include "calendar/chartcore.h"
#include "calendar/civildate.h"
#include "calendar/lunarcalendar.h"

namespace xingming::calendar {

namespace detail {
namespace {

constexpr int floorMod(long long a, int n)
{
    const long long r = a % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

// The sixty pairs as one block of UTF-8 bytes (every stem and branch is three bytes),
// and the views into it.
constexpr size_t kPairBytes = 6;
constexpr std::array<char, 60 * kPairBytes> buildCycleBytes()
{
    std::array<char, 60 * kPairBytes> bytes{};
    for (size_t k = 0; k < 60; ++k) {
        const std::string_view stem = kStems[k % 10], branch = kBranches[k % 12];
        for (size_t i = 0; i < 3; ++i) {
            bytes[k * kPairBytes + i] = stem[i];
            bytes[k * kPairBytes + 3 + i] = branch[i];
        }
    }
    return bytes;
}
constexpr std::array<char, 60 * kPairBytes> kCycleBytes = buildCycleBytes();

constexpr std::array<std::string_view, 60> buildCycle()
{
    std::array<std::string_view, 60> pairs{};
    for (size_t k = 0; k < 60; ++k)
        pairs[k] = std::string_view(kCycleBytes.data() + k * kPairBytes, kPairBytes);
    return pairs;
}
constexpr std::array<std::string_view, 60> kCycle = buildCycle();
static_assert(kCycle[0] == "甲子" && kCycle[1] == "乙丑" && kCycle[59] == "癸亥");

// 15 February 1901, a 甲子 day.
constexpr int kDayPillarReference = serialDay(std::chrono::year{1901} / 2 / 15);

int stemIndex(std::string_view oneChar)
{
    for (size_t i = 0; i < kStems.size(); ++i)
        if (kStems[i] == oneChar)
            return static_cast<int>(i);
    return kNoValue;
}

int branchIndex(std::string_view oneChar)
{
    for (size_t i = 0; i < kBranches.size(); ++i)
        if (kBranches[i] == oneChar)
            return static_cast<int>(i);
    return kNoValue;
}

// Element of one stem or branch character, or kNoValue.
int elementOfCharacter(std::string_view oneChar)
{
    if (const int s = stemIndex(oneChar); s != kNoValue)
        return stemElement(s);
    if (const int b = branchIndex(oneChar); b != kNoValue)
        return branchElement(b);
    return kNoValue;
}

} // namespace

int yearPillarNumber(long long solarYear)
{
    return floorMod(solarYear - 4, 60);
}

int monthPillarNumber(long long solarYear, int lunarMonth)
{
    if (lunarMonth < 1 || lunarMonth > 12)
        return kNoValue;
    // The first month of a year with stem s (甲 = 0) is 丙寅 (2) for 甲 and 己, 戊寅 (14)
    // for 乙 and 庚, and so on twelve pairs on; later months follow in the cycle.
    const int stem = floorMod(solarYear - 4, 10);
    return (2 + 12 * (stem % 5) + lunarMonth - 1) % 60;
}

int dayPillarNumber(std::chrono::year_month_day solar)
{
    return floorMod(static_cast<long long>(serialDay(solar)) - kDayPillarReference, 60);
}

int hourPillarNumber(int dayStem, int hour)
{
    if (dayStem < 0 || dayStem > 9 || hour < 0 || hour > 23)
        return kNoValue;
    const int branch = (hour + 1) / 2 % 12; // 23 and 0 -> 子 (0), 1 and 2 -> 丑 (1), ...
    // The 子 hour of a 甲 or 己 day is 甲子 (0), of an 乙 or 庚 day 丙子 (12), and so on.
    return 12 * (dayStem % 5) + branch;
}

Chart chartOf(std::chrono::year_month_day solar, int lunarMonth, int hour)
{
    const long long y = static_cast<int>(solar.year());
    Chart chart;
    chart.pillars[0] = yearPillarNumber(y);
    chart.pillars[1] = monthPillarNumber(y, lunarMonth);
    chart.pillars[2] = dayPillarNumber(solar);
    chart.pillars[3] = hourPillarNumber(chart.pillars[2] % 10, hour);
    return chart;
}

void appendChartText(std::string& out, const Chart& chart)
{
    for (size_t i = 0; i < 4; ++i) {
        if (i > 0)
            out.push_back(' ');
        if (chart.pillars[i] != kNoValue)
            out += kCycle[static_cast<size_t>(chart.pillars[i])];
    }
}

std::string chartText(const Chart& chart)
{
    std::string out;
    out.reserve(4 * kPairBytes + 3);
    appendChartText(out, chart);
    return out;
}

void appendChartElementsText(std::string& out, const Chart& chart)
{
    for (size_t i = 0; i < 4; ++i) {
        if (i > 0)
            out.push_back(' ');
        if (const int p = chart.pillars[i]; p != kNoValue) {
            out += kElementNames[static_cast<size_t>(stemElement(p % 10))];
            out += kElementNames[static_cast<size_t>(branchElement(p % 12))];
        }
    }
}

std::string chartElementsText(const Chart& chart)
{
    std::string out;
    out.reserve(4 * kPairBytes + 3);
    appendChartElementsText(out, chart);
    return out;
}

unsigned chartElementMask(const Chart& chart)
{
    unsigned mask = 0;
    for (const int p : chart.pillars)
        if (p != kNoValue)
            mask |= 1u << stemElement(p % 10) | 1u << branchElement(p % 12);
    return mask;
}

int dayMasterElement(const Chart& chart)
{
    return chart.pillars[2] == kNoValue ? kNoValue : stemElement(chart.pillars[2] % 10);
}

std::string_view nextCharacter(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (pos + length > text.size())
        length = 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            length = 1;
    const std::string_view character = text.substr(pos, length);
    pos += length;
    return character;
}

} // namespace detail

using namespace detail;

std::string StemName(int n)
{
    if (n < 0 || n > 10)
        return {};
    return std::string(kStems[static_cast<size_t>((n + 9) % 10)]);
}

std::string BranchName(int n)
{
    if (n < 0 || n > 12)
        return {};
    return std::string(kBranches[static_cast<size_t>((n + 11) % 12)]);
}

const std::array<std::string_view, 60>& SexagenaryCycle()
{
    return kCycle;
}

std::string ElementOf(std::string_view oneChar)
{
    const int e = elementOfCharacter(oneChar);
    return e == kNoValue ? std::string{} : std::string(kElementNames[static_cast<size_t>(e)]);
}

std::string YearPillar(int y)
{
    return std::string(kCycle[static_cast<size_t>(yearPillarNumber(y))]);
}

std::string MonthPillar(int y, int lunarMonth)
{
    const int p = monthPillarNumber(y, lunarMonth);
    return p == kNoValue ? std::string{} : std::string(kCycle[static_cast<size_t>(p)]);
}

std::string DayPillar(int y, int m, int d)
{
    const auto date = civilDate(y, m, d);
    return date ? std::string(kCycle[static_cast<size_t>(dayPillarNumber(*date))]) : std::string{};
}

std::string HourPillar(std::string_view dayPillar, int hour)
{
    size_t pos = 0;
    const int stem = dayPillar.empty() ? kNoValue : stemIndex(nextCharacter(dayPillar, pos));
    const int p = hourPillarNumber(stem, hour);
    return p == kNoValue ? std::string{} : std::string(kCycle[static_cast<size_t>(p)]);
}

std::string BirthChart(int y, int m, int d, int h)
{
    const auto date = civilDate(y, m, d);
    if (!date)
        return {};
    const auto lunar = solarToLunarDate(*date);
    if (!lunar)
        return {};
    return chartText(chartOf(*date, lunar->month, h));
}

std::string ChartElements(std::string_view chart)
{
    if (chart.empty())
        return {};
    // Characters 1, 2 / 4, 5 / 7, 8 / 10, 11 are the stem and branch of each pillar.
    std::string out;
    out.reserve(4 * kPairBytes + 3);
    size_t pos = 0;
    for (int index = 0; index < 11 && pos < chart.size(); ++index) {
        const std::string_view c = nextCharacter(chart, pos);
        if (index % 3 == 2)
            continue;
        if (const int e = elementOfCharacter(c); e != kNoValue)
            out += kElementNames[static_cast<size_t>(e)];
        if (index % 3 == 1 && index < 10)
            out.push_back(' ');
    }
    return out;
}

} // namespace xingming::calendar
