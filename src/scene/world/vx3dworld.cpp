// Object stores of the software scene view: creation, moves, property
// changes, trace sampling and release. Projection and drawing live in
// vx3dworld_draw.cpp.
#include "vx3dworld.h"

#include "fatalerror.h"
#include "objectstore.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>

using molvix::store::allocateStore;
using molvix::store::copyText;

namespace {

constexpr const char *kCaption = "Vx3DWorld Error";

} // namespace

float TVx3DWorld::ViewExtent = 0;
bool TVx3DWorld::ViewExtentSet = false;
int32_t TVx3DWorld::PrevPointX = 0;
int32_t TVx3DWorld::PrevPointY = 0;

void TVx3DWorld::ResetSharedState()
{
    ViewExtent = 0;
    ViewExtentSet = false;
    PrevPointX = 0;
    PrevPointY = 0;
}

TVx3DWorld::TVx3DWorld(QWidget *owner) : QWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!TablesReady) {
        fillTables();
        TablesReady = true;
    }
    if (width() > 0 && height() > 0) {
        m_buffer = QImage(size(), QImage::Format_RGB32);
        m_buffer.fill(Qt::black);
        m_canvasImage = QImage(size(), QImage::Format_RGB32);
        m_canvasImage.fill(Qt::black);
    }
    m_bufferCanvas.setImage(&m_buffer);
    m_ownCanvas.setImage(&m_canvasImage);
    m_showLater.setSingleShot(true);
    m_showLater.setTimerType(Qt::PreciseTimer);
    connect(&m_showLater, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

TVx3DWorld::~TVx3DWorld()
{
    // The painters must end before the images they paint on go away.
    m_bufferCanvas.end();
    m_ownCanvas.end();
}

void TVx3DWorld::ShowError(const char *function, const char *message)
{
    molvix::reportFatalError(kCaption, function, message);
}

// ---- creation --------------------------------------------------------------

void TVx3DWorld::AddNParticles(int32_t n, uint8_t shape, int32_t radius, float x, float y,
                               float z, TColor color, uint8_t penStyle)
{
    TParticleRec r;
    r.Shape = shape;
    r.Radius = radius;
    r.X = x;
    r.Y = y;
    r.Z = z;
    r.Color = color;
    r.PenStyle = penStyle;
    m_particles = allocateStore<std::vector<TParticleRec>>(
        kCaption, n, r, "AddNParticles", "There are not enough memory to store particles!");
}

void TVx3DWorld::AddNSegments(int32_t n, uint8_t arrow, int32_t width, float x1, float y1,
                              float z1, float x2, float y2, float z2, TColor color,
                              uint8_t penStyle)
{
    TSegmentRec r;
    r.Arrow = arrow;
    r.Width = width;
    r.X1 = x1;
    r.Y1 = y1;
    r.Z1 = z1;
    r.X2 = x2;
    r.Y2 = y2;
    r.Z2 = z2;
    r.Color = color;
    r.PenStyle = penStyle;
    m_segments = allocateStore<std::vector<TSegmentRec>>(
        kCaption, n, r, "AddNSegments", "There are not enough memory to store segments!");
}

void TVx3DWorld::AddNPoints(int32_t n, uint8_t style, int32_t size, float x, float y, float z,
                            TColor color, uint8_t penStyle)
{
    TPointRec r;
    r.Style = style;
    r.Size = size;
    r.X = x;
    r.Y = y;
    r.Z = z;
    r.Color = color;
    r.PenStyle = penStyle;
    m_points = allocateStore<std::vector<TPointRec>>(
        kCaption, n, r, "AddNPoints", "There are not enough memory to store points!");
}

void TVx3DWorld::AddNPlanes(int32_t n, uint8_t pass, float x1, float y1, float z1, float x2,
                            float y2, float z2, float x3, float y3, float z3, float x4, float y4,
                            float z4, TColor color, uint8_t brushStyle)
{
    TPlaneRec r;
    r.Pass = pass;
    r.X1 = x1;
    r.Y1 = y1;
    r.Z1 = z1;
    r.X2 = x2;
    r.Y2 = y2;
    r.Z2 = z2;
    r.X3 = x3;
    r.Y3 = y3;
    r.Z3 = z3;
    r.X4 = x4;
    r.Y4 = y4;
    r.Z4 = z4;
    r.Color = color;
    r.BrushStyle = brushStyle;
    m_planes = allocateStore<std::vector<TPlaneRec>>(
        kCaption, n, r, "AddNPlanes", "There are not enough memory to store planes!");
}

void TVx3DWorld::AddNTraces(int32_t n, uint8_t style, TColor color, int32_t interval,
                            int32_t maxPoints)
{
    // Sampling divides by the interval and by the length: neither may be 0.
    if (interval < 1) {
        ShowError("AddNTraces", "No valid trace interval!");
    }
    if (maxPoints < 1) {
        ShowError("AddNTraces", "No valid trace length!");
    }
    TTraceRec r;
    r.Style = style;
    r.TraceLength = maxPoints;
    r.Interval = interval;
    r.Color = color;
    // Release the old samples first, so a failure leaves no half-built store.
    m_traces.clear();
    m_traces.shrink_to_fit();
    m_maxTracePoints = 0;
    m_maxTracePointsGiven = 0;
    std::vector<TTraceRec> store = allocateStore<std::vector<TTraceRec>>(
        kCaption, n, r, "AddNTraces", "There are not enough memory to store traces!");
    const size_t samples = static_cast<size_t>(maxPoints) + 1;
    try {
        for (TTraceRec &t : store) {
            t.XS.assign(samples, 0.0f);
            t.YS.assign(samples, 0.0f);
            t.ZS.assign(samples, 0.0f);
            t.SXS.assign(samples, 0);
            t.SYS.assign(samples, 0);
            t.Valid.assign(samples, 0);
        }
    } catch (const std::bad_alloc &) {
        ShowError("AddNTraces", "There are not enough memory to store trace points!");
    }
    m_traces = std::move(store);
    m_maxTracePoints = maxPoints + 1;
    m_maxTracePointsGiven = maxPoints;
}

void TVx3DWorld::AddNLabels(int32_t n, int32_t height, float x, float y, float z, TColor color,
                            const char *text)
{
    TLabelRec r;
    r.Height = height;
    r.X = x;
    r.Y = y;
    r.Z = z;
    r.Color = color;
    // A longer text is cut to the 27 characters the field holds.
    copyText(r.Text, sizeof r.Text, text, TLabelRec::TextSize - 1);
    m_labels = allocateStore<std::vector<TLabelRec>>(
        kCaption, n, r, "AddNLabels", "There are not enough memory to store labels!");
}

// ---- moves -----------------------------------------------------------------

void TVx3DWorld::MoveParticle(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_particles, index)) {
        ShowError("MoveParticle", "Attempt to address non existing particle!");
    }
    TParticleRec &p = m_particles[index];
    p.X = x - CenterX;
    p.Y = y - CenterY;
    p.Z = z - CenterZ;
    projectParticle(p);
    // A link left over from a replaced trace store feeds nothing.
    if (p.Trace > 0 && p.Trace < MaxTraces()) {
        AddTracePoint(p.Trace, p);
    }
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawParticle(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                             float z2)
{
    if (!validIndexOf(m_segments, index)) {
        ShowError("MoveSegment", "Attempt to address non existing segment ignored!");
    }
    TSegmentRec &s = m_segments[index];
    s.X1 = x1 - CenterX;
    s.Y1 = y1 - CenterY;
    s.Z1 = z1 - CenterZ;
    s.X2 = x2 - CenterX;
    s.Y2 = y2 - CenterY;
    s.Z2 = z2 - CenterZ;
    projectSegment(s);
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawSegment(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::MovePoint(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_points, index)) {
        ShowError("MovePoint", "Attempt to address non existing point ignored!");
    }
    TPointRec &p = m_points[index];
    p.X = x - CenterX;
    p.Y = y - CenterY;
    p.Z = z - CenterZ;
    const QPoint s = Project(p.X, p.Y, p.Z);
    p.SX = s.x();
    p.SY = s.y();
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawPoint(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::MovePlane(int32_t index, float x1, float y1, float z1, float x2, float y2,
                           float z2, float x3, float y3, float z3, float x4, float y4, float z4)
{
    if (!validIndexOf(m_planes, index)) {
        ShowError("MovePlane", "Attempt to address non existing plane ignored!");
    }
    TPlaneRec &p = m_planes[index];
    p.X1 = x1 - CenterX;
    p.Y1 = y1 - CenterY;
    p.Z1 = z1 - CenterZ;
    p.X2 = x2 - CenterX;
    p.Y2 = y2 - CenterY;
    p.Z2 = z2 - CenterZ;
    p.X3 = x3 - CenterX;
    p.Y3 = y3 - CenterY;
    p.Z3 = z3 - CenterZ;
    p.X4 = x4 - CenterX;
    p.Y4 = y4 - CenterY;
    p.Z4 = z4 - CenterZ;
    projectPlane(p);
}

void TVx3DWorld::MoveLabel(int32_t index, float x, float y, float z)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("MoveLabel", "Attempt to address non existing label ignored!");
    }
    TLabelRec &l = m_labels[index];
    l.X = x - CenterX;
    l.Y = y - CenterY;
    l.Z = z - CenterZ;
    const QPoint s = Project(l.X, l.Y, l.Z);
    l.SX = s.x();
    l.SY = s.y();
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawLabel(m_ownCanvas, index);
        canvasChanged();
    }
}

// ---- property changes ------------------------------------------------------

void TVx3DWorld::ChangeParticleProperties(uint8_t code, int32_t index, int32_t value)
{
    if (!validIndexOf(m_particles, index)) {
        ShowError("ChangeParticleProperties", "Attempt to address non existing particle!");
    }
    TParticleRec &p = m_particles[index];
    switch (code) {
    case 0:
        p.Color = value;
        break;
    case 1:
        p.PenStyle = static_cast<uint8_t>(value);
        break;
    case 2:
        p.Shape = static_cast<uint8_t>(value);
        break;
    case 3:
        p.Radius = value;
        break;
    default:
        ShowError("ChangeParticleProperties", "No valid particle propertie type!");
    }
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawParticle(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::ChangeSegmentProperties(uint8_t code, int32_t index, int32_t value)
{
    if (!validIndexOf(m_segments, index)) {
        ShowError("ChangeSegmentProperties", "Attempt to address non existing segment!");
    }
    TSegmentRec &s = m_segments[index];
    switch (code) {
    case 0:
        s.Color = value;
        break;
    case 1:
        s.PenStyle = static_cast<uint8_t>(value);
        break;
    case 2:
        s.Arrow = static_cast<uint8_t>(value);
        break;
    case 3:
        s.Width = value;
        break;
    default:
        ShowError("ChangeSegmentProperties", "No valid segment propertie type!");
    }
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawSegment(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::ChangePointProperties(uint8_t code, int32_t index, int32_t value)
{
    if (!validIndexOf(m_points, index)) {
        ShowError("ChangePointProperties", "Attempt to address non existing point!");
    }
    TPointRec &p = m_points[index];
    switch (code) {
    case 0:
        p.Color = value;
        break;
    case 1:
        p.PenStyle = static_cast<uint8_t>(value);
        break;
    case 2:
        p.Style = static_cast<uint8_t>(value);
        break;
    case 3:
        p.Size = value;
        break;
    default:
        ShowError("ChangePointProperties", "No valid point propertie type!");
    }
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawPoint(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::ChangePlaneProperties(uint8_t code, int32_t index, float value)
{
    if (!validIndexOf(m_planes, index)) {
        ShowError("ChangePlaneProperties", "Attempt to address non existing plane!");
    }
    TPlaneRec &p = m_planes[index];
    const int32_t v = molvix::truncToInt32(value);
    switch (code) {
    case 0:
        p.Color = v;
        break;
    case 1:
        p.BrushStyle = static_cast<uint8_t>(v);
        break;
    case 2:
        p.Pass = static_cast<uint8_t>(v);
        break;
    case 3:
        break;
    default:
        ShowError("ChangePlaneProperties", "No valid plane propertie type!");
    }
}

void TVx3DWorld::ChangeLabelProperties(uint8_t code, int32_t index, int32_t value)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("ChangeLabelProperties", "Attempt to address non existing label!");
    }
    TLabelRec &l = m_labels[index];
    switch (code) {
    case 0:
        l.Color = value;
        break;
    case 1:
    case 2:
        break;
    case 3:
        l.Height = value;
        break;
    default:
        ShowError("ChangeLabelProperties", "No valid label propertie type!");
    }
    if (UpdateInmediate) {
        syncCanvasSize();
        DrawLabel(m_ownCanvas, index);
        canvasChanged();
    }
}

void TVx3DWorld::ChangeLabelText(int32_t index, const char *text)
{
    if (!validIndexOf(m_labels, index)) {
        ShowError("ChangeLabelText", "Attempt to address non existing label!");
    }
    // Up to 25 characters are kept whole; a longer text is cut to 25.
    TLabelRec &l = m_labels[index];
    copyText(l.Text, sizeof l.Text, text, 25);
}

// ---- traces ----------------------------------------------------------------

void TVx3DWorld::LinkTraceToParticle(int32_t trace, int32_t particle, uint8_t style, TColor color,
                                     int32_t interval, int32_t maxPoints, uint8_t active)
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
    TTraceRec &t = m_traces[trace];
    t.Style = style;
    t.Color = color;
    t.Interval = interval;
    t.TraceLength = maxPoints;
    t.Particle = particle;
    t.Active = active;
    t.WriteCount = 1;
    t.SampleCount = 1;
    std::fill(t.XS.begin(), t.XS.end(), 0.0f);
    std::fill(t.YS.begin(), t.YS.end(), 0.0f);
    std::fill(t.ZS.begin(), t.ZS.end(), 0.0f);
    std::fill(t.SXS.begin(), t.SXS.end(), 0);
    std::fill(t.SYS.begin(), t.SYS.end(), 0);
    std::fill(t.Valid.begin(), t.Valid.end(), 0);
    m_particles[particle].Trace = active != 0 ? trace : 0;
}

void TVx3DWorld::AddTracePoint(int32_t trace, const TParticleRec &particle)
{
    TTraceRec &t = m_traces[trace];
    const int32_t e =
        molvix::store::nextTraceEntry(t, t.Style == 0, t.XS, t.YS, t.ZS, t.SXS, t.SYS, t.Valid);
    if (e < 0) {
        return;
    }
    t.XS[e] = particle.X;
    t.YS[e] = particle.Y;
    t.ZS[e] = particle.Z;
    t.SXS[e] = particle.SX;
    t.SYS[e] = particle.SY;
    t.Valid[e] = 1;
}

// ---- release ---------------------------------------------------------------

void TVx3DWorld::FreeParticles()
{
    std::vector<TParticleRec>().swap(m_particles);
}

void TVx3DWorld::FreeSegments()
{
    std::vector<TSegmentRec>().swap(m_segments);
}

void TVx3DWorld::FreePoints()
{
    std::vector<TPointRec>().swap(m_points);
}

void TVx3DWorld::FreePlanes()
{
    std::vector<TPlaneRec>().swap(m_planes);
}

void TVx3DWorld::FreeLabels()
{
    std::vector<TLabelRec>().swap(m_labels);
}

void TVx3DWorld::FreeTraces()
{
    std::vector<TTraceRec>().swap(m_traces);
    m_maxTracePoints = 0;
    m_maxTracePointsGiven = 0;
}

// ---- widget ----------------------------------------------------------------

void TVx3DWorld::canvasChanged()
{
    // Inside the owner's paint handler the paint event in progress shows the
    // canvas: asking for another paint from there would paint for ever.
    if (!isVisible() || m_inOwnerPaint) {
        return;
    }
    // What is on the canvas now is what the next paint shows.
    m_framePending = true;
    update();
}

void TVx3DWorld::requestImmediateUpdate()
{
    // Inside the owner's paint handler the paint event shows the frame as
    // soon as the handler returns.
    if (!isVisible() || m_inOwnerPaint) {
        return;
    }
    m_framePending = true;
    // Frames are shown at the pace of the screen: a 1 ms animation composes
    // a frame per tick, but no screen shows a thousand a second, and a flush
    // per tick would cost the animation its ticks. The newest frame is the
    // one shown, at the latest one screen refresh after it was drawn.
    const qint64 sinceShown = m_lastShown.isValid() ? m_lastShown.elapsed() : kFramePaceMs;
    if (sinceShown >= kFramePaceMs) {
        update();
    } else if (!m_showLater.isActive()) {
        m_showLater.start(static_cast<int>(kFramePaceMs - sinceShown));
    }
}

void TVx3DWorld::paintEvent(QPaintEvent *event)
{
    // The widget shows its canvas; what is on it is the owner's to draw. A
    // paint the window system asks for gets a fresh frame from the owner; a
    // paint for a frame the owner just drew shows that frame as it is.
    if (!m_framePending && OnPaint) {
        m_inOwnerPaint = true;
        OnPaint(*this);
        m_inOwnerPaint = false;
    }
    m_framePending = false;
    m_lastShown.start();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect r = event->rect();
    painter.drawImage(r, m_canvasImage, r);
    if (m_canvasImage.width() < width() || m_canvasImage.height() < height()) {
        const QRegion uncovered = QRegion(rect()) - QRegion(m_canvasImage.rect());
        for (const QRect &part : uncovered) {
            painter.fillRect(part, Vx3DCanvas::toQColor(static_cast<uint32_t>(Color)));
        }
    }
}

void TVx3DWorld::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncCanvasSize();
}

void TVx3DWorld::syncCanvasSize()
{
    // The canvas follows the widget (a hidden widget gets no resize event
    // until shown, so drawing calls check too); the off-screen frame follows
    // at the owner's next UpdateWorldSize.
    if (m_canvasImage.size() == size() || (m_canvasImage.isNull() && size().isEmpty())) {
        return;
    }
    m_ownCanvas.end();
    if (width() > 0 && height() > 0) {
        QImage resized(size(), QImage::Format_RGB32);
        resized.fill(Vx3DCanvas::toQColor(static_cast<uint32_t>(Color)));
        if (!m_canvasImage.isNull()) {
            QPainter p(&resized);
            p.drawImage(0, 0, m_canvasImage);
        }
        m_canvasImage = std::move(resized);
    } else {
        m_canvasImage = QImage();
    }
    m_ownCanvas.setImage(&m_canvasImage);
}
