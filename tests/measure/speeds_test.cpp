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

// A heavy particle's speeds against the gas's temperature, not against their
// own mean: a particle that runs hot must show it.
TEST(MaxwellBoltzmann, KsDistanceAgainstAGivenTemperature)
{
    std::mt19937 gen(11);
    std::normal_distribution<double> normal(0.0, 2.0);
    std::vector<double> drawn;
    for (int i = 0; i < 20000; ++i) {
        drawn.push_back(std::hypot(normal(gen), normal(gen), normal(gen)));
    }
    EXPECT_LT(*maxwellBoltzmannKs(drawn, 4.0), 0.015);
    EXPECT_GT(*maxwellBoltzmannKs(drawn, 2.0), 0.2) << "twice as hot as the curve";
    EXPECT_NEAR(*maxwellBoltzmannKs(drawn, 2.0), *maxwellBoltzmannKs(drawn, 2.0 * (1 + 1e-12)),
                1e-9);
    EXPECT_FALSE(maxwellBoltzmannKs({}, 4.0).has_value());
    EXPECT_FALSE(maxwellBoltzmannKs(drawn, 0.0).has_value());
    EXPECT_FALSE(maxwellBoltzmannKs(drawn, NAN).has_value());
}

// Whatever the run's length, the kept samples are those whose number is a
// multiple of one stride: evenly spread from the run's start, and never more
// than the capacity nor fewer than half of it once it was reached.
TEST(ThinnedSpeeds, KeepsEveryStrideThSampleOfTheWholeRun)
{
    const struct
    {
        size_t capacity;
        int offered;
    } cases[] = {{10, 0}, {10, 7}, {10, 10}, {10, 11}, {10, 21}, {9, 100}, {7, 1000}, {2, 33}};
    for (const auto &c : cases) {
        ThinnedSpeeds t(c.capacity);
        for (int i = 0; i < c.offered; ++i) {
            t.add(i);
        }
        const std::vector<double> &kept = t.kept();
        EXPECT_EQ(t.offered(), c.offered);
        ASSERT_LE(kept.size(), c.capacity) << c.capacity << " " << c.offered;
        if (c.offered == 0) {
            EXPECT_TRUE(kept.empty());
            continue;
        }
        const double stride = kept.size() > 1 ? kept[1] - kept[0] : 1;
        EXPECT_EQ(kept.front(), 0);
        for (size_t k = 0; k < kept.size(); ++k) {
            EXPECT_EQ(kept[k], k * stride) << c.capacity << " " << c.offered << " at " << k;
        }
        // The last offered is no more than a stride past the last kept.
        EXPECT_GT(kept.back() + stride, c.offered - 1.0) << c.capacity << " " << c.offered;
        if (size_t(c.offered) >= c.capacity) {
            EXPECT_GE(2 * kept.size(), c.capacity) << c.capacity << " " << c.offered;
        }
        EXPECT_EQ(t.fastest(), kept.back());
    }
    ThinnedSpeeds t(4);
    for (int i = 0; i < 50; ++i) {
        t.add(1);
    }
    t.clear();
    t.add(3);
    EXPECT_EQ(t.kept(), std::vector<double>{3}) << "a clear starts over at stride 1";
}
