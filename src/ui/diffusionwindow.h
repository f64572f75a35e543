#pragma once

#include "displacement.h"
#include "gas.h"
#include "readinglog.h"
#include "speeds.h"

#include <QWidget>

#include <functional>
#include <vector>

class FocusChartView;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QLineSeries;
class QPushButton;
class QSpinBox;
class QTimer;
class QValueAxis;
class SpeedChartView;

// The window "Difusión": two species in the gas, the divider and its hole,
// the heavy particle and the traced one, and what they show against kinetic
// theory: the counts on each side, the rates of effusion (Graham's law), the
// free paths (their distribution and mean), the mean-square displacement
// (the diffusion coefficient) and the heavy particle's speeds (their mean
// square and distribution against Maxwell–Boltzmann at the gas's k T / M).
// It samples the gas while a mixture is on, hidden or not, and redraws only
// while shown, at most twice a second.
class DiffusionWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRedrawEvery = 500; // ms between two redraws at most
    static constexpr int kSampleTicks = 20;  // ticks between two samples
    static constexpr size_t kMsdLags = 100;


    // BoxPared's items, by index: the divider's kinds in the gas's order.
    enum ParedItem
    {
        kNinguna = 0,
        kSolida = 1,
        kConAgujero = 2
    };

    explicit DiffusionWindow(Gas *gas = nullptr, QWidget *parent = nullptr);
    ~DiffusionWindow() override;

    // One sample of the counts and effusion rates, at the gas's time since
    // the mixture began.
    struct Sample
    {
        double t = 0;
        int32_t aLeft = 0, aRight = 0, bLeft = 0, bRight = 0;
        double rateA = 0, rateB = 0; // per particle on the left per unit time
    };

    // The settings the controls show.
    MixtureSettings shownSettings() const;
    // "Aplicar": a new mixture with the settings shown (the piston fixed and
    // no bath: their physics takes unit masses).
    void BtnAplicarClick();
    // "Quitar la pared": the gases may mix from now.
    void BtnQuitarParedClick();
    // "Volver al gas clásico": the classic gas with the control panel's count.
    void BtnVolverClick();
    // The traced particle's number.
    void SpinTrazadaChange();
    // "Exportar CSV": the samples since the mixture began.
    void BtnExportarCSVClick();

    // After every tick of the gas (the main window calls it).
    void afterTick();
    // The state of the gas into the buttons and texts (a mixture begun or
    // ended elsewhere).
    void followGas();

    // Called after the window changed the mixture (begun, divider removed,
    // ended, traced particle): the views and the other windows follow.
    std::function<void()> mixtureChanged;
    // The control panel's particle count, for the way back.
    std::function<int32_t()> classicCount;
    // The save dialog; tests put their own answer here. Empty cancels.
    std::function<QString()> askPath;
    CsvDialect exportDialect = CsvDialect::Plain;
    // The points drawn of a curve at most (about): a long run is kept whole
    // for the export and drawn thinned.
    size_t chartPoints = 1000;

    const std::vector<Sample> &samples() const { return m_samples; }
    // The samples as CSV text in the plain dialect.
    static std::string samplesCsv(const std::vector<Sample> &samples);
    // What experiment the settings set up, in one line.
    static QString experimentText(const MixtureSettings &settings);
    // The time the counts of each species present first came within 10 %
    // of even (|left - right| at most a tenth of the species' count), from
    // `from` on; negative while they have not.
    static double mixTime(const std::vector<Sample> &samples, double from);
    // The figures, measured against theory, as the window shows them.
    QString figuresText() const;

    void redraw();
    int redraws() const { return m_redraws; }

    // Controls and charts, with their names as object names.
    QFrame *Panel1;
    QLabel *LabelNumA, *LabelRadioA, *LabelNumB, *LabelMasaB, *LabelRadioB, *LabelPared,
        *LabelAgujero, *LabelMasaPesada, *LabelRadioPesada, *LabelTrazada;
    QSpinBox *SpinNumA, *SpinNumB, *SpinTrazada;
    QDoubleSpinBox *SpinRadioA, *SpinMasaB, *SpinRadioB, *SpinAgujero, *SpinMasaPesada,
        *SpinRadioPesada;
    QComboBox *BoxPared;
    QPushButton *BtnAplicar, *BtnQuitarPared, *BtnVolver, *BtnExportarCSV;
    QLabel *LabelExperimento, *LabelAviso, *LabelCifras;
    FocusChartView *ChartLados, *ChartEfusion, *ChartCaminos, *ChartMSD;
    SpeedChartView *ChartRapidez;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    void describeControls();
    void enableControls();
    void startSeries();
    // The measures that depend on the temperature, afresh at the gas's.
    void restartThermalMeasures();
    void sample();
    void redrawCharts();
    void redrawHeavySpeeds();
    // The line MSD = 6 D t + c fitted where the curve is straight: from ten
    // collision times on, below a twentieth of where the box's walls level
    // it off.
    DisplacementLog::Fit msdFit(const std::vector<DisplacementLog::Point> &curve) const;
    // The hard spheres' D of the heavy particle, or else of the traced
    // one's species, in the gas as it is; NaN without one.
    double followedSpeciesTheoryD() const;
    // Collisions per particle per unit time since the tally was reset.
    double measuredCollisionRate() const;

    Gas *m_gas;
    std::vector<Sample> m_samples;
    MsdAccumulator m_msd{kMsdLags};
    int64_t m_startTick = 0;
    bool m_refused = false; // the last "Aplicar" asked for too full a box
    int32_t m_series = -1;
    int32_t m_temperature = -1; // the setting the thermal measures were taken at
    double m_mixFrom = 0;        // when the gases were let mix
    double m_heavyV2Sum = 0;     // the heavy particle's v^2 over the samples
    int64_t m_heavyV2Count = 0;
    ThinnedSpeeds m_heavySpeeds; // and its speeds, for their distribution
    int m_redraws = 0;
    bool m_dirty = false;
    QTimer *m_redrawTimer;
    // Series of the charts.
    std::vector<QLineSeries *> m_sideSeries;
    std::vector<QLineSeries *> m_rateSeries;
    QLineSeries *m_pathSeries, *m_pathTheory, *m_pathMean;
    QLineSeries *m_msdSeries, *m_msdFit;
};
