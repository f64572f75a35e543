#include "atmospherecharts.h"

#include "chartstyle.h"
#include "gas.h"

#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor kNavy(0, 0, 128);

QLineSeries *line(QChart *chart, const QColor &colour, const QString &name, Qt::PenStyle style)
{
    auto *s = new QLineSeries;
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.5);
    pen.setStyle(style);
    s->setPen(pen);
    chart->addSeries(s);
    return s;
}

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

void smallLegend(QChart *chart)
{
    chart->legend()->setVisible(true);
    chart->legend()->setFont(molvix::ui::smallChartFont());
    chart->legend()->setShowToolTips(true);
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
    for (size_t sp = 0; sp < 3; ++sp) {
        m_measured[sp] = dots(c, colours[sp], names[sp], QScatterSeries::MarkerShapeCircle);
        m_measured[sp]->setMarkerSize(6);
        // One law, one legend entry: the lines are told apart by the points.
        m_theory[sp] = line(c, kNavy, QCoreApplication::translate("Atmosphere", "Ley barométrica"),
                            Qt::DashLine);
        m_temperature[sp] =
            line(c, colours[sp], QCoreApplication::translate("Atmosphere", "Temperatura"),
                 Qt::DotLine);
        for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(m_measured[sp]),
                                   static_cast<QAbstractSeries *>(m_theory[sp])}) {
            s->attachAxis(m_height);
            s->attachAxis(m_density);
        }
        m_temperature[sp]->attachAxis(m_height);
        m_temperature[sp]->attachAxis(m_kelvin);
    }
    smallLegend(c);
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
    bool firstLaw = true;
    for (size_t sp = 0; sp < 3; ++sp) {
        m_measured[sp]->replace(measured[sp]);
        m_theory[sp]->replace(theory[sp]);
        m_temperature[sp]->replace(temperature[sp]);
        const bool present = !measured[sp].isEmpty();
        showInLegend(chart(), m_measured[sp], present);
        showInLegend(chart(), m_theory[sp], present && firstLaw);
        showInLegend(chart(), m_temperature[sp], present && firstLaw);
        firstLaw = firstLaw && !present;
    }
    m_height->setRange(0, top > 0 ? top : double(kBoxSize));
    m_density->setRange(0, molvix::ui::axisCeil(most));
    m_kelvin->setRange(0, molvix::ui::axisCeil(hottest));
}

ZChartView::ZChartView(QWidget *parent)
    : FocusChartView(molvix::ui::plainChart(QCoreApplication::translate("Atmosphere",
                                                                        "Z frente a compacidad")),
                     parent)
{
    QChart *c = chart();
    QValueAxis *packing =
        molvix::ui::makeAxis(QCoreApplication::translate("Atmosphere", "Compacidad η"));
    packing->setRange(0, kPackingMax);
    packing->setTickCount(8);
    packing->setLabelFormat(molvix::ui::fixedLabelFormat(0.05));
    m_z = molvix::ui::makeAxis(QStringLiteral("Z"));
    c->addAxis(packing, Qt::AlignBottom);
    c->addAxis(m_z, Qt::AlignLeft);
    m_theory = line(c, molvix::ui::kCurveColour,
                    QCoreApplication::translate("Atmosphere", "Carnahan–Starling"), Qt::SolidLine);
    m_ideal = line(c, kNavy, QCoreApplication::translate("Atmosphere", "Gas ideal"),
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
    smallLegend(c);
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
    m_z->setRange(0, molvix::ui::axisCeil(most));
}
