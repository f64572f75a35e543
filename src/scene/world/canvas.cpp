#include "canvas.h"

#include <QFontMetrics>
#include <QPolygonF>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Widths beyond this only burn time in the rasterizer; nothing visible changes.
constexpr int kMaxPenWidth = 1024;
constexpr int kMaxFontPixels = 1024;
// Lines and polygon edges are cut this far outside the image: wider than
// any pen reaches, so no cut end or edge along the cut ever shows.
constexpr double kGuard = 2.0 * kMaxPenWidth;

Qt::PenStyle toQtPenStyle(uint8_t style)
{
    switch (style) {
    case Vx3DCanvas::PsDash:
        return Qt::DashLine;
    case Vx3DCanvas::PsDot:
        return Qt::DotLine;
    case Vx3DCanvas::PsDashDot:
        return Qt::DashDotLine;
    case Vx3DCanvas::PsDashDotDot:
        return Qt::DashDotDotLine;
    case Vx3DCanvas::PsClear:
        return Qt::NoPen;
    default: // solid, inside frame, and codes no canvas knows
        return Qt::SolidLine;
    }
}

Qt::BrushStyle toQtBrushStyle(uint8_t style)
{
    switch (style) {
    case Vx3DCanvas::BsClear:
        return Qt::NoBrush;
    case Vx3DCanvas::BsHorizontal:
        return Qt::HorPattern;
    case Vx3DCanvas::BsVertical:
        return Qt::VerPattern;
    case Vx3DCanvas::BsFDiagonal:
        return Qt::FDiagPattern;
    case Vx3DCanvas::BsBDiagonal:
        return Qt::BDiagPattern;
    case Vx3DCanvas::BsCross:
        return Qt::CrossPattern;
    case Vx3DCanvas::BsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

bool inside(const QPointF &p, const QRectF &r)
{
    return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
}

// Liang-Barsky: cuts the segment a-b to r; false when none of it is in r.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) {
                return false; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const QPointF from = a;
    a = QPointF(from.x() + t0 * dx, from.y() + t0 * dy);
    b = QPointF(from.x() + t1 * dx, from.y() + t1 * dy);
    return true;
}

// Sutherland-Hodgman against each edge of r in turn. Every point inside r
// keeps its winding number, so the odd-even fill there is unchanged.
QPolygonF clipPolygon(QPolygonF polygon, const QRectF &r)
{
    // Signed distance inside one edge of r (>= 0 is kept).
    const auto distance = [&r](int edge, const QPointF &p) {
        switch (edge) {
        case 0:
            return p.x() - r.left();
        case 1:
            return r.right() - p.x();
        case 2:
            return p.y() - r.top();
        default:
            return r.bottom() - p.y();
        }
    };
    for (int edge = 0; edge < 4; ++edge) {
        QPolygonF out;
        for (qsizetype k = 0; k < polygon.size(); ++k) {
            const QPointF &cur = polygon[k];
            const QPointF &prev = polygon[(k + polygon.size() - 1) % polygon.size()];
            const double dc = distance(edge, cur);
            const double dp = distance(edge, prev);
            if ((dc >= 0.0) != (dp >= 0.0)) {
                const double t = dp / (dp - dc);
                out.append(prev + t * (cur - prev));
            }
            if (dc >= 0.0) {
                out.append(cur);
            }
        }
        polygon = std::move(out);
        if (polygon.isEmpty()) {
            break;
        }
    }
    return polygon;
}

} // namespace

Vx3DCanvas::Vx3DCanvas(QImage *image) : m_image(image) {}

Vx3DCanvas::~Vx3DCanvas()
{
    end();
}

void Vx3DCanvas::setImage(QImage *image)
{
    end();
    m_image = image;
}

void Vx3DCanvas::end()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QPainter *Vx3DCanvas::painter()
{
    if (m_painter) {
        return m_painter.get();
    }
    if (m_image == nullptr || m_image->isNull()) {
        return nullptr; // a 0 x 0 canvas: every drawing call is a no-op
    }
    m_painter = std::make_unique<QPainter>(m_image);
    if (!m_painter->isActive()) {
        m_painter.reset();
        return nullptr;
    }
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    m_penDirty = true;
    m_brushDirty = true;
    applyFont();
    return m_painter.get();
}

QColor Vx3DCanvas::toQColor(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void Vx3DCanvas::setPenColor(uint32_t color)
{
    m_penColor = color;
    m_penDirty = true;
}

void Vx3DCanvas::setPenStyle(uint8_t style)
{
    m_penStyle = style;
    m_penDirty = true;
}

void Vx3DCanvas::setPenWidth(int width)
{
    m_penWidth = width;
    m_penDirty = true;
}

void Vx3DCanvas::setBrushColor(uint32_t color)
{
    m_brushColor = color;
    if (m_brushStyle == BsClear) {
        m_brushStyle = BsSolid;
    }
    m_brushDirty = true;
}

void Vx3DCanvas::setBrushStyle(uint8_t style)
{
    m_brushStyle = style;
    m_brushDirty = true;
}

void Vx3DCanvas::setFontColor(uint32_t color)
{
    m_fontColor = color;
}

void Vx3DCanvas::setFontHeight(int height)
{
    if (height == m_fontHeight) {
        return;
    }
    m_fontHeight = height;
    if (m_painter) {
        applyFont();
    }
}

void Vx3DCanvas::applyFont()
{
    // Solid glyph pixels in the font colour, like every other shape here.
    QFont font = m_painter->font();
    font.setStyleStrategy(QFont::NoAntialias);
    if (m_fontHeight != 0) {
        // Widened first: the height is the owner's int32 and -INT32_MIN overflows.
        const int64_t height = std::abs(static_cast<int64_t>(m_fontHeight));
        font.setPixelSize(static_cast<int>(std::clamp<int64_t>(height, 1, kMaxFontPixels)));
    }
    m_painter->setFont(font);
}

void Vx3DCanvas::applyPen()
{
    if (!m_penDirty) {
        return;
    }
    const int width = std::clamp(m_penWidth, 0, kMaxPenWidth);
    QPen pen(toQColor(m_penColor), width <= 1 ? 0 : width, toQtPenStyle(m_penStyle), Qt::RoundCap,
             Qt::RoundJoin);
    m_painter->setPen(pen);
    m_penDirty = false;
}

void Vx3DCanvas::applyBrush()
{
    if (!m_brushDirty) {
        return;
    }
    m_painter->setBrush(QBrush(toQColor(m_brushColor), toQtBrushStyle(m_brushStyle)));
    m_brushDirty = false;
}

void Vx3DCanvas::moveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

QRectF Vx3DCanvas::guardRect() const
{
    return QRectF(-kGuard, -kGuard, m_image->width() + 2.0 * kGuard,
                  m_image->height() + 2.0 * kGuard);
}

void Vx3DCanvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (QPainter *p = painter()) {
        applyPen();
        const QRectF guard = guardRect();
        QPointF a(m_penPos);
        QPointF b(to);
        if (inside(a, guard) && inside(b, guard)) {
            p->drawLine(m_penPos, to); // near lines exactly as ever
        } else if (clipSegment(a, b, guard)) {
            p->drawLine(QLineF(a, b));
        }
    }
    m_penPos = to;
}

QRect Vx3DCanvas::frameRect(int left, int top, int right, int bottom) const
{
    // Qt strokes a QRect one pixel past its right and bottom edges; the
    // classic rectangle stops one pixel short of them.
    QRect r(QPoint(left, top), QPoint(right - 1, bottom - 1));
    r = r.normalized();
    r.setSize(r.size() - QSize(1, 1));
    if (m_penStyle == PsInsideFrame && m_penWidth > 1) {
        const int inset = m_penWidth / 2;
        r.adjust(inset, inset, -inset, -inset);
    }
    return r;
}

void Vx3DCanvas::ellipse(int left, int top, int right, int bottom)
{
    if (QPainter *p = painter()) {
        applyPen();
        applyBrush();
        p->drawEllipse(frameRect(left, top, right, bottom));
    }
}

void Vx3DCanvas::rectangle(int left, int top, int right, int bottom)
{
    if (QPainter *p = painter()) {
        applyPen();
        applyBrush();
        p->drawRect(frameRect(left, top, right, bottom));
    }
}

void Vx3DCanvas::polygon(const QPoint *points, int count)
{
    if (count <= 0) {
        return;
    }
    if (QPainter *p = painter()) {
        applyPen();
        applyBrush();
        const QRectF guard = guardRect();
        QPolygonF corners;
        corners.reserve(count);
        bool near = true;
        for (int k = 0; k < count; ++k) {
            corners.append(QPointF(points[k]));
            near = near && inside(corners.back(), guard);
        }
        if (near) {
            p->drawPolygon(points, count, Qt::OddEvenFill);
            return;
        }
        const QPolygonF cut = clipPolygon(corners, guard);
        if (!cut.isEmpty()) {
            p->drawPolygon(cut, Qt::OddEvenFill);
        }
    }
}

void Vx3DCanvas::textOut(int x, int y, const QString &text)
{
    QPainter *p = painter();
    if (p == nullptr) {
        return;
    }
    const QFontMetrics metrics = p->fontMetrics();
    if (m_brushStyle != BsClear) {
        // Text is set on an opaque cell of the brush colour.
        p->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                    toQColor(m_brushColor));
    }
    p->setPen(toQColor(m_fontColor));
    m_penDirty = true;
    p->drawText(QPoint(x, y + metrics.ascent()), text);
}

void Vx3DCanvas::fillRect(const QRect &rect)
{
    if (m_brushStyle == BsClear) {
        return;
    }
    if (QPainter *p = painter()) {
        p->fillRect(rect, QBrush(toQColor(m_brushColor), toQtBrushStyle(m_brushStyle)));
    }
}

void Vx3DCanvas::fillSolid(const QRect &rect)
{
    if (QPainter *p = painter()) {
        p->fillRect(rect, toQColor(m_brushColor));
    }
}

void Vx3DCanvas::copyRect(const QRect &dest, Vx3DCanvas &source, const QRect &sourceRect)
{
    if (source.m_image == nullptr || source.m_image->isNull()) {
        return;
    }
    if (QPainter *p = painter()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(dest, *source.m_image, sourceRect);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}
