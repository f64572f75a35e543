#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

#include "freepath.h"

// How far particles wander: the mean-square displacement (MSD) of a set of
// particles against time, from their positions sampled at equal steps,
// averaged over the particles and over every origin in the log. Positions
// are the box's own (its walls reflect, so the MSD levels off once a
// particle has had time to cross the box).
class DisplacementLog
{
public:
    // The log keeps the last `capacity` samples; older ones are dropped.
    explicit DisplacementLog(size_t capacity = 2048);

    void clear();
    // One sample: the tracked particles' positions at time t (the gas's
    // time; samples are meant to come at equal steps). A sample with
    // another number of particles than the log holds starts the log afresh.
    void add(double t, const std::vector<std::array<float, 3>> &positions);
    size_t samples() const { return m_samples.size(); }

    struct Point
    {
        double t = 0;   // the lag, in the gas's time
        double msd = 0; // mean |r(t0 + t) - r(t0)|^2 over particles and t0
    };
    // The MSD at lags of 1, 2, ... samples, up to maxLag (and at most the
    // log's length less one): every origin in the log used at each lag.
    std::vector<Point> curve(size_t maxLag) const;

    // The straight line MSD = 6 D t + c fitted over the points with lag in
    // [from, to]: D, its standard error, and whether at least three points
    // fell in the range.
    struct Fit
    {
        bool ok = false;
        double d = 0;
        double se = 0;
        double from = 0;
        double to = 0;
        double intercept = 0; // c, for drawing the line through the points
    };
    static Fit fitDiffusion(const std::vector<Point> &curve, double from, double to);

private:
    struct Sample
    {
        double t;
        std::vector<std::array<float, 3>> r;
    };
    size_t m_capacity;
    std::deque<Sample> m_samples;
};

// The same curve over every origin of a long run, in the memory of maxLag
// samples: each sample adds its displacements from the last maxLag ones to
// running sums (maxLag x particles work per sample), so the run's length
// costs no memory. Samples at equal steps; another particle count starts
// afresh, as in the log.
class MsdAccumulator
{
public:
    explicit MsdAccumulator(size_t maxLag);
    void add(double t, const std::vector<std::array<float, 3>> &positions);
    // Unfolded positions run far from the origin: double keeps their small
    // steps.
    void add(double t, const std::vector<std::array<double, 3>> &positions);
    // Lags 1..maxLag (fewer while fewer samples came): as DisplacementLog's.
    std::vector<DisplacementLog::Point> curve() const;
    size_t samples() const { return m_added; }

private:
    size_t m_maxLag;
    size_t m_added = 0;
    std::deque<std::pair<double, std::vector<std::array<double, 3>>>> m_recent;
    std::vector<double> m_msd, m_dt;
    std::vector<uint64_t> m_origins;
};

// The hard-sphere self-diffusion coefficient (Chapman and Enskog's first
// approximation), D = 3 / (8 n d^2) sqrt(k T / (pi m)), divided by
// Enskog's factor chi for a denser gas (1 for a dilute one). n the number
// density, d the diameter, m the particle's mass.
double diffusionTheory(double n, double d, double kT, double mass, double chi = 1);

// The self-diffusion of species s in a mixture of hard spheres (each
// species' density, radius and mass), Blanc's law over the pairs: 1 / D_s =
// sum_j 8/3 n_j (r_s + r_j)^2 chi sqrt(2 pi mu_sj / k T), chi Enskog's factor
// of the whole packing fraction. One species gives diffusionTheory.
// In a box of that area per volume each pair's term falls by the walls'
// shadow at its contact distance (wallShadow): a particle near a wall meets
// fewer partners and flies on further, and over the whole box the walls
// raise D by what they take off the collision rate (about 5 % for d = 3
// in the box of 100).
double mixtureDiffusionTheory(const std::vector<SpeciesPart> &species, size_t s, double kT,
                              double areaPerVolume = 0);

// Where MSD = 6 D t + c is a straight line: from kDiffusionFitCollisions
// collision times on (a hard sphere's velocity forgets itself in 1.5
// collision times, so after ten the curve's bend is e^-6.7 of it), to the
// last lag before the MSD passes msdLimit. Positions that walls fold back
// level off at boxMsdLimit; a limit of a few per cent of that keeps the
// walls' pull on the slope to a few per cent. Unfolded positions need no
// limit (infinity). `to` is not below `from`; a range with fewer than three
// points makes fitDiffusion say so.
constexpr double kDiffusionFitCollisions = 10.0;
struct DiffusionRange
{
    double from = 0;
    double to = 0;
};
DiffusionRange diffusionFitRange(const std::vector<DisplacementLog::Point> &curve,
                                 double collisionRate,
                                 double msdLimit = std::numeric_limits<double>::infinity());
// Where the MSD of particles spread evenly in a box of these sides levels
// off: the mean square distance between two random points, sum of L^2 / 6.
double boxMsdLimit(double lx, double ly, double lz);

// A particle of mass M in a gas at k T: <v^2> = 3 k T / M.
double meanSquareSpeedTheory(double kT, double mass);
