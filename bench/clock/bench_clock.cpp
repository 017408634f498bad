// SPDX-License-Identifier: MIT

// One tick of the main window's four clocks: format, compare with what is shown, and paint when
// the text changed. The windows are shown on the offscreen platform so painting really happens.
#include "bench/widgetbenchmain.h"
#include "clock/clockctrl.h"

#include <QApplication>

#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct FourClocks
{
    FixedTimeSource source{1'773'443'103};
    ScopedTimeSource scope{&source};
    std::array<std::unique_ptr<CClockCtrl>, 4> clocks;

    FourClocks()
    {
        const COLORREF face = GetSystemColour(SystemColour::ButtonFace);
        for (int i = 0; i < 4; ++i) {
            clocks[i] = std::make_unique<CClockCtrl>(
                i < 2 ? MakeColourRef(0, 0, 0) : MakeColourRef(255, 0, 0), face);
            clocks[i]->Create(QRect(0, 0, 132, 32), nullptr, 1010 + i);
            if (i % 2 == 0)
                clocks[i]->SetMode(CClockCtrl::ModeDate);
            clocks[i]->SetOffset(i < 2 ? 0 : 10 * 3600);
        }
        QApplication::processEvents();
    }

    void Tick()
    {
        for (auto &clock : clocks)
            clock->Refresh();
    }
};

// The usual second: both time clocks change their last digit, the date clocks do not change.
void BM_FourClocksTickChanged(benchmark::State &state)
{
    FourClocks four;
    for (auto _ : state) {
        four.source.Advance(1);
        four.Tick();
    }
}
BENCHMARK(BM_FourClocksTickChanged);

// A tick that changes no text (the same second read again) formats and compares only.
void BM_FourClocksTickUnchanged(benchmark::State &state)
{
    FourClocks four;
    for (auto _ : state)
        four.Tick();
}
BENCHMARK(BM_FourClocksTickUnchanged);

// A change of every digit of the time clocks, as at the turn of an hour.
void BM_FourClocksTickAllDigits(benchmark::State &state)
{
    FourClocks four;
    constexpr TimeValue jump = 11 * 3600 + 11 * 60 + 11;
    bool forward = true;
    for (auto _ : state) {
        four.source.Advance(forward ? jump : -jump);
        forward = !forward;
        four.Tick();
    }
}
BENCHMARK(BM_FourClocksTickAllDigits);

} // namespace

ORBICLOCK_WIDGET_BENCHMARK_MAIN()
