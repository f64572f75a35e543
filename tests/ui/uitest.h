#pragma once

#include "controlpanel.h"
#include "creditswindow.h"
#include "gas.h"
#include "mainwindow.h"
#include "program.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <numeric>
#include <ostream>

// QStrings in test messages as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace molvix::test {

// The program's three windows as start-up makes them, on a fresh gas.
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gas() = Gas();
        navigation() = ViewNavigation();
        TVx3DWorld::ResetSharedState();
        w = startProgram();
        form = w.Form1;
        panel = w.FormCPanel;
        view = form->Vx3DWorld1;
        gl = form->Vx3DWorldGL1;
        // Let the window system show and paint the windows, as after start.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        QCoreApplication::processEvents();
    }
    void TearDown() override { endProgram(w); }

    GasState &s() { return gas().state; }
    static QRgb rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
    QRgb frame(int x, int y) { return view->Buffer().pixel(x, y) | 0xFF000000u; }
    int countInFrame(TColor colour)
    {
        int n = 0;
        const QImage &img = view->Buffer();
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                n += (img.pixel(x, y) | 0xFF000000u) == rgb(colour) ? 1 : 0;
            }
        }
        return n;
    }
    // Types into the count edit and presses Enter, as a user would.
    void typeCount(const QString &text)
    {
        panel->MaskNOfPar->clear();
        QTest::keyClicks(panel->MaskNOfPar, text);
        QTest::keyClick(panel->MaskNOfPar, Qt::Key_Return);
    }
    // At rest nothing paints, not even after a paint the window system asked
    // of `shown` (the text cursor, which rightly blinks, is held still); one
    // change of the scene is then shown once. On a shared X server other
    // programs' windows may uncover ours now and then: a paint or two from
    // outside, never a chain.
    void expectStillThenOneFrame(QWidget *shown)
    {
        struct Paints : QObject
        {
            QHash<QObject *, int> of;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint) {
                    ++of[o];
                }
                return false;
            }
        } paints;
        const int flash = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        qApp->installEventFilter(&paints);
        shown->update();
        // What the set-up asked for is shown first: on a loaded machine the
        // window system answers late. A chain never settles, and is counted.
        for (int settle = 0; settle < 20; ++settle) {
            paints.of.clear();
            QTest::qWait(150);
            if (paints.of.isEmpty()) {
                break;
            }
        }
        paints.of.clear();
        QTest::qWait(1000);
        const int outside = QGuiApplication::platformName() == QLatin1String("offscreen") ? 0 : 2;
        const auto total = std::accumulate(paints.of.begin(), paints.of.end(), 0);
        EXPECT_LE(total, outside) << paints.of.size() << " widgets painted, "
                                  << qPrintable(paints.of.isEmpty()
                                                    ? QString()
                                                    : paints.of.begin().key()->objectName());
        paints.of.clear();
        form->GiroXUp();
        form->TimeGiroTimer();
        form->GiroNull();
        QTest::qWait(300);
        EXPECT_GE(paints.of.value(shown), 1);
        EXPECT_LE(paints.of.value(shown), 1 + outside);
        qApp->removeEventFilter(&paints);
        QApplication::setCursorFlashTime(flash);
    }
    // Picks an item of a combo box from its list (its click event).
    static void pick(QComboBox *box, const QString &item)
    {
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << qPrintable(item);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    ProgramWindows w;
    TForm1 *form = nullptr;
    TFormCPanel *panel = nullptr;
    TVx3DWorld *view = nullptr;
    TVx3DWorldGL *gl = nullptr;
};

} // namespace molvix::test
