#include "readinglog.h"

#include <QSaveFile>

#include <charconv>
#include <cmath>

namespace {

bool sameSettings(const GasReading &a, const GasReading &b)
{
    return a.count == b.count && a.wall == b.wall && a.tempSetting == b.tempSetting &&
           a.collisions == b.collisions;
}

const char kHeader[] =
    "tick,time,count,wall,temperature_setting,collisions,pressure,temperature,energy";

bool toDouble(const QByteArray &field, double *out)
{
    const char *end = field.constData() + field.size();
    const auto [ptr, ec] = std::from_chars(field.constData(), end, *out);
    return ec == std::errc() && ptr == end;
}

template <typename Int> bool toInt(const QByteArray &field, Int *out)
{
    const char *end = field.constData() + field.size();
    const auto [ptr, ec] = std::from_chars(field.constData(), end, *out);
    return ec == std::errc() && ptr == end;
}

} // namespace

std::optional<double> idealGasRatio(const GasReading &r)
{
    if (r.count <= 0 || r.wall <= 0 || !(r.temperature > 0)) {
        return std::nullopt;
    }
    return r.pressure * r.wall / (2000.0 * r.count * r.temperature);
}

Stats statsOf(const std::vector<double> &values)
{
    Stats s;
    s.n = static_cast<int>(values.size());
    if (s.n == 0) {
        return s;
    }
    double sum = 0;
    for (const double v : values) {
        sum += v;
    }
    s.mean = sum / s.n;
    if (s.n > 1) {
        double sq = 0;
        for (const double v : values) {
            sq += (v - s.mean) * (v - s.mean);
        }
        s.spread = std::sqrt(sq / (s.n - 1));
    }
    return s;
}

void ReadingLog::append(const GasReading &r)
{
    // The log keeps every reading. Room for the first 65 536 (three hours of
    // animation) is taken at once, so that it grows by the readings written
    // alone, not by a copy of itself at every doubling: pages not yet written
    // hold no memory.
    constexpr size_t kReservedReadings = size_t{1} << 16;
    if (m_readings.capacity() == 0) {
        m_readings.reserve(kReservedReadings);
    }
    if (!m_readings.empty() && !sameSettings(m_readings.back(), r)) {
        m_changes.push_back(m_readings.size());
    }
    m_readings.push_back(r);
}

void ReadingLog::clear()
{
    m_readings.clear();
    m_changes.clear();
}

Stats ReadingLog::idealGasRatioSinceChange() const
{
    const size_t first = m_changes.empty() ? 0 : m_changes.back() + 1;
    std::vector<double> ratios;
    for (size_t i = first; i < m_readings.size(); ++i) {
        if (const auto ratio = idealGasRatio(m_readings[i])) {
            ratios.push_back(*ratio);
        }
    }
    return statsOf(ratios);
}

QByteArray cNumber(double value)
{
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? QByteArray(text, static_cast<int>(end - text)) : QByteArray("nan");
}

QByteArray readingsCsv(const std::vector<GasReading> &readings)
{
    QByteArray csv(kHeader);
    csv += '\n';
    for (const GasReading &r : readings) {
        csv += QByteArray::number(static_cast<qlonglong>(r.tick)) + ',' + cNumber(r.time) + ',' +
               QByteArray::number(r.count) + ',' + QByteArray::number(r.wall) + ',' +
               QByteArray::number(r.tempSetting) + ',' + (r.collisions ? "on" : "off") + ',' +
               cNumber(r.pressure) + ',' + cNumber(r.temperature) + ',' + cNumber(r.energy) + '\n';
    }
    return csv;
}

bool parseReadingsCsv(const QByteArray &csv, std::vector<GasReading> *out, QString *error)
{
    const QList<QByteArray> lines = csv.split('\n');
    if (lines.isEmpty() || lines.front() != kHeader) {
        *error = QStringLiteral("not a readings file: the header row is missing");
        return false;
    }
    std::vector<GasReading> readings;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (lines[n].isEmpty() && n == lines.size() - 1) {
            break; // the newline that ends the last row
        }
        const QList<QByteArray> f = lines[n].split(',');
        GasReading r;
        const bool ok = f.size() == 9 && toInt(f[0], &r.tick) && toDouble(f[1], &r.time) &&
                        toInt(f[2], &r.count) && toInt(f[3], &r.wall) &&
                        toInt(f[4], &r.tempSetting) && (f[5] == "on" || f[5] == "off") &&
                        toDouble(f[6], &r.pressure) && toDouble(f[7], &r.temperature) &&
                        toDouble(f[8], &r.energy);
        if (!ok) {
            *error = QStringLiteral("row %1 is not a reading").arg(n + 1);
            return false;
        }
        r.collisions = f[5] == "on";
        readings.push_back(r);
    }
    *out = std::move(readings);
    return true;
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

bool saveReadingsCsv(const QString &path, const std::vector<GasReading> &readings, QString *error)
{
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    return commitWhole(file, readingsCsv(readings), error);
}
