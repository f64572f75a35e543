#include "labwriters.h"

#include "processcsv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <tuple>

namespace {

GasReading reading(int64_t tick, double pressure, double temperature)
{
    return {tick, tick * 0.1, 40, 60, 30, true, pressure, temperature, 0.1 + temperature / 3};
}

// A measured run, and one of an empty gas: readings, but no ratio nor distance.
std::vector<RunResult> results()
{
    RunResult a, empty;
    a.settings = {40, 60, 30, true};
    a.readingCount = 2;
    a.readings = {reading(200, 2676.5546875, 2.0138888359069824), reading(400, 2701.25, 1.0 / 3)};
    a.pressure = {2, 2688.90234375, 17.4617};
    a.temperature = {2, 1234567.0, 0.000123456789};
    a.energy = {2, 0.5, 0};
    a.idealGasRatio = {2, 0.99999949, 0.0123};
    a.ks = 0.0421875;
    empty.settings = {0, 100, 20, false};
    empty.readingCount = 1;
    empty.readings = {reading(200, 0, 0)};
    empty.pressure = empty.temperature = empty.energy = {1, 0, 0};
    return {a, empty};
}

TEST(Summary, SixDigitsAndEmptyWhereNothingIsDefinedInCsvAndJson)
{
    EXPECT_EQ(summaryCsv(results()),
              QByteArray("run,count,wall,temperature_setting,collisions,readings,"
                         "pressure_mean,pressure_sd,temperature_mean,temperature_sd,"
                         "energy_mean,energy_sd,pvnt_mean,pvnt_sd,ks_mb\n"
                         "1,40,60,30,on,2,2688.9,17.4617,1.23457e+06,0.000123457,0.5,0,"
                         "0.999999,0.0123,0.0421875\n"
                         "2,0,100,20,off,1,0,,0,,0,,,,\n"));
    const QByteArray json = summaryJson(results(), RunPlan{1000, 400, true});
    EXPECT_EQ(json.toStdString(),
              "{\n  \"warmup\": 1000,\n  \"ticks\": 400,\n  \"runs\": [\n"
              "    {\"run\": 1, \"count\": 40, \"wall\": 60, \"temperature_setting\": 30, "
              "\"collisions\": true, \"readings\": 2, \"pressure_mean\": 2688.9, "
              "\"pressure_sd\": 17.4617, \"temperature_mean\": 1.23457e+06, "
              "\"temperature_sd\": 0.000123457, \"energy_mean\": 0.5, \"energy_sd\": 0, "
              "\"pvnt_mean\": 0.999999, \"pvnt_sd\": 0.0123, \"ks_mb\": 0.0421875},\n"
              "    {\"run\": 2, \"count\": 0, \"wall\": 100, \"temperature_setting\": 20, "
              "\"collisions\": false, \"readings\": 1, \"pressure_mean\": 0, "
              "\"pressure_sd\": null, \"temperature_mean\": 0, \"temperature_sd\": null, "
              "\"energy_mean\": 0, \"energy_sd\": null, \"pvnt_mean\": null, \"pvnt_sd\": null, "
              "\"ks_mb\": null}\n"
              "  ]\n}\n");
    EXPECT_FALSE(QJsonDocument::fromJson(json).isNull()) << "valid JSON";
}

TEST(Series, EveryReadingLedByItsRunWithExactNumbers)
{
    const std::vector<RunResult> runs = results();
    const QList<QByteArray> csv = seriesCsv(runs).split('\n');
    ASSERT_EQ(csv.size(), 5); // header, three readings, the final newline
    EXPECT_TRUE(csv[0].startsWith("run,tick,") && csv[1].startsWith("1,200,") &&
                csv[2].startsWith("1,400,") && csv[3].startsWith("2,200,"));
    EXPECT_EQ(csv[2], "1,400,40,40,60,30,on,2701.25,0.33333334,0.21111111")
        << "the readings' floats and the tick's time";

    const QJsonArray json = QJsonDocument::fromJson(seriesJson(runs))["runs"].toArray();
    ASSERT_EQ(json.size(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
        const RunResult &r = runs[static_cast<size_t>(i)];
        EXPECT_EQ(json[i]["run"].toInt(), i + 1);
        EXPECT_EQ(json[i]["count"].toInt(), r.settings.count);
        const QJsonArray readings = json[i]["readings"].toArray();
        ASSERT_EQ(static_cast<size_t>(readings.size()), r.readings.size());
        for (size_t k = 0; k < r.readings.size(); ++k) {
            const GasReading &g = r.readings[k];
            const QJsonValue j = readings[static_cast<qsizetype>(k)];
            // Each reading reads back as the same float, the time as tick x 0.1.
            const auto same = [&](const char *key, double value) {
                return float(j[key].toDouble()) == float(value);
            };
            EXPECT_TRUE(j["tick"].toInteger() == g.tick && j["time"].toDouble() == g.tick / 10.0 &&
                        same("pressure", g.pressure) && same("temperature", g.temperature) &&
                        same("energy", g.energy))
                << "run " << i + 1 << " reading " << k;
        }
    }
}

// The real gas: a reading alone has no spread, an energy that never
// changes (collisions off) none either, an empty box no temperature.
TEST(Summary, SpreadsAndMeansOnlyWhereTheReadingsDefineThem)
{
    const struct
    {
        RunSettings settings;
        int64_t ticks;
        // readings, pressure_sd, temperature_mean empty, temperature_sd, energy_sd
        std::tuple<QByteArray, QByteArray, bool, QByteArray, QByteArray> expected;
    } cases[] = {
        {{0, 100, 20, false}, 400, {"2", "0", true, "", "0"}},
        {{10, 100, 20, false}, 200, {"1", "", false, "", ""}},
        {{10, 100, 20, false}, 2000, {"10", "*", false, "0", "0"}},
    };
    for (const auto &c : cases) {
        const RunResult r = runExperiment(c.settings, RunPlan{0, c.ticks, false});
        const QList<QByteArray> f = summaryCsv({r}).split('\n')[1].split(',');
        ASSERT_EQ(f.size(), 15);
        const QByteArray pressureSd = f[7].isEmpty() || f[7] == "0" ? f[7] : "*";
        EXPECT_EQ(std::tuple(f[5], pressureSd, f[8].isEmpty(), f[9], f[11]), c.expected)
            << summaryCsv({r}).toStdString();
    }
}

// A zero that came out negative (a sum of cancelling floats, a fit's slope)
// is written 0 in every cell of both tables, in CSV and JSON alike.
TEST(Summary, NoCellIsMinusZero)
{
    RunResult r;
    r.settings = {10, 50, 20, false};
    r.settings.processColumns = true;
    r.settings.bath = true;
    r.completed = true;
    r.readingCount = 2;
    GasReading g = reading(200, 0, 0);
    g.work = g.heat = g.energyX = g.energyY = g.energyZ = g.pressure = -0.0;
    r.readings = {g, g};
    r.pressure = r.energy = r.temperature = r.idealGasRatio = r.piston = {2, -0.0, 0};
    r.ks = -0.0;
    r.temperatureStart = r.temperatureEnd = r.work = r.heat = r.energyChange = -0.0;
    r.energyXStart = r.energyYStart = r.energyZStart = r.bathTemperature = -0.0f;
    r.gamma = PvFit{-0.0, -0.0};
    for (const QByteArray &text : {summaryCsv({r}), seriesCsv({r}),
                                   summaryJson({r}, RunPlan{0, 400, true}), seriesJson({r})}) {
        EXPECT_FALSE(text.contains(",-0,") || text.contains(",-0\n") || text.contains(": -0,") ||
                     text.contains(": -0}"))
            << text.constData();
        EXPECT_TRUE(text.contains(",0,") || text.contains(": 0,")) << text.constData();
    }
}

// Every column the files have is explained where a reader looks for it: the
// handbook's export sections and molvix-lab page, in both languages, and
// the man page. A column added to a writer and not to them fails here.
TEST(Columns, EveryColumnIsExplainedInTheHandbookAndTheManPage)
{
    RunResult r;
    r.settings.processColumns = true;
    RunResult mixed;
    mixed.settings.mixture = true;
    QSet<QString> columns;
    for (const QByteArray &csv :
         {summaryCsv({r}), summaryCsv({mixed}), seriesCsv({r}), profileCsv({}),
          QByteArray::fromStdString(processReadingsCsv({}))}) {
        for (const QByteArray &name : csv.left(csv.indexOf('\n')).split(',')) {
            columns << QString::fromLatin1(name);
        }
    }
    ASSERT_GT(columns.size(), 40);

    const auto read = [](const QString &path) {
        QFile f(QStringLiteral(MOLVIX_SOURCE_DIR "/") + path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
        return QString::fromUtf8(f.readAll());
    };
    // The names a document explains: the handbook's <code> cells, the man
    // page's tagged paragraphs, each a name or a list of names.
    const auto named = [](const QString &text, const QRegularExpression &tag) {
        QSet<QString> names;
        for (auto m = tag.globalMatch(text); m.hasNext();) {
            for (const QString &name : m.next().captured(1).split(QStringLiteral(", "))) {
                names << QString(name).remove(QLatin1Char('\\'));
            }
        }
        return names;
    };
    const QRegularExpression code(QStringLiteral("<code>([^<]*)</code>"));
    for (const char *language : {"es", "en"}) {
        QString pages;
        for (const char *page : {"graphs", "processes", "lab"}) {
            pages += read(QStringLiteral("resources/handbook/%1/%2.html").arg(language, page));
        }
        const QSet<QString> explained = named(pages, code);
        for (const QString &column : columns) {
            EXPECT_TRUE(explained.contains(column)) << language << ": " << qPrintable(column);
        }
    }
    const QString man = read(QStringLiteral("packaging/man/molvix-lab.1"));
    const QString section = man.section(QStringLiteral(".SH COLUMNS"), 1).section(".SH ", 0, 0);
    const QSet<QString> explained =
        named(section, QRegularExpression(QStringLiteral("^\\.B (.*)$"),
                                          QRegularExpression::MultilineOption));
    for (const QString &column : columns) {
        EXPECT_TRUE(explained.contains(column)) << "man page: " << qPrintable(column);
    }
}

} // namespace
