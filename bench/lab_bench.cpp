// molvix-lab's speed: the gas alone as the lab runs it (no views, 100
// particles, collisions on), one whole run, and a sweep of 8 runs on one
// worker and on two.
#include "experiment.h"

#include <benchmark/benchmark.h>

namespace {

const RunSettings kFull{100, 100, 20, true};

void BM_LabGasTick(benchmark::State &state)
{
    LabGas lab(kFull);
    for (auto _ : state) {
        lab.gas.TimeLoopTimer();
    }
    state.counters["ticks_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LabGasTick)->Unit(benchmark::kMicrosecond);

RunPlan plan(int64_t ticks)
{
    RunPlan p;
    p.warmup = 0;
    p.ticks = ticks;
    p.keepReadings = false;
    return p;
}

// A run with its speed snapshots and summary, ticks counted per CPU second.
void BM_LabRun(benchmark::State &state)
{
    constexpr int64_t kTicks = 20'000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runExperiment(kFull, plan(kTicks)));
    }
    state.counters["ticks_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kTicks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LabRun)->Unit(benchmark::kMillisecond);

// 8 runs (the walls 30..100) by `threads` workers, in wall-clock time.
void BM_LabSweep(benchmark::State &state)
{
    std::vector<RunSettings> runs;
    for (int wall = 30; wall <= 100; wall += 10) {
        runs.push_back({100, wall, 20, true});
    }
    for (auto _ : state) {
        SweepControl control;
        benchmark::DoNotOptimize(
            runSweep(runs, plan(20'000), static_cast<int>(state.range(0)), control));
    }
}
BENCHMARK(BM_LabSweep)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
