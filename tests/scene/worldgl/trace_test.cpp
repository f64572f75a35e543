// Trace sampling of the OpenGL view: sliding window and ring, the sampling
// interval, linking and detaching.
#include "vx3dworldgl.h"

#include <gtest/gtest.h>

namespace {

struct TracedView : TVx3DWorldGL
{
    TracedView()
    {
        updateMapping();
        AddNParticles(2, 1, 0.1f, 0, 0, 0, 0xFF, 0);
        AddNTraces(2, 0, 0, 1, 3);
    }
    // Moves particle 1 to world x (y = z = 50): stored x = 0.02 * x - 1.
    void moveTo(float x) { MoveParticle(1, x, 50, 50); }
    std::vector<float> xs(int32_t trace) const { return traces()[trace].XS; }
    std::vector<uint8_t> valid(int32_t trace) const { return traces()[trace].Valid; }
};

// Stored x of world x 0, 25, 75, 100.
constexpr float a = -1.0f, b = -0.5f, c = 0.5f, d = 1.0f;

} // namespace

TEST(GLTraceTest, CreationGivesInactiveTracesWithZeroedSamples)
{
    TVx3DWorldGL v;
    v.AddNTraces(2, 3, 0x0000FF, 4, 6);
    EXPECT_EQ(v.MaxTraces(), 3);
    EXPECT_EQ(v.MaxTracePoints(), 7);
    for (const TGLTraceRec &t : v.traces()) {
        EXPECT_EQ(t.Active, 0);
        EXPECT_EQ(t.Mode, 3);
        EXPECT_EQ(t.Particle, 0);
        EXPECT_EQ(t.WriteCount, 1);
        EXPECT_EQ(t.TraceLength, 6);
        EXPECT_EQ(t.SampleCount, 1);
        EXPECT_EQ(t.Interval, 4);
        EXPECT_EQ(t.XS, std::vector<float>(7, 0.0f));
        EXPECT_EQ(t.ZS.size(), 7u);
        EXPECT_EQ(t.Valid, std::vector<uint8_t>(7, 0));
        // The colour comes only with the link.
        EXPECT_EQ(t.R, 0.0f);
    }
}

TEST(GLTraceTest, SlidingWindowKeepsSamplesInTimeOrder)
{
    TracedView v;
    v.LinkTraceToParticle(1, 1, 0, 0x008000, 1, 3, 1);
    v.moveTo(0);
    v.moveTo(25);
    v.moveTo(75);
    v.moveTo(100);
    EXPECT_EQ(v.xs(1), (std::vector<float>{a, b, c, d}));
    EXPECT_EQ(v.valid(1), (std::vector<uint8_t>{1, 1, 1, 1}));
    EXPECT_EQ(v.traces()[1].G, 1.0f);
    // The other trace is untouched.
    EXPECT_EQ(v.valid(2), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(GLTraceTest, RingReusesEntriesAndNeverWritesTheLast)
{
    TracedView v;
    v.LinkTraceToParticle(2, 1, 1, 0, 1, 3, 1);
    v.moveTo(0);
    v.moveTo(25);
    v.moveTo(75);
    v.moveTo(100);
    // a went to entry 1, b to 2, c to 0, d over a in entry 1.
    EXPECT_EQ(v.xs(2), (std::vector<float>{c, d, b, 0.0f}));
    EXPECT_EQ(v.valid(2), (std::vector<uint8_t>{1, 1, 1, 0}));
    for (int i = 0; i < 20; ++i) {
        v.moveTo(50);
    }
    EXPECT_EQ(v.valid(2)[3], 0);
}

TEST(GLTraceTest, IntervalKeepsEveryNthMove)
{
    TracedView v;
    v.LinkTraceToParticle(1, 1, 0, 0, 5, 3, 1);
    for (int move = 1; move <= 15; ++move) {
        v.moveTo(static_cast<float>(move));
    }
    // Moves 5, 10 and 15 were kept: stored x = 0.02 * move - 1.
    const std::vector<float> xs = v.xs(1);
    EXPECT_FLOAT_EQ(xs[1], 0.02f * 5 - 1);
    EXPECT_FLOAT_EQ(xs[2], 0.02f * 10 - 1);
    EXPECT_FLOAT_EQ(xs[3], 0.02f * 15 - 1);
    EXPECT_EQ(v.valid(1), (std::vector<uint8_t>{0, 1, 1, 1}));
}

TEST(GLTraceTest, RelinkingStartsAgainAndActiveZeroDetaches)
{
    TracedView v;
    v.LinkTraceToParticle(1, 1, 0, 0, 1, 3, 1);
    EXPECT_EQ(v.particles()[1].Trace, 1);
    v.moveTo(25);
    v.moveTo(75);
    v.LinkTraceToParticle(1, 1, 1, 0xFF0000, 2, 2, 1);
    const TGLTraceRec &t = v.traces()[1];
    EXPECT_EQ(t.Mode, 1);
    EXPECT_EQ(t.TraceLength, 2);
    EXPECT_EQ(t.Interval, 2);
    EXPECT_EQ(t.WriteCount, 1);
    EXPECT_EQ(t.SampleCount, 1);
    EXPECT_EQ(t.B, 1.0f);
    EXPECT_EQ(t.Valid, (std::vector<uint8_t>{0, 0, 0, 0}));

    v.LinkTraceToParticle(1, 1, 0, 0, 1, 3, 0);
    EXPECT_EQ(v.particles()[1].Trace, 0);
    EXPECT_EQ(v.traces()[1].Active, 0);
    v.moveTo(100);
    EXPECT_EQ(v.valid(1), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(GLTraceTest, ALinkOutlivingItsTraceStoreFeedsNothing)
{
    TracedView v;
    v.LinkTraceToParticle(2, 1, 0, 0, 1, 3, 1);
    v.FreeTraces();
    v.moveTo(25); // must not reach the released store
    v.AddNTraces(1, 0, 0, 1, 2);
    v.moveTo(75); // trace 2 no longer exists
    EXPECT_EQ(v.valid(1), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(v.particles()[1].X, c);
}
