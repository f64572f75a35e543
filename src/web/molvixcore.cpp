#include "molvixcore.h"

#include "displacement.h"
#include "freepath.h"
#include "mixing.h"
#include "gas.h"
#include "model.h"
#include "processcsv.h"
#include "pvfit.h"
#include "readinglog.h"
#include "readouttext.h"
#include "speeds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// The panel's readouts, kept as numbers for whoever asks.
class CoreControls : public GasControls
{
public:
    std::array<double, 5> readouts{}; // energy, temperature, pressure, wall, empty

    void showEnergy(double energy) override { readouts[0] = energy; }
    void showTemperature(double temperature, bool emptyGas) override
    {
        readouts[1] = temperature;
        readouts[4] = emptyGas ? 1 : 0;
    }
    void showPressure(double pressure) override { readouts[2] = pressure; }
    void showWall(int32_t position) override { readouts[3] = position; }
};

// The reading's fields as doubles, in the order the names give.
constexpr std::array<const char *, 16> kFieldNames = {
    "tick",     "time",       "count", "wall",   "temperature_setting", "collisions",
    "pressure", "temperature", "energy", "piston", "piston_mean",         "work",
    "heat",     "energy_x",   "energy_y", "energy_z"};

std::array<double, kFieldNames.size()> fieldsOf(const GasReading &r)
{
    return {static_cast<double>(r.tick), r.time, double(r.count), double(r.wall),
            double(r.tempSetting), r.collisions ? 1.0 : 0.0, r.pressure, r.temperature,
            r.energy, r.piston, r.pistonMean, r.work, r.heat, r.energyX, r.energyY, r.energyZ};
}

CsvDialect dialectOf(int32_t dialect)
{
    return dialect == 1 ? CsvDialect::Spreadsheet : CsvDialect::Plain;
}

int32_t clampBar(int32_t value)
{
    return std::clamp(value, 0, 100);
}

// A mixture is refused where its spheres would fill more of the box than
// this: past it no layout without overlaps is found, and molvix-lab
// refuses the same.
constexpr double kMaxPacking = 0.30;

// The MSD of the heavy particle, or else of the traced one's species, as
// the desktop's window follows it: positions with the walls unfolded (so
// that the walk goes on past them) every kMsdSampleTicks ticks, at lags up
// to kMsdLags samples.
constexpr int32_t kMsdSampleTicks = 20;
constexpr size_t kMsdLags = 100;
// The counts per side and the effusion rates: a sample every this many
// ticks, at most this many kept (then every other one is dropped).
constexpr int32_t kSideSampleTicks = 20;
constexpr size_t kMaxSideSamples = 50000;
using SideSample = std::array<double, 7>;

constexpr int32_t kFigures = 20;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The speeds' density over `bins` equal bins of 0..maxSpeed into `out`,
// whose data is handed out; null for a bad bin count or no samples.
const double *densityInto(std::vector<double> &out, const std::vector<double> &speeds,
                          int32_t bins, double maxSpeed)
{
    if (bins <= 0 || bins > 10000) {
        return nullptr;
    }
    DensityHistogram h = speedDensity(speeds, bins, maxSpeed);
    if (h.density.empty()) {
        return nullptr;
    }
    out = std::move(h.density);
    return out.data();
}

double sphereVolume(double r)
{
    return 4.0 / 3.0 * M_PI * r * r * r;
}

} // namespace

struct MvGas
{
    Gas gas;
    CoreControls controls;
    // Where the panel's bars stand: a move to the same place is no change.
    int32_t countBar = 0, temperatureBar = 0, wallBar = 100;
    std::vector<GasReading> readings;
    std::vector<GasReading> path; // since the last reset, as "Procesos" keeps them
    SpeedSampler speeds; // as "Gráficas" keeps them: the newest 100 snapshots
    int64_t sampledSeries = -1, pathSeries = -1;
    int32_t sampledTemp = -1;
    int32_t listener = 0;

    // Scratch the pointers handed out point into.
    std::array<double, kFieldNames.size()> reading{};
    std::array<double, 3> ledger{}, shares{};
    std::array<double, 6> fit{};
    std::vector<double> histogram, pvPath;
    std::string text;

    // A mixture's measures beyond the gas's own tallies.
    MsdAccumulator msd{kMsdLags};
    std::vector<DisplacementLog::Point> msdCurve;
    size_t msdCurveSamples = 0;
    int64_t msdCurveTick = -1;
    double heavyV2Sum = 0;
    int64_t heavyV2Ticks = 0;
    // The heavy particle's speeds, one a side sample, for their distribution.
    ThinnedSpeeds heavySpeeds;
    int32_t thermalTemp = -1; // the temperature setting they were taken at
    // Their KS distance, sorted afresh only when a sample or the curve moved.
    int64_t ksOffered = -1;
    double ksS2 = 0, ksDistance = kNaN;
    double heavySpeedKs(double s2)
    {
        if (heavySpeeds.offered() != ksOffered || s2 != ksS2) {
            ksOffered = heavySpeeds.offered();
            ksS2 = s2;
            ksDistance = maxwellBoltzmannKs(heavySpeeds.kept(), s2).value_or(kNaN);
        }
        return ksDistance;
    }
    std::vector<double> heavyHistogram;
    std::array<double, 9> mixSettings{};
    std::array<int32_t, 4> sides{};
    std::array<double, 6> effusion{};
    std::array<double, kFigures> figures{};
    std::vector<double> pathHistogram, msdPairs;
    std::vector<SideSample> sideSamples;
    int64_t mixtureStart = 0;
    // The time to mix, from the divider's removal.
    MixClock mixClock;

    void sampleSides()
    {
        const SideCounts c = gas.sideCounts();
        const EffusionTally &e = gas.effusion();
        if (sideSamples.size() >= kMaxSideSamples) {
            size_t kept = 0;
            for (size_t k = 1; k < sideSamples.size(); k += 2) {
                sideSamples[kept++] = sideSamples[k];
            }
            sideSamples.resize(kept);
        }
        SideTable table{};
        for (size_t s = 0; s < 2; ++s) {
            table[s] = {c.n[s][0], c.n[s][1]};
        }
        mixClock.add(static_cast<double>(gas.ticks) * kTickTime, table);
        sideSamples.push_back({static_cast<double>(gas.ticks - mixtureStart) * kTickTime,
                               double(c.n[0][0]), double(c.n[0][1]), double(c.n[1][0]),
                               double(c.n[1][1]), e.rate(0, kTickTime), e.rate(1, kTickTime)});
    }

    MvGas()
    {
        // The program's start, with the panel's bars brought along: they
        // stand where its creation leaves them.
        controls.readouts[3] = gas.state.PosPared; // the panel's wall box starts at it
        gas.controls = &controls;
        gas.startAsProgram();
        // As the program does: the velocities the start-up gave are where
        // the ledger starts from, not heat put in.
        gas.resetLedger();
        countBar = gas.state.NumPar;
        temperatureBar = gas.state.Temp;
        pathSeries = gas.series();
        listener = gas.addReadingListener([this](const GasReading &r) {
            // A new gas (a new count) starts its P–V path again.
            if (gas.series() != pathSeries) {
                path.clear();
                pathSeries = gas.series();
            }
            path.push_back(r);
            readings.push_back(r);
        });
    }
    MvGas(const MvGas &) = delete;
    MvGas &operator=(const MvGas &) = delete;
    ~MvGas() { gas.removeReadingListener(listener); }

    // As "Gráficas" samples: a new gas or temperature setting starts the
    // distribution afresh.
    void takeSnapshot()
    {
        const GasState &s = gas.state;
        if (gas.series() != sampledSeries || s.Temp != sampledTemp) {
            speeds.clear();
            sampledSeries = gas.series();
            sampledTemp = s.Temp;
        }
        if (s.NumPar > 0) {
            speeds.addSnapshot(&s.VelX[1], &s.VelY[1], &s.VelZ[1], s.NumPar);
        }
    }

    void resetMeasures()
    {
        gas.resetEffusion();
        resetThermalMeasures();
    }

    // The speeds, the free paths and the walk belong to one temperature, the
    // one theory is computed at: a new setting starts them again. The counts
    // per side and the effusion go on.
    void resetThermalMeasures()
    {
        thermalTemp = gas.state.Temp;
        gas.resetFreePaths();
        msd = MsdAccumulator(kMsdLags);
        msdCurve.clear();
        msdCurveTick = -1;
        heavyV2Sum = 0;
        heavyV2Ticks = 0;
        heavySpeeds.clear();
        ksOffered = -1;
    }

    // The particle whose wandering is logged: the heavy one, else the
    // traced one (0: none).
    int32_t tracked() const
    {
        const int32_t heavy = gas.heavyParticle();
        const int32_t i = heavy != 0 ? heavy : gas.tracedParticle();
        return i >= 1 && i <= gas.state.NumPar ? i : 0;
    }

    double collisionRate() const
    {
        const FreePathTally &f = gas.freePaths();
        const MixtureSettings &m = gas.mixtureSettings();
        const int32_t count = m.aCount + m.bCount;
        return count > 0 && f.ticks > 0 && gas.collisions()
                   ? static_cast<double>(f.hits[0] + f.hits[1]) /
                         (count * static_cast<double>(f.ticks) * kTickTime)
                   : kNaN;
    }

    // After each tick of a mixture.
    void measureMixture()
    {
        const GasState &s = gas.state;
        if (s.Temp != thermalTemp) {
            resetThermalMeasures();
        }
        if (const int32_t h = gas.heavyParticle(); h > 0) {
            heavyV2Sum += double(s.VelX[h]) * s.VelX[h] + double(s.VelY[h]) * s.VelY[h] +
                          double(s.VelZ[h]) * s.VelZ[h];
            ++heavyV2Ticks;
        }
        if ((gas.ticks - mixtureStart) % kSideSampleTicks == 0) {
            sampleSides();
            if (const int32_t h = gas.heavyParticle(); h > 0) {
                heavySpeeds.add(std::sqrt(double(s.VelX[h]) * s.VelX[h] +
                                          double(s.VelY[h]) * s.VelY[h] +
                                          double(s.VelZ[h]) * s.VelZ[h]));
            }
        }
        // The heavy particle's walk, or else that of every particle of the
        // followed one's species, as the desktop window has it.
        if (const int32_t i = tracked(); i > 0 && gas.ticks % kMsdSampleTicks == 0) {
            const int32_t h = gas.heavyParticle();
            std::vector<std::array<double, 3>> r;
            for (int32_t k = h > 0 ? h : 1; k <= (h > 0 ? h : s.NumPar); ++k) {
                if (s.Especie[k] == s.Especie[i]) {
                    r.push_back(gas.unfoldedPosition(k));
                }
            }
            msd.add(static_cast<double>(gas.ticks) * kTickTime, r);
        }
    }

    const std::vector<DisplacementLog::Point> &curve()
    {
        if (msd.samples() != msdCurveSamples || gas.ticks != msdCurveTick) {
            msdCurve = msd.curve();
            msdCurveSamples = msd.samples();
            msdCurveTick = gas.ticks;
        }
        return msdCurve;
    }

    // MSD = 6 D t where the walk is a walk: from ten collision times on
    // (the positions are unfolded, so the walls set no limit).
    DisplacementLog::Fit diffusionFit()
    {
        const auto &c = curve();
        const double z = collisionRate();
        const DiffusionRange r = diffusionFitRange(c, std::isfinite(z) && z > 0 ? z : 1.0);
        return DisplacementLog::fitDiffusion(c, r.from, r.to);
    }

    void computeFigures();

    void setCount(int32_t value)
    {
        if (gas.mixture()) {
            return; // a mixture's count is its own; the bar waits for the classic gas
        }
        value = clampBar(value);
        if (value != countBar) {
            countBar = value;
            gas.setCount(value);
        }
    }
    void setTemperature(int32_t value)
    {
        value = clampBar(value);
        if (value != temperatureBar) {
            temperatureBar = value;
            gas.ReglaTemperatura(value);
        }
    }
    void setWall(int32_t value)
    {
        value = clampBar(value);
        if (value != wallBar) {
            wallBar = value;
            gas.MoverPared(value);
        }
    }
};

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

MvGas *mv_create(void)
{
    return new MvGas();
}

void mv_destroy(MvGas *gas)
{
    delete gas;
}

void mv_set_count(MvGas *gas, int32_t count)
{
    gas->setCount(count);
}

void mv_set_temperature(MvGas *gas, int32_t temperature)
{
    gas->setTemperature(temperature);
}

void mv_set_wall(MvGas *gas, int32_t wall)
{
    gas->setWall(wall);
}

void mv_set_collisions(MvGas *gas, int32_t on)
{
    gas->gas.setCollisions(on != 0);
}

void mv_set_vectors(MvGas *gas, int32_t shown)
{
    if ((shown != 0) != gas->gas.vectorsShown()) {
        gas->gas.setVectors(shown != 0);
    }
}

void mv_set_process(MvGas *gas, int32_t piston, float target, float speed, float load, float mass,
                    int32_t bath, float bathTemperature)
{
    ProcessSettings p;
    p.piston = piston == 1   ? PistonMode::Moving
               : piston == 2 ? PistonMode::Loaded
                             : PistonMode::Fixed;
    p.pistonTarget = target;
    p.pistonSpeed = speed;
    p.load = load;
    p.pistonMass = mass;
    p.bath = bath != 0;
    p.bathTemperature = bathTemperature;
    if (gas->gas.mixture()) {
        return; // the piston's impacts and the bath's draws take unit masses
    }
    gas->gas.setProcess(sanitized(p));
}

float mv_default_bath_temperature(const MvGas *gas)
{
    return gas->gas.bathTemperatureDefault();
}

void mv_reset_ledger(MvGas *gas)
{
    gas->gas.resetLedger();
    gas->path.clear();
    gas->pathSeries = gas->gas.series();
}

void mv_run(MvGas *gas, int32_t ticks)
{
    Gas &g = gas->gas;
    for (int32_t t = 0; t < ticks; ++t) {
        g.TimeLoopTimer();
        if (g.ticks % kSpeedSampleTicks == 0) {
            gas->takeSnapshot();
        }
        if (g.mixture()) {
            gas->measureMixture();
        }
    }
}

double mv_ticks(const MvGas *gas)
{
    return static_cast<double>(gas->gas.ticks);
}

int32_t mv_count(const MvGas *gas)
{
    return gas->gas.state.NumPar;
}

const float *mv_positions(const MvGas *gas, int32_t axis)
{
    const GasState &s = gas->gas.state;
    return axis == 0 ? s.ParX.data() : axis == 1 ? s.ParY.data() : s.ParZ.data();
}

const float *mv_velocities(const MvGas *gas, int32_t axis)
{
    const GasState &s = gas->gas.state;
    return axis == 0 ? s.VelX.data() : axis == 1 ? s.VelY.data() : s.VelZ.data();
}

double mv_piston(const MvGas *gas)
{
    return gas->gas.pistonPosition();
}

int32_t mv_collisions(const MvGas *gas)
{
    return gas->gas.collisions() ? 1 : 0;
}

int32_t mv_vectors(const MvGas *gas)
{
    return gas->gas.vectorsShown() ? 1 : 0;
}

const double *mv_readouts(const MvGas *gas)
{
    return gas->controls.readouts.data();
}

const char *mv_readout_text(MvGas *gas, int32_t which)
{
    const auto &r = gas->controls.readouts;
    switch (which) {
    case 0:
        gas->text = molvix::readout::energyText(r[0]);
        break;
    case 1:
        gas->text = molvix::readout::temperatureText(r[1], r[4] != 0);
        break;
    case 2:
        gas->text = molvix::readout::pressureText(r[2]);
        break;
    default:
        gas->text = molvix::readout::wallText(static_cast<int32_t>(r[3]));
        break;
    }
    return gas->text.c_str();
}

int32_t mv_reading_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->readings.size());
}

int32_t mv_reading_fields(void)
{
    return static_cast<int32_t>(kFieldNames.size());
}

const char *mv_reading_field(int32_t field)
{
    return field >= 0 && field < static_cast<int32_t>(kFieldNames.size()) ? kFieldNames[field]
                                                                          : nullptr;
}

const double *mv_reading(MvGas *gas, int32_t index)
{
    const auto n = static_cast<int32_t>(gas->readings.size());
    if (index < 0) {
        index += n;
    }
    if (index < 0 || index >= n) {
        return nullptr;
    }
    gas->reading = fieldsOf(gas->readings[static_cast<size_t>(index)]);
    return gas->reading.data();
}

void mv_clear_readings(MvGas *gas)
{
    gas->readings.clear();
}

const double *mv_ledger(MvGas *gas)
{
    const EnergyLedger l = gas->gas.ledger();
    gas->ledger = {l.work, l.heat, l.energyChange};
    return gas->ledger.data();
}

const double *mv_energy_shares(MvGas *gas)
{
    gas->shares = gas->gas.energyShares();
    return gas->shares.data();
}

int32_t mv_speed_sample_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->speeds.samples().size());
}

const double *mv_speed_histogram(MvGas *gas, int32_t bins, double maxSpeed)
{
    return densityInto(gas->histogram, gas->speeds.samples(), bins, maxSpeed);
}

double mv_speed_s2(const MvGas *gas)
{
    return meanSquareOverThree(gas->speeds.samples());
}

double mv_speed_ks(const MvGas *gas)
{
    return maxwellBoltzmannKs(gas->speeds.samples())
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

double mv_mb_density(double v, double s2)
{
    return maxwellBoltzmannDensity(v, s2);
}

int32_t mv_pv_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->path.size());
}

const double *mv_pv_path(MvGas *gas)
{
    gas->pvPath.clear();
    for (const GasReading &r : gas->path) {
        const PvPoint p = pvPointOf(r);
        gas->pvPath.push_back(p.volume);
        gas->pvPath.push_back(p.pressure);
    }
    return gas->pvPath.data();
}

const double *mv_pv_fit(MvGas *gas)
{
    std::vector<PvPoint> points;
    points.reserve(gas->path.size());
    for (const GasReading &r : gas->path) {
        points.push_back(pvPointOf(r));
    }
    const auto fit = fitPolytrope(points);
    gas->fit = {0, 0, 0, 0, 0, 0};
    if (fit) {
        gas->fit = {1,
                    fit->gamma,
                    fit->error,
                    double(fit->blockLength),
                    double(fit->points),
                    double(static_cast<int>(fit->shape))};
    }
    return gas->fit.data();
}

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

const char *mv_readings_csv(MvGas *gas, int32_t dialect)
{
    gas->text = readingsCsv(gas->readings, dialectOf(dialect));
    return gas->text.c_str();
}

const char *mv_process_csv(MvGas *gas, int32_t dialect)
{
    gas->text = processReadingsCsv(gas->path, dialectOf(dialect));
    return gas->text.c_str();
}

int32_t mv_text_length(const MvGas *gas)
{
    return static_cast<int32_t>(gas->text.size());
}

} // extern "C"
