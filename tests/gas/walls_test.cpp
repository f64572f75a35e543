#include "gastest.h"

namespace {

using molvix::test::GasTest;
using WallTest = GasTest;

TEST_F(WallTest, ANearWallReflectsAndCollectsTwiceTheNormalSpeed)
{
    put(1, -0.3f, 50, 50, -3, 0, 0);
    g.ChoquePared(1);
    EXPECT_FLOAT_EQ(s().ParX[1], 0.3f);
    EXPECT_EQ(s().VelX[1], 3.0f);
    EXPECT_EQ(s().Presion, 6.0f);
}

TEST_F(WallTest, ThePistonReflectsAtItsPosition)
{
    put(1, 50, 101, 50, 0, 2, 0);
    g.ChoquePared(1);
    EXPECT_EQ(s().ParY[1], 99.0f);
    EXPECT_EQ(s().VelY[1], -2.0f);
    EXPECT_EQ(s().Presion, 4.0f);
}

TEST_F(WallTest, TwoWallsInOneTick)
{
    put(1, -1, 50, 101, -2, 0, 3);
    g.ChoquePared(1);
    EXPECT_EQ(s().ParX[1], 1.0f);
    EXPECT_EQ(s().ParZ[1], 99.0f);
    EXPECT_EQ(s().VelX[1], 2.0f);
    EXPECT_EQ(s().VelZ[1], -3.0f);
    EXPECT_EQ(s().Presion, 4.0f + 6.0f);
}

TEST_F(WallTest, AParticleExactlyOnAWallIsNotReflected)
{
    put(1, 0, 100, 100, -1, 1, 1);
    g.ChoquePared(1);
    EXPECT_EQ(s().VelX[1], -1.0f);
    EXPECT_EQ(s().VelY[1], 1.0f);
    EXPECT_EQ(s().Presion, 0.0f);
}

// Under a low piston one pass of the six tests is not always enough: a
// particle folded back from above the piston can land below the floor, and
// left there it would drift away for good.
TEST_F(WallTest, AParticleFoldedPastTheFloorIsFoldedAgainUntilInside)
{
    s().PosPared = 2;
    put(1, 50, 5, 50, 0, 9, 0);
    g.ChoquePared(1);
    // 5 -> -1 (piston: 2 x 2 - 5) -> 1 (floor).
    EXPECT_TRUE(inside(1));
    EXPECT_EQ(s().ParY[1], 1.0f);
    EXPECT_EQ(s().VelY[1], 9.0f);
    EXPECT_EQ(s().Presion, 18.0f + 18.0f) << "each fold adds its momentum";
}

TEST_F(WallTest, AParticlePastBothYWallsInOneTickEndsInside)
{
    s().PosPared = 2;
    put(1, 50, -4, 50, 0, -9, 0);
    g.ChoquePared(1);
    // -4 -> 4 (floor) -> 0 (piston).
    EXPECT_EQ(s().ParY[1], 0.0f);
    EXPECT_EQ(s().VelY[1], -9.0f);
    EXPECT_EQ(s().Presion, 36.0f);
}

TEST_F(WallTest, WithThePistonAtZeroAParticleRestsOnTheFloor)
{
    s().PosPared = 0;
    put(1, 50, -1, 50, 0, 3, 0); // where the wall move leaves it
    g.ChoquePared(1);
    EXPECT_EQ(s().ParY[1], 0.0f);
    EXPECT_TRUE(inside(1));
    EXPECT_TRUE(std::isfinite(s().Presion));
}

TEST_F(WallTest, TheWallMoveFoldsParticlesAboveItAndMovesItsOutline)
{
    s().NumPar = 3;
    s().DibVel = 1;
    put(1, 10, 80, 10, 1, 2, 3);
    put(2, 20, 40, 20, 1, 2, 3); // exactly at the new wall: stays
    put(3, 30, 20, 30);
    g.MoverPared(40);
    EXPECT_EQ(s().PosPared, 40);
    EXPECT_EQ(s().ParY[1], 39.0f);
    EXPECT_EQ(s().VelY[1], 2.0f) << "velocity kept";
    EXPECT_EQ(s().ParY[2], 40.0f);
    EXPECT_EQ(s().ParY[3], 20.0f);
    EXPECT_EQ(s().Presion, 0.0f) << "the move adds no momentum";
    EXPECT_EQ(controls.posPa, "40");

    // Both views follow: particle, vector and outline, in box coordinates.
    EXPECT_EQ(soft.particles()[1].Y, 39.0f);
    EXPECT_EQ(soft.segments()[1 + SegVel].Y1, 39.0f);
    EXPECT_EQ(soft.segments()[1 + SegVel].Y2, 41.0f);
    EXPECT_FLOAT_EQ(gl.particles()[1].Y, 39.0f);
    EXPECT_FLOAT_EQ(gl.segments()[1 + SegVel].Y2, 41.0f);
    for (int seg = 24; seg <= 27; ++seg) {
        EXPECT_EQ(soft.segments()[seg].Y1, 40.0f) << seg;
        EXPECT_EQ(soft.segments()[seg].Y2, 40.0f) << seg;
        EXPECT_FLOAT_EQ(gl.segments()[seg].Y1, 40.0f) << seg;
    }
    EXPECT_EQ(soft.segments()[25].X1, 0.0f);
    EXPECT_EQ(soft.segments()[25].X2, 100.0f);
    EXPECT_EQ(soft.segments()[25].Z1, 100.0f);
}

TEST_F(WallTest, TheNextTickBringsBackAParticleLeftBelowAZeroPiston)
{
    s().NumPar = 1;
    put(1, 50, 30, 50, 0, 0, 0);
    g.MoverPared(0);
    EXPECT_EQ(s().ParY[1], -1.0f);
    g.TimeLoopTimer();
    EXPECT_EQ(s().ParY[1], 0.0f);
}

class PressureTest : public GasTest
{
protected:
    void SetUp() override
    {
        GasTest::SetUp();
        s().NumPar = 1;
        s().PosPared = 50; // wall area term 2 + 50 x 0.04 = 4
        // Up and down the y axis at 0.6 per tick: the floor at ticks 1 and
        // 167, the piston at tick 84 -> 3 hits of 12 in 200 ticks.
        put(1, 50, 0.1f, 50, 0, -6, 0);
    }
};

TEST_F(PressureTest, NoReadingBeforeTheTwoHundredthTick)
{
    for (int t = 0; t < 199; ++t) {
        g.TimeLoopTimer();
    }
    EXPECT_EQ(controls.preWrites, 0);
    EXPECT_EQ(s().NPasos, 199);
    EXPECT_EQ(s().Presion, 36.0f);
}

TEST_F(PressureTest, TheReadingIsMomentumOverWallAreaAndRestartsFromZero)
{
    for (int t = 0; t < 200; ++t) {
        g.TimeLoopTimer();
    }
    EXPECT_EQ(controls.preWrites, 1);
    EXPECT_EQ(controls.pre, "    9"); // 36 / 4
    EXPECT_EQ(s().Presion, 0.0f);
    EXPECT_EQ(s().NPasos, 0);
    EXPECT_EQ(controls.ener, "  0") << "energy refreshed with the reading";
}

TEST_F(PressureTest, WithTheWallAtTheTopTheAreaTermIsSix)
{
    s().PosPared = 100;
    put(1, 50, 50, 50);
    s().Presion = 600.0f;
    s().NPasos = 199;
    g.TimeLoopTimer();
    EXPECT_EQ(controls.pre, "  100");
}

} // namespace
