// Biorhythm curves (盛衰曲线): the emotional, intellectual and physical cycles of a person as
// sine curves, with the day of each cycle on a query date and its index between -100 and 100.
//
// The page calls these functions with the dates of its two pickers, DTPicker1 (birth) and
// DTPicker2 (query); the charts come back as drawing primitives in the pictures' own
// coordinates, so the page only paints them.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace xingming::fun {

// π as the curves have always used it: twelve decimals, not the full double value.
inline constexpr double kPi = 3.141592653589;

inline constexpr std::string_view kBiorhythmInputFault = "您的输入有误，请重试！";
inline constexpr std::string_view kTitleTip = "提示";
inline constexpr std::string_view kTitleWarmTip = " 温馨提示"; // the leading blank is part of it

// DTPicker1 at program start.
inline constexpr std::chrono::year_month_day kBirthAtStart{std::chrono::year{1980}, std::chrono::January,
                                                           std::chrono::day{1}};

inline constexpr std::string_view kXCaption = "X/出生天数";

// One cycle and its chart.
struct CycleInfo {
    std::string_view page;        // the page of SSTab2: "情绪", "智力", "体质"
    int P;                        // period in days
    std::string_view yCaption;    // "Y/心情指数" ...
    std::string_view labelPrefix; // "您的心情指数为：" ...
    double xAxisEnd;              // right end of the X axis
    double xCaptionX;             // x of the X caption's top left corner
    int lastTickBound;            // ticks at 0, 2, ... while not above this
};

enum class Cycle { Emotional = 0, Intellectual = 1, Physical = 2 };

// In drawing order; Picture1 / Label69, Picture2 / Label70, Picture3 / Label68.
inline constexpr std::array<CycleInfo, 3> kCycles{{
    {"情绪", 28, "Y/心情指数", "您的心情指数为：", 29.5, 28, 29},
    {"智力", 33, "Y/智力指数", "您的智力指数为：", 35.5, 32, 34},
    {"体质", 23, "Y/体质指数", "您的体质指数为：", 25.5, 23, 24},
}};

constexpr const CycleInfo& cycleInfo(Cycle c)
{
    return kCycles[static_cast<size_t>(c)];
}

// The value of a cycle at x days: sin(2πx / P), with kPi.
double cycleSine(int P, double x);

// V formatted with the pattern "0.00": two decimals, a minus sign for negative values
// ("90.10", "-99.77", "0.00").
std::string formatIndex(double V);

struct CycleReading {
    int d = 0;         // day of the cycle, days mod P, 0 .. P - 1
    double V = 0;      // 100 sin(2πd / P)
    std::string index; // V as "0.00"
    std::string label; // the index label: prefix and index
};

struct BiorhythmReading {
    std::int64_t days = 0;              // whole days from the birth date to the query date, > 0
    std::array<CycleReading, 3> cycles; // emotional, intellectual, physical

    const CycleReading& operator[](Cycle c) const { return cycles[static_cast<size_t>(c)]; }
};

// What starts a drawing: the button shengshuai, a change of DTPicker2 or of DTPicker1.
enum class Trigger { Button, QueryChanged, BirthChanged };

// A failed check: the message box to show; an empty message shows nothing. In every case the
// charts and index labels stay as they were.
struct BiorhythmRefusal {
    std::string_view message;
    std::string_view title;
};

// The check and the readings: a query date on or before the birth date is refused, with
// "提示" for the button, " 温馨提示" for a change of the query date, silently for a change
// of the birth date.
std::variant<BiorhythmReading, BiorhythmRefusal> biorhythm(std::chrono::sys_days birth, std::chrono::sys_days query,
                                                           Trigger trigger);

// Drawing primitives of one chart, in the picture's coordinates.
struct ChartPoint {
    double x = 0, y = 0;
};
struct ChartLine {
    ChartPoint from, to;
};
struct ChartText {
    ChartPoint topLeft;
    std::string text;
};

// The marker's colour, QBColor 4, as blue·65536 + green·256 + red (dark red, RGB 128, 0, 0).
inline constexpr std::uint32_t kMarkerColour = 128;

struct ChartDrawing {
    // Coordinate system shared by all three charts (y grows upwards).
    double left = -1.5, top = 2.0, right = 37.0, bottom = -2.0;
    std::vector<ChartLine> lines;    // axes and ticks, foreground colour
    std::vector<ChartText> texts;    // captions and tick numbers
    std::vector<ChartPoint> curve;   // one polyline over a full period, x = 0, 0.01, ... <= P
    std::array<ChartLine, 2> marker; // the cross at day d, kMarkerColour
};

// The chart of a cycle with its marker at day d of the cycle.
ChartDrawing drawChart(const CycleInfo& cycle, int d);

// A number as the picture's print operation writes it: a blank in place of the sign of a
// non-negative number (" 2", "-1").
std::string printedNumber(int n);

} // namespace xingming::fun
