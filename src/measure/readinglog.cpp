#include "readinglog.h"

#include "model.h"

#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

// A reading's time column is its tick / kTicksPerTimeUnit, which tickTime
// writes exactly as tenths.
static_assert(kTicksPerTimeUnit == 10, "tickTime writes tenths");

namespace {

bool sameSettings(const GasReading &a, const GasReading &b)
{
    return a.count == b.count && a.wall == b.wall && a.tempSetting == b.tempSetting &&
           a.collisions == b.collisions;
}

template <typename Number> bool toNumber(const QByteArray &field, Number *out)
{
    const char *end = field.constData() + field.size();
    const auto [ptr, ec] = std::from_chars(field.constData(), end, *out);
    return ec == std::errc() && ptr == end && !field.isEmpty();
}

// A reading reads back as the float it was written from.
bool toFloat(const QByteArray &field, double *out)
{
    float value = 0;
    if (!toNumber(field, &value)) {
        return false;
    }
    *out = value;
    return true;
}

QByteArray whole(int64_t value)
{
    return QByteArray::number(static_cast<qlonglong>(value));
}

// The header and a row in the plain dialect.
QByteArray header()
{
    QByteArray line;
    for (const ReadingColumn &c : readingColumns()) {
        line += (line.isEmpty() ? "" : ",") + QByteArray(c.name);
    }
    return line;
}

QByteArray row(const GasReading &r)
{
    QByteArray line;
    for (const ReadingColumn &c : readingColumns()) {
        line += (&c == &readingColumns().front() ? "" : ",") + c.text(r);
    }
    return line;
}

} // namespace

bool zeroTemperature(double temperature, double scale)
{
    return !(temperature > std::numeric_limits<float>::epsilon() * std::max(scale, 0.0));
}

std::optional<double> idealGasRatio(const GasReading &r, double temperatureScale)
{
    if (r.count <= 0 || r.wall <= 0 || zeroTemperature(r.temperature, temperatureScale)) {
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
    // Equal values: their own value and no spread, free of the rounding of
    // the sum and the quotient.
    if (std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); })) {
        s.mean = values.front();
        return s;
    }
    double sum = 0;
    for (const double v : values) {
        sum += v;
    }
    s.mean = sum / s.n;
    double sq = 0;
    for (const double v : values) {
        sq += (v - s.mean) * (v - s.mean);
    }
    s.spread = std::sqrt(sq / (s.n - 1));
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
    if (!m_readings.empty() && (m_changePending || !sameSettings(m_readings.back(), r))) {
        const size_t at = m_readings.size();
        if (m_changes.empty() || at - m_lastChange > 1) {
            m_changes.push_back(at);
        }
        m_lastChange = at;
    }
    m_changePending = false;
    m_temperatureScale = std::max(m_temperatureScale, r.temperature);
    m_readings.push_back(r);
}

void ReadingLog::clear()
{
    m_readings.clear();
    m_changes.clear();
    m_lastChange = 0;
    m_changePending = false;
}

size_t ReadingLog::stretchFirst() const
{
    return m_changes.empty() ? 0 : m_lastChange + 1;
}

Stats ReadingLog::sinceChange(double GasReading::*field) const
{
    std::vector<double> values;
    for (size_t i = stretchFirst(); i < m_readings.size(); ++i) {
        values.push_back(m_readings[i].*field);
    }
    return statsOf(values);
}

bool ReadingLog::zeroTemperature(double temperature) const
{
    return ::zeroTemperature(temperature, m_temperatureScale);
}

Stats ReadingLog::idealGasRatioSinceChange() const
{
    const size_t first = stretchFirst();
    std::vector<double> ratios;
    for (size_t i = first; i < m_readings.size(); ++i) {
        if (const auto ratio = idealGasRatio(m_readings[i], m_temperatureScale)) {
            ratios.push_back(*ratio);
        }
    }
    return statsOf(ratios);
}

const std::vector<ReadingColumn> &readingColumns()
{
    static const std::vector<ReadingColumn> columns = {
        {"tick", false, [](const GasReading &r) { return whole(r.tick); },
         [](const QByteArray &t, GasReading *r) { return toNumber(t, &r->tick); }},
        {"time", false, [](const GasReading &r) { return tickTime(r.tick); },
         [](const QByteArray &t, GasReading *r) { return toNumber(t, &r->time); }},
        {"count", true, [](const GasReading &r) { return whole(r.count); },
         [](const QByteArray &t, GasReading *r) { return toNumber(t, &r->count); }},
        {"wall", true, [](const GasReading &r) { return whole(r.wall); },
         [](const QByteArray &t, GasReading *r) { return toNumber(t, &r->wall); }},
        {"temperature_setting", true, [](const GasReading &r) { return whole(r.tempSetting); },
         [](const QByteArray &t, GasReading *r) { return toNumber(t, &r->tempSetting); }},
        {"collisions", true,
         [](const GasReading &r) { return r.collisions ? QByteArray("on") : QByteArray("off"); },
         [](const QByteArray &t, GasReading *r) {
             r->collisions = t == "on";
             return t == "on" || t == "off";
         }},
        {"pressure", false, [](const GasReading &r) { return floatText(r.pressure); },
         [](const QByteArray &t, GasReading *r) { return toFloat(t, &r->pressure); }},
        {"temperature", false, [](const GasReading &r) { return floatText(r.temperature); },
         [](const QByteArray &t, GasReading *r) { return toFloat(t, &r->temperature); }},
        {"energy", false, [](const GasReading &r) { return floatText(r.energy); },
         [](const QByteArray &t, GasReading *r) { return toFloat(t, &r->energy); }},
    };
    return columns;
}

CsvDialect csvDialectFor(const QLocale &locale)
{
    return locale.decimalPoint() == QLatin1String(",") ? CsvDialect::Spreadsheet
                                                       : CsvDialect::Plain;
}

QByteArray floatText(double value)
{
    if (value == 0) {
        return QByteArrayLiteral("0");
    }
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, static_cast<float>(value));
    return ec == std::errc() ? QByteArray(text, static_cast<int>(end - text)) : QByteArray("nan");
}

namespace {

// The hundredths a value rounds to, as the windows print it.
QByteArray hundredths(double value)
{
    return QByteArray::number(value, 'f', 2);
}

} // namespace

QByteArray measuredText(double value)
{
    const QByteArray single = floatText(value);
    if (!std::isfinite(value) || value == 0) {
        return single;
    }
    const float asFloat = static_cast<float>(value);
    const QByteArray shown = hundredths(value);
    const auto fits = [&](const QByteArray &text) {
        double back = 0;
        return toNumber(text, &back) && static_cast<float>(back) == asFloat &&
               hundredths(back) == shown;
    };
    if (fits(single)) {
        return single;
    }
    // More digits until the hundredths come out too; 17 read back exactly.
    for (int digits = 9;; ++digits) {
        char text[32];
        const auto [end, ec] =
            std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
        const QByteArray candidate(text, static_cast<int>(end - text));
        if (ec == std::errc() && (digits >= 17 || fits(candidate))) {
            return candidate;
        }
    }
}

QByteArray tickTime(int64_t tick)
{
    // tick / 10 with its one decimal, worked in whole numbers: no rounding.
    const int64_t tenths = tick % 10;
    QByteArray text = (tick < 0 && tick > -10 ? "-" : "") + whole(tick / 10);
    if (tenths != 0) {
        text += '.' + QByteArray::number(static_cast<int>(tenths < 0 ? -tenths : tenths));
    }
    return text;
}

QByteArray readingsCsv(const std::vector<GasReading> &readings, CsvDialect dialect)
{
    QByteArray csv = header() + '\n';
    for (const GasReading &r : readings) {
        csv += row(r) + '\n';
    }
    return inDialect(std::move(csv), dialect);
}

QByteArray inDialect(QByteArray csv, CsvDialect dialect)
{
    if (dialect == CsvDialect::Spreadsheet) {
        csv.replace(',', ';').replace('.', ',');
    }
    return csv;
}

bool parseReadingsCsv(const QByteArray &csv, std::vector<GasReading> *out, QString *error,
                      CsvDialect dialect)
{
    QByteArray text = csv;
    if (dialect == CsvDialect::Spreadsheet) {
        if (text.contains('.')) {
            *error = QStringLiteral("not a spreadsheet readings file: a decimal point");
            return false;
        }
        text.replace(',', '.').replace(';', ',');
    }
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.front() != header()) {
        *error = QStringLiteral("not a readings file: the header row is missing");
        return false;
    }
    const std::vector<ReadingColumn> &columns = readingColumns();
    std::vector<GasReading> readings;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (lines[n].isEmpty() && n == lines.size() - 1) {
            break; // the newline that ends the last row
        }
        const QList<QByteArray> f = lines[n].split(',');
        GasReading r;
        bool ok = static_cast<size_t>(f.size()) == columns.size();
        for (size_t k = 0; ok && k < columns.size(); ++k) {
            ok = columns[k].read(f[static_cast<qsizetype>(k)], &r);
        }
        if (!ok) {
            *error = QStringLiteral("row %1 is not a reading").arg(n + 1);
            return false;
        }
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

bool saveReadingsCsv(const QString &path, const std::vector<GasReading> &readings, QString *error,
                     CsvDialect dialect)
{
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    return commitWhole(file, readingsCsv(readings, dialect), error);
}
