#include "gas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

#if defined(__SSE2__)
#include <immintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

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

// The bulk's particles are counted every this many ticks.
constexpr int64_t kBulkEveryTicks = 4;

// A layout without overlaps tries this many places for each particle
// before it accepts an overlapping one (a box packed past that is refused
// by the ranges well before).
constexpr int kPlacementTries = 10000;

// Bits 0..3 set where boxes k..k+3 meet the box b (low and high on x, y,
// z): on each axis the low end is at most b's high and the high end at
// least b's low.
uint32_t meets4(const std::array<std::array<float, kGasSlots + 4>, 6> &box, int32_t k,
                const float (&b)[6])
{
#if defined(__SSE2__)
    __m128 all = _mm_castsi128_ps(_mm_set1_epi32(-1));
    for (int a = 0; a < 3; ++a) {
        const __m128 lo = _mm_loadu_ps(&box[2 * a][k]);
        const __m128 hi = _mm_loadu_ps(&box[2 * a + 1][k]);
        all = _mm_and_ps(all, _mm_cmple_ps(lo, _mm_set1_ps(b[2 * a + 1])));
        all = _mm_and_ps(all, _mm_cmpge_ps(hi, _mm_set1_ps(b[2 * a])));
    }
    return static_cast<uint32_t>(_mm_movemask_ps(all));
#elif defined(__wasm_simd128__)
    v128_t all = wasm_i32x4_splat(-1);
    for (int a = 0; a < 3; ++a) {
        const v128_t lo = wasm_v128_load(&box[2 * a][k]);
        const v128_t hi = wasm_v128_load(&box[2 * a + 1][k]);
        all = wasm_v128_and(all, wasm_f32x4_le(lo, wasm_f32x4_splat(b[2 * a + 1])));
        all = wasm_v128_and(all, wasm_f32x4_ge(hi, wasm_f32x4_splat(b[2 * a])));
    }
    return static_cast<uint32_t>(wasm_i32x4_bitmask(all));
#else
    uint32_t mask = 0;
    for (int j = 0; j < 4; ++j) {
        bool in = true;
        for (int a = 0; a < 3; ++a) {
            in = in && box[2 * a][k + j] <= b[2 * a + 1] && box[2 * a + 1][k + j] >= b[2 * a];
        }
        mask |= static_cast<uint32_t>(in) << j;
    }
    return mask;
#endif
}

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

MixtureSettings mixtureInRange(const MixtureSettings &asked)
{
    MixtureSettings m = asked;
    const auto inRange = [](float v, float low, float high, float fallback) {
        return std::isfinite(v) ? std::clamp(v, low, high) : fallback;
    };
    // The heavy particle takes a slot of the 500 before A and B do.
    m.heavyMass = m.heavyMass > 0 ? inRange(m.heavyMass, kHeavyMassMin, kHeavyMassMax, 0.0f) : 0.0f;
    m.heavyRadius = inRange(m.heavyRadius, kMixtureRadiusMin, kHeavyRadiusMax,
                            MixtureSettings{}.heavyRadius);
    const int32_t heavy = m.heavyMass > 0 ? 1 : 0;
    m.aCount = std::clamp(m.aCount, 0, kMixtureMaxCount - heavy);
    m.bCount = std::clamp(m.bCount, 0, kMixtureMaxCount - heavy - m.aCount);
    m.aRadius = inRange(m.aRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bRadius = inRange(m.bRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bMass = inRange(m.bMass, kMixtureMassMin, kMixtureMassMax, 1.0f);
    m.holeSide = inRange(m.holeSide, kHoleSideMin, kHoleSideMax, MixtureSettings{}.holeSide);
    if (m.divider != Divider::Solid && m.divider != Divider::Hole) {
        m.divider = Divider::None;
    }
    return m;
}

double mixtureStartPacking(const MixtureSettings &m, double wall)
{
    const auto spheres = [](double count, double r) {
        return count * 4.0 / 3.0 * std::numbers::pi * r * r * r;
    };
    const double a = spheres(m.aCount, m.aRadius) + spheres(m.heavyMass > 0 ? 1 : 0, m.heavyRadius);
    const double b = spheres(m.bCount, m.bRadius);
    double volume = double(kBoxSize) * kBoxSize * wall;
    double filled = a + b;
    if (m.divider != Divider::None) {
        volume /= 2;
        filled = m.divider == Divider::Hole ? a + b : std::max(a, b);
    }
    if (!(volume > 0)) {
        return filled > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return filled / volume;
}

bool Gas::setMixture(const MixtureSettings &asked)
{
    GasState &g = state;
    const MixtureSettings m = mixtureInRange(asked);
    if (!(mixtureStartPacking(m, pistonPosition()) <= kMixtureMaxPacking)) {
        return false;
    }
    // The piston's impacts and the bath's draws take every particle to have
    // unit mass: a mixture has the fixed piston and no bath.
    if (m_process.settings.piston != PistonMode::Fixed || m_process.settings.bath) {
        ProcessSettings p = m_process.settings;
        p.piston = PistonMode::Fixed;
        p.bath = false;
        setProcess(p);
    }
    const int32_t heavy = m.heavyMass > 0 ? 1 : 0;
    m_mix.on = true;
    m_mix.settings = m;
    m_mix.dividerUp = m.divider != Divider::None;
    m_mix.traced = 1;
    m_mix.effusion = EffusionTally{};
    m_mix.random.seed(kMixtureSeed);
    m_mix.order.clear();
    g.Mezcla = 1;
    g.NumPar = heavy + m.aCount + m.bCount;
    g.NumParPedido = g.NumPar;
    for (int32_t i = 1; i < kGasSlots; ++i) {
        const bool b = i - heavy > m.aCount;
        g.Especie[i] = i <= heavy ? kHeavy : b ? kSpeciesB : kSpeciesA;
        g.Masa[i] = i <= heavy ? m.heavyMass : b ? m.bMass : 1.0f;
        g.RadioPar[i] = i <= heavy ? m.heavyRadius : b ? m.bRadius : m.aRadius;
        m_mix.pathSince[i] = 0;
        m_mix.pathStarted[i] = false;
        for (auto &image : m_mix.image) {
            image[i] = 0;
        }
    }
    float widest = 0;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        widest = std::max(widest, g.RadioPar[i]);
    }
    m_mix.bulkMargin = 2.0 * widest;
    placeMixture();
    mixtureVelocities();
    resetFreePaths();
    startNewSeries();
    Energia();
    if (gl != nullptr) {
        gl->setParticleCount(g.NumPar);
    }
    return true;
}

void Gas::removeDivider()
{
    m_mix.dividerUp = false;
    m_changes |= GasChange::Mixture;
}

SideCounts Gas::sideCounts() const
{
    const GasState &g = state;
    SideCounts c;
    for (int32_t i = 1; i <= g.NumPar && m_mix.on; ++i) {
        const int32_t s = g.Especie[i];
        if (s == kSpeciesA || s == kSpeciesB) {
            c.n[static_cast<size_t>(s)][g.ParX[i] < kBoxSize / 2 ? 0 : 1] += 1;
        }
    }
    return c;
}

void Gas::setTracedParticle(int32_t i)
{
    if (m_mix.on) {
        m_mix.traced = std::clamp(i, 0, state.NumPar);
        m_changes |= GasChange::Mixture;
    }
}

void Gas::endMixture(int32_t count)
{
    GasState &g = state;
    if (!m_mix.on) {
        return;
    }
    m_mix = MixtureState{};
    g.Mezcla = 0;
    m_changes |= GasChange::Mixture;
    for (int32_t i = 1; i < kGasSlots; ++i) {
        g.Masa[i] = 1.0f;
        g.RadioPar[i] = 0.0f;
        g.Especie[i] = kSpeciesA;
    }
    // Every mixture particle leaves the views; the classic count then
    // brings its own back, laid out as the classic gas lays them.
    setCount(0);
    setCount(std::clamp(count, 0, MaxPar));
    ReglaTemperatura(g.Temp);
}

void Gas::placeMixture()
{
    GasState &g = state;
    // A new set of particles, species and all.
    m_changes |= GasChange::Count | GasChange::Positions | GasChange::Mixture;
    const float wall = std::max(0.0f, wallY());
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const Divider divider = m_mix.settings.divider;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const float r = g.RadioPar[i];
        // Inside the walls by a radius where the box leaves room.
        const auto span = [r](float size) { return size > 2 * r ? size - 2 * r : 0.0f; };
        const auto offset = [r](float size) { return size > 2 * r ? r : size / 2; };
        // Behind a divider, inside the particle's half: species B on the
        // right of a solid one, every other particle on the left.
        const bool right = divider == Divider::Solid && g.Especie[i] == kSpeciesB;
        const float x0 = right ? kBoxSize / 2 : 0.0f;
        const float width = divider == Divider::None ? kBoxSize : kBoxSize / 2;
        // The heavy particle, first into the empty box, always finds room
        // at its centre (left of the divider, with one): its trace starts in
        // the middle of the view, its walk as far from every wall as it can.
        for (int tries = i == heavyParticle() ? kPlacementTries : 0; tries < kPlacementTries;
             ++tries) {
            g.ParX[i] = x0 + offset(width) + unit(m_mix.random) * span(width);
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
        if (i == heavyParticle()) {
            g.ParX[i] = m_mix.settings.divider == Divider::None ? kBoxSize / 2 : kBoxSize / 4;
            g.ParY[i] = wall / 2;
            g.ParZ[i] = kBoxSize / 2;
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
    m_changes |= GasChange::Vectors;
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

void Gas::sweepBox(int32_t i, double now)
{
    // The box i's sphere sweeps from `now` to the tick's end on its present
    // course, a little wider than the float rounding of its bounds.
    const GasState &g = state;
    MixtureState &m = m_mix;
    constexpr float kPad = 1e-3f;
    const double p[3] = {m.px[i], m.py[i], m.pz[i]};
    const double v[3] = {g.VelX[i], g.VelY[i], g.VelZ[i]};
    const double r = g.RadioPar[i];
    for (int a = 0; a < 3; ++a) {
        const double from = p[a] + v[a] * (now - m.tau[i]);
        const double to = p[a] + v[a] * (g.DeltaT - m.tau[i]);
        m.boxes[2 * a][i] = static_cast<float>(std::min(from, to) - r) - kPad;
        m.boxes[2 * a + 1][i] = static_cast<float>(std::max(from, to) + r) + kPad;
    }
}

void Gas::predictFrom(int32_t i, double now)
{
    // After i's course changed (its box swept afresh): its contacts with
    // every particle whose box meets its own. Each box holds its sphere from
    // its last collision to the tick's end, so two spheres that touch on
    // their present courses have boxes that meet.
    GasState &g = state;
    MixtureState &m = m_mix;
    const int32_t n = g.NumPar;
    float b[6];
    for (int c = 0; c < 6; ++c) {
        b[c] = m.boxes[c][i];
    }
    const double dti = now - m.tau[i];
    const double xi = m.px[i] + g.VelX[i] * dti, yi = m.py[i] + g.VelY[i] * dti,
                 zi = m.pz[i] + g.VelZ[i] * dti;
    for (int32_t base = 1; base <= n; base += 4) {
        uint32_t hits = meets4(m.boxes, base, b);
        if (n - base < 3) {
            hits &= (1u << (n - base + 1)) - 1u; // past the last particle
        }
        for (; hits != 0; hits &= hits - 1) {
            const int32_t k = base + std::countr_zero(hits);
            if (k == i) {
                continue;
            }
            const double dt = now - m.tau[k];
            const std::array<double, 3> dr = {m.px[k] + g.VelX[k] * dt - xi,
                                              m.py[k] + g.VelY[k] * dt - yi,
                                              m.pz[k] + g.VelZ[k] * dt - zi};
            const std::array<double, 3> dv = {double(g.VelX[k]) - g.VelX[i],
                                              double(g.VelY[k]) - g.VelY[i],
                                              double(g.VelZ[k]) - g.VelZ[i]};
            const double t =
                contactTime(dr, dv, double(g.RadioPar[i]) + g.RadioPar[k], now, g.DeltaT);
            if (t >= 0) {
                m.heap.push_back({t, i, k, m.version[i], m.version[k]});
                std::push_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
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
        const double speed =
            std::sqrt(double(g.VelX[p]) * g.VelX[p] + double(g.VelY[p]) * g.VelY[p] +
                      double(g.VelZ[p]) * g.VelZ[p]);
        m.pathSince[p] += speed * dt;
        const int s = g.Especie[p];
        if (inBulk(m.px[p], m.py[p], m.pz[p])) {
            tally.bulkHits[static_cast<size_t>(s)] += 1;
        }
        if (s == kHeavy) {
            // Not a molecule: no path of its own in the gas's tally.
            m.version[p] += 1;
            continue;
        }
        if (m.pathStarted[p]) {
            tally.paths[s] += 1;
            tally.pathSum[s] += m.pathSince[p];
            const auto bin = static_cast<size_t>(
                std::min(m.pathSince[p] / FreePathTally::kPathBinWidth,
                         double(FreePathTally::kPathBins - 1)));
            tally.histogram[bin] += 1;
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
}

void Gas::mixtureTick(bool collisions)
{
    const bool divider = dividerUp();
    const bool pairs = collisions && state.NumPar > 1;
    beginMixtureTick(divider);
    if (pairs) {
        predictContacts();
    }
    // The divider's meetings join the collisions (partner 0: the plane).
    for (int32_t i = 1; i <= state.NumPar && divider; ++i) {
        predictDivider(i, 0);
    }
    runContacts(pairs, divider);
    // The walls as they stand this tick.
    const float top = wallY();
    endMixtureTick(divider, top);
    tallyBulk(top);
    m_mix.tally.ticks += 1;
}

void Gas::beginMixtureTick(bool divider)
{
    // Every particle starts the tick at its own time 0, where it stands.
    const GasState &g = state;
    MixtureState &m = m_mix;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        m.px[i] = g.ParX[i];
        m.py[i] = g.ParY[i];
        m.pz[i] = g.ParZ[i];
        m.tau[i] = 0;
        m.version[i] = 0;
    }
    if (divider) {
        tallySides();
    }
    m.heap.clear();
}

void Gas::sortBoxes()
{
    // The boxes in order of their low x (the order of the last tick, nearly
    // right, mended by insertion).
    const int32_t n = state.NumPar;
    MixtureState &m = m_mix;
    for (int32_t i = 1; i <= n; ++i) {
        sweepBox(i, 0);
    }
    if (m.order.size() != static_cast<size_t>(n)) {
        m.order.resize(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            m.order[static_cast<size_t>(i)] = i + 1;
        }
    }
    const auto &lx = m.boxes[0];
    for (size_t a = 1; a < m.order.size(); ++a) {
        const int32_t i = m.order[a];
        size_t b = a;
        for (; b > 0 && lx[m.order[b - 1]] > lx[i]; --b) {
            m.order[b] = m.order[b - 1];
        }
        m.order[b] = i;
    }
    // The boxes in that order, side by side: the window of boxes that
    // begin before a box ends is found on x, then tested on y and z
    // without branches.
    auto &q = m.sorted;
    for (int32_t a = 0; a < n; ++a) {
        const int32_t i = m.order[static_cast<size_t>(a)];
        for (int c = 0; c < 6; ++c) {
            q[c][a] = m.boxes[c][i];
        }
    }
}

void Gas::predictContacts()
{
    // Sweep and prune: each box against those that begin before it ends.
    const GasState &g = state;
    MixtureState &m = m_mix;
    const int32_t n = g.NumPar;
    const double end = g.DeltaT;
    sortBoxes();
    const auto &q = m.sorted;
    int32_t windowEnd = 0;
    for (int32_t a = 0; a < n; ++a) {
        float b[6];
        for (int c = 0; c < 6; ++c) {
            b[c] = q[c][a];
        }
        windowEnd = std::max(windowEnd, a + 1);
        while (windowEnd < n && q[0][windowEnd] <= b[1]) {
            ++windowEnd;
        }
        for (int32_t base = a + 1; base < windowEnd; base += 4) {
            uint32_t hits = meets4(q, base, b);
            if (windowEnd - base < 4) {
                hits &= (1u << (windowEnd - base)) - 1u;
            }
            for (; hits != 0; hits &= hits - 1) {
                const int32_t i = m.order[static_cast<size_t>(a)];
                const int32_t k = m.order[static_cast<size_t>(base + std::countr_zero(hits))];
                const std::array<double, 3> dr = {m.px[k] - m.px[i], m.py[k] - m.py[i],
                                                  m.pz[k] - m.pz[i]};
                const std::array<double, 3> dv = {double(g.VelX[k]) - g.VelX[i],
                                                  double(g.VelY[k]) - g.VelY[i],
                                                  double(g.VelZ[k]) - g.VelZ[i]};
                const double t =
                    contactTime(dr, dv, double(g.RadioPar[i]) + g.RadioPar[k], 0, end);
                if (t >= 0) {
                    m.heap.push_back({t, i, k, 0, 0});
                }
            }
        }
    }
    std::make_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
}

void Gas::runContacts(bool pairs, bool divider)
{
    // The events in time order, each changing the courses it involves and
    // predicting theirs afresh.
    MixtureState &m = m_mix;
    while (!m.heap.empty()) {
        std::pop_heap(m.heap.begin(), m.heap.end(), std::greater<>{});
        const MixtureState::Event e = m.heap.back();
        m.heap.pop_back();
        // A collision since the prediction changed a course: stale.
        if (e.vi != m.version[e.i] || e.vj != m.version[e.j]) {
            continue;
        }
        if (e.j == 0) {
            if (meetDivider(e.i, e.t) && pairs) {
                sweepBox(e.i, e.t);
                predictFrom(e.i, e.t);
            }
            continue;
        }
        collidePair(e.i, e.j, e.t);
        sweepBox(e.i, e.t);
        sweepBox(e.j, e.t);
        predictFrom(e.i, e.t);
        predictFrom(e.j, e.t);
        if (divider) {
            predictDivider(e.i, e.t);
            predictDivider(e.j, e.t);
        }
    }
}

void Gas::endMixtureTick(bool divider, float top)
{
    // Each particle flies on to the tick's end, then meets the walls.
    GasState &g = state;
    MixtureState &m = m_mix;
    const double end = g.DeltaT;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const double dt = end - m.tau[i];
        g.ParX[i] = static_cast<float>(m.px[i] + g.VelX[i] * dt);
        g.ParY[i] = static_cast<float>(m.py[i] + g.VelY[i] * dt);
        g.ParZ[i] = static_cast<float>(m.pz[i] + g.VelZ[i] * dt);
        if (divider) {
            keepSide(i);
        }
        const double speed = std::sqrt(double(g.VelX[i]) * g.VelX[i] +
                                       double(g.VelY[i]) * g.VelY[i] + double(g.VelZ[i]) * g.VelZ[i]);
        m.pathSince[i] += speed * dt;
        if (outsideBox(i, top)) {
            // The fold is a mirror: the position unfolded from the image the
            // particle was in says which image it has gone on into.
            const std::array<double, 3> before = unfoldedPosition(i);
            ChoquePared(i);
            const double side[3] = {kBoxSize, top, kBoxSize};
            for (int a = 0; a < 3; ++a) {
                if (side[a] > 0) {
                    m.image[a][i] = static_cast<int32_t>(std::floor(before[a] / side[a]));
                }
            }
        }
    }
}

void Gas::tallyBulk(float top)
{
    // The bulk's particles and their flight, every kBulkEveryTicks ticks,
    // each look standing for that many ticks: a particle moves a few
    // hundredths of the box in a tick, so looks at every tick would say
    // nearly the same for a tenth of the tick's time.
    const GasState &g = state;
    MixtureState &m = m_mix;
    if (m.tally.ticks % kBulkEveryTicks != 0) {
        return;
    }
    const double end = g.DeltaT;
    const auto margin = static_cast<float>(m.bulkMargin);
    const float bulkLow = margin, bulkHigh = kBoxSize - margin, bulkTop = top - margin;
    const bool divided = dividerUp();
    std::array<int64_t, 3> count{0, 0, 0};
    std::array<double, 3> flown{0, 0, 0};
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const float x = g.ParX[i], y = g.ParY[i], z = g.ParZ[i];
        if (x >= bulkLow && x <= bulkHigh && y >= bulkLow && y <= bulkTop && z >= bulkLow &&
            z <= bulkHigh && !(divided && std::abs(x - kBoxSize / 2) < margin)) {
            const auto s = static_cast<size_t>(g.Especie[i]);
            count[s] += 1;
            flown[s] += std::sqrt(double(g.VelX[i]) * g.VelX[i] + double(g.VelY[i]) * g.VelY[i] +
                                  double(g.VelZ[i]) * g.VelZ[i]);
        }
    }
    for (size_t s = 0; s < 3; ++s) {
        m.tally.bulkCount[s] += kBulkEveryTicks * count[s];
        m.tally.bulkFlown[s] += kBulkEveryTicks * flown[s] * end;
    }
    m.tally.bulkVolume += kBulkEveryTicks * bulkVolume();
}

bool Gas::inBulk(double x, double y, double z) const
{
    const double d = m_mix.bulkMargin;
    const double top = wallY();
    return x >= d && x <= kBoxSize - d && y >= d && y <= top - d && z >= d &&
           z <= kBoxSize - d && !(dividerUp() && std::abs(x - kBoxSize / 2) < d);
}

double Gas::bulkVolume() const
{
    const double d = m_mix.bulkMargin;
    const double side = std::max(0.0, kBoxSize - 2 * d);
    double across = side;
    if (dividerUp()) {
        across = std::max(0.0, kBoxSize / 2 - 2 * d) * 2;
    }
    return across * side * std::max(0.0, double(wallY()) - 2 * d);
}

std::array<double, 3> Gas::unfoldedPosition(int32_t i) const
{
    const GasState &g = state;
    const double side[3] = {kBoxSize, wallY(), kBoxSize};
    const double r[3] = {g.ParX[i], g.ParY[i], g.ParZ[i]};
    std::array<double, 3> out{};
    for (int a = 0; a < 3; ++a) {
        const int32_t c = m_mix.image[a][i];
        // In an odd image the box is mirrored: its far wall comes first.
        out[a] = c * side[a] + ((c & 1) != 0 ? side[a] - r[a] : r[a]);
    }
    return out;
}
