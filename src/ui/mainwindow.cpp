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
#include "mainwindowlayout.h"
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

using molvix::ui::kNo;
using molvix::ui::kYes;
using molvix::ui::shownItem;
using namespace molvix::ui::form1;

namespace {

constexpr TColor kTeal = 0x808000;

// The OpenGL view's particle drawn as a single point, of 50 x size pixels.
constexpr uint8_t kGLPoint = 2;
constexpr float kGLPointSize = 0.06f;

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
    // The tick only computes; the view then reads what it changed, and the
    // windows hear of it last, as the user sees it.
    Gas &g = gas();
    g.TimeLoopTimer();
    const GasChange changes = g.takeChanges();
    g.showChanges(changes);
    emit gasChanged(changes);
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
