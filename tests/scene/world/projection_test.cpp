#include "worldtest.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

using molvix::test::WorldTest;
using ProjectionTest = WorldTest;

TEST_F(ProjectionTest, TablesUseThe31415ConstantInSinglePrecision)
{
    EXPECT_EQ(view.CosTable[0], 1.0f);
    EXPECT_EQ(view.SinTable[0], 0.0f);
    // cos(90 * 3.1415 / 180) = cos(1.57075) is 4.63e-5, not 0.
    EXPECT_NEAR(view.CosTable[90], 4.6327e-5f, 2e-8f);
    EXPECT_NEAR(view.SinTable[180], 9.2654e-5f, 2e-8f);
    // cos(60 deg) comes out 0.5000268 rather than 0.5.
    EXPECT_NEAR(view.CosTable[60], 0.5000268f, 3e-7f);
    EXPECT_NEAR(view.SinTable[270], -1.0f, 1e-6f);
    EXPECT_TRUE(view.TablesReady);
}

TEST_F(ProjectionTest, TheBoxCentreAndAPointStraightBehindItMeetOnTheOrigin)
{
    EXPECT_EQ(view.Project(0, 0, 0), QPoint(100, 100)); // world (50, 50, 50)
    EXPECT_EQ(view.Project(-50, 0, 0), QPoint(100, 100)); // world (0, 50, 50): depth -50
}

TEST_F(ProjectionTest, StartAnglesShowYToTheRightAndZUpward)
{
    EXPECT_EQ(view.Project(0, 50, 0), QPoint(200, 100));
    EXPECT_EQ(view.Project(0, 0, 50), QPoint(100, 0));
    // Depth -50 shrinks by f = 100 / 150: 100 + 50 * 2/3 * 2 = 166.67.
    EXPECT_EQ(view.Project(-50, 50, 0), QPoint(166, 100));
}

TEST_F(ProjectionTest, NinetyDegreesShowXToTheRightAndYUpward)
{
    view.Alfa = 90;
    view.Beta = 90;
    EXPECT_EQ(view.Project(50, 0, 0), QPoint(200, 100));
    EXPECT_EQ(view.Project(0, 50, 0), QPoint(100, 0));
}

TEST_F(ProjectionTest, ZoomScalesAboutTheOriginAndZeroCollapsesEverything)
{
    view.Zoom = 0.5f;
    EXPECT_EQ(view.Project(0, 50, 0), QPoint(150, 100));
    view.Zoom = 0.0f;
    for (float c : {-1000.0f, -50.0f, 0.0f, 37.0f, 1e6f}) {
        EXPECT_EQ(view.Project(c, c, c), QPoint(100, 100)) << c;
    }
    view.Zoom = -1.0f; // mirrored, never a failure
    EXPECT_EQ(view.Project(0, 50, 0), QPoint(0, 100));
}

TEST_F(ProjectionTest, PointsAtOrNearTheEyeSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(view.Project(100, 10, 10), QPoint(100, 100)) << "d equal to the eye distance gives f = 0";
    const QPoint far = view.Project(99.99999f, 1e6f, -1e6f);
    EXPECT_EQ(far.x(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(far.y(), std::numeric_limits<int32_t>::max());
    const QPoint nan = view.Project(std::nanf(""), 0, 0);
    EXPECT_EQ(nan, QPoint(0, 0));
    view.Zoom = 1e30f;
    EXPECT_NO_FATAL_FAILURE(view.Project(1, 1, 1));
}

TEST_F(ProjectionTest, AnglesOutsideTheTableAreWrappedNotReadOutOfBounds)
{
    view.Alfa = 90;
    const QPoint expected = view.Project(10, 20, 30);
    view.Alfa = 90 + 360;
    EXPECT_EQ(view.Project(10, 20, 30), expected);
    view.Alfa = 90 - 720;
    EXPECT_EQ(view.Project(10, 20, 30), expected);
}

TEST_F(ProjectionTest, WorldSizeFollowsTheControlAndTheBox)
{
    view.resize(301, 151);
    view.XMin = 10;
    view.XMax = 110;
    view.UpdateWorldSize();
    EXPECT_EQ(view.OriginX, 150.0f); // integer halves
    EXPECT_EQ(view.OriginY, 75.0f);
    EXPECT_EQ(view.CenterX, 60.0f);
    EXPECT_EQ(view.CenterY, 50.0f);
    EXPECT_FLOAT_EQ(view.ScaleX, 301.0f / 100.0f);
    EXPECT_FLOAT_EQ(view.ScaleY, 151.0f / 100.0f);
    EXPECT_EQ(view.EyeDistance, 100.0f);
    EXPECT_EQ(view.ViewRect, QRect(0, 0, 301, 151));
    EXPECT_EQ(view.Buffer().size(), QSize(301, 151));
}

TEST_F(ProjectionTest, ViewExtentGrowsButNeverShrinksAndIsShared)
{
    EXPECT_EQ(TVx3DWorld::ViewExtent, 100.0f);
    view.YMax = 200;
    view.UpdateWorldSize();
    EXPECT_EQ(TVx3DWorld::ViewExtent, 200.0f);
    EXPECT_FLOAT_EQ(view.ScaleX, 1.0f) << "the scale follows the grown extent";
    view.YMax = 50;
    view.UpdateWorldSize();
    EXPECT_EQ(TVx3DWorld::ViewExtent, 200.0f) << "a smaller box keeps the extent";
    EXPECT_FLOAT_EQ(view.ScaleX, 1.0f);

    TVx3DWorld other; // a second view sees the same extent
    other.resize(200, 200);
    other.UpdateWorldSize();
    EXPECT_FLOAT_EQ(other.ScaleX, 1.0f);
    EXPECT_EQ(other.EyeDistance, 200.0f);
}

TEST_F(ProjectionTest, ABoxWithNoExtentProjectsOntoTheOrigin)
{
    TVx3DWorld::ResetSharedState();
    view.XMax = 0;
    view.YMax = 0;
    view.ZMax = 0;
    view.UpdateWorldSize();
    EXPECT_EQ(view.ScaleX, 0.0f);
    EXPECT_EQ(view.Project(5, 5, 5), QPoint(100, 100));
}

TEST_F(ProjectionTest, AZeroSizedViewTakesEveryOperation)
{
    view.resize(0, 0);
    view.UpdateWorldSize();
    EXPECT_TRUE(view.Buffer().isNull());
    view.AddNParticles(1, 1, 3, 0, 0, 0, 0xFF, 0);
    view.NParticles = 1;
    view.MoveParticle(1, 50, 50, 50);
    view.ClearWorld();
    view.DrawWorld();
    EXPECT_EQ(view.particles()[1].SX, 0);
}

TEST_F(ProjectionTest, CubeHasTheTwelveEdgesOfTheBoxCentred)
{
    view.SetCube(0x008000, true);
    EXPECT_EQ(view.CubeColor, 0x008000);
    EXPECT_TRUE(view.ShowCube);
    const float l = -50, h = 50;
    const std::array<std::array<float, 6>, 12> expected = {{
        {l, l, l, h, l, l}, {l, l, l, l, h, l}, {h, h, l, h, l, l}, {h, h, l, l, h, l},
        {l, l, h, h, l, h}, {l, l, h, l, h, h}, {h, h, h, h, l, h}, {h, h, h, l, h, h},
        {l, l, l, l, l, h}, {l, h, l, l, h, h}, {h, h, l, h, h, h}, {h, l, l, h, l, h},
    }};
    EXPECT_EQ(view.CubeEdges, expected);
    for (int e = 0; e < 12; ++e) {
        const auto &c = view.CubeEdges[e];
        EXPECT_EQ(QPoint(view.CubeScreen[e][0], view.CubeScreen[e][1]), view.Project(c[0], c[1], c[2]));
        EXPECT_EQ(QPoint(view.CubeScreen[e][2], view.CubeScreen[e][3]), view.Project(c[3], c[4], c[5]));
    }
    // The back face (x = 0, depth -50) is the square 33..166.
    EXPECT_EQ(view.CubeScreen[5][0], 33);
    EXPECT_EQ(view.CubeScreen[5][1], 33);
}

TEST_F(ProjectionTest, AxesHaveTheirSeventeenStrokes)
{
    view.SetAxes(0x808000, true);
    EXPECT_EQ(view.AxesColor, 0x808000);
    EXPECT_TRUE(view.ShowAxes);
    const float t = 100.0f / 30.0f;
    // World coordinates for the box 0..100: A = 110, B = 115.5, m = 112.75.
    const float expected[17][6] = {
        {0, 0, 0, 120, 0, 0},          {0, 0, 0, 0, 120, 0},          {0, 0, 0, 0, 0, 120},
        {110, 0, -5.5, 115.5, 0, -11}, {115.5, 0, -5.5, 110, 0, -11}, {0, 110, -5.5, 0, 112.75, -11},
        {0, 115.5, -5.5, 0, 112.75, -11}, {0, 112.75, -11, 0, 112.75, -14.3},
        {0, 0, 105, 0, -5, 105},       {0, -5, 105, 0, 0, 110},       {0, 0, 110, 0, -5, 110},
        {0, 0, 120, 0, -t, 115},       {0, 0, 120, 0, t, 115},        {0, 120, 0, 0, 115, t},
        {0, 120, 0, 0, 115, -t},       {120, 0, 0, 115, -t, 0},       {120, 0, 0, 115, t, 0},
    };
    for (int s = 0; s < 17; ++s) {
        for (int c = 0; c < 6; ++c) {
            EXPECT_NEAR(view.AxesStrokes[s][c], expected[s][c] - 50.0f, 1e-4f)
                << "stroke " << s + 1 << " coordinate " << c;
        }
    }
}

TEST_F(ProjectionTest, AxisLettersStandAtXZeroWhateverTheBoxStart)
{
    view.XMin = 20;
    view.UpdateWorldSize(); // centre x 60
    view.SetAxes(0x808000, true);
    EXPECT_NEAR(view.AxesStrokes[5][0], -60.0f, 1e-5f); // letter Y
    EXPECT_NEAR(view.AxesStrokes[8][0], -60.0f, 1e-5f); // letter Z
    EXPECT_NEAR(view.AxesStrokes[0][0], -40.0f, 1e-5f); // the X axis starts at XMin
    EXPECT_NEAR(view.AxesStrokes[11][4], -50.0f - 80.0f / 30.0f, 1e-4f); // T = (XMax - XMin) / 30
}

TEST_F(ProjectionTest, ProjectAllFollowsANewAngleForEveryKind)
{
    view.AddNParticles(1, 1, 3, 0, 0, 0, 0xFF, 0);
    view.AddNSegments(1, 1, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    view.AddNPoints(1, 0, 1, 0, 0, 0, 0xFF, 0);
    view.AddNPlanes(1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    view.AddNLabels(1, 10, 0, 0, 0, 0xFF, "L");
    view.NParticles = view.NSegments = view.NPoints = view.NPlanes = view.NLabels = 1;
    view.MoveParticle(1, 80, 50, 50);
    view.MoveSegment(1, 80, 50, 50, 50, 80, 50);
    view.MovePoint(1, 80, 50, 50);
    view.MovePlane(1, 80, 50, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    view.MoveLabel(1, 80, 50, 50);
    EXPECT_EQ(view.particles()[1].SX, 100) << "x is depth at the start angles";
    view.Alfa = 90;
    view.Beta = 90;
    view.ProjectAll();
    const int expectedX = view.Project(30, 0, 0).x();
    EXPECT_GT(expectedX, 150);
    EXPECT_EQ(view.particles()[1].SX, expectedX);
    EXPECT_EQ(view.segments()[1].SX1, expectedX);
    EXPECT_EQ(view.points()[1].SX, expectedX);
    EXPECT_EQ(view.planes()[1].SX1, expectedX);
    EXPECT_EQ(view.labels()[1].SX, expectedX);
    EXPECT_EQ(view.CubeScreen[0][0], view.Project(-50, -50, -50).x()) << "the box follows too";
}

TEST_F(ProjectionTest, ProjectAllTakesCountsAboveTheStores)
{
    view.AddNParticles(1, 1, 3, 0, 0, 0, 0xFF, 0);
    view.MoveParticle(1, 50, 80, 50);
    view.NParticles = 50;
    view.NSegments = 7;
    view.NTraces = 3;
    view.Alfa = 90;
    view.ProjectAll();
    EXPECT_EQ(view.particles()[1].SX, view.Project(0, 30, 0).x());
}

} // namespace
