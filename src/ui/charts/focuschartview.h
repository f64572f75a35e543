#pragma once

#include <QChartView>

// A chart that Tab reaches: it shows a focus frame, and a screen
// reader hears it as a chart, with its accessible description (what it
// shows now, set on every redraw) read out.
class FocusChartView : public QChartView
{
    Q_OBJECT

public:
    explicit FocusChartView(QChart *chart, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
