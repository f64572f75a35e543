#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The speed distribution of the gas against Maxwell–Boltzmann.
// Speeds are in box lengths per unit time; masses are 1.

// Speeds |v| of the live particles, pooled over a sliding window of recent
// snapshots so that a hundred particles give a smooth distribution.
class SpeedSampler
{
public:
    // Keeps the newest `snapshots` snapshots (100 taken every 50 ticks cover
    // the last 5 000 ticks).
    explicit SpeedSampler(int snapshots = 100);

    // Adds one snapshot: the speeds of n particles whose velocity components
    // are vx[0..n-1], vy[0..n-1], vz[0..n-1]. The oldest snapshot goes when
    // the window is full.
    void addSnapshot(const float *vx, const float *vy, const float *vz, int n);
    void clear();

    int snapshots() const { return static_cast<int>(m_order.size()); }
    // Every speed in the window, oldest snapshot first.
    std::vector<double> samples() const;

private:
    int m_capacity;
    std::vector<std::vector<float>> m_ring; // one vector per snapshot slot
    std::vector<int> m_order;               // used slots of m_ring, oldest first
    int m_next = 0;
};

// A histogram scaled as a probability density: the bars' areas add up to 1.
struct DensityHistogram
{
    double binWidth = 0;
    std::vector<double> density; // one per bin, the first starting at speed 0
};

// `bins` equal bins over 0..maxSpeed; samples at or above maxSpeed fall into
// the last bin. Empty (no bins) when there are no samples or maxSpeed <= 0.
DensityHistogram speedDensity(const std::vector<double> &speeds, int bins, double maxSpeed);

// The bins of a histogram of `samples` speeds: about their square root, so
// that a few hundred show a shape and ten thousand a fine one, 8 to 30.
int speedHistogramBins(size_t samples);

// Maxwell–Boltzmann speed density and distribution for unit mass, with
// s^2 = kT/m = <v^2>/3:
//   f(v) = 4 pi v^2 (2 pi s^2)^(-3/2) exp(-v^2 / 2 s^2)
//   F(v) = erf(v / (s sqrt 2)) - sqrt(2/pi) (v/s) exp(-v^2 / 2 s^2)
double maxwellBoltzmannDensity(double v, double s2);
double maxwellBoltzmannCdf(double v, double s2);

// s^2 = <v^2>/3 of the samples: the curve with the same mean kinetic energy.
double meanSquareOverThree(const std::vector<double> &speeds);

// Kolmogorov–Smirnov distance between the samples and the Maxwell–Boltzmann
// distribution of the same mean kinetic energy: the largest gap between the
// empirical and the model distribution. None when there are no samples or
// every speed is 0 (no curve to compare with).
std::optional<double> maxwellBoltzmannKs(std::vector<double> speeds);
// The same against a given curve, s^2 = kT/m (one particle's speeds against
// the gas's temperature). None without samples or a positive s^2.
std::optional<double> maxwellBoltzmannKs(std::vector<double> speeds, double s2);

// One particle's speeds over a run of any length in bounded memory: every
// sample until `capacity` are kept, then every other one of those and, from
// then on, every second sample offered (every fourth after the next halving,
// and so on), so that the kept ones stay spread evenly over the whole run.
class ThinnedSpeeds
{
public:
    explicit ThinnedSpeeds(size_t capacity = 100000);

    void add(double speed);
    void clear();

    const std::vector<double> &kept() const { return m_kept; }
    // Samples offered since the last clear, kept or not.
    int64_t offered() const { return m_offered; }
    // The kept samples' largest speed, 0 without any.
    double fastest() const;

private:
    size_t m_capacity;
    int64_t m_stride = 1;
    int64_t m_offered = 0;
    std::vector<double> m_kept;
};
