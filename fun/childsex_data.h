// Constant tables of the child-sex prediction (生男生女预测).
// Source: the folk chart (清宫表) and the parity rules as the program fixes them; for
// amusement only.
#pragma once

#include <array>
#include <string_view>

// clang-format off
namespace xingming::fun::data {

// The chart of the chart method (清宫表): one row per nominal age from 19 to 41, one cell per
// conception month 1 to 12 and a thirteenth cell for any other month value.
// B shows "王子", G shows "公主". Rows 31 and 32 are identical in the chart as handed down.
struct ChartRow {
    int nominalAge;
    std::string_view cells;  // 13 letters: months 1 .. 12, then the default
};

inline constexpr int kChartFirstAge = 19;
inline constexpr int kChartLastAge = 41;

// clang-format off
inline constexpr std::array<ChartRow, 23> kQingChart{{
    {19, "BGBGGBBBBBGGB"},
    {20, "GBGBBBBBBGBBB"},
    {21, "BGGGGGGGGGGGG"},
    {22, "GBBGBGGBGGGGG"},
    {23, "BBGBBGBGBBBGB"},
    {24, "BGBBGBBGGGGGG"},
    {25, "GBBGGBGBBBBBB"},
    {26, "BGBGGBGBGGGGG"},
    {27, "GBGBGGBBBBGBB"},
    {28, "BGBGGGBBBBGGB"},
    {29, "GBGGBBBBBBGGB"},
    {30, "BGGGGGGGGGBBG"},
    {31, "BGBGGGGGGGGBG"},
    {32, "BGBGGGGGGGGBG"},
    {33, "GBGBGGGBGGGBG"},
    {34, "BGBGGGGGGGBBG"},
    {35, "BBGBGGGBGGBBB"},
    {36, "GBBGBGGGBBBBB"},
    {37, "BGBBGBGBGBGBB"},
    {38, "GBGBBGBGBGBGB"},
    {39, "BGBBBGGBGBGGB"},
    {40, "GBGBGBBGBGBGB"},
    {41, "BGBGBGBBGBGBB"},
}};
// clang-format on

constexpr bool chartIsWellFormed()
{
    for (size_t i = 0; i < kQingChart.size(); ++i) {
        const ChartRow& row = kQingChart[i];
        if (row.nominalAge != kChartFirstAge + static_cast<int>(i) || row.cells.size() != 13)
            return false;
        for (char c : row.cells)
            if (c != 'B' && c != 'G')
                return false;
    }
    return true;
}
static_assert(kQingChart.size() == kChartLastAge - kChartFirstAge + 1);
static_assert(chartIsWellFormed(), "every chart row: its age in order, 13 cells of B or G");

// The parity table of the couple-and-month method, indexed [husband odd][wife odd][month odd];
// true shows "王子", false "公主".
inline constexpr bool kParityBoy[2][2][2] = {
    // husband even: wife even (month even, odd), wife odd (month even, odd)
    {{false, true}, {true, false}},
    // husband odd: the month alone decides
    {{false, true}, {false, true}},
};

} // namespace xingming::fun::data
// clang-format on
