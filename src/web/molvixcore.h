#pragma once

// The gas and its measurements behind a C interface, for front ends that are
// not C++: the web page calls it in WebAssembly, the tests natively. Only
// numbers, handles and pointers into the core's memory cross it.
//
// Pointers returned stay valid until the next call on the same gas that
// changes what they point at (a run, an action, another text); read them at
// once. Particle arrays are indexed from 1, as the gas numbers its
// particles: element 0 is never a particle.

#include <stdint.h>

// The WebAssembly module exports each function under its own name.
#if defined(__wasm__)
#define MV_API(name) __attribute__((export_name(#name))) name
#else
#define MV_API(name) name
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct MvGas MvGas;

// ---- the gas ----------------------------------------------------------------
// A gas started as the program starts it: 50 particles, temperature 20,
// the wall at 100, collisions and vectors off, the fixed piston.
MvGas *MV_API(mv_create)(void);
void MV_API(mv_destroy)(MvGas *gas);

// The user's actions, as the control panel's handlers make them; each is
// taken only when the value differs from the one the gas has (a bar moved to
// where it stands changes nothing). Values out of range are clamped.
void MV_API(mv_set_count)(MvGas *gas, int32_t count);             // 0..100
void MV_API(mv_set_temperature)(MvGas *gas, int32_t temperature); // 0..100
void MV_API(mv_set_wall)(MvGas *gas, int32_t wall);               // 0..100
void MV_API(mv_set_collisions)(MvGas *gas, int32_t on);
void MV_API(mv_set_vectors)(MvGas *gas, int32_t shown);

// The process: piston 0 fixed, 1 moving, 2 loaded. Values out of range are
// brought into it, as the windows do.
void MV_API(mv_set_process)(MvGas *gas, int32_t piston, float target, float speed, float load,
                            float mass, int32_t bath, float bathTemperature);
// The bath temperature a front end offers before the user chooses one.
float MV_API(mv_default_bath_temperature)(const MvGas *gas);
// "Poner a cero": the ledger and the P–V path start again.
void MV_API(mv_reset_ledger)(MvGas *gas);

// Runs ticks of the animation (1 ms of the program's timer each).
void MV_API(mv_run)(MvGas *gas, int32_t ticks);
double MV_API(mv_ticks)(const MvGas *gas);

// ---- the particles ----------------------------------------------------------
int32_t MV_API(mv_count)(const MvGas *gas);
// axis 0, 1, 2 for x, y, z.
const float *MV_API(mv_positions)(const MvGas *gas, int32_t axis);
const float *MV_API(mv_velocities)(const MvGas *gas, int32_t axis);
// The piston's exact position (y), 0..100.
double MV_API(mv_piston)(const MvGas *gas);
int32_t MV_API(mv_collisions)(const MvGas *gas);
int32_t MV_API(mv_vectors)(const MvGas *gas);

// ---- the readouts -------------------------------------------------------------
// The numbers the panel shows: 0 energy, 1 temperature, 2 pressure, 3 wall,
// 4 whether the gas is empty (its temperature readout then says so).
const double *MV_API(mv_readouts)(const MvGas *gas);
// The panel's text of readout 0..3, as the desktop writes it.
const char *MV_API(mv_readout_text)(MvGas *gas, int32_t which);

// ---- the readings, every 200 ticks ----------------------------------------------
int32_t MV_API(mv_reading_count)(const MvGas *gas);
// The fields of a reading, in the order mv_reading_field names them.
int32_t MV_API(mv_reading_fields)(void);
const char *MV_API(mv_reading_field)(int32_t field);
// Reading `index` (0 the oldest; -1 the latest), or null when there is none.
const double *MV_API(mv_reading)(MvGas *gas, int32_t index);
// The log starts afresh (the page's "new gas").
void MV_API(mv_clear_readings)(MvGas *gas);

// ---- the instruments --------------------------------------------------------------
// The ledger since the last reset: work, heat, energy change.
const double *MV_API(mv_ledger)(MvGas *gas);
// The share of the energy in x, y and z motion.
const double *MV_API(mv_energy_shares)(MvGas *gas);

// Speeds: a snapshot of every particle every 50 ticks, the newest 100 kept.
int32_t MV_API(mv_speed_sample_count)(const MvGas *gas);
// The histogram as a density over `bins` equal bins of 0..maxSpeed, or null.
const double *MV_API(mv_speed_histogram)(MvGas *gas, int32_t bins, double maxSpeed);
// <v^2>/3 of the samples, the Maxwell–Boltzmann curve's s^2.
double MV_API(mv_speed_s2)(const MvGas *gas);
// The Kolmogorov–Smirnov distance to that curve; NaN when there is none.
double MV_API(mv_speed_ks)(const MvGas *gas);
double MV_API(mv_mb_density)(double v, double s2);

// The P–V path since the last reset, as volume, pressure pairs.
int32_t MV_API(mv_pv_count)(const MvGas *gas);
const double *MV_API(mv_pv_path)(MvGas *gas);
// The fitted exponent: has a fit (0/1), gamma, error, block length, points,
// shape (0 power law, 1 jump, 2 not a power law, 3 too scattered).
const double *MV_API(mv_pv_fit)(MvGas *gas);

// ---- the files ----------------------------------------------------------------------
// The readings as "Gráficas" exports them, and the P–V path's readings as
// "Procesos" exports them, in dialect 0 (commas, decimal points) or 1 (a
// spreadsheet's semicolons and decimal commas). The text's length in bytes
// is mv_text_length's.
const char *MV_API(mv_readings_csv)(MvGas *gas, int32_t dialect);
const char *MV_API(mv_process_csv)(MvGas *gas, int32_t dialect);
int32_t MV_API(mv_text_length)(const MvGas *gas);

#ifdef __cplusplus
}
#endif
