// Object stores of the OpenGL scene view: creation, moves, property
// changes, trace sampling, release and the palette. Context and set-up live
// in vx3dworldgl_gl.cpp, the frame in vx3dworldgl_draw.cpp.
#include "vx3dworldgl.h"

#include "fatalerror.h"
#include "objectstore.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

using molvix::truncToInt32;

using molvix::store::allocateStore;
using molvix::store::copyText;

namespace {

constexpr const char *kCaption = "Vx3DWorldGL Error";
constexpr size_t kMaxLabelChars = TGLLabelRec::TextSize - 1;

} // namespace

void TVx3DWorldGL::ShowError(const char *function, const char *message)
{
    molvix::reportFatalError(kCaption, function, message);
}

TVx3DWorldGL::RGB TVx3DWorldGL::ColorToGL(TColor color)
{
    switch (color) {
    case 0x000000: return {0.0f, 0.0f, 0.0f};
    case 0x000080: return {0.6f, 0.4f, 0.12f};
    case 0x0000FF: return {1.0f, 0.0f, 0.0f};
    case 0x008000: return {0.0f, 1.0f, 0.0f};
    case 0x008080: return {0.55f, 0.55f, 0.56f};
    case 0x00FF00: return {1.0f, 1.0f, 0.0f};
    case 0x800000: return {0.0f, 0.0f, 0.56f};
    case 0x800080: return {0.6f, 0.4f, 0.2f};
    case 0x808000: return {0.2f, 0.55f, 0.55f};
    case 0x808080: return {0.75f, 0.75f, 0.75f};
    case 0xC0C0C0: return {0.25f, 0.25f, 0.25f};
    case 0xFF0000: return {0.0f, 0.0f, 1.0f};
    case 0xFF00FF: return {0.98f, 0.04f, 0.7f};
    case 0xFFFF00: return {0.0f, 1.0f, 1.0f};
    default: return {1.0f, 1.0f, 1.0f};
    }
}

void TVx3DWorldGL::updateMapping()
{
    // Box -> cube -1..1: scale = 2 / extent (1 / world unit), shift = -centre * scale.
    MapScaleX = 2.0f / (XMax - XMin);
    MapShiftX = -(XMax + XMin) / (XMax - XMin);
    MapScaleY = 2.0f / (YMax - YMin);
    MapShiftY = -(YMax + YMin) / (YMax - YMin);
    MapScaleZ = 2.0f / (ZMax - ZMin);
    MapShiftZ = -(ZMax + ZMin) / (ZMax - ZMin);
}

// ---- creation --------------------------------------------------------------

void TVx3DWorldGL::AddNParticles(int32_t n, uint8_t style, float size, float x, float y,
                                 float z, TColor color, uint8_t aux)
{
    TGLParticleRec r;
    r.Style = style;
    r.Size = size;
    r.X = mapX(x);
    r.Y = mapY(y);
    r.Z = mapZ(z);
    const RGB c = ColorToGL(color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
    r.Aux = aux;
    r.Color = color;
    r.Trace = 0;
    m_particles = allocateStore<std::vector<TGLParticleRec>>(
        kCaption, n, r, "AddNParticles", "There are not enough memory to store particles!");
}

void TVx3DWorldGL::AddNSegments(int32_t n, uint8_t style, float width, float x1, float y1,
                                float z1, float x2, float y2, float z2, TColor color, uint8_t aux)
{
    TGLSegmentRec r;
    r.Style = style;
    r.Width = width;
    r.X1 = mapX(x1);
    r.Y1 = mapY(y1);
    r.Z1 = mapZ(z1);
    r.X2 = mapX(x2);
    r.Y2 = mapY(y2);
    r.Z2 = mapZ(z2);
    const RGB c = ColorToGL(color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
    r.Aux = aux;
    r.Color = color;
    m_segments = allocateStore<std::vector<TGLSegmentRec>>(
        kCaption, n, r, "AddNSegments", "There are not enough memory to store segments!");
}

void TVx3DWorldGL::AddNPlanes(int32_t n, uint8_t style, float alpha, float x1, float y1,
                              float z1, float x2, float y2, float z2, float x3, float y3,
                              float z3, float x4, float y4, float z4, TColor color, uint8_t aux)
{
    TGLPlaneRec r;
    r.Style = style;
    r.X1 = mapX(x1);
    r.Y1 = mapY(y1);
    r.Z1 = mapZ(z1);
    r.X2 = mapX(x2);
    r.Y2 = mapY(y2);
    r.Z2 = mapZ(z2);
    r.X3 = mapX(x3);
    r.Y3 = mapY(y3);
    r.Z3 = mapZ(z3);
    r.X4 = mapX(x4);
    r.Y4 = mapY(y4);
    r.Z4 = mapZ(z4);
    r.Alpha = alpha;
    const RGB c = ColorToGL(color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
    r.Aux = aux;
    r.Color = color;
    m_planes = allocateStore<std::vector<TGLPlaneRec>>(
        kCaption, n, r, "AddNPlanes", "There are not enough memory to store planes!");
}

void TVx3DWorldGL::AddNPoints(int32_t n, uint8_t style, float size, float x, float y, float z,
                              TColor color, uint8_t aux)
{
    TGLPointRec r;
    r.Style = style;
    r.Size = size;
    r.X = mapX(x);
    r.Y = mapY(y);
    r.Z = mapZ(z);
    const RGB c = ColorToGL(color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
    r.Aux = aux;
    r.Color = color;
    m_points = allocateStore<std::vector<TGLPointRec>>(
        kCaption, n, r, "AddNPoints", "There are not enough memory to store points!");
}

void TVx3DWorldGL::AddNTraces(int32_t n, uint8_t mode, TColor, int32_t interval,
                              int32_t maxPoints)
{
    // Sampling divides by the interval and by the length: neither may be 0.
    if (interval < 1) {
        ShowError("AddNTraces", "No valid trace interval!");
    }
    if (maxPoints < 1) {
        ShowError("AddNTraces", "No valid trace length!");
    }
    // MaxTracePoints = maxPoints + 1 must itself fit an int32.
    if (maxPoints == INT32_MAX) {
        ShowError("AddNTraces", "There are not enough memory to store trace points!");
    }
    TGLTraceRec r;
    r.Active = 0;
    r.Mode = mode;
    r.Particle = 0;
    r.WriteCount = 1;
    r.TraceLength = maxPoints;
    r.SampleCount = 1;
    r.Interval = interval;
    // Release the old samples first, so a failure leaves no half-built store.
    std::vector<TGLTraceRec>().swap(m_traces);
    m_maxTracePoints = 0;
    m_maxTracePointsGiven = 0;
    std::vector<TGLTraceRec> store = allocateStore<std::vector<TGLTraceRec>>(
        kCaption, n, r, "AddNTraces", "There are not enough memory to store traces!");
    const size_t samples = static_cast<size_t>(maxPoints) + 1;
    try {
        for (TGLTraceRec &t : store) {
            t.XS.assign(samples, 0.0f);
            t.YS.assign(samples, 0.0f);
            t.ZS.assign(samples, 0.0f);
            t.Valid.assign(samples, 0);
        }
    } catch (const std::bad_alloc &) {
        ShowError("AddNTraces", "There are not enough memory to store trace points!");
    } catch (const std::length_error &) {
        ShowError("AddNTraces", "There are not enough memory to store trace points!");
    }
    m_traces = std::move(store);
    m_maxTracePoints = maxPoints + 1;
    m_maxTracePointsGiven = maxPoints;
}

void TVx3DWorldGL::AddNLabels(int32_t n, float scale, float x, float y, float z, float rotX,
                              float rotY, float rotZ, TColor color, const char *text)
{
    TGLLabelRec r;
    r.Scale = scale;
    // A longer text is cut to the 25 characters the field holds.
    copyText(r.Text, sizeof r.Text, text, kMaxLabelChars);
    r.X = mapX(x);
    r.Y = mapY(y);
    r.Z = mapZ(z);
    r.RotX = rotX;
    r.RotY = rotY;
    r.RotZ = rotZ;
    r.Color = color;
    const RGB c = ColorToGL(color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
    m_labels = allocateStore<std::vector<TGLLabelRec>>(
        kCaption, n, r, "AddNLabels", "There are not enough memory to store labels!");
}

// ---- moves -----------------------------------------------------------------

void TVx3DWorldGL::MoveParticle(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_particles, index)) {
        ShowError("MoveParticle", "Attempt to address non existing particle!");
    }
    TGLParticleRec &p = m_particles[index];
    p.X = mapX(x);
    p.Y = mapY(y);
    p.Z = mapZ(z);
    // A link left over from a replaced trace store feeds nothing.
    if (p.Trace > 0 && p.Trace < MaxTraces()) {
        AddTracePoint(p.Trace, p);
    }
}

void TVx3DWorldGL::MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                               float z2)
{
    if (!validIndexOf(m_segments, index)) {
        ShowError("MoveSegment", "Attempt to address non existing segment ignored!");
    }
    TGLSegmentRec &s = m_segments[index];
    s.X1 = mapX(x1);
    s.Y1 = mapY(y1);
    s.Z1 = mapZ(z1);
    s.X2 = mapX(x2);
    s.Y2 = mapY(y2);
    s.Z2 = mapZ(z2);
}

void TVx3DWorldGL::MovePoint(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_points, index)) {
        ShowError("MovePoint", "Attempt to address non existing point ignored!");
    }
    TGLPointRec &p = m_points[index];
    p.X = mapX(x);
    p.Y = mapY(y);
    p.Z = mapZ(z);
}

void TVx3DWorldGL::MovePlane(int32_t index, float x1, float y1, float z1, float x2, float y2,
                             float z2, float x3, float y3, float z3, float x4, float y4, float z4)
{
    if (!validIndexOf(m_planes, index)) {
        ShowError("MovePlane", "Attempt to address non existing plane ignored!");
    }
    TGLPlaneRec &p = m_planes[index];
    p.X1 = mapX(x1);
    p.Y1 = mapY(y1);
    p.Z1 = mapZ(z1);
    p.X2 = mapX(x2);
    p.Y2 = mapY(y2);
    p.Z2 = mapZ(z2);
    p.X3 = mapX(x3);
    p.Y3 = mapY(y3);
    p.Z3 = mapZ(z3);
    p.X4 = mapX(x4);
    p.Y4 = mapY(y4);
    p.Z4 = mapZ(z4);
}

void TVx3DWorldGL::MoveLabel(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("MoveLabel", "Attempt to address non existing label ignored!");
    }
    TGLLabelRec &l = m_labels[index];
    l.X = mapX(x);
    l.Y = mapY(y);
    l.Z = mapZ(z);
}

// ---- property changes ------------------------------------------------------

namespace {

// Code 0 of every kind: the colour value truncated, and its channels.
template <typename Rec>
void setColor(Rec &r, float value)
{
    r.Color = truncToInt32(value);
    const TVx3DWorldGL::RGB c = TVx3DWorldGL::ColorToGL(r.Color);
    r.R = c[0];
    r.G = c[1];
    r.B = c[2];
}

// Codes 0, 1, 2 (colour, Aux, Style) are the same for particles, segments,
// points and planes; code 3 sets the kind's own float field.
template <typename Record>
void changeProperty(Record &r, uint8_t code, float value, float Record::*codeThree,
                    const char *function, const char *badCode)
{
    switch (code) {
    case 0:
        setColor(r, value);
        break;
    case 1:
        r.Aux = static_cast<uint8_t>(truncToInt32(value));
        break;
    case 2:
        r.Style = static_cast<uint8_t>(truncToInt32(value));
        break;
    case 3:
        r.*codeThree = value;
        break;
    default:
        TVx3DWorldGL::ShowError(function, badCode);
    }
}

} // namespace

void TVx3DWorldGL::ChangeParticleProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_particles, index)) {
        ShowError("ChangeParticleProperties", "Attempt to address non existing particle!");
    }
    changeProperty(m_particles[index], code, value, &TGLParticleRec::Size,
                   "ChangeParticleProperties", "No valid particle propertie type!");
}

void TVx3DWorldGL::ChangeSegmentProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_segments, index)) {
        ShowError("ChangeSegmentProperties", "Attempt to address non existing segment!");
    }
    changeProperty(m_segments[index], code, value, &TGLSegmentRec::Width,
                   "ChangeSegmentProperties", "No valid segment propertie type!");
}

void TVx3DWorldGL::ChangePointProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_points, index)) {
        ShowError("ChangePointProperties", "Attempt to address non existing point!");
    }
    changeProperty(m_points[index], code, value, &TGLPointRec::Size, "ChangePointProperties",
                   "No valid point propertie type!");
}

void TVx3DWorldGL::ChangePlaneProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_planes, index)) {
        ShowError("ChangePlaneProperties", "Attempt to address non existing plane!");
    }
    changeProperty(m_planes[index], code, value, &TGLPlaneRec::Alpha, "ChangePlaneProperties",
                   "No valid plane propertie type!");
}

void TVx3DWorldGL::ChangeLabelProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("ChangeLabelProperties", "Attempt to address non existing label!");
    }
    TGLLabelRec &l = m_labels[index];
    switch (code) {
    case 0:
        setColor(l, value);
        break;
    case 1:
    case 2:
        break; // labels have no Aux and no Style
    case 3:
        l.Scale = value;
        break;
    default:
        ShowError("ChangeLabelProperties", "No valid label propertie type!");
    }
}

void TVx3DWorldGL::ChangeLabelText(int32_t index, const char *text)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("ChangeLabelText", "Attempt to address non existing label!");
    }
    // Up to 25 characters are kept whole; a longer text is cut to 25.
    TGLLabelRec &l = m_labels[index];
    copyText(l.Text, sizeof l.Text, text, kMaxLabelChars);
}

void TVx3DWorldGL::ChangeLabelRotation(int32_t index, float rotX, float rotY, float rotZ)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("ChangeLabelRotation", "Attempt to address non existing label!");
    }
    TGLLabelRec &l = m_labels[index];
    l.RotX = rotX;
    l.RotY = rotY;
    l.RotZ = rotZ;
}

// ---- traces ----------------------------------------------------------------

void TVx3DWorldGL::LinkTraceToParticle(int32_t trace, int32_t particle, uint8_t mode,
                                       TColor color, int32_t interval, int32_t maxPoints,
                                       uint8_t active)
{
    if (!validIndexOf(m_particles, particle)) {
        ShowError("LinkTraceToParticle", "No valid particle reference!");
    }
    if (!validIndexOf(m_traces, trace)) {
        ShowError("LinkTraceToParticle", "No valid trace reference!");
    }
    if (maxPoints < 1 || maxPoints > m_maxTracePointsGiven) {
        ShowError("LinkTraceToParticle", "Too much trace points!");
    }
    if (interval < 1) {
        ShowError("LinkTraceToParticle", "No valid trace interval!");
    }
    TGLTraceRec &t = m_traces[trace];
    t.Active = active;
    t.Mode = mode;
    t.Particle = particle;
    t.WriteCount = 1;
    t.TraceLength = maxPoints;
    t.SampleCount = 1;
    t.Interval = interval;
    const RGB c = ColorToGL(color);
    t.R = c[0];
    t.G = c[1];
    t.B = c[2];
    std::fill(t.XS.begin(), t.XS.end(), 0.0f);
    std::fill(t.YS.begin(), t.YS.end(), 0.0f);
    std::fill(t.ZS.begin(), t.ZS.end(), 0.0f);
    std::fill(t.Valid.begin(), t.Valid.end(), 0);
    m_particles[particle].Trace = active != 0 ? trace : 0;
}

void TVx3DWorldGL::AddTracePoint(int32_t trace, const TGLParticleRec &particle)
{
    TGLTraceRec &t = m_traces[trace];
    const int32_t e = molvix::store::nextTraceEntry(t, t.Mode == 0, t.XS, t.YS, t.ZS, t.Valid);
    if (e < 0) {
        return;
    }
    t.XS[e] = particle.X;
    t.YS[e] = particle.Y;
    t.ZS[e] = particle.Z;
    t.Valid[e] = 1;
}

// ---- release ---------------------------------------------------------------

void TVx3DWorldGL::FreeParticles()
{
    std::vector<TGLParticleRec>().swap(m_particles);
}

void TVx3DWorldGL::FreeSegments()
{
    std::vector<TGLSegmentRec>().swap(m_segments);
}

void TVx3DWorldGL::FreePoints()
{
    std::vector<TGLPointRec>().swap(m_points);
}

void TVx3DWorldGL::FreePlanes()
{
    std::vector<TGLPlaneRec>().swap(m_planes);
}

void TVx3DWorldGL::FreeLabels()
{
    std::vector<TGLLabelRec>().swap(m_labels);
}

void TVx3DWorldGL::FreeTraces()
{
    std::vector<TGLTraceRec>().swap(m_traces);
    m_maxTracePoints = 0;
    m_maxTracePointsGiven = 0;
}
