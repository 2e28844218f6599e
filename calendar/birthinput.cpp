#include "calendar/birthinput.h"

#include "calendar/lunarcalendar.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>

namespace xingming::calendar {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double fieldValue(std::string_view text)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    const size_t start = pos;
    bool nonzeroInteger = false;
    while (pos < text.size() && isDigit(text[pos]))
        nonzeroInteger |= text[pos++] != '0';
    size_t digits = pos - start;
    if (pos + 1 < text.size() && text[pos] == '.' && isDigit(text[pos + 1])) {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            ++digits;
    }
    if (digits == 0)
        return 0;
    // A whole number of up to 15 digits, as the date fields hold, is exact in a double:
    // read it as an integer, as from_chars would.
    if (pos - start == digits && digits <= 15) {
        std::uint64_t whole = 0;
        for (size_t i = start; i < pos; ++i)
            whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
        const auto value = static_cast<double>(whole);
        return negative ? -value : value;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data() + start, text.data() + pos, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        value = nonzeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc{} || end != text.data() + pos)
        return 0; // cannot happen: the digits were checked above
    return negative ? -value : value;
}

std::optional<std::string> checkDateFields(const DateFields& f, CalendarKind kind)
{
    const double year = fieldValue(f.year);
    if (f.year.empty() || year < 1901 || year > 2050)
        return "年不能为空，且应在1901至2050之间！";
    const double month = fieldValue(f.month);
    if (f.month.empty() || month < 1 || month > 12)
        return "月不能为空，且应在1至12之间！";
    const double day = fieldValue(f.day);
    if (f.day.empty() || day < 1 || day > 31)
        return "日不能为空，且应在1至31之间！";
    // The solar month lengths; a lunar date's months are checked by the lunar table.
    if (kind != CalendarKind::Lunar && kind != CalendarKind::LunarLeap) {
        if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30)
            return f.month + "月只有30天！";
        // Leap years are the years divisible by 4: 1901..2050 needs no century rule.
        const long roundedYear = std::lrint(year); // [1901, 2050]
        if (roundedYear % 4 != 0 && month == 2 && day > 28)
            return f.year + "年是平年，2月只有28天！";
        if (month == 2 && day > 29)
            return f.year + "年是闰年，2月只有29天！";
    }
    const double hour = fieldValue(f.hour);
    if (f.hour.empty() || hour < 0 || hour > 23)
        return "时不能为空，且应在0至23之间！";
    return std::nullopt;
}

std::optional<BirthDate> resolveBirthDate(const DateFields& f, CalendarKind kind)
{
    if (kind != CalendarKind::Lunar && kind != CalendarKind::LunarLeap)
        return BirthDate{f.year, f.month, f.day, f.hour};
    // Rounded half to even, and only within a range where the rounding cannot overflow;
    // LunarToSolar refuses whatever lies outside its own ranges.
    auto number = [](std::string_view text) -> int {
        const double v = fieldValue(text);
        return v >= -1e6 && v <= 1e6 ? static_cast<int>(std::nearbyint(v)) : 0;
    };
    const auto solar =
        lunarToSolarDate(number(f.year), number(f.month), number(f.day), kind == CalendarKind::LunarLeap);
    if (!solar)
        return std::nullopt;
    return BirthDate{std::to_string(static_cast<int>(solar->year())),
                     std::to_string(static_cast<unsigned>(solar->month())),
                     std::to_string(static_cast<unsigned>(solar->day())), f.hour};
}

CheckedBirth checkPanel(const PanelEntry& entry, const PanelRules& rules)
{
    const auto refuse = [](std::string message) { return CheckedBirth{std::move(message), std::nullopt, false}; };
    if (entry.surname.empty())
        return refuse("姓不能为空！");
    if (rules.givenName && entry.given.empty())
        return refuse("名不能为空！");
    if (entry.sex == Sex::None)
        return refuse("请选择性别！");
    if (auto msg = checkDateFields(entry.date, entry.calendar))
        return refuse(std::move(*msg));
    if (entry.calendar == CalendarKind::None)
        return refuse(std::string(rules.noCalendarMessage));
    std::optional<BirthDate> birth = resolveBirthDate(entry.date, entry.calendar);
    if (!birth)
        return CheckedBirth{std::string(kLunarDateError), std::nullopt, true};
    return CheckedBirth{{}, std::move(birth), true};
}

} // namespace xingming::calendar
