#pragma once

#include "labelledcombobox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

// Small builders for the windows' controls: every control carries its name
// as its object name and sits at a fixed place, as the windows lay them out.
namespace molvix::ui {

// The windows' font: a small bold sans serif, with stand-ins where the
// classic face is missing.
inline QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

// A raised panel filled with a colour.
inline QFrame *panel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, colour);
    frame->setPalette(p);
    return frame;
}

// The control panel's look, which the instruments window shares: a white
// window holding one silver panel, "Panel1", written on in navy.
inline const QColor kSilverColour(192, 192, 192);
inline const QColor kNavyColour(0, 0, 128);

inline QFrame *silverPanel(QWidget *window)
{
    window->setAutoFillBackground(true);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, Qt::white);
    window->setPalette(p);
    QFrame *frame = panel(window, "Panel1", kSilverColour);
    QPalette pp = frame->palette();
    pp.setColor(QPalette::WindowText, kNavyColour);
    frame->setPalette(pp);
    return frame;
}

// An instruments window's body: the silver panel filling the window, its
// buttons written in navy too, and the column its contents go in.
inline QVBoxLayout *silverColumn(QWidget *window, QFrame **panel)
{
    window->setFont(formFont());
    *panel = silverPanel(window);
    QPalette pp = (*panel)->palette();
    pp.setColor(QPalette::ButtonText, kNavyColour);
    (*panel)->setPalette(pp);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(*panel);
    auto *column = new QVBoxLayout(*panel);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(4);
    return column;
}

// A label laid out by the window's layout, its name as object name.
inline QLabel *textLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

// An editable combo box (typed text counts as much as a pick) showing one
// of its items; a screen reader names it by its label.
inline QComboBox *comboBox(QWidget *parent, const char *name, const QStringList &items,
                           int current, const QRect &place)
{
    auto *box = new LabelledComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(current);
    if (place.isValid()) {
        box->setGeometry(place);
        box->growToFitItems();
    }
    return box;
}

// The yes/no choice's items, by index.
enum YesNoItem
{
    kYes = 0,
    kNo = 1
};

// The yes/no choice, reading "NO" at first.
inline QComboBox *yesNoBox(QWidget *parent, const char *name, const QRect &place)
{
    return comboBox(parent, name,
                    {QCoreApplication::translate("Controls", "SI"),
                     QCoreApplication::translate("Controls", "NO")},
                    kNo, place);
}

// The item a combo box shows: the index of the item whose text the box's
// text is, exactly, or -1 for typed text that is no item. Handlers compare
// this index, so what they do never depends on the language shown.
inline int shownItem(const QComboBox *box)
{
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// Gives a control the name and description a screen reader announces.
inline void describe(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// A label sized to its text, with its top-left corner at a point.
template <typename Label = QLabel>
Label *label(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *l = new Label(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    l->adjustSize();
    return l;
}

} // namespace molvix::ui
