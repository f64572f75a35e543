#include "readinglog.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

GasReading reading(int64_t tick, int count, int wall, double pressure, double temperature)
{
    return {
        tick, tick * 0.1, count, wall, 20, true, pressure, temperature, 3.0 * count * temperature};
}

} // namespace

TEST(IdealGasRatio, IsOneForTheKineticTheoryPressureAndUndefinedWhenEmpty)
{
    // 100 particles, <v^2> = 300 T: over 20 time units a 100 x 50 x 100 box's
    // walls receive 20 N <v^2> / (3 W) per unit of area.
    const double pressure = 20.0 * 100 * 300 * 4.0 / (3.0 * 50);
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
    Stats st = log.idealGasRatioSinceChange();
    EXPECT_EQ(st.n, 2);
    EXPECT_NEAR(st.mean, 1.05, 1e-12);
    EXPECT_NEAR(st.spread, std::sqrt(0.005), 1e-12);

    // The wall moves: the reading at 600 straddles it and is left out.
    log.append(reading(600, 50, 50, 123.0, 2.0));
    log.append(reading(800, 50, 50, 2 * p100, 2.0));
    st = log.idealGasRatioSinceChange();
    EXPECT_EQ(std::tuple(st.n, st.mean, st.spread), std::tuple(1, 1.0, 0.0));

    GasReading off = log.readings().back();
    off.collisions = false;
    log.append(off);
    EXPECT_EQ(log.changes(), (std::vector<size_t>{2, 4})) << "collisions off is a change too";
}

TEST(ReadingsCsv, RoundTripsEveryFieldExactlyAndRefusesOtherText)
{
    std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 0.3333333432674408),
                                        reading(400, 0, 0, 0, 0)};
    readings[0].energy = std::numeric_limits<double>::denorm_min();
    readings[1].collisions = false;
    readings[1].time = 0.1 + 0.2; // no short decimal form
    const QByteArray csv = readingsCsv(readings);
    EXPECT_TRUE(csv.startsWith("tick,time,count,wall,temperature_setting,collisions,pressure,"
                               "temperature,energy\n200,20,50,100,20,on,1966,"));
    std::vector<GasReading> back;
    QString error;
    ASSERT_TRUE(parseReadingsCsv(csv, &back, &error)) << error.toStdString();
    ASSERT_EQ(back.size(), readings.size());
    EXPECT_EQ(readingsCsv(back), csv) << "every field read back";
    EXPECT_EQ(back[0].energy, readings[0].energy) << "no digit lost";
    EXPECT_EQ(back[0].temperature, readings[0].temperature);
    EXPECT_EQ(back[1].time, readings[1].time);
    for (const QByteArray &bad :
         {QByteArray("200,20\n"), csv + "1,2,3\n", QByteArray(csv).replace(",on,", ",1,5,")}) {
        EXPECT_FALSE(parseReadingsCsv(bad, &back, &error)) << bad.toStdString();
    }
}

TEST(ReadingsCsv, SavesWholeOrLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    const std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 2.0)};
    const QString path = dir.filePath("readings.csv");
    QString error;
    ASSERT_TRUE(saveReadingsCsv(path, readings, &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), readingsCsv(readings));

    const QString nowhere = dir.filePath("missing/readings.csv");
    EXPECT_FALSE(saveReadingsCsv(nowhere, readings, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));

    if (geteuid() != 0) { // a read-only folder keeps the old file untouched
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(saveReadingsCsv(path, {}, &error));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        saved.seek(0);
        EXPECT_EQ(saved.readAll(), readingsCsv(readings));
    }
}
