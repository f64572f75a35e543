// Turns the fuzzer's bytes into what a user does to the real windows: the
// control panel's bars, typed counts, combo texts typed or picked, the arrow
// buttons held and let go, the reset labels, the buttons, window sizes down
// to 0 x 0, and animation ticks. After every action the gas and the panel
// must still agree with each other and with the box.
#include "clicklabel.h"
#include "controlpanel.h"
#include "fatalerror.h"
#include "gas.h"
#include "invariants.h"
#include "mainwindow.h"
#include "navigation.h"
#include "program.h"
#include "ticktimer.h"
#include "vx3dworld.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using molvix::test::YBound;

namespace {

// Reads the input a byte at a time; past its end every byte is 0.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_at >= m_size; }
    uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Texts a user might leave in a yes/no box: the two choices, near misses and
// whatever the bytes spell.
QString comboText(Bytes &in)
{
    static const char *const known[] = {"SI", "NO", "si", "S", "", "SIN", "NO ", " SI", "N", "Sí"};
    const uint8_t pick = in.next();
    if (pick < 200) {
        return QString::fromUtf8(known[pick % std::size(known)]);
    }
    QString text;
    for (int n = pick % 4; n > 0; --n) {
        text += QChar(0x20 + in.next() % 0x5F);
    }
    return text;
}

// A count as typed: digits, blanks, signs, prefixes and stray letters.
QString countText(Bytes &in)
{
    static const char alphabet[] = " \t+-$xX0123456789012345678901234aAfFgz.";
    QString text;
    for (int n = in.next() % 12; n > 0; --n) {
        text += QChar(alphabet[in.next() % (sizeof alphabet - 1)]);
    }
    return text;
}

// Types a text into an edit key by key. QTest's own typing knows only
// ASCII keys; a user's keyboard also sends letters such as "í".
void typeText(QWidget *edit, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

class Session
{
public:
    Session()
    {
        gas() = Gas();
        navigation() = ViewNavigation();
        TVx3DWorld::ResetSharedState();
        m_w = startProgram();
        m_form = m_w.Form1;
        m_panel = m_w.FormCPanel;
    }
    ~Session() { endProgram(m_w); }

    void run(Bytes &in)
    {
        check("start-up");
        for (int action = 0; action < kMaxActions && !in.done(); ++action) {
            apply(in);
            ++s_actions;
        }
    }

    static inline unsigned long long s_actions = 0;
    static inline unsigned long long s_ticks = 0;

private:
    static constexpr int kMaxActions = 400;

    void apply(Bytes &in)
    {
        const uint8_t op = in.next();
        const uint8_t arg = in.next();
        GasState &s = gas().state;
        const int32_t countBefore = s.NumPar;
        switch (op % 15) {
        case 0:
            m_panel->ScBarNPart->setValue(int(arg) - 20); // clamped by the bar
            break;
        case 1:
            m_panel->ScBarTemp->setValue(int(arg) - 20);
            break;
        case 2: {
            const int wall = m_panel->ScBarPared->value();
            m_panel->ScBarPared->setValue(int(arg) - 20);
            if (m_panel->ScBarPared->value() != wall) {
                m_bound = YBound::BelowWall; // folded to PosPared - 1 at most
            }
            break;
        }
        case 3:
            typeCount(countText(in), arg);
            break;
        case 4:
            typeCombo(yesNoBox(arg), comboText(in));
            break;
        case 5:
            pickCombo(yesNoBox(arg), arg / 3);
            break;
        case 6:
            press(arrow(arg));
            break;
        case 7:
            release();
            break;
        case 8:
            QTest::mouseClick(arg % 2 == 0 ? static_cast<QWidget *>(m_form->LabelZoom)
                                           : static_cast<QWidget *>(m_form->LabelGiro),
                              Qt::LeftButton);
            break;
        case 9:
        case 10:
            for (int t = 1 + arg % 64; t > 0; --t) {
                m_form->TimeLoopTimer();
                ++s_ticks;
            }
            m_bound = YBound::Box;
            break;
        case 11:
            for (int t = 1 + arg % 128; t > 0; --t) {
                m_form->TimeZoomTimer();
            }
            break;
        case 12:
            for (int t = 1 + arg; t > 0; --t) {
                m_form->TimeGiroTimer();
            }
            break;
        case 13:
            resize(arg % 2 == 0 ? static_cast<QWidget *>(m_form) : m_panel, in);
            break;
        default:
            button(arg);
            break;
        }
        if (s.NumPar > countBefore) {
            m_bound = YBound::Unchecked; // placed anywhere up to y = 85
        }
        check(("action " + std::to_string(op % 15)).c_str());
    }

    QComboBox *yesNoBox(uint8_t arg) const
    {
        QComboBox *const boxes[] = {m_panel->BoxDibVel, m_panel->BoxColi, m_form->BoxEjes};
        return boxes[arg % 3];
    }

    QToolButton *arrow(uint8_t arg) const
    {
        QToolButton *const arrows[] = {m_form->ZoomU,  m_form->ZoomD,  m_form->GiroXU,
                                       m_form->GiroXD, m_form->GiroYL, m_form->GiroYR};
        return arrows[arg % 6];
    }

    void typeCount(const QString &text, uint8_t arg)
    {
        QLineEdit *edit = m_panel->MaskNOfPar;
        if (text.contains(QLatin1Char('\t'))) {
            edit->setText(text); // a tab cannot be typed into a line edit: pasted
        } else {
            edit->clear();
            typeText(edit, text);
        }
        QTest::keyClick(edit, arg % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);
    }

    static void typeCombo(QComboBox *box, const QString &text)
    {
        box->lineEdit()->clear();
        typeText(box->lineEdit(), text);
    }

    static void pickCombo(QComboBox *box, int index)
    {
        index %= box->count();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void press(QToolButton *b)
    {
        release(); // one mouse: the button held before is let go first
        QTest::mousePress(b, Qt::LeftButton);
        m_held = b;
    }

    void release()
    {
        if (m_held != nullptr) {
            QTest::mouseRelease(m_held, Qt::LeftButton);
            m_held = nullptr;
        }
    }

    void resize(QWidget *window, Bytes &in)
    {
        const int width = in.next() * 4;
        const int height = in.next() * 4;
        window->resize(width, height);
        settle();
    }

    void button(uint8_t arg)
    {
        switch (arg % 6) {
        case 0:
            QTest::mouseClick(m_form->RBtnAni, Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(m_form->RBtnStop, Qt::LeftButton);
            break;
        case 2:
            QTest::mouseClick(m_form->BtnCPanel, Qt::LeftButton);
            break;
        case 3:
            QTest::mouseClick(m_form->BtnInfo, Qt::LeftButton);
            break;
        case 4:
            m_form->ShowOpenGLChoice();
            break;
        default:
            // Only "NO": picking "SI" switches to the OpenGL view, which
            // needs a display this run does not have.
            m_form->BoxOpenGL->setCurrentText(QStringLiteral("NO"));
            emit m_form->BoxOpenGL->activated(m_form->BoxOpenGL->currentIndex());
            break;
        }
        settle();
    }

    // Lets the window system deliver resizes and paints, with the timers
    // held back so that every tick comes from the input.
    void settle()
    {
        const bool loop = m_form->TimeLoop->isActive();
        const bool zoom = m_form->TimeZoom->isActive();
        const bool giro = m_form->TimeGiro->isActive();
        m_form->TimeLoop->stop();
        m_form->TimeZoom->stop();
        m_form->TimeGiro->stop();
        QCoreApplication::processEvents();
        if (loop) {
            m_form->TimeLoop->start();
        }
        if (zoom) {
            m_form->TimeZoom->start();
        }
        if (giro) {
            m_form->TimeGiro->start();
        }
    }

    void check(const char *after)
    {
        std::string problem = molvix::test::gasProblem(gas().state, m_bound);
        if (problem.empty()) {
            problem = molvix::test::panelProblem(*m_panel, gas().state);
        }
        if (!problem.empty()) {
            std::fprintf(stderr, "after %s: %s\n", after, problem.c_str());
            std::abort();
        }
    }

    ProgramWindows m_w;
    TForm1 *m_form = nullptr;
    TFormCPanel *m_panel = nullptr;
    QToolButton *m_held = nullptr;
    YBound m_bound = YBound::Unchecked; // start-up places particles anywhere up to 85
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Misuse of a view would end the run with code 1, which the fuzzer
    // reports; the text goes to stderr rather than to a modal box.
    molvix::setFatalErrorPresenter([](const QString &caption, const QString &text) {
        std::fprintf(stderr, "[%s]\n%s\n", qPrintable(caption), qPrintable(text));
    });
    // Never destroyed: the fuzzer ends the process with exit(), and Qt's
    // input devices must not be torn down after the platform they belong to.
    static QApplication *const app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    std::atexit([] {
        std::fprintf(stderr, "user actions applied: %llu, ticks run: %llu\n", Session::s_actions,
                     Session::s_ticks);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes in(data, size);
    Session session;
    session.run(in);
    return 0;
}
