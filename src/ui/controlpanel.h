#pragma once

#include "gas.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

// The control panel "Panel de Control": the particle count, temperature and
// piston position, the vector and collision switches, and the readouts. It
// keeps no state beyond its controls: every setting goes straight into the
// gas, whose readouts come back through the GasControls interface.
class TFormCPanel : public QWidget, public GasControls
{
    Q_OBJECT

public:
    explicit TFormCPanel(QWidget *parent = nullptr);
    ~TFormCPanel() override;

    void FormCreate();
    void ScBarParedChange();
    // A moving piston sets off for the wall bar's position only once the
    // user has left the bar this long (and let go of it): a run of arrow
    // presses, a drag or one jump is then the same single move at the
    // piston's speed. Longer than the keyboard's usual delay before a held
    // key repeats (500 to 660 ms), so that holding an arrow is one move too.
    static constexpr int kPistonSettleMs = 750;
    // Whether a moving piston's new target waits for the bar to settle.
    bool pistonTargetPending() const;
    void ScBarNPartChange();
    // Per typed character; Enter (13) applies the typed count. The key is
    // left for the edit box in every case.
    void MaskNOfParKeyPress(QChar &key);
    void ScBarTempChange();
    void BoxDibVelChange();
    void BoxColiChange();

    // While a mixture is on, its count is the window "Difusión"'s: the
    // count bar and box are disabled, and say why, so that they cannot break
    // the mixture up; "Volver al gas clásico" gives them back.
    void setMixtureLock(bool locked);
    // Called in a mixture after the wall bar moved the piston (the divider
    // drawn reaches up to it) and after the vectors were shown or hidden (a
    // mixture's beyond the classic hundred are drawn or not with them).
    std::function<void()> mixtureViewsChanged;

    // The count last typed into MaskNOfPar.
    int32_t NumParTecleado = 0;

    // GasControls
    void showEnergy(double energy) override;
    void showTemperature(double temperature, bool emptyGas) override;
    void showPressure(double pressure) override;
    void showWall(int32_t position) override;
    // What a yes/no box means to the gas: "SI" while its yes item is shown,
    // whatever the language; "NO" otherwise.
    QString BoxColiText() const;

    QFrame *Panel1;
    QLabel *LabelNOfPar;
    QScrollBar *ScBarNPart;
    QLineEdit *MaskNOfPar;
    QLabel *LabelTemp;
    QScrollBar *ScBarTemp;
    QLineEdit *MaskTemp;
    QLabel *LabelEner;
    QLineEdit *MaskEner;
    QLabel *LabelPre;
    QLineEdit *MaskPre;
    QLabel *LabelPosPa;
    QScrollBar *ScBarPared;
    QLineEdit *MaskPosPa;
    QLabel *LabelDibVel;
    QLabel *LabelDibVel1;
    QComboBox *BoxDibVel;
    QLabel *Label2;
    QComboBox *BoxColi;
    // Shows the window "Difusión" (the main window's top strip is full).
    QPushButton *BtnDifusion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void applyPistonTarget();

    QTimer *m_pistonSettle = nullptr;
    bool m_userMovesWall = false; // the change under way comes from the user
    bool m_targetPending = false; // a moving piston's target waits for the bar
};
