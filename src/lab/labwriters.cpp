#include "labwriters.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// One field of a row: a number, an on/off flag, or nothing to say (empty in
// CSV, null in JSON).
struct Field
{
    enum Kind
    {
        Number,
        Flag,
        None
    };
    Kind kind = None;
    QByteArray number;
    bool on = false;
};

Field number(const QByteArray &text)
{
    return text.isEmpty() ? Field{} : Field{Field::Number, text, false};
}

Field whole(int64_t value)
{
    return number(QByteArray::number(static_cast<qlonglong>(value)));
}

Field flag(bool on)
{
    return {Field::Flag, {}, on};
}

QByteArray csvText(const Field &f)
{
    switch (f.kind) {
    case Field::Number:
        return f.number;
    case Field::Flag:
        return f.on ? QByteArrayLiteral("on") : QByteArrayLiteral("off");
    case Field::None:
        break;
    }
    return {};
}

QByteArray jsonText(const Field &f)
{
    switch (f.kind) {
    case Field::Number:
        return f.number;
    case Field::Flag:
        return f.on ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    case Field::None:
        break;
    }
    return QByteArrayLiteral("null");
}

Field mean(const Stats &s)
{
    return s.n > 0 ? number(summaryNumber(s.mean)) : Field{};
}

Field spread(const Stats &s)
{
    return s.hasSpread() ? number(summaryNumber(s.spread)) : Field{};
}

// A column of the summary: its name and its field for the run'th result
// (1, 2, ...). The first kSettingColumns are the run's settings, which the
// series in JSON states once per run.
struct Column
{
    const char *name;
    Field (*field)(int run, const RunResult &r);
};

constexpr size_t kSettingColumns = 5;

const std::vector<Column> &summaryColumns()
{
    static const std::vector<Column> columns = {
        {"run", [](int run, const RunResult &) { return whole(run); }},
        {"count", [](int, const RunResult &r) { return whole(r.settings.count); }},
        {"wall", [](int, const RunResult &r) { return whole(r.settings.wall); }},
        {"temperature_setting",
         [](int, const RunResult &r) { return whole(r.settings.temperature); }},
        {"collisions", [](int, const RunResult &r) { return flag(r.settings.collisions); }},
        {"readings", [](int, const RunResult &r) { return whole(r.readingCount); }},
        {"pressure_mean", [](int, const RunResult &r) { return mean(r.pressure); }},
        {"pressure_sd", [](int, const RunResult &r) { return spread(r.pressure); }},
        {"temperature_mean", [](int, const RunResult &r) { return mean(r.temperature); }},
        {"temperature_sd", [](int, const RunResult &r) { return spread(r.temperature); }},
        {"energy_mean", [](int, const RunResult &r) { return mean(r.energy); }},
        {"energy_sd", [](int, const RunResult &r) { return spread(r.energy); }},
        {"pvnt_mean", [](int, const RunResult &r) { return mean(r.idealGasRatio); }},
        {"pvnt_sd", [](int, const RunResult &r) { return spread(r.idealGasRatio); }},
        {"ks_mb",
         [](int, const RunResult &r) { return r.ks ? number(summaryNumber(*r.ks)) : Field{}; }},
    };
    return columns;
}

// `"name": value, ...` of the summary's columns from..to for a run.
QByteArray jsonFields(int run, const RunResult &r, size_t from, size_t to)
{
    QByteArray json;
    for (size_t k = from; k < to; ++k) {
        const Column &c = summaryColumns()[k];
        json +=
            (k == from ? "\"" : ", \"") + QByteArray(c.name) + "\": " + jsonText(c.field(run, r));
    }
    return json;
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
    const std::vector<Column> &columns = summaryColumns();
    QByteArray csv;
    for (const Column &c : columns) {
        csv += (csv.isEmpty() ? "" : ",") + QByteArray(c.name);
    }
    csv += '\n';
    int run = 0;
    for (const RunResult &r : results) {
        ++run;
        for (const Column &c : columns) {
            csv += (&c == &columns.front() ? "" : ",") + csvText(c.field(run, r));
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
        ++run;
        json += "    {" + jsonFields(run, r, 0, summaryColumns().size()) + '}';
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
    // A run's settings once, then its readings without them.
    QByteArray json = "{\n  \"runs\": [";
    int run = 0;
    for (const RunResult &r : results) {
        json += run == 0 ? "\n" : ",\n";
        ++run;
        json += "    {" + jsonFields(run, r, 0, kSettingColumns) + ", \"readings\": [";
        bool first = true;
        for (const GasReading &g : r.readings) {
            json += first ? "\n      {" : ",\n      {";
            first = false;
            bool firstField = true;
            for (const ReadingColumn &c : readingColumns()) {
                if (!c.setting) {
                    json += (firstField ? "\"" : ", \"") + QByteArray(c.name) + "\": " + c.text(g);
                    firstField = false;
                }
            }
            json += '}';
        }
        json += r.readings.empty() ? "]}" : "\n    ]}";
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

std::unique_ptr<OutputFile> OutputFile::open(const QString &path, QString *error)
{
    auto file = std::make_unique<OutputFile>();
    file->m_failure = QStringLiteral("cannot write %1").arg(path);
    struct stat st = {};
    const bool there = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    // A directory goes the regular way, which refuses it by name.
    if (there && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        file->m_direct.setFileName(path);
        if (!file->m_direct.open(QIODevice::WriteOnly)) {
            *error = file->m_failure + QStringLiteral(": ") + file->m_direct.errorString();
            return nullptr;
        }
        return file;
    }
    file->m_whole = std::make_unique<QSaveFile>(path);
    if (!file->m_whole->open(QIODevice::WriteOnly)) {
        *error = file->m_failure + QStringLiteral(": ") + file->m_whole->errorString();
        return nullptr;
    }
    return file;
}

std::unique_ptr<OutputFile> OutputFile::standardOutput(QString *error)
{
    auto file = std::make_unique<OutputFile>();
    file->m_failure = QStringLiteral("cannot write to standard output");
    if (!file->m_direct.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        *error = file->m_failure + QStringLiteral(": ") + file->m_direct.errorString();
        return nullptr;
    }
    return file;
}

bool writeAll(const std::vector<std::pair<OutputFile *, QByteArray>> &files, QString *error)
{
    // The regular files not yet renamed keep what they had.
    const auto failed = [error](const OutputFile &f, const QString &reason) {
        *error = f.m_failure + QStringLiteral(": ") + reason;
        return false;
    };
    for (const auto &[file, bytes] : files) {
        if (file->direct()) {
            continue;
        }
        QSaveFile &f = *file->m_whole;
        if (f.write(bytes) != bytes.size() || !f.flush()) {
            return failed(*file, f.errorString());
        }
        // On the disk before any file is renamed: a full disk shows here.
        if (::fsync(f.handle()) != 0) {
            return failed(*file, QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    for (const auto &[file, bytes] : files) {
        if (file->direct()) {
            QFile &f = file->m_direct;
            if (f.write(bytes) != bytes.size() || !f.flush()) {
                return failed(*file, f.errorString());
            }
        }
    }
    for (const auto &[file, bytes] : files) {
        if (!file->direct() && !file->m_whole->commit()) {
            return failed(*file, file->m_whole->errorString());
        }
    }
    return true;
}
