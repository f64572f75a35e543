// molvix-lab: the Molvix gas without windows, over sweeps of its settings.
// Usage and output are described by --help and docs/experiments.md.
#include "experiment.h"
#include "laboptions.h"
#include "labwriters.h"
#include "language.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>

#include <unistd.h>

namespace {

constexpr int kBadInput = 2;

// Set from the signal handler; the sweep's poll passes it to the workers.
std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

void onSignal(int signal)
{
    g_signal.store(signal);
}

void catchInterrupts()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // A second Ctrl+C ends the program at once, as usual.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int fail(const QString &reason)
{
    std::fprintf(stderr, "molvix-lab: %s\n", escapedLine(reason).toUtf8().constData());
    return kBadInput;
}

// The end of an interrupted sweep: 128 + the signal, as a shell reports it.
int stopped(int runsDone, size_t runs)
{
    std::fprintf(stderr, "molvix-lab: %s\n",
                 QCoreApplication::translate(
                     "molvix-lab", "interrumpido tras %1 de %2 ejecuciones; no se ha escrito nada")
                     .arg(runsDone)
                     .arg(runs)
                     .toUtf8()
                     .constData());
    return 128 + g_signal.load();
}

void writeOut(const QByteArray &bytes, FILE *stream)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// The help or the version: a standard output that cannot take it is a
// failure like any other file's.
int printOut(const QByteArray &text)
{
    writeOut(text, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        return fail(QCoreApplication::translate("molvix-lab",
                                                "no se puede escribir en la salida estándar: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    return 0;
}

// "runs done, a bar, ticks a second, time left" on one line of a terminal.
class ProgressBar
{
public:
    ProgressBar(int runs, int64_t totalTicks) : m_runs(runs), m_totalTicks(totalTicks)
    {
        m_clock.start();
    }

    void show(int runsDone, int64_t ticksDone)
    {
        const double seconds = m_clock.elapsed() / 1000.0;
        const double rate = seconds > 0 ? ticksDone / seconds : 0;
        const double done = m_totalTicks > 0 ? double(ticksDone) / m_totalTicks : 1.0;
        constexpr int kWidth = 24;
        const int filled = std::clamp(static_cast<int>(done * kWidth), 0, kWidth);
        QByteArray line = "\r" + QByteArray::number(runsDone) + '/' + QByteArray::number(m_runs) +
                          " runs [" + QByteArray(filled, '#') + QByteArray(kWidth - filled, '.') +
                          "] ";
        line += QByteArray::number(rate / 1e6, 'f', 2) + " M ticks/s";
        if (rate > 0 && ticksDone > 0) {
            const auto left = static_cast<int64_t>((m_totalTicks - ticksDone) / rate);
            line += "  " + QByteArray::number(static_cast<qlonglong>(left / 60)) + ':' +
                    QByteArray::number(static_cast<qlonglong>(left % 60)).rightJustified(2, '0') +
                    " left";
        }
        line += "\033[K";
        writeOut(line, stderr);
        std::fflush(stderr);
    }

    static void clear()
    {
        writeOut("\r\033[K", stderr);
        std::fflush(stderr);
    }

private:
    int m_runs;
    int64_t m_totalTicks;
    QElapsedTimer m_clock;
};

int runLab(const LabOptions &o)
{
    RunPlan plan;
    plan.warmup = o.warmup;
    plan.ticks = o.ticks;
    plan.keepReadings = !o.series.isEmpty();
    plan.keepProfile = !o.profile.isEmpty();
    // Before the runs are even listed: a sweep beyond the limits is refused
    // at once instead of running out of memory or time.
    // A mixture's species B comes on top of the count.
    const int32_t maxCount = *std::max_element(o.counts.begin(), o.counts.end()) +
                             *std::max_element(o.bCounts.begin(), o.bCounts.end());
    if (const auto beyond = sweepBeyondLimits(o.runCount(), maxCount, plan, o.threads)) {
        return fail(*beyond);
    }
    const std::vector<RunSettings> runs = o.runs();

    // Every file is checked, then opened, before any run, so that one that
    // cannot be written is known at once and no file is made or replaced.
    QString error;
    for (const QString &path : {o.out, o.series, o.profile}) {
        if (!path.isEmpty() && !OutputFile::openable(path, &error)) {
            return fail(error);
        }
    }
    catchInterrupts();
    // A FIFO waits for its reader: Ctrl+C during the wait ends it as it
    // ends the runs.
    const auto interrupted = [] { return g_signal.load() != 0; };
    const auto notOpened = [&] {
        if (interrupted()) {
            return stopped(0, runs.size());
        }
        return fail(error);
    };
    std::unique_ptr<OutputFile> out, series, profile;
    if (!(out = o.out.isEmpty() ? OutputFile::standardOutput(&error)
                                : OutputFile::open(o.out, &error, interrupted))) {
        return notOpened();
    }
    if (!o.series.isEmpty() && !(series = OutputFile::open(o.series, &error, interrupted))) {
        return notOpened();
    }
    if (!o.profile.isEmpty() && !(profile = OutputFile::open(o.profile, &error, interrupted))) {
        return notOpened();
    }

    SweepControl control;
    const bool terminal = isatty(STDERR_FILENO) == 1;
    ProgressBar bar(static_cast<int>(runs.size()),
                    static_cast<int64_t>(runs.size()) * (plan.warmup + plan.ticks));
    const auto poll = [&] {
        if (g_signal.load() != 0) {
            control.stop = true;
        }
        if (terminal) {
            bar.show(control.runsDone.load(), control.ticksDone.load());
        }
    };
    std::vector<RunResult> results;
    try {
        results = runSweep(runs, plan, o.threads, control, poll);
    } catch (...) {
        if (terminal) {
            ProgressBar::clear();
        }
        throw;
    }
    if (terminal) {
        ProgressBar::clear();
    }

    if (g_signal.load() != 0) {
        return stopped(control.runsDone.load(), runs.size());
    }
    // Every run is done: what remains is writing, which a late Ctrl+C does
    // not cut short. Every text is made before any file changes.
    const bool json = o.format == OutputFormat::Json;
    std::vector<std::pair<OutputFile *, QByteArray>> files;
    if (series != nullptr) {
        files.emplace_back(series.get(), json ? seriesJson(results) : seriesCsv(results));
    }
    if (profile != nullptr) {
        files.emplace_back(profile.get(), json ? profileJson(results) : profileCsv(results));
    }
    files.emplace_back(out.get(), json ? summaryJson(results, plan) : summaryCsv(results));
    if (!writeAll(files, &error)) {
        return fail(error);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("molvix-lab"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOLVIX_VERSION));
    // The help and the messages in the interface's language, chosen as the
    // program chooses it; the columns' names are data and stay as they are.
    using namespace molvix::i18n;
    const LanguageChoice language = chooseLanguage(
        QCoreApplication::arguments(), QLocale::system().uiLanguages(), availableLanguages());
    installTranslation(language.language);
    if (!language.unknown.isEmpty()) {
        std::fprintf(stderr, "molvix-lab: %s\n",
                     escapedLine(QCoreApplication::translate(
                                     "molvix-lab", "no hay traducción para «%1» (hay %2); se usa "
                                                   "el español")
                                     .arg(language.unknown, availableLanguages().join(u'|')))
                         .toUtf8()
                         .constData());
    }

    const ParsedCommandLine command =
        parseLabCommandLine(QCoreApplication::arguments(), QThread::idealThreadCount());
    switch (command.action) {
    case ParsedCommandLine::Error:
        return fail(command.text);
    case ParsedCommandLine::Help:
        return printOut(command.text.toUtf8());
    case ParsedCommandLine::Version:
        return printOut("molvix-lab " MOLVIX_VERSION "\n");
    case ParsedCommandLine::Run:
        break;
    }
    // Whatever fails on the way ends in a line and status 2, never an abort.
    try {
        return runLab(command.options);
    } catch (const std::bad_alloc &) {
        std::fprintf(stderr, "molvix-lab: %s\n",
                     QCoreApplication::translate("molvix-lab", "sin memoria; no se ha escrito nada")
                         .toUtf8()
                         .constData());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "molvix-lab: %s\n",
                     QCoreApplication::translate("molvix-lab", "%1; no se ha escrito nada")
                         .arg(QString::fromLocal8Bit(e.what()))
                         .toUtf8()
                         .constData());
    }
    return kBadInput;
}
