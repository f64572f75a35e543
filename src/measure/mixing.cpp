#include "mixing.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

bool evenlyMixed(const SideTable &n, double tolerance)
{
    bool any = false;
    for (const auto &sides : n) {
        const int64_t count = sides[0] + sides[1];
        if (count == 0) {
            continue;
        }
        any = true;
        if (static_cast<double>(std::llabs(sides[0] - sides[1])) >
            tolerance * static_cast<double>(count)) {
            return false;
        }
    }
    return any;
}

void MixClock::start(double t)
{
    m_started = true;
    m_start = t;
    m_mixTime.reset();
}

void MixClock::add(double t, const SideTable &n)
{
    if (m_started && !m_mixTime && evenlyMixed(n, m_tolerance)) {
        m_mixTime = t - m_start;
    }
}

double grahamRatio(double massA, double massB)
{
    return std::sqrt(massB / massA);
}

double effusionRateTheory(double area, double volume, double kT, double mass)
{
    return area / (4.0 * volume) * std::sqrt(8.0 * kT / (std::numbers::pi * mass));
}

std::optional<double> effusionRatio(int64_t crossingsA, double leftTicksA, int64_t crossingsB,
                                    double leftTicksB)
{
    if (crossingsA <= 0 || crossingsB <= 0 || !(leftTicksA > 0) || !(leftTicksB > 0)) {
        return std::nullopt;
    }
    return (static_cast<double>(crossingsA) / leftTicksA) /
           (static_cast<double>(crossingsB) / leftTicksB);
}
