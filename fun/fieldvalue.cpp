#include "fun/fieldvalue.h"

#include <cmath>

namespace xingming::fun {

bool fitsInt16(double x)
{
    return x >= -32768.0 && x <= 32767.0 && x == std::trunc(x);
}

bool isOdd(double w)
{
    return std::fmod(w, 2.0) != 0.0;
}

} // namespace xingming::fun
