#include "naming/grids.h"

namespace xingming::naming {

namespace {

// n − ⌊n/10⌋·10: the last digit, also for negative numbers (−3 gives 7).
int lastDigit(int n)
{
    const int q = n / 10 - ((n % 10 != 0 && n < 0) ? 1 : 0);
    return n - q * 10;
}

} // namespace

std::int16_t get_num(int n)
{
    if (n > 81) {
        const int r = n % 80;
        return static_cast<std::int16_t>(r == 0 ? 80 : r);
    }
    return static_cast<std::int16_t>(n);
}

std::string_view sc(int digit)
{
    switch (digit) {
    case 1:
    case 2:
        return "木";
    case 3:
    case 4:
        return "火";
    case 5:
    case 6:
        return "土";
    case 7:
    case 8:
        return "金";
    case 9:
    case 10:
    case 0:
        return "水";
    default:
        return {};
    }
}

std::string_view yy(int bh)
{
    int n = bh;
    if (n > 10)
        n = lastDigit(n);
    // k = ⌊n/2 + 0.9⌋: n/2 for an even n, (n + 1)/2 for an odd one (n is at most 10).
    const int k = (n + (n & 1)) / 2;
    switch (k) {
    case 1:
        return "木";
    case 2:
        return "火";
    case 3:
        return "土";
    case 4:
        return "金";
    default:
        return "水";
    }
}

int threeTalentsDigit(int n)
{
    return n < 11 ? n : lastDigit(n);
}

int luckDigit(int n)
{
    const int d = lastDigit(n); // [0, 9]
    return d == 0 ? 10 : d;
}

int luckKey(int rg, int other)
{
    const int x = luckDigit(other);
    return luckDigit(rg) * (x == 10 ? 100 : 10) + x;
}

Grids computeGrids(const NameStrokes& s)
{
    const int sFlag = s.singleSurname ? 1 : 0;
    const int gFlag = s.singleGiven ? 1 : 0;
    Grids g;
    g.tg = get_num(s.S1 + s.S2 + sFlag);
    g.rg = get_num(s.singleSurname ? s.S1 + s.G1 : s.S2 + s.G1);
    g.dG = get_num(s.G1 + s.G2 + gFlag);
    g.zg = get_num(s.S1 + s.S2 + s.G1 + s.G2);
    g.wg = get_num(g.zg - g.rg + sFlag + gFlag);
    return g;
}

} // namespace xingming::naming
