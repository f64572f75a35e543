#pragma once

#include "atmospherecharts.h"
#include "gas.h"
#include "mixturerecorder.h"
#include "readinglog.h"

#include <QWidget>

#include <functional>
#include <vector>

class FocusChartView;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QGridLayout;
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
// square and distribution against Maxwell–Boltzmann at the gas's k T / M);
// under a field, the layers along the height against the barometric law;
// and Z against the packing, this gas's and the earlier settings' points.
// It samples the gas while a mixture is on, hidden or not, and redraws only
// while shown, at most twice a second.
class DiffusionWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRedrawEvery = 500; // ms between two redraws at most
    static constexpr int kSampleTicks = MixtureRecorder::kSampleTicks;

    // BoxPared's items, by index: the divider's kinds in the gas's order.
    enum ParedItem
    {
        kNinguna = 0,
        kSolida = 1,
        kConAgujero = 2
    };

    explicit DiffusionWindow(Gas *gas = nullptr, QWidget *parent = nullptr);
    ~DiffusionWindow() override;

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

    // The counts per side and the effusion rates since the mixture began.
    const std::vector<MixtureRecorder::Sample> &samples() const { return m_recorder.samples(); }
    // What experiment the settings set up, in one line.
    static QString experimentText(const MixtureSettings &settings);
    // The figures, measured against theory, as the window shows them.
    QString figuresText() const;
    MixtureRecorder::Figures figures() const { return m_recorder.figures(*m_gas); }
    // The layers along the height, as the core measured them.
    std::vector<HeightProfile::Row> profileRows() const { return m_recorder.profileRows(*m_gas); }

    void redraw();
    int redraws() const { return m_redraws; }

    // Controls and charts, with their names as object names.
    QFrame *Panel1;
    QLabel *LabelNumA, *LabelRadioA, *LabelNumB, *LabelMasaB, *LabelRadioB, *LabelPared,
        *LabelAgujero, *LabelMasaPesada, *LabelRadioPesada, *LabelTrazada, *LabelGravedad;
    QSpinBox *SpinNumA, *SpinNumB, *SpinTrazada;
    QDoubleSpinBox *SpinRadioA, *SpinMasaB, *SpinRadioB, *SpinAgujero, *SpinMasaPesada,
        *SpinRadioPesada, *SpinGravedad;
    QComboBox *BoxPared;
    QPushButton *BtnAplicar, *BtnQuitarPared, *BtnVolver, *BtnExportarCSV;
    QLabel *LabelExperimento, *LabelAviso, *LabelCifras;
    FocusChartView *ChartLados, *ChartEfusion, *ChartCaminos, *ChartMSD;
    SpeedChartView *ChartRapidez;
    ProfileChartView *ChartPerfil;
    ZChartView *ChartZ;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    QGridLayout *buildSettings();
    QGridLayout *buildCharts();
    void describeControls();
    void enableControls();
    void startSeries();
    void redrawCharts();
    void redrawPaths(const MixtureRecorder::Figures &figures);
    void redrawHeavySpeeds();
    // The present gas's Z and its packing (NaN before it is measured).
    ZChartView::Point zPoint() const;

    Gas *m_gas;
    MixtureRecorder m_recorder;
    bool m_refused = false;     // the last "Aplicar" asked for too full a box
    bool m_refusedHalf = false; // its half of the box, behind the divider
    int32_t m_series = -1;
    int m_redraws = 0;
    bool m_dirty = false;
    QTimer *m_redrawTimer;
    // Series of the charts.
    std::vector<QLineSeries *> m_sideSeries;
    std::vector<QLineSeries *> m_rateSeries;
    QLineSeries *m_pathSeries, *m_pathTheory, *m_pathMean;
    QLineSeries *m_msdSeries, *m_msdFit;
    // Z of the settings applied here before the present one: a sweep by hand.
    std::vector<ZChartView::Point> m_zEarlier;
};
