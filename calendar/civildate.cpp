#include "calendar/civildate.h"

namespace xingming::calendar {

using std::chrono::year_month_day;

void appendDecimal(std::string& out, unsigned value)
{
    char buf[12];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n > 0)
        out.push_back(buf[--n]);
}

std::optional<year_month_day> civilDate(long long y, long long m, long long d)
{
    if (y < -32767 || y > 32767 || m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    const year_month_day date{std::chrono::year{static_cast<int>(y)}, std::chrono::month{static_cast<unsigned>(m)},
                              std::chrono::day{static_cast<unsigned>(d)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::optional<year_month_day> parseSolarDateText(std::string_view text)
{
    // Reads a run of 1..maxDigits digits at pos.
    size_t pos = 0;
    auto number = [&](size_t minDigits, size_t maxDigits) -> int {
        int value = 0;
        size_t n = 0;
        while (pos < text.size() && n < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + (text[pos] - '0');
            ++pos;
            ++n;
        }
        return n >= minDigits ? value : -1;
    };
    auto dash = [&] { return pos < text.size() && text[pos++] == '-'; };
    const int m = number(1, 2);
    if (m < 0 || !dash())
        return std::nullopt;
    const int d = number(1, 2);
    if (d < 0 || !dash())
        return std::nullopt;
    const int y = number(4, 4);
    if (y < 0 || pos != text.size())
        return std::nullopt;
    return civilDate(y, m, d);
}

std::string formatSolarDate(year_month_day date)
{
    std::string out;
    out.reserve(10);
    const int y = static_cast<int>(date.year());
    if (y < 0)
        out.push_back('-');
    appendDecimal(out, static_cast<unsigned>(y < 0 ? -y : y));
    out.push_back('/');
    appendDecimal(out, static_cast<unsigned>(date.month()));
    out.push_back('/');
    appendDecimal(out, static_cast<unsigned>(date.day()));
    return out;
}

std::string solarDateText(year_month_day date)
{
    const int y = static_cast<int>(date.year());
    if (y < 0 || y > 9999)
        return {};
    std::string out;
    out.reserve(10);
    appendDecimal(out, static_cast<unsigned>(date.month()));
    out.push_back('-');
    appendDecimal(out, static_cast<unsigned>(date.day()));
    out.push_back('-');
    for (int div = 1000; div > 0; div /= 10)
        out.push_back(static_cast<char>('0' + y / div % 10));
    return out;
}

} // namespace xingming::calendar
