// The window "Difusión"'s controls and charts: how they are laid out and
// what a screen reader hears of them.
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
using molvix::ui::styledLine;
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

} // namespace

void DiffusionWindow::buildControls()
{
    // Four charts a row: 950 wide, beside the main window's 320, it still
    // ends inside a 1280 screen.
    move(320, 60);
    resize(950, 700);
    QVBoxLayout *column = molvix::ui::silverColumn(this, &Panel1);
    column->addLayout(buildSettings());

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
    BtnExportarCSV = new QPushButton(tr("Exportar CSV"));
    BtnExportarCSV->setObjectName(QStringLiteral("BtnExportarCSV"));
    column->addLayout(buildCharts(), 1);
}

// The species on the left, the divider and the particles in the middle,
// the field on the right.
QGridLayout *DiffusionWindow::buildSettings()
{
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
    LabelGravedad = textLabel("LabelGravedad", QCoreApplication::translate("Atmosphere", "Gravedad"));
    SpinGravedad = decimalBox("SpinGravedad", 0, kGravityMax, 1, 1, 0);
    const QList<std::pair<QLabel *, QWidget *>> rows{
        {LabelNumA, SpinNumA},           {LabelRadioA, SpinRadioA},
        {LabelNumB, SpinNumB},           {LabelMasaB, SpinMasaB},
        {LabelRadioB, SpinRadioB},       {LabelPared, BoxPared},
        {LabelAgujero, SpinAgujero},     {LabelMasaPesada, SpinMasaPesada},
        {LabelRadioPesada, SpinRadioPesada}, {LabelTrazada, SpinTrazada},
        {LabelGravedad, SpinGravedad}};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i % 5);
        const int col = static_cast<int>(i / 5) * 2;
        rows[i].first->setBuddy(rows[i].second);
        grid->addWidget(rows[i].first, row, col, Qt::AlignRight);
        grid->addWidget(rows[i].second, row, col + 1);
        rows[i].second->setMinimumWidth(80);
    }
    grid->setColumnStretch(6, 1);
    return grid;
}

// Four charts a row, the figures in the last place beside them.
QGridLayout *DiffusionWindow::buildCharts()
{
    ChartLados = chartView("ChartLados", tr("Partículas a cada lado"), tr("Tiempo"),
                           tr("Partículas"));
    ChartEfusion = chartView("ChartEfusion", tr("Efusión por el agujero"), tr("Tiempo"),
                             tr("Por partícula y tiempo"));
    ChartCaminos = chartView("ChartCaminos", tr("Caminos libres"), tr("Longitud"),
                             tr("Densidad"));
    ChartMSD = chartView("ChartMSD", tr("Desplazamiento cuadrático medio"), tr("Tiempo"),
                         tr("Distancia al cuadrado"));
    QChart *c = ChartLados->chart();
    m_sideSeries = {styledLine(c, kColourA, tr("A izquierda"), Qt::SolidLine),
                    styledLine(c, kColourA, tr("A derecha"), Qt::DashLine),
                    styledLine(c, kColourB, tr("B izquierda"), Qt::SolidLine),
                    styledLine(c, kColourB, tr("B derecha"), Qt::DashLine)};
    c = ChartEfusion->chart();
    m_rateSeries = {styledLine(c, kColourA, tr("A"), Qt::SolidLine),
                    styledLine(c, kColourB, tr("B"), Qt::SolidLine)};
    c = ChartCaminos->chart();
    m_pathSeries = styledLine(c, molvix::ui::kCurveColour, tr("Medidos"), Qt::SolidLine);
    m_pathTheory = styledLine(c, kNavyColour, tr("Exponencial de la media"), Qt::DashLine);
    m_pathMean = styledLine(c, molvix::ui::kMarkColour, tr("λ"), Qt::DotLine);
    c = ChartMSD->chart();
    m_msdSeries = styledLine(c, molvix::ui::kCurveColour, tr("Medido"), Qt::SolidLine);
    m_msdFit = styledLine(c, kNavyColour, tr("Recta ajustada"), Qt::DashLine);
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
    ChartPerfil = new ProfileChartView({kColourA, kColourB, QColor(220, 0, 0)});
    ChartZ = new ZChartView;
    ChartPerfil->setObjectName(QStringLiteral("ChartPerfil"));
    ChartZ->setObjectName(QStringLiteral("ChartZ"));
    // "Z" alone reads the same in every language: the axis says what it is.
    ChartZ->chart()->axes(Qt::Vertical).front()->setTitleText(tr("Factor de compresibilidad Z"));
    for (FocusChartView *v : {static_cast<FocusChartView *>(ChartPerfil),
                              static_cast<FocusChartView *>(ChartZ)}) {
        v->setMinimumSize(220, 170);
    }

    LabelCifras = textLabel("LabelCifras", QString());
    LabelCifras->hide();
    LabelAviso->hide();
    LabelCifras->setWordWrap(true);
    LabelCifras->setMinimumWidth(120);
    auto *charts = new QGridLayout;
    const std::array<FocusChartView *, 7> views{ChartLados,   ChartEfusion, ChartCaminos,
                                                ChartMSD,     ChartRapidez, ChartPerfil,
                                                ChartZ};
    const std::array<QString, 7> stems{tr("lados"),          tr("efusion"),
                                       tr("caminos-libres"), tr("desplazamiento"),
                                       tr("rapidez-pesada"), tr("perfil-altura"),
                                       tr("z-compacidad")};
    for (size_t i = 0; i < views.size(); ++i) {
        if (i < 4) {
            attachAll(views[i]->chart());
        }
        ChartExport::attach(views[i], stems[i]);
        charts->addWidget(views[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    // The figures and the export under them: every line of a run with all
    // of them on (a hole, the heavy particle, the field, collisions) fits.
    auto *side = new QVBoxLayout;
    side->addWidget(LabelCifras);
    side->addStretch(1);
    side->addWidget(BtnExportarCSV, 0, Qt::AlignRight);
    charts->addLayout(side, 1, 3);
    for (int k = 0; k < 4; ++k) {
        charts->setColumnStretch(k, 1);
    }
    return charts;
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
    describe(SpinGravedad, LabelGravedad->text(),
             tr("Un campo uniforme hacia el suelo, en longitudes por unidad de tiempo al "
                "cuadrado; 0: ninguno"));
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
    ChartPerfil->setAccessibleName(ChartPerfil->chart()->title());
    ChartPerfil->setAccessibleDescription(
        tr("La densidad de cada especie por capas de altura, frente a la ley barométrica, y su "
           "temperatura en el eje de la derecha"));
    ChartZ->setAccessibleName(ChartZ->chart()->title());
    ChartZ->setAccessibleDescription(
        tr("Z medido en las paredes y por el virial, a la compacidad de este gas y de los "
           "valores aplicados antes, frente a Carnahan–Starling y al gas ideal"));
    for (QLabel *figure : {LabelExperimento, LabelAviso, LabelCifras}) {
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        figure->setFocusPolicy(Qt::StrongFocus);
    }
    LabelCifras->setAccessibleDescription(tr("Lo medido frente a la teoría cinética"));
    LabelAviso->setAccessibleDescription(tr("Lo que cambia en los otros mandos con la mezcla"));
    LabelExperimento->setAccessibleDescription(tr("El experimento que prepara la pared"));
    const QList<QWidget *> order{SpinNumA,       SpinRadioA,     SpinNumB,    SpinMasaB,
                                 SpinRadioB,     BoxPared,       SpinAgujero, SpinMasaPesada,
                                 SpinRadioPesada, SpinTrazada,   SpinGravedad, BtnAplicar,
                                 BtnQuitarPared, BtnVolver,      LabelExperimento, LabelAviso,
                                 ChartLados,     ChartEfusion,   ChartCaminos, ChartMSD,
                                 ChartRapidez,   ChartPerfil,    ChartZ,      LabelCifras,
                                 BtnExportarCSV};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

