#include "laboptions.h"

#include "labchecks.h"
#include "labhelp.h"
#include "labtable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <type_traits>

#include <sys/stat.h>
#include <unistd.h>

QString escapedLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            line += QLatin1String("\\n");
        } else if (u == u'\r') {
            line += QLatin1String("\\r");
        } else if (u == u'\t') {
            line += QLatin1String("\\t");
        } else if (u < 0x20 || u == 0x7f) {
            line += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else if ((u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029) {
            // C1 controls and Unicode's line breaks.
            line += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        } else {
            line += c;
        }
    }
    return line;
}

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

bool isStandardOutput(const QString &path)
{
    struct stat target = {}, out = {};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &target) == 0 &&
           target.st_dev == out.st_dev && target.st_ino == out.st_ino;
}

namespace {

// Reads an option's value into its place in the options, as the type of
// that place says (see OptionTarget): the reason it cannot, or nothing.
class ValueReader
{
public:
    ValueReader(const LabOption &option, const QString &value, LabOptions &o)
        : m_option(option), m_value(value), m_o(o)
    {
    }

    QString operator()(std::monostate) const { return {}; }

    QString operator()(std::vector<int32_t> LabOptions::*into) const
    {
        const double max =
            m_o.mixture && m_option.mixtureMax > 0 ? m_option.mixtureMax : m_option.max;
        QString reason;
        const auto values = parseSweep(m_value, static_cast<int32_t>(m_option.min),
                                       static_cast<int32_t>(max), &reason);
        if (!values) {
            return valueError(reason);
        }
        m_o.*into = *values;
        return {};
    }

    QString operator()(std::vector<float> LabOptions::*into) const { return reals(&(m_o.*into)); }

    // A setting whose default is "none".
    QString operator()(std::vector<std::optional<float>> LabOptions::*into) const
    {
        std::vector<float> values;
        const QString reason = reals(&values);
        (m_o.*into).assign(values.begin(), values.end());
        return reason;
    }

    QString operator()(int64_t LabOptions::*into) const { return whole(&(m_o.*into)); }

    QString operator()(int LabOptions::*into) const
    {
        int64_t n = m_o.*into;
        const QString reason = whole(&n);
        m_o.*into = static_cast<int>(n);
        return reason;
    }

    QString operator()(QString LabOptions::*into) const
    {
        m_o.*into = m_value;
        return m_value.isEmpty() ? QCoreApplication::translate("molvix-lab", m_option.refusal)
                                 : QString();
    }

    QString operator()(OutputFormat LabOptions::*into) const
    {
        const qsizetype word = words().indexOf(m_value);
        if (word < 0) {
            return refusal();
        }
        m_o.*into = static_cast<OutputFormat>(word);
        return {};
    }

    // A list of words: on,off, or the piston's, or the divider's.
    template <typename Word> QString operator()(std::vector<Word> LabOptions::*into) const
    {
        std::vector<Word> values;
        for (const QString &item : m_value.split(QLatin1Char(','))) {
            const qsizetype word = words().indexOf(item);
            if (word < 0) {
                return refusal();
            }
            if constexpr (std::is_same_v<Word, bool>) {
                values.push_back(item == QLatin1String("on"));
            } else {
                values.push_back(static_cast<Word>(word));
            }
        }
        m_o.*into = values;
        return {};
    }

private:
    QString reals(std::vector<float> *into) const
    {
        QString reason;
        const auto values = parseRealSweep(m_value, m_option.min, m_option.max, &reason);
        if (!values) {
            return valueError(reason);
        }
        *into = *values;
        return {};
    }

    // One whole number; below a minimum of 1 it is "not positive".
    QString whole(int64_t *into) const
    {
        const auto max = static_cast<int64_t>(m_option.max);
        bool tooLarge = false;
        const std::optional<int64_t> number = wholeNumber(m_value, &tooLarge);
        if (m_option.min == 1 && number && *number < 1) {
            return valueError(
                QCoreApplication::translate("molvix-lab", "debe ser positivo (como mucho %1)")
                    .arg(max));
        }
        QString reason;
        const auto n = boundedNumber(m_value, static_cast<int64_t>(m_option.min), max, &reason);
        if (!n) {
            return valueError(reason);
        }
        *into = *n;
        return {};
    }

    QStringList words() const { return QString::fromLatin1(m_option.words).split(u'|'); }

    QString refusal() const
    {
        return QCoreApplication::translate("molvix-lab", m_option.refusal).arg(m_value);
    }

    QString valueError(const QString &reason) const
    {
        return QStringLiteral("--%1%2: %3")
            .arg(QLatin1String(m_option.name), m_value.isEmpty() ? QString() : u' ' + m_value,
                 reason);
    }

    const LabOption &m_option;
    const QString &m_value;
    LabOptions &m_o;
};

bool takesValue(const LabOption &option)
{
    return option.words != nullptr || *option.value != '\0';
}

// Every option given into `o`, then the checks between them: the reason
// of the first that fails, or none.
std::optional<QString> readValues(const QCommandLineParser &parser, LabOptions &o)
{
    QStringList given;
    for (const LabOption &option : labOptionTable()) {
        const QLatin1String name(option.name);
        if (parser.values(name).size() > 1) {
            return QCoreApplication::translate("molvix-lab", "--%1 aparece más de una vez")
                .arg(name);
        }
        if (parser.isSet(name)) {
            given << name;
        }
    }
    // Any option of a group: a mixture, which takes more particles than
    // the classic gas; the process's columns.
    for (const LabOption &option : labOptionTable()) {
        const bool set = given.contains(QLatin1String(option.name));
        o.mixture = o.mixture || (set && option.group == OptionGroup::Mixture);
        o.processColumns = o.processColumns || (set && option.group == OptionGroup::Process);
    }
    for (const LabOption &option : labOptionTable()) {
        const QLatin1String name(option.name);
        if (given.contains(name)) {
            const QString reason =
                std::visit(ValueReader(option, parser.value(name), o), option.into);
            if (!reason.isEmpty()) {
                return reason;
            }
        }
    }
    return crossCheck(o, given);
}

} // namespace

void LabOptions::addMixtures(RunSettings r, std::vector<RunSettings> &all) const
{
    r.mixture = mixture;
    for (const float gravity : gravities) {
        r.gravity = gravity;
        for (const float radius : radii) {
            r.radius = radius;
            for (const int32_t b : bCounts) {
                r.bCount = b;
                for (const float mass : bMasses) {
                    r.bMass = mass;
                    for (const float bRadius : bRadii) {
                        r.bRadius = bRadius;
                        for (const Divider divider : dividers) {
                            r.divider = divider;
                            for (const float side : holeSides) {
                                r.holeSide = side;
                                for (const float heavyMass : heavyMasses) {
                                    r.heavyMass = heavyMass;
                                    for (const float heavyRadius : heavyRadii) {
                                        r.heavyRadius = heavyRadius;
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
                                                addMixtures(r, all);
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
    for (const size_t n :
         {counts.size(),       walls.size(),         temperatures.size(),     collisions.size(),
          pistons.size(),      pistonTargets.size(), pistonSpeeds.size(),     loads.size(),
          pistonMasses.size(), baths.size(),         bathTemperatures.size(), gravities.size(),
          radii.size(),        bCounts.size(),       bMasses.size(),          bRadii.size(),
          dividers.size(),     holeSides.size(),     heavyMasses.size(),      heavyRadii.size()}) {
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
        result.text = escapedLine(reason);
        return result;
    };

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const LabOption &option : labOptionTable()) {
        QStringList names{QLatin1String(option.name)};
        if (option.shortName != 0) {
            names.prepend(QString(QLatin1Char(option.shortName)));
        }
        parser.addOption(takesValue(option)
                             ? QCommandLineOption(names, QString(), QStringLiteral("value"))
                             : QCommandLineOption(names));
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.front();
            return fail(
                QCoreApplication::translate("molvix-lab",
                                            "opción desconocida «%1%2» (véase --help)")
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
        return fail(
            QCoreApplication::translate("molvix-lab", "argumento inesperado «%1» (véase --help)")
                .arg(parser.positionalArguments().front()));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = ParsedCommandLine::Help;
        result.text = labHelpText(result.options.threads);
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = ParsedCommandLine::Version;
        return result;
    }
    if (const auto reason = readValues(parser, result.options)) {
        return fail(*reason);
    }
    result.action = ParsedCommandLine::Run;
    return result;
}
