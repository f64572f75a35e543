#include "freepath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// Values worked by hand (four or more figures) from the textbook formulas.
TEST(FreePath, EnskogsFactorAtHandValues)
{
    const struct
    {
        double eta, chi;
    } cases[] = {
        {0.0, 1.0},             // a dilute gas: the plain formula
        {0.1, 0.95 / 0.729},    // 1.30316
        {0.5, 0.75 / 0.125},    // 6
        {0.0042412, 1.0106843}, // 300 spheres of radius 1.5 in the box
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(enskogChi(c.eta), c.chi, 1e-6 * c.chi) << "eta " << c.eta;
    }
    EXPECT_TRUE(std::isnan(enskogChi(1.0)));
    EXPECT_TRUE(std::isnan(enskogChi(-0.1)));
}

TEST(FreePath, OneSpeciesAtHandValues)
{
    // n = 3e-4, d = 3: eta = pi 3e-4 27 / 6 = 0.0042412, chi = 1.010684,
    // lambda = 1 / (1.414214 x 3e-4 x pi x 9 x 1.010684) = 82.481.
    // kT = 100, m = 1: v = sqrt(800 / pi) = 15.9577, z = v / lambda.
    const struct
    {
        double n, d, lambda;
    } cases[] = {
        {3e-4, 3, 82.4814},
        {3e-4, 4, 45.7213},
        {5e-4, 3, 49.1381},
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(meanFreePathTheory(c.n, c.d), c.lambda, 1e-4) << c.n << " " << c.d;
    }
    EXPECT_NEAR(packingFraction(3e-4, 3), 0.00424115, 1e-8);
    EXPECT_NEAR(meanSpeed(100, 1), 15.95769, 1e-5);
    EXPECT_NEAR(collisionRateTheory(3e-4, 3, 100, 1), 0.1934703, 1e-6);
    // Four times the mass: half the speed, half the rate.
    EXPECT_NEAR(collisionRateTheory(3e-4, 3, 100, 4), 0.1934703 / 2, 1e-6);
}

TEST(FreePath, TheWallsShadowTheLayerNearThem)
{
    // The whole box (A / V = 0.06), d = 4: 1 - 4 x 0.06 / 4 = 0.94; the
    // rate falls by that, the path grows by its inverse.
    EXPECT_NEAR(wallShadow(4, 0.06), 0.94, 1e-12);
    EXPECT_EQ(wallShadow(4, 0), 1.0);
    EXPECT_EQ(wallShadow(100, 1), 0.0) << "never negative";
    EXPECT_NEAR(meanFreePathTheory(3e-4, 4, 0.06), 45.7213 / 0.94, 1e-3);
    EXPECT_NEAR(collisionRateTheory(3e-4, 4, 100, 1, 0.06),
                0.94 * collisionRateTheory(3e-4, 4, 100, 1), 1e-9);
    // In a mixture each pair's contact distance casts its own: A-A (2)
    // 0.97, A-B (3) 0.955, B-B (4) 0.94.
    const std::vector<SpeciesPart> parts = {{1e-4, 1, 1}, {1e-4, 2, 1}};
    const std::vector<double> open = mixtureCollisionRates(parts, 1);
    const std::vector<double> box = mixtureCollisionRates(parts, 1, 0.06);
    const double aa = 1e-4 * std::numbers::pi * 4 * std::sqrt(8 / (std::numbers::pi * 0.5));
    const double ab = 1e-4 * std::numbers::pi * 9 * std::sqrt(8 / (std::numbers::pi * 0.5));
    EXPECT_NEAR(open[0], (aa + ab) * enskogChi(packingFraction(1e-4, 2) + packingFraction(1e-4, 4)),
                1e-12);
    EXPECT_NEAR(box[0] / open[0], (0.97 * aa + 0.955 * ab) / (aa + ab), 1e-12);
}

TEST(FreePath, AMixtureOfOneKindIsThatKind)
{
    // One species, or the same species split in two: the one-species
    // formulas, which the reduced mass (m/2) and the sum of radii must give.
    const double kT = 150, n = 4e-4, r = 2, m = 3;
    const double z = collisionRateTheory(n, 2 * r, kT, m);
    const double lambda = meanFreePathTheory(n, 2 * r);
    for (const auto &parts : {std::vector<SpeciesPart>{{n, r, m}},
                              std::vector<SpeciesPart>{{n / 4, r, m}, {3 * n / 4, r, m}}}) {
        for (const double rate : mixtureCollisionRates(parts, kT)) {
            EXPECT_NEAR(rate, z, 1e-12 * z);
        }
        EXPECT_NEAR(mixtureMeanFreePath(parts, kT), lambda, 1e-9 * lambda);
    }
}

TEST(FreePath, UnequalSpeciesAtHandValues)
{
    // A: n 1e-4, r 1, m 1; B: n 2e-4, r 2, m 4; kT = 1. Pair diameters 2,
    // 3, 4; reduced masses 1/2, 4/5, 2; eta = pi (1e-4 x 8 + 2e-4 x 64) / 6.
    const std::vector<SpeciesPart> parts = {{1e-4, 1, 1}, {2e-4, 2, 4}};
    const std::vector<double> z = mixtureCollisionRates(parts, 1);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_NEAR(z[0], 0.01315799, 1e-8);
    EXPECT_NEAR(z[1], 0.01668373, 1e-8);
    EXPECT_NEAR(mixtureMeanFreePath(parts, 1), 68.5977, 1e-4);
    EXPECT_TRUE(std::isinf(mixtureMeanFreePath({{0, 1, 1}}, 1)));
}

} // namespace
