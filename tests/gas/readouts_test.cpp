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
    EXPECT_EQ(controls.ener, "  0");  // 0.25
    EXPECT_EQ(controls.temp, "0.08"); // 25 / 300
}

TEST_F(ReadoutTest, TenParticlesAtSpeedTen)
{
    s().NumPar = 10;
    for (int i = 1; i <= 10; ++i) {
        put(i, 50, 50, 50, 6, 0, 8);
    }
    g.Energia();
    EXPECT_EQ(s().Energ, 1000.0f);
    EXPECT_EQ(controls.ener, " 10");
    EXPECT_EQ(controls.temp, "0.33");
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
    EXPECT_EQ(controls.ener, "  0");
    EXPECT_EQ(controls.temp, "Temperatura = 0.00");
}

TEST_F(ReadoutTest, BeforeThePanelExistsTheSumIsFormedButNothingWritten)
{
    g.controls = nullptr;
    s().NumPar = 1;
    put(1, 50, 50, 50, 3, 4, 0);
    g.Energia();
    EXPECT_EQ(s().Energ, 25.0f);
    EXPECT_TRUE(controls.ener.empty());
}

TEST_F(ReadoutTest, TheTemperatureComesFromTheVelocitiesNotTheSetting)
{
    s().NumPar = 50;
    g.RandomVel();
    g.ReglaTemperatura(0);
    EXPECT_EQ(controls.ener, "  0");
    EXPECT_EQ(controls.temp, "0.00");
    g.ReglaTemperatura(20);
    const std::string atTwenty = controls.temp;
    EXPECT_NE(atTwenty, "0.00");
    g.ReglaTemperatura(40); // speeds double: the reading quadruples
    EXPECT_NEAR(std::stod(controls.temp), 4 * std::stod(atTwenty), 0.03);
}

} // namespace

// The reading hook carries the numbers the readouts show, with the settings
// and the tick they were taken at, once per 200 ticks.
TEST_F(ReadoutTest, TheReadingHookCarriesTheShownNumbers)
{
    std::vector<GasReading> readings;
    g.addReadingListener([&](const GasReading &r) { readings.push_back(r); });
    s().NumPar = 2;
    s().PosPared = 50;
    s().Temp = 7;
    g.setCollisions(true);
    put(1, 10, 10, 10, 3, 4, 0);
    put(2, 80, 20, 80, 0, 0, -5);
    for (int t = 0; t < 399; ++t) {
        g.TimeLoopTimer();
    }
    ASSERT_EQ(readings.size(), 1u);
    g.TimeLoopTimer();
    ASSERT_EQ(readings.size(), 2u);
    const GasReading &r = readings.back();
    EXPECT_EQ(r.tick, 400);
    EXPECT_DOUBLE_EQ(r.time, 400 * double(0.1f));
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(r.wall, 50);
    EXPECT_EQ(r.tempSetting, 7);
    EXPECT_TRUE(r.collisions);
    char text[32];
    std::snprintf(text, sizeof text, "%5.0f", r.pressure);
    EXPECT_EQ(controls.pre, text);
    EXPECT_GT(r.pressure, 0.0);
    EXPECT_DOUBLE_EQ(r.energy, 0.5);        // (25 + 25) / 100
    EXPECT_DOUBLE_EQ(r.temperature, 50.0 / 600);
    EXPECT_EQ(s().Presion, 0.0f); // the hook sees the reading, the gas restarts from 0
}

// The three sums of squared speeds differ only in how they round: the
// readout's float, rounded after every particle, drifts from the double sum
// over many particles of mixed sizes, and every consumer must take its own
// form (a readout from the double sum would change the classic numbers).
TEST_F(ReadoutTest, EveryConsumerTakesItsFormOfTheKineticSum)
{
    s().NumPar = 100;
    for (int i = 1; i <= 100; ++i) {
        const float f = 1.0f + 0.37f * static_cast<float>(i);
        put(i, 50, 50, 50, f, -0.5f * f + 0.013f * static_cast<float>(i * i), 3.1f - f);
    }
    const KineticSum k = kineticSum(s());
    float classic = 0;
    double total = 0, x = 0, y = 0, z = 0, withoutX = 0;
    for (int i = 1; i <= 100; ++i) {
        const double vx = s().VelX[i], vy = s().VelY[i], vz = s().VelZ[i];
        classic = static_cast<float>(double(classic) + vx * vx + vy * vy + vz * vz);
        total += vx * vx + vy * vy + vz * vz;
        withoutX += vy * vy + vz * vz;
        x += vx * vx;
        y += vy * vy;
        z += vz * vz;
    }
    ASSERT_NE(double(classic), total) << "the case must tell the float sum from the double";
    EXPECT_EQ(k.readout, classic);
    EXPECT_EQ(k.total, total);
    EXPECT_EQ(k.axes, (std::array<double, 3>{x, y, z}));

    g.Energia();
    EXPECT_EQ(s().Energ, classic);
    const GasReading r = g.reading(0);
    EXPECT_EQ(r.temperature, classic / (3.0 * 100 * 100.0));
    EXPECT_EQ(r.energyY, 0.01 * y);
    EXPECT_EQ(g.energyShares()[2], z / (x + y + z));
    g.resetLedger();
    for (int i = 1; i <= 100; ++i) {
        s().VelX[i] = 0;
    }
    EXPECT_EQ(g.ledger().energyChange, 0.01 * withoutX - 0.01 * total);
}
