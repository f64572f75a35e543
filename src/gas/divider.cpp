#include "gas.h"

#include <algorithm>
#include <cmath>
#include <functional>

// The divider of a mixture: a plane at x = kBoxSize / 2 across the box,
// solid or with a square hole centred on its face. Like the box's walls it
// acts on particle centres. Each particle's meeting with the plane is an
// event of the tick, at the moment its straight flight reaches the plane,
// in time order with the collisions: however fast a particle flies, it can
// neither slip through the solid part nor be lost at the hole.

namespace {

constexpr double kDividerX = kBoxSize / 2;

} // namespace

void Gas::predictDivider(int32_t i, double now)
{
    // Each particle keeps its side through the tick; one heading for the
    // plane from its side meets it, at once if rounding left it on the plane
    // (a collision there may turn it back towards it).
    const GasState &g = state;
    MixtureState &m = m_mix;
    const double x = m.px[i] + g.VelX[i] * (now - m.tau[i]);
    const double vx = g.VelX[i];
    if (m.right[i] ? !(vx < 0) : !(vx > 0)) {
        return;
    }
    const double t = now + std::max(0.0, (kDividerX - x) / vx);
    if (t <= g.DeltaT) {
        m.heap.push_back({t, i, 0, m.version[i], m.version[0]});
        std::push_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
    }
}

bool Gas::meetDivider(int32_t i, double at)
{
    GasState &g = state;
    MixtureState &m = m_mix;
    const double dt = at - m.tau[i];
    m.py[i] += g.VelY[i] * dt;
    m.pz[i] += g.VelZ[i] * dt;
    m.px[i] = kDividerX;
    m.tau[i] = at;
    m.pathSince[i] += std::sqrt(double(g.VelX[i]) * g.VelX[i] + double(g.VelY[i]) * g.VelY[i] +
                                double(g.VelZ[i]) * g.VelZ[i]) *
                      dt;
    if (m.settings.divider == Divider::Hole) {
        const double half = m.settings.holeSide / 2.0;
        const double centreY = pistonPosition() / 2.0;
        if (std::abs(m.py[i] - centreY) <= half && std::abs(m.pz[i] - kDividerX) <= half) {
            const int32_t s = g.Especie[i];
            if (s == kSpeciesA || s == kSpeciesB) {
                (m.right[i] ? m.effusion.crossingsBack : m.effusion.crossings)[s] += 1;
            }
            m.right[i] = !m.right[i];
            return false; // through the hole, its course unchanged
        }
    }
    g.VelX[i] = -g.VelX[i];
    m.version[i] += 1;
    return true;
}

void Gas::tallySides()
{
    const GasState &g = state;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        m_mix.right[i] = !(g.ParX[i] < kDividerX);
    }
    const SideCounts c = sideCounts();
    m_mix.effusion.ticks += 1;
    for (size_t s = 0; s < 2; ++s) {
        m_mix.effusion.leftTicks[s] += c.n[s][0];
    }
}

void Gas::keepSide(int32_t i)
{
    // The float position may round onto the plane or past it; the next tick
    // must find the particle on the side it ended the tick on.
    GasState &g = state;
    constexpr float plane = static_cast<float>(kDividerX);
    if (m_mix.right[i] && !(g.ParX[i] > plane)) {
        g.ParX[i] = std::nextafter(plane, kBoxSize);
    } else if (!m_mix.right[i] && !(g.ParX[i] < plane)) {
        g.ParX[i] = std::nextafter(plane, 0.0f);
    }
}
