// SPDX-License-Identifier: MIT

#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/timesource.h"

#include <benchmark/benchmark.h>

// One fill of the country tree asks every entry whether its daylight saving is in effect.
// Measured with the machine's real clock under two kinds of zone: a POSIX rule, as the program
// sets for itself, and a compiled zone file.

namespace {

void FillAll(benchmark::State &state)
{
    for (auto _ : state) {
        int inEffect = 0;
        for (int i = 0; i < CountryCount; ++i)
            inEffect += IsDaylightSavingNow(i) ? 1 : 0;
        benchmark::DoNotOptimize(inEffect);
    }
    state.counters["entries"] = CountryCount;
}

void BM_AllEntries_PosixRule(benchmark::State &state)
{
    SetProcessTimeZone("<GMT+10>-10<GMT+11>,M10.5.0/2,M3.1.0/3");
    FillAll(state);
}
BENCHMARK(BM_AllEntries_PosixRule)->Unit(benchmark::kMicrosecond);

void BM_AllEntries_ZoneFile(benchmark::State &state)
{
    SetProcessTimeZone(":Europe/Berlin");
    FillAll(state);
}
BENCHMARK(BM_AllEntries_ZoneFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
