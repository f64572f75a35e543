#include "diffusionwindow.h"

#include "chartexport.h"
#include "chartstyle.h"
#include "controls.h"
#include "csvfiles.h"
#include "csvsavedialog.h"
#include "focuschartview.h"
#include "freepath.h"
#include "savefolder.h"
#include "speedchartview.h"

#include <QAreaSeries>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

using molvix::ui::describe;
using molvix::ui::kNavyColour;
using molvix::ui::shownItem;
using molvix::ui::shownNumber;
using molvix::ui::textLabel;

namespace {

// Both axes from 0 to a round end above the largest point shown.
void fitAxes(QChart *chart)
{
    double xMax = 0, yMax = 0;
    for (QAbstractSeries *a : chart->series()) {
        for (const QPointF &p : static_cast<QLineSeries *>(a)->points()) {
            if (std::isfinite(p.x()) && std::isfinite(p.y())) {
                xMax = std::max(xMax, p.x());
                yMax = std::max(yMax, p.y());
            }
        }
    }
    const QList<QAbstractAxis *> x = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis *> y = chart->axes(Qt::Vertical);
    static_cast<QValueAxis *>(x.front())->setRange(0, molvix::ui::axisCeil(xMax));
    static_cast<QValueAxis *>(y.front())->setRange(0, molvix::ui::axisCeil(yMax));
}

} // namespace

DiffusionWindow::DiffusionWindow(Gas *gas, QWidget *parent)
    : QWidget(parent), m_gas(gas != nullptr ? gas : &::gas())
{
    setObjectName(QStringLiteral("Difusion"));
    setWindowTitle(tr("Difusión"));
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    describeControls();
    m_redrawTimer = new QTimer(this);
    m_redrawTimer->setSingleShot(true);
    connect(m_redrawTimer, &QTimer::timeout, this, [this] {
        if (m_dirty) {
            redraw();
        }
    });
    connect(BtnAplicar, &QPushButton::clicked, this, &DiffusionWindow::BtnAplicarClick);
    connect(BtnQuitarPared, &QPushButton::clicked, this, &DiffusionWindow::BtnQuitarParedClick);
    connect(BtnVolver, &QPushButton::clicked, this, &DiffusionWindow::BtnVolverClick);
    connect(BtnExportarCSV, &QPushButton::clicked, this, &DiffusionWindow::BtnExportarCSVClick);
    connect(SpinTrazada, &QSpinBox::valueChanged, this, &DiffusionWindow::SpinTrazadaChange);
    connect(SpinNumA, &QSpinBox::valueChanged, this, [this] { enableControls(); });
    connect(BoxPared, &QComboBox::currentTextChanged, this, [this] { enableControls(); });
    connect(SpinMasaPesada, &QDoubleSpinBox::valueChanged, this, [this] { enableControls(); });
    askPath = [this] { return CsvSaveDialog::askPath(this, tr("difusion.csv"), &exportDialect); };
    followGas();
}

DiffusionWindow::~DiffusionWindow() = default;

MixtureSettings DiffusionWindow::shownSettings() const
{
    MixtureSettings m;
    // The heavy particle takes one of the gas's slots.
    const int heavy = SpinMasaPesada->value() > 0 ? 1 : 0;
    m.aCount = std::min(SpinNumA->value(), kMixtureMaxCount - heavy);
    m.aRadius = static_cast<float>(SpinRadioA->value());
    m.bCount = std::min(SpinNumB->value(), kMixtureMaxCount - heavy - m.aCount);
    m.bMass = static_cast<float>(SpinMasaB->value());
    m.bRadius = static_cast<float>(SpinRadioB->value());
    switch (shownItem(BoxPared)) {
    case kSolida:
        m.divider = Divider::Solid;
        break;
    case kConAgujero:
        m.divider = Divider::Hole;
        break;
    default:
        m.divider = Divider::None;
        break;
    }
    m.holeSide = static_cast<float>(SpinAgujero->value());
    m.heavyMass = static_cast<float>(SpinMasaPesada->value());
    m.heavyRadius = static_cast<float>(SpinRadioPesada->value());
    m.gravity = static_cast<float>(SpinGravedad->value());
    return m;
}

QString DiffusionWindow::experimentText(const MixtureSettings &m)
{
    const QString field =
        m.gravity > 0
            ? QStringLiteral(" ") +
                  tr("Con la gravedad g = %1 cada especie se asienta hacia el suelo, con su "
                     "altura de escala kT/(m·g).")
                      .arg(shownNumber(m.gravity))
            : QString();
    switch (m.divider) {
    case Divider::Solid:
        return tr("Difusión: A empieza a la izquierda y B a la derecha de la pared; quítela y "
                  "mire cómo se mezclan.") +
               field;
    case Divider::Hole:
        return tr("Efusión (ley de Graham): A y B empiezan a la izquierda y la derecha está "
                  "vacía; pasan por el agujero.") +
               field;
    default:
        break;
    }
    if (m.heavyMass > 0) {
        return tr("Movimiento browniano: una partícula pesada entre las ligeras.") + field;
    }
    return tr("Camino libre medio y paseo al azar: las partículas repartidas por toda la caja.") +
           field;
}

void DiffusionWindow::BtnAplicarClick()
{
    const MixtureSettings m = shownSettings();
    // The setting now left behind keeps its point on the Z chart.
    const ZChartView::Point earlier = zPoint();
    // A box packed past the gas's limit leaves no room to lay the spheres
    // out without overlaps: refused, the gas as it was.
    m_refused = !m_gas->setMixture(m);
    m_refusedHalf = m_refused && m.divider != Divider::None;
    redraw(); // the refusal said, or taken back
    if (m_refused) {
        return;
    }
    if (std::isfinite(earlier.walls) || std::isfinite(earlier.virial)) {
        m_zEarlier.push_back(earlier);
    }
    m_gas->setTracedParticle(std::min(SpinTrazada->value(), m_gas->state.NumPar));
    startSeries();
    followGas();
    if (mixtureChanged) {
        mixtureChanged();
    }
}

void DiffusionWindow::BtnQuitarParedClick()
{
    if (!m_gas->dividerUp()) {
        return;
    }
    m_gas->removeDivider();
    m_recorder.dividerRemoved(*m_gas);
    followGas();
    if (mixtureChanged) {
        mixtureChanged();
    }
}

void DiffusionWindow::BtnVolverClick()
{
    if (!m_gas->mixture()) {
        return;
    }
    m_gas->endMixture(classicCount ? classicCount() : m_gas->state.NumPar);
    followGas();
    if (mixtureChanged) {
        mixtureChanged();
    }
}

void DiffusionWindow::SpinTrazadaChange()
{
    if (!m_gas->mixture()) {
        return;
    }
    // Another species' walk starts again at the next tick.
    m_gas->setTracedParticle(SpinTrazada->value());
    if (mixtureChanged) {
        mixtureChanged();
    }
}

void DiffusionWindow::startSeries()
{
    m_series = static_cast<int32_t>(m_gas->series());
    m_recorder.start(*m_gas);
    m_dirty = true;
}

void DiffusionWindow::followGas()
{
    const bool mix = m_gas->mixture();
    if (mix) {
        const QSignalBlocker quiet(SpinTrazada);
        SpinTrazada->setValue(m_gas->tracedParticle());
    }
    LabelExperimento->setText(mix ? experimentText(m_gas->mixtureSettings())
                                  : tr("El gas clásico: elija las especies y la pared, y "
                                       "pulse «Aplicar»."));
    enableControls();
    m_dirty = true;
    if (isVisible()) {
        redraw();
    }
}

void DiffusionWindow::enableControls()
{
    const bool mix = m_gas->mixture();
    BtnQuitarPared->setEnabled(m_gas->dividerUp());
    BtnVolver->setEnabled(mix);
    SpinTrazada->setEnabled(mix);
    SpinTrazada->setMaximum(mix ? m_gas->state.NumPar : kMixtureMaxCount);
    LabelTrazada->setEnabled(mix);
    const int heavySlot = SpinMasaPesada->value() > 0 ? 1 : 0;
    SpinNumA->setMaximum(kMixtureMaxCount - heavySlot);
    SpinNumB->setMaximum(kMixtureMaxCount - heavySlot - SpinNumA->value());
    const bool hole = shownItem(BoxPared) == kConAgujero;
    SpinAgujero->setEnabled(hole);
    LabelAgujero->setEnabled(hole);
    const bool heavy = SpinMasaPesada->value() > 0;
    SpinRadioPesada->setEnabled(heavy);
    LabelRadioPesada->setEnabled(heavy);
}

void DiffusionWindow::afterTick()
{
    if (!m_gas->mixture()) {
        return;
    }
    if (m_gas->series() != m_series) {
        // A mixture begun elsewhere: afresh.
        startSeries();
        return;
    }
    const size_t samples = m_recorder.samples().size();
    m_recorder.afterTick(*m_gas);
    if (m_recorder.samples().size() != samples ||
        (m_gas->ticks - m_recorder.startTick()) % MixtureRecorder::kSampleTicks == 0) {
        m_dirty = true;
        if (isVisible() && !m_redrawTimer->isActive()) {
            m_redrawTimer->start(kRedrawEvery);
        }
    }
}

void DiffusionWindow::BtnExportarCSVClick()
{
    const QString path = askPath ? askPath() : QString();
    if (path.isEmpty()) {
        return; // cancelled
    }
    QString error;
    QSaveFile file(path);
    const std::string text = inDialect(mixtureSamplesCsv(m_recorder.samples()), exportDialect);
    if (file.open(QIODevice::WriteOnly) &&
        commitWhole(file, QByteArray::fromStdString(text), &error)) {
        molvix::ui::rememberSaveFolder(path);
        return;
    }
    if (error.isEmpty()) {
        error = file.errorString();
    }
    QMessageBox::warning(this, tr("Exportar CSV"),
                         tr("No se pudo guardar el archivo\n%1\n\n%2\n\nLas lecturas siguen "
                            "aquí: pruebe con otra carpeta u otro nombre.")
                             .arg(QDir::toNativeSeparators(path), error));
}

QString DiffusionWindow::figuresText() const
{
    const Gas &g = *m_gas;
    if (!g.mixture()) {
        return QString();
    }
    const MixtureSettings &m = g.mixtureSettings();
    const MixtureRecorder::Figures f = m_recorder.figures(g);
    QStringList lines;
    const auto n = [](double x) { return std::isfinite(x) ? shownNumber(x) : QStringLiteral("—"); };
    if (f.kT > 0) {
        lines << tr("Camino libre medio λ: medido %1, teoría %2 (χ de Enskog %3; %4 caminos)")
                     .arg(n(f.meanFreePath), n(f.meanFreePathTheory), n(f.chi))
                     .arg(f.paths);
        lines << tr("Choques por partícula y unidad de tiempo z: medido %1, teoría %2")
                     .arg(n(f.collisionRate), n(f.collisionRateTheory));
        if (m.divider == Divider::Hole) {
            lines << tr("Efusión, razón A/B: medida %1, ley de Graham √(m_B/m_A) = %2")
                         .arg(n(f.effusionRatio), n(f.grahamRatio));
        }
        if (f.followedSpecies >= 0) {
            const QString whose = f.followedSpecies == kHeavy     ? tr("de la partícula pesada")
                                  : f.followedSpecies == kSpeciesB ? tr("de la especie B")
                                                                   : tr("de la especie A");
            lines << tr("Difusión D %1 (DCM = 6·D·t): medida %2, teoría de esferas duras %3")
                         .arg(whose, n(f.diffusion), n(f.diffusionTheory));
        }
        if (g.heavyParticle() != 0) {
            lines << tr("Partícula pesada, <v²>: medida %1, 3kT/M = %2")
                         .arg(n(f.heavyV2), n(f.heavyV2Theory));
            lines << tr("Rapidez de la partícula pesada: distancia KS a Maxwell–Boltzmann con "
                        "kT/M %1 (%2 muestras)")
                         .arg(std::isfinite(f.heavyKs) ? shownNumber(f.heavyKs, 'f', 3)
                                                       : QStringLiteral("—"))
                         .arg(m_recorder.heavySpeeds().kept().size());
        }
    }
    const auto atmosphere = [&lines, &n](std::initializer_list<std::pair<QString, double>> items) {
        QStringList parts;
        for (const auto &[name, x] : items) {
            parts << QStringLiteral("%1: %2").arg(name, n(x));
        }
        lines << parts.join(QStringLiteral("; "));
    };
    if (f.gravity > 0) {
        // The floor takes the piston's push and the gas's weight.
        atmosphere({{QCoreApplication::translate("Atmosphere", "Presión en el suelo"),
                     f.pressureFloor},
                    {QCoreApplication::translate("Atmosphere", "Presión en el pistón"),
                     f.pressureTop},
                    {QCoreApplication::translate("Atmosphere", "Peso por área"),
                     f.weightPerArea}});
        atmosphere({{QCoreApplication::translate("Atmosphere", "Deriva de la energía total"),
                     f.totalEnergyDrift}});
    }
    if (g.collisions() && !(f.gravity > 0)) { // no Z where the density changes with height
        atmosphere({{QCoreApplication::translate("Atmosphere", "Z de las paredes"), f.zWalls},
                    {QCoreApplication::translate("Atmosphere", "Z del virial"), f.zVirial},
                    {QCoreApplication::translate("Atmosphere", "Carnahan–Starling"),
                     f.zTheory}});
    }
    if (m.divider != Divider::None) {
        lines << (std::isfinite(f.mixTime)
                      ? tr("Tiempo de mezcla (cada especie a menos del 10 % del reparto "
                           "igual): %1")
                            .arg(n(f.mixTime))
                      : tr("Tiempo de mezcla: aún no mezclados"));
    }
    return lines.join(QLatin1Char('\n'));
}

void DiffusionWindow::redraw()
{
    m_dirty = false;
    ++m_redraws;
    const bool mix = m_gas->mixture();
    QString aviso = mix ? tr("Con la mezcla el émbolo queda fijo y sin baño (su física "
                             "supone masas iguales); la temperatura sí se puede cambiar.")
                        : QString();
    if (m_refused) {
        aviso = (m_refusedHalf ? tr("Las esferas llenarían más del 30 % de su mitad de la caja: "
                                    "el gas no cambia.")
                               : tr("Las esferas llenarían más del 30 % de la caja: el gas no "
                                    "cambia.")) +
                (aviso.isEmpty() ? QString() : QStringLiteral("\n") + aviso);
    }
    LabelAviso->setText(aviso);
    LabelCifras->setText(figuresText());
    // An empty line is neither shown nor reached by Tab.
    LabelAviso->setVisible(!LabelAviso->text().isEmpty());
    LabelCifras->setVisible(!LabelCifras->text().isEmpty());
    redrawCharts();
}

void DiffusionWindow::redrawCharts()
{
    std::array<QList<QPointF>, 4> sides;
    std::array<QList<QPointF>, 2> rates;
    const std::vector<MixtureRecorder::Sample> &samples = m_recorder.samples();
    // Every stride-th sample and the last.
    const size_t points = std::max<size_t>(1, chartPoints);
    const size_t stride = std::max<size_t>(1, (samples.size() + points - 1) / points);
    for (size_t k = 0; k < samples.size(); ++k) {
        if (k % stride != 0 && k + 1 != samples.size()) {
            continue;
        }
        const MixtureRecorder::Sample &x = samples[k];
        sides[0].append({x.t, double(x.aLeft)});
        sides[1].append({x.t, double(x.aRight)});
        sides[2].append({x.t, double(x.bLeft)});
        sides[3].append({x.t, double(x.bRight)});
        rates[0].append({x.t, x.rateA});
        rates[1].append({x.t, x.rateB});
    }
    for (size_t i = 0; i < sides.size(); ++i) {
        m_sideSeries[i]->replace(sides[i]);
    }
    for (size_t i = 0; i < rates.size(); ++i) {
        m_rateSeries[i]->replace(rates[i]);
    }
    const MixtureRecorder::Figures f = m_recorder.figures(*m_gas);
    redrawPaths(f);
    QList<QPointF> msd, line;
    const std::vector<DisplacementLog::Point> &curve =
        m_gas->mixture() ? m_recorder.msdCurve() : std::vector<DisplacementLog::Point>{};
    for (const DisplacementLog::Point &p : curve) {
        msd.append({p.t, p.msd});
    }
    if (m_gas->mixture() && std::isfinite(f.diffusion)) {
        line = {{f.fitFrom, 6 * f.diffusion * f.fitFrom + f.fitIntercept},
                {f.fitTo, 6 * f.diffusion * f.fitTo + f.fitIntercept}};
    }
    m_msdSeries->replace(msd);
    m_msdFit->replace(line);
    ChartPerfil->setRows(m_gas->mixture() ? profileRows()
                                          : std::vector<HeightProfile::Row>{});
    std::vector<ZChartView::Point> z = m_zEarlier;
    z.push_back(zPoint());
    ChartZ->setPoints(z);
    for (FocusChartView *v : {ChartLados, ChartEfusion, ChartCaminos, ChartMSD}) {
        fitAxes(v->chart());
    }
    redrawHeavySpeeds();
}

// The free paths as a density (fraction per unit length), beside the
// exponential of the measured mean free path, exp(-l / λ) / λ, and λ marked.
void DiffusionWindow::redrawPaths(const MixtureRecorder::Figures &f)
{
    QList<QPointF> hist, theory, mean;
    const FreePathChart chart = m_gas->mixture()
                                    ? freePathChart(m_gas->freePaths(), f.meanFreePath)
                                    : FreePathChart{};
    const double w = chart.binWidth;
    for (size_t b = 0; b < chart.density.size(); ++b) {
        hist.append({double(b) * w, chart.density[b]});
        hist.append({double(b + 1) * w, chart.density[b]});
        theory.append({(double(b) + 0.5) * w, chart.theory[b]});
    }
    if (!chart.density.empty()) {
        mean = {{chart.lambda, 0.0}, {chart.lambda, 1.0 / chart.lambda}};
    }
    m_pathSeries->replace(hist);
    m_pathTheory->replace(theory);
    m_pathMean->replace(mean);
}

ZChartView::Point DiffusionWindow::zPoint() const
{
    constexpr double kNone = MixtureRecorder::Figures::kNone;
    if (!m_gas->mixture() || m_gas->series() != m_series) {
        return {kNone, kNone, kNone};
    }
    const MixtureRecorder::Figures f = m_recorder.figures(*m_gas);
    return {packingForZ(f.zTheory), f.zWalls, f.zVirial};
}

void DiffusionWindow::redrawHeavySpeeds()
{
    const std::vector<double> &speeds = m_recorder.heavySpeeds().kept();
    const int32_t heavy = m_gas->heavyParticle();
    const MixtureRecorder::Figures f = m_recorder.figures(*m_gas);
    const double s2 = f.heavyS2;
    if (!m_gas->mixture() || heavy == 0 || speeds.empty() || !(s2 > 0)) {
        ChartRapidez->clear();
        ChartRapidez->setAccessibleDescription(
            tr("Sin partícula pesada: elija su masa y pulse «Aplicar»."));
        return;
    }
    // As "Gráficas" bins its speeds, the curve at the gas's temperature.
    const int bins = speedHistogramBins(speeds.size());
    const double upper = molvix::ui::axisCeil(
        std::max(m_recorder.heavySpeeds().fastest(), 4.0 * std::sqrt(s2)));
    ChartRapidez->setDistribution(speedDensity(speeds, bins, upper), upper, s2);
    ChartRapidez->setAccessibleDescription(
        tr("Histograma de %1 rapideces de la partícula pesada, con la curva de "
           "Maxwell–Boltzmann a la temperatura del gas, kT/M.")
            .arg(speeds.size()));
}

void DiffusionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    redraw();
}

void DiffusionWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_redrawTimer->stop();
}
