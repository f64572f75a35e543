#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>

// Thermodynamic processes of the gas: a piston that moves or carries a load,
// a heat bath on the five fixed walls, and the ledger of work and heat.
// Standard library only (docs/model.md gives the physics).

// How the piston behaves.
enum class PistonMode {
    Fixed,  // "Fijo": the classic piston at a whole position
    Moving, // "Móvil": travels to pistonTarget at pistonSpeed
    Loaded, // "Con carga": a mass under a constant outside pressure
};

struct ProcessSettings
{
    PistonMode piston = PistonMode::Fixed;
    float pistonTarget = 100; // where the moving piston goes, 0..100
    float pistonSpeed = 1;    // lengths per unit time (moves speed x DeltaT a tick)
    float load = 0;           // outside pressure, in "Presión" units
    float pistonMass = 100;   // in particle masses
    bool bath = false;        // the five fixed walls are thermal
    float bathTemperature = 1; // in "Temperatura" units; the front ends take
                               // Gas::bathTemperatureDefault() until one is chosen

    bool operator==(const ProcessSettings &) const = default;
};

// Since the last reset, in "Energía" units (0.01 x sum of m v^2).
struct EnergyLedger
{
    double work = 0;         // done on the gas by the piston
    double heat = 0;         // in through the thermal walls and the temperature bar
    double energyChange = 0; // the gas's energy now less at the reset: W + Q
};

// The limits the settings are kept within.
constexpr float kPistonSpeedMax = 1000.0f;
constexpr float kPistonMassMin = 1.0f;
constexpr float kPistonMassMax = 1.0e6f;
constexpr float kLoadMax = 1.0e7f;
// The load may be at most this many times the piston's mass. The piston
// meets the particles once a tick, at its end-of-tick position and velocity;
// a light piston under a heavy load gains load / (200 M) of speed in a tick,
// and once that is a fair part of the particles' own speeds it falls through
// the gas between impacts: the mean pressure then misses the load and the
// piston takes far more than its share of the energy. Up to 500 x the mass,
// the mean pressure stays within about 1 % of the load (docs/model.md).
constexpr float kLoadPerMassMax = 500.0f;
// A hotter bath's particles cross a good part of the box in a tick, and the
// pressure reading, which counts each wall hit at the end of its tick, falls
// short: 1.5 % at 100, 2.1 % at 200, 6 % at 3 000 (docs/model.md). Up to 100
// (twice the hottest gas the temperature bar gives) it holds within 2 %.
constexpr float kBathTemperatureMax = 100.0f;

// The largest load a piston of this mass may carry, as the windows offer it.
inline double loadLimit(double pistonMass)
{
    return std::min(double(kLoadMax), double(kLoadPerMassMax) * pistonMass);
}

// The settings with every value brought into its range (non-finite values
// take the default; a load above kLoadPerMassMax x the mass is lowered to
// it): what the gas applies.
ProcessSettings sanitized(const ProcessSettings &settings);

// ln x for a positive, finite float (the bath's draws), from +, -, x and /
// in double only: the C libraries of the native and the WebAssembly build
// need not agree on the last bit of logf, and every build must draw the
// same bath. With x = m 2^e, m in [sqrt(1/2), sqrt(2)): ln m = 2 atanh t,
// t = (m - 1) / (m + 1), |t| < 0.172, whose series to t^23 is exact to
// double precision; the float rounding of the result is then that of the
// true logarithm.
float portableLog(float x);

// Two independent unit normals from the generator, the same in every build.
std::array<float, 2> unitNormalPair(std::mt19937 &random);

// The process state the gas keeps beside its classic state.
struct ProcessState
{
    ProcessSettings settings;
    double piston = 100;     // exact piston position
    double pistonU = 0;      // piston velocity this tick (lengths per unit time)
    double positionSum = 0;  // sum of the piston's positions over the reading's ticks
    double work = 0, heat = 0;
    double energyAtReset = 0; // 0.01 sum v^2 at the last reset
    std::mt19937 bathRandom;  // the bath's own draws, fixed seed
    bool active = false;      // anything but the classic fixed piston without bath
};
