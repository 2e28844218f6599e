#include "calendar/lunarcalendar.h"

#include "calendar/civildate.h"
#include "calendar/pillars.h"

#include <array>
#include <cstdint>

namespace xingming::calendar {

namespace {

using std::chrono::year_month_day;

// The lunar table, ten lunar years a row. Source: the program's lunar table of 1899-2100
// in its published seven-digit form (month bits, leap month, new-year date). Nine entries are mended against the
// astronomical calendar, where the entry as first published gave wrong month lengths
// (and for 1955, 2033, 2065, 2068 and 2078 left the last day before the next new year
// outside every month): 1955 457137C (was 457037C), 1989 95700CE (93700CE),
// 2013 AD500D2 (B5500D2), 2025 A6E0681 (96E0681), 2033 4AF0B83 (4AB0B83),
// 2057 6B200CC (6AA00CC), 2065 DA500CD (DA400CD), 2068 A6D00CB (A6C00CB),
// 2078 A5B00D4 (A5A00D4).
// clang-format off
constexpr std::string_view kLunarTable =
    "AB500D2,4BD0883,4AE00DB,A5700D0,54D0581,D2600D8,D9500CC,655147D,56A00D5,9AD00CA,"  // 1899-1908
    "55D027A,4AE00D2,A5B0682,A4D00DA,D2500CE,D25157E,B5500D6,56A00CC,ADA027B,95B00D3,"  // 1909-1918
    "49717C9,49B00DC,A4B00D0,B4B0580,6A500D8,6D400CD,AB5147C,2B600D5,95700CA,52F027B,"  // 1919-1928
    "49700D2,6560682,D4A00D9,EA500CE,6A9157E,5AD00D6,2B600CC,86E137C,92E00D3,C8D1783,"  // 1929-1938
    "C9500DB,D4A00D0,D8A167F,B5500D7,56A00CD,A5B147D,25D00D5,92D00CA,D2B027A,A9500D2,"  // 1939-1948
    "B550781,6CA00D9,B5500CE,535157F,4DA00D6,A5B00CB,457137C,52B00D4,A9A0883,E9500DA,"  // 1949-1958
    "6AA00D0,AEA0680,AB500D7,4B600CD,AAE047D,A5700D5,52600CA,F260379,D9500D1,5B50782,"  // 1959-1968
    "56A00D9,96D00CE,4DD057F,4AD00D7,A4D00CB,D4D047B,D2500D3,D550883,B5400DA,B6A00CF,"  // 1969-1978
    "95A1680,95B00D8,49B00CD,A97047D,A4B00D5,B270ACA,6A500DC,6D400D1,AF40681,AB600D9,"  // 1979-1988
    "95700CE,4AF057F,49700D7,64B00CC,74A037B,EA500D2,6B50883,5AC00DB,AB600CF,96D0580,"  // 1989-1998
    "92E00D8,C9600CD,D95047C,D4A00D4,DA500C9,755027A,56A00D1,ABB0781,25D00DA,92D00CF,"  // 1999-2008
    "CAB057E,A9500D6,B4A00CB,BAA047B,AD500D2,55D0983,4BA00DB,A5B00D0,5171680,52B00D8,"  // 2009-2018
    "A9300CD,795047D,6AA00D4,AD500C9,5B5027A,4B600D2,A6E0681,A4E00D9,D2600CE,EA6057E,"  // 2019-2028
    "D5300D5,5AA00CB,76A037B,96D00D3,4AF0B83,4AD00DB,A4D00D0,D0B1680,D2500D7,D5200CC,"  // 2029-2038
    "DD4057C,B5A00D4,56D00C9,55B027A,49B00D2,A570782,A4B00D9,AA500CE,B25157E,6D200D6,"  // 2039-2048
    "ADA00CA,4B6137B,93700D3,49F08C9,49700DB,64B00D0,68A1680,EA500D7,6B200CC,A6C147C,"  // 2049-2058
    "AAE00D4,92E00CA,D2E0379,C9600D1,D550781,D4A00D9,DA500CD,5D5057E,56A00D6,A6D00CB,"  // 2059-2068
    "55D047B,52D00D3,A9B0883,A9500DB,B4A00CF,B6A067F,AD500D7,55A00CD,ABA047C,A5B00D4,"  // 2069-2078
    "52B00CA,B27037A,69300D1,7330781,6AA00D9,AD500CE,4B5157E,4B600D6,A5700CB,54E047C,"  // 2079-2088
    "D1600D2,E960882,D5200DA,DAA00CF,6AA167F,56D00D7,4AE00CD,A9D047D,A2D00D4,D1500C9,"  // 2089-2098
    "F250279,D5200D1";
// clang-format on                                                                  // 2099-2100

constexpr int kFirstYear = 1899;
constexpr int kLastYear = 2100;
constexpr int kYearCount = kLastYear - kFirstYear + 1;  // 202
static_assert(kLunarTable.size() == 8 * kYearCount - 1);

constexpr int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One entry's fields, checked: the month bits, the leap month and the new-year date.
struct EntryFields {
    int monthBits = 0;      // [0, 0xFFF], month 1 in bit 11
    int leapLength = 0;     // 29 or 30
    int leapMonth = 0;      // [0, 12], 0 = no leap month
    int newYearCode = 0;    // month * 100 + day, [101, 229]
};

constexpr std::optional<EntryFields> readEntry(std::string_view entry)
{
    if (entry.size() != 7) return std::nullopt;
    int digits[7] = {};
    for (int i = 0; i < 7; ++i) {
        digits[i] = hexValue(entry[static_cast<size_t>(i)]);
        if (digits[i] < 0) return std::nullopt;
    }
    EntryFields f;
    f.monthBits = digits[0] << 8 | digits[1] << 4 | digits[2];
    if (digits[3] > 1 || digits[4] > 12) return std::nullopt;
    f.leapLength = 29 + digits[3];
    f.leapMonth = digits[4];
    f.newYearCode = digits[5] << 4 | digits[6];
    const int month = f.newYearCode / 100, day = f.newYearCode % 100;
    if (month < 1 || month > 2 || day < 1 || day > (month == 1 ? 31 : 29)) return std::nullopt;
    return f;
}

// One lunar year, decoded from its entry.
struct LunarYear {
    int newYear = 0;                          // serial day of 正月初一
    std::array<std::uint8_t, 13> lengths{};   // month lengths in calendar order, leap month in place
    int monthCount = 12;                      // 13 with a leap month
    int leapMonth = 0;                        // [0, 12]; the leap month stands at index leapMonth
};

constexpr std::string_view entryOf(int year)
{
    return kLunarTable.substr(static_cast<size_t>(8 * (year - kFirstYear)), 7);
}

constexpr bool entriesWellFormed()
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const size_t end = static_cast<size_t>(8 * (year - kFirstYear) + 7);
        if (!readEntry(entryOf(year)) || (end < kLunarTable.size() && kLunarTable[end] != ','))
            return false;
    }
    return true;
}
static_assert(entriesWellFormed());

constexpr LunarYear decodeYear(int year)
{
    const auto f = readEntry(entryOf(year));  // well-formed, checked above
    LunarYear y;
    y.newYear = serialDay(std::chrono::year{year} / (f->newYearCode / 100) / (f->newYearCode % 100));
    y.leapMonth = f->leapMonth;
    y.monthCount = f->leapMonth > 0 ? 13 : 12;
    int index = 0;
    for (int m = 1; m <= 12; ++m) {
        y.lengths[static_cast<size_t>(index++)] = static_cast<std::uint8_t>(29 + (f->monthBits >> (12 - m) & 1));
        if (m == f->leapMonth) y.lengths[static_cast<size_t>(index++)] = static_cast<std::uint8_t>(f->leapLength);
    }
    return y;
}

constexpr int yearLength(const LunarYear& y)
{
    int sum = 0;
    for (int i = 0; i < y.monthCount; ++i) sum += y.lengths[static_cast<size_t>(i)];
    return sum;
}

constexpr std::array<LunarYear, kYearCount> decodeTable()
{
    std::array<LunarYear, kYearCount> years{};
    for (int i = 0; i < kYearCount; ++i) years[static_cast<size_t>(i)] = decodeYear(kFirstYear + i);
    return years;
}

constexpr std::array<LunarYear, kYearCount> kYears = decodeTable();

constexpr const LunarYear& lunarYear(int year) { return kYears[static_cast<size_t>(year - kFirstYear)]; }

// Facts of the table, checked while compiling.
constexpr bool monthsFillEveryYear()
{
    for (int i = 0; i + 1 < kYearCount; ++i)
        if (kYears[static_cast<size_t>(i)].newYear + yearLength(kYears[static_cast<size_t>(i)])
            != kYears[static_cast<size_t>(i) + 1].newYear)
            return false;
    return true;
}
static_assert(monthsFillEveryYear(), "the months of a lunar year must reach the next new year");
static_assert(lunarYear(1990).newYear == serialDay(std::chrono::year{1990} / 1 / 27));
static_assert(lunarYear(1899).newYear == serialDay(std::chrono::year{1899} / 2 / 10));
static_assert(lunarYear(2033).leapMonth == 11 && lunarYear(1984).leapMonth == 10);
// Lunar 2100 covers the rest of solar 2100.
static_assert(lunarYear(2100).newYear + yearLength(lunarYear(2100))
              > serialDay(std::chrono::year{2100} / 12 / 31));

constexpr std::array<std::string_view, 12> kMonthNames = {
    "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<std::string_view, 30> kDayNames = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr std::array<std::string_view, 12> kAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

constexpr int floorMod(long long a, int n)
{
    const long long r = a % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

} // namespace

// ---- the lunar table ----

std::string_view LunarTable() { return kLunarTable; }

std::string ExpandLunarEntry(std::string_view entry)
{
    const auto f = readEntry(entry);
    if (!f) return {};
    std::string out;
    out.reserve(18);
    for (int bit = 11; bit >= 0; --bit) out.push_back((f->monthBits >> bit & 1) ? '1' : '0');
    out.push_back(entry[3]);
    out.push_back("0123456789ABC"[f->leapMonth]);
    out.push_back('0');
    appendDecimal(out, static_cast<unsigned>(f->newYearCode)); // always three digits
    return out;
}

// ---- conversions ----

std::optional<LunarDate> solarToLunarDate(year_month_day solar)
{
    if (!solar.ok()) return std::nullopt;
    const int y = static_cast<int>(solar.year());
    if (y < 1900 || y > kLastYear) return std::nullopt;
    const int serial = serialDay(solar);
    // Every new year lies between 21 January and 20 February: a date before the new
    // year of its solar year belongs to the lunar year before.
    int lunar = y;
    if (serial < lunarYear(lunar).newYear) --lunar;
    const LunarYear& ly = lunarYear(lunar);
    int n = serial - ly.newYear;  // [0, 384]
    for (int i = 0; i < ly.monthCount; ++i) {
        const int length = ly.lengths[static_cast<size_t>(i)];
        if (n < length) {
            LunarDate date{lunar, i + 1, n + 1, false};
            if (ly.leapMonth > 0 && i >= ly.leapMonth) {
                date.month = i;
                date.leap = i == ly.leapMonth;
            }
            return date;
        }
        n -= length;
    }
    return std::nullopt;  // beyond the last month; the table's static checks rule this out
}

std::optional<year_month_day> lunarToSolarDate(int year, int month, int day, bool leap)
{
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 30)
        return std::nullopt;
    const LunarYear& ly = lunarYear(year);
    if (leap && ly.leapMonth != month) return std::nullopt;
    // Index of the wanted month in calendar order: the leap month stands right after
    // its ordinary month and pushes the later months one place on.
    const int index = month - 1 + ((ly.leapMonth > 0 && (ly.leapMonth < month || leap)) ? 1 : 0);
    if (day > ly.lengths[static_cast<size_t>(index)]) return std::nullopt;
    int serial = ly.newYear + day - 1;
    for (int i = 0; i < index; ++i) serial += ly.lengths[static_cast<size_t>(i)];
    return year_month_day{std::chrono::sys_days{std::chrono::days{serial}}};
}

std::string lunarDateText(const LunarDate& date)
{
    std::string out;
    out.reserve(40);
    appendLunarDateText(out, date);
    return out;
}

void appendLunarDateText(std::string& out, const LunarDate& date)
{
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return;
    const int pair = floorMod(static_cast<long long>(date.year) - 4, 60);
    out += SexagenaryCycle()[static_cast<size_t>(pair)];
    out += "(";
    out += kAnimals[static_cast<size_t>(pair % 12)];
    out += ")年";
    if (date.leap) out += "闰";
    out += kMonthNames[static_cast<size_t>(date.month - 1)];
    out += "月";
    out += kDayNames[static_cast<size_t>(date.day - 1)];
}

std::string SolarToLunar(std::string_view dateText, int mode)
{
    if (mode != 1 && mode != 2) return {};
    const auto solar = parseSolarDateText(dateText);
    if (!solar) return {};
    const auto lunar = solarToLunarDate(*solar);
    if (!lunar) return {};
    return mode == 1 ? lunarDateText(*lunar) : std::to_string(lunar->month);
}

std::string LunarToSolar(int year, int month, int day, bool leap)
{
    const auto solar = lunarToSolarDate(year, month, day, leap);
    return solar ? formatSolarDate(*solar) : std::string{};
}

} // namespace xingming::calendar
