// What the gas asks of its two displays, call by call: the order is what
// the user sees change (which view moves and redraws first, a vector drawn
// with the velocity of its moment).
#include "gastest.h"

#include <functional>
#include <optional>

namespace {

using molvix::test::GasTest;
using Calls = std::vector<std::string>;
using DisplayTest = GasTest;

TEST_F(DisplayTest, TheTickDrawsNothingAndTheActiveDisplayCatchesUpAfterwards)
{
    struct Case
    {
        int32_t modoGL;
        int32_t dibVel;
        bool movingPiston;
        Calls expected; // what showChanges asks after the tick
    };
    const Case cases[] = {
        {0,
         1,
         false,
         {"soft MoveParticle 1", "soft MoveSegment 30", "soft MoveParticle 2",
          "soft MoveSegment 31", "soft DrawWorld"}},
        {1,
         1,
         false,
         {"gl MoveParticle 1", "gl MoveSegment 30", "gl MoveParticle 2", "gl MoveSegment 31",
          "gl DrawWorld"}},
        {0, 0, false, {"soft MoveParticle 1", "soft MoveParticle 2", "soft DrawWorld"}},
        // A piston in motion: its outline after the particles, before the frame.
        {0,
         0,
         true,
         {"soft MoveParticle 1", "soft MoveParticle 2", "soft MoveSegment 24",
          "soft MoveSegment 25", "soft MoveSegment 26", "soft MoveSegment 27", "soft DrawWorld"}},
        {2, 1, false, {}}, // neither view is active: nothing is shown
    };
    for (const Case &c : cases) {
        ProcessSettings process;
        process.piston = c.movingPiston ? PistonMode::Moving : PistonMode::Fixed;
        process.pistonTarget = 60;
        g.setProcess(process);
        s().NumPar = 2;
        s().ModoGL = c.modoGL;
        s().DibVel = c.dibVel;
        put(1, 10, 50, 50, 10, 0, 0);
        put(2, 98, 50, 50, 30, 0, 0); // bounces off x = 100 in this tick
        g.takeChanges();
        calls.clear();
        g.TimeLoopTimer();
        EXPECT_EQ(calls, Calls{}) << "the tick itself draws nothing";
        g.showChanges(g.takeChanges());
        EXPECT_EQ(calls, c.expected) << "ModoGL " << c.modoGL << ", DibVel " << c.dibVel;
        if (c.modoGL == 0 && c.dibVel == 1) {
            // From where the particle now is, along the velocity the wall
            // has just turned.
            EXPECT_EQ(soft.segments()[2 + SegVel].X1, 99.0f);
            EXPECT_EQ(soft.segments()[2 + SegVel].X2, 69.0f);
        }
        if (c.movingPiston) {
            EXPECT_EQ(soft.segments()[kWallFirstSegment].Y1, g.pistonPosition());
            EXPECT_LT(g.pistonPosition(), 100.0f) << "the piston moved in the tick";
        }
    }
}

TEST_F(DisplayTest, AVectorShowsTheVelocityTheTickLeftItsParticleWith)
{
    // Particle 2 moves after 1 and runs into it: 1's velocity changes after
    // 1 itself has moved. Its vector shows the velocity it now has, not the
    // one it had when it moved.
    g.setCollisions(true);
    s().NumPar = 2;
    s().DibVel = 1;
    put(1, 50, 50, 50);
    put(2, 53.9f, 50, 50, -10, 0, 0);
    g.TimeLoopTimer();
    g.showChanges(g.takeChanges());
    ASSERT_LT(s().VelX[1], -1.0f) << "the pair collided";
    const molvix::test::RecordedObject &v = soft.segments()[1 + SegVel];
    EXPECT_EQ(v.X1, s().ParX[1]);
    EXPECT_EQ(v.X2, s().ParX[1] + s().VelX[1]);
}

TEST_F(DisplayTest, EachOperationSaysWhatItChanged)
{
    using C = GasChange;
    struct Case
    {
        const char *operation;
        std::function<void(Gas &)> run;
        GasChange expected;
    };
    const auto mixture = [](Gas &gas) {
        MixtureSettings m;
        m.aCount = 10;
        m.bCount = 10;
        m.divider = Divider::Solid;
        gas.setMixture(m);
    };
    const Case cases[] = {
        {"tick", [](Gas &gas) { gas.TimeLoopTimer(); }, C::Positions | C::Vectors},
        {"tick that ends a reading",
         [](Gas &gas) {
             gas.state.NPasos = NPasosPresion - 1;
             gas.TimeLoopTimer();
         },
         C::Positions | C::Vectors | C::Readings},
        {"tick with the piston moving",
         [](Gas &gas) {
             ProcessSettings p;
             p.piston = PistonMode::Moving;
             p.pistonTarget = 50;
             gas.setProcess(p);
             gas.TimeLoopTimer();
         },
         C::Positions | C::Vectors | C::Wall},
        {"count", [](Gas &gas) { gas.setCount(30); }, C::Count | C::Positions},
        {"count to 0", [](Gas &gas) { gas.setCount(0); }, C::Count | C::Positions},
        {"vectors", [](Gas &gas) { gas.setVectors(true); }, C::Vectors},
        {"temperature", [](Gas &gas) { gas.ReglaTemperatura(40); }, C::Vectors},
        {"wall, folding particles", [](Gas &gas) { gas.MoverPared(10); }, C::Wall | C::Positions},
        {"wall, folding none", [](Gas &gas) { gas.MoverPared(100); }, C::Wall},
        {"collisions", [](Gas &gas) { gas.setCollisions(true); }, C::None},
        {"mixture", mixture, C::Count | C::Positions | C::Vectors | C::Mixture},
        {"divider removed",
         [&](Gas &gas) {
             mixture(gas);
             gas.takeChanges();
             gas.removeDivider();
         },
         C::Mixture},
        {"back to the classic gas",
         [&](Gas &gas) {
             mixture(gas);
             gas.takeChanges();
             gas.endMixture(20);
         },
         C::Mixture | C::Count | C::Positions | C::Vectors},
    };
    for (const Case &c : cases) {
        Gas gas;
        gas.startAsProgram();
        gas.takeChanges();
        c.run(gas);
        EXPECT_EQ(gas.changes(), c.expected) << c.operation;
        gas.takeChanges();
        EXPECT_EQ(gas.changes(), C::None) << c.operation << ": taken, the set starts afresh";
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
