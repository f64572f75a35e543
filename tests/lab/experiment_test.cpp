#include "experiment.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool sameReadings(const std::vector<GasReading> &a, const std::vector<GasReading> &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t k = 0; k < a.size(); ++k) {
        if (a[k].tick != b[k].tick || a[k].count != b[k].count || a[k].wall != b[k].wall ||
            std::memcmp(&a[k].pressure, &b[k].pressure, sizeof(double)) != 0 ||
            std::memcmp(&a[k].temperature, &b[k].temperature, sizeof(double)) != 0 ||
            std::memcmp(&a[k].energy, &b[k].energy, sizeof(double)) != 0) {
            return false;
        }
    }
    return true;
}

RunPlan plan(int64_t warmup, int64_t ticks)
{
    RunPlan p;
    p.warmup = warmup;
    p.ticks = ticks;
    return p;
}

TEST(RunExperiment, TheWarmUpOnlyDropsTheReadingsOfTheSameTrajectory)
{
    const RunSettings settings{60, 45, 30, true};
    const RunResult whole = runExperiment(settings, plan(0, 3000));
    // 1 100 warm-up ticks: the reading at 1 200 already counts.
    const RunResult warmed = runExperiment(settings, plan(1100, 1900));

    ASSERT_TRUE(whole.completed && warmed.completed);
    ASSERT_EQ(whole.readings.size(), 15u);
    ASSERT_EQ(warmed.readingCount, 10);
    const std::vector<GasReading> tail(whole.readings.begin() + 5, whole.readings.end());
    EXPECT_TRUE(sameReadings(tail, warmed.readings));
    EXPECT_EQ(warmed.readings.front().tick, 1200);
    for (const GasReading &r : warmed.readings) {
        EXPECT_EQ(r.count, 60);
        EXPECT_EQ(r.wall, 45);
        EXPECT_EQ(r.tempSetting, 30);
        EXPECT_TRUE(r.collisions);
    }
    // A snapshot of the 60 speeds every 50 measured ticks: 38 of them.
    EXPECT_EQ(warmed.speedSamples, 38 * 60);
    EXPECT_EQ(warmed.pressure.n, 10);
    EXPECT_EQ(warmed.idealGasRatio.n, 10);
    ASSERT_TRUE(warmed.ks.has_value());
    EXPECT_GT(*warmed.ks, 0.0);
    EXPECT_LT(*warmed.ks, 1.0);
}

TEST(RunExperiment, AnEmptyOrStillGasHasReadingsButNoRatioNorDistribution)
{
    const RunResult empty = runExperiment({0, 100, 20, true}, plan(0, 1000));
    EXPECT_EQ(empty.readingCount, 5);
    EXPECT_EQ(empty.pressure.n, 5);
    EXPECT_EQ(empty.pressure.mean, 0.0);
    EXPECT_EQ(empty.idealGasRatio.n, 0);
    EXPECT_FALSE(empty.ks.has_value());

    const RunResult still = runExperiment({50, 100, 0, true}, plan(0, 1000));
    EXPECT_EQ(still.temperature.mean, 0.0);
    EXPECT_EQ(still.idealGasRatio.n, 0);
    EXPECT_FALSE(still.ks.has_value());

    // Fewer measured ticks than a reading takes: nothing to average.
    const RunResult brief = runExperiment({50, 100, 20, false}, plan(0, 150));
    EXPECT_TRUE(brief.completed);
    EXPECT_EQ(brief.readingCount, 0);
    EXPECT_EQ(brief.speedSamples, 3 * 50);
}

TEST(RunExperiment, TheSeriesIsKeptOnlyWhenAsked)
{
    RunPlan p = plan(200, 1000);
    p.keepReadings = false;
    const RunResult r = runExperiment({50, 100, 20, true}, p);
    EXPECT_EQ(r.readingCount, 5);
    EXPECT_TRUE(r.readings.empty());
    EXPECT_EQ(r.pressure.n, 5);
}

TEST(RunSweep, ResultsComeInTheOrderOfTheRunsWhateverTheWorkers)
{
    const std::vector<RunSettings> runs = {{100, 30, 50, true},
                                           {10, 100, 20, false},
                                           {40, 70, 80, true},
                                           {0, 50, 20, true},
                                           {100, 100, 10, true}};
    const RunPlan p = plan(300, 1200);
    SweepControl one, three;
    const std::vector<RunResult> serial = runSweep(runs, p, 1, one);
    int polls = 0;
    const std::vector<RunResult> parallel = runSweep(runs, p, 3, three, [&polls] { ++polls; });
    ASSERT_EQ(serial.size(), runs.size());
    ASSERT_EQ(parallel.size(), runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        const RunResult alone = runExperiment(runs[i], p);
        EXPECT_EQ(serial[i].settings.count, runs[i].count) << i;
        EXPECT_EQ(serial[i].settings.wall, runs[i].wall) << i;
        EXPECT_TRUE(serial[i].completed && parallel[i].completed) << i;
        EXPECT_TRUE(sameReadings(serial[i].readings, alone.readings)) << i;
        EXPECT_TRUE(sameReadings(parallel[i].readings, alone.readings)) << i;
        EXPECT_EQ(parallel[i].ks, alone.ks) << i;
    }
    EXPECT_EQ(one.runsDone.load(), 5);
    EXPECT_EQ(three.ticksDone.load(), 5 * 1500);
}

TEST(RunSweep, AStopEndsTheRunsIncomplete)
{
    const std::vector<RunSettings> runs(6, RunSettings{100, 100, 20, true});
    SweepControl control;
    // The first look at the progress stops everything.
    const std::vector<RunResult> results =
        runSweep(runs, plan(0, 10'000'000), 2, control, [&control] { control.stop = true; });
    ASSERT_EQ(results.size(), 6u);
    for (const RunResult &r : results) {
        EXPECT_FALSE(r.completed);
        EXPECT_TRUE(r.readings.empty());
    }
    EXPECT_EQ(control.runsDone.load(), 0);
    EXPECT_LT(control.ticksDone.load(), 2 * 10'000'000);
}

} // namespace
