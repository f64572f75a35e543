#include "displacement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

DisplacementLog::DisplacementLog(size_t capacity) : m_capacity(std::max<size_t>(capacity, 1)) {}

void DisplacementLog::clear()
{
    m_samples.clear();
}

void DisplacementLog::add(double t, const std::vector<std::array<float, 3>> &positions)
{
    // Displacements pair each particle with itself: once the set changes
    // size the old samples no longer say who is who.
    if (!m_samples.empty() && m_samples.back().r.size() != positions.size()) {
        m_samples.clear();
    }
    m_samples.push_back(Sample{t, positions});
    while (m_samples.size() > m_capacity) {
        m_samples.pop_front();
    }
}

std::vector<DisplacementLog::Point> DisplacementLog::curve(size_t maxLag) const
{
    std::vector<Point> out;
    const size_t n = m_samples.size();
    if (n < 2 || m_samples.front().r.empty()) {
        return out;
    }
    const size_t lags = std::min(maxLag, n - 1);
    const size_t particles = m_samples.front().r.size();
    out.reserve(lags);
    for (size_t lag = 1; lag <= lags; ++lag) {
        double sum = 0;
        double dt = 0;
        const size_t origins = n - lag;
        for (size_t o = 0; o < origins; ++o) {
            const Sample &a = m_samples[o];
            const Sample &b = m_samples[o + lag];
            dt += b.t - a.t;
            // Per origin in double: a long log of small steps would lose the
            // small squares against a float total.
            for (size_t p = 0; p < particles; ++p) {
                const double dx = static_cast<double>(b.r[p][0]) - a.r[p][0];
                const double dy = static_cast<double>(b.r[p][1]) - a.r[p][1];
                const double dz = static_cast<double>(b.r[p][2]) - a.r[p][2];
                sum += dx * dx + dy * dy + dz * dz;
            }
        }
        out.push_back(Point{dt / static_cast<double>(origins),
                            sum / static_cast<double>(origins * particles)});
    }
    return out;
}

MsdAccumulator::MsdAccumulator(size_t maxLag) : m_maxLag(std::max<size_t>(maxLag, 1)) {}

void MsdAccumulator::add(double t, const std::vector<std::array<float, 3>> &positions)
{
    std::vector<std::array<double, 3>> r(positions.size());
    for (size_t p = 0; p < positions.size(); ++p) {
        r[p] = {positions[p][0], positions[p][1], positions[p][2]};
    }
    add(t, r);
}

void MsdAccumulator::add(double t, const std::vector<std::array<double, 3>> &positions)
{
    if (!m_recent.empty() && m_recent.back().second.size() != positions.size()) {
        m_recent.clear();
        m_msd.clear();
        m_dt.clear();
        m_origins.clear();
        m_added = 0;
    }
    const size_t particles = positions.size();
    // The newest sample against each kept one: lag k pairs it with the k-th
    // from the end.
    for (size_t k = 1; k <= m_recent.size(); ++k) {
        const auto &[t0, r0] = m_recent[m_recent.size() - k];
        if (m_msd.size() < k) {
            m_msd.push_back(0);
            m_dt.push_back(0);
            m_origins.push_back(0);
        }
        double sum = 0;
        for (size_t p = 0; p < particles; ++p) {
            const double dx = positions[p][0] - r0[p][0];
            const double dy = positions[p][1] - r0[p][1];
            const double dz = positions[p][2] - r0[p][2];
            sum += dx * dx + dy * dy + dz * dz;
        }
        m_msd[k - 1] += particles > 0 ? sum / static_cast<double>(particles) : 0.0;
        m_dt[k - 1] += t - t0;
        m_origins[k - 1] += 1;
    }
    m_recent.emplace_back(t, positions);
    if (m_recent.size() > m_maxLag) {
        m_recent.pop_front();
    }
    ++m_added;
}

std::vector<DisplacementLog::Point> MsdAccumulator::curve() const
{
    std::vector<DisplacementLog::Point> out;
    if (!m_recent.empty() && m_recent.back().second.empty()) {
        return out;
    }
    for (size_t k = 0; k < m_msd.size(); ++k) {
        const double n = static_cast<double>(m_origins[k]);
        out.push_back({m_dt[k] / n, m_msd[k] / n});
    }
    return out;
}

// Ordinary least squares of msd on t. The points are not independent (each
// lag reuses the same flights, and neighbouring lags share most of them), so
// the standard error from the residuals understates the true scatter of D
// between runs: it says how straight the curve is, not how far D could be
// off. Repeated runs give the honest spread.
DisplacementLog::Fit DisplacementLog::fitDiffusion(const std::vector<Point> &curve, double from,
                                                   double to)
{
    Fit fit;
    fit.from = from;
    fit.to = to;
    double st = 0, sm = 0;
    size_t k = 0;
    for (const Point &p : curve) {
        if (p.t >= from && p.t <= to && std::isfinite(p.t) && std::isfinite(p.msd)) {
            st += p.t;
            sm += p.msd;
            ++k;
        }
    }
    if (k < 3) {
        return fit;
    }
    const double tMean = st / static_cast<double>(k);
    const double mMean = sm / static_cast<double>(k);
    double stt = 0, stm = 0;
    for (const Point &p : curve) {
        if (p.t >= from && p.t <= to && std::isfinite(p.t) && std::isfinite(p.msd)) {
            stt += (p.t - tMean) * (p.t - tMean);
            stm += (p.t - tMean) * (p.msd - mMean);
        }
    }
    if (!(stt > 0)) {
        return fit; // every point at one lag: no slope to speak of
    }
    const double slope = stm / stt;
    const double intercept = mMean - slope * tMean;
    double rss = 0;
    for (const Point &p : curve) {
        if (p.t >= from && p.t <= to && std::isfinite(p.t) && std::isfinite(p.msd)) {
            const double r = p.msd - (intercept + slope * p.t);
            rss += r * r;
        }
    }
    const double slopeSe = std::sqrt(rss / static_cast<double>(k - 2) / stt);
    fit.ok = true;
    fit.d = slope / 6.0;
    fit.se = slopeSe / 6.0;
    fit.intercept = intercept;
    return fit;
}

DiffusionRange diffusionFitRange(const std::vector<DisplacementLog::Point> &curve,
                                 double collisionRate, double msdLimit)
{
    DiffusionRange range;
    if (curve.empty()) {
        return range;
    }
    range.from = collisionRate > 0 ? kDiffusionFitCollisions / collisionRate : 0.0;
    range.to = range.from;
    for (const DisplacementLog::Point &p : curve) {
        if (!(p.msd <= msdLimit)) {
            break;
        }
        range.to = std::max(range.to, p.t);
    }
    return range;
}

double boxMsdLimit(double lx, double ly, double lz)
{
    return (lx * lx + ly * ly + lz * lz) / 6.0;
}

double diffusionTheory(double n, double d, double kT, double mass, double chi)
{
    if (!(n > 0 && d > 0 && chi > 0 && mass > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    return 3.0 / (8.0 * n * d * d * chi) * std::sqrt(kT / (std::numbers::pi * mass));
}

double mixtureDiffusionTheory(const std::vector<SpeciesPart> &species, size_t s, double kT,
                              double areaPerVolume)
{
    if (s >= species.size()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double eta = 0;
    for (const SpeciesPart &p : species) {
        eta += packingFraction(p.n, 2.0 * p.radius);
    }
    const double chi = enskogChi(eta);
    // Blanc's law: the friction a particle of species s meets is the sum of
    // what each species puts up, n_j sigma^2 sqrt(2 pi mu / k T) 8 chi / 3;
    // for one species (mu = m / 2) it is the pure gas's 1 / D.
    double friction = 0;
    const SpeciesPart &a = species[s];
    for (const SpeciesPart &o : species) {
        const double sigma = a.radius + o.radius;
        const double mu = a.mass * o.mass / (a.mass + o.mass);
        friction += 8.0 / 3.0 * o.n * sigma * sigma * chi * wallShadow(sigma, areaPerVolume) *
                    std::sqrt(2.0 * std::numbers::pi * mu / kT);
    }
    return friction > 0 ? 1.0 / friction : std::numeric_limits<double>::infinity();
}

double meanSquareSpeedTheory(double kT, double mass)
{
    return mass > 0 ? 3.0 * kT / mass : std::numeric_limits<double>::quiet_NaN();
}
