#pragma once

#include "gasreading.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// P V / (N T) scaled so that an ideal gas reads 1 (docs/model.md derives the
// constant): pressure x wall / (2000 x count x temperature), with the
// readouts' own pressure, wall position and temperature. None when the count,
// the wall or the temperature is 0, the temperature to the gas's precision
// beside temperatureScale (see zeroTemperature).
std::optional<double> idealGasRatio(const GasReading &r, double temperatureScale = 0);

// Whether a temperature is 0 to the gas's precision. The velocities are
// floats: a temperature within a float's precision of the largest the gas
// has had (`scale`) is what rounding leaves of a gas brought to rest (a bath
// at 0 ends near 1e-15, not at 0), and a ratio over it means nothing.
bool zeroTemperature(double temperature, double scale);

// Mean and spread (sample standard deviation) of n values. A single value
// has no spread (spread stays 0: hasSpread() tells); equal values have a
// spread of exactly 0 and their own value as the mean.
struct Stats
{
    int n = 0;
    double mean = 0;
    double spread = 0;
    bool hasSpread() const { return n > 1; }
};
Stats statsOf(const std::vector<double> &values);

// Why the ideal-gas ratio since the last change has no figure, or Shown
// when it has one.
enum class RatioState
{
    Shown,
    NoReadings,
    NoParticles,     // the latest reading's count is 0
    NoVolume,        // its wall is at 0
    ZeroTemperature, // its temperature is 0 to the gas's precision
    Waiting          // the stretch has only its mixed first reading so far
};

// The history charts draw the newest kHistoryReadings readings (3 minutes
// at 1000 ticks/s) as at most kHistoryPoints points each: laying out a
// point costs the animation time.
constexpr size_t kHistoryReadings = 900;
constexpr size_t kHistoryPoints = 150;

// One history chart: its points (animation time, value), the changes'
// marks (times), the first reading drawn and the range of those drawn.
struct History
{
    struct Point
    {
        double time = 0;
        double value = 0;
    };
    std::vector<Point> points;
    std::vector<double> marks;
    size_t first = 0;
    double lowest = 0;
    double highest = 0;
};

// The history of readings. A change of the count, the wall, the temperature
// setting or collisions between two readings starts a new stretch, and so
// does one the readings do not carry (markChange: the piston, the bath); the
// first reading of a stretch mixes the old settings with the new, so stretch
// statistics leave it out. Changes in consecutive readings (a key held down,
// a run of presses) are one burst: one mark at its start, the stretch from
// its end.
class ReadingLog
{
public:
    void append(const GasReading &r);
    void clear();
    // The next reading starts a new stretch, as a change of its settings would.
    void markChange() { m_changePending = true; }

    const std::vector<GasReading> &readings() const { return m_readings; }
    bool empty() const { return m_readings.empty(); }
    // Indices of the readings that begin a burst of changes.
    const std::vector<size_t> &changes() const { return m_changes; }

    // The ideal-gas ratio over the current stretch (its first reading left
    // out), none for a reading whose temperature is 0 to the gas's precision.
    Stats idealGasRatioSinceChange() const;
    // Whether a temperature is 0 to the precision of the gas these readings
    // come from: the scale is the hottest reading appended.
    bool zeroTemperature(double temperature) const;
    // A reading's field over the current stretch, the same readings.
    Stats sinceChange(double GasReading::*field) const;
    // What the ratio since the last change can show.
    RatioState ratioState() const;
    // A reading's field as its history chart draws it: each point the mean
    // of a few consecutive readings, never across a change, at the time of
    // the newest of them (groups counted back from the newest reading, which
    // thus always ends the line); a change's mark half-way between the two
    // readings it falls between.
    History history(double GasReading::*field) const;

private:
    size_t stretchFirst() const;

    std::vector<GasReading> m_readings;
    std::vector<size_t> m_changes;
    size_t m_lastChange = 0; // the latest change, the end of its burst
    bool m_changePending = false;
    // The hottest reading's temperature. Kept by clear(): the gas is the same.
    double m_temperatureScale = 0;
};

// How a CSV file separates its fields and writes a decimal sign. The front
// end chooses (the windows from the user's locale and the save dialog).
enum class CsvDialect
{
    Plain,      // "," between fields, a decimal point: programs and most locales
    Spreadsheet // ";" between fields, a decimal comma: spreadsheets of decimal-comma locales
};

// One column of the readings' CSV: its header name, its field's text and
// how that text reads back. `setting` marks the settings a reading was taken
// under, which a run states once where it has its own record (JSON).
struct ReadingColumn
{
    const char *name;
    bool setting;
    std::string (*text)(const GasReading &r);
    bool (*read)(std::string_view text, GasReading *r);
};
// The columns in file order: tick, time, the settings, then the readings.
const std::vector<ReadingColumn> &readingColumns();

// A CSV written plain (commas, C-locale numbers) in the given dialect. No
// field of the program's files holds a comma or a semicolon of its own, and
// only numbers hold a point.
std::string inDialect(std::string csv, CsvDialect dialect);

// The log as CSV: a header row, then one row per reading. The readings
// (single-precision in the gas) are the shortest text that reads back to the
// same float, the time is the exact tick x 0.1.
std::string readingsCsv(const std::vector<GasReading> &readings,
                        CsvDialect dialect = CsvDialect::Plain);
// Reads what readingsCsv writes in that dialect, every reading the same
// float again; false (and a reason, in English) on anything else.
bool parseReadingsCsv(std::string_view csv, std::vector<GasReading> *out, std::string *error,
                      CsvDialect dialect = CsvDialect::Plain);

// A reading in the C locale: the shortest text that reads back to the same
// single-precision float as `value` rounds to. Zero is "0", never "-0".
std::string floatText(double value);
// A quantity the gas computes in single precision and sums in a double (the
// energy ledger, the energy per axis, the temperature from the velocities):
// the shortest text that reads back to the same float and rounds to the same
// hundredths as `value`, the most the windows show of these quantities.
// Beyond a float's precision only where the hundredths need it (far above
// 65 536, where floats lie further apart than a hundredth).
std::string measuredText(double value);
// The animation time of a tick, tick x 0.1, exactly in decimal ("20", "0.1").
std::string tickTime(int64_t tick);
