#include "experiment.h"

#include "displacement.h"
#include "freepath.h"
#include "mixing.h"
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

// k T as the free paths' theory takes it: 100 x the measured
// "Temperatura" (the masses weighed in), the mean of the readings.
double measuredKT(const RunResult &result)
{
    return 100.0 * (result.temperature.n > 0 ? result.temperature.mean : result.temperatureEnd);
}

// The species of a mixture (A, B, the heavy one) at their densities in a
// volume, each count given.
std::vector<SpeciesPart> speciesParts(const MixtureSettings &m, const std::array<double, 3> &count,
                                      double volume)
{
    return {{count[0] / volume, m.aRadius, 1.0},
            {count[1] / volume, m.bRadius, m.bMass},
            {count[2] / volume, m.heavyRadius, m.heavyMass > 0 ? m.heavyMass : 1.0}};
}

// The mixture's free paths measured and in theory in the bulk, away from
// the walls (Gas::bulkMargin): there no wall cuts a contact sphere short,
// and the walls' denser layer is left out, so the theory is the open gas's
// at the bulk's own density (its particles over its volume, each averaged
// over the ticks), Enskog's factor from that, and the measured temperature.
// Species A and B only: the heavy particle is no molecule of the gas, but
// the molecules' collisions with it end their paths, and it is in the
// theory as the third species it is.
void freePathsOf(const Gas &gas, RunResult &result)
{
    const FreePathTally &f = gas.freePaths();
    const MixtureSettings &m = gas.mixtureSettings();
    const int64_t inBulk = f.bulkCount[0] + f.bulkCount[1];
    if (!result.settings.collisions || inBulk == 0 || f.ticks == 0 || !(f.bulkVolume > 0)) {
        return;
    }
    if (f.bulkHits[0] + f.bulkHits[1] > 0) {
        result.meanFreePath = f.bulkMeanPath();
    }
    result.collisionRate = static_cast<double>(f.bulkHits[0] + f.bulkHits[1]) /
                           (static_cast<double>(inBulk) * kTickTime);
    const double kT = measuredKT(result);
    if (!(kT > 0)) {
        return;
    }
    // Counts and volume both summed over the same ticks: their ratio is the
    // mean density.
    const std::vector<SpeciesPart> parts = speciesParts(
        m, {double(f.bulkCount[0]), double(f.bulkCount[1]), double(f.bulkCount[2])}, f.bulkVolume);
    const std::vector<double> z = mixtureCollisionRates(parts, kT);
    double flown = 0, ended = 0, n = 0;
    for (size_t s = 0; s < 2; ++s) {
        flown += parts[s].n * meanSpeed(kT, parts[s].mass);
        ended += parts[s].n * z[s];
        n += parts[s].n;
    }
    if (ended > 0 && std::isfinite(ended)) {
        result.meanFreePathTheory = flown / ended;
        result.collisionRateTheory = ended / n;
    }
}

// Species A's diffusion: the mean-square displacement sampled every
// `step` measured ticks over kMsdLags lags, reaching four times the fit's
// start (kDiffusionFitCollisions collision times, from the theory's rate at
// the start); the fit from the measured rate.
constexpr size_t kMsdLags = 32;

int64_t msdStep(const Gas &gas)
{
    const MixtureSettings &m = gas.mixtureSettings();
    const GasState &s = gas.state;
    const double kT = 100.0 * exactTemperature(gas);
    const double volume = double(kBoxSize) * kBoxSize * std::max(1.0f, gas.pistonPosition());
    const double heavy = gas.heavyParticle() > 0 ? 1 : 0;
    const std::vector<double> z = mixtureCollisionRates(
        speciesParts(m, {double(m.aCount), double(m.bCount), heavy}, volume), kT);
    if (!(z[0] > 0) || !std::isfinite(z[0]) || s.NumPar == 0) {
        return 1;
    }
    const double horizon = 4 * kDiffusionFitCollisions / z[0] / kTickTime; // in ticks
    return std::clamp<int64_t>(static_cast<int64_t>(std::ceil(horizon / kMsdLags)), 1, 100000);
}

std::vector<std::array<double, 3>> speciesAPositions(const Gas &gas)
{
    const int32_t first = gas.heavyParticle() + 1;
    std::vector<std::array<double, 3>> r;
    r.reserve(static_cast<size_t>(gas.mixtureSettings().aCount));
    for (int32_t i = first; i < first + gas.mixtureSettings().aCount; ++i) {
        r.push_back(gas.unfoldedPosition(i));
    }
    return r;
}

void diffusionOf(const Gas &gas, const MsdAccumulator &msd, RunResult &result)
{
    const FreePathTally &f = gas.freePaths();
    const MixtureSettings &m = gas.mixtureSettings();
    if (!result.settings.collisions || m.aCount == 0 || f.ticks == 0) {
        return;
    }
    const double kT = measuredKT(result);
    const double wall = result.piston.n > 0 ? result.piston.mean : result.wallEnd;
    if (kT > 0 && wall > 0) {
        const double volume = double(kBoxSize) * kBoxSize * wall;
        const double heavy = gas.heavyParticle() > 0 ? 1 : 0;
        const double area = 2 * kBoxSize * kBoxSize + 4 * kBoxSize * wall;
        const double d = mixtureDiffusionTheory(
            speciesParts(m, {double(m.aCount), double(m.bCount), heavy}, volume), 0, kT,
            area / volume);
        if (std::isfinite(d)) {
            result.diffusionTheory = d;
        }
    }
    const double z = static_cast<double>(f.hits[0]) /
                     (m.aCount * static_cast<double>(f.ticks) * kTickTime);
    const std::vector<DisplacementLog::Point> curve = msd.curve();
    const DiffusionRange range = diffusionFitRange(curve, z);
    const DisplacementLog::Fit fit = DisplacementLog::fitDiffusion(curve, range.from, range.to);
    if (fit.ok) {
        result.diffusion = fit.d;
    }
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
    const bool divided = lab.settings.mixture && lab.settings.divider != Divider::None;
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
    // The counts on each side at every measured tick: the time to mix.
    MixClock mixClock;
    const auto sideTable = [&gas] {
        const SideCounts c = gas.sideCounts();
        SideTable t{};
        for (size_t s = 0; s < 2; ++s) {
            t[s] = {c.n[s][0], c.n[s][1]};
        }
        return t;
    };
    // Every snapshot is kept: the distribution pools the whole measurement.
    SpeedSampler speeds(static_cast<int>(std::max<int64_t>(1, plan.ticks / kSpeedSnapshotTicks)));
    // A mixture's displacements and the heavy particle's speed.
    const bool diffusing = lab.settings.mixture && gas.collisions() && gas.mixtureSettings().aCount > 0;
    const int64_t step = diffusing ? msdStep(gas) : 1;
    MsdAccumulator msd(kMsdLags);
    const int32_t heavy = gas.heavyParticle();
    double heavyV2 = 0;

    const auto begin = [&] {
        lab.startMeasuring();
        gas.resetFreePaths();
        if (divided) {
            // The gases meet from here: a solid divider goes, a hole's
            // tally starts afresh.
            if (lab.settings.divider == Divider::Solid) {
                gas.removeDivider();
            }
            gas.resetEffusion();
            mixClock.start(0);
            mixClock.add(0, sideTable());
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
        if (t == plan.warmup) {
            begin();
        }
        const int64_t measured = t - plan.warmup;
        if (divided && measured > 0) {
            mixClock.add(static_cast<double>(measured) * kTickTime, sideTable());
        }
        if (diffusing && measured >= 0 && measured % step == 0) {
            msd.add(static_cast<double>(measured) * kTickTime, speciesAPositions(gas));
        }
        if (heavy > 0 && measured > 0) {
            heavyV2 += double(s.VelX[heavy]) * s.VelX[heavy] + double(s.VelY[heavy]) * s.VelY[heavy] +
                       double(s.VelZ[heavy]) * s.VelZ[heavy];
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
    if (lab.settings.mixture) {
        freePathsOf(gas, result);
        diffusionOf(gas, msd, result);
    }
    if (heavy > 0 && plan.ticks > 0) {
        result.heavyV2 = heavyV2 / static_cast<double>(plan.ticks);
        const double kT = measuredKT(result);
        if (kT > 0) {
            result.heavyV2Theory = meanSquareSpeedTheory(kT, gas.mixtureSettings().heavyMass);
        }
    }
    if (divided) {
        result.mixTime = mixClock.mixTime();
        const EffusionTally &e = gas.effusion();
        if (lab.settings.divider == Divider::Hole && lab.settings.bCount > 0) {
            result.effusionRatio =
                effusionRatio(e.crossings[0], e.leftTicks[0], e.crossings[1], e.leftTicks[1]);
            result.grahamRatio = grahamRatio(1.0, lab.settings.bMass);
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
