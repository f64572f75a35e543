#include "worldtest.h"

#include <vector>

namespace {

using molvix::test::WorldTest;

// Particle 1 feeds trace 1; its moves are numbered by their x coordinate
// (world x = 50 + move number, so the stored X is the move number).
class TraceTest : public WorldTest
{
protected:
    void link(uint8_t style, int32_t interval, int32_t length, int32_t capacity = 10)
    {
        view.AddNParticles(2, 1, 3, 0, 0, 0, 0x00FFFF, 0);
        view.AddNTraces(2, style, 0xFF, interval, capacity);
        view.LinkTraceToParticle(1, 1, style, 0x0000FF, interval, length, 1);
    }
    void move(int number) { view.MoveParticle(1, 50.0f + number, 50.0f, 50.0f); }
    // Entries 0..TraceLength as move numbers, 0 where no sample is present.
    std::vector<int> entries() const
    {
        const TTraceRec &t = view.traces()[1];
        std::vector<int> out;
        for (int k = 0; k <= t.TraceLength; ++k) {
            out.push_back(t.Valid[k] != 0 ? static_cast<int>(t.XS[k]) : 0);
        }
        return out;
    }
};

TEST_F(TraceTest, SlidingWindowHoldsTheNewestSampleLast)
{
    link(0, 1, 5);
    for (int m = 1; m <= 5; ++m) {
        move(m);
    }
    EXPECT_EQ(entries(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    move(6);
    EXPECT_EQ(entries(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TraceTest, IntervalThreeKeepsEveryThirdMove)
{
    link(0, 3, 3);
    for (int m = 1; m <= 9; ++m) {
        move(m);
    }
    EXPECT_EQ(entries(), (std::vector<int>{0, 3, 6, 9}));
}

TEST_F(TraceTest, RingOverwritesInTurnAndEntryZeroIsNeverShown)
{
    link(1, 1, 3);
    for (int m = 1; m <= 4; ++m) {
        move(m);
    }
    // Entries 1, 2, 0, 1 were written: 0 = 3, 1 = 4 (overwrote 1), 2 = 2.
    EXPECT_EQ(entries(), (std::vector<int>{3, 4, 2, 0}));
}

TEST_F(TraceTest, RingWithIntervalThree)
{
    link(2, 3, 3);
    for (int m = 1; m <= 12; ++m) {
        move(m);
    }
    EXPECT_EQ(entries(), (std::vector<int>{9, 12, 6, 0}));
}

TEST_F(TraceTest, SamplesKeepTheProjectedPositionOfTheirMove)
{
    link(0, 1, 2);
    moveParticleTo(1, 30, 40);
    const TTraceRec &t = view.traces()[1];
    EXPECT_EQ(t.SXS[2], 30);
    EXPECT_EQ(t.SYS[2], 40);
    view.Alfa = 90;
    view.NTraces = 1;
    view.ProjectAll();
    EXPECT_EQ(view.traces()[1].SXS[2], view.Project(t.XS[2], t.YS[2], t.ZS[2]).x());
}

TEST_F(TraceTest, RelinkingResetsCountersAndSamples)
{
    link(0, 3, 3);
    move(1);
    move(2);
    move(3);
    view.LinkTraceToParticle(1, 1, 1, 0xFF00, 2, 2, 1);
    const TTraceRec &t = view.traces()[1];
    EXPECT_EQ(t.SampleCount, 1);
    EXPECT_EQ(t.WriteCount, 1);
    EXPECT_EQ(t.TraceLength, 2);
    EXPECT_EQ(t.Interval, 2);
    EXPECT_EQ(t.Style, 1);
    EXPECT_EQ(t.Color, 0xFF00);
    for (uint8_t valid : t.Valid) {
        EXPECT_EQ(valid, 0);
    }
}

TEST_F(TraceTest, InactiveLinkDetachesTheParticle)
{
    link(0, 1, 3);
    view.LinkTraceToParticle(1, 1, 0, 0xFF, 1, 3, 0);
    EXPECT_EQ(view.particles()[1].Trace, 0);
    EXPECT_EQ(view.traces()[1].Active, 0);
    move(1);
    EXPECT_EQ(entries(), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(TraceTest, ALinkLeftOverFromAReplacedTraceStoreFeedsNothing)
{
    link(0, 1, 3);
    view.AddNParticles(2, 1, 3, 0, 0, 0, 0, 0);
    view.AddNTraces(2, 0, 0, 1, 3);
    view.LinkTraceToParticle(2, 1, 0, 0xFF, 1, 3, 1);
    view.FreeTraces();
    move(1); // particle 1 still names trace 2, which no longer exists
    EXPECT_EQ(view.MaxTraces(), 0);
}

} // namespace
