// What the gas asks of its two displays, call by call: the order is what
// the user sees change (which view moves and redraws first, a vector drawn
// with the velocity of its moment).
#include "gastest.h"

#include <optional>

namespace {

using molvix::test::GasTest;
using Calls = std::vector<std::string>;
using DisplayTest = GasTest;

TEST_F(DisplayTest, TheTickMovesAndDrawsOnlyTheActiveDisplay)
{
    struct Case
    {
        int32_t modoGL;
        int32_t dibVel;
        Calls expected;
    };
    const Case cases[] = {
        {0,
         1,
         {"soft MoveParticle 1", "soft MoveSegment 30", "soft MoveParticle 2",
          "soft MoveSegment 31", "soft DrawWorld"}},
        {1,
         1,
         {"gl MoveParticle 1", "gl MoveSegment 30", "gl MoveParticle 2", "gl MoveSegment 31",
          "gl DrawWorld"}},
        {0, 0, {"soft MoveParticle 1", "soft MoveParticle 2", "soft DrawWorld"}},
        {2, 1, {}}, // neither view is active: nothing is shown
    };
    for (const Case &c : cases) {
        calls.clear();
        s().NumPar = 2;
        s().ModoGL = c.modoGL;
        s().DibVel = c.dibVel;
        put(1, 10, 50, 50, 10, 0, 0);
        put(2, 98, 50, 50, 30, 0, 0); // bounces off x = 100 in this tick
        g.TimeLoopTimer();
        EXPECT_EQ(calls, c.expected) << "ModoGL " << c.modoGL << ", DibVel " << c.dibVel;
        if (c.modoGL == 0 && c.dibVel == 1) {
            // From where the particle now is, along the velocity the wall
            // has just turned.
            EXPECT_EQ(soft.segments()[2 + SegVel].X1, 99.0f);
            EXPECT_EQ(soft.segments()[2 + SegVel].X2, 69.0f);
        }
    }
}

TEST_F(DisplayTest, SettingTheCountToZeroHidesEveryLiveParticleOnBothDisplays)
{
    s().NumPar = 2;
    s().DibVel = 1;
    g.setCount(0);
    const Calls expected{"soft ParticleColour 1", "soft SegmentColour 30", "soft ParticleColour 2",
                         "soft SegmentColour 31", "gl ParticleColour 1",   "gl ParticleCount 0",
                         "gl SegmentCount 29",    "soft DrawWorld",        "gl DrawWorld"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(soft.particles()[2].Color, kBlack);
    EXPECT_EQ(gl.particles()[1].Color, kBlack);
    EXPECT_EQ(s().NumPar, 0);
    EXPECT_EQ(controls.temp, "Temperatura = 0.00");
}

TEST_F(DisplayTest, SettingTheCountToOneShowsTheFirstParticleInEachViewsColour)
{
    s().NumPar = 2;
    g.setCount(1);
    const Calls expected{"soft ParticleColour 2", "gl ParticleCount 1",    "gl DrawWorld",
                         "soft DrawWorld",        "soft ParticleColour 1", "gl ParticleColour 1",
                         "gl DrawWorld",          "soft DrawWorld"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(soft.particles()[2].Color, kBlack);
    EXPECT_EQ(soft.particles()[1].Color, kYellow);
    EXPECT_EQ(gl.particles()[1].Color, kWhite);
    EXPECT_EQ(s().NumPar, 1);
    EXPECT_EQ(s().NumParPedido, 1);
    EXPECT_FALSE(controls.ener.empty()) << "the readouts follow the count";
}

TEST_F(DisplayTest, TheVectorSwitchSetsTheOpenGLSegmentCountAndRedraws)
{
    struct Case
    {
        std::optional<bool> shown;
        int32_t dibVel;     // after the switch, from 0 or 1 before it
        int32_t glSegments; // -1: left as it was
    };
    const Case cases[] = {{true, 1, 3 + SegVel}, {false, 0, 27}, {std::nullopt, -1, -1}};
    for (const Case &c : cases) {
        for (int32_t before : {0, 1}) {
            s().NumPar = 3;
            s().DibVel = before;
            gl.NSegments = 99;
            soft.frames = gl.frames = 0;
            // The panel's box reading neither item only places them again.
            if (c.shown) {
                g.setVectors(*c.shown);
            } else {
                g.DibujaVel();
            }
            EXPECT_EQ(s().DibVel, c.dibVel < 0 ? before : c.dibVel);
            EXPECT_EQ(gl.NSegments, c.glSegments < 0 ? 99 : c.glSegments);
            EXPECT_EQ(soft.frames, 1);
            EXPECT_EQ(gl.frames, 1);
        }
    }
    // Hiding blackens every vector segment the software view has, live or not.
    EXPECT_EQ(soft.segments()[s().NSeg].Color, kBlack);
}

TEST_F(DisplayTest, HidingTheVectorsBlackensAllTheSoftwareViewsVectorSegments)
{
    s().NumPar = 2;
    g.setVectors(true);
    EXPECT_EQ(soft.segments()[1 + SegVel].Color, kWhite);
    calls.clear();
    g.setVectors(false);
    int blackened = 0;
    for (const std::string &call : calls) {
        blackened += call.rfind("soft SegmentColour ", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(blackened, s().NSeg - SegVel);
    EXPECT_EQ(soft.segments()[1 + SegVel].Color, kBlack);
}

TEST_F(DisplayTest, TheStartShowsTheFirstParticlesThenDrawsTheTemplates)
{
    s().NumPar = 2;
    s().ModoGL = 1;
    g.start();
    const Calls expected{"gl MoveParticle 1", "soft ParticleColour 1", "soft MoveParticle 1",
                         "gl MoveParticle 2", "soft ParticleColour 2", "soft MoveParticle 2",
                         "soft DrawWorld",    "gl ParticleCount 2",    "gl DrawWorld"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(s().ModoGL, 0) << "the software view is the active one";
    EXPECT_EQ(soft.particles()[2].X, s().ParX[2]);
    // The same draws as placing the particles and then the templates by hand.
    Gas byHand;
    byHand.state.NumPar = 2;
    byHand.placeParticle(1);
    byHand.placeParticle(2);
    byHand.RandomVel();
    EXPECT_EQ(s().ParY[2], byHand.state.ParY[2]);
    EXPECT_EQ(s().DirZ[100], byHand.state.DirZ[100]);
}

TEST_F(DisplayTest, EveryListenerHearsEveryReadingUntilItIsRemoved)
{
    std::vector<int> heard;
    int32_t first = 0, second = 0;
    first = g.addReadingListener([&](const GasReading &) { heard.push_back(1); });
    second = g.addReadingListener([&](const GasReading &) {
        heard.push_back(2);
        // Leaves, and takes the first with it, from inside its own call.
        g.removeReadingListener(first);
        g.removeReadingListener(second);
    });
    g.addReadingListener([&](const GasReading &r) { heard.push_back(r.tick > 200 ? 4 : 3); });
    EXPECT_EQ(g.readingListenerCount(), 3u);
    s().NumPar = 0;
    for (int t = 0; t < 2 * NPasosPresion; ++t) {
        g.TimeLoopTimer();
    }
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(g.readingListenerCount(), 1u);
}

} // namespace
