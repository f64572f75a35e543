#pragma once

#include <QLabel>

// A label that reports clicks, for the reset labels "Zoom" and "Giro"; with
// the focus, Space or Enter is a click.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
