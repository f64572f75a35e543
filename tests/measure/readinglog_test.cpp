#include "readinglog.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace {

// The text with its first `from` replaced by `to`.
std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    return text.replace(text.find(from), from.size(), to);
}

// The second line of a text: the first row of a CSV.
std::string firstRow(const std::string &csv)
{
    return csv.substr(csv.find('\n') + 1);
}

// A number's text as the windows read it.
double toDouble(const std::string &text)
{
    return QByteArray::fromStdString(text).toDouble();
}

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

// A gas brought to rest by a bath at 0 reads a temperature near 1e-15, not 0:
// zero to the precision of the gas it came from, it gives no ratio (today's
// 1e12 would be the mean), while a cold gas that still moves keeps its own.
TEST(ReadingLog, ATemperatureZeroToTheGasPrecisionHasNoRatio)
{
    const double p = 2000.0 * 50 * 2.0 / 100; // ratio 1 at wall 100, T 2
    const struct
    {
        double temperature;
        bool ratio;
    } cases[] = {{8e-16, false}, {2e-7, false}, {1e-3, true}, {2.0, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.temperature);
        ReadingLog log;
        log.append(reading(200, 50, 100, p, 2.0));
        log.markChange(); // the bath
        log.append(reading(400, 50, 100, p * c.temperature / 2, c.temperature));
        for (int64_t tick = 600; tick <= 1000; tick += 200) {
            log.append(reading(tick, 50, 100, p * c.temperature / 2 + 1e-9, c.temperature));
        }
        const Stats st = log.idealGasRatioSinceChange();
        EXPECT_EQ(st.n, c.ratio ? 3 : 0);
        EXPECT_EQ(log.zeroTemperature(c.temperature), !c.ratio);
        if (c.ratio) {
            EXPECT_NEAR(st.mean, 1.0, 1e-3);
        }
        // The clear keeps the gas's scale: its readings are still at rest.
        log.clear();
        log.append(reading(1200, 50, 100, 1e-9, c.temperature));
        EXPECT_EQ(log.zeroTemperature(c.temperature), !c.ratio);
    }
    // With no scale, only 0 is zero, as before.
    EXPECT_TRUE(idealGasRatio(reading(200, 50, 100, 1e-9, 8e-16)).has_value());
    EXPECT_FALSE(idealGasRatio(reading(200, 50, 100, 1e-9, 8e-16), 2.0).has_value());
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

TEST(ReadingLog, ChangesTheReadingsDoNotCarryAndBurstsOfChanges)
{
    // Each case: per reading, the wall it was taken at and whether a change
    // the readings do not show (the process's) came before it.
    const struct
    {
        const char *what;
        std::vector<std::pair<int, bool>> readings;
        std::vector<size_t> marks;
        int sinceChange; // readings in the current stretch's statistics
    } cases[] = {
        {"no change", {{100, false}, {100, false}, {100, false}}, {}, 3},
        {"a process change", {{100, false}, {100, true}, {100, false}, {100, false}}, {1}, 2},
        {"a change pending before the first reading is none", {{100, true}, {100, false}}, {}, 2},
        {"presses in three readings in a row: one mark, the stretch after the last",
         {{100, false}, {99, false}, {98, false}, {97, true}, {97, false}, {97, false}},
         {1},
         2},
        {"two changes a reading apart stay two",
         {{100, false}, {90, false}, {90, false}, {80, false}, {80, false}},
         {1, 3},
         1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ReadingLog log;
        int64_t tick = 0;
        for (const auto &[wall, change] : c.readings) {
            if (change) {
                log.markChange();
            }
            tick += 200;
            log.append(reading(tick, 50, wall, 1000.0 + double(tick), 2.0));
        }
        EXPECT_EQ(log.changes(), c.marks);
        const Stats p = log.sinceChange(&GasReading::pressure);
        EXPECT_EQ(p.n, c.sinceChange);
        EXPECT_EQ(log.idealGasRatioSinceChange().n, c.sinceChange);
        EXPECT_DOUBLE_EQ(p.mean, 1000.0 + 200.0 * (2 * c.readings.size() - c.sinceChange + 1) / 2);
    }
}

TEST(ReadingsCsv, RoundTripsEveryFieldExactlyAndRefusesOtherText)
{
    std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 0.3333333432674408),
                                        reading(400, 0, 0, 0, 0)};
    readings[0].energy = std::numeric_limits<float>::denorm_min();
    readings[1].collisions = false;
    readings[1].time = 40.000000596046448; // the gas's 400 x float 0.1
    const std::string csv = readingsCsv(readings);
    EXPECT_TRUE(csv.starts_with("tick,time,count,wall,temperature_setting,collisions,pressure,"
                                "temperature,energy\n200,20,50,100,20,on,1966,"));
    std::vector<GasReading> back;
    std::string error;
    ASSERT_TRUE(parseReadingsCsv(csv, &back, &error)) << error;
    ASSERT_EQ(back.size(), readings.size());
    EXPECT_EQ(readingsCsv(back), csv) << "every field read back";
    EXPECT_EQ(back[0].energy, readings[0].energy) << "no digit lost";
    EXPECT_EQ(back[0].temperature, readings[0].temperature);
    EXPECT_EQ(back[1].time, 40.0) << "the time is the tick's, exactly";
    for (const std::string &bad :
         {std::string("200,20\n"), csv + "1,2,3\n", replaced(csv, ",on,", ",1,5,")}) {
        EXPECT_FALSE(parseReadingsCsv(bad, &back, &error)) << bad;
    }
}

// A reading's number is read as std::from_chars reads it, whichever way the
// standard library at hand converts it: the same text accepted, the same float.
TEST(ReadingsCsv, ANumberIsTheWholeFieldInTheCLocale)
{
    const struct
    {
        const char *field;
        const char *read; // floatText of the float read; null: refused
    } cases[] = {
        {"1966.5", "1966.5"}, {"-0.1", "-0.1"},     {".5", "0.5"},      {"5.", "5"},
        {"2e-07", "2e-07"},   {"1.5e-45", "1e-45"}, {"inf", "inf"},     {"-nan", "-nan"},
        {"+1", nullptr},      {" 1", nullptr},      {"1 ", nullptr},    {"0x10", nullptr},
        {"1e", nullptr},      {"1e99", nullptr},    {"1e-60", nullptr}, {"--1", nullptr},
        {"-", nullptr},       {"", nullptr},
    };
    for (const auto &c : cases) {
        const std::string csv = readingsCsv({}) + "200,20,50,100,20,on," + c.field + ",1,1\n";
        std::vector<GasReading> back;
        std::string error;
        const bool read = parseReadingsCsv(csv, &back, &error);
        EXPECT_EQ(read, c.read != nullptr) << c.field;
        if (read && c.read) {
            EXPECT_EQ(floatText(back[0].pressure), c.read) << c.field;
        }
    }
    EXPECT_EQ(floatText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(Stats, EqualValuesHaveNoSpreadAndOneValueNone)
{
    const struct
    {
        std::vector<double> values;
        int n;
        double mean, spread;
        bool hasSpread;
    } cases[] = {
        {{}, 0, 0, 0, false},
        {{298.367}, 1, 298.367, 0, false},
        // Summed, ten 0.1 make 0.9999999999999999: no rounding may show.
        {std::vector<double>(10, 0.1), 10, 0.1, 0, true},
    };
    for (const auto &c : cases) {
        const Stats s = statsOf(c.values);
        EXPECT_EQ(std::tuple(s.n, s.mean, s.spread, s.hasSpread()),
                  std::tuple(c.n, c.mean, c.spread, c.hasSpread))
            << c.values.size() << " values";
    }
}

TEST(ReadingsCsv, ReadingsAsTheirFloatsAndTheTimeAsTheTicksTenth)
{
    const struct
    {
        int64_t tick;
        double pressure; // the gas's float, widened
        const char *row;
    } cases[] = {
        {200, 3826.672119140625, "200,20,50,100,20,on,3826.672,"},
        {1, 0.1f, "1,0.1,50,100,20,on,0.1,"},
        {12345, 1e-45f, "12345,1234.5,50,100,20,on,1e-45,"},
    };
    for (const auto &c : cases) {
        GasReading r = reading(c.tick, 50, 100, c.pressure, 2.0);
        r.time = c.tick * double(0.1f);
        const std::string csv = readingsCsv({r});
        EXPECT_TRUE(firstRow(csv).starts_with(c.row)) << csv;
        std::vector<GasReading> back;
        std::string error;
        ASSERT_TRUE(parseReadingsCsv(csv, &back, &error)) << error;
        EXPECT_EQ(back[0].pressure, double(float(c.pressure))) << c.row;
    }
}

TEST(ReadingsCsv, TheSpreadsheetDialectHasSemicolonsAndADecimalComma)
{
    const std::vector<GasReading> readings = {reading(200, 50, 100, 3826.672119140625, 1.0 / 3),
                                              reading(401, 50, 60, 1966.5, 0.25)};
    const std::string sheet = readingsCsv(readings, CsvDialect::Spreadsheet);
    EXPECT_EQ(sheet, "tick;time;count;wall;temperature_setting;collisions;pressure;"
                     "temperature;energy\n"
                     "200;20;50;100;20;on;3826,672;0,33333334;50\n"
                     "401;40,1;50;60;20;on;1966,5;0,25;37,5\n");
    std::vector<GasReading> back;
    std::string error;
    ASSERT_TRUE(parseReadingsCsv(sheet, &back, &error, CsvDialect::Spreadsheet)) << error;
    EXPECT_EQ(readingsCsv(back), readingsCsv(readings)) << "the same readings as the plain file";
    EXPECT_FALSE(parseReadingsCsv(sheet, &back, &error)) << "not a plain file";
    EXPECT_FALSE(parseReadingsCsv(readingsCsv(readings), &back, &error, CsvDialect::Spreadsheet));
}

// The ledger, the energies per axis and the temperature are sums of floats:
// written to a float's digits, they still round to what the window showed.
TEST(MeasuredText, AFloatsDigitsThatReadBackToTheFloatAndToTheHundredthsShown)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {
        {-0.0, "0"},
        {0.0, "0"},
        {1.0 / 3, "0.33333334"},
        {262.12345678901234, "262.12344"},
        {-298.3666230563596, "-298.36664"},
        {2e-7, "2e-07"},
        // Floats 0.0078 apart: the float alone would show 100000.01.
        {100000.004, "100000.004"},
        {3.0e6 + 0.25, "3000000.25"},
        // Halfway between hundredths, as the windows round it: away from 0.
        {0.125 + 5e-9, "0.125"},
        {-0.375 - 5e-9, "-0.375"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(measuredText(c.value), c.text) << c.value;
    }
    EXPECT_EQ(floatText(-0.0), "0");

    const auto shown = [](double v) { return QByteArray::number(v, 'f', 2); };
    std::mt19937 random(7);
    std::uniform_real_distribution<double> exponent(-4, 7), sign(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::copysign(std::pow(10.0, exponent(random)), sign(random));
        const std::string text = measuredText(v);
        const double back = toDouble(text);
        ASSERT_EQ(static_cast<float>(back), static_cast<float>(v)) << text;
        ASSERT_EQ(shown(back), shown(v)) << text;
        // No digit beyond the float's shortest text where that shows the
        // same hundredths as the value.
        if (shown(toDouble(floatText(v))) == shown(v)) {
            ASSERT_EQ(text, floatText(v)) << v;
        }
    }
}
