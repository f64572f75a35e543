#include "program.h"

#include "controlpanel.h"
#include "creditswindow.h"
#include "graphswindow.h"
#include "handbookwindow.h"
#include "helptexts.h"
#include "language.h"
#include "mainwindow.h"
#include "processwindow.h"
#include "diffusionwindow.h"

#include <QIcon>
#include <QMessageBox>
#include <QScrollBar>

#include <exception>

MolvixApplication::MolvixApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Molvix"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/molvix.png")));
}

bool MolvixApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, applicationName(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, applicationName(), tr("Error desconocido"));
    }
    return false;
}

ProgramWindows startProgram()
{
    ProgramWindows w;
    w.Form1 = new TForm1;
    w.FormCPanel = new TFormCPanel;
    w.Form3 = new TForm3;
    w.Form1->FormCPanel = w.FormCPanel;
    w.Form1->Form3 = w.Form3;
    w.Form1->show();
    w.FormCPanel->show();
    // The instruments record from the start, hidden until asked for.
    w.Graficas = new GraphsWindow;
    w.Form1->Graficas = w.Graficas;
    // The velocities the start-up gave are where the ledger starts from, not
    // heat put in: the window opens on W = Q = ΔU = 0.
    gas().resetLedger();
    w.Procesos = new ProcessWindow;
    w.Form1->Procesos = w.Procesos;
    w.Difusion = new DiffusionWindow;
    w.Form1->attachDiffusion(w.Difusion, w.FormCPanel->BtnDifusion);
    // The instruments sample the gas after every tick, in this order; a
    // window that goes is disconnected with it.
    QObject::connect(w.Form1, &TForm1::gasChanged, w.Graficas,
                     [graphs = w.Graficas](GasChange) { graphs->afterTick(); });
    QObject::connect(w.Form1, &TForm1::gasChanged, w.Difusion,
                     [diffusion = w.Difusion](GasChange) { diffusion->afterTick(); });
    {
        TForm1 *form = w.Form1;
        TFormCPanel *panel = w.FormCPanel;
        w.Difusion->mixtureChanged = [form] { form->mixtureChanged(); };
        w.Difusion->classicCount = [panel] { return panel->ScBarNPart->value(); };
        panel->mixtureViewsChanged = [form] { form->mixtureChanged(); };
    }
    w.Ayuda = new HandbookWindow(molvix::i18n::currentLanguage());
    w.Form1->Ayuda = w.Ayuda;
    // Every control says what it is on Shift+F1; every window lists its keys.
    molvix::ui::explainControls(w.Form1);
    molvix::ui::explainControls(w.FormCPanel);
    molvix::ui::explainControls(w.Form3);
    molvix::ui::explainControls(w.Graficas);
    molvix::ui::explainControls(w.Procesos);
    molvix::ui::explainControls(w.Difusion);
    for (QWidget *window : {static_cast<QWidget *>(w.FormCPanel), static_cast<QWidget *>(w.Form3),
                            static_cast<QWidget *>(w.Graficas), static_cast<QWidget *>(w.Procesos),
                            static_cast<QWidget *>(w.Difusion), static_cast<QWidget *>(w.Ayuda)}) {
        if (window->toolTip().isEmpty()) {
            window->setToolTip(molvix::ui::keysToolTip(false));
        }
    }
    return w;
}

void endProgram(ProgramWindows &windows)
{
    if (windows.Form1 != nullptr) {
        windows.Form1->Graficas = nullptr;
        windows.Form1->Ayuda = nullptr;
        windows.Form1->Procesos = nullptr;
        windows.Form1->Difusion = nullptr;
    }
    delete windows.Ayuda;
    delete windows.Difusion;
    delete windows.Procesos;
    delete windows.Graficas;
    delete windows.Form3;
    delete windows.FormCPanel;
    delete windows.Form1;
    windows = {};
}
