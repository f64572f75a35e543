#include "processwindow.h"

#include "chartexport.h"
#include "chartstyle.h"
#include "controls.h"
#include "csvsavedialog.h"
#include "processcsv.h"
#include "pvchartview.h"
#include "pvfit.h"
#include "savefolder.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using molvix::ui::describe;
using molvix::ui::kNavyColour;
using molvix::ui::kYes;
using molvix::ui::shownItem;
using molvix::ui::textLabel;

namespace {

// A number box that takes either decimal sign: the one of the interface's
// language and the system's may differ (a Spanish interface on a system
// without a Spanish locale), and a class types what it reads. No box shows
// thousands separators, so neither sign can mean one.
class DecimalSpinBox : public QDoubleSpinBox
{
public:
    QValidator::State validate(QString &input, int &pos) const override
    {
        input = ownSign(input);
        return QDoubleSpinBox::validate(input, pos);
    }
    double valueFromText(const QString &text) const override
    {
        return QDoubleSpinBox::valueFromText(ownSign(text));
    }
    void fixup(QString &input) const override
    {
        input = ownSign(input);
        QDoubleSpinBox::fixup(input);
    }

private:
    QString ownSign(QString text) const
    {
        const QString point = locale().decimalPoint();
        for (const QChar sign : {QLatin1Char('.'), QLatin1Char(',')}) {
            if (point != sign) {
                text.replace(sign, point);
            }
        }
        return text;
    }
};

QDoubleSpinBox *spinBox(const char *name, double lo, double hi, int decimals, double step)
{
    auto *spin = new DecimalSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(lo, hi);
    spin->setDecimals(decimals);
    spin->setSingleStep(step);
    // A value counts once typed in whole (Enter, Tab or the arrows), not at
    // every digit on the way.
    spin->setKeyboardTracking(false);
    spin->setAccelerated(true);
    spin->setGroupSeparatorShown(false);
    QPalette p = spin->palette();
    p.setColor(QPalette::Text, kNavyColour);
    spin->setPalette(p);
    return spin;
}

QString shown(double x, int decimals)
{
    return molvix::ui::shownNumber(x, 'f', decimals);
}

} // namespace

ProcessWindow::ProcessWindow(Gas *g, QWidget *parent) : QWidget(parent), m_gas(g ? g : &gas())
{
    setObjectName(QStringLiteral("FormProcesos"));
    setWindowTitle(tr("Procesos"));
    // Closing it only hides it; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    describeControls();
    showSettings();
    m_redrawTimer.setObjectName(QStringLiteral("TimeProcesos"));
    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(kRedrawEvery);
    connect(&m_redrawTimer, &QTimer::timeout, this, &ProcessWindow::redraw);
    connect(BoxEmbolo, &QComboBox::editTextChanged, this, &ProcessWindow::applySettings);
    connect(BoxBano, &QComboBox::editTextChanged, this, &ProcessWindow::applySettings);
    // The load a piston can carry grows with its mass (kLoadPerMassMax): a
    // lighter piston lowers the load first, then both are applied.
    connect(SpinMasa, &QDoubleSpinBox::valueChanged, this, &ProcessWindow::limitLoad);
    // A bath temperature set here is the user's from then on (connected
    // first: applySettings sees it chosen).
    connect(SpinTempBano, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!m_showing) {
            m_bathChosen = true;
        }
    });
    for (QDoubleSpinBox *spin : {SpinVelEmbolo, SpinCarga, SpinMasa, SpinTempBano}) {
        connect(spin, &QDoubleSpinBox::valueChanged, this, &ProcessWindow::applySettings);
    }
    connect(BtnCero, &QPushButton::clicked, this, &ProcessWindow::BtnCeroClick);
    connect(BtnExportarCSV, &QPushButton::clicked, this, &ProcessWindow::BtnExportarCSVClick);
    askPath = [this] { return CsvSaveDialog::askPath(this, tr("proceso.csv"), &exportDialect); };
    m_readingListener = m_gas->addReadingListener([this](const GasReading &r) { addReading(r); });
    redraw();
}

ProcessWindow::~ProcessWindow()
{
    m_gas->removeReadingListener(m_readingListener);
}

void ProcessWindow::buildControls()
{
    move(360, 1);
    resize(560, 640);
    QVBoxLayout *column = molvix::ui::silverColumn(this, &Panel1);

    // The piston and the bath, in two columns.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    LabelEmbolo = textLabel("LabelEmbolo", tr("Émbolo"));
    BoxEmbolo = molvix::ui::comboBox(nullptr, "BoxEmbolo",
                                     {tr("Fijo"), tr("Móvil"), tr("Con carga")}, kFijo, QRect());
    LabelVelEmbolo = textLabel("LabelVelEmbolo", tr("Velocidad del émbolo"));
    SpinVelEmbolo = spinBox("SpinVelEmbolo", 0.01, kPistonSpeedMax, 2, 0.1);
    LabelCarga = textLabel("LabelCarga", tr("Carga (presión exterior)"));
    SpinCarga = spinBox("SpinCarga", 0, kLoadMax, 1, 100);
    LabelMasa = textLabel("LabelMasa", tr("Masa del émbolo"));
    SpinMasa = spinBox("SpinMasa", kPistonMassMin, kPistonMassMax, 2, 10);
    LabelBano = textLabel("LabelBano", tr("Baño térmico"));
    BoxBano = molvix::ui::yesNoBox(nullptr, "BoxBano", QRect());
    LabelTempBano = textLabel("LabelTempBano", tr("Temperatura del baño"));
    SpinTempBano = spinBox("SpinTempBano", 0, kBathTemperatureMax, 2, 0.1);
    const QList<std::pair<QLabel *, QWidget *>> rows{
        {LabelEmbolo, BoxEmbolo}, {LabelVelEmbolo, SpinVelEmbolo},
        {LabelCarga, SpinCarga},  {LabelMasa, SpinMasa},
        {LabelBano, BoxBano},     {LabelTempBano, SpinTempBano}};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        // The piston's three on the left, the bath's two on the right.
        const int row = i < 4 ? static_cast<int>(i) : static_cast<int>(i) - 4;
        const int col = i < 4 ? 0 : 2;
        rows[i].first->setBuddy(rows[i].second);
        grid->addWidget(rows[i].first, row, col, Qt::AlignRight);
        grid->addWidget(rows[i].second, row, col + 1);
        rows[i].second->setMinimumWidth(95);
    }
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);
    LabelMezcla = textLabel("LabelMezcla", QString());
    LabelMezcla->setWordWrap(true);
    LabelMezcla->setMinimumWidth(120);
    LabelMezcla->hide();
    column->addWidget(LabelMezcla);

    // The ledger.
    LabelBalance = textLabel("LabelBalance", tr("Balance de energía desde la puesta a cero"));
    column->addSpacing(6);
    column->addWidget(LabelBalance);
    LabelTrabajo = textLabel("LabelTrabajo", QString());
    LabelCalor = textLabel("LabelCalor", QString());
    LabelDeltaU = textLabel("LabelDeltaU", QString());
    LabelReparto = textLabel("LabelReparto", QString());
    BtnCero = new QPushButton(tr("Poner a cero"));
    BtnCero->setObjectName(QStringLiteral("BtnCero"));
    auto *ledger = new QGridLayout;
    ledger->addWidget(LabelTrabajo, 0, 0);
    ledger->addWidget(LabelCalor, 1, 0);
    ledger->addWidget(LabelDeltaU, 2, 0);
    ledger->addWidget(LabelReparto, 3, 0);
    ledger->addWidget(BtnCero, 3, 1, Qt::AlignRight);
    ledger->setColumnStretch(0, 1);
    // Long figures and translations wrap rather than widen the window.
    for (QLabel *label : {LabelBalance, LabelTrabajo, LabelCalor, LabelDeltaU, LabelReparto}) {
        label->setWordWrap(true);
        // A selectable label asks for its whole line as its least width;
        // given one, the layout wraps it instead.
        label->setMinimumWidth(120);
    }
    column->addLayout(ledger);

    // The diagram, its fit and the export.
    LabelDiagrama =
        textLabel("LabelDiagrama", tr("Diagrama P–V de las lecturas desde la puesta a cero"));
    LabelDiagrama->setWordWrap(true);
    LabelDiagrama->setMinimumWidth(120);
    column->addSpacing(6);
    column->addWidget(LabelDiagrama);
    ChartPV = new PvChartView;
    ChartPV->setObjectName(QStringLiteral("ChartPV"));
    ChartPV->setMinimumHeight(200);
    column->addWidget(ChartPV, 1);
    ChartExport::attach(ChartPV, tr("diagrama-pv"));
    LabelAjuste = textLabel("LabelAjuste", QString());
    LabelAjuste->setWordWrap(true);
    LabelAjuste->setMinimumWidth(120);
    column->addWidget(LabelAjuste);
    BtnExportarCSV = new QPushButton(tr("Exportar CSV"));
    BtnExportarCSV->setObjectName(QStringLiteral("BtnExportarCSV"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnExportarCSV);
    column->addLayout(buttons);
}

void ProcessWindow::describeControls()
{
    describe(BoxEmbolo, tr("Émbolo"),
             tr("Fijo: en su posición; Móvil: va a donde diga la barra de la pared; Con carga: "
                "lo mueven los choques y la carga"));
    describe(SpinVelEmbolo, tr("Velocidad del émbolo"),
             tr("Longitudes por unidad de tiempo, con el émbolo móvil"));
    describe(SpinCarga, tr("Carga (presión exterior)"),
             tr("En las unidades de la lectura «Presión», con el émbolo con carga"));
    describe(SpinMasa, tr("Masa del émbolo"), tr("En masas de partícula, con el émbolo con carga"));
    describe(BoxBano, tr("Baño térmico"),
             tr("SI hace térmicas las cinco paredes fijas: devuelven cada partícula con una "
                "velocidad de la temperatura del baño"));
    describe(SpinTempBano, tr("Temperatura del baño"),
             tr("En las unidades de la lectura «Temperatura»"));
    const QString ledger = tr("Balance de energía desde la puesta a cero, en unidades de "
                              "«Energía»: ΔU = W + Q");
    for (QLabel *figure : {LabelTrabajo, LabelCalor, LabelDeltaU, LabelReparto, LabelAjuste}) {
        figure->setAccessibleDescription(ledger);
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        figure->setFocusPolicy(Qt::StrongFocus);
    }
    LabelReparto->setAccessibleDescription(
        tr("Parte de la energía en el movimiento en x, y, z: con colisiones, un tercio cada una"));
    LabelAjuste->setAccessibleDescription(
        tr("Exponente ajustado a las lecturas: pendiente de ln P frente a ln V, con su error "
           "típico; un gas monoatómico sin intercambio de calor da 5/3"));
    describe(BtnCero, tr("Poner a cero"),
             tr("El balance de energía y el diagrama P–V empiezan de nuevo desde ahora"));
    ChartPV->setAccessibleName(tr("Diagrama P–V"));
    describe(BtnExportarCSV, tr("Exportar CSV"),
             tr("Guarda las lecturas desde la puesta a cero, con el émbolo, el trabajo, el calor "
                "y la energía por eje, en un archivo CSV"));
    const QList<QWidget *> order{
        BoxEmbolo,  SpinVelEmbolo, SpinCarga,    SpinMasa, BoxBano, SpinTempBano, LabelTrabajo,
        LabelCalor, LabelDeltaU,   LabelReparto, BtnCero,  ChartPV, LabelAjuste,  BtnExportarCSV};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void ProcessWindow::showSettings()
{
    // What the gas has, without applying it back on the way.
    m_showing = true;
    const ProcessSettings &p = m_gas->process();
    const int mode = p.piston == PistonMode::Moving   ? kMovil
                     : p.piston == PistonMode::Loaded ? kConCarga
                                                      : kFijo;
    BoxEmbolo->setCurrentIndex(mode);
    BoxEmbolo->setEditText(BoxEmbolo->itemText(mode));
    BoxBano->setCurrentIndex(p.bath ? kYes : molvix::ui::kNo);
    BoxBano->setEditText(BoxBano->itemText(BoxBano->currentIndex()));
    SpinVelEmbolo->setValue(p.pistonSpeed);
    SpinMasa->setValue(p.pistonMass);
    limitLoad();
    SpinCarga->setValue(p.load);
    SpinTempBano->setValue(p.bathTemperature);
    m_showing = false;
    enableControls();
}

void ProcessWindow::limitLoad()
{
    SpinCarga->setMaximum(loadLimit(SpinMasa->value()));
}

void ProcessWindow::enableControls()
{
    const int mode = shownItem(BoxEmbolo);
    SpinVelEmbolo->setEnabled(mode == kMovil);
    LabelVelEmbolo->setEnabled(mode == kMovil);
    for (QWidget *w :
         std::initializer_list<QWidget *>{SpinCarga, SpinMasa, LabelCarga, LabelMasa}) {
        w->setEnabled(mode == kConCarga);
    }
    SpinTempBano->setEnabled(shownItem(BoxBano) == kYes);
    LabelTempBano->setEnabled(shownItem(BoxBano) == kYes);
    for (QWidget *w : std::initializer_list<QWidget *>{BoxEmbolo, LabelEmbolo, BoxBano, LabelBano}) {
        w->setEnabled(!m_mixtureLock);
    }
    if (m_mixtureLock) {
        for (QWidget *w : std::initializer_list<QWidget *>{SpinVelEmbolo, LabelVelEmbolo, SpinCarga,
                                                           LabelCarga, SpinMasa, LabelMasa,
                                                           SpinTempBano, LabelTempBano}) {
            w->setEnabled(false);
        }
    }
}

void ProcessWindow::setMixtureLock(bool locked)
{
    m_mixtureLock = locked;
    LabelMezcla->setText(locked ? tr("Con una mezcla, el émbolo queda fijo y sin baño: su física "
                                     "supone que todas las partículas tienen la misma masa.")
                                : QString());
    LabelMezcla->setVisible(locked);
    showSettings();
}

void ProcessWindow::applySettings()
{
    if (m_showing || m_mixtureLock) {
        return;
    }
    ProcessSettings p = m_gas->process();
    // Typed text that is no item leaves the piston as it is; for the bath,
    // as in the control panel, only "SI" switches it on.
    switch (shownItem(BoxEmbolo)) {
    case kFijo:
        p.piston = PistonMode::Fixed;
        break;
    case kMovil:
        if (p.piston != PistonMode::Moving) {
            // It goes nowhere until the wall bar says where: a target left
            // from before would set it off on its own.
            p.pistonTarget = m_gas->pistonPosition();
        }
        p.piston = PistonMode::Moving;
        break;
    case kConCarga:
        p.piston = PistonMode::Loaded;
        break;
    default:
        break;
    }
    const bool bathWasOn = p.bath;
    p.bath = shownItem(BoxBano) == kYes;
    p.pistonSpeed = static_cast<float>(SpinVelEmbolo->value());
    p.load = static_cast<float>(SpinCarga->value());
    p.pistonMass = static_cast<float>(SpinMasa->value());
    if (m_bathChosen) {
        p.bathTemperature = static_cast<float>(SpinTempBano->value());
    } else if (p.bath && !bathWasOn) {
        // Switched on with no temperature chosen: the gas's own, exactly
        // (the box shows it to its two decimals), as molvix-lab takes it.
        p.bathTemperature = m_gas->bathTemperatureDefault();
        m_showing = true;
        SpinTempBano->setValue(p.bathTemperature);
        m_showing = false;
    }
    if (!(p == m_gas->process())) {
        m_gas->setProcess(p);
    }
    enableControls();
    redrawLedger();
}

void ProcessWindow::addReading(const GasReading &reading)
{
    // Read as the gas hands the reading over: its series is the reading's.
    if (m_series != m_gas->series()) {
        m_readings.clear();
        m_series = m_gas->series();
    }
    m_readings.push_back(reading);
    if (isVisible() && !m_redrawTimer.isActive()) {
        m_redrawTimer.start();
    }
}

void ProcessWindow::BtnCeroClick()
{
    m_gas->resetLedger();
    m_readings.clear();
    redraw();
}

void ProcessWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showSettings(); // the gas may have been set from elsewhere meanwhile
    redraw();
}

void ProcessWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_redrawTimer.stop();
}

void ProcessWindow::redraw()
{
    ++m_redraws;
    m_redrawTimer.stop();
    redrawLedger();
    redrawDiagram();
}

int ProcessWindow::ledgerDecimals(double work, double heat, double change)
{
    // As many decimals as it takes for the figures shown to add up, from two
    // to four: each is rounded on its own, so at two W + Q can miss ΔU by one
    // in the last digit.
    for (int decimals = 2; decimals <= 4; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (std::round(work * scale) + std::round(heat * scale) == std::round(change * scale)) {
            return decimals;
        }
    }
    return 2;
}

void ProcessWindow::redrawLedger()
{
    const EnergyLedger l = m_gas->ledger();
    const int decimals = ledgerDecimals(l.work, l.heat, l.energyChange);
    LabelTrabajo->setText(
        tr("W (trabajo del émbolo sobre el gas) = %1").arg(shown(l.work, decimals)));
    LabelCalor->setText(tr("Q (calor que entra en el gas) = %1").arg(shown(l.heat, decimals)));
    QString change = tr("ΔU (cambio de la energía del gas) = %1").arg(shown(l.energyChange, decimals));
    const double scale = std::pow(10.0, decimals);
    if (std::round(l.work * scale) + std::round(l.heat * scale) !=
        std::round(l.energyChange * scale)) {
        change += tr("   (W + Q = %1: las cifras están redondeadas por separado)")
                      .arg(shown(l.work + l.heat, decimals));
    }
    LabelDeltaU->setText(change);
    const std::array<double, 3> share = m_gas->energyShares();
    LabelReparto->setText(
        tr("Energía en el movimiento en x: %1 %, en y: %2 %, en z: %3 %")
            .arg(shown(100 * share[0], 1), shown(100 * share[1], 1), shown(100 * share[2], 1)));
}

void ProcessWindow::redrawDiagram()
{
    std::vector<PvPoint> path;
    path.reserve(m_readings.size());
    for (const GasReading &r : m_readings) {
        path.push_back(pvPointOf(r)); // the volume the CSV writes too
    }
    ChartPV->setPath(path);
    LabelAjuste->setText(fitText(path));
}

QString ProcessWindow::fitText(const std::vector<PvPoint> &path)
{
    const auto fit = fitPolytrope(path);
    if (!fit) {
        if (path.empty()) {
            return tr("γ: todavía no hay lecturas desde la puesta a cero (llega una cada %1 "
                      "pasos de la animación).")
                .arg(NPasosPresion);
        }
        return tr("γ: se ajusta cuando el volumen ha cambiado un %1 % o más desde "
                  "la primera lectura (ahora %2 %).")
            .arg(shown(100 * kFitVolumeChange, 0), shown(100 * relativeVolumeChange(path), 1));
    }
    switch (fit->shape) {
    case PvShape::Jump:
        return tr("γ: no se da; el volumen cambió casi todo en una o dos lecturas (un salto, "
                  "como una expansión libre), y un salto no es un camino P·V^γ = const. Para "
                  "seguir un proceso, el émbolo tiene que moverse a lo largo de muchas lecturas.");
    case PvShape::NotPowerLaw:
        return tr("γ: no se da; el camino no es una ley P·V^γ = const (ln P frente a ln V se "
                  "curva mucho más de lo que explica el ruido de las lecturas). Para un "
                  "exponente, «Poner a cero» al empezar un proceso de un solo tipo.");
    case PvShape::TooScattered:
        return tr("γ: no se da; las lecturas se apartan demasiado de una ley P·V^γ = const "
                  "(error de γ %1): o el camino no es una ley de potencias, o el volumen cambia "
                  "poco para el ruido de las lecturas.")
            .arg(shown(fit->error, 2));
    case PvShape::PowerLaw:
        break;
    }
    // The error with one significant digit (two when it starts with a 1),
    // and the exponent to the same decimal.
    int decimals = 4;
    if (fit->error >= 0.5e-4) {
        const int lead = static_cast<int>(std::floor(std::log10(fit->error)));
        const bool one = fit->error / std::pow(10.0, lead) < 2;
        decimals = std::clamp(-lead + (one ? 1 : 0), 2, 4);
    }
    const QString how =
        fit->blockLength > 1
            ? tr("error típico por bloques de %1 lecturas seguidas, que no son independientes")
                  .arg(fit->blockLength)
            : tr("error típico del ajuste");
    return tr("P·V^γ = const, γ = %1 ± %2   (ajuste de ln P frente a ln V, %3 lecturas; %4; "
              "la adiabática de un gas monoatómico da 5/3)")
        .arg(shown(fit->gamma, decimals), shown(fit->error, decimals))
        .arg(fit->points)
        .arg(how);
}

void ProcessWindow::BtnExportarCSVClick()
{
    const QString path = askPath ? askPath() : QString();
    if (path.isEmpty()) {
        return; // cancelled
    }
    QString error;
    if (saveProcessReadingsCsv(path, m_readings, &error, exportDialect)) {
        molvix::ui::rememberSaveFolder(path);
    } else {
        QMessageBox::warning(this, tr("Exportar CSV"),
                             tr("No se pudo guardar el archivo\n%1\n\n%2\n\nLas lecturas siguen "
                                "aquí: pruebe con otra carpeta u otro nombre.")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}
