#pragma once

#include "events.h"
#include "gaschange.h"
#include "gasdisplay.h"
#include "gasreading.h"
#include "model.h"
#include "process.h"

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <utility>
#include <vector>

// The model's constants and their units are in model.h.

constexpr int32_t SegVel = 29;        // the vector of particle i is segment i + 29
constexpr int32_t kWallFirstSegment = 24; // segments 24..27 outline the piston

// The gas: per-particle arrays indexed from 1 (slot 0 is never used) and the
// scalars that the simulation, the readouts and the controls share.
struct alignas(64) GasState
{
    using Floats = std::array<float, kGasSlots>;
    // Slot 1 of each array on a cache line's start (see kGasSlots).
    std::array<float, 15> lineUp{};
    Floats ParX{}, ParY{}, ParZ{};             // position; y is the piston's axis
    Floats VelX{}, VelY{}, VelZ{};             // length per unit time
    Floats Masa{};                             // 1.0 whenever generated
    // A mixture's own (Gas::setMixture); the classic gas never reads them.
    Floats RadioPar{};                         // each particle's radius
    std::array<int32_t, kGasSlots> Especie{};  // 0: species A, 1: species B
    Floats DirX{}, DirY{}, DirZ{};             // velocity template per slot
    Floats ParXAnt{}, ParYAnt{}, ParZAnt{};    // copies taken at a contact
    Floats VelXAnt{}, VelYAnt{}, VelZAnt{};

    int32_t NumPar = kStartCount; // slots 1..NumPar are live
    int32_t NumParPedido = 1;  // count asked for by the controls
    int32_t PosPared = kWallMax; // piston position on y, 0..100
    int32_t Temp = kStartTemperature; // temperature setting: a speed scale
    float DeltaT = kDeltaT;    // time step of one tick
    float Radio = kRadius;     // radius of the contact test
    int32_t RadioSoft = 3;     // pixel radius of a particle in the software view
    int32_t NSeg = 130;        // segments created in each view
    int32_t ModoGL = 0;        // active view: 1 OpenGL, 0 software
    int32_t DibVel = 0;        // 1 while velocity vectors are shown
    float Presion = 0;         // momentum collected since the last reading
    int32_t NPasos = 0;        // ticks since the last reading
    float Energ = 0;           // sum of squared speeds
    float Solape = 0;          // overlap depth of the contact being resolved
    int32_t Mezcla = 0;        // 1 in a mixture: masses weigh in energy and pressure
    // The rest of the last line, as a member: the state has no padding, so
    // two states compare as bytes.
    std::array<float, 2> lineEnd{};
};
static_assert(sizeof(GasState) % 64 == 0);

// Two species of hard spheres in the gas, chosen by the user: species A
// has unit mass, species B its own. Off by default; while it is off the gas
// is the classic one, bit for bit.
// A divider across the box at x = kBoxSize / 2: none, solid, or with a
// square hole centred on the divider's face.
enum class Divider : int32_t { None = 0, Solid = 1, Hole = 2 };

struct MixtureSettings
{
    int32_t aCount = kStartCount;
    float aRadius = kRadius;
    int32_t bCount = 0;
    float bMass = 1;
    float bRadius = kRadius;
    // Solid: A starts on the left, B on the right. Hole: both start on the
    // left and the right starts empty.
    Divider divider = Divider::None;
    float holeSide = 20;
    // One heavy particle (slot 1, species kHeavy) among the others; none
    // while heavyMass is 0.
    float heavyMass = 0;
    float heavyRadius = 5;
    // A uniform field pulling every particle toward the floor, in box
    // lengths per unit time squared; 0, none.
    float gravity = 0;

    bool operator==(const MixtureSettings &) const = default;
};
// The ranges a mixture is kept within.
constexpr float kMixtureRadiusMin = 0.1f;
constexpr float kMixtureRadiusMax = 10.0f;
constexpr float kMixtureMassMin = 1.0f;
constexpr float kMixtureMassMax = 100.0f;
// The share of its room a mixture's spheres may fill as they start: past
// it a layout without overlaps is hard to find.
constexpr double kMixtureMaxPacking = 0.30;
constexpr float kHoleSideMin = 1.0f;
constexpr float kHoleSideMax = kBoxSize;
constexpr float kHeavyMassMin = 1.0f;
constexpr float kHeavyMassMax = 1000.0f;
constexpr float kHeavyRadiusMax = 10.0f;
// At this field a particle at the speeds of Temp 100 rises a few lengths
// at most: the gas lies on the floor.
constexpr float kGravityMax = 1000.0f;
// The settings brought into the ranges above (the heavy particle taking a
// slot of the 500 before A and B do).
MixtureSettings mixtureInRange(const MixtureSettings &asked);
// The share of its room a mixture's spheres fill as they start, below a
// wall at `wall`: the whole box, or behind a divider the half each species
// starts in (both on the left of a hole; A, with the heavy particle, left
// of a solid one and B right). Infinite for a box with no room.
double mixtureStartPacking(const MixtureSettings &m, double wall);
// Species indices (GasState::Especie).
constexpr int32_t kSpeciesA = 0;
constexpr int32_t kSpeciesB = 1;
constexpr int32_t kHeavy = 2;
// The templates' mean square speed per unit Temp^2 (x uniform in +-1,
// y shifted by -0.6, z by -0.3): a mixture at a temperature setting gets
// the energy per particle the classic gas has there.
constexpr double kTemplateMeanSquare = 1.0 + 0.36 + 0.09;

// The free paths since the last reset: per species (0 A, 1 B), each path
// the distance a particle travelled between two of its collisions with
// other particles (the first, begun before any collision, is not a path).
struct FreePathTally
{
    int64_t ticks = 0;
    int64_t collisions = 0;             // pairs that collided
    std::array<int64_t, 2> paths{0, 0}; // paths ended
    std::array<double, 2> pathSum{0, 0};
    std::array<int64_t, 2> hits{0, 0}; // collisions each species took part in
    // Every path (both species) in bins of kPathBinWidth; the last bin
    // holds the longer ones too.
    static constexpr int kPathBins = 100;
    static constexpr double kPathBinWidth = 3.0;
    std::array<int64_t, kPathBins> histogram{};
    // The heavy particle is not a molecule of the gas: its own paths and
    // collisions are in none of the above; a molecule's collision with it
    // ends the molecule's path as any other does.

    // The bulk: where every particle is at least Gas::bulkMargin() from
    // each wall (and from the divider while it is up), so that no wall cuts
    // its contact sphere short and the walls' denser layer is left out. Per
    // species (A, B, heavy): the collisions taken there, and at the ticks'
    // ends the particles there and the distance they fly in a tick; the
    // bulk's volume summed over the same ticks (both looked at every fourth
    // tick, each look counted four times). Collisions over distance
    // flown there is the bulk's v/z, and count over volume its density.
    std::array<int64_t, 3> bulkHits{0, 0, 0};
    std::array<int64_t, 3> bulkCount{0, 0, 0};
    std::array<double, 3> bulkFlown{0, 0, 0};
    double bulkVolume = 0;
    // The momentum each wall received (2 m |v| a hit), by wall 2 x axis +
    // (0 low, 1 high): the floor is 2, the piston 3.
    std::array<double, 6> wallImpulse{};
    // The core: where every point is at least Gas::coreMargin() from each
    // wall, past the walls' layers of a dense gas, which reach some
    // diameters in (in the bulk above the tangential pressure still feels
    // them). Its particles and volume as the bulk's are counted; the
    // collisions' virial there, contact distance times impulse summed over
    // the collisions whose midpoint is in it; and the momentum the walls
    // took on their middle patches, each as far from the wall's edges, with
    // the patches' area (the edges' wedges hold a denser layer still).
    int64_t coreCount = 0;
    double coreVolume = 0;
    double coreVirial = 0;
    double patchImpulse = 0;
    double patchArea = 0;
    // The molecules' (A and B) mean free path in the bulk: distance flown
    // over paths ended (each collision ends one); 0 before any.
    double bulkMeanPath() const
    {
        const int64_t hits = bulkHits[0] + bulkHits[1];
        return hits > 0 ? (bulkFlown[0] + bulkFlown[1]) / static_cast<double>(hits) : 0.0;
    }

    // The mean of the paths: every path counted once. In a steady gas it is
    // the distance travelled over the paths ended, v/z (Maxwell's
    // definition), not the mean over particles of each one's own mean path.
    double meanPath() const
    {
        const int64_t n = paths[0] + paths[1];
        return n > 0 ? (pathSum[0] + pathSum[1]) / static_cast<double>(n) : 0.0;
    }
};

// The particles of each species (A, B) on each side of x = kBoxSize / 2
// (left, right), divider or not.
struct SideCounts
{
    std::array<std::array<int32_t, 2>, 2> n{}; // [species][0 left, 1 right]
};

// Effusion through the divider's hole since the last reset: each species'
// crossings from left to right, and the particles of that species on the
// left summed over the ticks, so that crossings / leftTicks is the rate per
// particle still on the left per tick.
struct EffusionTally
{
    int64_t ticks = 0;
    std::array<int64_t, 2> crossings{0, 0};
    std::array<double, 2> leftTicks{0, 0};
    // Crossings the other way, right to left, per species.
    std::array<int64_t, 2> crossingsBack{0, 0};
    // Per particle on the left per unit of time; 0 before any tick.
    double rate(int s, double deltaT) const
    {
        return leftTicks[s] > 0 ? crossings[s] / (leftTicks[s] * deltaT) : 0.0;
    }
};

// The sum of the live particles' squared speeds (unit mass, no factor 1/2),
// in its three forms, each summed particle by particle from 1 to NumPar.
struct KineticSum
{
    // As the readouts sum it: each particle's three squares added in double
    // to the running total, which is rounded to float after each particle
    // (Energ). Every classic readout and reading comes from this one.
    float readout = 0;
    // In double throughout, each particle's x + y + z squares added in
    // turn: the ledger and the exact temperature.
    double total = 0;
    // Per axis, x, y, z, each in double: the energy shares and readings.
    std::array<double, 3> axes{0, 0, 0};
};
KineticSum kineticSum(const GasState &g);

// The readouts' temperature from a sum of squared speeds: the energy per
// degree of freedom over 100; an empty gas reads 0.
inline double temperatureOf(double sumOfSquares, int32_t count)
{
    return count > 0 ? sumOfSquares / (3.0 * count * 100.0) : 0.0;
}

// Where the gas writes its readouts: the control panel implements it; until
// it exists the gas writes none. The user's switches are the gas's own
// (setCollisions, setVectors), set by whoever drives it.
class GasControls
{
public:
    virtual ~GasControls() = default;
    // The readouts as numbers; the panel writes them with its own patterns.
    virtual void showEnergy(double energy) = 0; // 0.01 x sum of v^2
    // Sum of v^2 / (3 NumPar x 100); an empty gas hands over 0 and true.
    virtual void showTemperature(double temperature, bool emptyGas) = 0;
    virtual void showPressure(double pressure) = 0; // per 10 000 area over 200 ticks
    virtual void showWall(int32_t position) = 0;    // PosPared, 0..100
};

// The gas simulation and its operations on its two displays. The program
// keeps one (gas()); tests make their own. A display or the controls may be
// absent (nullptr): what would go to them is skipped. The tick draws
// nothing: it records what it changed (changes()), and the views are brought
// up to it afterwards (showChanges), as often as the front end draws.
class Gas
{
public:
    Gas();

    GasState state;
    GasDisplay *soft = nullptr;      // the software view; not owned
    GasDisplay *gl = nullptr;        // the OpenGL view; not owned
    GasControls *controls = nullptr; // not owned

    // Ticks run since the gas was made; the readings' clock.
    int64_t ticks = 0;

    // A new count is a new gas: every count set starts a new series. The
    // ledger restarts with it, and whatever records the gas (a process's
    // path, the pooled speeds) starts afresh when the number changes.
    int64_t series() const { return m_series; }

    // Every pressure reading goes to each listener, in the order they were
    // added, after the readouts are refreshed. The handle removes it again.
    using ReadingListener = std::function<void(const GasReading &)>;
    int32_t addReadingListener(ReadingListener listener);
    void removeReadingListener(int32_t handle);
    size_t readingListenerCount() const;

    // The program's start-up on the gas's side, the same for every front
    // end; startAsProgram runs it whole. First start(), as the main window
    // is made: the first NumPar particles placed and shown on both
    // displays, then the velocity templates drawn. Then startSettings(), as
    // the control panel is made (its readouts connected): its count bar
    // moves from 0 to NumPar (setCount), its temperature bar from 0 to Temp
    // (the temperature rule), each only if that is a move, and the rule is
    // applied once more: the gas gets its first velocities.
    void start();
    void startSettings();
    void startAsProgram()
    {
        start();
        startSettings();
    }

    // The user's actions, each whole on the gas's side, for the control
    // panel and molvix-lab alike.
    // The particle count, 0..MaxPar: particles added or removed, both
    // displays brought along, the readouts refreshed.
    void setCount(int32_t count);
    // The temperature is ReglaTemperatura, the piston MoverPared (below).
    // Collisions between particles on or off; read once a tick. Off at first.
    void setCollisions(bool on) { m_collisions = on; }
    bool collisions() const { return m_collisions; }
    // The vectors shown or hidden (DibVel), then placed again. A front end
    // whose switch reads neither calls only DibujaVel.
    void setVectors(bool shown);
    bool vectorsShown() const { return state.DibVel == 1; }

    // Placing one particle: unit mass, three draws for x, y, z in that order
    // onto the grid 0..79.92 (y shifted up by 5). Velocity untouched.
    void placeParticle(int32_t i);
    // Brings NumPar to NumParPedido, mirrored in both views.
    void GenPar();
    // Draws the velocity templates of slots 1..100, once at start-up.
    void RandomVel();
    // Temperature rule: velocities of all 100 slots := temp x template.
    void ReglaTemperatura(int32_t temp);

    // One animation tick: moves and collides, draws nothing. What it changed
    // joins changes().
    void TimeLoopTimer();
    // What the operations changed since the changes were last taken;
    // taking them starts the set afresh.
    GasChange changes() const { return m_changes; }
    GasChange takeChanges()
    {
        const GasChange c = m_changes;
        m_changes = GasChange::None;
        return c;
    }
    // The active display brought up to `changes` as a tick leaves them:
    // each live particle and its vector (while shown) placed where the gas
    // now has them, the moving piston's outline, then the frame drawn. The
    // other display follows when it becomes the active one.
    void showChanges(GasChange changes);
    void ChoquePared(int32_t i);
    void Contacto(int32_t i);
    void Colision(int32_t i, int32_t k);
    void Energia();
    // The readouts as numbers, with the pressure just read.
    GasReading reading(float pressure) const;

    // The piston: outline in both views; moving it folds particles above it.
    void Pared_Movil();
    // The piston's outline at PosPared on one display, no frame drawn.
    void placeWallOutline(GasDisplay &display) const;
    void MoverPared(int32_t position);
    // Places every live particle's velocity vector in both views.
    void DibujaVel();

    // Restarts the unseeded generator: a fresh gas draws what the last did.
    void resetRandom();

    // ---- processes (process.cpp) ----
    // Applies new process settings. Switching back to the fixed piston
    // leaves it at the nearest whole position and folds as MoverPared does.
    void setProcess(const ProcessSettings &settings);
    const ProcessSettings &process() const { return m_process.settings; }
    // The bath's temperature where none is chosen, in every front end: the
    // gas's own as the "Temperatura" readout has it, taken when the bath is
    // switched on.
    float bathTemperatureDefault() const
    {
        return static_cast<float>(temperatureOf(state.Energ, state.NumPar));
    }
    // The piston's exact position (PosPared while it is fixed).
    float pistonPosition() const;
    // The box below the piston: its volume, and the area of its six walls
    // (the piston's face one of them), in box lengths.
    double volume() const { return double(kBoxSize) * kBoxSize * pistonPosition(); }
    double wallArea() const
    {
        return 2.0 * kBoxSize * kBoxSize + 4.0 * kBoxSize * double(pistonPosition());
    }
    // The piston's velocity in its last tick (0 while it is fixed).
    double pistonVelocity() const { return m_process.pistonU; }
    EnergyLedger ledger() const;
    void resetLedger();
    // The share of the gas's energy in x, y and z motion; sums to 1 (a third
    // each for an empty or motionless gas).
    std::array<double, 3> energyShares() const;

    // ---- mixtures (mixture.cpp) ----
    // Turns the two species on with these settings (brought into range):
    // aCount + bCount particles, A's first, laid out afresh without
    // overlaps and given Maxwell-Boltzmann velocities at the temperature
    // setting's energy. Collisions then happen at the pair's exact moment
    // of contact within the tick. Every call starts a new series. False,
    // and the gas as it was, where the spheres would start packed past
    // kMixtureMaxPacking (mixtureStartPacking): no layout without overlaps
    // is found there. A mixture has the fixed piston and no bath (their
    // physics takes unit masses): a process under way stops.
    bool setMixture(const MixtureSettings &settings);
    bool mixture() const { return m_mix.on; }
    const MixtureSettings &mixtureSettings() const { return m_mix.settings; }
    const FreePathTally &freePaths() const { return m_mix.tally; }
    // Restarts the tally; paths under way keep running.
    void resetFreePaths() { m_mix.tally = FreePathTally{}; }
    // The divider: up while the mixture's settings ask for one and it has
    // not been removed. Removing it lets the gases mix; the settings keep
    // saying how the gas started.
    bool dividerUp() const { return m_mix.on && m_mix.dividerUp; }
    void removeDivider();
    SideCounts sideCounts() const;
    const EffusionTally &effusion() const { return m_mix.effusion; }
    void resetEffusion() { m_mix.effusion = EffusionTally{}; }
    // The bulk's margin: twice the largest radius present (the widest
    // contact distance, the wall's layer about as thick).
    double bulkMargin() const { return m_mix.bulkMargin; }
    // The core's margin (FreePathTally): five times the largest radius.
    double coreMargin() const { return 2.5 * m_mix.bulkMargin; }
    // Particle i's position with the walls unfolded: each reflection from a
    // wall continues into the wall's mirror image, so that the position
    // moves on as in an open gas (the walls' images being the gas's) and
    // its mean-square displacement grows without the box's bound. Slots of
    // a mixture only; the piston's axis unfolds at its present position.
    std::array<double, 3> unfoldedPosition(int32_t i) const;
    // The heavy particle's slot, 0 without one.
    int32_t heavyParticle() const
    {
        return m_mix.on && m_mix.settings.heavyMass > 0 ? 1 : 0;
    }
    // The particle whose trace the views draw, 0 for none (the heavy one
    // when there is one, else slot 1 of a mixture, until chosen).
    int32_t tracedParticle() const { return m_mix.on ? m_mix.traced : 0; }
    void setTracedParticle(int32_t i);
    // Back to the classic gas: the count and temperature settings as they
    // were before the mixture, the classic layout and velocities.
    // Back to the classic gas with `count` particles (0..MaxPar): the
    // mixture's particles hidden, the classic layout drawn afresh (a new
    // series) and the temperature setting's velocities.
    void endMixture(int32_t count);
    // The next time in [from, to] at which two spheres on straight lines
    // touch while approaching (events.h).
    static double contactTime(const std::array<double, 3> &dr, const std::array<double, 3> &dv,
                              double sigma, double from, double to)
    {
        return ::contactTime(dr, dv, sigma, from, to);
    }

private:
    int32_t nextRandom();
    // The mixture's tick: the event step (events.cpp) with the tallies
    // kept as it tells of each event (mixture.cpp), then the bulk's tally.
    struct MixtureEvents;
    friend struct MixtureEvents;
    void mixtureTick(bool collisions);
    void tallyContact(int32_t i, int32_t j);
    void tallyWall(int32_t i, int axis, bool high);
    void tallyBulk(float top);
    void mixtureVelocities();
    void placeMixture();
    // The tick's tally of each species' side of the divider.
    void tallySides();
    bool inBulk(double x, double y, double z) const;
    double bulkVolume() const;
    // The wall tests and the fold, for the classic walls and a process's
    // alike, with the piston at `wall` as the walls see it this tick.
    void wallTests(int32_t i, float wall);
    bool outsideBox(int32_t i, float wall) const
    {
        const GasState &g = state;
        return g.ParX[i] < 0 || g.ParX[i] > kBoxSize || g.ParY[i] < 0 || g.ParY[i] > wall ||
               g.ParZ[i] < 0 || g.ParZ[i] > kBoxSize;
    }
    // A fold brings a particle back by at most twice the box size per pass,
    // so a handful of passes always suffices; the cap only guards the
    // pathological (and the bath's crossings of a tick, in turn).
    static constexpr int kMaxFoldPasses = 64;
    void moveParticleOnActiveView(int32_t i);
    void moveVectorOnActiveView(int32_t i);
    void redrawActiveView();
    void placeWallOutlineOnActiveView();

    // Process hooks: the piston's move at the start of a tick, the wall
    // tests when a process is active, the piston as the walls see it.
    bool advancePiston(); // true when the whole position PosPared changed
    double pistonForce() const;
    void thermalWall(int32_t i, int axis, bool high);
    void pistonHit(int32_t i, float wall);
    void bathWallTests(int32_t i, float wall);
    float wallY() const
    {
        return m_process.active ? static_cast<float>(m_process.piston)
                                : static_cast<float>(state.PosPared);
    }
    double liveEnergy() const;

    void tellListeners(const GasReading &reading);
    void startNewSeries();

    std::mt19937 m_random;
    GasChange m_changes = GasChange::None;
    bool m_collisions = false;
    int64_t m_series = 0;
    ProcessState m_process;
    // A mixture's state, its tallies and its event step.
    struct MixtureState
    {
        bool on = false;
        MixtureSettings settings;
        std::mt19937 random;
        FreePathTally tally;
        EffusionTally effusion;
        bool dividerUp = false;
        int32_t traced = 0;
        std::array<bool, kGasSlots> pathStarted{}; // a collision ended a path before
        EventStep step;
        double bulkMargin = 0;
        // Per particle and axis, which mirror image of the box it is in.
        std::array<std::array<int32_t, kGasSlots>, 3> image{};
    } m_mix;
    std::vector<std::pair<int32_t, ReadingListener>> m_listeners; // by growing handle
};

// The program's one gas.
Gas &gas();
