// A stopped program draws nothing: no paint asks for another, and a change
// of the scene is shown once. Each case leaves the program stopped in a
// different way and counts every paint of every window for a second.
#include "uitest.h"

#include "graphswindow.h"
#include "ticktimer.h"

#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

using molvix::test::PaintCounter;
using molvix::test::ProgramTest;

struct StoppedCase
{
    const char *name;
    std::function<void(ProgramTest &, ProgramWindows &)> bringAbout;
};

void PrintTo(const StoppedCase &c, std::ostream *os)
{
    *os << c.name;
}

class StoppedTest : public ProgramTest, public ::testing::WithParamInterface<StoppedCase>
{
};

TEST_P(StoppedTest, NothingIsPaintedAndAChangeIsShownOnce)
{
    GetParam().bringAbout(*this, w);
    ASSERT_FALSE(form->TimeLoop->isActive());
    PaintCounter paints;
    view->update(); // as when the window system uncovers it
    paints.countAtRest(1000);
    EXPECT_EQ(paints.total, 0) << qPrintable(paints.summary());

    // Not silent by never showing anything: one change, one frame.
    const QImage before = view->canvasImage().copy();
    paints.reset();
    form->GiroXUp();
    form->TimeGiroTimer();
    form->GiroNull();
    QTest::qWait(300);
    EXPECT_EQ(paints.of(view), 1) << qPrintable(paints.summary());
    EXPECT_NE(view->canvasImage(), before) << "the turned box reached the canvas";
}

INSTANTIATE_TEST_SUITE_P(
    Program, StoppedTest,
    ::testing::Values(StoppedCase{"AfterStartUp", [](ProgramTest &, ProgramWindows &) {}},
                      StoppedCase{"WithGraficasOpen",
                                  [](ProgramTest &, ProgramWindows &w) {
                                      QTest::mouseClick(w.Form1->BtnGraficas, Qt::LeftButton);
                                      ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Graficas));
                                  }},
                      StoppedCase{"AfterAnAnimationWasStopped",
                                  [](ProgramTest &, ProgramWindows &w) {
                                      QTest::mouseClick(w.Form1->RBtnAni, Qt::LeftButton);
                                      QTest::qWait(300);
                                      QTest::mouseClick(w.Form1->RBtnStop, Qt::LeftButton);
                                  }}),
    [](const ::testing::TestParamInfo<StoppedCase> &info) { return info.param.name; });

} // namespace
