// The OpenGL view's stores, palette and mapping, with no context: the view
// is never shown here.
#include "recordinggl.h"
#include "vx3dworldgl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using molvix::test::RecordingGL;
using RGB = TVx3DWorldGL::RGB;

namespace {

// A view whose box 0..100 has been mapped, as the set-up does on screen.
struct MappedView : TVx3DWorldGL
{
    MappedView() { updateMapping(); }
};

} // namespace

TEST(GLViewConstructionTest, PublishedValuesAndEmptyStores)
{
    TVx3DWorldGL v;
    EXPECT_EQ(v.XMin, 0.0f);
    EXPECT_EQ(v.YMin, 0.0f);
    EXPECT_EQ(v.ZMin, 0.0f);
    EXPECT_EQ(v.XMax, 100.0f);
    EXPECT_EQ(v.YMax, 100.0f);
    EXPECT_EQ(v.ZMax, 100.0f);
    EXPECT_EQ(v.Angle, 45.0f);
    EXPECT_EQ(v.transX, 0.0f);
    EXPECT_EQ(v.transY, 0.0f);
    EXPECT_EQ(v.transZ, -3.7f);
    EXPECT_EQ(v.RotX, 0.0f);
    EXPECT_EQ(v.RotY, 0.0f);
    EXPECT_EQ(v.RotZ, 0.0f);
    EXPECT_FALSE(v.ShowCube);
    EXPECT_FALSE(v.ShowAxes);
    EXPECT_FALSE(v.ShowTrace);
    EXPECT_FALSE(v.ShowLightFocus);
    EXPECT_TRUE(v.GLFog);
    EXPECT_FALSE(v.GLFogParticles);
    EXPECT_TRUE(v.GLLight);
    EXPECT_TRUE(v.GLSmooth);
    EXPECT_EQ(v.GLSlices, 20);
    EXPECT_EQ(v.GLStacks, 10);
    EXPECT_EQ(v.AmbientLight, (TVx3DWorldGL::RGBA{0.65f, 0.65f, 0.65f, 1.0f}));
    EXPECT_EQ(v.LightPosition, (TVx3DWorldGL::RGBA{0, 0, -3, 1}));
    EXPECT_EQ(v.FogColor, (TVx3DWorldGL::RGBA{0, 0, 0, 0}));
    EXPECT_EQ(v.CubeRGB, (RGB{0, 0, 0}));
    EXPECT_EQ(v.AxesRGB, (RGB{0, 0, 0}));
    EXPECT_FALSE(v.ContextReady());
    EXPECT_EQ(v.MapScaleX, 0.0f);
    EXPECT_EQ(v.MapShiftZ, 0.0f);
    for (int32_t n : {v.NParticles, v.NSegments, v.NPoints, v.NPlanes, v.NLabels, v.MaxParticles(),
                      v.MaxSegments(), v.MaxPoints(), v.MaxPlanes(), v.MaxLabels(), v.MaxTraces(),
                      v.MaxTracePoints()}) {
        EXPECT_EQ(n, 0);
    }
    // The owner sets these by name, as published properties.
    for (const char *name : {"XMin", "ZMax", "Angle", "transX", "transZ", "RotX", "RotZ",
                             "ShowCube", "ShowAxes", "ShowTrace", "ShowLightFocus", "GLFog",
                             "GLFogParticles", "GLLight", "GLSmooth", "GLSlices", "GLStacks"}) {
        EXPECT_TRUE(v.property(name).isValid()) << name;
    }
    EXPECT_TRUE(v.setProperty("transZ", -4.0f));
    EXPECT_EQ(v.transZ, -4.0f);
    EXPECT_EQ(v.format().profile(), QSurfaceFormat::CompatibilityProfile);
    EXPECT_GT(v.format().depthBufferSize(), 0);
    EXPECT_EQ(v.format().swapBehavior(), QSurfaceFormat::DoubleBuffer);
}

TEST(GLPaletteTest, FixedTableAndWhiteForEverythingElse)
{
    const std::vector<std::pair<TColor, RGB>> table{
        {0x000000, {0, 0, 0}},          {0x000080, {0.6f, 0.4f, 0.12f}},
        {0x0000FF, {1, 0, 0}},          {0x008000, {0, 1, 0}},
        {0x008080, {0.55f, 0.55f, 0.56f}}, {0x00FF00, {1, 1, 0}},
        {0x800000, {0, 0, 0.56f}},      {0x800080, {0.6f, 0.4f, 0.2f}},
        {0x808000, {0.2f, 0.55f, 0.55f}}, {0x808080, {0.75f, 0.75f, 0.75f}},
        {0xC0C0C0, {0.25f, 0.25f, 0.25f}}, {0xFF0000, {0, 0, 1}},
        {0xFF00FF, {0.98f, 0.04f, 0.7f}}, {0xFFFF00, {0, 1, 1}},
    };
    for (const auto &[color, rgb] : table) {
        EXPECT_EQ(TVx3DWorldGL::ColorToGL(color), rgb) << std::hex << color;
    }
    for (TColor other : {0x00FFFF, 0xFFFFFF, 0x000001, 0x0000FE, -1, INT32_MIN, 0x1000000}) {
        EXPECT_EQ(TVx3DWorldGL::ColorToGL(other), (RGB{1, 1, 1})) << std::hex << other;
    }
}

TEST(GLMappingTest, BoxMapsOntoTheUnitCube)
{
    MappedView v;
    EXPECT_FLOAT_EQ(v.MapScaleX, 0.02f);
    EXPECT_FLOAT_EQ(v.MapShiftX, -1.0f);
    v.AddNParticles(2, 1, 0.1f, 0, 0, 0, 0xFF, 0);
    v.MoveParticle(1, 50, 50, 50);
    v.MoveParticle(2, 100, 0, 100);
    EXPECT_EQ(v.particles()[1].X, 0.0f);
    EXPECT_EQ(v.particles()[1].Y, 0.0f);
    EXPECT_EQ(v.particles()[1].Z, 0.0f);
    EXPECT_EQ(v.particles()[2].X, 1.0f);
    EXPECT_EQ(v.particles()[2].Y, -1.0f);
    EXPECT_EQ(v.particles()[2].Z, 1.0f);
}

TEST(GLMappingTest, AnyBoxMapsItsCornersToPlusMinusOne)
{
    // Per axis, with boxes away from the origin.
    MappedView v;
    v.XMin = -50;
    v.XMax = 150;
    v.YMin = -10;
    v.YMax = 30;
    v.ZMin = 5;
    v.ZMax = 7;
    v.updateMapping();
    v.AddNSegments(1, 1, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    v.MoveSegment(1, -50, -10, 5, 150, 30, 7);
    const TGLSegmentRec &s = v.segments()[1];
    EXPECT_FLOAT_EQ(s.X1, -1.0f);
    EXPECT_FLOAT_EQ(s.Y1, -1.0f);
    EXPECT_FLOAT_EQ(s.Z1, -1.0f);
    EXPECT_FLOAT_EQ(s.X2, 1.0f);
    EXPECT_FLOAT_EQ(s.Y2, 1.0f);
    EXPECT_FLOAT_EQ(s.Z2, 1.0f);
    v.MoveSegment(1, 50, 10, 6, 0, 0, 0);
    EXPECT_NEAR(v.segments()[1].X1, 0.0f, 1e-6f);
    EXPECT_NEAR(v.segments()[1].Y1, 0.0f, 1e-6f);
    EXPECT_NEAR(v.segments()[1].Z1, 0.0f, 1e-6f);
}

TEST(GLMappingTest, PositionsBeforeTheFirstSetUpAreTheOrigin)
{
    TVx3DWorldGL v;
    v.AddNParticles(1, 1, 0.1f, 30, 60, 90, 0xFF, 0);
    v.MoveParticle(1, 100, 0, 100);
    EXPECT_EQ(v.particles()[1].X, 0.0f);
    EXPECT_EQ(v.particles()[1].Y, 0.0f);
    EXPECT_EQ(v.particles()[1].Z, 0.0f);
    // Without a context the set-up does nothing, the mapping included.
    v.SetupViewport();
    EXPECT_EQ(v.MapScaleX, 0.0f);
    // Stored positions are not re-mapped when the mapping comes.
    v.updateMapping();
    EXPECT_EQ(v.particles()[1].X, 0.0f);
}

TEST(GLStoreTest, AddNInitialisesEverySlotIncludingZero)
{
    MappedView v;
    v.AddNParticles(3, 14, 0.25f, 100, 50, 0, 0x008000, 7);
    ASSERT_EQ(v.MaxParticles(), 4);
    for (const TGLParticleRec &p : v.particles()) {
        EXPECT_EQ(p.Style, 14);
        EXPECT_EQ(p.Size, 0.25f);
        EXPECT_EQ(p.X, 1.0f);
        EXPECT_EQ(p.Y, 0.0f);
        EXPECT_EQ(p.Z, -1.0f);
        EXPECT_EQ(p.R, 0.0f);
        EXPECT_EQ(p.G, 1.0f);
        EXPECT_EQ(p.B, 0.0f);
        EXPECT_EQ(p.Aux, 7);
        EXPECT_EQ(p.Color, 0x008000);
        EXPECT_EQ(p.Trace, 0);
    }

    v.AddNSegments(2, 0, 1.5f, 0, 0, 0, 100, 100, 100, 0xFF0000, 3);
    ASSERT_EQ(v.MaxSegments(), 3);
    for (const TGLSegmentRec &s : v.segments()) {
        EXPECT_EQ(s.Width, 1.5f);
        EXPECT_EQ(s.X1, -1.0f);
        EXPECT_EQ(s.Z2, 1.0f);
        EXPECT_EQ(s.B, 1.0f);
        EXPECT_EQ(s.Aux, 3);
    }

    v.AddNPoints(1, 9, 4.0f, 50, 50, 50, 0x00FF00, 2);
    ASSERT_EQ(v.MaxPoints(), 2);
    EXPECT_EQ(v.points()[0].Style, 9);
    EXPECT_EQ(v.points()[1].Size, 4.0f);
    EXPECT_EQ(v.points()[1].R, 1.0f);
    EXPECT_EQ(v.points()[1].G, 1.0f);

    v.AddNPlanes(1, 5, 0.5f, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0, 0x808080, 1);
    ASSERT_EQ(v.MaxPlanes(), 2);
    const TGLPlaneRec &pl = v.planes()[1];
    EXPECT_EQ(pl.Alpha, 0.5f);
    EXPECT_EQ(pl.X2, 1.0f);
    EXPECT_EQ(pl.Y3, 1.0f);
    EXPECT_EQ(pl.X4, -1.0f);
    EXPECT_EQ(pl.R, 0.75f);

    v.AddNLabels(2, 0.3f, 0, 100, 50, 10, 20, 30, 0xC0C0C0, "Presion");
    ASSERT_EQ(v.MaxLabels(), 3);
    for (const TGLLabelRec &l : v.labels()) {
        EXPECT_EQ(l.Scale, 0.3f);
        EXPECT_STREQ(l.Text, "Presion");
        EXPECT_EQ(l.Y, 1.0f);
        EXPECT_EQ(l.RotY, 20.0f);
        EXPECT_EQ(l.R, 0.25f);
    }
}

TEST(GLStoreTest, CountsOfZeroOrBelowGiveOneUnreachableSlot)
{
    TVx3DWorldGL v;
    v.AddNParticles(0, 1, 1, 0, 0, 0, 0, 0);
    v.AddNSegments(-5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    v.AddNLabels(INT32_MIN, 1, 0, 0, 0, 0, 0, 0, 0, "x");
    EXPECT_EQ(v.MaxParticles(), 1);
    EXPECT_EQ(v.MaxSegments(), 1);
    EXPECT_EQ(v.MaxLabels(), 1);
}

TEST(GLStoreTest, ASecondAddNReplacesTheStoreAndKeepsTheCounts)
{
    MappedView v;
    v.AddNSegments(5, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    v.NSegments = 5;
    v.MoveSegment(3, 100, 100, 100, 0, 0, 0);
    v.AddNSegments(3, 1, 2, 50, 50, 50, 50, 50, 50, 0x008000, 0);
    EXPECT_EQ(v.MaxSegments(), 4);
    EXPECT_EQ(v.NSegments, 5);
    EXPECT_EQ(v.segments()[3].X1, 0.0f);
    EXPECT_EQ(v.segments()[3].Width, 2.0f);
}

TEST(GLStoreTest, MovesChangeOnlyThePosition)
{
    MappedView v;
    v.AddNParticles(2, 12, 0.5f, 0, 0, 0, 0xFF, 9);
    v.MoveParticle(2, 75, 25, 50);
    const TGLParticleRec &p = v.particles()[2];
    EXPECT_EQ(p.X, 0.5f);
    EXPECT_EQ(p.Y, -0.5f);
    EXPECT_EQ(p.Z, 0.0f);
    EXPECT_EQ(p.Style, 12);
    EXPECT_EQ(p.Aux, 9);
    EXPECT_EQ(v.particles()[1].X, -1.0f);

    v.AddNPlanes(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    v.MovePlane(1, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 100);
    EXPECT_EQ(v.planes()[1].Z4, 1.0f);
    EXPECT_EQ(v.planes()[1].Alpha, 1.0f);
    v.AddNLabels(1, 1, 0, 0, 0, 0, 0, 0, 0xFF, "a");
    v.MoveLabel(1, 100, 100, 0);
    EXPECT_EQ(v.labels()[1].X, 1.0f);
    EXPECT_EQ(v.labels()[1].Z, -1.0f);
    EXPECT_STREQ(v.labels()[1].Text, "a");
}

TEST(GLPropertyTest, CodesZeroToTwoTruncateAndCodeThreeIsStoredExactly)
{
    TVx3DWorldGL v;
    v.AddNParticles(1, 1, 1, 0, 0, 0, 0, 0);
    v.ChangeParticleProperties(0, 1, 255.9f);
    EXPECT_EQ(v.particles()[1].Color, 255);
    EXPECT_EQ(v.particles()[1].R, 1.0f);
    EXPECT_EQ(v.particles()[1].G, 0.0f);
    EXPECT_EQ(v.particles()[1].B, 0.0f);
    v.ChangeParticleProperties(3, 1, 0.02f);
    EXPECT_EQ(v.particles()[1].Size, 0.02f);
    v.ChangeParticleProperties(1, 1, 300.7f); // low 8 bits of 300
    EXPECT_EQ(v.particles()[1].Aux, 44);
    v.ChangeParticleProperties(2, 1, -1.9f); // -1 truncated, low 8 bits
    EXPECT_EQ(v.particles()[1].Style, 255);
    v.ChangeParticleProperties(0, 1, 65535.0f); // 0x00FFFF: no palette row
    EXPECT_EQ(v.particles()[1].Color, 0xFFFF);
    EXPECT_EQ(v.particles()[1].B, 1.0f);
    // Values beyond int32 saturate, NaN is 0: never undefined behaviour.
    v.ChangeParticleProperties(0, 1, 1e20f);
    EXPECT_EQ(v.particles()[1].Color, INT32_MAX);
    v.ChangeParticleProperties(0, 1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(v.particles()[1].Color, 0);
    EXPECT_EQ(v.particles()[1].R, 0.0f);
    v.ChangeParticleProperties(2, 1, -1e20f);
    EXPECT_EQ(v.particles()[1].Style, 0); // INT32_MIN's low byte

    v.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    v.ChangeSegmentProperties(0, 1, 32768.0f); // 0x008000 green
    v.ChangeSegmentProperties(1, 1, 257.0f);
    v.ChangeSegmentProperties(2, 1, 1.0f);
    v.ChangeSegmentProperties(3, 1, 2.5f);
    EXPECT_EQ(v.segments()[1].G, 1.0f);
    EXPECT_EQ(v.segments()[1].Aux, 1);
    EXPECT_EQ(v.segments()[1].Style, 1);
    EXPECT_EQ(v.segments()[1].Width, 2.5f);

    v.AddNPoints(1, 0, 1, 0, 0, 0, 0, 0);
    v.ChangePointProperties(0, 1, 16711680.0f); // 0xFF0000 blue
    v.ChangePointProperties(2, 1, 4.0f);
    v.ChangePointProperties(3, 1, 7.25f);
    EXPECT_EQ(v.points()[1].B, 1.0f);
    EXPECT_EQ(v.points()[1].Style, 4);
    EXPECT_EQ(v.points()[1].Size, 7.25f);

    v.AddNPlanes(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    v.ChangePlaneProperties(1, 1, 12.0f);
    v.ChangePlaneProperties(3, 1, 0.125f);
    EXPECT_EQ(v.planes()[1].Aux, 12);
    EXPECT_EQ(v.planes()[1].Alpha, 0.125f);
}

TEST(GLPropertyTest, LabelsHaveOnlyColourAndScale)
{
    TVx3DWorldGL v;
    v.AddNLabels(1, 0.5f, 0, 0, 0, 1, 2, 3, 0, "abc");
    v.ChangeLabelProperties(1, 1, 99.0f);
    v.ChangeLabelProperties(2, 1, 99.0f);
    const TGLLabelRec &l = v.labels()[1];
    EXPECT_EQ(l.Scale, 0.5f);
    EXPECT_STREQ(l.Text, "abc");
    EXPECT_EQ(l.RotX, 1.0f);
    EXPECT_EQ(l.RotZ, 3.0f);
    EXPECT_EQ(l.Color, 0);
    EXPECT_EQ(l.R, 0.0f);
    v.ChangeLabelProperties(0, 1, 255.0f);
    v.ChangeLabelProperties(3, 1, 0.75f);
    EXPECT_EQ(v.labels()[1].Color, 255);
    EXPECT_EQ(v.labels()[1].R, 1.0f);
    EXPECT_EQ(v.labels()[1].Scale, 0.75f);
    v.ChangeLabelRotation(1, -90, 45.5f, 180);
    EXPECT_EQ(v.labels()[1].RotX, -90.0f);
    EXPECT_EQ(v.labels()[1].RotY, 45.5f);
    EXPECT_EQ(v.labels()[1].RotZ, 180.0f);
}

TEST(GLPropertyTest, LabelTextsAreCutToTwentyFiveCharacters)
{
    TVx3DWorldGL v;
    const std::string exact(25, 'e');
    const std::string longer = std::string(40, 'x') + "tail";
    v.AddNLabels(2, 1, 0, 0, 0, 0, 0, 0, 0, longer.c_str());
    EXPECT_EQ(std::string(v.labels()[1].Text), longer.substr(0, 25));
    EXPECT_EQ(v.labels()[1].Text[25], '\0');
    v.ChangeLabelText(1, exact.c_str());
    EXPECT_EQ(std::string(v.labels()[1].Text), exact);
    v.ChangeLabelText(2, longer.c_str());
    EXPECT_EQ(std::string(v.labels()[2].Text), longer.substr(0, 25));
    v.ChangeLabelText(2, "ab");
    EXPECT_STREQ(v.labels()[2].Text, "ab");
    // Nothing of the longer text is left behind the terminator.
    for (size_t i = 2; i < sizeof v.labels()[2].Text; ++i) {
        EXPECT_EQ(v.labels()[2].Text[i], '\0');
    }
    v.ChangeLabelText(2, nullptr);
    EXPECT_STREQ(v.labels()[2].Text, "");
}

TEST(GLStoreTest, FreeReleasesStoresAndLeavesTheCounts)
{
    TVx3DWorldGL v;
    v.AddNParticles(3, 1, 1, 0, 0, 0, 0, 0);
    v.AddNSegments(3, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    v.AddNPoints(3, 1, 1, 0, 0, 0, 0, 0);
    v.AddNPlanes(3, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    v.AddNLabels(3, 1, 0, 0, 0, 0, 0, 0, 0, "");
    v.AddNTraces(3, 0, 0, 1, 10);
    v.NParticles = 3;
    v.NLabels = 2;
    v.FreeParticles();
    v.FreeSegments();
    v.FreePoints();
    v.FreePlanes();
    v.FreeLabels();
    v.FreeTraces();
    EXPECT_EQ(v.MaxParticles(), 0);
    EXPECT_EQ(v.MaxSegments(), 0);
    EXPECT_EQ(v.MaxPoints(), 0);
    EXPECT_EQ(v.MaxPlanes(), 0);
    EXPECT_EQ(v.MaxLabels(), 0);
    EXPECT_EQ(v.MaxTraces(), 0);
    EXPECT_EQ(v.MaxTracePoints(), 0);
    EXPECT_EQ(v.NParticles, 3);
    EXPECT_EQ(v.NLabels, 2);
}

TEST(GLViewWithoutContextTest, FramesAndOptionsIssueNothingButStoreTheirValues)
{
    TVx3DWorldGL v;
    RecordingGL gl;
    v.setGLCalls(&gl);
    v.AddNParticles(2, 1, 0.5f, 0, 0, 0, 0xFF, 0);
    v.NParticles = 2;
    v.ShowCube = true;
    v.DrawWorld();
    v.ClearWorld();
    v.ApplyGLOption(0, false);
    v.ApplyGLOption(2, false);
    v.ApplyGLOption(3, true);
    v.ApplyGLOption(1, false);
    v.ApplyGLOption(9, true);
    v.SetAmbientLight(0.1f, 0.2f, 0.3f, 0.4f);
    v.SetLightPosition(1, 2, 3, 0);
    v.SetFogColor(0.5f, 0.6f, 0.7f, 0.8f);
    v.ReleaseContext();
    EXPECT_TRUE(gl.calls.empty());
    EXPECT_FALSE(v.GLFog);
    EXPECT_FALSE(v.GLSmooth);
    EXPECT_TRUE(v.GLFogParticles);
    EXPECT_FALSE(v.GLLight);
    EXPECT_EQ(v.AmbientLight, (TVx3DWorldGL::RGBA{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(v.LightPosition, (TVx3DWorldGL::RGBA{1, 2, 3, 0}));
    EXPECT_EQ(v.FogColor, (TVx3DWorldGL::RGBA{0.5f, 0.6f, 0.7f, 0.8f}));
    EXPECT_FALSE(v.ContextReady());
    v.setGLCalls(nullptr);
}

TEST(GLViewWithoutContextTest, CubeAndAxesColoursComeFromThePalette)
{
    TVx3DWorldGL v;
    v.SetCubeColor(0x008000, true);
    v.SetAxesColor(0x00FF00, false);
    EXPECT_EQ(v.CubeRGB, (RGB{0, 1, 0}));
    EXPECT_TRUE(v.ShowCube);
    EXPECT_EQ(v.AxesRGB, (RGB{1, 1, 0}));
    EXPECT_FALSE(v.ShowAxes);
    v.SetCubeColor(0x123456, false);
    EXPECT_EQ(v.CubeRGB, (RGB{1, 1, 1}));
    EXPECT_FALSE(v.ShowCube);
}

TEST(GLInfoTest, TextIsCutToItsBufferNeverOverrun)
{
    const QString plain = TVx3DWorldGL::formatGLInfo("V", "R", "1.1", "GL_a GL_b");
    EXPECT_EQ(plain, QString("Vendor: V\nRenger: R\nVersion: 1.1\nExtensions: GL_a GL_b\n"));
    const std::string huge(100000, 'E');
    const QString cut = TVx3DWorldGL::formatGLInfo("Mesa", "llvmpipe", "4.5", huge.c_str());
    EXPECT_EQ(cut.size(), 2047);
    EXPECT_TRUE(cut.startsWith("Vendor: Mesa\nRenger: llvmpipe\nVersion: 4.5\nExtensions: EEE"));
    EXPECT_EQ(TVx3DWorldGL::formatGLInfo(nullptr, nullptr, nullptr, nullptr),
              QString("Vendor: \nRenger: \nVersion: \nExtensions: \n"));

    // Without a context the box still comes, captioned, with empty strings.
    QString caption, text;
    const auto previous = TVx3DWorldGL::setMessagePresenter(
        [&](const QString &c, const QString &t) { caption = c, text = t; });
    TVx3DWorldGL v;
    v.ShowGLInfo();
    TVx3DWorldGL::setMessagePresenter(previous);
    EXPECT_EQ(caption, "Vx3DWorldGL");
    EXPECT_EQ(text, QString("Vendor: \nRenger: \nVersion: \nExtensions: \n"));
}
