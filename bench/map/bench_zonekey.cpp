// SPDX-License-Identifier: MIT

#include "map/zonekey.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>
#include <cstdint>

// The zone key: the first use of a level (read in place and checked, or inflated and checked),
// and the zone under a click at every level, on land and at sea near a coast.

namespace {

QByteArray KeyBytes()
{
    QFile file(QStringLiteral(":/data/zonekey.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_FirstUseOfLevel(benchmark::State &state)
{
    const QByteArray bytes = KeyBytes();
    const int level = int(state.range(0));
    for (auto _ : state) {
        const ZoneKey key(bytes);
        benchmark::DoNotOptimize(key.Cells(level));
    }
}
BENCHMARK(BM_FirstUseOfLevel)->ArgName("level")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Clicks spread over the whole map, so most searches of the sea for land run their full square.
void BM_ZoneAtClick(benchmark::State &state)
{
    const ZoneKey &key = ZoneKey::Builtin();
    const int level = int(state.range(0));
    const QSize size = key.LevelSize(level);
    key.Cells(level);
    std::uint32_t seed = 12345;
    for (auto _ : state) {
        seed = seed * 1664525u + 1013904223u;
        const QPoint pixel(int((seed >> 8) % unsigned(size.width())),
                           int((seed >> 4) % unsigned(size.height())));
        benchmark::DoNotOptimize(key.ZoneIndexAt(level, pixel));
    }
}
BENCHMARK(BM_ZoneAtClick)->ArgName("level")->Arg(0)->Arg(3)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
