#include "speeds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

TEST(MaxwellBoltzmann, DensityIntegratesToOneAndIsTheSlopeOfTheDistribution)
{
    const double s2 = 37.0, dv = 0.001;
    double area = 0, mean = 0;
    for (double v = dv / 2; v < 80; v += dv) {
        area += maxwellBoltzmannDensity(v, s2) * dv;
        mean += v * maxwellBoltzmannDensity(v, s2) * dv;
    }
    EXPECT_NEAR(area, 1.0, 1e-9);
    EXPECT_NEAR(mean, std::sqrt(8.0 / M_PI * s2), 1e-6); // the mean speed
    for (const double v : {1.0, 5.0, 12.0}) {
        const double slope =
            (maxwellBoltzmannCdf(v + 1e-5, s2) - maxwellBoltzmannCdf(v - 1e-5, s2)) / 2e-5;
        EXPECT_NEAR(slope, maxwellBoltzmannDensity(v, s2), 1e-7) << v;
    }
    EXPECT_EQ(maxwellBoltzmannDensity(3.0, 0.0) + maxwellBoltzmannCdf(3.0, 0.0), 0.0);
}

TEST(MaxwellBoltzmann, KsDistanceOfKnownSamples)
{
    // All at one speed v: the curve with s^2 = v^2 / 3 has F(v) = 0.608 below
    // it. 99 slow and one fast: the step up to 0.99 at the slow speed.
    const double f = maxwellBoltzmannCdf(4.0, 16.0 / 3.0);
    EXPECT_NEAR(f, 0.6084, 1e-3);
    EXPECT_NEAR(*maxwellBoltzmannKs(std::vector<double>(100, 4.0)), f, 1e-12);
    std::vector<double> slow(99, 1.0);
    slow.push_back(10.0);
    EXPECT_NEAR(*maxwellBoltzmannKs(slow), 0.99 - maxwellBoltzmannCdf(1.0, 199.0 / 300), 1e-12);

    // Three normal components make a Maxwell–Boltzmann speed.
    std::mt19937 gen(7);
    std::normal_distribution<double> normal(0.0, 3.0);
    std::vector<double> drawn;
    for (int i = 0; i < 20000; ++i) {
        drawn.push_back(std::hypot(normal(gen), normal(gen), normal(gen)));
    }
    EXPECT_LT(*maxwellBoltzmannKs(drawn), 0.015);

    EXPECT_FALSE(maxwellBoltzmannKs({}).has_value());
    EXPECT_FALSE(maxwellBoltzmannKs(std::vector<double>(10, 0.0)).has_value()) << "gas at rest";
}

TEST(SpeedDensity, BarsAddUpToOneAndKeepEverySample)
{
    const std::vector<double> speeds = {0.0, 0.5, 1.0, 1.5, 2.0, 9.9, 10.0, 25.0};
    const DensityHistogram h = speedDensity(speeds, 10, 5.0);
    ASSERT_EQ(h.density.size(), 10u);
    EXPECT_DOUBLE_EQ(std::accumulate(h.density.begin(), h.density.end(), 0.0) * h.binWidth, 1.0);
    EXPECT_DOUBLE_EQ(h.density[0], 1 / (8 * 0.5));
    EXPECT_DOUBLE_EQ(h.density[9], 3 / (8 * 0.5)) << "speeds past the range go to the last bar";
    EXPECT_TRUE(speedDensity({}, 10, 10.0).density.empty());
    EXPECT_TRUE(speedDensity(speeds, 10, 0.0).density.empty());
}

TEST(SpeedSampler, KeepsTheNewestSnapshotsOfSpeeds)
{
    SpeedSampler sampler(3);
    const float vy[] = {4, 0}, vz[] = {0, 2};
    for (float k = 1; k <= 5; ++k) {
        const float vx[] = {3 * k, 0}, vyk[] = {vy[0] * k, 0};
        sampler.addSnapshot(vx, vyk, vz, 2);
    }
    EXPECT_EQ(sampler.samples(), (std::vector<double>{15, 2, 20, 2, 25, 2})) << "oldest first";
    sampler.addSnapshot(vy, vy, vz, 0); // an empty gas: a snapshot with no speeds
    EXPECT_EQ(sampler.samples(), (std::vector<double>{20, 2, 25, 2}));
    sampler.clear();
    EXPECT_TRUE(sampler.samples().empty());
}
