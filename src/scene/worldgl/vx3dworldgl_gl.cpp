// The OpenGL view as a widget: its context, world set-up (projection,
// viewport, mapping, light and fog), the switchable options, the paint and
// resize hooks and the information box.
#include "vx3dworldgl.h"

#include "glyphs.h"

#include <QApplication>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QSurfaceFormat>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr size_t kInfoBufferSize = 2048;

void defaultMessagePresenter(const QString &caption, const QString &text)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
        box.exec();
    } else {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
}

TVx3DWorldGL::MessagePresenter &currentMessagePresenter()
{
    static TVx3DWorldGL::MessagePresenter presenter = defaultMessagePresenter;
    return presenter;
}

// Clears a flag when the scope ends, also when the owner's handler throws.
struct FlagScope
{
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;
    bool &m_flag;
};

} // namespace

TVx3DWorldGL::TVx3DWorldGL(QWidget *owner) : QOpenGLWidget(owner), m_gl(&molvix::libGL())
{
    // Fixed-function drawing needs a compatibility profile. 8 bits a channel
    // and a 24-bit depth buffer are what every framebuffer object offers;
    // no alpha, so the frame shows opaque whatever alpha the clear leaves.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(0);
    setFormat(format);
    // Keep the framebuffer between paints: a frame drawn from a timer is
    // shown by the paint that follows without being drawn again.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);

    // No context yet: these only store their values; the set-up issues them.
    SetAmbientLight(0.65f, 0.65f, 0.65f, 1.0f);
    SetLightPosition(0.0f, 0.0f, -3.0f, 1.0f);
    SetFogColor(0.0f, 0.0f, 0.0f, 0.0f);
}

TVx3DWorldGL::~TVx3DWorldGL()
{
    disconnect(m_contextGone);
    // The glyph lists are ours to give back; the context is the widget's.
    // Always through libGL: a layer installed for a test may be gone.
    if (m_contextReady && context() != nullptr && context()->isValid()) {
        makeCurrent();
        molvix::libGL().deleteLists(molvix::kFontListBase, molvix::kGlyphCount);
        doneCurrent();
    }
}

void TVx3DWorldGL::setGLCalls(molvix::GLCalls *calls)
{
    m_gl = calls != nullptr ? calls : &molvix::libGL();
}

TVx3DWorldGL::MessagePresenter TVx3DWorldGL::setMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = currentMessagePresenter();
    currentMessagePresenter() =
        presenter ? std::move(presenter) : MessagePresenter(defaultMessagePresenter);
    return previous;
}

void TVx3DWorldGL::presentMessage(const QString &caption, const QString &text)
{
    currentMessagePresenter()(caption, text);
}

// ---- context ---------------------------------------------------------------

bool TVx3DWorldGL::makeViewCurrent()
{
    if (!m_contextReady || context() == nullptr || !context()->isValid()) {
        return false;
    }
    // While painting, Qt has made the context current and bound the frame.
    if (!m_inPaint) {
        makeCurrent();
    }
    return true;
}

bool TVx3DWorldGL::CreateContext()
{
    // Qt creates the widget's context in the format set by the constructor
    // when the widget first gets a size on screen; it is taken over here.
    QOpenGLContext *ctx = context();
    if (ctx == nullptr || !ctx->isValid()) {
        const GLenum code =
            QOpenGLContext::currentContext() != nullptr ? gl().getError() : GLenum(GL_NO_ERROR);
        presentMessage(QGuiApplication::applicationDisplayName(),
                       QStringLiteral("Context create failed :%1").arg(code));
        m_contextReady = false;
        return false;
    }
    m_contextReady = true;
    makeCurrent();
    // Qt replaces the context when the widget moves to another window; the
    // lists go with the old one, so the next initializeGL builds them again.
    disconnect(m_contextGone);
    m_contextGone = connect(ctx, &QOpenGLContext::aboutToBeDestroyed, this,
                            [this] { m_contextReady = false; });
    molvix::buildGlyphLists(gl(), molvix::kFontListBase);
    return true;
}

void TVx3DWorldGL::InitWorld()
{
    if (!m_contextReady && !CreateContext()) {
        ShowError("InitWorld", "Context Create failed");
    }
    makeViewCurrent();
    const RGB c = ColorToGL(Color);
    molvix::GLCalls &g = gl();
    // Qt's framebuffer of the widget is the back buffer drawn into.
    g.clearDepth(1.0);
    g.clearColor(c[0], c[1], c[2], 0.0f);
    g.shadeModel(GL_SMOOTH);
    g.frontFace(GL_CW);
    SetupViewport();
}

void TVx3DWorldGL::ReleaseContext()
{
    if (m_contextReady) {
        doneCurrent();
    }
}

// ---- set-up ----------------------------------------------------------------

void TVx3DWorldGL::Perspective(molvix::GLCalls &gl, double fovy, double aspect, double zNear,
                               double zFar)
{
    // fovy is the full vertical angle in degrees: half of it in radians is
    // fovy * pi / 360.
    const double top = zNear * std::tan(fovy * std::numbers::pi / 360.0);
    gl.frustum(-top * aspect, top * aspect, -top, top, zNear, zFar);
}

void TVx3DWorldGL::SetupViewport()
{
    if (!makeViewCurrent()) {
        return;
    }
    // Device pixels, as the widget's framebuffer has them; a height of 0
    // would divide the aspect by zero.
    const qreal ratio = devicePixelRatioF();
    const int w = static_cast<int>(std::lround(width() * ratio));
    const int h = std::max(1, static_cast<int>(std::lround(height() * ratio)));
    molvix::GLCalls &g = gl();
    g.matrixMode(GL_PROJECTION);
    g.loadIdentity();
    Perspective(g, Angle, static_cast<double>(w) / static_cast<double>(h), 1.0, 20.0);
    g.matrixMode(GL_MODELVIEW);
    g.loadIdentity();
    g.viewport(0, 0, w, h);
    updateMapping();
    ApplyGLOption(2, GLSmooth);
    ApplyGLOption(0, GLFog);
    ApplyGLOption(3, GLFogParticles);
    ApplyGLOption(1, GLLight);
    BackColor = Color;
}

void TVx3DWorldGL::ApplyGLOption(uint8_t option, bool on)
{
    switch (option) {
    case 0:
        GLFog = on;
        break;
    case 1:
        GLLight = on;
        break;
    case 2:
        GLSmooth = on;
        break;
    case 3:
        GLFogParticles = on;
        break;
    default:
        break;
    }
    if (makeViewCurrent()) {
        issueGLOption(option, on);
    }
}

void TVx3DWorldGL::clearAndPushViewTransform()
{
    molvix::GLCalls &g = gl();
    g.clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g.matrixMode(GL_MODELVIEW);
    g.pushMatrix();
    g.translate(transX, transY, transZ);
    g.rotate(RotX, 1.0f, 0.0f, 0.0f);
    g.rotate(RotY, 0.0f, 1.0f, 0.0f);
    g.rotate(RotZ, 0.0f, 0.0f, 1.0f);
}

void TVx3DWorldGL::issueGLOption(uint8_t option, bool on)
{
    molvix::GLCalls &g = gl();
    // The light position is given under the view transform, so the light
    // turns with the scene.
    clearAndPushViewTransform();
    switch (option) {
    case 0:
        if (on) {
            // Linear fog by eye distance, OpenGL units: clear at 1, gone at 10.
            g.fog(GL_FOG_MODE, static_cast<GLint>(GL_LINEAR));
            g.enable(GL_FOG);
            g.fog(GL_FOG_DENSITY, 1.0f);
            g.fog(GL_FOG_START, 1.0f);
            g.fog(GL_FOG_END, 10.0f);
            g.fog(GL_FOG_COLOR, FogColor.data());
        } else {
            g.disable(GL_FOG);
        }
        break;
    case 1:
        if (on) {
            g.enable(GL_LIGHTING);
            g.lightModel(GL_LIGHT_MODEL_AMBIENT, AmbientLight.data());
            g.light(GL_LIGHT0, GL_POSITION, LightPosition.data());
            g.enable(GL_LIGHT0);
            g.enable(GL_COLOR_MATERIAL);
            g.colorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
            g.shadeModel(GL_SMOOTH);
        } else {
            g.disable(GL_LIGHTING);
        }
        break;
    case 2:
        if (on) {
            g.enable(GL_POINT_SMOOTH);
        } else {
            g.disable(GL_POINT_SMOOTH);
        }
        break;
    default:
        break; // GLFogParticles is read by the frame; no state of its own
    }
    g.enable(GL_DEPTH_TEST);
    g.frontFace(GL_CW);
    g.enable(GL_CULL_FACE);
    g.popMatrix();
}

void TVx3DWorldGL::SetAmbientLight(float r, float g, float b, float a)
{
    AmbientLight = {r, g, b, a};
    ApplyGLOption(1, GLLight);
}

void TVx3DWorldGL::SetLightPosition(float x, float y, float z, float w)
{
    LightPosition = {x, y, z, w};
    ApplyGLOption(1, GLLight);
}

void TVx3DWorldGL::SetFogColor(float r, float g, float b, float a)
{
    FogColor = {r, g, b, a};
    ApplyGLOption(0, GLFog);
}

// ---- information -----------------------------------------------------------

QString TVx3DWorldGL::formatGLInfo(const char *vendor, const char *renderer, const char *version,
                                   const char *extensions)
{
    // The extensions alone can outgrow any buffer: the text is cut to it.
    char buffer[kInfoBufferSize];
    std::snprintf(buffer, sizeof buffer, "Vendor: %s\nRenger: %s\nVersion: %s\nExtensions: %s\n",
                  vendor ? vendor : "", renderer ? renderer : "", version ? version : "",
                  extensions ? extensions : "");
    return QString::fromLatin1(buffer);
}

void TVx3DWorldGL::ShowGLInfo()
{
    const char *vendor = "";
    const char *renderer = "";
    const char *version = "";
    const char *extensions = "";
    if (makeViewCurrent()) {
        molvix::GLCalls &g = gl();
        vendor = g.getString(GL_VENDOR);
        renderer = g.getString(GL_RENDERER);
        version = g.getString(GL_VERSION);
        extensions = g.getString(GL_EXTENSIONS);
    }
    presentMessage(QStringLiteral("Vx3DWorldGL"),
                   formatGLInfo(vendor, renderer, version, extensions));
}

// ---- widget ----------------------------------------------------------------

void TVx3DWorldGL::initializeGL()
{
    InitWorld();
}

void TVx3DWorldGL::resizeEvent(QResizeEvent *event)
{
    // A new size gives the framebuffer new content: nothing is left to show.
    m_framePending = false;
    // The first size on screen creates the context and calls initializeGL.
    // Later sizes keep the projection of the last set-up (Qt fits the
    // viewport to the widget before each paint).
    QOpenGLWidget::resizeEvent(event);
    if (OnResize) {
        OnResize(*this);
    }
    if (!m_contextReady && !size().isEmpty() && isVisible()) {
        InitWorld(); // Qt could not make a context: reported there
    }
}

void TVx3DWorldGL::paintGL()
{
    if (m_framePending) {
        // A frame drawn outside painting is in the framebuffer: show it as is.
        m_framePending = false;
        return;
    }
    FlagScope painting(m_inPaint);
    // The panel paints its background, then the owner draws.
    issueClear();
    if (OnPaint) {
        OnPaint(*this);
    }
}
