// The naming engine: a two-character list for one birth over the whole candidate list
// (the naming page's work), a one-character list, and the names with one character.
#include "naming/suggest.h"

#include <benchmark/benchmark.h>

namespace {

using namespace xingming::naming;
using xingming::calendar::Sex;

SuggestRequest request(const char* surname, Sex sex, int length, float minScore)
{
    SuggestRequest r;
    r.surname = surname;
    r.sex = sex;
    r.length = length;
    r.birth = {"1990", "5", "17", "18"};
    r.minScore = minScore;
    r.limit = 60;
    return r;
}

// Minimum 0: every pair of the candidate list qualifies, the most work a list can take.
void BM_SuggestTwoCharacters(benchmark::State& state)
{
    const SuggestRequest r = request("王", Sex::Male, 2, 0);
    nameCandidates(); // built once per program, outside the timing
    for (auto _ : state) {
        SuggestResult res = suggestNames(r);
        benchmark::DoNotOptimize(res);
    }
}
BENCHMARK(BM_SuggestTwoCharacters)->Unit(benchmark::kMillisecond);

void BM_SuggestTwoCharactersMin80TwoCharSurname(benchmark::State& state)
{
    const SuggestRequest r = request("欧阳", Sex::Female, 2, 80);
    for (auto _ : state) {
        SuggestResult res = suggestNames(r);
        benchmark::DoNotOptimize(res);
    }
}
BENCHMARK(BM_SuggestTwoCharactersMin80TwoCharSurname)->Unit(benchmark::kMillisecond);

void BM_SuggestOneCharacter(benchmark::State& state)
{
    const SuggestRequest r = request("李", Sex::Female, 1, 0);
    for (auto _ : state) {
        SuggestResult res = suggestNames(r);
        benchmark::DoNotOptimize(res);
    }
}
BENCHMARK(BM_SuggestOneCharacter)->Unit(benchmark::kMillisecond);

void BM_NamesWithCharacter(benchmark::State& state)
{
    for (auto _ : state) {
        auto names = namesWithCharacter("张", Sex::Male, "明", 10);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_NamesWithCharacter)->Unit(benchmark::kMillisecond);

} // namespace
