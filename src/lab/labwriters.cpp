#include "labwriters.h"

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
    QByteArray csv;
    for (const char *column : kSummaryColumns) {
        csv += (csv.isEmpty() ? "" : ",") + QByteArray(column);
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
        csv += '\n';
    }
    return csv;
}

QByteArray summaryJson(const std::vector<RunResult> &results, const RunPlan &plan)
{
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
        json += '}';
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

QByteArray seriesCsv(const std::vector<RunResult> &results)
{
    // The reading log's own CSV, each row led by its run.
    const QByteArray header = readingsCsv({});
    QByteArray csv = "run," + header;
    int run = 0;
    for (const RunResult &r : results) {
        const QByteArray prefix = QByteArray::number(++run) + ',';
        const QByteArray rows = readingsCsv(r.readings).mid(header.size());
        qsizetype from = 0;
        while (from < rows.size()) {
            const qsizetype to = rows.indexOf('\n', from);
            csv += prefix + rows.mid(from, to + 1 - from);
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
                    ", \"energy\": " + cNumber(g.energy) + '}';
        }
        json += r.readings.empty() ? "]}" : "\n    ]}";
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}
