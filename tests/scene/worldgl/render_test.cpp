// Real rendering on an X server (Mesa): frames are checked by their pixels
// at projected positions. The view is at its start-up settings unless a
// test says otherwise: black, lit, box 0..100, 45 degrees, transZ -3.7.
#include "recordinggl.h"
#include "vx3dworldgl.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

namespace {

constexpr int kSize = 200;

struct Pixel
{
    int r, g, b;
};

Pixel at(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

bool isRed(const Pixel &p)
{
    return p.r > 100 && p.g < 40 && p.b < 40;
}

bool isGreen(const Pixel &p)
{
    return p.g > 80 && p.r < 40 && p.b < 40;
}

bool isBlack(const Pixel &p)
{
    return p.r < 8 && p.g < 8 && p.b < 8;
}

int countIf(const QImage &image, const std::function<bool(const Pixel &)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += test(at(image, x, y)) ? 1 : 0;
        }
    }
    return n;
}

class GLRenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view = std::make_unique<TVx3DWorldGL>();
        view->OnPaint = [this](TVx3DWorldGL &v) {
            ++paints;
            v.DrawWorld();
        };
        view->resize(kSize, kSize);
    }

    // Shows the view: the context and the world set-up come with it.
    void start()
    {
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return view->ContextReady(); }, 5000));
    }

    // Screen position of a mapped point with the view unrotated:
    // perspective of 45 degrees, eye 3.7 units in front of the cube.
    QPoint project(float x, float y, float z) const
    {
        const double depth = 3.7 - z;
        const double t = std::tan(45.0 * std::numbers::pi / 360.0);
        const double nx = x / depth / t;
        const double ny = y / depth / t;
        return {static_cast<int>(std::lround((nx + 1) / 2 * kSize - 0.5)),
                static_cast<int>(std::lround((1 - ny) / 2 * kSize - 0.5))};
    }

    bool anyNear(const QImage &image, QPoint p, const std::function<bool(const Pixel &)> &test)
    {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                if (test(at(image, p.x() + dx, p.y() + dy))) {
                    return true;
                }
            }
        }
        return false;
    }

    void addParticle(int32_t n, float size, TColor color)
    {
        view->AddNParticles(n, 1, size, 50, 50, 50, color, 0);
        view->NParticles = n;
    }

    std::unique_ptr<TVx3DWorldGL> view;
    int paints = 0;
};

} // namespace

TEST_F(GLRenderTest, ShowingTheViewSetsUpTheWorldAndItsGlyphLists)
{
    start();
    EXPECT_FLOAT_EQ(view->MapScaleX, 0.02f);
    EXPECT_FLOAT_EQ(view->MapShiftZ, -1.0f);
    EXPECT_EQ(view->BackColor, 0);
    view->makeCurrent();
    for (GLuint c = 0; c < 128; ++c) {
        EXPECT_TRUE(glIsList(1000 + c)) << c;
    }
    EXPECT_FALSE(glIsList(999));
    EXPECT_FALSE(glIsList(1128));
}

TEST_F(GLRenderTest, SolidSphereAtTheCentreIsLitOnBackground)
{
    start();
    view->AddNParticles(1, 1, 0.3f, 0, 0, 0, 0x0000FF, 0);
    view->MoveParticle(1, 50, 50, 50);
    view->NParticles = 1;
    const QImage image = view->grabFramebuffer();
    EXPECT_TRUE(isRed(at(image, kSize / 2, kSize / 2)));
    for (QPoint corner : {QPoint(1, 1), QPoint(kSize - 2, 1), QPoint(1, kSize - 2),
                          QPoint(kSize - 2, kSize - 2)}) {
        EXPECT_TRUE(isBlack(at(image, corner.x(), corner.y())));
    }
    // Its disc is about 0.3 / (3.7 * tan 22.5 degrees) of the half width.
    const int radius = countIf(image, isRed);
    EXPECT_NEAR(std::sqrt(radius / std::numbers::pi), 0.3 / (3.7 * 0.41421) * kSize / 2, 3.0);
}

TEST_F(GLRenderTest, AParticleOfTheViewsColourLeavesNoMark)
{
    start();
    // A small green sphere at the centre, and a larger one in front of it.
    view->AddNParticles(2, 1, 0.1f, 50, 50, 50, 0x008000, 0);
    view->ChangeParticleProperties(3, 2, 0.3f);
    view->MoveParticle(2, 50, 50, 75);
    view->NParticles = 2;
    // In front and red, it hides the green one.
    view->ChangeParticleProperties(0, 2, 255.0f);
    EXPECT_TRUE(isRed(at(view->grabFramebuffer(), kSize / 2, kSize / 2)));
    // Black like the view, it is not drawn at all: no black disc either.
    view->ChangeParticleProperties(0, 2, 0.0f);
    const QImage image = view->grabFramebuffer();
    EXPECT_TRUE(isGreen(at(image, kSize / 2, kSize / 2)));
    EXPECT_EQ(countIf(image, isRed), 0);
}

TEST_F(GLRenderTest, CubeColourDrawsGreenEdgesFadedByFog)
{
    start();
    view->SetCubeColor(0x008000, true);
    const QImage fogged = view->grabFramebuffer();
    // Midpoints of the top edges of the front and back faces.
    const QPoint front = project(0, 1, 1);
    const QPoint back = project(0, 1, -1);
    EXPECT_TRUE(anyNear(fogged, front, isGreen));
    EXPECT_TRUE(anyNear(fogged, back, isGreen));
    EXPECT_TRUE(isBlack(at(fogged, kSize / 2, kSize / 2)));
    // Lines are lit like everything else; their normal faces away from the
    // light, so they get the ambient 0.65 of their colour. Linear fog from 1
    // to 10 units then fades them with depth.
    constexpr double ambient = 0.65 * 255;
    int nearMax = 0, farMax = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        nearMax = std::max(nearMax, at(fogged, front.x(), front.y() + dy).g);
        farMax = std::max(farMax, at(fogged, back.x(), back.y() + dy).g);
    }
    EXPECT_NEAR(nearMax, ambient * (10 - 2.7) / 9, 6);
    EXPECT_NEAR(farMax, ambient * (10 - 4.7) / 9, 6);
    view->ApplyGLOption(0, false);
    const QImage clear = view->grabFramebuffer();
    int clearMax = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        clearMax = std::max(clearMax, at(clear, back.x(), back.y() + dy).g);
    }
    EXPECT_NEAR(clearMax, ambient, 2);
}

TEST_F(GLRenderTest, ALabelDrawsPixelsOfItsColourLitByTheAmbient)
{
    start();
    view->AddNLabels(1, 0.4f, 50, 50, 50, 0, 0, 0, 0x0000FF, "HI");
    view->NLabels = 1;
    // Facing the eye with the light behind it, the front face gets the
    // ambient 0.65 only.
    const QImage lit = view->grabFramebuffer();
    EXPECT_GT(countIf(lit, [](const Pixel &p) { return isRed(p) && std::abs(p.r - 166) <= 6; }),
              100);
    // The text starts at the label's position and runs to the right, above
    // the baseline.
    EXPECT_TRUE(isBlack(at(lit, kSize / 2 - 5, kSize / 2 - 10)));
    EXPECT_TRUE(anyNear(lit, {kSize / 2 + 3, kSize / 2 - 10}, isRed));
    EXPECT_FALSE(anyNear(lit, {kSize / 2 + 10, kSize / 2 + 10}, isRed));

    view->ApplyGLOption(1, false);
    const QImage flat = view->grabFramebuffer();
    EXPECT_GT(countIf(flat, [](const Pixel &p) { return p.r == 255 && p.g == 0 && p.b == 0; }),
              100);
}

// "Puntos" (style 2, 50 x 0.06 = 3 pixels: 2 or 3 centres a side), all white though lit.
TEST_F(GLRenderTest, PointParticlesShowTheirColourUnlitAtTheirSize)
{
    start();
    view->AddNParticles(1, 2, 0.06f, 50, 50, 50, 0xFFFFFF, 0);
    view->NParticles = 1;
    const QImage image = view->grabFramebuffer();
    const int white = countIf(image, [](const Pixel &p) { return p.r + p.g + p.b == 765; });
    EXPECT_TRUE(white >= 4 && white <= 9) << white;
    EXPECT_EQ(countIf(image, [](const Pixel &p) { return !isBlack(p); }), white);
}

TEST_F(GLRenderTest, AxesAndArrowsAreDrawnWhereTheyBelong)
{
    start();
    view->SetAxesColor(0x008000, true);
    view->AddNSegments(1, 0, 2, 50, 50, 50, 90, 50, 50, 0x0000FF, 0);
    view->NSegments = 1;
    const QImage image = view->grabFramebuffer();
    // The x axis runs along the bottom back edge to 1.4.
    EXPECT_TRUE(anyNear(image, project(1.2f, -1, -1), isGreen));
    // The segment from the centre to x = 0.8, its cone head to 0.9.
    EXPECT_TRUE(anyNear(image, project(0.4f, 0, 0), isRed));
    EXPECT_TRUE(anyNear(image, project(0.86f, 0, 0), isRed));
    EXPECT_TRUE(isBlack(at(image, project(0.95f, 0, 0).x() + 2, kSize / 2)));
}

TEST_F(GLRenderTest, AFrameFromATimerReachesTheScreenWithoutTheOwnersPaint)
{
    start();
    addParticle(1, 0.3f, 0x0000FF);
    view->MoveParticle(1, 50, 50, 50);
    QTest::qWait(100);
    const int before = paints;
    // Drawn from outside painting: the next paint shows it, OnPaint stays out.
    view->DrawWorld();
    const QImage image = view->grabFramebuffer();
    EXPECT_EQ(paints, before);
    EXPECT_TRUE(isRed(at(image, kSize / 2, kSize / 2)));

    // With no paint handler at all a paint only clears: so when the screen
    // shows the particle after a timer frame, it is that frame.
    view->OnPaint = nullptr;
    const auto screenCentre = [this] {
        const QImage shot = view->screen()->grabWindow(view->winId()).toImage();
        return at(shot, kSize / 2, kSize / 2);
    };
    view->update();
    ASSERT_TRUE(QTest::qWaitFor([&] { return isBlack(screenCentre()); }, 3000));
    view->DrawWorld();
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(screenCentre()); }, 3000));
    view->update();
    EXPECT_TRUE(QTest::qWaitFor([&] { return isBlack(screenCentre()); }, 3000));
}

TEST_F(GLRenderTest, PaintingCallsTheOwnerOnceAndNeverRecurses)
{
    start();
    QTest::qWait(300);
    const int settled = paints;
    EXPECT_GE(settled, 1);
    EXPECT_LE(settled, 3);
    view->update();
    QTest::qWait(300);
    EXPECT_GE(paints, settled + 1);
    EXPECT_LE(paints, settled + 2);
}

TEST_F(GLRenderTest, InformationBoxNamesTheImplementation)
{
    start();
    QString caption, text;
    const auto previous = TVx3DWorldGL::setMessagePresenter(
        [&](const QString &c, const QString &t) { caption = c, text = t; });
    view->ShowGLInfo();
    TVx3DWorldGL::setMessagePresenter(previous);
    EXPECT_EQ(caption, "Vx3DWorldGL");
    EXPECT_TRUE(text.startsWith("Vendor: ")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nRenger: "));
    EXPECT_TRUE(text.contains(QRegularExpression("\nVersion: [0-9]")));
    EXPECT_TRUE(text.contains("\nExtensions: GL_"));
    EXPECT_LE(text.size(), 2047);
}

TEST_F(GLRenderTest, ExtremeValuesAndAZeroSizedViewRenderWithoutFailing)
{
    start();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    view->ShowCube = view->ShowAxes = true;
    view->AddNParticles(3, 1, 0.1f, 0, 0, 0, 0x0000FF, 0);
    view->AddNSegments(1, 0, 2.0f, 0, 0, 0, 0, 0, 0, 0x0000FF, 0);
    view->NParticles = 3;
    view->NSegments = 1;
    view->MoveParticle(1, nan, nan, nan);
    view->MoveParticle(2, 1e30f, -1e30f, huge);
    view->MoveParticle(3, 50, 50, 50);
    view->MoveSegment(1, nan, 0, huge, -huge, 0, 0);
    view->ChangeParticleProperties(3, 2, huge);
    for (float distance : {0.0f, 5.0f, -1e30f, -3.7f}) {
        view->transZ = distance;
        view->DrawWorld();
        EXPECT_EQ(view->grabFramebuffer().size(), QSize(kSize, kSize));
    }
    // At the start distance the ordinary particle still shows at the centre.
    EXPECT_TRUE(isRed(at(view->grabFramebuffer(), kSize / 2, kSize / 2)));
    view->resize(0, 0);
    QCoreApplication::processEvents();
    view->DrawWorld();
    EXPECT_TRUE(view->ContextReady());
}

TEST(GLRenderSetupTest, AspectComesFromTheWidgetAndAZeroHeightCountsAsOne)
{
    QWidget window;
    window.resize(kSize, kSize);
    auto *view = new TVx3DWorldGL(&window);
    view->setGeometry(0, 0, 160, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->ContextReady(); }, 5000));
    molvix::test::RecordingGL rec;
    view->setGLCalls(&rec);
    view->SetupViewport();
    const size_t f = rec.find("frustum");
    ASSERT_LT(f, rec.calls.size());
    const std::vector<double> &a = rec.calls[f].args;
    EXPECT_NEAR(a[3], 0.41421, 1e-5); // top = tan(22.5 degrees) at near 1
    EXPECT_DOUBLE_EQ(a[1], a[3] * 2);
    EXPECT_DOUBLE_EQ(a[0], -a[1]);
    EXPECT_EQ(a[4], 1.0);
    EXPECT_EQ(a[5], 20.0);
    EXPECT_EQ(rec.calls[rec.find("viewport")].args, (std::vector<double>{0, 0, 160, 80}));

    view->setGeometry(0, 0, 160, 0);
    rec.reset();
    view->SetupViewport();
    EXPECT_DOUBLE_EQ(rec.calls[rec.find("frustum")].args[1],
                     rec.calls[rec.find("frustum")].args[3] * 160);
    EXPECT_EQ(rec.calls[rec.find("viewport")].args, (std::vector<double>{0, 0, 160, 1}));
    // The options follow in their order, and the background is taken.
    EXPECT_LT(rec.find("enable", {double(GL_POINT_SMOOTH)}), rec.find("enable", {double(GL_FOG)}));
    EXPECT_LT(rec.find("enable", {double(GL_FOG)}), rec.find("enable", {double(GL_LIGHTING)}));
    view->setGLCalls(nullptr);
}
