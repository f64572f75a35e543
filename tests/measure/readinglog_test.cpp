#include "readinglog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

GasReading reading(int64_t tick, int count, int wall, double pressure, double temperature)
{
    GasReading r;
    r.tick = tick;
    r.time = tick * 0.1;
    r.count = count;
    r.wall = wall;
    r.tempSetting = 20;
    r.collisions = true;
    r.pressure = pressure;
    r.temperature = temperature;
    r.energy = 3.0 * count * temperature;
    return r;
}

} // namespace

TEST(IdealGasRatio, IsOneForTheKineticTheoryPressureAndUndefinedWhenEmpty)
{
    // 100 particles, <v^2> = 300 T = 300 x 4: over 20 time units the walls
    // of a 100 x 50 x 100 box receive 20 N <v^2> / (3 W) per unit of area.
    const double pressure = 20.0 * 100 * 1200.0 / (3.0 * 50);
    EXPECT_DOUBLE_EQ(*idealGasRatio(reading(200, 100, 50, pressure, 4.0)), 1.0);
    EXPECT_DOUBLE_EQ(*idealGasRatio(reading(200, 100, 25, pressure, 4.0)), 0.5);
    EXPECT_FALSE(idealGasRatio(reading(200, 0, 50, 0, 0)).has_value());
    EXPECT_FALSE(idealGasRatio(reading(200, 10, 0, 5, 1)).has_value());
    EXPECT_FALSE(idealGasRatio(reading(200, 10, 50, 5, 0)).has_value());
}

TEST(ReadingLog, StretchesStartAtChangesAndLeaveOutTheirMixedFirstReading)
{
    ReadingLog log;
    EXPECT_EQ(log.idealGasRatioSinceChange().n, 0);
    const double p100 = 2000.0 * 50 * 2.0 / 100; // ratio 1 at wall 100
    log.append(reading(200, 50, 100, p100, 2.0));
    log.append(reading(400, 50, 100, p100 * 1.1, 2.0));
    EXPECT_EQ(log.idealGasRatioSinceChange().n, 2);
    EXPECT_NEAR(log.idealGasRatioSinceChange().mean, 1.05, 1e-12);
    EXPECT_NEAR(log.idealGasRatioSinceChange().spread, std::sqrt(0.005), 1e-12);

    // The wall moves: the reading at 600 straddles it and is left out.
    const double p50 = 2000.0 * 50 * 2.0 / 50;
    log.append(reading(600, 50, 50, 123.0, 2.0));
    EXPECT_EQ(log.idealGasRatioSinceChange().n, 0);
    log.append(reading(800, 50, 50, p50, 2.0));
    EXPECT_EQ(log.changes(), (std::vector<size_t>{2}));
    EXPECT_EQ(log.idealGasRatioSinceChange().n, 1);
    EXPECT_DOUBLE_EQ(log.idealGasRatioSinceChange().mean, 1.0);
    EXPECT_EQ(log.idealGasRatioSinceChange().spread, 0.0);

    // Collisions switched off is a change too.
    GasReading off = reading(1000, 50, 50, p50, 2.0);
    off.collisions = false;
    log.append(off);
    EXPECT_EQ(log.changes().size(), 2u);
}

TEST(ReadingsCsv, RoundTripsEveryFieldExactly)
{
    std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 0.3333333432674408),
                                        reading(400, 0, 0, 0, 0)};
    readings[1].collisions = false;
    readings[1].time = 0.1 + 0.2; // a double with no short decimal form
    readings[0].energy = std::numeric_limits<double>::denorm_min();
    const QByteArray csv = readingsCsv(readings);
    EXPECT_TRUE(csv.startsWith("tick,time,count,wall,temperature_setting,collisions,pressure,"
                               "temperature,energy\n200,20,50,100,20,on,1966,"));
    EXPECT_EQ(csv.count('\n'), 3);

    std::vector<GasReading> back;
    QString error;
    ASSERT_TRUE(parseReadingsCsv(csv, &back, &error)) << error.toStdString();
    ASSERT_EQ(back.size(), readings.size());
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].tick, readings[i].tick);
        EXPECT_EQ(back[i].time, readings[i].time);
        EXPECT_EQ(back[i].count, readings[i].count);
        EXPECT_EQ(back[i].wall, readings[i].wall);
        EXPECT_EQ(back[i].tempSetting, readings[i].tempSetting);
        EXPECT_EQ(back[i].collisions, readings[i].collisions);
        EXPECT_EQ(back[i].pressure, readings[i].pressure);
        EXPECT_EQ(back[i].temperature, readings[i].temperature);
        EXPECT_EQ(back[i].energy, readings[i].energy);
    }
    EXPECT_FALSE(parseReadingsCsv("200,20\n", &back, &error));
    EXPECT_FALSE(parseReadingsCsv(csv + "1,2,3\n", &back, &error));
    EXPECT_FALSE(parseReadingsCsv(QByteArray(csv).replace(",on,", ",1,5,"), &back, &error));
}

TEST(ReadingsCsv, SavesWholeOrLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 2.0)};
    const QString path = dir.filePath("readings.csv");
    QString error;
    ASSERT_TRUE(saveReadingsCsv(path, readings, &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), readingsCsv(readings));

    // A folder that does not exist: a reason, and no file appears.
    const QString nowhere = dir.filePath("missing/readings.csv");
    EXPECT_FALSE(saveReadingsCsv(nowhere, readings, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));

    // A read-only folder keeps the old file untouched.
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(saveReadingsCsv(path, {}, &error));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        saved.seek(0);
        EXPECT_EQ(saved.readAll(), readingsCsv(readings));
    }
}
