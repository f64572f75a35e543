// The "Procesos" window after a compression of the real program: 100
// particles, collisions on, the moving piston from 100 to 50 at 0.05 lengths
// per unit time (10 000 ticks), the animation on its own timer with the
// window open, and two more readings at the end. With --isotherm the heat
// bath is on at the gas's temperature; without it the compression is
// adiabatic. Saves the window's picture and prints what it shows. Spanish
// unless --lang names another language. Needs a display (Xvfb):
//   processes_screenshot [--lang CODE] [--isotherm] docs/procesos-adiabatica.png
#include "controlpanel.h"
#include "controls.h"
#include "gas.h"
#include "mainwindow.h"
#include "processwindow.h"
#include "program.h"
#include "screenshottool.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

int main(int argc, char **argv)
{
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = MolvixApplication::arguments();
    if (!molvix::bench::installArgumentLanguage(args)) {
        return 1;
    }
    const auto [out, isotherm] = molvix::bench::pathAndFlag(
        args, QStringLiteral("procesos.png"), QLatin1String("--isotherm"));

    ProgramWindows w = startProgram();
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    Gas &g = gas();
    w.FormCPanel->ScBarNPart->setValue(100);
    w.FormCPanel->BoxColi->setCurrentText(w.FormCPanel->BoxColi->itemText(molvix::ui::kYes));
    QTest::mouseClick(w.Form1->BtnProcesos, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(w.Procesos)) {
        std::fprintf(stderr, "the Procesos window was never shown\n");
        return 1;
    }
    ProcessWindow &p = *w.Procesos;
    p.BoxEmbolo->setCurrentIndex(ProcessWindow::kMovil);
    p.SpinVelEmbolo->setValue(0.05);
    if (isotherm) {
        // The bath at the temperature the gas has: "Temperatura" is
        // sum v^2 / (3 N x 100).
        const GasState &s = g.state;
        p.SpinTempBano->setValue(s.Energ / (300.0 * s.NumPar));
        p.BoxBano->setCurrentIndex(molvix::ui::kYes);
    }
    QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
    QElapsedTimer run;
    run.start();
    // Settle over five readings, then start the ledger and the path afresh.
    const int64_t start = g.ticks;
    molvix::bench::animateUntil([&] { return g.ticks >= start + 5 * NPasosPresion; }, 60);
    QTest::mouseClick(p.BtnCero, Qt::LeftButton);
    const int64_t from = g.ticks;
    w.FormCPanel->ScBarPared->setValue(50);
    const bool arrived = molvix::bench::animateUntil([&] { return g.pistonPosition() <= 50; }, 120);
    const int64_t at = g.ticks;
    molvix::bench::animateUntil([&] { return g.ticks >= at + 2 * NPasosPresion; }, 30);
    const double elapsed = run.elapsed() / 1000.0;
    QTest::mouseClick(w.Form1->RBtnStop, Qt::LeftButton);
    p.redraw();
    QTest::qWait(200);

    std::printf("%s compression: %s at 50 within %lld ticks (%.0f ticks per second overall)\n",
                isotherm ? "isothermal" : "adiabatic", arrived ? "arrived" : "did NOT arrive",
                static_cast<long long>(at - from), (g.ticks - start) / elapsed);
    for (QLabel *l : {p.LabelTrabajo, p.LabelCalor, p.LabelDeltaU, p.LabelReparto, p.LabelAjuste}) {
        std::printf("%s\n", qPrintable(l->text()));
    }
    const bool saved = p.grab().save(out);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
    endProgram(w);
    return saved && arrived ? 0 : 1;
}
