#include "fatalerror.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace molvix {
namespace {

void defaultPresenter(const QString &caption, const QString &text)
{
    // Always leave a trace on stderr: the box may never be seen (no display,
    // or a run from a terminal).
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr) {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok | QMessageBox::Cancel);
        // The box's buttons read "OK" and "Cancel" whatever language Qt's own
        // texts are in.
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancel"));
        box.exec();
    }
}

FatalErrorPresenter &currentPresenter()
{
    static FatalErrorPresenter presenter = defaultPresenter;
    return presenter;
}

} // namespace

FatalErrorPresenter setFatalErrorPresenter(FatalErrorPresenter presenter)
{
    FatalErrorPresenter previous = currentPresenter();
    currentPresenter() = presenter ? std::move(presenter) : FatalErrorPresenter(defaultPresenter);
    return previous;
}

QString formatFatalError(const char *function, const char *message)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "Error in function %s\n%s", function ? function : "",
                  message ? message : "");
    return QString::fromLatin1(buffer);
}

void reportFatalError(const char *caption, const char *function, const char *message)
{
    currentPresenter()(QString::fromLatin1(caption), formatFatalError(function, message));
    std::fflush(nullptr);
    // No unwinding and no static destructors: the program state is known to
    // be broken, and only the exit code matters from here on.
    std::_Exit(1);
}

} // namespace molvix
