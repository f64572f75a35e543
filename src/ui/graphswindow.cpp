#include "graphswindow.h"

#include "controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAreaSeries>
#include <QChart>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using molvix::ui::kNavyColour;

namespace {

const QColor kCurveColour(192, 0, 0);
const QColor kMarkColour(128, 128, 128);

// Points drawn along the Maxwell–Boltzmann curve.
constexpr int kCurvePoints = 120;

QFont smallFont()
{
    QFont font = molvix::ui::formFont();
    font.setBold(false);
    font.setPixelSize(10);
    return font;
}

QValueAxis *makeAxis(const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setLabelsFont(smallFont());
    axis->setTitleFont(smallFont());
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    axis->setTickCount(5);
    return axis;
}

QChart *plainChart(const QString &title)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(title);
    chart->setTitleFont(molvix::ui::formFont());
    chart->setTitleBrush(kNavyColour);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    return chart;
}

// x rounded up to a half of its leading decade (35 -> 35, 36 -> 40, 123 ->
// 150): an axis end that moves only now and then as samples come and go.
double axisCeil(double x)
{
    if (!(x > 0) || !std::isfinite(x)) {
        return 1;
    }
    const double step = std::pow(10.0, std::floor(std::log10(x))) / 2.0;
    // Less a hair: times come from float steps (200 x 0.1f is not quite 20),
    // and x / step lies between 2 and 20.
    return std::ceil(x / step - 1e-6) * step;
}

// A chart's items move on every redraw: the scene's spatial index would be
// rebuilt each time for nothing (nobody looks items up by place here).
void quickScene(QChartView *view)
{
    view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
}

QLabel *textLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

QAccessibleInterface *accessibleChart(const QString &key, QObject *object)
{
    if (key == QLatin1String("FocusChartView")) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    }
    return nullptr;
}

QString number(double x)
{
    return QString::number(x, 'g', 4);
}

} // namespace

// ---- a chart Tab reaches ---------------------------------------------------------

FocusChartView::FocusChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(accessibleChart);
        return true;
    }();
    (void)accessibilityInstalled;
    // Tab only: a click on a chart is no reason to take the keyboard away.
    setFocusPolicy(Qt::TabFocus);
}

void FocusChartView::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void FocusChartView::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void FocusChartView::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}

// ---- one history chart -------------------------------------------------------

HistoryChartView::HistoryChartView(const QString &title, const QColor &colour, QWidget *parent)
    : FocusChartView(plainChart(title), parent)
{
    quickScene(this);
    m_series = new QLineSeries;
    m_series->setPen(QPen(colour, 1.5));
    chart()->addSeries(m_series);
    m_timeAxis = makeAxis(QString());
    m_timeAxis->setTickType(QValueAxis::TicksDynamic);
    m_timeAxis->setTickAnchor(0);
    m_timeAxis->setLabelFormat(QStringLiteral("%.6g"));
    m_valueAxis = makeAxis(QString());
    m_valueAxis->setTickCount(3);
    chart()->addAxis(m_timeAxis, Qt::AlignBottom);
    chart()->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_timeAxis);
    m_series->attachAxis(m_valueAxis);
}

void HistoryChartView::setHistory(const QList<QPointF> &points, const std::vector<double> &marks)
{
    m_marks = marks;
    // Every change of an axis lays out the whole series again: empty it
    // first, so that the points are laid out once, on the final axes.
    m_series->clear();
    if (points.isEmpty()) {
        // Up to the time of the first reading (200 ticks of 0.1).
        m_timeAxis->setTickInterval(5);
        m_timeAxis->setRange(0, NPasosPresion * 0.1);
        m_valueAxis->setRange(0, 1);
        return;
    }
    double first = points.front().x();
    double last = points.back().x();
    if (!(last > first)) {
        first -= 1;
        last += 1;
    }
    double top = 0;
    for (const QPointF &p : points) {
        top = std::max(top, p.y());
    }
    // An axis lays out its labels again on every change, so the ends move
    // in round steps, not with every reading: the time axis from the tick
    // at or before the first reading to the tick at or after the last; the
    // value axis from zero (a change in proportion looks like one) to a
    // round value above the highest.
    const double interval = axisCeil((last - first) / 4.0);
    m_timeAxis->setTickInterval(interval);
    // (A hair of slack for the float steps the times are made of.)
    m_timeAxis->setRange(std::floor(first / interval + 1e-6) * interval,
                         std::ceil(last / interval - 1e-6) * interval);
    m_valueAxis->setRange(0, axisCeil(top * 1.1));
    m_series->replace(points);
    viewport()->update();
}

void HistoryChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    if (m_marks.empty()) {
        return;
    }
    const QRectF plot = chart()->mapToScene(chart()->plotArea()).boundingRect();
    painter->save();
    painter->setPen(QPen(kMarkColour, 1, Qt::DashLine));
    for (const double t : m_marks) {
        if (t < m_timeAxis->min() || t > m_timeAxis->max()) {
            continue;
        }
        const double x = chart()->mapToScene(chart()->mapToPosition(QPointF(t, 0), m_series)).x();
        painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter->restore();
}

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
    askPath = [this] {
        return QFileDialog::getSaveFileName(this, tr("Exportar CSV"),
                                            QDir::home().filePath(tr("lecturas.csv")),
                                            tr("Archivos CSV (*.csv)"));
    };
    m_gas->onReading = [this](const GasReading &r) { addReading(r); };
    redraw();
}

GraphsWindow::~GraphsWindow()
{
    m_gas->onReading = nullptr;
}

void GraphsWindow::buildControls()
{
    // Beside the main window, clear of the panel under it.
    move(340, 1);
    resize(660, 780);
    QVBoxLayout *column = molvix::ui::silverColumn(this, &Panel1);

    // Distribution of speeds: the histogram, the curve, the distance.
    LabelVelocidades = textLabel("LabelVelocidades", tr("Distribución de velocidades"));
    column->addWidget(LabelVelocidades);
    QChart *speeds = plainChart(QString());
    m_histogramOutline = new QLineSeries;
    SerieHistograma = new QAreaSeries(m_histogramOutline);
    m_histogramOutline->setParent(SerieHistograma);
    SerieHistograma->setObjectName(QStringLiteral("SerieHistograma"));
    SerieHistograma->setBrush(QColor(166, 166, 210)); // opaque: cheaper to fill
    SerieHistograma->setPen(QPen(kNavyColour, 1));
    SerieMaxwell = new QLineSeries;
    SerieMaxwell->setObjectName(QStringLiteral("SerieMaxwell"));
    SerieMaxwell->setPen(QPen(kCurveColour, 2));
    speeds->addSeries(SerieHistograma);
    speeds->addSeries(SerieMaxwell);
    m_speedAxis = makeAxis(tr("rapidez |v| (longitud de caja por unidad de tiempo)"));
    m_speedAxis->setTickType(QValueAxis::TicksDynamic);
    m_speedAxis->setTickAnchor(0);
    m_densityAxis = makeAxis(tr("densidad de probabilidad"));
    m_densityAxis->setTickType(QValueAxis::TicksDynamic);
    m_densityAxis->setTickAnchor(0);
    m_densityAxis->setLabelFormat(QStringLiteral("%.3g"));
    speeds->addAxis(m_speedAxis, Qt::AlignBottom);
    speeds->addAxis(m_densityAxis, Qt::AlignLeft);
    for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(SerieHistograma),
                               static_cast<QAbstractSeries *>(SerieMaxwell)}) {
        s->attachAxis(m_speedAxis);
        s->attachAxis(m_densityAxis);
    }
    ChartVelocidades = new FocusChartView(speeds);
    quickScene(ChartVelocidades);
    ChartVelocidades->setObjectName(QStringLiteral("ChartVelocidades"));
    ChartVelocidades->setMinimumHeight(230);

    LabelKS = textLabel("LabelKS", QString());
    LabelMuestras = textLabel("LabelMuestras", QString());
    LabelMuestras->setFont(smallFont());
    LabelMuestras->setWordWrap(true);
    LabelEstadoVel = textLabel("LabelEstadoVel", QString());
    LabelEstadoVel->setWordWrap(true);
    auto *legend = textLabel("LabelLeyenda", tr("Barras: las muestras.\nCurva roja: "
                                                "Maxwell–Boltzmann con la misma energía media."));
    legend->setFont(smallFont());
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

    // History of the readings against animation time.
    LabelHistoria =
        textLabel("LabelHistoria", tr("Historia, frente al tiempo de animación (pasos × 0.1)"));
    column->addSpacing(4);
    column->addWidget(LabelHistoria);
    LabelEstadoHist = textLabel("LabelEstadoHist", QString());
    column->addWidget(LabelEstadoHist);
    ChartPresion = new HistoryChartView(tr("Presión"), kNavyColour);
    ChartPresion->setObjectName(QStringLiteral("ChartPresion"));
    ChartTemperatura = new HistoryChartView(tr("Temperatura"), kCurveColour);
    ChartTemperatura->setObjectName(QStringLiteral("ChartTemperatura"));
    ChartEnergia = new HistoryChartView(tr("Energía"), QColor(0, 128, 0));
    ChartEnergia->setObjectName(QStringLiteral("ChartEnergia"));
    for (HistoryChartView *chart : {ChartPresion, ChartTemperatura, ChartEnergia}) {
        chart->setMinimumHeight(125);
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
    ChartPresion->setAccessibleName(tr("Historia de la presión"));
    ChartTemperatura->setAccessibleName(tr("Historia de la temperatura"));
    ChartEnergia->setAccessibleName(tr("Historia de la energía"));
    // The two figures keep their text as their name, so that a screen reader
    // reads the value; Tab reaches them, and their text can be copied.
    LabelKS->setAccessibleDescription(
        tr("Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de "
           "Maxwell–Boltzmann: cuanto menor, más se parecen"));
    LabelCociente->setAccessibleDescription(
        tr("Ley de los gases ideales: presión por volumen entre número de partículas por "
           "temperatura, en unidades en las que un gas ideal da 1.00"));
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
}

void GraphsWindow::takeSnapshot()
{
    const GasState &s = m_gas->state;
    if (!samplesAreCurrent()) {
        m_sampler.clear();
        m_sampledCount = s.NumPar;
        m_sampledTemp = s.Temp;
    }
    if (s.NumPar > 0) {
        m_sampler.addSnapshot(&s.VelX[1], &s.VelY[1], &s.VelZ[1], s.NumPar);
    }
    dataChanged(1u << Histogram | 1u << Distance);
}

bool GraphsWindow::samplesAreCurrent() const
{
    return m_gas->state.NumPar == m_sampledCount && m_gas->state.Temp == m_sampledTemp;
}

void GraphsWindow::addReading(const GasReading &reading)
{
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
    const bool collisions =
        m_gas->controls != nullptr && m_gas->controls->BoxColiText() == QLatin1String("SI");
    LabelNota->setVisible(!collisions);

    QString empty;
    const std::vector<double> speeds = currentSpeeds(&empty);
    LabelEstadoVel->setText(empty);
    LabelEstadoVel->setVisible(!empty.isEmpty());
    if (speeds.empty()) {
        m_histogramOutline->clear();
        SerieMaxwell->clear();
        m_speedAxis->setTickInterval(0.25);
        m_speedAxis->setRange(0, 1);
        m_densityAxis->setTickInterval(0.25);
        m_densityAxis->setRange(0, 1);
        return;
    }

    // Bins: about the square root of the samples, so that a few hundred show
    // a shape and ten thousand a fine one.
    const double s2 = meanSquareOverThree(speeds);
    const int bins = std::clamp(
        static_cast<int>(std::lround(std::sqrt(static_cast<double>(speeds.size())))), 8, 30);
    const double fastest = *std::max_element(speeds.begin(), speeds.end());
    const double upper = axisCeil(std::max(fastest, 4.0 * std::sqrt(s2)));
    const DensityHistogram h = speedDensity(speeds, bins, upper);
    QList<QPointF> outline;
    outline.reserve(2 * bins + 2);
    outline.append(QPointF(0, 0));
    double top = 0;
    for (int b = 0; b < bins; ++b) {
        const double d = h.density[static_cast<size_t>(b)];
        outline.append(QPointF(b * h.binWidth, d));
        outline.append(QPointF((b + 1) * h.binWidth, d));
        top = std::max(top, d);
    }
    outline.append(QPointF(upper, 0));

    QList<QPointF> curve;
    curve.reserve(kCurvePoints + 1);
    for (int k = 0; k <= kCurvePoints; ++k) {
        const double v = upper * k / kCurvePoints;
        const double f = maxwellBoltzmannDensity(v, s2);
        curve.append(QPointF(v, f));
        top = std::max(top, f);
    }
    // Axes first, on empty series: each change of an axis lays the series
    // out again.
    m_histogramOutline->clear();
    SerieMaxwell->clear();
    m_speedAxis->setTickInterval(axisCeil(upper / 5.0));
    m_speedAxis->setRange(0, upper);
    m_densityAxis->setTickInterval(axisCeil(top / 4.0));
    m_densityAxis->setRange(0, axisCeil(top * 1.1));
    m_histogramOutline->replace(outline);
    SerieMaxwell->replace(curve);
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
    const QString distance = QString::number(*ks, 'f', 3);
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
    const size_t first = all.size() > kHistoryReadings ? all.size() - kHistoryReadings : 0;
    const std::vector<size_t> &changes = m_log.changes();
    // At most kHistoryPoints points a chart (laying out a point costs the
    // animation time): beyond that each point is the mean of a few
    // consecutive readings, never across a change, drawn at the time of the
    // newest of them. Groups are counted back from the newest reading, which
    // thus always ends the line.
    const size_t perPoint =
        std::max<size_t>(1, (all.size() - first + kHistoryPoints - 1) / kHistoryPoints);
    QList<QPointF> points;
    double lowest = first < all.size() ? all[first].*field : 0;
    double highest = lowest;
    double sum = 0;
    size_t summed = 0;
    const auto flush = [&](double time) {
        if (summed > 0) {
            points.append(QPointF(time, sum / static_cast<double>(summed)));
        }
        sum = 0;
        summed = 0;
    };
    auto nextChange = std::upper_bound(changes.begin(), changes.end(), first);
    // A change falls between two readings: its mark goes half-way.
    std::vector<double> marks;
    for (size_t i = first; i < all.size(); ++i) {
        if (nextChange != changes.end() && *nextChange == i) {
            flush(all[i - 1].time);
            marks.push_back((all[i - 1].time + all[i].time) / 2.0);
            ++nextChange;
        }
        sum += all[i].*field;
        ++summed;
        lowest = std::min(lowest, all[i].*field);
        highest = std::max(highest, all[i].*field);
        if ((all.size() - 1 - i) % perPoint == 0) {
            flush(all[i].time);
        }
    }
    chart->setHistory(points, marks);
    if (all.empty()) {
        chart->setAccessibleDescription(tr("Todavía no hay lecturas."));
        return;
    }
    chart->setAccessibleDescription(
        tr("Lecturas: %1, del tiempo %2 al %3. Última: %4; mínima: %5; máxima: %6. "
           "Cambios marcados: %7.")
            .arg(all.size() - first)
            .arg(QString::number(all[first].time, 'f', 1), QString::number(all.back().time, 'f', 1),
                 number(all.back().*field), number(lowest), number(highest))
            .arg(marks.size()));
}

void GraphsWindow::redrawRatio()
{
    const Stats stats = m_log.idealGasRatioSinceChange();
    QString text;
    if (m_log.empty()) {
        text = tr("P·V / (N·T): todavía no hay lecturas.");
    } else if (stats.n == 0) {
        const GasReading &last = m_log.readings().back();
        if (last.count <= 0) {
            text = tr("P·V / (N·T): no hay partículas.");
        } else if (last.wall <= 0) {
            text = tr("P·V / (N·T): la pared está en 0, el volumen es nulo.");
        } else if (!(last.temperature > 0)) {
            text = tr("P·V / (N·T): con temperatura 0 no hay presión.");
        } else {
            text = tr("P·V / (N·T): esperando la segunda lectura desde el último cambio.");
        }
    } else {
        text = tr("P·V / (N·T) = %1 ± %2   (un gas ideal da 1.00; media y desviación de "
                  "las lecturas desde el último cambio: %3)")
                   .arg(QString::number(stats.mean, 'f', 2), QString::number(stats.spread, 'f', 2))
                   .arg(stats.n);
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
    if (!saveReadingsCsv(path, m_log.readings(), &error)) {
        QMessageBox::warning(this, tr("Exportar CSV"),
                             tr("No se pudo guardar el archivo\n%1\n\n%2\n\nLas lecturas siguen "
                                "aquí: pruebe con otra carpeta u otro nombre.")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}
