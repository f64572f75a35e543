#include "freepath.h"
#include "gas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// A mixture gas with no views, its particles then put by hand.
struct Pair
{
    Gas g;
    Pair(float aRadius, float bRadius, float bMass)
    {
        g.setMixture({1, aRadius, 1, bMass, bRadius});
        g.setCollisions(true);
    }
    void put(int i, float x, float vx)
    {
        GasState &s = g.state;
        s.ParX[i] = x;
        s.ParY[i] = 50;
        s.ParZ[i] = 50;
        s.VelX[i] = vx;
        s.VelY[i] = 0;
        s.VelZ[i] = 0;
    }
};

TEST(Mixture, SettingsComeInRangeAndTheSpeciesTakeTheirSlots)
{
    Gas g;
    g.setMixture({120, 0.0f, 1000, 1e9f, NAN});
    const MixtureSettings &m = g.mixtureSettings();
    EXPECT_EQ(m.aCount, 120);
    EXPECT_EQ(m.bCount, kMixtureMaxCount - 120);
    EXPECT_EQ(m.aRadius, kMixtureRadiusMin);
    EXPECT_EQ(m.bRadius, kRadius);
    EXPECT_EQ(m.bMass, kMixtureMassMax);
    EXPECT_EQ(g.state.NumPar, kMixtureMaxCount);
    EXPECT_EQ(g.state.Especie[120], 0);
    EXPECT_EQ(g.state.Especie[121], 1);
    EXPECT_EQ(g.state.Masa[kMixtureMaxCount], kMixtureMassMax);
}

TEST(Mixture, TheLayoutHasNoOverlapsAndEachSpeciesItsTemperature)
{
    Gas g;
    g.ReglaTemperatura(20);
    g.setMixture({250, 2.0f, 250, 16.0f, 3.0f});
    const GasState &s = g.state;
    std::array<double, 2> mv2{0, 0};
    for (int i = 1; i <= s.NumPar; ++i) {
        for (int k = 1; k < i; ++k) {
            const float dx = s.ParX[i] - s.ParX[k], dy = s.ParY[i] - s.ParY[k],
                        dz = s.ParZ[i] - s.ParZ[k];
            ASSERT_GE(std::sqrt(dx * dx + dy * dy + dz * dz), s.RadioPar[i] + s.RadioPar[k])
                << i << " overlaps " << k;
        }
        mv2[s.Especie[i]] +=
            double(s.Masa[i]) * (double(s.VelX[i]) * s.VelX[i] + double(s.VelY[i]) * s.VelY[i] +
                                 double(s.VelZ[i]) * s.VelZ[i]);
    }
    // Equipartition: m <v^2> = 3 k T for both, 250 draws each (sd ~ 5 %).
    const double kT = kTemplateMeanSquare / 3.0 * 400.0;
    EXPECT_NEAR(mv2[0] / 250 / 3, kT, 0.15 * kT);
    EXPECT_NEAR(mv2[1] / 250 / 3, kT, 0.15 * kT);
}

TEST(Mixture, HeadOnUnequalMassesKeepMomentumAndEnergy)
{
    // One dimension: v1' = ((m1 - m2) v1 + 2 m2 v2) / (m1 + m2), and so on.
    const struct
    {
        float m2, v1, v2;
    } cases[] = {{1, 10, 0}, {4, 10, 0}, {16, 5, -5}, {100, 20, -1}, {2.5f, -3, -9}};
    for (const auto &c : cases) {
        Pair p(1.0f, 2.0f, c.m2);
        // Start 0.2 beyond contact (3) on the side each closes from.
        const bool closing = c.v1 > c.v2;
        p.put(1, 50, c.v1);
        p.put(2, closing ? 53.2f : 46.8f, c.v2);
        p.g.TimeLoopTimer();
        const GasState &s = p.g.state;
        const float m1 = 1, m2 = c.m2;
        const float v1 = ((m1 - m2) * c.v1 + 2 * m2 * c.v2) / (m1 + m2);
        const float v2 = ((m2 - m1) * c.v2 + 2 * m1 * c.v1) / (m1 + m2);
        EXPECT_NEAR(s.VelX[1], v1, 1e-4f) << "m2 " << c.m2;
        EXPECT_NEAR(s.VelX[2], v2, 1e-4f) << "m2 " << c.m2;
        EXPECT_NEAR(m1 * s.VelX[1] + m2 * s.VelX[2], m1 * c.v1 + m2 * c.v2, 1e-4f);
        EXPECT_NEAR(m1 * s.VelX[1] * s.VelX[1] + m2 * s.VelX[2] * s.VelX[2],
                    m1 * c.v1 * c.v1 + m2 * c.v2 * c.v2, 1e-5f * (m1 + m2) * 400);
        EXPECT_EQ(p.g.freePaths().collisions, 1);
    }
}

TEST(Mixture, PairsTouchAtTheSumOfTheirRadii)
{
    // A of radius 1 and B of radius 4 approach at 4 per unit time (0.4 a
    // tick): contact at 5. A gap of 0.3 closes in the tick, one of 0.5 not.
    const struct
    {
        float gap;
        bool hit;
    } cases[] = {{0.3f, true}, {0.5f, false}, {0.0f, true}, {3.9f, false}};
    for (const auto &c : cases) {
        Pair p(1.0f, 4.0f, 1.0f);
        p.put(1, 40, 2);
        p.put(2, 45 + c.gap, -2);
        p.g.TimeLoopTimer();
        EXPECT_EQ(p.g.state.VelX[1] < 0, c.hit) << "gap " << c.gap;
        EXPECT_EQ(p.g.freePaths().collisions, c.hit ? 1 : 0);
        const float d = p.g.state.ParX[2] - p.g.state.ParX[1];
        EXPECT_GE(d, 5.0f - 1e-4f) << "never inside each other, gap " << c.gap;
    }
}

TEST(Mixture, AFastPairThatCrossesInOneTickIsFound)
{
    // 10 apart, closing at 200 (20 a tick): the centres pass through each
    // other within the tick, and no end-of-tick test sees them touch.
    Pair p(1.5f, 1.5f, 1.0f);
    p.put(1, 45, 100);
    p.put(2, 55, -100);
    p.g.TimeLoopTimer();
    EXPECT_FLOAT_EQ(p.g.state.VelX[1], -100);
    EXPECT_FLOAT_EQ(p.g.state.VelX[2], 100);
    EXPECT_LT(p.g.state.ParX[1], p.g.state.ParX[2]) << "they bounced, not crossed";
}

TEST(Mixture, TheWallsAreEventsInTimeOrderWithTheContacts)
{
    // A (radius 1) at 99.5 flies at +20 to the wall x = 100 (t = 0.025),
    // comes back and meets B, at rest at 97.5, when it is at 99.5 (t =
    // 0.05): head on, equal masses, A stops and B leaves at -20, at 96.5 by
    // the tick's end. The wall got 2 x 20. Walls met at the tick's end
    // would leave A folded back to 98.5 inside B, with no contact.
    Pair p(1.0f, 1.0f, 1.0f);
    p.put(1, 99.5f, 20);
    p.put(2, 97.5f, 0);
    p.g.TimeLoopTimer();
    const GasState &s = p.g.state;
    EXPECT_NEAR(s.ParX[1], 99.5f, 1e-4);
    EXPECT_NEAR(s.VelX[1], 0.0f, 1e-4);
    EXPECT_NEAR(s.ParX[2], 96.5f, 1e-4);
    EXPECT_NEAR(s.VelX[2], -20.0f, 1e-4);
    EXPECT_NEAR(s.Presion, 40.0f, 1e-3);
    EXPECT_EQ(p.g.freePaths().collisions, 1);

    // In a slab of height 1 a centre at 0.5 flying at 33 meets the piston,
    // the floor and the piston again in one tick (unfolded 0.5 -> 3.8): it
    // ends at 0.2 going down, each hit's 2 x 33 given to the walls, and
    // three mirror images on.
    Gas g;
    g.setMixture({1, 0.5f, 0, 1, 0.5f});
    g.MoverPared(1);
    GasState &t = g.state;
    t.ParX[1] = t.ParZ[1] = 50;
    t.ParY[1] = 0.5f;
    t.VelX[1] = t.VelZ[1] = 0;
    t.VelY[1] = 33;
    g.TimeLoopTimer();
    EXPECT_NEAR(t.ParY[1], 0.2f, 1e-4);
    EXPECT_FLOAT_EQ(t.VelY[1], -33);
    EXPECT_NEAR(t.Presion, 3 * 66.0f, 1e-3);
    EXPECT_NEAR(g.unfoldedPosition(1)[1], 3.8, 1e-4);
}

TEST(Mixture, AChainOfContactsInOneTickIsMadeInTimeOrder)
{
    // Newton's cradle: 1 hits 2 (at rest, touching 3); in time order the
    // speed goes through to 3 and 1 and 2 end at rest.
    Gas g;
    g.setMixture({3, 1.0f, 0, 1, 1.0f});
    g.setCollisions(true);
    const float xs[] = {40, 43, 45};
    const float vs[] = {30, 0, 0};
    for (int i = 1; i <= 3; ++i) {
        g.state.ParX[i] = xs[i - 1];
        g.state.ParY[i] = g.state.ParZ[i] = 50;
        g.state.VelX[i] = vs[i - 1];
        g.state.VelY[i] = g.state.VelZ[i] = 0;
    }
    g.TimeLoopTimer();
    EXPECT_NEAR(g.state.VelX[1], 0, 1e-4);
    EXPECT_NEAR(g.state.VelX[2], 0, 1e-4);
    EXPECT_NEAR(g.state.VelX[3], 30, 1e-4);
    EXPECT_EQ(g.freePaths().collisions, 2);
}

TEST(Mixture, AHotDenseGasKeepsItsEnergyAndLeavesNoPairInsideEachOther)
{
    Gas g;
    g.ReglaTemperatura(100); // fast: a particle flies ~12 a tick
    g.setMixture({300, 1.5f, 200, 4.0f, 2.5f});
    g.setCollisions(true);
    const double before = kineticSum(g.state).total;
    const GasState &s = g.state;
    int overlaps = 0;
    for (int t = 0; t < 50; ++t) {
        g.TimeLoopTimer();
        // Away from the walls, whose end-of-tick folds may set two
        // particles on top of each other.
        const auto clear = [&s](int i) {
            return s.ParX[i] > 20 && s.ParX[i] < 80 && s.ParY[i] > 20 && s.ParY[i] < 80 &&
                   s.ParZ[i] > 20 && s.ParZ[i] < 80;
        };
        for (int i = 1; i <= s.NumPar; ++i) {
            for (int k = 1; k < i; ++k) {
                const float dx = s.ParX[i] - s.ParX[k], dy = s.ParY[i] - s.ParY[k],
                            dz = s.ParZ[i] - s.ParZ[k];
                const float sigma = s.RadioPar[i] + s.RadioPar[k];
                overlaps +=
                    clear(i) && clear(k) && dx * dx + dy * dy + dz * dz < 0.99f * sigma * sigma;
            }
        }
    }
    EXPECT_EQ(overlaps, 0);
    EXPECT_GT(g.freePaths().collisions, 1000);
    EXPECT_NEAR(kineticSum(s).total, before, 1e-4 * before);
}

TEST(Mixture, ContactTimes)
{
    using V = std::array<double, 3>;
    const struct
    {
        V dr, dv;
        double t; // < 0: none in [0, 0.1]
    } cases[] = {
        {{10, 0, 0}, {-100, 0, 0}, 0.07},                       // head on: gap 7 at 100
        {{10, 2, 0}, {-100, 0, 0}, 0.1 - std::sqrt(5.0) / 100}, // off centre
        {{10, 3.5, 0}, {-100, 0, 0}, -1},                       // passes by, 3.5 > 3
        {{10, 0, 0}, {100, 0, 0}, -1},                          // moving apart
        {{10, 0, 0}, {-50, 0, 0}, -1},                          // touches after the tick (0.14)
        {{2, 0, 0}, {-1, 0, 0}, 0}, // inside each other and closing: now
        {{2, 0, 0}, {1, 0, 0}, -1}, // inside each other and parting
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(Gas::contactTime(c.dr, c.dv, 3.0, 0.0, 0.1), c.t, 1e-12)
            << c.dr[0] << "," << c.dr[1] << " " << c.dv[0];
    }
}

TEST(Mixture, MeanFreePathAndCollisionRateMatchTheory)
{
    // 300 spheres of radius 2 in the whole box: n = 3e-4, d = 4, lambda =
    // 45.7 with Enskog's 1.014, 48.6 in the walls' shadow (A / V = 0.06).
    // The mean of the paths against Maxwell's lambda; collisions per
    // particle per unit time against v / lambda. Without the shadow both
    // are 6-7 % off; the time-stepped contact test gives far fewer.
    Gas g;
    g.ReglaTemperatura(20);
    g.setMixture({300, 2.0f, 0, 1, 2.0f});
    g.setCollisions(true);
    for (int t = 0; t < 1000; ++t) {
        g.TimeLoopTimer(); // every particle's first path begins at a collision
    }
    g.resetFreePaths();
    for (int t = 0; t < 10000; ++t) {
        g.TimeLoopTimer();
    }
    const FreePathTally &f = g.freePaths();
    const double kT = kineticSum(g.state).total / (3.0 * 300);
    const double lambda = f.meanPath();
    const double z = f.hits[0] / (300.0 * f.ticks * kTickTime);
    const double lambdaTheory = meanFreePathTheory(3e-4, 4, 0.06);
    const double zTheory = collisionRateTheory(3e-4, 4, kT, 1, 0.06);
    EXPECT_NEAR(lambda, lambdaTheory, 0.02 * lambdaTheory);
    EXPECT_NEAR(z, zTheory, 0.02 * zTheory);
    // The mean of the paths is the distance flown over the paths: v / z.
    EXPECT_NEAR(lambda, meanSpeed(kT, 1) / z, 0.02 * lambda);
    std::printf("lambda %.3f theory %.3f   z %.5f theory %.5f   paths %lld\n", lambda, lambdaTheory,
                z, zTheory, static_cast<long long>(f.paths[0]));
}

} // namespace

// Leaving a mixture gives the classic gas back: the same particles, where a
// classic gas would have them after the same count change, ticking alike.
TEST(Mixture, EndingAMixtureGivesTheClassicGasBack)
{
    Gas classic;
    classic.startAsProgram();
    Gas mixed;
    mixed.startAsProgram();
    mixed.setMixture({300, 2.0f, 100, 16.0f, 4.0f, Divider::Hole, 10.0f, 500.0f, 8.0f});
    mixed.setCollisions(true);
    for (int t = 0; t < 50; ++t) {
        mixed.TimeLoopTimer();
    }
    mixed.endMixture(40);
    classic.setCount(0);
    classic.setCount(40);
    classic.setCollisions(true);
    EXPECT_FALSE(mixed.mixture());
    EXPECT_FALSE(mixed.dividerUp());
    EXPECT_EQ(mixed.heavyParticle(), 0);
    EXPECT_EQ(mixed.state.Mezcla, 0);
    ASSERT_EQ(mixed.state.NumPar, 40);
    for (int t = 0; t < 200; ++t) {
        classic.TimeLoopTimer();
        mixed.TimeLoopTimer();
    }
    for (int i = 1; i <= 40; ++i) {
        EXPECT_EQ(mixed.state.ParX[i], classic.state.ParX[i]) << i;
        EXPECT_EQ(mixed.state.VelY[i], classic.state.VelY[i]) << i;
        EXPECT_EQ(mixed.state.Masa[i], 1.0f) << i;
    }
    EXPECT_EQ(kineticSum(mixed.state).total, kineticSum(classic.state).total);
}

// A field along the height, set with the mixture: out of range it is
// brought in, and the gas settles into the barometric law of each species,
// keeping its kinetic plus potential energy through every collision. (The
// gas heats as it settles from its even start: kT is measured.)
TEST(Mixture, GravitySettlesEachSpeciesToItsScaleHeight)
{
    const struct
    {
        float asked, kept;
    } ranges[] = {{NAN, 0}, {-5, 0}, {1e9f, kGravityMax}, {12, 12}};
    for (const auto &r : ranges) {
        MixtureSettings m;
        m.gravity = r.asked;
        EXPECT_EQ(mixtureInRange(m).gravity, r.kept) << r.asked;
    }
    Gas g;
    g.ReglaTemperatura(20);
    MixtureSettings m{150, 1.0f, 150, 4.0f, 1.0f};
    m.gravity = 12;
    ASSERT_TRUE(g.setMixture(m));
    g.setCollisions(true);
    const GasState &s = g.state;
    const auto total = [&s, &m] {
        double e = 0;
        for (int i = 1; i <= s.NumPar; ++i) {
            const double v2 = double(s.VelX[i]) * s.VelX[i] + double(s.VelY[i]) * s.VelY[i] +
                              double(s.VelZ[i]) * s.VelZ[i];
            e += s.Masa[i] * (v2 / 2 + m.gravity * double(s.ParY[i]));
        }
        return e;
    };
    const double before = total();
    std::array<double, 2> height{0, 0};
    double mv2 = 0;
    int64_t looks = 0;
    for (int t = 0; t < 5000; ++t) {
        g.TimeLoopTimer();
        if (t >= 1500 && t % 10 == 0) {
            for (int i = 1; i <= s.NumPar; ++i) {
                height[static_cast<size_t>(s.Especie[i])] += s.ParY[i];
                mv2 += s.Masa[i] * (double(s.VelX[i]) * s.VelX[i] +
                                    double(s.VelY[i]) * s.VelY[i] + double(s.VelZ[i]) * s.VelZ[i]);
            }
            looks += 1;
        }
    }
    EXPECT_NEAR(total() / before, 1.0, 1e-5);
    EXPECT_GT(g.freePaths().collisions, 10000);
    const double kT = mv2 / (3.0 * s.NumPar * looks);
    for (int sp = 0; sp < 2; ++sp) {
        // n ~ exp(-y / H) between 0 and the top L: a mean height of
        // H - L / (exp(L / H) - 1).
        const double top = g.pistonPosition();
        const double scale = kT / ((sp == 0 ? 1.0 : m.bMass) * m.gravity);
        const double mean = scale - top / std::expm1(top / scale);
        EXPECT_NEAR(height[static_cast<size_t>(sp)] / (150.0 * looks), mean, 0.05 * mean)
            << "species " << sp << " scale height " << scale;
    }
}
