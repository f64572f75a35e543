// The command line: what a sweep stands for, then molvix-lab as a user runs
// it: its exit status, its standard output and error, the files it leaves.
#include "laboptions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ParseSweep, ValuesRangesAndListsInTheOrderWritten)
{
    const struct
    {
        const char *text;
        std::vector<int32_t> values;
    } cases[] = {
        {"50", {50}},
        {"20:100:10", {20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {"20:100:30", {20, 50, 80}}, // the stop only when the steps land on it
        {"98:100", {98, 99, 100}},
        {"0:100:1000", {0}},
        {"100,10,50", {100, 10, 50}},
        {"10:30:10,100,5", {10, 20, 30, 100, 5}},
    };
    for (const auto &c : cases) {
        QString error;
        const auto values = parseSweep(QString::fromLatin1(c.text), 0, 100, &error);
        EXPECT_EQ(values, std::optional(c.values)) << c.text << ": " << qPrintable(error);
    }
}

struct Outcome
{
    int status = -1;
    QByteArray out, err;
};

// molvix-lab as a user of an English system runs it: its messages in
// English (the interface's language follows the system's).
void inEnglish(QProcess &p, const QString &language = QStringLiteral("en"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.remove(QLatin1String(name));
    }
    if (!language.isEmpty()) {
        environment.insert(QStringLiteral("LANGUAGE"), language);
    }
    p.setProcessEnvironment(environment);
}

// `standardOutput`: a file standard output goes to instead of a pipe.
Outcome lab(const QStringList &arguments, const QString &standardOutput = {},
            const std::function<void()> &inChild = {},
            const QString &language = QStringLiteral("en"))
{
    QProcess p;
    inEnglish(p, language);
    if (!standardOutput.isEmpty()) {
        p.setStandardOutputFile(standardOutput);
    }
    if (inChild) {
        p.setChildProcessModifier(inChild);
    }
    p.start(QStringLiteral(MOLVIX_LAB_EXE), arguments);
    EXPECT_TRUE(p.waitForFinished(120'000) && p.exitStatus() == QProcess::NormalExit)
        << qPrintable(arguments.join(' '));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QStringList args(const QString &line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A directory holding only summary.csv, "kept\n", which no failure may touch.
struct Folder
{
    QTemporaryDir dir;
    QString kept = dir.filePath(QStringLiteral("summary.csv"));
    Folder()
    {
        QFile f(kept);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write("kept\n") == 5);
    }
    void expectUntouched() const
    {
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList{"summary.csv"});
        EXPECT_EQ(contents(kept), "kept\n");
    }
};

TEST(CommandLine, BadInputIsOneLineOnStandardErrorStatusTwoAndNothingWritten)
{
    const Folder f;
    // Other names of the kept file, outside its folder.
    QTemporaryDir links;
    const QString symbolic = links.filePath(QStringLiteral("symbolic.csv"));
    const QString hard = links.filePath(QStringLiteral("hard.csv"));
    EXPECT_TRUE(QFile::link(f.kept, symbolic));
    EXPECT_EQ(::link(QFile::encodeName(f.kept).constData(), QFile::encodeName(hard).constData()),
              0);
    const QString missing = f.dir.filePath(QStringLiteral("no/dir/x.csv"));
    const QString big = QStringLiteral("99999999999999999999");
    const QString tooLong = f.dir.filePath(QString(300, u'a'));
    const struct
    {
        QStringList arguments;
        QString message;
    } cases[] = {
        {args("--particles 101"), "--particles 101: 101 is outside 0..100"},
        {args("--particles -1"), "--particles -1: -1 is outside 0..100"},
        {args("--wall 0:120:10"), "--wall 0:120:10: 120 is outside 0..100"},
        {args("--temperature 250"), "--temperature 250: 250 is outside 0..100"},
        {args("--temperature " + big), "--temperature " + big + ": " + big + " is outside 0..100"},
        {args("--temperature warm"), "--temperature warm: 'warm' is not a whole number"},
        {args("--wall +5"), "--wall +5: '+5' is not a whole number"},
        {args("--wall 10,,20"), "--wall 10,,20: a value is missing"},
        {args("--wall 1:2:3:4"),
         "--wall 1:2:3:4: '1:2:3:4' has too many parts: use start:stop:step"},
        {args("--wall 20:100:0"), "--wall 20:100:0: step 0 must be positive"},
        {args("--particles 10:100:-10"), "--particles 10:100:-10: step -10 must be positive"},
        {args("--temperature 100:0:10"),
         "--temperature 100:0:10: '100:0:10' starts above its stop"},
        {args("--ticks 0"), "--ticks 0: must be positive (at most 10000000)"},
        {args("--warmup -1"), "--warmup -1: -1 is outside 0..100000000"},
        {args("--threads 0"), "--threads 0: must be positive (at most 1024)"},
        {args("--collisions yes"), "--collisions yes: use on, off or on,off"},
        {args("--format xml"), "--format xml: use csv or json"},
        {args("--pressure 5"), "unknown option '--pressure' (see --help)"},
        {args("--wall"), "missing value after '--wall'"},
        {args("extra"), "unexpected argument 'extra' (see --help)"},
        {args("--wall 20 --wall 30"), "--wall is given more than once"},
        // What a value holds is echoed escaped: one line, no terminal command.
        {{"--wall", "1\n"}, "--wall 1\\n: '1\\n' is not a whole number"},
        {{"--particles", "\x1b[31mred"},
         "--particles \\x1b[31mred: '\\x1b[31mred' is not a whole number"},
        {{"--format", "c\tsv\r\x7f\u009b"}, "--format c\\tsv\\r\\x7f\\u009b: use csv or json"},
        {{"--out", f.dir.filePath("no\nsuch/x.csv")},
         "cannot write " + f.dir.filePath("no\\nsuch/x.csv") + ": No such file or directory"},
        {{"--out", ""}, "--out needs a file name"},
        {{"--out", f.dir.filePath("a"), "--series", f.dir.filePath("a")},
         "--out and --series name the same file"},
        {{"--out", symbolic, "--series", f.kept}, "--out and --series name the same file"},
        {{"--out", f.kept, "--series", hard}, "--out and --series name the same file"},
        {{"--out", missing}, "cannot write " + missing + ": No such file or directory"},
        {{"--series", f.dir.path()},
         "cannot write " + f.dir.path() + ": Filename refers to a directory"},
        // A name no folder takes: found before the series is made or replaced.
        {{"--ticks", "400", "--series", f.kept, "--out", tooLong},
         "cannot write " + tooLong + ": File name too long"},
        // The summary file could be written, the series not: neither is.
        {{"--ticks", "400", "--out", f.kept, "--series", missing},
         "cannot write " + missing + ": No such file or directory"},
    };
    for (const auto &c : cases) {
        const Outcome o = lab(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err.toStdString(), ("molvix-lab: " + c.message + "\n").toStdString());
        EXPECT_TRUE(o.out.isEmpty());
    }
    f.expectUntouched();
}

TEST(CommandLine, TheSameOptionsGiveTheSameBytesWhateverTheThreads)
{
    QTemporaryDir dir;
    // The heaviest runs first, so that later ones finish before them.
    const QStringList sweep = args("--particles 100,0 --wall 30,90 --temperature 40,0 "
                                   "--collisions on,off --warmup 400 --ticks 1000");
    const Outcome first = lab(sweep + args("--threads 1"));
    ASSERT_EQ(first.status, 0) << first.err.constData();
    EXPECT_TRUE(first.err.isEmpty()) << "no progress bar when standard error is no terminal";
    // A header, then the runs in sweep order: particles outermost, collisions innermost.
    const QList<QByteArray> rows = first.out.split('\n');
    ASSERT_EQ(rows.size(), 1 + 16 + 1);
    for (int r = 0; r < 16; ++r) {
        const QByteArray row =
            QString::asprintf("%d,%d,%d,%d,%s,5,", r + 1, r & 8 ? 0 : 100, r & 4 ? 90 : 30,
                              r & 2 ? 0 : 40, r & 1 ? "off" : "on")
                .toLatin1();
        EXPECT_TRUE(rows[r + 1].startsWith(row)) << rows[r + 1].constData();
        // No particles or no speed: no ratio and no distribution, not a number.
        EXPECT_EQ(rows[r + 1].endsWith(",,,"), (r & 8) != 0 || (r & 2) != 0) << r + 1;
    }
    EXPECT_EQ(lab(sweep + args("--threads 2")).out, first.out);

    // With files named, the summary goes there and nothing to standard output.
    for (const QString format : {"csv", "json"}) {
        QByteArray summary[2], series[2];
        for (const int threads : {1, 2}) {
            const QString out = dir.filePath(QStringLiteral("s%1.%2").arg(threads).arg(format));
            const QString ser = dir.filePath(QStringLiteral("r%1.%2").arg(threads).arg(format));
            const Outcome o = lab(sweep + args(QStringLiteral("--threads %1 --format %2 --out %3 "
                                                              "--series %4")
                                                   .arg(threads)
                                                   .arg(format, out, ser)));
            ASSERT_EQ(o.status, 0) << o.err.constData();
            EXPECT_TRUE(o.out.isEmpty());
            summary[threads - 1] = contents(out);
            series[threads - 1] = contents(ser);
        }
        EXPECT_EQ(summary[0], summary[1]) << qPrintable(format);
        EXPECT_EQ(series[0], series[1]) << qPrintable(format);
        // 16 runs of 5 readings each.
        const bool csv = format == "csv";
        EXPECT_EQ(csv ? series[0].count('\n') : series[0].count("\"tick\""), csv ? 81 : 80);
        if (csv) {
            EXPECT_EQ(summary[0], first.out);
        }
    }
}

// A node of /dev/full in a folder of its own, so that a program that
// replaced it would replace only that; the real one where nodes cannot be
// made and the real one cannot be replaced either.
QString fullDevice(const QTemporaryDir &dir)
{
    const QString node = dir.filePath(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        return node;
    }
    return geteuid() != 0 ? QStringLiteral("/dev/full") : QString();
}

bool isCharacterDevice(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

TEST(CommandLine, AFileThatCannotBeWrittenLeavesTheOtherAsItWas)
{
    const Folder f;
    QTemporaryDir devices;
    const QString full = fullDevice(devices);
    if (full.isEmpty()) {
        GTEST_SKIP() << "no full device that may be written to";
    }
    const QString noSpace = QStringLiteral(": No space left on device");
    const struct
    {
        QStringList arguments;
        bool outputFull; // standard output goes to the full device
        QString message;
    } cases[] = {
        {{"--ticks", "400", "--series", f.kept, "--out", full},
         false,
         "cannot write " + full + noSpace},
        {{"--ticks", "400", "--out", f.kept, "--series", full},
         false,
         "cannot write " + full + noSpace},
        {{"--ticks", "400", "--series", f.kept}, true, "cannot write to standard output" + noSpace},
        {{"--help"}, true, "cannot write to standard output" + noSpace},
        {{"--version"}, true, "cannot write to standard output" + noSpace},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome o = lab(c.arguments, c.outputFull ? full : QString());
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err.toStdString(), ("molvix-lab: " + c.message + "\n").toStdString());
        EXPECT_TRUE(isCharacterDevice(full)) << "the device is written, not replaced";
    }
    f.expectUntouched();
}

TEST(CommandLine, AFifoIsWrittenWhereItIs)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QStringList run = args("--ticks 400 --warmup 0");
    const QByteArray expected = lab(run).out;

    // A reader that does not wait: the summary fits the FIFO's buffer.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QProcess p;
    inEnglish(p);
    p.start(QStringLiteral(MOLVIX_LAB_EXE), run + QStringList{"--out", fifo});
    ASSERT_TRUE(p.waitForFinished(60'000));
    char buffer[4096];
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    const QByteArray got(buffer, static_cast<qsizetype>(std::max<ssize_t>(n, 0)));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    EXPECT_EQ(got, expected);
    struct stat st = {};
    EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        << "the FIFO is still there";
}

TEST(CommandLine, TheFileStandardOutputGoesToIsWrittenThroughIt)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const QString series = dir.filePath(QStringLiteral("series.csv"));
    const QByteArray name = QFile::encodeName(log);
    // Standard output appended to the log, as a shell's ">>" does.
    const auto appendToLog = [&name] {
        const int fd = ::open(name.constData(), O_WRONLY | O_APPEND);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    };
    const auto startLog = [&log] {
        QFile f(log);
        return f.open(QIODevice::WriteOnly) && f.write("# notes\n") == 8;
    };
    const QStringList run = args("--ticks 400 --warmup 0");
    const QByteArray summary = lab(run).out;
    for (const QString &out : {QStringLiteral("/dev/stdout"), log}) {
        SCOPED_TRACE(out.toStdString());
        ASSERT_TRUE(startLog());
        const Outcome o = lab(run + QStringList{"--out", out, "--series", series}, {}, appendToLog);
        EXPECT_EQ(o.status, 0) << o.err.constData();
        EXPECT_EQ(contents(log), "# notes\n" + summary) << "what was there is kept";
    }
    // The series where the summary goes: refused, and nothing written.
    ASSERT_TRUE(startLog());
    const Outcome o = lab(run + QStringList{"--series", log}, {}, appendToLog);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.toStdString(), "molvix-lab: --series names standard output, where the summary "
                                   "goes; name a file for it with --out\n");
    EXPECT_EQ(contents(log), "# notes\n");
}

TEST(CommandLine, ASweepBeyondTheLimitsIsRefusedBeforeAnyRun)
{
    const Folder f;
    const QString series = f.dir.filePath(QStringLiteral("series.csv"));
    const struct
    {
        QString arguments;
        QString message;
    } cases[] = {
        {"--particles 0:100 --wall 0:100 --temperature 0:100 --collisions on,off",
         "the sweep has 2.06e+06 runs; at most 1e+06 are allowed"},
        // The process's settings are runs too.
        {"--piston moving --piston-to 0:99.999:0.001 --piston-speed 0:10 --ticks 1 --warmup 0",
         "the sweep has 1.1e+06 runs; at most 1e+06 are allowed"},
        {"--particles 100 --piston-mass 1:64 --piston loaded --ticks 10000000 --threads 64",
         "the sweep would hold about 15.4 GiB of memory; at most 4 GiB are allowed (fewer "
         "--threads, --ticks or runs, or no --series)"},
        {"--particles 0:100 --wall 0:100 --warmup 100000000",
         "the sweep needs 1.02e+12 ticks (runs x (warmup + ticks)); at most 1e+12 are allowed"},
        // Snapshots of 100 particles over 10 million ticks on each of 64 workers.
        {"--particles 100 --wall 1:64 --ticks 10000000 --threads 64",
         "the sweep would hold about 15.4 GiB of memory; at most 4 GiB are allowed (fewer "
         "--threads, --ticks or runs, or no --series)"},
        // One worker, but the series of 404 such runs kept.
        {"--particles 0:100 --wall 0:3 --ticks 10000000 --threads 1 --series " + series,
         "the sweep would hold about 5.36 GiB of memory; at most 4 GiB are allowed (fewer "
         "--threads, --ticks or runs, or no --series)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        const Outcome o = lab(args(c.arguments + " --out " + f.kept));
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err.toStdString(), ("molvix-lab: " + c.message + "\n").toStdString());
    }
    f.expectUntouched();
}

TEST(CommandLine, ThreadsOrMemoryThatRunOutEndInALineNotAnAbort)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit a bounded address space";
#endif
    const Folder f;
    const struct
    {
        const char *arguments;
        rlim_t addressSpace;
        const char *message; // the line, or its end
    } cases[] = {
        // 1111 short runs on 1024 workers: their stacks alone would need 8 GB.
        {"--particles 0:100 --wall 0:100:10 --ticks 200 --warmup 0 --threads 1024", 600'000'000,
         "; nothing written\n"},
        // A million runs of a tick: their results alone need some 200 MB.
        {"--particles 0:99 --wall 0:99 --temperature 0:99 --ticks 1 --warmup 0 --threads 1",
         250'000'000, "molvix-lab: out of memory; nothing written\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const rlimit space = {c.addressSpace, c.addressSpace};
        const Outcome o = lab(args(QLatin1String(c.arguments)) + QStringList{"--out", f.kept}, {},
                              [&space] { ::setrlimit(RLIMIT_AS, &space); });
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.startsWith("molvix-lab: ") && o.err.endsWith(c.message) &&
                    o.err.count('\n') == 1)
            << o.err.constData();
    }
    f.expectUntouched();
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput)
{
    EXPECT_TRUE(lab({"--help"}).out.startsWith("Usage: molvix-lab [options]\n"));
    EXPECT_TRUE(lab({"--version"}).out.startsWith("molvix-lab "));
}

// The help and the messages follow the interface's language as the program
// does: Spanish unless the system's language has a translation or --lang
// names one; every text of either is translated (no Spanish left in the
// English), while the columns keep their names in both.
TEST(CommandLine, HelpAndMessagesInTheInterfacesLanguage)
{
    const struct
    {
        QStringList arguments;
        QString system;
        bool english;
    } cases[] = {
        {{}, {}, false},
        {{}, "en", true},
        {{}, "en_GB:es", true},
        {{}, "fr:es", false},
        {{"--lang", "en"}, {}, true},
        {{"--lang=es"}, "en", false},
    };
    const QRegularExpression spanish(QStringLiteral("[«»¿¡áéíóúñÁÉÍÓÚÑ]"));
    for (const auto &c : cases) {
        SCOPED_TRACE((c.arguments.join(' ') + " LANGUAGE=" + c.system).toStdString());
        const QString help =
            QString::fromUtf8(lab(c.arguments + QStringList{"--help"}, {}, {}, c.system).out);
        const QString error =
            QString::fromUtf8(lab(c.arguments + args("--wall 200"), {}, {}, c.system).err);
        EXPECT_TRUE(help.startsWith(c.english ? "Usage: molvix-lab" : "Uso: molvix-lab"))
            << help.left(40).toStdString();
        EXPECT_EQ(error, c.english ? "molvix-lab: --wall 200: 200 is outside 0..100\n"
                                   : "molvix-lab: --wall 200: 200 está fuera de 0..100\n");
        // The readouts are named as the windows name them, in both.
        QString prose = help;
        for (const char *readout : {"\"Presión\"", "\"Temperatura\"", "\"Energía\""}) {
            prose.remove(QString::fromUtf8(readout));
        }
        EXPECT_EQ(prose.contains(spanish), !c.english) << help.toStdString();
        for (const char *column : {"pvnt_mean", "temperature_start", "energy_x_start", "ks_mb"}) {
            EXPECT_TRUE(help.contains(QLatin1String(column))) << column;
        }
    }
    const Outcome unknown = lab(args("--lang xx --wall 200"), {}, {}, "en");
    // --lang wins over the system: a language with no translation gives
    // Spanish, and says so.
    EXPECT_TRUE(unknown.err.startsWith("molvix-lab: no hay traducción para «xx» (hay es|en)"))
        << unknown.err.constData();
}

TEST(CommandLine, OnATerminalAProgressBarShowsRunsRateAndTimeLeft)
{
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Standard error stays on the terminal; the table goes nowhere.
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        ::execl(MOLVIX_LAB_EXE, "molvix-lab", "--particles", "100", "--collisions", "on",
                "--warmup", "0", "--ticks", "150000", "--threads", "1", nullptr);
        ::_exit(127);
    }
    QByteArray shown;
    char buffer[4096];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, n);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ::close(terminal);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(shown.contains("\r0/1 runs [") && shown.contains(" M ticks/s  0:") &&
                shown.contains(" left\033[K"))
        << shown.constData();
    EXPECT_TRUE(shown.endsWith("\r\033[K")) << "the bar is wiped at the end";
}

// True once the process has its own handler for SIGINT (waits up to 20 s).
bool catchesInterrupts(qint64 pid)
{
    for (int wait = 0; wait < 200; QThread::msleep(100), ++wait) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        const QByteArray all = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const qsizetype at = all.indexOf("SigCgt:\t");
        if (at >= 0 && (all.mid(at + 8, 16).toULongLong(nullptr, 16) >> (SIGINT - 1) & 1) != 0) {
            return true;
        }
    }
    return false;
}

// A FIFO nobody reads keeps its open waiting: the first Ctrl+C or SIGTERM
// ends the wait as it ends the runs, and nothing is written.
TEST(CommandLine, ASignalEndsTheWaitForAFifosReader)
{
    for (const auto &[signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(signal);
        const Folder f;
        QTemporaryDir elsewhere;
        const QString fifo = elsewhere.filePath(QStringLiteral("fifo"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess p;
        inEnglish(p);
        p.start(QStringLiteral(MOLVIX_LAB_EXE),
                args("--ticks 400") + QStringList{"--out", f.kept, "--series", fifo});
        ASSERT_TRUE(p.waitForStarted());
        ASSERT_TRUE(catchesInterrupts(p.processId()));
        QThread::msleep(300); // waiting in the FIFO's open
        ASSERT_EQ(p.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(10'000)) << "the first signal must end the wait";
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == status);
        EXPECT_EQ(p.readAllStandardError(),
                  "molvix-lab: interrupted after 0 of 1 runs; nothing written\n");
        f.expectUntouched();
        // Nothing came through the FIFO either.
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        char byte = 0;
        EXPECT_EQ(::read(reader, &byte, 1), 0);
        ::close(reader);
    }
}

TEST(CommandLine, CtrlCStopsTheRunsAndWritesNothing)
{
    const Folder f;
    QProcess p;
    inEnglish(p);
    p.start(QStringLiteral(MOLVIX_LAB_EXE),
            args("--particles 100 --collisions on --ticks 10000000 --wall 10:100:10") +
                QStringList{"--out", f.kept, "--series", f.dir.filePath("series.csv")});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(catchesInterrupts(p.processId())) << "the program never caught Ctrl+C";
    QThread::msleep(300); // the runs under way, far from their end
    ASSERT_EQ(p.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10'000)) << "the runs must stop promptly";
    EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 130);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    EXPECT_EQ(p.readAllStandardError(),
              "molvix-lab: interrupted after 0 of 10 runs; nothing written\n");
    f.expectUntouched();
}

} // namespace
