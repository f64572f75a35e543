#include "experiment.h"

#include "mixturerecorder.h"
#include "speeds.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace {

// Ticks between two looks at the stop flag (and two progress updates).
constexpr int64_t kCheckTicks = 200;

// The temperature as the readout computes it, from the velocities now.
double exactTemperature(const Gas &gas)
{
    return temperatureOf(kineticSum(gas.state).total, gas.state.NumPar);
}

// An optional figure from the recorder's: none where it is NaN.
std::optional<double> figure(double value)
{
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// A mixture's figures, each as every front end has it.
void mixtureFiguresOf(const Gas &gas, const MixtureRecorder &recorder, RunResult &result)
{
    const MixtureRecorder::Figures f = recorder.figures(gas);
    result.meanFreePath = figure(f.meanFreePath);
    result.meanFreePathTheory = figure(f.meanFreePathTheory);
    result.collisionRate = figure(f.collisionRate);
    result.collisionRateTheory = figure(f.collisionRateTheory);
    result.diffusion = figure(f.diffusion);
    result.diffusionTheory = figure(f.diffusionTheory);
    result.heavyV2 = figure(f.heavyV2);
    result.heavyV2Theory = figure(f.heavyV2Theory);
    result.mixTime = figure(f.mixTime);
    result.effusionRatio = figure(f.effusionRatio);
    result.grahamRatio = figure(f.grahamRatio);
    result.energyTotalDrift = figure(f.totalEnergyDrift);
    result.pressureFloor = figure(f.pressureFloor);
    result.pressureTop = figure(f.pressureTop);
    result.weightPerArea = figure(f.weightPerArea);
    result.zWalls = figure(f.zWalls);
    result.zVirial = figure(f.zVirial);
    result.zTheory = figure(f.zTheory);
}

// The measured readings summarised: their statistics, the P-V path's
// exponent and the pooled speeds' distance to Maxwell-Boltzmann.
void summarise(const LabGas &lab, const std::vector<GasReading> &readings, SpeedSampler &speeds,
               RunResult &result)
{
    // The velocities are floats: a temperature within a float's precision of
    // the run's own scale is what rounding leaves of a gas brought to rest
    // (a bath at 0 ends near 1e-15, not at 0), and has no P·V/(N·T) or
    // distribution of speeds.
    const double scale = std::max<double>(lab.settingsTemperature(), result.bathTemperature);
    bool moving = false;
    std::vector<double> pressure, temperature, energy, ratio, piston;
    std::vector<PvPoint> path;
    for (const GasReading &r : readings) {
        piston.push_back(r.pistonMean);
        // The point the window's P–V diagram draws and the process file writes.
        path.push_back(pvPointOf(r));
        pressure.push_back(r.pressure);
        // An empty box has no temperature: the 0 the gas reads is a stand-in.
        if (r.count > 0) {
            temperature.push_back(r.temperature);
        }
        energy.push_back(r.energy);
        if (zeroTemperature(r.temperature, scale)) {
            continue;
        }
        moving = true;
        if (const auto q = idealGasRatio(r, scale)) {
            ratio.push_back(*q);
        }
    }
    result.completed = true;
    result.readingCount = static_cast<int>(readings.size());
    result.pressure = statsOf(pressure);
    result.temperature = statsOf(temperature);
    result.energy = statsOf(energy);
    result.idealGasRatio = statsOf(ratio);
    result.piston = statsOf(piston);
    result.gamma = fitPolytrope(path);
    std::vector<double> pooled = speeds.samples();
    result.speedSamples = static_cast<int64_t>(pooled.size());
    result.ks = moving || readings.empty() ? maxwellBoltzmannKs(std::move(pooled)) : std::nullopt;
}

} // namespace

bool LabBar::moveTo(int32_t value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_position) {
        return false;
    }
    m_position = value;
    return true;
}

LabGas::LabGas(const RunSettings &run) : settings(run)
{
    startAsProgram();
    moveCountBar(settings.count);
    moveTempBar(settings.temperature);
    moveWallBar(settings.wall);
    // A mixture lays the gas out afresh, in the box the wall leaves.
    if (settings.mixture) {
        MixtureSettings m;
        m.aCount = settings.count;
        m.aRadius = settings.radius;
        m.bCount = settings.bCount;
        m.bMass = settings.bMass;
        m.bRadius = settings.bRadius;
        m.heavyMass = settings.heavyMass;
        m.heavyRadius = settings.heavyRadius;
        m.divider = settings.divider;
        m.holeSide = settings.holeSide;
        m.gravity = settings.gravity;
        gas.setMixture(m);
    }
    // The collision box, last: it draws nothing.
    gas.setCollisions(settings.collisions);
    const double temperature = temperatureOf(gas.state.Energ, gas.state.NumPar);
    m_settingsTemperature = temperature;
    m_bathTemperature = settings.bathTemperature.value_or(gas.bathTemperatureDefault());
}

void LabGas::startWarmup()
{
    ProcessSettings p;
    p.piston = settings.piston;
    p.pistonTarget = gas.pistonPosition(); // a moving piston waits for the measurement
    p.pistonSpeed = settings.pistonSpeed;
    p.load = settings.load;
    p.pistonMass = settings.pistonMass;
    p.bath = settings.bath;
    p.bathTemperature = m_bathTemperature;
    gas.setProcess(p);
}

void LabGas::startMeasuring()
{
    ProcessSettings p = gas.process();
    if (settings.pistonTo) {
        p.pistonTarget = *settings.pistonTo;
    }
    gas.setProcess(p);
    gas.resetLedger();
}

void LabGas::startAsProgram()
{
    // The program's start, with the panel's bars brought along: they stand
    // where its creation leaves them.
    gas.controls = &controls;
    gas.startAsProgram();
    m_countBar.moveTo(gas.state.NumPar);
    m_tempBar.moveTo(gas.state.Temp);
}

void LabGas::moveCountBar(int32_t value)
{
    if (m_countBar.moveTo(value)) {
        gas.setCount(m_countBar.position());
    }
}

void LabGas::moveTempBar(int32_t value)
{
    if (m_tempBar.moveTo(value)) {
        gas.ReglaTemperatura(m_tempBar.position());
    }
}

void LabGas::moveWallBar(int32_t value)
{
    if (m_wallBar.moveTo(value)) {
        gas.MoverPared(m_wallBar.position());
    }
}

RunResult runExperiment(LabGas &lab, const RunPlan &plan, SweepControl *control)
{
    Gas &gas = lab.gas;
    const GasState &s = gas.state;
    RunResult result;
    result.settings = lab.settings;
    result.settings.count = s.NumPar;
    result.settings.wall = s.PosPared;
    result.settings.temperature = s.Temp;
    result.settings.collisions = gas.collisions();
    result.bathTemperature = lab.bathTemperature();

    // A reading taken after the warm-up belongs to the measurement, even one
    // whose 200 ticks began in the warm-up: the settings never change.
    const int64_t measuredFrom = gas.ticks + plan.warmup;
    std::vector<GasReading> readings;
    readings.reserve(static_cast<size_t>(plan.ticks / NPasosPresion + 1));
    const bool mixture = lab.settings.mixture;
    const int32_t listener =
        gas.addReadingListener([&readings, &result, &gas, mixture, measuredFrom](const GasReading &r) {
            if (r.tick > measuredFrom) {
                readings.push_back(r);
                if (mixture) {
                    result.sides.push_back(gas.sideCounts());
                }
            }
        });
    // Every snapshot is kept: the distribution pools the whole measurement.
    SpeedSampler speeds(static_cast<int>(std::max<int64_t>(1, plan.ticks / kSpeedSnapshotTicks)));
    // A mixture's instruments follow species A's walk.
    MixtureRecorder recorder(MixtureRecorder::Follow::SpeciesA);

    const auto begin = [&] {
        lab.startMeasuring();
        if (mixture) {
            // The gases meet from here: a solid divider goes.
            if (lab.settings.divider == Divider::Solid) {
                gas.removeDivider();
            }
            recorder.start(gas);
        }
        const GasReading now = gas.reading(0);
        result.temperatureStart = exactTemperature(gas);
        result.wallStart = gas.pistonPosition();
        result.energyXStart = now.energyX;
        result.energyYStart = now.energyY;
        result.energyZStart = now.energyZ;
    };
    lab.startWarmup();
    if (plan.warmup == 0) {
        begin();
    }
    const int64_t total = plan.warmup + plan.ticks;
    for (int64_t t = 1; t <= total; ++t) {
        gas.TimeLoopTimer();
        const int64_t measured = t - plan.warmup;
        if (measured == 0) {
            begin();
        } else if (mixture && measured > 0) {
            recorder.afterTick(gas);
        }
        if (measured > 0 && measured % kSpeedSnapshotTicks == 0) {
            speeds.addSnapshot(&s.VelX[1], &s.VelY[1], &s.VelZ[1], s.NumPar);
        }
        if (control != nullptr && t % kCheckTicks == 0) {
            control->ticksDone.fetch_add(kCheckTicks, std::memory_order_relaxed);
            if (control->stop.load(std::memory_order_relaxed)) {
                gas.removeReadingListener(listener);
                return result;
            }
        }
    }
    if (control != nullptr) {
        control->ticksDone.fetch_add(total % kCheckTicks, std::memory_order_relaxed);
    }
    gas.removeReadingListener(listener);

    result.temperatureEnd = exactTemperature(gas);
    result.wallEnd = gas.pistonPosition();
    const EnergyLedger ledger = gas.ledger();
    result.work = ledger.work;
    result.heat = ledger.heat;
    result.energyChange = ledger.energyChange;
    summarise(lab, readings, speeds, result);
    if (mixture) {
        mixtureFiguresOf(gas, recorder, result);
        if (plan.keepProfile) {
            result.profile = recorder.profileRows(gas);
        }
    }
    if (!plan.keepReadings) {
        result.sides.clear();
    }
    if (plan.keepReadings) {
        result.readings = std::move(readings);
    }
    return result;
}

RunResult runExperiment(const RunSettings &settings, const RunPlan &plan, SweepControl *control)
{
    LabGas lab(settings);
    return runExperiment(lab, plan, control);
}

double sweepBytes(double runs, int32_t maxCount, const RunPlan &plan, int threads)
{
    const double workers = std::clamp(static_cast<double>(threads), 1.0, std::max(1.0, runs));
    const double readings = static_cast<double>(plan.ticks / NPasosPresion + 1);
    const double snapshots =
        std::max<double>(1, static_cast<double>(plan.ticks / kSpeedSnapshotTicks));
    // A snapshot's slot: its vector and the allocation behind it.
    constexpr double kSlotBytes = sizeof(std::vector<float>) + sizeof(int) + 32;
    const double perParticle = sizeof(float) + sizeof(double);
    const double underWay = sizeof(LabGas) + readings * sizeof(GasReading) +
                            snapshots * (kSlotBytes + perParticle * std::max(0, maxCount));
    // What the writers make of a run: a summary row, and a series row of
    // text per reading (JSON's are the longer).
    constexpr double kSummaryText = 512, kReadingText = 160;
    double held = sizeof(RunResult) + kSummaryText;
    if (plan.keepReadings) {
        held += readings * (sizeof(GasReading) + kReadingText);
    }
    // A profile's rows: 20 layers of up to three species.
    constexpr double kProfileRows = 3 * HeightProfile::kLayers, kProfileText = 96;
    if (plan.keepProfile) {
        held += kProfileRows * (sizeof(HeightProfile::Row) + kProfileText);
    }
    return workers * underWay + runs * held;
}

std::optional<QString> sweepBeyondLimits(double runs, int32_t maxCount, const RunPlan &plan,
                                         int threads)
{
    const auto number = [](double v) { return QString::number(v, 'g', 3); };
    if (runs > kMaxRuns) {
        return QCoreApplication::translate(
                   "molvix-lab", "el barrido tiene %1 ejecuciones; se permiten como mucho %2")
            .arg(number(runs), number(kMaxRuns));
    }
    const double ticks = runs * static_cast<double>(plan.warmup + plan.ticks);
    if (ticks > kMaxSweepTicks) {
        return QCoreApplication::translate("molvix-lab",
                                           "el barrido necesita %1 pasos (ejecuciones x (warmup + "
                                           "ticks)); se permiten como mucho %2")
            .arg(number(ticks), number(kMaxSweepTicks));
    }
    const double bytes = sweepBytes(runs, maxCount, plan, threads);
    if (bytes > kMaxSweepBytes) {
        return QCoreApplication::translate(
                   "molvix-lab",
                   "el barrido ocuparía unos %1 GiB de memoria; se permiten como mucho %2 GiB "
                   "(menos --threads, --ticks o ejecuciones, o sin --series)")
            .arg(number(bytes / 1073741824.0), number(kMaxSweepBytes / 1073741824.0));
    }
    return std::nullopt;
}

std::vector<RunResult> runSweep(const std::vector<RunSettings> &runs, const RunPlan &plan,
                                int threads, SweepControl &control,
                                const std::function<void()> &poll)
{
    std::vector<RunResult> results(runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        results[i].settings = runs[i];
    }
    if (runs.empty()) {
        return results;
    }
    const int workers =
        std::clamp(threads, 1, static_cast<int>(std::min<size_t>(runs.size(), 1024)));

    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    int working = 0;
    std::exception_ptr failure;

    // Each worker takes the next run not yet taken; a run's result goes to
    // its own slot, so the order of the results is the order of the runs.
    const auto work = [&] {
        try {
            for (;;) {
                const size_t i = next.fetch_add(1);
                if (i >= runs.size() || control.stop.load()) {
                    break;
                }
                results[i] = runExperiment(runs[i], plan, &control);
                if (results[i].completed) {
                    control.runsDone.fetch_add(1);
                }
            }
        } catch (...) {
            const std::lock_guard lock(mutex);
            if (!failure) {
                failure = std::current_exception();
            }
            control.stop = true;
        }
        const std::lock_guard lock(mutex);
        --working;
        finished.notify_all();
    };

    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(workers));
    for (int k = 0; k < workers; ++k) {
        const std::lock_guard lock(mutex);
        try {
            pool.emplace_back(work);
            ++working;
        } catch (const std::system_error &e) {
            // The machine gives no more threads: the started ones stop and
            // are waited for, so that none is left running.
            if (!failure) {
                failure = std::make_exception_ptr(std::system_error(
                    e.code(),
                    QCoreApplication::translate("molvix-lab", "no arranca el hilo %1 de %2")
                        .arg(k + 1)
                        .arg(workers)
                        .toStdString()));
            }
            control.stop = true;
            break;
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
            control.stop = true;
            break;
        }
    }
    {
        std::unique_lock lock(mutex);
        while (working > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(100));
            if (poll && working > 0) {
                lock.unlock();
                poll();
                lock.lock();
            }
        }
    }
    for (std::thread &t : pool) {
        t.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return results;
}
