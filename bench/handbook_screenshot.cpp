// The handbook as F1 opens it in the real program, on a page (the Boyle
// experiment by default). Saves the window's picture and says what F1 did.
// Spanish unless --lang names another language. Needs a display (Xvfb):
//   handbook_screenshot [--lang CODE] docs/handbook-es.png [page.html]
#include "creditswindow.h"
#include "handbookwindow.h"
#include "mainwindow.h"
#include "program.h"
#include "screenshottool.h"

#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = MolvixApplication::arguments();
    if (!molvix::bench::installArgumentLanguage(args)) {
        return 1;
    }
    const QStringList rest = molvix::bench::argumentsBesideLanguage(args);
    const QString out = !rest.isEmpty() ? rest.at(0) : QStringLiteral("handbook.png");
    const QString page = rest.size() > 1 ? rest.at(1) : QStringLiteral("boyle.html");

    ProgramWindows w = startProgram();
    w.Form1->activateWindow();
    if (!QTest::qWaitForWindowActive(w.Form1)) {
        std::fprintf(stderr, "the main window was never active\n");
        return 1;
    }
    QTest::keyClick(w.Form1, Qt::Key_F1);
    if (!QTest::qWaitForWindowExposed(w.Ayuda)) {
        std::fprintf(stderr, "F1 did not open the handbook\n");
        return 1;
    }
    w.Ayuda->move(40, 40);
    w.Ayuda->showPage(page);
    QTest::qWait(300);
    std::printf("F1 opened \"%s\" on %s; the credits window is %s\n",
                qPrintable(w.Ayuda->windowTitle()), qPrintable(w.Ayuda->currentPage()),
                w.Form3->isVisible() ? "shown" : "hidden");
    const bool saved = w.Ayuda->grab().save(out);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
    endProgram(w);
    return saved ? 0 : 1;
}
