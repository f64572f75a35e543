#include "gas.h"
#include "mixing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A gas of one species-A particle behind a divider, put by hand.
struct Lone
{
    Gas g;
    explicit Lone(Divider divider, float hole = 20)
    {
        MixtureSettings m;
        m.aCount = 1;
        m.aRadius = 1;
        m.divider = divider;
        m.holeSide = hole;
        g.setMixture(m);
        g.setCollisions(true);
    }
    void put(float x, float y, float z, float vx, float vy, float vz)
    {
        GasState &s = g.state;
        s.ParX[1] = x;
        s.ParY[1] = y;
        s.ParZ[1] = z;
        s.VelX[1] = vx;
        s.VelY[1] = vy;
        s.VelZ[1] = vz;
    }
};

double energy(const Gas &g)
{
    return kineticSum(g.state).total;
}

TEST(Divider, AParticleReflectsFromTheSolidPartAndPassesTheHoleWhereItsFlightMeetsThePlane)
{
    // The hole (side 20) spans y and z 40..60 around (50, 50). The flight
    // is tested where it meets the plane, not where the tick starts or ends.
    const struct
    {
        const char *what;
        Divider divider;
        float x, y, z, vx, vy, vz;
        bool passes;
    } cases[] = {
        {"slow, solid", Divider::Solid, 49.5f, 50, 50, 10, 0, 0, false},
        {"fast, solid", Divider::Solid, 45, 50, 50, 300, 0, 0, false},
        {"fast, from the right", Divider::Solid, 70, 50, 50, -400, 0, 0, false},
        {"slow, in the hole", Divider::Hole, 49.5f, 50, 50, 10, 0, 0, true},
        {"fast, in the hole", Divider::Hole, 45, 50, 50, 300, 0, 0, true},
        {"just inside y's edge", Divider::Hole, 49, 59.9f, 50, 20, 0, 0, true},
        {"just outside y's edge", Divider::Hole, 49, 60.1f, 50, 20, 0, 0, false},
        {"just inside z's edge", Divider::Hole, 49, 50, 40.1f, 20, 0, 0, true},
        {"just outside z's edge", Divider::Hole, 49, 50, 39.9f, 20, 0, 0, false},
        // Starts outside the hole's square, meets the plane inside it.
        {"enters the square on its way", Divider::Hole, 46, 63, 50, 80, -100, 0, true},
        // Starts inside, meets the plane outside: it is turned back.
        {"leaves the square on its way", Divider::Hole, 46, 57, 50, 80, 100, 0, false},
        {"a corner, inside", Divider::Hole, 48, 59.5f, 59.5f, 40, 0, 0, true},
        {"a corner, outside", Divider::Hole, 48, 60.5f, 59.5f, 40, 0, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Lone lone(c.divider);
        lone.put(c.x, c.y, c.z, c.vx, c.vy, c.vz);
        const double before = energy(lone.g);
        lone.g.TimeLoopTimer();
        const GasState &s = lone.g.state;
        const double reach = c.x + double(c.vx) * s.DeltaT; // where a free flight ends
        const bool startedLeft = c.x < 50;
        const bool endsLeft = s.ParX[1] < 50;
        EXPECT_EQ(endsLeft != startedLeft, c.passes);
        // A free flight through the hole; a mirror image in the plane off it.
        EXPECT_NEAR(s.ParX[1], c.passes ? reach : 100 - reach, 1e-3);
        EXPECT_EQ(s.VelX[1] == c.vx, c.passes);
        EXPECT_NEAR(s.ParY[1], c.y + double(c.vy) * s.DeltaT, 1e-3);
        EXPECT_DOUBLE_EQ(energy(lone.g), before);
        const EffusionTally &e = lone.g.effusion();
        EXPECT_EQ(e.crossings[0], c.passes && startedLeft ? 1 : 0);
        EXPECT_EQ(e.crossingsBack[0], c.passes && !startedLeft ? 1 : 0);
        EXPECT_EQ(e.leftTicks[0], startedLeft ? 1 : 0);
    }
}

TEST(Divider, OnceRemovedItStopsNothingAndTalliesNothing)
{
    Lone lone(Divider::Solid);
    EXPECT_TRUE(lone.g.dividerUp());
    lone.g.removeDivider();
    EXPECT_FALSE(lone.g.dividerUp());
    lone.put(45, 50, 50, 300, 0, 0);
    lone.g.TimeLoopTimer();
    EXPECT_NEAR(lone.g.state.ParX[1], 75, 1e-3);
    EXPECT_EQ(lone.g.effusion().ticks, 0);
}

TEST(Divider, APlanePositionThatRoundsOntoTheDividerStaysOnItsSide)
{
    // Flights that end a hair from the plane, short of it or turned back
    // just past it: the float position must not land on the plane, or the
    // next tick would find the particle on it and let it through.
    for (const double eps : {1e-8, 1e-7, 4e-7, 1e-6, -1e-8, -1e-7, -1e-6}) {
        SCOPED_TRACE(eps);
        Lone lone(Divider::Solid);
        const float vx = static_cast<float>((1.0 - eps) / double(kDeltaT));
        lone.put(49, 50, 50, vx, 0, 0);
        lone.g.TimeLoopTimer();
        ASSERT_LT(lone.g.state.ParX[1], 50.0f);
        lone.g.state.VelX[1] = std::abs(vx); // on towards the plane
        lone.g.TimeLoopTimer();
        ASSERT_LT(lone.g.state.ParX[1], 50.0f);
    }
}

TEST(Divider, TheLayoutsPutEachSpeciesInItsHalfAndTheHoleIsKeptInRange)
{
    const struct
    {
        Divider divider;
        bool bRight;
    } cases[] = {{Divider::Solid, true}, {Divider::Hole, false}};
    for (const auto &c : cases) {
        Gas g;
        MixtureSettings m;
        m.aCount = 150;
        m.aRadius = 2;
        m.bCount = 100;
        m.bRadius = 3;
        m.bMass = 4;
        m.divider = c.divider;
        g.setMixture(m);
        const GasState &s = g.state;
        for (int i = 1; i <= s.NumPar; ++i) {
            const float r = s.RadioPar[i];
            const bool right = s.Especie[i] == kSpeciesB && c.bRight;
            ASSERT_GE(s.ParX[i], (right ? 50 : 0) + r) << i;
            ASSERT_LE(s.ParX[i], (right ? 100 : 50) - r) << i;
        }
        const SideCounts n = g.sideCounts();
        EXPECT_EQ(n.n[0][0], 150);
        EXPECT_EQ(n.n[1][c.bRight ? 1 : 0], 100);
    }
    const struct
    {
        float asked, kept;
    } sides[] = {{0, kHoleSideMin}, {-5, kHoleSideMin}, {1e6f, kHoleSideMax}, {NAN, 20}, {7.5f, 7.5f}};
    for (const auto &c : sides) {
        Gas g;
        MixtureSettings m;
        m.divider = Divider::Hole;
        m.holeSide = c.asked;
        g.setMixture(m);
        EXPECT_EQ(g.mixtureSettings().holeSide, c.kept) << c.asked;
    }
    Gas g;
    MixtureSettings m;
    m.divider = static_cast<Divider>(7);
    g.setMixture(m);
    EXPECT_FALSE(g.dividerUp());
}

TEST(Divider, NothingCrossesASolidDividerInAHotDenseGasAndEnergyIsKept)
{
    Gas g;
    g.ReglaTemperatura(100);
    MixtureSettings m;
    m.aCount = 200;
    m.aRadius = 2.5f;
    m.bCount = 200;
    m.bRadius = 1;
    m.bMass = 1; // light and fast: 40 units a tick at the tail
    m.divider = Divider::Solid;
    g.setMixture(m);
    g.setCollisions(true);
    const double before = energy(g);
    for (int t = 0; t < 1500; ++t) {
        g.TimeLoopTimer();
        const SideCounts n = g.sideCounts();
        ASSERT_EQ(n.n[0][0], 200) << "tick " << t;
        ASSERT_EQ(n.n[1][1], 200) << "tick " << t;
    }
    EXPECT_NEAR(energy(g), before, 1e-5 * before);
    EXPECT_GT(g.freePaths().collisions, 1000);
}

TEST(Divider, TheSideCountsFollowTheTallyOfCrossings)
{
    Gas g;
    g.ReglaTemperatura(60);
    MixtureSettings m;
    m.aCount = 200;
    m.aRadius = 1;
    m.bCount = 200;
    m.bRadius = 1;
    m.bMass = 9;
    m.divider = Divider::Hole;
    m.holeSide = 40;
    g.setMixture(m);
    g.setCollisions(true);
    std::array<double, 2> leftTicks{0, 0};
    for (int t = 0; t < 1000; ++t) {
        const SideCounts n = g.sideCounts();
        leftTicks[0] += n.n[0][0];
        leftTicks[1] += n.n[1][0];
        g.TimeLoopTimer();
    }
    const SideCounts n = g.sideCounts();
    const EffusionTally &e = g.effusion();
    EXPECT_EQ(e.ticks, 1000);
    for (size_t s = 0; s < 2; ++s) {
        EXPECT_GT(e.crossings[s], 20) << s;
        EXPECT_EQ(n.n[s][1], e.crossings[s] - e.crossingsBack[s]) << s;
        EXPECT_EQ(n.n[s][0] + n.n[s][1], 200) << s;
        EXPECT_EQ(e.leftTicks[s], leftTicks[s]) << s;
    }
    g.resetEffusion();
    EXPECT_EQ(g.effusion().crossings[0], 0);
    EXPECT_EQ(g.effusion().ticks, 0);
}

TEST(Divider, EffusionRatesFollowKnudsenAndGraham)
{
    // A dilute gas (mean free path about 225 against a hole of side 20):
    // each species' rate per particle on the left is A / (4 V) x its mean
    // speed, so the rates' ratio is sqrt(m_B / m_A). The crossings are
    // counts, so each rate carries a relative error of 1 / sqrt(crossings):
    // the test allows four of those.
    for (const float mass : {4.0f, 16.0f}) {
        SCOPED_TRACE(mass);
        Gas g;
        g.ReglaTemperatura(80);
        MixtureSettings m;
        m.aCount = 250;
        m.aRadius = 0.5f;
        m.bCount = 250;
        m.bRadius = 0.5f;
        m.bMass = mass;
        m.divider = Divider::Hole;
        m.holeSide = 20;
        g.setMixture(m);
        g.setCollisions(true);
        for (int t = 0; t < 4000; ++t) {
            g.TimeLoopTimer();
        }
        const EffusionTally &e = g.effusion();
        const double kT = kTemplateMeanSquare / 3.0 * 80.0 * 80.0;
        const double volume = 50.0 * 100.0 * 100.0;
        const double dt = g.state.DeltaT;
        for (size_t s = 0; s < 2; ++s) {
            const double theory = effusionRateTheory(400, volume, kT, s == 0 ? 1.0 : mass);
            const double error = 1 / std::sqrt(double(e.crossings[s]));
            EXPECT_NEAR(e.rate(int(s), dt) / theory, 1, 4 * error) << s;
        }
        const std::optional<double> ratio =
            effusionRatio(e.crossings[0], e.leftTicks[0], e.crossings[1], e.leftTicks[1]);
        ASSERT_TRUE(ratio.has_value());
        const double error = std::sqrt(1.0 / e.crossings[0] + 1.0 / e.crossings[1]);
        EXPECT_NEAR(*ratio / grahamRatio(1, mass), 1, 4 * error);
    }
}

} // namespace
