// molvix-lab's heavy particle and diffusion: the options and their
// refusals, the columns, and the figures a short run gives against theory.
#include "labparse.h"
#include "experiment.h"
#include "laboptions.h"
#include "labwriters.h"
#include "language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ParsedCommandLine parse(const QString &line)
{
    return parseInEnglish(line);
}

TEST(HeavyOptions, BadValuesAreRefusedInOneLine)
{
    const struct
    {
        const char *line, *message;
    } cases[] = {
        {"--heavy-mass 0.5", "--heavy-mass 0.5: 0.5 is outside 1..1000"},
        {"--heavy-mass 1001", "--heavy-mass 1001: 1001 is outside 1..1000"},
        {"--heavy-mass heavy", "--heavy-mass heavy: 'heavy' is not a number"},
        {"--heavy-mass 100 --heavy-radius 0.05", "--heavy-radius 0.05: 0.05 is outside 0.1..10"},
        {"--heavy-mass 100 --heavy-radius 10.5", "--heavy-radius 10.5: 10.5 is outside 0.1..10"},
        {"--heavy-radius 4", "--heavy-radius needs --heavy-mass: no run of the sweep would use it"},
        {"--heavy-mass 10 --heavy-mass 20", "--heavy-mass is given more than once"},
        // The heavy one takes a place of the 500.
        {"--particles 400 --b-particles 100 --heavy-mass 50",
         "--particles 400 with --b-particles 100 and the heavy particle: at most 500 particles "
         "in all"},
        // 450 spheres of radius 5.41 fill 29.85 %; the heavy one of radius 10 adds 0.42 %.
        {"--particles 450 --radius 5.41 --heavy-mass 100 --heavy-radius 10",
         "the spheres would fill 30.3 % of the volume with --wall 100; a mixture takes at most "
         "30 %"},
        {"--heavy-mass 100 --bath on", "the mixture options do not combine with the process options"},
    };
    for (const auto &c : cases) {
        const ParsedCommandLine p = parse(QString::fromUtf8(c.line));
        EXPECT_EQ(p.action, ParsedCommandLine::Error) << c.line;
        EXPECT_EQ(p.text.toStdString(), c.message) << c.line;
    }
    EXPECT_EQ(parse("--particles 499 --heavy-mass 1000 --heavy-radius 10").action,
              ParsedCommandLine::Run);
    EXPECT_EQ(parse("--particles 450 --radius 5.41").action, ParsedCommandLine::Run);
}

TEST(HeavyOptions, EachIsASweepAndItsColumnsCloseTheRow)
{
    const ParsedCommandLine p = parse("--particles 200 --heavy-mass 10,1000 --heavy-radius 2:4:2");
    ASSERT_EQ(p.action, ParsedCommandLine::Run) << qPrintable(p.text);
    const std::vector<RunSettings> runs = p.options.runs();
    ASSERT_EQ(runs.size(), 4u);
    for (size_t k = 0; k < runs.size(); ++k) {
        EXPECT_TRUE(runs[k].mixture);
        EXPECT_EQ(runs[k].count, 200);
        EXPECT_EQ(runs[k].heavyMass, k < 2 ? 10.0f : 1000.0f);
        EXPECT_EQ(runs[k].heavyRadius, k % 2 == 0 ? 2.0f : 4.0f);
    }
    EXPECT_EQ(p.options.runCount(), 4.0);
    // Without --heavy-mass a mixture has no heavy particle, and its cells are empty.
    RunResult none;
    none.completed = true;
    none.settings = parse("--radius 2").options.runs().front();
    EXPECT_EQ(none.settings.heavyMass, 0.0f);
    RunResult some = none;
    some.settings = runs[3];
    some.heavyV2 = 0.5;
    some.heavyV2Theory = 0.25;
    const QByteArray csv = summaryCsv({none, some});
    const QList<QByteArray> lines = csv.split('\n');
    const std::string header = lines[0].toStdString();
    const std::string tail = "diffusion,diffusion_theory,heavy_v2,heavy_v2_theory,mix_time,"
                             "divider,hole,heavy_mass,heavy_radius";
    ASSERT_GE(header.size(), tail.size());
    EXPECT_EQ(header.substr(header.size() - tail.size()), tail) << header;
    EXPECT_TRUE(lines[1].endsWith(",,,,,none,,,")) << lines[1].constData();
    EXPECT_TRUE(lines[2].endsWith(",,0.5,0.25,,none,,1000,4")) << lines[2].constData();
}

TEST(MixtureRun, AwayFromTheWallsTheDenseGasMatchesTheory)
{
    // Spheres of diameter 11 filling 10 % of the box: the mean of all paths
    // missed the theory by 7 %, the walls holding a denser layer. Away from
    // them, at the bulk's own density, within 5 % (about 1 % here).
    RunSettings s;
    s.count = 143;
    s.radius = 5.5f;
    s.collisions = true;
    s.mixture = true;
    RunPlan plan;
    plan.warmup = 1000;
    plan.ticks = 6000;
    const RunResult r = runExperiment(s, plan);
    ASSERT_TRUE(r.meanFreePath && r.meanFreePathTheory && r.collisionRate && r.collisionRateTheory);
    EXPECT_NEAR(*r.meanFreePath / *r.meanFreePathTheory, 1.0, 0.05);
    EXPECT_NEAR(*r.collisionRate / *r.collisionRateTheory, 1.0, 0.05);
    EXPECT_GT(*r.meanFreePath, 10.0);
    EXPECT_LT(*r.meanFreePath, 12.0);
}

TEST(MixtureRun, DiffusionAndTheHeavyParticlesSpeedMatchTheory)
{
    // 500 spheres of radius 2.5 (lambda 17, eta 0.03): D within 10 % of
    // the hard spheres' (some 5 % above it, as the hard-sphere gas's own
    // D is). The heavy particle (M 20, radius 10) shares the gas's energy:
    // its v^2 over 8000 ticks, some 200 of its velocity's lifetimes, is
    // within 15 % of 3 k T / M (three of its standard deviations).
    RunSettings s;
    s.count = 499;
    s.radius = 2.5f;
    s.collisions = true;
    s.mixture = true;
    s.heavyMass = 20;
    s.heavyRadius = 10;
    RunPlan plan;
    plan.warmup = 1000;
    plan.ticks = 8000;
    const RunResult r = runExperiment(s, plan);
    ASSERT_TRUE(r.diffusion && r.diffusionTheory && r.heavyV2 && r.heavyV2Theory);
    EXPECT_NEAR(*r.diffusion / *r.diffusionTheory, 1.0, 0.10);
    EXPECT_NEAR(*r.heavyV2 / *r.heavyV2Theory, 1.0, 0.15);
    // Without collisions the particles fly freely: no diffusion to speak of.
    s.collisions = false;
    plan.ticks = 500;
    const RunResult free = runExperiment(s, plan);
    EXPECT_FALSE(free.diffusion || free.diffusionTheory);
    EXPECT_TRUE(free.heavyV2);
}

} // namespace
