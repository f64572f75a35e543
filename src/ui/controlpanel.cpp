#include "controlpanel.h"

#include "animationkey.h"
#include "controls.h"
#include "readouttext.h"
#include "strtoint.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

using molvix::ui::describe;
using molvix::ui::kNavyColour;
using molvix::ui::kYes;
using molvix::ui::label;
using molvix::ui::shownItem;
using molvix::ui::yesNoBox;

namespace {


QScrollBar *scrollBar(QWidget *parent, const char *name, const QRect &place, int position)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(position);
    bar->setGeometry(place);
    // Reached by Tab; the arrow keys then move it.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &place)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(place);
    return e;
}

} // namespace

TFormCPanel::TFormCPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormCPanel"));
    setWindowTitle(tr("Panel de Control"));
    // Closing the panel only hides it; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    // Change handlers run on every real change of a position, whether the
    // user or the program moved the bar.
    connect(ScBarNPart, &QScrollBar::valueChanged, this, &TFormCPanel::ScBarNPartChange);
    connect(ScBarTemp, &QScrollBar::valueChanged, this, &TFormCPanel::ScBarTempChange);
    connect(ScBarPared, &QScrollBar::valueChanged, this, &TFormCPanel::ScBarParedChange);
    // The user's own moves of the wall bar (keys, wheel, clicks, drags) come
    // through its actions, each just before the value changes.
    connect(ScBarPared, &QAbstractSlider::actionTriggered, this,
            [this](int action) { m_userMovesWall = action != QAbstractSlider::SliderNoAction; });
    m_pistonSettle = new QTimer(this);
    m_pistonSettle->setSingleShot(true);
    m_pistonSettle->setInterval(kPistonSettleMs);
    connect(m_pistonSettle, &QTimer::timeout, this, &TFormCPanel::applyPistonTarget);
    connect(ScBarPared, &QAbstractSlider::sliderReleased, this, [this] {
        if (m_targetPending) {
            m_pistonSettle->start();
        }
    });
    connect(BoxDibVel, &QComboBox::editTextChanged, this, &TFormCPanel::BoxDibVelChange);
    connect(BoxColi, &QComboBox::editTextChanged, this, &TFormCPanel::BoxColiChange);
    // The gas writes its readouts here from now on, and collides as the box
    // reads (nothing is drawn for it).
    gas().controls = this;
    BoxColiChange();
    FormCreate();
}

TFormCPanel::~TFormCPanel()
{
    if (gas().controls == this) {
        gas().controls = nullptr;
    }
}

void TFormCPanel::buildControls()
{
    // 333 x 145 on screen with its frame, right under the main window.
    move(-1, 420);
    resize(325, 118);
    Panel1 = molvix::ui::silverPanel(this);
    Panel1->setGeometry(rect());
    Panel1->setFont(molvix::ui::formFont());

    LabelNOfPar = label(Panel1, "LabelNOfPar", tr("Num. Partículas"), {10, 16});
    ScBarNPart = scrollBar(Panel1, "ScBarNPart", QRect(10, 10, 90, 7), 0);
    MaskNOfPar = edit(Panel1, "MaskNOfPar", QRect(104, 10, 45, 21));
    QPalette ep = MaskNOfPar->palette();
    ep.setColor(QPalette::Text, kNavyColour);
    MaskNOfPar->setPalette(ep);
    MaskNOfPar->installEventFilter(this);

    LabelTemp = label(Panel1, "LabelTemp", tr("Temperatura"), {26, 47});
    ScBarTemp = scrollBar(Panel1, "ScBarTemp", QRect(10, 39, 87, 7), 0);
    MaskTemp = edit(Panel1, "MaskTemp", QRect(104, 37, 45, 21));
    LabelEner = label(Panel1, "LabelEner", tr("Energía"), {48, 68});
    MaskEner = edit(Panel1, "MaskEner", QRect(104, 64, 45, 21));
    LabelPre = label(Panel1, "LabelPre", tr("Presión"), {48, 91});
    MaskPre = edit(Panel1, "MaskPre", QRect(104, 90, 45, 21));

    LabelPosPa = label(Panel1, "LabelPosPa", tr("Posicion Pared"), {176, 16});
    ScBarPared = scrollBar(Panel1, "ScBarPared", QRect(175, 10, 90, 7), 100);
    MaskPosPa = edit(Panel1, "MaskPosPa", QRect(274, 10, 31, 21));

    LabelDibVel = label(Panel1, "LabelDibVel", tr("Dibuja "), {210, 37});
    LabelDibVel1 = label(Panel1, "LabelDibVel1", tr("Velocidades"), {194, 49});
    BoxDibVel = yesNoBox(Panel1, "BoxDibVel", QRect(274, 40, 45, 21));
    Label2 = label(Panel1, "Label2", tr("Colisiones"), {210, 78});
    BoxColi = yesNoBox(Panel1, "BoxColi", QRect(274, 74, 45, 21));
    // In the free corner under the switches.
    BtnDifusion = new QPushButton(tr("Difusión"), Panel1);
    BtnDifusion->setObjectName(QStringLiteral("BtnDifusion"));
    BtnDifusion->setGeometry(243, 97, 76, 18);

    const QString reading = tr("Lectura que el gas pone al día");
    describe(ScBarNPart, tr("Número de partículas"), tr("De 0 a 100; las flechas lo cambian"));
    describe(MaskNOfPar, tr("Número de partículas tecleado"), tr("Un número y luego Intro"));
    describe(ScBarTemp, tr("Temperatura"), tr("De 0 a 100; las flechas la cambian"));
    describe(MaskTemp, tr("Lectura de la temperatura"), reading);
    describe(MaskEner, tr("Lectura de la energía cinética"), reading);
    describe(MaskPre, tr("Lectura de la presión"), reading);
    describe(ScBarPared, tr("Posición de la pared"), tr("Altura del émbolo, de 0 a 100"));
    describe(MaskPosPa, tr("Lectura de la posición de la pared"), reading);
    // A combo box is named by its label, on two lines for the vectors.
    describe(BoxDibVel, (LabelDibVel->text() + LabelDibVel1->text()).simplified(),
             tr("SI dibuja el vector velocidad de cada partícula"));
    describe(BoxColi, Label2->text(), tr("SI hace chocar las partículas entre sí"));
    describe(BtnDifusion, BtnDifusion->text(),
             tr("Muestra u oculta la ventana de las mezclas: dos especies, la pared con agujero, "
                "el camino libre medio, la difusión y el movimiento browniano"));
    // Nothing reads what is typed into a readout: Space there runs the gas.
    for (QLineEdit *readout : {MaskTemp, MaskEner, MaskPre, MaskPosPa}) {
        AnimationKey::markReadout(readout);
    }
    LabelDibVel1->setBuddy(BoxDibVel);
    Label2->setBuddy(BoxColi);
    for (QScrollBar *bar : {ScBarNPart, ScBarTemp, ScBarPared}) {
        bar->installEventFilter(this);
    }
    const QList<QWidget *> order{ScBarNPart, MaskNOfPar, ScBarTemp, MaskTemp,  MaskEner,
                                 MaskPre,    ScBarPared, MaskPosPa, BoxDibVel, BoxColi,
                                 BtnDifusion};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void TFormCPanel::setMixtureLock(bool locked)
{
    const QString why =
        locked ? tr("Con una mezcla el número de partículas lo fija la ventana «Difusión»; "
                    "«Volver al gas clásico» devuelve esta barra")
               : QString();
    for (QWidget *w : {static_cast<QWidget *>(ScBarNPart), static_cast<QWidget *>(MaskNOfPar),
                       static_cast<QWidget *>(LabelNOfPar)}) {
        w->setEnabled(!locked);
        w->setToolTip(why);
    }
}

void TFormCPanel::FormCreate()
{
    const GasState &s = gas().state;
    MaskPosPa->setText(QString::number(s.PosPared));
    // The bars come from 0 to the gas's count and temperature. What those
    // moves do to the gas is the program's start (Gas::startSettings), so
    // their handlers do not run for them.
    {
        const QSignalBlocker countBar(ScBarNPart);
        const QSignalBlocker tempBar(ScBarTemp);
        ScBarNPart->setValue(s.NumPar);
        ScBarTemp->setValue(s.Temp);
    }
    gas().startSettings();
    MaskNOfPar->setText(QString::asprintf("%3d", s.NumPar));
}

void TFormCPanel::ScBarParedChange()
{
    const bool byUser = std::exchange(m_userMovesWall, false);
    if (byUser && gas().process().piston == PistonMode::Moving) {
        // Each arrow press would otherwise start a one-unit move at the
        // speed one unit takes, then a rest: a string of small processes,
        // not the one the speed sets. The piston waits for the bar instead.
        m_targetPending = true;
        m_pistonSettle->start();
        return;
    }
    m_targetPending = false;
    m_pistonSettle->stop();
    gas().MoverPared(ScBarPared->value());
    if (mixtureViewsChanged && gas().mixture()) {
        mixtureViewsChanged();
    }
}

void TFormCPanel::applyPistonTarget()
{
    if (ScBarPared->isSliderDown()) {
        return; // held: its release starts the wait again
    }
    m_targetPending = false;
    // Moved back to the fixed piston meanwhile, the bar already moved it.
    if (gas().process().piston == PistonMode::Moving) {
        gas().MoverPared(ScBarPared->value());
    }
}

bool TFormCPanel::pistonTargetPending() const
{
    return m_targetPending;
}

void TFormCPanel::ScBarNPartChange()
{
    MaskNOfPar->setText(QString::number(ScBarNPart->value()));
    gas().setCount(ScBarNPart->value());
}

void TFormCPanel::MaskNOfParKeyPress(QChar &key)
{
    if (key != QChar(13)) {
        return;
    }
    // Text that is not a number counts as 0; the scroll bar clamps the rest.
    NumParTecleado = molvix::StrToInt(MaskNOfPar->text()).value_or(0);
    ScBarNPart->setValue(NumParTecleado);
}

void TFormCPanel::ScBarTempChange()
{
    gas().ReglaTemperatura(ScBarTemp->value());
}

void TFormCPanel::BoxDibVelChange()
{
    // Typed text that is neither item switches nothing (the gas keeps its
    // vectors as they are); the vectors are placed again all the same.
    const int item = shownItem(BoxDibVel);
    if (item == kYes) {
        gas().setVectors(true);
    } else if (item == molvix::ui::kNo) {
        gas().setVectors(false);
    } else {
        gas().DibujaVel();
    }
    if (mixtureViewsChanged && gas().mixture()) {
        mixtureViewsChanged();
    }
}

void TFormCPanel::BoxColiChange()
{
    // Only the yes item switches collisions on: typed text, even "si", is off.
    gas().setCollisions(shownItem(BoxColi) == kYes);
}

bool TFormCPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A scroll bar takes Right as "scroll back", which for these bars is a
    // smaller value; here Right and Up mean more, Left and Down less.
    auto *bar = qobject_cast<QScrollBar *>(watched);
    if (bar != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Right || key == Qt::Key_Up) {
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
        if (key == Qt::Key_Left || key == Qt::Key_Down) {
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    if (watched == MaskNOfPar && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QChar typed = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                          ? QChar(13)
                          : (key->text().isEmpty() ? QChar() : key->text().front());
        if (!typed.isNull()) {
            MaskNOfParKeyPress(typed);
        }
    }
    return QWidget::eventFilter(watched, event); // the key still reaches the edit
}

namespace {

// What the gas reads: "SI" while the yes item is shown, whatever the
// language; "NO" for the no item and for typed text, which switch nothing on.
QString gasReading(const QComboBox *box)
{
    return shownItem(box) == kYes ? QStringLiteral("SI") : QStringLiteral("NO");
}

} // namespace

QString TFormCPanel::BoxColiText() const
{
    return gasReading(BoxColi);
}

void TFormCPanel::showEnergy(double energy)
{
    MaskEner->setText(QString::fromStdString(molvix::readout::energyText(energy)));
}

void TFormCPanel::showTemperature(double temperature, bool emptyGas)
{
    MaskTemp->setText(
        QString::fromStdString(molvix::readout::temperatureText(temperature, emptyGas)));
}

void TFormCPanel::showPressure(double pressure)
{
    MaskPre->setText(QString::fromStdString(molvix::readout::pressureText(pressure)));
}

void TFormCPanel::showWall(int32_t position)
{
    MaskPosPa->setText(QString::fromStdString(molvix::readout::wallText(position)));
    // A loaded piston goes where the particles push it: the bar follows it
    // and cannot be dragged. A moving piston's bar says where it goes, so
    // it stays put; a fixed one's is where the piston is.
    const PistonMode mode = gas().process().piston;
    ScBarPared->setEnabled(mode != PistonMode::Loaded);
    if (mode != PistonMode::Moving && ScBarPared->value() != position) {
        const QSignalBlocker quiet(ScBarPared);
        ScBarPared->setValue(position);
    }
}
