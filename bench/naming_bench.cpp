// The name test: pxmz with the birth chart, the whole driver, character lookups, and the
// classical source of a given name.
#include "naming/chartable.h"
#include "naming/nametest.h"
#include "naming/poetry.h"

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

void BM_PoemSource(benchmark::State& state)
{
    // One lookup of a name with a source (binary searches for the characters, the pair and the poem of
    // its line); the data is checked before the loop.
    benchmark::DoNotOptimize(naming::poetryData().valid());
    for (auto _ : state)
        benchmark::DoNotOptimize(naming::poemSource(U'思', U'远'));
}
BENCHMARK(BM_PoemSource);

void BM_PoemSourceName(benchmark::State& state)
{
    // The same from the UTF-8 given name, and a name without a source.
    const std::array<const char*, 2> names{"思远", "梓涵"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(naming::poemSource(names[i++ & 1]));
}
BENCHMARK(BM_PoemSourceName);

void BM_PoetryCheck(benchmark::State& state)
{
    // What the first lookup costs once: the check of the whole compiled-in blob.
    const std::string_view blob = naming::poetryData().bytes();
    for (auto _ : state) {
        naming::PoetryData data(blob);
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_PoetryCheck)->Unit(benchmark::kMillisecond);

} // namespace
