#include "gastest.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using molvix::test::GasTest;
using ProcessTest = GasTest;

// A gas as the program starts it, with no views: the physics alone.
void startGas(Gas &g, int count, int temperature = 20)
{
    g.soft = nullptr;
    g.gl = nullptr;
    g.state.NumPar = count;
    for (int i = 1; i <= count; ++i) {
        g.placeParticle(i);
    }
    g.RandomVel();
    g.ReglaTemperatura(temperature);
    g.resetLedger();
}

float highestParticle(const GasState &s)
{
    float top = 0;
    for (int i = 1; i <= s.NumPar; ++i) {
        top = std::max(top, s.ParY[i]);
    }
    return top;
}

// A particle meeting the moving piston in one tick: vy -> 2u - vy, its
// position mirrored about the piston's position at the end of the tick, the
// momentum relative to the piston in the pressure, the energy change as work.
TEST_F(ProcessTest, TheMovingPistonReflectsInItsOwnFrame)
{
    const struct
    {
        int wall;            // where the piston starts
        float target, speed; // it moves speed x 0.1 a tick
        float y, vy;         // the particle before the tick
        float wallAfter, yAfter, vyAfter;
    } cases[] = {
        {100, 50, 10, 98.5f, 20, 99, 97.5f, -40},    // pressed in: faster back
        {50, 100, 5, 50, 10, 50.5f, 50, 0},          // pulled out: slower back
        {50, 100, 5, 49, 1, 50.5f, 49.1f, 1},        // too slow to reach it
        {100, 99.75f, 10, 99.8f, 1, 99.75f, 99.6f, -6}, // the last part step
    };
    for (const auto &c : cases) {
        g.soft = nullptr;
        g.gl = nullptr;
        s().NumPar = 1;
        g.MoverPared(c.wall);
        ProcessSettings p;
        p.piston = PistonMode::Moving;
        p.pistonTarget = c.target;
        p.pistonSpeed = c.speed;
        g.setProcess(p);
        put(1, 50, c.y, 50, 0, c.vy, 0);
        g.resetLedger();
        s().Presion = 0;
        g.TimeLoopTimer();
        const double u = g.pistonVelocity();
        EXPECT_FLOAT_EQ(g.pistonPosition(), c.wallAfter) << c.y;
        EXPECT_NEAR(s().ParY[1], c.yAfter, 1e-4) << c.y;
        EXPECT_NEAR(s().VelY[1], c.vyAfter, 1e-4) << c.y;
        const bool hit = c.vyAfter != c.vy;
        EXPECT_NEAR(s().Presion, hit ? 2 * (c.vy - u) : 0.0, 1e-4) << c.y;
        EXPECT_NEAR(g.ledger().work, 0.01 * (c.vyAfter * c.vyAfter - c.vy * c.vy), 1e-6) << c.y;
        EXPECT_NEAR(g.ledger().energyChange, g.ledger().work, 1e-9) << c.y;
        g.setProcess({});
    }
}

// Back to the fixed piston: the nearest whole position, whatever is above it
// folded just below, as the wall bar does.
TEST_F(ProcessTest, SwitchingBackToFixedRoundsAndFolds)
{
    startGas(g, 50);
    ProcessSettings p;
    p.piston = PistonMode::Moving;
    p.pistonTarget = 30.4f;
    p.pistonSpeed = 1000;
    g.setProcess(p);
    g.TimeLoopTimer();
    EXPECT_FLOAT_EQ(g.pistonPosition(), 30.4f);
    EXPECT_EQ(s().PosPared, 30) << "the whole position follows";
    put(7, 50, 30.2f, 50); // between the whole and the exact position
    g.setProcess({});
    EXPECT_EQ(s().PosPared, 30);
    EXPECT_EQ(g.pistonPosition(), 30.0f);
    EXPECT_EQ(s().ParY[7], 29.0f);
    EXPECT_LE(highestParticle(s()), 30.0f);
}

// Under a load and without the bath, gas energy + piston kinetic energy +
// load x height is conserved (an Euler step for the piston loses it fast),
// over the masses and loads accepted: up to the top stop, resting on a cold
// gas near the floor, the lightest piston at its largest load. Where the gas
// alone holds the piston up, its mean pressure is the load. A load beyond
// what the piston's mass allows is lowered to it.
TEST_F(ProcessTest, TheLoadedPistonConservesEnergyAndBalancesTheLoad)
{
    const struct
    {
        int count, wall;   // the piston starts at rest at the wall
        int temperature;   // the temperature bar: speeds of this size
        float mass, load;
        bool gasHoldsIt;   // not on a stop: the mean pressure is the load
    } cases[] = {
        {50, 100, 20, 50, 3000, false},   // rises to the top stop and comes back
        {100, 53, 20, 10, 5000, true},
        {100, 40, 77, 200, 100000, true},  // a hot gas under a heavy load
        {100, 48, 6, 1, 500, true},        // the lightest piston, at its largest load
        {100, 0, 1, 10, 5000, false},      // a cold gas: bouncing on the floor
    };
    for (const auto &c : cases) {
        g.MoverPared(c.wall);
        startGas(g, c.count, c.temperature);
        g.setCollisions(true);
        ProcessSettings p;
        p.piston = PistonMode::Loaded;
        p.load = c.load;
        p.pistonMass = c.mass;
        g.setProcess(p);
        // In "Energía" units, 0.01 sum m v^2: the piston's 0.01 M u^2 and, for
        // the force F = load / (200 DeltaT), the potential 0.02 F w.
        const double force = c.load / (200 * 0.1);
        const double gasEnergy = 0.01 * s().Energ;
        const auto total = [&] {
            const double u = g.pistonVelocity();
            return gasEnergy + g.ledger().energyChange + 0.01 * c.mass * u * u +
                   0.02 * force * g.pistonPosition();
        };
        const double start = total();
        double worst = 0, pressure = 0;
        float low = 100, high = 0;
        int readings = 0;
        constexpr int kTicks = 30000;
        const int32_t handle = g.addReadingListener([&](const GasReading &r) {
            if (r.tick > kTicks / 5) {
                pressure += r.pressure;
                ++readings;
            }
        });
        for (int tick = 0; tick < kTicks; ++tick) {
            g.TimeLoopTimer();
            low = std::min(low, g.pistonPosition());
            high = std::max(high, g.pistonPosition());
            worst = std::max(worst, std::fabs(total() - start));
            ASSERT_LE(highestParticle(s()), g.pistonPosition()) << "tick " << tick;
        }
        g.removeReadingListener(handle);
        EXPECT_LT(worst, 1e-5 * start) << "mass " << c.mass << " load " << c.load;
        EXPECT_GT(high - low, 0.1f) << "the piston moved under the load " << c.load;
        if (c.gasHoldsIt) {
            EXPECT_NEAR(pressure / readings / c.load, 1.0, 0.015)
                << "mass " << c.mass << " load " << c.load;
        } else {
            EXPECT_TRUE(high > 99 || low < 0.01f) << "reached a stop, load " << c.load;
        }
        g.setProcess({});
    }
    ProcessSettings heavy;
    heavy.load = 5000;
    heavy.pistonMass = 1;
    EXPECT_EQ(sanitized(heavy).load, kLoadPerMassMax);
}

// A particle leaving a thermal wall: the tangential components normal with
// the bath's deviation, the normal one from the flux distribution, inward;
// the piston stays elastic.
TEST_F(ProcessTest, ThermalWallsDrawFromTheFluxDistribution)
{
    g.soft = nullptr;
    g.gl = nullptr;
    s().NumPar = 1;
    ProcessSettings p;
    p.bath = true;
    p.bathTemperature = 2.5f;
    g.setProcess(p);
    const double sigma = 10 * std::sqrt(2.5); // temperature = <v_axis^2> / 100
    const struct
    {
        int axis;
        float at;
        float inward; // +1 at the low wall, -1 at the high
    } walls[] = {{0, -0.1f, 1}, {1, -0.1f, 1}, {2, -0.1f, 1}, {0, 100.1f, -1}, {2, 100.1f, -1}};
    constexpr int kDraws = 20000;
    for (const auto &w : walls) {
        double normal = 0, normal2 = 0, tangential2 = 0, pressure = 0, energy = 0;
        g.resetLedger();
        for (int k = 0; k < kDraws; ++k) {
            float at[3] = {50, 50, 50};
            float v[3] = {3, 3, 3};
            at[w.axis] = w.at;
            v[w.axis] = -w.inward * 7;
            put(1, at[0], at[1], at[2], v[0], v[1], v[2]);
            s().Presion = 0;
            g.ChoquePared(1);
            const float out[3] = {s().VelX[1], s().VelY[1], s().VelZ[1]};
            const float vn = out[w.axis] * w.inward;
            ASSERT_GT(vn, 0) << "leaves inward";
            normal += vn;
            normal2 += double(vn) * vn;
            for (int a = 0; a < 3; ++a) {
                tangential2 += a == w.axis ? 0 : double(out[a]) * out[a];
            }
            pressure += s().Presion - (7 + vn);
            energy += 0.01 * (double(out[0]) * out[0] + double(out[1]) * out[1] +
                              double(out[2]) * out[2] - 67);
        }
        // Flux distribution: <v> = sigma sqrt(pi / 2), <v^2> = 2 sigma^2.
        EXPECT_NEAR(normal / kDraws / sigma, std::sqrt(M_PI / 2), 0.02) << "axis " << w.axis;
        EXPECT_NEAR(normal2 / kDraws / (sigma * sigma), 2.0, 0.06) << "axis " << w.axis;
        EXPECT_NEAR(tangential2 / (2 * kDraws) / (sigma * sigma), 1.0, 0.03) << "axis " << w.axis;
        EXPECT_NEAR(pressure, 0, 1e-2) << "old and new normal momentum in the pressure";
        EXPECT_NEAR(g.ledger().heat, energy, 1e-6 * kDraws) << "every draw is heat";
    }
    put(1, 50, 100.5f, 50, 3, 7, 3);
    g.ChoquePared(1);
    EXPECT_EQ(s().VelY[1], -7.0f) << "the piston is no thermal wall";
    EXPECT_EQ(s().VelX[1], 3.0f);
}

// The bath brings the gas to its temperature and to equipartition, with
// collisions off too (only the bath can share energy among the axes then),
// and the gas law holds at it, P W = 2000 N T: also for a hot bath, where a
// particle moves 17 lengths a tick and the time since it crossed a wall
// matters.
TEST_F(ProcessTest, TheBathBringsTheGasToItsTemperature)
{
    const struct
    {
        bool collisions;
        float bath;
    } cases[] = {{false, 4}, {false, 100}, {true, 100}, {true, kBathTemperatureMax}};
    for (const auto &c : cases) {
        startGas(g, 100);
        g.setCollisions(c.collisions);
        ProcessSettings p;
        p.bath = true;
        p.bathTemperature = c.bath;
        g.setProcess(p);
        for (int tick = 0; tick < 10000; ++tick) {
            g.TimeLoopTimer();
        }
        double temperature = 0, pressure = 0;
        std::array<double, 3> shares{};
        constexpr int kSamples = 200;
        const int32_t handle = g.addReadingListener([&](const GasReading &r) {
            temperature += r.temperature / kSamples;
            pressure += r.pressure / kSamples;
            for (int a = 0; a < 3; ++a) {
                shares[a] += g.energyShares()[a] / kSamples;
            }
        });
        for (int tick = 0; tick < 200 * kSamples; ++tick) {
            g.TimeLoopTimer();
        }
        g.removeReadingListener(handle);
        EXPECT_NEAR(temperature / c.bath, 1.0, 0.01) << "bath " << c.bath;
        EXPECT_NEAR(pressure * 100 / (2000 * 100 * c.bath), 1.0, 0.02) << "bath " << c.bath;
        for (int a = 0; a < 3; ++a) {
            EXPECT_NEAR(shares[a], 1.0 / 3, 0.02) << "axis " << a << ", bath " << c.bath;
        }
        g.setProcess({});
    }
}

// The first law over 10^5 ticks with collisions on, the piston moving in
// and out, the bath, the temperature bar: the gas's energy change is the
// work plus the heat; a new count starts the ledger afresh.
TEST_F(ProcessTest, TheLedgerBalancesAndRestartsWithTheCount)
{
    startGas(g, 60);
    g.setCollisions(true);
    ProcessSettings p;
    p.piston = PistonMode::Moving;
    p.pistonSpeed = 2;
    p.bath = true;
    p.bathTemperature = 3;
    double worst = 0;
    for (int tick = 1; tick <= 100000; ++tick) {
        if (tick % 10000 == 1) {
            p.pistonTarget = (tick / 10000) % 2 == 0 ? 40.0f : 100.0f;
            p.bath = tick < 50000 || tick > 80000;
            g.setProcess(p);
        }
        if (tick == 65000) {
            g.ReglaTemperatura(35);
        }
        g.TimeLoopTimer();
        const EnergyLedger l = g.ledger();
        worst = std::max(worst, std::fabs(l.energyChange - (l.work + l.heat)));
        ASSERT_LE(highestParticle(s()), g.pistonPosition()) << "tick " << tick;
    }
    const EnergyLedger l = g.ledger();
    EXPECT_GT(std::fabs(l.work), 10.0);
    EXPECT_GT(std::fabs(l.heat), 10.0);
    EXPECT_LT(worst, 1e-5 * 0.01 * s().Energ) << "W " << l.work << " Q " << l.heat;

    s().NumParPedido = 40;
    g.GenPar();
    const EnergyLedger fresh = g.ledger();
    EXPECT_EQ(fresh.work, 0);
    EXPECT_EQ(fresh.heat, 0);
    EXPECT_EQ(fresh.energyChange, 0);
}

// The bath's logarithm is the true one rounded to float, on every value the
// bath's uniform draw gives and on a spread of others down to 2^-46 (the
// smallest radius the normal pair can draw).
TEST(PortableLog, IsTheTrueLogarithmRoundedToFloat)
{
    int64_t wrong = 0;
    float worst = 0;
    const auto check = [&](float x) {
        const float want = static_cast<float>(std::log(static_cast<double>(x)));
        if (portableLog(x) != want) {
            ++wrong;
            worst = x;
        }
    };
    for (uint32_t k = 1; k < (1u << 24); k += 2) {
        check(static_cast<float>(k) * (1.0f / 16777216.0f));
    }
    std::mt19937 random(7);
    for (int n = 0; n < 2000000; ++n) {
        const uint32_t bits = random();
        const int exponent = 127 - 1 - static_cast<int>(bits % 46); // 2^-46 .. 2^-1
        check(std::ldexp(1.0f + static_cast<float>(bits >> 9) * 0x1p-23f, exponent - 127));
    }
    for (const float x : {1.0f, 0.5f, 0.70710677f, 0.70710683f, 0x1p-46f, 0.99999994f}) {
        check(x);
    }
    EXPECT_EQ(wrong, 0) << "for instance at " << worst;
}

} // namespace
