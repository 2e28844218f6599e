// Child-sex prediction (生男生女预测): four folk methods over the ages of wife and husband, or
// their birth years and months, and the year and month of conception.
//
// The page calls these functions with the texts its six lists hold; nothing here shows or
// stores anything.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::fun {

inline constexpr std::string_view kUnchosen = "请选择"; // the text of a list that has been reset
inline constexpr std::string_view kBoy = "王子";
inline constexpr std::string_view kGirl = "公主";
// LjieG1 when the nominal age has no row in the chart: the chart method then answers nothing,
// and a previous result must not stay on the label as if it did.
inline constexpr std::string_view kNoChartEntry = "清宫表无此年龄";

inline constexpr std::string_view kCaptionChart = "清宫表算法预测结果";
inline constexpr std::string_view kCaptionBook = "《汉书》算法预测结果";
inline constexpr std::string_view kCaptionCouple = "夫妻算法预测结果";
inline constexpr std::string_view kCaptionCoupleMonth = "夫妻+月份算法预测结果";

// The input mode: Option30 "年龄" (chosen at start) or Option29 "出生日期".
enum class InputMode { Age, Birth };

// Trcob: the captions of rows 1 and 2 and whether the birth-month lists are shown.
struct RowLayout {
    std::string_view Label61; // row 1: "妻子的年龄：" or "妻子的出生年月："
    std::string_view Label60; // row 2: "丈夫的年龄：" or "丈夫的出生年月："
    bool birthMonthsShown;    // Cobdt1, Cobdt2 and the unit captions Labdt1 .. Labdt4
};
RowLayout Trcob(InputMode mode);

// DatStr (age mode) and DatStr2 (birth-date mode): the entries of the six lists after a reset,
// for the year Y of today's date. Every list's text is then kUnchosen, with no entry selected.
struct ListEntries {
    std::vector<std::string> CobNL1, CobNL2, CobNL3, CobNL4, Cobdt1, Cobdt2;
};
ListEntries resetEntries(InputMode mode, int todayYear);

// The texts of the six lists of the page.
struct ChildSexForm {
    InputMode mode = InputMode::Age;
    std::string CobNL1{kUnchosen}; // wife's age, or wife's birth year
    std::string CobNL2{kUnchosen}; // husband's age, or husband's birth year
    std::string CobNL3{kUnchosen}; // conception year
    std::string CobNL4{kUnchosen}; // conception month
    std::string Cobdt1{kUnchosen}; // wife's birth month (birth-date mode)
    std::string Cobdt2{kUnchosen}; // husband's birth month (birth-date mode)
};

// cobEan: the start button smsfyc is enabled when CobNL1 .. CobNL4 all differ from kUnchosen.
// The birth-month lists are not consulted; a typed text that is no number counts as chosen.
bool cobEan(const ChildSexForm& form);

// The stored selections: the numeric value of each list's text.
struct Selections {
    double W = 0, H = 0, CY = 0, CM = 0, WM = 0, HM = 0;
};
Selections storedSelections(const ChildSexForm& form);

// The ages of wife (WA) and husband (HA) in whole years at conception. In birth-date mode a
// birth month after the conception month takes one year off; an equal or unchosen (0) birth
// month counts as a birthday already reached.
struct Ages {
    double WA = 0, HA = 0;
};
Ages workOutAges(InputMode mode, const Selections& s);

// The four methods. Their arguments are finite; fractions are rounded halves to even where a
// whole number is needed, while the chart's month column must match CM exactly.
// ycQg: the chart cell for nominal age N and conception month CM; nullopt outside 19 .. 41.
std::optional<std::string_view> ycQg(std::int16_t N, double CM);
// YcGj1, book method: S = 68 - WA + CM, "王子" when odd.
std::string_view YcGj1(double WA, double CM);
// YcGj2, couple method: T = (WA + HA + CM) / 3 rounded down, "王子" when odd.
std::string_view YcGj2(double WA, double HA, double CM);
// YcGj3, couple-and-month method: the parity table of HA, WA and CM.
std::string_view YcGj3(double HA, double WA, double CM);

struct ChildSexPrediction {
    std::string_view LjieG1;    // chart method, kNoChartEntry when the age has no chart row
    std::string_view LjieG2;    // book method
    std::string_view LjieG3;    // couple method
    std::string_view LjieG4;    // couple-and-month method
    bool chartAnswered = false; // false: the chart has no row for N
    std::int16_t N = 0;         // nominal age, WA + 1
    Ages ages;
};

// Start (click of smsfyc, which cobEan keeps disabled until the four lists are chosen).
// The stored selections are only read, so the same texts always give the same results.
// nullopt when a value used, typed or worked out, has a whole-number form outside the 16-bit
// signed range: the prediction is refused quietly and the page keeps its results.
std::optional<ChildSexPrediction> predict(const ChildSexForm& form);

} // namespace xingming::fun
