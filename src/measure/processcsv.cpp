#include "processcsv.h"

#include "pvfit.h"
#include "readinglog.h"

#include <QList>
#include <QSaveFile>

QByteArray volumeText(const GasReading &r)
{
    return floatText(readingVolume(r) / kFullBoxVolume);
}

QByteArray processReadingsCsv(const std::vector<GasReading> &readings, CsvDialect dialect)
{
    // The readings' own rows, each carried on with its process columns.
    const QList<QByteArray> rows = readingsCsv(readings).split('\n');
    QByteArray csv = rows.front() + ",piston,volume,work,heat,energy_x,energy_y,energy_z\n";
    for (size_t i = 0; i < readings.size(); ++i) {
        const GasReading &r = readings[i];
        csv += rows[static_cast<qsizetype>(i) + 1] + ',' + floatText(r.piston) + ',' +
               volumeText(r) + ',' + measuredText(r.work) + ',' +
               measuredText(r.heat) + ',' + measuredText(r.energyX) + ',' + measuredText(r.energyY) +
               ',' + measuredText(r.energyZ) + '\n';
    }
    return inDialect(std::move(csv), dialect);
}

bool saveProcessReadingsCsv(const QString &path, const std::vector<GasReading> &readings,
                            QString *error, CsvDialect dialect)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    return commitWhole(file, processReadingsCsv(readings, dialect), error);
}
