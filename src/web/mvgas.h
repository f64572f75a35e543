#pragma once

// The gas behind the C interface and what each front end measures of it:
// the state the extern "C" functions of molvixcore.cpp and mvmixture.cpp share.

#include "molvixcore.h"

#include "displacement.h"
#include "freepath.h"
#include "mixing.h"
#include "mixturerecorder.h"
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

constexpr int32_t kFigures = 35;
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

    // A mixture's instruments, as the desktop's window has them.
    MixtureRecorder recorder;
    std::vector<double> heavyHistogram;
    std::array<double, 10> mixSettings{};
    std::array<int32_t, 4> sides{};
    std::array<double, 6> effusion{};
    std::array<double, kFigures> figures{};
    std::vector<double> pathChart, msdPairs, sideSamples, profile;

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
