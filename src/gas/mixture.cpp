#include "gas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

// Two species of hard spheres and the exact collisions they need. Only a
// gas whose user chose a mixture reaches this file (docs/model.md). The
// tick is the event step's (events.cpp): this file sets the particles up
// and keeps the tallies as the step tells of each event.

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

} // namespace

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
    m.gravity = inRange(m.gravity, 0.0f, kGravityMax, 0.0f);
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
    m_mix.step.reset();
    g.Mezcla = 1;
    g.NumPar = heavy + m.aCount + m.bCount;
    g.NumParPedido = g.NumPar;
    for (int32_t i = 1; i < kGasSlots; ++i) {
        const bool b = i - heavy > m.aCount;
        g.Especie[i] = i <= heavy ? kHeavy : b ? kSpeciesB : kSpeciesA;
        g.Masa[i] = i <= heavy ? m.heavyMass : b ? m.bMass : 1.0f;
        g.RadioPar[i] = i <= heavy ? m.heavyRadius : b ? m.bRadius : m.aRadius;
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

void Gas::tallySides()
{
    const SideCounts c = sideCounts();
    m_mix.effusion.ticks += 1;
    for (size_t s = 0; s < 2; ++s) {
        m_mix.effusion.leftTicks[s] += c.n[s][0];
    }
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

struct Gas::MixtureEvents final : EventListener
{
    Gas &gas;
    explicit MixtureEvents(Gas &g) : gas(g) {}
    void contact(int32_t i, int32_t j) override { gas.tallyContact(i, j); }
    void wall(int32_t i, int axis, bool high) override { gas.tallyWall(i, axis, high); }
    void crossed(int32_t i, bool toRight) override
    {
        const int32_t s = gas.state.Especie[i];
        if (s == kSpeciesA || s == kSpeciesB) {
            (toRight ? gas.m_mix.effusion.crossings : gas.m_mix.effusion.crossingsBack)[s] += 1;
        }
    }
};

void Gas::mixtureTick(bool collisions)
{
    GasState &g = state;
    const bool divider = dividerUp();
    // The walls as they stand this tick.
    const float top = wallY();
    if (divider) {
        tallySides();
    }
    const EventBodies bodies{g.ParX.data(), g.ParY.data(), g.ParZ.data(),  g.VelX.data(),
                             g.VelY.data(), g.VelZ.data(), g.Masa.data(), g.RadioPar.data(),
                             g.NumPar};
    EventWalls walls;
    walls.side = {kBoxSize, std::max(0.0f, top), kBoxSize};
    walls.divider = divider;
    walls.hole = m_mix.settings.divider == Divider::Hole;
    walls.holeHalf = m_mix.settings.holeSide / 2.0;
    walls.holeY = pistonPosition() / 2.0;
    walls.holeZ = kBoxSize / 2.0;
    walls.gravity = m_mix.settings.gravity;
    MixtureEvents listener(*this);
    m_mix.step.run(bodies, walls, g.DeltaT, collisions, listener);
    tallyBulk(top);
    m_mix.tally.ticks += 1;
}

void Gas::tallyContact(int32_t i, int32_t j)
{
    const GasState &g = state;
    MixtureState &m = m_mix;
    FreePathTally &tally = m.tally;
    // The distance flown since a particle's last collision ends its path.
    for (const int32_t p : {i, j}) {
        const int s = g.Especie[p];
        const std::array<double, 3> at = m.step.position(p);
        if (inBulk(at[0], at[1], at[2])) {
            tally.bulkHits[static_cast<size_t>(s)] += 1;
        }
        if (s == kHeavy) {
            continue; // not a molecule: no path of its own in the gas's tally
        }
        const double path = m.step.flown(p);
        if (m.pathStarted[p]) {
            tally.paths[s] += 1;
            tally.pathSum[s] += path;
            const auto bin = static_cast<size_t>(std::min(
                path / FreePathTally::kPathBinWidth, double(FreePathTally::kPathBins - 1)));
            tally.histogram[bin] += 1;
        }
        tally.hits[s] += 1;
        m.pathStarted[p] = true;
        m.step.clearFlown(p);
    }
    tally.collisions += 1;
    // Elastic: the impulse is 2 mu |u.n|, and times the contact distance
    // r that is 2 mu |u.r| (u the velocities' difference as they meet).
    const std::array<double, 3> ri = m.step.position(i), rj = m.step.position(j);
    const std::array<double, 3> mid = {(ri[0] + rj[0]) / 2, (ri[1] + rj[1]) / 2,
                                       (ri[2] + rj[2]) / 2};
    const double d = coreMargin();
    if (mid[0] >= d && mid[0] <= kBoxSize - d && mid[1] >= d && mid[1] <= wallY() - d &&
        mid[2] >= d && mid[2] <= kBoxSize - d) {
        const double mu = double(g.Masa[i]) * g.Masa[j] / (double(g.Masa[i]) + g.Masa[j]);
        const double ur = (double(g.VelX[j]) - g.VelX[i]) * (rj[0] - ri[0]) +
                          (double(g.VelY[j]) - g.VelY[i]) * (rj[1] - ri[1]) +
                          (double(g.VelZ[j]) - g.VelZ[i]) * (rj[2] - ri[2]);
        tally.coreVirial += 2 * mu * std::abs(ur);
    }
}

void Gas::tallyWall(int32_t i, int axis, bool high)
{
    GasState &g = state;
    // The momentum the wall receives, its velocity already reversed: as the
    // classic walls add it, the mass weighed in.
    const float v = (axis == 0 ? g.VelX : axis == 1 ? g.VelY : g.VelZ)[i];
    if (high) {
        g.Presion -= 2.0f * g.Masa[i] * v;
    } else {
        g.Presion += 2.0f * g.Masa[i] * v;
    }
    const double impulse = 2.0 * g.Masa[i] * std::abs(double(v));
    m_mix.tally.wallImpulse[static_cast<size_t>(2 * axis + (high ? 1 : 0))] += impulse;
    const std::array<double, 3> at = m_mix.step.position(i);
    const double side[3] = {kBoxSize, wallY(), kBoxSize}, d = coreMargin();
    bool patch = true;
    for (int a = 0; a < 3; ++a) {
        patch = patch && (a == axis || (at[a] >= d && at[a] <= side[a] - d));
    }
    if (patch) {
        m_mix.tally.patchImpulse += impulse;
    }
    // Unfolded, the wall is a mirror: the particle goes on into the next
    // image of the box, up or down the axis as the image it was in is
    // mirrored or not.
    int32_t &image = m_mix.image[static_cast<size_t>(axis)][i];
    const int32_t up = (image & 1) == 0 ? 1 : -1;
    image += high ? up : -up;
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
    // The core and the walls' patches, likewise.
    const auto d = static_cast<float>(coreMargin());
    int64_t core = 0;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        const float x = g.ParX[i], y = g.ParY[i], z = g.ParZ[i];
        core += x >= d && x <= kBoxSize - d && y >= d && y <= top - d && z >= d &&
                z <= kBoxSize - d;
    }
    const double across = std::max(0.0, kBoxSize - 2.0 * d);
    const double high = std::max(0.0, double(top) - 2.0 * d);
    m.tally.coreCount += kBulkEveryTicks * core;
    m.tally.coreVolume += kBulkEveryTicks * across * across * high;
    m.tally.patchArea = 2 * across * across + 4 * across * high;
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
