#include "mixing.h"

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <cmath>

namespace {

SideTable sides(int64_t aLeft, int64_t aRight, int64_t bLeft, int64_t bRight)
{
    return {{{aLeft, aRight}, {bLeft, bRight}}};
}

TEST(Mixing, EvenlyMixedNeedsEverySpeciesPresentWithinATenthOfItsCount)
{
    const struct
    {
        SideTable n;
        bool even;
    } cases[] = {
        {sides(55, 45, 50, 50), true},   // |55 - 45| = 10 = 0.1 x 100
        {sides(56, 44, 50, 50), false},  // A just outside
        {sides(50, 50, 44, 56), false},  // B just outside
        {sides(100, 0, 0, 100), false},  // separated
        {sides(0, 0, 21, 19), true},     // A absent: B alone decides
        {sides(5, 6, 0, 0), true},       // small counts: 1 <= 1.1
        {sides(0, 0, 0, 0), false},      // nothing to mix
        {sides(0, 1, 0, 0), false},      // one particle is never even
    };
    for (const auto &c : cases) {
        EXPECT_EQ(evenlyMixed(c.n), c.even)
            << c.n[0][0] << ' ' << c.n[0][1] << ' ' << c.n[1][0] << ' ' << c.n[1][1];
    }
    EXPECT_TRUE(evenlyMixed(sides(60, 40, 50, 50), 0.2));
}

TEST(Mixing, TheMixClockCountsFromItsStartToTheFirstEvenCounts)
{
    MixClock clock;
    clock.add(1, sides(50, 50, 50, 50)); // before the start: not counted
    EXPECT_FALSE(clock.mixTime());
    clock.start(10);
    EXPECT_TRUE(clock.started());
    // The counts close in, touch even, drift away again.
    const double t[] = {11, 12, 13, 14, 15};
    const SideTable n[] = {sides(100, 0, 0, 100), sides(80, 20, 20, 80), sides(56, 44, 45, 55),
                           sides(54, 46, 47, 53), sides(70, 30, 50, 50)};
    for (int k = 0; k < 5; ++k) {
        clock.add(t[k], n[k]);
    }
    ASSERT_TRUE(clock.mixTime());
    EXPECT_DOUBLE_EQ(*clock.mixTime(), 4.0);
    clock.start(20); // a new start forgets the last
    EXPECT_FALSE(clock.mixTime());
}

// Counts sampled over a run: the clock gives the first time at or after its
// start when each species present is within a tenth of even.
TEST(Mixing, TheMixClockOverARunOfSamples)
{
    struct Sample
    {
        double t;
        SideTable n;
    };
    const std::vector<Sample> run{{0, sides(50, 0, 0, 50)},
                                  {1, sides(40, 10, 10, 40)},
                                  {2, sides(27, 23, 23, 27)},
                                  {3, sides(26, 24, 25, 25)},
                                  {4, sides(25, 25, 25, 25)}};
    struct Case
    {
        std::vector<Sample> samples;
        double from;
        std::optional<double> expected;
    };
    for (const Case &c : {Case{run, 0, 2}, Case{run, 2.5, 0.5}, Case{{run[0], run[1]}, 0, {}},
                          // B absent: A alone decides.
                          Case{{{0, sides(30, 20, 0, 0)}, {1, sides(26, 24, 0, 0)}}, 0, 1}}) {
        MixClock clock;
        clock.start(c.from);
        for (const Sample &x : c.samples) {
            if (x.t >= c.from) {
                clock.add(x.t, x.n);
            }
        }
        EXPECT_EQ(clock.mixTime(), c.expected) << c.samples.size() << " from " << c.from;
    }
}

TEST(Mixing, GrahamAndKnudsen)
{
    EXPECT_DOUBLE_EQ(grahamRatio(1, 4), 2);
    EXPECT_DOUBLE_EQ(grahamRatio(1, 16), 4);
    EXPECT_DOUBLE_EQ(grahamRatio(4, 1), 0.5);
    // A / (4 V) x sqrt(8 k T / (pi m)): at k T = pi / 8, m = 1 the speed is 1.
    EXPECT_DOUBLE_EQ(effusionRateTheory(400, 1e5, M_PI / 8, 1), 1e-3);
    EXPECT_DOUBLE_EQ(effusionRateTheory(400, 1e5, M_PI / 8, 4), 5e-4);
    ASSERT_TRUE(effusionRatio(300, 1000, 100, 500));
    EXPECT_DOUBLE_EQ(*effusionRatio(300, 1000, 100, 500), 1.5);
    EXPECT_FALSE(effusionRatio(0, 1000, 100, 500));
    EXPECT_FALSE(effusionRatio(300, 1000, 100, 0));
}

} // namespace
