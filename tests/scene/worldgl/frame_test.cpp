// One frame on the recorded stream, no context needed: the order of the
// kinds, the state carried between them, and how each record is drawn.
#include "recordinggl.h"
#include "vx3dworldgl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using molvix::test::GLCall;
using molvix::test::Primitive;
using molvix::test::RecordingGL;
using molvix::test::Vec3;

namespace {

struct FrameView : TVx3DWorldGL
{
    RecordingGL rec;
    FrameView()
    {
        updateMapping();
        setGLCalls(&rec);
    }
    ~FrameView() override { setGLCalls(nullptr); }
    const RecordingGL &frame()
    {
        rec.reset();
        renderFrame();
        return rec;
    }
};

using Args = std::vector<double>;

// Rotation by degrees about axis (x, y, z) applied to v (Rodrigues).
Vec3 rotated(const GLCall &rotate, const Vec3 &v)
{
    const double a = rotate.args[0] * std::numbers::pi / 180.0;
    double k[3] = {rotate.args[1], rotate.args[2], rotate.args[3]};
    const double n = std::sqrt(k[0] * k[0] + k[1] * k[1] + k[2] * k[2]);
    for (double &c : k) {
        c /= n;
    }
    const double dot = k[0] * v[0] + k[1] * v[1] + k[2] * v[2];
    const double cr[3] = {k[1] * v[2] - k[2] * v[1], k[2] * v[0] - k[0] * v[2],
                          k[0] * v[1] - k[1] * v[0]};
    Vec3 r;
    for (int i = 0; i < 3; ++i) {
        r[i] = static_cast<float>(v[i] * std::cos(a) + cr[i] * std::sin(a) +
                                  k[i] * dot * (1 - std::cos(a)));
    }
    return r;
}

} // namespace

TEST(GLFrameTest, KindsAreDrawnInOrderWithFogAndWidthsBetweenThem)
{
    FrameView v;
    v.transX = 0.1f;
    v.transY = -0.2f;
    v.RotX = 30;
    v.RotY = 40;
    v.RotZ = 50;
    v.SetCubeColor(0x008000, true);
    v.SetAxesColor(0x0000FF, true);
    v.AddNSegments(1, 1, 3, 0, 0, 0, 100, 100, 100, 0x00FF00, 0);
    v.AddNPoints(1, 0, 4, 50, 50, 50, 0xFF, 0);
    v.AddNParticles(1, 1, 0.1f, 50, 50, 50, 0x808080, 0);
    v.AddNLabels(1, 0.2f, 50, 50, 50, 0, 0, 0, 0xFF, "A");
    v.AddNPlanes(1, 0, 0.5f, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0, 0xFF0000, 0);
    v.NSegments = v.NPoints = v.NParticles = v.NLabels = v.NPlanes = 1;
    const RecordingGL &gl = v.frame();

    const std::vector<std::string> n = gl.names();
    ASSERT_GE(n.size(), 10u);
    EXPECT_EQ(gl.calls[0].name, "clear");
    EXPECT_EQ(gl.calls[0].args, Args{double(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)});
    EXPECT_EQ(gl.calls[1].args, Args{double(GL_MODELVIEW)});
    EXPECT_EQ(gl.calls[2].name, "pushMatrix");
    EXPECT_EQ(gl.calls[3].args, (Args{0.1f, -0.2f, -3.7f}));
    EXPECT_EQ(gl.calls[4].args, (Args{30, 1, 0, 0}));
    EXPECT_EQ(gl.calls[5].args, (Args{40, 0, 1, 0}));
    EXPECT_EQ(gl.calls[6].args, (Args{50, 0, 0, 1}));
    EXPECT_EQ(gl.calls[7].name, "enable");
    EXPECT_EQ(gl.calls[7].args, Args{double(GL_FOG)});

    // Fogged: box (green), axes (red), segment (yellow); then fog off and
    // width 0.5; then point (red), particle (grey), label, plane, and the end.
    const size_t cube = gl.find("color", {0, 1, 0});
    const size_t axes = gl.find("color", {1, 0, 0}, cube);
    const size_t segment = gl.find("color", {1, 1, 0}, axes);
    const size_t fogOff = gl.find("disable", {double(GL_FOG)});
    const size_t width = gl.find("lineWidth", {0.5});
    const size_t point = gl.find("pointSize", {4}, width);
    const size_t particle = gl.find("color", {0.75f, 0.75f, 0.75f});
    const size_t label = gl.find("callLists", {'A'});
    const size_t plane = gl.find("color4", {0, 0, 1, 0.5});
    EXPECT_LT(cube, axes);
    EXPECT_LT(axes, segment);
    EXPECT_LT(segment, fogOff);
    EXPECT_EQ(fogOff + 1, width);
    EXPECT_LT(width, point);
    EXPECT_LT(point, particle);
    EXPECT_LT(particle, label);
    EXPECT_LT(label, plane);
    EXPECT_LT(plane, gl.calls.size());
    EXPECT_EQ(gl.calls[gl.find("lineWidth", {}, segment)].args, Args{3});
    const size_t last = gl.calls.size();
    EXPECT_EQ(n[last - 3], "pointSize");
    EXPECT_EQ(gl.calls[last - 3].args, Args{1});
    EXPECT_EQ(n[last - 2], "popMatrix");
    EXPECT_EQ(n[last - 1], "flush");
    EXPECT_EQ(gl.count("pushMatrix"), gl.count("popMatrix"));
}

TEST(GLFrameTest, FogSwitches)
{
    FrameView v;
    // Fog on the particles too: it stays on for the whole frame.
    v.GLFogParticles = true;
    const RecordingGL &all = v.frame();
    EXPECT_LT(all.find("enable", {double(GL_FOG)}), all.calls.size());
    EXPECT_EQ(all.find("disable", {double(GL_FOG)}), all.calls.size());
    // No fog at all: never enabled, still switched off after the segments.
    v.GLFog = false;
    v.GLFogParticles = false;
    const RecordingGL &none = v.frame();
    EXPECT_EQ(none.find("enable", {double(GL_FOG)}), none.calls.size());
    EXPECT_LT(none.find("disable", {double(GL_FOG)}), none.calls.size());
}

TEST(GLFrameTest, ObjectsOfTheBackgroundColourAreNotDrawn)
{
    FrameView v;
    v.BackColor = 0x808000;
    v.AddNParticles(2, 2, 0.1f, 50, 50, 50, 0x808000, 0);
    v.AddNSegments(2, 1, 1, 0, 0, 0, 1, 1, 1, 0x808000, 0);
    v.AddNPoints(2, 0, 1, 50, 50, 50, 0x808000, 0);
    v.AddNPlanes(2, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0x808000, 0);
    v.AddNLabels(2, 1, 50, 50, 50, 0, 0, 0, 0x808000, "hidden");
    v.NParticles = v.NSegments = v.NPoints = v.NPlanes = v.NLabels = 2;
    v.ChangeParticleProperties(0, 2, 255);
    EXPECT_EQ(v.frame().primitives.size(), 1u); // particle 2 only, as a point
    EXPECT_EQ(v.rec.count("callLists"), 0u);
    EXPECT_EQ(v.rec.count("color"), 1u);
    EXPECT_EQ(v.rec.count("color4"), 0u);
}

TEST(GLFrameTest, CountsBeyondTheStoreDrawWhatExists)
{
    FrameView v;
    v.AddNParticles(3, 2, 0.1f, 50, 50, 50, 0xFF, 0);
    v.NParticles = 1000;
    v.NSegments = 5;  // no segment store at all
    v.NLabels = -3;
    EXPECT_EQ(v.frame().primitivesOf(GL_POINTS).size(), 3u);
    v.NParticles = 2;
    EXPECT_EQ(v.frame().primitivesOf(GL_POINTS).size(), 2u);
}

TEST(GLFrameTest, ParticlesByStyle)
{
    FrameView v;
    v.GLSlices = 6;
    v.GLStacks = 4;
    v.AddNParticles(1, 0, 0.5f, 75, 50, 50, 0xFF, 0);
    v.NParticles = 1;
    const auto draw = [&v](uint8_t style) -> const RecordingGL & {
        v.ChangeParticleProperties(2, 1, style);
        return v.frame();
    };
    // Spheres centred on the particle with its size and the view's slices.
    const RecordingGL &solid = draw(12);
    EXPECT_EQ(solid.primitivesOf(GL_TRIANGLE_FAN).size(), 2u);
    EXPECT_EQ(solid.primitivesOf(GL_QUAD_STRIP).size(), 2u);
    EXPECT_LT(solid.find("translate", {0.5, 0, 0}), solid.find("begin"));
    EXPECT_EQ(solid.primitives.front().vertices.front(), (Vec3{0, 0, 0.5f}));
    EXPECT_EQ(draw(13).primitivesOf(GL_LINE_LOOP).size(), 3u);
    EXPECT_EQ(draw(0).primitivesOf(GL_LINE_STRIP).size(), 6u);
    EXPECT_EQ(draw(14).primitivesOf(GL_POINTS).front().vertices.size(), 2u + 2u * 6u);
    // 4..7 cones with the tip on the particle, 8..11 cylinders.
    const RecordingGL &cone = draw(7);
    ASSERT_EQ(cone.primitivesOf(GL_QUAD_STRIP).size(), 6u);
    EXPECT_EQ(cone.primitives.front().vertices.front(), (Vec3{0, 0, 0}));
    EXPECT_FLOAT_EQ(cone.primitives.front().vertices.back()[2], 0.5f);
    EXPECT_EQ(draw(5).primitivesOf(GL_LINE_LOOP).size(), 5u);
    EXPECT_EQ(draw(6).primitivesOf(GL_LINE_LOOP).size(), 0u);
    EXPECT_EQ(draw(4).primitivesOf(GL_POINTS).size(), 1u);
    const RecordingGL &cylinder = draw(11);
    EXPECT_NEAR(std::hypot(cylinder.primitives.front().vertices.front()[0],
                           cylinder.primitives.front().vertices.front()[1]),
                0.5f, 1e-6f);
    EXPECT_EQ(draw(10).primitivesOf(GL_LINE_LOOP).size(), 2u);
    // Anything else: a point of 50 * Size pixels at the position.
    for (uint8_t style : {2, 3, 15, 255}) {
        const RecordingGL &point = draw(style);
        ASSERT_EQ(point.primitives.size(), 1u) << int(style);
        EXPECT_EQ(point.primitives[0].mode, GLenum(GL_POINTS));
        EXPECT_EQ(point.primitives[0].vertices[0], (Vec3{0.5f, 0, 0}));
        EXPECT_LT(point.find("pointSize", {25}), point.find("begin"));
        // Unlit, so its colour shows as it is; lit again for what follows.
        const size_t on = point.find("enable", {GL_LIGHTING}, point.find("end"));
        EXPECT_LT(point.find("disable", {GL_LIGHTING}), point.find("begin")) << int(style);
        EXPECT_LT(on, point.calls.size()) << int(style);
    }
}

TEST(GLFrameTest, ArrowHeadsPointAlongTheirSegments)
{
    FrameView v;
    v.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    v.NSegments = 1;
    const std::vector<std::array<float, 6>> segments{
        {10, 20, 30, 60, 50, 90},  {90, 10, 80, 20, 70, 40}, // slanted, up and down z
        {10, 10, 50, 90, 40, 50},                             // constant z: 90 degrees
        {50, 50, 10, 50, 50, 90}, {50, 50, 90, 50, 50, 10},  // along +z and -z
    };
    for (const auto &s : segments) {
        v.MoveSegment(1, s[0], s[1], s[2], s[3], s[4], s[5]);
        const RecordingGL &gl = v.frame();
        const TGLSegmentRec &r = v.segments()[1];
        Vec3 dir{r.X2 - r.X1, r.Y2 - r.Y1, r.Z2 - r.Z1};
        const float len = std::sqrt(dir[0] * dir[0] + dir[1] * dir[1] + dir[2] * dir[2]);
        for (float &c : dir) {
            c /= len;
        }
        // The cone is drawn at the second end, its +z turned onto the segment.
        const size_t at = gl.find("translate", {r.X2, r.Y2, r.Z2});
        ASSERT_LT(at, gl.calls.size());
        Vec3 axis{0, 0, 1};
        if (gl.calls[at + 1].name == "rotate") {
            axis = rotated(gl.calls[at + 1], axis);
        }
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(axis[c], dir[c], 1e-5f) << s[0] << " " << c;
        }
        EXPECT_EQ(gl.primitivesOf(GL_QUAD_STRIP).size(), 4u);
        // Then the line itself.
        const Primitive &line = gl.primitives.back();
        EXPECT_EQ(line.mode, GLenum(GL_LINES));
        EXPECT_EQ(line.vertices, (std::vector<Vec3>{{r.X1, r.Y1, r.Z1}, {r.X2, r.Y2, r.Z2}}));
    }
    // A segment in a plane of constant z turns by exactly 90 degrees.
    v.MoveSegment(1, 10, 10, 50, 90, 40, 50);
    const RecordingGL &flat = v.frame();
    EXPECT_EQ(flat.calls[flat.find("rotate", {90}, 7)].args[3], 0.0);
}

TEST(GLFrameTest, SegmentStylesChooseTheArrowHead)
{
    FrameView v;
    v.AddNSegments(1, 1, 2, 0, 0, 0, 100, 50, 50, 0xFF, 0);
    v.NSegments = 1;
    EXPECT_EQ(v.frame().primitives.size(), 1u); // style 1: the line alone
    v.ChangeSegmentProperties(2, 1, 3);
    EXPECT_EQ(v.frame().primitivesOf(GL_LINE_LOOP).size(), 3u); // wire head
    // Silhouette: the head's base ring, its (point) tip ring and its
    // lengthwise lines, then the segment's line.
    v.ChangeSegmentProperties(2, 1, 4);
    EXPECT_EQ(v.frame().primitivesOf(GL_LINE_LOOP).size(), 2u);
    EXPECT_EQ(v.rec.primitivesOf(GL_LINES).size(), 2u);
    v.ChangeSegmentProperties(2, 1, 2);
    EXPECT_EQ(v.frame().primitivesOf(GL_POINTS).size(), 1u);
}

TEST(GLFrameTest, LabelsCallTheirGlyphListsUnderTheirTransform)
{
    FrameView v;
    v.AddNLabels(1, 0.25f, 100, 50, 0, 10, 20, 30, 0x0000FF, "Hi!");
    v.NLabels = 1;
    v.ChangeLabelText(1, "T\xE9");
    const RecordingGL &gl = v.frame();
    const size_t call = gl.find("callLists");
    ASSERT_LT(call, gl.calls.size());
    EXPECT_EQ(gl.calls[call].args, (Args{'T', 0xE9}));
    const std::vector<std::string> n = gl.names();
    const std::vector<std::string> expected{"pushMatrix", "color",  "listBase", "translate",
                                            "rotate",     "rotate", "rotate",   "scale",
                                            "callLists",  "popMatrix"};
    EXPECT_EQ(std::vector<std::string>(n.begin() + static_cast<long>(call) - 8,
                                       n.begin() + static_cast<long>(call) + 2),
              expected);
    EXPECT_EQ(gl.calls[call - 6].args, Args{1000});
    EXPECT_EQ(gl.calls[call - 5].args, (Args{1, 0, -1}));
    EXPECT_EQ(gl.calls[call - 4].args, (Args{10, 1, 0, 0}));
    EXPECT_EQ(gl.calls[call - 2].args, (Args{30, 0, 0, 1}));
    EXPECT_EQ(gl.calls[call - 1].args, (Args{0.25, 0.25, 0.25}));
}

TEST(GLFrameTest, PlanesBlendWithCullingOffAroundThem)
{
    FrameView v;
    v.AddNPlanes(1, 0, 0.5f, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0, 0x008000, 0);
    v.NPlanes = 1;
    const RecordingGL &gl = v.frame();
    const size_t off = gl.find("disable", {double(GL_CULL_FACE)});
    const size_t blend = gl.find("enable", {double(GL_BLEND)});
    const size_t func = gl.find("blendFunc", {double(GL_SRC_ALPHA), double(GL_ONE_MINUS_SRC_ALPHA)});
    const size_t quad = gl.find("begin", {double(GL_QUADS)});
    const size_t unblend = gl.find("disable", {double(GL_BLEND)});
    const size_t on = gl.find("enable", {double(GL_CULL_FACE)});
    EXPECT_LT(off, blend);
    EXPECT_LT(blend, func);
    EXPECT_LT(func, quad);
    EXPECT_LT(quad, unblend);
    EXPECT_LT(unblend, on);
    EXPECT_LT(on, gl.calls.size());
    EXPECT_EQ(gl.calls[quad - 1].args, (Args{0, 1, 0, 0.5}));
    EXPECT_EQ(gl.primitives.back().vertices,
              (std::vector<Vec3>{{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}}));
}

TEST(GLFrameTest, TracesByMode)
{
    FrameView v;
    v.GLSlices = 4;
    v.GLStacks = 3;
    v.AddNParticles(1, 1, 0.4f, 0, 50, 50, 0xFF, 0);
    v.NParticles = 0; // only the traces are of interest
    v.AddNTraces(1, 0, 0, 1, 4);
    v.ShowTrace = true;
    const auto feed = [&v](uint8_t mode) {
        v.LinkTraceToParticle(1, 1, mode, 0x008000, 1, 4, 1);
        for (float x : {0.0f, 25.0f, 50.0f}) {
            v.MoveParticle(1, x, 50, 50);
        }
        v.MoveParticle(1, 100, 50, 50);
        v.MoveParticle(1, 75, 50, 50); // also where the particle stays
    };

    // Mode 0: a polyline from the oldest kept sample to the newest, then to
    // the particle; the first line has no length.
    feed(0);
    const std::vector<Primitive> lines = v.frame().primitivesOf(GL_LINES);
    std::vector<float> xs;
    for (const Primitive &l : lines) {
        xs.push_back(l.vertices[0][0]);
        xs.push_back(l.vertices[1][0]);
    }
    EXPECT_EQ(xs, (std::vector<float>{-0.5f, -0.5f, -0.5f, 0, 0, 1, 1, 0.5f, 0.5f, 0.5f}));
    EXPECT_LT(v.rec.find("color", {0, 1, 0}), v.rec.find("begin"));

    // Mode 1: a point of 5 pixels per sample, the size back to 1 after each.
    feed(1);
    const RecordingGL &points = v.frame();
    EXPECT_EQ(points.primitivesOf(GL_POINTS).size(), 3u);
    EXPECT_EQ(points.count("pointSize"), 3u * 2u + 1u);
    EXPECT_EQ(points.calls[points.calls.size() - 3].args, Args{1});

    // Modes 2, 3, 4: the particle's own sphere at its radius, half, quarter.
    for (uint8_t mode : {2, 3, 4}) {
        feed(mode);
        const RecordingGL &spheres = v.frame();
        const std::vector<Primitive> fans = spheres.primitivesOf(GL_TRIANGLE_FAN);
        ASSERT_EQ(fans.size(), 6u) << int(mode);
        const float factor = mode == 2 ? 1.0f : (mode == 3 ? 0.5f : 0.25f);
        EXPECT_FLOAT_EQ(fans[0].vertices[0][2], 0.4f * factor);
    }

    // Inactive traces, and all traces with ShowTrace off, draw nothing.
    v.ShowTrace = false;
    EXPECT_TRUE(v.frame().primitives.empty());
    v.ShowTrace = true;
    v.LinkTraceToParticle(1, 1, 0, 0, 1, 4, 0);
    EXPECT_TRUE(v.frame().primitives.empty());
}

TEST(GLFrameTest, ATraceWhoseParticleIsGoneIsSkipped)
{
    FrameView v;
    v.AddNParticles(3, 1, 0.4f, 0, 50, 50, 0xFF, 0);
    v.AddNTraces(1, 0, 0, 1, 2);
    v.LinkTraceToParticle(1, 3, 0, 0xFF, 1, 2, 1);
    v.MoveParticle(3, 10, 10, 10);
    v.ShowTrace = true;
    v.AddNParticles(1, 1, 0.4f, 0, 50, 50, 0xFF, 0);
    EXPECT_TRUE(v.frame().primitives.empty());
}

TEST(GLFrameTest, BoxAxesLettersAndLightFocus)
{
    FrameView v;
    v.SetCubeColor(0x008000, true);
    v.SetAxesColor(0xFF0000, true);
    v.ShowLightFocus = true;
    const RecordingGL &gl = v.frame();

    // The light focus: a yellow wire sphere of radius 0.3 at the light.
    const size_t focus = gl.find("color", {1, 1, 0});
    EXPECT_EQ(gl.calls[focus + 1].args, (Args{0, 0, -3}));
    const std::vector<Primitive> loops = gl.primitivesOf(GL_LINE_LOOP);
    EXPECT_EQ(loops.size(), 9u);
    EXPECT_EQ(gl.primitivesOf(GL_LINE_STRIP).size(), 20u);

    const std::vector<Primitive> lists = gl.primitivesOf(GL_LINES);
    ASSERT_EQ(lists.size(), 2u);
    // Twelve edges, every corner on the unit cube, each edge along one axis.
    const Primitive &box = lists[0];
    ASSERT_EQ(box.vertices.size(), 24u);
    for (size_t i = 0; i < 24; i += 2) {
        int differing = 0;
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(std::abs(box.vertices[i][c]), 1.0f);
            differing += box.vertices[i][c] != box.vertices[i + 1][c] ? 1 : 0;
        }
        EXPECT_EQ(differing, 1);
    }
    // Axes from the low corner to 1.2 times the upper bounds (1.4 mapped).
    const std::vector<Vec3> axes{{-1, -1, -1}, {1.4f, -1, -1}, {-1, -1, -1},
                                 {-1, 1.4f, -1}, {-1, -1, -1}, {-1, -1, 1.4f}};
    ASSERT_EQ(lists[1].vertices.size(), axes.size());
    for (size_t i = 0; i < axes.size(); ++i) {
        for (size_t c = 0; c < 3; ++c) {
            EXPECT_NEAR(lists[1].vertices[i][c], axes[i][c], 1e-6f) << i;
        }
    }
    EXPECT_LT(gl.find("color", {0, 1, 0}), gl.find("color", {0, 0, 1}));

    // Letters at 1.15 times the bound (1.3 mapped), the Z smaller.
    const std::vector<std::pair<char, Args>> letters{
        {'X', {1.3, -1, -1}}, {'Y', {-1, 1.3, -1}}, {'Z', {-1, -1, 1.3}}};
    size_t from = 0;
    for (const auto &[letter, at] : letters) {
        const size_t call = gl.find("callLists", {double(letter)}, from);
        ASSERT_LT(call, gl.calls.size()) << letter;
        EXPECT_EQ(gl.calls[call - 3].args, Args{1000});
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(gl.calls[call - 2].args[static_cast<size_t>(c)], at[static_cast<size_t>(c)],
                        1e-6)
                << letter;
        }
        EXPECT_FLOAT_EQ(static_cast<float>(gl.calls[call - 1].args[0]),
                        letter == 'Z' ? 0.1f : 0.15f);
        from = call;
    }
}
