#include "pvchartview.h"

#include "chartstyle.h"
#include "controls.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPathColour(0, 0, 128);
const QColor kLatestColour(192, 0, 0);
const QColor kIsothermColour(0, 128, 0);
const QColor kAdiabatColour(176, 96, 0);

QFont smallFont()
{
    QFont font = molvix::ui::formFont();
    font.setBold(false);
    font.setPixelSize(10);
    return font;
}

// The step of a round axis over a span: a half of its leading decade.
double roundStep(double span)
{
    return std::pow(10.0, std::floor(std::log10(span))) / 2.0;
}

// [lo, hi] widened by a twentieth each way and rounded out to round steps;
// a single value gets a span of a tenth of itself.
std::pair<double, double> roundRange(double lo, double hi)
{
    double span = hi - lo;
    if (!(span > 1e-9 * std::max(std::abs(hi), 1.0))) {
        span = std::max(std::abs(hi), 1.0) * 0.1;
        lo -= span / 2;
        hi += span / 2;
    }
    lo -= span / 20;
    hi += span / 20;
    const double step = roundStep(hi - lo);
    return {std::max(0.0, std::floor(lo / step) * step), std::ceil(hi / step) * step};
}

// An axis over [lo, hi] with four or so round ticks, their labels with as
// many decimals as the step needs.
void setAxis(QValueAxis *axis, double lo, double hi)
{
    double step = roundStep(hi - lo);
    if ((hi - lo) / step > 6) {
        step *= 2;
    }
    axis->setTickInterval(step);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    axis->setRange(lo, hi);
}

} // namespace

PvChartView::PvChartView(QWidget *parent) : FocusChartView(new QChart, parent)
{
    QChart *c = chart();
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(2, 2, 2, 2));
    // Numbers in the user's decimal sign, as the window's figures.
    c->setLocalizeNumbers(true);
    c->setLocale(molvix::ui::shownLocale());
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setFont(smallFont());
    c->legend()->setLabelColor(molvix::ui::kNavyColour);

    m_isotherm = new QLineSeries;
    m_isotherm->setName(tr("Isoterma"));
    m_isotherm->setPen(QPen(kIsothermColour, 1.5, Qt::DashLine));
    m_adiabat = new QLineSeries;
    m_adiabat->setName(tr("Adiabática P·V^(5/3)"));
    m_adiabat->setPen(QPen(kAdiabatColour, 1.5, Qt::DashLine));
    m_path = new QLineSeries;
    m_path->setName(tr("Camino"));
    m_path->setPen(QPen(kPathColour, 1.5));
    m_first = new QScatterSeries;
    m_first->setName(tr("Primera"));
    m_first->setMarkerSize(9);
    m_first->setColor(Qt::white);
    m_first->setBorderColor(kPathColour);
    m_latest = new QScatterSeries;
    m_latest->setName(tr("Última"));
    m_latest->setMarkerSize(10);
    m_latest->setColor(kLatestColour);
    m_latest->setBorderColor(kLatestColour);

    m_volumeAxis = new QValueAxis;
    m_volumeAxis->setTitleText(tr("Volumen, en cajas enteras (V = 100 × 100 × pared, así que "
                                  "posición de la pared / 100)"));
    m_pressureAxis = new QValueAxis;
    m_pressureAxis->setTitleText(tr("Presión"));
    for (QValueAxis *axis : {m_volumeAxis, m_pressureAxis}) {
        axis->setLabelsFont(smallFont());
        axis->setTitleFont(smallFont());
        // Round ticks from 0 on, however the ends move.
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }
    c->addAxis(m_volumeAxis, Qt::AlignBottom);
    c->addAxis(m_pressureAxis, Qt::AlignLeft);
    for (QXYSeries *s :
         std::initializer_list<QXYSeries *>{m_isotherm, m_adiabat, m_path, m_first, m_latest}) {
        c->addSeries(s);
        s->attachAxis(m_volumeAxis);
        s->attachAxis(m_pressureAxis);
    }
    setPath({});
}

void PvChartView::setPath(const std::vector<PvPoint> &path)
{
    // The axes' numbers in the locale of the moment, as the window's figures.
    chart()->setLocale(molvix::ui::shownLocale());
    // Every change of an axis lays the series out again: empty them first.
    for (QXYSeries *s :
         std::initializer_list<QXYSeries *>{m_isotherm, m_adiabat, m_path, m_first, m_latest}) {
        s->clear();
    }
    m_arrows.clear();
    if (path.empty()) {
        setAxis(m_volumeAxis, 0, 1);
        setAxis(m_pressureAxis, 0, 1);
        setAccessibleDescription(tr("Todavía no hay lecturas desde la puesta a cero."));
        viewport()->update();
        return;
    }

    // At most kMaxPathPoints, counted back from the latest so that it is
    // always drawn; the first reading too, where the curves start.
    const size_t stride = (path.size() + kMaxPathPoints - 1) / kMaxPathPoints;
    QList<QPointF> points;
    points.reserve(kMaxPathPoints + 1);
    double vLo = path.front().volume, vHi = vLo, pHi = path.front().pressure;
    for (size_t k = 0; k < path.size(); ++k) {
        const PvPoint &p = path[k];
        vLo = std::min(vLo, p.volume);
        vHi = std::max(vHi, p.volume);
        pHi = std::max(pHi, p.pressure);
        if (k == 0 || (path.size() - 1 - k) % stride == 0) {
            points.append(QPointF(p.volume / kFullBoxVolume, p.pressure));
        }
    }
    const auto [xLo, xHi] = roundRange(vLo / kFullBoxVolume, vHi / kFullBoxVolume);
    const double top = pHi > 0 ? roundRange(0, pHi * 1.1).second : 1;
    setAxis(m_volumeAxis, xLo, xHi);
    setAxis(m_pressureAxis, 0, top);

    QList<QPointF> isotherm, adiabat;
    for (int k = 0; k <= kCurvePoints; ++k) {
        const double x = xLo + (xHi - xLo) * k / kCurvePoints;
        if (const auto p = pressureThrough(path.front(), 1, x * kFullBoxVolume)) {
            isotherm.append(QPointF(x, *p));
        }
        if (const auto p = pressureThrough(path.front(), kMonatomicGamma, x * kFullBoxVolume)) {
            adiabat.append(QPointF(x, *p));
        }
    }
    m_isotherm->replace(isotherm);
    m_adiabat->replace(adiabat);
    m_path->replace(points);
    m_first->append(points.front());
    m_latest->append(points.back());
    placeArrows(points);

    const QLocale locale = molvix::ui::shownLocale();
    const auto n = [&](double x) { return locale.toString(x, 'g', 4); };
    setAccessibleDescription(
        tr("%1 lecturas desde la puesta a cero. Volumen de %2 a %3 cajas, presión hasta %4. "
           "Primera: volumen %5, presión %6. Última: volumen %7, presión %8.")
            .arg(path.size())
            .arg(n(vLo / kFullBoxVolume), n(vHi / kFullBoxVolume), n(pHi), n(points.front().x()),
                 n(points.front().y()), n(points.back().x()), n(points.back().y())));
    viewport()->update();
}

void PvChartView::placeArrows(const QList<QPointF> &points)
{
    // Evenly along the path as it looks: lengths measured in fractions of
    // each axis, so that a long drift in pressure counts as much as one in
    // volume.
    const double sx = m_volumeAxis->max() - m_volumeAxis->min();
    const double sy = m_pressureAxis->max() - m_pressureAxis->min();
    std::vector<double> along{0};
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF d = points[i] - points[i - 1];
        along.push_back(along.back() + std::hypot(d.x() / sx, d.y() / sy));
    }
    const double length = along.back();
    if (!(length > 0.02)) {
        return; // no way to speak of: the path has not gone anywhere
    }
    for (int a = 1; a <= kArrows; ++a) {
        const double target = length * a / (kArrows + 1);
        const auto segment = std::upper_bound(along.begin(), along.end(), target);
        const auto i = static_cast<qsizetype>(segment - along.begin()); // target in (i-1, i]
        const double f = (target - along[i - 1]) / (along[i] - along[i - 1]);
        m_arrows.push_back({points[i - 1] + f * (points[i] - points[i - 1]), points[i]});
    }
}

void PvChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    if (m_arrows.empty()) {
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kPathColour);
    for (const Arrow &arrow : m_arrows) {
        const QPointF at = chart()->mapToScene(chart()->mapToPosition(arrow.at, m_path));
        const QPointF toward = chart()->mapToScene(chart()->mapToPosition(arrow.toward, m_path));
        const QPointF d = toward - at;
        const double length = std::hypot(d.x(), d.y());
        if (!(length > 0)) {
            continue;
        }
        // A filled head 9 pixels long, its tip on the path.
        const QPointF u = d / length, n(-u.y(), u.x());
        QPainterPath head;
        head.moveTo(at + 4.5 * u);
        head.lineTo(at - 4.5 * u + 4 * n);
        head.lineTo(at - 4.5 * u - 4 * n);
        head.closeSubpath();
        painter->drawPath(head);
    }
    painter->restore();
}
