// One tick of a mixture gas, natively: 500 particles with collisions on,
// each pair met at its moment of contact (the cell list and the events).
#include "gas.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MixtureTick(benchmark::State &state)
{
    Gas gas;
    gas.ReglaTemperatura(static_cast<int32_t>(state.range(1)));
    const auto count = static_cast<int32_t>(state.range(0));
    gas.setMixture({count / 2, kRadius, count - count / 2, 4.0f, 2.5f});
    gas.setCollisions(true);
    for (int t = 0; t < 1000; ++t) {
        gas.TimeLoopTimer();
    }
    const int64_t before = gas.freePaths().collisions;
    for (auto _ : state) {
        gas.TimeLoopTimer();
    }
    state.counters["collisions_per_tick"] =
        static_cast<double>(gas.freePaths().collisions - before) /
        static_cast<double>(state.iterations());
}
// 500 particles at the start-up temperature and at the bar's top.
BENCHMARK(BM_MixtureTick)
    ->Args({500, 20})
    ->Args({500, 100})
    ->Args({200, 20})
    ->Unit(benchmark::kMicrosecond);

// The same gas behind a divider with a hole of side 20 (both species
// start on the left): the meetings with the plane join the tick's events.
void BM_DividerTick(benchmark::State &state)
{
    Gas gas;
    gas.ReglaTemperatura(static_cast<int32_t>(state.range(1)));
    const auto count = static_cast<int32_t>(state.range(0));
    MixtureSettings m{count / 2, kRadius, count - count / 2, 4.0f, 2.5f};
    m.divider = Divider::Hole;
    gas.setMixture(m);
    gas.setCollisions(true);
    for (int t = 0; t < 1000; ++t) {
        gas.TimeLoopTimer();
    }
    const int64_t before = gas.effusion().crossings[0] + gas.effusion().crossings[1];
    for (auto _ : state) {
        gas.TimeLoopTimer();
    }
    state.counters["crossings_per_tick"] =
        static_cast<double>(gas.effusion().crossings[0] + gas.effusion().crossings[1] - before) /
        static_cast<double>(state.iterations());
}
BENCHMARK(BM_DividerTick)->Args({500, 20})->Args({500, 100})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
