#pragma once

#include "gaschange.h"
#include "navigation.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class TickTimer;
class ClickLabel;
class TFormCPanel;
class TForm3;
class GraphsWindow;
class HandbookWindow;
class ProcessWindow;
class DiffusionWindow;
class QPushButton;
class TVx3DWorld;
class TVx3DWorldGL;
class SoftwareGasView;
class OpenGLGasView;

// The main window "Tarvelo": the 3-D view of the gas between a top strip of
// buttons and a bottom panel of animation, zoom, rotation, axes and display
// controls. Its creation builds both scenes and the first 50 particles.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The other two windows, set by program start once they exist.
    TFormCPanel *FormCPanel = nullptr;
    TForm3 *Form3 = nullptr;
    // The instruments window, set by program start.
    GraphsWindow *Graficas = nullptr;
    // The handbook, set by program start.
    HandbookWindow *Ayuda = nullptr;
    // The processes window, set by program start.
    ProcessWindow *Procesos = nullptr;
    // The window "Difusión", set by program start (attachDiffusion).
    DiffusionWindow *Difusion = nullptr;

    // Handlers, named after their control and event.
    void FormCreate();
    void FormPaint();
    void FormResize();
    void BtnFinClick();
    void BtnInfoClick();
    void BtnCPanelClick();
    void BtnGraficasClick();
    void BtnProcesosClick();
    void BtnDifusionClick();
    // The window "Difusión" and the button that shows it (in the control
    // panel: the top strip has no room left), with its key, F7.
    void attachDiffusion(DiffusionWindow *window, QPushButton *button);
    // A mixture begun, changed or ended: both views dressed for it (species
    // B, the heavy particle, the divider, the trace, or the classic look
    // back), the count bar and the processes locked while it lasts.
    void mixtureChanged();
    void BoxOpenGLClick();
    void BoxBolasChange();
    void BoxEjesClick();
    void Vx3DWorldGL1Paint();
    void RBtnAniClick();
    void RBtnStopClick();
    void TimeLoopTimer();
    void ZoomUp();
    void ZoomDown();
    void ZoomNull();
    void GiroYRight();
    void GiroYLeft();
    void GiroXUp();
    void GiroXDown();
    void GiroNull();
    void TimeZoomTimer();
    void TimeGiroTimer();
    void LabelZoomClick();
    void LabelGiroClick();

    // The keyboard way to the OpenGL view: shows BoxOpenGL and LabelGL.
    void ShowOpenGLChoice();
    // F1: the handbook in front. Space: "Animación" when stopped, "Stop"
    // when running. F11: full screen and back.
    void openHandbook();
    void toggleAnimation();
    void toggleFullScreen();

    // Controls, with their names as object names.
    QFrame *Panel1;
    QPushButton *BtnInfo;
    QPushButton *BtnCPanel;
    QPushButton *BtnGraficas;
    QPushButton *BtnProcesos;
    QPushButton *BtnFin;
    QFrame *BottomPanel;
    QLabel *LabelGL;
    QComboBox *BoxOpenGL;
    QComboBox *BoxBolas;
    QLabel *LabelEjes;
    QComboBox *BoxEjes;
    QToolButton *GiroXU;
    QToolButton *GiroXD;
    QToolButton *GiroYL;
    QToolButton *GiroYR;
    ClickLabel *LabelGiro;
    QFrame *BevelZoom;
    QToolButton *ZoomD;
    QToolButton *ZoomU;
    ClickLabel *LabelZoom;
    QFrame *BevelAni;
    QRadioButton *RBtnAni;
    QRadioButton *RBtnStop;
    TVx3DWorld *Vx3DWorld1;
    TVx3DWorldGL *Vx3DWorldGL1;
    QTimer *TimeZoom;
    QTimer *TimeGiro;
    TickTimer *TimeLoop;

    // The area between the top strip and the bottom panel.
    QRect viewRect() const;

    // What the scene view shows, in words, for a screen reader.
    QString sceneDescription() const;

signals:
    // After every tick, once the view shows it: what the gas changed since
    // the last tick. The instruments sample the gas here.
    void gasChanged(GasChange changes);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The two views as the gas sees them.
    std::unique_ptr<SoftwareGasView> m_softDisplay;
    std::unique_ptr<OpenGLGasView> m_glDisplay;

    // The controls (mainwindowcontrols.cpp), in the order they stack: the
    // views under the top strip and the bottom panel, then the timers.
    void buildControls();
    void buildViews();
    void buildTopStrip();
    void buildBottomPanel();
    void buildTimers();
    void connectHandlers();
    void switchToOpenGL();
    void bringSoftwareViewUpToDate();
    void describeControls();
    void setUpKeyboard();
};
