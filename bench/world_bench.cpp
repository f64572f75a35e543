// Software scene view: projecting and drawing the start-up scene, at the
// main window's default view size (326 x 311) and at 1280 x 960.
#include "vx3dworld.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <random>

namespace {

void buildScene(TVx3DWorld &view, int width, int height)
{
    view.resize(width, height);
    view.Zoom = 0.6f;
    view.UpdateWorldSize();
    view.AddNParticles(100, 1, 3, 0, 0, 0, 0, 0);
    view.AddNSegments(130, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    view.NParticles = 100;
    view.NSegments = 130;
    view.SetCube(0x008000, true);
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> draw(0, 999);
    for (int i = 1; i <= 50; ++i) {
        view.ChangeParticleProperties(0, i, 0x00FFFF);
        view.MoveParticle(i, draw(rng) * 0.08f, draw(rng) * 0.08f + 5.0f, draw(rng) * 0.08f);
    }
}

void BM_DrawWorld(benchmark::State &state)
{
    TVx3DWorld view;
    buildScene(view, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        view.DrawWorld();
    }
}
BENCHMARK(BM_DrawWorld)->Args({326, 311})->Args({1280, 960})->Unit(benchmark::kMicrosecond);

void BM_ProjectAll(benchmark::State &state)
{
    TVx3DWorld view;
    buildScene(view, 326, 311);
    for (auto _ : state) {
        view.ProjectAll();
    }
}
BENCHMARK(BM_ProjectAll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
