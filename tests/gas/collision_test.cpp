#include "gastest.h"

#include <string_view>
#include <random>

namespace {

using molvix::test::GasTest;

class CollisionTest : public GasTest
{
protected:
    void SetUp() override
    {
        GasTest::SetUp();
        g.setCollisions(true);
        s().NumPar = 2;
    }
    float distance(int i, int k)
    {
        const float dx = s().ParX[k] - s().ParX[i];
        const float dy = s().ParY[k] - s().ParY[i];
        const float dz = s().ParZ[k] - s().ParZ[i];
        return std::sqrt(dx * dx + dy * dy + dz * dz);
    }
};

TEST_F(CollisionTest, CentresThreeApartDoNotTouchButCloserOnesDo)
{
    put(1, 50, 50, 50, 1, 0, 0);
    put(2, 53, 50, 50);
    g.Contacto(1);
    EXPECT_EQ(s().VelX[1], 1.0f);
    EXPECT_EQ(s().VelX[2], 0.0f);

    put(2, 52.99f, 50, 50);
    g.Contacto(1);
    EXPECT_EQ(s().VelX[1], 0.0f);
    EXPECT_EQ(s().VelX[2], 1.0f);
}

TEST_F(CollisionTest, HeadOnTheMovingParticleStopsAndTheOtherTakesItsSpeed)
{
    put(1, 50, 50, 50, 5, 2, -1);
    put(2, 52, 50, 50, 0, 0, 0);
    g.Contacto(1);
    EXPECT_NEAR(s().VelX[1], 0.0f, 1e-6f);
    EXPECT_NEAR(s().VelX[2], 5.0f, 1e-6f);
    EXPECT_EQ(s().VelY[1], 2.0f) << "tangential components are kept";
    EXPECT_EQ(s().VelZ[1], -1.0f);
    EXPECT_EQ(s().VelY[2], 0.0f);
}

TEST_F(CollisionTest, AGlancingContactAlongYExchangesOnlyY)
{
    put(1, 50, 50, 50, 3, 4, 0);
    put(2, 50, 52.5f, 50, -1, -2, 6);
    g.Contacto(1);
    EXPECT_EQ(s().VelY[1], -2.0f);
    EXPECT_EQ(s().VelY[2], 4.0f);
    EXPECT_EQ(s().VelX[1], 3.0f);
    EXPECT_EQ(s().VelX[2], -1.0f);
    EXPECT_EQ(s().VelZ[2], 6.0f);
}

TEST_F(CollisionTest, AnApproachingPairIsLeftJustTouching)
{
    put(1, 50, 50, 50, 5, 0, 0);
    put(2, 52, 50, 50);
    g.Contacto(1);
    EXPECT_NEAR(distance(1, 2), 3.0f, 1e-4f);
    EXPECT_LT(s().ParX[1], 50.0f) << "pushed back along the line of centres";
    EXPECT_EQ(s().ParX[2], 52.0f) << "only the current particle moves";
    EXPECT_EQ(s().ParY[1], 50.0f);
}

TEST_F(CollisionTest, ASeparatingPairKeepsItsPositions)
{
    put(1, 50, 50, 50, -5, 0, 0);
    put(2, 52, 50, 50, 1, 0, 0);
    g.Contacto(1);
    EXPECT_EQ(s().ParX[1], 50.0f);
    EXPECT_EQ(s().VelX[1], 1.0f) << "velocities are still exchanged";
    EXPECT_EQ(s().VelX[2], -5.0f);
}

// Caught from behind, the slow particle first: exchanged, back, and for good a tick later.
TEST_F(CollisionTest, ARearEndContactHoldsOnlyWhenTheFastParticleMovesFirst)
{
    put(1, 50, 50, 50, -1, 0, 0);
    put(2, 52.5f, 50, 50, -10, 0, 0);
    g.TimeLoopTimer();
    EXPECT_NEAR(s().ParX[1], 49.5f, 1e-4f) << "pushed back: the pair was exchanged";
    for (const float v1 : {-1.0f, -10.0f, -10.0f}) { // the speeds after ticks 1, 2, 3
        EXPECT_FLOAT_EQ(s().VelX[1], v1);
        EXPECT_FLOAT_EQ(s().VelX[2], -11.0f - v1);
        g.TimeLoopTimer();
    }
    put(1, 52.5f, 50, 50, -10, 0, 0);
    put(2, 50, 50, 50, -1, 0, 0);
    g.TimeLoopTimer();
    EXPECT_FLOAT_EQ(s().VelX[1], -1.0f) << "the other way round, at once";
    EXPECT_FLOAT_EQ(s().VelX[2], -10.0f);
}

TEST_F(CollisionTest, APushNeverCarriesAParticleThroughAWall)
{
    put(1, 0.5f, 50, 50, 20, 0, 0);
    put(2, 2.0f, 50, 50, -20, 0, 0);
    g.Contacto(1);
    EXPECT_GE(s().ParX[1], 0.0f);
}

TEST_F(CollisionTest, SameCentreOrEqualNormalSpeedsChangeNothing)
{
    put(1, 50, 50, 50, 3, 1, 2);
    put(2, 50, 50, 50, -1, 4, 0);
    g.Contacto(1);
    EXPECT_EQ(s().VelX[1], 3.0f);
    EXPECT_EQ(s().VelX[2], -1.0f);
    EXPECT_EQ(s().ParX[1], 50.0f);

    put(1, 50, 50, 50, 0, 0, 0); // at rest, as with Temp = 0
    put(2, 51, 50, 50, 0, 0, 0);
    g.Contacto(1);
    EXPECT_EQ(s().ParX[1], 50.0f);
    EXPECT_EQ(s().VelX[1], 0.0f);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(std::isfinite(s().ParX[i]) && std::isfinite(s().VelX[i]));
    }
}

TEST_F(CollisionTest, EnergyAndMomentumAreConservedByTheExchange)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> speed(-30.0f, 30.0f);
    std::uniform_real_distribution<float> offset(-1.7f, 1.7f);
    for (int trial = 0; trial < 200; ++trial) {
        put(1, 50, 50, 50, speed(random), speed(random), speed(random));
        put(2, 50 + offset(random), 50 + offset(random), 50 + offset(random), speed(random),
            speed(random), speed(random));
        const double p0[3] = {double(s().VelX[1]) + s().VelX[2], double(s().VelY[1]) + s().VelY[2],
                              double(s().VelZ[1]) + s().VelZ[2]};
        const auto energy = [this] {
            double e = 0;
            for (int i = 1; i <= 2; ++i) {
                e += double(s().VelX[i]) * s().VelX[i] + double(s().VelY[i]) * s().VelY[i] +
                     double(s().VelZ[i]) * s().VelZ[i];
            }
            return e;
        };
        const double e0 = energy();
        g.Contacto(1);
        EXPECT_NEAR(energy(), e0, 1e-5 * e0 + 1e-4) << "trial " << trial;
        EXPECT_NEAR(double(s().VelX[1]) + s().VelX[2], p0[0], 1e-4) << "trial " << trial;
        EXPECT_NEAR(double(s().VelY[1]) + s().VelY[2], p0[1], 1e-4) << "trial " << trial;
        EXPECT_NEAR(double(s().VelZ[1]) + s().VelZ[2], p0[2], 1e-4) << "trial " << trial;
    }
}

TEST_F(CollisionTest, WithCollisionsOffParticlesPassThroughEachOther)
{
    g.setCollisions(false);
    put(1, 40, 50, 50, 10, 0, 0);
    put(2, 60, 50, 50, -10, 0, 0);
    for (int t = 0; t < 30; ++t) {
        g.TimeLoopTimer();
    }
    EXPECT_EQ(s().VelX[1], 10.0f);
    EXPECT_GT(s().ParX[1], 60.0f);
    EXPECT_LT(s().ParX[2], 40.0f);
}

TEST_F(CollisionTest, OnlyTheExactTextSISwitchesCollisionsOn)
{
    for (const char *text : {"si", "SI ", "S", ""}) {
        // Only the exact text "SI" switches collisions on (the panel reads it).
        g.setCollisions(std::string_view(text) == "SI");
        put(1, 50, 50, 50, 5, 0, 0);
        put(2, 52, 50, 50);
        g.TimeLoopTimer();
        EXPECT_EQ(s().VelX[1], 5.0f) << '"' << text << '"';
    }
    g.setCollisions(true);
    put(1, 50, 50, 50, 5, 0, 0);
    put(2, 52, 50, 50);
    g.TimeLoopTimer();
    EXPECT_NE(s().VelX[1], 5.0f);
}

TEST_F(CollisionTest, OverlappingParticlesCollideAsSoonAsCollisionsAreOn)
{
    put(1, 50, 50, 50, 2, 0, 0);
    put(2, 51, 50, 50, -2, 0, 0);
    g.TimeLoopTimer();
    EXPECT_LT(s().VelX[1], 0.0f);
    EXPECT_GT(s().VelX[2], 0.0f);
}

// Below four diameters a contact exchanges velocities but moves nobody; at
// four diameters and above the approaching particle is pushed back as before.
TEST_F(CollisionTest, OnlyBoxesThickerThanFourDiametersPushAContactApart)
{
    for (const int wall : {1, 11, 12, 100}) {
        g.MoverPared(wall);
        put(1, 50, 0.5f, 50, 5, 0, 0);
        put(2, 52, 0.5f, 50);
        g.Contacto(1);
        EXPECT_EQ(s().VelX[1], 0.0f) << "wall " << wall;
        EXPECT_EQ(s().ParX[1] < 50.0f, wall >= 12) << "wall " << wall;
    }
}

// Hard spheres share their energy equally between the axes however thin the
// box; the pushes in a slab's plane once left 0.44 of it in y at wall 1, and
// the piston's pressure 30 % high.
TEST_F(CollisionTest, AThinBoxSharesItsEnergyEquallyAmongTheAxes)
{
    g.soft = nullptr;
    g.gl = nullptr;
    for (const int wall : {1, 3, 10}) {
        s().NumPar = 40;
        for (int i = 1; i <= 40; ++i) {
            g.placeParticle(i);
        }
        g.RandomVel();
        g.ReglaTemperatura(20);
        g.MoverPared(wall);
        double share = 0;
        int readings = 0;
        for (int tick = 1; tick <= 60000; ++tick) {
            g.TimeLoopTimer();
            if (tick > 20000 && tick % 10 == 0) {
                const GasReading r = g.reading(0);
                share += r.energyY / (r.energyX + r.energyY + r.energyZ);
                ++readings;
            }
        }
        EXPECT_NEAR(share / readings, 1.0 / 3.0, 0.025) << "wall " << wall;
    }
}

} // namespace
