#include "displacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Positions = std::vector<std::array<float, 3>>;

TEST(Displacement, StraightFlightsGiveSpeedSquaredTimesLagSquared)
{
    // Particles on straight lines: |r(t0 + t) - r(t0)|^2 = v^2 t^2 whatever t0.
    const std::array<float, 3> v[] = {{1, 0, 0}, {0, -2, 0}, {0.5f, 0.5f, 1}};
    const double meanV2 = (1.0 + 4.0 + 1.5) / 3.0;
    const double dt = 0.5;
    DisplacementLog log;
    for (int s = 0; s < 20; ++s) {
        Positions r;
        for (const auto &u : v) {
            const float t = static_cast<float>(s * dt);
            r.push_back({10 + u[0] * t, 20 + u[1] * t, 30 + u[2] * t});
        }
        log.add(s * dt, r);
    }
    const auto curve = log.curve(8);
    ASSERT_EQ(curve.size(), 8u);
    for (size_t k = 0; k < curve.size(); ++k) {
        const double t = (k + 1) * dt;
        EXPECT_NEAR(curve[k].t, t, 1e-12);
        EXPECT_NEAR(curve[k].msd, meanV2 * t * t, 1e-4 * meanV2 * t * t) << "lag " << k + 1;
    }
    // The lags stop at the log's length less one.
    EXPECT_EQ(log.curve(1000).size(), 19u);
}

TEST(Displacement, LatticeWalkGivesSixDt)
{
    // Each step moves every particle by +-a on each axis: 3 a^2 per step of
    // dt, so MSD = 6 D t with D = a^2 / (2 dt). 400 walkers over 1500 steps,
    // lags to 50: the origins overlap, but some 400 x 30 independent
    // stretches of 50 steps leave D within about 1 %; 3 % is a fault.
    const double a = 0.5, dt = 0.1;
    const double d = a * a / (2 * dt);
    std::mt19937 random(7);
    std::bernoulli_distribution coin;
    Positions r(400, {50, 50, 50});
    DisplacementLog log(2048);
    for (int s = 0; s < 1500; ++s) {
        log.add(s * dt, r);
        for (auto &p : r) {
            for (float &x : p) {
                x += coin(random) ? a : -a;
            }
        }
    }
    const auto curve = log.curve(50);
    const auto fit = DisplacementLog::fitDiffusion(curve, 0, 1e9);
    ASSERT_TRUE(fit.ok);
    EXPECT_NEAR(fit.d, d, 0.03 * d);
    EXPECT_GT(fit.se, 0);
    EXPECT_LT(fit.se, 0.03 * d);
    // At one step the walk is exactly 3 a^2 on average.
    EXPECT_NEAR(curve[0].msd, 3 * a * a, 0.02 * 3 * a * a);
}

TEST(Displacement, AnotherParticleCountStartsAfresh)
{
    DisplacementLog log;
    log.add(0, Positions(2, {0, 0, 0}));
    log.add(1, Positions(2, {1, 0, 0}));
    log.add(2, Positions(2, {2, 0, 0}));
    EXPECT_EQ(log.samples(), 3u);
    // Three particles now: the old samples cannot be paired with them.
    log.add(3, Positions(3, {5, 0, 0}));
    EXPECT_EQ(log.samples(), 1u);
    EXPECT_TRUE(log.curve(10).empty());
    log.add(4, Positions(3, {7, 0, 0}));
    const auto curve = log.curve(10);
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_DOUBLE_EQ(curve[0].msd, 4.0);
    log.clear();
    EXPECT_EQ(log.samples(), 0u);
}

TEST(Displacement, CapacityDropsTheOldest)
{
    // x = s^2 at sample s; with room for three, samples 2, 3, 4 remain:
    // lag 1 pairs (4, 9) and (9, 16), lag 2 (4, 16).
    DisplacementLog log(3);
    for (int s = 0; s < 5; ++s) {
        log.add(s, Positions(1, {static_cast<float>(s * s), 0, 0}));
    }
    EXPECT_EQ(log.samples(), 3u);
    const auto curve = log.curve(5);
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_DOUBLE_EQ(curve[0].msd, (25.0 + 49.0) / 2);
    EXPECT_DOUBLE_EQ(curve[1].msd, 144.0);
    EXPECT_DOUBLE_EQ(curve[1].t, 2.0);
}

TEST(Displacement, FitOnExactLinesAndTooFewPoints)
{
    const struct
    {
        double d, c, from, to;
        bool ok;
    } cases[] = {
        {2.5, 0, 1, 10, true},
        {0.75, -3, 2, 6, true},   // the offset a ballistic start leaves
        {40, 12, 3.5, 5.5, true}, // three points: 4, 5 and, at 5.5, none
        {1, 0, 4, 5.5, false},    // two points: no spread to judge
        {1, 0, 20, 30, false},    // beyond the curve
    };
    for (const auto &c : cases) {
        std::vector<DisplacementLog::Point> curve;
        for (int k = 1; k <= 12; ++k) {
            // Points outside the range are off the line: they must not count.
            const bool inside = k >= c.from && k <= c.to;
            curve.push_back({static_cast<double>(k), 6 * c.d * k + c.c + (inside ? 0 : 1000.0 * k)});
        }
        if (c.d == 40) {
            curve.push_back({3.0 + 0.5, 6 * c.d * 3.5 + c.c}); // on the line, at the edge
        }
        const auto fit = DisplacementLog::fitDiffusion(curve, c.from, c.to);
        EXPECT_EQ(fit.ok, c.ok) << "from " << c.from;
        if (c.ok) {
            EXPECT_NEAR(fit.d, c.d, 1e-9 * c.d) << "from " << c.from;
            EXPECT_NEAR(fit.se, 0, 1e-6 * c.d);
            EXPECT_EQ(fit.from, c.from);
            EXPECT_EQ(fit.to, c.to);
        }
    }
}

TEST(Displacement, FitRangeStartsAfterTenCollisionTimesAndStopsBeforeTheLimit)
{
    std::vector<DisplacementLog::Point> curve;
    for (int k = 1; k <= 100; ++k) {
        curve.push_back({0.1 * k, 10.0 * k}); // msd 10 per sample
    }
    const auto open = diffusionFitRange(curve, 2.0);
    EXPECT_DOUBLE_EQ(open.from, 5.0);
    EXPECT_NEAR(open.to, 10.0, 1e-12);
    const auto limited = diffusionFitRange(curve, 2.0, 805);
    EXPECT_NEAR(limited.to, 8.0, 1e-12);
    // A limit reached before the range begins leaves an empty range.
    const auto early = diffusionFitRange(curve, 2.0, 100);
    EXPECT_DOUBLE_EQ(early.to, early.from);
    EXPECT_FALSE(DisplacementLog::fitDiffusion(curve, early.from, early.to).ok);
    EXPECT_NEAR(boxMsdLimit(100, 100, 100), 5000.0, 1e-9);
}

TEST(Displacement, MixtureTheoryReducesToOneSpecies)
{
    // kT 200, n 2e-4, radius 2: the pure gas's D, with chi from eta.
    const double n = 2e-4, r = 2, kT = 200;
    const double chi = enskogChi(packingFraction(n, 2 * r));
    const double pure = diffusionTheory(n, 2 * r, kT, 1, chi);
    // Worked by hand: eta 0.006702, chi 1.016959, 3 / (8 x 2e-4 x 16 x chi) x sqrt(200 / pi) = 919.43.
    EXPECT_NEAR(pure, 919.43, 0.05);
    EXPECT_NEAR(mixtureDiffusionTheory({{n, r, 1}}, 0, kT), pure, 1e-9 * pure);
    // The same gas told as two species of identical particles.
    EXPECT_NEAR(mixtureDiffusionTheory({{n / 4, r, 1}, {3 * n / 4, r, 1}}, 1, kT), pure,
                1e-9 * pure);
    // Heavier partners hold a particle back more (reduced mass up to its own).
    EXPECT_LT(mixtureDiffusionTheory({{n / 2, r, 1}, {n / 2, r, 50}}, 0, kT), pure);
    EXPECT_TRUE(std::isnan(mixtureDiffusionTheory({{n, r, 1}}, 1, kT)));
    EXPECT_NEAR(meanSquareSpeedTheory(200, 400), 1.5, 1e-12);
}

} // namespace
