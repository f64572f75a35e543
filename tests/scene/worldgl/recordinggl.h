#pragma once

// A GL layer that records what a drawing issues instead of drawing it: the
// calls in order, and the primitives with their vertices and the normal in
// force at each vertex.
#include "glcalls.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace molvix::test {

using Vec3 = std::array<float, 3>;

struct GLCall
{
    std::string name;
    std::vector<double> args;
};

struct Primitive
{
    GLenum mode = 0;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals; // the current normal at each vertex
};

class RecordingGL final : public GLCalls
{
public:
    std::vector<GLCall> calls;
    std::vector<Primitive> primitives;
    std::vector<Vec3> normalsIssued;
    std::map<GLenum, std::string> strings;

    void begin(GLenum mode) override
    {
        log("begin", {double(mode)});
        primitives.push_back({mode, {}, {}});
        m_open = true;
    }
    void end() override
    {
        log("end", {});
        m_open = false;
    }
    void vertex(float x, float y, float z) override
    {
        log("vertex", {x, y, z});
        if (m_open) {
            primitives.back().vertices.push_back({x, y, z});
            primitives.back().normals.push_back(m_normal);
        }
    }
    void normal(float x, float y, float z) override
    {
        log("normal", {x, y, z});
        m_normal = {x, y, z};
        normalsIssued.push_back(m_normal);
    }
    void color(float r, float g, float b) override { log("color", {r, g, b}); }
    void color(float r, float g, float b, float a) override { log("color4", {r, g, b, a}); }
    void lineWidth(float w) override { log("lineWidth", {w}); }
    void pointSize(float s) override { log("pointSize", {s}); }
    void matrixMode(GLenum m) override { log("matrixMode", {double(m)}); }
    void loadIdentity() override { log("loadIdentity", {}); }
    void pushMatrix() override { log("pushMatrix", {}); }
    void popMatrix() override { log("popMatrix", {}); }
    void translate(float x, float y, float z) override { log("translate", {x, y, z}); }
    void rotate(float a, float x, float y, float z) override { log("rotate", {a, x, y, z}); }
    void scale(float x, float y, float z) override { log("scale", {x, y, z}); }
    void frustum(double l, double r, double b, double t, double n, double f) override
    {
        log("frustum", {l, r, b, t, n, f});
    }
    void viewport(int x, int y, int w, int h) override
    {
        log("viewport", {double(x), double(y), double(w), double(h)});
    }
    void enable(GLenum c) override { log("enable", {double(c)}); }
    void disable(GLenum c) override { log("disable", {double(c)}); }
    void clear(GLbitfield m) override { log("clear", {double(m)}); }
    void clearColor(float r, float g, float b, float a) override { log("clearColor", {r, g, b, a}); }
    void clearDepth(double d) override { log("clearDepth", {d}); }
    void shadeModel(GLenum m) override { log("shadeModel", {double(m)}); }
    void frontFace(GLenum m) override { log("frontFace", {double(m)}); }
    void blendFunc(GLenum s, GLenum d) override { log("blendFunc", {double(s), double(d)}); }
    void fog(GLenum n, GLint v) override { log("fogi", {double(n), double(v)}); }
    void fog(GLenum n, float v) override { log("fogf", {double(n), v}); }
    void fog(GLenum n, const float *v) override { log("fogfv", {double(n), v[0], v[1], v[2], v[3]}); }
    void light(GLenum l, GLenum n, const float *v) override
    {
        log("light", {double(l), double(n), v[0], v[1], v[2], v[3]});
    }
    void lightModel(GLenum n, const float *v) override
    {
        log("lightModel", {double(n), v[0], v[1], v[2], v[3]});
    }
    void colorMaterial(GLenum f, GLenum m) override { log("colorMaterial", {double(f), double(m)}); }
    void newList(GLuint l, GLenum m) override { log("newList", {double(l), double(m)}); }
    void endList() override { log("endList", {}); }
    void deleteLists(GLuint l, GLsizei r) override { log("deleteLists", {double(l), double(r)}); }
    void listBase(GLuint b) override { log("listBase", {double(b)}); }
    void callLists(GLsizei n, const uint8_t *bytes) override
    {
        std::vector<double> args;
        for (GLsizei i = 0; i < n; ++i) {
            args.push_back(bytes[i]);
        }
        log("callLists", args);
    }
    void flush() override { log("flush", {}); }
    GLenum getError() override { return GL_NO_ERROR; }
    const char *getString(GLenum name) override
    {
        const auto it = strings.find(name);
        return it != strings.end() ? it->second.c_str() : "";
    }

    // The names of the calls, in order.
    std::vector<std::string> names() const
    {
        std::vector<std::string> n;
        for (const GLCall &c : calls) {
            n.push_back(c.name);
        }
        return n;
    }
    size_t count(const std::string &name) const
    {
        size_t n = 0;
        for (const GLCall &c : calls) {
            n += c.name == name ? 1 : 0;
        }
        return n;
    }
    // Position of the first call with this name and these leading args at
    // or after from; calls.size() if none.
    size_t find(const std::string &name, const std::vector<double> &args = {}, size_t from = 0) const
    {
        for (size_t i = from; i < calls.size(); ++i) {
            if (calls[i].name != name || calls[i].args.size() < args.size()) {
                continue;
            }
            bool same = true;
            for (size_t k = 0; k < args.size(); ++k) {
                same = same && calls[i].args[k] == args[k];
            }
            if (same) {
                return i;
            }
        }
        return calls.size();
    }
    std::vector<Primitive> primitivesOf(GLenum mode) const
    {
        std::vector<Primitive> r;
        for (const Primitive &p : primitives) {
            if (p.mode == mode) {
                r.push_back(p);
            }
        }
        return r;
    }
    void reset()
    {
        calls.clear();
        primitives.clear();
        normalsIssued.clear();
    }

private:
    void log(const char *name, std::vector<double> args) { calls.push_back({name, std::move(args)}); }

    bool m_open = false;
    Vec3 m_normal{0, 0, 1};
};

} // namespace molvix::test
