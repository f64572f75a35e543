// Shared main of the GoogleTest executables: one QApplication for the whole
// run, and fatal errors written to stderr (no modal box) so death tests can
// match their exact text.
#include "fatalerror.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS(); // test discovery needs no display
    }
    // Qt may start threads; death tests then re-execute the binary instead
    // of forking a copy of them.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    molvix::setFatalErrorPresenter([](const QString &caption, const QString &text) {
        std::fprintf(stderr, "[%s]\n%s\n", qPrintable(caption), qPrintable(text));
    });
    return RUN_ALL_TESTS();
}
