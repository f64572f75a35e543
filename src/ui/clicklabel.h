#pragma once

#include <QLabel>

// A label that reports clicks, for the reset labels "Zoom" and "Giro".
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
