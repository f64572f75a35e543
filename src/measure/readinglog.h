#pragma once

#include "gasreading.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QIODevice;
class QSaveFile;

// P V / (N T) scaled so that an ideal gas reads 1 (docs/model.md derives the
// constant): pressure x wall / (2000 x count x temperature), with the
// readouts' own pressure, wall position and temperature. None when the count,
// the wall or the temperature is 0.
std::optional<double> idealGasRatio(const GasReading &r);

// Mean and spread (sample standard deviation; 0 for a single value).
struct Stats
{
    int n = 0;
    double mean = 0;
    double spread = 0;
};
Stats statsOf(const std::vector<double> &values);

// The history of readings. A change of the count, the wall, the temperature
// setting or collisions between two readings starts a new stretch; the first
// reading of a stretch mixes the old settings with the new, so stretch
// statistics leave it out.
class ReadingLog
{
public:
    void append(const GasReading &r);
    void clear();

    const std::vector<GasReading> &readings() const { return m_readings; }
    bool empty() const { return m_readings.empty(); }
    // Indices of the readings whose settings differ from the reading before.
    const std::vector<size_t> &changes() const { return m_changes; }

    // The ideal-gas ratio over the current stretch (its first reading left out).
    Stats idealGasRatioSinceChange() const;

private:
    std::vector<GasReading> m_readings;
    std::vector<size_t> m_changes;
};

// The log as CSV: a header row, then one row per reading; C-locale numbers
// that read back to the same doubles.
QByteArray readingsCsv(const std::vector<GasReading> &readings);
// Reads what readingsCsv writes; false (and a reason) on anything else.
bool parseReadingsCsv(const QByteArray &csv, std::vector<GasReading> *out, QString *error);
// Writes the CSV to a file as a whole or not at all: on failure the file is
// left as it was and *error says why.
bool saveReadingsCsv(const QString &path, const std::vector<GasReading> &readings, QString *error);

// Writes bytes into an open QSaveFile and commits it: the name gets all of
// them or keeps what it had. On failure *error says why.
bool commitWhole(QSaveFile &file, const QByteArray &bytes, QString *error);

// A number in the C locale, shortest text that reads back to the same double.
QByteArray cNumber(double value);
