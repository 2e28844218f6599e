#include "fun/fieldvalue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace xingming::fun {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double fieldValue(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    bool nonzeroInteger = false;  // a non-zero digit before the point: too long means too big
    while (i < text.size() && isDigit(text[i])) {
        nonzeroInteger = nonzeroInteger || text[i] != '0';
        ++i;
    }
    size_t digits = i - start;
    if (i < text.size() && text[i] == '.') {
        size_t j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > i + 1) {  // a point without fraction digits ends the number
            digits += j - i - 1;
            i = j;
        }
    }
    if (digits == 0)
        return 0.0;

    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + i;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        value = nonzeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc{} || ptr != last)
        return 0.0;  // not reached: the span holds digits and at most one point
    return negative ? -value : value;
}

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double fraction = std::fabs(x - std::trunc(x));
    if (fraction == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

bool fitsInt16(double x)
{
    return x >= -32768.0 && x <= 32767.0 && x == std::trunc(x);
}

bool isOdd(double w)
{
    return std::fmod(w, 2.0) != 0.0;
}

} // namespace xingming::fun
