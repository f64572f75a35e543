#include "pvfit.h"

#include <algorithm>
#include <array>
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

namespace {

using LogPoint = std::pair<double, double>; // ln V, ln P

// Of the fit's volume span, the share one step between consecutive readings
// may take before the path counts as a jump.
constexpr double kJumpShare = 1.0 / 3;
// Bending counts once its coefficient is this many errors from 0 and it
// moves ln P off the line by more than kBendMin, or kBendShare of the
// line's own rise over the span, whichever is more.
constexpr double kBendErrors = 5;
constexpr double kBendMin = 0.01;
constexpr double kBendShare = 0.05;
// Drifting counts from this many blocks, when their neighbours' residuals
// correlate by more than kDriftCorrelation and are kDriftMin in ln P or more.
constexpr int kDriftMinBlocks = 8;
constexpr double kDriftCorrelation = 0.6;
constexpr double kDriftMin = 0.02;

// Readings per block: about the square root of their number, so that blocks
// are long beside the gas's memory and many enough to estimate a spread.
int blockLengthFor(int n)
{
    return n < kFitBlockMinPoints ? 1 : static_cast<int>(std::sqrt(static_cast<double>(n)));
}

// The covariance of the least-squares coefficients of y on the columns of x
// (two centred regressors, no intercept left), from contiguous blocks of
// `block` readings: each block's sum of x r counts as one independent
// sample. With one reading a block it is the textbook sigma^2 (X'X)^-1.
std::array<double, 3> coefficientCovariance(const std::vector<std::array<double, 2>> &x,
                                            const std::vector<double> &r, int block,
                                            const std::array<double, 3> &inverse, int params)
{
    const auto n = static_cast<int>(r.size());
    if (block <= 1) {
        double rss = 0;
        for (const double e : r) {
            rss += e * e;
        }
        const double s2 = rss / (n - params);
        return {s2 * inverse[0], s2 * inverse[1], s2 * inverse[2]};
    }
    const int blocks = n / block; // the last one takes the remainder
    double m00 = 0, m01 = 0, m11 = 0;
    for (int b = 0; b < blocks; ++b) {
        const int end = b == blocks - 1 ? n : (b + 1) * block;
        double g0 = 0, g1 = 0;
        for (int i = b * block; i < end; ++i) {
            g0 += x[i][0] * r[i];
            g1 += x[i][1] * r[i];
        }
        m00 += g0 * g0;
        m01 += g0 * g1;
        m11 += g1 * g1;
    }
    const double scale = double(blocks) / (blocks - 1);
    // inverse * M * inverse, inverse symmetric {a, b; b, c}.
    const double a = inverse[0], bb = inverse[1], c = inverse[2];
    const double t00 = a * m00 + bb * m01, t01 = a * m01 + bb * m11;
    const double t10 = bb * m00 + c * m01, t11 = bb * m01 + c * m11;
    return {scale * (t00 * a + t01 * bb), scale * (t00 * bb + t01 * c),
            scale * (t10 * bb + t11 * c)};
}

// Whether ln P against ln V bends beyond its noise: the coefficient of a
// squared term added to the line, against its blocked error.
bool bends(const std::vector<LogPoint> &logs, double meanX, double slope, int block)
{
    const auto n = static_cast<int>(logs.size());
    if (n < 4) {
        return false;
    }
    double meanU2 = 0, lo = logs.front().first, hi = lo;
    for (const auto &[x, y] : logs) {
        meanU2 += (x - meanX) * (x - meanX);
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    meanU2 /= n;
    double meanY = 0;
    for (const auto &p : logs) {
        meanY += p.second;
    }
    meanY /= n;
    std::vector<std::array<double, 2>> x;
    x.reserve(n);
    double suu = 0, suw = 0, sww = 0, suy = 0, swy = 0;
    for (const auto &[lx, ly] : logs) {
        const double u = lx - meanX, w = u * u - meanU2, y = ly - meanY;
        x.push_back({u, w});
        suu += u * u;
        suw += u * w;
        sww += w * w;
        suy += u * y;
        swy += w * y;
    }
    const double det = suu * sww - suw * suw;
    if (!(det > 1e-12 * suu * sww)) {
        return false; // two volumes or so: no curve to tell from a line
    }
    const std::array<double, 3> inverse{sww / det, -suw / det, suu / det};
    const double b = inverse[0] * suy + inverse[1] * swy;
    const double c = inverse[1] * suy + inverse[2] * swy;
    std::vector<double> r;
    r.reserve(n);
    for (size_t i = 0; i < x.size(); ++i) {
        r.push_back(logs[i].second - meanY - b * x[i][0] - c * x[i][1]);
    }
    const double varC = coefficientCovariance(x, r, block, inverse, 3)[2];
    // A parabola's sag below the best line over the span is about c span^2 / 8.
    const double span = hi - lo;
    const double sag = std::abs(c) * span * span / 8;
    return std::abs(c) > kBendErrors * std::sqrt(std::max(varC, 0.0)) &&
           sag > std::max(kBendMin, kBendShare * std::abs(slope) * span);
}

// Whether the readings drift off the line for long stretches: the residuals'
// block means (each nearly independent of the next for noise that forgets
// within a block) follow one another closely, and by more than a trifle.
// It catches what no single bend does: a vertical stretch, a corner.
bool drifts(const std::vector<double> &r, int block)
{
    const auto n = static_cast<int>(r.size());
    const int blocks = block > 1 ? n / block : 0;
    if (blocks < kDriftMinBlocks) {
        return false;
    }
    std::vector<double> means;
    for (int b = 0; b < blocks; ++b) {
        const int end = b == blocks - 1 ? n : (b + 1) * block;
        double sum = 0;
        for (int i = b * block; i < end; ++i) {
            sum += r[i];
        }
        means.push_back(sum / (end - b * block));
    }
    double sq = 0, lag = 0;
    for (size_t k = 0; k < means.size(); ++k) {
        sq += means[k] * means[k];
        if (k > 0) {
            lag += means[k] * means[k - 1];
        }
    }
    const double rms = std::sqrt(sq / blocks);
    return sq > 0 && lag / sq > kDriftCorrelation && rms > kDriftMin;
}

bool jumps(const std::vector<LogPoint> &logs)
{
    double lo = logs.front().first, hi = lo, step = 0;
    for (size_t i = 1; i < logs.size(); ++i) {
        lo = std::min(lo, logs[i].first);
        hi = std::max(hi, logs[i].first);
        step = std::max(step, std::abs(logs[i].first - logs[i - 1].first));
    }
    return step > kJumpShare * (hi - lo);
}

} // namespace

std::optional<PvFit> fitPolytrope(const std::vector<PvPoint> &path, double minVolumeChange)
{
    if (relativeVolumeChange(path) < minVolumeChange) {
        return std::nullopt;
    }
    // Centred sums: readings of one volume differ only in the last digits of
    // ln V, and raw sums of squares would cancel them away.
    std::vector<LogPoint> logs;
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
    std::vector<std::array<double, 2>> x;
    std::vector<double> r;
    x.reserve(n);
    r.reserve(n);
    double residuals = 0;
    for (const auto &[lx, ly] : logs) {
        x.push_back({lx - meanX, 0});
        r.push_back(ly - meanY - slope * (lx - meanX));
        residuals += r.back() * r.back();
    }
    PvFit fit;
    fit.gamma = -slope;
    fit.standardError = std::sqrt(residuals / (n - 2) / sxx);
    fit.points = n;
    fit.blockLength = blockLengthFor(n);
    const double blocked =
        fit.blockLength > 1
            ? std::sqrt(std::max(
                  coefficientCovariance(x, r, fit.blockLength, {1 / sxx, 0, 0}, 2)[0], 0.0))
            : fit.standardError;
    fit.error = std::max(fit.standardError, blocked);
    if (jumps(logs)) {
        fit.shape = PvShape::Jump;
    } else if (bends(logs, meanX, slope, fit.blockLength) || drifts(r, fit.blockLength)) {
        fit.shape = PvShape::NotPowerLaw;
    } else if (fit.error > kFitMaxError) {
        fit.shape = PvShape::TooScattered;
    }
    return fit;
}

std::optional<double> pressureThrough(const PvPoint &through, double exponent, double v)
{
    if (!(through.volume > 0) || !(v > 0)) {
        return std::nullopt;
    }
    return through.pressure * std::pow(through.volume / v, exponent);
}
