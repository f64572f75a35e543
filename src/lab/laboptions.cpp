#include "laboptions.h"

#include "readinglog.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A whole number in plain decimal (an optional minus sign, then digits).
// Out of the 64-bit range counts as a number far outside any limit.
std::optional<int64_t> wholeNumber(const QString &text, bool *tooLarge)
{
    *tooLarge = false;
    const QByteArray latin = text.toLatin1();
    const char *end = latin.constData() + latin.size();
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ptr != end || text.size() != latin.size()) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        *tooLarge = true;
        return std::nullopt;
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

QString outsideText(const QString &value, int64_t min, int64_t max)
{
    return QStringLiteral("%1 is outside %2..%3").arg(value).arg(min).arg(max);
}

// One number of a sweep or a count option, within min..max.
std::optional<int64_t> boundedNumber(const QString &text, int64_t min, int64_t max, QString *error)
{
    bool tooLarge = false;
    const std::optional<int64_t> value = wholeNumber(text, &tooLarge);
    if (tooLarge || (value && (*value < min || *value > max))) {
        *error = outsideText(text, min, max);
        return std::nullopt;
    }
    if (!value) {
        *error = text.isEmpty() ? QStringLiteral("a value is missing")
                                : QStringLiteral("'%1' is not a whole number").arg(text);
        return std::nullopt;
    }
    return value;
}

// The name with every symbolic link followed, in a folder named without
// links, whether or not the file is there yet.
QString resolvedName(const QString &path)
{
    QFileInfo info(path);
    // As many links as the system itself follows; a loop ends there.
    for (int links = 0; info.isSymLink() && links < 40; ++links) {
        info.setFile(info.symLinkTarget());
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

// Whether two names are one file: the same device and inode where both are
// there (a hard link too), otherwise the same name once links are followed.
bool sameFile(const QString &a, const QString &b)
{
    struct stat sa = {}, sb = {};
    const bool hasA = ::stat(QFile::encodeName(a).constData(), &sa) == 0;
    const bool hasB = ::stat(QFile::encodeName(b).constData(), &sb) == 0;
    if (hasA && hasB) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    return hasA == hasB && resolvedName(a) == resolvedName(b);
}

} // namespace

bool isStandardOutput(const QString &path)
{
    struct stat target = {}, out = {};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &target) == 0 &&
           target.st_dev == out.st_dev && target.st_ino == out.st_ino;
}

namespace {

// A real number in C-locale decimal or exponent notation, within min..max.
std::optional<double> realNumber(const QString &text, double min, double max, QString *error)
{
    const QByteArray latin = text.toLatin1();
    const char *end = latin.constData() + latin.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ptr != end || ec != std::errc() || text.size() != latin.size() ||
        !std::isfinite(value)) {
        *error = text.isEmpty() ? QStringLiteral("a value is missing")
                                : QStringLiteral("'%1' is not a number").arg(text);
        return std::nullopt;
    }
    if (value < min || value > max) {
        *error = QStringLiteral("%1 is outside %2..%3").arg(text).arg(min, 0, 'g', 12).arg(max, 0, 'g', 12);
        return std::nullopt;
    }
    return value;
}

const QString kHelp = QStringLiteral(
    R"(Usage: molvix-lab [options]

Runs the Molvix gas without windows and writes what it measured: for every
run a summary row (means and spreads of the three readouts, the ideal-gas
ratio P·V/(N·T) and the distance of the speeds from Maxwell–Boltzmann) and,
on request, the series of its readings. The gas is the program's own: the
same start, step, walls, collisions and readouts, bit for bit.

Settings (each may be a sweep; the runs are every combination):
  --particles N        particle count, 0..100 (default 50)
  --wall W             piston position, 0..100 (default 100)
  --temperature T      temperature setting, 0..100 (default 20); a speed
                       scale, as the control panel's bar
  --collisions on|off  particle collisions (default off); "on,off" runs both

The process (each may be a sweep; any of them adds the process columns):
  --piston fixed|moving|loaded
                       the piston (default fixed): the classic one, one that
                       moves to --piston-to, or one under a load
  --piston-to W        where the moving piston goes, 0..100 (default: stays
                       at --wall); it starts at --wall and moves only during
                       the measured ticks, so the warm-up equilibrates
  --piston-speed U     lengths per unit time, 0..1000 (default 1; the piston
                       moves U x 0.1 a tick)
  --load P             the loaded piston's outside pressure, in the units of
                       "Presión", 0..10000000 (default 0)
  --piston-mass M      the loaded piston's mass in particle masses,
                       1..1000000 (default 100); the load may be at most
                       500 x the mass
  --bath on|off        the five fixed walls are a heat bath (default off);
                       it is on through the warm-up too
  --bath-temperature T the bath's temperature in the units of "Temperatura",
                       0..100 (default: the gas's temperature once the
                       run's settings are applied, before the warm-up)
  Real values may be written 0.5 or 5e-1; a range 0.1:0.4:0.1 includes its
  stop when the steps reach it. A setting that no run would use is refused:
  --piston-to and --piston-speed need a moving piston, --load and
  --piston-mass a loaded one, --bath-temperature the bath on.

Length of every run:
  --ticks N            measured ticks, 1..10000000 (default 50000)
  --warmup N           ticks run before the measured ones, whose readings
                       are dropped, 0..100000000 (default 20000)

Output:
  --out FILE           the summary into FILE (default: standard output)
  --series FILE        every run's readings into FILE
  --format csv|json    format of both (default csv)
  --threads N          runs at a time, 1..1024 (default: the machine's
                       cores, %1 here)
  -h, --help           this help
  -v, --version        the version

Sweeps:
  A value (50); a range start:stop:step (20:100:10 is 20, 30, ..., 100: the
  step must be positive, and stop is included when the steps reach it;
  start:stop steps by 1); or a comma-separated list of values and ranges
  (10,50,100 or 10:50:20,100), in the order written. The runs go in this
  order: particles outermost, then wall, then temperature, then collisions,
  then the process's settings in the order above (bath temperature
  innermost).

Every run:
  Starts from the program's own start (the same generator and start-up), then
  sets the count, the temperature and the wall the way the control panel
  does, in that order, and switches collisions. It runs the warm-up ticks,
  then the measured ticks. The gas reads its pressure, temperature and energy
  every 200 ticks; the readings taken during the measured ticks are the run's
  series. Every 50 measured ticks the speeds of all particles are taken, and
  all of them together are compared with the Maxwell–Boltzmann distribution
  of the same mean energy. Runs go in parallel, each on a gas of its own.

Summary columns (JSON has the same fields, with warmup and ticks):
  run                  1, 2, ... in sweep order
  count, wall, temperature_setting, collisions
                       the run's settings
  readings             readings taken during the measured ticks
  pressure_mean, pressure_sd
                       "Presión": momentum the walls received over 200 ticks
                       per 10 000 of wall area
  temperature_mean, temperature_sd
                       "Temperatura": sum of v² / (3 N × 100)
  energy_mean, energy_sd
                       "Energía": 0.01 × sum of v²
  pvnt_mean, pvnt_sd   P·V/(N·T) of every reading, scaled so that an ideal
                       gas gives 1: P × W / (2000 N T)
  ks_mb                Kolmogorov–Smirnov distance of the pooled speeds from
                       Maxwell–Boltzmann (0 = the same distribution)
  Means and sample standard deviations over the readings, to 6 significant
  digits. Equal readings have a deviation of exactly 0; a single reading has
  none (empty, JSON null). Empty (JSON null) too where there is nothing to
  average: no readings; the temperature of an empty box (its pressure and
  energy are 0); P·V/(N·T) with no particles, a temperature of 0 or the wall
  at 0; ks_mb when no particle moves.

Process columns (with any process option; JSON has the same fields):
  piston, piston_to, piston_speed, load, piston_mass, bath, bath_temperature
                       the run's process settings (piston_to empty: none)
  temperature_start, temperature_end, wall_start, wall_end
                       temperature (energy / 3 N) and exact piston position
                       when the measured ticks begin and when they end
  work, heat, energy_change
                       over the measured ticks, in the units of "Energía":
                       work done on the gas by the piston, heat in through
                       the bath, the gas's energy change (= work + heat)
  gamma, gamma_se      P·V^gamma = const fitted to the readings (slope of
                       ln P against ln V, V = 10 000 × the mean piston
                       position over the reading), with its standard error;
                       empty when the volume changed by less than 10 %
  piston_mean, piston_sd
                       the piston's mean position over the readings
  energy_x_start, energy_y_start, energy_z_start
                       0.01 × sum of vx², vy², vz² when measuring begins
  and in the series: piston (position at the reading), work, heat (since
  the measured ticks began), energy_x, energy_y, energy_z.

Series columns:
  run, tick, time, count, wall, temperature_setting, collisions, pressure,
  temperature, energy: one row per reading. Pressure, temperature and energy
  as the gas holds them, single-precision floats, each the shortest text
  that reads back to the same float; time is tick x 0.1 exactly (20 for
  tick 200).

Files:
  With no --out the summary table goes to standard output and nothing else
  does. The same options give the same output, byte for byte, whatever
  --threads is. A regular file is written whole or not at all: both files
  are complete before either is replaced, and when either cannot be written
  both keep what they held. A FIFO or a device is written where it is, and
  so is the file standard output goes to (/dev/stdout, or the target of a
  redirection), after what it holds; --series names it only with --out
  elsewhere. --out and --series must name two files (links are followed).
  A progress bar goes to standard error when it is a terminal.

Limits (checked before any run):
  values               at most 100000 in one option's sweep
  runs                 at most 1000000 in a sweep
  ticks                at most 10^12 in all: runs x (warmup + ticks)
  memory               at most 4 GiB, as estimated: for each run under way
                       12 bytes a particle for every speed snapshot (one
                       every 50 measured ticks: 250 MB for 100 particles
                       over 10000000 ticks), and for every run its series
                       when kept (about 270 bytes a reading)

Exit status:
  0    done
  2    a bad option or value, a sweep beyond the limits, a file that cannot
       be written, a worker thread that cannot start or memory that runs
       out: one line on standard error says which, and nothing is written
  130  interrupted (Ctrl+C): the runs stop and nothing is written; files
       named keep what they held

Example (Boyle: pressure against the wall, 100 particles, collisions on):
  molvix-lab --particles 100 --collisions on --wall 20:100:20
)");

} // namespace

std::optional<std::vector<int32_t>> parseSweep(const QString &text, int32_t min, int32_t max,
                                               QString *error)
{
    std::vector<int32_t> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() > 3) {
            *error = QStringLiteral("'%1' has too many parts: use start:stop:step").arg(item);
            return std::nullopt;
        }
        std::vector<int64_t> numbers;
        for (qsizetype k = 0; k < parts.size(); ++k) {
            // The step is checked for its sign, not against the range.
            const bool step = k == 2;
            const auto n =
                boundedNumber(parts[k], step ? INT32_MIN : min, step ? INT32_MAX : max, error);
            if (!n) {
                return std::nullopt;
            }
            numbers.push_back(*n);
        }
        if (numbers.size() == 1) {
            values.push_back(static_cast<int32_t>(numbers[0]));
            continue;
        }
        const int64_t start = numbers[0], stop = numbers[1];
        const int64_t step = numbers.size() == 3 ? numbers[2] : 1;
        if (step <= 0) {
            *error = QStringLiteral("step %1 must be positive").arg(step);
            return std::nullopt;
        }
        if (start > stop) {
            *error = QStringLiteral("'%1' starts above its stop").arg(item);
            return std::nullopt;
        }
        for (int64_t v = start; v <= stop; v += step) {
            values.push_back(static_cast<int32_t>(v));
        }
    }
    return values;
}

std::optional<std::vector<float>> parseRealSweep(const QString &text, double min, double max,
                                                 QString *error)
{
    std::vector<float> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() > 3) {
            *error = QStringLiteral("'%1' has too many parts: use start:stop:step").arg(item);
            return std::nullopt;
        }
        std::vector<double> numbers;
        for (qsizetype k = 0; k < parts.size(); ++k) {
            const bool step = k == 2;
            const auto n = realNumber(parts[k], step ? -HUGE_VAL : min, step ? HUGE_VAL : max, error);
            if (!n) {
                return std::nullopt;
            }
            numbers.push_back(*n);
        }
        if (numbers.size() == 1) {
            values.push_back(static_cast<float>(numbers[0]));
            continue;
        }
        const double start = numbers[0], stop = numbers[1];
        const double step = numbers.size() == 3 ? numbers[2] : 1;
        if (!(step > 0)) {
            *error = QStringLiteral("step %1 must be positive").arg(parts.value(2));
            return std::nullopt;
        }
        if (start > stop) {
            *error = QStringLiteral("'%1' starts above its stop").arg(item);
            return std::nullopt;
        }
        const double steps = std::floor((stop - start) / step + 1e-6);
        if (steps + values.size() >= kMaxSweepValues) {
            *error = QStringLiteral("'%1' has more than %2 values").arg(item).arg(kMaxSweepValues);
            return std::nullopt;
        }
        for (int64_t k = 0; k <= static_cast<int64_t>(steps); ++k) {
            values.push_back(static_cast<float>(std::min(stop, start + static_cast<double>(k) * step)));
        }
    }
    return values;
}

std::vector<RunSettings> LabOptions::runs() const
{
    std::vector<RunSettings> all;
    RunSettings r;
    r.processColumns = processColumns;
    for (const int32_t count : counts) {
        r.count = count;
        for (const int32_t wall : walls) {
            r.wall = wall;
            for (const int32_t temperature : temperatures) {
                r.temperature = temperature;
                for (const bool on : collisions) {
                    r.collisions = on;
                    for (const PistonMode piston : pistons) {
                        r.piston = piston;
                        for (const auto &to : pistonTargets) {
                            r.pistonTo = to;
                            for (const float speed : pistonSpeeds) {
                                r.pistonSpeed = speed;
                                for (const float load : loads) {
                                    r.load = load;
                                    for (const float mass : pistonMasses) {
                                        r.pistonMass = mass;
                                        for (const bool bath : baths) {
                                            r.bath = bath;
                                            for (const auto &t : bathTemperatures) {
                                                r.bathTemperature = t;
                                                all.push_back(r);
                                            }
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return all;
}

double LabOptions::runCount() const
{
    // Every list runs() walks, the process's included.
    double runs = 1;
    for (const size_t n : {counts.size(), walls.size(), temperatures.size(), collisions.size(),
                           pistons.size(), pistonTargets.size(), pistonSpeeds.size(), loads.size(),
                           pistonMasses.size(), baths.size(), bathTemperatures.size()}) {
        runs *= static_cast<double>(n);
    }
    return runs;
}

ParsedCommandLine parseLabCommandLine(const QStringList &arguments, int idealThreads)
{
    ParsedCommandLine result;
    result.options.ticks = kDefaultTicks;
    result.options.warmup = kDefaultWarmup;
    result.options.threads = std::clamp(idealThreads, 1, kMaxThreads);
    const auto fail = [&result](const QString &reason) {
        result.action = ParsedCommandLine::Error;
        result.text = reason;
        return result;
    };

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const auto valued = [](const char *name) {
        return QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"));
    };
    const QList<QCommandLineOption> settings = {
        valued("particles"), valued("temperature"), valued("wall"),    valued("collisions"),
        valued("ticks"),     valued("warmup"),      valued("threads"), valued("out"),
        valued("series"),    valued("format"),
        valued("piston"),    valued("piston-to"),   valued("piston-speed"), valued("load"),
        valued("piston-mass"), valued("bath"),      valued("bath-temperature")};
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions(settings);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.front();
            return fail(
                QStringLiteral("unknown option '%1%2' (see --help)")
                    .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        QString reason = parser.errorText();
        if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        if (!reason.isEmpty()) {
            reason[0] = reason[0].toLower();
        }
        return fail(reason);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(QStringLiteral("unexpected argument '%1' (see --help)")
                        .arg(parser.positionalArguments().front()));
    }
    if (parser.isSet(help)) {
        result.action = ParsedCommandLine::Help;
        result.text = kHelp.arg(std::clamp(idealThreads, 1, kMaxThreads));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = ParsedCommandLine::Version;
        return result;
    }
    for (const QCommandLineOption &option : settings) {
        if (parser.values(option).size() > 1) {
            return fail(QStringLiteral("--%1 is given more than once").arg(option.names().front()));
        }
    }

    LabOptions &o = result.options;
    QString reason;
    const auto sweep = [&](const char *name, std::vector<int32_t> *into) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        const auto values = parseSweep(value, 0, 100, &reason);
        if (!values) {
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *values;
        return true;
    };
    const auto number = [&](const char *name, int64_t min, int64_t max, int64_t *into) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        bool tooLarge = false;
        const std::optional<int64_t> whole = wholeNumber(value, &tooLarge);
        const bool notPositive = min == 1 && whole && *whole < 1;
        const auto n = notPositive ? std::nullopt : boundedNumber(value, min, max, &reason);
        if (!n) {
            if (notPositive) {
                reason = QStringLiteral("must be positive (at most %1)").arg(max);
            }
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *n;
        return true;
    };
    int64_t threads = o.threads;
    if (!sweep("particles", &o.counts) || !sweep("wall", &o.walls) ||
        !sweep("temperature", &o.temperatures) || !number("ticks", 1, kMaxTicks, &o.ticks) ||
        !number("warmup", 0, kMaxWarmup, &o.warmup) ||
        !number("threads", 1, kMaxThreads, &threads)) {
        return fail(reason);
    }
    o.threads = static_cast<int>(threads);

    if (parser.isSet(QStringLiteral("collisions"))) {
        const QString value = parser.value(QStringLiteral("collisions"));
        o.collisions.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item != QLatin1String("on") && item != QLatin1String("off")) {
                return fail(QStringLiteral("--collisions %1: use on, off or on,off").arg(value));
            }
            o.collisions.push_back(item == QLatin1String("on"));
        }
    }
    const auto real = [&](const char *name, double min, double max, std::vector<float> *into) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        const auto values = parseRealSweep(value, min, max, &reason);
        if (!values) {
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *values;
        return true;
    };
    const auto optionalReal = [&](const char *name, double min, double max,
                                  std::vector<std::optional<float>> *into) {
        std::vector<float> values;
        if (!real(name, min, max, &values)) {
            return false;
        }
        if (!values.empty()) {
            into->assign(values.begin(), values.end());
        }
        return true;
    };
    if (!optionalReal("piston-to", 0, 100, &o.pistonTargets) ||
        !real("piston-speed", 0, kPistonSpeedMax, &o.pistonSpeeds) ||
        !real("load", 0, kLoadMax, &o.loads) ||
        !real("piston-mass", kPistonMassMin, kPistonMassMax, &o.pistonMasses) ||
        !optionalReal("bath-temperature", 0, kBathTemperatureMax, &o.bathTemperatures)) {
        return fail(reason);
    }
    if (parser.isSet(QStringLiteral("piston"))) {
        const QString value = parser.value(QStringLiteral("piston"));
        o.pistons.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item == QLatin1String("fixed")) {
                o.pistons.push_back(PistonMode::Fixed);
            } else if (item == QLatin1String("moving")) {
                o.pistons.push_back(PistonMode::Moving);
            } else if (item == QLatin1String("loaded")) {
                o.pistons.push_back(PistonMode::Loaded);
            } else {
                return fail(QStringLiteral("--piston %1: use fixed, moving or loaded, or a list")
                                .arg(value));
            }
        }
    }
    const auto has = [](const auto &list, auto value) {
        return std::find(list.begin(), list.end(), value) != list.end();
    };
    const bool moving = has(o.pistons, PistonMode::Moving);
    const bool loaded = has(o.pistons, PistonMode::Loaded);
    if (loaded) {
        // A light piston under a heavy load falls through the gas between
        // impacts: such a run would measure the tick, not the gas.
        for (const float load : o.loads) {
            for (const float mass : o.pistonMasses) {
                if (load > kLoadPerMassMax * mass) {
                    return fail(QStringLiteral("--load %1 with --piston-mass %2: the load may be "
                                               "at most %3 x the piston's mass")
                                    .arg(QLatin1String(floatText(load)),
                                         QLatin1String(floatText(mass)))
                                    .arg(kLoadPerMassMax));
                }
            }
        }
    }
    if (parser.isSet(QStringLiteral("bath"))) {
        const QString value = parser.value(QStringLiteral("bath"));
        o.baths.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item != QLatin1String("on") && item != QLatin1String("off")) {
                return fail(QStringLiteral("--bath %1: use on, off or on,off").arg(value));
            }
            o.baths.push_back(item == QLatin1String("on"));
        }
    }
    for (const char *name : {"piston", "piston-to", "piston-speed", "load", "piston-mass", "bath",
                             "bath-temperature"}) {
        o.processColumns = o.processColumns || parser.isSet(QLatin1String(name));
    }
    // A setting that no run of the sweep uses is a slip to point out, not a
    // value to echo in every row.
    const struct
    {
        const char *option;
        bool used;
        const char *needs;
    } uses[] = {
        {"piston-to", moving, "--piston moving"},  {"piston-speed", moving, "--piston moving"},
        {"load", loaded, "--piston loaded"},       {"piston-mass", loaded, "--piston loaded"},
        {"bath-temperature", has(o.baths, true), "--bath on"},
    };
    for (const auto &u : uses) {
        if (!u.used && parser.isSet(QLatin1String(u.option))) {
            return fail(QStringLiteral("--%1 needs %2: no run of the sweep would use it")
                            .arg(QLatin1String(u.option), QLatin1String(u.needs)));
        }
    }
    if (parser.isSet(QStringLiteral("format"))) {
        const QString value = parser.value(QStringLiteral("format"));
        if (value == QLatin1String("csv")) {
            o.format = OutputFormat::Csv;
        } else if (value == QLatin1String("json")) {
            o.format = OutputFormat::Json;
        } else {
            return fail(QStringLiteral("--format %1: use csv or json").arg(value));
        }
    }
    o.out = parser.value(QStringLiteral("out"));
    o.series = parser.value(QStringLiteral("series"));
    if (parser.isSet(QStringLiteral("out")) && o.out.isEmpty()) {
        return fail(QStringLiteral("--out needs a file name"));
    }
    if (parser.isSet(QStringLiteral("series")) && o.series.isEmpty()) {
        return fail(QStringLiteral("--series needs a file name"));
    }
    if (!o.out.isEmpty() && !o.series.isEmpty() && sameFile(o.out, o.series)) {
        return fail(QStringLiteral("--out and --series name the same file"));
    }
    if (o.out.isEmpty() && !o.series.isEmpty() && isStandardOutput(o.series)) {
        return fail(QStringLiteral(
            "--series names standard output, where the summary goes; name a file for it with --out"));
    }
    result.action = ParsedCommandLine::Run;
    return result;
}
