// The map's per-pixel work: recolouring, lighting a zone, one frame of the glide (with and
// without the night) and redrawing the night.
#include "bench/widgetbenchmain.h"
#include "map/colourtables.h"
#include "map/mapwnd.h"
#include "map/zonemap.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

constexpr int W = 357;
constexpr int H = 178;

// Pictures with the real ones' size and a coastline irregular enough to defeat branch
// prediction: land in dark green, sea in navy; the key in stripes of sea colours with land.
QImage MapPicture()
{
    QImage image(W, H, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const bool land = (seed >> 24) < 90;
            image.setPixel(
                x, y, land ? ToRgb(MakeColourRef(0, 128, 0)) : ToRgb(MakeColourRef(0, 0, 128)));
        }
    return image;
}

QImage ZonePicture(const QImage &map)
{
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int zone = x * 24 / W; // 0..23 for -11..+12
            const int entry = ZoneColourPosition(static_cast<float>(zone - 11));
            const bool land = FromRgb(map.pixel(x, y)) == MakeColourRef(0, 128, 0);
            const COLORREF key = ZoneColourTable[std::size_t(entry + (land ? 1 : 0))].colour;
            image.setPixel(x, y, ToRgb(key == ZONE_NO_COLOUR ? 0 : key));
        }
    return image;
}

CZoneMap MakeZoneMap()
{
    const QImage map = MapPicture();
    CZoneMap zones;
    zones.SetPictures(ZonePicture(map), map);
    return zones;
}

void BM_SetColours(benchmark::State &state)
{
    CZoneMap zones = MakeZoneMap();
    int pair = 0;
    for (auto _ : state) {
        zones.SetColours(pair, (pair + 3) % MapColourCount);
        pair = (pair + 1) % MapColourCount;
        benchmark::DoNotOptimize(zones.Map().constBits());
    }
}
BENCHMARK(BM_SetColours)->Unit(benchmark::kMicrosecond);

void BM_SelectZoneComposite(benchmark::State &state)
{
    CZoneMap zones = MakeZoneMap();
    for (auto _ : state) {
        // +8 lights the widest band of columns.
        zones.LightZone(8.0f, zones.ZonePosition(8.0f, 0).x());
        benchmark::DoNotOptimize(zones.Composite().constBits());
    }
}
BENCHMARK(BM_SelectZoneComposite)->Unit(benchmark::kMicrosecond);

// One frame: the motion's step, the view and the two kept surfaces turned, and the window
// painted into an image as the screen would be.
void BM_GlideFrame(benchmark::State &state)
{
    const QImage map = MapPicture();
    QWidget host;
    CMapWnd wnd(&host);
    std::int64_t now = 0;
    wnd.SetClock([&now] { return now; });
    wnd.SetAcceleration(600);
    wnd.Create(QRect(0, 0, W + 4, H + 4), &host, CMapWnd::ControlId, ZonePicture(map), map);
    wnd.SetShowNight(state.range(0) != 0);
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
BENCHMARK(BM_GlideFrame)->ArgName("night")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The night for a new minute: the sun's place, the shade of every pixel and the map redrawn.
void BM_RefreshNight(benchmark::State &state)
{
    const QImage map = MapPicture();
    QWidget host;
    CMapWnd wnd(&host);
    wnd.Create(QRect(0, 0, W + 4, H + 4), &host, CMapWnd::ControlId, ZonePicture(map), map);
    wnd.SetShowNight(true);
    for (auto _ : state) {
        wnd.RefreshNight();
        benchmark::DoNotOptimize(wnd.View().constBits());
    }
}
BENCHMARK(BM_RefreshNight)->Unit(benchmark::kMicrosecond);

} // namespace

ORBICLOCK_WIDGET_BENCHMARK_MAIN()
