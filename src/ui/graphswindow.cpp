#include "graphswindow.h"

#include "chartexport.h"
#include "chartstyle.h"
#include "controls.h"
#include "csvsavedialog.h"
#include "savefolder.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using molvix::ui::kCurveColour;
using molvix::ui::kNavyColour;
using molvix::ui::shownNumber;
using molvix::ui::smallChartFont;
using molvix::ui::textLabel;

// ---- the window ----------------------------------------------------------------

GraphsWindow::GraphsWindow(Gas *g, QWidget *parent) : QWidget(parent), m_gas(g ? g : &gas())
{
    setObjectName(QStringLiteral("FormGraficas"));
    setWindowTitle(tr("Gráficas"));
    // Closing it only hides it; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    describeControls();
    m_redrawTimer.setObjectName(QStringLiteral("TimeGraficas"));
    m_redrawTimer.setInterval(kRedrawStep);
    connect(&m_redrawTimer, &QTimer::timeout, this, &GraphsWindow::redrawStep);
    connect(BtnExportarCSV, &QPushButton::clicked, this, &GraphsWindow::BtnExportarCSVClick);
    askPath = [this] { return CsvSaveDialog::askPath(this, tr("lecturas.csv"), &exportDialect); };
    m_process = m_gas->process();
    m_readingListener = m_gas->addReadingListener([this](const GasReading &r) { addReading(r); });
    redraw();
}

GraphsWindow::~GraphsWindow()
{
    m_gas->removeReadingListener(m_readingListener);
}

void GraphsWindow::buildControls()
{
    // Beside the main window, clear of the panel under it, and short enough
    // for a 1366 x 768 screen with a task bar once the frame is counted.
    move(340, 1);
    resize(660, kOpenHeight);
    QVBoxLayout *column = molvix::ui::silverColumn(this, &Panel1);

    // Distribution of speeds: the histogram, the curve, the distance.
    LabelVelocidades = textLabel("LabelVelocidades", tr("Distribución de velocidades"));
    column->addWidget(LabelVelocidades);
    ChartVelocidades = new SpeedChartView;
    SerieHistograma = ChartVelocidades->histogram();
    SerieMaxwell = ChartVelocidades->curve();
    ChartVelocidades->setObjectName(QStringLiteral("ChartVelocidades"));
    ChartVelocidades->setMinimumHeight(kSpeedChartMinHeight);

    LabelKS = textLabel("LabelKS", QString());
    LabelMuestras = textLabel("LabelMuestras", QString());
    LabelMuestras->setFont(smallChartFont());
    LabelMuestras->setWordWrap(true);
    LabelEstadoVel = textLabel("LabelEstadoVel", QString());
    LabelEstadoVel->setWordWrap(true);
    auto *legend = textLabel("LabelLeyenda", tr("Barras: las muestras.\nCurva roja: "
                                                "Maxwell–Boltzmann con la misma energía media."));
    legend->setFont(smallChartFont());
    legend->setWordWrap(true);
    auto *side = new QVBoxLayout;
    side->addWidget(LabelKS);
    side->addWidget(LabelMuestras);
    side->addWidget(legend);
    side->addWidget(LabelEstadoVel);
    side->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(ChartVelocidades, 1);
    auto *sideBox = new QWidget;
    sideBox->setLayout(side);
    sideBox->setFixedWidth(170);
    row->addWidget(sideBox);
    column->addLayout(row, 5);
    LabelNota = textLabel("LabelNota", tr("Con «Colisiones» en NO el gas no se termaliza: las "
                                          "velocidades no se acercan a la curva."));
    column->addWidget(LabelNota);
    // Long texts and translations wrap rather than widen the window.
    LabelNota->setWordWrap(true);

    // History of the readings against animation time.
    LabelHistoria =
        textLabel("LabelHistoria",
                  tr("Historia, frente al tiempo de animación (pasos × %1)").arg(shownNumber(kTickTime)));
    column->addSpacing(4);
    column->addWidget(LabelHistoria);
    LabelHistoria->setWordWrap(true);
    LabelEstadoHist = textLabel("LabelEstadoHist", QString());
    LabelEstadoHist->setWordWrap(true);
    column->addWidget(LabelEstadoHist);
    ChartPresion = new HistoryChartView(tr("Presión"), kNavyColour);
    ChartPresion->setObjectName(QStringLiteral("ChartPresion"));
    ChartTemperatura = new HistoryChartView(tr("Temperatura"), kCurveColour);
    ChartTemperatura->setObjectName(QStringLiteral("ChartTemperatura"));
    ChartEnergia = new HistoryChartView(tr("Energía"), QColor(0, 128, 0));
    ChartEnergia->setObjectName(QStringLiteral("ChartEnergia"));
    for (HistoryChartView *chart : {ChartPresion, ChartTemperatura, ChartEnergia}) {
        chart->setMinimumHeight(kHistoryChartMinHeight);
        column->addWidget(chart, 2);
    }

    // The ideal-gas check and the export.
    LabelLeyGases = textLabel("LabelLeyGases", tr("Ley de los gases ideales"));
    column->addSpacing(4);
    column->addWidget(LabelLeyGases);
    LabelCociente = textLabel("LabelCociente", QString());
    LabelCociente->setWordWrap(true);
    column->addWidget(LabelCociente);
    BtnExportarCSV = new QPushButton(tr("Exportar CSV"));
    BtnExportarCSV->setObjectName(QStringLiteral("BtnExportarCSV"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnExportarCSV);
    column->addLayout(buttons);
}

void GraphsWindow::describeControls()
{
    // The charts' descriptions say what they show; redrawing sets them.
    ChartVelocidades->setAccessibleName(tr("Distribución de velocidades"));
    // Each history is named by the title it shows first.
    for (HistoryChartView *chart : {ChartPresion, ChartTemperatura, ChartEnergia}) {
        chart->setAccessibleName(tr("%1, historia").arg(chart->chart()->title()));
    }
    // The two figures keep their text as their name, so that a screen reader
    // reads the value; Tab reaches them, and their text can be copied.
    LabelKS->setAccessibleDescription(
        tr("Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de "
           "Maxwell–Boltzmann: cuanto menor, más se parecen"));
    LabelCociente->setAccessibleDescription(
        tr("Ley de los gases ideales: presión por volumen entre número de partículas por "
           "temperatura, en unidades en las que un gas ideal da %1")
            .arg(shownNumber(1, 'f', 2)));
    for (QLabel *figure : {LabelKS, LabelCociente}) {
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        figure->setFocusPolicy(Qt::StrongFocus);
    }
    molvix::ui::describe(BtnExportarCSV, tr("Exportar CSV"),
                         tr("Guarda la historia de las lecturas en un archivo CSV"));
    // Reading order: the distribution and its distance, the three histories,
    // the ideal-gas check, the export.
    const QList<QWidget *> order{ChartVelocidades, LabelKS,       ChartPresion,  ChartTemperatura,
                                 ChartEnergia,     LabelCociente, BtnExportarCSV};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
    // Each chart can be saved, copied and printed, under a name that says
    // what it shows.
    ChartExport::attach(ChartVelocidades, tr("velocidades"));
    ChartExport::attach(ChartPresion, tr("presion"));
    ChartExport::attach(ChartTemperatura, tr("temperatura"));
    ChartExport::attach(ChartEnergia, tr("energia"));
}

void GraphsWindow::takeSnapshot()
{
    const GasState &s = m_gas->state;
    if (!samplesAreCurrent()) {
        m_sampler.clear();
        m_sampledSeries = m_gas->series();
        m_sampledTemp = s.Temp;
    }
    if (s.NumPar > 0) {
        m_sampler.addSnapshot(&s.VelX[1], &s.VelY[1], &s.VelZ[1], s.NumPar);
    }
    dataChanged(1u << Histogram | 1u << Distance);
}

bool GraphsWindow::samplesAreCurrent() const
{
    // Pooled from one gas at one temperature setting, which replaces every
    // velocity.
    return m_gas->series() == m_sampledSeries && m_gas->state.Temp == m_sampledTemp;
}

namespace {

// What the process settings change in the gas: the piston's target is the
// wall position, which the readings carry already.
bool sameProcess(ProcessSettings a, ProcessSettings b)
{
    a.pistonTarget = b.pistonTarget = 0;
    return a == b;
}

} // namespace

void GraphsWindow::addReading(const GasReading &reading)
{
    // A change made in "Procesos" is a change like the panel's: the reading
    // just taken straddles it.
    const ProcessSettings &now = m_gas->process();
    if (!sameProcess(now, m_process)) {
        m_log.markChange();
        m_process = now;
    }
    m_log.append(reading);
    dataChanged(1u << Pressure | 1u << Temperature | 1u << Energy);
}

void GraphsWindow::dataChanged(unsigned parts)
{
    m_pending |= parts;
    if (isVisible() && !m_redrawTimer.isActive()) {
        m_redrawTimer.start();
    }
}

void GraphsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    redraw();
}

void GraphsWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_redrawTimer.stop();
}

void GraphsWindow::redraw()
{
    m_pending = 0;
    for (int part = 0; part < kParts; ++part) {
        redrawPart(static_cast<Part>(part));
    }
}

void GraphsWindow::redrawStep()
{
    // A chart's layout and painting take about a millisecond: one part a
    // step, so that the animation's 1 ms ticks go on in between. A part
    // comes round every kParts steps, whatever the others do.
    const Part part = static_cast<Part>(m_nextPart);
    m_nextPart = (m_nextPart + 1) % kParts;
    if ((m_pending & (1u << part)) != 0) {
        m_pending &= ~(1u << part);
        redrawPart(part);
    }
    if (m_pending == 0) {
        m_redrawTimer.stop();
    }
}

void GraphsWindow::redrawPart(Part part)
{
    ++m_redraws[part];
    switch (part) {
    case Histogram:
        redrawHistogram();
        break;
    case Distance:
        redrawDistance();
        break;
    case Pressure:
    case Temperature:
        redrawHistory(part);
        break;
    case Energy:
        redrawHistory(part);
        redrawRatio();
        break;
    case kParts:
        break;
    }
}

std::vector<double> GraphsWindow::currentSpeeds(QString *emptyState) const
{
    const GasState &s = m_gas->state;
    std::vector<double> speeds;
    if (samplesAreCurrent()) {
        speeds = m_sampler.samples();
    }
    if (s.NumPar <= 0) {
        *emptyState = tr("No hay partículas: elija cuántas en el Panel de Control.");
    } else if (!(s.Energ > 0) || (!speeds.empty() && !(meanSquareOverThree(speeds) > 0))) {
        *emptyState = tr("Temperatura 0: todas las partículas están en reposo.");
    } else if (speeds.empty()) {
        *emptyState = tr("Todavía no hay muestras: se toma una cada %1 pasos de la animación.")
                          .arg(kSampleEvery);
    } else {
        emptyState->clear();
        return speeds;
    }
    return {};
}

void GraphsWindow::redrawHistogram()
{
    const bool collisions = m_gas->collisions();
    LabelNota->setVisible(!collisions);

    QString empty;
    const std::vector<double> speeds = currentSpeeds(&empty);
    LabelEstadoVel->setText(empty);
    LabelEstadoVel->setVisible(!empty.isEmpty());
    if (speeds.empty()) {
        ChartVelocidades->clear();
        return;
    }

    const double s2 = meanSquareOverThree(speeds);
    const int bins = speedHistogramBins(speeds.size());
    const double fastest = *std::max_element(speeds.begin(), speeds.end());
    const double upper = molvix::ui::axisCeil(std::max(fastest, 4.0 * std::sqrt(s2)));
    ChartVelocidades->setDistribution(speedDensity(speeds, bins, upper), upper, s2);
}

void GraphsWindow::redrawDistance()
{
    QString empty;
    std::vector<double> speeds = currentSpeeds(&empty);
    const size_t n = speeds.size();
    const std::optional<double> ks = maxwellBoltzmannKs(std::move(speeds));
    if (!ks) {
        LabelKS->setText(tr("Distancia KS: —"));
        LabelMuestras->setText(QString());
        ChartVelocidades->setAccessibleDescription(empty.isEmpty() ? tr("Todavía no hay muestras.")
                                                                   : empty);
        return;
    }
    const QString distance = shownNumber(*ks, 'f', 3);
    const int steps = m_sampler.snapshots() * kSampleEvery;
    LabelKS->setText(tr("Distancia KS: %1").arg(distance));
    LabelMuestras->setText(tr("%1 rapideces de los últimos %2 pasos").arg(n).arg(steps));
    ChartVelocidades->setAccessibleDescription(
        tr("Histograma de %1 rapideces de los últimos %2 pasos, con la curva de "
           "Maxwell–Boltzmann de la misma energía media. Distancia KS: %3.")
            .arg(n)
            .arg(steps)
            .arg(distance));
}

void GraphsWindow::redrawHistory(Part part)
{
    const std::vector<GasReading> &all = m_log.readings();
    double GasReading::*field = &GasReading::pressure;
    HistoryChartView *chart = ChartPresion;
    if (part == Temperature) {
        field = &GasReading::temperature;
        chart = ChartTemperatura;
    } else if (part == Energy) {
        field = &GasReading::energy;
        chart = ChartEnergia;
        LabelEstadoHist->setVisible(all.empty());
        LabelEstadoHist->setText(
            all.empty() ? tr("Todavía no hay lecturas: llega una cada %1 pasos de la animación.")
                              .arg(NPasosPresion)
                        : QString());
    }
    const History h = m_log.history(field);
    QList<QPointF> points;
    for (const History::Point &p : h.points) {
        points.append(QPointF(p.time, p.value));
    }
    chart->setHistory(points, h.marks);
    if (all.empty()) {
        chart->setAccessibleDescription(tr("Todavía no hay lecturas."));
        return;
    }
    chart->setAccessibleDescription(
        tr("Lecturas: %1, del tiempo %2 al %3. Última: %4; mínima: %5; máxima: %6. "
           "Cambios marcados: %7.")
            .arg(all.size() - h.first)
            .arg(shownNumber(all[h.first].time, 'f', 1), shownNumber(all.back().time, 'f', 1),
                 shownNumber(all.back().*field), shownNumber(h.lowest), shownNumber(h.highest))
            .arg(h.marks.size()));
}

void GraphsWindow::redrawRatio()
{
    const Stats stats = m_log.idealGasRatioSinceChange();
    QString text;
    switch (m_log.ratioState()) {
    case RatioState::NoReadings:
        text = tr("P·V / (N·T): todavía no hay lecturas.");
        break;
    case RatioState::NoParticles:
        text = tr("P·V / (N·T): no hay partículas.");
        break;
    case RatioState::NoVolume:
        text = tr("P·V / (N·T): la pared está en 0, el volumen es nulo.");
        break;
    case RatioState::ZeroTemperature:
        text = tr("P·V / (N·T): con temperatura 0 no hay presión.");
        break;
    case RatioState::Waiting:
        text = tr("P·V / (N·T): esperando la segunda lectura desde el último cambio.");
        break;
    case RatioState::Shown: {
        text = tr("P·V / (N·T) = %1 ± %2   (un gas ideal da %3; media y desviación de "
                  "las lecturas desde el último cambio: %4)")
                   .arg(shownNumber(stats.mean, 'f', 2), shownNumber(stats.spread, 'f', 2),
                        shownNumber(1, 'f', 2))
                   .arg(stats.n);
        // The means a class is asked for (Boyle, heating, the isotherm),
        // over the same readings.
        const Stats p = m_log.sinceChange(&GasReading::pressure);
        const Stats t = m_log.sinceChange(&GasReading::temperature);
        text = tr("Desde el último cambio: Presión media %1 ± %2, Temperatura media %3 ± %4")
                   .arg(shownNumber(p.mean, 'f', 1), shownNumber(p.spread, 'f', 1),
                        shownNumber(t.mean, 'f', 3), shownNumber(t.spread, 'f', 3)) +
               QLatin1Char('\n') + text;
        break;
    }
    }
    LabelCociente->setText(text);
}

void GraphsWindow::BtnExportarCSVClick()
{
    const QString path = askPath ? askPath() : QString();
    if (path.isEmpty()) {
        return; // cancelled
    }
    QString error;
    if (saveReadingsCsv(path, m_log.readings(), &error, exportDialect)) {
        molvix::ui::rememberSaveFolder(path);
    } else {
        QMessageBox::warning(this, tr("Exportar CSV"),
                             tr("No se pudo guardar el archivo\n%1\n\n%2\n\nLas lecturas siguen "
                                "aquí: pruebe con otra carpeta u otro nombre.")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}
