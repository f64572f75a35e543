#include "gastest.h"

namespace {

using molvix::test::GasTest;
using ReadoutTest = GasTest;

TEST_F(ReadoutTest, OneParticleAtThreeFourZero)
{
    s().NumPar = 1;
    put(1, 50, 50, 50, 3, 4, 0);
    g.Energia();
    EXPECT_EQ(s().Energ, 25.0f);
    EXPECT_EQ(controls.ener, QStringLiteral("  0")); // 0.25
    EXPECT_EQ(controls.temp, QStringLiteral("0.08")); // 25 / 300
}

TEST_F(ReadoutTest, TenParticlesAtSpeedTen)
{
    s().NumPar = 10;
    for (int i = 1; i <= 10; ++i) {
        put(i, 50, 50, 50, 6, 0, 8);
    }
    g.Energia();
    EXPECT_EQ(s().Energ, 1000.0f);
    EXPECT_EQ(controls.ener, QStringLiteral(" 10"));
    EXPECT_EQ(controls.temp, QStringLiteral("0.33"));
}

TEST_F(ReadoutTest, OnlyLiveParticlesCount)
{
    s().NumPar = 1;
    put(1, 50, 50, 50, 10, 0, 0);
    put(2, 50, 50, 50, 99, 0, 0);
    g.Energia();
    EXPECT_EQ(s().Energ, 100.0f);
}

TEST_F(ReadoutTest, AnEmptyGasReadsZeroWithoutDividingByZero)
{
    s().NumPar = 0;
    g.Energia();
    EXPECT_EQ(s().Energ, 0.0f);
    EXPECT_EQ(controls.ener, QStringLiteral("  0"));
    EXPECT_EQ(controls.temp, QStringLiteral("Temperatura = 0.00"));
}

TEST_F(ReadoutTest, BeforeThePanelExistsTheSumIsFormedButNothingWritten)
{
    g.controls = nullptr;
    s().NumPar = 1;
    put(1, 50, 50, 50, 3, 4, 0);
    g.Energia();
    EXPECT_EQ(s().Energ, 25.0f);
    EXPECT_TRUE(controls.ener.isEmpty());
}

TEST_F(ReadoutTest, TheTemperatureComesFromTheVelocitiesNotTheSetting)
{
    s().NumPar = 50;
    g.RandomVel();
    g.ReglaTemperatura(0);
    EXPECT_EQ(controls.ener, QStringLiteral("  0"));
    EXPECT_EQ(controls.temp, QStringLiteral("0.00"));
    g.ReglaTemperatura(20);
    const QString atTwenty = controls.temp;
    EXPECT_NE(atTwenty, QStringLiteral("0.00"));
    g.ReglaTemperatura(40); // speeds double: the reading quadruples
    EXPECT_NEAR(controls.temp.toDouble(), 4 * atTwenty.toDouble(), 0.03);
}

} // namespace
