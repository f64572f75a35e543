#include "pvfit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Readings on P V^gamma = c at the given wall positions.
std::vector<PvPoint> onCurve(double gamma, std::initializer_list<double> walls, double c = 1e12)
{
    std::vector<PvPoint> path;
    for (const double w : walls) {
        const double v = volumeAtWall(w);
        path.push_back({v, c * std::pow(v, -gamma)});
    }
    return path;
}

} // namespace

TEST(PvFit, RecoversTheExponentOfAnExactPowerLawWithNoError)
{
    for (const double gamma : {1.0, kMonatomicGamma, 2.5, -0.5}) {
        SCOPED_TRACE(gamma);
        // A compression there and partly back: the order does not matter.
        const auto fit = fitPolytrope(onCurve(gamma, {100, 90, 75, 50, 60}));
        ASSERT_TRUE(fit.has_value());
        EXPECT_NEAR(fit->gamma, gamma, 1e-12);
        EXPECT_NEAR(fit->standardError, 0, 1e-9);
        EXPECT_EQ(fit->points, 5);
    }
}

TEST(PvFit, StandardErrorOfTheSlopeFromTheResiduals)
{
    // ln V = 0, 1, 2 and ln P = 0, -1, -3: slope -3/2, residuals -1/6, 1/3,
    // -1/6, so SE = sqrt((1/6) / (3 - 2) / 2).
    const double e = std::exp(1.0);
    const std::vector<PvPoint> path{{1, 1}, {e, 1 / e}, {e * e, std::exp(-3.0)}};
    const auto fit = fitPolytrope(path);
    ASSERT_TRUE(fit.has_value());
    EXPECT_NEAR(fit->gamma, 1.5, 1e-12);
    EXPECT_NEAR(fit->standardError, std::sqrt(1.0 / 12.0), 1e-12);
}

TEST(PvFit, NoFitUntilTheVolumeChangedByATenthOrWithoutThreeUsablePoints)
{
    const struct
    {
        const char *what;
        std::vector<PvPoint> path;
        double change;
        bool fitted;
    } cases[] = {
        {"empty", {}, 0, false},
        {"one volume", onCurve(1, {80, 80, 80, 80}), 0, false},
        {"9 % compression", onCurve(1, {100, 95, 91}), 0.09, false},
        {"10 % compression", onCurve(1, {100, 95, 90}), 0.10, true},
        {"expansion past a tenth and back", onCurve(1, {50, 60, 50}), 0.20, true},
        {"two points", onCurve(1, {100, 50}), 0.5, false},
        // No logarithm of a pressure of 0 (a reading with no impact) or of a
        // wall at 0: those points leave the fit, which then has too few.
        {"zero pressure left out", {{1e6, 100}, {8e5, 0}, {6e5, 0}, {4e5, 250}}, 0.6, false},
        {"first volume 0", {{0, 1}, {1e5, 2}, {2e5, 3}}, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(relativeVolumeChange(c.path), c.change, 1e-12);
        EXPECT_EQ(fitPolytrope(c.path).has_value(), c.fitted);
    }
    // Usable points only: the zero-pressure readings do not pull the slope.
    std::vector<PvPoint> path = onCurve(2, {100, 80, 60});
    path.push_back({volumeAtWall(40), 0});
    EXPECT_NEAR(fitPolytrope(path)->gamma, 2, 1e-12);
    EXPECT_EQ(fitPolytrope(path)->points, 3);
}

TEST(PvFit, TheIsothermAndTheAdiabatThroughAReading)
{
    const PvPoint first{volumeAtWall(100), 3762};
    EXPECT_DOUBLE_EQ(*pressureThrough(first, 1, volumeAtWall(50)), 2 * 3762.0);
    EXPECT_NEAR(*pressureThrough(first, kMonatomicGamma, volumeAtWall(50)),
                3762 * std::pow(2.0, 5.0 / 3.0), 1e-9);
    EXPECT_DOUBLE_EQ(*pressureThrough(first, kMonatomicGamma, first.volume), 3762);
    EXPECT_FALSE(pressureThrough(first, 1, 0).has_value());
    EXPECT_FALSE(pressureThrough({0, 5}, 1, 1e5).has_value());
}
