// In-range calls with extreme values are no misuse: huge and non-finite
// coordinates, huge and negative sizes, zoom 0, negative or non-finite, and
// views of 0 x 0 or 1 x 1 pixels must all be stored, projected and drawn
// without a failure (the sanitizer build turns any overflow into one).
#include "worldtest.h"

#include <cmath>
#include <limits>

namespace {

using molvix::test::WorldTest;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kHuge = std::numeric_limits<float>::max();

class ExtremesTest : public WorldTest
{
protected:
    // Two of every kind, all shown, each fed extreme values through every
    // operation that takes them.
    void populateExtremes()
    {
        view.SetCube(0x008000, true);
        view.SetAxes(0x808000, true);
        view.ShowTrace = true;
        view.AddNParticles(2, 1, INT32_MAX, kNaN, kHuge, -kHuge, 0xFF, 0);
        view.AddNSegments(2, 0, INT32_MAX, kInf, -kInf, kNaN, kHuge, 0, 0, 0xFF, 0);
        view.AddNPoints(2, 1, INT32_MIN, kHuge, kHuge, kHuge, 0xFF, 0);
        view.AddNPlanes(2, 1, kNaN, 0, 0, kHuge, 0, 0, 0, kInf, 0, 0, 0, -kHuge, 0xFF, 0);
        view.AddNLabels(2, INT32_MIN, kInf, kInf, kInf, 0xFF, "extremo");
        view.AddNTraces(2, 0, 0xFF, 1, 3);
        view.NParticles = view.NSegments = view.NPoints = view.NPlanes = view.NLabels = 2;
        view.NTraces = 2;
        view.LinkTraceToParticle(1, 1, 0, 0xFF, 1, 3, 1);
        view.LinkTraceToParticle(2, 2, 1, 0xFF, 1, 3, 1);

        const float values[] = {kNaN, kInf, -kInf, kHuge, -kHuge, 149.99999f, -1e30f};
        for (float v : values) {
            view.MoveParticle(1, v, 50, 50);
            view.MoveParticle(2, 50, v, -v);
            view.MoveSegment(1, v, v, v, -v, -v, -v);
            view.MovePoint(2, v, 0, v);
            view.MovePlane(1, v, 0, 0, 0, v, 0, 0, 0, v, v, v, v);
            view.MoveLabel(1, 0, v, 0);
        }
        for (int32_t value : {INT32_MIN, -1, INT32_MAX}) {
            view.ChangeParticleProperties(3, 2, value);
            view.ChangeSegmentProperties(3, 2, value);
            view.ChangePointProperties(3, 1, value);
            view.ChangeLabelProperties(3, 2, value);
            view.ChangeParticleProperties(2, 1, value); // shape: low 8 bits
            view.ChangeSegmentProperties(1, 1, value);  // pen style: low 8 bits
        }
        for (float value : {kNaN, kInf, -kHuge, 1e10f}) {
            view.ChangePlaneProperties(1, 2, value);
            view.ChangePlaneProperties(2, 2, value);
        }
    }
};

TEST_F(ExtremesTest, EveryKindTakesHugeAndNonFiniteValuesAtAnyZoom)
{
    view.UpdateInmediate = true; // each change is drawn at once, too
    populateExtremes();
    for (float zoom : {0.0f, -1.0f, -1e30f, 1e30f, kNaN, kInf}) {
        view.Zoom = zoom;
        view.ProjectAll();
        view.ClearWorld();
        view.DrawWorld();
    }
    EXPECT_EQ(view.Buffer().size(), QSize(200, 200));
    EXPECT_EQ(view.particles()[1].X, -1e30f - view.CenterX);
    EXPECT_EQ(view.particles()[2].Radius, INT32_MAX);
    EXPECT_EQ(view.points()[1].Size, INT32_MAX);
}

TEST_F(ExtremesTest, TinyAndEmptyViewsTakeEveryOperation)
{
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(0, 300), QSize(5000, 1)}) {
        view.resize(size);
        view.UpdateWorldSize();
        populateExtremes();
        view.ProjectAll();
        view.ClearWorld();
        view.DrawWorld();
        EXPECT_EQ(view.Buffer().size(), size.isEmpty() ? QSize(0, 0) : size) << size.width();
    }
}

TEST_F(ExtremesTest, DegenerateAndHugeBoxesProjectWithoutFailing)
{
    populateExtremes();
    const float boxes[][2] = {{0, 0}, {100, 0}, {-kHuge, kHuge}, {kNaN, 100}, {0, kInf}};
    for (const auto &box : boxes) {
        view.XMin = view.YMin = view.ZMin = box[0];
        view.XMax = view.YMax = view.ZMax = box[1];
        view.UpdateWorldSize();
        view.SetCube(0x008000, true);
        view.SetAxes(0x808000, true);
        view.MoveParticle(1, 50, 50, 50);
        view.ProjectAll();
        view.DrawWorld();
    }
    EXPECT_EQ(view.Buffer().size(), QSize(200, 200));
}

TEST_F(ExtremesTest, NegativeAndOversizedInUseCountsDrawOnlyWhatExists)
{
    populateExtremes();
    view.NParticles = view.NSegments = view.NPoints = view.NPlanes = view.NLabels = INT32_MIN;
    view.NTraces = -1;
    view.ProjectAll();
    view.DrawWorld();
    view.NTraces = INT32_MAX;
    view.NParticles = view.NSegments = view.NPoints = view.NPlanes = view.NLabels = 0;
    view.ProjectAll();
    view.DrawWorld();
    EXPECT_EQ(view.Buffer().size(), QSize(200, 200));
}

} // namespace
