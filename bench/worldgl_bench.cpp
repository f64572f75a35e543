// OpenGL view: one whole frame of the program's scene at the default view
// size on the display's OpenGL (Mesa's software renderer under Xvfb), with
// the particles as the display modes set them and the vectors shown.
#include "vx3dworldgl.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTest>
#include <benchmark/benchmark.h>

#include <random>

namespace {

enum class Look { Balls, SolidBalls, Points };

void buildScene(TVx3DWorldGL &view, Look look)
{
    view.resize(326, 311);
    view.Color = 0;
    view.transZ = -3.7f;
    view.RotX = -90.0f;
    view.RotY = -90.0f;
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        return;
    }
    view.AddNParticles(100, 1, 6.0f, 0, 0, 0, 0, 0);
    view.AddNSegments(130, 0, 1.0f, 0, 0, 0, 0, 0, 0, 0, 0);
    std::mt19937 rng(1);
    std::uniform_real_distribution<float> place(0.0f, 100.0f), speed(-12.0f, 12.0f);
    for (int i = 1; i <= 100; ++i) {
        const float x = place(rng), y = place(rng), z = place(rng);
        view.MoveParticle(i, x, y, z);
        view.MoveSegment(i + 29, x, y, z, x + speed(rng), y + speed(rng), z + speed(rng));
        view.ChangeSegmentProperties(0, i + 29, 16777215.0f);
        switch (look) {
        case Look::Balls: // the "Bolas" choice, made visible
            view.ChangeParticleProperties(2, i, 0.0f);
            view.ChangeParticleProperties(3, i, 0.0375f);
            view.ChangeParticleProperties(0, i, 16777215.0f);
            break;
        case Look::SolidBalls:
            view.ChangeParticleProperties(2, i, 1.0f);
            view.ChangeParticleProperties(3, i, 0.0375f);
            view.ChangeParticleProperties(0, i, 16777215.0f);
            break;
        case Look::Points: // the "Puntos" choice: 3-pixel points
            view.ChangeParticleProperties(2, i, 2.0f);
            view.ChangeParticleProperties(3, i, 0.06f);
            view.ChangeParticleProperties(0, i, 65535.0f);
            break;
        }
    }
    view.NParticles = 100;
    view.NSegments = 129;
}

void frames(benchmark::State &state, Look look)
{
    TVx3DWorldGL view;
    buildScene(view, look);
    if (!view.ContextReady()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    for (auto _ : state) {
        view.DrawWorld();
        // The frame is done when the renderer has finished it.
        view.makeCurrent();
        view.context()->functions()->glFinish();
        view.doneCurrent();
    }
}

void BM_GLFrame_WireBalls(benchmark::State &state)
{
    frames(state, Look::Balls);
}
void BM_GLFrame_SolidBalls(benchmark::State &state)
{
    frames(state, Look::SolidBalls);
}
void BM_GLFrame_Puntos(benchmark::State &state)
{
    frames(state, Look::Points);
}
BENCHMARK(BM_GLFrame_WireBalls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GLFrame_SolidBalls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GLFrame_Puntos)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
