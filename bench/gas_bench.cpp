// One animation tick: the gas alone (views that do nothing), the same with a
// moving piston and the bath, and the whole
// tick as the program runs it, with the software view active in a window of
// the default size. Then what the "Gráficas" window adds: its sampling per
// tick, and one redraw of its charts; and one redraw of the "Procesos"
// window.
#include "controlpanel.h"
#include "gas.h"
#include "graphswindow.h"
#include "mainwindow.h"
#include "processwindow.h"
#include "program.h"
#include "vx3dworld.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The program's controls, reduced to readouts nobody reads.
class Switches : public GasControls
{
public:
    void showEnergy(double) override {}
    void showTemperature(double, bool) override {}
    void showPressure(double) override {}
    void showWall(int32_t) override {}
};

// 100 particles at the start-up temperature, collisions on or off.
void fill(Gas &g, Switches &switches, bool collisions)
{
    g.setCollisions(collisions);
    g.controls = &switches;
    g.state.NumPar = 100;
    for (int i = 1; i <= 100; ++i) {
        g.placeParticle(i);
    }
    g.RandomVel();
    g.ReglaTemperatura(20);
}

void BM_GasTick(benchmark::State &state)
{
    Gas g;
    Switches switches;
    fill(g, switches, state.range(0) != 0);
    for (auto _ : state) {
        g.TimeLoopTimer();
    }
}
BENCHMARK(BM_GasTick)->ArgName("collisions")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same tick with the piston moving to and fro between 50 and 100 at
// speed 1 and the five fixed walls a bath at the gas's temperature (process
// 3; 1 the moving piston alone, 2 the bath alone).
void BM_ProcessTick(benchmark::State &state)
{
    Gas g;
    Switches switches;
    fill(g, switches, state.range(0) != 0);
    ProcessSettings p;
    p.piston = (state.range(1) & 1) != 0 ? PistonMode::Moving : PistonMode::Fixed;
    p.pistonTarget = p.piston == PistonMode::Moving ? 50 : 100;
    p.bath = (state.range(1) & 2) != 0;
    p.bathTemperature = static_cast<float>(g.reading(0).temperature);
    g.setProcess(p);
    for (auto _ : state) {
        g.TimeLoopTimer();
        if (g.pistonPosition() == p.pistonTarget) {
            p.pistonTarget = 150 - p.pistonTarget;
            g.setProcess(p);
        }
    }
}
BENCHMARK(BM_ProcessTick)
    ->ArgNames({"collisions", "process"})
    ->ArgsProduct({{0, 1}, {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

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

// A gas of 100 particles, collisions on, run for `ticks` ticks with a
// window recording it.
void runRecorded(Gas &g, Switches &switches, GraphsWindow &window, int ticks)
{
    fill(g, switches, true);
    for (int t = 0; t < ticks; ++t) {
        g.TimeLoopTimer();
        window.afterTick();
    }
}

// The window's cost per tick, averaged over ticks: a compare, and every
// 50th tick a snapshot of 100 speeds (window hidden, as it records).
void BM_GraphsSampling(benchmark::State &state)
{
    Gas g;
    Switches switches;
    GraphsWindow window(&g);
    runRecorded(g, switches, window, 5000);
    for (auto _ : state) {
        ++g.ticks;
        window.afterTick();
    }
}
BENCHMARK(BM_GraphsSampling)->Unit(benchmark::kNanosecond);

// One redraw of the shown window with full charts (10 000 speeds, 900
// readings), painted: what the animation gives up at most ten times a
// second.
void BM_GraphsRedraw(benchmark::State &state)
{
    Gas g;
    Switches switches;
    GraphsWindow window(&g);
    runRecorded(g, switches, window, 900 * NPasosPresion);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
    }
    for (auto _ : state) {
        window.redraw();
        window.repaint();
    }
}
BENCHMARK(BM_GraphsRedraw)->Unit(benchmark::kMillisecond);

// One redraw of the shown "Procesos" window, painted, with the path at its
// most points drawn (a compression read 400 times): what the animation gives
// up at most five times a second while the window is open.
void BM_ProcessRedraw(benchmark::State &state)
{
    Gas g;
    ProcessWindow window(&g);
    GasReading r{.count = 100};
    for (int i = 0; i < 400; ++i) {
        r.piston = r.pistonMean = 100 - i * 0.125;
        r.pressure = 3762 * std::pow(100 / r.piston, 5.0 / 3) * (1 + 0.02 * std::sin(i));
        window.addReading(r);
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
    }
    for (auto _ : state) {
        window.redraw();
        window.repaint();
    }
}
BENCHMARK(BM_ProcessRedraw)->Unit(benchmark::kMillisecond);

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
