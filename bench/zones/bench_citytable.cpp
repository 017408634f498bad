// SPDX-License-Identifier: MIT

#include "zones/citytable.h"
#include "zones/textfold.h"

#include <array>
#include <benchmark/benchmark.h>

// A keystroke in a search box folds the text and asks for the best matches; the first search
// of a process also reads and checks the whole index from the resources.

namespace {

constexpr int Limit = 50;
constexpr std::array<const char16_t *, 7> Typed = {u"s",        u"sa",   u"san", u"san f",
                                                   u"New York", u"kiev", u"zzq"};

int Search(const char16_t *typed)
{
    return int(Cities::Find(FoldForSearch(QStringView(typed)), Limit).size());
}

// Runs once: only the first use of a process reads the index.
void BM_FirstSearch(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Search(u"lon"));
    state.counters["cities"] = Cities::Count();
}
BENCHMARK(BM_FirstSearch)->Iterations(1)->Unit(benchmark::kMicrosecond);

void BM_Keystroke(benchmark::State &state)
{
    const char16_t *typed = Typed[size_t(state.range(0))];
    int found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = Search(typed));
    state.SetLabel(QString::fromUtf16(typed).toStdString());
    state.counters["found"] = found;
}
BENCHMARK(BM_Keystroke)->DenseRange(0, int(Typed.size()) - 1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
