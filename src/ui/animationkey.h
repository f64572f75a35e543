#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Space starts and stops the animation from wherever it means nothing else:
// the scene view, the readouts, the charts, the scroll bars, a window's
// background. Controls that act on Space themselves keep it: buttons, combo
// boxes, the arrows and the words "Giro" and "Zoom", text that is typed
// into, lists and the handbook's page.
class AnimationKey : public QObject
{
    Q_OBJECT

public:
    // Watches the keys of the whole application; toggle runs on each Space.
    explicit AnimationKey(std::function<void()> toggle, QObject *parent = nullptr);
    ~AnimationKey() override;

    // Whether Space, pressed with the focus on this widget (nullptr: on no
    // widget), starts or stops the animation.
    static bool spaceToggles(const QWidget *focus);

    // Marks an edit box as a readout: typing there means nothing, so Space
    // starts and stops the animation.
    static void markReadout(QWidget *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_toggle;
};
