// molvix-lab's process: its options and their bad values, what a run of a
// moving or loaded piston with the bath measures, and the columns it adds.
#include "labparse.h"
#include "laboptions.h"
#include "labwriters.h"
#include "language.h"
#include "processcsv.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ParsedCommandLine parse(const QString &line)
{
    return parseInEnglish(line);
}

TEST(ProcessOptions, BadValuesAreRefusedAsTheOthersAre)
{
    const struct
    {
        const char *line, *message;
    } cases[] = {
        {"--piston sliding", "--piston sliding: use fixed, moving or loaded, or a list"},
        {"--piston moving,", "--piston moving,: use fixed, moving or loaded, or a list"},
        {"--piston-to 101", "--piston-to 101: 101 is outside 0..100"},
        {"--piston-to -0.5", "--piston-to -0.5: -0.5 is outside 0..100"},
        {"--piston-speed fast", "--piston-speed fast: 'fast' is not a number"},
        {"--piston-speed 1,,2", "--piston-speed 1,,2: a value is missing"},
        {"--piston-speed nan", "--piston-speed nan: 'nan' is not a number"},
        {"--piston-speed 1e999", "--piston-speed 1e999: '1e999' is not a number"},
        {"--load 2e7", "--load 2e7: 2e7 is outside 0..10000000"},
        // Hotter, the pressure reading falls more than 2 % short.
        {"--bath on --bath-temperature 101", "--bath-temperature 101: 101 is outside 0..100"},
        {"--piston-mass 0.5", "--piston-mass 0.5: 0.5 is outside 1..1000000"},
        {"--piston loaded --load 5000 --piston-mass 100,1",
         "--load 5000 with --piston-mass 1: the load may be at most 500 x the piston's mass"},
        {"--piston loaded --load 500.0001 --piston-mass 1", // its own digits, not 500
         "--load 500.0001 with --piston-mass 1: the load may be at most 500 x the piston's mass"},
        {"--bath yes", "--bath yes: use on, off or on,off"},
        {"--bath-temperature 3:1", "--bath-temperature 3:1: '3:1' starts above its stop"},
        {"--bath-temperature 1:3:-1", "--bath-temperature 1:3:-1: step -1 must be positive"},
        {"--piston-speed 0:1e9:1e-3", "--piston-speed 0:1e9:1e-3: 1e9 is outside 0..1000"},
        {"--load 0:1e7:1e-3", "--load 0:1e7:1e-3: '0:1e7:1e-3' has more than 100000 values"},
        {"--load 1 --load 2", "--load is given more than once"},
        // A setting no run would use.
        {"--piston-to 50", "--piston-to needs --piston moving: no run of the sweep would use it"},
        {"--piston loaded --piston-speed 2",
         "--piston-speed needs --piston moving: no run of the sweep would use it"},
        {"--piston fixed,moving --load 500",
         "--load needs --piston loaded: no run of the sweep would use it"},
        {"--bath off --bath-temperature 5",
         "--bath-temperature needs --bath on: no run of the sweep would use it"},
    };
    for (const auto &c : cases) {
        const ParsedCommandLine p = parse(QString::fromLatin1(c.line));
        EXPECT_EQ(p.action, ParsedCommandLine::Error) << c.line;
        EXPECT_EQ(p.text.toStdString(), c.message) << c.line;
    }
}

TEST(ProcessOptions, EachIsASweepAndAnyOfThemAddsTheColumns)
{
    const ParsedCommandLine p =
        parse("--wall 60,80 --piston moving,loaded --piston-speed 0.1:0.3:0.1 --bath on,off "
              "--bath-temperature 2.5");
    ASSERT_EQ(p.action, ParsedCommandLine::Run) << qPrintable(p.text);
    const std::vector<RunSettings> runs = p.options.runs();
    ASSERT_EQ(runs.size(), 2u * 2 * 3 * 2);
    // The process's settings inside the classic ones, in the order of --help.
    const float speeds[] = {0.1f, 0.2f, 0.3f};
    for (size_t k = 0; k < runs.size(); ++k) {
        const RunSettings &r = runs[k];
        EXPECT_EQ(r.wall, k < 12 ? 60 : 80);
        EXPECT_EQ(r.piston, k % 12 < 6 ? PistonMode::Moving : PistonMode::Loaded);
        EXPECT_FLOAT_EQ(r.pistonSpeed, speeds[k / 2 % 3]) << k;
        EXPECT_EQ(r.bath, k % 2 == 0);
        EXPECT_EQ(r.bathTemperature, std::optional(2.5f));
        EXPECT_FALSE(r.pistonTo.has_value());
        EXPECT_TRUE(r.processColumns);
    }
    const std::vector<RunSettings> classic = parse("--wall 60,80").options.runs();
    ASSERT_EQ(classic.size(), 2u);
    EXPECT_FALSE(classic[0].processColumns || classic[0].bath ||
                 classic[0].piston != PistonMode::Fixed);
}

// A moving piston waits through the warm-up, then is pressed in: without the
// bath all the energy the gas gains is work, and the fit sees the path.
TEST(ProcessRun, TheMovingPistonMovesOnlyWhileMeasuredAndItsWorkIsTheEnergyGained)
{
    RunSettings s;
    s.count = 60;
    s.collisions = true;
    s.piston = PistonMode::Moving;
    s.pistonTo = 50;
    s.pistonSpeed = 2;
    s.processColumns = true;
    const RunResult r = runExperiment(s, RunPlan{2000, 4000, true});
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.wallStart, 100);
    EXPECT_EQ(r.wallEnd, 50);
    EXPECT_GT(r.work, 0);
    EXPECT_EQ(r.heat, 0);
    EXPECT_NEAR(r.energyChange, r.work, 1e-6 * r.work);
    EXPECT_NEAR(r.temperatureEnd / r.temperatureStart - 1, r.energyChange / (180 * r.temperatureStart),
                1e-6) << "the temperature is the energy over 3 N";
    ASSERT_TRUE(r.gamma.has_value());
    EXPECT_GT(r.gamma->gamma, 1.3);
    EXPECT_LT(r.gamma->gamma, 2.2);
    ASSERT_FALSE(r.readings.empty());
    EXPECT_DOUBLE_EQ(r.readings.back().work, r.work);

    // The series and the summary carry the process's columns, at the end:
    // after its run, a series row has the window's process file's columns.
    const QList<QByteArray> series = seriesCsv({r}).split('\n');
    EXPECT_TRUE(series[0].endsWith(",energy,piston,volume,work,heat,energy_x,energy_y,energy_z"))
        << series[0].constData();
    EXPECT_EQ(series[0], "run," + QByteArray::fromStdString(processReadingsCsv({})).split('\n')[0]);
    EXPECT_EQ(series[1].count(','), series[0].count(','));
    const QList<QByteArray> summary = summaryCsv({r}).split('\n');
    EXPECT_TRUE(summary[0].contains(",ks_mb,piston,piston_to,piston_speed,load,"));
    EXPECT_TRUE(summary[1].contains(",moving,50,2,0,100,off,"));
    EXPECT_EQ(summary[1].count(','), summary[0].count(','));
}

// The bath's default temperature is the gas's once the settings are applied;
// the loaded piston settles where the gas's pressure carries the load.
TEST(ProcessRun, TheBathTakesTheGasTemperatureAndTheLoadIsCarried)
{
    RunSettings s;
    s.count = 80;
    s.collisions = true;
    s.piston = PistonMode::Loaded;
    s.load = 4000;
    s.bath = true;
    const RunResult r = runExperiment(s, RunPlan{20000, 40000, false});
    ASSERT_TRUE(r.completed);
    LabGas classic(RunSettings{80, 100, 20, true});
    EXPECT_FLOAT_EQ(r.bathTemperature, static_cast<float>(classic.gas.reading(0).temperature));
    EXPECT_NEAR(r.pressure.mean / 4000, 1, 0.03);
    EXPECT_NEAR(r.temperature.mean / r.bathTemperature, 1, 0.04);
    // P V = N T in these units: P x W = 2000 N T.
    EXPECT_NEAR(r.piston.mean * 4000 / (2000 * 80 * r.temperature.mean), 1, 0.05);
    EXPECT_NEAR(r.energyChange, r.work + r.heat, 1e-3);
}

// An empty box has no temperature, at the start and the end as in the mean.
TEST(ProcessRun, AnEmptyBoxHasNoTemperatureAtTheStartOrTheEnd)
{
    RunSettings s{0, 100, 20, false};
    s.bath = true;
    s.processColumns = true;
    const QList<QByteArray> rows = summaryCsv({runExperiment(s, RunPlan{0, 400, false})}).split('\n');
    const QList<QByteArray> names = rows[0].split(','), fields = rows[1].split(',');
    ASSERT_EQ(names.size(), fields.size());
    for (const char *name : {"temperature_mean", "temperature_start", "temperature_end"}) {
        EXPECT_EQ(fields[names.indexOf(name)], "") << name;
    }
    EXPECT_EQ(fields[names.indexOf("energy_change")], "0");
}

// A bath at 0 brings the gas to rest, to the last bit of its floats: what
// rounding leaves is no temperature to divide by, nor speeds to compare. A
// bath just warm enough to keep the gas moving still has both.
TEST(ProcessRun, AGasBroughtToRestHasNoRatioNorSpeedDistribution)
{
    for (const float bath : {0.0f, 0.05f}) {
        RunSettings s{100, 20, 20, true};
        s.bath = true;
        s.bathTemperature = bath;
        s.processColumns = true;
        const RunResult r = runExperiment(s, RunPlan{2000, 4000, false});
        const QList<QByteArray> rows = summaryCsv({r}).split('\n');
        const QList<QByteArray> names = rows[0].split(','), fields = rows[1].split(',');
        SCOPED_TRACE(rows[1].toStdString());
        for (const char *name : {"pvnt_mean", "pvnt_sd", "ks_mb"}) {
            EXPECT_EQ(fields[names.indexOf(name)].isEmpty(), bath == 0) << name;
        }
    }
}

// A CSV's cells in the column of that name, one per row.
QList<QByteArray> column(const QByteArray &csv, const char *name)
{
    QList<QByteArray> rows = csv.trimmed().split('\n');
    const qsizetype at = rows.takeFirst().split(',').indexOf(name);
    QList<QByteArray> cells;
    for (const QByteArray &row : rows) {
        cells << (at < 0 ? QByteArray("(no column)") : row.split(',').value(at));
    }
    return cells;
}

// The summary's fit: an exponent with an error only for a path it describes,
// and what the path is; the volumes the fit took are the process file's.
TEST(ProcessRun, TheFitGivesGammaOnlyForAPowerLawWithAnErrorForCorrelatedReadings)
{
    const struct
    {
        const char *name;
        int32_t wall;
        float to, speed;
        const char *path; // gamma_path
        bool gamma;
    } cases[] = {
        {"adiabatic compression", 100, 50, 0.1f, "power_law", true},
        // Pressed home within the first reading: one step, then nothing.
        {"compression in one reading", 100, 50, 10, "jump", false},
        // The piston outruns the gas in the first ticks: every reading is
        // at the full box, no volume change to fit.
        {"free expansion", 50, 100, 1000, "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RunSettings s;
        s.count = 100;
        s.collisions = true;
        s.wall = c.wall;
        s.piston = PistonMode::Moving;
        s.pistonTo = c.to;
        s.pistonSpeed = c.speed;
        s.processColumns = true;
        const RunResult r = runExperiment(s, RunPlan{2000, 6000, true});
        const QByteArray summary = summaryCsv({r});
        EXPECT_EQ(column(summary, "gamma_path"), QList<QByteArray>{c.path}) << summary.constData();
        const QByteArray gamma = column(summary, "gamma").value(0);
        const QByteArray error = column(summary, "gamma_se").value(0);
        if (c.gamma) {
            EXPECT_NEAR(gamma.toDouble(), 5.0 / 3, 0.15) << summary.constData();
            // Readings of a slow compression are alike from one to the next:
            // the error from blocks, not the textbook one that takes them as
            // independent.
            ASSERT_TRUE(r.gamma.has_value());
            EXPECT_EQ(error, summaryNumber(r.gamma->error));
            EXPECT_GT(r.gamma->error, 0);
            EXPECT_LT(r.gamma->error, 0.1);
        } else {
            EXPECT_EQ(gamma, "") << "no exponent, as the window shows none";
            EXPECT_EQ(error, "");
        }
        // The columns before the new one keep their places.
        EXPECT_TRUE(summary.left(summary.indexOf('\n')).endsWith(",energy_z_start,gamma_path"));

        // The series' volumes are the process file's, and the exponent is
        // the slope of ln P against ln V of that file's volumes.
        const QByteArray process = QByteArray::fromStdString(processReadingsCsv(r.readings));
        const QList<QByteArray> volumes = column(process, "volume");
        ASSERT_FALSE(volumes.isEmpty());
        EXPECT_EQ(column(seriesCsv({r}), "volume"), volumes);
        const QList<QByteArray> pressures = column(process, "pressure");
        std::vector<PvPoint> path;
        for (qsizetype i = 0; i < volumes.size(); ++i) {
            path.push_back({volumes[i].toDouble(), pressures[i].toDouble()});
        }
        const auto fit = fitPolytrope(path);
        ASSERT_EQ(fit.has_value(), r.gamma.has_value());
        if (fit) {
            EXPECT_NEAR(fit->gamma, r.gamma->gamma, 1e-4);
        }
    }
}

} // namespace
