#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Two gases mixing across the box's middle, and effusion through a hole in
// a divider there.

// The particles of each species on each side: [species A, B][left, right].
using SideTable = std::array<std::array<int64_t, 2>, 2>;

// Whether every species present is evenly spread: for each species with
// particles, |left - right| at most `tolerance` of its count. False when
// there are no particles at all: nothing has mixed.
bool evenlyMixed(const SideTable &n, double tolerance = 0.1);

// The time to mix: started at a chosen moment (a divider's removal), then
// given the counts as time goes on; the first time they are evenly mixed,
// less the start, is the time to mix.
class MixClock
{
public:
    explicit MixClock(double tolerance = 0.1) : m_tolerance(tolerance) {}
    void start(double t);
    void add(double t, const SideTable &n);
    bool started() const { return m_started; }
    // None until the counts have been even once since the start.
    std::optional<double> mixTime() const { return m_mixTime; }

private:
    double m_tolerance;
    bool m_started = false;
    double m_start = 0;
    std::optional<double> m_mixTime;
};

// Graham's law: the ratio of two species' effusion rates at one
// temperature, A's over B's, is sqrt(m_B / m_A).
double grahamRatio(double massA, double massB);

// Knudsen effusion through a hole of area `area` in the wall of a volume
// holding a gas at k T: the crossings per particle per unit time,
// area / (4 V) x the mean speed sqrt(8 k T / (pi m)).
double effusionRateTheory(double area, double volume, double kT, double mass);

// The measured ratio of rates, A's over B's, from each species' crossings
// and its particle-ticks on the filled side; none where either rate is
// unmeasured (no crossings or no time on the filled side).
std::optional<double> effusionRatio(int64_t crossingsA, double leftTicksA, int64_t crossingsB,
                                    double leftTicksB);
