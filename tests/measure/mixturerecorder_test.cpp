// The mixture's recorder on its own: when its clocks start and which
// measures a change starts again. Its figures against molvix-lab's, the
// desktop's and the page's are the front ends' parity test.
#include "mixturerecorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Recorded
{
    Gas gas;
    MixtureRecorder recorder;
    explicit Recorded(Divider divider)
    {
        gas.ReglaTemperatura(60);
        MixtureSettings m;
        m.aCount = 150;
        m.bCount = 150;
        m.divider = divider;
        m.holeSide = 40;
        EXPECT_TRUE(gas.setMixture(m));
        gas.setCollisions(true);
        recorder.start(gas);
    }
    void ticks(int n)
    {
        for (int t = 0; t < n; ++t) {
            gas.TimeLoopTimer();
            recorder.afterTick(gas);
        }
    }
};

// Through a hole the gases meet from the start: the clock runs from it.
// Behind a solid divider nothing mixes and the walk is penned in half the
// box; once it goes, the clock and the walk start from that moment.
TEST(MixtureRecorder, TheMixClockAndTheWalkStartWhenTheGasesMayMeet)
{
    Recorded hole(Divider::Hole);
    hole.ticks(20000);
    EXPECT_TRUE(std::isfinite(hole.recorder.figures(hole.gas).mixTime));

    Recorded solid(Divider::Solid);
    solid.ticks(2000);
    EXPECT_TRUE(std::isnan(solid.recorder.figures(solid.gas).mixTime)) << "the wall holds";
    ASSERT_GT(solid.recorder.msdCurve().size(), 1u);
    solid.gas.removeDivider();
    solid.recorder.dividerRemoved(solid.gas);
    EXPECT_TRUE(solid.recorder.msdCurve().empty()) << "the walk starts again";
    solid.ticks(3000);
    const double mixed = solid.recorder.figures(solid.gas).mixTime;
    ASSERT_TRUE(std::isfinite(mixed));
    EXPECT_LT(mixed, 300) << "counted from the removal, not from the start";
    EXPECT_EQ(solid.recorder.samples().size(), 1u + 5000 / MixtureRecorder::kSampleTicks)
        << "the counts per side go on";
}

// A new temperature setting starts what theory is computed at (the free
// paths, the walk) again; the counts per side go on.
TEST(MixtureRecorder, ANewTemperatureStartsTheThermalMeasuresAgain)
{
    Recorded run(Divider::None);
    run.ticks(1000);
    EXPECT_EQ(run.gas.freePaths().ticks, 1000);
    run.gas.ReglaTemperatura(30);
    run.ticks(100);
    EXPECT_EQ(run.gas.freePaths().ticks, 99) << "from the first tick at the new setting";
    EXPECT_EQ(run.recorder.samples().size(), 1u + 1100 / MixtureRecorder::kSampleTicks);
}

} // namespace
