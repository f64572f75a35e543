// Shared main of the GoogleTest executables: one QApplication for the whole
// run, and fatal errors written to stderr (no modal box) so death tests can
// match their exact text.
#include "fatalerror.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#endif

namespace {

// Mesa unloads its driver when the display closes at exit, and the driver's
// static data goes with it: LeakSanitizer then finds the blocks that data
// held unreferenced, with stacks it can no longer name, and cannot tell them
// from ours. Kept loaded (RTLD_NODELETE), the driver's blocks stay reachable.
void keepTheOpenGLDriverLoaded()
{
#if defined(__SANITIZE_ADDRESS__)
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        return; // no OpenGL in this run
    }
    for (const char *driver : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                               "/usr/lib/dri/swrast_dri.so"}) {
        if (dlopen(driver, RTLD_NOW | RTLD_NODELETE) != nullptr) {
            return;
        }
    }
#endif
}

} // namespace

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
    keepTheOpenGLDriverLoaded();
    QApplication app(argc, argv);
    molvix::setFatalErrorPresenter([](const QString &caption, const QString &text) {
        std::fprintf(stderr, "[%s]\n%s\n", qPrintable(caption), qPrintable(text));
    });
    return RUN_ALL_TESTS();
}
