// The naming page of the built-in site: made anew for a request (the engine and the page),
// and answered again from the kept pages, in each of the four modes.
#include "site/pages.h"

#include "naming/namingrequest.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using xingming::naming::namingQuery;
using xingming::site::handleRequest;

// A new request every time (3 600 of them): the birth year and hour change with the count.
void BM_NamingPageMade(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    long n = 0;
    for (auto _ : state) {
        ++n;
        const std::string target = namingQuery(
            "王", "男", {std::to_string(1901 + n % 150), "5", "17", std::to_string(n / 150 % 24)}, true, mode);
        if (n == 1 && handleRequest("GET", target).status != 200)
            state.SkipWithError("the request was refused");
        auto r = handleRequest("GET", target);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_NamingPageMade)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

void BM_NamingPageKept(benchmark::State& state)
{
    const std::string target = namingQuery("王", "男", {"1990", "5", "17", "18"}, true);
    handleRequest("GET", target);
    for (auto _ : state) {
        auto r = handleRequest("GET", target);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_NamingPageKept)->Unit(benchmark::kMicrosecond);

} // namespace
