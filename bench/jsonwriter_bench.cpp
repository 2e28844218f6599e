// The JSON writer of the command line: string escaping over ASCII, Chinese and mixed text,
// one whole `score` object, as `score --batch --json` writes a line, and the name test with
// its object, the floor of that command.
#include "cli/jsonoutput.h"
#include "cli/jsonwriter.h"

#include "naming/nametest.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace xingming;

namespace {

std::string repeated(std::string_view piece, size_t bytes)
{
    std::string s;
    while (s.size() < bytes)
        s += piece;
    return s;
}

void escape(benchmark::State& state, const std::string& text)
{
    std::string out;
    for (auto _ : state) {
        out.clear();
        cli::appendJsonString(out, text);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_EscapeAscii(benchmark::State& state)
{
    escape(state, repeated("The quick brown fox jumps over the lazy dog. ", 1024));
}
BENCHMARK(BM_EscapeAscii);

void BM_EscapeChinese(benchmark::State& state)
{
    escape(state, repeated("福寿圆满，富贵荣誉，涵养雅量，德高望重。", 1024));
}
BENCHMARK(BM_EscapeChinese);

void BM_EscapeMixed(benchmark::State& state)
{
    escape(state, repeated("15 （福寿） 福寿圆满 \"quoted\" a\\b (大吉)\n", 1024));
}
BENCHMARK(BM_EscapeMixed);

void BM_ScoreJson(benchmark::State& state)
{
    naming::NameTestForm form;
    form.surname = "李";
    form.given = "明";
    form.sex = calendar::Sex::Male;
    form.calendar = calendar::CalendarKind::Solar;
    form.date = {"1990", "5", "17", "18"};
    const naming::NameTestReport report = *naming::runNameTest(form).report;
    std::string out;
    for (auto _ : state) {
        out.clear();
        cli::writeScoreJson(out, report);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_ScoreJson);

// The floor of `score --batch --json`: the name test and its object in the process, for names
// of every shape, solar and lunar, into one outcome and one buffer as the batch has them; no
// reading, splitting or writing of lines.
void BM_NameTestAndJson(benchmark::State& state)
{
    using calendar::CalendarKind;
    using calendar::Sex;
    const naming::NameTestForm forms[] = {
        {"李", "明", Sex::Male, CalendarKind::Solar, {"1990", "5", "17", "18"}},
        {"欧阳", "玉", Sex::Female, CalendarKind::Lunar, {"1990", "4", "23", "18"}},
        {"王", "思远", Sex::Male, CalendarKind::Solar, {"2001", "12", "3", "0"}},
        {"司马", "相如", Sex::Female, CalendarKind::Lunar, {"1955", "8", "15", "23"}},
    };
    naming::NameTestOutcome outcome;
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        out.clear();
        naming::runNameTest(forms[i++ & 3], outcome);
        cli::writeScoreJson(out, *outcome.report);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_NameTestAndJson);

} // namespace
