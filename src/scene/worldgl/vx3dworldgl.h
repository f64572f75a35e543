#pragma once

#include "glcalls.h"
#include "scenetypes.h"
#include "tessellation.h"
#include "vx3dworld.h"

#include <QOpenGLWidget>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Scene records of the OpenGL view. Fields stand in this order; positions
// are stored already mapped into the cube -1..1 that OpenGL draws, sizes are
// OpenGL units unless said otherwise.

struct TGLParticleRec
{
    // 0, 13 wire sphere; 1, 12 solid; 14 sphere of points; 4..11 cone or
    // cylinder; anything else a single point.
    uint8_t Style = 0;
    float Size = 0;      // radius and height; a single point is 50 * Size pixels
    float X = 0, Y = 0, Z = 0;
    float R = 0, G = 0, B = 0;
    uint8_t Aux = 0;
    TColor Color = 0;
    int32_t Trace = 0;   // trace fed by this particle, 0 none
};

struct TGLSegmentRec
{
    uint8_t Style = 0;   // 1 a plain line; else also an arrow head drawn in this style
    float Width = 0;     // pixels
    float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
    float R = 0, G = 0, B = 0;
    uint8_t Aux = 0;
    TColor Color = 0;
};

struct TGLPointRec
{
    uint8_t Style = 0;
    float Size = 0;      // pixels
    float X = 0, Y = 0, Z = 0;
    float R = 0, G = 0, B = 0;
    uint8_t Aux = 0;
    TColor Color = 0;
};

struct TGLPlaneRec
{
    uint8_t Style = 0;
    float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
    float X3 = 0, Y3 = 0, Z3 = 0, X4 = 0, Y4 = 0, Z4 = 0;
    float Alpha = 0;     // 0 transparent .. 1 opaque
    float R = 0, G = 0, B = 0;
    uint8_t Aux = 0;
    TColor Color = 0;
};

struct TGLLabelRec
{
    static constexpr int TextSize = 26; // at most 25 characters and the terminator
    float Scale = 0;
    char Text[TextSize] = {};
    float X = 0, Y = 0, Z = 0;
    float RotX = 0, RotY = 0, RotZ = 0; // degrees
    TColor Color = 0;
    float R = 0, G = 0, B = 0;
};

struct TGLTraceRec
{
    uint8_t Active = 0;
    // 0 sliding window as a line; 1 ring as 5-pixel points; 2, 3, 4 ring as
    // spheres of the particle's radius, its half, its quarter; else ring as a line.
    uint8_t Mode = 0;
    int32_t Particle = 0;
    int32_t WriteCount = 1;
    int32_t TraceLength = 0;
    int32_t SampleCount = 1;
    int32_t Interval = 1;
    std::vector<float> XS, YS, ZS;
    std::vector<uint8_t> Valid;
    float R = 0, G = 0, B = 0;
};

// The OpenGL scene view: keeps particles, segments, points, planes, traces
// and labels mapped into the unit cube and draws them with fixed-function
// OpenGL in immediate mode. Its context exists once the widget is first
// shown; until then the frame operations draw nothing and the stores, the
// palette and trace sampling work as ever. Misuse is fatal: it is reported
// under "Vx3DWorldGL Error" and the process exits with code 1.
//
// Painting: when Qt asks the widget to paint, it clears to Color and calls
// the owner's OnPaint, whose handler calls DrawWorld. DrawWorld called
// anywhere else (a timer) renders into the widget's framebuffer at once and
// asks Qt to show it; the paint that follows shows that frame as it is and
// does not call OnPaint again, so the owner is never re-entered.
class TVx3DWorldGL : public QOpenGLWidget
{
    Q_OBJECT
    Q_PROPERTY(float XMin MEMBER XMin)
    Q_PROPERTY(float YMin MEMBER YMin)
    Q_PROPERTY(float ZMin MEMBER ZMin)
    Q_PROPERTY(float XMax MEMBER XMax)
    Q_PROPERTY(float YMax MEMBER YMax)
    Q_PROPERTY(float ZMax MEMBER ZMax)
    Q_PROPERTY(float Angle MEMBER Angle)
    Q_PROPERTY(float transX MEMBER transX)
    Q_PROPERTY(float transY MEMBER transY)
    Q_PROPERTY(float transZ MEMBER transZ)
    Q_PROPERTY(float RotX MEMBER RotX)
    Q_PROPERTY(float RotY MEMBER RotY)
    Q_PROPERTY(float RotZ MEMBER RotZ)
    Q_PROPERTY(bool ShowCube MEMBER ShowCube)
    Q_PROPERTY(bool ShowAxes MEMBER ShowAxes)
    Q_PROPERTY(bool ShowTrace MEMBER ShowTrace)
    Q_PROPERTY(bool ShowLightFocus MEMBER ShowLightFocus)
    Q_PROPERTY(bool GLFog MEMBER GLFog)
    Q_PROPERTY(bool GLFogParticles MEMBER GLFogParticles)
    Q_PROPERTY(bool GLLight MEMBER GLLight)
    Q_PROPERTY(bool GLSmooth MEMBER GLSmooth)
    Q_PROPERTY(int GLSlices MEMBER GLSlices)
    Q_PROPERTY(int GLStacks MEMBER GLStacks)
    Q_PROPERTY(int Color MEMBER Color)

public:
    using RGB = std::array<float, 3>;
    using RGBA = std::array<float, 4>;
    // Shows an informational text under a caption, with an OK button.
    using MessagePresenter = std::function<void(const QString &caption, const QString &text)>;

    explicit TVx3DWorldGL(QWidget *owner = nullptr);
    ~TVx3DWorldGL() override;

    // Published properties: writing one only stores it. The view's
    // translation, rotation, Show... switches, GLFog, GLFogParticles,
    // GLSlices and GLStacks are read at every frame; Angle, the box and the
    // OpenGL state of the GL... switches take effect at the next InitWorld.
    float XMin = 0, YMin = 0, ZMin = 0;
    float XMax = 100.0f, YMax = 100.0f, ZMax = 100.0f;
    float Angle = 45.0f;        // vertical field of view, degrees
    float transX = 0, transY = 0;
    float transZ = -3.7f;       // distance of the scene from the eye, OpenGL units
    float RotX = 0, RotY = 0, RotZ = 0; // degrees
    bool ShowCube = false;
    bool ShowAxes = false;
    bool ShowTrace = false;
    bool ShowLightFocus = false;
    bool GLFog = true;
    bool GLFogParticles = false;
    bool GLLight = true;
    bool GLSmooth = true;
    int32_t GLSlices = 20;
    int32_t GLStacks = 10;
    TColor Color = 0;           // background; objects of this colour are not drawn

    // The panel's events: OnPaint is where the owner draws (it calls
    // DrawWorld); OnResize runs on every size change.
    std::function<void(TVx3DWorldGL &sender)> OnPaint;
    std::function<void(TVx3DWorldGL &sender)> OnResize;

    // In-use counts, written by the owner: the frame draws indices 1..N.
    int32_t NParticles = 0, NSegments = 0, NPoints = 0, NPlanes = 0, NLabels = 0;

    // World-to-cube mapping per axis (stored = scale * world + shift); 0
    // until the first set-up, so earlier positions are stored as the origin.
    float MapScaleX = 0, MapShiftX = 0;
    float MapScaleY = 0, MapShiftY = 0;
    float MapScaleZ = 0, MapShiftZ = 0;
    TColor BackColor = 0;       // Color as of the last set-up
    RGBA AmbientLight{0.65f, 0.65f, 0.65f, 1.0f};
    RGBA LightPosition{0.0f, 0.0f, -3.0f, 1.0f}; // positional light 0, scene units
    RGBA FogColor{0.0f, 0.0f, 0.0f, 0.0f};
    RGB CubeRGB{0.0f, 0.0f, 0.0f};
    RGB AxesRGB{0.0f, 0.0f, 0.0f};

    // A rendering context has been made for the widget and the world set up.
    bool ContextReady() const { return m_contextReady; }

    // Slot counts: n + 1 after AddN...(n), 0 after Free... .
    int32_t MaxParticles() const { return static_cast<int32_t>(m_particles.size()); }
    int32_t MaxSegments() const { return static_cast<int32_t>(m_segments.size()); }
    int32_t MaxPoints() const { return static_cast<int32_t>(m_points.size()); }
    int32_t MaxPlanes() const { return static_cast<int32_t>(m_planes.size()); }
    int32_t MaxLabels() const { return static_cast<int32_t>(m_labels.size()); }
    int32_t MaxTraces() const { return static_cast<int32_t>(m_traces.size()); }
    int32_t MaxTracePoints() const { return m_maxTracePoints; }

    const std::vector<TGLParticleRec> &particles() const { return m_particles; }
    const std::vector<TGLSegmentRec> &segments() const { return m_segments; }
    const std::vector<TGLPointRec> &points() const { return m_points; }
    const std::vector<TGLPlaneRec> &planes() const { return m_planes; }
    const std::vector<TGLTraceRec> &traces() const { return m_traces; }
    const std::vector<TGLLabelRec> &labels() const { return m_labels; }

    // The fixed palette: TColor to red, green, blue; unknown values are white.
    static RGB ColorToGL(TColor color);

    // Creation: n + 1 fresh records (slot 0 included), replacing the store.
    void AddNParticles(int32_t n, uint8_t style, float size, float x, float y, float z,
                       TColor color, uint8_t aux);
    void AddNSegments(int32_t n, uint8_t style, float width, float x1, float y1, float z1,
                      float x2, float y2, float z2, TColor color, uint8_t aux);
    void AddNPlanes(int32_t n, uint8_t style, float alpha, float x1, float y1, float z1,
                    float x2, float y2, float z2, float x3, float y3, float z3, float x4,
                    float y4, float z4, TColor color, uint8_t aux);
    void AddNPoints(int32_t n, uint8_t style, float size, float x, float y, float z,
                    TColor color, uint8_t aux);
    // The colour is not kept: a trace takes its colour when it is linked.
    void AddNTraces(int32_t n, uint8_t mode, TColor color, int32_t interval, int32_t maxPoints);
    void AddNLabels(int32_t n, float scale, float x, float y, float z, float rotX, float rotY,
                    float rotZ, TColor color, const char *text);

    // Moving: world coordinates, stored mapped.
    void MoveParticle(int32_t index, float x, float y, float z);
    void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2, float z2);
    void MovePoint(int32_t index, float x, float y, float z);
    void MovePlane(int32_t index, float x1, float y1, float z1, float x2, float y2, float z2,
                   float x3, float y3, float z3, float x4, float y4, float z4);
    void MoveLabel(int32_t index, float x, float y, float z);

    // Changing: code 0 colour, 1 Aux, 2 Style (codes 0..2 truncate the value
    // to an integer; uint8 fields keep the low 8 bits), 3 the float field
    // (Size, Width, Size, Alpha, Scale). Labels have no codes 1 and 2.
    void ChangeParticleProperties(uint8_t code, int32_t index, float value);
    void ChangeSegmentProperties(uint8_t code, int32_t index, float value);
    void ChangePointProperties(uint8_t code, int32_t index, float value);
    void ChangePlaneProperties(uint8_t code, int32_t index, float value);
    void ChangeLabelProperties(uint8_t code, int32_t index, float value);
    void ChangeLabelText(int32_t index, const char *text);
    void ChangeLabelRotation(int32_t index, float rotX, float rotY, float rotZ);

    void LinkTraceToParticle(int32_t trace, int32_t particle, uint8_t mode, TColor color,
                             int32_t interval, int32_t maxPoints, uint8_t active);

    void FreeParticles();
    void FreeSegments();
    void FreePoints();
    void FreePlanes();
    void FreeLabels();
    void FreeTraces();

    // The mapping from the box XMin..XMax, ...; part of every set-up.
    void updateMapping();

    // Context and set-up.
    void InitWorld();
    void SetupViewport();
    static void Perspective(molvix::GLCalls &gl, double fovy, double aspect, double zNear, double zFar);
    // Option 0 GLFog, 1 GLLight, 2 GLSmooth, 3 GLFogParticles.
    void ApplyGLOption(uint8_t option, bool on);
    void SetAmbientLight(float r, float g, float b, float a);
    void SetLightPosition(float x, float y, float z, float w);
    void SetFogColor(float r, float g, float b, float a);
    void ReleaseContext();
    void ShowGLInfo();
    // The information text, cut to its buffer.
    static QString formatGLInfo(const char *vendor, const char *renderer, const char *version,
                                const char *extensions);

    // Frames. With no context, DrawWorld and ClearWorld do nothing.
    void DrawWorld();
    void ClearWorld();
    void SetCubeColor(TColor color, bool show);
    void SetAxesColor(TColor color, bool show);
    // One frame's calls through the GL layer; the context must be current.
    void renderFrame();

    // Tessellation around the current origin, through the GL layer.
    void SetNormal(float x, float y, float z);
    void DrawSphere(uint8_t style, double radius, int32_t slices, int32_t stacks);
    void DrawCylinder(molvix::CylinderMode mode, double base, double top, double height,
                      int32_t slices, int32_t stacks);

    // The layer every OpenGL call goes through; nullptr restores libGL.
    void setGLCalls(molvix::GLCalls *calls);
    molvix::GLCalls &gl() const { return *m_gl; }

    // Replaces how ShowGLInfo and the context failure dialog are shown (a
    // message box by default); an empty function restores the default.
    // Returns the previous presenter.
    static MessagePresenter setMessagePresenter(MessagePresenter presenter);

    // Reports misuse under "Vx3DWorldGL Error" and exits with code 1.
    [[noreturn]] static void ShowError(const char *function, const char *message);

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool CreateContext();
    // Makes the view's context current if there is one; false if not.
    bool makeViewCurrent();
    // Clears both buffers, then pushes the model-view matrix with the view's
    // translation and its rotations about x, y and z, in that order.
    void clearAndPushViewTransform();
    void issueGLOption(uint8_t option, bool on);
    void issueClear();
    static void presentMessage(const QString &caption, const QString &text);
    void AddTracePoint(int32_t trace, const TGLParticleRec &particle);
    float mapX(float x) const { return MapScaleX * x + MapShiftX; }
    float mapY(float y) const { return MapScaleY * y + MapShiftY; }
    float mapZ(float z) const { return MapScaleZ * z + MapShiftZ; }

    void drawSegments();
    void drawPoints();
    void drawParticles();
    void drawLabels();
    void drawPlanes();
    void drawTraces();
    void drawCube();
    void drawAxes();

    std::vector<TGLParticleRec> m_particles;
    std::vector<TGLSegmentRec> m_segments;
    std::vector<TGLPointRec> m_points;
    std::vector<TGLPlaneRec> m_planes;
    std::vector<TGLTraceRec> m_traces;
    std::vector<TGLLabelRec> m_labels;
    int32_t m_maxTracePoints = 0;
    int32_t m_maxTracePointsGiven = 0; // maxPoints of the last AddNTraces

    molvix::GLCalls *m_gl;
    bool m_contextReady = false;
    bool m_inPaint = false;      // inside paintGL: Qt has the framebuffer bound
    bool m_framePending = false; // a frame drawn outside painting waits to be shown
    QMetaObject::Connection m_contextGone;
};
