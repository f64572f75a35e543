#include "csvfiles.h"

#include "processcsv.h"

#include <QLocale>
#include <QSaveFile>

namespace {

// Written beside the target and renamed over it only when complete.
bool saveWhole(const QString &path, const std::string &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    return commitWhole(file, QByteArray::fromStdString(text), error);
}

} // namespace

CsvDialect csvDialectFor(const QLocale &locale)
{
    return locale.decimalPoint() == QLatin1String(",") ? CsvDialect::Spreadsheet
                                                       : CsvDialect::Plain;
}

bool commitWhole(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool saveReadingsCsv(const QString &path, const std::vector<GasReading> &readings, QString *error,
                     CsvDialect dialect)
{
    return saveWhole(path, readingsCsv(readings, dialect), error);
}

bool saveProcessReadingsCsv(const QString &path, const std::vector<GasReading> &readings,
                            QString *error, CsvDialect dialect)
{
    return saveWhole(path, processReadingsCsv(readings, dialect), error);
}
