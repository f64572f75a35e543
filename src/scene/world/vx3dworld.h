#pragma once

#include "canvas.h"
#include "scenetypes.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Index i addresses records 1..n of a store holding n + 1 slots.
template <typename Store>
inline bool validIndexOf(const Store &store, int32_t index)
{
    return index >= 1 && static_cast<size_t>(index) < store.size();
}

// Scene records. Fields stand in this order; positions are world coordinates
// relative to the box centre, screen positions are pixels of the view.

struct TParticleRec
{
    uint8_t Shape = 0;   // 0 hollow circle, 2 hollow square, 3 filled square, else filled circle
    int32_t Radius = 0;  // half the side in pixels, not scaled by perspective
    float X = 0, Y = 0, Z = 0;
    int32_t SX = 0, SY = 0;
    TColor Color = 0;
    uint8_t PenStyle = 0;
    int32_t Trace = 0;   // trace fed by this particle, 0 none
};

struct TSegmentRec
{
    uint8_t Arrow = 0;   // 0 draws an arrow head at the second end, else a plain line
    int32_t Width = 0;
    float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
    int32_t SX1 = 0, SY1 = 0, SX2 = 0, SY2 = 0;
    TColor Color = 0;
    uint8_t PenStyle = 0;
};

struct TPointRec
{
    uint8_t Style = 0;   // 1 joins this point to the one drawn before it, else a circle
    int32_t Size = 0;    // pen width and circle radius in pixels
    float X = 0, Y = 0, Z = 0;
    int32_t SX = 0, SY = 0;
    TColor Color = 0;
    uint8_t PenStyle = 0;
};

struct TPlaneRec
{
    uint8_t Pass = 0;    // 1 behind everything, 0 over everything, else never drawn
    float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
    float X3 = 0, Y3 = 0, Z3 = 0, X4 = 0, Y4 = 0, Z4 = 0;
    int32_t SX1 = 0, SY1 = 0, SX2 = 0, SY2 = 0, SX3 = 0, SY3 = 0, SX4 = 0, SY4 = 0;
    TColor Color = 0;
    uint8_t BrushStyle = 0;
};

struct TTraceRec
{
    uint8_t Active = 0;
    uint8_t Style = 0;   // 0 sliding window as a line, 1 ring as circles, else ring as a line
    int32_t Particle = 0;
    int32_t WriteCount = 1;
    int32_t TraceLength = 0;
    int32_t SampleCount = 1;
    int32_t Interval = 1;
    std::vector<float> XS, YS, ZS;
    std::vector<int32_t> SXS, SYS;
    std::vector<uint8_t> Valid;
    TColor Color = 0;
};

struct TLabelRec
{
    static constexpr int TextSize = 28; // at most 27 characters and the terminator
    int32_t Height = 0;
    float X = 0, Y = 0, Z = 0;
    int32_t SX = 0, SY = 0;
    TColor Color = 0;
    char Text[TextSize] = {};
};

// The software scene view: keeps particles, segments, points, planes, traces
// and labels, projects them in perspective with whole-degree rotation, and
// draws each frame into an off-screen image that is then shown in one copy.
// Misuse (an index out of range, a bad property code, no memory) is fatal:
// it is reported under "Vx3DWorld Error" and the process exits with code 1.
class TVx3DWorld : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float XMin MEMBER XMin)
    Q_PROPERTY(float YMin MEMBER YMin)
    Q_PROPERTY(float ZMin MEMBER ZMin)
    Q_PROPERTY(float XMax MEMBER XMax)
    Q_PROPERTY(float YMax MEMBER YMax)
    Q_PROPERTY(float ZMax MEMBER ZMax)
    Q_PROPERTY(float Zoom MEMBER Zoom)
    Q_PROPERTY(int Alfa MEMBER Alfa)
    Q_PROPERTY(int Beta MEMBER Beta)
    Q_PROPERTY(bool UpdateInmediate MEMBER UpdateInmediate)
    Q_PROPERTY(bool ShowCube MEMBER ShowCube)
    Q_PROPERTY(bool ShowAxes MEMBER ShowAxes)
    Q_PROPERTY(bool ShowTrace MEMBER ShowTrace)
    Q_PROPERTY(int Color MEMBER Color)

public:
    explicit TVx3DWorld(QWidget *owner = nullptr);
    ~TVx3DWorld() override;

    // Published properties: writing one only stores it; the owner follows
    // with UpdateWorldSize / ProjectAll and a redraw.
    float XMin = 0, YMin = 0, ZMin = 0;
    float XMax = 100.0f, YMax = 100.0f, ZMax = 100.0f;
    float Zoom = 0;
    int32_t Alfa = 0; // whole degrees, 0..359
    int32_t Beta = 0; // whole degrees, 0..359
    bool UpdateInmediate = false;
    bool ShowCube = false;
    bool ShowAxes = false;
    bool ShowTrace = false;
    TColor Color = 0; // background; objects of this colour are not drawn

    // The owner's paint handler: called when the window system asks for the
    // view to be painted (shown, uncovered, resized), to draw a fresh frame
    // with ClearWorld and DrawWorld. Frames the owner draws itself are
    // shown without calling it again.
    std::function<void(TVx3DWorld &sender)> OnPaint;

    // In-use counts, written by the owner; each at most the objects created.
    int32_t NParticles = 0, NSegments = 0, NPoints = 0, NPlanes = 0, NLabels = 0, NTraces = 0;

    // View geometry.
    bool TablesReady = false;
    std::array<float, 360> CosTable{};
    std::array<float, 360> SinTable{};
    TColor CubeColor = 0;
    TColor AxesColor = 0;
    std::array<std::array<float, 6>, 12> CubeEdges{};
    std::array<std::array<int32_t, 4>, 12> CubeScreen{};
    std::array<std::array<float, 6>, 17> AxesStrokes{};
    std::array<std::array<int32_t, 4>, 17> AxesScreen{};
    float ScaleX = 0, ScaleY = 0;
    float OriginX = 0, OriginY = 0;
    float CenterX = 0, CenterY = 0, CenterZ = 0;
    float EyeDistance = 0;
    QRect ViewRect;

    // Shared by every instance: the largest box extent seen so far (it never
    // shrinks) and the screen position of the last point drawn.
    static float ViewExtent;
    static bool ViewExtentSet;
    static int32_t PrevPointX;
    static int32_t PrevPointY;
    // Back to program-start values, for a fresh scene in tests and tools.
    static void ResetSharedState();

    // Slot counts: n + 1 after AddN...(n), 0 after Free... .
    int32_t MaxParticles() const { return static_cast<int32_t>(m_particles.size()); }
    int32_t MaxSegments() const { return static_cast<int32_t>(m_segments.size()); }
    int32_t MaxPoints() const { return static_cast<int32_t>(m_points.size()); }
    int32_t MaxPlanes() const { return static_cast<int32_t>(m_planes.size()); }
    int32_t MaxLabels() const { return static_cast<int32_t>(m_labels.size()); }
    int32_t MaxTraces() const { return static_cast<int32_t>(m_traces.size()); }
    int32_t MaxTracePoints() const { return m_maxTracePoints; }

    const std::vector<TParticleRec> &particles() const { return m_particles; }
    const std::vector<TSegmentRec> &segments() const { return m_segments; }
    const std::vector<TPointRec> &points() const { return m_points; }
    const std::vector<TPlaneRec> &planes() const { return m_planes; }
    const std::vector<TTraceRec> &traces() const { return m_traces; }
    const std::vector<TLabelRec> &labels() const { return m_labels; }

    // Creation: n + 1 fresh records (slot 0 included), replacing the store.
    void AddNParticles(int32_t n, uint8_t shape, int32_t radius, float x, float y, float z,
                       TColor color, uint8_t penStyle);
    void AddNSegments(int32_t n, uint8_t arrow, int32_t width, float x1, float y1, float z1,
                      float x2, float y2, float z2, TColor color, uint8_t penStyle);
    void AddNPoints(int32_t n, uint8_t style, int32_t size, float x, float y, float z,
                    TColor color, uint8_t penStyle);
    void AddNPlanes(int32_t n, uint8_t pass, float x1, float y1, float z1, float x2, float y2,
                    float z2, float x3, float y3, float z3, float x4, float y4, float z4,
                    TColor color, uint8_t brushStyle);
    void AddNTraces(int32_t n, uint8_t style, TColor color, int32_t interval, int32_t maxPoints);
    void AddNLabels(int32_t n, int32_t height, float x, float y, float z, TColor color,
                    const char *text);

    // Moving: world coordinates, stored relative to the box centre.
    void MoveParticle(int32_t index, float x, float y, float z);
    void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2, float z2);
    void MovePoint(int32_t index, float x, float y, float z);
    void MovePlane(int32_t index, float x1, float y1, float z1, float x2, float y2, float z2,
                   float x3, float y3, float z3, float x4, float y4, float z4);
    void MoveLabel(int32_t index, float x, float y, float z);

    // Changing: code 0 colour, 1 pen/brush style, 2 shape/arrow/style/pass,
    // 3 radius/width/size/height; a uint8 field keeps the low 8 bits.
    void ChangeParticleProperties(uint8_t code, int32_t index, int32_t value);
    void ChangeSegmentProperties(uint8_t code, int32_t index, int32_t value);
    void ChangePointProperties(uint8_t code, int32_t index, int32_t value);
    void ChangePlaneProperties(uint8_t code, int32_t index, float value);
    void ChangeLabelProperties(uint8_t code, int32_t index, int32_t value);
    void ChangeLabelText(int32_t index, const char *text);

    void LinkTraceToParticle(int32_t trace, int32_t particle, uint8_t style, TColor color,
                             int32_t interval, int32_t maxPoints, uint8_t active);

    void FreeParticles();
    void FreeSegments();
    void FreePoints();
    void FreePlanes();
    void FreeLabels();
    void FreeTraces();

    // Projection and frames.
    QPoint Project(float x, float y, float z) const;
    void UpdateWorldSize();
    void ProjectAll();
    void SetCube(TColor color, bool show);
    void SetAxes(TColor color, bool show);
    void ClearWorld();
    void DrawWorld();

    void DrawParticle(Vx3DCanvas &canvas, int32_t index);
    void DrawSegment(Vx3DCanvas &canvas, int32_t index);
    void DrawPoint(Vx3DCanvas &canvas, int32_t index);
    void DrawPlane(Vx3DCanvas &canvas, int32_t index, uint8_t pass);
    void DrawLabel(Vx3DCanvas &canvas, int32_t index);
    void DrawCube(Vx3DCanvas &canvas);
    void DrawAxes(Vx3DCanvas &canvas);
    void DrawTraces(Vx3DCanvas &canvas);

    // The off-screen frame and the component's own canvas (what is shown).
    const QImage &Buffer() const { return m_buffer; }
    const QImage &canvasImage() const { return m_canvasImage; }
    Vx3DCanvas &bufferCanvas() { return m_bufferCanvas; }
    Vx3DCanvas &canvas() { return m_ownCanvas; }

    // Reports misuse under "Vx3DWorld Error" and exits with code 1.
    [[noreturn]] static void ShowError(const char *function, const char *message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillTables();
    QPoint projectRelative(float x, float y, float z) const;
    void projectParticle(TParticleRec &p) const;
    void projectSegment(TSegmentRec &s) const;
    void projectPlane(TPlaneRec &p) const;
    void AddTracePoint(int32_t trace, const TParticleRec &particle);
    void syncCanvasSize();
    // The own canvas changed: show it at the next paint.
    void canvasChanged();
    // A whole frame is on the canvas: have it shown.
    void requestImmediateUpdate();

    std::vector<TParticleRec> m_particles;
    std::vector<TSegmentRec> m_segments;
    std::vector<TPointRec> m_points;
    std::vector<TPlaneRec> m_planes;
    std::vector<TTraceRec> m_traces;
    std::vector<TLabelRec> m_labels;
    int32_t m_maxTracePoints = 0;
    int32_t m_maxTracePointsGiven = 0; // maxPoints of the last AddNTraces

    bool m_framePending = false; // a frame the owner drew waits to be shown
    static constexpr qint64 kFramePaceMs = 16; // about one screen refresh
    QElapsedTimer m_lastShown;
    QTimer m_showLater;
    bool m_inOwnerPaint = false; // inside OnPaint, called from paintEvent
    QImage m_buffer;
    QImage m_canvasImage;
    Vx3DCanvas m_bufferCanvas;
    Vx3DCanvas m_ownCanvas;
};
