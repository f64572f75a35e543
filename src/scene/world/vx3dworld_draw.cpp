// Projection and drawing of the software scene view: whole-degree rotation
// tables, perspective, the box outline and axes, and the frame, composed in
// the off-screen Buffer and shown with one copy.
#include "vx3dworld.h"

#include <algorithm>
#include <cmath>
#include <limits>

using molvix::truncToInt32;

namespace {

// Alfa and Beta index 360-entry tables; an angle outside 0..359 (which the
// owner must not set) is wrapped rather than read out of bounds.
int tableIndex(int32_t degrees)
{
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

// Corners of ellipses, rectangles and text far off the canvas.
QPoint clamped(int64_t x, int64_t y)
{
    return QPoint(Vx3DCanvas::clampCoord(x), Vx3DCanvas::clampCoord(y));
}

// Line ends: the canvas cuts lines itself, so only the int range is kept.
QPoint saturated(int64_t x, int64_t y)
{
    const auto fit = [](int64_t v) {
        return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
    };
    return QPoint(fit(x), fit(y));
}

} // namespace

void TVx3DWorld::fillTables()
{
    // The angle is i * 3.1415 / 180 in single precision: 3.1415, not pi,
    // so cos(90 deg) here is 4.6e-5 rather than 0.
    for (int i = 0; i < 360; ++i) {
        const float a = static_cast<float>(static_cast<double>(i) * 3.1415 * (1.0 / 180.0));
        CosTable[i] = static_cast<float>(std::cos(static_cast<double>(a)));
        SinTable[i] = static_cast<float>(std::sin(static_cast<double>(a)));
    }
}

QPoint TVx3DWorld::Project(float x, float y, float z) const
{
    const float cb = CosTable[tableIndex(Beta)];
    const float sb = SinTable[tableIndex(Beta)];
    const float ca = CosTable[tableIndex(Alfa)];
    const float sa = SinTable[tableIndex(Alfa)];
    // Rotation about X by Beta, then about the screen's vertical by Alfa;
    // d is the depth toward the viewer, h the horizontal position.
    const float u = (y * cb - z * sb) * Zoom;
    const float v = (y * sb + z * cb) * Zoom;
    const float d = x * ca * Zoom - u * sa;
    const float h = x * sa * Zoom + u * ca;
    const float f = EyeDistance == d ? 0.0f : EyeDistance / (EyeDistance - d);
    const float sx = h * f * ScaleX + OriginX;
    const float sy = OriginY - v * f * ScaleY;
    // A point near the eye can leave the int range: it saturates.
    return QPoint(truncToInt32(sx), truncToInt32(sy));
}

void TVx3DWorld::projectParticle(TParticleRec &p) const
{
    const QPoint s = Project(p.X, p.Y, p.Z);
    p.SX = s.x();
    p.SY = s.y();
}

void TVx3DWorld::projectSegment(TSegmentRec &s) const
{
    const QPoint a = Project(s.X1, s.Y1, s.Z1);
    const QPoint b = Project(s.X2, s.Y2, s.Z2);
    s.SX1 = a.x();
    s.SY1 = a.y();
    s.SX2 = b.x();
    s.SY2 = b.y();
}

void TVx3DWorld::projectPlane(TPlaneRec &p) const
{
    const QPoint a = Project(p.X1, p.Y1, p.Z1);
    const QPoint b = Project(p.X2, p.Y2, p.Z2);
    const QPoint c = Project(p.X3, p.Y3, p.Z3);
    const QPoint d = Project(p.X4, p.Y4, p.Z4);
    p.SX1 = a.x();
    p.SY1 = a.y();
    p.SX2 = b.x();
    p.SY2 = b.y();
    p.SX3 = c.x();
    p.SY3 = c.y();
    p.SX4 = d.x();
    p.SY4 = d.y();
}

void TVx3DWorld::UpdateWorldSize()
{
    if (!ViewExtentSet) {
        ViewExtent = XMax - XMin;
        ViewExtentSet = true;
    }
    if (YMax - YMin > ViewExtent) {
        ViewExtent = YMax - YMin;
    }
    if (ZMax - ZMin > ViewExtent) {
        ViewExtent = ZMax - ZMin;
    }
    CenterX = (XMax + XMin) * 0.5f;
    CenterY = (YMax + YMin) * 0.5f;
    CenterZ = (ZMax + ZMin) * 0.5f;
    // A box with no positive extent has no scale: everything projects onto
    // the origin instead of dividing by zero.
    const bool extentOk = ViewExtent > 0.0f && std::isfinite(ViewExtent);
    ScaleX = extentOk ? static_cast<float>(width()) / ViewExtent : 0.0f;
    ScaleY = extentOk ? static_cast<float>(height()) / ViewExtent : 0.0f;
    EyeDistance = extentOk ? ViewExtent : 0.0f;
    OriginX = static_cast<float>(width() / 2);
    OriginY = static_cast<float>(height() / 2);

    m_bufferCanvas.end();
    if (width() > 0 && height() > 0) {
        if (m_buffer.size() != size()) {
            m_buffer = QImage(size(), QImage::Format_RGB32);
        }
    } else {
        m_buffer = QImage();
    }
    m_bufferCanvas.setImage(&m_buffer);
    ViewRect = QRect(0, 0, width(), height());
    m_bufferCanvas.setBrushColor(static_cast<uint32_t>(Color));
    m_bufferCanvas.fillSolid(ViewRect);

    SetCube(CubeColor, ShowCube);
    SetAxes(AxesColor, ShowAxes);
}

void TVx3DWorld::ProjectAll()
{
    // Counts above the store (the owner's mistake) project only what exists.
    const auto limit = [](int32_t count, int32_t slotCount) { return std::min(count, slotCount - 1); };
    for (int32_t i = 1, n = limit(NParticles, MaxParticles()); i <= n; ++i) {
        projectParticle(m_particles[i]);
    }
    for (int32_t i = 1, n = limit(NPlanes, MaxPlanes()); i <= n; ++i) {
        projectPlane(m_planes[i]);
    }
    for (int32_t i = 1, n = limit(NSegments, MaxSegments()); i <= n; ++i) {
        projectSegment(m_segments[i]);
    }
    for (int32_t i = 1, n = limit(NPoints, MaxPoints()); i <= n; ++i) {
        TPointRec &p = m_points[i];
        const QPoint s = Project(p.X, p.Y, p.Z);
        p.SX = s.x();
        p.SY = s.y();
    }
    for (int32_t i = 1, n = limit(NLabels, MaxLabels()); i <= n; ++i) {
        TLabelRec &l = m_labels[i];
        const QPoint s = Project(l.X, l.Y, l.Z);
        l.SX = s.x();
        l.SY = s.y();
    }
    for (int32_t i = 1, n = limit(NTraces, MaxTraces()); i <= n; ++i) {
        TTraceRec &t = m_traces[i];
        if (t.Active == 0) {
            continue;
        }
        for (int32_t k = 1; k <= t.TraceLength; ++k) {
            if (t.Valid[k] != 0) {
                const QPoint s = Project(t.XS[k], t.YS[k], t.ZS[k]);
                t.SXS[k] = s.x();
                t.SYS[k] = s.y();
            }
        }
    }
    SetCube(CubeColor, ShowCube);
    SetAxes(AxesColor, ShowAxes);
}

void TVx3DWorld::SetCube(TColor color, bool show)
{
    CubeColor = color;
    ShowCube = show;
    const float lo[3] = {XMin, YMin, ZMin};
    const float hi[3] = {XMax, YMax, ZMax};
    // Corners by (x, y, z) choice of lower (0) or upper (1) bound.
    static constexpr int kEdges[12][6] = {
        {0, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 1, 0}, {1, 1, 0, 1, 0, 0}, {1, 1, 0, 0, 1, 0},
        {0, 0, 1, 1, 0, 1}, {0, 0, 1, 0, 1, 1}, {1, 1, 1, 1, 0, 1}, {1, 1, 1, 0, 1, 1},
        {0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 1, 1}, {1, 1, 0, 1, 1, 1}, {1, 0, 0, 1, 0, 1},
    };
    const float center[3] = {CenterX, CenterY, CenterZ};
    for (int e = 0; e < 12; ++e) {
        for (int c = 0; c < 6; ++c) {
            const int axis = c % 3;
            CubeEdges[e][c] = (kEdges[e][c] != 0 ? hi[axis] : lo[axis]) - center[axis];
        }
        const QPoint a = Project(CubeEdges[e][0], CubeEdges[e][1], CubeEdges[e][2]);
        const QPoint b = Project(CubeEdges[e][3], CubeEdges[e][4], CubeEdges[e][5]);
        CubeScreen[e] = {a.x(), a.y(), b.x(), b.y()};
    }
}

void TVx3DWorld::SetAxes(TColor color, bool show)
{
    AxesColor = color;
    ShowAxes = show;
    const float a = XMax * 11.0f * 0.1f;   // X extent of the letters
    const float b = a * 21.0f * 0.05f;     // 1.05 A
    const float m = (b + a) * 0.5f;
    const float t = (XMax - XMin) / 30.0f; // arrow-head half width
    const float z105 = 2.1f * 0.5f;
    const float strokes[17][6] = {
        {XMin, YMin, ZMin, 1.2f * XMax, YMin, ZMin},
        {XMin, YMin, ZMin, XMin, 1.2f * YMax, ZMin},
        {XMin, YMin, ZMin, XMin, YMin, 1.2f * ZMax},
        {a, YMin, -0.05f * a, b, YMin, -0.1f * a},
        {b, YMin, -0.05f * a, a, YMin, -0.1f * a},
        {0, YMin + a, -0.05f * a, 0, YMin + m, -0.1f * a},
        {0, YMin + b, -0.05f * a, 0, YMin + m, -0.1f * a},
        {0, YMin + m, -0.1f * a, 0, YMin + m, -0.1f * a * 1.3f},
        {0, YMin, z105 * ZMax, 0, YMin - 0.05f * YMax, z105 * ZMax},
        {0, YMin - 0.05f * YMax, z105 * ZMax, 0, YMin, 1.1f * ZMax},
        {0, YMin, 1.1f * ZMax, 0, YMin - 0.05f * YMax, 1.1f * ZMax},
        {XMin, YMin, 1.2f * ZMax, XMin, YMin - t, 1.15f * ZMax},
        {XMin, YMin, 1.2f * ZMax, XMin, YMin + t, 1.15f * ZMax},
        {XMin, 1.2f * YMax, ZMin, XMin, 1.15f * YMax, ZMin + t},
        {XMin, 1.2f * YMax, ZMin, XMin, 1.15f * YMax, ZMin - t},
        {1.2f * XMax, YMin, ZMin, 1.15f * XMax, YMin - t, ZMin},
        {1.2f * XMax, YMin, ZMin, 1.15f * XMax, YMin + t, ZMin},
    };
    const float center[3] = {CenterX, CenterY, CenterZ};
    for (int s = 0; s < 17; ++s) {
        for (int c = 0; c < 6; ++c) {
            AxesStrokes[s][c] = strokes[s][c] - center[c % 3];
        }
        const QPoint p = Project(AxesStrokes[s][0], AxesStrokes[s][1], AxesStrokes[s][2]);
        const QPoint q = Project(AxesStrokes[s][3], AxesStrokes[s][4], AxesStrokes[s][5]);
        AxesScreen[s] = {p.x(), p.y(), q.x(), q.y()};
    }
}

void TVx3DWorld::ClearWorld()
{
    syncCanvasSize();
    m_ownCanvas.setBrushColor(static_cast<uint32_t>(Color));
    m_ownCanvas.fillSolid(QRect(0, 0, width(), height()));
    canvasChanged();
}

void TVx3DWorld::DrawCube(Vx3DCanvas &canvas)
{
    canvas.setPenColor(static_cast<uint32_t>(CubeColor));
    for (const auto &e : CubeScreen) {
        canvas.moveTo(e[0], e[1]);
        canvas.lineTo(e[2], e[3]);
    }
}

void TVx3DWorld::DrawAxes(Vx3DCanvas &canvas)
{
    canvas.setPenColor(static_cast<uint32_t>(AxesColor));
    for (const auto &s : AxesScreen) {
        canvas.moveTo(s[0], s[1]);
        canvas.lineTo(s[2], s[3]);
    }
}

void TVx3DWorld::DrawTraces(Vx3DCanvas &canvas)
{
    for (int32_t i = 1; i < MaxTraces(); ++i) {
        const TTraceRec &t = m_traces[i];
        if (t.Active == 0) {
            continue;
        }
        canvas.setPenColor(static_cast<uint32_t>(t.Color));
        bool started = false;
        QPoint prev;
        for (int32_t k = 1; k <= t.TraceLength; ++k) {
            if (t.Valid[k] == 0) {
                continue;
            }
            const QPoint c(t.SXS[k], t.SYS[k]);
            if (!started) {
                prev = c;
                started = true;
            }
            if (t.Style == 1) {
                const QPoint tl = clamped(int64_t(c.x()) - 4, int64_t(c.y()) - 4);
                const QPoint br = clamped(int64_t(c.x()) + 4, int64_t(c.y()) + 4);
                canvas.ellipse(tl.x(), tl.y(), br.x(), br.y());
                continue;
            }
            canvas.moveTo(prev.x(), prev.y());
            canvas.lineTo(c.x(), c.y());
            prev = c;
            // The newest sample of a sliding window joins the particle itself.
            if (k == t.TraceLength && validIndexOf(m_particles, t.Particle)) {
                const TParticleRec &p = m_particles[t.Particle];
                canvas.moveTo(c.x(), c.y());
                canvas.lineTo(p.SX, p.SY);
            }
        }
    }
}

void TVx3DWorld::DrawParticle(Vx3DCanvas &canvas, int32_t index)
{
    if (!validIndexOf(m_particles, index)) {
        ShowError("DrawParticle", "Attempt to address non existing particle!");
    }
    const TParticleRec &p = m_particles[index];
    if (p.Color == Color) {
        return;
    }
    canvas.setPenColor(static_cast<uint32_t>(p.Color));
    canvas.setBrushColor(static_cast<uint32_t>(p.Color));
    canvas.setPenStyle(p.PenStyle);
    const QPoint tl = clamped(int64_t(p.SX) - p.Radius, int64_t(p.SY) - p.Radius);
    const QPoint br = clamped(int64_t(p.SX) + p.Radius, int64_t(p.SY) + p.Radius);
    switch (p.Shape) {
    case 0:
        canvas.setBrushStyle(Vx3DCanvas::BsClear);
        canvas.ellipse(tl.x(), tl.y(), br.x(), br.y());
        break;
    case 2:
        canvas.setBrushStyle(Vx3DCanvas::BsClear);
        canvas.rectangle(tl.x(), tl.y(), br.x(), br.y());
        break;
    case 3:
        canvas.setBrushStyle(Vx3DCanvas::BsSolid);
        canvas.rectangle(tl.x(), tl.y(), br.x(), br.y());
        break;
    default:
        canvas.setBrushStyle(Vx3DCanvas::BsSolid);
        canvas.ellipse(tl.x(), tl.y(), br.x(), br.y());
        break;
    }
}

void TVx3DWorld::DrawSegment(Vx3DCanvas &canvas, int32_t index)
{
    if (!validIndexOf(m_segments, index)) {
        ShowError("DrawSegment", "Attempt to address non existing segment!");
    }
    const TSegmentRec &s = m_segments[index];
    if (s.Color == Color) {
        return;
    }
    canvas.setBrushColor(static_cast<uint32_t>(Color));
    canvas.setPenColor(static_cast<uint32_t>(s.Color));
    canvas.setPenStyle(s.PenStyle);
    canvas.setPenWidth(s.Width);
    const QPoint p1(s.SX1, s.SY1);
    const QPoint p2(s.SX2, s.SY2);
    if (s.Arrow != 0) {
        canvas.moveTo(p1.x(), p1.y());
        canvas.lineTo(p2.x(), p2.y());
        return;
    }
    // Arrow head: an outline triangle whose base lies 9 pixels back from the
    // tip and reaches 4.5 to each side, each distance truncated toward zero.
    const float dx = static_cast<float>(int64_t(s.SX2) - s.SX1);
    const float dy = static_cast<float>(int64_t(s.SY2) - s.SY1);
    const float length = std::sqrt(dx * dx + dy * dy);
    float ux = 1.0f;
    float uy = 0.0f;
    if (length != 0.0f) {
        ux = dx / length;
        uy = dy / length;
    }
    const int64_t bx = int64_t(s.SX2) - truncToInt32(ux * 9.0f);
    const int64_t by = int64_t(s.SY2) - truncToInt32(uy * 9.0f);
    ux = ux * 4.5f;
    uy = uy * 4.5f;
    const QPoint base = saturated(bx, by);
    const QPoint pp = saturated(bx - truncToInt32(uy), by + truncToInt32(ux));
    const QPoint qq = saturated(bx + truncToInt32(uy), by - truncToInt32(ux));
    canvas.moveTo(p1.x(), p1.y());
    canvas.lineTo(base.x(), base.y());
    canvas.moveTo(pp.x(), pp.y());
    canvas.lineTo(qq.x(), qq.y());
    canvas.moveTo(pp.x(), pp.y());
    canvas.lineTo(p2.x(), p2.y());
    canvas.lineTo(qq.x(), qq.y());
}

void TVx3DWorld::DrawPoint(Vx3DCanvas &canvas, int32_t index)
{
    if (!validIndexOf(m_points, index)) {
        ShowError("DrawPoint", "Attempt to address non existing point!");
    }
    const TPointRec &p = m_points[index];
    if (p.Color == Color) {
        return;
    }
    canvas.setPenColor(static_cast<uint32_t>(p.Color));
    canvas.setPenStyle(p.PenStyle);
    canvas.setPenWidth(p.Size);
    if (p.Style == 1) {
        canvas.moveTo(PrevPointX, PrevPointY);
        canvas.lineTo(p.SX, p.SY);
    } else {
        const QPoint tl = clamped(int64_t(p.SX) - p.Size, int64_t(p.SY) - p.Size);
        const QPoint br = clamped(int64_t(p.SX) + p.Size, int64_t(p.SY) + p.Size);
        canvas.ellipse(tl.x(), tl.y(), br.x(), br.y());
    }
    PrevPointX = p.SX;
    PrevPointY = p.SY;
}

void TVx3DWorld::DrawPlane(Vx3DCanvas &canvas, int32_t index, uint8_t pass)
{
    if (!validIndexOf(m_planes, index)) {
        ShowError("DrawPlane", "Attempt to address non existing plane!");
    }
    const TPlaneRec &p = m_planes[index];
    if (p.Color == Color) {
        return;
    }
    canvas.setPenColor(static_cast<uint32_t>(p.Color));
    canvas.setBrushColor(static_cast<uint32_t>(p.Color));
    canvas.setBrushStyle(p.BrushStyle);
    if (p.Pass != pass) {
        return;
    }
    const QPoint corners[4] = {{p.SX1, p.SY1}, {p.SX2, p.SY2}, {p.SX3, p.SY3}, {p.SX4, p.SY4}};
    canvas.polygon(corners, 4);
}

void TVx3DWorld::DrawLabel(Vx3DCanvas &canvas, int32_t index)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("DrawLabel", "Attempt to address non existing label!");
    }
    const TLabelRec &l = m_labels[index];
    if (l.Color == Color) {
        return;
    }
    canvas.setBrushColor(static_cast<uint32_t>(Color));
    canvas.setPenColor(static_cast<uint32_t>(l.Color));
    canvas.setFontColor(static_cast<uint32_t>(l.Color));
    canvas.setFontHeight(l.Height);
    const QPoint at = clamped(l.SX, l.SY);
    canvas.textOut(at.x(), at.y(), QString::fromLatin1(l.Text));
}

void TVx3DWorld::DrawWorld()
{
    Vx3DCanvas &c = m_bufferCanvas;
    // Solid whatever brush style a plane left: every pixel of the last
    // frame is replaced.
    c.setBrushColor(static_cast<uint32_t>(Color));
    c.fillSolid(ViewRect);
    for (int32_t i = 1; i <= NPlanes; ++i) {
        DrawPlane(c, i, 1);
    }
    if (ShowCube) {
        DrawCube(c);
    }
    if (ShowAxes) {
        DrawAxes(c);
    }
    if (ShowTrace) {
        DrawTraces(c);
    }
    for (int32_t i = 1; i <= NSegments; ++i) {
        DrawSegment(c, i);
    }
    for (int32_t i = 1; i <= NPoints; ++i) {
        DrawPoint(c, i);
    }
    c.setPenWidth(1);
    for (int32_t i = 1; i <= NParticles; ++i) {
        DrawParticle(c, i);
    }
    for (int32_t i = 1; i <= NLabels; ++i) {
        DrawLabel(c, i);
    }
    for (int32_t i = 1; i <= NPlanes; ++i) {
        DrawPlane(c, i, 0);
    }
    // The finished frame reaches the canvas in one copy: no half-drawn frame
    // is ever shown.
    syncCanvasSize();
    m_ownCanvas.copyRect(ViewRect, c, ViewRect);
    requestImmediateUpdate();
}
