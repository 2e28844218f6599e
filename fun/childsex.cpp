#include "fun/childsex.h"

#include "fun/childsex_data.h"
#include "fun/fieldvalue.h"

#include <cmath>

namespace xingming::fun {

namespace {

std::string_view sexOf(bool boy)
{
    return boy ? kBoy : kGirl;
}

std::vector<std::string> range(int first, int last)
{
    std::vector<std::string> entries;
    for (int v = first; v <= last; ++v)
        entries.push_back(std::to_string(v));
    return entries;
}

// Whole-number forms round halves to the even neighbour: std::nearbyint in the default
// rounding mode.

// The parity of a value as its whole-number form.
bool oddWhole(double v)
{
    return isOdd(std::nearbyint(v));
}

double nominalAge(double WA)
{
    return std::nearbyint(WA + 1.0);
}

double bookSum(double WA, double CM)
{
    return std::nearbyint(68.0 - WA + CM);
}

double coupleQuotient(double WA, double HA, double CM)
{
    return std::floor((WA + HA + CM) / 3.0);
}

} // namespace

RowLayout Trcob(InputMode mode)
{
    if (mode == InputMode::Age)
        return {"妻子的年龄：", "丈夫的年龄：", false};
    return {"妻子的出生年月：", "丈夫的出生年月：", true};
}

ListEntries resetEntries(InputMode mode, int todayYear)
{
    ListEntries e;
    const auto years = range(todayYear - 60, todayYear); // 61 entries
    const auto months = range(1, 12);
    e.CobNL1 = mode == InputMode::Age ? range(18, 40) : years;
    e.CobNL2 = e.CobNL1;
    e.CobNL3 = years;
    e.CobNL4 = months;
    e.Cobdt1 = months;
    e.Cobdt2 = months;
    return e;
}

bool cobEan(const ChildSexForm& form)
{
    return form.CobNL1 != kUnchosen && form.CobNL2 != kUnchosen && form.CobNL3 != kUnchosen && form.CobNL4 != kUnchosen;
}

Selections storedSelections(const ChildSexForm& form)
{
    return {fieldValue(form.CobNL1), fieldValue(form.CobNL2), fieldValue(form.CobNL3),
            fieldValue(form.CobNL4), fieldValue(form.Cobdt1), fieldValue(form.Cobdt2)};
}

Ages workOutAges(InputMode mode, const Selections& s)
{
    if (mode == InputMode::Age)
        return {s.W, s.H};
    const double WA = s.CY - s.W - (s.WM > s.CM ? 1.0 : 0.0);
    const double HA = s.CY - s.H - (s.HM > s.CM ? 1.0 : 0.0);
    return {WA, HA};
}

std::optional<std::string_view> ycQg(std::int16_t N, double CM)
{
    if (N < data::kChartFirstAge || N > data::kChartLastAge)
        return std::nullopt;
    const auto& row = data::kQingChart[static_cast<size_t>(N - data::kChartFirstAge)];
    // Months 1 .. 12 take their column only as exact whole numbers; 3.5 or 13 take the default.
    size_t column = 12;
    if (CM >= 1.0 && CM <= 12.0 && CM == std::trunc(CM))
        column = static_cast<size_t>(CM) - 1;
    return sexOf(row.cells[column] == 'B');
}

std::string_view YcGj1(double WA, double CM)
{
    return sexOf(isOdd(bookSum(WA, CM)));
}

std::string_view YcGj2(double WA, double HA, double CM)
{
    return sexOf(isOdd(coupleQuotient(WA, HA, CM)));
}

std::string_view YcGj3(double HA, double WA, double CM)
{
    return sexOf(data::kParityBoy[oddWhole(HA)][oddWhole(WA)][oddWhole(CM)]);
}

std::optional<ChildSexPrediction> predict(const ChildSexForm& form)
{
    const Selections s = storedSelections(form);
    const Ages ages = workOutAges(form.mode, s);

    // Every whole number the methods use must be a 16-bit signed integer, or nothing is written.
    const bool birthMode = form.mode == InputMode::Birth;
    const double typed[] = {s.W, s.H, s.CM, birthMode ? s.CY : 0.0, birthMode ? s.WM : 0.0, birthMode ? s.HM : 0.0};
    for (double v : typed)
        if (!fitsInt16(std::nearbyint(v)))
            return std::nullopt;
    const double worked[] = {nominalAge(ages.WA),     bookSum(ages.WA, s.CM),  coupleQuotient(ages.WA, ages.HA, s.CM),
                             std::nearbyint(ages.WA), std::nearbyint(ages.HA), std::nearbyint(s.CM)};
    for (double v : worked)
        if (!fitsInt16(v))
            return std::nullopt;

    ChildSexPrediction p;
    p.ages = ages;
    p.N = static_cast<std::int16_t>(nominalAge(ages.WA));
    const auto chart = ycQg(p.N, s.CM);
    p.chartAnswered = chart.has_value();
    p.LjieG1 = chart.value_or(kNoChartEntry);
    p.LjieG2 = YcGj1(ages.WA, s.CM);
    p.LjieG3 = YcGj2(ages.WA, ages.HA, s.CM);
    p.LjieG4 = YcGj3(ages.HA, ages.WA, s.CM);
    return p;
}

} // namespace xingming::fun
