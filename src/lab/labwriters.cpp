#include "labwriters.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const char *const kSummaryColumns[] = {"run",
                                       "count",
                                       "wall",
                                       "temperature_setting",
                                       "collisions",
                                       "readings",
                                       "pressure_mean",
                                       "pressure_sd",
                                       "temperature_mean",
                                       "temperature_sd",
                                       "energy_mean",
                                       "energy_sd",
                                       "pvnt_mean",
                                       "pvnt_sd",
                                       "ks_mb"};

const char *const kProcessColumns[] = {
    "piston",      "piston_to",       "piston_speed",      "load",           "piston_mass",
    "bath",        "bath_temperature", "temperature_start", "temperature_end", "wall_start",
    "wall_end",    "work",             "heat",              "energy_change",  "gamma",
    "gamma_se",    "piston_mean",      "piston_sd",         "energy_x_start", "energy_y_start",
    "energy_z_start"};

const char *const kSeriesProcessColumns[] = {"piston",   "work",     "heat",
                                             "energy_x", "energy_y", "energy_z"};

// A setting as it was read: the shortest text of the float.
QByteArray floatText(float value)
{
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? QByteArray(text, static_cast<int>(end - text)) : QByteArray();
}

bool withProcess(const std::vector<RunResult> &results)
{
    return std::any_of(results.begin(), results.end(),
                       [](const RunResult &r) { return r.settings.processColumns; });
}

QByteArray pistonName(PistonMode mode)
{
    switch (mode) {
    case PistonMode::Moving:
        return QByteArrayLiteral("moving");
    case PistonMode::Loaded:
        return QByteArrayLiteral("loaded");
    case PistonMode::Fixed:
        break;
    }
    return QByteArrayLiteral("fixed");
}

// The process's fields of a run, in column order; text fields quoted as
// JSON wants them when `json`.
std::vector<QByteArray> processFields(const RunResult &r, bool json)
{
    const RunSettings &s = r.settings;
    const auto text = [json](const QByteArray &t) { return json ? '"' + t + '"' : t; };
    std::vector<QByteArray> f;
    f.push_back(text(pistonName(s.piston)));
    f.push_back(s.pistonTo ? floatText(*s.pistonTo) : QByteArray());
    f.push_back(floatText(s.pistonSpeed));
    f.push_back(floatText(s.load));
    f.push_back(floatText(s.pistonMass));
    f.push_back(json ? (s.bath ? QByteArrayLiteral("true") : QByteArrayLiteral("false"))
                     : (s.bath ? QByteArrayLiteral("on") : QByteArrayLiteral("off")));
    // The temperature the bath had: the gas's own when none was given.
    f.push_back(s.bath ? floatText(r.bathTemperature)
                       : (s.bathTemperature ? floatText(*s.bathTemperature) : QByteArray()));
    const bool done = r.completed;
    const auto exact = [&f, done](double v) { f.push_back(done ? cNumber(v) : QByteArray()); };
    const auto six = [&f, done](double v) { f.push_back(done ? summaryNumber(v) : QByteArray()); };
    exact(r.temperatureStart);
    exact(r.temperatureEnd);
    f.push_back(done ? floatText(static_cast<float>(r.wallStart)) : QByteArray());
    f.push_back(done ? floatText(static_cast<float>(r.wallEnd)) : QByteArray());
    six(r.work);
    six(r.heat);
    six(r.energyChange);
    f.push_back(r.gamma ? summaryNumber(r.gamma->gamma) : QByteArray());
    f.push_back(r.gamma ? summaryNumber(r.gamma->standardError) : QByteArray());
    f.push_back(r.piston.n > 0 ? summaryNumber(r.piston.mean) : QByteArray());
    f.push_back(r.piston.n > 0 ? summaryNumber(r.piston.spread) : QByteArray());
    six(r.energyXStart);
    six(r.energyYStart);
    six(r.energyZStart);
    return f;
}

// The summary fields of a run after its settings, in column order; empty
// where there is nothing to average.
std::vector<QByteArray> measuredFields(const RunResult &r)
{
    std::vector<QByteArray> f;
    const auto stats = [&f](const Stats &s) {
        f.push_back(s.n > 0 ? summaryNumber(s.mean) : QByteArray());
        f.push_back(s.n > 0 ? summaryNumber(s.spread) : QByteArray());
    };
    f.push_back(QByteArray::number(r.readingCount));
    stats(r.pressure);
    stats(r.temperature);
    stats(r.energy);
    stats(r.idealGasRatio);
    f.push_back(r.ks ? summaryNumber(*r.ks) : QByteArray());
    return f;
}

QByteArray onOff(bool on)
{
    return on ? QByteArrayLiteral("on") : QByteArrayLiteral("off");
}

QByteArray jsonBool(bool on)
{
    return on ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
}

QByteArray jsonSettings(int run, const RunSettings &s)
{
    return "\"run\": " + QByteArray::number(run) + ", \"count\": " + QByteArray::number(s.count) +
           ", \"wall\": " + QByteArray::number(s.wall) +
           ", \"temperature_setting\": " + QByteArray::number(s.temperature) +
           ", \"collisions\": " + jsonBool(s.collisions);
}

} // namespace

QByteArray summaryNumber(double value)
{
    if (!std::isfinite(value)) {
        return QByteArray();
    }
    char text[32];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return ec == std::errc() ? QByteArray(text, static_cast<int>(end - text)) : QByteArray();
}

QByteArray summaryCsv(const std::vector<RunResult> &results)
{
    const bool process = withProcess(results);
    QByteArray csv;
    for (const char *column : kSummaryColumns) {
        csv += (csv.isEmpty() ? "" : ",") + QByteArray(column);
    }
    if (process) {
        for (const char *column : kProcessColumns) {
            csv += ',' + QByteArray(column);
        }
    }
    csv += '\n';
    int run = 0;
    for (const RunResult &r : results) {
        const RunSettings &s = r.settings;
        csv += QByteArray::number(++run) + ',' + QByteArray::number(s.count) + ',' +
               QByteArray::number(s.wall) + ',' + QByteArray::number(s.temperature) + ',' +
               onOff(s.collisions);
        for (const QByteArray &field : measuredFields(r)) {
            csv += ',' + field;
        }
        if (process) {
            for (const QByteArray &field : processFields(r, false)) {
                csv += ',' + field;
            }
        }
        csv += '\n';
    }
    return csv;
}

QByteArray summaryJson(const std::vector<RunResult> &results, const RunPlan &plan)
{
    const bool process = withProcess(results);
    QByteArray json =
        "{\n  \"warmup\": " + QByteArray::number(static_cast<qlonglong>(plan.warmup)) +
        ",\n  \"ticks\": " + QByteArray::number(static_cast<qlonglong>(plan.ticks)) +
        ",\n  \"runs\": [";
    int run = 0;
    for (const RunResult &r : results) {
        json += run == 0 ? "\n" : ",\n";
        json += "    {" + jsonSettings(++run, r.settings);
        const std::vector<QByteArray> fields = measuredFields(r);
        for (size_t k = 0; k < fields.size(); ++k) {
            json += ", \"" + QByteArray(kSummaryColumns[5 + k]) +
                    "\": " + (fields[k].isEmpty() ? QByteArrayLiteral("null") : fields[k]);
        }
        if (process) {
            const std::vector<QByteArray> more = processFields(r, true);
            for (size_t k = 0; k < more.size(); ++k) {
                json += ", \"" + QByteArray(kProcessColumns[k]) +
                        "\": " + (more[k].isEmpty() ? QByteArrayLiteral("null") : more[k]);
            }
        }
        json += '}';
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

QByteArray seriesCsv(const std::vector<RunResult> &results)
{
    // The reading log's own CSV, each row led by its run.
    // The process's columns go at the end of each row.
    const bool process = withProcess(results);
    const QByteArray header = readingsCsv({});
    QByteArray csv = "run," + header;
    if (process) {
        csv.chop(1);
        for (const char *column : kSeriesProcessColumns) {
            csv += ',' + QByteArray(column);
        }
        csv += '\n';
    }
    int run = 0;
    for (const RunResult &r : results) {
        const QByteArray prefix = QByteArray::number(++run) + ',';
        const QByteArray rows = readingsCsv(r.readings).mid(header.size());
        qsizetype from = 0;
        size_t k = 0;
        while (from < rows.size()) {
            const qsizetype to = rows.indexOf('\n', from);
            if (process) {
                const GasReading &g = r.readings[k++];
                csv += prefix + rows.mid(from, to - from) + ',' + cNumber(g.piston) + ',' +
                       cNumber(g.work) + ',' + cNumber(g.heat) + ',' + cNumber(g.energyX) + ',' +
                       cNumber(g.energyY) + ',' + cNumber(g.energyZ) + '\n';
            } else {
                csv += prefix + rows.mid(from, to + 1 - from);
            }
            from = to + 1;
        }
    }
    return csv;
}

QByteArray seriesJson(const std::vector<RunResult> &results)
{
    QByteArray json = "{\n  \"runs\": [";
    int run = 0;
    for (const RunResult &r : results) {
        json += run == 0 ? "\n" : ",\n";
        json += "    {" + jsonSettings(++run, r.settings) + ", \"readings\": [";
        bool first = true;
        for (const GasReading &g : r.readings) {
            json += first ? "\n" : ",\n";
            first = false;
            json += "      {\"tick\": " + QByteArray::number(static_cast<qlonglong>(g.tick)) +
                    ", \"time\": " + cNumber(g.time) + ", \"pressure\": " + cNumber(g.pressure) +
                    ", \"temperature\": " + cNumber(g.temperature) +
                    ", \"energy\": " + cNumber(g.energy);
            if (r.settings.processColumns) {
                json += ", \"piston\": " + cNumber(g.piston) + ", \"work\": " + cNumber(g.work) +
                        ", \"heat\": " + cNumber(g.heat) + ", \"energy_x\": " +
                        cNumber(g.energyX) + ", \"energy_y\": " + cNumber(g.energyY) +
                        ", \"energy_z\": " + cNumber(g.energyZ);
            }
            json += '}';
        }
        json += r.readings.empty() ? "]}" : "\n    ]}";
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}
