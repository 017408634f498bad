// SPDX-License-Identifier: MIT

// The country lists' rebuilds: a full tree with its daylight pictures, and the list of matches
// that each keystroke in the Find page rebuilds.
#include "bench/widgetbenchmain.h"
#include "countries/countrytree.h"
#include "countries/findcountrypage.h"
#include "countries/placesearch.h"
#include "countries/propertysheet.h"
#include "zones/timesource.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// A zone with daylight saving, so each evaluation does the C library's full conversion.
constexpr const char *Zone = "CET-1CEST,M3.5.0,M10.5.0/3";

// The first search of a process, registered first so that nothing ran before it: the places'
// names folded, the city index checked where it lies in the resources, the zone list read.
void BM_FirstSearch(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchPlaces(QStringLiteral("lon"), true).hits.size());
}
BENCHMARK(BM_FirstSearch)->Iterations(1)->Unit(benchmark::kMicrosecond);

// One keystroke's search over all places, cities and zones, ranked, without the list.
void BM_Search(benchmark::State &state, const char *text)
{
    const QString typed = QString::fromLatin1(text);
    std::size_t found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = SearchPlaces(typed, true).hits.size());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Search, one_letter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, three_letters, "san")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, city, "phoenix")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, abbreviation, "est")->Unit(benchmark::kMicrosecond);

void BM_FillTreeAll(benchmark::State &state)
{
    SetProcessTimeZone(Zone);
    CCountryTree tree;
    tree.SetLandColour(2);
    tree.resize(300, 400);
    tree.show();
    const int select = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.FillTree(CCountryTree::NoFilter, select));
}
BENCHMARK(BM_FillTreeAll)->Arg(-1)->Arg(18)->Unit(benchmark::kMicrosecond);

void BM_FillTreeOneOffset(benchmark::State &state)
{
    SetProcessTimeZone(Zone);
    CCountryTree tree;
    tree.SetLandColour(2);
    tree.resize(300, 400);
    tree.show();
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.FillTree(1.0f, 2));
}
BENCHMARK(BM_FillTreeOneOffset)->Unit(benchmark::kMicrosecond);

// One keystroke in database mode, the default: the typed text folded and searched (places,
// cities and zones), then the list rebuilt with each row's time now.
void BM_FillMatches(benchmark::State &state, const char *text)
{
    CPropertySheet sheet(QStringLiteral("Find Country/Region"));
    auto *page = new CFindCountryPage(true);
    sheet.AddPage(page);
    sheet.show();
    const QString typed = QString::fromLatin1(text);
    for (auto _ : state)
        page->FillMatches(typed);
}
BENCHMARK_CAPTURE(BM_FillMatches, everything, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillMatches, first_letter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillMatches, word, "aus")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillMatches, whole_alias, "usa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillMatches, city, "phoenix")->Unit(benchmark::kMicrosecond);

} // namespace

ORBICLOCK_WIDGET_BENCHMARK_MAIN()
