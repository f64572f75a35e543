#pragma once

#include "gas.h"
#include "heightprofile.h"
#include "pvfit.h"
#include "readinglog.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One experiment of molvix-lab: a gas of its own, started as the program
// starts it, set as the control panel sets it, run for a number of ticks.

// The settings of one run: what the control panel would be set to.
struct RunSettings
{
    int32_t count = kStartCount;     // particles, 0..100 ("Num. Partículas")
    int32_t wall = kWallMax;         // piston position, 0..100 ("Posicion Pared")
    int32_t temperature = kStartTemperature; // temperature setting, 0..100 ("Temperatura")
    bool collisions = false;  // "Colisiones" SI or NO

    // The process: the piston and the bath. The moving piston starts at
    // `wall` and goes to pistonTo during the measured ticks only; the bath
    // is on through the warm-up too, at bathTemperature or, when none is
    // given, at the gas's temperature once the settings above are applied.
    PistonMode piston = PistonMode::Fixed;
    std::optional<float> pistonTo{}; // none: stays at `wall`
    float pistonSpeed = 1;
    float load = 0;
    float pistonMass = ProcessSettings{}.pistonMass;
    bool bath = false;
    std::optional<float> bathTemperature{};
    bool processColumns = false; // the writers add the process's columns

    // A mixture: species A's radius, species B's count, mass and radius.
    // Only with `mixture` set; `count` is then species A's, and the two
    // together may reach kMixtureMaxCount.
    bool mixture = false;
    float radius = kRadius;
    int32_t bCount = 0;
    float bMass = 1;
    float bRadius = kRadius;
    // The divider: `Solid` keeps A left and B right through the warm-up and
    // is removed when the measured ticks begin; `Hole` keeps both on the
    // left, effusing through the measured ticks.
    Divider divider = Divider::None;
    float holeSide = MixtureSettings{}.holeSide;
    // One heavy particle of this mass (none at 0) and radius.
    float heavyMass = 0;
    float heavyRadius = MixtureSettings{}.heavyRadius;
    // A uniform field toward the floor (0: none), lengths per time^2.
    float gravity = 0;
};

// How long every run of a sweep goes.
struct RunPlan
{
    int64_t warmup = 0;       // ticks run first; their readings are dropped
    int64_t ticks = 0;        // measured ticks
    bool keepReadings = true; // keep the series of readings, not only its summary
    bool keepProfile = false; // keep a mixture's height profile at the end
};

// Speeds are pooled from a snapshot of every live particle taken every this
// many measured ticks.
constexpr int64_t kSpeedSnapshotTicks = kSpeedSampleTicks;

// What a run measured: the readings of its measured ticks and their summary.
struct RunResult
{
    RunSettings settings;
    bool completed = false;           // false when the run was stopped
    int readingCount = 0;             // readings taken during the measured ticks
    std::vector<GasReading> readings; // those readings, when the plan keeps them
    Stats pressure, temperature, energy;
    Stats idealGasRatio; // P V / (N T) per reading, 1 for an ideal gas
    int64_t speedSamples = 0;
    std::optional<double> ks; // Maxwell–Boltzmann KS distance of the pooled speeds

    // The process, from the start to the end of the measured ticks: the
    // temperature (energy / 3 N) and the piston's position there, exact;
    // the ledger over them; the energy per axis at the start.
    double temperatureStart = 0, temperatureEnd = 0;
    double wallStart = 0, wallEnd = 0;
    double work = 0, heat = 0, energyChange = 0;
    double energyXStart = 0, energyYStart = 0, energyZStart = 0;
    Stats piston; // the readings' mean piston positions
    float bathTemperature = 0; // the bath's, as applied
    std::optional<PvFit> gamma; // P V^gamma fitted to the readings

    // A mixture's free paths over the measured ticks, and the hard-sphere
    // theory at the measured temperature and the mean volume: the mean of
    // the paths (every path once) and collisions per particle per unit
    // time. None where they do not apply: no collisions, no particles, no
    // path ended.
    std::optional<double> meanFreePath, meanFreePathTheory;
    std::optional<double> collisionRate, collisionRateTheory;

    // In a mixture, each species' count on each side at every reading (kept
    // with the readings). Behind a divider: the time from the start of the measured ticks
    // until the counts first came within 10 % of even; through a hole, the
    // ratio of A's effusion rate to B's, measured and by Graham's law.
    std::vector<SideCounts> sides;
    std::optional<double> mixTime;
    std::optional<double> effusionRatio, grahamRatio;
    // Species A's self-diffusion: fitted to the mean-square displacement of
    // all its particles (positions unfolded through the walls) over the
    // measured ticks, and the hard-sphere theory at the box's density and
    // the measured temperature. The heavy particle's mean v^2 over the
    // measured ticks against 3 k T / M.
    std::optional<double> diffusion, diffusionTheory;
    std::optional<double> heavyV2, heavyV2Theory;
    // The field and the walls at the end of the measured ticks: the
    // relative drift of kinetic + potential energy since they began; the
    // pressures on the floor and the piston, the weight over the floor's
    // area; Z = P/(n k T) in the core from the walls' middle patches and
    // from the virial, and Carnahan-Starling's at the core's packing.
    std::optional<double> energyTotalDrift;
    std::optional<double> pressureFloor, pressureTop, weightPerArea;
    std::optional<double> zWalls, zVirial, zTheory;
    // The layers along the height, each species bottom up (kept on request).
    std::vector<HeightProfile::Row> profile;
};

// The control panel's readouts, not shown: the readings carry the numbers.
class LabControls : public GasControls
{
public:
    void showEnergy(double) override {}
    void showTemperature(double, bool) override {}
    void showPressure(double) override {}
    void showWall(int32_t) override {}
};

// One of the panel's scroll bars, 0..100: a move to where it stands already
// is no change, and its change handler does not run.
class LabBar
{
public:
    explicit LabBar(int32_t position) : m_position(position) {}
    int32_t position() const { return m_position; }
    // Moves the bar, clamped to its range; true when it really moved.
    bool moveTo(int32_t value);

private:
    int32_t m_position;
};

// A gas with no views in the state the program's gas is in after start-up
// and a user's moves of the panel's count, temperature and wall bars (in
// that order) to the run's settings and its collision choice.
class LabGas
{
public:
    explicit LabGas(const RunSettings &settings);
    LabGas(const LabGas &) = delete;
    LabGas &operator=(const LabGas &) = delete;

    Gas gas;
    LabControls controls;
    RunSettings settings;

    // The process as it runs in the warm-up, then as it runs measured.
    void startWarmup();
    void startMeasuring();
    float bathTemperature() const { return m_bathTemperature; }
    // The gas's temperature once the run's settings were applied.
    double settingsTemperature() const { return m_settingsTemperature; }

private:
    float m_bathTemperature = 0;
    double m_settingsTemperature = 0;
    // Where the panel's scroll bars stand when it is created.
    LabBar m_countBar{0};
    LabBar m_tempBar{0};
    LabBar m_wallBar{100};

    void startAsProgram();
    // A user's move of a bar: the gas's action when the bar really moves.
    void moveCountBar(int32_t value);
    void moveTempBar(int32_t value);
    void moveWallBar(int32_t value);
};

// Progress shared by the workers of a sweep and whoever watches them.
struct SweepControl
{
    std::atomic<bool> stop{false};     // set to end every run early
    std::atomic<int64_t> ticksDone{0}; // ticks run so far, all runs together
    std::atomic<int> runsDone{0};
};

// Runs the gas for the plan's warm-up and measured ticks and summarises the
// measured readings. Stops early, incomplete, when control->stop is set.
RunResult runExperiment(LabGas &lab, const RunPlan &plan, SweepControl *control = nullptr);
RunResult runExperiment(const RunSettings &settings, const RunPlan &plan,
                        SweepControl *control = nullptr);

// What a sweep may take, checked before any run: beyond these it is surely
// a slip of the keyboard, and the memory would end in a crash, not an answer.
constexpr double kMaxRuns = 1e6;
constexpr double kMaxSweepTicks = 1e12;         // warm-up and measured ticks of every run
constexpr double kMaxSweepBytes = 4294967296.0; // 4 GiB, estimated by sweepBytes

// The memory a sweep holds at its fullest, in bytes, estimated: for each
// worker its gas, the readings and the speed snapshots of its run (a float
// and its pooled double per particle, every kSpeedSnapshotTicks), and for
// every run its result, with its series and their text when kept. `runs` is
// a double, as a product of sweeps may not fit a whole number.
double sweepBytes(double runs, int32_t maxCount, const RunPlan &plan, int threads);
// None when the sweep is within the limits, else the line that says which
// limit it passes and by how much.
std::optional<QString> sweepBeyondLimits(double runs, int32_t maxCount, const RunPlan &plan,
                                         int threads);

// Every run of a sweep on `threads` workers, each run on a gas of its own.
// Results come back in the order of `runs`, whatever the scheduling. While
// the workers run, `poll` is called on the calling thread about every 100 ms.
// A worker that cannot start stops the others; once they have ended, it is
// thrown as std::system_error, as is a failure inside a run (std::bad_alloc).
std::vector<RunResult> runSweep(const std::vector<RunSettings> &runs, const RunPlan &plan,
                                int threads, SweepControl &control,
                                const std::function<void()> &poll = {});
