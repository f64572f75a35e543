#include "historychartview.h"

#include "chartstyle.h"
#include "gas.h"

#include <QLineSeries>
#include <QFontMetrics>
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
    m_timeAxis->setLabelFormat(fixedLabelFormat(1));
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
        // Up to the time of the first reading (NPasosPresion ticks of kTickTime).
        m_timeAxis->setTickInterval(5);
        m_timeAxis->setLabelFormat(fixedLabelFormat(5));
        m_timeAxis->setRange(0, NPasosPresion * kTickTime);
        m_valueAxis->setLabelFormat(fixedLabelFormat(0.5));
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
    m_timeAxis->setLabelFormat(fixedLabelFormat(interval));
    // (A hair of slack for the float steps the times are made of.)
    m_timeAxis->setRange(std::floor(first / interval + 1e-6) * interval,
                         std::ceil(last / interval - 1e-6) * interval);
    const double ceiling = axisCeil(top * 1.1);
    m_valueAxis->setLabelFormat(fixedLabelFormat(ceiling / 2)); // ticks at 0, half, top
    m_valueAxis->setRange(0, ceiling);
    m_series->replace(points);
    viewport()->update();
}

void HistoryChartView::resizeEvent(QResizeEvent *event)
{
    FocusChartView::resizeEvent(event);
    placePlotArea();
}

void HistoryChartView::placePlotArea()
{
    // The plot at the same place in every history chart of a width, however
    // wide its value labels: room for six digits on the left, the title
    // above, the time labels below. Their times, and so the change marks,
    // line up from one chart to the next.
    const QFontMetrics small(smallChartFont());
    const QFontMetrics title(chart()->titleFont());
    const qreal left = small.horizontalAdvance(QStringLiteral("000000")) + 12;
    const qreal top = title.height() + small.height() / 2.0 + 8; // room for the top label
    const qreal bottom = small.height() + 10;
    const qreal right = small.horizontalAdvance(QStringLiteral("0000")) / 2.0 + 6;
    const QRectF area(left, top, width() - left - right, height() - top - bottom);
    if (area.width() > 10 && area.height() > 10) {
        chart()->setPlotArea(area);
    }
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
