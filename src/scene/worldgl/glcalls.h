#pragma once

#include <qopengl.h>

#include <cstdint>

namespace molvix {

// The fixed-function OpenGL calls the view issues, behind one interface so
// that a test can record the primitives and vertices a drawing produces
// without a context. Each call mirrors the gl* function of the same name.
class GLCalls
{
public:
    virtual ~GLCalls() = default;

    // Primitives and per-vertex state.
    virtual void begin(GLenum mode) = 0;
    virtual void end() = 0;
    virtual void vertex(float x, float y, float z) = 0;
    virtual void normal(float x, float y, float z) = 0;
    virtual void color(float r, float g, float b) = 0;
    virtual void color(float r, float g, float b, float a) = 0;
    virtual void lineWidth(float width) = 0;
    virtual void pointSize(float size) = 0;

    // Matrices and viewport.
    virtual void matrixMode(GLenum mode) = 0;
    virtual void loadIdentity() = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translate(float x, float y, float z) = 0;
    virtual void rotate(float degrees, float x, float y, float z) = 0;
    virtual void scale(float x, float y, float z) = 0;
    virtual void frustum(double left, double right, double bottom, double top, double zNear,
                         double zFar) = 0;
    virtual void viewport(int x, int y, int width, int height) = 0;

    // Server state.
    virtual void enable(GLenum capability) = 0;
    virtual void disable(GLenum capability) = 0;
    virtual void clear(GLbitfield mask) = 0;
    virtual void clearColor(float r, float g, float b, float a) = 0;
    virtual void clearDepth(double depth) = 0;
    virtual void shadeModel(GLenum mode) = 0;
    virtual void frontFace(GLenum mode) = 0;
    virtual void blendFunc(GLenum source, GLenum destination) = 0;
    virtual void fog(GLenum name, GLint value) = 0;
    virtual void fog(GLenum name, float value) = 0;
    virtual void fog(GLenum name, const float *values) = 0;
    virtual void light(GLenum light, GLenum name, const float *values) = 0;
    virtual void lightModel(GLenum name, const float *values) = 0;
    virtual void colorMaterial(GLenum face, GLenum mode) = 0;

    // Display lists.
    virtual void newList(GLuint list, GLenum mode) = 0;
    virtual void endList() = 0;
    virtual void deleteLists(GLuint list, GLsizei range) = 0;
    virtual void listBase(GLuint base) = 0;
    // Calls list base + byte for each of the n unsigned bytes.
    virtual void callLists(GLsizei n, const uint8_t *bytes) = 0;

    virtual void flush() = 0;
    virtual GLenum getError() = 0;
    // Never null: an absent string reads as "".
    virtual const char *getString(GLenum name) = 0;
};

// The implementation that calls libGL; needs a current context.
GLCalls &libGL();

} // namespace molvix
