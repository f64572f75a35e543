#include "speeds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

SpeedSampler::SpeedSampler(int snapshots)
    : m_capacity(std::max(1, snapshots)), m_ring(static_cast<size_t>(m_capacity))
{
}

void SpeedSampler::addSnapshot(const float *vx, const float *vy, const float *vz, int n)
{
    std::vector<float> &slot = m_ring[static_cast<size_t>(m_next)];
    slot.resize(static_cast<size_t>(std::max(0, n)));
    for (int i = 0; i < n; ++i) {
        slot[static_cast<size_t>(i)] = std::sqrt(vx[i] * vx[i] + vy[i] * vy[i] + vz[i] * vz[i]);
    }
    if (static_cast<int>(m_order.size()) == m_capacity) {
        m_order.erase(m_order.begin());
    }
    m_order.push_back(m_next);
    m_next = (m_next + 1) % m_capacity;
}

void SpeedSampler::clear()
{
    m_order.clear();
    m_next = 0;
}

std::vector<double> SpeedSampler::samples() const
{
    std::vector<double> out;
    for (const int slot : m_order) {
        const std::vector<float> &s = m_ring[static_cast<size_t>(slot)];
        out.insert(out.end(), s.begin(), s.end());
    }
    return out;
}

int speedHistogramBins(size_t samples)
{
    return std::clamp(static_cast<int>(std::lround(std::sqrt(static_cast<double>(samples)))), 8,
                      30);
}

DensityHistogram speedDensity(const std::vector<double> &speeds, int bins, double maxSpeed)
{
    DensityHistogram h;
    if (speeds.empty() || bins <= 0 || !(maxSpeed > 0) || !std::isfinite(maxSpeed)) {
        return h;
    }
    h.binWidth = maxSpeed / bins;
    h.density.assign(static_cast<size_t>(bins), 0.0);
    for (const double v : speeds) {
        const double at = std::floor(v / h.binWidth);
        const int bin = at < 0 ? 0 : at >= bins ? bins - 1 : static_cast<int>(at);
        h.density[static_cast<size_t>(bin)] += 1.0;
    }
    // count / (n width): the bars' areas add up to 1.
    const double scale = 1.0 / (static_cast<double>(speeds.size()) * h.binWidth);
    for (double &d : h.density) {
        d *= scale;
    }
    return h;
}

double maxwellBoltzmannDensity(double v, double s2)
{
    if (!(s2 > 0) || v < 0) {
        return 0;
    }
    const double pi = std::numbers::pi;
    return 4.0 * pi * v * v * std::pow(2.0 * pi * s2, -1.5) * std::exp(-v * v / (2.0 * s2));
}

double maxwellBoltzmannCdf(double v, double s2)
{
    if (!(s2 > 0) || v <= 0) {
        return 0;
    }
    const double s = std::sqrt(s2);
    const double x = v / s;
    return std::erf(x / std::numbers::sqrt2) -
           std::sqrt(2.0 / std::numbers::pi) * x * std::exp(-x * x / 2.0);
}

double meanSquareOverThree(const std::vector<double> &speeds)
{
    if (speeds.empty()) {
        return 0;
    }
    double sum = 0;
    for (const double v : speeds) {
        sum += v * v;
    }
    return sum / static_cast<double>(speeds.size()) / 3.0;
}

std::optional<double> maxwellBoltzmannKs(std::vector<double> speeds)
{
    const double s2 = meanSquareOverThree(speeds);
    return maxwellBoltzmannKs(std::move(speeds), s2);
}

std::optional<double> maxwellBoltzmannKs(std::vector<double> speeds, double s2)
{
    if (speeds.empty() || !(s2 > 0) || !std::isfinite(s2)) {
        return std::nullopt;
    }
    std::sort(speeds.begin(), speeds.end());
    const double n = static_cast<double>(speeds.size());
    double d = 0;
    for (size_t i = 0; i < speeds.size(); ++i) {
        // The empirical distribution steps from i/n to (i+1)/n at speeds[i].
        const double f = maxwellBoltzmannCdf(speeds[i], s2);
        d = std::max({d, f - static_cast<double>(i) / n, static_cast<double>(i + 1) / n - f});
    }
    return d;
}

ThinnedSpeeds::ThinnedSpeeds(size_t capacity) : m_capacity(std::max<size_t>(2, capacity)) {}

void ThinnedSpeeds::add(double speed)
{
    if (m_offered++ % m_stride != 0) {
        return;
    }
    if (m_kept.size() == m_capacity) {
        // Every other one kept: samples 0, 2s, 4s, ... of the run so far,
        // and the one offered now is one of them exactly when the doubled
        // stride divides its number.
        size_t n = 0;
        for (size_t k = 0; k < m_kept.size(); k += 2) {
            m_kept[n++] = m_kept[k];
        }
        m_kept.resize(n);
        m_stride *= 2;
        if ((m_offered - 1) % m_stride != 0) {
            return;
        }
    }
    m_kept.push_back(speed);
}

void ThinnedSpeeds::clear()
{
    m_kept.clear();
    m_stride = 1;
    m_offered = 0;
}

double ThinnedSpeeds::fastest() const
{
    return m_kept.empty() ? 0.0 : *std::max_element(m_kept.begin(), m_kept.end());
}
