#include "labelledcombobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace {

class LabelledComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit LabelledComboBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            return box()->currentText();
        }
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        QString name = widget()->accessibleName();
        if (name.isEmpty()) {
            const auto labels = relations(QAccessible::Label);
            if (!labels.isEmpty()) {
                name = labels.first().first->text(QAccessible::Name);
            }
        }
        // Better the value than nothing at all.
        return name.isEmpty() ? box()->currentText() : name;
    }

    // The list of items, and the text field of an editable box, where the
    // value can be read and changed.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(box()->view());
        }
        if (index == 1 && box()->isEditable()) {
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == nullptr) {
            return -1;
        }
        if (child->object() == box()->view()) {
            return 0;
        }
        return box()->isEditable() && child->object() == box()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QLineEdit *edit = box()->lineEdit();
        if (edit != nullptr && edit->isVisible() &&
            QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y)) {
            return child(1);
        }
        return nullptr;
    }
    // An editable box keeps the focus itself; the text field is where it is.
    QAccessibleInterface *focusChild() const override
    {
        return box()->isEditable() ? child(1) : nullptr;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *accessibleFor(const QString &key, QObject *object)
{
    if (key == QLatin1String("LabelledComboBox")) {
        return new LabelledComboBoxAccessible(static_cast<LabelledComboBox *>(object));
    }
    return nullptr;
}

} // namespace

LabelledComboBox::LabelledComboBox(QWidget *parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

void LabelledComboBox::showEvent(QShowEvent *event)
{
    QComboBox::showEvent(event);
    if (!m_growToFit || !isEditable()) {
        return;
    }
    m_growToFit = false; // once: the items and the font are set by now
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // What a line edit needs to show a text with the cursor after it
    // unscrolled: the text, a pixel for the cursor, and its margin of 2
    // pixels on each side.
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    }
    const int needed = widest + 1 + 2 * 2;
    const int lack = needed - field.width();
    if (lack > 0) {
        setGeometry(geometry().adjusted(-lack, 0, 0, 0));
    }
}
