#include "pvfit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

namespace {

// A process of n readings from volume v0 to v1 at an even pace, ln P on
// P V^gamma = c plus noise of the given spread whose readings remember the
// one before with correlation rho (the gas carries its fluctuations over).
std::vector<PvPoint> noisyPath(double gamma, double v0, double v1, int n, double spread,
                               double rho, std::mt19937 &random)
{
    std::normal_distribution<double> normal(0, spread * std::sqrt(1 - rho * rho));
    std::vector<PvPoint> path;
    double e = std::normal_distribution<double>(0, spread)(random);
    for (int i = 0; i < n; ++i) {
        const double v = v0 + (v1 - v0) * i / (n - 1);
        path.push_back({v, 1e12 * std::pow(v, -gamma) * std::exp(e)});
        e = rho * e + normal(random);
    }
    return path;
}

} // namespace

TEST(PvFit, TheErrorCoversTheScatterOfCorrelatedReadings)
{
    // Many runs of one adiabatic compression, differing only in their noise:
    // the exponent's spread from run to run is what the error must tell. The
    // textbook error, which takes the readings as independent, falls short
    // by about sqrt((1 + rho) / (1 - rho)).
    std::mt19937 random(7);
    const int runs = 400;
    double sum = 0, sumSq = 0, errors = 0, textbook = 0;
    int powerLaws = 0;
    for (int k = 0; k < runs; ++k) {
        const auto fit =
            fitPolytrope(noisyPath(kMonatomicGamma, 1e6, 5e5, 300, 0.03, 0.8, random));
        ASSERT_TRUE(fit.has_value());
        sum += fit->gamma;
        sumSq += fit->gamma * fit->gamma;
        errors += fit->error;
        textbook += fit->standardError;
        powerLaws += fit->shape == PvShape::PowerLaw;
        EXPECT_GT(fit->blockLength, 1);
    }
    const double mean = sum / runs;
    const double spread = std::sqrt((sumSq - runs * mean * mean) / (runs - 1));
    EXPECT_NEAR(mean, kMonatomicGamma, 3 * spread / std::sqrt(runs));
    EXPECT_GT(errors / runs, 0.75 * spread);
    EXPECT_LT(errors / runs, 1.4 * spread);
    EXPECT_LT(textbook / runs, 0.5 * spread);
    EXPECT_GE(powerLaws, runs * 95 / 100) << powerLaws;
}

TEST(PvFit, SaysWhatAPathIsWhenItIsNoPowerLaw)
{
    std::mt19937 random(11);
    const auto noisy = [&](std::vector<PvPoint> path) {
        std::normal_distribution<double> normal(0, 0.01);
        for (PvPoint &p : path) {
            p.pressure *= std::exp(normal(random));
        }
        return path;
    };
    const auto join = [](std::vector<PvPoint> a, const std::vector<PvPoint> &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const auto isotherm = [](double v) { return PvPoint{v, 4e9 / v}; };
    // A free expansion: a stretch at half the box, one reading caught during
    // the expansion, a stretch at the whole box, all on one isotherm.
    std::vector<PvPoint> jump(60, isotherm(5e5));
    jump.push_back(isotherm(7.2e5));
    jump.insert(jump.end(), 60, isotherm(1e6));
    // A straight line in P-V, from (1, P0) to (1/2, 3/2 P0).
    std::vector<PvPoint> straight;
    for (int i = 0; i < 200; ++i) {
        const double v = 1e6 - 2500.0 * i;
        straight.push_back({v, 4000 * (2 - v / 1e6)});
    }
    // Compressed along the isotherm, then heated at the smaller volume.
    std::vector<PvPoint> bent;
    for (int i = 0; i < 100; ++i) {
        bent.push_back(isotherm(1e6 - 5000.0 * i));
    }
    for (int i = 0; i < 100; ++i) {
        bent.push_back({5e5, 8000 * (1 + 0.01 * i)});
    }
    const struct
    {
        const char *what;
        std::vector<PvPoint> path;
        PvShape shape;
    } cases[] = {
        {"free expansion", noisy(jump), PvShape::Jump},
        {"compressed in two readings, then left", noisy(join(onCurve(1, {100, 75, 50}),
                                                             std::vector<PvPoint>(
                                                                 80, onCurve(1, {50})[0]))),
         PvShape::Jump},
        {"straight line", noisy(straight), PvShape::NotPowerLaw},
        {"isotherm then heating", noisy(bent), PvShape::NotPowerLaw},
        {"a tenth, in noise of a fifth",
         noisyPath(kMonatomicGamma, 1e6, 9e5, 60, 0.2, 0.5, random), PvShape::TooScattered},
        {"adiabat", noisyPath(kMonatomicGamma, 1e6, 5e5, 200, 0.03, 0.8, random),
         PvShape::PowerLaw},
        {"isotherm and back", noisy(join(onCurve(1, {100, 95, 90, 85, 80, 75, 70, 65, 60}),
                                         onCurve(1, {65, 70, 75, 80, 85, 90, 95, 100}))),
         PvShape::PowerLaw},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = fitPolytrope(c.path);
        ASSERT_TRUE(fit.has_value());
        EXPECT_EQ(fit->shape, c.shape) << "gamma " << fit->gamma << " +- " << fit->error;
    }
}
