// The name test: pxmz with the birth chart, the whole driver, and character lookups.
#include "naming/chartable.h"
#include "naming/nametest.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace xingming;

namespace {

const calendar::BirthDate kBirth{"1990", "5", "17", "18"};

void BM_Pxmz(benchmark::State& state)
{
    // Names of each shape, so that one- and two-character parts are both measured.
    const std::array<std::array<const char*, 4>, 4> names{
        {{"李", "", "明", ""}, {"欧", "阳", "玉", ""}, {"王", "", "思", "远"}, {"司", "马", "相", "如"}}};
    size_t i = 0;
    for (auto _ : state) {
        const auto& n = names[i++ & 3];
        naming::PxmzResult r = naming::pxmz(n[0], n[1], n[2], n[3], calendar::Sex::Male, kBirth);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Pxmz);

void BM_RunNameTest(benchmark::State& state)
{
    naming::NameTestForm form;
    form.surname = "欧阳";
    form.given = "玉";
    form.sex = calendar::Sex::Female;
    form.calendar = calendar::CalendarKind::Lunar;
    form.date = {"1990", "4", "23", "18"};
    for (auto _ : state) {
        naming::NameTestOutcome out = naming::runNameTest(form);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_RunNameTest);

void BM_CharLookup(benchmark::State& state)
{
    const std::array<const char*, 4> chars{"李", "骉", "滢", "𠀀"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(naming::lookupChar(chars[i++ & 3]));
}
BENCHMARK(BM_CharLookup);

} // namespace
