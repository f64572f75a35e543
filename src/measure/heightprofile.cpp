#include "heightprofile.h"

#include <algorithm>
#include <cmath>
#include <limits>

void HeightProfile::clear()
{
    *this = HeightProfile{};
}

void HeightProfile::add(const Gas &gas)
{
    const GasState &s = gas.state;
    const double top = gas.pistonPosition();
    if (!(top > 0)) {
        return;
    }
    if (top != m_top) {
        clear(); // another column: the layers start again
        m_top = top;
    }
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        const auto layer = static_cast<size_t>(
            std::clamp(static_cast<int>(s.ParY[i] / top * kLayers), 0, kLayers - 1));
        const auto sp = static_cast<size_t>(std::clamp(s.Especie[i], 0, 2));
        m_count[sp][layer] += 1;
        m_mv2[sp][layer] += double(s.Masa[i]) * (double(s.VelX[i]) * s.VelX[i] +
                                                 double(s.VelY[i]) * s.VelY[i] +
                                                 double(s.VelZ[i]) * s.VelZ[i]);
    }
    ++m_looks;
}

double HeightProfile::meanKT() const
{
    int64_t n = 0;
    double mv2 = 0;
    for (size_t sp = 0; sp < 3; ++sp) {
        for (size_t l = 0; l < kLayers; ++l) {
            n += m_count[sp][l];
            mv2 += m_mv2[sp][l];
        }
    }
    return n > 0 ? mv2 / (3.0 * double(n)) : std::numeric_limits<double>::quiet_NaN();
}

std::vector<HeightProfile::Row> HeightProfile::rows(const Gas &gas, double gravity) const
{
    std::vector<Row> out;
    if (m_looks == 0) {
        return out;
    }
    const MixtureSettings &m = gas.mixtureSettings();
    const std::array<double, 3> mass = {1.0, m.bMass, m.heavyMass > 0 ? m.heavyMass : 1.0};
    const double kT = meanKT();
    const double width = m_top / kLayers;
    const double area = double(kBoxSize) * kBoxSize;
    const double looks = static_cast<double>(m_looks);
    for (size_t sp = 0; sp < 3; ++sp) {
        int64_t total = 0;
        for (const int64_t c : m_count[sp]) {
            total += c;
        }
        if (total == 0) {
            continue;
        }
        const double c = gravity > 0 && kT > 0 ? mass[sp] * gravity / kT : 0.0;
        const double mean = static_cast<double>(total) / looks; // the species' count
        for (size_t l = 0; l < kLayers; ++l) {
            Row r;
            r.height = (static_cast<double>(l) + 0.5) * width;
            r.species = static_cast<int32_t>(sp);
            r.density = static_cast<double>(m_count[sp][l]) / (looks * area * width);
            r.densityTheory =
                mean * barometricShare(c, l * width, (l + 1) * width, m_top) / (area * width);
            r.temperature = m_count[sp][l] > 0
                                ? m_mv2[sp][l] / (3.0 * static_cast<double>(m_count[sp][l])) / 100
                                : std::numeric_limits<double>::quiet_NaN();
            out.push_back(r);
        }
    }
    return out;
}

double barometricShare(double c, double a, double b, double top)
{
    if (!(top > 0)) {
        return 0;
    }
    if (!(c > 0)) {
        return (b - a) / top;
    }
    // e^{-c a} (1 - e^{-c (b - a)}) / (1 - e^{-c top}), without cancelling.
    return std::exp(-c * a) * std::expm1(-c * (b - a)) / std::expm1(-c * top);
}

double carnahanStarling(double eta)
{
    if (!(eta >= 0 && eta < 1)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double e3 = (1 - eta) * (1 - eta) * (1 - eta);
    return (1 + eta + eta * eta - eta * eta * eta) / e3;
}
