#include "worldtest.h"

#include <cstring>
#include <string>

namespace {

using molvix::test::WorldTest;
using StoreTest = WorldTest;

TEST_F(StoreTest, AddNCreatesNPlusOneInitialisedRecordsKeepingCoordinatesAsGiven)
{
    view.AddNParticles(3, 2, 7, 10.0f, 20.0f, 30.0f, 0x123456, 4);
    ASSERT_EQ(view.MaxParticles(), 4);
    for (const TParticleRec &p : view.particles()) { // slot 0 included
        EXPECT_EQ(p.Shape, 2);
        EXPECT_EQ(p.Radius, 7);
        EXPECT_EQ(p.X, 10.0f);
        EXPECT_EQ(p.Y, 20.0f);
        EXPECT_EQ(p.Z, 30.0f);
        EXPECT_EQ(p.Color, 0x123456);
        EXPECT_EQ(p.PenStyle, 4);
        EXPECT_EQ(p.SX, 0);
        EXPECT_EQ(p.SY, 0);
        EXPECT_EQ(p.Trace, 0);
    }

    view.AddNPlanes(2, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x00FF00, 6);
    ASSERT_EQ(view.MaxPlanes(), 3);
    const TPlaneRec &plane = view.planes()[2];
    EXPECT_EQ(plane.Pass, 1);
    EXPECT_EQ(plane.X1, 1.0f);
    EXPECT_EQ(plane.Z4, 12.0f);
    EXPECT_EQ(plane.Color, 0x00FF00);
    EXPECT_EQ(plane.BrushStyle, 6);

    view.AddNPoints(1, 1, 3, 4, 5, 6, 0xFF, 2);
    ASSERT_EQ(view.MaxPoints(), 2);
    EXPECT_EQ(view.points()[1].Size, 3);
    EXPECT_EQ(view.points()[1].Z, 6.0f);

    view.AddNTraces(2, 1, 0xFF, 3, 8);
    ASSERT_EQ(view.MaxTraces(), 3);
    EXPECT_EQ(view.MaxTracePoints(), 9);
    const TTraceRec &t = view.traces()[1];
    EXPECT_EQ(t.Active, 0);
    EXPECT_EQ(t.Style, 1);
    EXPECT_EQ(t.WriteCount, 1);
    EXPECT_EQ(t.SampleCount, 1);
    EXPECT_EQ(t.TraceLength, 8);
    EXPECT_EQ(t.Interval, 3);
    EXPECT_EQ(t.XS.size(), 9u);
    EXPECT_EQ(t.Valid.size(), 9u);
}

TEST_F(StoreTest, MovesStoreCoordinatesRelativeToTheBoxCentre)
{
    view.AddNParticles(1, 1, 3, 0, 0, 0, 0xFF, 0);
    view.MoveParticle(1, 60.0f, 70.0f, 80.0f);
    EXPECT_EQ(view.particles()[1].X, 10.0f);
    EXPECT_EQ(view.particles()[1].Y, 20.0f);
    EXPECT_EQ(view.particles()[1].Z, 30.0f);

    view.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    view.MoveSegment(1, 0, 0, 0, 100, 100, 100);
    EXPECT_EQ(view.segments()[1].X1, -50.0f);
    EXPECT_EQ(view.segments()[1].Z2, 50.0f);

    view.AddNLabels(1, 12, 0, 0, 0, 0xFF, "a");
    view.MoveLabel(1, 50, 50, 50);
    EXPECT_EQ(view.labels()[1].SX, 100);
    EXPECT_EQ(view.labels()[1].SY, 100);
}

TEST_F(StoreTest, ASecondAddNReplacesTheStoreButNotTheInUseCount)
{
    view.AddNSegments(5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    view.NSegments = 5;
    view.ChangeSegmentProperties(0, 3, 0xFFFFFF);
    view.AddNSegments(5, 1, 2, 0, 0, 0, 0, 0, 0, 0x00FF00, 0);
    EXPECT_EQ(view.NSegments, 5);
    EXPECT_EQ(view.segments()[3].Color, 0x00FF00);
    EXPECT_EQ(view.segments()[3].Arrow, 1);
}

TEST_F(StoreTest, NoObjectsOrANegativeCountLeaveOneUnreachableSlot)
{
    view.AddNParticles(0, 1, 3, 0, 0, 0, 0, 0);
    EXPECT_EQ(view.MaxParticles(), 1);
    view.AddNParticles(-7, 1, 3, 0, 0, 0, 0, 0);
    EXPECT_EQ(view.MaxParticles(), 1);
}

TEST_F(StoreTest, PropertyCodesReachTheirFieldsKeepingLowBytes)
{
    view.AddNParticles(2, 1, 3, 0, 0, 0, 0, 0);
    view.ChangeParticleProperties(0, 2, 0x00FFFF);
    view.ChangeParticleProperties(1, 2, 0x1FF);
    view.ChangeParticleProperties(2, 2, 0x302);
    view.ChangeParticleProperties(3, 2, 9);
    const TParticleRec &p = view.particles()[2];
    EXPECT_EQ(p.Color, 0x00FFFF);
    EXPECT_EQ(p.PenStyle, 0xFF);
    EXPECT_EQ(p.Shape, 0x02);
    EXPECT_EQ(p.Radius, 9);
    EXPECT_EQ(view.particles()[1].Color, 0) << "only the addressed record changes";

    view.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    view.ChangeSegmentProperties(2, 1, 1);
    view.ChangeSegmentProperties(3, 1, 4);
    EXPECT_EQ(view.segments()[1].Arrow, 1);
    EXPECT_EQ(view.segments()[1].Width, 4);

    view.AddNPoints(1, 0, 1, 0, 0, 0, 0, 0);
    view.ChangePointProperties(2, 1, 1);
    view.ChangePointProperties(3, 1, 6);
    EXPECT_EQ(view.points()[1].Style, 1);
    EXPECT_EQ(view.points()[1].Size, 6);
}

TEST_F(StoreTest, PlaneValuesAreTruncatedTowardZero)
{
    view.AddNPlanes(1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    view.ChangePlaneProperties(0, 1, 255.9f);
    EXPECT_EQ(view.planes()[1].Color, 255);
    view.ChangePlaneProperties(2, 1, 2.99f);
    EXPECT_EQ(view.planes()[1].Pass, 2);
    view.ChangePlaneProperties(1, 1, -0.9f);
    EXPECT_EQ(view.planes()[1].BrushStyle, 0);
    view.ChangePlaneProperties(0, 1, 1e30f); // saturates instead of overflowing
    EXPECT_EQ(view.planes()[1].Color, INT32_MAX);
    view.ChangePlaneProperties(3, 1, 7.0f); // code 3 changes nothing on a plane
    EXPECT_EQ(view.planes()[1].Color, INT32_MAX);
}

TEST_F(StoreTest, LabelTextsAreCutToTheirField)
{
    const std::string thirty(30, 'a');
    view.AddNLabels(2, 12, 0, 0, 0, 0xFF, thirty.c_str());
    EXPECT_EQ(std::strlen(view.labels()[1].Text), 27u);
    view.AddNLabels(2, 12, 0, 0, 0, 0xFF, nullptr);
    EXPECT_STREQ(view.labels()[1].Text, "");

    const std::string twentyFive = "abcdefghijklmnopqrstuvwxy";
    view.ChangeLabelText(1, twentyFive.c_str());
    EXPECT_EQ(std::string(view.labels()[1].Text), twentyFive);
    view.ChangeLabelText(2, (twentyFive + "z0123").c_str());
    EXPECT_EQ(std::string(view.labels()[2].Text), twentyFive);
    view.ChangeLabelText(1, "short");
    EXPECT_STREQ(view.labels()[1].Text, "short");
    EXPECT_EQ(view.labels()[1].Text[6], '\0') << "the old tail is cleared";
}

TEST_F(StoreTest, FreeReleasesTheStoreAndKeepsTheInUseCount)
{
    view.AddNParticles(4, 1, 3, 0, 0, 0, 0, 0);
    view.AddNTraces(2, 0, 0, 1, 5);
    view.NParticles = 4;
    view.FreeParticles();
    view.FreeTraces();
    EXPECT_EQ(view.MaxParticles(), 0);
    EXPECT_EQ(view.MaxTraces(), 0);
    EXPECT_EQ(view.MaxTracePoints(), 0);
    EXPECT_EQ(view.NParticles, 4);
}

// With UpdateInmediate a change shows at once on the component's own canvas
// (not in the off-screen frame); without it, only at the next DrawWorld.
class ImmediateDrawingTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        view.ClearWorld();
        view.AddNParticles(1, 1, 4, 0, 0, 0, 0x0000FF, 0);
        view.AddNLabels(1, 12, 0, 0, 0, 0x00FF00, "WW");
        view.AddNPlanes(1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF0000, 0);
    }
};

TEST_F(ImmediateDrawingTest, MovesDrawOnTheOwnCanvasOnlyWhenImmediate)
{
    moveParticleTo(1, 50, 50);
    EXPECT_EQ(pixel(view.canvasImage(), 50, 50), rgb(0));
    view.UpdateInmediate = true;
    moveParticleTo(1, 60, 60);
    view.canvas().end();
    EXPECT_EQ(pixel(view.canvasImage(), 60, 60), rgb(0x0000FF));
    EXPECT_NE(pixel(view.Buffer(), 60, 60), rgb(0x0000FF)) << "the off-screen frame is untouched";
}

TEST_F(ImmediateDrawingTest, LabelCodesThatChangeNothingStillDraw)
{
    const World w = at(20, 20);
    view.MoveLabel(1, w.x, w.y, w.z);
    view.UpdateInmediate = true;
    view.ChangeLabelProperties(1, 1, 99);
    view.canvas().end();
    int green = 0;
    for (int y = 20; y < 40; ++y) {
        for (int x = 20; x < 60; ++x) {
            green += pixel(view.canvasImage(), x, y) == rgb(0x00FF00) ? 1 : 0;
        }
    }
    EXPECT_GT(green, 0);
}

TEST_F(ImmediateDrawingTest, PlanesNeverDrawAtOnce)
{
    view.UpdateInmediate = true;
    view.MovePlane(1, 50, 0, 0, 50, 100, 0, 50, 100, 100, 50, 0, 100);
    view.ChangePlaneProperties(2, 1, 1.0f);
    view.canvas().end();
    EXPECT_EQ(pixel(view.canvasImage(), 100, 100), rgb(0));
}

} // namespace
