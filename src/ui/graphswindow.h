#pragma once

#include "gas.h"
#include "historychartview.h"
#include "readinglog.h"
#include "speedchartview.h"
#include "speeds.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QAreaSeries;
class QFrame;
class QLabel;
class QLineSeries;
class QPushButton;

// The instruments window "Gráficas": the speed distribution against
// Maxwell–Boltzmann, the history of the readings, and the ideal-gas check
// with the mean pressure and temperature since the last change (of the
// panel's settings or the process's).
// It records from start-up, hidden or not: a speed snapshot every 50 ticks
// (afterTick) and every reading the gas hands over. The charts are redrawn
// only while the window is shown, each at most five times a second, one
// part at a time so that no redraw holds the animation up for long.
class GraphsWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSampleEvery = kSpeedSampleTicks; // ticks between speed snapshots
    static constexpr int kSnapshots = 100;       // snapshots pooled: the last 5 000 ticks
    static constexpr int kRedrawStep = 40;       // ms between the redraws of two parts
    // Pixels: the height it opens at (its frame comes on top), and the
    // least each chart gets however small the window is made.
    static constexpr int kOpenHeight = 640;
    static constexpr int kSpeedChartMinHeight = 170;
    static constexpr int kHistoryChartMinHeight = 100;

    // The parts redrawn one per step, in this order: each comes round every
    // kParts steps (200 ms), so at most five times a second.
    enum Part
    {
        Histogram,
        Distance,
        Pressure,
        Temperature,
        Energy,
        kParts
    };

    // Records the given gas (the program's one by default) and takes over
    // its reading hook.
    explicit GraphsWindow(Gas *gas = nullptr, QWidget *parent = nullptr);
    ~GraphsWindow() override;

    // Called after every tick (the main window's gasChanged): every
    // kSampleEvery ticks a snapshot of the live particles' speeds. Costs a compare otherwise.
    void afterTick()
    {
        if (m_gas->ticks % kSampleEvery == 0) {
            takeSnapshot();
        }
    }
    // Every reading, as the gas hands it over.
    void addReading(const GasReading &reading);

    // "Exportar CSV": asks for a file and writes the whole history there;
    // on failure says why and keeps the history.
    void BtnExportarCSVClick();
    // The save dialog; tests put their own answer here. An empty path
    // cancels.
    std::function<QString()> askPath;
    // The file type chosen in the dialog: the plain CSV or the spreadsheet
    // one of decimal-comma locales.
    CsvDialect exportDialect = CsvDialect::Plain;

    const ReadingLog &log() const { return m_log; }
    const SpeedSampler &sampler() const { return m_sampler; }
    // How often a part has been redrawn (the coalescing is observable).
    int redraws(Part part) const { return m_redraws[part]; }
    // Redraws every part now, whatever the timer says.
    void redraw();

    // Controls and charts, with their names as object names.
    QFrame *Panel1;
    QLabel *LabelVelocidades;
    SpeedChartView *ChartVelocidades;
    QAreaSeries *SerieHistograma;
    QLineSeries *SerieMaxwell;
    QLabel *LabelKS;
    QLabel *LabelMuestras;
    QLabel *LabelNota;
    QLabel *LabelEstadoVel; // the empty state of the distribution, when there is one
    QLabel *LabelHistoria;
    HistoryChartView *ChartPresion;
    HistoryChartView *ChartTemperatura;
    HistoryChartView *ChartEnergia;
    QLabel *LabelEstadoHist; // "no readings yet"
    QLabel *LabelLeyGases;
    QLabel *LabelCociente;
    QPushButton *BtnExportarCSV;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    void describeControls();
    void takeSnapshot();
    void dataChanged(unsigned parts);
    void redrawStep();
    void redrawPart(Part part);
    void redrawHistogram();
    void redrawDistance();
    void redrawHistory(Part part);
    void redrawRatio();
    bool samplesAreCurrent() const;
    // The speeds to draw, or why there are none (then the list is empty).
    std::vector<double> currentSpeeds(QString *emptyState) const;

    Gas *m_gas;
    int32_t m_readingListener = 0;
    SpeedSampler m_sampler{kSnapshots};
    // The settings the pooled snapshots were taken under: a new count or
    // temperature setting gives the gas new speeds, so the old ones go.
    int64_t m_sampledSeries = -1;
    int32_t m_sampledTemp = -1;
    ReadingLog m_log;
    ProcessSettings m_process; // as at the last reading
    QTimer m_redrawTimer;
    int m_nextPart = Histogram;
    unsigned m_pending = 0; // parts with news since their last redraw
    int m_redraws[kParts] = {};
};
