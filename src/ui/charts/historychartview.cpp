#include "historychartview.h"

#include "chartstyle.h"
#include "gas.h"

#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace molvix::ui;

HistoryChartView::HistoryChartView(const QString &title, const QColor &colour, QWidget *parent)
    : FocusChartView(plainChart(title), parent)
{
    quickScene(this);
    m_series = new QLineSeries;
    m_series->setPen(QPen(colour, 1.5));
    chart()->addSeries(m_series);
    m_timeAxis = makeAxis(QString());
    m_timeAxis->setTickType(QValueAxis::TicksDynamic);
    m_timeAxis->setTickAnchor(0);
    m_timeAxis->setLabelFormat(QStringLiteral("%.6g"));
    m_valueAxis = makeAxis(QString());
    m_valueAxis->setTickCount(3);
    chart()->addAxis(m_timeAxis, Qt::AlignBottom);
    chart()->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_timeAxis);
    m_series->attachAxis(m_valueAxis);
}

void HistoryChartView::setHistory(const QList<QPointF> &points, const std::vector<double> &marks)
{
    m_marks = marks;
    // Every change of an axis lays out the whole series again: empty it
    // first, so that the points are laid out once, on the final axes.
    m_series->clear();
    if (points.isEmpty()) {
        // Up to the time of the first reading (200 ticks of 0.1).
        m_timeAxis->setTickInterval(5);
        m_timeAxis->setRange(0, NPasosPresion * 0.1);
        m_valueAxis->setRange(0, 1);
        return;
    }
    double first = points.front().x();
    double last = points.back().x();
    if (!(last > first)) {
        first -= 1;
        last += 1;
    }
    double top = 0;
    for (const QPointF &p : points) {
        top = std::max(top, p.y());
    }
    // An axis lays out its labels again on every change, so the ends move
    // in round steps, not with every reading: the time axis from the tick
    // at or before the first reading to the tick at or after the last; the
    // value axis from zero (a change in proportion looks like one) to a
    // round value above the highest.
    const double interval = axisCeil((last - first) / 4.0);
    m_timeAxis->setTickInterval(interval);
    // (A hair of slack for the float steps the times are made of.)
    m_timeAxis->setRange(std::floor(first / interval + 1e-6) * interval,
                         std::ceil(last / interval - 1e-6) * interval);
    m_valueAxis->setRange(0, axisCeil(top * 1.1));
    m_series->replace(points);
    viewport()->update();
}

void HistoryChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    if (m_marks.empty()) {
        return;
    }
    const QRectF plot = chart()->mapToScene(chart()->plotArea()).boundingRect();
    painter->save();
    painter->setPen(QPen(kMarkColour, 1, Qt::DashLine));
    for (const double t : m_marks) {
        if (t < m_timeAxis->min() || t > m_timeAxis->max()) {
            continue;
        }
        const double x = chart()->mapToScene(chart()->mapToPosition(QPointF(t, 0), m_series)).x();
        painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter->restore();
}
