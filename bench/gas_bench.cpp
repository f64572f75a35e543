// One animation tick: the gas alone (views that do nothing), and the whole
// tick as the program runs it, with the software view active in a window of
// the default size.
#include "controlpanel.h"
#include "gas.h"
#include "mainwindow.h"
#include "program.h"
#include "vx3dworld.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The program's controls, reduced to the two texts the tick reads.
class Switches : public GasControls
{
public:
    QString coli = QStringLiteral("NO");
    QString BoxColiText() const override { return coli; }
    QString BoxDibVelText() const override { return QStringLiteral("NO"); }
    void setMaskEner(const QString &) override {}
    void setMaskTemp(const QString &) override {}
    void setMaskPre(const QString &) override {}
    void setMaskPosPa(const QString &) override {}
};

void BM_GasTick(benchmark::State &state)
{
    Gas g;
    Switches switches;
    switches.coli = state.range(0) != 0 ? QStringLiteral("SI") : QStringLiteral("NO");
    g.controls = &switches;
    g.state.NumPar = 100;
    for (int i = 1; i <= 100; ++i) {
        g.placeParticle(i);
    }
    g.RandomVel();
    g.ReglaTemperatura(20);
    for (auto _ : state) {
        g.TimeLoopTimer();
    }
}
BENCHMARK(BM_GasTick)->ArgName("collisions")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ProgramTick(benchmark::State &state)
{
    gas() = Gas();
    navigation() = ViewNavigation();
    TVx3DWorld::ResetSharedState();
    ProgramWindows w = startProgram();
    if (!QTest::qWaitForWindowExposed(w.Form1)) {
        state.SkipWithError("the window was never shown");
    }
    if (state.range(0) != 0) {
        w.FormCPanel->BoxColi->setCurrentText(QStringLiteral("SI"));
        w.FormCPanel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
    }
    for (auto _ : state) {
        w.Form1->TimeLoopTimer();
    }
    endProgram(w);
}
BENCHMARK(BM_ProgramTick)
    ->ArgName("collisions_and_vectors")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
