#include "gas.h"

#include <algorithm>
#include <cmath>

// The piston in motion, the thermal walls and the energy ledger. All of it
// runs only while a process is active (a piston that is not fixed, or the
// bath): the classic gas never reaches this file. docs/model.md derives the
// rules used here.

namespace {

constexpr float kFar = kBoxSize;
constexpr int kMaxStopEvents = 8;

// The bath's generator has a fixed seed of its own, so that a run with the
// bath is reproducible and the start-up draws are untouched.
constexpr std::mt19937::result_type kBathSeed = 20261209u;

float inRange(float value, float low, float high, float fallback)
{
    if (!std::isfinite(value)) {
        return fallback;
    }
    return std::clamp(value, low, high);
}

// The bath's draws in single precision, as the velocities they become: a
// hit costs two logarithms and two square roots (docs/performance.md).


// Uniform in (0, 1]: never 0, so that its logarithm is finite.
float uniformOpen(std::mt19937 &random)
{
    return static_cast<float>(random() >> 8 | 1u) * (1.0f / 16777216.0f);
}

} // namespace

// Marsaglia's polar method: no sine, no cosine; a point in the unit disc is
// accepted 79 % of the time.
std::array<float, 2> unitNormalPair(std::mt19937 &random)
{
    for (;;) {
        const float x = 2.0f * uniformOpen(random) - 1.0f;
        const float y = 2.0f * uniformOpen(random) - 1.0f;
        const float s = x * x + y * y;
        if (s < 1.0f && s > 0.0f) {
            const float f = std::sqrt(-2.0f * portableLog(s) / s);
            return {x * f, y * f};
        }
    }
}

namespace {

// The normal speed of a particle leaving a thermal wall, in units of the
// bath's deviation: the flux distribution p(v) ~ v exp(-v^2 / 2), v > 0.
float unitFluxSpeed(std::mt19937 &random)
{
    return std::sqrt(-2.0f * portableLog(uniformOpen(random)));
}

} // namespace

float portableLog(float x)
{
    int e = 0;
    double m = std::frexp(static_cast<double>(x), &e);
    if (m < 0.70710678118654752) {
        m *= 2.0;
        --e;
    }
    const double t = (m - 1.0) / (m + 1.0);
    const double t2 = t * t;
    double series = 0.0;
    for (int k = 11; k >= 0; --k) {
        series = series * t2 + 1.0 / (2 * k + 1);
    }
    constexpr double kLn2 = 0.69314718055994530942;
    return static_cast<float>(2.0 * t * series + e * kLn2);
}

ProcessSettings sanitized(const ProcessSettings &in)
{
    const ProcessSettings defaults;
    ProcessSettings s = in;
    s.pistonTarget = inRange(in.pistonTarget, 0.0f, kFar, defaults.pistonTarget);
    s.pistonSpeed = inRange(in.pistonSpeed, 0.0f, kPistonSpeedMax, defaults.pistonSpeed);
    s.load = inRange(in.load, 0.0f, kLoadMax, defaults.load);
    s.pistonMass = inRange(in.pistonMass, kPistonMassMin, kPistonMassMax, defaults.pistonMass);
    s.load = std::min(s.load, kLoadPerMassMax * s.pistonMass);
    s.bathTemperature =
        inRange(in.bathTemperature, 0.0f, kBathTemperatureMax, defaults.bathTemperature);
    return s;
}

void Gas::setProcess(const ProcessSettings &settings)
{
    ProcessState &p = m_process;
    const ProcessSettings s = sanitized(settings);
    const PistonMode before = p.settings.piston;
    const bool wasActive = p.active;
    if (!wasActive) {
        p.bathRandom.seed(kBathSeed);
        p.piston = state.PosPared;
        // The reading under way goes on: its ticks so far had the piston here.
        p.positionSum = static_cast<double>(state.PosPared) * state.NPasos;
    }
    if (s.piston != before) {
        p.pistonU = 0; // a piston that starts to move or takes a load starts at rest
    }
    p.settings = s;
    p.active = s.piston != PistonMode::Fixed || s.bath;
    if (s.piston == PistonMode::Fixed && before != PistonMode::Fixed) {
        // Back to the classic piston: the nearest whole position, and
        // whatever is above it folded as the wall bar folds.
        const auto whole = static_cast<int32_t>(std::lround(std::clamp(p.piston, 0.0, double(kWallMax))));
        p.piston = whole;
        MoverPared(whole);
    } else if (controls != nullptr && s.piston != before) {
        controls->showWall(state.PosPared); // the panel shows how the wall is moved now
    }
}

float Gas::pistonPosition() const
{
    return wallY();
}

double Gas::liveEnergy() const
{
    return 0.01 * kineticSum(state).total;
}

EnergyLedger Gas::ledger() const
{
    return {m_process.work, m_process.heat, liveEnergy() - m_process.energyAtReset};
}

void Gas::resetLedger()
{
    m_process.work = 0;
    m_process.heat = 0;
    m_process.energyAtReset = liveEnergy();
}

std::array<double, 3> Gas::energyShares() const
{
    const std::array<double, 3> sum = kineticSum(state).axes;
    const double total = sum[0] + sum[1] + sum[2];
    if (!(total > 0)) {
        return {1.0 / 3, 1.0 / 3, 1.0 / 3};
    }
    return {sum[0] / total, sum[1] / total, sum[2] / total};
}

bool Gas::advancePiston()
{
    ProcessState &p = m_process;
    const ProcessSettings &s = p.settings;
    const double dt = state.DeltaT;
    if (s.piston == PistonMode::Moving) {
        const double gap = double(s.pistonTarget) - p.piston;
        const double step = double(s.pistonSpeed) * dt;
        if (std::fabs(gap) <= step) {
            p.pistonU = dt > 0 ? gap / dt : 0;
            p.piston = s.pistonTarget;
        } else {
            p.pistonU = gap > 0 ? s.pistonSpeed : -s.pistonSpeed;
            p.piston += gap > 0 ? step : -step;
        }
    } else if (s.piston == PistonMode::Loaded) {
        // Exactly as under the constant force of the load between impacts:
        // this keeps M u^2 / 2 + F w constant, where an Euler step would not.
        const double a = pistonForce() / s.pistonMass;
        double left = dt;
        for (int event = 0; event < kMaxStopEvents && left > 0; ++event) {
            const double w = p.piston + p.pistonU * left - 0.5 * a * left * left;
            if (w >= 0 && w <= kFar) {
                p.piston = w;
                p.pistonU -= a * left;
                left = 0;
                break;
            }
            // The box ends at stops 0 and 100, which send the piston back
            // elastically: the first time it reaches one, w0 + u t - a t^2 / 2
            // = stop, in the form that does not cancel.
            const double stop = w > kFar ? kFar : 0.0;
            const double c = stop - p.piston;
            const double root = std::sqrt(std::max(0.0, p.pistonU * p.pistonU - 2 * a * c));
            const double denominator = stop > 0 ? p.pistonU + root : p.pistonU - root;
            const double t =
                denominator != 0 ? std::clamp(2 * c / denominator, 0.0, left) : 0.0;
            p.piston = stop;
            p.pistonU = -(p.pistonU - a * t);
            left -= t;
            if (stop == 0 && a > 0 && p.pistonU * p.pistonU <= 2 * a * kFar) {
                // Bouncing on the floor under the load is periodic, 2u / a a
                // bounce, and a slow piston would bounce without end: skip
                // the whole bounces (one at rest stays at rest).
                left = p.pistonU > 0 ? std::fmod(left, 2 * p.pistonU / a) : 0.0;
            }
        }
        // A piston still with time left is on a stop: it stays there with
        // its velocity, which keeps M u^2 / 2 + F w (the tick is a little
        // short for it, the energy exact).
    } else {
        p.pistonU = 0;
    }
    p.positionSum += p.piston;
    if (s.piston != PistonMode::Fixed) {
        // The whole position follows the piston, for the readouts.
        const auto whole = static_cast<int32_t>(std::lround(p.piston));
        if (whole != state.PosPared) {
            state.PosPared = whole;
            return true;
        }
    }
    return false;
}

double Gas::pistonForce() const
{
    // "Presión" is momentum per 10 000 area over 200 ticks; the piston's
    // area is 10 000, so the load's force is load / (200 DeltaT).
    return double(m_process.settings.load) / (NPasosPresion * double(state.DeltaT));
}

void Gas::thermalWall(int32_t i, int axis, bool high)
{
    GasState &g = state;
    ProcessState &p = m_process;
    float *v[3] = {&g.VelX[i], &g.VelY[i], &g.VelZ[i]};
    float *x[3] = {&g.ParX[i], &g.ParY[i], &g.ParZ[i]};
    const double before =
        double(*v[0]) * *v[0] + double(*v[1]) * *v[1] + double(*v[2]) * *v[2];
    // Temperature is <v_axis^2> / 100: the deviation is 10 sqrt(T).
    const float sigma = 10.0f * std::sqrt(p.settings.bathTemperature);
    const float oldNormal = std::fabs(*v[axis]);
    const float old[3] = {*v[0], *v[1], *v[2]};
    const float normalSpeed = sigma * unitFluxSpeed(p.bathRandom);
    const std::array<float, 2> tangential = unitNormalPair(p.bathRandom);
    *v[(axis + 1) % 3] = sigma * tangential[0];
    *v[(axis + 2) % 3] = sigma * tangential[1];
    *v[axis] = high ? -normalSpeed : normalSpeed;
    // The particle left the wall when it crossed it, with the new velocity:
    // it has been on its way back for the time since, depth / old speed.
    // Keeping the old depth would make every speed spend the same extra
    // time in the box per crossing, which favours the fast ones: at
    // T = 100 (17 lengths a tick) the gas ran 3 % hot.
    const float depth = high ? *x[axis] - kFar : -*x[axis];
    const float since = depth < oldNormal * g.DeltaT ? depth / oldNormal : g.DeltaT;
    for (int k = 0; k < 3; ++k) {
        *x[k] += (*v[k] - old[k]) * since;
    }
    *x[axis] = high ? kFar - normalSpeed * since : normalSpeed * since;
    g.Presion += oldNormal + normalSpeed;
    const double after =
        double(*v[0]) * *v[0] + double(*v[1]) * *v[1] + double(*v[2]) * *v[2];
    p.heat += 0.01 * (after - before);
}

void Gas::pistonHit(int32_t i, float w)
{
    GasState &g = state;
    ProcessState &p = m_process;
    const float vy = g.VelY[i];
    float out = 0;
    if (p.settings.piston == PistonMode::Loaded) {
        // A 1-D elastic collision of a unit mass with the piston's mass.
        const double m = p.settings.pistonMass;
        const double u = p.pistonU;
        if (vy > u) {
            out = static_cast<float>(((1.0 - m) * vy + 2.0 * m * u) / (1.0 + m));
            p.pistonU = ((m - 1.0) * u + 2.0 * vy) / (1.0 + m);
        } else {
            out = vy; // already leaving the piston: only put back below it
        }
    } else {
        // Elastic in the piston's frame: vy - u -> u - vy.
        out = static_cast<float>(2.0 * p.pistonU - vy);
    }
    g.VelY[i] = out;
    g.ParY[i] = 2.0f * w - g.ParY[i];
    g.Presion += vy - out;
    p.work += 0.01 * (double(out) * out - double(vy) * vy);
}

// The five fixed walls as the bath: each crossing sends the particle off
// with a velocity drawn at the bath's temperature; the piston reflects.
void Gas::bathWallTests(int32_t i, float wall)
{
    GasState &g = state;
    // A fast particle near an edge crosses two walls in a tick. The one
    // it crossed first sends it off anew, and only what it meets with
    // its new velocity counts after that: taken in the order of the
    // tests instead, the second wall would see the old velocity too,
    // and the pressure of a hot gas ran 2 % high.
    for (int event = 0; event < kMaxFoldPasses; ++event) {
        float *x[3] = {&g.ParX[i], &g.ParY[i], &g.ParZ[i]};
        const float *v[3] = {&g.VelX[i], &g.VelY[i], &g.VelZ[i]};
        int axis = -1;
        bool high = false;
        float first = -1; // the longest time since a crossing
        for (int k = 0; k < 3; ++k) {
            const bool over = *x[k] > kFar && k != 1;
            if (*x[k] < 0 || over) {
                const float depth = over ? *x[k] - kFar : -*x[k];
                const float speed = std::fabs(*v[k]);
                // A particle at rest outside has been there all the tick.
                const float since = depth < speed * g.DeltaT ? depth / speed : g.DeltaT;
                if (since > first) {
                    first = since;
                    axis = k;
                    high = over;
                }
            }
        }
        if (axis < 0) {
            break;
        }
        thermalWall(i, axis, high);
    }
    if (g.ParY[i] > wall) {
        pistonHit(i, wall);
    }
}
