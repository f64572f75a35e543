#include "gastest.h"

#include <utility>

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

// A piston that could move but stands still (a moving one at its target)
// is the classic wall: every reflection and fold, deep or shallow, with the
// piston high, low and at 0, gives the same bits and the same momentum.
TEST_F(WallTest, AStillProcessPistonReflectsAndFoldsAsTheClassicWall)
{
    const struct
    {
        int32_t wall;
        float x, y, z, vx, vy, vz;
    } cases[] = {
        {100, -0.3f, 50, 101, -3, 0, 4},   {60, 50, 61.5f, 50, 0, 7, 0},
        {3, 50, 9.7f, 50, 0, 40, 0},       {3, 50, -8.2f, 50, 0, -35, 0},
        {1, 102, 2.9f, -1, 9, 25, -3},     {0, 50, 4, 50, 0, 20, 0},
        {50, 250, -120, 330, 80, -90, 95}, {7, -0.1f, 7.0f, 100.0f, -1, 1, 1},
    };
    for (const auto &c : cases) {
        Gas classic, process;
        for (Gas *gas : {&classic, &process}) {
            gas->state.NumPar = 1;
            gas->MoverPared(c.wall);
        }
        ProcessSettings moving;
        moving.piston = PistonMode::Moving;
        moving.pistonTarget = static_cast<float>(c.wall);
        process.setProcess(moving);
        for (Gas *gas : {&classic, &process}) {
            GasState &st = gas->state;
            st.ParX[1] = c.x, st.ParY[1] = c.y, st.ParZ[1] = c.z;
            st.VelX[1] = c.vx, st.VelY[1] = c.vy, st.VelZ[1] = c.vz;
            gas->ChoquePared(1);
        }
        const GasState &a = classic.state, &b = process.state;
        for (const auto &[u, v] : {std::pair{a.ParX[1], b.ParX[1]}, {a.ParY[1], b.ParY[1]},
                                   {a.ParZ[1], b.ParZ[1]}, {a.VelX[1], b.VelX[1]},
                                   {a.VelY[1], b.VelY[1]}, {a.VelZ[1], b.VelZ[1]},
                                   {a.Presion, b.Presion}}) {
            EXPECT_EQ(u, v) << "wall " << c.wall << ", y " << c.y;
        }
        EXPECT_GE(a.ParY[1], 0.0f);
        EXPECT_LE(a.ParY[1], static_cast<float>(c.wall)) << "wall " << c.wall << ", y " << c.y;
        EXPECT_EQ(process.ledger().work, 0.0) << "a still piston does no work";
    }
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
