#pragma once

#include <QComboBox>

// A combo box that a screen reader names by what it is and reads by what it
// holds: its accessible name is the name it was given (or its buddy label's
// text), its value is the item shown. Qt's own interface on Linux names a
// combo box by its value, so "EJES" would be heard as "NO, combo box".
class LabelledComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit LabelledComboBox(QWidget *parent = nullptr);

    // For a box placed by hand: when it is first shown, if its widest item
    // does not fit the text field beside the arrow (English "YES" in a
    // 45-pixel box), it grows to the left by what the field lacks. A box
    // where every item fits keeps its place and size; one in a layout gets
    // its width from its size hint, which counts the widest item already.
    void growToFitItems() { m_growToFit = true; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_growToFit = false;
};
