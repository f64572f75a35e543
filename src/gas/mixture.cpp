#include "gas.h"

#include <algorithm>
#include <cmath>

// Two species of hard spheres and the exact collisions they need. Only a
// gas whose user chose a mixture reaches this file (docs/model.md).
//
// Within a tick every particle flies in a straight line until it meets
// another: each pair's moment of contact is solved from its positions and
// velocities (|dr + dv t| = ri + rj), and the contacts are made in time
// order, each at its own moment, so that no pair crosses unseen however
// fast it is. The walls are met at the end of the tick, as in the classic
// gas.

namespace {

// The mixture's generator has a seed of its own, so that the classic
// start-up's draws are untouched.
constexpr std::mt19937::result_type kMixtureSeed = 20261210u;

// A layout without overlaps tries this many places for each particle
// before it accepts an overlapping one (a box packed past that is refused
// by the ranges well before).
constexpr int kPlacementTries = 10000;

double dot(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

double Gas::contactTime(const std::array<double, 3> &dr, const std::array<double, 3> &dv,
                        double sigma, double from, double to)
{
    const double b = dot(dr, dv);
    if (!(b < 0)) {
        return -1; // moving apart, or keeping their distance
    }
    const double c = dot(dr, dr) - sigma * sigma;
    if (c <= 0) {
        return from; // touching already and closing in: now
    }
    const double a = dot(dv, dv);
    const double disc = b * b - a * c;
    if (!(disc > 0)) {
        return -1; // the closest approach stays outside contact
    }
    // The smaller root, written without the cancellation of -b - sqrt.
    const double t = from + c / (-b + std::sqrt(disc));
    return t <= to ? t : -1;
}

void Gas::setMixture(const MixtureSettings &asked)
{
    GasState &g = state;
    MixtureSettings m = asked;
    m.aCount = std::clamp(m.aCount, 0, kMixtureMaxCount);
    m.bCount = std::clamp(m.bCount, 0, kMixtureMaxCount - m.aCount);
    const auto inRange = [](float v, float low, float high, float fallback) {
        return std::isfinite(v) ? std::clamp(v, low, high) : fallback;
    };
    m.aRadius = inRange(m.aRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bRadius = inRange(m.bRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bMass = inRange(m.bMass, kMixtureMassMin, kMixtureMassMax, 1.0f);
    m_mix.on = true;
    m_mix.settings = m;
    m_mix.random.seed(kMixtureSeed);
    g.Mezcla = true;
    g.NumPar = m.aCount + m.bCount;
    g.NumParPedido = g.NumPar;
    for (int32_t i = 1; i < kGasSlots; ++i) {
        const bool b = i > m.aCount;
        g.Especie[i] = b ? 1 : 0;
        g.Masa[i] = b ? m.bMass : 1.0f;
        g.RadioPar[i] = b ? m.bRadius : m.aRadius;
        m_mix.pathSince[i] = 0;
        m_mix.pathStarted[i] = false;
    }
    m_mix.sigmaMax = 2.0 * std::max(m.aRadius, m.bCount > 0 ? m.bRadius : 0.0f);
    placeMixture();
    mixtureVelocities();
    resetFreePaths();
    startNewSeries();
    Energia();
    if (gl != nullptr) {
        gl->setParticleCount(g.NumPar);
    }
}

void Gas::placeMixture()
{
    GasState &g = state;
    const float wall = std::max(0.0f, wallY());
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const float r = g.RadioPar[i];
        // Inside the walls by a radius where the box leaves room.
        const auto span = [r](float size) { return size > 2 * r ? size - 2 * r : 0.0f; };
        const auto offset = [r](float size) { return size > 2 * r ? r : size / 2; };
        for (int tries = 0; tries < kPlacementTries; ++tries) {
            g.ParX[i] = offset(kBoxSize) + unit(m_mix.random) * span(kBoxSize);
            g.ParY[i] = offset(wall) + unit(m_mix.random) * span(wall);
            g.ParZ[i] = offset(kBoxSize) + unit(m_mix.random) * span(kBoxSize);
            bool free = true;
            for (int32_t k = 1; k < i && free; ++k) {
                const float dx = g.ParX[k] - g.ParX[i];
                const float dy = g.ParY[k] - g.ParY[i];
                const float dz = g.ParZ[k] - g.ParZ[i];
                const float s = g.RadioPar[k] + r;
                free = dx * dx + dy * dy + dz * dz >= s * s;
            }
            if (free) {
                break;
            }
        }
        if (gl != nullptr) {
            gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
        if (soft != nullptr) {
            soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
    }
}

void Gas::mixtureVelocities()
{
    GasState &g = state;
    // k T per unit mass as the classic templates give it at this setting;
    // each species then has its own spread, sqrt(k T / m) per axis.
    const double kT = kTemplateMeanSquare / 3.0 * double(g.Temp) * g.Temp;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const float sd = static_cast<float>(std::sqrt(kT / g.Masa[i]));
        const std::array<float, 2> a = unitNormalPair(m_mix.random);
        const std::array<float, 2> b = unitNormalPair(m_mix.random);
        g.VelX[i] = sd * a[0];
        g.VelY[i] = sd * a[1];
        g.VelZ[i] = sd * b[0];
    }
}

// ---- the tick -------------------------------------------------------------

void Gas::predictFrom(int32_t i, double now)
{
    // After i's velocity changed: its contacts with every particle it can
    // still reach in the tick. Any k stays within vmax x DeltaT of where it
    // began the tick (vmax is the fastest speed yet), and i sweeps the
    // segment from now to the tick's end, so the cells around that segment,
    // widened by the reach, hold every partner.
    GasState &g = state;
    MixtureState &m = m_mix;
    const double end = g.DeltaT;
    const double vx = g.VelX[i], vy = g.VelY[i], vz = g.VelZ[i];
    const double x0 = m.px[i] + vx * (now - m.tau[i]);
    const double y0 = m.py[i] + vy * (now - m.tau[i]);
    const double z0 = m.pz[i] + vz * (now - m.tau[i]);
    const double x1 = x0 + vx * (end - now), y1 = y0 + vy * (end - now), z1 = z0 + vz * (end - now);
    const double reach = m.sigmaMax + m.vmax * end;
    const auto cellRange = [&m, reach](double a, double b) {
        const auto cell = [&m](double v) {
            return std::clamp(static_cast<int32_t>(std::floor(v / m.cellSize)), 0, m.cells - 1);
        };
        return std::array<int32_t, 2>{cell(std::min(a, b) - reach), cell(std::max(a, b) + reach)};
    };
    const auto cx = cellRange(x0, x1), cy = cellRange(y0, y1), cz = cellRange(z0, z1);
    for (int32_t a = cx[0]; a <= cx[1]; ++a) {
        for (int32_t b = cy[0]; b <= cy[1]; ++b) {
            for (int32_t c = cz[0]; c <= cz[1]; ++c) {
                for (int32_t k = m.head[(a * m.cells + b) * m.cells + c]; k != 0; k = m.next[k]) {
                    if (k == i) {
                        continue;
                    }
                    const double dt = now - m.tau[k];
                    const std::array<double, 3> dr = {m.px[k] + g.VelX[k] * dt - x0,
                                                      m.py[k] + g.VelY[k] * dt - y0,
                                                      m.pz[k] + g.VelZ[k] * dt - z0};
                    const std::array<double, 3> dv = {g.VelX[k] - vx, g.VelY[k] - vy,
                                                      g.VelZ[k] - vz};
                    const double t = contactTime(dr, dv, double(g.RadioPar[i]) + g.RadioPar[k],
                                                 now, end);
                    if (t >= 0) {
                        m.heap.push_back({t, i, k, m.version[i], m.version[k]});
                        std::push_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
                    }
                }
            }
        }
    }
}

void Gas::collidePair(int32_t i, int32_t j, double at)
{
    GasState &g = state;
    MixtureState &m = m_mix;
    FreePathTally &tally = m.tally;
    // Both to the moment of contact; the distance flown ends each one's path.
    for (const int32_t p : {i, j}) {
        const double dt = at - m.tau[p];
        m.px[p] += g.VelX[p] * dt;
        m.py[p] += g.VelY[p] * dt;
        m.pz[p] += g.VelZ[p] * dt;
        m.tau[p] = at;
        const double speed = std::sqrt(double(g.VelX[p]) * g.VelX[p] +
                                       double(g.VelY[p]) * g.VelY[p] +
                                       double(g.VelZ[p]) * g.VelZ[p]);
        m.pathSince[p] += speed * dt;
        const int s = g.Especie[p];
        if (m.pathStarted[p]) {
            tally.paths[s] += 1;
            tally.pathSum[s] += m.pathSince[p];
        }
        tally.hits[s] += 1;
        m.pathStarted[p] = true;
        m.pathSince[p] = 0;
        m.version[p] += 1;
    }
    tally.collisions += 1;
    std::array<double, 3> n = {m.px[j] - m.px[i], m.py[j] - m.py[i], m.pz[j] - m.pz[i]};
    const double r = std::sqrt(dot(n, n));
    if (!(r > 0)) {
        return; // same centre: no line of centres
    }
    for (double &c : n) {
        c /= r;
    }
    // The elastic exchange along the line of centres for masses mi, mj:
    // momentum and energy are kept; the tangential components stay.
    const double mi = g.Masa[i], mj = g.Masa[j];
    const double un = (g.VelX[j] - g.VelX[i]) * n[0] + (g.VelY[j] - g.VelY[i]) * n[1] +
                      (g.VelZ[j] - g.VelZ[i]) * n[2];
    const double impulse = 2.0 * mi * mj / (mi + mj) * un;
    g.VelX[i] = static_cast<float>(g.VelX[i] + impulse / mi * n[0]);
    g.VelY[i] = static_cast<float>(g.VelY[i] + impulse / mi * n[1]);
    g.VelZ[i] = static_cast<float>(g.VelZ[i] + impulse / mi * n[2]);
    g.VelX[j] = static_cast<float>(g.VelX[j] - impulse / mj * n[0]);
    g.VelY[j] = static_cast<float>(g.VelY[j] - impulse / mj * n[1]);
    g.VelZ[j] = static_cast<float>(g.VelZ[j] - impulse / mj * n[2]);
    for (const int32_t p : {i, j}) {
        const double v2 = double(g.VelX[p]) * g.VelX[p] + double(g.VelY[p]) * g.VelY[p] +
                          double(g.VelZ[p]) * g.VelZ[p];
        m.vmax = std::max(m.vmax, std::sqrt(v2));
    }
}

void Gas::mixtureTick(bool collisions)
{
    GasState &g = state;
    MixtureState &m = m_mix;
    const int32_t n = g.NumPar;
    const double end = g.DeltaT;
    m.vmax = 0;
    for (int32_t i = 1; i <= n; ++i) {
        m.px[i] = g.ParX[i];
        m.py[i] = g.ParY[i];
        m.pz[i] = g.ParZ[i];
        m.tau[i] = 0;
        m.version[i] = 0;
        const double v2 = double(g.VelX[i]) * g.VelX[i] + double(g.VelY[i]) * g.VelY[i] +
                          double(g.VelZ[i]) * g.VelZ[i];
        m.vmax = std::max(m.vmax, std::sqrt(v2));
    }
    if (collisions && n > 1) {
        // Cells at least as wide as the farthest two particles can close in
        // the tick before either meets another: such a pair is in
        // neighbouring cells. A pair one of which changed course is found
        // again from the collision that changed it (predictFrom).
        const double reach = m.sigmaMax + 2.0 * m.vmax * end;
        m.cells = std::clamp(static_cast<int32_t>(kBoxSize / std::max(reach, 1e-9)), 1, 16);
        m.cellSize = kBoxSize / m.cells;
        m.head.assign(static_cast<size_t>(m.cells * m.cells * m.cells), 0);
        const auto cell = [&m](double v) {
            return std::clamp(static_cast<int32_t>(std::floor(v / m.cellSize)), 0, m.cells - 1);
        };
        for (int32_t i = n; i >= 1; --i) {
            const int32_t c = (cell(m.px[i]) * m.cells + cell(m.py[i])) * m.cells + cell(m.pz[i]);
            m.next[i] = m.head[c];
            m.head[c] = i;
        }
        m.heap.clear();
        // Every pair in a cell or two neighbouring ones, each pair once.
        for (int32_t a = 0; a < m.cells; ++a) {
            for (int32_t b = 0; b < m.cells; ++b) {
                for (int32_t c = 0; c < m.cells; ++c) {
                    const int32_t home = (a * m.cells + b) * m.cells + c;
                    for (int32_t i = m.head[home]; i != 0; i = m.next[i]) {
                        for (int32_t da = -1; da <= 1; ++da) {
                            for (int32_t db = -1; db <= 1; ++db) {
                                for (int32_t dc = -1; dc <= 1; ++dc) {
                                    const int32_t a2 = a + da, b2 = b + db, c2 = c + dc;
                                    if (a2 < 0 || b2 < 0 || c2 < 0 || a2 >= m.cells ||
                                        b2 >= m.cells || c2 >= m.cells) {
                                        continue;
                                    }
                                    const int32_t other = (a2 * m.cells + b2) * m.cells + c2;
                                    for (int32_t k = m.head[other]; k != 0; k = m.next[k]) {
                                        if (k <= i) {
                                            continue;
                                        }
                                        const std::array<double, 3> dr = {m.px[k] - m.px[i],
                                                                          m.py[k] - m.py[i],
                                                                          m.pz[k] - m.pz[i]};
                                        const std::array<double, 3> dv = {
                                            double(g.VelX[k]) - g.VelX[i],
                                            double(g.VelY[k]) - g.VelY[i],
                                            double(g.VelZ[k]) - g.VelZ[i]};
                                        const double t = contactTime(
                                            dr, dv, double(g.RadioPar[i]) + g.RadioPar[k], 0, end);
                                        if (t >= 0) {
                                            m.heap.push_back({t, i, k, 0, 0});
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
        std::make_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
        while (!m.heap.empty()) {
            std::pop_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
            const MixtureState::Event e = m.heap.back();
            m.heap.pop_back();
            // A collision since the prediction changed a course: stale.
            if (e.vi != m.version[e.i] || e.vj != m.version[e.j]) {
                continue;
            }
            collidePair(e.i, e.j, e.t);
            predictFrom(e.i, e.t);
            predictFrom(e.j, e.t);
        }
    }
    for (int32_t i = 1; i <= n; ++i) {
        const double dt = end - m.tau[i];
        g.ParX[i] = static_cast<float>(m.px[i] + g.VelX[i] * dt);
        g.ParY[i] = static_cast<float>(m.py[i] + g.VelY[i] * dt);
        g.ParZ[i] = static_cast<float>(m.pz[i] + g.VelZ[i] * dt);
        m.pathSince[i] += std::sqrt(double(g.VelX[i]) * g.VelX[i] +
                                    double(g.VelY[i]) * g.VelY[i] +
                                    double(g.VelZ[i]) * g.VelZ[i]) *
                          dt;
        ChoquePared(i);
        if (g.ModoGL == 1) {
            if (gl != nullptr) {
                gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
            }
        } else if (g.ModoGL == 0) {
            if (soft != nullptr) {
                soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
            }
        }
        if (g.DibVel == 1) {
            moveVectorOnActiveView(i);
        }
    }
    m.tally.ticks += 1;
}
