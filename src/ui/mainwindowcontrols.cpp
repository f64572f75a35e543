#include "mainwindow.h"

#include "animationkey.h"
#include "clicklabel.h"
#include "controls.h"
#include "helptexts.h"
#include "mainwindowlayout.h"
#include "ticktimer.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

// The main window's controls: where each stands, what it calls, what a
// screen reader says of it, and the keys.

using molvix::ui::describe;
using molvix::ui::label;
using molvix::ui::yesNoBox;
using namespace molvix::ui::form1;

namespace {

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

    buildViews();
    buildTopStrip();
    buildBottomPanel();
    buildTimers();
}

void TForm1::buildViews()
{
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
}

void TForm1::buildTopStrip()
{
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
}

void TForm1::buildBottomPanel()
{
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
}

void TForm1::buildTimers()
{
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
