// The program as a user meets it, on a real X server: the three windows,
// the animation running on its own timer, the switch into the OpenGL view
// and back, and "FIN".
#include "uitest.h"

#include "diffusionwindow.h"
#include "graphswindow.h"
#include "mixturescene.h"
#include "handbookwindow.h"
#include "ticktimer.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {

using molvix::test::ProgramTest;
using ProgramRunTest = ProgramTest;

TEST_F(ProgramRunTest, ThreeWindowsWithTheirCaptionsTheCreditsHidden)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvelo"));
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Panel de Control"));
    EXPECT_EQ(w.Form3->windowTitle(), QStringLiteral("Autores"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(w.Form3->isVisible());
    // The instruments window waits hidden: two windows on screen, as before.
    ASSERT_NE(w.Graficas, nullptr);
    EXPECT_EQ(w.Graficas->windowTitle(), QStringLiteral("Gráficas"));
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget *t) { return t->isVisible(); }),
              2);
}

// On a real window system: F1 brings up the handbook, not the credits, and
// Boyle's law is a click away in its contents; Space on the scene runs the
// gas on its own timer and stops it.
TEST_F(ProgramRunTest, F1OpensTheHandbookAndSpaceRunsAndStopsTheGas)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Ayuda));
    EXPECT_EQ(w.Ayuda->windowTitle(), QStringLiteral("Ayuda"));
    EXPECT_FALSE(w.Form3->isVisible());
    const auto boyle = w.Ayuda->ListaContenido->findItems(QStringLiteral("Boyle"), Qt::MatchContains);
    ASSERT_EQ(boyle.size(), 1);
    QTest::mouseClick(w.Ayuda->ListaContenido->viewport(), Qt::LeftButton, {},
                      w.Ayuda->ListaContenido->visualItemRect(boyle.first()).center());
    EXPECT_TRUE(w.Ayuda->TextoAyuda->toPlainText().contains(QStringLiteral("Ley de Boyle")));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    view->setFocus();
    const float x = s().ParX[1];
    QTest::keyClick(view, Qt::Key_Space);
    QElapsedTimer clock;
    clock.start();
    while (s().ParX[1] == x && clock.elapsed() < 5000) {
        QTest::qWait(10);
    }
    EXPECT_NE(s().ParX[1], x) << "the gas moves";
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_FALSE(form->TimeLoop->isActive());
}

TEST_F(ProgramRunTest, AnimationMovesTheParticlesAndRefreshesTheReadouts)
{
    const GasState before = s();
    QTest::mouseClick(form->RBtnAni, Qt::LeftButton);
    ASSERT_TRUE(form->TimeLoop->isActive());
    QElapsedTimer clock;
    clock.start();
    // Two pressure readings: at least 400 ticks of the 1 ms timer.
    while (panel->MaskPre->text().isEmpty() && clock.elapsed() < 20000) {
        QTest::qWait(20);
    }
    const QString firstReading = panel->MaskPre->text();
    EXPECT_FALSE(firstReading.isEmpty()) << "a reading every 200 ticks";
    int changed = 0;
    for (int i = 1; i <= 50; ++i) {
        changed += s().ParX[i] != before.ParX[i] ? 1 : 0;
    }
    EXPECT_EQ(changed, 50);
    const QString energy = panel->MaskEner->text();
    EXPECT_FALSE(energy.isEmpty());
    bool ok = false;
    firstReading.trimmed().toDouble(&ok);
    EXPECT_TRUE(ok) << qPrintable(firstReading);
    QTest::mouseClick(form->RBtnStop, Qt::LeftButton);
    const GasState stopped = s();
    QTest::qWait(100);
    EXPECT_EQ(s().ParX, stopped.ParX) << "Stop stands the gas still";
}

TEST_F(ProgramRunTest, SwitchingIntoTheOpenGLViewAndBack)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(form->BoxOpenGL->isVisible());
    EXPECT_TRUE(form->LabelGL->isVisible());
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    EXPECT_EQ(s().ModoGL, 1);
    EXPECT_TRUE(gl->isVisible());
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(form->BoxBolas->isVisible());
    EXPECT_FALSE(form->BoxOpenGL->isVisible());
    EXPECT_FALSE(form->LabelGL->isVisible());
    EXPECT_EQ(gl->RotZ, navigation().AngAlfa - 90.0f);
    EXPECT_EQ(gl->RotX, navigation().AngBeta - 90.0f);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::qWait(50);
    EXPECT_TRUE(gl->ContextReady());
    // Shown as BoxBolas reads: "Puntos", white points of 3 pixels (the
    // sizes the choice once named filled the view with one grey sphere).
    EXPECT_EQ(form->BoxBolas->currentText(), QStringLiteral("Puntos"));
    EXPECT_EQ(gl->particles()[1].Style, 2);
    EXPECT_FLOAT_EQ(gl->particles()[1].Size, 0.06f);
    EXPECT_EQ(gl->particles()[1].Color, 65535);
    const QImage shown = gl->grabFramebuffer();
    int lit = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            lit += qGray(shown.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 50) << "the particles are seen";
    EXPECT_LT(lit, shown.width() * shown.height() / 10) << "as points, not a view-filling sphere";

    // The tick now moves the OpenGL view's particles and not the software's.
    const float softX = view->particles()[1].X;
    form->TimeLoopTimer();
    EXPECT_EQ(view->particles()[1].X, softX);
    EXPECT_FLOAT_EQ(gl->particles()[1].X, s().ParX[1] * 0.02f - 1.0f);

    // Rotation acts on the OpenGL view while it is active, unwrapped.
    form->GiroYRight();
    form->TimeGiroTimer();
    EXPECT_EQ(gl->RotZ, navigation().AngAlfa - 90.0f);
    form->GiroNull();

    form->BoxBolas->setCurrentText(QStringLiteral("Bolas"));
    EXPECT_EQ(gl->particles()[1].Style, 0);
    EXPECT_FLOAT_EQ(gl->particles()[1].Size, 0.0375f);
    EXPECT_EQ(navigation().AngAlfa, 90.0f);

    form->BoxBolas->setCurrentText(QStringLiteral("OpenGL NO"));
    EXPECT_EQ(s().ModoGL, 0);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(gl->isVisible());
    EXPECT_TRUE(form->BoxOpenGL->isVisible());
    EXPECT_FALSE(form->BoxBolas->isVisible());
    EXPECT_EQ(form->BoxOpenGL->currentText(), QStringLiteral("NO"));
    EXPECT_EQ(view->Alfa, 90);
    EXPECT_EQ(view->Beta, 90);

    // And in again: "OpenGL NO" still leads back.
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    EXPECT_EQ(s().ModoGL, 1);
    form->BoxBolas->setCurrentText(QStringLiteral("OpenGL NO"));
    EXPECT_EQ(s().ModoGL, 0);
}

// Species B's pink points in the OpenGL view while a mixture is on, none
// before or after it.
TEST_F(ProgramRunTest, TheOpenGLViewDrawsSpeciesBInItsColour)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_G, Qt::ControlModifier);
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::qWait(50);
    ASSERT_TRUE(gl->ContextReady());
    const auto pink = [this] {
        gl->DrawWorld();
        const QImage shown = gl->grabFramebuffer();
        int n = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb c = shown.pixel(x, y);
                n += qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) > 120 ? 1 : 0;
            }
        }
        return n;
    };
    EXPECT_EQ(pink(), 0) << "the classic gas has no species B";
    DiffusionWindow &d = *w.Difusion;
    d.SpinNumA->setValue(50);
    d.SpinNumB->setValue(150);
    d.BoxPared->setCurrentIndex(DiffusionWindow::kNinguna);
    d.BtnAplicar->click();
    EXPECT_EQ(gl->NParticles, 200);
    EXPECT_GT(pink(), 150) << "B's 150 points, of a few pixels each";
    d.BtnVolver->click();
    EXPECT_EQ(pink(), 0);
    EXPECT_EQ(gl->NParticles, s().NumPar);
}

TEST_F(ProgramRunTest, OpenGLNoHandsOverNegativeAndFullTurnAngles)
{
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    navigation().AngAlfa = -1.0f;
    navigation().AngBeta = 360.0f;
    form->BoxBolas->setCurrentText(QStringLiteral("OpenGL NO"));
    EXPECT_EQ(view->Alfa, 359);
    EXPECT_EQ(navigation().AngAlfa, 360.0f);
    EXPECT_EQ(view->Beta, 0);
    EXPECT_EQ(navigation().AngBeta, 0.0f);
}

TEST_F(ProgramRunTest, FinEndsAtOnceEvenWhileAnimating)
{
    EXPECT_EXIT(
        {
            QTest::mouseClick(form->RBtnAni, Qt::LeftButton);
            QTest::qWait(50);
            QTest::mouseClick(form->BtnFin, Qt::LeftButton);
        },
        ::testing::ExitedWithCode(0), "");
}

// The OpenGL view, once it joins the window, is reached by Tab and says how
// it draws the particles.
TEST_F(ProgramRunTest, TheOpenGLViewIsDescribedAndReachedByTab)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_G, Qt::ControlModifier);
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    const auto described = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    EXPECT_TRUE(described(gl).contains(QStringLiteral("Vista OpenGL, partículas como puntos")))
        << qPrintable(described(gl));
    pick(form->BoxBolas, QStringLiteral("Bolas"));
    EXPECT_TRUE(described(gl).contains(QStringLiteral("Vista OpenGL, partículas como bolas")));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->BtnFin->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), form->BtnFin);
    QTest::keyClick(form->BtnFin, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), gl);

    pick(form->BoxBolas, QStringLiteral("OpenGL NO"));
    EXPECT_TRUE(described(view).contains(QStringLiteral("Vista normal")));
}

// Stopped in the OpenGL view, nothing paints until something changes.
TEST_F(ProgramRunTest, StoppedInTheOpenGLViewPaintsNothingAndShowsAChangeOnce)
{
    form->ShowOpenGLChoice();
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(gl));
    expectStillThenOneFrame(gl);
}

} // namespace
