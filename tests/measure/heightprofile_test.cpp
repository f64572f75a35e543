// The layers along the height, the walls' pressures and Z, from short runs
// of the gas against the laws they are measured against. The long runs
// and their figures are in docs/experiments.md.
#include "mixturerecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(HeightProfile, TheLawsAgainstValuesWorkedByHand)
{
    // Carnahan-Starling: 1 for the ideal gas; at 0.3, 1.363 / 0.343.
    EXPECT_DOUBLE_EQ(carnahanStarling(0), 1);
    EXPECT_NEAR(carnahanStarling(0.3), 1.363 / 0.343, 1e-12);
    EXPECT_TRUE(std::isnan(carnahanStarling(1)));
    EXPECT_TRUE(std::isnan(carnahanStarling(-0.1)));
    // Even without the field; with it, the layers' shares add to 1 and
    // the bottom one holds (1 - e^-c) / (1 - e^-10c).
    EXPECT_DOUBLE_EQ(barometricShare(0, 20, 25, 100), 0.05);
    const double c = 0.04;
    double sum = 0;
    for (int l = 0; l < 20; ++l) {
        sum += barometricShare(c, 5 * l, 5 * (l + 1), 100);
    }
    EXPECT_NEAR(sum, 1, 1e-12);
    EXPECT_NEAR(barometricShare(c, 0, 10, 100), (1 - std::exp(-0.4)) / (1 - std::exp(-4)),
                1e-12);
    EXPECT_NEAR(barometricShare(1e-12, 0, 10, 100), 0.1, 1e-9); // no cancellation
}

struct Settled
{
    Gas gas;
    MixtureRecorder recorder;
    Settled(const MixtureSettings &m, int warmup, int ticks)
    {
        gas.ReglaTemperatura(20);
        EXPECT_TRUE(gas.setMixture(m));
        gas.setCollisions(true);
        for (int t = 0; t < warmup; ++t) {
            gas.TimeLoopTimer();
        }
        recorder.start(gas);
        for (int t = 0; t < ticks; ++t) {
            gas.TimeLoopTimer();
            recorder.afterTick(gas);
        }
    }
};

TEST(HeightProfile, EachSpeciesSettlesAtItsScaleHeightAndTheFloorHoldsTheWeight)
{
    // A of mass 1 and B of mass 4 under g 8 (scale heights near 34 and
    // 8): each layer within 10 % of the law where the density is above a
    // tenth of the species' densest; the floor takes the piston's
    // pressure plus the weight over the area; the energy kept; the
    // temperature the same at every height.
    MixtureSettings m;
    m.aCount = 60;
    m.bCount = 60;
    m.bMass = 4;
    m.gravity = 8;
    Settled run(m, 2000, 20000);
    const MixtureRecorder::Figures f = run.recorder.figures(run.gas);
    const std::vector<HeightProfile::Row> rows = run.recorder.profileRows(run.gas);
    ASSERT_EQ(rows.size(), 2u * HeightProfile::kLayers);
    const double kT = run.recorder.profile().meanKT();
    for (const int32_t species : {kSpeciesA, kSpeciesB}) {
        SCOPED_TRACE(species);
        double densest = 0;
        for (const auto &r : rows) {
            densest = r.species == species ? std::max(densest, r.density) : densest;
        }
        int checked = 0;
        for (const auto &r : rows) {
            if (r.species == species && r.density > densest / 10) {
                EXPECT_NEAR(r.density / r.densityTheory, 1, 0.10) << "at " << r.height;
                EXPECT_NEAR(r.temperature * 100 / kT, 1, 0.06) << "at " << r.height;
                ++checked;
            }
        }
        EXPECT_GE(checked, species == kSpeciesA ? 15 : 4); // B lies lower
    }
    EXPECT_NEAR((f.pressureFloor - f.pressureTop) / f.weightPerArea, 1, 0.005);
    EXPECT_DOUBLE_EQ(f.weightPerArea, (60 + 60 * 4) * 8.0 / 1e4);
    EXPECT_LT(std::abs(f.totalEnergyDrift), 1e-5);
    EXPECT_TRUE(std::isnan(f.zWalls) && std::isnan(f.zVirial) && std::isnan(f.zTheory));
}

TEST(HeightProfile, ZFromTheWallsAndFromTheVirialFollowsCarnahanStarling)
{
    // Without the field: dilute and dense, the walls' middle patches and
    // the core's virial both within 2 % of Carnahan-Starling at the
    // core's density (the dense one far from the ideal 1).
    const struct
    {
        float radius;
        double zAtLeast;
    } cases[] = {{1.5f, 1.0}, {4.0f, 1.6}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.radius);
        MixtureSettings m;
        m.aCount = 500;
        m.aRadius = c.radius;
        Settled run(m, 500, 6000);
        const MixtureRecorder::Figures f = run.recorder.figures(run.gas);
        EXPECT_GT(f.zTheory, c.zAtLeast);
        EXPECT_NEAR(f.zWalls / f.zTheory, 1, 0.02);
        EXPECT_NEAR(f.zVirial / f.zTheory, 1, 0.02);
        EXPECT_NEAR(f.pressureFloor / f.pressureTop, 1, 0.05); // no field
    }
}

} // namespace
