// SPDX-License-Identifier: MIT

// One tick of twelve pinned places, as the clocks' minute tick gives it to the main window: each
// pin's row (time, difference, day, day or night, sentence), the tray tip's lines, and the list
// updated with what changed. Database mode, home in the United Kingdom.
#include "app/pinnedlist.h"
#include "app/pinnedrows.h"
#include "bench/widgetbenchmain.h"
#include "zones/cityplaces.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct TwelvePins
{
    std::vector<PinnedPlace> pins;
    std::vector<PinWhere> where;
    std::vector<PinnedRow> rows;
    ClockOffsetInputs in;
    TimeValue t = 1796676000;

    TwelvePins()
    {
        const char *zones[] = {"Australia/Sydney", "Asia/Tokyo",       "America/Chicago",
                               "Europe/Berlin",    "Asia/Kolkata",     "Asia/Kathmandu",
                               "America/New_York", "Pacific/Auckland", "America/Sao_Paulo",
                               "Africa/Lagos",     "Asia/Dubai",       "America/Los_Angeles"};
        for (const char *zone : zones) {
            const QByteArray id(zone);
            pins.push_back({PlaceForZone(id, ZoneCountryCode(id).toStdString(), {}, true, t), -1,
                            id, QStringLiteral("Label")});
        }
        where = ResolvePins(pins);
        rows.resize(pins.size());
        in.useDatabase = true;
        in.homeIndex = 319;
        Tick(); // every zone loaded, as after the first tick of a run
    }

    void Tick()
    {
        const SunPoint sun = SunPositionAt(t);
        for (std::size_t i = 0; i < pins.size(); ++i)
            rows[i] = MakePinnedRow(pins[i], where[i], in, t, sun);
    }
};

void BM_TwelvePinsRows(benchmark::State &state)
{
    TwelvePins twelve;
    for (auto _ : state) {
        twelve.t += 60;
        twelve.Tick();
        benchmark::DoNotOptimize(PinnedTipLines(twelve.rows, 400, 63));
    }
}
BENCHMARK(BM_TwelvePinsRows);

// The same with the list shown and given the new rows (painting happens at the next paint).
void BM_TwelvePinsTickWithList(benchmark::State &state)
{
    TwelvePins twelve;
    CPinnedList list;
    list.resize(400, 200);
    list.show();
    for (auto _ : state) {
        twelve.t += 60;
        twelve.Tick();
        list.SetRows(twelve.rows);
    }
}
BENCHMARK(BM_TwelvePinsTickWithList);

// What a start with twelve pins pays once: their places found among the cities.
void BM_TwelvePinsResolve(benchmark::State &state)
{
    TwelvePins twelve;
    for (auto _ : state)
        benchmark::DoNotOptimize(ResolvePins(twelve.pins));
}
BENCHMARK(BM_TwelvePinsResolve)->Unit(benchmark::kMillisecond);

} // namespace

ORBICLOCK_WIDGET_BENCHMARK_MAIN()
