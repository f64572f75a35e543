// The keys a desktop program is expected to have: Space for the animation
// where it means nothing else, F1 for the handbook, Shift+F1 for what a
// control is, Ctrl+Q to end, F11 for full screen.
#include "animationkey.h"
#include "clicklabel.h"
#include "graphswindow.h"
#include "handbookwindow.h"
#include "language.h"
#include "ticktimer.h"
#include "uitest.h"

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
    struct Case
    {
        QWidget *focus;
        bool toggles;
    };
    const Case cases[] = {
        {view, true},
        {panel->MaskPre, true}, // a readout
        {panel->MaskTemp, true},
        {panel->ScBarTemp, true},
        {w.Graficas->ChartPresion, true},
        {w.Graficas->LabelKS, true},
        {panel->MaskNOfPar, false}, // " 75" is a count
        {panel->BoxColi, false},
        {form->BoxEjes, false},
        {form->GiroXU, false},
        {form->LabelZoom, false},
        {w.Ayuda->TextoAyuda, false}, // pages down
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.focus->objectName()));
        focusOn(c.focus);
        const QString typed = panel->MaskNOfPar->text();
        for (const bool running : {true, false}) {
            QTest::keyClick(c.focus, Qt::Key_Space);
            EXPECT_EQ(form->TimeLoop->isActive(), c.toggles && running);
            EXPECT_EQ(form->RBtnAni->isChecked(), c.toggles && running);
        }
        if (c.focus == panel->MaskNOfPar) {
            EXPECT_EQ(panel->MaskNOfPar->text(), typed + "  ") << "the spaces were typed";
        }
        form->RBtnStop->click();
    }
    // A button keeps Space: it presses itself, and the gas stays as it is.
    focusOn(form->RBtnAni);
    QTest::keyClick(form->RBtnAni, Qt::Key_Space);
    EXPECT_TRUE(form->TimeLoop->isActive());
    QTest::keyClick(form->RBtnAni, Qt::Key_Space);
    EXPECT_TRUE(form->TimeLoop->isActive()) << "Space on Animación does not stop it";
    // Held down, Space does not flicker the animation on and off.
    form->RBtnStop->click();
    focusOn(view);
    for (const bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        repeat);
        QApplication::sendEvent(view, &press);
    }
    EXPECT_TRUE(form->TimeLoop->isActive()) << "one press, and repeats that are ignored";
    // With a modifier it is another key.
    QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(form->TimeLoop->isActive());
}

TEST(AnimationKeyRule, ControlsThatActOnSpaceKeepIt)
{
    QWidget window;
    auto *plain = new QLabel(&window);
    auto *readOut = new QLabel(&window); // reached by Tab to be read out
    readOut->setFocusPolicy(Qt::TabFocus);
    auto *word = new ClickLabel(&window);
    auto *edit = new QLineEdit(&window);
    auto *readout = new QLineEdit(&window);
    AnimationKey::markReadout(readout);
    auto *button = new QPushButton(&window);
    auto *browser = new QTextBrowser(&window);
    EXPECT_TRUE(AnimationKey::spaceToggles(nullptr));
    EXPECT_TRUE(AnimationKey::spaceToggles(&window));
    EXPECT_TRUE(AnimationKey::spaceToggles(plain));
    EXPECT_TRUE(AnimationKey::spaceToggles(readOut));
    EXPECT_TRUE(AnimationKey::spaceToggles(readout));
    EXPECT_FALSE(AnimationKey::spaceToggles(word));
    EXPECT_FALSE(AnimationKey::spaceToggles(edit));
    EXPECT_FALSE(AnimationKey::spaceToggles(button));
    EXPECT_FALSE(AnimationKey::spaceToggles(browser->viewport())) << "part of a control";
}

TEST_F(KeysTest, F1OpensTheHandbookAndNotTheCredits)
{
    for (QWidget *from : {static_cast<QWidget *>(view), static_cast<QWidget *>(panel->MaskEner),
                          static_cast<QWidget *>(w.Graficas->BtnExportarCSV)}) {
        SCOPED_TRACE(qPrintable(from->objectName()));
        focusOn(from);
        QTest::keyClick(from, Qt::Key_F1);
        EXPECT_TRUE(w.Ayuda->isVisible());
        EXPECT_EQ(w.Ayuda->windowTitle(), "Ayuda");
        EXPECT_FALSE(w.Form3->isVisible());
        QTest::keyClick(from, Qt::Key_F1);
        EXPECT_TRUE(w.Ayuda->isVisible()) << "F1 again keeps it open";
        w.Ayuda->hide();
    }
    w.Graficas->hide();
    // The credits still open from their button.
    QTest::mouseClick(form->BtnInfo, Qt::LeftButton);
    EXPECT_TRUE(w.Form3->isVisible());
}

TEST(KeysInEnglish, F1OpensTheEnglishHandbook)
{
    ASSERT_TRUE(molvix::i18n::installTranslation(QStringLiteral("en")));
    gas() = Gas();
    ProgramWindows w = startProgram();
    w.Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Form1));
    QTest::keyClick(w.Form1, Qt::Key_F1);
    EXPECT_TRUE(w.Ayuda->isVisible());
    EXPECT_EQ(w.Ayuda->windowTitle(), "Help");
    EXPECT_EQ(w.Ayuda->language(), "en");
    EXPECT_FALSE(w.Form3->isVisible());
    w.Ayuda->showPage(QStringLiteral("boyle.html"));
    EXPECT_TRUE(w.Ayuda->TextoAyuda->toPlainText().contains("Boyle's law"));
    endProgram(w);
    molvix::i18n::removeTranslation();
}

TEST_F(KeysTest, F11MakesTheMainWindowFullScreenAndBack)
{
    focusOn(view);
    QTest::keyClick(view, Qt::Key_F11);
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(view, Qt::Key_F11);
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen);
    // Only the main window's key.
    focusOn(panel->MaskPre);
    QTest::keyClick(panel->MaskPre, Qt::Key_F11);
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(panel->windowState() & Qt::WindowFullScreen);
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
                            static_cast<QWidget *>(w.Ayuda)}) {
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
    bool shown = false;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        shown = shown || (top->isVisible() && QLatin1String(top->metaObject()->className()) ==
                                                  QLatin1String("QWhatsThat"));
    }
    EXPECT_TRUE(shown) << "the text beside the readout";
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::hideText();
    // With no control that has the focus: the "?" mode, from a click too.
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    w.Ayuda->BtnQueEs->click();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

} // namespace
