// molvix-lab as a user runs it: the built executable, its exit status, its
// standard output and error, and the files it leaves.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int status = -1;
    QByteArray out, err;
};

Outcome lab(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(MOLVIX_LAB_EXE), arguments);
    EXPECT_TRUE(p.waitForFinished(120'000)) << qPrintable(arguments.join(' '));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << qPrintable(arguments.join(' '));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Waits (up to 20 s) until the process has its own handler for SIGINT.
bool catchesInterrupts(qint64 pid)
{
    for (int wait = 0; wait < 200; ++wait) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("SigCgt:") &&
                    (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGINT - 1) & 1) != 0) {
                    return true;
                }
            }
        }
        QThread::msleep(100);
    }
    return false;
}

QStringList args(const char *line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(CommandLine, BadInputIsOneLineOnStandardErrorAndStatusTwo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/out.csv"));
    const struct
    {
        QStringList arguments;
        QString message;
    } cases[] = {
        {args("--particles 101"), "--particles 101: 101 is outside 0..100"},
        {args("--particles -1"), "--particles -1: -1 is outside 0..100"},
        {args("--particles 10,200"), "--particles 10,200: 200 is outside 0..100"},
        {args("--wall 101"), "--wall 101: 101 is outside 0..100"},
        {args("--wall 0:120:10"), "--wall 0:120:10: 120 is outside 0..100"},
        {args("--temperature 250"), "--temperature 250: 250 is outside 0..100"},
        {args("--temperature -5"), "--temperature -5: -5 is outside 0..100"},
        {args("--temperature warm"), "--temperature warm: 'warm' is not a whole number"},
        {args("--wall 20:100:0"), "--wall 20:100:0: step 0 must be positive"},
        {args("--particles 10:100:-10"), "--particles 10:100:-10: step -10 must be positive"},
        {args("--temperature 100:0:10"),
         "--temperature 100:0:10: '100:0:10' starts above its stop"},
        {args("--ticks 0"), "--ticks 0: must be positive (at most 10000000)"},
        {args("--ticks -200"), "--ticks -200: must be positive (at most 10000000)"},
        {args("--ticks 1e5"), "--ticks 1e5: '1e5' is not a whole number"},
        {args("--warmup -1"), "--warmup -1: -1 is outside 0..100000000"},
        {args("--threads 0"), "--threads 0: must be positive (at most 1024)"},
        {args("--collisions yes"), "--collisions yes: use on, off or on,off"},
        {args("--format xml"), "--format xml: use csv or json"},
        {args("--pressure 5"), "unknown option '--pressure' (see --help)"},
        {args("-q"), "unknown option '-q' (see --help)"},
        {args("--wall"), "missing value after '--wall'"},
        {args("extra"), "unexpected argument 'extra' (see --help)"},
        {args("--wall 20 --wall 30"), "--wall is given more than once"},
        {{QStringLiteral("--out"), QString()}, "--out needs a file name"},
        {{QStringLiteral("--out"), dir.filePath("a"), QStringLiteral("--series"),
          dir.filePath("a")},
         "--out and --series name the same file"},
        {{QStringLiteral("--out"), missing},
         QStringLiteral("cannot write %1: No such file or directory").arg(missing)},
        {{QStringLiteral("--series"), dir.path()},
         QStringLiteral("cannot write %1: Filename refers to a directory").arg(dir.path())},
    };
    for (const auto &c : cases) {
        const Outcome o = lab(c.arguments);
        const QString what = c.arguments.join(' ');
        EXPECT_EQ(o.status, 2) << qPrintable(what);
        EXPECT_EQ(o.err.toStdString(), ("molvix-lab: " + c.message + "\n").toStdString())
            << qPrintable(what);
        EXPECT_TRUE(o.out.isEmpty()) << qPrintable(what);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList())
        << "nothing written";
}

TEST(CommandLine, AFileThatCannotBeWrittenStopsEverythingBeforeAnyRun)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("summary.csv"));
    put(out, "last week's summary\n");
    const Outcome o =
        lab({QStringLiteral("--ticks"), QStringLiteral("400"), QStringLiteral("--out"), out,
             QStringLiteral("--series"), dir.filePath(QStringLiteral("gone/series.csv"))});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.err.startsWith("molvix-lab: cannot write "));
    EXPECT_EQ(contents(out), "last week's summary\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"summary.csv"});
}

TEST(CommandLine, TheSameOptionsGiveTheSameBytesWhateverTheThreads)
{
    QTemporaryDir dir;
    const QStringList sweep = args("--particles 0,20,100 --wall 30:90:30 --temperature 40 "
                                   "--collisions on,off --warmup 400 --ticks 1000");
    const Outcome serial = lab(sweep + args("--threads 1"));
    ASSERT_EQ(serial.status, 0) << serial.err.constData();
    EXPECT_TRUE(serial.err.isEmpty()) << "no progress bar when standard error is no terminal";
    const QList<QByteArray> rows = serial.out.split('\n');
    ASSERT_EQ(rows.size(), 1 + 18 + 1);
    EXPECT_TRUE(rows[1].startsWith("1,0,30,40,on,5,"));
    EXPECT_TRUE(rows[18].startsWith("18,100,90,40,off,5,"));

    EXPECT_EQ(lab(sweep + args("--threads 1")).out, serial.out);
    EXPECT_EQ(lab(sweep + args("--threads 2")).out, serial.out);
    EXPECT_EQ(lab(sweep + args("--threads 7")).out, serial.out);

    // With files named, the summary goes there and nothing to standard output.
    for (const char *format : {"csv", "json"}) {
        QByteArray summaries[2], series[2];
        for (int threads = 1; threads <= 2; ++threads) {
            const QString out = dir.filePath(QStringLiteral("s%1.%2").arg(threads).arg(format));
            const QString ser = dir.filePath(QStringLiteral("r%1.%2").arg(threads).arg(format));
            const Outcome o = lab(
                sweep + QStringList{QStringLiteral("--threads"), QString::number(threads),
                                    QStringLiteral("--format"), QLatin1String(format),
                                    QStringLiteral("--out"), out, QStringLiteral("--series"), ser});
            ASSERT_EQ(o.status, 0) << o.err.constData();
            EXPECT_TRUE(o.out.isEmpty());
            summaries[threads - 1] = contents(out);
            series[threads - 1] = contents(ser);
        }
        EXPECT_EQ(summaries[0], summaries[1]) << format;
        EXPECT_EQ(series[0], series[1]) << format;
        // 18 runs of 5 readings each.
        EXPECT_EQ(format[0] == 'j' ? series[0].count("\"tick\"") : series[0].count('\n'),
                  format[0] == 'j' ? 90 : 1 + 90)
            << format;
        if (format[0] == 'c') {
            EXPECT_EQ(summaries[0], serial.out);
        }
    }
}

TEST(CommandLine, OnATerminalAProgressBarShowsRunsRateAndTimeLeft)
{
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Standard error stays on the terminal; the table goes nowhere.
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execl(MOLVIX_LAB_EXE, "molvix-lab", "--particles", "100", "--collisions", "on",
                "--warmup", "0", "--ticks", "150000", "--threads", "1", nullptr);
        ::_exit(127);
    }
    QByteArray shown;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(terminal, buffer, sizeof buffer);
        if (n <= 0) {
            break; // the program has ended and closed the terminal
        }
        shown.append(buffer, n);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ::close(terminal);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(shown.contains("\r0/1 runs [")) << shown.constData();
    EXPECT_TRUE(shown.contains(" M ticks/s  0:")) << shown.constData();
    EXPECT_TRUE(shown.contains(" left\033[K")) << shown.constData();
    // The bar is wiped before the program ends.
    EXPECT_TRUE(shown.endsWith("\r\033[K")) << shown.constData();
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput)
{
    const Outcome help = lab({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: molvix-lab [options]\n"));
    EXPECT_TRUE(help.err.isEmpty());
    const Outcome version = lab({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("molvix-lab "));
}

TEST(CommandLine, CtrlCStopsTheRunsAndWritesNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("summary.csv"));
    const QString series = dir.filePath(QStringLiteral("series.csv"));
    put(out, "kept\n");
    QProcess p;
    p.start(QStringLiteral(MOLVIX_LAB_EXE),
            {QStringLiteral("--particles"), QStringLiteral("100"), QStringLiteral("--collisions"),
             QStringLiteral("on"), QStringLiteral("--ticks"), QStringLiteral("10000000"),
             QStringLiteral("--wall"), QStringLiteral("10:100:10"), QStringLiteral("--out"), out,
             QStringLiteral("--series"), series});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(catchesInterrupts(p.processId())) << "the program never caught Ctrl+C";
    // The runs under way, far from their end.
    QThread::msleep(300);
    ASSERT_EQ(p.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10'000)) << "the runs must stop promptly";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 130);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    EXPECT_EQ(p.readAllStandardError(),
              "molvix-lab: interrupted after 0 of 10 runs; nothing written\n");
    EXPECT_EQ(contents(out), "kept\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"summary.csv"})
        << "no half-written file left behind";
}

} // namespace
