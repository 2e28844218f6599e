// The five grids (五格) and the number rules shared by the lookups of the name test.
#pragma once

#include "naming/chartable.h"

#include <cstdint>
#include <string_view>

namespace xingming::naming {

// Reduction into the range of the 81 numbers: above 81, n mod 80 (80 for remainder 0);
// otherwise n unchanged (no lower bound).
std::int16_t get_num(int n);

// Element of a digit 0 .. 10 (1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 10, 0 水); "" for a negative digit.
std::string_view sc(int digit);

// Element of a grid number as the report shows it (the last digit by the table of sc, 10 giving 水).
std::string_view yy(int bh);

// Three-talents digit: n itself below 11, otherwise its last digit.
int threeTalentsDigit(int n);

// Luck digit: the last digit (floor arithmetic), 10 in place of 0; always 1 .. 10.
int luckDigit(int n);

// Luck key: luck digit of 人格 followed by that of the other grid, read as an integer.
int luckKey(int rg, int other);

// Stroke counts of a name and its shape.
struct NameStrokes {
    int S1 = 0, S2 = 0; // surname first and second (0 when absent)
    int G1 = 0, G2 = 0; // given name first and second (0 when absent)
    bool singleSurname = true;
    bool singleGiven = true;
};

// The five grids.
enum class Grid { Tian, Ren, Di, Wai, Zong }; // 天格 人格 地格 外格 总格

struct Grids {
    std::int16_t tg = 0; // 天格
    std::int16_t rg = 0; // 人格
    std::int16_t dG = 0; // 地格
    std::int16_t wg = 0; // 外格
    std::int16_t zg = 0; // 总格
};

// The five grid numbers, in the order 天格, 人格, 地格, 总格, 外格.
Grids computeGrids(const NameStrokes& s);

} // namespace xingming::naming
