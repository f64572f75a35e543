// One gas tick through the core's C interface, natively: 100 particles at
// the start-up temperature, collisions on. bench/core_bench.mjs runs this and
// the same ticks in the WebAssembly module, and prints their ratio.
#include "molvixcore.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CoreTick(benchmark::State &state)
{
    MvGas *gas = mv_create();
    mv_set_count(gas, 100);
    mv_set_collisions(gas, 1);
    mv_run(gas, 1000);
    for (auto _ : state) {
        mv_run(gas, 100);
    }
    state.SetItemsProcessed(state.iterations() * 100);
    mv_destroy(gas);
}
BENCHMARK(BM_CoreTick)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
