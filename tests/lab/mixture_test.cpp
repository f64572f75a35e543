// molvix-lab's mixtures: their options and bad values, the columns they add
// (and only they), and the free paths a run measures against theory.
#include "labparse.h"
#include "laboptions.h"
#include "labwriters.h"
#include "language.h"

#include <gtest/gtest.h>

namespace {

ParsedCommandLine parse(const QString &line)
{
    return parseInEnglish(line);
}

TEST(MixtureOptions, BadValuesAreRefusedAsTheOthersAre)
{
    const struct
    {
        const char *line, *message;
    } cases[] = {
        {"--particles 101", "--particles 101: 101 is outside 0..100"}, // the classic gas's
        {"--particles 501 --radius 1", "--particles 501: 501 is outside 0..500"},
        {"--b-particles 501", "--b-particles 501: 501 is outside 0..500"},
        {"--b-particles -1", "--b-particles -1: -1 is outside 0..500"},
        {"--radius 0.05", "--radius 0.05: 0.05 is outside 0.1..10"},
        {"--radius 10.5", "--radius 10.5: 10.5 is outside 0.1..10"},
        {"--radius big", "--radius big: 'big' is not a number"},
        {"--b-particles 5 --b-mass 0.5", "--b-mass 0.5: 0.5 is outside 1..100"},
        {"--b-particles 5 --b-mass 101", "--b-mass 101: 101 is outside 1..100"},
        {"--b-particles 5 --b-radius 11", "--b-radius 11: 11 is outside 0.1..10"},
        {"--particles 300,400 --b-particles 50:150:50",
         "--particles 400 with --b-particles 150: at most 500 particles in all"},
        // 500 spheres of radius 6 fill 45 % of the box; of radius 4, 13 %,
        // or 34 % with the piston at 40.
        {"--particles 500 --radius 6",
         "the spheres would fill 45.2 % of the volume with --wall 100; a mixture takes at most "
         "30 %"},
        {"--particles 500 --radius 4 --wall 40,100",
         "the spheres would fill 33.5 % of the volume with --wall 40; a mixture takes at most "
         "30 %"},
        {"--radius 1 --wall 0",
         "the spheres would fill ∞ % of the volume with --wall 0; a mixture takes at most 30 %"},
        {"--b-mass 4", "--b-mass needs --b-particles: no run of the sweep would use it"},
        {"--b-particles 0 --b-radius 2",
         "--b-radius needs --b-particles: no run of the sweep would use it"},
        {"--radius 1 --radius 2", "--radius is given more than once"},
        // The piston and the bath treat every particle as of unit mass.
        {"--b-particles 10 --bath on",
         "the mixture options do not combine with the process options"},
        {"--radius 2 --piston moving --piston-to 50",
         "the mixture options do not combine with the process options"},
    };
    for (const auto &c : cases) {
        const ParsedCommandLine p = parse(QString::fromUtf8(c.line));
        EXPECT_EQ(p.action, ParsedCommandLine::Error) << c.line;
        EXPECT_EQ(p.text.toStdString(), c.message) << c.line;
    }
    EXPECT_EQ(parse("--particles 500 --wall 50 --radius 4").action, ParsedCommandLine::Run);
}

TEST(MixtureOptions, EachIsASweepAndOnlyAMixtureAddsTheColumns)
{
    const ParsedCommandLine p =
        parse("--particles 100,400 --radius 1,2 --b-particles 0,100 --b-mass 4 --b-radius 3");
    ASSERT_EQ(p.action, ParsedCommandLine::Run) << qPrintable(p.text);
    const std::vector<RunSettings> runs = p.options.runs();
    ASSERT_EQ(runs.size(), 2u * 2 * 2);
    for (size_t k = 0; k < runs.size(); ++k) {
        const RunSettings &r = runs[k];
        EXPECT_TRUE(r.mixture);
        EXPECT_EQ(r.count, k < 4 ? 100 : 400);
        EXPECT_EQ(r.radius, k % 4 < 2 ? 1.0f : 2.0f);
        EXPECT_EQ(r.bCount, k % 2 == 0 ? 0 : 100);
        EXPECT_EQ(r.bMass, 4.0f);
    }
    const auto header = [](const std::vector<RunSettings> &runs) {
        std::vector<RunResult> results(runs.size());
        for (size_t k = 0; k < runs.size(); ++k) {
            results[k].settings = runs[k];
        }
        const QByteArray csv = summaryCsv(results);
        return csv.left(csv.indexOf('\n')).toStdString();
    };
    const std::string mixed = header(runs);
    EXPECT_NE(mixed.find(",radius,b_particles,b_mass,b_radius,mean_free_path,mean_free_path_"
                         "theory,collision_rate,collision_rate_theory"),
              std::string::npos)
        << mixed;
    // The classic gas's output, process or none, keeps its columns.
    for (const char *line : {"--particles 100 --collisions on", "--piston moving"}) {
        EXPECT_EQ(header(parse(QLatin1String(line)).options.runs()).find("radius"),
                  std::string::npos)
            << line;
    }
}

TEST(MixtureRun, FreePathsAndCollisionRatesMatchTheHardSphereTheory)
{
    // One species (lambda 48.6 and 51.5), a mixture with a heavier, larger
    // B (29), a denser gas (eta 0.05, lambda 18.4, Enskog's 1.08): within
    // 5 %; without collisions no path and no rate.
    RunPlan plan;
    plan.warmup = 1000;
    plan.ticks = 6000;
    const struct
    {
        int32_t a;
        float ra;
        int32_t b;
        float mb, rb;
    } cases[] = {{300, 2, 0, 1, kRadius},
                 {500, 1.5f, 0, 1, kRadius},
                 {250, 1.5f, 250, 16, 2.5f},
                 {200, 3.9f, 0, 1, kRadius}};
    for (const auto &c : cases) {
        RunSettings s;
        s.count = c.a;
        s.collisions = true;
        s.mixture = true;
        s.radius = c.ra;
        s.bCount = c.b;
        s.bMass = c.mb;
        s.bRadius = c.rb;
        const RunResult r = runExperiment(s, plan);
        ASSERT_TRUE(r.meanFreePath && r.meanFreePathTheory && r.collisionRate &&
                    r.collisionRateTheory)
            << c.a << " " << c.ra;
        EXPECT_NEAR(*r.meanFreePath / *r.meanFreePathTheory, 1.0, 0.05) << c.a << " " << c.ra;
        EXPECT_NEAR(*r.collisionRate / *r.collisionRateTheory, 1.0, 0.05) << c.a << " " << c.ra;
    }
    RunSettings off;
    off.count = 300;
    off.mixture = true;
    const RunResult r = runExperiment(off, plan);
    EXPECT_FALSE(r.meanFreePath || r.meanFreePathTheory || r.collisionRate ||
                 r.collisionRateTheory);
}

TEST(MixtureRun, SlabsAndHotGasesKeepTheirPressureAndFreePath)
{
    // A nearly ideal mixture (200 spheres of radius 0.5, collisions on)
    // reads P V / (N T) within 5 % of 1 however thin its slab; in the
    // whole box lambda is its theory's, cold or hot. A slab thinner than a
    // diameter has no diffusion theory, a thicker one has.
    RunPlan plan;
    plan.warmup = 1000;
    plan.ticks = 6000;
    const struct
    {
        int32_t wall, temperature, a, b;
        float radius;
        bool freePath;
    } cases[] = {{1, 20, 200, 0, 0.5f, false},   {2, 20, 200, 0, 0.5f, false},
                 {5, 20, 200, 0, 0.5f, true},    {20, 20, 200, 0, 0.5f, true},
                 {100, 2, 100, 400, 1.5f, true}, {100, 100, 100, 400, 1.5f, true}};
    for (const auto &c : cases) {
        RunSettings s;
        s.count = c.a;
        s.bCount = c.b;
        s.radius = s.bRadius = c.radius;
        s.wall = c.wall;
        s.temperature = c.temperature;
        s.collisions = true;
        s.mixture = true;
        const RunResult r = runExperiment(s, plan);
        SCOPED_TRACE(testing::Message() << "wall " << c.wall << " temperature " << c.temperature);
        EXPECT_NEAR(r.idealGasRatio.mean, 1.0, 0.05);
        ASSERT_EQ(r.meanFreePath.has_value(), c.freePath);
        if (c.freePath) {
            EXPECT_NEAR(*r.meanFreePath / *r.meanFreePathTheory, 1.0, 0.05);
            EXPECT_NEAR(*r.collisionRate / *r.collisionRateTheory, 1.0, 0.05);
        }
    }
    for (const int32_t wall : {2, 10}) {
        RunSettings s;
        s.count = 200;
        s.radius = 1.5f;
        s.wall = wall;
        s.collisions = true;
        s.mixture = true;
        plan.ticks = 2000;
        EXPECT_EQ(runExperiment(s, plan).diffusionTheory.has_value(), wall > 3) << wall;
    }
}

} // namespace
