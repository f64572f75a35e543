// Outline glyphs without a context: the serif face's outlines filled by the
// triangulator, and the lists that extrude them, on the recorded stream.
#include "glyphs.h"
#include "recordinggl.h"

#include <gtest/gtest.h>

#include <cmath>

using molvix::GlyphOutline;
using molvix::test::GLCall;
using molvix::test::Primitive;
using molvix::test::RecordingGL;
using molvix::test::Vec3;

namespace {

double faceArea(const GlyphOutline &g)
{
    double sum = 0;
    for (const molvix::Triangle &t : g.faces) {
        sum += ((t.b.x - t.a.x) * (t.c.y - t.a.y) - (t.b.y - t.a.y) * (t.c.x - t.a.x)) / 2;
    }
    return sum;
}

double outlineArea(const GlyphOutline &g)
{
    double sum = 0;
    for (const molvix::Contour &c : g.contours) {
        sum += molvix::signedArea(c);
    }
    return sum;
}

// Signed area of the first three vertices seen from +z.
float windingXY(const Vec3 &a, const Vec3 &b, const Vec3 &c)
{
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}

const GlyphOutline &glyph(char c)
{
    return molvix::serifGlyphs()[static_cast<size_t>(c)];
}

} // namespace

TEST(GlyphOutlineTest, TheFaceIsASerifFace)
{
    const QRawFont font = molvix::serifFont();
    ASSERT_TRUE(font.isValid());
    EXPECT_TRUE(font.familyName() == "Liberation Serif" || font.familyName() == "DejaVu Serif")
        << font.familyName().toStdString();
}

TEST(GlyphOutlineTest, EveryPrintableCharacterIsFilledExactlyByItsTriangles)
{
    // The triangles cover the outline's area: outer contours less holes.
    for (char c = 33; c < 127; ++c) {
        const GlyphOutline &g = glyph(c);
        ASSERT_FALSE(g.faces.empty()) << c;
        EXPECT_NEAR(faceArea(g), outlineArea(g), 1e-6) << c;
        EXPECT_GT(g.advance, 0.1f) << c;
        EXPECT_LT(g.advance, 1.2f) << c;
        for (const molvix::Contour &contour : g.contours) {
            for (const molvix::Point2 &p : contour) {
                // Em units: capitals and descenders stay within about one em.
                EXPECT_GT(p.y, -0.4) << c;
                EXPECT_LT(p.y, 1.0) << c;
            }
        }
    }
}

TEST(GlyphOutlineTest, LettersWithCountersHaveHoles)
{
    const GlyphOutline &o = glyph('O');
    ASSERT_EQ(o.contours.size(), 2u);
    int holes = 0;
    for (const molvix::Contour &c : o.contours) {
        holes += molvix::signedArea(c) < 0 ? 1 : 0;
    }
    EXPECT_EQ(holes, 1);
    const GlyphOutline &b = glyph('B');
    holes = 0;
    for (const molvix::Contour &c : b.contours) {
        holes += molvix::signedArea(c) < 0 ? 1 : 0;
    }
    EXPECT_EQ(holes, 2);
    // A cap height of about two thirds of the em.
    double top = 0;
    for (const molvix::Point2 &p : glyph('H').contours.front()) {
        top = std::max(top, p.y);
    }
    EXPECT_NEAR(top, 0.66, 0.06);
}

TEST(GlyphOutlineTest, SpaceAdvancesWithoutOutlineAndControlCodesAreEmpty)
{
    EXPECT_TRUE(glyph(' ').faces.empty());
    EXPECT_GT(glyph(' ').advance, 0.1f);
    EXPECT_TRUE(glyph('\x01').faces.empty());
    EXPECT_TRUE(molvix::glyphOutline(QRawFont(), U'A').faces.empty());
}

TEST(GlyphListTest, ExtrudedFacesAreWoundClockwiseFromOutside)
{
    RecordingGL gl;
    const GlyphOutline &o = glyph('O');
    molvix::issueGlyph(gl, o, 0.2f);
    const std::vector<Primitive> tris = gl.primitivesOf(GL_TRIANGLES);
    ASSERT_EQ(tris.size(), 1u);
    const std::vector<Vec3> &v = tris[0].vertices;
    ASSERT_EQ(v.size(), 6 * o.faces.size());
    const size_t half = v.size() / 2;
    for (size_t i = 0; i < half; i += 3) {
        // Front on z = 0 facing +z, clockwise seen from +z (the view's
        // front faces are clockwise).
        EXPECT_EQ(v[i][2], 0.0f);
        EXPECT_EQ(tris[0].normals[i], (Vec3{0, 0, 1}));
        EXPECT_LT(windingXY(v[i], v[i + 1], v[i + 2]), 0.0f);
        // Back 0.2 deep facing -z, clockwise seen from -z.
        EXPECT_FLOAT_EQ(v[half + i][2], -0.2f);
        EXPECT_EQ(tris[0].normals[half + i], (Vec3{0, 0, -1}));
        EXPECT_GT(windingXY(v[half + i], v[half + i + 1], v[half + i + 2]), 0.0f);
    }

    // Side walls: one quad per outline edge, its normal pointing away from
    // the filled area, wound clockwise seen from that side.
    const std::vector<Primitive> quads = gl.primitivesOf(GL_QUADS);
    ASSERT_EQ(quads.size(), 1u);
    size_t edges = 0;
    for (const molvix::Contour &c : o.contours) {
        edges += c.size();
    }
    ASSERT_EQ(quads[0].vertices.size(), 4 * edges);
    for (size_t q = 0; q < quads[0].vertices.size(); q += 4) {
        const Vec3 &a = quads[0].vertices[q];
        const Vec3 &b = quads[0].vertices[q + 1];
        const Vec3 &d = quads[0].vertices[q + 3];
        const Vec3 &n = quads[0].normals[q];
        const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const float e2[3] = {d[0] - a[0], d[1] - a[1], d[2] - a[2]};
        const float geometric[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                    e1[0] * e2[1] - e1[1] * e2[0]};
        // Counter-clockwise normal opposite to the outward one: clockwise outside.
        EXPECT_LT(geometric[0] * n[0] + geometric[1] * n[1] + geometric[2] * n[2], 0.0f);
        // Each wall spans the depth.
        EXPECT_EQ(a[2], 0.0f);
        EXPECT_FLOAT_EQ(d[2], -0.2f);
    }
    ASSERT_FALSE(gl.calls.empty());
    EXPECT_EQ(gl.calls.back().name, "translate");
    EXPECT_EQ(gl.calls.back().args, (std::vector<double>{o.advance, 0, 0}));
}

TEST(GlyphListTest, WallNormalsPointOutOfTheLetter)
{
    RecordingGL gl;
    const GlyphOutline &o = glyph('O');
    molvix::issueGlyph(gl, o, 0.2f);
    const Primitive quads = gl.primitivesOf(GL_QUADS).front();
    // The counter of the 'O' is around its centre: outer walls face away
    // from it, walls of the counter face toward it.
    double cx = 0, cy = 0;
    for (const molvix::Point2 &p : o.contours.front()) {
        cx += p.x;
        cy += p.y;
    }
    cx /= static_cast<double>(o.contours.front().size());
    cy /= static_cast<double>(o.contours.front().size());
    const auto outerRadius = [&](const molvix::Contour &c) {
        double r = 0;
        for (const molvix::Point2 &p : c) {
            r = std::max(r, std::hypot(p.x - cx, p.y - cy));
        }
        return r;
    };
    const bool firstIsOuter = outerRadius(o.contours[0]) > outerRadius(o.contours[1]);
    size_t q = 0;
    for (size_t k = 0; k < o.contours.size(); ++k) {
        const bool outer = (k == 0) == firstIsOuter;
        for (size_t e = 0; e < o.contours[k].size(); ++e, q += 4) {
            const Vec3 &a = quads.vertices[q];
            const Vec3 &n = quads.normals[q];
            const double radial = (a[0] - cx) * n[0] + (a[1] - cy) * n[1];
            EXPECT_EQ(radial > 0, outer) << k << ":" << e;
        }
    }
}

TEST(GlyphListTest, OneListPerCharacterCodeFromTheBase)
{
    RecordingGL gl;
    molvix::buildGlyphLists(gl, molvix::kFontListBase);
    std::vector<double> opened;
    size_t closed = 0;
    for (size_t i = 0; i < gl.calls.size(); ++i) {
        const GLCall &c = gl.calls[i];
        if (c.name == "newList") {
            opened.push_back(c.args[0]);
            EXPECT_EQ(c.args[1], double(GL_COMPILE));
        } else if (c.name == "endList") {
            ++closed;
            // Each list ends by moving on by its glyph's advance.
            ASSERT_GT(i, 0u);
            EXPECT_EQ(gl.calls[i - 1].name, "translate");
            EXPECT_FLOAT_EQ(static_cast<float>(gl.calls[i - 1].args[0]),
                            molvix::serifGlyphs()[opened.size() - 1].advance);
        }
    }
    ASSERT_EQ(opened.size(), 128u);
    EXPECT_EQ(closed, 128u);
    for (size_t c = 0; c < 128; ++c) {
        EXPECT_EQ(opened[c], 1000.0 + static_cast<double>(c));
    }
}
