// Spheres, cones and cylinders checked on the recorded stream: primitive
// kinds and vertex counts, and the geometry the vertices describe.
#include "recordinggl.h"
#include "tessellation.h"

#include <gtest/gtest.h>

#include <cmath>

using molvix::CylinderMode;
using molvix::test::Primitive;
using molvix::test::RecordingGL;
using molvix::test::Vec3;

namespace {

float length(const Vec3 &v)
{
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

std::vector<std::pair<GLenum, size_t>> shape(const RecordingGL &gl)
{
    std::vector<std::pair<GLenum, size_t>> s;
    for (const Primitive &p : gl.primitives) {
        s.emplace_back(p.mode, p.vertices.size());
    }
    return s;
}

} // namespace

TEST(SetNormalTest, LongVectorsAreMadeUnitShortOnesPassUnchanged)
{
    RecordingGL gl;
    molvix::SetNormal(gl, 0, 3, 4);
    molvix::SetNormal(gl, 0, 0, 0);
    molvix::SetNormal(gl, 1e-6f, 0, 0);
    molvix::SetNormal(gl, -2, 0, 0);
    ASSERT_EQ(gl.normalsIssued.size(), 4u);
    EXPECT_FLOAT_EQ(gl.normalsIssued[0][0], 0.0f);
    EXPECT_FLOAT_EQ(gl.normalsIssued[0][1], 0.6f);
    EXPECT_FLOAT_EQ(gl.normalsIssued[0][2], 0.8f);
    EXPECT_EQ(gl.normalsIssued[1], (Vec3{0, 0, 0}));
    EXPECT_EQ(gl.normalsIssued[2], (Vec3{1e-6f, 0, 0}));
    EXPECT_EQ(gl.normalsIssued[3], (Vec3{-1, 0, 0}));
}

TEST(SphereTest, SolidSphereIsTwoFansAndTheStripsBetween)
{
    RecordingGL gl;
    molvix::DrawSphere(gl, 1, 2.0, 20, 10);
    std::vector<std::pair<GLenum, size_t>> expected{{GL_TRIANGLE_FAN, 22}};
    for (int i = 0; i < 8; ++i) {
        expected.emplace_back(GL_QUAD_STRIP, 42);
    }
    expected.emplace_back(GL_TRIANGLE_FAN, 22);
    EXPECT_EQ(shape(gl), expected);

    // Fans start at the poles; the rims close on themselves.
    const Primitive &north = gl.primitives.front();
    const Primitive &south = gl.primitives.back();
    EXPECT_EQ(north.vertices.front(), (Vec3{0, 0, 2}));
    EXPECT_EQ(north.normals.front(), (Vec3{0, 0, 1}));
    EXPECT_EQ(south.vertices.front(), (Vec3{0, 0, -2}));
    EXPECT_EQ(south.normals.front(), (Vec3{0, 0, -1}));
    EXPECT_EQ(north.vertices[1], north.vertices.back());
    EXPECT_EQ(south.vertices[1], south.vertices.back());
    // The first rim point lies on +y, the next turns toward -x.
    EXPECT_GT(north.vertices[1][1], 0.0f);
    EXPECT_FLOAT_EQ(north.vertices[1][0], 0.0f);
    EXPECT_LT(north.vertices[2][0], 0.0f);

    // Every vertex is on the sphere, its normal the unit point itself.
    for (const Primitive &p : gl.primitives) {
        for (size_t k = 0; k < p.vertices.size(); ++k) {
            EXPECT_NEAR(length(p.vertices[k]), 2.0f, 1e-5f);
            EXPECT_NEAR(length(p.normals[k]), 1.0f, 1e-5f);
            for (int c = 0; c < 3; ++c) {
                EXPECT_NEAR(p.vertices[k][c], 2.0f * p.normals[k][c], 1e-6f);
            }
        }
    }
}

TEST(SphereTest, SolidSphereWithFewStacks)
{
    RecordingGL two;
    molvix::DrawSphere(two, 12, 1.0, 8, 2);
    EXPECT_EQ(shape(two), (std::vector<std::pair<GLenum, size_t>>{{GL_TRIANGLE_FAN, 10},
                                                                  {GL_TRIANGLE_FAN, 10}}));
    // One stack: each fan's rim lies at the opposite pole.
    RecordingGL one;
    molvix::DrawSphere(one, 1, 1.0, 8, 1);
    ASSERT_EQ(one.primitives.size(), 2u);
    EXPECT_NEAR(one.primitives[0].vertices[1][2], -1.0f, 1e-6f);
    EXPECT_NEAR(one.primitives[1].vertices[1][2], 1.0f, 1e-6f);
}

TEST(SphereTest, WireSphereIsLatitudeLoopsAndMeridians)
{
    RecordingGL gl;
    molvix::DrawSphere(gl, 13, 1.0, 20, 10);
    const std::vector<Primitive> loops = gl.primitivesOf(GL_LINE_LOOP);
    const std::vector<Primitive> meridians = gl.primitivesOf(GL_LINE_STRIP);
    ASSERT_EQ(loops.size(), 9u);
    ASSERT_EQ(meridians.size(), 20u);
    EXPECT_EQ(loops.size() + meridians.size(), gl.primitives.size());
    for (const Primitive &loop : loops) {
        EXPECT_EQ(loop.vertices.size(), 20u);
        // A latitude keeps its height.
        for (const Vec3 &v : loop.vertices) {
            EXPECT_FLOAT_EQ(v[2], loop.vertices.front()[2]);
        }
    }
    for (const Primitive &m : meridians) {
        ASSERT_EQ(m.vertices.size(), 11u);
        EXPECT_NEAR(m.vertices.front()[2], 1.0f, 1e-6f);
        EXPECT_NEAR(m.vertices.back()[2], -1.0f, 1e-6f);
    }
    // Wire azimuth starts on +x.
    EXPECT_GT(loops.front().vertices.front()[0], 0.0f);
    EXPECT_FLOAT_EQ(loops.front().vertices.front()[1], 0.0f);
    EXPECT_EQ(gl.primitives.front().mode, GLenum(GL_LINE_LOOP));
}

TEST(SphereTest, OtherStylesDrawOnePointListWithoutTheLastRing)
{
    for (uint8_t style : {2, 11, 14, 255}) {
        RecordingGL gl;
        molvix::DrawSphere(gl, style, 1.5, 20, 10);
        ASSERT_EQ(gl.primitives.size(), 1u) << int(style);
        const Primitive &p = gl.primitives.front();
        EXPECT_EQ(p.mode, GLenum(GL_POINTS));
        EXPECT_EQ(p.vertices.size(), 2u + 8u * 20u);
        EXPECT_EQ(p.vertices[0], (Vec3{0, 0, 1.5f}));
        EXPECT_EQ(p.vertices[1], (Vec3{0, 0, -1.5f}));
        EXPECT_EQ(p.normals[1], (Vec3{0, 0, -1}));
    }
}

TEST(SphereTest, NoSlicesOrStacksDrawsNothing)
{
    RecordingGL gl;
    molvix::DrawSphere(gl, 1, 1.0, 0, 10);
    molvix::DrawSphere(gl, 0, 1.0, 20, 0);
    molvix::DrawSphere(gl, 14, 1.0, -3, -3);
    EXPECT_TRUE(gl.calls.empty());
}

TEST(CylinderTest, ModeCodesOfTheTwoCallers)
{
    for (int code = 0; code < 256; ++code) {
        const uint8_t c = static_cast<uint8_t>(code);
        CylinderMode particle = CylinderMode::Solid;
        if (c == 4 || c == 8) {
            particle = CylinderMode::Points;
        } else if (c == 5 || c == 9) {
            particle = CylinderMode::Wire;
        } else if (c == 6 || c == 10) {
            particle = CylinderMode::Silhouette;
        }
        EXPECT_EQ(molvix::particleCylinderMode(c), particle) << code;
        CylinderMode arrow = CylinderMode::Solid;
        if (c == 2) {
            arrow = CylinderMode::Points;
        } else if (c == 3) {
            arrow = CylinderMode::Wire;
        } else if (c == 4) {
            arrow = CylinderMode::Silhouette;
        }
        EXPECT_EQ(molvix::arrowCylinderMode(c), arrow) << code;
    }
}

TEST(CylinderTest, SolidArrowHeadIsFourStripsFromBaseRingToTip)
{
    RecordingGL gl;
    molvix::DrawCylinder(gl, CylinderMode::Solid, 0.03, 0.0, 0.1, 4, 2);
    ASSERT_EQ(gl.primitives.size(), 4u);
    for (const Primitive &p : gl.primitives) {
        EXPECT_EQ(p.mode, GLenum(GL_QUAD_STRIP));
        ASSERT_EQ(p.vertices.size(), 6u);
        EXPECT_NEAR(std::hypot(p.vertices[0][0], p.vertices[0][1]), 0.03f, 1e-7f);
        EXPECT_FLOAT_EQ(p.vertices[0][2], 0.0f);
        EXPECT_NEAR(std::hypot(p.vertices[4][0], p.vertices[4][1]), 0.0f, 1e-7f);
        EXPECT_NEAR(p.vertices[5][2], 0.1f, 1e-7f);
        // Side normals lean outward and up the cone (nz = 0.3).
        for (const Vec3 &n : p.normals) {
            EXPECT_NEAR(length(n), 1.0f, 1e-5f);
            EXPECT_NEAR(n[2], 0.3f / std::sqrt(1.09f), 1e-5f);
        }
    }
    // Consecutive strips share their edge: the slices close around.
    EXPECT_EQ(gl.primitives[0].vertices[1], gl.primitives[1].vertices[0]);
    EXPECT_NEAR(gl.primitives[3].vertices[1][0], gl.primitives[0].vertices[0][0], 1e-7f);
    EXPECT_NEAR(gl.primitives[3].vertices[1][1], gl.primitives[0].vertices[0][1], 1e-7f);
}

TEST(CylinderTest, SilhouetteOfAConeIsOnlyItsLengthwiseLines)
{
    RecordingGL cone;
    molvix::DrawCylinder(cone, CylinderMode::Silhouette, 0.0, 0.5, 1.0, 6, 3);
    ASSERT_EQ(cone.primitives.size(), 1u);
    EXPECT_EQ(cone.primitives[0].mode, GLenum(GL_LINES));
    ASSERT_EQ(cone.primitives[0].vertices.size(), 12u);
    for (size_t i = 0; i < 12; i += 2) {
        EXPECT_EQ(cone.primitives[0].vertices[i], (Vec3{0, 0, 0}));
        EXPECT_NEAR(std::hypot(cone.primitives[0].vertices[i + 1][0],
                               cone.primitives[0].vertices[i + 1][1]),
                    0.5f, 1e-6f);
        EXPECT_FLOAT_EQ(cone.primitives[0].vertices[i + 1][2], 1.0f);
    }

    RecordingGL cylinder;
    molvix::DrawCylinder(cylinder, CylinderMode::Silhouette, 0.5, 0.5, 1.0, 6, 3);
    EXPECT_EQ(shape(cylinder), (std::vector<std::pair<GLenum, size_t>>{
                                   {GL_LINE_LOOP, 6}, {GL_LINE_LOOP, 6}, {GL_LINES, 12}}));
    EXPECT_FLOAT_EQ(cylinder.primitives[1].vertices[0][2], 1.0f);
}

TEST(CylinderTest, WireIsARingPerStackLevelAndTheLengthwiseLines)
{
    RecordingGL gl;
    molvix::DrawCylinder(gl, CylinderMode::Wire, 1.0, 0.5, 2.0, 8, 4);
    std::vector<std::pair<GLenum, size_t>> expected(5, {GL_LINE_LOOP, 8});
    expected.emplace_back(GL_LINES, 16);
    EXPECT_EQ(shape(gl), expected);
    // Ring j stands at z = j * dz with radius base + j * dr.
    for (int j = 0; j <= 4; ++j) {
        const Vec3 &v = gl.primitives[static_cast<size_t>(j)].vertices.front();
        EXPECT_NEAR(v[2], 0.5f * static_cast<float>(j), 1e-6f);
        EXPECT_NEAR(std::hypot(v[0], v[1]), 1.0f - 0.125f * static_cast<float>(j), 1e-6f);
    }
}

TEST(CylinderTest, PointsFollowEachSliceUpTheSide)
{
    RecordingGL gl;
    molvix::DrawCylinder(gl, CylinderMode::Points, 0.0, 1.0, 1.0, 5, 4);
    ASSERT_EQ(gl.primitives.size(), 1u);
    const Primitive &p = gl.primitives[0];
    EXPECT_EQ(p.mode, GLenum(GL_POINTS));
    ASSERT_EQ(p.vertices.size(), 25u);
    // Slice 0 runs along +x from the tip to the rim.
    EXPECT_EQ(p.vertices[0], (Vec3{0, 0, 0}));
    EXPECT_NEAR(p.vertices[4][0], 1.0f, 1e-6f);
    EXPECT_NEAR(p.vertices[4][2], 1.0f, 1e-6f);
}

TEST(CylinderTest, NoSlicesOrStacksDrawsNothingAndAFlatBodyHasNoSlope)
{
    RecordingGL none;
    molvix::DrawCylinder(none, CylinderMode::Solid, 1, 1, 1, 0, 2);
    molvix::DrawCylinder(none, CylinderMode::Wire, 1, 1, 1, 4, 0);
    EXPECT_TRUE(none.calls.empty());

    RecordingGL flat;
    molvix::DrawCylinder(flat, CylinderMode::Solid, 1.0, 0.5, 0.0, 4, 1);
    for (const Vec3 &n : flat.normalsIssued) {
        EXPECT_TRUE(std::isfinite(n[0]) && std::isfinite(n[1]) && std::isfinite(n[2]));
        EXPECT_FLOAT_EQ(n[2], 0.0f);
    }
}
