// SPDX-License-Identifier: MIT

// The map's per-pixel work at the default size and at 1920 x 960: recolouring, lighting a zone,
// one frame of the glide (with and without the night) and redrawing the night, on the program's
// own zone keys.
#include "bench/widgetbenchmain.h"
#include "map/colourtables.h"
#include "map/mapwnd.h"
#include "map/zonekey.h"
#include "map/zonemap.h"
#include "res/resources.h"

#include <QApplication>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

// The map's inside: the key's smallest level, about the window's default, and a full-HD screen.
QSize InsideOf(const benchmark::State &state)
{
    const int w = static_cast<int>(state.range(0));
    return {w, w == 357 ? 178 : w / 2};
}

void Sizes(benchmark::internal::Benchmark *b)
{
    b->ArgName("width")->Arg(357)->Arg(1920)->Unit(benchmark::kMicrosecond);
}

void BM_SetColours(benchmark::State &state)
{
    CZoneMap zones;
    zones.Build(InsideOf(state), ZoneKey::Builtin());
    int pair = 0;
    for (auto _ : state) {
        zones.SetColours(pair, (pair + 3) % MapColourCount);
        pair = (pair + 1) % MapColourCount;
        benchmark::DoNotOptimize(zones.Map().constBits());
    }
}
BENCHMARK(BM_SetColours)->Apply(Sizes);

// Lighting a zone in either mode: +8 lights the widest band of columns.
void BM_LightZone(benchmark::State &state)
{
    CZoneMap zones;
    zones.Build(InsideOf(state), ZoneKey::Builtin(), state.range(1) ? QImage() : LoadZonePicture());
    for (auto _ : state) {
        zones.LightZone(8.0f, zones.ZonePosition(8.0f, 0).x());
        benchmark::DoNotOptimize(zones.Composite().constBits());
    }
}
BENCHMARK(BM_LightZone)
    ->Unit(benchmark::kMicrosecond)
    ->ArgNames({"width", "database"})
    ->ArgsProduct({{357, 1920}, {0, 1}});

// One frame: the motion's step, the view and the kept surfaces turned, and the window painted
// into an image as the screen would be.
void BM_GlideFrame(benchmark::State &state)
{
    QWidget host;
    CMapWnd wnd(&host);
    std::int64_t now = 0;
    wnd.SetClock([&now] { return now; });
    wnd.SetAcceleration(600);
    wnd.SetUseDatabaseZones(true);
    wnd.Create(QRect(QPoint(), InsideOf(state) + QSize(4, 4)), &host);
    wnd.SetShowNight(state.range(1) != 0);
    QImage screen(wnd.size(), QImage::Format_RGB32);
    float zone = -9.0f;
    for (auto _ : state) {
        if (!wnd.IsGliding()) {
            state.PauseTiming();
            zone = zone == -9.0f ? 3.0f : -9.0f;
            wnd.SelectZone(zone);
            state.ResumeTiming();
        }
        now += 16;
        wnd.GlideFrame();
        wnd.render(&screen);
    }
}
BENCHMARK(BM_GlideFrame)
    ->Unit(benchmark::kMicrosecond)
    ->ArgNames({"width", "night"})
    ->ArgsProduct({{357, 1920}, {0, 1}});

// The night for a new half minute: the sun's place and the shade of every pixel, and the window
// painted with the map darkened.
void BM_RefreshNight(benchmark::State &state)
{
    QWidget host;
    CMapWnd wnd(&host);
    wnd.SetUseDatabaseZones(true);
    wnd.Create(QRect(QPoint(), InsideOf(state) + QSize(4, 4)), &host);
    wnd.FinishGlide();
    wnd.SetShowNight(true);
    QImage screen(wnd.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        wnd.RefreshNight();
        wnd.render(&screen);
    }
}
BENCHMARK(BM_RefreshNight)->Unit(benchmark::kMicrosecond)->ArgName("width")->Arg(357)->Arg(1920);

// The surfaces built for a new size (a resize), the key's level already read.
void BM_Build(benchmark::State &state)
{
    ZoneKey::Builtin().Cells(3);
    for (auto _ : state) {
        CZoneMap zones;
        zones.Build(InsideOf(state), ZoneKey::Builtin());
        benchmark::DoNotOptimize(zones.Composite().constBits());
    }
}
BENCHMARK(BM_Build)->Apply(Sizes);

// A large level of the key inflated, as the first build at its size does: the program's own
// key, and a copy of its bytes, which Qt inflates with zlib's check of what comes out.
void BM_InflateLevel(benchmark::State &state)
{
    QFile file(QStringLiteral(":/data/zonekey.bin"));
    const ZoneKey copy(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    const ZoneKey &key = state.range(1) ? ZoneKey::Builtin() : copy;
    const int level = int(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(key.Cells(level));
        key.Release(level);
    }
}
BENCHMARK(BM_InflateLevel)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"level", "own"})
    ->ArgsProduct({{2, 3}, {1, 0}});

} // namespace

ORBICLOCK_WIDGET_BENCHMARK_MAIN()
