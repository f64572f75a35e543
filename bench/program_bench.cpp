// The running program, timed as a user would see it: start to first painted
// frame, ticks delivered per second of the 1000 the animation timer asks
// for (collisions and vectors on), and peak memory. Needs a display (Xvfb).
//   program_bench [seconds] [--graficas] [--procesos] [--particulas N] [--difusion N]
// With --graficas the "Gráficas" window is open during the run; with
// --procesos the "Procesos" window is open and the piston moves ("Móvil")
// from 100 towards 50 all through the run; with --particulas the gas has N
// particles instead of the 50 of start-up; with --difusion the "Difusión"
// window is open and the gas a mixture of N particles, half A and half B
// (mass 4), the divider solid.
#include "controlpanel.h"
#include "diffusionwindow.h"
#include "gas.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "processwindow.h"
#include "program.h"
#include "ticktimer.h"
#include "vx3dworld.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Notes the first paint of the software view.
class FirstPaint : public QObject
{
public:
    qint64 at = -1;
    const QElapsedTimer *clock = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && at < 0) {
            at = clock->elapsed();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    double seconds = 5.0;
    bool graphs = false;
    bool processes = false;
    int particles = 0;
    int mixture = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--graficas") == 0) {
            graphs = true;
        } else if (std::strcmp(argv[i], "--procesos") == 0) {
            processes = true;
        } else if (std::strcmp(argv[i], "--particulas") == 0 && i + 1 < argc) {
            particles = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--difusion") == 0 && i + 1 < argc) {
            mixture = std::atoi(argv[++i]);
        } else {
            seconds = std::atof(argv[i]);
        }
    }

    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    ProgramWindows w = startProgram();
    FirstPaint firstPaint;
    firstPaint.clock = &clock;
    w.Form1->Vx3DWorld1->installEventFilter(&firstPaint);
    while (firstPaint.at < 0 && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    w.FormCPanel->BoxColi->setCurrentText(QStringLiteral("SI"));
    w.FormCPanel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    if (particles > 0) {
        w.FormCPanel->ScBarNPart->setValue(particles);
    }
    if (graphs) {
        QTest::mouseClick(w.Form1->BtnGraficas, Qt::LeftButton);
        if (!QTest::qWaitForWindowExposed(w.Graficas)) {
            std::fprintf(stderr, "the Gráficas window was never shown\n");
            return 1;
        }
    }
    if (processes) {
        QTest::mouseClick(w.Form1->BtnProcesos, Qt::LeftButton);
        if (!QTest::qWaitForWindowExposed(w.Procesos)) {
            std::fprintf(stderr, "the Procesos window was never shown\n");
            return 1;
        }
        // 40 of the 50 lengths to go in the run's ticks (speed x 0.1 a tick).
        w.Procesos->SpinVelEmbolo->setValue(40.0 / (seconds * 1000 * 0.1));
        w.Procesos->BoxEmbolo->setCurrentIndex(ProcessWindow::kMovil);
        w.FormCPanel->ScBarPared->setValue(50);
    }
    if (mixture > 0) {
        w.FormCPanel->BtnDifusion->click();
        if (!QTest::qWaitForWindowExposed(w.Difusion)) {
            std::fprintf(stderr, "the Difusión window was never shown\n");
            return 1;
        }
        w.Difusion->SpinNumA->setValue(mixture / 2);
        w.Difusion->SpinNumB->setValue(mixture - mixture / 2);
        w.Difusion->SpinMasaB->setValue(4);
        w.Difusion->BoxPared->setCurrentIndex(DiffusionWindow::kSolida);
        w.Difusion->BtnAplicar->click();
    }
    const int diffusionBefore = w.Difusion->redraws();
    const int histogramBefore = w.Graficas->redraws(GraphsWindow::Histogram);
    const int pressureBefore = w.Graficas->redraws(GraphsWindow::Pressure);
    long ticks = 0;
    QObject::connect(w.Form1->TimeLoop, &TickTimer::timeout, [&ticks] { ++ticks; });
    QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
    QElapsedTimer run;
    run.start();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QCoreApplication::quit);
    MolvixApplication::exec();
    const double elapsed = run.elapsed() / 1000.0;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start to first painted frame: %lld ms\n", static_cast<long long>(firstPaint.at));
    std::printf("ticks delivered: %ld in %.2f s = %.0f per second (of 1000)\n", ticks, elapsed,
                ticks / elapsed);
    if (graphs) {
        std::printf("Gráficas open: histogram redrawn %.1f, pressure history %.1f times a second\n",
                    (w.Graficas->redraws(GraphsWindow::Histogram) - histogramBefore) / elapsed,
                    (w.Graficas->redraws(GraphsWindow::Pressure) - pressureBefore) / elapsed);
    }
    if (processes) {
        std::printf("Procesos open, piston moving: now at %.2f, P-V diagram redrawn %d times\n",
                    gas().pistonPosition(), w.Procesos->redraws());
    }
    if (mixture > 0) {
        std::printf("Difusión open, a mixture of %d: redrawn %.1f times a second, %zu samples\n",
                    gas().state.NumPar, (w.Difusion->redraws() - diffusionBefore) / elapsed,
                    w.Difusion->samples().size());
    }
    // Processor time spent over the whole run (start-up included) per tick:
    // on a busy machine the ticks delivered fall short of the timer's 1000
    // for want of a processor, and this says what a tick itself costs.
    const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 +
                       usage.ru_stime.tv_sec + usage.ru_stime.tv_usec * 1e-6;
    std::printf("processor time: %.2f s, %.0f us per tick delivered\n", cpu,
                ticks > 0 ? cpu * 1e6 / ticks : 0.0);
    std::printf("peak memory (max RSS): %.1f MB\n", usage.ru_maxrss / 1024.0);
    endProgram(w);
    return 0;
}
