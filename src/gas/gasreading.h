#pragma once

#include <cstdint>

// One pressure reading of the gas, as numbers: what the readouts show at that
// moment and the settings they were taken under. The gas hands one to its
// reading hook every 200 ticks; the instruments and molvix-lab record them.
// Plain data, so that code with no widgets can use it.
struct GasReading
{
    int64_t tick = 0;        // ticks the gas had run when the reading was taken
    double time = 0;         // animation time: tick x DeltaT
    int32_t count = 0;       // live particles (NumPar)
    int32_t wall = 100;      // piston position (PosPared)
    int32_t tempSetting = 0; // the temperature setting (Temp), a speed scale
    bool collisions = false; // particle collisions on
    double pressure = 0;     // momentum per 10 000 area over 200 ticks, as shown in "Presión"
    double temperature = 0;  // sum of v^2 / (3 NumPar x 100), as shown in "Temperatura"
    double energy = 0;       // 0.01 x sum of v^2, as shown in "Energía"
    double piston = 100;     // exact piston position at the reading
    double pistonMean = 100; // mean piston position over the reading's 200 ticks
    double work = 0, heat = 0; // the energy ledger at the reading, "Energía" units
    double energyX = 0, energyY = 0, energyZ = 0; // 0.01 x sum of vx^2, vy^2, vz^2
};
