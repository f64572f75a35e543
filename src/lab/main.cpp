// molvix-lab: the Molvix gas without windows, over sweeps of its settings.
// Usage and output are described by --help and docs/experiments.md.
#include "experiment.h"
#include "laboptions.h"
#include "labwriters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>

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
    std::fprintf(stderr, "molvix-lab: %s\n", reason.toUtf8().constData());
    return kBadInput;
}

void writeOut(const QByteArray &bytes, FILE *stream)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// Opens a file for writing as a whole: what goes in reaches the name only
// when committed, so an early end leaves the file as it was.
std::unique_ptr<QSaveFile> openWhole(const QString &path, QString *error)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file->errorString());
        return nullptr;
    }
    return file;
}

bool commitFile(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    QString reason;
    if (commitWhole(file, bytes, &reason)) {
        return true;
    }
    *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), reason);
    return false;
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("molvix-lab"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOLVIX_VERSION));

    const ParsedCommandLine command =
        parseLabCommandLine(QCoreApplication::arguments(), QThread::idealThreadCount());
    switch (command.action) {
    case ParsedCommandLine::Error:
        return fail(command.text);
    case ParsedCommandLine::Help:
        writeOut(command.text.toUtf8(), stdout);
        return 0;
    case ParsedCommandLine::Version:
        writeOut("molvix-lab " MOLVIX_VERSION "\n", stdout);
        return 0;
    case ParsedCommandLine::Run:
        break;
    }
    const LabOptions &o = command.options;
    const std::vector<RunSettings> runs = o.runs();
    RunPlan plan;
    plan.warmup = o.warmup;
    plan.ticks = o.ticks;
    plan.keepReadings = !o.series.isEmpty();

    catchInterrupts();
    // Both files are opened before any run, so that one that cannot be
    // written is known at once and nothing else is written either.
    QString error;
    std::unique_ptr<QSaveFile> out, series;
    if (!o.out.isEmpty() && !(out = openWhole(o.out, &error))) {
        return fail(error);
    }
    if (!o.series.isEmpty() && !(series = openWhole(o.series, &error))) {
        return fail(error);
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
    const std::vector<RunResult> results = runSweep(runs, plan, o.threads, control, poll);
    if (terminal) {
        ProgressBar::clear();
    }

    if (g_signal.load() != 0) {
        std::fprintf(stderr, "molvix-lab: interrupted after %d of %zu runs; nothing written\n",
                     control.runsDone.load(), runs.size());
        return 128 + g_signal.load();
    }
    // Every run is done: what remains is writing, which a late Ctrl+C does
    // not cut short.
    const bool json = o.format == OutputFormat::Json;
    if (series != nullptr) {
        if (!commitFile(*series, json ? seriesJson(results) : seriesCsv(results), &error)) {
            return fail(error);
        }
    }
    const QByteArray summary = json ? summaryJson(results, plan) : summaryCsv(results);
    if (out != nullptr) {
        if (!commitFile(*out, summary, &error)) {
            return fail(error);
        }
    } else {
        writeOut(summary, stdout);
        if (std::fflush(stdout) != 0) {
            return fail(QStringLiteral("cannot write the summary to standard output"));
        }
    }
    return 0;
}
