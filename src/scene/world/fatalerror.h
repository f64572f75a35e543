#pragma once

#include <QString>

#include <functional>

// The one way a scene view reports misuse: the text is shown to the user,
// then the process ends with exit code 1, whatever the user answered.
namespace molvix {

// Shows a fatal error's caption and text; returns when the user has seen it.
using FatalErrorPresenter = std::function<void(const QString &caption, const QString &text)>;

// Replaces how fatal errors are presented (tests read the text instead of a
// modal box). An empty function restores the default presenter. Returns the
// previous presenter.
FatalErrorPresenter setFatalErrorPresenter(FatalErrorPresenter presenter);

// Formats "Error in function %s\n%s" into a 256-byte buffer (cut, never
// overrun) exactly as the views' reporters do; exposed for tests.
QString formatFatalError(const char *function, const char *message);

// Presents "Error in function <function>\n<message>" under the caption and
// ends the process with exit code 1.
[[noreturn]] void reportFatalError(const char *caption, const char *function, const char *message);

} // namespace molvix
