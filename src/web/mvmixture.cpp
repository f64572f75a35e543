#include "mvgas.h"

#include <algorithm>
#include <cmath>

// The figures mv_figures hands out, each as the recorder gives it to every
// front end, in the order molvixcore.h lists.
void MvGas::computeFigures()
{
    const MixtureRecorder::Figures f = recorder.figures(gas);
    figures = {f.meanFreePath,
               f.meanFreePathTheory,
               f.collisionRate,
               f.collisionRateTheory,
               f.chi,
               f.packing,
               f.effusionRatio,
               f.grahamRatio,
               f.diffusion,
               f.diffusionError,
               f.diffusionTheory,
               f.heavyV2,
               f.heavyV2Theory,
               f.kT,
               gas.mixture() ? double(f.paths) : kNaN,
               gas.mixture() ? double(f.collisions) : kNaN,
               f.mixTime,
               f.fitFrom,
               f.fitTo,
               f.heavyKs,
               f.fitIntercept,
               f.followedSpecies >= 0 ? double(f.followedSpecies) : kNaN,
               f.heavyS2,
               gas.mixture() ? f.gravity : kNaN,
               f.kineticEnergy,
               f.potentialEnergy,
               f.totalEnergy,
               f.totalEnergyDrift,
               f.pressureFloor,
               f.pressureTop,
               f.pressureWalls,
               f.weightPerArea,
               f.zWalls,
               f.zVirial,
               f.zTheory};
}

extern "C" {

const double *mv_mixture_limits(void)
{
    static const std::array<double, 10> limits = {
        kMixtureMaxCount, kMixtureRadiusMin, kMixtureRadiusMax, kMixtureMassMin, kMixtureMassMax,
        kHoleSideMin,     kHoleSideMax,      kHeavyMassMax,     kHeavyRadiusMax, kGravityMax};
    return limits.data();
}

int32_t mv_set_mixture(MvGas *gas, int32_t aCount, float aRadius, int32_t bCount, float bMass,
                       float bRadius, int32_t divider, float holeSide, float heavyMass,
                       float heavyRadius, float gravity)
{
    Gas &g = gas->gas;
    MixtureSettings m;
    m.aCount = aCount;
    m.aRadius = aRadius;
    m.bCount = bCount;
    m.bMass = bMass;
    m.bRadius = bRadius;
    m.divider = divider == 1 ? Divider::Solid : divider == 2 ? Divider::Hole : Divider::None;
    m.holeSide = std::isfinite(holeSide) ? holeSide : MixtureSettings{}.holeSide;
    // No heavy particle unless its mass is a number above 0.
    m.heavyMass = std::isfinite(heavyMass) && heavyMass > 0 ? heavyMass : 0.0f;
    m.heavyRadius = heavyRadius;
    m.gravity = std::isfinite(gravity) ? gravity : 0.0f;
    if (!g.setMixture(m)) {
        return m.divider == Divider::None ? 0 : 2;
    }
    gas->wallBar = g.state.PosPared; // a process under way stopped where it was
    gas->recorder.start(g);
    return 1;
}

int32_t mv_mixture(const MvGas *gas)
{
    return gas->gas.mixture() ? 1 : 0;
}

const double *mv_mixture_settings(MvGas *gas)
{
    const MixtureSettings &m = gas->gas.mixtureSettings();
    gas->mixSettings = {double(m.aCount), m.aRadius,   double(m.bCount),
                        m.bMass,          m.bRadius,   double(static_cast<int32_t>(m.divider)),
                        m.holeSide,       m.heavyMass, m.heavyRadius,
                        m.gravity};
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
    gas->recorder = MixtureRecorder{};
}

void mv_remove_divider(MvGas *gas)
{
    if (gas->gas.dividerUp()) {
        gas->gas.removeDivider();
        gas->recorder.dividerRemoved(gas->gas);
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
                     gas->gas.mixture() ? grahamRatio(1.0, m.bMass) : 0.0,
                     double(e.crossings[0]),
                     double(e.crossings[1])};
    return gas->effusion.data();
}

int32_t mv_side_sample_ticks(void)
{
    return MixtureRecorder::kSampleTicks;
}

int32_t mv_side_sample_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->recorder.samples().size());
}

const double *mv_side_samples(MvGas *gas)
{
    gas->sideSamples.clear();
    for (const MixtureRecorder::Sample &s : gas->recorder.samples()) {
        gas->sideSamples.insert(gas->sideSamples.end(),
                                {s.t, double(s.aLeft), double(s.aRight), double(s.bLeft),
                                 double(s.bRight), s.rateA, s.rateB});
    }
    return gas->sideSamples.empty() ? nullptr : gas->sideSamples.data();
}

const char *mv_side_samples_csv(MvGas *gas, int32_t dialect)
{
    gas->text = inDialect(mixtureSamplesCsv(gas->recorder.samples()), dialectOf(dialect));
    return gas->text.c_str();
}

int32_t mv_traced(const MvGas *gas)
{
    return gas->gas.tracedParticle();
}

void mv_set_traced(MvGas *gas, int32_t particle)
{
    // Another species' walk starts again at the next tick.
    gas->gas.setTracedParticle(particle);
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

const double *mv_path_chart(MvGas *gas)
{
    const FreePathChart c =
        freePathChart(gas->gas.freePaths(), gas->recorder.figures(gas->gas).meanFreePath);
    if (c.density.empty()) {
        return nullptr;
    }
    gas->pathChart = c.density;
    gas->pathChart.insert(gas->pathChart.end(), c.theory.begin(), c.theory.end());
    return gas->pathChart.data();
}

int32_t mv_heavy_speed_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->recorder.heavySpeeds().kept().size());
}

double mv_heavy_speed_max(const MvGas *gas)
{
    return gas->recorder.heavySpeeds().fastest();
}

const double *mv_heavy_speed_histogram(MvGas *gas, int32_t bins, double maxSpeed)
{
    return densityInto(gas->heavyHistogram, gas->recorder.heavySpeeds().kept(), bins, maxSpeed);
}

void mv_reset_mixture_measures(MvGas *gas)
{
    if (gas->gas.mixture()) {
        gas->recorder.start(gas->gas);
    }
}

int32_t mv_profile_count(MvGas *gas)
{
    gas->profile.clear();
    if (gas->gas.mixture()) {
        for (const HeightProfile::Row &r : gas->recorder.profileRows(gas->gas)) {
            gas->profile.insert(gas->profile.end(), {r.height, double(r.species), r.density,
                                                     r.densityTheory, r.temperature});
        }
    }
    return static_cast<int32_t>(gas->profile.size() / 5);
}

const double *mv_profile(MvGas *gas)
{
    return gas->profile.empty() ? nullptr : gas->profile.data();
}

double mv_carnahan_starling(double eta)
{
    return carnahanStarling(eta);
}

int32_t mv_msd_step(const MvGas *gas)
{
    return static_cast<int32_t>(gas->recorder.msdStep());
}

int32_t mv_msd_count(MvGas *gas)
{
    return static_cast<int32_t>(gas->recorder.msdCurve().size());
}

const double *mv_msd(MvGas *gas)
{
    gas->msdPairs.clear();
    for (const DisplacementLog::Point &p : gas->recorder.msdCurve()) {
        gas->msdPairs.push_back(p.t);
        gas->msdPairs.push_back(p.msd);
    }
    return gas->msdPairs.data();
}

} // extern "C"
