// The lab's gas against the program's: the real windows start the program's
// gas and a user moves the panel's bars; the lab starts its own gas from the
// same settings. After the same ticks both gases agree bit for bit.
#include "experiment.h"
#include "uitest.h"

#include <cstring>

namespace {

template <typename T> bool sameBits(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The whole state at once: it has no padding (the species' slots are
// whole numbers, as wide as the floats'; the lines' fillers are members).
static_assert(sizeof(GasState) == 18 * sizeof(GasState::Floats) + (15 + 15 + 2) * 4);

void expectSameGas(const GasState &program, const GasState &lab)
{
    EXPECT_TRUE(sameBits(program, lab))
        << "NumPar " << program.NumPar << "/" << lab.NumPar << ", PosPared " << program.PosPared
        << "/" << lab.PosPared << ", Temp " << program.Temp << "/" << lab.Temp << ", Energ "
        << program.Energ << "/" << lab.Energ << ", NPasos " << program.NPasos << "/" << lab.NPasos;
}

bool sameReading(const GasReading &a, const GasReading &b)
{
    return a.tick == b.tick && sameBits(a.time, b.time) && a.count == b.count && a.wall == b.wall &&
           a.tempSetting == b.tempSetting && a.collisions == b.collisions &&
           sameBits(a.pressure, b.pressure) && sameBits(a.temperature, b.temperature) &&
           sameBits(a.energy, b.energy);
}

class ProgramStart : public molvix::test::ProgramTest,
                     public ::testing::WithParamInterface<RunSettings>
{
protected:
    void TearDown() override
    {
        gas().removeReadingListener(m_listener);
        ProgramTest::TearDown();
    }
    int32_t m_listener = 0;
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
    m_listener = gas().addReadingListener([&shown](const GasReading &r) { shown.push_back(r); });

    LabGas lab(run);
    expectSameGas(gas().state, lab.gas.state);

    // 2 400 ticks of the window's timer; the lab's 600 warm-up ticks drop
    // the first three readings.
    constexpr int kTicks = 2400;
    for (int t = 0; t < kTicks; ++t) {
        form->TimeLoopTimer();
    }
    const RunResult result = runExperiment(lab, RunPlan{600, kTicks - 600, true});
    expectSameGas(gas().state, lab.gas.state);
    ASSERT_EQ(shown.size(), 12u);
    ASSERT_EQ(result.readings.size(), 9u);
    EXPECT_EQ(result.speedSamples, 1800 / kSpeedSnapshotTicks * run.count) << "measured only";
    for (size_t k = 0; k < result.readings.size(); ++k) {
        EXPECT_TRUE(sameReading(shown[k + 3], result.readings[k])) << "reading " << k;
    }
}

// The program's own start; every bar moved; a low piston that folds
// particles down; an empty gas; one particle; the piston at 0; the
// temperature at 0 and at the top.
INSTANTIATE_TEST_SUITE_P(
    Settings, ProgramStart,
    ::testing::Values(RunSettings{50, 100, 20, false}, RunSettings{100, 35, 60, true},
                      RunSettings{80, 7, 95, true}, RunSettings{0, 50, 20, true},
                      RunSettings{1, 100, 40, true}, RunSettings{73, 0, 100, true},
                      RunSettings{20, 60, 0, true}, RunSettings{30, 100, 100, false}));

} // namespace
