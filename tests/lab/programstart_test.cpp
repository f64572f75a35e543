// The lab's gas against the program's: the real windows start the program's
// gas and a user moves the panel's bars; the lab starts its own gas from the
// same settings. After the same ticks both gases agree bit for bit.
#include "experiment.h"
#include "uitest.h"

#include <cstring>
#include <string>

namespace {

// First slot where two per-particle arrays differ in any bit, or -1.
int firstDifference(const GasState::Floats &a, const GasState::Floats &b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <typename T> bool sameBits(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

void expectSameGas(const GasState &program, const GasState &lab)
{
    const struct
    {
        const char *name;
        const GasState::Floats GasState::*field;
    } arrays[] = {{"ParX", &GasState::ParX},       {"ParY", &GasState::ParY},
                  {"ParZ", &GasState::ParZ},       {"VelX", &GasState::VelX},
                  {"VelY", &GasState::VelY},       {"VelZ", &GasState::VelZ},
                  {"Masa", &GasState::Masa},       {"DirX", &GasState::DirX},
                  {"DirY", &GasState::DirY},       {"DirZ", &GasState::DirZ},
                  {"ParXAnt", &GasState::ParXAnt}, {"ParYAnt", &GasState::ParYAnt},
                  {"ParZAnt", &GasState::ParZAnt}, {"VelXAnt", &GasState::VelXAnt},
                  {"VelYAnt", &GasState::VelYAnt}, {"VelZAnt", &GasState::VelZAnt}};
    for (const auto &a : arrays) {
        EXPECT_EQ(firstDifference(program.*a.field, lab.*a.field), -1) << a.name;
    }
    EXPECT_EQ(program.NumPar, lab.NumPar);
    EXPECT_EQ(program.NumParPedido, lab.NumParPedido);
    EXPECT_EQ(program.PosPared, lab.PosPared);
    EXPECT_EQ(program.Temp, lab.Temp);
    EXPECT_EQ(program.ModoGL, lab.ModoGL);
    EXPECT_EQ(program.DibVel, lab.DibVel);
    EXPECT_EQ(program.NPasos, lab.NPasos);
    EXPECT_TRUE(sameBits(program.Presion, lab.Presion)) << program.Presion << " " << lab.Presion;
    EXPECT_TRUE(sameBits(program.Energ, lab.Energ)) << program.Energ << " " << lab.Energ;
    EXPECT_TRUE(sameBits(program.Solape, lab.Solape));
    // The rest (the constants), and the whole state at once: it has no padding.
    static_assert(sizeof(GasState) == 16 * sizeof(GasState::Floats) + 14 * 4);
    EXPECT_TRUE(sameBits(program, lab));
}

bool sameReading(const GasReading &a, const GasReading &b)
{
    return a.tick == b.tick && sameBits(a.time, b.time) && a.count == b.count && a.wall == b.wall &&
           a.tempSetting == b.tempSetting && a.collisions == b.collisions &&
           sameBits(a.pressure, b.pressure) && sameBits(a.temperature, b.temperature) &&
           sameBits(a.energy, b.energy);
}

// The program's windows as start-up makes them, on a fresh gas.
class ProgramStart : public molvix::test::ProgramTest,
                     public ::testing::WithParamInterface<RunSettings>
{
protected:
    void TearDown() override
    {
        gas().onReading = nullptr;
        ProgramTest::TearDown();
    }
};

TEST_P(ProgramStart, TheLabsGasIsTheWindowsGasAfterTheSameTicks)
{
    const RunSettings run = GetParam();
    // The user sets the panel in the order the lab applies the settings.
    panel->ScBarNPart->setValue(run.count);
    panel->ScBarTemp->setValue(run.temperature);
    panel->ScBarPared->setValue(run.wall);
    panel->BoxColi->setCurrentIndex(
        panel->BoxColi->findText(run.collisions ? QStringLiteral("SI") : QStringLiteral("NO")));
    std::vector<GasReading> shown;
    gas().onReading = [&shown](const GasReading &r) { shown.push_back(r); };

    LabGas lab(run);
    expectSameGas(gas().state, lab.gas.state);

    // The window's timer ticks 2 400 times; the lab runs 600 warm-up ticks
    // and 1 800 measured ones.
    constexpr int kTicks = 2400;
    for (int t = 0; t < kTicks; ++t) {
        form->TimeLoopTimer();
    }
    RunPlan plan;
    plan.warmup = 600;
    plan.ticks = kTicks - plan.warmup;
    const RunResult result = runExperiment(lab, plan);

    EXPECT_EQ(lab.gas.ticks, kTicks);
    expectSameGas(gas().state, lab.gas.state);
    // The readings after the warm-up are the window's, bit for bit.
    ASSERT_EQ(shown.size(), 12u);
    ASSERT_EQ(result.readings.size(), 9u);
    for (size_t k = 0; k < result.readings.size(); ++k) {
        EXPECT_TRUE(sameReading(shown[k + 3], result.readings[k])) << "reading " << k;
    }
    EXPECT_EQ(result.settings.count, run.count);
    EXPECT_EQ(result.settings.wall, run.wall);
    EXPECT_EQ(result.settings.temperature, run.temperature);
    EXPECT_EQ(result.settings.collisions, run.collisions);
}

// The program's own start; every bar moved, collisions on; a low piston that
// folds particles down; an empty gas; a single particle; the piston at 0; a
// count below the start with the temperature at 0 and at the top.
INSTANTIATE_TEST_SUITE_P(
    Settings, ProgramStart,
    ::testing::Values(RunSettings{50, 100, 20, false}, RunSettings{100, 35, 60, true},
                      RunSettings{80, 7, 95, true}, RunSettings{0, 50, 20, true},
                      RunSettings{1, 100, 40, true}, RunSettings{73, 0, 100, true},
                      RunSettings{20, 60, 0, true}, RunSettings{30, 100, 100, false}),
    [](const ::testing::TestParamInfo<RunSettings> &info) {
        const RunSettings &r = info.param;
        return "n" + std::to_string(r.count) + "_w" + std::to_string(r.wall) + "_t" +
               std::to_string(r.temperature) + (r.collisions ? "_on" : "_off");
    });

} // namespace
