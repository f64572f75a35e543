// The "Gráficas" window after a run of the real program: 100 particles,
// collisions on, the animation on its own timer for the given seconds
// (30 by default) with the window open. Saves the window's picture and
// prints what it shows. Spanish unless --lang names another language (the
// system's language is not consulted, so that the picture does not depend
// on the machine). Needs a display (Xvfb):
//   graphs_screenshot [--lang CODE] docs/graficas.png [seconds]
#include "controlpanel.h"
#include "controls.h"
#include "gas.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "program.h"
#include "screenshottool.h"

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
    const QStringList args = MolvixApplication::arguments();
    if (!molvix::bench::installArgumentLanguage(args)) {
        return 1;
    }
    // What is left once --lang is set aside: the picture, the seconds.
    const QStringList rest = molvix::bench::argumentsBesideLanguage(args);
    const QString out = !rest.isEmpty() ? rest.at(0) : QStringLiteral("graficas.png");
    const double seconds = rest.size() > 1 ? rest.at(1).toDouble() : 30.0;

    ProgramWindows w = startProgram();
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    w.FormCPanel->ScBarNPart->setValue(100);
    // "SI" in the language shown: typed text that is no item reads "NO".
    w.FormCPanel->BoxColi->setCurrentText(w.FormCPanel->BoxColi->itemText(molvix::ui::kYes));
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
