// One frame of the OpenGL view, drawn in immediate mode from the records:
// box, axes and segments (fogged), then points, particles, labels, planes
// and traces, with the state the frame carries from object to object.
#include "vx3dworldgl.h"

#include "glyphs.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// The in-use count as far as the store reaches: a count above the objects
// created draws the ones that exist.
template <typename Store>
int32_t drawCount(int32_t n, const Store &store)
{
    const int32_t last = store.empty() ? 0 : static_cast<int32_t>(store.size() - 1);
    return std::clamp(n, 0, last);
}

} // namespace

void TVx3DWorldGL::SetNormal(float x, float y, float z)
{
    molvix::SetNormal(gl(), x, y, z);
}

void TVx3DWorldGL::DrawSphere(uint8_t style, double radius, int32_t slices, int32_t stacks)
{
    molvix::DrawSphere(gl(), style, radius, slices, stacks);
}

void TVx3DWorldGL::DrawCylinder(molvix::CylinderMode mode, double base, double top,
                                double height, int32_t slices, int32_t stacks)
{
    molvix::DrawCylinder(gl(), mode, base, top, height, slices, stacks);
}

void TVx3DWorldGL::SetCubeColor(TColor color, bool show)
{
    CubeRGB = ColorToGL(color);
    ShowCube = show;
}

void TVx3DWorldGL::SetAxesColor(TColor color, bool show)
{
    AxesRGB = ColorToGL(color);
    ShowAxes = show;
}

void TVx3DWorldGL::issueClear()
{
    const RGB c = ColorToGL(Color);
    molvix::GLCalls &g = gl();
    g.clearDepth(1.0);
    g.clearColor(c[0], c[1], c[2], 0.0f);
    g.clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TVx3DWorldGL::ClearWorld()
{
    if (makeViewCurrent()) {
        issueClear();
    }
}

void TVx3DWorldGL::DrawWorld()
{
    // Before the view is first shown there is no context and no frame.
    if (!makeViewCurrent()) {
        return;
    }
    renderFrame();
    if (!m_inPaint) {
        // Asked for outside painting (a timer): the frame is in the widget's
        // framebuffer; the paint Qt now runs shows it without calling OnPaint.
        m_framePending = true;
        update();
    }
}

void TVx3DWorldGL::renderFrame()
{
    molvix::GLCalls &g = gl();
    clearAndPushViewTransform();
    if (GLFog) {
        g.enable(GL_FOG);
    }
    if (ShowLightFocus) {
        g.pushMatrix();
        g.color(1.0f, 1.0f, 0.0f);
        g.translate(LightPosition[0], LightPosition[1], LightPosition[2]);
        DrawSphere(13, 0.3, 20, 10);
        g.popMatrix();
    }
    if (ShowCube) {
        drawCube();
    }
    if (ShowAxes) {
        drawAxes();
    }
    drawSegments();
    if (!GLFogParticles) {
        g.disable(GL_FOG);
    }
    // Everything after the segments, and the box and axes of the next
    // frame, is drawn with this width.
    g.lineWidth(0.5f);
    drawPoints();
    drawParticles();
    drawLabels();
    drawPlanes();
    if (ShowTrace) {
        drawTraces();
    }
    g.pointSize(1.0f);
    g.popMatrix();
    g.flush();
}

void TVx3DWorldGL::drawSegments()
{
    molvix::GLCalls &g = gl();
    const int32_t n = drawCount(NSegments, m_segments);
    for (int32_t i = 1; i <= n; ++i) {
        const TGLSegmentRec &s = m_segments[i];
        if (s.Color == BackColor) {
            continue;
        }
        g.color(s.R, s.G, s.B);
        g.lineWidth(s.Width);
        if (s.Style != 1) {
            // The cone stands along +z; turn +z onto the segment's direction
            // about the axis (-dy, dx, 0) perpendicular to both.
            const float dx = s.X2 - s.X1;
            const float dy = s.Y2 - s.Y1;
            const float dz = s.Z2 - s.Z1;
            const float l = std::sqrt(dx * dx + dy * dy);
            g.pushMatrix();
            g.translate(s.X2, s.Y2, s.Z2);
            if (dx == 0.0f && dy == 0.0f) {
                // Along z that axis is the zero vector: the cone already
                // points up z, and a half turn about x points it down. A
                // segment of no length keeps the cone as it stands.
                if (dz < 0.0f) {
                    g.rotate(180.0f, 1.0f, 0.0f, 0.0f);
                }
            } else if (dz != 0.0f) {
                const double degrees = std::atan2(static_cast<double>(l), static_cast<double>(dz)) *
                                       180.0 / std::numbers::pi;
                g.rotate(static_cast<float>(degrees), -dy, dx, 0.0f);
            } else {
                g.rotate(90.0f, -dy, dx, 0.0f);
            }
            DrawCylinder(molvix::arrowCylinderMode(s.Style), 0.03, 0.0, 0.1, 4, 2);
            g.popMatrix();
        }
        g.begin(GL_LINES);
        g.vertex(s.X1, s.Y1, s.Z1);
        g.vertex(s.X2, s.Y2, s.Z2);
        g.end();
    }
}

void TVx3DWorldGL::drawPoints()
{
    molvix::GLCalls &g = gl();
    const int32_t n = drawCount(NPoints, m_points);
    for (int32_t i = 1; i <= n; ++i) {
        const TGLPointRec &p = m_points[i];
        if (p.Color == BackColor) {
            continue;
        }
        g.pointSize(p.Size);
        g.color(p.R, p.G, p.B);
        g.begin(GL_POINTS);
        g.vertex(p.X, p.Y, p.Z);
        g.end();
    }
}

void TVx3DWorldGL::drawParticles()
{
    molvix::GLCalls &g = gl();
    const int32_t n = drawCount(NParticles, m_particles);
    for (int32_t i = 1; i <= n; ++i) {
        const TGLParticleRec &p = m_particles[i];
        if (p.Color == BackColor) {
            continue;
        }
        g.color(p.R, p.G, p.B);
        switch (p.Style) {
        case 0:
        case 1:
        case 12:
        case 13:
        case 14:
            g.pushMatrix();
            g.translate(p.X, p.Y, p.Z);
            DrawSphere(p.Style, p.Size, GLSlices, GLStacks);
            g.popMatrix();
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            // A cone with its tip on the particle, opening along z.
            g.pushMatrix();
            g.translate(p.X, p.Y, p.Z);
            DrawCylinder(molvix::particleCylinderMode(p.Style), 0.0, p.Size, p.Size, GLSlices,
                         GLStacks);
            g.popMatrix();
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            g.pushMatrix();
            g.translate(p.X, p.Y, p.Z);
            DrawCylinder(molvix::particleCylinderMode(p.Style), p.Size, p.Size, p.Size, GLSlices,
                         GLStacks);
            g.popMatrix();
            break;
        default:
            // Pixels: 50 per OpenGL unit of Size. The size stays in force
            // for what follows. A point has no surface to light: lit, it
            // would take the shade of whatever normal came last (white
            // comes out grey), so it shows its colour as it is.
            g.pointSize(50.0f * p.Size);
            if (GLLight) {
                g.disable(GL_LIGHTING);
            }
            g.begin(GL_POINTS);
            g.vertex(p.X, p.Y, p.Z);
            g.end();
            if (GLLight) {
                g.enable(GL_LIGHTING);
            }
            break;
        }
    }
}

void TVx3DWorldGL::drawLabels()
{
    molvix::GLCalls &g = gl();
    const int32_t n = drawCount(NLabels, m_labels);
    for (int32_t i = 1; i <= n; ++i) {
        const TGLLabelRec &l = m_labels[i];
        if (l.Color == BackColor) {
            continue;
        }
        g.pushMatrix();
        g.color(l.R, l.G, l.B);
        g.listBase(molvix::kFontListBase);
        g.translate(l.X, l.Y, l.Z);
        g.rotate(l.RotX, 1.0f, 0.0f, 0.0f);
        g.rotate(l.RotY, 0.0f, 1.0f, 0.0f);
        g.rotate(l.RotZ, 0.0f, 0.0f, 1.0f);
        g.scale(l.Scale, l.Scale, l.Scale);
        g.callLists(static_cast<GLsizei>(strnlen(l.Text, sizeof l.Text)),
                    reinterpret_cast<const uint8_t *>(l.Text));
        g.popMatrix();
    }
}

void TVx3DWorldGL::drawPlanes()
{
    molvix::GLCalls &g = gl();
    // Both sides show, blended over what is already drawn; the depth test
    // stays on, so later objects behind a plane stay hidden.
    g.disable(GL_CULL_FACE);
    g.enable(GL_BLEND);
    g.blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const int32_t n = drawCount(NPlanes, m_planes);
    for (int32_t i = 1; i <= n; ++i) {
        const TGLPlaneRec &p = m_planes[i];
        if (p.Color == BackColor) {
            continue;
        }
        g.color(p.R, p.G, p.B, p.Alpha);
        g.begin(GL_QUADS);
        g.vertex(p.X1, p.Y1, p.Z1);
        g.vertex(p.X2, p.Y2, p.Z2);
        g.vertex(p.X3, p.Y3, p.Z3);
        g.vertex(p.X4, p.Y4, p.Z4);
        g.end();
    }
    g.disable(GL_BLEND);
    g.enable(GL_CULL_FACE);
}

void TVx3DWorldGL::drawTraces()
{
    molvix::GLCalls &g = gl();
    for (size_t t = 1; t < m_traces.size(); ++t) {
        const TGLTraceRec &trace = m_traces[t];
        // A trace whose particle went with a replaced store has nothing to follow.
        if (trace.Active == 0 || !validIndexOf(m_particles, trace.Particle)) {
            continue;
        }
        const TGLParticleRec &p = m_particles[trace.Particle];
        g.color(trace.R, trace.G, trace.B);
        bool started = false;
        float px = 0, py = 0, pz = 0;
        for (int32_t k = 1; k <= trace.TraceLength; ++k) {
            if (trace.Valid[k] == 0) {
                continue;
            }
            const float x = trace.XS[k];
            const float y = trace.YS[k];
            const float z = trace.ZS[k];
            if (!started) {
                px = x;
                py = y;
                pz = z;
                started = true;
            }
            switch (trace.Mode) {
            case 1:
                g.pointSize(5.0f);
                g.begin(GL_POINTS);
                g.vertex(x, y, z);
                g.end();
                g.pointSize(1.0f);
                break;
            case 2:
            case 3:
            case 4: {
                // Spheres of the particle's radius, its half, its quarter.
                const double factor = trace.Mode == 2 ? 1.0 : (trace.Mode == 3 ? 0.5 : 0.25);
                g.pushMatrix();
                g.translate(x, y, z);
                DrawSphere(p.Style, p.Size * factor, GLSlices, GLStacks);
                g.popMatrix();
                break;
            }
            default:
                g.begin(GL_LINES);
                g.vertex(px, py, pz);
                g.vertex(x, y, z);
                g.end();
                px = x;
                py = y;
                pz = z;
                if (k == trace.TraceLength) {
                    g.begin(GL_LINES);
                    g.vertex(x, y, z);
                    g.vertex(p.X, p.Y, p.Z);
                    g.end();
                }
                break;
            }
        }
    }
}

void TVx3DWorldGL::drawCube()
{
    molvix::GLCalls &g = gl();
    const float x0 = mapX(XMin), x1 = mapX(XMax);
    const float y0 = mapY(YMin), y1 = mapY(YMax);
    const float z0 = mapZ(ZMin), z1 = mapZ(ZMax);
    const auto edge = [&g](float ax, float ay, float az, float bx, float by, float bz) {
        g.vertex(ax, ay, az);
        g.vertex(bx, by, bz);
    };
    g.color(CubeRGB[0], CubeRGB[1], CubeRGB[2]);
    g.begin(GL_LINES);
    for (const float z : {z0, z1}) {
        edge(x0, y0, z, x1, y0, z);
        edge(x1, y0, z, x1, y1, z);
        edge(x1, y1, z, x0, y1, z);
        edge(x0, y1, z, x0, y0, z);
    }
    edge(x0, y0, z0, x0, y0, z1);
    edge(x1, y0, z0, x1, y0, z1);
    edge(x1, y1, z0, x1, y1, z1);
    edge(x0, y1, z0, x0, y1, z1);
    g.end();
}

void TVx3DWorldGL::drawAxes()
{
    molvix::GLCalls &g = gl();
    // The factors scale the bounds themselves: with the box 0..100 the axes
    // run to 120 and the letters stand at 115.
    const float ox = mapX(XMin), oy = mapY(YMin), oz = mapZ(ZMin);
    g.color(AxesRGB[0], AxesRGB[1], AxesRGB[2]);
    g.begin(GL_LINES);
    g.vertex(ox, oy, oz);
    g.vertex(mapX(1.2f * XMax), oy, oz);
    g.vertex(ox, oy, oz);
    g.vertex(ox, mapY(1.2f * YMax), oz);
    g.vertex(ox, oy, oz);
    g.vertex(ox, oy, mapZ(1.2f * ZMax));
    g.end();
    const auto letter = [&g](uint8_t c, float x, float y, float z, float scale) {
        g.pushMatrix();
        g.listBase(molvix::kFontListBase);
        g.translate(x, y, z);
        g.scale(scale, scale, scale);
        g.callLists(1, &c);
        g.popMatrix();
    };
    letter('X', mapX(1.15f * XMax), oy, mapZ(0.85f * ZMin), 0.15f);
    letter('Y', ox, mapY(1.15f * YMax), mapZ(0.85f * ZMin), 0.15f);
    letter('Z', ox, mapY(0.85f * YMin), mapZ(1.15f * ZMax), 0.1f);
}
