#pragma once

#include <QApplication>

class TForm1;
class TFormCPanel;
class TForm3;
class GraphsWindow;
class HandbookWindow;
class ProcessWindow;
class DiffusionWindow;
// instruments window "Gráficas", the window "Procesos" and the handbook
// "Ayuda", hidden, the handbook in the interface's language.

// The application: an exception that escapes a handler is shown to the user
// and the message loop goes on.
class MolvixApplication : public QApplication
{
    Q_OBJECT

public:
    MolvixApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// The three windows, created in the order main window, control panel,
// credits window; the first two shown, the credits hidden. Then the
// instruments window "Gráficas", the windows "Procesos" and "Difusión" and
// the handbook "Ayuda", hidden, the handbook in the interface's language.
struct ProgramWindows
{
    TForm1 *Form1 = nullptr;
    TFormCPanel *FormCPanel = nullptr;
    TForm3 *Form3 = nullptr;
    GraphsWindow *Graficas = nullptr;
    ProcessWindow *Procesos = nullptr;
    DiffusionWindow *Difusion = nullptr;
    HandbookWindow *Ayuda = nullptr;
};

ProgramWindows startProgram();
// Releases the windows in the reverse order of their creation.
void endProgram(ProgramWindows &windows);
