#include "fun/fieldvalue.h"

#include <cmath>

namespace xingming::fun {

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
