#include "processcsv.h"

#include "pvfit.h"
#include "readinglog.h"

std::string volumeText(const GasReading &r)
{
    return floatText(readingVolume(r) / kFullBoxVolume);
}

std::string processReadingsCsv(const std::vector<GasReading> &readings, CsvDialect dialect)
{
    // The readings' own rows, each carried on with its process columns.
    const std::string plain = readingsCsv(readings);
    size_t from = plain.find('\n');
    std::string csv =
        plain.substr(0, from) + ",piston,volume,work,heat,energy_x,energy_y,energy_z\n";
    for (const GasReading &r : readings) {
        const size_t to = plain.find('\n', ++from);
        csv.append(plain, from, to - from);
        csv += ',' + floatText(r.piston) + ',' + volumeText(r) + ',' + measuredText(r.work) + ',' +
               measuredText(r.heat) + ',' + measuredText(r.energyX) + ',' +
               measuredText(r.energyY) + ',' + measuredText(r.energyZ) + '\n';
        from = to;
    }
    return inDialect(std::move(csv), dialect);
}
