#include "gastest.h"

#include <cmath>

namespace {

using molvix::test::GasTest;

class GenerationTest : public GasTest
{
protected:
    // The start-up gas: 50 particles placed, then the templates drawn.
    void startUp(Gas &gas)
    {
        for (int i = 1; i <= gas.state.NumPar; ++i) {
            gas.placeParticle(i);
        }
        gas.RandomVel();
    }
};

TEST_F(GenerationTest, TwoFreshGasesPlaceTheSameParticlesAndTemplates)
{
    Gas first, second;
    startUp(first);
    startUp(second);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(first.state.ParX[i], second.state.ParX[i]);
        EXPECT_EQ(first.state.ParY[i], second.state.ParY[i]);
        EXPECT_EQ(first.state.ParZ[i], second.state.ParZ[i]);
    }
    for (int i = 1; i <= 100; ++i) {
        EXPECT_EQ(first.state.DirY[i], second.state.DirY[i]);
    }
    EXPECT_NE(first.state.ParX[1], first.state.ParX[2]) << "positions are drawn, not constant";
}

TEST_F(GenerationTest, PlacesLieOnTheGridAndTemplatesInTheirRanges)
{
    startUp(g);
    for (int i = 1; i <= 50; ++i) {
        const GasState &st = g.state;
        EXPECT_EQ(st.Masa[i], 1.0f);
        EXPECT_GE(st.ParX[i], 0.0f);
        EXPECT_LE(st.ParX[i], 79.92f);
        EXPECT_GE(st.ParY[i], 5.0f);
        EXPECT_LE(st.ParY[i], 84.92f);
        const double steps = st.ParZ[i] / 0.08;
        EXPECT_NEAR(steps, std::round(steps), 1e-3) << "z on the 0.08 grid";
    }
    for (int i = 1; i <= 100; ++i) {
        const GasState &st = g.state;
        // Odd slots negative, even positive; y and z shifted down.
        if (i % 2 == 0) {
            EXPECT_GE(st.DirX[i], 0.0f);
            EXPECT_GE(st.DirY[i], -0.6f);
        } else {
            EXPECT_LE(st.DirX[i], 0.0f);
            EXPECT_LE(st.DirZ[i], -0.3f);
        }
        EXPECT_LE(std::fabs(st.DirX[i]), 0.999f);
    }
}

TEST_F(GenerationTest, TemperatureSetsAllHundredSlotsFromTheTemplates)
{
    g.RandomVel();
    s().NumPar = 10;
    g.ReglaTemperatura(20);
    EXPECT_EQ(s().Temp, 20);
    for (int i : {1, 10, 11, 100}) {
        EXPECT_EQ(s().VelX[i], 20.0f * s().DirX[i]);
        EXPECT_EQ(s().VelZ[i], 20.0f * s().DirZ[i]);
    }
}

TEST_F(GenerationTest, TemperatureZeroStandsTheGasStill)
{
    startUp(g);
    g.ReglaTemperatura(0);
    const GasState before = g.state;
    g.setCollisions(true);
    for (int t = 0; t < 5; ++t) {
        g.TimeLoopTimer();
    }
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(s().VelX[i], 0.0f);
        EXPECT_EQ(s().ParX[i], before.ParX[i]);
        EXPECT_EQ(s().ParY[i], before.ParY[i]);
    }
}

TEST_F(GenerationTest, RaisingTheCountPlacesOnlyTheNewParticles)
{
    startUp(g);
    g.ReglaTemperatura(20);
    const GasState before = g.state;
    s().NumParPedido = 60;
    g.GenPar();
    EXPECT_EQ(s().NumPar, 60);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(s().ParX[i], before.ParX[i]);
    }
    for (int i = 51; i <= 60; ++i) {
        EXPECT_EQ(s().VelX[i], before.VelX[i]) << "a new particle keeps its slot's velocity";
        EXPECT_EQ(soft.particles()[i].Color, kYellow);
        EXPECT_EQ(soft.particles()[i].Radius, 3);
        EXPECT_EQ(soft.particles()[i].X, s().ParX[i]);
    }
    EXPECT_EQ(gl.NParticles, 60);
}

TEST_F(GenerationTest, LoweringTheCountHidesTheRemovedParticlesAndTheirVectors)
{
    s().NumPar = 60;
    s().DibVel = 1;
    s().NumParPedido = 50;
    g.GenPar();
    EXPECT_EQ(s().NumPar, 50);
    for (int i = 51; i <= 60; ++i) {
        EXPECT_EQ(soft.particles()[i].Color, kBlack);
        EXPECT_EQ(soft.segments()[i + SegVel].Color, kBlack);
    }
    EXPECT_EQ(soft.segments()[50 + SegVel].Color, kWhite) << "live vectors are redrawn white";
    EXPECT_EQ(gl.NParticles, 50);
    EXPECT_EQ(gl.NSegments, 50 + SegVel);
}

TEST_F(GenerationTest, TheSameCountStillSetsTheOpenGLCounts)
{
    s().NumPar = 30;
    s().NumParPedido = 30;
    gl.NParticles = 7;
    g.GenPar();
    EXPECT_EQ(gl.NParticles, 30);
    EXPECT_EQ(gl.NSegments, 0) << "vectors off: the segment count is left alone";
}

TEST_F(GenerationTest, VectorsAreTheVelocityFromTheCentre)
{
    s().NumPar = 2;
    s().DibVel = 1;
    put(1, 10, 20, 30, 1, 2, 3);
    put(2, 40, 50, 60, -4, 5, -6);
    g.DibujaVel();
    const molvix::test::RecordedObject &v = soft.segments()[2 + SegVel];
    EXPECT_EQ(v.Color, kWhite);
    EXPECT_EQ(v.X1, 40.0f);
    EXPECT_EQ(v.X2, 36.0f);
    EXPECT_EQ(v.Z2, 54.0f);
    EXPECT_FLOAT_EQ(gl.segments()[1 + SegVel].Y2, 22.0f);
}

TEST_F(GenerationTest, TheTickMovesOnlyTheActiveView)
{
    s().NumPar = 1;
    put(1, 50, 50, 50, 10, 0, 0);
    s().DibVel = 1;
    const float glBefore = gl.particles()[1].X;
    g.TimeLoopTimer();
    g.showChanges(g.takeChanges());
    EXPECT_EQ(soft.particles()[1].X, 51.0f);
    EXPECT_EQ(soft.segments()[1 + SegVel].X2, 61.0f);
    EXPECT_EQ(gl.particles()[1].X, glBefore) << "the OpenGL view is not active";
    s().ModoGL = 1;
    g.TimeLoopTimer();
    g.showChanges(g.takeChanges());
    EXPECT_EQ(soft.particles()[1].X, 51.0f);
    EXPECT_FLOAT_EQ(gl.particles()[1].X, 52.0f);
}

} // namespace
