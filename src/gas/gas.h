#pragma once

#include "gasreading.h"
#include "process.h"
#include "scenetypes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <random>

class TVx3DWorld;
class TVx3DWorldGL;

// Units are the box's own: lengths 0..100 per axis, time in ticks of DeltaT,
// unit mass. No physical unit is attached to any quantity (docs/model.md).

constexpr int32_t MaxPar = 100;       // particles the controls can ask for
constexpr int32_t kGasSlots = 500;    // room in every per-particle array
constexpr int32_t NPasosPresion = 200; // ticks per pressure reading
constexpr int32_t SegVel = 29;        // the vector of particle i is segment i + 29
constexpr int32_t kWallFirstSegment = 24; // segments 24..27 outline the piston

constexpr TColor kBlack = 0x000000;
constexpr TColor kYellow = 0x00FFFF;  // a live particle
constexpr TColor kWhite = 0xFFFFFF;   // a velocity vector

// The gas: per-particle arrays indexed from 1 (slot 0 is never used) and the
// scalars that the simulation, the readouts and the controls share.
struct GasState
{
    using Floats = std::array<float, kGasSlots>;
    Floats ParX{}, ParY{}, ParZ{};             // position; y is the piston's axis
    Floats VelX{}, VelY{}, VelZ{};             // length per unit time
    Floats Masa{};                             // 1.0 whenever generated
    Floats DirX{}, DirY{}, DirZ{};             // velocity template per slot
    Floats ParXAnt{}, ParYAnt{}, ParZAnt{};    // copies taken at a contact
    Floats VelXAnt{}, VelYAnt{}, VelZAnt{};

    int32_t NumPar = 50;       // slots 1..NumPar are live
    int32_t NumParPedido = 1;  // count asked for by the controls
    int32_t PosPared = 100;    // piston position on y, 0..100
    int32_t Temp = 20;         // temperature setting: a speed scale
    float DeltaT = 0.1f;       // time step of one tick
    float Radio = 1.5f;        // radius of the contact test
    int32_t RadioSoft = 3;     // pixel radius of a particle in the software view
    int32_t NSeg = 130;        // segments created in each view
    int32_t ModoGL = 0;        // active view: 1 OpenGL, 0 software
    int32_t DibVel = 0;        // 1 while velocity vectors are shown
    float Presion = 0;         // momentum collected since the last reading
    int32_t NPasos = 0;        // ticks since the last reading
    float Energ = 0;           // sum of squared speeds
    float Solape = 0;          // overlap depth of the contact being resolved
};

// What the gas reads from and writes to the control panel. The panel
// implements it; until it exists the gas writes no readouts.
class GasControls
{
public:
    virtual ~GasControls() = default;
    virtual QString BoxColiText() const = 0;   // "SI" switches collisions on
    virtual QString BoxDibVelText() const = 0; // "SI" while vectors are wanted
    virtual void setMaskEner(const QString &text) = 0;
    virtual void setMaskTemp(const QString &text) = 0;
    virtual void setMaskPre(const QString &text) = 0;
    virtual void setMaskPosPa(const QString &text) = 0;
};

// The gas simulation and its operations on the two scene views. The program
// keeps one (gas()); tests make their own. A view or the controls may be
// absent (nullptr): what would go to them is skipped.
class Gas
{
public:
    Gas();

    GasState state;
    TVx3DWorld *soft = nullptr;  // the software view
    TVx3DWorldGL *gl = nullptr;  // the OpenGL view
    GasControls *controls = nullptr;

    // Ticks run since the gas was made; the readings' clock.
    int64_t ticks = 0;
    // Called with every pressure reading, after the readouts are refreshed.
    std::function<void(const GasReading &)> onReading;

    // Placing one particle: unit mass, three draws for x, y, z in that order
    // onto the grid 0..79.92 (y shifted up by 5). Velocity untouched.
    void placeParticle(int32_t i);
    // Brings NumPar to NumParPedido, mirrored in both views.
    void GenPar();
    // Draws the velocity templates of slots 1..100, once at start-up.
    void RandomVel();
    // Temperature rule: velocities of all 100 slots := temp x template.
    void ReglaTemperatura(int32_t temp);

    // One animation tick.
    void TimeLoopTimer();
    void ChoquePared(int32_t i);
    void Contacto(int32_t i);
    void Colision(int32_t i, int32_t k);
    void Energia();
    // The readouts as numbers, with the pressure just read.
    GasReading reading(float pressure) const;

    // The piston: outline in both views; moving it folds particles above it.
    void Pared_Movil();
    // The piston's outline at PosPared in the software view, no frame drawn.
    void placeWallOutline(TVx3DWorld &view) const;
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
    // The piston's exact position (PosPared while it is fixed).
    float pistonPosition() const;
    // The piston's velocity in its last tick (0 while it is fixed).
    double pistonVelocity() const { return m_process.pistonU; }
    EnergyLedger ledger() const;
    void resetLedger();
    // The share of the gas's energy in x, y and z motion; sums to 1 (a third
    // each for an empty or motionless gas).
    std::array<double, 3> energyShares() const;

private:
    int32_t nextRandom();
    void wallTests(int32_t i);
    bool outsideBox(int32_t i) const;
    bool boxColiOn() const;
    bool boxDibVelOn() const;
    void moveVectorOnActiveView(int32_t i);
    void redrawActiveView();
    void placeWallOutlineOnActiveView();

    // Process hooks: the piston's move at the start of a tick, the wall
    // tests when a process is active, the piston as the walls see it.
    bool advancePiston(); // true when the whole position PosPared changed
    double pistonForce() const;
    void thermalWall(int32_t i, int axis, bool high);
    void pistonHit(int32_t i);
    void processChoquePared(int32_t i);
    void processWallTests(int32_t i);
    bool processOutsideBox(int32_t i) const;
    float wallY() const
    {
        return m_process.active ? static_cast<float>(m_process.piston)
                                : static_cast<float>(state.PosPared);
    }
    double liveEnergy() const;

    std::mt19937 m_random;
    ProcessState m_process;
};

// The program's one gas.
Gas &gas();
