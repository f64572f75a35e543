#include "speeds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

namespace {

// Speeds at the Maxwell–Boltzmann quantiles (i + 1/2) / n, found by bisection
// on the distribution function: the best n-point picture of the curve.
std::vector<double> quantileSpeeds(int n, double s2)
{
    std::vector<double> v;
    for (int i = 0; i < n; ++i) {
        const double p = (i + 0.5) / n;
        double lo = 0, hi = 20 * std::sqrt(s2);
        for (int it = 0; it < 200; ++it) {
            const double mid = 0.5 * (lo + hi);
            (maxwellBoltzmannCdf(mid, s2) < p ? lo : hi) = mid;
        }
        v.push_back(0.5 * (lo + hi));
    }
    return v;
}

} // namespace

TEST(MaxwellBoltzmann, DensityIsTheDerivativeOfTheDistributionAndIntegratesToOne)
{
    const double s2 = 37.0;
    double area = 0, mean = 0;
    const double dv = 0.001;
    for (double v = dv / 2; v < 80; v += dv) {
        area += maxwellBoltzmannDensity(v, s2) * dv;
        mean += v * maxwellBoltzmannDensity(v, s2) * dv;
    }
    EXPECT_NEAR(area, 1.0, 1e-9);
    // Mean speed of the distribution: sqrt(8/pi) s.
    EXPECT_NEAR(mean, std::sqrt(8.0 / M_PI * s2), 1e-6);
    for (const double v : {1.0, 5.0, 12.0}) {
        const double h = 1e-5;
        const double slope =
            (maxwellBoltzmannCdf(v + h, s2) - maxwellBoltzmannCdf(v - h, s2)) / (2 * h);
        EXPECT_NEAR(slope, maxwellBoltzmannDensity(v, s2), 1e-7) << v;
    }
    EXPECT_EQ(maxwellBoltzmannDensity(3.0, 0.0), 0.0);
    EXPECT_EQ(maxwellBoltzmannCdf(3.0, 0.0), 0.0);
}

TEST(MaxwellBoltzmann, KsDistanceOfKnownSamples)
{
    // Quantile samples: the largest gap is exactly half a step, 1 / 2n. The
    // curve is fitted to their own <v^2>, which moves it slightly.
    const std::vector<double> ideal = quantileSpeeds(400, 25.0);
    EXPECT_NEAR(meanSquareOverThree(ideal), 25.0, 0.2);
    const auto near = maxwellBoltzmannKs(ideal);
    ASSERT_TRUE(near.has_value());
    EXPECT_LT(*near, 0.01);
    EXPECT_GE(*near, 0.5 / 400 - 1e-12);

    // All particles at one speed: the distance is the curve's value below it,
    // 1 - F(v) above it; the largest gap for v^2 = 3 s^2 is F(sqrt 3 s) = 0.608.
    const std::vector<double> one(100, 4.0);
    const double s2 = 16.0 / 3.0;
    const double f = maxwellBoltzmannCdf(4.0, s2);
    EXPECT_NEAR(*maxwellBoltzmannKs(one), std::max(f, 1 - f), 1e-12);
    EXPECT_NEAR(f, 0.6084, 1e-3);

    // Independent draws of three normal components are Maxwell–Boltzmann:
    // 20 000 of them sit within a few hundredths.
    std::mt19937 gen(7);
    std::normal_distribution<double> normal(0.0, 3.0);
    std::vector<double> drawn;
    for (int i = 0; i < 20000; ++i) {
        const double x = normal(gen), y = normal(gen), z = normal(gen);
        drawn.push_back(std::sqrt(x * x + y * y + z * z));
    }
    EXPECT_LT(*maxwellBoltzmannKs(drawn), 0.015);

    // Nothing to compare: no samples, or a gas at rest.
    EXPECT_FALSE(maxwellBoltzmannKs({}).has_value());
    EXPECT_FALSE(maxwellBoltzmannKs(std::vector<double>(10, 0.0)).has_value());
}

TEST(SpeedDensity, BarsAddUpToOneAndKeepEverySample)
{
    const std::vector<double> speeds = {0.0, 0.5, 1.0, 1.5, 2.0, 9.9, 10.0, 25.0};
    const DensityHistogram h = speedDensity(speeds, 10, 10.0);
    ASSERT_EQ(h.density.size(), 10u);
    EXPECT_DOUBLE_EQ(h.binWidth, 1.0);
    const double area = std::accumulate(h.density.begin(), h.density.end(), 0.0) * h.binWidth;
    EXPECT_DOUBLE_EQ(area, 1.0);
    // 0 and 0.5 in the first bin; 10 and 25 beyond the range go to the last.
    EXPECT_DOUBLE_EQ(h.density[0], 2.0 / 8.0);
    EXPECT_DOUBLE_EQ(h.density[9], 3.0 / 8.0);

    EXPECT_TRUE(speedDensity({}, 10, 10.0).density.empty());
    EXPECT_TRUE(speedDensity(speeds, 10, 0.0).density.empty());
}

TEST(SpeedSampler, KeepsTheNewestSnapshotsOfSpeeds)
{
    SpeedSampler sampler(3);
    EXPECT_TRUE(sampler.samples().empty());
    const float vx[] = {3, 0}, vy[] = {4, 0}, vz[] = {0, 2};
    for (int k = 1; k <= 5; ++k) {
        const float scale[] = {float(k), float(k)};
        const float x[] = {vx[0] * scale[0], vx[1]}, y[] = {vy[0] * scale[0], vy[1]};
        sampler.addSnapshot(x, y, vz, 2);
    }
    // Snapshots 3, 4, 5 remain, oldest first.
    EXPECT_EQ(sampler.snapshots(), 3);
    EXPECT_EQ(sampler.samples(), (std::vector<double>{15, 2, 20, 2, 25, 2}));
    // A snapshot of an empty gas counts as a snapshot with no speeds.
    sampler.addSnapshot(vx, vy, vz, 0);
    EXPECT_EQ(sampler.samples(), (std::vector<double>{20, 2, 25, 2}));
    sampler.clear();
    EXPECT_TRUE(sampler.samples().empty());
}
