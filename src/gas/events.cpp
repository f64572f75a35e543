#include "events.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A swept box is this much wider than the float rounding of its bounds.
constexpr float kPad = 1e-3f;
// The grid has at most this many cells on an axis.
constexpr int32_t kMaxCells = 64;

double dot(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

int32_t wallCode(int axis, bool high)
{
    return -1 - (2 * axis + (high ? 1 : 0));
}

} // namespace

double contactTime(const std::array<double, 3> &dr, const std::array<double, 3> &dv, double sigma,
                   double from, double to)
{
    const double b = dot(dr, dv);
    if (!(b < 0)) {
        return -1; // moving apart, or keeping their distance
    }
    const double c = dot(dr, dr) - sigma * sigma;
    if (c <= 0) {
        return from; // touching already and closing in: now
    }
    const double a = dot(dv, dv);
    const double disc = b * b - a * c;
    if (!(disc > 0)) {
        return -1; // the closest approach stays outside contact
    }
    // The smaller root, written without the cancellation of -b - sqrt.
    const double t = from + c / (-b + std::sqrt(disc));
    return t <= to ? t : -1;
}

void EventStep::reset()
{
    std::fill(m_flown.begin(), m_flown.end(), 0.0);
    m_live = false;
}

bool EventStep::continues(const EventBodies &b, const EventWalls &walls, double dt,
                          bool pairs) const
{
    if (!m_live || b.n != m_b.n || !(walls == m_w) || dt != m_dt || pairs != m_pairs ||
        b.x != m_b.x || b.vx != m_b.vx) {
        return false;
    }
    // An axis with no room has no walls to keep a flight in: each step
    // starts from the positions put back on it.
    if (!(walls.side[0] > 0 && walls.side[1] > 0 && walls.side[2] > 0)) {
        return false;
    }
    const float *now[6] = {b.x, b.y, b.z, b.vx, b.vy, b.vz};
    for (size_t a = 0; a < 6; ++a) {
        if (!std::equal(now[a] + 1, now[a] + b.n + 1, m_out[a].begin() + 1)) {
            return false;
        }
    }
    return true;
}

void EventStep::run(const EventBodies &bodies, const EventWalls &walls, double dt, bool pairs,
                    EventListener &listener)
{
    m_listener = &listener;
    pairs = pairs && bodies.n > 1;
    if (!continues(bodies, walls, dt, pairs)) {
        m_b = bodies;
        m_w = walls;
        m_dt = dt;
        m_pairs = pairs;
        begin(true);
    } else if (m_clock + dt > m_horizon) {
        begin(false);
    }
    const double end = m_clock + dt;
    runUntil(end);
    finish(end);
    m_clock = end;
    m_live = true;
}

void EventStep::runUntil(double end)
{
    const int64_t cap = kMaxEventsPerParticle * (m_b.n + 16);
    for (int64_t made = 0; !m_heap.empty() && m_heap.front().t <= end && made < cap;) {
        std::pop_heap(m_heap.begin(), m_heap.end(), std::greater<>{});
        const Event e = m_heap.back();
        m_heap.pop_back();
        // A course changed since the prediction: stale.
        if (e.vi != m_version[static_cast<size_t>(e.i)] ||
            (e.j > 0 && e.vj != m_version[static_cast<size_t>(e.j)])) {
            continue;
        }
        ++made;
        advance(e.i, e.t);
        if (e.j > 0) {
            advance(e.j, e.t);
            collide(e.i, e.j);
        } else if (e.j == 0) {
            meetDivider(e.i);
        } else {
            meetWall(e.i, e.j);
        }
    }
}

void EventStep::begin(bool fromCaller)
{
    // A new window: every particle at its own time 0, where it stands. From
    // the caller's arrays, inside the walls (a wall moved by hand may have
    // left one on it); else where the last window's flight has it.
    const auto size = static_cast<size_t>(m_b.n) + 1;
    if (m_flown.size() < size) {
        for (auto *v : {&m_px, &m_py, &m_pz, &m_tau, &m_speed, &m_flown}) {
            v->resize(size, 0.0);
        }
        m_version.resize(size);
        m_seen.resize(size);
        m_right.resize(size);
        m_box.resize(size);
        for (auto &out : m_out) {
            out.resize(size);
        }
    }
    const double mid = m_w.side[0] / 2;
    for (int32_t i = 1; i <= m_b.n; ++i) {
        const auto s = static_cast<size_t>(i);
        if (fromCaller) {
            const double p[3] = {m_b.x[i], m_b.y[i], m_b.z[i]};
            double *out[3] = {&m_px[s], &m_py[s], &m_pz[s]};
            for (int a = 0; a < 3; ++a) {
                *out[a] = std::clamp(p[a], 0.0, std::max(0.0, m_w.side[a]));
            }
            m_right[s] = m_b.x[i] < mid ? 0 : 1;
            m_speed[s] = std::sqrt(double(m_b.vx[i]) * m_b.vx[i] +
                                   double(m_b.vy[i]) * m_b.vy[i] + double(m_b.vz[i]) * m_b.vz[i]);
        } else {
            advance(i, m_clock);
        }
        m_tau[s] = 0;
        m_version[s] = 0;
        m_seen[s] = 0;
    }
    // About a tenth of a contact per particle in a window.
    if (!fromCaller && m_b.n > 0) {
        const double perStep = static_cast<double>(m_windowContacts) / (m_b.n * m_clock / m_dt);
        m_windowSteps = perStep > 0 ? static_cast<int>(std::clamp(0.1 / perStep, 1.0,
                                                                  double(kWindowSteps)))
                                    : kWindowSteps;
    }
    m_windowContacts = 0;
    m_clock = 0;
    m_horizon = m_windowSteps * m_dt;
    m_stamp = 0;
    m_heap.clear();
    if (m_pairs) {
        makeGrid();
    }
    for (int32_t i = 1; i <= m_b.n; ++i) {
        plan(i);
    }
    for (int32_t i = 1; i <= m_b.n && m_pairs; ++i) {
        predictPairs(i, i);
    }
}

void EventStep::makeGrid()
{
    // Cells about as wide as the widest contact plus a typical flight of
    // the step, and no more cells than particles: a box then meets a few
    // cells, each naming a few particles.
    double widest = 0, squares = 0;
    for (int32_t i = 1; i <= m_b.n; ++i) {
        widest = std::max(widest, double(m_b.radius[i]));
        squares += m_speed[static_cast<size_t>(i)] * m_speed[static_cast<size_t>(i)];
    }
    const double flight = std::sqrt(squares / m_b.n) * m_dt * m_windowSteps;
    double volume = 1;
    for (const double s : m_w.side) {
        volume *= std::max(s, 1.0);
    }
    const double cell = std::max(2 * widest + flight, 0.5 * std::cbrt(volume / m_b.n));
    int32_t total = 1;
    for (int a = 0; a < 3; ++a) {
        const double side = m_w.side[a];
        m_cells[a] = side > 0 ? std::clamp(static_cast<int32_t>(side / cell), 1, kMaxCells) : 1;
        m_perLength[a] = side > 0 ? m_cells[a] / side : 0.0;
        total *= m_cells[a];
    }
    m_head.assign(static_cast<size_t>(total), -1);
    m_entries.clear();
}

std::array<int32_t, 6> EventStep::cellRange(int32_t i) const
{
    const auto &b = m_box[static_cast<size_t>(i)];
    std::array<int32_t, 6> r{};
    for (int a = 0; a < 3; ++a) {
        const double top = m_cells[a] - 1;
        r[2 * a] = static_cast<int32_t>(std::clamp(b[2 * a] * m_perLength[a], 0.0, top));
        r[2 * a + 1] = static_cast<int32_t>(std::clamp(b[2 * a + 1] * m_perLength[a], 0.0, top));
    }
    return r;
}

void EventStep::push(const Event &e)
{
    m_heap.push_back(e);
    std::push_heap(m_heap.begin(), m_heap.end(), std::greater<>{});
}

void EventStep::plan(int32_t i)
{
    // i's course from its last event: the first wall or divider it meets
    // (an event, if within the step), and the box its sphere sweeps until
    // then, entered in the grid.
    const auto s = static_cast<size_t>(i);
    const double now = m_tau[s];
    const double p[3] = {m_px[s], m_py[s], m_pz[s]};
    const double v[3] = {m_b.vx[i], m_b.vy[i], m_b.vz[i]};
    double first = m_horizon;
    int32_t code = 1; // none
    for (int a = 0; a < 3; ++a) {
        const double side = m_w.side[a];
        if (!(side > 0) || v[a] == 0) {
            continue;
        }
        const bool high = v[a] > 0;
        const double t = now + std::max(0.0, ((high ? side : 0.0) - p[a]) / v[a]);
        if (t < first || (t == first && code == 1)) {
            first = t;
            code = wallCode(a, high);
        }
    }
    if (m_w.divider && (m_right[s] != 0 ? v[0] < 0 : v[0] > 0)) {
        // Heading for the plane from its side: it meets it, at once if
        // rounding left it on the plane.
        const double t = now + std::max(0.0, (m_w.side[0] / 2 - p[0]) / v[0]);
        if (t < first || (t == first && code == 1)) {
            first = t;
            code = 0;
        }
    }
    if (code != 1) {
        push({first, i, code, m_version[s], 0}); // within the window
    }
    const double r = m_b.radius[i];
    auto &box = m_box[s];
    for (int a = 0; a < 3; ++a) {
        const double to = p[a] + v[a] * (first - now);
        box[2 * a] = static_cast<float>(std::min(p[a], to) - r) - kPad;
        box[2 * a + 1] = static_cast<float>(std::max(p[a], to) + r) + kPad;
    }
    if (!m_pairs) {
        return;
    }
    const auto c = cellRange(i);
    for (int32_t z = c[4]; z <= c[5]; ++z) {
        for (int32_t y = c[2]; y <= c[3]; ++y) {
            for (int32_t x = c[0]; x <= c[1]; ++x) {
                const auto cell = static_cast<size_t>((z * m_cells[1] + y) * m_cells[0] + x);
                m_entries.push_back({i, m_head[cell]});
                m_head[cell] = static_cast<int32_t>(m_entries.size() - 1);
            }
        }
    }
}

void EventStep::predictPairs(int32_t i, int32_t above)
{
    // i's contacts with every particle above `above` whose box meets its
    // own: two spheres that touch on their present courses are both in
    // their boxes then.
    const auto si = static_cast<size_t>(i);
    const auto &bi = m_box[si];
    const double now = m_tau[si];
    const double vi[3] = {m_b.vx[i], m_b.vy[i], m_b.vz[i]};
    m_seen[si] = ++m_stamp;
    const auto c = cellRange(i);
    for (int32_t z = c[4]; z <= c[5]; ++z) {
        for (int32_t y = c[2]; y <= c[3]; ++y) {
            for (int32_t x = c[0]; x <= c[1]; ++x) {
                const auto cell = static_cast<size_t>((z * m_cells[1] + y) * m_cells[0] + x);
                for (int32_t e = m_head[cell]; e >= 0; e = m_entries[static_cast<size_t>(e)].next) {
                    const int32_t k = m_entries[static_cast<size_t>(e)].particle;
                    const auto sk = static_cast<size_t>(k);
                    if (k <= above || m_seen[sk] == m_stamp) {
                        continue;
                    }
                    m_seen[sk] = m_stamp;
                    const auto &bk = m_box[sk];
                    if (bk[0] > bi[1] || bk[1] < bi[0] || bk[2] > bi[3] || bk[3] < bi[2] ||
                        bk[4] > bi[5] || bk[5] < bi[4]) {
                        continue;
                    }
                    const double dt = now - m_tau[sk];
                    const std::array<double, 3> dr = {m_px[sk] + m_b.vx[k] * dt - m_px[si],
                                                      m_py[sk] + m_b.vy[k] * dt - m_py[si],
                                                      m_pz[sk] + m_b.vz[k] * dt - m_pz[si]};
                    const std::array<double, 3> dv = {double(m_b.vx[k]) - vi[0],
                                                      double(m_b.vy[k]) - vi[1],
                                                      double(m_b.vz[k]) - vi[2]};
                    const double sigma = double(m_b.radius[i]) + m_b.radius[k];
                    const double t = contactTime(dr, dv, sigma, now, m_horizon);
                    if (t >= 0) {
                        push({t, i, k, m_version[si], m_version[sk]});
                    }
                }
            }
        }
    }
}

void EventStep::advance(int32_t i, double t)
{
    const auto s = static_cast<size_t>(i);
    const double dt = t - m_tau[s];
    m_px[s] += m_b.vx[i] * dt;
    m_py[s] += m_b.vy[i] * dt;
    m_pz[s] += m_b.vz[i] * dt;
    m_flown[s] += m_speed[s] * dt;
    m_tau[s] = t;
}

void EventStep::afterCourseChange(int32_t i)
{
    const auto s = static_cast<size_t>(i);
    m_version[s] += 1;
    plan(i);
    if (m_pairs) {
        predictPairs(i, 0);
    }
}

void EventStep::collide(int32_t i, int32_t j)
{
    ++m_windowContacts;
    m_listener->contact(i, j);
    const auto si = static_cast<size_t>(i), sj = static_cast<size_t>(j);
    std::array<double, 3> n = {m_px[sj] - m_px[si], m_py[sj] - m_py[si], m_pz[sj] - m_pz[si]};
    const double r = std::sqrt(dot(n, n));
    if (r > 0) {
        for (double &c : n) {
            c /= r;
        }
        // The elastic exchange along the line of centres for masses mi, mj:
        // momentum and energy are kept; the tangential components stay.
        const double mi = m_b.mass[i], mj = m_b.mass[j];
        const double un = (m_b.vx[j] - m_b.vx[i]) * n[0] + (m_b.vy[j] - m_b.vy[i]) * n[1] +
                          (m_b.vz[j] - m_b.vz[i]) * n[2];
        const double impulse = 2.0 * mi * mj / (mi + mj) * un;
        m_b.vx[i] = static_cast<float>(m_b.vx[i] + impulse / mi * n[0]);
        m_b.vy[i] = static_cast<float>(m_b.vy[i] + impulse / mi * n[1]);
        m_b.vz[i] = static_cast<float>(m_b.vz[i] + impulse / mi * n[2]);
        m_b.vx[j] = static_cast<float>(m_b.vx[j] - impulse / mj * n[0]);
        m_b.vy[j] = static_cast<float>(m_b.vy[j] - impulse / mj * n[1]);
        m_b.vz[j] = static_cast<float>(m_b.vz[j] - impulse / mj * n[2]);
    }
    for (const int32_t p : {i, j}) {
        const auto s = static_cast<size_t>(p);
        m_speed[s] = std::sqrt(double(m_b.vx[p]) * m_b.vx[p] + double(m_b.vy[p]) * m_b.vy[p] +
                               double(m_b.vz[p]) * m_b.vz[p]);
    }
    afterCourseChange(i);
    afterCourseChange(j);
}

void EventStep::meetWall(int32_t i, int code)
{
    const auto s = static_cast<size_t>(i);
    const int axis = (-1 - code) / 2;
    const bool high = (-1 - code) % 2 == 1;
    double *p[3] = {&m_px[s], &m_py[s], &m_pz[s]};
    float *v[3] = {m_b.vx, m_b.vy, m_b.vz};
    *p[axis] = high ? m_w.side[axis] : 0.0; // on the wall, not a rounding past it
    v[axis][i] = -v[axis][i];
    m_listener->wall(i, axis, high);
    afterCourseChange(i);
}

void EventStep::meetDivider(int32_t i)
{
    const auto s = static_cast<size_t>(i);
    m_px[s] = m_w.side[0] / 2;
    if (m_w.hole && std::abs(m_py[s] - m_w.holeY) <= m_w.holeHalf &&
        std::abs(m_pz[s] - m_w.holeZ) <= m_w.holeHalf) {
        // Through the hole, its course unchanged.
        m_right[s] = m_right[s] != 0 ? 0 : 1;
        m_listener->crossed(i, m_right[s] != 0);
    } else {
        m_b.vx[i] = -m_b.vx[i];
    }
    afterCourseChange(i);
}

void EventStep::finish(double end)
{
    // Each particle where its flight has it at the step's end, in float:
    // inside the walls (the rounding of a position on a wall may fall just
    // outside), and behind the divider on the side it is on. Its course in
    // double goes on into the next step.
    const float mid = static_cast<float>(m_w.side[0] / 2);
    const float sides[3] = {static_cast<float>(std::max(0.0, m_w.side[0])),
                            static_cast<float>(std::max(0.0, m_w.side[1])),
                            static_cast<float>(std::max(0.0, m_w.side[2]))};
    float *arrays[6] = {m_b.x, m_b.y, m_b.z, m_b.vx, m_b.vy, m_b.vz};
    for (int32_t i = 1; i <= m_b.n; ++i) {
        const auto s = static_cast<size_t>(i);
        const double dt = end - m_tau[s];
        float x = std::clamp(static_cast<float>(m_px[s] + m_b.vx[i] * dt), 0.0f, sides[0]);
        if (m_w.divider) {
            if (m_right[s] != 0 && !(x > mid)) {
                x = std::nextafter(mid, sides[0]);
            } else if (m_right[s] == 0 && !(x < mid)) {
                x = std::nextafter(mid, 0.0f);
            }
        }
        m_b.x[i] = x;
        m_b.y[i] = std::clamp(static_cast<float>(m_py[s] + m_b.vy[i] * dt), 0.0f, sides[1]);
        m_b.z[i] = std::clamp(static_cast<float>(m_pz[s] + m_b.vz[i] * dt), 0.0f, sides[2]);
        for (size_t a = 0; a < 6; ++a) {
            m_out[a][s] = arrays[a][i];
        }
    }
}
