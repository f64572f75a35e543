#include "worldtest.h"

#include <QSet>

#include <cmath>
#include <limits>

namespace {

using molvix::test::WorldTest;

constexpr TColor kBlack = 0x000000;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kAqua = 0xFFFF00;
constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kLime = 0x00FF00;
constexpr TColor kGrey = 0x808080;
constexpr TColor kTeal = 0x808000;

class DrawingTest : public WorldTest
{
protected:
    QRgb frame(int x, int y) const { return pixel(view.Buffer(), x, y); }
    void movePlaneTo(int index, int left, int top, int right, int bottom)
    {
        const World a = at(left, top), b = at(right, top), c = at(right, bottom), d = at(left, bottom);
        view.MovePlane(index, a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z, d.x, d.y, d.z);
    }
    void movePointTo(int index, int sx, int sy)
    {
        const World w = at(sx, sy);
        view.MovePoint(index, w.x, w.y, w.z);
    }
    int countIn(QRect area, TColor colour) const
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += frame(x, y) == rgb(colour) ? 1 : 0;
            }
        }
        return n;
    }
};

// One frame with every kind of object, checked pixel by pixel.
class FullFrameTest : public DrawingTest
{
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        view.SetCube(kGreen, true);
        view.SetAxes(kTeal, true);

        view.AddNPlanes(3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kRed, 0);
        movePlaneTo(1, 50, 50, 90, 90);                  // behind everything
        view.ChangePlaneProperties(0, 2, float(kBlue));
        view.ChangePlaneProperties(2, 2, 0.0f);
        movePlaneTo(2, 110, 50, 150, 90);                // over everything
        view.ChangePlaneProperties(0, 3, float(kMagenta));
        view.ChangePlaneProperties(2, 3, 2.0f);
        movePlaneTo(3, 95, 95, 105, 105);                // never drawn
        view.NPlanes = 3;

        view.AddNParticles(7, 1, 5, 0, 0, 0, kYellow, 0);
        moveParticleTo(1, 70, 70);                       // filled circle on the back plane
        view.ChangeParticleProperties(0, 2, kBlack);     // hidden: the view's own colour
        moveParticleTo(2, 60, 80);
        moveParticleTo(3, 130, 70);                      // under the front plane
        view.ChangeParticleProperties(2, 4, 0);          // hollow circle
        moveParticleTo(4, 50, 120);
        view.ChangeParticleProperties(2, 5, 2);          // hollow square
        moveParticleTo(5, 70, 120);
        view.ChangeParticleProperties(2, 6, 3);          // filled square
        moveParticleTo(6, 90, 120);
        view.ChangeParticleProperties(3, 7, 3);
        view.NParticles = 7;

        view.AddNSegments(2, 0, 1, 0, 0, 0, 0, 0, 0, kWhite, 0);
        moveSegmentTo(1, 50, 160, 90, 160);              // with an arrow head
        view.ChangeSegmentProperties(2, 2, 1);
        moveSegmentTo(2, 110, 160, 150, 160);            // plain line
        view.NSegments = 2;

        view.AddNPoints(2, 0, 2, 0, 0, 0, kAqua, 0);
        movePointTo(1, 115, 120);                        // a circle
        view.ChangePointProperties(2, 2, 1);
        movePointTo(2, 145, 140);                        // joined to point 1
        view.NPoints = 2;

        view.AddNLabels(1, 14, 0, 0, 0, kLime, "MW");
        const World l = at(120, 96);
        view.MoveLabel(1, l.x, l.y, l.z);
        view.NLabels = 1;

        view.AddNTraces(1, 0, kGrey, 1, 3);
        view.LinkTraceToParticle(1, 7, 0, kGrey, 1, 3, 1);
        view.NTraces = 1;
        view.ShowTrace = true;
        for (int y : {95, 100, 105}) {
            moveParticleTo(7, 40, y);
        }

        view.DrawWorld();
    }
};

TEST_F(FullFrameTest, TheFrameReachesTheCanvasInOneCopy)
{
    view.canvas().end();
    EXPECT_EQ(view.canvasImage(), view.Buffer());
}

TEST_F(FullFrameTest, BackgroundAndBoxOutline)
{
    EXPECT_EQ(frame(100, 185), rgb(kBlack));
    EXPECT_EQ(frame(100, 33), rgb(kGreen)) << "top edge of the back face";
    EXPECT_EQ(frame(166, 100), rgb(kGreen)) << "right edge of the back face";
    EXPECT_EQ(frame(33, 100), rgb(kTeal)) << "the Z axis, drawn after the box, runs up its left edge";
}

TEST_F(FullFrameTest, BackPlaneLiesUnderTheParticles)
{
    EXPECT_EQ(frame(55, 55), rgb(kRed));
    EXPECT_EQ(frame(70, 70), rgb(kYellow));
    EXPECT_EQ(frame(65, 65), rgb(kRed)) << "a circle leaves its box corners alone";
}

TEST_F(FullFrameTest, AHiddenParticleLeavesNoMark)
{
    EXPECT_EQ(frame(60, 80), rgb(kRed));
    EXPECT_EQ(countIn(QRect(54, 74, 12, 12), kBlack), 0);
}

TEST_F(FullFrameTest, FrontPlaneCoversTheParticles)
{
    EXPECT_EQ(frame(130, 70), rgb(kBlue));
    EXPECT_EQ(countIn(QRect(110, 50, 41, 41), kYellow), 0);
}

TEST_F(FullFrameTest, PlanesOfAnyOtherPassAreNeverDrawn)
{
    EXPECT_EQ(countIn(QRect(95, 95, 11, 11), kMagenta), 0);
}

TEST_F(FullFrameTest, ParticleShapes)
{
    EXPECT_EQ(frame(50, 120), rgb(kBlack)) << "hollow circle";
    EXPECT_EQ(frame(45, 120), rgb(kYellow));
    EXPECT_EQ(frame(70, 120), rgb(kBlack)) << "hollow square";
    EXPECT_EQ(frame(65, 115), rgb(kYellow));
    EXPECT_EQ(frame(65, 120), rgb(kYellow));
    EXPECT_EQ(frame(90, 120), rgb(kYellow)) << "filled square";
    EXPECT_EQ(frame(85, 115), rgb(kYellow));
    EXPECT_EQ(frame(95, 120), rgb(kBlack)) << "right edge excluded";
}

TEST_F(FullFrameTest, SegmentsWithAndWithoutArrowHeads)
{
    EXPECT_EQ(frame(70, 160), rgb(kWhite));
    EXPECT_EQ(frame(81, 156), rgb(kWhite)) << "arrow head base, 9 back from the tip";
    EXPECT_EQ(frame(81, 164), rgb(kWhite));
    EXPECT_EQ(frame(130, 160), rgb(kWhite));
    EXPECT_EQ(countIn(QRect(110, 150, 41, 8), kWhite), 0) << "a plain line has no head";
}

TEST_F(FullFrameTest, JoinedPointsFormALineAndOthersACircle)
{
    EXPECT_EQ(frame(113, 120), rgb(kAqua)) << "left of the circle of radius 2";
    EXPECT_EQ(frame(130, 130), rgb(kAqua)) << "on the line from point 1 to point 2";
    EXPECT_EQ(TVx3DWorld::PrevPointX, 145);
    EXPECT_EQ(TVx3DWorld::PrevPointY, 140);
}

TEST_F(FullFrameTest, LabelTextBelowAndRightOfItsPoint)
{
    EXPECT_GT(countIn(QRect(120, 96, 30, 18), kLime), 10);
    EXPECT_EQ(countIn(QRect(100, 80, 60, 16), kLime), 0);
    EXPECT_EQ(countIn(QRect(100, 96, 20, 18), kLime), 0);
}

TEST_F(FullFrameTest, TraceRunsThroughItsSamplesToTheParticle)
{
    EXPECT_EQ(frame(40, 96), rgb(kGrey));
    EXPECT_EQ(frame(40, 105), rgb(kYellow)) << "the particle is drawn after the trace";
}

TEST_F(DrawingTest, EmptySceneShowsOnlyTheBackgroundAndTheBox)
{
    view.SetCube(kGreen, true);
    view.DrawWorld();
    QSet<QRgb> colours;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            colours.insert(frame(x, y));
        }
    }
    EXPECT_EQ(colours, (QSet<QRgb>{rgb(kBlack), rgb(kGreen)}));
    view.ShowCube = false;
    view.DrawWorld();
    EXPECT_EQ(frame(100, 33), rgb(kBlack));
}

TEST_F(DrawingTest, AxesAppearOnlyWhileShown)
{
    view.Alfa = 30;
    view.Beta = 20;
    view.Zoom = 0.6f;
    view.ProjectAll();
    view.SetAxes(kTeal, true);
    view.DrawWorld();
    EXPECT_GT(countIn(QRect(0, 0, 200, 200), kTeal), 50);
    view.SetAxes(kTeal, false);
    view.DrawWorld();
    EXPECT_EQ(countIn(QRect(0, 0, 200, 200), 0x808000), 0);
}

TEST_F(DrawingTest, ZeroLengthArrowPointsRight)
{
    view.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, kWhite, 0);
    moveSegmentTo(1, 100, 100, 100, 100);
    view.NSegments = 1;
    view.DrawWorld();
    EXPECT_EQ(frame(91, 96), rgb(kWhite)) << "base 9 pixels left of the tip";
    EXPECT_EQ(frame(91, 104), rgb(kWhite));
    EXPECT_EQ(countIn(QRect(101, 90, 20, 20), kWhite), 0) << "nothing right of the tip";
}

TEST_F(DrawingTest, HorizontalArrowBaseSpansEightPixels)
{
    view.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, kWhite, 0);
    moveSegmentTo(1, 150, 100, 60, 100); // pointing left, tip at 60
    view.NSegments = 1;
    view.DrawWorld();
    for (int y = 96; y <= 104; ++y) {
        EXPECT_EQ(frame(69, y), rgb(kWhite)) << y;
    }
    EXPECT_EQ(frame(69, 95), rgb(kBlack));
    EXPECT_EQ(frame(69, 105), rgb(kBlack));
    EXPECT_EQ(frame(59, 100), rgb(kBlack)) << "the tip is the end point";
}

TEST_F(DrawingTest, PenStyleCarriesIntoTheNextFrame)
{
    view.SetCube(kGreen, true);
    view.AddNParticles(1, 1, 3, 0, 0, 0, kYellow, 5); // a clear pen
    moveParticleTo(1, 100, 100);
    view.NParticles = 1;
    view.DrawWorld();
    EXPECT_EQ(frame(100, 33), rgb(kGreen)) << "the first frame starts with a solid pen";
    view.DrawWorld();
    EXPECT_EQ(frame(100, 33), rgb(kBlack)) << "the box inherits the particle's clear pen";
}

TEST_F(DrawingTest, TheFirstJoinedPointContinuesFromTheLastPointOfAnyView)
{
    TVx3DWorld other;
    other.resize(200, 200);
    other.Zoom = 1.0f;
    other.UpdateWorldSize();
    other.AddNPoints(1, 0, 1, 0, 0, 0, kWhite, 0);
    const World w = at(20, 20);
    other.MovePoint(1, w.x, w.y, w.z);
    other.NPoints = 1;
    other.DrawWorld();

    view.AddNPoints(1, 1, 1, 0, 0, 0, kWhite, 0);
    movePointTo(1, 180, 180);
    view.NPoints = 1;
    view.DrawWorld();
    EXPECT_EQ(frame(100, 100), rgb(kWhite)) << "a line from (20, 20) to (180, 180)";
}

TEST_F(DrawingTest, ClearWorldFillsTheOwnCanvasWithTheViewColour)
{
    view.Color = kBlue;
    view.ClearWorld();
    view.canvas().end();
    EXPECT_EQ(pixel(view.canvasImage(), 0, 0), rgb(kBlue));
    EXPECT_EQ(pixel(view.canvasImage(), 199, 199), rgb(kBlue));
}

// A hatched plane's brush style stays, but every background, resized too, is solid.
TEST_F(DrawingTest, EveryFrameReplacesTheWholePictureWhateverBrushAPlaneLeft)
{
    view.Color = kBlue;
    view.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kRed, Vx3DCanvas::BsCross);
    movePlaneTo(1, 150, 150, 190, 190);
    view.NPlanes = 1;
    view.AddNParticles(1, 1, 5, 0, 0, 0, kYellow, 0);
    view.NParticles = 1;
    moveParticleTo(1, 50, 50);
    view.DrawWorld();
    moveParticleTo(1, 100, 100);
    view.DrawWorld();
    EXPECT_EQ(countIn(QRect(40, 40, 21, 21), kBlue), 21 * 21) << "no ghost of the old position";
    view.resize(260, 230);
    view.UpdateWorldSize();
    EXPECT_EQ(countIn(QRect(0, 0, 260, 230), kBlue), 260 * 230) << "the new buffer is cleared";
}

// Ends far off the canvas keep a line's direction: it shows on its true line or not at all.
TEST_F(DrawingTest, FarLinesAndPlaneEdgesKeepTheirDirection)
{
    view.AddNSegments(1, 1, 1, 0, 0, 0, 0, 0, 0, kWhite, 0);
    view.NSegments = 1;
    moveSegmentTo(1, 100, 100, 60000100, 30000100);
    view.DrawWorld();
    for (int x = 100; x < 200; x += 7) {
        EXPECT_EQ(countIn(QRect(x, 99 + (x - 100) / 2, 1, 3), kWhite), 1) << x;
    }
    moveSegmentTo(1, -100000000, -50000000, 50000000, 100000000); // y = x + 5e7
    view.DrawWorld();
    EXPECT_EQ(countIn(QRect(0, 0, 200, 200), kWhite), 0);
    view.AddNPlanes(1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kRed, Vx3DCanvas::BsSolid);
    const World a = at(50, 50), b = at(60000050, 30000050), c = at(50, 30000050);
    view.MovePlane(1, a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z, a.x, a.y, a.z);
    view.NPlanes = 1;
    view.DrawWorld();
    EXPECT_EQ(frame(150, 110), rgb(kRed)) << "below the edge of slope 1/2";
    EXPECT_EQ(frame(150, 90), rgb(kBlack)) << "above it";
}

TEST_F(DrawingTest, ExtremePositionsAndZoomsNeverFail)
{
    view.SetCube(kGreen, true);
    view.SetAxes(0x808000, true);
    view.AddNParticles(3, 3, 1000000, 0, 0, 0, kYellow, 0);
    view.AddNSegments(2, 0, 3, 0, 0, 0, 0, 0, 0, kWhite, 0);
    view.AddNLabels(1, 1 << 30, 0, 0, 0, kLime, "big");
    view.NParticles = 3;
    view.NSegments = 2;
    view.NLabels = 1;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    view.MoveParticle(1, 149.99999f, 1e7f, -1e7f); // next to the eye
    view.MoveParticle(2, nan, nan, nan);
    view.MoveParticle(3, 1e30f, -1e30f, 1e30f);
    view.MoveSegment(1, 149.99999f, 1e7f, 0, 0, 0, 0);
    view.MoveSegment(2, nan, 0, 0, 1e30f, 0, 0);
    for (float zoom : {1.0f, 0.0f, -3.7f, 1e20f, -1e20f}) {
        view.Zoom = zoom;
        view.ProjectAll();
        view.DrawWorld();
    }
    EXPECT_EQ(view.Buffer().size(), QSize(200, 200));
}

} // namespace
