#pragma once

#include <vector>

// Filling of flat outlines (glyphs) with triangles: ear clipping, with the
// holes of a polygon joined to its outer contour by bridges first.
namespace molvix {

struct Point2
{
    double x = 0, y = 0;
};

using Contour = std::vector<Point2>; // closed: the last point joins the first

// Counter-clockwise with y up (positive area).
struct Triangle
{
    Point2 a, b, c;
};

// Positive when counter-clockwise (y up).
double signedArea(const Contour &contour);

// One outer contour with holes inside it, in any orientation. Degenerate
// input (fewer than three distinct points, no area, non-finite values)
// gives no triangles; it never fails.
std::vector<Triangle> triangulatePolygon(const Contour &outer, const std::vector<Contour> &holes);

// Any set of closed contours, filled by nesting: a contour inside an even
// number of others is an outer contour, inside an odd number a hole of the
// smallest one around it. This is how a glyph's contours fill.
std::vector<Triangle> triangulateContours(const std::vector<Contour> &contours);

// The same contours without the degenerate ones, each turned so that the
// filled area lies on its left: outer contours counter-clockwise, holes
// clockwise. Side walls of an extruded outline face outward this way.
std::vector<Contour> orientByNesting(const std::vector<Contour> &contours);

} // namespace molvix
