#pragma once

// The gas behind the C interface and what each front end measures of it:
// the state the extern "C" functions of molvixcore.cpp and mvmixture.cpp share.

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

inline std::array<double, kFieldNames.size()> fieldsOf(const GasReading &r)
{
    return {static_cast<double>(r.tick), r.time, double(r.count), double(r.wall),
            double(r.tempSetting), r.collisions ? 1.0 : 0.0, r.pressure, r.temperature,
            r.energy, r.piston, r.pistonMean, r.work, r.heat, r.energyX, r.energyY, r.energyZ};
}

// The fields that are measured numbers, by their place in kFieldNames; null
// for the whole-number settings.
inline double GasReading::*measuredField(int32_t field)
{
    constexpr std::array<double GasReading::*, kFieldNames.size()> fields = {
        nullptr,
        &GasReading::time,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        &GasReading::pressure,
        &GasReading::temperature,
        &GasReading::energy,
        &GasReading::piston,
        &GasReading::pistonMean,
        &GasReading::work,
        &GasReading::heat,
        &GasReading::energyX,
        &GasReading::energyY,
        &GasReading::energyZ};
    return field >= 0 && field < static_cast<int32_t>(fields.size()) ? fields[field] : nullptr;
}

inline CsvDialect dialectOf(int32_t dialect)
{
    return dialect == 1 ? CsvDialect::Spreadsheet : CsvDialect::Plain;
}

inline int32_t clampBar(int32_t value)
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
inline const double *densityInto(std::vector<double> &out, const std::vector<double> &speeds,
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

inline double sphereVolume(double r)
{
    return 4.0 / 3.0 * M_PI * r * r * r;
}



struct MvGas
{
    Gas gas;
    CoreControls controls;
    // Where the panel's bars stand: a move to the same place is no change.
    int32_t countBar = 0, temperatureBar = 0, wallBar = 100;
    ReadingLog log; // every reading, as "Gráficas" keeps them
    std::vector<GasReading> path; // since the last reset, as "Procesos" keeps them
    SpeedSampler speeds; // as "Gráficas" keeps them: the newest 100 snapshots
    int64_t sampledSeries = -1, pathSeries = -1;
    int32_t sampledTemp = -1;
    int32_t listener = 0;

    // Scratch the pointers handed out point into.
    std::array<double, kFieldNames.size()> reading{};
    std::array<double, 3> ledger{}, shares{};
    std::array<double, 6> fit{};
    std::array<double, 4> stats{};
    std::vector<double> histogram, pvPath, history;
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
            log.append(r);
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
