// The program at rest: the processor time it takes while the animation is
// stopped, as a share of one core, and the paint events it handles, over a
// few seconds in each way of being stopped, one after another in one run:
// after start-up, with "Gráficas" open, after an animation was stopped, and
// in the OpenGL view. Needs a display (Xvfb).
//   idle_bench [seconds]
#include "graphswindow.h"
#include "mainwindow.h"
#include "program.h"
#include "ticktimer.h"
#include "vx3dworldgl.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

class PaintCount : public QObject
{
public:
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Processor time of the whole process (every thread), user and system.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The event loop alone, as the program runs it: QTest::qWait would poll.
void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets what is due settle, then runs the event loop for the given time.
bool measure(const char *what, double seconds, PaintCount &count)
{
    runFor(1000);
    count.paints = 0;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(static_cast<int>(seconds * 1000));
    const double elapsed = wall.elapsed() / 1000.0;
    const double share = (cpuSeconds() - cpuBefore) / elapsed * 100.0;
    std::printf("%5.2f %% of a core, %ld paint events in %.1f s: stopped, %s%s\n", share,
                count.paints, elapsed, what, share <= 1.0 ? "" : " (over 1 %)");
    return share <= 1.0;
}

} // namespace

int main(int argc, char **argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    ProgramWindows w = startProgram();
    PaintCount count;
    app.installEventFilter(&count);
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    bool met = measure("after start-up", seconds, count);

    QTest::mouseClick(w.Form1->BtnGraficas, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(w.Graficas)) {
        std::fprintf(stderr, "the Gráficas window was never shown\n");
        return 1;
    }
    met = measure("with \"Gráficas\" open", seconds, count) && met;
    QTest::mouseClick(w.Form1->BtnGraficas, Qt::LeftButton);

    QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
    QTest::qWait(1000);
    QTest::mouseClick(w.Form1->RBtnStop, Qt::LeftButton);
    met = measure("after an animation was stopped", seconds, count) && met;

    w.Form1->ShowOpenGLChoice();
    const int yes = w.Form1->BoxOpenGL->findText(QStringLiteral("SI"));
    w.Form1->BoxOpenGL->setCurrentIndex(yes);
    emit w.Form1->BoxOpenGL->activated(yes);
    if (!QTest::qWaitForWindowExposed(w.Form1->Vx3DWorldGL1)) {
        std::fprintf(stderr, "the OpenGL view was never shown\n");
        return 1;
    }
    met = measure("in the OpenGL view", seconds, count) && met;

    std::printf("goal: at most 1 %% of a core in each: %s\n", met ? "met" : "NOT met");
    endProgram(w);
    return 0;
}
