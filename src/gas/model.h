#pragma once

#include <cstdint>

// The model's constants, each written once, with its unit. Units are the
// box's own: lengths 0..100 per axis, time in ticks of kDeltaT, unit mass.
// No physical unit is attached to any quantity (docs/model.md).

// The box: 0..kBoxSize on x, y and z (lengths); the piston moves on y.
constexpr float kBoxSize = 100.0f;
// The piston's position at start-up and its range, 0..kWallMax (lengths).
constexpr int32_t kWallMax = 100;

// Time: one tick is kDeltaT time units; kTicksPerTimeUnit ticks make one.
constexpr int32_t kTicksPerTimeUnit = 10;
constexpr float kDeltaT = 1.0f / kTicksPerTimeUnit; // 0.1, the nearest float
// The same step as the decimal 0.1 in double: what the readings' time and
// the charts' time axes count in (ticks x kTickTime).
constexpr double kTickTime = 1.0 / kTicksPerTimeUnit;
static_assert(kDeltaT == 0.1f && kTickTime == 0.1, "the step the reference runs were made with");

// Ticks per pressure reading (and per refresh of the readouts).
constexpr int32_t NPasosPresion = 200;
// Ticks between two snapshots of every live particle's speed.
constexpr int32_t kSpeedSampleTicks = 50;

// Particles: at most MaxPar live, in per-particle arrays of kGasSlots
// entries (slot 0 is never used). A mixture may fill kMixtureMaxCount.
// Each array is a whole number of cache lines (GasState lines slot 1 of
// every one up with a line's start): the contact test reads 16 particles
// from slot 1 on as one line per axis, and where the arrays sat across
// lines each such read touched two (the classic tick ran 8-25 % slower).
constexpr int32_t MaxPar = 100;
constexpr int32_t kMixtureMaxCount = 500;
constexpr int32_t kGasSlots = 512;
static_assert(kGasSlots > kMixtureMaxCount && kGasSlots * 4 % 64 == 0);
// Radius of the contact test (lengths).
constexpr float kRadius = 1.5f;

// The gas at start-up: this many particles at this temperature setting (a
// speed scale, 0..100).
constexpr int32_t kStartCount = 50;
constexpr int32_t kStartTemperature = 20;
