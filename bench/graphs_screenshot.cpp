// The "Gráficas" window after a run of the real program: 100 particles,
// collisions on, the animation on its own timer for the given seconds
// (30 by default) with the window open. Saves the window's picture and
// prints what it shows. Needs a display (Xvfb):
//   graphs_screenshot docs/graficas.png [seconds]
#include "controlpanel.h"
#include "gas.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "program.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("graficas.png");
    const double seconds = argc > 2 ? std::atof(argv[2]) : 30.0;

    ProgramWindows w = startProgram();
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    w.FormCPanel->ScBarNPart->setValue(100);
    w.FormCPanel->BoxColi->setCurrentText(QStringLiteral("SI"));
    QTest::mouseClick(w.Form1->BtnGraficas, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(w.Graficas)) {
        std::fprintf(stderr, "the Gráficas window was never shown\n");
        return 1;
    }
    QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
    QElapsedTimer run;
    run.start();
    const int64_t ticksBefore = gas().ticks;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QCoreApplication::quit);
    MolvixApplication::exec();
    const double elapsed = run.elapsed() / 1000.0;
    QTest::mouseClick(w.Form1->RBtnStop, Qt::LeftButton);
    w.Graficas->redraw();
    QTest::qWait(200);

    const int64_t ticks = gas().ticks - ticksBefore;
    std::printf("ticks: %lld in %.1f s = %.0f per second; histogram redrawn %d times\n",
                static_cast<long long>(ticks), elapsed, ticks / elapsed,
                w.Graficas->redraws(GraphsWindow::Histogram));
    std::printf("%s\n%s\n%s\n", qPrintable(w.Graficas->LabelKS->text()),
                qPrintable(w.Graficas->LabelMuestras->text()),
                qPrintable(w.Graficas->LabelCociente->text()));
    const bool saved = w.Graficas->grab().save(out);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
    endProgram(w);
    return saved ? 0 : 1;
}
