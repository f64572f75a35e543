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
// The settings' limits, as the windows offer them: the piston's speed at
// most, its mass at least and at most, the load at most, the load per
// piston mass at most, the bath's temperature at most.
const double *MV_API(mv_process_limits)(void);
// The settings a gas starts with: the moving piston's target and speed,
// the load, the piston's mass, the bath's temperature.
const double *MV_API(mv_process_defaults)(void);
// The largest load a piston of this mass (particle masses) may carry.
double MV_API(mv_load_limit)(double mass);
// The bath temperature a front end offers before the user chooses one.
float MV_API(mv_default_bath_temperature)(const MvGas *gas);
// "Poner a cero": the ledger and the P–V path start again.
void MV_API(mv_reset_ledger)(MvGas *gas);

// The gas's time a tick of the animation stands for.
double MV_API(mv_tick_time)(void);
// Runs ticks of the animation (1 ms of the program's timer each).
void MV_API(mv_run)(MvGas *gas, int32_t ticks);
double MV_API(mv_ticks)(const MvGas *gas);
// Where the panel's bar `which` stands: 0 the count, 1 the temperature,
// 2 the wall (a new gas: where the program's start leaves them).
int32_t MV_API(mv_bar)(const MvGas *gas, int32_t which);

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
// Ticks between two readings.
int32_t MV_API(mv_reading_ticks)(void);
int32_t MV_API(mv_reading_count)(const MvGas *gas);
// The fields of a reading, in the order mv_reading_field names them.
int32_t MV_API(mv_reading_fields)(void);
const char *MV_API(mv_reading_field)(int32_t field);
// Reading `index` (0 the oldest; -1 the latest), or null when there is none.
const double *MV_API(mv_reading)(MvGas *gas, int32_t index);
// The log starts afresh (the page's "new gas").
void MV_API(mv_clear_readings)(MvGas *gas);

// What "Gráficas" shows of them. A change of the count, the wall, the
// temperature setting or collisions between two readings starts a new
// stretch; mv_mark_change makes the next reading start one too (a change
// of the piston or the bath, which the readings do not carry). A stretch's
// first reading straddles its change and is left out of its statistics.
void MV_API(mv_mark_change)(MvGas *gas);
// A field's count, mean and spread (sample standard deviation) over the
// stretch; null for a field that is not a measured number (a setting).
const double *MV_API(mv_since_change)(MvGas *gas, int32_t field);
// The ideal-gas ratio P V / (N T), 1 for an ideal gas, over the same
// readings: what it shows (0 the figure, 1 no readings yet, 2 no
// particles, 3 the wall at 0, 4 temperature 0, 5 waiting for the second
// reading since the change), then count, mean and spread.
const double *MV_API(mv_ideal_gas_ratio)(MvGas *gas);
// A field's history chart, as the desktop draws it: the first reading
// drawn, the lowest and the highest value drawn, P points and M change
// marks, then P (time, value) pairs, then M mark times. Null as above.
const double *MV_API(mv_history)(MvGas *gas, int32_t field);

// ---- the instruments --------------------------------------------------------------
// The ledger since the last reset: work, heat, energy change.
const double *MV_API(mv_ledger)(MvGas *gas);
// The share of the energy in x, y and z motion.
const double *MV_API(mv_energy_shares)(MvGas *gas);

// Speeds: a snapshot of every particle every mv_speed_sample_ticks() ticks,
// the newest 100 kept.
int32_t MV_API(mv_speed_sample_ticks)(void);
int32_t MV_API(mv_speed_sample_count)(const MvGas *gas);
// The bins a histogram of `samples` speeds is drawn with (8 to 30).
int32_t MV_API(mv_speed_bins)(int32_t samples);
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
// Volumes in box lengths cubed: the whole box at the wall 100.
double MV_API(mv_full_box_volume)(void);
// The fit waits until the volume has changed by this share of the first
// reading's; the path's largest change so far, |V - V0| / V0.
double MV_API(mv_fit_volume_change)(void);
double MV_API(mv_pv_volume_change)(const MvGas *gas);
// The pressure at `volume` on the isotherm (adiabat 0) or on a monatomic
// gas's adiabat (1) through the path's first point; NaN where none.
double MV_API(mv_pv_through)(const MvGas *gas, int32_t adiabat, double volume);
// The fitted exponent: has a fit (0/1), gamma, error, block length, points,
// shape (0 power law, 1 jump, 2 not a power law, 3 too scattered).
const double *MV_API(mv_pv_fit)(MvGas *gas);

// ---- mixtures ---------------------------------------------------------------------
// Two species (A: unit mass; B: its own), a divider at the middle of x
// (0 none, 1 solid, 2 with a square hole) and one heavy particle (none
// while heavyMass is 0). Ranges are the gas's: counts 0..500 in all,
// radii 0.1..10, B's mass 1..100, the hole's side 1..100, the heavy
// particle's mass 1..1000 and radius 0.1..10; values outside them are
// clamped, a divider other than 0..2 is none. Spheres that would start
// packed past 30 % of their room are refused and the gas is left as it
// was: 0 where their room is the whole box, 2 where it is their half of it
// behind the divider. Otherwise 1: the gas is the mixture, laid out
// afresh, with the fixed piston and no bath.
// `gravity` is a uniform field along the height (0 none, clamped to
// 0..1000; not a number: none).
// The ranges above: the most particles in all, the least and the most
// radius, B's mass, the hole's side, the heavy particle's most mass and
// radius, the most gravity.
const double *MV_API(mv_mixture_limits)(void);
int32_t MV_API(mv_set_mixture)(MvGas *gas, int32_t aCount, float aRadius, int32_t bCount,
                               float bMass, float bRadius, int32_t divider, float holeSide,
                               float heavyMass, float heavyRadius, float gravity);
int32_t MV_API(mv_mixture)(const MvGas *gas);
// The mixture's settings as the gas took them, in mv_set_mixture's order.
const double *MV_API(mv_mixture_settings)(MvGas *gas);
// Back to the classic gas with `count` particles (0..100), as the count bar
// sets it; the bars follow.
void MV_API(mv_end_mixture)(MvGas *gas, int32_t count);
void MV_API(mv_remove_divider)(MvGas *gas);
int32_t MV_API(mv_divider_up)(const MvGas *gas);
// Each particle's radius and species (0 A, 1 B, 2 the heavy one), indexed
// from 1; in the classic gas every radius is 0 and every species A.
const float *MV_API(mv_radii)(const MvGas *gas);
const int32_t *MV_API(mv_species)(const MvGas *gas);
// A's left and right, B's left and right.
const int32_t *MV_API(mv_side_counts)(MvGas *gas);
// Effusion since the mixture was set: A's and B's crossings of the hole
// per particle on the left per unit of time, the ratio A / B (0 until both
// have crossed) and Graham's sqrt(m_B / m_A), each species' crossings.
const double *MV_API(mv_effusion)(MvGas *gas);
// The window's samples, one every mv_side_sample_ticks() ticks of a
// mixture: time since it began, A left, A right, B left, B right, A's and
// B's effusion rates, seven numbers each; and as the window exports them.
int32_t MV_API(mv_side_sample_ticks)(void);
int32_t MV_API(mv_side_sample_count)(const MvGas *gas);
const double *MV_API(mv_side_samples)(MvGas *gas);
const char *MV_API(mv_side_samples_csv)(MvGas *gas, int32_t dialect);
// The particle whose trace is drawn (0 none); clamped to the live ones.
int32_t MV_API(mv_traced)(const MvGas *gas);
void MV_API(mv_set_traced)(MvGas *gas, int32_t particle);

// The measured figures and theory's, in the gas's units, each NaN where it
// does not apply (no paths yet, no B, no heavy particle, no fit), as every
// front end has them (mixturerecorder.h):
//   0 mean free path away from the walls    1 its theory there
//   2 collisions per particle per unit time there    3 its theory
//   4 Enskog's chi there   5 the spheres' share of the volume there
//   6 effusion ratio A/B   7 Graham's sqrt(m_B / m_A)
//   8 D fitted to the MSD  9 its standard error   10 D in theory
//   11 the heavy particle's <v^2> since the mixture was set   12 3kT/M
//   13 k T                 14 paths ended          15 collisions
//   16 the time to mix since the gases could meet (each species within
//      10 % of even)
//   17, 18 the lags D was fitted over   20 the fitted line's intercept
//   19 the Kolmogorov–Smirnov distance of the heavy particle's speeds to
//      Maxwell–Boltzmann at k T / M
//   21 the followed species (0 A, 1 B, 2 the heavy particle)
//   22 k T / M, the heavy particle's Maxwell–Boltzmann curve's s^2
//   23 the field g (0 off)   24 kinetic energy 1/2 m v^2   25 potential m g h
//   26 their total   27 the total's change since the measures began over
//      its value then
//   28 the pressure on the floor   29 on the piston   30 on all six walls
//   31 the gas's weight over the floor's area
//   32 Z = P / (n k T) from the walls   33 from the collisions' virial in
//      the core   34 Carnahan–Starling's at the core's packing (1 without
//      collisions)
int32_t MV_API(mv_figure_count)(void);
const double *MV_API(mv_figures)(MvGas *gas);
// The free paths as a density over the first mv_path_bins() - 1 bins of
// mv_path_bin_width() (the last bin holds the longer paths too and is not
// drawn), then the exponential of the measured mean free path at each of
// those bins' centres; null before any path.
int32_t MV_API(mv_path_bins)(void);
double MV_API(mv_path_bin_width)(void);
const double *MV_API(mv_path_chart)(MvGas *gas);
// The heavy particle's speeds, one every mv_side_sample_ticks() ticks since
// the mixture was set (evenly thinned in a long run): how many are kept,
// the fastest, and their histogram as a density over `bins` equal bins of
// 0..maxSpeed (null without samples).
int32_t MV_API(mv_heavy_speed_count)(const MvGas *gas);
double MV_API(mv_heavy_speed_max)(const MvGas *gas);
const double *MV_API(mv_heavy_speed_histogram)(MvGas *gas, int32_t bins, double maxSpeed);
// The layers along the height since the measures began, bottom up, for
// each species present: mv_profile_count() takes the rows as they are now
// and says how many; mv_profile() hands them out (null without any), five
// numbers each: the layer's middle height, the species (0 A, 1 B, 2 the
// heavy particle), the density measured, the barometric law's, and the
// layer's temperature as "Temperatura" has it (NaN in an empty layer).
int32_t MV_API(mv_profile_count)(MvGas *gas);
const double *MV_API(mv_profile)(MvGas *gas);
// Carnahan and Starling's Z of hard spheres at packing fraction eta
// (0 <= eta < 1, else NaN).
double MV_API(mv_carnahan_starling)(double eta);
// Restarts every measure of the mixture, as a new mixture does.
void MV_API(mv_reset_mixture_measures)(MvGas *gas);

// The mean-square displacement of the heavy particle, or else the traced
// one's species, positions with the walls unfolded, sampled every
// mv_msd_step() ticks: lag and MSD pairs, mv_msd_count() of them; D is
// fitted from ten collision times on.
int32_t MV_API(mv_msd_step)(const MvGas *gas);
int32_t MV_API(mv_msd_count)(MvGas *gas);
const double *MV_API(mv_msd)(MvGas *gas);

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
