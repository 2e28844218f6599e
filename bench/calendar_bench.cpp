// Timing of the lunar calendar and the birth chart: one conversion, every day of the
// calendar's range, and the four birth-chart values of one name test.
#include "calendar/fiveelements.h"
#include "calendar/lunarcalendar.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace xingming::calendar;
using namespace std::chrono;

void BM_SolarToLunar(benchmark::State& state)
{
    for (auto _ : state) {
        std::string lunar = SolarToLunar("5-17-1990", 1);
        benchmark::DoNotOptimize(lunar);
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state)
{
    for (auto _ : state) {
        std::string solar = LunarToSolar(1990, 4, 23, false);
        benchmark::DoNotOptimize(solar);
    }
}
BENCHMARK(BM_LunarToSolar);

// Every day 1 January 1900 .. 31 December 2100 through the text interface.
void BM_SolarToLunarSweep(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (sys_days d{1900y / January / 1}; d <= sys_days{2100y / December / 31}; d += days{1}) {
        const year_month_day ymd{d};
        texts.push_back(std::to_string(unsigned(ymd.month())) + "-" + std::to_string(unsigned(ymd.day())) + "-" +
                        std::to_string(int(ymd.year())));
    }
    for (auto _ : state) {
        size_t bytes = 0;
        for (const std::string& t : texts)
            bytes += SolarToLunar(t, 1).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["days"] = static_cast<double>(texts.size());
}
BENCHMARK(BM_SolarToLunarSweep)->Unit(benchmark::kMillisecond);

void BM_BirthChartValues(benchmark::State& state)
{
    const BirthDate birth{"1990", "5", "17", "18"};
    for (auto _ : state) {
        BirthChartValues values = birthChartValues(birth);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_BirthChartValues);

} // namespace
