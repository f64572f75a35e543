// A stopped program paints nothing, however it came to be stopped, and shows
// a change of the scene once.
#include "uitest.h"

#include "graphswindow.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

using StoppedTest = molvix::test::ProgramTest;

TEST_F(StoppedTest, AfterStartUpPaintsNothingAndShowsAChangeOnce)
{
    expectStillThenOneFrame(view);
}

TEST_F(StoppedTest, WithGraficasOpenPaintsNothingAndShowsAChangeOnce)
{
    QTest::mouseClick(form->BtnGraficas, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Graficas));
    expectStillThenOneFrame(view);
}

TEST_F(StoppedTest, AfterAnAnimationPaintsNothingAndShowsAChangeOnce)
{
    QTest::mouseClick(form->RBtnAni, Qt::LeftButton);
    QTest::qWait(300);
    QTest::mouseClick(form->RBtnStop, Qt::LeftButton);
    expectStillThenOneFrame(view);
}

} // namespace
