#include "mixturerecorder.h"

#include "freepath.h"
#include "readinglog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The species of a mixture (A, B, the heavy one) at their densities in a
// volume, each count given.
std::vector<SpeciesPart> speciesParts(const MixtureSettings &m, const std::array<double, 3> &count,
                                      double volume)
{
    return {{count[0] / volume, m.aRadius, 1.0},
            {count[1] / volume, m.bRadius, m.bMass},
            {count[2] / volume, m.heavyRadius, m.heavyMass > 0 ? m.heavyMass : 1.0}};
}

// Every species at its whole-box density.
std::vector<SpeciesPart> boxParts(const Gas &gas, double volume)
{
    const MixtureSettings &m = gas.mixtureSettings();
    return speciesParts(m, {double(m.aCount), double(m.bCount), gas.heavyParticle() > 0 ? 1.0 : 0.0},
                        volume);
}

double exactKT(const Gas &gas)
{
    return 100.0 * temperatureOf(kineticSum(gas.state).total, gas.state.NumPar);
}

// 1/2 m v^2 and m g h over the live particles.
std::array<double, 2> energies(const Gas &gas)
{
    const GasState &s = gas.state;
    const double g = gas.mixtureSettings().gravity;
    double kinetic = 0, potential = 0;
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        kinetic += 0.5 * s.Masa[i] *
                   (double(s.VelX[i]) * s.VelX[i] + double(s.VelY[i]) * s.VelY[i] +
                    double(s.VelZ[i]) * s.VelZ[i]);
        potential += g > 0 ? double(s.Masa[i]) * g * s.ParY[i] : 0.0;
    }
    return {kinetic, potential};
}

double squaredSpeed(const GasState &s, int32_t i)
{
    return double(s.VelX[i]) * s.VelX[i] + double(s.VelY[i]) * s.VelY[i] +
           double(s.VelZ[i]) * s.VelZ[i];
}

// The hard spheres' D of species s in the gas as it is, with the walls'
// shadow.
double theoryD(const Gas &gas, int32_t s, double kT)
{
    const double volume = gas.volume();
    if (!(volume > 0) || !(kT > 0) || s < 0) {
        return MixtureRecorder::Figures::kNone;
    }
    const std::vector<SpeciesPart> parts = boxParts(gas, volume);
    // A bulk's theory, the walls' shadow taken out: a slab thinner than
    // the particle's diameter has no bulk, and no such theory.
    if (gas.pistonPosition() < 2 * parts[static_cast<size_t>(s)].radius) {
        return MixtureRecorder::Figures::kNone;
    }
    return mixtureDiffusionTheory(parts, static_cast<size_t>(s), kT, gas.wallArea() / volume);
}

// A heavy particle keeps its velocity for M D / kT, far longer than a
// collision time: its walk is a walk only some ten of those on. As a rate,
// 1.5 / memory, the fit waits as long as for ten collision times.
double heavyRate(const Gas &gas, double kT)
{
    const int32_t h = gas.heavyParticle();
    const double memory = gas.state.Masa[h] * theoryD(gas, kHeavy, kT) / kT;
    return memory > 0 ? 1.5 / memory : MixtureRecorder::Figures::kNone;
}

} // namespace

void MixtureRecorder::start(Gas &gas)
{
    m_startTick = gas.ticks;
    m_samples.clear();
    gas.resetEffusion();
    m_mixClock = MixClock{};
    const Divider divider = gas.mixtureSettings().divider;
    // A hole's gases meet from the start; a solid divider's once it goes.
    if (divider == Divider::Hole || (divider == Divider::Solid && !gas.dividerUp())) {
        dividerRemoved(gas);
    }
    restartThermal(gas);
    sample(gas);
}

void MixtureRecorder::dividerRemoved(const Gas &gas)
{
    const double t = static_cast<double>(gas.ticks - m_startTick) * kTickTime;
    m_mixClock.start(t);
    m_mixClock.add(t, sides(gas));
    // Behind a solid divider the walk was penned in half the box: it
    // starts again in the whole one.
    if (!gas.dividerUp()) {
        restartWalk(gas);
    }
}

void MixtureRecorder::restartThermal(Gas &gas)
{
    m_temperature = gas.state.Temp;
    gas.resetFreePaths();
    m_heavyV2Sum = 0;
    m_heavyV2Ticks = 0;
    m_heavySpeeds.clear();
    m_heavyKsOffered = -1;
    m_profile.clear();
    const std::array<double, 2> e = energies(gas);
    m_energyStart = e[0] + e[1];
    restartWalk(gas);
}

void MixtureRecorder::restartWalk(const Gas &gas)
{
    m_walkTick = gas.ticks;
    m_msd = MsdAccumulator(kMsdLags);
    m_curveSamples = SIZE_MAX;
    m_followedSpecies = followed(gas);
    m_walkCollisions = gas.collisions();
    // The walk sampled so that its 32 lags reach four times the fit's
    // start, from the theory's rate now.
    m_msdStep = 1;
    const double kT = exactKT(gas);
    const double volume = double(kBoxSize) * kBoxSize * std::max(1.0f, gas.pistonPosition());
    double rate = Figures::kNone;
    if (m_followedSpecies == kHeavy) {
        rate = heavyRate(gas, kT);
    } else if (m_followedSpecies >= 0) {
        rate = mixtureCollisionRates(boxParts(gas, volume), kT)[size_t(m_followedSpecies)];
    }
    if (!gas.collisions()) {
        // Free flights: no collision time to wait for, the walk drawn as
        // the side counts are sampled.
        m_msdStep = kSampleTicks;
    } else if (rate > 0 && std::isfinite(rate) && gas.state.NumPar > 0) {
        const double horizon = 4 * kDiffusionFitCollisions / rate / kTickTime; // in ticks
        m_msdStep = std::clamp<int64_t>(
            static_cast<int64_t>(std::ceil(horizon / static_cast<double>(kMsdLags))), 1, 100000);
    }
    sampleWalk(gas);
}

int32_t MixtureRecorder::followed(const Gas &gas) const
{
    const GasState &s = gas.state;
    if (m_follow == Follow::SpeciesA) {
        return gas.mixtureSettings().aCount > 0 ? kSpeciesA : -1;
    }
    if (gas.heavyParticle() > 0) {
        return kHeavy;
    }
    const int32_t i = gas.tracedParticle();
    return i >= 1 && i <= s.NumPar ? s.Especie[i] : -1;
}

SideTable MixtureRecorder::sides(const Gas &gas) const
{
    const SideCounts c = gas.sideCounts();
    SideTable t{};
    for (size_t s = 0; s < 2; ++s) {
        t[s] = {c.n[s][0], c.n[s][1]};
    }
    return t;
}

void MixtureRecorder::sampleWalk(const Gas &gas)
{
    if (m_followedSpecies < 0) {
        return;
    }
    const GasState &s = gas.state;
    std::vector<std::array<double, 3>> r;
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        if (s.Especie[i] == m_followedSpecies) {
            r.push_back(gas.unfoldedPosition(i));
        }
    }
    m_msd.add(static_cast<double>(gas.ticks - m_walkTick) * kTickTime, r);
}

void MixtureRecorder::sample(const Gas &gas)
{
    if (m_samples.size() >= kMaxSamples) {
        size_t kept = 0;
        for (size_t k = 1; k < m_samples.size(); k += 2) {
            m_samples[kept++] = m_samples[k];
        }
        m_samples.resize(kept);
    }
    const SideCounts c = gas.sideCounts();
    const EffusionTally &e = gas.effusion();
    m_samples.push_back({static_cast<double>(gas.ticks - m_startTick) * kTickTime, c.n[0][0],
                         c.n[0][1], c.n[1][0], c.n[1][1], e.rate(kSpeciesA, kTickTime),
                         e.rate(kSpeciesB, kTickTime)});
    if (const int32_t h = gas.heavyParticle(); h > 0) {
        m_heavySpeeds.add(std::sqrt(squaredSpeed(gas.state, h)));
    }
}

void MixtureRecorder::afterTick(Gas &gas)
{
    if (!gas.mixture()) {
        return;
    }
    if (gas.state.Temp != m_temperature) {
        restartThermal(gas);
    } else if (followed(gas) != m_followedSpecies || gas.collisions() != m_walkCollisions) {
        restartWalk(gas); // another species' walk, or another kind of walk
    } else if ((gas.ticks - m_walkTick) % m_msdStep == 0) {
        sampleWalk(gas);
    }
    m_profile.add(gas);
    const int64_t t = gas.ticks - m_startTick;
    if (m_mixClock.started()) {
        m_mixClock.add(static_cast<double>(t) * kTickTime, sides(gas));
    }
    if (const int32_t h = gas.heavyParticle(); h > 0) {
        m_heavyV2Sum += squaredSpeed(gas.state, h);
        ++m_heavyV2Ticks;
    }
    if (t % kSampleTicks == 0) {
        sample(gas);
    }
}

const std::vector<DisplacementLog::Point> &MixtureRecorder::msdCurve() const
{
    if (m_msd.samples() != m_curveSamples) {
        m_curve = m_msd.curve();
        m_curveSamples = m_msd.samples();
    }
    return m_curve;
}

double MixtureRecorder::followedRate(const Gas &gas, double kT) const
{
    if (m_followedSpecies == kHeavy) {
        return heavyRate(gas, kT);
    }
    const FreePathTally &f = gas.freePaths();
    const MixtureSettings &m = gas.mixtureSettings();
    const int32_t count = m_followedSpecies == kSpeciesB ? m.bCount : m.aCount;
    return static_cast<double>(f.hits[size_t(m_followedSpecies)]) /
           (count * static_cast<double>(f.ticks) * kTickTime);
}

// The free paths measured and in theory in the bulk, away from the walls:
// there no wall cuts a contact sphere short, and the walls' denser layer is
// left out, so the theory is the open gas's at the bulk's own density (its
// particles over its volume, each averaged over the ticks) and Enskog's
// factor from that. Species A and B only: the heavy particle is no molecule
// of the gas, but the molecules' collisions with it end their paths, and it
// is in the theory as the third species it is.
void MixtureRecorder::bulkFigures(const Gas &gas, Figures &out) const
{
    const FreePathTally &f = gas.freePaths();
    const int64_t inBulk = f.bulkCount[0] + f.bulkCount[1];
    if (inBulk == 0 || f.ticks == 0 || !(f.bulkVolume > 0)) {
        return;
    }
    if (f.bulkHits[0] + f.bulkHits[1] > 0) {
        out.meanFreePath = f.bulkMeanPath();
    }
    out.collisionRate = static_cast<double>(f.bulkHits[0] + f.bulkHits[1]) /
                        (static_cast<double>(inBulk) * kTickTime);
    if (!(out.kT > 0)) {
        return;
    }
    // Counts and volume both summed over the same ticks: their ratio is the
    // mean density.
    const std::vector<SpeciesPart> parts =
        speciesParts(gas.mixtureSettings(),
                     {double(f.bulkCount[0]), double(f.bulkCount[1]), double(f.bulkCount[2])},
                     f.bulkVolume);
    out.packing = 0;
    for (const SpeciesPart &p : parts) {
        out.packing += packingFraction(p.n, 2 * p.radius);
    }
    out.chi = enskogChi(out.packing);
    const std::vector<double> z = mixtureCollisionRates(parts, out.kT);
    double flown = 0, ended = 0, n = 0;
    for (size_t s = 0; s < 2; ++s) {
        flown += parts[s].n * meanSpeed(out.kT, parts[s].mass);
        ended += parts[s].n * z[s];
        n += parts[s].n;
    }
    if (ended > 0 && std::isfinite(ended)) {
        out.meanFreePathTheory = flown / ended;
        out.collisionRateTheory = ended / n;
    }
}

// MSD = 6 D t + c where the walk is a walk; positions unfolded, so the
// walls set no limit.
void MixtureRecorder::walkFigures(const Gas &gas, Figures &out) const
{
    if (m_followedSpecies < 0 || gas.freePaths().ticks == 0) {
        return;
    }
    out.followedSpecies = m_followedSpecies;
    out.diffusionTheory = theoryD(gas, m_followedSpecies, out.kT);
    const double rate = followedRate(gas, out.kT);
    const std::vector<DisplacementLog::Point> &curve = msdCurve();
    const DiffusionRange range =
        diffusionFitRange(curve, std::isfinite(rate) && rate > 0 ? rate : 1.0);
    const DisplacementLog::Fit fit = DisplacementLog::fitDiffusion(curve, range.from, range.to);
    if (fit.ok) {
        out.diffusion = fit.d;
        out.diffusionError = fit.se;
        out.fitFrom = fit.from;
        out.fitTo = fit.to;
        out.fitIntercept = fit.intercept;
    }
}

MixtureRecorder::Figures MixtureRecorder::figures(const Gas &gas) const
{
    Figures out;
    if (!gas.mixture()) {
        return out;
    }
    const MixtureSettings &m = gas.mixtureSettings();
    const FreePathTally &f = gas.freePaths();
    if (gas.state.NumPar > 0) {
        out.kT = exactKT(gas);
    }
    out.paths = f.paths[0] + f.paths[1];
    out.collisions = f.collisions;
    if (gas.collisions()) {
        bulkFigures(gas, out);
        walkFigures(gas, out);
    }
    wallFigures(gas, out);
    if (m.divider == Divider::Hole && m.bCount > 0) {
        const EffusionTally &e = gas.effusion();
        out.grahamRatio = grahamRatio(1.0, m.bMass);
        out.effusionRatio = effusionRatio(e.crossings[0], e.leftTicks[0], e.crossings[1],
                                          e.leftTicks[1])
                                .value_or(Figures::kNone);
    }
    if (m.divider != Divider::None) {
        out.mixTime = m_mixClock.mixTime().value_or(Figures::kNone);
    }
    if (const int32_t h = gas.heavyParticle(); h > 0) {
        if (m_heavyV2Ticks > 0) {
            out.heavyV2 = m_heavyV2Sum / static_cast<double>(m_heavyV2Ticks);
        }
        if (out.kT > 0) {
            out.heavyV2Theory = meanSquareSpeedTheory(out.kT, m.heavyMass);
            out.heavyS2 = out.kT / m.heavyMass;
            out.heavyKs = heavyKs(out.heavyS2);
        }
    }
    return out;
}

// Momentum balance: what the floor takes beyond the piston is the gas's
// weight, (P_floor - P_top) A = sum m g. Mechanical balance: the walls' P
// is the bulk's, n k T Z. The bulk's virial: P = n k T + (1 / 3 V t) sum
// sigma |J| over its collisions, so Z = 1 + that sum over 3 k T times the
// bulk's particle-time.
void MixtureRecorder::wallFigures(const Gas &gas, Figures &out) const
{
    const MixtureSettings &m = gas.mixtureSettings();
    const GasState &s = gas.state;
    out.gravity = m.gravity;
    const std::array<double, 2> e = energies(gas);
    out.kineticEnergy = e[0];
    out.potentialEnergy = e[1];
    out.totalEnergy = e[0] + e[1];
    if (m_energyStart > 0) {
        out.totalEnergyDrift = (out.totalEnergy - m_energyStart) / m_energyStart;
    }
    double weight = 0;
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        weight += double(s.Masa[i]) * m.gravity;
    }
    const double floorArea = double(kBoxSize) * kBoxSize;
    out.weightPerArea = weight / floorArea;
    const FreePathTally &f = gas.freePaths();
    if (f.ticks == 0) {
        return;
    }
    const double time = static_cast<double>(f.ticks) * kTickTime;
    out.pressureFloor = f.wallImpulse[2] / (floorArea * time);
    out.pressureTop = f.wallImpulse[3] / (floorArea * time);
    double all = 0;
    for (const double j : f.wallImpulse) {
        all += j;
    }
    out.pressureWalls = all / (gas.wallArea() * time);
    const double kT = m_profile.meanKT();
    // Under a field the density changes with height: no one n to take Z at.
    if (m.gravity > 0 || f.coreCount == 0 || !(f.coreVolume > 0) || !(kT > 0)) {
        return;
    }
    const double n = static_cast<double>(f.coreCount) / f.coreVolume;
    if (f.patchArea > 0) {
        out.zWalls = f.patchImpulse / (f.patchArea * time) / (n * kT);
    }
    out.zVirial = 1 + f.coreVirial / (3 * kT * static_cast<double>(f.coreCount) * kTickTime);
    if (!gas.collisions()) {
        out.zTheory = 1;
        return;
    }
    // One fluid at the core's packing: exact for one species.
    double volumeShare = 0;
    const std::array<double, 3> radius = {m.aRadius, m.bRadius, m.heavyRadius};
    const std::array<double, 3> count = {double(m.aCount), double(m.bCount),
                                         gas.heavyParticle() > 0 ? 1.0 : 0.0};
    for (size_t sp = 0; sp < 3; ++sp) {
        volumeShare += count[sp] * radius[sp] * radius[sp] * radius[sp];
    }
    const double meanCube = volumeShare / (count[0] + count[1] + count[2]);
    const double packing = packingFraction(n, 2 * std::cbrt(meanCube));
    out.zTheory = carnahanStarling(packing);
}

double MixtureRecorder::heavyKs(double s2) const
{
    // Sorting the kept speeds is the costly part: again only when a sample
    // or the curve moved.
    if (m_heavySpeeds.offered() != m_heavyKsOffered || s2 != m_heavyKsS2) {
        m_heavyKsOffered = m_heavySpeeds.offered();
        m_heavyKsS2 = s2;
        m_heavyKs = maxwellBoltzmannKs(m_heavySpeeds.kept(), s2).value_or(Figures::kNone);
    }
    return m_heavyKs;
}

std::string mixtureSamplesCsv(const std::vector<MixtureRecorder::Sample> &samples)
{
    std::string csv = "time,a_left,a_right,b_left,b_right,effusion_rate_a,effusion_rate_b\n";
    char line[96];
    for (const MixtureRecorder::Sample &x : samples) {
        // Sample times are whole ticks of 0.1: one decimal is exact.
        std::snprintf(line, sizeof line, "%.1f,%d,%d,%d,%d,", x.t, x.aLeft, x.aRight, x.bLeft,
                      x.bRight);
        csv += line;
        csv += floatText(x.rateA) + ',' + floatText(x.rateB) + '\n';
    }
    return csv;
}

FreePathChart freePathChart(const FreePathTally &tally, double lambda)
{
    FreePathChart chart;
    const int64_t paths = tally.paths[0] + tally.paths[1];
    if (paths == 0 || !(lambda > 0) || !std::isfinite(lambda)) {
        return chart;
    }
    chart.lambda = lambda;
    const double w = chart.binWidth;
    for (int b = 0; b + 1 < FreePathTally::kPathBins; ++b) {
        chart.density.push_back(double(tally.histogram[size_t(b)]) / (double(paths) * w));
        const double l = (b + 0.5) * w;
        chart.theory.push_back(std::exp(-l / lambda) / lambda);
    }
    return chart;
}
