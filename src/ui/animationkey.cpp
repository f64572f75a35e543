#include "animationkey.h"

#include "clicklabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

constexpr char kReadout[] = "molvixReadout";

// The words "Giro" and "Zoom" act on Space; a label that Tab reaches only to
// be read out does not.
bool actsOnSpace(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) != nullptr) {
        return !w->property(kReadout).toBool();
    }
    return qobject_cast<const QAbstractButton *>(w) != nullptr ||
           qobject_cast<const QComboBox *>(w) != nullptr ||
           qobject_cast<const QAbstractSpinBox *>(w) != nullptr ||
           qobject_cast<const QAbstractItemView *>(w) != nullptr ||
           qobject_cast<const QTextEdit *>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit *>(w) != nullptr ||
           qobject_cast<const ClickLabel *>(w) != nullptr;
}

} // namespace

AnimationKey::AnimationKey(std::function<void()> toggle, QObject *parent)
    : QObject(parent), m_toggle(std::move(toggle))
{
    qApp->installEventFilter(this);
}

AnimationKey::~AnimationKey()
{
    qApp->removeEventFilter(this);
}

bool AnimationKey::spaceToggles(const QWidget *focus)
{
    // The edit box inside a combo box, or any part of a control, counts as
    // the control.
    for (const QWidget *w = focus; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (actsOnSpace(w)) {
            return false;
        }
    }
    return true;
}

void AnimationKey::markReadout(QWidget *edit)
{
    edit->setProperty(kReadout, true);
}

bool AnimationKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_Space ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat()) {
        return false;
    }
    // Only the key's first receiver decides; a key a control passes on to
    // its parents is not a second Space. A dialog keeps every key.
    auto *target = qobject_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    if (target == nullptr || QApplication::activeModalWidget() != nullptr ||
        (focus != nullptr ? target != focus : !target->isWindow())) {
        return false;
    }
    if (!spaceToggles(focus != nullptr ? focus : target)) {
        return false;
    }
    m_toggle();
    return true;
}
