#include "speedchartview.h"

#include "chartstyle.h"
#include "controls.h"
#include "speeds.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

using namespace molvix::ui;

namespace {

// Points drawn along the Maxwell–Boltzmann curve.
constexpr int kCurvePoints = 120;

} // namespace

SpeedChartView::SpeedChartView(QWidget *parent) : FocusChartView(plainChart(QString()), parent)
{
    QChart *speeds = chart();
    m_outline = new QLineSeries;
    m_histogram = new QAreaSeries(m_outline);
    m_outline->setParent(m_histogram);
    m_histogram->setObjectName(QStringLiteral("SerieHistograma"));
    m_histogram->setBrush(QColor(166, 166, 210)); // opaque: cheaper to fill
    m_histogram->setPen(QPen(kNavyColour, 1));
    m_curve = new QLineSeries;
    m_curve->setObjectName(QStringLiteral("SerieMaxwell"));
    m_curve->setPen(QPen(kCurveColour, 2));
    speeds->addSeries(m_histogram);
    speeds->addSeries(m_curve);
    m_speedAxis = makeAxis(tr("rapidez |v| (longitud de caja por unidad de tiempo)"));
    m_speedAxis->setTickType(QValueAxis::TicksDynamic);
    m_speedAxis->setTickAnchor(0);
    m_densityAxis = makeAxis(tr("densidad de probabilidad"));
    m_densityAxis->setTickType(QValueAxis::TicksDynamic);
    m_densityAxis->setTickAnchor(0);
    m_densityAxis->setLabelFormat(QStringLiteral("%.3g"));
    speeds->addAxis(m_speedAxis, Qt::AlignBottom);
    speeds->addAxis(m_densityAxis, Qt::AlignLeft);
    for (QAbstractSeries *s :
         {static_cast<QAbstractSeries *>(m_histogram), static_cast<QAbstractSeries *>(m_curve)}) {
        s->attachAxis(m_speedAxis);
        s->attachAxis(m_densityAxis);
    }
    quickScene(this);
}

void SpeedChartView::clear()
{
    m_outline->clear();
    m_curve->clear();
    m_speedAxis->setTickInterval(0.25);
    m_speedAxis->setRange(0, 1);
    m_densityAxis->setTickInterval(0.25);
    m_densityAxis->setRange(0, 1);
}

void SpeedChartView::setDistribution(const DensityHistogram &h, double upper, double s2)
{
    const int bins = static_cast<int>(h.density.size());
    QList<QPointF> outline;
    outline.reserve(2 * bins + 2);
    outline.append(QPointF(0, 0));
    double top = 0;
    for (int b = 0; b < bins; ++b) {
        const double d = h.density[static_cast<size_t>(b)];
        outline.append(QPointF(b * h.binWidth, d));
        outline.append(QPointF((b + 1) * h.binWidth, d));
        top = std::max(top, d);
    }
    outline.append(QPointF(upper, 0));

    QList<QPointF> curve;
    curve.reserve(kCurvePoints + 1);
    for (int k = 0; k <= kCurvePoints; ++k) {
        const double v = upper * k / kCurvePoints;
        const double f = maxwellBoltzmannDensity(v, s2);
        curve.append(QPointF(v, f));
        top = std::max(top, f);
    }
    // Axes first, on empty series: each change of an axis lays the series
    // out again.
    m_outline->clear();
    m_curve->clear();
    m_speedAxis->setTickInterval(axisCeil(upper / 5.0));
    m_speedAxis->setRange(0, upper);
    m_densityAxis->setTickInterval(axisCeil(top / 4.0));
    m_densityAxis->setRange(0, axisCeil(top * 1.1));
    m_outline->replace(outline);
    m_curve->replace(curve);
}
