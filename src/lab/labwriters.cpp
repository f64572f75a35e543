#include "labwriters.h"

#include "laboptions.h"
#include "processcsv.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include <fcntl.h>
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
        Text,
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

// The measurements' number text.
Field number(const std::string &text)
{
    return number(QByteArray::fromStdString(text));
}

Field whole(int64_t value)
{
    return number(QByteArray::number(static_cast<qlonglong>(value)));
}

Field flag(bool on)
{
    return {Field::Flag, {}, on};
}

Field word(const char *text)
{
    return {Field::Text, QByteArray(text), false};
}

QByteArray csvText(const Field &f)
{
    switch (f.kind) {
    case Field::Number:
    case Field::Text:
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
    case Field::Text:
        return '"' + f.number + '"';
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

const char *pistonName(PistonMode mode)
{
    switch (mode) {
    case PistonMode::Moving:
        return "moving";
    case PistonMode::Loaded:
        return "loaded";
    case PistonMode::Fixed:
        break;
    }
    return "fixed";
}

const char *shapeName(PvShape shape)
{
    switch (shape) {
    case PvShape::Jump:
        return "jump";
    case PvShape::NotPowerLaw:
        return "not_power_law";
    case PvShape::TooScattered:
        return "too_scattered";
    case PvShape::PowerLaw:
        break;
    }
    return "power_law";
}

bool powerLaw(const RunResult &r)
{
    return r.gamma && r.gamma->shape == PvShape::PowerLaw;
}

// What a completed run measured; nothing for a stopped one.
Field measured(const RunResult &r, const std::string &text)
{
    return r.completed ? number(text) : Field{};
}

// The process's columns, after the classic ones when any run of the sweep
// names a process option: the default output keeps its columns.
const std::vector<Column> &processColumns()
{
    static const std::vector<Column> columns = {
        {"piston", [](int, const RunResult &r) { return word(pistonName(r.settings.piston)); }},
        {"piston_to",
         [](int, const RunResult &r) {
             return r.settings.pistonTo ? number(floatText(*r.settings.pistonTo)) : Field{};
         }},
        {"piston_speed",
         [](int, const RunResult &r) { return number(floatText(r.settings.pistonSpeed)); }},
        {"load", [](int, const RunResult &r) { return number(floatText(r.settings.load)); }},
        {"piston_mass",
         [](int, const RunResult &r) { return number(floatText(r.settings.pistonMass)); }},
        {"bath", [](int, const RunResult &r) { return flag(r.settings.bath); }},
        // The temperature the bath had: the gas's own when none was given.
        {"bath_temperature",
         [](int, const RunResult &r) {
             if (r.settings.bath) {
                 return number(floatText(r.bathTemperature));
             }
             return r.settings.bathTemperature ? number(floatText(*r.settings.bathTemperature))
                                               : Field{};
         }},
        // An empty box has no temperature, as in temperature_mean.
        {"temperature_start",
         [](int, const RunResult &r) {
             return r.settings.count > 0 ? measured(r, measuredText(r.temperatureStart)) : Field{};
         }},
        {"temperature_end",
         [](int, const RunResult &r) {
             return r.settings.count > 0 ? measured(r, measuredText(r.temperatureEnd)) : Field{};
         }},
        {"wall_start", [](int, const RunResult &r) { return measured(r, floatText(r.wallStart)); }},
        {"wall_end", [](int, const RunResult &r) { return measured(r, floatText(r.wallEnd)); }},
        {"work", [](int, const RunResult &r) { return measured(r, measuredText(r.work)); }},
        {"heat", [](int, const RunResult &r) { return measured(r, measuredText(r.heat)); }},
        {"energy_change",
         [](int, const RunResult &r) { return measured(r, measuredText(r.energyChange)); }},
        // The exponent only for a path it describes, as the window shows it;
        // its error allows for consecutive readings being alike. gamma_path
        // says why a fitted one is blank.
        {"gamma",
         [](int, const RunResult &r) {
             return powerLaw(r) ? number(summaryNumber(r.gamma->gamma)) : Field{};
         }},
        {"gamma_se",
         [](int, const RunResult &r) {
             return powerLaw(r) ? number(summaryNumber(r.gamma->error)) : Field{};
         }},
        {"piston_mean", [](int, const RunResult &r) { return mean(r.piston); }},
        {"piston_sd", [](int, const RunResult &r) { return spread(r.piston); }},
        {"energy_x_start",
         [](int, const RunResult &r) { return measured(r, measuredText(r.energyXStart)); }},
        {"energy_y_start",
         [](int, const RunResult &r) { return measured(r, measuredText(r.energyYStart)); }},
        {"energy_z_start",
         [](int, const RunResult &r) { return measured(r, measuredText(r.energyZStart)); }},
        // Last, so that the columns before it keep their places.
        {"gamma_path",
         [](int, const RunResult &r) { return r.gamma ? word(shapeName(r.gamma->shape)) : Field{}; }},
    };
    return columns;
}

const char *dividerName(Divider divider)
{
    switch (divider) {
    case Divider::Solid:
        return "solid";
    case Divider::Hole:
        return "hole";
    case Divider::None:
        break;
    }
    return "none";
}

Field optionalNumber(const RunResult &r, const std::optional<double> &value)
{
    return r.completed && value ? number(summaryNumber(*value)) : Field{};
}

// The mixture's columns, after the others when any run of the sweep names a
// mixture option: the settings, then the free paths measured and in theory.
const std::vector<Column> &mixtureColumns()
{
    static const std::vector<Column> columns = {
        // The field acts on the whole box: it leads the mixture's settings.
        {"gravity", [](int, const RunResult &r) { return number(floatText(r.settings.gravity)); }},
        {"radius", [](int, const RunResult &r) { return number(floatText(r.settings.radius)); }},
        {"b_particles", [](int, const RunResult &r) { return whole(r.settings.bCount); }},
        {"b_mass", [](int, const RunResult &r) { return number(floatText(r.settings.bMass)); }},
        {"b_radius",
         [](int, const RunResult &r) { return number(floatText(r.settings.bRadius)); }},
        {"mean_free_path", [](int, const RunResult &r) { return optionalNumber(r, r.meanFreePath); }},
        {"mean_free_path_theory",
         [](int, const RunResult &r) { return optionalNumber(r, r.meanFreePathTheory); }},
        {"collision_rate",
         [](int, const RunResult &r) { return optionalNumber(r, r.collisionRate); }},
        {"collision_rate_theory",
         [](int, const RunResult &r) { return optionalNumber(r, r.collisionRateTheory); }},
        {"effusion_ratio",
         [](int, const RunResult &r) { return optionalNumber(r, r.effusionRatio); }},
        {"graham_ratio", [](int, const RunResult &r) { return optionalNumber(r, r.grahamRatio); }},
        {"energy_total_drift",
         [](int, const RunResult &r) { return optionalNumber(r, r.energyTotalDrift); }},
        {"pressure_floor",
         [](int, const RunResult &r) { return optionalNumber(r, r.pressureFloor); }},
        {"pressure_top", [](int, const RunResult &r) { return optionalNumber(r, r.pressureTop); }},
        {"weight_per_area",
         [](int, const RunResult &r) { return optionalNumber(r, r.weightPerArea); }},
        {"z_walls", [](int, const RunResult &r) { return optionalNumber(r, r.zWalls); }},
        {"z_virial", [](int, const RunResult &r) { return optionalNumber(r, r.zVirial); }},
        {"z_theory", [](int, const RunResult &r) { return optionalNumber(r, r.zTheory); }},
        {"diffusion", [](int, const RunResult &r) { return optionalNumber(r, r.diffusion); }},
        {"diffusion_theory",
         [](int, const RunResult &r) { return optionalNumber(r, r.diffusionTheory); }},
        {"heavy_v2", [](int, const RunResult &r) { return optionalNumber(r, r.heavyV2); }},
        {"heavy_v2_theory",
         [](int, const RunResult &r) { return optionalNumber(r, r.heavyV2Theory); }},
        {"mix_time", [](int, const RunResult &r) { return optionalNumber(r, r.mixTime); }},
        // The settings of the divider and the heavy particle last, so that
        // the columns before keep their places.
        {"divider", [](int, const RunResult &r) { return word(dividerName(r.settings.divider)); }},
        {"hole",
         [](int, const RunResult &r) {
             return r.settings.divider == Divider::Hole ? number(floatText(r.settings.holeSide))
                                                        : Field{};
         }},
        {"heavy_mass",
         [](int, const RunResult &r) {
             return r.settings.heavyMass > 0 ? number(floatText(r.settings.heavyMass)) : Field{};
         }},
        {"heavy_radius",
         [](int, const RunResult &r) {
             return r.settings.heavyMass > 0 ? number(floatText(r.settings.heavyRadius)) : Field{};
         }},
    };
    return columns;
}

// The series' process columns, after the reading log's own: those of the
// window's process file, so that a series row after its run is a row of it.
struct SeriesColumn
{
    const char *name;
    std::string (*text)(const GasReading &g);
};

const std::vector<SeriesColumn> &seriesProcessColumns()
{
    static const std::vector<SeriesColumn> columns = {
        {"piston", [](const GasReading &g) { return floatText(g.piston); }},
        {"volume", [](const GasReading &g) { return volumeText(g); }},
        {"work", [](const GasReading &g) { return measuredText(g.work); }},
        {"heat", [](const GasReading &g) { return measuredText(g.heat); }},
        {"energy_x", [](const GasReading &g) { return measuredText(g.energyX); }},
        {"energy_y", [](const GasReading &g) { return measuredText(g.energyY); }},
        {"energy_z", [](const GasReading &g) { return measuredText(g.energyZ); }},
    };
    return columns;
}

bool withProcess(const std::vector<RunResult> &results)
{
    return std::any_of(results.begin(), results.end(),
                       [](const RunResult &r) { return r.settings.processColumns; });
}

bool withMixture(const std::vector<RunResult> &results)
{
    return std::any_of(results.begin(), results.end(),
                       [](const RunResult &r) { return r.settings.mixture; });
}

// A mixture's series columns: each species' count on each side of the
// box's middle at the reading.
constexpr const char *kSideColumns[] = {"a_left", "a_right", "b_left", "b_right"};

std::array<int32_t, 4> sidesAt(const RunResult &r, size_t k)
{
    if (k >= r.sides.size()) {
        return {0, 0, 0, 0};
    }
    const SideCounts &c = r.sides[k];
    return {c.n[0][0], c.n[0][1], c.n[1][0], c.n[1][1]};
}

// The summary's columns for these results.
std::vector<Column> columnsFor(const std::vector<RunResult> &results)
{
    std::vector<Column> columns = summaryColumns();
    if (withProcess(results)) {
        columns.insert(columns.end(), processColumns().begin(), processColumns().end());
    }
    if (withMixture(results)) {
        columns.insert(columns.end(), mixtureColumns().begin(), mixtureColumns().end());
    }
    return columns;
}

// `"name": value, ...` of the summary's columns from..to for a run.
QByteArray jsonFields(const std::vector<Column> &columns, int run, const RunResult &r,
                      size_t from, size_t to)
{
    QByteArray json;
    for (size_t k = from; k < to; ++k) {
        const Column &c = columns[k];
        json +=
            (k == from ? "\"" : ", \"") + QByteArray(c.name) + "\": " + jsonText(c.field(run, r));
    }
    return json;
}

// A file of runs in JSON: each run's settings once (and `extra`, a field
// or more after them), then its items, the fields of each.
QByteArray runsJson(const std::vector<RunResult> &results, const char *key,
                    const std::function<QByteArray(const RunResult &)> &extra,
                    const std::function<std::vector<QByteArray>(const RunResult &)> &items)
{
    QByteArray json = "{\n  \"runs\": [";
    int run = 0;
    for (const RunResult &r : results) {
        json += run == 0 ? "\n" : ",\n";
        ++run;
        json += "    {" + jsonFields(summaryColumns(), run, r, 0, kSettingColumns) +
                (extra ? extra(r) : QByteArray()) + ", \"" + key + "\": [";
        const std::vector<QByteArray> fields = items(r);
        for (const QByteArray &item : fields) {
            json += (&item == &fields.front() ? "\n      {" : ",\n      {") + item + '}';
        }
        json += fields.empty() ? "]}" : "\n    ]}";
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

} // namespace

QByteArray summaryNumber(double value)
{
    if (!std::isfinite(value)) {
        return QByteArray();
    }
    if (value == 0) {
        return QByteArrayLiteral("0"); // never "-0"
    }
    char text[32];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return ec == std::errc() ? QByteArray(text, static_cast<int>(end - text)) : QByteArray();
}

QByteArray summaryCsv(const std::vector<RunResult> &results)
{
    const std::vector<Column> columns = columnsFor(results);
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
    const std::vector<Column> columns = columnsFor(results);
    int run = 0;
    for (const RunResult &r : results) {
        json += run == 0 ? "\n" : ",\n";
        ++run;
        json += "    {" + jsonFields(columns, run, r, 0, columns.size()) + '}';
    }
    json += results.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

QByteArray seriesCsv(const std::vector<RunResult> &results)
{
    // The reading log's own CSV, each row led by its run.
    const QByteArray header = QByteArray::fromStdString(readingsCsv({}));
    // The process's columns go at the end of each row.
    const bool process = withProcess(results);
    const bool mixture = withMixture(results);
    QByteArray csv = "run," + header;
    if (process || mixture) {
        csv.chop(1);
        for (const SeriesColumn &c : seriesProcessColumns()) {
            csv += process ? ',' + QByteArray(c.name) : QByteArray();
        }
        for (const char *name : kSideColumns) {
            csv += mixture ? ',' + QByteArray(name) : QByteArray();
        }
        csv += '\n';
    }
    int run = 0;
    for (const RunResult &r : results) {
        const QByteArray prefix = QByteArray::number(++run) + ',';
        const QByteArray rows =
            QByteArray::fromStdString(readingsCsv(r.readings)).mid(header.size());
        qsizetype from = 0;
        size_t k = 0;
        while (from < rows.size()) {
            const qsizetype to = rows.indexOf('\n', from);
            csv += prefix + rows.mid(from, to - from);
            if (process) {
                for (const SeriesColumn &c : seriesProcessColumns()) {
                    csv += ',' + QByteArray::fromStdString(c.text(r.readings[k]));
                }
            }
            if (mixture) {
                for (const int32_t n : sidesAt(r, k)) {
                    csv += r.settings.mixture ? ',' + QByteArray::number(n) : QByteArray(",");
                }
            }
            csv += '\n';
            ++k;
            from = to + 1;
        }
    }
    return csv;
}

QByteArray seriesJson(const std::vector<RunResult> &results)
{
    return runsJson(results, "readings", {}, [](const RunResult &r) {
        std::vector<QByteArray> items;
        size_t k = 0;
        for (const GasReading &g : r.readings) {
            QByteArray json;
            for (const ReadingColumn &c : readingColumns()) {
                if (!c.setting) {
                    json += (json.isEmpty() ? "\"" : ", \"") + QByteArray(c.name) +
                            "\": " + QByteArray::fromStdString(c.text(g));
                }
            }
            if (r.settings.processColumns) {
                for (const SeriesColumn &c : seriesProcessColumns()) {
                    json +=
                        ", \"" + QByteArray(c.name) + "\": " + QByteArray::fromStdString(c.text(g));
                }
            }
            if (r.settings.mixture) {
                const std::array<int32_t, 4> n = sidesAt(r, k);
                for (size_t c = 0; c < n.size(); ++c) {
                    json += ", \"" + QByteArray(kSideColumns[c]) + "\": " + QByteArray::number(n[c]);
                }
            }
            ++k;
            items.push_back(json);
        }
        return items;
    });
}

namespace {

// A profile's figure, the shortest text that reads back to the same double;
// none where it is not defined (a layer no particle reached has no
// temperature).
Field exact(double value)
{
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return number(QByteArrayLiteral("0")); // never "-0"
    }
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? number(QByteArray(text, static_cast<int>(end - text))) : Field{};
}

const char *speciesName(int32_t species)
{
    switch (species) {
    case kSpeciesB:
        return "B";
    case kHeavy:
        return "heavy";
    default:
        break;
    }
    return "A";
}

// A profile row's fields, in the order of kProfileColumns.
constexpr const char *kProfileColumns[] = {"height", "species", "density", "density_theory",
                                           "temperature"};

std::array<Field, 5> profileFields(const HeightProfile::Row &row)
{
    return {exact(row.height), word(speciesName(row.species)), exact(row.density),
            exact(row.densityTheory), exact(row.temperature)};
}

} // namespace

QByteArray profileCsv(const std::vector<RunResult> &results)
{
    QByteArray csv = "run";
    for (const char *name : kProfileColumns) {
        csv += ',' + QByteArray(name);
    }
    csv += '\n';
    int run = 0;
    for (const RunResult &r : results) {
        const QByteArray prefix = QByteArray::number(++run);
        for (const HeightProfile::Row &row : r.profile) {
            csv += prefix;
            for (const Field &f : profileFields(row)) {
                csv += ',' + csvText(f);
            }
            csv += '\n';
        }
    }
    return csv;
}

QByteArray profileJson(const std::vector<RunResult> &results)
{
    const auto gravity = [](const RunResult &r) {
        return ", \"gravity\": " + jsonText(number(floatText(r.settings.gravity)));
    };
    return runsJson(results, "profile", gravity, [](const RunResult &r) {
        std::vector<QByteArray> items;
        for (const HeightProfile::Row &row : r.profile) {
            const std::array<Field, 5> fields = profileFields(row);
            QByteArray json;
            for (size_t k = 0; k < fields.size(); ++k) {
                json += (k == 0 ? "\"" : ", \"") + QByteArray(kProfileColumns[k]) +
                        "\": " + jsonText(fields[k]);
            }
            items.push_back(json);
        }
        return items;
    });
}

std::unique_ptr<OutputFile> OutputFile::open(const QString &path, QString *error,
                                             const std::function<bool()> &interrupted)
{
    // The file standard output goes to is written through it, after what
    // is there: a file renamed over it would lose that, and the output.
    if (isStandardOutput(path)) {
        return standardOutput(error);
    }
    auto file = std::make_unique<OutputFile>();
    file->m_failure =
        QCoreApplication::translate("molvix-lab", "no se puede escribir %1").arg(path);
    struct stat st = {};
    const bool there = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    // A directory goes the regular way, which refuses it by name.
    if (there && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        // A FIFO's open waits for a reader. A signal breaks the wait (EINTR):
        // it is retried only when the signal asks for nothing, so that
        // Ctrl+C ends a wait nobody will end.
        int fd = -1;
        int reason = EINTR;
        while (!(interrupted && interrupted())) {
            fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
            if (fd >= 0 || errno != EINTR) {
                reason = errno;
                break;
            }
        }
        if (fd < 0) {
            if (reason == EINTR) {
                error->clear();
            } else {
                *error = file->m_failure + QStringLiteral(": ") +
                         QString::fromLocal8Bit(std::strerror(reason));
            }
            return nullptr;
        }
        if (!file->m_direct.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
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

bool OutputFile::openable(const QString &path, QString *error)
{
    if (isStandardOutput(path)) {
        return true;
    }
    const auto refuse = [&](const QString &reason) {
        *error = QCoreApplication::translate("molvix-lab", "no se puede escribir %1").arg(path) +
                 QStringLiteral(": ") + reason;
        return false;
    };
    const auto systemError = [](int code) { return QString::fromLocal8Bit(std::strerror(code)); };
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    if (::stat(name.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            // In QSaveFile's own words: it refuses a folder before it makes
            // any file.
            QSaveFile folder(path);
            folder.open(QIODevice::WriteOnly);
            return refuse(folder.errorString());
        }
        if (::access(name.constData(), W_OK) != 0) {
            return refuse(systemError(errno));
        }
        if (!S_ISREG(st.st_mode)) {
            return true; // written where it is
        }
    } else if (errno != ENOENT) {
        return refuse(systemError(errno)); // a name or a folder's name too long, ...
    }
    // A regular file is written beside its target (links followed) and
    // renamed over it: its folder must take a new file of that name.
    const QFileInfo target(resolvedName(path));
    const QByteArray folder = QFile::encodeName(target.path());
    if (::stat(folder.constData(), &st) != 0) {
        return refuse(systemError(errno));
    }
    if (!S_ISDIR(st.st_mode)) {
        return refuse(systemError(ENOTDIR));
    }
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        return refuse(systemError(errno));
    }
    const long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (nameMax > 0 && QFile::encodeName(target.fileName()).size() > nameMax) {
        return refuse(systemError(ENAMETOOLONG));
    }
    return true;
}

std::unique_ptr<OutputFile> OutputFile::standardOutput(QString *error)
{
    auto file = std::make_unique<OutputFile>();
    file->m_failure =
        QCoreApplication::translate("molvix-lab", "no se puede escribir en la salida estándar");
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
