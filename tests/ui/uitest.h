#pragma once

#include "controlpanel.h"
#include "creditswindow.h"
#include "gas.h"
#include "mainwindow.h"
#include "program.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>

// QStrings in test messages as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace molvix::test {

// Counts the paint events every widget of the program receives while it
// lives, and which widgets got them.
class PaintCounter : public QObject
{
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        QApplication::setCursorFlashTime(m_flashTime);
    }
    PaintCounter(const PaintCounter &) = delete;
    PaintCounter &operator=(const PaintCounter &) = delete;

    int total = 0;
    QMap<QString, int> byWidget;
    int of(const QObject *w) const { return byWidget.value(w->objectName()); }
    QString summary() const
    {
        QStringList parts;
        for (auto it = byWidget.cbegin(); it != byWidget.cend(); ++it) {
            parts << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
        }
        return parts.join(QStringLiteral(", "));
    }

    // Lets the program settle for a moment, then counts afresh for the given
    // time. The text cursor does not blink meanwhile: it is the one thing
    // that rightly paints in a program at rest.
    void countAtRest(int milliseconds)
    {
        QApplication::setCursorFlashTime(0);
        QTest::qWait(100);
        reset();
        QTest::qWait(milliseconds);
    }
    void reset()
    {
        total = 0;
        byWidget.clear();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++total;
            const QString name = watched->objectName();
            ++byWidget[name.isEmpty() ? QString::fromLatin1(watched->metaObject()->className())
                                      : name];
        }
        return false;
    }

private:
    int m_flashTime = QApplication::cursorFlashTime();
};

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
