// The ear-clipping triangulator: the triangles must cover exactly the
// filled area (their areas add up to it, none sits in a hole or outside),
// come out counter-clockwise, and degenerate input must never fail.
#include "triangulate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

using molvix::Contour;
using molvix::Point2;
using molvix::Triangle;

namespace {

double area(const Triangle &t)
{
    return ((t.b.x - t.a.x) * (t.c.y - t.a.y) - (t.b.y - t.a.y) * (t.c.x - t.a.x)) / 2;
}

double totalArea(const std::vector<Triangle> &ts)
{
    double sum = 0;
    for (const Triangle &t : ts) {
        sum += area(t);
    }
    return sum;
}

bool inside(const Point2 &p, const Contour &c)
{
    bool in = false;
    for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
        if ((c[i].y > p.y) != (c[j].y > p.y) &&
            p.x < c[j].x + (p.y - c[j].y) * (c[i].x - c[j].x) / (c[i].y - c[j].y)) {
            in = !in;
        }
    }
    return in;
}

Point2 centroid(const Triangle &t)
{
    return {(t.a.x + t.b.x + t.c.x) / 3, (t.a.y + t.b.y + t.c.y) / 3};
}

Contour circle(double cx, double cy, double r, int n, bool counterClockwise = true)
{
    Contour c;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * std::numbers::pi * i / n * (counterClockwise ? 1 : -1);
        c.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return c;
}

Contour square(double x0, double y0, double side)
{
    return {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}};
}

// Every triangle counter-clockwise, inside the outer contour and in no hole.
void expectCovers(const std::vector<Triangle> &ts, const Contour &outer,
                  const std::vector<Contour> &holes)
{
    double expected = std::abs(molvix::signedArea(outer));
    for (const Contour &h : holes) {
        expected -= std::abs(molvix::signedArea(h));
    }
    EXPECT_NEAR(totalArea(ts), expected, 1e-9 * std::max(1.0, expected));
    for (const Triangle &t : ts) {
        EXPECT_GT(area(t), 0.0);
        const Point2 c = centroid(t);
        EXPECT_TRUE(inside(c, outer)) << c.x << "," << c.y;
        for (const Contour &h : holes) {
            EXPECT_FALSE(inside(c, h)) << c.x << "," << c.y;
        }
    }
}

} // namespace

TEST(TriangulateTest, SquareInEitherOrientation)
{
    const Contour ccw = square(0, 0, 1);
    const Contour cw(ccw.rbegin(), ccw.rend());
    for (const Contour &c : {ccw, cw}) {
        const std::vector<Triangle> ts = molvix::triangulatePolygon(c, {});
        EXPECT_EQ(ts.size(), 2u);
        expectCovers(ts, c, {});
    }
}

TEST(TriangulateTest, ConcavePolygons)
{
    // An L, a comb with three teeth, and an arrow.
    const Contour l{{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
    const Contour comb{{0, 0}, {5, 0}, {5, 3}, {4, 3}, {4, 1}, {3, 1}, {3, 3},
                       {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    const Contour arrow{{0, 1}, {3, 1}, {3, 0}, {5, 2}, {3, 4}, {3, 3}, {0, 3}};
    for (const Contour &c : {l, comb, arrow}) {
        const std::vector<Triangle> ts = molvix::triangulatePolygon(c, {});
        EXPECT_EQ(ts.size(), c.size() - 2);
        expectCovers(ts, c, {});
    }
}

TEST(TriangulateTest, RandomStarPolygons)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> radius(0.2, 1.0);
    for (int k = 0; k < 50; ++k) {
        const int n = 5 + k;
        Contour star;
        for (int i = 0; i < n; ++i) {
            const double a = 2 * std::numbers::pi * i / n;
            const double r = radius(rng);
            star.push_back({r * std::cos(a), r * std::sin(a)});
        }
        expectCovers(molvix::triangulatePolygon(star, {}), star, {});
    }
}

TEST(TriangulateTest, PolygonsWithHoles)
{
    // A square frame, an "O" of two circles, and a plate with three holes
    // (two of them level with each other, so bridges meet the same edges).
    const Contour frame = square(0, 0, 10);
    const Contour window = square(3, 3, 4);
    expectCovers(molvix::triangulatePolygon(frame, {window}), frame, {window});

    const Contour ring = circle(0, 0, 1, 48);
    const Contour hole = circle(0, 0.05, 0.6, 40, false);
    expectCovers(molvix::triangulatePolygon(ring, {hole}), ring, {hole});

    const Contour plate = square(0, 0, 12);
    const std::vector<Contour> holes{square(1, 1, 2), square(5, 1, 2), circle(6, 8, 2, 16)};
    expectCovers(molvix::triangulatePolygon(plate, holes), plate, holes);
}

TEST(TriangulateTest, ContoursFillByNesting)
{
    // An outer square, a hole in it, an island in the hole, and a second
    // separate outer square: depth decides what is filled.
    const Contour outer = square(0, 0, 10);
    const Contour hole = square(2, 2, 6);
    const Contour island = square(4, 4, 2);
    const Contour other = square(20, 0, 1);
    const std::vector<Triangle> ts = molvix::triangulateContours({island, outer, other, hole});
    EXPECT_NEAR(totalArea(ts), 100.0 - 36.0 + 4.0 + 1.0, 1e-9);
    for (const Triangle &t : ts) {
        const Point2 c = centroid(t);
        EXPECT_FALSE(inside(c, hole) && !inside(c, island)) << c.x << "," << c.y;
    }

    const std::vector<Contour> oriented = molvix::orientByNesting({island, outer, hole});
    ASSERT_EQ(oriented.size(), 3u);
    EXPECT_GT(molvix::signedArea(oriented[0]), 0); // island: filled
    EXPECT_GT(molvix::signedArea(oriented[1]), 0); // outer
    EXPECT_LT(molvix::signedArea(oriented[2]), 0); // hole
}

TEST(TriangulateTest, DegenerateInputGivesNoTrianglesAndNeverFails)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Contour> degenerate{
        {},
        {{1, 1}},
        {{0, 0}, {1, 1}},
        {{0, 0}, {1, 1}, {2, 2}, {3, 3}},
        {{0, 0}, {0, 0}, {0, 0}},
        {{nan, 0}, {1, nan}, {nan, nan}},
        {{0, 0}, {1, 0}, {0, 0}, {1, 0}},
    };
    for (const Contour &c : degenerate) {
        EXPECT_TRUE(molvix::triangulatePolygon(c, {}).empty());
        EXPECT_TRUE(molvix::triangulatePolygon(square(0, 0, 1), {c}).size() == 2u);
    }
    EXPECT_TRUE(molvix::triangulateContours(degenerate).empty());

    // Repeated points and a closing copy of the first point are ignored.
    const Contour repeated{{0, 0}, {0, 0}, {2, 0}, {2, 0}, {2, 2}, {1, 2}, {0, 2}, {0, 0}};
    expectCovers(molvix::triangulatePolygon(repeated, {}), repeated, {});

    // Self-crossing and hole-outside input still ends, with a bounded result.
    const Contour bowtie{{0, 0}, {2, 2}, {2, 0}, {0, 2}};
    EXPECT_LE(molvix::triangulatePolygon(bowtie, {}).size(), 2u);
    const std::vector<Triangle> stray =
        molvix::triangulatePolygon(square(0, 0, 1), {square(5, 5, 1)});
    EXPECT_LE(stray.size(), 8u);
}
