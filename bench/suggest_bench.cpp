// The naming engine: a two-character list for one birth over the whole candidate list
// (the naming page's work), a one-character list, and the names with one character.
#include "naming/suggest.h"

#include <benchmark/benchmark.h>

#include <string>

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

// Each mode over the whole candidate list, minimum 0 (the most work a list can take), and
// with a generation character.
void BM_SuggestMode(benchmark::State& state)
{
    SuggestRequest r = request("王", Sex::Male, 2, 0);
    r.mode = static_cast<NamingMode>(state.range(0));
    r.generation = state.range(1) != 0 ? "嘉" : "";
    nameCandidates();
    suggestNames(r); // the tables each mode reads, built once per program
    for (auto _ : state) {
        SuggestResult res = suggestNames(r);
        benchmark::DoNotOptimize(res);
    }
    state.SetLabel(std::string(modeName(r.mode)) + (r.generation.empty() ? "" : " 辈份字"));
}
BENCHMARK(BM_SuggestMode)->ArgsProduct({{1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond);

// A long list against a short one: only the head of the ranking is ever made.
void BM_SuggestTop(benchmark::State& state)
{
    SuggestRequest r = request("王", Sex::Male, 2, 0);
    r.limit = static_cast<std::size_t>(state.range(0));
    r.mode = static_cast<NamingMode>(state.range(1));
    suggestNames(r);
    for (auto _ : state) {
        SuggestResult res = suggestNames(r);
        benchmark::DoNotOptimize(res);
    }
}
BENCHMARK(BM_SuggestTop)->ArgsProduct({{10, 1000}, {1, 2, 3, 4}})->Unit(benchmark::kMillisecond);

void BM_NamesWithCharacter(benchmark::State& state)
{
    for (auto _ : state) {
        auto names = namesWithCharacter("张", Sex::Male, "明", 10);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_NamesWithCharacter)->Unit(benchmark::kMillisecond);

} // namespace
