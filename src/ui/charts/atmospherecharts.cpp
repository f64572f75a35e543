#include "atmospherecharts.h"

#include "chartstyle.h"
#include "gas.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

using molvix::ui::styledLine;

namespace {

const QColor kNavy(0, 0, 128);

QScatterSeries *dots(QChart *chart, const QColor &colour, const QString &name,
                     QScatterSeries::MarkerShape shape)
{
    auto *s = new QScatterSeries;
    s->setName(name);
    s->setMarkerShape(shape);
    s->setMarkerSize(7);
    s->setColor(colour);
    s->setBorderColor(colour.darker(130));
    chart->addSeries(s);
    return s;
}

void showInLegend(QChart *chart, QAbstractSeries *series, bool shown)
{
    for (QLegendMarker *marker : chart->legend()->markers(series)) {
        marker->setVisible(shown);
    }
}

// Three short names fit in a row over a chart a quarter of the window wide.
void rowLegend(QChart *chart)
{
    chart->legend()->setVisible(true);
    chart->legend()->setFont(molvix::ui::smallChartFont());
    chart->legend()->setShowToolTips(true);
}

// Four do not: they stand in a column in the plot's top left, which the
// curve, rising to the right, leaves free.
void cornerLegend(QChart *chart)
{
    QLegend *legend = chart->legend();
    legend->setVisible(true);
    legend->setFont(molvix::ui::smallChartFont());
    legend->setShowToolTips(true);
    legend->setAlignment(Qt::AlignLeft); // a column
    legend->detachFromChart();
    legend->setBackgroundVisible(true);
    legend->setBrush(QColor(255, 255, 255, 170)); // the lines show through
    legend->setPen(QPen(QColor(200, 200, 200)));
    const auto place = [legend](const QRectF &plot) {
        // Measured here: a detached legend's size hint is still the row's.
        const QFontMetricsF metrics(legend->font());
        double widest = 0;
        int rows = 0;
        for (const QLegendMarker *marker : legend->markers()) {
            if (marker->isVisible()) {
                widest = std::max(widest, metrics.horizontalAdvance(marker->label()));
                ++rows;
            }
        }
        // The marker, its spacing and the frame take some 50 pixels.
        const double w = std::min(widest + 50, 0.75 * plot.width());
        const double h = std::min(rows * 2.0 * metrics.height() + 16, 0.85 * plot.height());
        legend->setGeometry(QRectF(plot.left() + 2, plot.top() + 2, w, h));
        legend->update();
    };
    QObject::connect(chart, &QChart::plotAreaChanged, legend, place);
}

} // namespace

double packingForZ(double z)
{
    if (!std::isfinite(z)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double lo = 0, hi = 0.6;
    if (z <= 1) {
        return 0;
    }
    if (z >= carnahanStarling(hi)) {
        return hi;
    }
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (carnahanStarling(mid) < z ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

ProfileChartView::ProfileChartView(const std::array<QColor, 3> &colours, QWidget *parent)
    : FocusChartView(molvix::ui::plainChart(QCoreApplication::translate("Atmosphere",
                                                                        "Perfil de altura")),
                     parent)
{
    QChart *c = chart();
    m_height = molvix::ui::makeAxis(QCoreApplication::translate("Atmosphere", "Altura"));
    m_density = molvix::ui::makeAxis(QCoreApplication::translate("Atmosphere", "Densidad"));
    m_kelvin = molvix::ui::makeAxis(QCoreApplication::translate("Atmosphere", "Temperatura"));
    c->addAxis(m_height, Qt::AlignBottom);
    c->addAxis(m_density, Qt::AlignLeft);
    c->addAxis(m_kelvin, Qt::AlignRight);
    const std::array<QString, 3> names{
        QCoreApplication::translate("Atmosphere", "Especie A"),
        QCoreApplication::translate("Atmosphere", "Especie B"),
        QCoreApplication::translate("Atmosphere", "Partícula pesada")};
    // Added in the legend's order: the species, then the law and the
    // temperature.
    for (size_t sp = 0; sp < 3; ++sp) {
        m_measured[sp] = dots(c, colours[sp], names[sp], QScatterSeries::MarkerShapeCircle);
        m_measured[sp]->setMarkerSize(6);
    }
    for (size_t sp = 0; sp < 3; ++sp) {
        m_theory[sp] = styledLine(
            c, kNavy, QCoreApplication::translate("Atmosphere", "Ley barométrica"), Qt::DashLine);
        m_temperature[sp] = styledLine(
            c, colours[sp], QCoreApplication::translate("Atmosphere", "Temperatura"), Qt::DotLine);
        for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(m_measured[sp]),
                                   static_cast<QAbstractSeries *>(m_theory[sp])}) {
            s->attachAxis(m_height);
            s->attachAxis(m_density);
        }
        m_temperature[sp]->attachAxis(m_height);
        m_temperature[sp]->attachAxis(m_kelvin);
    }
    // One law in the legend: the lines are told apart by the points; the
    // heavy particle's are its red ones; the temperature's axis is named.
    for (size_t sp = 0; sp < 3; ++sp) {
        showInLegend(c, m_theory[sp], sp == 0);
        showInLegend(c, m_temperature[sp], false);
    }
    showInLegend(c, m_measured[kHeavy], false);
    // Densities of a few 1e-4: labels at the ends only leave the axis's
    // title room beside the temperature's axis.
    m_density->setTickCount(2);
    m_density->setLabelFormat(QStringLiteral("%.2g"));
    m_density->setTruncateLabels(false);
    rowLegend(c);
    setRenderHint(QPainter::Antialiasing);
    molvix::ui::quickScene(this);
    setRows({});
}

void ProfileChartView::setRows(const std::vector<HeightProfile::Row> &rows)
{
    std::array<QList<QPointF>, 3> measured, theory, temperature;
    double top = 0, most = 0, hottest = 0;
    for (const HeightProfile::Row &r : rows) {
        if (r.species < 0 || r.species > 2) {
            continue;
        }
        const auto sp = static_cast<size_t>(r.species);
        measured[sp].append({r.height, r.density});
        theory[sp].append({r.height, r.densityTheory});
        if (std::isfinite(r.temperature)) {
            temperature[sp].append({r.height, r.temperature});
            hottest = std::max(hottest, r.temperature);
        }
        // The rows are layer middles from the floor up: the top is the
        // last middle and a first one above it.
        top = std::max(top, r.height + rows.front().height);
        for (const double d : {r.density, r.densityTheory}) {
            if (std::isfinite(d)) {
                most = std::max(most, d);
            }
        }
    }
    for (size_t sp = 0; sp < 3; ++sp) {
        m_measured[sp]->replace(measured[sp]);
        m_theory[sp]->replace(theory[sp]);
        m_temperature[sp]->replace(temperature[sp]);
    }
    m_height->setRange(0, top > 0 ? top : double(kBoxSize));
    // The flat temperature halfway up, apart from the densities.
    m_density->setRange(0, molvix::ui::axisCeil(most));
    m_kelvin->setRange(0, molvix::ui::axisCeil(2 * hottest));
}

ZChartView::ZChartView(QWidget *parent)
    : FocusChartView(molvix::ui::plainChart(QCoreApplication::translate("Atmosphere",
                                                                        "Z frente a compacidad")),
                     parent)
{
    QChart *c = chart();
    QValueAxis *packing =
        molvix::ui::makeAxis(QCoreApplication::translate("Atmosphere", "Compacidad η"));
    // The curve to 0.35, the axis to a round 0.4 (labels a tenth apart fit).
    packing->setRange(0, 0.4);
    packing->setTickCount(5);
    packing->setLabelFormat(molvix::ui::fixedLabelFormat(0.1));
    m_z = molvix::ui::makeAxis(QStringLiteral("Z"));
    c->addAxis(packing, Qt::AlignBottom);
    c->addAxis(m_z, Qt::AlignLeft);
    m_theory = styledLine(c, molvix::ui::kCurveColour,
                          QCoreApplication::translate("Atmosphere", "Carnahan–Starling"),
                          Qt::SolidLine);
    m_ideal = styledLine(c, kNavy, QCoreApplication::translate("Atmosphere", "Gas ideal"),
                         Qt::DashLine);
    m_walls = dots(c, QColor(0, 112, 192),
                   QCoreApplication::translate("Atmosphere", "Z de las paredes"),
                   QScatterSeries::MarkerShapeCircle);
    m_virial = dots(c, QColor(0, 150, 60),
                    QCoreApplication::translate("Atmosphere", "Z del virial"),
                    QScatterSeries::MarkerShapeRectangle);
    QList<QPointF> curve;
    constexpr int kSteps = 70;
    for (int i = 0; i <= kSteps; ++i) {
        const double eta = kPackingMax * i / kSteps;
        curve.append({eta, carnahanStarling(eta)});
    }
    m_theory->replace(curve);
    m_ideal->replace({{0, 1}, {kPackingMax, 1}});
    for (QAbstractSeries *s : c->series()) {
        for (QAbstractAxis *axis : c->axes()) {
            s->attachAxis(axis);
        }
    }
    // The walls' points larger: the virial's agree with them and would
    // hide them.
    m_walls->setMarkerSize(10);
    m_virial->setMarkerSize(6);
    cornerLegend(c);
    setRenderHint(QPainter::Antialiasing);
    molvix::ui::quickScene(this);
    setPoints({});
}

void ZChartView::setPoints(const std::vector<Point> &points)
{
    QList<QPointF> walls, virial;
    double most = carnahanStarling(kPackingMax);
    for (const Point &p : points) {
        if (!std::isfinite(p.packing)) {
            continue;
        }
        if (std::isfinite(p.walls)) {
            walls.append({p.packing, p.walls});
            most = std::max(most, p.walls);
        }
        if (std::isfinite(p.virial)) {
            virial.append({p.packing, p.virial});
            most = std::max(most, p.virial);
        }
    }
    m_walls->replace(walls);
    m_virial->replace(virial);
    // Up to 8 at least: the curve and the points stay under the legend.
    m_z->setRange(0, std::max(8.0, molvix::ui::axisCeil(most)));
}
