// In-range calls with extreme values are no misuse: huge and non-finite
// coordinates and property values, distances of 0 and beyond the eye, a
// degenerate box and a 0 x 0 view are stored and drawn without a failure,
// with no context and on the recorded stream.
#include "recordinggl.h"
#include "vx3dworldgl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kHuge = std::numeric_limits<float>::max();

// Two of every kind, all shown, fed extreme values through every operation
// that takes them.
void populateExtremes(TVx3DWorldGL &v)
{
    v.ShowCube = v.ShowAxes = v.ShowTrace = v.ShowLightFocus = true;
    v.GLFogParticles = true;
    v.AddNParticles(2, 1, kHuge, kNaN, kInf, -kHuge, 0xFF, 0);
    v.AddNSegments(2, 0, kNaN, kInf, -kInf, kNaN, kHuge, 0, 0, 0xFF, 0);
    v.AddNPoints(2, 1, -kHuge, kHuge, kHuge, kHuge, 0xFF, 0);
    v.AddNPlanes(2, 1, kNaN, 0, 0, kHuge, 0, 0, 0, kInf, 0, 0, 0, -kHuge, 0, 0xFF, 0);
    v.AddNLabels(2, kInf, kNaN, 0, 0, kHuge, -kInf, kNaN, 0xFF, "extremo");
    v.AddNTraces(2, 0, 0xFF, 1, 3);
    v.NParticles = v.NSegments = v.NPoints = v.NPlanes = v.NLabels = 2;
    v.LinkTraceToParticle(1, 1, 0, 0xFF, 1, 3, 1);
    v.LinkTraceToParticle(2, 2, 2, 0xFF, 1, 3, 1);
    for (float x : {kNaN, kInf, -kInf, kHuge, -kHuge, -1e30f}) {
        v.MoveParticle(1, x, 50, 50);
        v.MoveParticle(2, 50, x, -x);
        v.MoveSegment(1, x, x, x, -x, -x, -x);
        v.MovePoint(2, x, 0, x);
        v.MovePlane(1, x, 0, 0, 0, x, 0, 0, 0, x, x, x, x);
        v.MoveLabel(1, 0, x, 0);
        v.ChangeLabelRotation(2, x, -x, x);
    }
    for (float value : {kNaN, kInf, -kInf, kHuge, -kHuge, 1e10f}) {
        for (uint8_t code = 0; code <= 3; ++code) {
            v.ChangeParticleProperties(code, 2, value);
            v.ChangeSegmentProperties(code, 2, value);
            v.ChangePointProperties(code, 2, value);
            v.ChangePlaneProperties(code, 2, value);
            v.ChangeLabelProperties(code, 2, value);
        }
    }
    // Drawable styles again, so the frame goes through spheres and arrows.
    v.ChangeParticleProperties(2, 2, 1);
    v.ChangeSegmentProperties(2, 2, 0);
}

struct RecordedView : TVx3DWorldGL
{
    molvix::test::RecordingGL rec;
    RecordedView()
    {
        updateMapping();
        setGLCalls(&rec);
    }
    ~RecordedView() override { setGLCalls(nullptr); }
};

TEST(GLExtremesTest, WithoutAContextEveryExtremeIsStoredAndNothingIsDrawn)
{
    TVx3DWorldGL v;
    v.resize(0, 0);
    v.updateMapping();
    populateExtremes(v);
    for (float distance : {0.0f, 3.7f, -kHuge, kNaN}) {
        v.transZ = distance;
        v.DrawWorld();
        v.ClearWorld();
    }
    EXPECT_FALSE(v.ContextReady());
    EXPECT_EQ(v.particles()[1].X, -1e30f * v.MapScaleX + v.MapShiftX);
    EXPECT_EQ(v.particles()[2].Size, 1e10f); // code 3 keeps the float as given
}

TEST(GLExtremesTest, AFrameOfExtremesIsIssuedWhateverTheDistanceAndAngle)
{
    RecordedView v;
    populateExtremes(v);
    for (float distance : {0.0f, 5.0f, -1e30f, kNaN}) {
        for (float angle : {0.0f, -90.0f, 1e30f}) {
            v.transZ = distance;
            v.RotX = v.RotY = v.RotZ = angle;
            v.rec.reset();
            v.renderFrame();
            EXPECT_FALSE(v.rec.calls.empty());
        }
    }
}

TEST(GLExtremesTest, DegenerateBoxesMapWithoutFailing)
{
    RecordedView v;
    const float boxes[][2] = {{0, 0}, {100, 0}, {-kHuge, kHuge}, {kNaN, 100}};
    for (const auto &box : boxes) {
        v.XMin = v.YMin = v.ZMin = box[0];
        v.XMax = v.YMax = v.ZMax = box[1];
        v.updateMapping();
        populateExtremes(v);
        v.rec.reset();
        v.renderFrame();
        EXPECT_FALSE(v.rec.calls.empty());
    }
}

} // namespace
