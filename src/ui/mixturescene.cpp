#include "mixturescene.h"

#include "gas.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace molvix::ui {

namespace {

constexpr uint8_t kColourCode = 0;
constexpr uint8_t kStyleCode = 2;
constexpr uint8_t kSizeCode = 3;
constexpr uint8_t kSlidingLine = 0; // trace style: the last points as a line
constexpr uint8_t kGLBallStyle = 0; // as "Bolas" draws them
constexpr uint8_t kGLPoint = 2;
constexpr float kGLClassicPointSize = 0.06f; // 3 pixels, as "Puntos" draws
constexpr float kGLBallPerRadius = 0.025f;
constexpr int32_t kPlainEdge = 1; // segment style in both views: no arrow head

TColor colourOf(const GasState &s, int32_t i)
{
    switch (s.Especie[i]) {
    case kSpeciesB:
        return kSpeciesBColour;
    case kHeavy:
        return kHeavyColour;
    default:
        return kYellow;
    }
}

using Edge = std::array<float, 6>;

// The divider's four edges at x = 50 up to the piston, and its hole's, a
// square of the hole's side centred on the divider's face (as the gas has
// it); an edge of no length where there is no hole.
std::array<Edge, 8> dividerEdges(const Gas &gas)
{
    const float x = kBoxSize / 2;
    const float top = static_cast<float>(gas.state.PosPared);
    const auto square = [x](float y0, float y1, float z0, float z1) {
        return std::array<Edge, 4>{Edge{x, y0, z0, x, y1, z0}, Edge{x, y1, z0, x, y1, z1},
                                   Edge{x, y1, z1, x, y0, z1}, Edge{x, y0, z1, x, y0, z0}};
    };
    const std::array<Edge, 4> rim = square(0, top, 0, kBoxSize);
    const float h = gas.mixtureSettings().holeSide / 2;
    const float cy = top / 2;
    const float cz = kBoxSize / 2;
    const std::array<Edge, 4> hole = square(std::max(0.0f, cy - h), std::min(top, cy + h),
                                            std::max(0.0f, cz - h), std::min(kBoxSize, cz + h));
    std::array<Edge, 8> all{};
    std::copy(rim.begin(), rim.end(), all.begin());
    std::copy(hole.begin(), hole.end(), all.begin() + 4);
    return all;
}

bool holeShown(const Gas &gas)
{
    return gas.dividerUp() && gas.mixtureSettings().divider == Divider::Hole;
}

template <typename View, typename Value>
void placeDivider(View &view, const Gas &gas, Value colourDivider, Value colourHole, Value hidden)
{
    const std::array<Edge, 8> edges = dividerEdges(gas);
    for (int32_t k = 0; k < 8; ++k) {
        const int32_t seg = kDividerFirstSegment + k;
        const Edge &e = edges[static_cast<size_t>(k)];
        view.MoveSegment(seg, e[0], e[1], e[2], e[3], e[4], e[5]);
        Value colour = hidden;
        if (gas.dividerUp()) {
            colour = k < 4 ? colourDivider : (holeShown(gas) ? colourHole : hidden);
        }
        view.ChangeSegmentProperties(kColourCode, seg, colour);
        view.ChangeSegmentProperties(kStyleCode, seg, Value(kPlainEdge));
    }
}

template <typename View>
void linkTrace(View &view, const Gas &gas)
{
    const int32_t traced = gas.tracedParticle();
    // Unlink whichever particle the trace followed, then follow the one the
    // gas names (none in the classic gas).
    for (size_t t = 1; t < view.traces().size(); ++t) {
        const int32_t was = view.traces()[t].Particle;
        if (was >= 1 && was < view.MaxParticles()) {
            view.LinkTraceToParticle(static_cast<int32_t>(t), was, kSlidingLine, kTraceColour,
                                     kTraceInterval, kTracePoints, 0);
        }
    }
    if (traced >= 1 && traced < view.MaxParticles() && view.MaxTraces() > 1) {
        view.LinkTraceToParticle(1, traced, kSlidingLine, kTraceColour, kTraceInterval,
                                 kTracePoints, 1);
    }
    view.ShowTrace = traced >= 1;
}

} // namespace

int32_t softwareRadius(float radius, int32_t classicPixels)
{
    return std::max(1, static_cast<int32_t>(std::lround(classicPixels * radius / kRadius)));
}

float openGLSize(float radius, bool balls)
{
    return balls ? kGLBallPerRadius * radius : kGLClassicPointSize * radius / kRadius;
}

float openGLClassicPointSize()
{
    return kGLClassicPointSize;
}

void dressSoftwareView(TVx3DWorld &view, const Gas &gas)
{
    const GasState &s = gas.state;
    const bool mix = gas.mixture();
    const int32_t stored = view.MaxParticles() - 1;
    for (int32_t i = 1; i <= stored; ++i) {
        const bool live = i <= s.NumPar;
        if (mix) {
            view.ChangeParticleProperties(kColourCode, i, live ? colourOf(s, i) : kBlack);
            view.ChangeParticleProperties(kSizeCode, i,
                                          softwareRadius(s.RadioPar[i], s.RadioSoft));
        } else if (view.particles()[static_cast<size_t>(i)].Radius != s.RadioSoft) {
            view.ChangeParticleProperties(kSizeCode, i, s.RadioSoft);
        }
        if (live) {
            view.MoveParticle(i, s.ParX[i], s.ParY[i], s.ParZ[i]);
        }
    }
    view.NParticles = mix ? std::clamp(s.NumPar, MaxPar, stored) : MaxPar;
    // The vectors beyond the classic hundred are drawn only while shown.
    view.NSegments = mix && s.DibVel == 1
                         ? std::clamp(s.NumPar + SegVel, s.NSeg, view.MaxSegments() - 1)
                         : s.NSeg;
    placeDivider(view, gas, kDividerColour, kHoleColour, kBlack);
    linkTrace(view, gas);
    view.NTraces = gas.tracedParticle() >= 1 ? 1 : 0;
}

void dressOpenGLView(TVx3DWorldGL &view, const Gas &gas, bool balls)
{
    const GasState &s = gas.state;
    const bool mix = gas.mixture();
    const int32_t stored = view.MaxParticles() - 1;
    for (int32_t i = 1; i <= stored; ++i) {
        const float radius = mix ? s.RadioPar[i] : s.Radio;
        view.ChangeParticleProperties(kStyleCode, i, balls ? kGLBallStyle : kGLPoint);
        view.ChangeParticleProperties(kSizeCode, i, balls || mix ? openGLSize(radius, balls)
                                                                 : kGLClassicPointSize);
        const TColor c = mix ? colourOf(s, i) : kYellow;
        view.ChangeParticleProperties(kColourCode, i,
                                      c == kYellow ? kGLClassicColour : static_cast<float>(c));
        if (i <= s.NumPar) {
            view.MoveParticle(i, s.ParX[i], s.ParY[i], s.ParZ[i]);
        }
    }
    view.NParticles = s.NumPar;
    placeDivider(view, gas, static_cast<float>(kDividerColour), static_cast<float>(kHoleColour),
                 static_cast<float>(kBlack));
    linkTrace(view, gas);
}

} // namespace molvix::ui
