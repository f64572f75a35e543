// The program with the window "Difusión" open after a run of the real
// program, on its own animation timer, collisions on. Without --brownian: a
// diffusion experiment, 200 A and 200 B of mass 4 (radius 2.5) on either side of the
// solid divider; after 2000 ticks the divider goes ("Quitar la pared") and
// the gases mix for up to 20 000 more. With --brownian: one heavy particle
// (mass 50, radius 8) among 300 light ones, traced, for 40 000 ticks. Then
// With --atmosphere: 100 A and 100 B of mass 4 under the field g = 8, for
// 40 000 ticks. With --real-gas: 500 A applied at radius 1.5, 3 and 5.2 for
// 6000 ticks each, then at radius 4 for 10 000 (Z against the packing, a
// sweep by hand). Then
// the whole screen is taken with ImageMagick's import (-window root) and
// what the window's figures say is printed. Spanish unless --lang names
// another language. Needs a display (Xvfb); see take-diffusion-screenshots.sh.
//   diffusion_screenshot [--lang CODE] [--brownian|--atmosphere|--real-gas] docs/difusion.png
#include "controlpanel.h"
#include "controls.h"
#include "diffusionwindow.h"
#include "gas.h"
#include "mainwindow.h"
#include "program.h"
#include "screenshottool.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
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
    QString out = QStringLiteral("difusion.png");
    bool brownian = false, atmosphere = false, realGas = false;
    for (const QString &arg : molvix::bench::argumentsBesideLanguage(args)) {
        if (arg == QLatin1String("--brownian")) {
            brownian = true;
        } else if (arg == QLatin1String("--atmosphere")) {
            atmosphere = true;
        } else if (arg == QLatin1String("--real-gas")) {
            realGas = true;
        } else {
            out = arg;
        }
    }

    ProgramWindows w = startProgram();
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    Gas &g = gas();
    w.FormCPanel->BoxColi->setCurrentText(w.FormCPanel->BoxColi->itemText(molvix::ui::kYes));
    QTest::mouseClick(w.FormCPanel->BtnDifusion, Qt::LeftButton);
    DiffusionWindow &d = *w.Difusion;
    if (!QTest::qWaitForWindowExposed(&d)) {
        std::fprintf(stderr, "the Difusión window was never shown\n");
        return 1;
    }
    if (atmosphere || realGas) {
        d.SpinNumA->setValue(atmosphere ? 100 : 500);
        d.SpinNumB->setValue(atmosphere ? 100 : 0);
        d.SpinMasaB->setValue(4);
        d.BoxPared->setCurrentIndex(DiffusionWindow::kNinguna);
        d.SpinGravedad->setValue(atmosphere ? 8 : 0);
        d.SpinTrazada->setValue(0);
    } else if (brownian) {
        // Heavy enough to jiggle rather than fly, light enough that its
        // velocity forgets itself many times over the run (M D / kT, some
        // 40 time units), so that its <v^2> settles.
        d.SpinNumA->setValue(300);
        d.SpinNumB->setValue(0);
        d.BoxPared->setCurrentIndex(DiffusionWindow::kNinguna);
        d.SpinMasaPesada->setValue(50);
        d.SpinRadioPesada->setValue(8);
    } else {
        // Dense enough that the gases mix by diffusion, not in a flight
        // across the box (a mean free path of about 20).
        d.SpinNumA->setValue(200);
        d.SpinNumB->setValue(200);
        d.SpinRadioA->setValue(2.5);
        d.SpinRadioB->setValue(2.5);
        d.SpinMasaB->setValue(4);
        d.BoxPared->setCurrentIndex(DiffusionWindow::kSolida);
    }
    QTest::mouseClick(d.BtnAplicar, Qt::LeftButton);
    QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
    const int64_t start = g.ticks;
    if (realGas) {
        for (const double radius : {1.5, 3.0, 5.2}) {
            d.SpinRadioA->setValue(radius);
            QTest::mouseClick(d.BtnAplicar, Qt::LeftButton);
            const int64_t from = g.ticks;
            molvix::bench::animateUntil([&] { return g.ticks >= from + 6000; }, 240);
        }
        d.SpinRadioA->setValue(4);
        QTest::mouseClick(d.BtnAplicar, Qt::LeftButton);
    } else if (!brownian && !atmosphere) {
        molvix::bench::animateUntil([&] { return g.ticks >= start + 2000; }, 60);
        QTest::mouseClick(d.BtnQuitarPared, Qt::LeftButton);
    }
    const int64_t from = g.ticks;
    const int64_t run = brownian || atmosphere ? 40000 : realGas ? 10000 : 20000;
    molvix::bench::animateUntil([&] { return g.ticks >= from + run; }, 480);
    QTest::mouseClick(w.Form1->RBtnStop, Qt::LeftButton);
    d.redraw();
    d.raise();
    QTest::qWait(500);

    std::printf("%s run: %lld ticks\n%s\n%s\n",
                brownian     ? "Brownian"
                : atmosphere ? "atmosphere"
                : realGas    ? "real-gas"
                             : "diffusion",
                static_cast<long long>(g.ticks - start), qPrintable(d.LabelExperimento->text()),
                qPrintable(d.LabelCifras->text()));
    const int status = QProcess::execute(QStringLiteral("import"),
                                         {QStringLiteral("-window"), QStringLiteral("root"), out});
    std::printf("%s %s\n", status == 0 ? "saved" : "could not save", qPrintable(out));
    endProgram(w);
    return status == 0 ? 0 : 1;
}
