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
};
