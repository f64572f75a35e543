#include "events.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The grid has at most this many cells on an axis.
constexpr int32_t kMaxCells = 64;
// A cell is at least this many times the side of the room one particle has
// (V/N): in a sparse gas fewer cells to pass through, each naming a few.
constexpr double kCellPerRoom = 0.45;
constexpr double kNever = std::numeric_limits<double>::infinity();
constexpr int32_t kNone = 1; // with t = kNever: no event (j is never read)
// Children of a place in the heap (a binary heap measured faster than a
// 4-ary one with the many passings into cells).
constexpr size_t kArity = 2;

double dot(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

int32_t wallCode(int axis, bool high)
{
    return -1 - (2 * axis + (high ? 1 : 0));
}

// The length of a parabola over which the velocity on the height goes from
// v0 to v1 (falling at g > 0), h the speed across: the integral of
// sqrt(h^2 + v^2) dt with dv = -g dt.
double arcLength(double h, double v0, double v1, double g)
{
    const auto primitive = [h](double v) {
        const double s = std::sqrt(h * h + v * v);
        return h > 0 ? (v * s + h * h * std::asinh(v / h)) / 2 : v * s / 2;
    };
    return (primitive(v0) - primitive(v1)) / g;
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

double timeRisingTo(double p, double v, double g, double level)
{
    if (!(v > 0)) {
        return -1;
    }
    const double gap = level - p;
    if (!(gap > 0)) {
        return 0; // on it, or past it by rounding, and rising
    }
    const double disc = v * v - 2 * g * gap;
    if (disc < 0) {
        return -1; // the top of the arc is below the level
    }
    // The smaller root, written without the cancellation of v - sqrt.
    return 2 * gap / (v + std::sqrt(disc));
}

double timeFallingTo(double p, double v, double g, double level)
{
    const double drop = p - level;
    if (!(drop > 0) && !(v > 0)) {
        return 0; // on it, or past it by rounding, and not rising
    }
    // The larger root; below the level by rounding while rising, the arc
    // still comes back through it (the square is then kept from rounding
    // below 0).
    const double root = std::sqrt(std::max(0.0, v * v + 2 * g * drop));
    return v < 0 ? 2 * drop / (root - v) : (v + root) / g;
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
    EventWalls box = walls;
    if (!(box.gravity > 0 && box.side[1] > 0)) {
        box.gravity = 0;
    }
    if (!continues(bodies, box, dt, pairs)) {
        m_b = bodies;
        m_w = box;
        m_g = box.gravity;
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

double EventStep::key(int32_t i) const
{
    const auto s = static_cast<size_t>(i);
    return std::min(m_next[s].t, m_crossAt[s]);
}

void EventStep::siftUp(size_t place)
{
    const Entry e = m_heap[place];
    while (place > 0) {
        const size_t parent = (place - 1) / kArity;
        if (!(e < m_heap[parent])) {
            break;
        }
        m_heap[place] = m_heap[parent];
        m_place[static_cast<size_t>(m_heap[place].i)] = static_cast<int32_t>(place);
        place = parent;
    }
    m_heap[place] = e;
    m_place[static_cast<size_t>(e.i)] = static_cast<int32_t>(place);
}

void EventStep::siftDown(size_t place)
{
    const Entry e = m_heap[place];
    const size_t size = m_heap.size();
    for (;;) {
        const size_t first = kArity * place + 1;
        if (first >= size) {
            break;
        }
        size_t child = first;
        for (size_t c = first + 1; c < std::min(first + kArity, size); ++c) {
            if (m_heap[c] < m_heap[child]) {
                child = c;
            }
        }
        if (!(m_heap[child] < e)) {
            break;
        }
        m_heap[place] = m_heap[child];
        m_place[static_cast<size_t>(m_heap[place].i)] = static_cast<int32_t>(place);
        place = child;
    }
    m_heap[place] = e;
    m_place[static_cast<size_t>(e.i)] = static_cast<int32_t>(place);
}

void EventStep::update(int32_t i)
{
    const int32_t place = m_place[static_cast<size_t>(i)];
    if (place < 0) {
        return; // the heap is not built yet
    }
    const auto at = static_cast<size_t>(place);
    const double was = m_heap[at].key;
    m_heap[at].key = key(i);
    if (m_heap[at].key < was) {
        siftUp(at);
    } else if (m_heap[at].key > was) {
        siftDown(at);
    }
}

void EventStep::runUntil(double end)
{
    const int64_t cap = kMaxEventsPerParticle * (m_b.n + 16);
    for (int64_t made = 0; !m_heap.empty() && made < cap; ++made) {
        const int32_t i = m_heap.front().i;
        const auto s = static_cast<size_t>(i);
        if (!(m_heap.front().key <= end)) {
            break;
        }
        if (m_crossAt[s] <= m_next[s].t) {
            cross(i);
            continue;
        }
        const Event e = m_next[s];
        advance(i, e.t);
        if (e.j > 0 && e.version != m_version[static_cast<size_t>(e.j)]) {
            // The partner's course changed since: i looks again from here.
            m_next[s] = {kNever, kNone, 0};
            predict(i, 0);
            update(i);
        } else if (e.j > 0) {
            advance(e.j, e.t);
            collide(i, e.j);
        } else if (e.j == 0) {
            meetDivider(i);
        } else {
            meetWall(i, e.j);
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
        for (auto *v : {&m_px, &m_py, &m_pz, &m_tau, &m_speed, &m_flown, &m_crossAt}) {
            v->resize(size, 0.0);
        }
        m_vy.resize(size);
        m_yStep.resize(size);
        m_version.resize(size);
        m_right.resize(size);
        m_next.resize(size);
        m_crossAxis.resize(size);
        m_crossings.resize(size);
        m_place.resize(size);
        m_cellOf.resize(size);
        m_nextIn.resize(size);
        m_prevIn.resize(size);
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
            for (size_t a = 0; a < 3; ++a) {
                *out[a] = std::clamp(p[a], 0.0, std::max(0.0, m_w.side[a]));
            }
            m_right[s] = m_b.x[i] < mid ? 0 : 1;
            m_vy[s] = m_b.vy[i];
            m_speed[s] = std::sqrt(double(m_b.vx[i]) * m_b.vx[i] +
                                   double(m_b.vy[i]) * m_b.vy[i] + double(m_b.vz[i]) * m_b.vz[i]);
        } else {
            advance(i, m_clock);
        }
        m_tau[s] = 0;
        m_version[s] = 0;
        m_next[s] = {kNever, kNone, 0};
        m_crossAt[s] = kNever;
        m_place[s] = -1;
    }
    m_clock = 0;
    m_horizon = kWindowSteps * m_dt;
    if (m_pairs) {
        makeGrid();
    }
    // Each pair once, offered to both; then the heap, built at once.
    for (int32_t i = 1; i <= m_b.n; ++i) {
        predict(i, i);
        planCrossing(i);
    }
    m_heap.resize(static_cast<size_t>(m_b.n));
    for (int32_t i = 1; i <= m_b.n; ++i) {
        m_heap[static_cast<size_t>(i - 1)] = {key(i), i};
        m_place[static_cast<size_t>(i)] = i - 1;
    }
    for (size_t place = std::min(m_heap.size(), m_heap.size() / kArity + 1); place-- > 0;) {
        siftDown(place);
    }
}

void EventStep::makeGrid()
{
    // Cells at least as wide as the widest contact, so that two spheres
    // can only touch from the same or the next cells; wider in a sparse
    // gas.
    double widest = 0;
    for (int32_t i = 1; i <= m_b.n; ++i) {
        widest = std::max(widest, double(m_b.radius[i]));
    }
    double volume = 1;
    for (const double s : m_w.side) {
        volume *= std::max(s, 1.0);
    }
    const double cell = std::max(2 * widest * (1 + 1e-9) + 1e-9,
                                 kCellPerRoom * std::cbrt(volume / m_b.n));
    int32_t total = 1;
    for (size_t a = 0; a < 3; ++a) {
        const double side = m_w.side[a];
        m_cells[a] = side > 0 ? std::clamp(static_cast<int32_t>(side / cell), 1, kMaxCells) : 1;
        m_width[a] = side > 0 ? side / m_cells[a] : 1.0;
        total *= m_cells[a];
    }
    m_head.assign(static_cast<size_t>(total), -1);
    for (int32_t i = 1; i <= m_b.n; ++i) {
        const auto s = static_cast<size_t>(i);
        const double p[3] = {m_px[s], m_py[s], m_pz[s]};
        auto &c = m_cellOf[s];
        for (size_t a = 0; a < 3; ++a) {
            c[a] = std::clamp(static_cast<int32_t>(p[a] / m_width[a]), 0, m_cells[a] - 1);
        }
        enter(i, (c[2] * m_cells[1] + c[1]) * m_cells[0] + c[0]);
    }
}

void EventStep::enter(int32_t i, int32_t cell)
{
    const auto s = static_cast<size_t>(i);
    const int32_t first = m_head[static_cast<size_t>(cell)];
    m_nextIn[s] = first;
    m_prevIn[s] = -1;
    if (first >= 0) {
        m_prevIn[static_cast<size_t>(first)] = i;
    }
    m_head[static_cast<size_t>(cell)] = i;
}

void EventStep::leave(int32_t i)
{
    const auto s = static_cast<size_t>(i);
    const auto &c = m_cellOf[s];
    const int32_t prev = m_prevIn[s], next = m_nextIn[s];
    if (prev >= 0) {
        m_nextIn[static_cast<size_t>(prev)] = next;
    } else {
        m_head[static_cast<size_t>((c[2] * m_cells[1] + c[1]) * m_cells[0] + c[0])] = next;
    }
    if (next >= 0) {
        m_prevIn[static_cast<size_t>(next)] = prev;
    }
}

std::array<double, 3> EventStep::at(int32_t i, double t) const
{
    const auto s = static_cast<size_t>(i);
    const double dt = t - m_tau[s];
    if (m_g != 0) {
        return {m_px[s] + m_b.vx[i] * dt, m_py[s] + (m_vy[s] - 0.5 * m_g * dt) * dt,
                m_pz[s] + m_b.vz[i] * dt};
    }
    return {m_px[s] + m_b.vx[i] * dt, m_py[s] + m_b.vy[i] * dt, m_pz[s] + m_b.vz[i] * dt};
}

double EventStep::vyNow(int32_t i) const
{
    return m_g != 0 ? m_vy[static_cast<size_t>(i)] : double(m_b.vy[i]);
}

double EventStep::vyAt(int32_t i, double t) const
{
    return m_g != 0 ? m_vy[static_cast<size_t>(i)] - m_g * (t - m_tau[static_cast<size_t>(i)])
                    : double(m_b.vy[i]);
}

void EventStep::predict(int32_t i, int32_t above)
{
    // i's first event from its last one on: the first wall or divider it
    // meets within the window, or the first contact with a particle above
    // `above` in its own or the next cells (offered to that one too).
    const auto s = static_cast<size_t>(i);
    const double now = m_tau[s];
    const std::array<double, 3> p = {m_px[s], m_py[s], m_pz[s]};
    const double v[3] = {m_b.vx[i], vyNow(i), m_b.vz[i]};
    Event &best = m_next[s];
    for (size_t a = 0; a < 3; ++a) {
        const double side = m_w.side[a];
        if (a == 1 && m_g != 0) {
            // On an arc: the top while rising, else the floor, always met.
            const double up = timeRisingTo(p[1], v[1], m_g, side);
            const bool high = up >= 0;
            const double t = now + (high ? up : timeFallingTo(p[1], v[1], m_g, 0.0));
            if (t < best.t && t <= m_horizon) {
                best = {t, wallCode(1, high), 0};
            }
            continue;
        }
        if (!(side > 0) || v[a] == 0) {
            continue;
        }
        const bool high = v[a] > 0;
        const double t = now + std::max(0.0, ((high ? side : 0.0) - p[a]) / v[a]);
        if (t < best.t && t <= m_horizon) {
            best = {t, wallCode(static_cast<int>(a), high), 0};
        }
    }
    if (m_w.divider && (m_right[s] != 0 ? v[0] < 0 : v[0] > 0)) {
        // Heading for the plane from its side: it meets it, at once if
        // rounding left it on the plane.
        const double t = now + std::max(0.0, (m_w.side[0] / 2 - p[0]) / v[0]);
        if (t < best.t && t <= m_horizon) {
            best = {t, 0, 0};
        }
    }
    if (!m_pairs) {
        return;
    }
    const auto &c = m_cellOf[s];
    const int32_t lo[3] = {std::max(c[0] - 1, 0), std::max(c[1] - 1, 0), std::max(c[2] - 1, 0)};
    const int32_t hi[3] = {std::min(c[0] + 1, m_cells[0] - 1), std::min(c[1] + 1, m_cells[1] - 1),
                           std::min(c[2] + 1, m_cells[2] - 1)};
    for (int32_t z = lo[2]; z <= hi[2]; ++z) {
        for (int32_t y = lo[1]; y <= hi[1]; ++y) {
            for (int32_t x = lo[0]; x <= hi[0]; ++x) {
                const auto cell = static_cast<size_t>((z * m_cells[1] + y) * m_cells[0] + x);
                for (int32_t k = m_head[cell]; k >= 0; k = m_nextIn[static_cast<size_t>(k)]) {
                    if (k > above && k != i) {
                        offer(i, k, now, p);
                    }
                }
            }
        }
    }
}

void EventStep::offer(int32_t i, int32_t k, double now, const std::array<double, 3> &at)
{
    // The contact of i (at `at` at `now`) and k on their present courses:
    // the first event of either, if earlier than the one it has.
    const auto si = static_cast<size_t>(i), sk = static_cast<size_t>(k);
    const double dt = now - m_tau[sk];
    std::array<double, 3> dr = {m_px[sk] + m_b.vx[k] * dt - at[0],
                                m_py[sk] + m_b.vy[k] * dt - at[1],
                                m_pz[sk] + m_b.vz[k] * dt - at[2]};
    std::array<double, 3> dv = {double(m_b.vx[k]) - m_b.vx[i], double(m_b.vy[k]) - m_b.vy[i],
                                double(m_b.vz[k]) - m_b.vz[i]};
    if (m_g != 0) {
        // Both fall alike: from `now` on the one seen from the other flies
        // straight at their present difference, and the straight contact
        // time is exact.
        dr[1] = this->at(k, now)[1] - at[1];
        dv[1] = vyAt(k, now) - vyAt(i, now);
    }
    const double t = contactTime(dr, dv, double(m_b.radius[i]) + m_b.radius[k], now, m_horizon);
    if (t < 0) {
        return;
    }
    if (t < m_next[si].t) {
        m_next[si] = {t, k, m_version[sk]};
    }
    if (t < m_next[sk].t) {
        m_next[sk] = {t, i, m_version[si]};
        update(k);
    }
}

void EventStep::planCrossing(int32_t i)
{
    // When i's centre passes into the next cell on its course, on each
    // axis, if within the window (never out of the grid: a wall is there).
    for (int a = 0; a < 3; ++a) {
        crossingOn(i, a);
    }
    firstCrossing(i);
}

void EventStep::crossingOn(int32_t i, int axis, bool rising)
{
    const auto s = static_cast<size_t>(i);
    const auto a = static_cast<size_t>(axis);
    if (a == 1 && m_g != 0) {
        // On an arc: up through the border above while rising (not after a
        // passing down: the arc does not rise again), else down through the
        // one below.
        const int32_t c = m_cellOf[s][1];
        double up = kNever, down = kNever;
        if (m_pairs && rising && c < m_cells[1] - 1) {
            const double t = timeRisingTo(m_py[s], m_vy[s], m_g, (c + 1) * m_width[1]);
            up = t >= 0 ? m_tau[s] + t : kNever;
        }
        if (m_pairs && c > 0) {
            down = m_tau[s] + timeFallingTo(m_py[s], m_vy[s], m_g, c * m_width[1]);
        }
        m_yStep[s] = up < down ? 1 : -1;
        const double t = std::min(up, down);
        m_crossings[s][1] = t <= m_horizon ? t : kNever;
        return;
    }
    const double p = a == 0 ? m_px[s] : a == 1 ? m_py[s] : m_pz[s];
    const double v = a == 0 ? m_b.vx[i] : a == 1 ? m_b.vy[i] : m_b.vz[i];
    const int32_t c = m_cellOf[s][a];
    const bool up = v > 0;
    double t = kNever;
    if (m_pairs && v != 0 && (up ? c < m_cells[a] - 1 : c > 0)) {
        const double border = (c + (up ? 1 : 0)) * m_width[a];
        t = m_tau[s] + std::max(0.0, (border - p) / v);
    }
    m_crossings[s][a] = t <= m_horizon ? t : kNever;
}

void EventStep::firstCrossing(int32_t i)
{
    const auto s = static_cast<size_t>(i);
    const auto &t = m_crossings[s];
    const int a = t[1] < t[0] ? (t[2] < t[1] ? 2 : 1) : (t[2] < t[0] ? 2 : 0);
    m_crossAt[s] = t[static_cast<size_t>(a)];
    m_crossAxis[s] = static_cast<int8_t>(a);
}

void EventStep::cross(int32_t i)
{
    // Into the next cell: its course is the same, and those in the layer
    // of cells it now borders are looked at.
    const auto s = static_cast<size_t>(i);
    const double now = m_crossAt[s];
    const auto a = static_cast<size_t>(m_crossAxis[s]);
    const float *v[3] = {m_b.vx, m_b.vy, m_b.vz};
    const int32_t step = a == 1 && m_g != 0 ? m_yStep[s] : v[a][i] > 0 ? 1 : -1;
    leave(i);
    auto &c = m_cellOf[s];
    c[a] += step;
    enter(i, (c[2] * m_cells[1] + c[1]) * m_cells[0] + c[0]);
    const int32_t layer = c[a] + step;
    if (layer >= 0 && layer < m_cells[a]) {
        const std::array<double, 3> p = at(i, now);
        const size_t b = (a + 1) % 3, d = (a + 2) % 3;
        for (int32_t u = std::max(c[b] - 1, 0); u <= std::min(c[b] + 1, m_cells[b] - 1); ++u) {
            for (int32_t w = std::max(c[d] - 1, 0); w <= std::min(c[d] + 1, m_cells[d] - 1); ++w) {
                std::array<int32_t, 3> n{};
                n[a] = layer;
                n[b] = u;
                n[d] = w;
                const auto cell = static_cast<size_t>((n[2] * m_cells[1] + n[1]) * m_cells[0] + n[0]);
                for (int32_t k = m_head[cell]; k >= 0; k = m_nextIn[static_cast<size_t>(k)]) {
                    offer(i, k, now, p);
                }
            }
        }
    }
    // Only the border on that axis moved on.
    crossingOn(i, static_cast<int>(a), step > 0);
    firstCrossing(i);
    update(i);
}

void EventStep::advance(int32_t i, double t)
{
    const auto s = static_cast<size_t>(i);
    const double dt = t - m_tau[s];
    if (m_g != 0) {
        const double v1 = m_vy[s] - m_g * dt;
        m_px[s] += m_b.vx[i] * dt;
        m_py[s] += (m_vy[s] - 0.5 * m_g * dt) * dt;
        m_pz[s] += m_b.vz[i] * dt;
        const double across =
            std::sqrt(double(m_b.vx[i]) * m_b.vx[i] + double(m_b.vz[i]) * m_b.vz[i]);
        m_flown[s] += arcLength(across, m_vy[s], v1, m_g);
        m_vy[s] = v1;
        m_b.vy[i] = static_cast<float>(v1); // as the listener reads it
        m_tau[s] = t;
        return;
    }
    m_px[s] += m_b.vx[i] * dt;
    m_py[s] += m_b.vy[i] * dt;
    m_pz[s] += m_b.vz[i] * dt;
    m_flown[s] += m_speed[s] * dt;
    m_tau[s] = t;
}

void EventStep::afterCourseChange(int32_t i)
{
    // Its version already moved on, so that events with its old course
    // are dropped when their time comes.
    const auto s = static_cast<size_t>(i);
    m_next[s] = {kNever, kNone, 0};
    predict(i, 0);
    planCrossing(i);
    update(i);
}

void EventStep::collide(int32_t i, int32_t j)
{
    m_listener->contact(i, j);
    const auto si = static_cast<size_t>(i), sj = static_cast<size_t>(j);
    std::array<double, 3> n = {m_px[sj] - m_px[si], m_py[sj] - m_py[si], m_pz[sj] - m_pz[si]};
    const double r = std::sqrt(dot(n, n));
    if (r > 0 && m_g != 0) {
        for (double &c : n) {
            c /= r;
        }
        // As below, with the velocity on the height kept in double.
        const double mi = m_b.mass[i], mj = m_b.mass[j];
        const double un = (double(m_b.vx[j]) - m_b.vx[i]) * n[0] + (m_vy[sj] - m_vy[si]) * n[1] +
                          (double(m_b.vz[j]) - m_b.vz[i]) * n[2];
        const double impulse = 2.0 * mi * mj / (mi + mj) * un;
        m_b.vx[i] = static_cast<float>(m_b.vx[i] + impulse / mi * n[0]);
        m_vy[si] += impulse / mi * n[1];
        m_b.vz[i] = static_cast<float>(m_b.vz[i] + impulse / mi * n[2]);
        m_b.vx[j] = static_cast<float>(m_b.vx[j] - impulse / mj * n[0]);
        m_vy[sj] -= impulse / mj * n[1];
        m_b.vz[j] = static_cast<float>(m_b.vz[j] - impulse / mj * n[2]);
        m_b.vy[i] = static_cast<float>(m_vy[si]);
        m_b.vy[j] = static_cast<float>(m_vy[sj]);
    } else if (r > 0) {
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
    m_version[si] += 1;
    m_version[sj] += 1;
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
    if (axis == 1 && m_g != 0) {
        m_vy[s] = -m_vy[s];
        v[1][i] = static_cast<float>(m_vy[s]);
    } else {
        v[axis][i] = -v[axis][i];
    }
    m_listener->wall(i, axis, high);
    if (axis == 1 && !high && m_g != 0) {
        liftOffFloor(i);
    }
    m_version[s] += 1;
    afterCourseChange(i);
}

void EventStep::liftOffFloor(int32_t i)
{
    // A sphere that leaves the floor slower than this bounces more than
    // kFloorBouncesPerTick times a tick (2 v / g apart): at rest on it, it
    // would bounce without end at one moment. It leaves at this speed, the
    // energy taken from its motion across, so that the total is kept (an
    // energy it has not, a sphere at rest, is the least that can be added).
    const auto s = static_cast<size_t>(i);
    const double least = m_g * m_dt / (2.0 * kFloorBouncesPerTick);
    if (!(m_vy[s] < least)) {
        return;
    }
    const double need = least * least - m_vy[s] * m_vy[s];
    const double across = double(m_b.vx[i]) * m_b.vx[i] + double(m_b.vz[i]) * m_b.vz[i];
    if (across > need) {
        const double scale = std::sqrt((across - need) / across);
        m_b.vx[i] = static_cast<float>(m_b.vx[i] * scale);
        m_b.vz[i] = static_cast<float>(m_b.vz[i] * scale);
    }
    m_vy[s] = least;
    m_b.vy[i] = static_cast<float>(least);
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
    m_version[s] += 1;
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
        if (m_g != 0) {
            m_b.y[i] = std::clamp(static_cast<float>(m_py[s] + (m_vy[s] - 0.5 * m_g * dt) * dt),
                                  0.0f, sides[1]);
            m_b.vy[i] = static_cast<float>(m_vy[s] - m_g * dt);
        } else {
            m_b.y[i] = std::clamp(static_cast<float>(m_py[s] + m_b.vy[i] * dt), 0.0f, sides[1]);
        }
        m_b.z[i] = std::clamp(static_cast<float>(m_pz[s] + m_b.vz[i] * dt), 0.0f, sides[2]);
        for (size_t a = 0; a < 6; ++a) {
            m_out[a][s] = arrays[a][i];
        }
    }
}
