#include "uitest.h"

#include "clicklabel.h"
#include "ticktimer.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

using molvix::test::ProgramTest;
using MainWindowTest = ProgramTest;

constexpr TColor kGreen = 0x008000;
constexpr TColor kTeal = 0x808000;

TEST_F(MainWindowTest, StartUpShowsFiftyYellowParticlesInAGreenBoxWithoutAxes)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvelo"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(w.Form3->isVisible());
    EXPECT_TRUE(form->BoxOpenGL->isHidden());
    EXPECT_TRUE(form->LabelGL->isHidden());
    EXPECT_TRUE(form->BoxBolas->isHidden());
    EXPECT_TRUE(gl->isHidden());
    EXPECT_EQ(s().ModoGL, 0);

    for (int i = 1; i <= 100; ++i) {
        const TParticleRec &p = view->particles()[i];
        EXPECT_EQ(p.Color, i <= 50 ? kYellow : kBlack) << i;
        if (i <= 50) {
            EXPECT_EQ(frame(p.SX, p.SY), rgb(kYellow)) << "particle " << i;
        }
    }
    EXPECT_GT(countInFrame(kGreen), 100);
    EXPECT_EQ(countInFrame(kTeal), 0);
    EXPECT_EQ(countInFrame(kWhite), 0) << "no vectors";
    EXPECT_EQ(view->Zoom, 0.6f);
    EXPECT_EQ(gl->NParticles, 50);

    EXPECT_FALSE(form->TimeLoop->isActive());
    EXPECT_TRUE(form->RBtnStop->isChecked());
    EXPECT_EQ(form->TimeLoop->interval(), 1);
    EXPECT_FALSE(form->TimeZoom->isActive());
    EXPECT_FALSE(form->TimeGiro->isActive());
}

TEST_F(MainWindowTest, AnimationStartsAndStopsKeepingThePressureWindow)
{
    QTest::mouseClick(form->RBtnAni, Qt::LeftButton);
    EXPECT_TRUE(form->TimeLoop->isActive());
    const float x = s().ParX[1];
    form->TimeLoopTimer();
    EXPECT_NE(s().ParX[1], x);
    QTest::mouseClick(form->RBtnStop, Qt::LeftButton);
    EXPECT_FALSE(form->TimeLoop->isActive());
    const float presion = s().Presion;
    EXPECT_EQ(s().NPasos, 1);
    QTest::mouseClick(form->RBtnAni, Qt::LeftButton);
    EXPECT_EQ(s().NPasos, 1);
    EXPECT_EQ(s().Presion, presion);
}

TEST_F(MainWindowTest, ATickIsShownBeforeTheWindowsHearOfItOnce)
{
    // What changed between two ticks (here the wall bar) reaches the
    // windows with the next tick, once.
    std::vector<GasChange> heard;
    float shownX = 0;
    QObject::connect(form, &TForm1::gasChanged, form, [&](GasChange changes) {
        heard.push_back(changes);
        shownX = view->particles()[1].X + view->CenterX;
    });
    gas().takeChanges(); // the start-up's
    panel->ScBarPared->setValue(60);
    form->TimeLoopTimer();
    form->TimeLoopTimer();
    using C = GasChange;
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0], C::Wall | C::Positions | C::Vectors);
    EXPECT_EQ(heard[1], C::Positions | C::Vectors);
    EXPECT_FLOAT_EQ(shownX, s().ParX[1]) << "the view shows the tick when the windows hear of it";
}

TEST_F(MainWindowTest, AxesComeAndGoWithTheAxesBox)
{
    pick(form->BoxEjes, QStringLiteral("SI"));
    EXPECT_GT(countInFrame(kTeal), 50);
    // They follow a rotation while shown.
    form->GiroYRight();
    form->TimeGiroTimer();
    EXPECT_GT(countInFrame(kTeal), 50);
    pick(form->BoxEjes, QStringLiteral("NO"));
    EXPECT_EQ(countInFrame(kTeal), 0);
    EXPECT_GT(countInFrame(kGreen), 100) << "the box stays";
}

TEST_F(MainWindowTest, AResizeRescalesTheViewAndKeepsTheAxes)
{
    pick(form->BoxEjes, QStringLiteral("SI"));
    form->resize(500, 500);
    form->FormPaint();
    EXPECT_EQ(view->Buffer().size(), form->viewRect().size());
    EXPECT_EQ(view->width(), 500);
    EXPECT_GT(countInFrame(kTeal), 50);
}

TEST_F(MainWindowTest, HoldingZoomForAHundredTicks)
{
    QTest::mousePress(form->ZoomU, Qt::LeftButton);
    EXPECT_TRUE(form->TimeZoom->isActive());
    for (int t = 0; t < 100; ++t) {
        form->TimeZoomTimer();
    }
    QTest::mouseRelease(form->ZoomU, Qt::LeftButton);
    EXPECT_FALSE(form->TimeZoom->isActive());
    EXPECT_NEAR(navigation().ZoomSoft, 0.7f, 1e-4f);
    EXPECT_EQ(view->Zoom, navigation().ZoomSoft);
    EXPECT_NEAR(navigation().DistGL, -2.7f, 1e-4f);
    EXPECT_EQ(gl->transZ, navigation().DistGL);

    form->ZoomDown();
    for (int t = 0; t < 800; ++t) { // through 0 to negative factors
        form->TimeZoomTimer();
    }
    EXPECT_LT(view->Zoom, 0.0f);
    QTest::mouseClick(form->LabelZoom, Qt::LeftButton);
    EXPECT_EQ(navigation().ZoomSoft, 0.6f);
    EXPECT_EQ(view->Zoom, 0.6f);
    EXPECT_EQ(gl->transZ, -3.7f);
}

TEST_F(MainWindowTest, TheFirstRotationTickAfterStartUpWrapsBothAngles)
{
    QTest::mousePress(form->GiroYR, Qt::LeftButton);
    EXPECT_TRUE(form->TimeGiro->isActive());
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 359);
    EXPECT_EQ(view->Beta, 359);
    EXPECT_EQ(navigation().AngAlfa, 360.0f);
    EXPECT_EQ(navigation().AngBeta, 360.0f);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 0);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 1);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 2);
    QTest::mouseRelease(form->GiroYR, Qt::LeftButton);
    EXPECT_FALSE(form->TimeGiro->isActive());
}

TEST_F(MainWindowTest, HoldingLeftFromStartUp)
{
    form->GiroYLeft();
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 359);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 359);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 358);
}

TEST_F(MainWindowTest, GiroResetsBothViewsAndRotationGoesOnFromThere)
{
    form->GiroXDown();
    for (int t = 0; t < 5; ++t) {
        form->TimeGiroTimer();
    }
    QTest::mouseClick(form->LabelGiro, Qt::LeftButton);
    EXPECT_EQ(view->Alfa, 0);
    EXPECT_EQ(view->Beta, 0);
    EXPECT_EQ(navigation().AngAlfa, 0.0f);
    EXPECT_EQ(gl->RotX, -90.0f);
    EXPECT_EQ(gl->RotY, 0.0f);
    EXPECT_EQ(gl->RotZ, -90.0f);
    form->GiroYLeft();
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 359);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 359);
    form->TimeGiroTimer();
    EXPECT_EQ(view->Alfa, 358);
}

TEST_F(MainWindowTest, CPanelHidesAndShowsWithItsValuesKept)
{
    panel->ScBarTemp->setValue(35);
    QTest::mouseClick(form->BtnCPanel, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(form->BtnCPanel, Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->ScBarTemp->value(), 35);
    EXPECT_EQ(s().Temp, 35);
}

TEST_F(MainWindowTest, InformacionReopensOnTheTextPage)
{
    TForm3 *credits = w.Form3;
    QTest::mouseClick(form->BtnInfo, Qt::LeftButton);
    ASSERT_TRUE(credits->isVisible());
    QTest::mouseClick(credits->BtnGrupo, Qt::LeftButton);
    EXPECT_TRUE(credits->ImageGrupo->isVisible());
    EXPECT_FALSE(credits->BtnGrupo->isVisible());
    QTest::mouseClick(form->BtnInfo, Qt::LeftButton);
    EXPECT_FALSE(credits->isVisible());
    QTest::mouseClick(form->BtnInfo, Qt::LeftButton);
    EXPECT_TRUE(credits->isVisible());
    EXPECT_FALSE(credits->ImageGrupo->isVisible());
    EXPECT_TRUE(credits->Label2->isVisible());
    EXPECT_TRUE(credits->BtnGrupo->isVisible());
}

TEST_F(MainWindowTest, FinEndsTheProgramWithExitCodeZero)
{
    EXPECT_EXIT(QTest::mouseClick(form->BtnFin, Qt::LeftButton), ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowTest, CoveredAndUncoveredTheViewRepaintsTheSameFrame)
{
    pick(form->BoxEjes, QStringLiteral("SI"));
    const QImage before = view->Buffer().copy();
    view->repaint(); // as when the window system asks for it
    EXPECT_EQ(view->Buffer(), before);
}

} // namespace
