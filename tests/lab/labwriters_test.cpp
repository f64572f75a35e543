#include "labwriters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

GasReading reading(int64_t tick, double pressure, double temperature)
{
    GasReading r;
    r.tick = tick;
    r.time = tick * 0.1;
    r.count = 40;
    r.wall = 60;
    r.tempSetting = 30;
    r.collisions = true;
    r.pressure = pressure;
    r.temperature = temperature;
    r.energy = 0.1 + temperature / 3.0;
    return r;
}

// Two measured runs and one of an empty gas.
std::vector<RunResult> results()
{
    RunResult a;
    a.settings = {40, 60, 30, true};
    a.completed = true;
    a.readingCount = 2;
    a.readings = {reading(200, 2676.5546875, 2.0138888359069824), reading(400, 2701.25, 1.0 / 3.0)};
    a.pressure = {2, 2688.90234375, 17.4617};
    a.temperature = {2, 1234567.0, 0.000123456789};
    a.energy = {2, 0.5, 0};
    a.idealGasRatio = {2, 0.99999949, 0.0123};
    a.speedSamples = 320;
    a.ks = 0.0421875;
    RunResult empty;
    empty.settings = {0, 100, 20, false};
    empty.completed = true;
    empty.readingCount = 1;
    empty.readings = {reading(200, 0, 0)};
    empty.pressure = {1, 0, 0};
    empty.temperature = {1, 0, 0};
    empty.energy = {1, 0, 0};
    RunResult none; // not one reading
    none.settings = {100, 5, 100, true};
    none.completed = true;
    return {a, empty, none};
}

TEST(SummaryCsv, OneRowPerRunSixDigitsAndEmptyWhereNothingIsDefined)
{
    const QByteArray csv = summaryCsv(results());
    EXPECT_EQ(csv, QByteArray("run,count,wall,temperature_setting,collisions,readings,"
                              "pressure_mean,pressure_sd,temperature_mean,temperature_sd,"
                              "energy_mean,energy_sd,pvnt_mean,pvnt_sd,ks_mb\n"
                              "1,40,60,30,on,2,2688.9,17.4617,1.23457e+06,0.000123457,0.5,0,"
                              "0.999999,0.0123,0.0421875\n"
                              "2,0,100,20,off,1,0,0,0,0,0,0,,,\n"
                              "3,100,5,100,on,0,,,,,,,,,\n"));
}

TEST(SummaryJson, TheSameFieldsAsTheCsvWithNullWhereItIsEmpty)
{
    const std::vector<RunResult> runs = results();
    RunPlan plan;
    plan.warmup = 1000;
    plan.ticks = 400;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(summaryJson(runs, plan), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    EXPECT_EQ(doc["warmup"].toInteger(), 1000);
    EXPECT_EQ(doc["ticks"].toInteger(), 400);

    const QList<QByteArray> rows = summaryCsv(runs).split('\n');
    const QList<QByteArray> columns = rows[0].split(',');
    const QJsonArray array = doc["runs"].toArray();
    ASSERT_EQ(array.size(), 3);
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject run = array[i].toObject();
        const QList<QByteArray> fields = rows[i + 1].split(',');
        ASSERT_EQ(run.size(), columns.size());
        for (qsizetype k = 0; k < columns.size(); ++k) {
            const QJsonValue v = run[QString::fromLatin1(columns[k])];
            if (columns[k] == "collisions") {
                EXPECT_EQ(v.toBool(), fields[k] == "on");
            } else if (fields[k].isEmpty()) {
                EXPECT_TRUE(v.isNull()) << columns[k].constData();
            } else {
                EXPECT_EQ(v.toDouble(), fields[k].toDouble()) << columns[k].constData();
            }
        }
    }
    EXPECT_EQ(summaryJson({}, plan), QByteArray("{\n  \"warmup\": 1000,\n  \"ticks\": 400,\n"
                                                "  \"runs\": []\n}\n"));
}

TEST(SeriesCsv, EveryReadingExactlyLedByItsRun)
{
    const std::vector<RunResult> runs = results();
    const QByteArray csv = seriesCsv(runs);
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 5); // header, three readings, and the final newline
    EXPECT_TRUE(lines[0].startsWith("run,tick,"));
    EXPECT_TRUE(lines[4].isEmpty());
    // Without the run column the rows are the reading log's CSV, which reads
    // back to the very same numbers.
    QByteArray first = lines[0].mid(4) + '\n', second = first;
    for (int k = 1; k <= 3; ++k) {
        const QByteArray run = lines[k].left(2);
        (run == "1," ? first : second) += lines[k].mid(2) + '\n';
        EXPECT_TRUE(run == (k <= 2 ? "1," : "2,")) << lines[k].constData();
    }
    std::vector<GasReading> back;
    QString error;
    ASSERT_TRUE(parseReadingsCsv(first, &back, &error)) << qPrintable(error);
    ASSERT_EQ(back.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(back[k].tick, runs[0].readings[k].tick);
        EXPECT_EQ(back[k].pressure, runs[0].readings[k].pressure);
        EXPECT_EQ(back[k].temperature, runs[0].readings[k].temperature);
        EXPECT_EQ(back[k].energy, runs[0].readings[k].energy);
    }
    ASSERT_TRUE(parseReadingsCsv(second, &back, &error)) << qPrintable(error);
    EXPECT_EQ(back.size(), 1u);
}

TEST(SeriesJson, ReadsBackToTheSameNumbers)
{
    const std::vector<RunResult> runs = results();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(seriesJson(runs), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    const QJsonArray array = doc["runs"].toArray();
    ASSERT_EQ(array.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        const QJsonObject run = array[i].toObject();
        const RunResult &r = runs[static_cast<size_t>(i)];
        EXPECT_EQ(run["run"].toInt(), i + 1);
        EXPECT_EQ(run["count"].toInt(), r.settings.count);
        EXPECT_EQ(run["collisions"].toBool(), r.settings.collisions);
        const QJsonArray readings = run["readings"].toArray();
        ASSERT_EQ(static_cast<size_t>(readings.size()), r.readings.size());
        for (qsizetype k = 0; k < readings.size(); ++k) {
            const GasReading &g = r.readings[static_cast<size_t>(k)];
            EXPECT_EQ(readings[k]["tick"].toInteger(), g.tick);
            EXPECT_EQ(readings[k]["time"].toDouble(), g.time);
            EXPECT_EQ(readings[k]["pressure"].toDouble(), g.pressure);
            EXPECT_EQ(readings[k]["temperature"].toDouble(), g.temperature);
            EXPECT_EQ(readings[k]["energy"].toDouble(), g.energy);
        }
    }
}

} // namespace
