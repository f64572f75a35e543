#pragma once

#include "focuschartview.h"

#include <QList>
#include <QPointF>

#include <vector>

class QLineSeries;
class QValueAxis;

// One quantity against animation time, with a dashed line at every change
// of the settings. Its plot area sits at a fixed place for its size, so that
// charts of one width stacked up share their time axis's position; its
// labels are written in full, never with an exponent.
class HistoryChartView : public FocusChartView
{
    Q_OBJECT

public:
    HistoryChartView(const QString &title, const QColor &colour, QWidget *parent = nullptr);

    // The points (time, value) and the times of the changes among them.
    void setHistory(const QList<QPointF> &points, const std::vector<double> &marks);
    QLineSeries *series() const { return m_series; }
    const std::vector<double> &marks() const { return m_marks; }
    QValueAxis *timeAxis() const { return m_timeAxis; }
    QValueAxis *valueAxis() const { return m_valueAxis; }

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePlotArea();

    QLineSeries *m_series;
    QValueAxis *m_timeAxis;
    QValueAxis *m_valueAxis;
    std::vector<double> m_marks;
};
