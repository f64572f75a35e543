#pragma once

#include "gas.h"
#include "pvfit.h"
#include "readinglog.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class PvChartView;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QPushButton;

// The window "Procesos": how the piston behaves (fixed, moving, under load)
// and the heat bath, the energy ledger (W, Q, ΔU, the shares per axis) and
// the P–V diagram of the readings since the ledger was last put to zero,
// with the exponent fitted to it. It records every reading, hidden or not,
// and redraws only while shown, at most five times a second.
class ProcessWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRedrawEvery = 200; // ms between two redraws at most

    // BoxEmbolo's items, by index: the piston modes in their order.
    enum EmboloItem
    {
        kFijo = 0,
        kMovil = 1,
        kConCarga = 2
    };

    // Works on the given gas (the program's one by default) and listens to
    // its readings from the start, hidden or not.
    explicit ProcessWindow(Gas *gas = nullptr, QWidget *parent = nullptr);
    ~ProcessWindow() override;

    // Every reading, as the gas hands it over: all of them since the reset
    // go into the fit and the export, and the diagram draws a thinned path
    // of them however many there are. A change of the particle count starts
    // the path afresh, as it does the gas's ledger.
    void addReading(const GasReading &reading);

    // The controls' values into the gas's process settings.
    void applySettings();
    // While a mixture is on the piston stays fixed and there is no bath
    // (the piston's impacts and the bath's draws take unit masses): their
    // controls are disabled and LabelMezcla says why.
    void setMixtureLock(bool locked);
    bool mixtureLocked() const { return m_mixtureLock; }
    // "Poner a cero": the ledger and the path start again from now.
    void BtnCeroClick();
    // "Exportar CSV": asks for a file and writes the readings since the
    // reset there, with the process columns; on failure says why and keeps
    // them.
    void BtnExportarCSVClick();
    // The save dialog; tests put their own answer here. Empty cancels.
    std::function<QString()> askPath;
    // The file type chosen in the dialog.
    CsvDialect exportDialect = CsvDialect::Plain;

    const std::vector<GasReading> &readings() const { return m_readings; }
    // Redraws the ledger, the diagram and the fit now.
    void redraw();
    int redraws() const { return m_redraws; }

    // What the window says of the exponent fitted to a path: the value and
    // its error where the path is a power law, what it is otherwise.
    static QString fitText(const std::vector<PvPoint> &path);
    // The decimals (2 to 4) at which the ledger's W + Q adds up to ΔU as
    // shown; 2 where none does.
    static int ledgerDecimals(double work, double heat, double change);

    // Controls and the chart, with their names as object names.
    QFrame *Panel1;
    QLabel *LabelEmbolo;
    QComboBox *BoxEmbolo;
    QLabel *LabelVelEmbolo;
    QDoubleSpinBox *SpinVelEmbolo;
    QLabel *LabelCarga;
    QDoubleSpinBox *SpinCarga;
    QLabel *LabelMasa;
    QDoubleSpinBox *SpinMasa;
    QLabel *LabelBano;
    QComboBox *BoxBano;
    QLabel *LabelTempBano;
    QDoubleSpinBox *SpinTempBano;
    QLabel *LabelMezcla;
    QLabel *LabelBalance;
    QLabel *LabelTrabajo;
    QLabel *LabelCalor;
    QLabel *LabelDeltaU;
    QLabel *LabelReparto;
    QPushButton *BtnCero;
    QLabel *LabelDiagrama;
    PvChartView *ChartPV;
    QLabel *LabelAjuste;
    QPushButton *BtnExportarCSV;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    void describeControls();
    void showSettings();
    void enableControls();
    void limitLoad(); // the load spin box up to what the mass can carry
    void redrawLedger();
    void redrawDiagram();

    Gas *m_gas;
    int32_t m_readingListener = 0;
    std::vector<GasReading> m_readings; // since the last reset
    int64_t m_series = -1; // the gas's series the readings come from
    bool m_bathChosen = false; // the user has set the bath's temperature here
    QTimer m_redrawTimer;
    int m_redraws = 0;
    bool m_showing = false; // the controls are being set from the gas
    bool m_mixtureLock = false;
};
