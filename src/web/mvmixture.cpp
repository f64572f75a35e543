#include "mvgas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

// The figures mv_figures hands out, measured and in theory, in the gas's
// units. Theory takes k T from the gas's temperature now (the masses
// weighed in) and the box the piston leaves, as molvix-lab's columns do.
void MvGas::computeFigures()
{
    figures.fill(kNaN);
    if (!gas.mixture()) {
        return;
    }
    const GasState &s = gas.state;
    const MixtureSettings &m = gas.mixtureSettings();
    const FreePathTally &f = gas.freePaths();
    const int32_t count = m.aCount + m.bCount;
    const double wall = gas.pistonPosition();
    const double kT = 100.0 * temperatureOf(kineticSum(s).total, s.NumPar);
    figures[13] = kT;
    figures[14] = static_cast<double>(f.paths[0] + f.paths[1]);
    figures[15] = static_cast<double>(f.collisions);
    if (f.paths[0] + f.paths[1] > 0) {
        figures[0] = f.meanPath();
    }
    figures[2] = collisionRate();
    const double volume = kBoxSize * kBoxSize * wall;
    if (volume > 0 && kT > 0) {
        const double area = 2 * kBoxSize * kBoxSize + 4 * kBoxSize * wall;
        const std::vector<SpeciesPart> parts = {{m.aCount / volume, m.aRadius, 1.0},
                                                {m.bCount / volume, m.bRadius, m.bMass}};
        double eta = 0;
        for (const SpeciesPart &p : parts) {
            eta += packingFraction(p.n, 2 * p.radius);
        }
        figures[5] = eta;
        figures[4] = enskogChi(eta);
        const std::vector<double> z = mixtureCollisionRates(parts, kT, area / volume);
        if (count > 0 && std::isfinite(z[0]) && std::isfinite(z[1])) {
            figures[1] = mixtureMeanFreePath(parts, kT, area / volume);
            figures[3] = (m.aCount * z[0] + m.bCount * z[1]) / count;
        }
        // The followed particle among the others, each species as the gas
        // has it and the heavy particle a third (Blanc's law over the pairs).
        if (const int32_t i = tracked(); i > 0) {
            std::vector<SpeciesPart> all(3);
            for (int32_t k = 1; k <= s.NumPar; ++k) {
                SpeciesPart &p = all[static_cast<size_t>(std::clamp(s.Especie[k], 0, 2))];
                p.n += 1 / volume;
                p.radius = s.RadioPar[k];
                p.mass = s.Masa[k];
            }
            // With the walls' shadow, as the desktop and molvix-lab have it.
            figures[10] = mixtureDiffusionTheory(
                all, static_cast<size_t>(std::clamp(s.Especie[i], 0, 2)), kT, area / volume);
        }
    }
    const EffusionTally &e = gas.effusion();
    if (m.bCount > 0) {
        figures[7] = grahamRatio(1.0, m.bMass);
        figures[6] = effusionRatio(e.crossings[0], e.leftTicks[0], e.crossings[1], e.leftTicks[1])
                         .value_or(kNaN);
    }
    figures[16] = mixClock.mixTime().value_or(kNaN);
    if (const auto fit = diffusionFit(); fit.ok) {
        figures[8] = fit.d;
        figures[9] = fit.se;
        figures[17] = fit.from;
        figures[18] = fit.to;
    }
    if (const int32_t h = gas.heavyParticle(); h > 0) {
        if (heavyV2Ticks > 0) {
            figures[11] = heavyV2Sum / static_cast<double>(heavyV2Ticks);
        }
        if (kT > 0) {
            figures[12] = meanSquareSpeedTheory(kT, s.Masa[h]);
            figures[19] = heavySpeedKs(kT / s.Masa[h]);
        }
    }
}

extern "C" {

int32_t mv_set_mixture(MvGas *gas, int32_t aCount, float aRadius, int32_t bCount, float bMass,
                       float bRadius, int32_t divider, float holeSide, float heavyMass,
                       float heavyRadius)
{
    Gas &g = gas->gas;
    MixtureSettings m;
    m.aCount = std::clamp(aCount, 0, kMixtureMaxCount);
    m.bCount = std::clamp(bCount, 0, kMixtureMaxCount - m.aCount);
    const auto inRange = [](float v, float low, float high, float fallback) {
        return std::isfinite(v) ? std::clamp(v, low, high) : fallback;
    };
    m.aRadius = inRange(aRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bRadius = inRange(bRadius, kMixtureRadiusMin, kMixtureRadiusMax, kRadius);
    m.bMass = inRange(bMass, kMixtureMassMin, kMixtureMassMax, 1.0f);
    m.divider = divider == 1 ? Divider::Solid : divider == 2 ? Divider::Hole : Divider::None;
    m.holeSide = inRange(holeSide, kHoleSideMin, kHoleSideMax, 20.0f);
    // No heavy particle unless its mass is a number of at least the least.
    m.heavyMass = std::isfinite(heavyMass) && heavyMass > 0
                      ? std::clamp(heavyMass, kHeavyMassMin, kHeavyMassMax)
                      : 0.0f;
    m.heavyRadius = inRange(heavyRadius, kMixtureRadiusMin, kHeavyRadiusMax, 5.0f);
    const double filled = m.aCount * sphereVolume(m.aRadius) + m.bCount * sphereVolume(m.bRadius) +
                    (m.heavyMass > 0 ? sphereVolume(m.heavyRadius) : 0.0);
    const double volume = kBoxSize * kBoxSize * g.pistonPosition();
    if (!(volume > 0) || filled > kMaxPacking * volume) {
        return 0;
    }
    if (g.process().piston != PistonMode::Fixed || g.process().bath) {
        g.setProcess(ProcessSettings{}); // the piston's impacts take unit masses
        gas->wallBar = g.state.PosPared;
    }
    g.setMixture(m);
    gas->resetMeasures();
    gas->sideSamples.clear();
    gas->mixClock = MixClock{};
    gas->mixtureStart = g.ticks;
    gas->sampleSides();
    return 1;
}

int32_t mv_mixture(const MvGas *gas)
{
    return gas->gas.mixture() ? 1 : 0;
}

const double *mv_mixture_settings(MvGas *gas)
{
    const MixtureSettings &m = gas->gas.mixtureSettings();
    gas->mixSettings = {double(m.aCount),      m.aRadius, double(m.bCount), m.bMass,
                        m.bRadius,             double(static_cast<int32_t>(m.divider)),
                        m.holeSide,            m.heavyMass, m.heavyRadius};
    return gas->mixSettings.data();
}

void mv_end_mixture(MvGas *gas, int32_t count)
{
    if (!gas->gas.mixture()) {
        return;
    }
    count = clampBar(count);
    gas->gas.endMixture(count);
    gas->countBar = count;
    gas->resetMeasures();
    gas->sideSamples.clear();
}

void mv_remove_divider(MvGas *gas)
{
    if (gas->gas.dividerUp()) {
        gas->gas.removeDivider();
        gas->mixClock = MixClock{};
        gas->mixClock.start(static_cast<double>(gas->gas.ticks) * kTickTime);
    }
}

int32_t mv_divider_up(const MvGas *gas)
{
    return gas->gas.dividerUp() ? 1 : 0;
}

const float *mv_radii(const MvGas *gas)
{
    return gas->gas.state.RadioPar.data();
}

const int32_t *mv_species(const MvGas *gas)
{
    return gas->gas.state.Especie.data();
}

const int32_t *mv_side_counts(MvGas *gas)
{
    const SideCounts c = gas->gas.sideCounts();
    gas->sides = {c.n[0][0], c.n[0][1], c.n[1][0], c.n[1][1]};
    return gas->sides.data();
}

const double *mv_effusion(MvGas *gas)
{
    const EffusionTally &e = gas->gas.effusion();
    const double a = e.rate(0, kTickTime);
    const double b = e.rate(1, kTickTime);
    const MixtureSettings &m = gas->gas.mixtureSettings();
    gas->effusion = {a,
                     b,
                     e.crossings[0] > 0 && e.crossings[1] > 0 && b > 0 ? a / b : 0.0,
                     gas->gas.mixture() ? std::sqrt(double(m.bMass)) : 0.0,
                     double(e.crossings[0]),
                     double(e.crossings[1])};
    return gas->effusion.data();
}

int32_t mv_side_sample_ticks(void)
{
    return kSideSampleTicks;
}

int32_t mv_side_sample_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->sideSamples.size());
}

const double *mv_side_samples(const MvGas *gas)
{
    return gas->sideSamples.empty() ? nullptr : gas->sideSamples.front().data();
}

const char *mv_side_samples_csv(MvGas *gas, int32_t dialect)
{
    std::string csv = "time,a_left,a_right,b_left,b_right,rate_a,rate_b\n";
    char time[32];
    for (const SideSample &s : gas->sideSamples) {
        std::snprintf(time, sizeof time, "%.1f", s[0]);
        csv += time;
        for (int k = 1; k <= 4; ++k) {
            csv += ',' + std::to_string(static_cast<int64_t>(s[k]));
        }
        csv += ',' + floatText(s[5]) + ',' + floatText(s[6]) + "\n";
    }
    gas->text = inDialect(std::move(csv), dialectOf(dialect));
    return gas->text.c_str();
}

int32_t mv_traced(const MvGas *gas)
{
    return gas->gas.tracedParticle();
}

void mv_set_traced(MvGas *gas, int32_t particle)
{
    if (particle != gas->gas.tracedParticle()) {
        gas->gas.setTracedParticle(particle);
        gas->msd = MsdAccumulator(kMsdLags); // another species' walk
    }
}

int32_t mv_figure_count(void)
{
    return kFigures;
}

const double *mv_figures(MvGas *gas)
{
    gas->computeFigures();
    return gas->figures.data();
}

int32_t mv_path_bins(void)
{
    return FreePathTally::kPathBins;
}

double mv_path_bin_width(void)
{
    return FreePathTally::kPathBinWidth;
}

const double *mv_path_histogram(MvGas *gas)
{
    const auto &h = gas->gas.freePaths().histogram;
    gas->pathHistogram.assign(h.begin(), h.end());
    return gas->pathHistogram.data();
}

int32_t mv_heavy_speed_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->heavySpeeds.kept().size());
}

double mv_heavy_speed_max(const MvGas *gas)
{
    return gas->heavySpeeds.fastest();
}

const double *mv_heavy_speed_histogram(MvGas *gas, int32_t bins, double maxSpeed)
{
    return densityInto(gas->heavyHistogram, gas->heavySpeeds.kept(), bins, maxSpeed);
}

void mv_reset_mixture_measures(MvGas *gas)
{
    gas->resetMeasures();
}

int32_t mv_msd_sample_ticks(void)
{
    return kMsdSampleTicks;
}

int32_t mv_msd_count(MvGas *gas)
{
    return static_cast<int32_t>(gas->curve().size());
}

const double *mv_msd(MvGas *gas)
{
    gas->msdPairs.clear();
    for (const DisplacementLog::Point &p : gas->curve()) {
        gas->msdPairs.push_back(p.t);
        gas->msdPairs.push_back(p.msd);
    }
    return gas->msdPairs.data();
}

} // extern "C"
