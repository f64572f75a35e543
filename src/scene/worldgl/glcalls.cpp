#include "glcalls.h"

namespace molvix {
namespace {

class LibGLCalls final : public GLCalls
{
public:
    void begin(GLenum mode) override { glBegin(mode); }
    void end() override { glEnd(); }
    void vertex(float x, float y, float z) override { glVertex3f(x, y, z); }
    void normal(float x, float y, float z) override { glNormal3f(x, y, z); }
    void color(float r, float g, float b) override { glColor3f(r, g, b); }
    void color(float r, float g, float b, float a) override { glColor4f(r, g, b, a); }
    void lineWidth(float width) override { glLineWidth(width); }
    void pointSize(float size) override { glPointSize(size); }

    void matrixMode(GLenum mode) override { glMatrixMode(mode); }
    void loadIdentity() override { glLoadIdentity(); }
    void pushMatrix() override { glPushMatrix(); }
    void popMatrix() override { glPopMatrix(); }
    void translate(float x, float y, float z) override { glTranslatef(x, y, z); }
    void rotate(float degrees, float x, float y, float z) override { glRotatef(degrees, x, y, z); }
    void scale(float x, float y, float z) override { glScalef(x, y, z); }
    void frustum(double left, double right, double bottom, double top, double zNear,
                 double zFar) override
    {
        glFrustum(left, right, bottom, top, zNear, zFar);
    }
    void viewport(int x, int y, int width, int height) override
    {
        glViewport(x, y, width, height);
    }

    void enable(GLenum capability) override { glEnable(capability); }
    void disable(GLenum capability) override { glDisable(capability); }
    void clear(GLbitfield mask) override { glClear(mask); }
    void clearColor(float r, float g, float b, float a) override { glClearColor(r, g, b, a); }
    void clearDepth(double depth) override { glClearDepth(depth); }
    void shadeModel(GLenum mode) override { glShadeModel(mode); }
    void frontFace(GLenum mode) override { glFrontFace(mode); }
    void blendFunc(GLenum source, GLenum destination) override
    {
        glBlendFunc(source, destination);
    }
    void fog(GLenum name, GLint value) override { glFogi(name, value); }
    void fog(GLenum name, float value) override { glFogf(name, value); }
    void fog(GLenum name, const float *values) override { glFogfv(name, values); }
    void light(GLenum light, GLenum name, const float *values) override
    {
        glLightfv(light, name, values);
    }
    void lightModel(GLenum name, const float *values) override { glLightModelfv(name, values); }
    void colorMaterial(GLenum face, GLenum mode) override { glColorMaterial(face, mode); }

    void newList(GLuint list, GLenum mode) override { glNewList(list, mode); }
    void endList() override { glEndList(); }
    void deleteLists(GLuint list, GLsizei range) override { glDeleteLists(list, range); }
    void listBase(GLuint base) override { glListBase(base); }
    void callLists(GLsizei n, const uint8_t *bytes) override
    {
        glCallLists(n, GL_UNSIGNED_BYTE, bytes);
    }

    void flush() override { glFlush(); }
    GLenum getError() override { return glGetError(); }
    const char *getString(GLenum name) override
    {
        const GLubyte *s = glGetString(name);
        return s != nullptr ? reinterpret_cast<const char *>(s) : "";
    }
};

} // namespace

GLCalls &libGL()
{
    static LibGLCalls calls;
    return calls;
}

} // namespace molvix
