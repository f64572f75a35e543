#include "triangulate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace molvix {
namespace {

double cross(const Point2 &o, const Point2 &a, const Point2 &b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool samePoint(const Point2 &a, const Point2 &b)
{
    return a.x == b.x && a.y == b.y;
}

// Inside or on the boundary of triangle abc, whatever its orientation.
bool inTriangle(const Point2 &p, const Point2 &a, const Point2 &b, const Point2 &c, bool strict)
{
    const double d1 = cross(a, b, p);
    const double d2 = cross(b, c, p);
    const double d3 = cross(c, a, p);
    if (strict) {
        return (d1 > 0 && d2 > 0 && d3 > 0) || (d1 < 0 && d2 < 0 && d3 < 0);
    }
    const bool hasNeg = d1 < 0 || d2 < 0 || d3 < 0;
    const bool hasPos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(hasNeg && hasPos);
}

bool inContour(const Point2 &p, const Contour &c)
{
    bool inside = false;
    for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
        if ((c[i].y > p.y) != (c[j].y > p.y)) {
            const double x = c[j].x + (p.y - c[j].y) * (c[i].x - c[j].x) / (c[i].y - c[j].y);
            if (p.x < x) {
                inside = !inside;
            }
        }
    }
    return inside;
}

// Without repeated, non-finite or collinear points (a collinear point or a
// zero-width spike adds no area but would stall the ear search). Fewer than
// three points left means no area at all.
Contour cleaned(const Contour &input)
{
    Contour c;
    c.reserve(input.size());
    for (const Point2 &p : input) {
        if (std::isfinite(p.x) && std::isfinite(p.y) && (c.empty() || !samePoint(c.back(), p))) {
            c.push_back(p);
        }
    }
    while (c.size() > 1 && samePoint(c.front(), c.back())) {
        c.pop_back();
    }
    bool changed = true;
    while (changed && c.size() >= 3) {
        changed = false;
        for (size_t i = 0; i < c.size() && c.size() >= 3; ++i) {
            const Point2 &prev = c[(i + c.size() - 1) % c.size()];
            const Point2 &next = c[(i + 1) % c.size()];
            if (cross(prev, c[i], next) == 0.0 || samePoint(prev, next)) {
                c.erase(c.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
            }
        }
    }
    if (c.size() < 3) {
        c.clear();
    }
    return c;
}

Contour oriented(Contour c, bool counterClockwise)
{
    if ((signedArea(c) > 0) != counterClockwise) {
        std::reverse(c.begin(), c.end());
    }
    return c;
}

// Direction v -> target lies within the interior angle of the counter-
// clockwise ring at v (between the edge to next and the edge from prev).
bool inWedge(const Point2 &prev, const Point2 &v, const Point2 &next, const Point2 &target)
{
    const bool convex = cross(prev, v, next) >= 0;
    const bool leftOfOut = cross(v, next, target) >= 0;
    const bool leftOfIn = cross(prev, v, target) >= 0;
    return convex ? (leftOfOut && leftOfIn) : (leftOfOut || leftOfIn);
}

size_t nextOf(const Contour &ring, size_t i)
{
    return (i + 1) % ring.size();
}

size_t prevOf(const Contour &ring, size_t i)
{
    return (i + ring.size() - 1) % ring.size();
}

// The ring vertex that the hole's rightmost point m can see: cast a ray
// toward +x, take the nearest edge it meets, then prefer a reflex vertex
// inside the triangle that would otherwise block the bridge.
size_t bridgeTarget(const Contour &ring, const Point2 &m)
{
    double bestX = std::numeric_limits<double>::infinity();
    size_t edge = ring.size();
    for (size_t i = 0; i < ring.size(); ++i) {
        const Point2 &a = ring[i];
        const Point2 &b = ring[nextOf(ring, i)];
        double x = 0;
        if (a.y == m.y) {
            x = a.x; // the ray passes exactly through a vertex
        } else if ((a.y > m.y) != (b.y > m.y)) {
            x = a.x + (m.y - a.y) * (b.x - a.x) / (b.y - a.y);
        } else {
            continue;
        }
        if (x >= m.x && x < bestX) {
            bestX = x;
            edge = i;
        }
    }
    if (edge == ring.size()) {
        // The hole is not inside this ring (bad input): join the nearest vertex.
        size_t nearest = 0;
        double best = std::numeric_limits<double>::infinity();
        for (size_t i = 0; i < ring.size(); ++i) {
            const double d = std::hypot(ring[i].x - m.x, ring[i].y - m.y);
            if (d < best) {
                best = d;
                nearest = i;
            }
        }
        return nearest;
    }
    const size_t other = nextOf(ring, edge);
    size_t p = ring[edge].x >= ring[other].x ? edge : other;
    const Point2 hit{bestX, m.y};
    if (samePoint(hit, ring[edge])) {
        p = edge;
    } else if (samePoint(hit, ring[other])) {
        p = other;
    } else {
        double bestAngle = std::numeric_limits<double>::infinity();
        double bestDist = std::numeric_limits<double>::infinity();
        const Point2 pp = ring[p];
        for (size_t i = 0; i < ring.size(); ++i) {
            const Point2 &r = ring[i];
            if (i == p || cross(ring[prevOf(ring, i)], r, ring[nextOf(ring, i)]) >= 0 ||
                !inTriangle(r, m, hit, pp, false)) {
                continue;
            }
            const double angle = std::atan2(std::abs(r.y - m.y), r.x - m.x);
            const double dist = std::hypot(r.x - m.x, r.y - m.y);
            if (angle < bestAngle || (angle == bestAngle && dist < bestDist)) {
                bestAngle = angle;
                bestDist = dist;
                p = i;
            }
        }
    }
    // Earlier bridges duplicate vertices: join the copy whose corner the
    // bridge enters.
    for (size_t i = 0; i < ring.size(); ++i) {
        if (samePoint(ring[i], ring[p]) &&
            inWedge(ring[prevOf(ring, i)], ring[i], ring[nextOf(ring, i)], m)) {
            return i;
        }
    }
    return p;
}

// One counter-clockwise ring: outer contour with the (clockwise) holes
// spliced in, each through a bridge walked once in each direction.
Contour joinHoles(Contour ring, std::vector<Contour> holes)
{
    const auto maxX = [](const Contour &c) {
        return std::max_element(c.begin(), c.end(),
                                [](const Point2 &a, const Point2 &b) { return a.x < b.x; });
    };
    std::sort(holes.begin(), holes.end(),
              [&maxX](const Contour &a, const Contour &b) { return maxX(a)->x > maxX(b)->x; });
    for (const Contour &hole : holes) {
        const size_t m = static_cast<size_t>(maxX(hole) - hole.begin());
        const size_t p = bridgeTarget(ring, hole[m]);
        Contour joined;
        joined.reserve(ring.size() + hole.size() + 2);
        joined.insert(joined.end(), ring.begin(), ring.begin() + static_cast<std::ptrdiff_t>(p) + 1);
        for (size_t k = 0; k <= hole.size(); ++k) {
            joined.push_back(hole[(m + k) % hole.size()]);
        }
        joined.push_back(ring[p]);
        joined.insert(joined.end(), ring.begin() + static_cast<std::ptrdiff_t>(p) + 1, ring.end());
        ring = std::move(joined);
    }
    return ring;
}

void clipEars(const Contour &ring, std::vector<Triangle> &out)
{
    const size_t n = ring.size();
    if (n < 3) {
        return;
    }
    std::vector<size_t> prev(n), next(n);
    for (size_t i = 0; i < n; ++i) {
        prev[i] = (i + n - 1) % n;
        next[i] = (i + 1) % n;
    }
    const auto emit = [&out, &ring](size_t a, size_t b, size_t c) {
        if (cross(ring[a], ring[b], ring[c]) > 0) {
            out.push_back({ring[a], ring[b], ring[c]});
        }
    };
    const auto isEar = [&](size_t b, bool strict) {
        const size_t a = prev[b];
        const size_t c = next[b];
        const Point2 &pa = ring[a], &pb = ring[b], &pc = ring[c];
        if (cross(pa, pb, pc) <= 0) {
            return false;
        }
        for (size_t v = next[c]; v != a; v = next[v]) {
            const Point2 &p = ring[v];
            if (samePoint(p, pa) || samePoint(p, pb) || samePoint(p, pc)) {
                continue;
            }
            // Only a reflex (or flat) corner can reach into a convex corner's ear.
            if (cross(ring[prev[v]], p, ring[next[v]]) <= 0 && inTriangle(p, pa, pb, pc, strict)) {
                return false;
            }
        }
        return true;
    };
    const auto unlink = [&](size_t b) {
        next[prev[b]] = next[b];
        prev[next[b]] = prev[b];
    };

    size_t remaining = n;
    size_t current = 0;
    size_t stalled = 0;
    // 0: a clean ear; 1: points on the ear's edges allowed; 2: rounding has
    // left no ear at all, so clip whatever comes next to make progress.
    int level = 0;
    while (remaining > 3) {
        const bool clip = level == 2 || isEar(current, level == 1);
        if (clip) {
            emit(prev[current], current, next[current]);
            unlink(current);
            --remaining;
            current = next[current];
            stalled = 0;
            level = 0;
            continue;
        }
        current = next[current];
        if (++stalled >= remaining) {
            stalled = 0;
            ++level;
        }
    }
    emit(prev[current], current, next[current]);
}

} // namespace

double signedArea(const Contour &contour)
{
    double twice = 0;
    for (size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++) {
        twice += contour[j].x * contour[i].y - contour[i].x * contour[j].y;
    }
    return twice / 2;
}

std::vector<Triangle> triangulatePolygon(const Contour &outer, const std::vector<Contour> &holes)
{
    std::vector<Triangle> triangles;
    const Contour ring = cleaned(outer);
    if (ring.empty()) {
        return triangles;
    }
    std::vector<Contour> cleanHoles;
    for (const Contour &h : holes) {
        Contour c = cleaned(h);
        if (!c.empty()) {
            cleanHoles.push_back(oriented(std::move(c), false));
        }
    }
    clipEars(joinHoles(oriented(ring, true), std::move(cleanHoles)), triangles);
    return triangles;
}

namespace {

// Each cleaned contour with the number of contours around it and, for a
// hole, the smallest outer contour that holds it (cs.size() if none).
struct Nesting
{
    std::vector<Contour> cs;
    std::vector<int> depth;
    std::vector<size_t> parent;
};

Nesting nest(const std::vector<Contour> &contours)
{
    Nesting r;
    for (const Contour &c : contours) {
        Contour k = cleaned(c);
        if (!k.empty()) {
            r.cs.push_back(std::move(k));
        }
    }
    const size_t n = r.cs.size();
    r.depth.assign(n, 0);
    r.parent.assign(n, n);
    std::vector<double> area(n);
    for (size_t i = 0; i < n; ++i) {
        area[i] = std::abs(signedArea(r.cs[i]));
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            if (i != j && inContour(r.cs[i].front(), r.cs[j])) {
                ++r.depth[i];
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        if (r.depth[i] % 2 == 0) {
            continue;
        }
        for (size_t j = 0; j < n; ++j) {
            if (j != i && r.depth[j] == r.depth[i] - 1 && inContour(r.cs[i].front(), r.cs[j]) &&
                (r.parent[i] == n || area[j] < area[r.parent[i]])) {
                r.parent[i] = j;
            }
        }
    }
    return r;
}

} // namespace

std::vector<Contour> orientByNesting(const std::vector<Contour> &contours)
{
    Nesting nesting = nest(contours);
    std::vector<Contour> result;
    for (size_t i = 0; i < nesting.cs.size(); ++i) {
        result.push_back(oriented(std::move(nesting.cs[i]), nesting.depth[i] % 2 == 0));
    }
    return result;
}

std::vector<Triangle> triangulateContours(const std::vector<Contour> &contours)
{
    const Nesting nesting = nest(contours);
    const size_t n = nesting.cs.size();
    std::vector<Triangle> triangles;
    for (size_t i = 0; i < n; ++i) {
        if (nesting.depth[i] % 2 != 0) {
            continue;
        }
        std::vector<Contour> holes;
        for (size_t j = 0; j < n; ++j) {
            if (nesting.parent[j] == i) {
                holes.push_back(nesting.cs[j]);
            }
        }
        const std::vector<Triangle> part = triangulatePolygon(nesting.cs[i], holes);
        triangles.insert(triangles.end(), part.begin(), part.end());
    }
    return triangles;
}

} // namespace molvix
