// SPDX-License-Identifier: MIT

#include "zones/countrytable.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <benchmark/benchmark.h>

// One fill of the country tree in database mode asks every entry whether it has daylight
// saving this year or next and whether it is in effect now. The first fill loads every zone
// from the system's files; later ones are answered from what the first kept.

namespace {

int DaylightStates(TimeValue now)
{
    int inEffect = 0;
    for (int i = 0; i < CountryCount; ++i)
        if (EntryHasDaylightSavingThisOrNextYear(i, now))
            inEffect += EntryStateAt(i, now).daylight ? 2 : 1;
    return inEffect;
}

// What the same fill lists: answered from the zones' compiled files before any zone is loaded
// (a first start, with no answers kept from an earlier run). Runs once, before the next.
void BM_AllEntries_ListFirstUse(benchmark::State &state)
{
    const TimeValue now = CurrentTime();
    for (auto _ : state) {
        int inEffect = 0;
        for (int i = 0; i < CountryCount; ++i)
            if (EntryListHasDaylightSaving(i, now))
                inEffect += EntryListStateAt(i, now).daylight ? 2 : 1;
        benchmark::DoNotOptimize(inEffect);
    }
}
BENCHMARK(BM_AllEntries_ListFirstUse)->Iterations(1)->Unit(benchmark::kMicrosecond);

// Runs once: only the first use of a process loads the zones.
void BM_AllEntries_FirstUse(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DaylightStates(CurrentTime()));
}
BENCHMARK(BM_AllEntries_FirstUse)->Iterations(1)->Unit(benchmark::kMicrosecond);

void BM_AllEntries_Warm(benchmark::State &state)
{
    const TimeValue now = CurrentTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(DaylightStates(now));
    state.counters["entries"] = CountryCount;
}
BENCHMARK(BM_AllEntries_Warm)->Unit(benchmark::kMicrosecond);

// A fill each simulated hour over a year: every change of every zone is crossed once.
void BM_AllEntries_HourlyOverAYear(benchmark::State &state)
{
    TimeValue t = CurrentTime();
    for (auto _ : state) {
        t += 3600;
        benchmark::DoNotOptimize(DaylightStates(t));
    }
}
BENCHMARK(BM_AllEntries_HourlyOverAYear)->Iterations(24 * 365)->Unit(benchmark::kMicrosecond);

// What the selected clock asks at each tick, and the next change its tip names.
void BM_OneEntry_StateAndNextChange(benchmark::State &state)
{
    const int berlin = 121;
    TimeValue t = CurrentTime();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EntryStateAt(berlin, ++t));
        benchmark::DoNotOptimize(NextEntryChange(berlin, t));
    }
}
BENCHMARK(BM_OneEntry_StateAndNextChange)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
