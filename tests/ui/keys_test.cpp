// The keys a desktop program is expected to have: Space for the animation
// where it means nothing else, F1 for the handbook, Shift+F1 for what a
// control is, Ctrl+Q to end, F11 for full screen.
#include "clicklabel.h"
#include "graphswindow.h"
#include "handbookwindow.h"
#include "language.h"
#include "ticktimer.h"
#include "uitest.h"

#include "diffusionwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QWhatsThis>

namespace {

using molvix::test::ProgramTest;
using KeysTest = ProgramTest;

void focusOn(QWidget *w)
{
    w->window()->show();
    w->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), w) << qPrintable(w->objectName());
}

TEST_F(KeysTest, SpaceRunsAndStopsTheGasWhereItMeansNothingElse)
{
    // Where the focus is, and whether Space there runs and stops the gas.
    const std::pair<QWidget *, bool> cases[] = {
        {view, true},          {panel->MaskPre, true},   {panel->ScBarTemp, true},
        {w.Graficas->ChartPresion, true}, {w.Graficas->LabelKS, true},
        {panel->MaskNOfPar, false}, // " 75" is a count
        {panel->BoxColi, false},    {form->GiroXU, false}, {form->LabelZoom, false},
        {form->RBtnStop, false},    {w.Ayuda->TextoAyuda, false}, // pages down
    };
    for (const auto &[focus, toggles] : cases) {
        SCOPED_TRACE(qPrintable(focus->objectName()));
        focusOn(focus);
        for (const bool running : {true, false}) {
            QTest::keyClick(focus, Qt::Key_Space);
            EXPECT_EQ(form->TimeLoop->isActive(), toggles && running);
            EXPECT_EQ(form->RBtnAni->isChecked(), toggles && running);
        }
        form->RBtnStop->click();
    }
    EXPECT_EQ(panel->MaskNOfPar->text(), " 50  ") << "the spaces were typed";
    // A click on the scene takes the focus from the button that had it.
    focusOn(form->BtnCPanel);
    QTest::mouseClick(view, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), view);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(form->TimeLoop->isActive() && panel->isVisible());
    form->RBtnStop->click();
    // Held down, Space does not flicker the animation on and off.
    focusOn(view);
    for (const bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        repeat);
        QApplication::sendEvent(view, &press);
    }
    QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier); // another key
    EXPECT_TRUE(form->TimeLoop->isActive());
}

TEST(KeysInEnglish, F1OpensTheEnglishHandbook)
{
    ASSERT_TRUE(molvix::i18n::installTranslation(QStringLiteral("en")));
    ProgramWindows w = startProgram();
    // An application-wide key needs an active window of the program.
    w.Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Form1));
    w.Form1->BtnInfo->setFocus();
    QTest::keyClick(w.Form1->BtnInfo, Qt::Key_F1);
    EXPECT_TRUE(w.Ayuda->isVisible() && !w.Form3->isVisible());
    EXPECT_EQ(w.Ayuda->windowTitle(), "Help");
    w.Ayuda->showPage(QStringLiteral("boyle.html"));
    EXPECT_TRUE(w.Ayuda->TextoAyuda->toPlainText().contains("Boyle's law"));
    endProgram(w);
    molvix::i18n::removeTranslation();
}

TEST_F(KeysTest, F11MakesTheMainWindowFullScreenAndBack)
{
    focusOn(view);
    for (const bool full : {true, false}) {
        QTest::keyClick(view, Qt::Key_F11);
        EXPECT_EQ(bool(form->windowState() & Qt::WindowFullScreen), full);
    }
    focusOn(panel->MaskPre);
    QTest::keyClick(panel->MaskPre, Qt::Key_F11);
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen) << "only the main window's key";
}

TEST_F(KeysTest, FullScreenKeepsTheBoxsShapeAndF11LeavesTheWindowsSize)
{
    // The view's shape at the opening size, which the box is drawn for.
    const TVx3DWorld &scene = *form->Vx3DWorld1;
    const double shape = double(scene.width()) / scene.height();
    const QSize before = form->size();
    focusOn(view);
    QTest::keyClick(view, Qt::Key_F11);
    ASSERT_TRUE(form->windowState() & Qt::WindowFullScreen);
    // Whatever shape the screen has (one twice as wide as high stretched the
    // box 2:1), the view keeps its own inside the room it has.
    QCoreApplication::processEvents();
    ASSERT_NE(double(form->width()) / form->height(), double(before.width()) / before.height());
    EXPECT_NEAR(double(scene.width()) / scene.height(), shape, 0.01);
    EXPECT_TRUE(form->rect().contains(scene.geometry()));
    EXPECT_GT(scene.width(), before.width()) << "it uses the room it has";
    // The projection scales x and y as at the opening size.
    EXPECT_NEAR(scene.ScaleX / scene.ScaleY, shape, 0.01);
    QTest::keyClick(view, Qt::Key_F11);
    ASSERT_FALSE(form->windowState() & Qt::WindowFullScreen);
    form->resize(before); // what the window manager does on leaving full screen
    QCoreApplication::processEvents();
    EXPECT_EQ(form->size(), before);
    EXPECT_EQ(scene.width(), before.width()) << "the view fills the room again, as it opened";
    EXPECT_NEAR(double(scene.width()) / scene.height(), shape, 1e-9);
}

TEST_F(KeysTest, CtrlQEndsTheProgramAsFinDoes)
{
    EXPECT_EXIT(
        {
            focusOn(panel->MaskEner);
            QTest::keyClick(panel->MaskEner, Qt::Key_Q, Qt::ControlModifier);
        },
        ::testing::ExitedWithCode(0), "");
}

// Every control a Tab reaches says what it is, in each window, and every
// window lists its keys.
TEST_F(KeysTest, EveryControlSaysWhatItIsAndEveryWindowItsKeys)
{
    int explained = 0;
    for (QWidget *window : {static_cast<QWidget *>(form), static_cast<QWidget *>(panel),
                            static_cast<QWidget *>(w.Form3), static_cast<QWidget *>(w.Graficas),
                            static_cast<QWidget *>(w.Difusion), static_cast<QWidget *>(w.Ayuda)}) {
        SCOPED_TRACE(qPrintable(window->objectName()));
        EXPECT_FALSE(window->whatsThis().isEmpty());
        EXPECT_TRUE(window->toolTip().contains("F1")) << "the keys, in its tooltip";
        QWidgetList controls = window->findChildren<QWidget *>();
        controls << gl;
        for (QWidget *child : controls) {
            if (child->window() != window || !(child->focusPolicy() & Qt::TabFocus) ||
                child->objectName().isEmpty() || child->focusProxy() != nullptr ||
                qobject_cast<QLineEdit *>(child->parentWidget()) != nullptr ||
                child->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            EXPECT_FALSE(child->whatsThis().isEmpty()) << qPrintable(child->objectName());
            ++explained;
        }
    }
    EXPECT_GE(explained, 45);
    EXPECT_TRUE(form->toolTip().contains("F11"));
    EXPECT_FALSE(panel->toolTip().contains("F11")) << "only the main window's";
}

TEST_F(KeysTest, ShiftF1ExplainsTheFocusedControlOrEntersTheQuestionMode)
{
    focusOn(panel->MaskPre);
    QTest::keyClick(panel->MaskPre, Qt::Key_F1, Qt::ShiftModifier);
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(tops.begin(), tops.end(), [](QWidget *t) {
        return t->isVisible() && QLatin1String(t->metaObject()->className()) == "QWhatsThat";
    })) << "the text beside the readout";
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::hideText();
    // With no control that has the focus: the "?" mode.
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

} // namespace
