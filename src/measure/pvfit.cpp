#include "pvfit.h"

#include <cmath>

double relativeVolumeChange(const std::vector<PvPoint> &path)
{
    if (path.empty() || !(path.front().volume > 0)) {
        return 0;
    }
    const double v0 = path.front().volume;
    double change = 0;
    for (const PvPoint &p : path) {
        change = std::max(change, std::abs(p.volume - v0) / v0);
    }
    return change;
}

std::optional<PvFit> fitPolytrope(const std::vector<PvPoint> &path, double minVolumeChange)
{
    if (relativeVolumeChange(path) < minVolumeChange) {
        return std::nullopt;
    }
    // Centred sums: readings of one volume differ only in the last digits of
    // ln V, and raw sums of squares would cancel them away.
    std::vector<std::pair<double, double>> logs;
    logs.reserve(path.size());
    double meanX = 0, meanY = 0;
    for (const PvPoint &p : path) {
        if (p.volume > 0 && p.pressure > 0 && std::isfinite(p.volume) &&
            std::isfinite(p.pressure)) {
            logs.emplace_back(std::log(p.volume), std::log(p.pressure));
            meanX += logs.back().first;
            meanY += logs.back().second;
        }
    }
    const auto n = static_cast<int>(logs.size());
    if (n < 3) {
        return std::nullopt;
    }
    meanX /= n;
    meanY /= n;
    double sxx = 0, sxy = 0;
    for (const auto &[x, y] : logs) {
        sxx += (x - meanX) * (x - meanX);
        sxy += (x - meanX) * (y - meanY);
    }
    if (!(sxx > 0)) {
        return std::nullopt; // every point with a logarithm at one volume
    }
    const double slope = sxy / sxx;
    double residuals = 0;
    for (const auto &[x, y] : logs) {
        const double r = y - meanY - slope * (x - meanX);
        residuals += r * r;
    }
    return PvFit{-slope, std::sqrt(residuals / (n - 2) / sxx), n};
}

std::optional<double> pressureThrough(const PvPoint &through, double exponent, double v)
{
    if (!(through.volume > 0) || !(v > 0)) {
        return std::nullopt;
    }
    return through.pressure * std::pow(through.volume / v, exponent);
}
