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

// The species' colours in the charts, as the views draw them (A yellow is
// too pale on white: its darker shade).
const QColor kColourA(176, 144, 0);
const QColor kColourB(200, 0, 200);

QDoubleSpinBox *decimalBox(const char *name, double lo, double hi, int decimals, double step,
                           double value)
{
    auto *spin = new QDoubleSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(lo, hi);
    spin->setDecimals(decimals);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    spin->setGroupSeparatorShown(false);
    QPalette p = spin->palette();
    p.setColor(QPalette::Text, kNavyColour);
    spin->setPalette(p);
    return spin;
}

QSpinBox *countBox(const char *name, int lo, int hi, int value)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(lo, hi);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    QPalette p = spin->palette();
    p.setColor(QPalette::Text, kNavyColour);
    spin->setPalette(p);
    return spin;
}

QLineSeries *lineOf(QChart *chart, const QColor &colour, const QString &name, Qt::PenStyle style)
{
    auto *s = new QLineSeries;
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.5);
    pen.setStyle(style);
    s->setPen(pen);
    chart->addSeries(s);
    return s;
}

FocusChartView *chartView(const char *name, const QString &title, const QString &xTitle,
                          const QString &yTitle)
{
    QChart *chart = molvix::ui::plainChart(title);
    chart->addAxis(molvix::ui::makeAxis(xTitle), Qt::AlignBottom);
    chart->addAxis(molvix::ui::makeAxis(yTitle), Qt::AlignLeft);
    auto *view = new FocusChartView(chart);
    view->setObjectName(QLatin1String(name));
    view->setMinimumSize(220, 170);
    view->setRenderHint(QPainter::Antialiasing);
    molvix::ui::quickScene(view);
    return view;
}

void attachAll(QChart *chart)
{
    chart->legend()->setVisible(chart->series().size() > 1);
    chart->legend()->setFont(molvix::ui::smallChartFont());
    // Three charts a row leave a legend little room: a name cut short is
    // shown whole under the pointer.
    chart->legend()->setShowToolTips(true);
    for (QAbstractSeries *s : chart->series()) {
        for (QAbstractAxis *axis : chart->axes()) {
            s->attachAxis(axis);
        }
    }
}

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

void DiffusionWindow::buildControls()
{
    move(360, 60);
    resize(900, 700);
    QVBoxLayout *column = molvix::ui::silverColumn(this, &Panel1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    LabelNumA = textLabel("LabelNumA", tr("Partículas A"));
    SpinNumA = countBox("SpinNumA", 0, kMixtureMaxCount, 100);
    LabelRadioA = textLabel("LabelRadioA", tr("Radio de A"));
    SpinRadioA = decimalBox("SpinRadioA", kMixtureRadiusMin, kMixtureRadiusMax, 1, 0.5, kRadius);
    LabelNumB = textLabel("LabelNumB", tr("Partículas B"));
    SpinNumB = countBox("SpinNumB", 0, kMixtureMaxCount, 100);
    LabelMasaB = textLabel("LabelMasaB", tr("Masa de B"));
    SpinMasaB = decimalBox("SpinMasaB", kMixtureMassMin, kMixtureMassMax, 1, 1, 4);
    LabelRadioB = textLabel("LabelRadioB", tr("Radio de B"));
    SpinRadioB = decimalBox("SpinRadioB", kMixtureRadiusMin, kMixtureRadiusMax, 1, 0.5, kRadius);
    LabelPared = textLabel("LabelPared", tr("Pared en medio"));
    BoxPared = molvix::ui::comboBox(nullptr, "BoxPared",
                                    {tr("Ninguna"), tr("Sólida"), tr("Con agujero")}, kSolida,
                                    QRect());
    LabelAgujero = textLabel("LabelAgujero", tr("Lado del agujero"));
    SpinAgujero = decimalBox("SpinAgujero", kHoleSideMin, kHoleSideMax, 1, 1, 20);
    LabelMasaPesada = textLabel("LabelMasaPesada", tr("Masa de la partícula pesada"));
    SpinMasaPesada = decimalBox("SpinMasaPesada", 0, kHeavyMassMax, 0, 10, 0);
    LabelRadioPesada = textLabel("LabelRadioPesada", tr("Radio de la partícula pesada"));
    SpinRadioPesada =
        decimalBox("SpinRadioPesada", kMixtureRadiusMin, kHeavyRadiusMax, 1, 0.5, 5);
    LabelTrazada = textLabel("LabelTrazada", tr("Partícula trazada"));
    SpinTrazada = countBox("SpinTrazada", 0, kMixtureMaxCount, 1);
    const QList<std::pair<QLabel *, QWidget *>> rows{
        {LabelNumA, SpinNumA},           {LabelRadioA, SpinRadioA},
        {LabelNumB, SpinNumB},           {LabelMasaB, SpinMasaB},
        {LabelRadioB, SpinRadioB},       {LabelPared, BoxPared},
        {LabelAgujero, SpinAgujero},     {LabelMasaPesada, SpinMasaPesada},
        {LabelRadioPesada, SpinRadioPesada}, {LabelTrazada, SpinTrazada}};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        // The species on the left, the divider and the particles on the right.
        const int row = static_cast<int>(i < 5 ? i : i - 5);
        const int col = i < 5 ? 0 : 2;
        rows[i].first->setBuddy(rows[i].second);
        grid->addWidget(rows[i].first, row, col, Qt::AlignRight);
        grid->addWidget(rows[i].second, row, col + 1);
        rows[i].second->setMinimumWidth(80);
    }
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);

    BtnAplicar = new QPushButton(tr("Aplicar"));
    BtnAplicar->setObjectName(QStringLiteral("BtnAplicar"));
    BtnQuitarPared = new QPushButton(tr("Quitar la pared"));
    BtnQuitarPared->setObjectName(QStringLiteral("BtnQuitarPared"));
    BtnVolver = new QPushButton(tr("Volver al gas clásico"));
    BtnVolver->setObjectName(QStringLiteral("BtnVolver"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnAplicar);
    buttons->addWidget(BtnQuitarPared);
    buttons->addWidget(BtnVolver);
    buttons->addStretch(1);
    column->addLayout(buttons);
    LabelExperimento = textLabel("LabelExperimento", QString());
    LabelAviso = textLabel("LabelAviso", QString());
    for (QLabel *label : {LabelExperimento, LabelAviso}) {
        label->setWordWrap(true);
        label->setMinimumWidth(120);
        column->addWidget(label);
    }

    ChartLados = chartView("ChartLados", tr("Partículas a cada lado"), tr("Tiempo"),
                           tr("Partículas"));
    ChartEfusion = chartView("ChartEfusion", tr("Efusión por el agujero"), tr("Tiempo"),
                             tr("Por partícula y tiempo"));
    ChartCaminos = chartView("ChartCaminos", tr("Caminos libres"), tr("Longitud"),
                             tr("Densidad"));
    ChartMSD = chartView("ChartMSD", tr("Desplazamiento cuadrático medio"), tr("Tiempo"),
                         tr("Distancia al cuadrado"));
    QChart *c = ChartLados->chart();
    m_sideSeries = {lineOf(c, kColourA, tr("A izquierda"), Qt::SolidLine),
                    lineOf(c, kColourA, tr("A derecha"), Qt::DashLine),
                    lineOf(c, kColourB, tr("B izquierda"), Qt::SolidLine),
                    lineOf(c, kColourB, tr("B derecha"), Qt::DashLine)};
    c = ChartEfusion->chart();
    m_rateSeries = {lineOf(c, kColourA, tr("A"), Qt::SolidLine),
                    lineOf(c, kColourB, tr("B"), Qt::SolidLine)};
    c = ChartCaminos->chart();
    m_pathSeries = lineOf(c, molvix::ui::kCurveColour, tr("Medidos"), Qt::SolidLine);
    m_pathTheory = lineOf(c, kNavyColour, tr("Exponencial de la media"), Qt::DashLine);
    m_pathMean = lineOf(c, molvix::ui::kMarkColour, tr("λ"), Qt::DotLine);
    c = ChartMSD->chart();
    m_msdSeries = lineOf(c, molvix::ui::kCurveColour, tr("Medido"), Qt::SolidLine);
    m_msdFit = lineOf(c, kNavyColour, tr("Recta ajustada"), Qt::DashLine);
    ChartRapidez = new SpeedChartView;
    ChartRapidez->setObjectName(QStringLiteral("ChartRapidez"));
    ChartRapidez->setMinimumSize(220, 170);
    c = ChartRapidez->chart();
    c->setTitle(tr("Rapidez de la partícula pesada"));
    c->axes(Qt::Horizontal).front()->setTitleText(tr("Rapidez"));
    c->axes(Qt::Vertical).front()->setTitleText(tr("Densidad"));
    ChartRapidez->histogram()->setName(tr("Medidas"));
    ChartRapidez->curve()->setName(tr("Maxwell–Boltzmann a kT/M"));
    c->legend()->setVisible(true);
    c->legend()->setFont(molvix::ui::smallChartFont());
    c->legend()->setShowToolTips(true);
    ChartRapidez->clear();

    // Three charts a row, the figures in the last place beside them.
    LabelCifras = textLabel("LabelCifras", QString());
    LabelCifras->hide();
    LabelAviso->hide();
    LabelCifras->setWordWrap(true);
    LabelCifras->setMinimumWidth(120);
    auto *charts = new QGridLayout;
    const std::array<FocusChartView *, 5> views{ChartLados, ChartEfusion, ChartCaminos, ChartMSD,
                                                ChartRapidez};
    const std::array<QString, 5> stems{tr("lados"), tr("efusion"), tr("caminos-libres"),
                                       tr("desplazamiento"), tr("rapidez-pesada")};
    for (size_t i = 0; i < views.size(); ++i) {
        if (views[i] != ChartRapidez) {
            attachAll(views[i]->chart());
        }
        ChartExport::attach(views[i], stems[i]);
        charts->addWidget(views[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    charts->addWidget(LabelCifras, 1, 2, Qt::AlignTop);
    for (int k = 0; k < 3; ++k) {
        charts->setColumnStretch(k, 1);
    }
    column->addLayout(charts, 1);
    BtnExportarCSV = new QPushButton(tr("Exportar CSV"));
    BtnExportarCSV->setObjectName(QStringLiteral("BtnExportarCSV"));
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(BtnExportarCSV);
    column->addLayout(bottom);
}

void DiffusionWindow::describeControls()
{
    describe(SpinNumA, LabelNumA->text(), tr("Partículas de la especie A, de masa 1"));
    describe(SpinRadioA, LabelRadioA->text(), tr("En longitudes de la caja"));
    describe(SpinNumB, LabelNumB->text(),
             tr("Partículas de la especie B; A y B juntas, hasta 500"));
    describe(SpinMasaB, LabelMasaB->text(), tr("En masas de A, de 1 a 100"));
    describe(SpinRadioB, LabelRadioB->text(), tr("En longitudes de la caja"));
    describe(BoxPared, LabelPared->text(),
             tr("Sólida: A a la izquierda y B a la derecha; con agujero: las dos a la izquierda "
                "y la derecha vacía"));
    describe(SpinAgujero, LabelAgujero->text(), tr("El agujero es un cuadrado de este lado"));
    describe(SpinMasaPesada, LabelMasaPesada->text(),
             tr("0: ninguna; hasta 1000 masas de A: movimiento browniano"));
    describe(SpinRadioPesada, LabelRadioPesada->text(), tr("Hasta 10 longitudes de la caja"));
    describe(SpinTrazada, LabelTrazada->text(),
             tr("El número de la partícula cuya traza se dibuja; 0: ninguna"));
    describe(BtnAplicar, BtnAplicar->text(),
             tr("Empieza la mezcla con estos valores; el émbolo queda fijo y sin baño"));
    describe(BtnQuitarPared, BtnQuitarPared->text(),
             tr("Quita la pared de en medio: los gases se mezclan"));
    describe(BtnVolver, BtnVolver->text(),
             tr("Termina la mezcla: el gas de siempre, con las partículas del panel de control"));
    describe(BtnExportarCSV, BtnExportarCSV->text(),
             tr("Guarda las partículas a cada lado y la efusión frente al tiempo en un archivo "
                "CSV"));
    ChartLados->setAccessibleName(tr("Partículas a cada lado"));
    ChartEfusion->setAccessibleName(tr("Efusión por el agujero"));
    ChartCaminos->setAccessibleName(tr("Caminos libres"));
    ChartMSD->setAccessibleName(tr("Desplazamiento cuadrático medio"));
    ChartRapidez->setAccessibleName(tr("Rapidez de la partícula pesada"));
    for (QLabel *figure : {LabelExperimento, LabelAviso, LabelCifras}) {
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        figure->setFocusPolicy(Qt::StrongFocus);
    }
    LabelCifras->setAccessibleDescription(tr("Lo medido frente a la teoría cinética"));
    LabelAviso->setAccessibleDescription(tr("Lo que cambia en los otros mandos con la mezcla"));
    LabelExperimento->setAccessibleDescription(tr("El experimento que prepara la pared"));
    const QList<QWidget *> order{SpinNumA,       SpinRadioA,     SpinNumB,    SpinMasaB,
                                 SpinRadioB,     BoxPared,       SpinAgujero, SpinMasaPesada,
                                 SpinRadioPesada, SpinTrazada,   BtnAplicar,  BtnQuitarPared,
                                 BtnVolver,      LabelExperimento, LabelAviso, ChartLados,
                                 ChartEfusion,   ChartCaminos,   ChartMSD,    ChartRapidez,
                                 LabelCifras,    BtnExportarCSV};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

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
    return m;
}

QString DiffusionWindow::experimentText(const MixtureSettings &m)
{
    switch (m.divider) {
    case Divider::Solid:
        return tr("Difusión: A empieza a la izquierda y B a la derecha de la pared; quítela y "
                  "mire cómo se mezclan.");
    case Divider::Hole:
        return tr("Efusión (ley de Graham): A y B empiezan a la izquierda y la derecha está "
                  "vacía; pasan por el agujero.");
    default:
        break;
    }
    if (m.heavyMass > 0) {
        return tr("Movimiento browniano: una partícula pesada entre las ligeras.");
    }
    return tr("Camino libre medio y paseo al azar: las partículas repartidas por toda la caja.");
}

void DiffusionWindow::BtnAplicarClick()
{
    const MixtureSettings m = shownSettings();
    // A box packed past the gas's limit leaves no room to lay the spheres
    // out without overlaps: refused, the gas as it was.
    m_refused = !m_gas->setMixture(m);
    m_refusedHalf = m_refused && m.divider != Divider::None;
    redraw(); // the refusal said, or taken back
    if (m_refused) {
        return;
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
