#pragma once

#include "readinglog.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QLocale;
class QSaveFile;

// The windows' files: the measurements' text, saved whole.

// The dialect a user of this locale's spreadsheets expects: Spreadsheet where
// numbers are written with a decimal comma.
CsvDialect csvDialectFor(const QLocale &locale);

// Writes bytes into an open QSaveFile and commits it: the name gets all of
// them or keeps what it had. On failure *error says why.
bool commitWhole(QSaveFile &file, const QByteArray &bytes, QString *error);

// Writes the readings' CSV to a file as a whole or not at all: on failure
// the file is left as it was and *error says why.
bool saveReadingsCsv(const QString &path, const std::vector<GasReading> &readings, QString *error,
                     CsvDialect dialect = CsvDialect::Plain);
// The same for a process's CSV (processReadingsCsv).
bool saveProcessReadingsCsv(const QString &path, const std::vector<GasReading> &readings,
                            QString *error, CsvDialect dialect = CsvDialect::Plain);
