#include "fun/biorhythm.h"

#include <cmath>
#include <cstdio>

namespace xingming::fun {

double cycleSine(int P, double x)
{
    return std::sin(2.0 * kPi * x / P);
}

std::string formatIndex(double V)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", V);
    std::string text = buf;
    if (text == "-0.00") // a tiny negative value has no sign left to show
        text = "0.00";
    return text;
}

std::variant<BiorhythmReading, BiorhythmRefusal> biorhythm(std::chrono::sys_days birth, std::chrono::sys_days query,
                                                           Trigger trigger)
{
    if (query <= birth) {
        switch (trigger) {
        case Trigger::Button:
            return BiorhythmRefusal{kBiorhythmInputFault, kTitleTip};
        case Trigger::QueryChanged:
            return BiorhythmRefusal{kBiorhythmInputFault, kTitleWarmTip};
        case Trigger::BirthChanged:
            break;
        }
        return BiorhythmRefusal{};
    }

    BiorhythmReading r;
    r.days = (query - birth).count();
    for (size_t i = 0; i < kCycles.size(); ++i) {
        const CycleInfo& info = kCycles[i];
        CycleReading& c = r.cycles[i];
        c.d = static_cast<int>(r.days % info.P); // days > 0, so 0 .. P - 1
        c.V = 100.0 * cycleSine(info.P, c.d);
        c.index = formatIndex(c.V);
        c.label = std::string(info.labelPrefix) + c.index;
    }
    return r;
}

std::string printedNumber(int n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

ChartDrawing drawChart(const CycleInfo& cycle, int d)
{
    ChartDrawing g;
    // Axes.
    g.lines.push_back({{-1.5, 0.0}, {cycle.xAxisEnd, 0.0}});
    g.lines.push_back({{0.0, -1.5}, {0.0, 1.5}});
    g.texts.push_back({{cycle.xCaptionX, -0.5}, std::string(kXCaption)});
    g.texts.push_back({{0.5, 1.5}, std::string(cycle.yCaption)});
    // Day ticks every two days.
    for (int i = 0; i <= cycle.lastTickBound; i += 2) {
        g.lines.push_back({{static_cast<double>(i), 0.0}, {static_cast<double>(i), 0.1}});
        g.texts.push_back({{i - 0.5, -0.1}, printedNumber(i)});
    }
    // The marks of 1 and -1 on the Y axis.
    g.lines.push_back({{0.0, 1.0}, {0.5, 1.0}});
    g.lines.push_back({{0.0, -1.0}, {0.5, -1.0}});
    g.texts.push_back({{0.5, 1.0}, printedNumber(1)});
    g.texts.push_back({{0.5, -1.0}, printedNumber(-1)});
    // One full period in steps of 0.01, added up as the curve has always been drawn.
    for (double x = 0.0; x <= cycle.P; x += 0.01)
        g.curve.push_back({x, cycleSine(cycle.P, x)});
    // The cross at day d.
    const double y = cycleSine(cycle.P, d);
    g.marker[0] = {{d - 0.2, y + 0.1}, {d + 0.2, y - 0.1}};
    g.marker[1] = {{d - 0.2, y - 0.1}, {d + 0.2, y + 0.1}};
    return g;
}

} // namespace xingming::fun
