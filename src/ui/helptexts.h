#pragma once

#include <QString>

class GraphsWindow;
class ProcessWindow;
class DiffusionWindow;
class TForm1;
class TForm3;
class TFormCPanel;

// The short help the program gives beside the handbook: a "What's This"
// text on every control (what it means and in which units), and the list
// of keys each window shows as its tooltip.
namespace molvix::ui {

void explainControls(TForm1 *form);
void explainControls(TFormCPanel *panel);
void explainControls(TForm3 *credits);
void explainControls(GraphsWindow *graphs);
void explainControls(ProcessWindow *processes);
void explainControls(DiffusionWindow *diffusion);

// The keys that work in every window; the main window's list adds its own.
QString keysToolTip(bool mainWindow);

// Shift+F1: the text of the control with the keyboard focus, shown beside
// it; with no such control, the "?" mode, in which the next click on a
// control shows its text.
void explainFocus();

} // namespace molvix::ui
