// One tick of a mixture gas, natively: 500 particles with collisions on,
// each pair met at its moment of contact (the cell list and the events).
#include "events.h"
#include "gas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

// The mixture's ticks with collisions on, after 1 000 of warm-up, and the
// collisions each makes.
void timeTicks(benchmark::State &state, Gas &gas)
{
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

void BM_MixtureTick(benchmark::State &state)
{
    Gas gas;
    gas.ReglaTemperatura(static_cast<int32_t>(state.range(1)));
    const auto count = static_cast<int32_t>(state.range(0));
    gas.setMixture({count / 2, kRadius, count - count / 2, 4.0f, 2.5f});
    timeTicks(state, gas);
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

// The yardstick in the same run: a classic tick of 100 particles with
// collisions on, at the start-up temperature.
void BM_ClassicTick(benchmark::State &state)
{
    Gas gas;
    gas.state.NumPar = 100;
    for (int i = 1; i <= 100; ++i) {
        gas.placeParticle(i);
    }
    gas.RandomVel();
    gas.ReglaTemperatura(kStartTemperature);
    gas.setCollisions(true);
    for (int t = 0; t < 1000; ++t) {
        gas.TimeLoopTimer();
    }
    for (auto _ : state) {
        gas.TimeLoopTimer();
    }
}
BENCHMARK(BM_ClassicTick)->Unit(benchmark::kMicrosecond);

// 500 particles of one species: the default radius, and packing 0.29 (the
// densest a mixture starts at is 0.30).
void BM_OneSpeciesTick(benchmark::State &state)
{
    Gas gas;
    gas.ReglaTemperatura(kStartTemperature);
    const float radius = static_cast<float>(state.range(0)) / 100.0f;
    if (!gas.setMixture({500, radius, 0, 1.0f, radius})) {
        state.SkipWithError("refused");
        return;
    }
    timeTicks(state, gas);
}
BENCHMARK(BM_OneSpeciesTick)->Arg(150)->Arg(517)->Unit(benchmark::kMicrosecond);

// The event step alone on N spheres at packing 0.25 in a cube (N beyond
// the program's 500 too): collisions per second of processor time, the
// figure event-driven codes are compared by. Laid out on a cubic lattice,
// unit mass, k T = 1; a step is 0.1 time units (about a third of a
// collision per particle).
struct Counter final : EventListener
{
    int64_t contacts = 0;
    void contact(int32_t, int32_t) override { ++contacts; }
    void wall(int32_t, int, bool) override {}
    void crossed(int32_t, bool) override {}
};

void BM_EventsPerSecond(benchmark::State &state)
{
    const auto n = static_cast<int32_t>(state.range(0));
    constexpr double side = 100;
    const double radius = std::cbrt(0.25 * side * side * side * 3 / (4 * std::numbers::pi * n));
    const auto perSide = static_cast<int32_t>(std::ceil(std::cbrt(double(n))));
    const double spacing = side / perSide;
    std::vector<float> x(n + 1), y(n + 1), z(n + 1), vx(n + 1), vy(n + 1), vz(n + 1);
    const std::vector<float> mass(n + 1, 1.0f), radii(n + 1, static_cast<float>(radius));
    std::mt19937 random(1);
    std::normal_distribution<float> normal(0.0f, 1.0f);
    for (int32_t i = 1; i <= n; ++i) {
        const int32_t k = i - 1;
        x[i] = static_cast<float>((k % perSide + 0.5) * spacing);
        y[i] = static_cast<float>((k / perSide % perSide + 0.5) * spacing);
        z[i] = static_cast<float>((k / perSide / perSide + 0.5) * spacing);
        vx[i] = normal(random);
        vy[i] = normal(random);
        vz[i] = normal(random);
    }
    const EventBodies bodies{x.data(), y.data(), z.data(), vx.data(), vy.data(), vz.data(),
                             mass.data(), radii.data(), n};
    EventWalls walls;
    walls.side = {side, side, side};
    EventStep step;
    Counter counter;
    for (int t = 0; t < 200; ++t) {
        step.run(bodies, walls, 0.1, true, counter);
    }
    const int64_t before = counter.contacts;
    for (auto _ : state) {
        step.run(bodies, walls, 0.1, true, counter);
    }
    state.counters["collisions_per_second"] = benchmark::Counter(
        static_cast<double>(counter.contacts - before), benchmark::Counter::kIsRate);
    state.counters["radius"] = radius;
}
BENCHMARK(BM_EventsPerSecond)->Arg(500)->Arg(4000)->Unit(benchmark::kMicrosecond);

// 100 particles (50 of mass 4) under a field of 0 or 10, collisions off or
// on, over 100 000 ticks from their even start: the tick's cost, and how
// far the kinetic plus potential energy drifted (docs/model.md, "A field
// along the height").
void BM_GravityTick(benchmark::State &state)
{
    Gas gas;
    gas.ReglaTemperatura(20);
    MixtureSettings m{50, kRadius, 50, 4.0f, kRadius};
    m.gravity = static_cast<float>(state.range(0));
    gas.setMixture(m);
    gas.setCollisions(state.range(1) != 0);
    const GasState &s = gas.state;
    const auto total = [&s, &m] {
        double e = 0;
        for (int32_t i = 1; i <= s.NumPar; ++i) {
            e += s.Masa[i] * ((double(s.VelX[i]) * s.VelX[i] + double(s.VelY[i]) * s.VelY[i] +
                               double(s.VelZ[i]) * s.VelZ[i]) / 2 +
                              m.gravity * double(s.ParY[i]));
        }
        return e;
    };
    const double before = total();
    for (auto _ : state) {
        gas.TimeLoopTimer();
    }
    state.counters["energy_drift"] = total() / before - 1;
    state.counters["collisions"] = static_cast<double>(gas.freePaths().collisions);
}
BENCHMARK(BM_GravityTick)
    ->Args({0, 0})
    ->Args({10, 0})
    ->Args({0, 1})
    ->Args({10, 1})
    ->Iterations(100000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
