#include "mainwindow.h"

#include "animationkey.h"
#include "clicklabel.h"
#include "controlpanel.h"
#include "controls.h"
#include "creditswindow.h"
#include "gas.h"
#include "gasviews.h"
#include "graphswindow.h"
#include "handbookwindow.h"
#include "helptexts.h"
#include "scenesetup.h"
#include "processwindow.h"
#include "diffusionwindow.h"
#include "mixturescene.h"
#include "ticktimer.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

using molvix::ui::describe;
using molvix::ui::kNo;
using molvix::ui::kYes;
using molvix::ui::label;
using molvix::ui::shownItem;
using molvix::ui::yesNoBox;

namespace {

constexpr int kClientWidth = 326; // 334 x 420 on screen, less its frame
constexpr int kClientHeight = 393;
constexpr int kTopStrip = 22;
constexpr int kBottomPanel = 60;

constexpr TColor kTeal = 0x808000;

// BoxBolas's items, by index.
enum BolasItem
{
    kBolas = 0,
    kPuntos = 1,
    kOpenGLNo = 2
};

// The OpenGL view's particle drawn as a single point, of 50 x size pixels.
constexpr uint8_t kGLPoint = 2;
constexpr float kGLPointSize = 0.06f;

const QColor kBlueColour(0, 0, 255);
const QColor kSilverColour(192, 192, 192);
const QColor kNavyColour(0, 0, 128);

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// An arrow acts for as long as it is held down: by the mouse, or by Space or
// Enter while it has the focus (a tool button itself only knows Space).
class ArrowButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!isEnter(event)) {
            QToolButton::keyPressEvent(event);
            return;
        }
        QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                        event->isAutoRepeat());
        QToolButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
    }
    void keyReleaseEvent(QKeyEvent *event) override
    {
        if (!isEnter(event)) {
            QToolButton::keyReleaseEvent(event);
            return;
        }
        QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                        event->isAutoRepeat());
        QToolButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
    }
};

// The scene views tell a screen reader what they show, worked out when it
// asks, so the description is never behind the gas.
class SceneAccessible : public QAccessibleWidget
{
public:
    explicit SceneAccessible(QWidget *view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            if (const auto *form = qobject_cast<const TForm1 *>(widget()->parentWidget())) {
                return form->sceneDescription();
            }
        }
        return QAccessibleWidget::text(t);
    }
};

// "Giro" and "Zoom" are words that act when clicked: a screen reader hears
// buttons that can be pressed.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) {
            return static_cast<const ClickLabel *>(widget())->text();
        }
        return own;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            emit static_cast<ClickLabel *>(widget())->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleFor(const QString &key, QObject *object)
{
    if (key == QLatin1String("ClickLabel")) {
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    }
    if (key == QLatin1String("TVx3DWorld") || key == QLatin1String("TVx3DWorldGL")) {
        return new SceneAccessible(static_cast<QWidget *>(object));
    }
    return nullptr;
}

QToolButton *arrowButton(QWidget *parent, const char *name, const char *glyph, const QRect &place)
{
    auto *button = new ArrowButton(parent);
    button->setObjectName(QLatin1String(name));
    QIcon icon;
    icon.addFile(QStringLiteral(":/glyphs/arrow-%1.png").arg(QLatin1String(glyph)), {},
                 QIcon::Normal);
    icon.addFile(QStringLiteral(":/glyphs/arrow-%1-disabled.png").arg(QLatin1String(glyph)), {},
                 QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(place);
    return button;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)accessibilityInstalled;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tarvelo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/molvix.png")));
    setAttribute(Qt::WA_QuitOnClose, true);
    buildControls();
    // The OpenGL view takes its first size while the window is laid out,
    // before the creation handler runs: its world mapping is set up by then.
    Vx3DWorldGL1->updateMapping();
    FormCreate();
    connectHandlers();
    describeControls();
    setUpKeyboard();
}

TForm1::~TForm1()
{
    if (Vx3DWorldGL1->parentWidget() != this) {
        delete Vx3DWorldGL1;
    }
    // The gas must not reach views that are gone.
    if (gas().soft == m_softDisplay.get()) {
        gas().soft = nullptr;
    }
    if (gas().gl == m_glDisplay.get()) {
        gas().gl = nullptr;
    }
}

QRect TForm1::viewRect() const
{
    // The room between the strips. Full screen or maximized, the screen's
    // shape would stretch the box (the software view scales each screen axis
    // to its own side): there the view keeps the shape it opens at, centred,
    // as large as fits. A window the user sizes is drawn as sized.
    const QRect room(0, kTopStrip, width(), std::max(0, height() - kTopStrip - kBottomPanel));
    if (!(windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))) {
        return room;
    }
    constexpr int kOpenViewHeight = kClientHeight - kTopStrip - kBottomPanel;
    QSize shape(kClientWidth, kOpenViewHeight);
    shape.scale(room.size(), Qt::KeepAspectRatio);
    QRect view(QPoint(), shape);
    view.moveCenter(room.center());
    return view;
}

void TForm1::buildControls()
{
    move(-1, 1);
    resize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBlueColour);
    p.setColor(QPalette::WindowText, kNavyColour);
    p.setColor(QPalette::ButtonText, kNavyColour);
    p.setColor(QPalette::Text, kNavyColour);
    setPalette(p);
    setFont(molvix::ui::formFont());

    // The views lie under both panels, filling the client area between them.
    Vx3DWorld1 = new TVx3DWorld(this);
    Vx3DWorld1->setObjectName(QStringLiteral("Vx3DWorld1"));
    Vx3DWorld1->XMax = Vx3DWorld1->YMax = Vx3DWorld1->ZMax = 100.0f;
    Vx3DWorld1->Alfa = 0;
    Vx3DWorld1->Beta = 0;
    Vx3DWorld1->Zoom = 1.0f;
    Vx3DWorld1->UpdateInmediate = false;
    Vx3DWorld1->Color = 0;
    Vx3DWorld1->setGeometry(viewRect());

    // The OpenGL view joins the window only when the user switches to it: a
    // window holding an OpenGL widget composes every frame through OpenGL,
    // which costs the software view's animation dearly and which platforms
    // without OpenGL cannot do at all. Until then it keeps its scene
    // current, hidden and without a context.
    Vx3DWorldGL1 = new TVx3DWorldGL(nullptr);
    Vx3DWorldGL1->setObjectName(QStringLiteral("Vx3DWorldGL1"));
    Vx3DWorldGL1->Color = 0;
    Vx3DWorldGL1->XMax = Vx3DWorldGL1->YMax = Vx3DWorldGL1->ZMax = 100.0f;
    Vx3DWorldGL1->Angle = 45.0f;
    Vx3DWorldGL1->transZ = -4.0f;
    Vx3DWorldGL1->setGeometry(viewRect());
    Vx3DWorldGL1->hide();

    Panel1 = molvix::ui::panel(this, "Panel1", kBlueColour);
    Panel1->setGeometry(0, 0, width(), kTopStrip);
    BtnInfo = new QPushButton(tr("Información"), Panel1);
    BtnInfo->setObjectName(QStringLiteral("BtnInfo"));
    BtnInfo->setGeometry(136, 3, 75, 18);
    // In the free space between "Información" and "FIN".
    BtnGraficas = new QPushButton(tr("Gráficas"), Panel1);
    BtnGraficas->setObjectName(QStringLiteral("BtnGraficas"));
    BtnGraficas->setGeometry(214, 3, 76, 18);
    // In the free space between "CPanel" and "Información".
    BtnProcesos = new QPushButton(tr("Procesos"), Panel1);
    BtnProcesos->setObjectName(QStringLiteral("BtnProcesos"));
    BtnProcesos->setGeometry(57, 3, 76, 18);
    BtnCPanel = new QPushButton(tr("CPanel"), this);
    BtnCPanel->setObjectName(QStringLiteral("BtnCPanel"));
    BtnCPanel->setGeometry(4, 3, 50, 18);
    BtnFin = new QPushButton(tr("FIN"), this);
    BtnFin->setObjectName(QStringLiteral("BtnFin"));
    BtnFin->setGeometry(293, 3, 30, 18);

    BottomPanel = molvix::ui::panel(this, "BottomPanel", kSilverColour);
    BottomPanel->setGeometry(0, height() - kBottomPanel, width(), kBottomPanel);
    LabelGL = label(BottomPanel, "LabelGL", tr("OpenGL"), {224, 10});
    BoxOpenGL = yesNoBox(BottomPanel, "BoxOpenGL", QRect(276, 8, 45, 21));
    BoxBolas =
        molvix::ui::comboBox(BottomPanel, "BoxBolas", {tr("Bolas"), tr("Puntos"), tr("OpenGL NO")},
                             kPuntos, QRect(226, 8, 95, 21));
    BoxBolas->hide();
    LabelEjes = label(BottomPanel, "LabelEjes", tr("EJES"), {226, 36});
    BoxEjes = yesNoBox(BottomPanel, "BoxEjes", QRect(276, 32, 45, 21));

    GiroXU = arrowButton(BottomPanel, "GiroXU", "up", QRect(120, 0, 23, 21));
    GiroXD = arrowButton(BottomPanel, "GiroXD", "down", QRect(120, 39, 23, 21));
    GiroYL = arrowButton(BottomPanel, "GiroYL", "left", QRect(97, 19, 23, 21));
    GiroYR = arrowButton(BottomPanel, "GiroYR", "right", QRect(144, 19, 23, 21));
    LabelGiro = label<ClickLabel>(BottomPanel, "LabelGiro", tr("Giro"), {120, 24});
    LabelGiro->setFixedWidth(23);
    LabelGiro->setAlignment(Qt::AlignCenter);

    BevelZoom = new QFrame(BottomPanel);
    BevelZoom->setObjectName(QStringLiteral("BevelZoom"));
    BevelZoom->setFrameShape(QFrame::Box);
    BevelZoom->setFrameShadow(QFrame::Sunken);
    BevelZoom->setGeometry(173, 6, 50, 50);
    ZoomD = arrowButton(BottomPanel, "ZoomD", "down", QRect(177, 10, 22, 22));
    ZoomU = arrowButton(BottomPanel, "ZoomU", "up", QRect(199, 10, 22, 22));
    LabelZoom = label<ClickLabel>(BottomPanel, "LabelZoom", tr("Zoom"), {182, 34});

    BevelAni = new QFrame(BottomPanel);
    BevelAni->setObjectName(QStringLiteral("BevelAni"));
    BevelAni->setFrameShape(QFrame::Box);
    BevelAni->setFrameShadow(QFrame::Sunken);
    BevelAni->setGeometry(2, 5, 87, 50);
    RBtnAni = new QRadioButton(tr("Animación"), BottomPanel);
    RBtnAni->setObjectName(QStringLiteral("RBtnAni"));
    RBtnAni->setGeometry(8, 13, 78, 17);
    RBtnStop = new QRadioButton(tr("Stop"), BottomPanel);
    RBtnStop->setObjectName(QStringLiteral("RBtnStop"));
    RBtnStop->setGeometry(8, 33, 78, 17);
    RBtnStop->setChecked(true);
    BevelAni->lower();
    BevelZoom->lower();

    TimeZoom = new QTimer(this);
    TimeZoom->setObjectName(QStringLiteral("TimeZoom"));
    TimeZoom->setInterval(10);
    TimeGiro = new QTimer(this);
    TimeGiro->setObjectName(QStringLiteral("TimeGiro"));
    TimeGiro->setInterval(10);
    TimeLoop = new TickTimer(this);
    TimeLoop->setObjectName(QStringLiteral("TimeLoop"));
    TimeLoop->setInterval(1);
}

void TForm1::connectHandlers()
{
    connect(BtnFin, &QPushButton::clicked, this, &TForm1::BtnFinClick);
    connect(BtnInfo, &QPushButton::clicked, this, &TForm1::BtnInfoClick);
    connect(BtnCPanel, &QPushButton::clicked, this, &TForm1::BtnCPanelClick);
    connect(BtnGraficas, &QPushButton::clicked, this, &TForm1::BtnGraficasClick);
    connect(BtnProcesos, &QPushButton::clicked, this, &TForm1::BtnProcesosClick);
    connect(BoxOpenGL, &QComboBox::activated, this, &TForm1::BoxOpenGLClick);
    connect(BoxBolas, &QComboBox::editTextChanged, this, &TForm1::BoxBolasChange);
    connect(BoxEjes, &QComboBox::activated, this, &TForm1::BoxEjesClick);
    connect(RBtnAni, &QRadioButton::clicked, this, &TForm1::RBtnAniClick);
    connect(RBtnStop, &QRadioButton::clicked, this, &TForm1::RBtnStopClick);
    connect(TimeLoop, &TickTimer::timeout, this, &TForm1::TimeLoopTimer);
    connect(TimeZoom, &QTimer::timeout, this, &TForm1::TimeZoomTimer);
    connect(TimeGiro, &QTimer::timeout, this, &TForm1::TimeGiroTimer);
    connect(ZoomU, &QToolButton::pressed, this, &TForm1::ZoomUp);
    connect(ZoomD, &QToolButton::pressed, this, &TForm1::ZoomDown);
    connect(ZoomU, &QToolButton::released, this, &TForm1::ZoomNull);
    connect(ZoomD, &QToolButton::released, this, &TForm1::ZoomNull);
    connect(GiroYR, &QToolButton::pressed, this, &TForm1::GiroYRight);
    connect(GiroYL, &QToolButton::pressed, this, &TForm1::GiroYLeft);
    connect(GiroXU, &QToolButton::pressed, this, &TForm1::GiroXUp);
    connect(GiroXD, &QToolButton::pressed, this, &TForm1::GiroXDown);
    for (QToolButton *b : {GiroYR, GiroYL, GiroXU, GiroXD}) {
        connect(b, &QToolButton::released, this, &TForm1::GiroNull);
    }
    connect(LabelZoom, &ClickLabel::clicked, this, &TForm1::LabelZoomClick);
    connect(LabelGiro, &ClickLabel::clicked, this, &TForm1::LabelGiroClick);
    Vx3DWorld1->OnPaint = [this](TVx3DWorld &) { FormPaint(); };
    Vx3DWorldGL1->OnPaint = [this](TVx3DWorldGL &) { Vx3DWorldGL1Paint(); };
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::ShowOpenGLChoice);
}

void TForm1::describeControls()
{
    const QString held = tr("Actúa mientras se mantiene pulsado con el ratón, Espacio o Intro");
    // A control that shows a text is named by it, as shown, so that what is
    // heard is what is seen and "click FIN" finds "FIN"; what it does is its
    // description. Controls without text have names that say what they are.
    describe(BtnCPanel, BtnCPanel->text(), tr("Muestra u oculta el panel de control"));
    describe(BtnInfo, BtnInfo->text(), tr("Muestra u oculta los autores del programa"));
    describe(BtnGraficas, BtnGraficas->text(),
             tr("Muestra u oculta la ventana de la distribución de velocidades, la historia de "
                "las lecturas y la ley de los gases ideales"));
    describe(BtnProcesos, BtnProcesos->text(),
             tr("Muestra u oculta la ventana de los procesos: el émbolo, el baño térmico, el "
                "balance de energía y el diagrama P–V"));
    describe(BtnFin, BtnFin->text(), tr("Termina el programa"));
    for (QWidget *view :
         {static_cast<QWidget *>(Vx3DWorld1), static_cast<QWidget *>(Vx3DWorldGL1)}) {
        view->setAccessibleName(tr("Vista del gas"));
    }
    describe(RBtnAni, RBtnAni->text(), tr("Pone el gas en movimiento"));
    describe(RBtnStop, RBtnStop->text(), tr("Detiene el gas"));
    describe(GiroXU, tr("Girar hacia arriba"), held);
    describe(GiroXD, tr("Girar hacia abajo"), held);
    describe(GiroYL, tr("Girar a la izquierda"), held);
    describe(GiroYR, tr("Girar a la derecha"), held);
    describe(LabelGiro, LabelGiro->text(),
             tr("Restablece el giro: vuelve a la orientación inicial"));
    describe(ZoomU, tr("Acercar"), held);
    describe(ZoomD, tr("Alejar"), held);
    describe(LabelZoom, LabelZoom->text(), tr("Restablece el zoom: vuelve al zoom inicial"));
    // A combo box is named by its label; what it holds is its value.
    describe(BoxOpenGL, LabelGL->text(), tr("SI cambia a la vista OpenGL"));
    describe(BoxBolas, tr("Dibujo de las partículas"),
             tr("Bolas o Puntos; OpenGL NO vuelve a la vista normal"));
    describe(BoxEjes, LabelEjes->text(), tr("SI muestra los ejes, NO los oculta"));
    LabelGL->setBuddy(BoxOpenGL);
    LabelEjes->setBuddy(BoxEjes);
}

void TForm1::setUpKeyboard()
{
    // The words "Giro" and "Zoom" act from the keyboard too; Tab reaches
    // them, and the view, which a screen reader then describes. A click on
    // the view gives it the keys as well, so that Space then runs the gas
    // instead of pressing the button that had the focus.
    LabelGiro->setFocusPolicy(Qt::TabFocus);
    LabelZoom->setFocusPolicy(Qt::TabFocus);
    Vx3DWorld1->setFocusPolicy(Qt::StrongFocus);
    Vx3DWorldGL1->setFocusPolicy(Qt::StrongFocus);
    // The OpenGL view joins the order when it joins the window.
    const QList<QWidget *> order{BtnCPanel,  BtnProcesos, BtnInfo,  BtnGraficas, BtnFin,
                                 Vx3DWorld1, RBtnAni,     RBtnStop, GiroXU,      GiroYL,
                                 LabelGiro,  GiroYR,      GiroXD,   ZoomD,       ZoomU,
                                 LabelZoom,  BoxOpenGL,   BoxBolas, BoxEjes};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }

    // Application-wide, so that they work from the control panel as well.
    const auto shortcut = [this](QKeySequence keys, QAbstractButton *button, const QString &tip) {
        auto *s = new QShortcut(keys, this);
        s->setContext(Qt::ApplicationShortcut);
        connect(s, &QShortcut::activated, button, &QAbstractButton::click);
        button->setToolTip(tip.arg(keys.toString(QKeySequence::NativeText)));
    };
    shortcut(QKeySequence(Qt::Key_F5), RBtnAni, tr("Pone el gas en movimiento (%1)"));
    shortcut(QKeySequence(Qt::Key_F6), RBtnStop, tr("Detiene el gas (%1)"));
    shortcut(QKeySequence(Qt::Key_F2), BtnCPanel, tr("Muestra u oculta el panel de control (%1)"));
    shortcut(QKeySequence(Qt::Key_F3), BtnGraficas, tr("Muestra u oculta las gráficas (%1)"));
    shortcut(QKeySequence(Qt::Key_F4), BtnProcesos, tr("Muestra u oculta los procesos (%1)"));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), BtnFin, tr("Termina el programa (%1)"));
    BtnInfo->setToolTip(tr("Muestra u oculta los autores"));
    const QString gl = QKeySequence(Qt::CTRL | Qt::Key_G).toString(QKeySequence::NativeText);
    BoxOpenGL->setToolTip(tr("SI cambia a la vista OpenGL (%1 muestra esta opción)").arg(gl));

    // F1 is the handbook's, Shift+F1 what the control with the focus is.
    const auto anywhere = [this](QKeySequence keys, auto action) {
        auto *s = new QShortcut(keys, this);
        s->setContext(Qt::ApplicationShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    anywhere(QKeySequence::HelpContents, &TForm1::openHandbook);
    anywhere(QKeySequence(Qt::SHIFT | Qt::Key_F1), &molvix::ui::explainFocus);
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &TForm1::toggleFullScreen);
    new AnimationKey([this] { toggleAnimation(); }, this);
    setToolTip(molvix::ui::keysToolTip(true));
}

void TForm1::openHandbook()
{
    if (Ayuda != nullptr) {
        Ayuda->open();
    }
}

void TForm1::toggleAnimation()
{
    (RBtnStop->isChecked() ? RBtnAni : RBtnStop)->click();
}

void TForm1::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

QString TForm1::sceneDescription() const
{
    const GasState &s = gas().state;
    QString view = tr("Vista normal");
    if (s.ModoGL == 1) {
        view = shownItem(BoxBolas) == kBolas ? tr("Vista OpenGL, partículas como bolas")
                                             : tr("Vista OpenGL, partículas como puntos");
    }
    // Only the normal view draws axes.
    const QString axes =
        s.ModoGL == 0 && Vx3DWorld1->ShowAxes ? tr("Ejes visibles") : tr("Sin ejes");
    const QString motion = TimeLoop->isActive() ? tr("En movimiento") : tr("Detenido");
    return tr("%1 partículas. Pared en la posición %2 de 100. %3. %4. %5.")
        .arg(s.NumPar)
        .arg(s.PosPared)
        .arg(view, axes, motion);
}

void TForm1::FormCreate()
{
    Gas &g = gas();
    GasState &s = g.state;
    ViewNavigation &nav = navigation();
    m_softDisplay = std::make_unique<SoftwareGasView>(*Vx3DWorld1);
    m_glDisplay = std::make_unique<OpenGLGasView>(*Vx3DWorldGL1);
    g.soft = m_softDisplay.get();
    g.gl = m_glDisplay.get();

    BoxOpenGL->hide();
    LabelGL->hide();
    BoxBolas->hide();

    // The navigation starts afresh; each view is set up from it.
    nav.ZoomSoft = kStartZoomSoft;
    nav.AngAlfa = kStartAngle;
    nav.AngBeta = kStartAngle;
    nav.DistGL = kStartDistGL;
    molvix::ui::buildSoftwareScene(*Vx3DWorld1, s, shownItem(BoxEjes) == kYes);
    molvix::ui::buildOpenGLScene(*Vx3DWorldGL1, s, nav);
    g.start();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Panel1->setGeometry(0, 0, width(), kTopStrip);
    BottomPanel->setGeometry(0, height() - kBottomPanel, width(), kBottomPanel);
    Vx3DWorld1->setGeometry(viewRect());
    Vx3DWorldGL1->setGeometry(viewRect());
    FormResize();
}

void TForm1::FormPaint()
{
    Vx3DWorld1->ClearWorld();
    Vx3DWorld1->DrawWorld();
}

void TForm1::FormResize()
{
    // The paint that follows the resize draws the result.
    Vx3DWorld1->UpdateWorldSize();
    Vx3DWorld1->ProjectAll();
}

void TForm1::BtnFinClick()
{
    // At once, nothing to save: the process ends here.
    std::fflush(nullptr);
    std::_Exit(0);
}

namespace {

// Hides a shown window; shows a hidden one in front.
void toggleWindow(QWidget *window)
{
    if (window == nullptr) {
        return;
    }
    if (window->isVisible()) {
        window->hide();
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

} // namespace

void TForm1::BtnCPanelClick()
{
    toggleWindow(FormCPanel);
}

void TForm1::BtnGraficasClick()
{
    toggleWindow(Graficas);
}

void TForm1::BtnProcesosClick()
{
    toggleWindow(Procesos);
}

void TForm1::BtnDifusionClick()
{
    toggleWindow(Difusion);
}

void TForm1::attachDiffusion(DiffusionWindow *window, QPushButton *button)
{
    Difusion = window;
    const QKeySequence keys(Qt::Key_F7);
    auto *s = new QShortcut(keys, this);
    s->setContext(Qt::ApplicationShortcut);
    connect(s, &QShortcut::activated, button, &QAbstractButton::click);
    button->setToolTip(
        tr("Muestra u oculta la difusión (%1)").arg(keys.toString(QKeySequence::NativeText)));
    connect(button, &QPushButton::clicked, this, &TForm1::BtnDifusionClick);
}

void TForm1::mixtureChanged()
{
    const Gas &g = gas();
    molvix::ui::dressSoftwareView(*Vx3DWorld1, g);
    molvix::ui::dressOpenGLView(*Vx3DWorldGL1, g, shownItem(BoxBolas) == kBolas);
    if (FormCPanel != nullptr) {
        FormCPanel->setMixtureLock(g.mixture());
    }
    if (Procesos != nullptr) {
        Procesos->setMixtureLock(g.mixture());
    }
    if (g.state.ModoGL == 1) {
        Vx3DWorldGL1->DrawWorld();
    } else {
        Vx3DWorld1->ProjectAll();
        Vx3DWorld1->DrawWorld();
    }
}

void TForm1::BtnInfoClick()
{
    if (Form3 == nullptr) {
        return;
    }
    if (Form3->isVisible()) {
        Form3->hide();
        return;
    }
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
    Form3->showTextPage();
}

void TForm1::ShowOpenGLChoice()
{
    if (gas().state.ModoGL == 1) {
        return; // BoxBolas offers the way back
    }
    LabelGL->show();
    BoxOpenGL->show();
}

void TForm1::BoxOpenGLClick()
{
    if (shownItem(BoxOpenGL) == kYes) {
        switchToOpenGL();
    }
}

void TForm1::switchToOpenGL()
{
    Gas &g = gas();
    GasState &s = g.state;
    ViewNavigation &nav = navigation();
    // The mirror of "OpenGL NO".
    s.ModoGL = 1;
    if (Vx3DWorldGL1->parentWidget() != this) {
        Vx3DWorldGL1->setParent(this);
        Vx3DWorldGL1->lower(); // under the two panels
        setTabOrder(Vx3DWorld1, Vx3DWorldGL1);
    }
    Vx3DWorldGL1->setGeometry(viewRect());
    Vx3DWorldGL1->show();
    Vx3DWorld1->hide();
    {
        // Back to its first text, so that "OpenGL NO" is always a change.
        const QSignalBlocker quiet(BoxBolas);
        BoxBolas->setCurrentIndex(kPuntos);
    }
    BoxBolas->show();
    BoxOpenGL->hide();
    LabelGL->hide();
    Vx3DWorldGL1->RotZ = nav.AngAlfa - 90.0f;
    Vx3DWorldGL1->RotX = nav.AngBeta - 90.0f;
    // While the software view was active only it followed the gas: bring
    // the OpenGL view's particles and vectors up to date, then draw them the
    // way BoxBolas reads ("Puntos").
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        Vx3DWorldGL1->MoveParticle(i, s.ParX[i], s.ParY[i], s.ParZ[i]);
    }
    Vx3DWorldGL1->NParticles = s.NumPar;
    if (s.DibVel == 1) {
        g.DibujaVel();
    }
    BoxBolasChange();
}

void TForm1::BoxBolasChange()
{
    GasState &s = gas().state;
    ViewNavigation &nav = navigation();
    if (shownItem(BoxBolas) == kBolas) {
        for (int32_t i = 1; i <= MaxPar; ++i) {
            Vx3DWorldGL1->ChangeParticleProperties(2, i, 0.0f);
            Vx3DWorldGL1->ChangeParticleProperties(3, i, 0.025f * s.Radio);
        }
        if (gas().mixture()) {
            molvix::ui::dressOpenGLView(*Vx3DWorldGL1, gas(), true);
        }
        Vx3DWorldGL1->RotY = 0;
        Vx3DWorldGL1->RotX = 0;
        nav.AngAlfa = 90.0f;
        nav.AngBeta = 90.0f;
        Vx3DWorldGL1->DrawWorld();
    }
    if (shownItem(BoxBolas) == kPuntos) {
        // Points of 3 pixels (50 x 0.06), white: 0x00FFFF has no palette
        // entry. Style 1 with size 3 would be solid spheres three times the
        // size of the whole box, filling the view with grey.
        for (int32_t i = 1; i <= MaxPar; ++i) {
            Vx3DWorldGL1->ChangeParticleProperties(2, i, float(kGLPoint));
            Vx3DWorldGL1->ChangeParticleProperties(3, i, kGLPointSize);
            Vx3DWorldGL1->ChangeParticleProperties(0, i, 65535.0f);
        }
        if (gas().mixture()) {
            molvix::ui::dressOpenGLView(*Vx3DWorldGL1, gas(), false);
        }
        Vx3DWorldGL1->DrawWorld();
    }
    if (shownItem(BoxBolas) == kOpenGLNo) {
        s.ModoGL = 0;
        Vx3DWorld1->show();
        BoxOpenGL->show();
        LabelGL->show();
        BoxBolas->hide();
        BoxOpenGL->setEditText(BoxOpenGL->itemText(kNo));
        Vx3DWorldGL1->hide();
        bringSoftwareViewUpToDate();
        handOverAngle(nav.AngAlfa, Vx3DWorld1->Alfa);
        handOverAngle(nav.AngBeta, Vx3DWorld1->Beta);
        Vx3DWorld1->ProjectAll();
        Vx3DWorld1->DrawWorld();
    }
}

void TForm1::bringSoftwareViewUpToDate()
{
    // The mirror of switchToOpenGL: while the OpenGL view was active only it
    // followed the gas, so every live particle, its vector and the piston
    // are placed again here, and the slots above the count hidden.
    Gas &g = gas();
    const GasState &s = g.state;
    TVx3DWorld *v = Vx3DWorld1;
    for (int32_t i = 1; i <= MaxPar; ++i) {
        const bool live = i <= s.NumPar;
        const bool vector = live && s.DibVel == 1;
        const int32_t seg = i + SegVel;
        v->ChangeParticleProperties(0, i, live ? kYellow : kBlack);
        v->ChangeSegmentProperties(0, seg, vector ? kWhite : kBlack);
        if (!live) {
            continue;
        }
        const float x = s.ParX[i], y = s.ParY[i], z = s.ParZ[i];
        v->MoveParticle(i, x, y, z);
        if (vector) {
            v->MoveSegment(seg, x, y, z, x + s.VelX[i], y + s.VelY[i], z + s.VelZ[i]);
        }
    }
    g.placeWallOutline(*m_softDisplay);
    if (g.mixture()) {
        molvix::ui::dressSoftwareView(*v, g);
    }
}

void TForm1::Vx3DWorldGL1Paint()
{
    Vx3DWorldGL1->DrawWorld();
}

void TForm1::BoxEjesClick()
{
    if (shownItem(BoxEjes) == kYes) {
        Vx3DWorld1->SetAxes(kTeal, true);
        Vx3DWorld1->DrawWorld();
    }
    if (shownItem(BoxEjes) == kNo) {
        Vx3DWorld1->SetAxes(kTeal, false);
        Vx3DWorld1->DrawWorld();
    }
}

void TForm1::RBtnAniClick()
{
    TimeLoop->start();
}

void TForm1::RBtnStopClick()
{
    // Presion and NPasos stay: the next run continues the same reading.
    TimeLoop->stop();
}

void TForm1::TimeLoopTimer()
{
    gas().TimeLoopTimer();
    if (Graficas != nullptr) {
        Graficas->afterTick();
    }
    if (Difusion != nullptr) {
        Difusion->afterTick();
    }
}

// ---- navigation ------------------------------------------------------------

void TForm1::ZoomUp()
{
    navigation().PasoZoom = 0.001f;
    TimeZoom->start();
}

void TForm1::ZoomDown()
{
    navigation().PasoZoom = -0.001f;
    TimeZoom->start();
}

void TForm1::ZoomNull()
{
    TimeZoom->stop();
}

void TForm1::GiroYRight()
{
    navigation().PasoBeta = 0;
    navigation().PasoAlfa = 1.0f;
    TimeGiro->start();
}

void TForm1::GiroYLeft()
{
    navigation().PasoAlfa = -1.0f;
    navigation().PasoBeta = 0;
    TimeGiro->start();
}

void TForm1::GiroXUp()
{
    navigation().PasoAlfa = 0;
    navigation().PasoBeta = -1.0f;
    TimeGiro->start();
}

void TForm1::GiroXDown()
{
    navigation().PasoAlfa = 0;
    navigation().PasoBeta = 1.0f;
    TimeGiro->start();
}

void TForm1::GiroNull()
{
    TimeGiro->stop();
}

void TForm1::TimeZoomTimer()
{
    ViewNavigation &nav = navigation();
    // Both views, whichever is active; no bound: the software view takes
    // any factor, zero and negative included.
    nav.ZoomSoft = nav.ZoomSoft + nav.PasoZoom;
    Vx3DWorld1->Zoom = nav.ZoomSoft;
    Vx3DWorld1->ProjectAll();
    Vx3DWorld1->DrawWorld();
    nav.DistGL = static_cast<float>(nav.DistGL + nav.PasoZoom * 10.0);
    Vx3DWorldGL1->transZ = nav.DistGL;
    Vx3DWorldGL1->DrawWorld();
}

void TForm1::TimeGiroTimer()
{
    ViewNavigation &nav = navigation();
    nav.AngAlfa = nav.AngAlfa + nav.PasoAlfa;
    nav.AngBeta = nav.AngBeta + nav.PasoBeta;
    if (gas().state.ModoGL == 0) {
        handOverAngle(nav.AngAlfa, Vx3DWorld1->Alfa);
        handOverAngle(nav.AngBeta, Vx3DWorld1->Beta);
        Vx3DWorld1->ProjectAll();
        Vx3DWorld1->DrawWorld();
    }
    if (gas().state.ModoGL == 1) {
        Vx3DWorldGL1->RotZ = nav.AngAlfa - 90.0f;
        Vx3DWorldGL1->RotX = nav.AngBeta - 90.0f;
        Vx3DWorldGL1->DrawWorld();
    }
}

void TForm1::LabelZoomClick()
{
    ViewNavigation &nav = navigation();
    nav.ZoomSoft = kStartZoomSoft;
    Vx3DWorld1->Zoom = kStartZoomSoft;
    Vx3DWorld1->ProjectAll();
    Vx3DWorld1->DrawWorld();
    nav.DistGL = kStartDistGL;
    Vx3DWorldGL1->transZ = kStartDistGL;
    Vx3DWorldGL1->DrawWorld();
}

void TForm1::LabelGiroClick()
{
    ViewNavigation &nav = navigation();
    nav.AngAlfa = 0.0f;
    nav.AngBeta = 0.0f;
    Vx3DWorld1->Alfa = 0;
    Vx3DWorld1->Beta = 0;
    Vx3DWorld1->ProjectAll();
    Vx3DWorld1->DrawWorld();
    Vx3DWorldGL1->RotX = -90.0f;
    Vx3DWorldGL1->RotY = 0.0f;
    Vx3DWorldGL1->RotZ = -90.0f;
    Vx3DWorldGL1->DrawWorld();
    if (shownItem(BoxOpenGL) == kYes && shownItem(BoxBolas) == kBolas) {
        Vx3DWorldGL1->RotX = 0.0f;
        Vx3DWorldGL1->RotZ = 0.0f;
        Vx3DWorldGL1->DrawWorld();
    }
}
