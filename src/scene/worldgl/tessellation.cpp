// Angles are radians. Steps and per-vertex angles are rounded to single
// precision before their sine and cosine are taken, so that the vertices
// come out the same on every platform whatever the libm's float paths do.
#include "tessellation.h"

#include <cmath>
#include <numbers>

namespace molvix {
namespace {

constexpr double kPi = std::numbers::pi;

struct Unit
{
    float x, y, z;
};

// Solid and point spheres start their azimuth on +y and turn toward -x.
Unit solidPoint(float rho, float theta)
{
    const double sr = std::sin(static_cast<double>(rho));
    return {static_cast<float>(-std::sin(static_cast<double>(theta)) * sr),
            static_cast<float>(std::cos(static_cast<double>(theta)) * sr),
            static_cast<float>(std::cos(static_cast<double>(rho)))};
}

// Wire spheres start their azimuth on +x and turn toward +y.
Unit wirePoint(float rho, float theta)
{
    const double sr = std::sin(static_cast<double>(rho));
    return {static_cast<float>(std::cos(static_cast<double>(theta)) * sr),
            static_cast<float>(std::sin(static_cast<double>(theta)) * sr),
            static_cast<float>(std::cos(static_cast<double>(rho)))};
}

// The normal of a sphere vertex is the unit point itself.
void sphereVertex(GLCalls &gl, const Unit &p, double radius)
{
    gl.normal(p.x, p.y, p.z);
    gl.vertex(static_cast<float>(p.x * radius), static_cast<float>(p.y * radius),
              static_cast<float>(p.z * radius));
}

void solidSphere(GLCalls &gl, double radius, int32_t slices, int32_t stacks, float drho,
                 float dtheta)
{
    // The seam closes on theta = 0 exactly rather than on slices * dtheta.
    const auto thetaOf = [slices, dtheta](int32_t j) {
        return j == slices ? 0.0f : static_cast<float>(j) * dtheta;
    };
    gl.begin(GL_TRIANGLE_FAN);
    gl.normal(0.0f, 0.0f, 1.0f);
    gl.vertex(0.0f, 0.0f, static_cast<float>(radius));
    for (int32_t j = 0; j <= slices; ++j) {
        sphereVertex(gl, solidPoint(drho, thetaOf(j)), radius);
    }
    gl.end();

    for (int32_t i = 1; i <= stacks - 2; ++i) {
        const float rho = static_cast<float>(i) * drho;
        gl.begin(GL_QUAD_STRIP);
        for (int32_t j = 0; j <= slices; ++j) {
            const float theta = thetaOf(j);
            sphereVertex(gl, solidPoint(rho, theta), radius);
            sphereVertex(gl, solidPoint(rho + drho, theta), radius);
        }
        gl.end();
    }

    const float southRim = static_cast<float>(kPi) - drho;
    gl.begin(GL_TRIANGLE_FAN);
    gl.normal(0.0f, 0.0f, -1.0f);
    gl.vertex(0.0f, 0.0f, static_cast<float>(-radius));
    for (int32_t j = slices; j >= 0; --j) {
        sphereVertex(gl, solidPoint(southRim, thetaOf(j)), radius);
    }
    gl.end();
}

void wireSphere(GLCalls &gl, double radius, int32_t slices, int32_t stacks, float drho,
                float dtheta)
{
    for (int32_t i = 1; i <= stacks - 1; ++i) {
        const float rho = static_cast<float>(i) * drho;
        gl.begin(GL_LINE_LOOP);
        for (int32_t j = 0; j < slices; ++j) {
            sphereVertex(gl, wirePoint(rho, static_cast<float>(j) * dtheta), radius);
        }
        gl.end();
    }
    for (int32_t j = 0; j < slices; ++j) {
        const float theta = static_cast<float>(j) * dtheta;
        gl.begin(GL_LINE_STRIP);
        for (int32_t i = 0; i <= stacks; ++i) {
            sphereVertex(gl, wirePoint(static_cast<float>(i) * drho, theta), radius);
        }
        gl.end();
    }
}

void pointSphere(GLCalls &gl, double radius, int32_t slices, int32_t stacks, float drho,
                 float dtheta)
{
    gl.begin(GL_POINTS);
    gl.normal(0.0f, 0.0f, 1.0f);
    gl.vertex(0.0f, 0.0f, static_cast<float>(radius));
    gl.normal(0.0f, 0.0f, -1.0f);
    gl.vertex(0.0f, 0.0f, static_cast<float>(-radius));
    for (int32_t i = 1; i <= stacks - 2; ++i) {
        const float rho = static_cast<float>(i) * drho;
        for (int32_t j = 0; j < slices; ++j) {
            sphereVertex(gl, solidPoint(rho, static_cast<float>(j) * dtheta), radius);
        }
    }
    gl.end();
}

struct SliceDir
{
    float c, s;
};

SliceDir sliceDir(float angle)
{
    return {static_cast<float>(std::cos(static_cast<double>(angle))),
            static_cast<float>(std::sin(static_cast<double>(angle)))};
}

// The lengthwise lines of the wire and silhouette drawings.
void lengthwiseLines(GLCalls &gl, double base, double top, double height, int32_t slices,
                     float da, float nz)
{
    gl.begin(GL_LINES);
    for (int32_t i = 0; i < slices; ++i) {
        const SliceDir d = sliceDir(static_cast<float>(i) * da);
        SetNormal(gl, d.c, d.s, nz);
        gl.vertex(static_cast<float>(d.c * base), static_cast<float>(d.s * base), 0.0f);
        gl.vertex(static_cast<float>(d.c * top), static_cast<float>(d.s * top),
                  static_cast<float>(height));
    }
    gl.end();
}

void ringLoop(GLCalls &gl, int32_t slices, float da, float nz, float r, float z)
{
    gl.begin(GL_LINE_LOOP);
    for (int32_t i = 0; i < slices; ++i) {
        const SliceDir d = sliceDir(static_cast<float>(i) * da);
        SetNormal(gl, d.c, d.s, nz);
        gl.vertex(d.c * r, d.s * r, z);
    }
    gl.end();
}

} // namespace

void SetNormal(GLCalls &gl, float x, float y, float z)
{
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length > 1e-5f) {
        x /= length;
        y /= length;
        z /= length;
    }
    gl.normal(x, y, z);
}

void DrawSphere(GLCalls &gl, uint8_t style, double radius, int32_t slices, int32_t stacks)
{
    // The steps divide by slices and stacks.
    if (slices < 1 || stacks < 1) {
        return;
    }
    const float drho = static_cast<float>(kPi / stacks);
    const float dtheta = static_cast<float>(2.0 * kPi / slices);
    switch (style) {
    case 1:
    case 12:
        solidSphere(gl, radius, slices, stacks, drho, dtheta);
        break;
    case 0:
    case 13:
        wireSphere(gl, radius, slices, stacks, drho, dtheta);
        break;
    default:
        pointSphere(gl, radius, slices, stacks, drho, dtheta);
        break;
    }
}

CylinderMode particleCylinderMode(uint8_t code)
{
    switch (code) {
    case 4:
    case 8:
        return CylinderMode::Points;
    case 5:
    case 9:
        return CylinderMode::Wire;
    case 6:
    case 10:
        return CylinderMode::Silhouette;
    default:
        return CylinderMode::Solid;
    }
}

CylinderMode arrowCylinderMode(uint8_t code)
{
    switch (code) {
    case 2:
        return CylinderMode::Points;
    case 3:
        return CylinderMode::Wire;
    case 4:
        return CylinderMode::Silhouette;
    default:
        return CylinderMode::Solid;
    }
}

void DrawCylinder(GLCalls &gl, CylinderMode mode, double base, double top, double height,
                  int32_t slices, int32_t stacks)
{
    if (slices < 1 || stacks < 1) {
        return;
    }
    const float da = static_cast<float>(2.0 * kPi / slices);
    const float dz = static_cast<float>(height / stacks);
    const float dr = static_cast<float>((top - base) / stacks);
    // The slope of the side; a flat (zero-height) body has none.
    const float nz = height != 0.0 ? static_cast<float>((base - top) / height) : 0.0f;
    const float fbase = static_cast<float>(base);

    switch (mode) {
    case CylinderMode::Points:
        gl.begin(GL_POINTS);
        for (int32_t i = 0; i < slices; ++i) {
            const SliceDir d = sliceDir(static_cast<float>(i) * da);
            SetNormal(gl, d.c, d.s, nz);
            float z = 0.0f;
            float r = fbase;
            for (int32_t j = 0; j <= stacks; ++j) {
                gl.vertex(d.c * r, d.s * r, z);
                z += dz;
                r += dr;
            }
        }
        gl.end();
        break;
    case CylinderMode::Wire:
        for (int32_t j = 0; j <= stacks; ++j) {
            ringLoop(gl, slices, da, nz, fbase + static_cast<float>(j) * dr,
                     static_cast<float>(j) * dz);
        }
        lengthwiseLines(gl, base, top, height, slices, da, nz);
        break;
    case CylinderMode::Silhouette:
        if (base != 0.0) {
            ringLoop(gl, slices, da, nz, fbase, 0.0f);
            ringLoop(gl, slices, da, nz, static_cast<float>(top), static_cast<float>(height));
        }
        lengthwiseLines(gl, base, top, height, slices, da, nz);
        break;
    case CylinderMode::Solid:
        for (int32_t i = 0; i < slices; ++i) {
            const float a1 = static_cast<float>(i) * da;
            const float a2 = static_cast<float>(i + 1) * da;
            const float x1 = static_cast<float>(-std::sin(static_cast<double>(a1)));
            const float y1 = static_cast<float>(std::cos(static_cast<double>(a1)));
            const float x2 = static_cast<float>(-std::sin(static_cast<double>(a2)));
            const float y2 = static_cast<float>(std::cos(static_cast<double>(a2)));
            gl.begin(GL_QUAD_STRIP);
            for (int32_t j = 0; j <= stacks; ++j) {
                const float z = static_cast<float>(j) * dz;
                const float r = fbase + static_cast<float>(j) * dr;
                SetNormal(gl, x1, y1, nz);
                gl.vertex(x1 * r, y1 * r, z);
                SetNormal(gl, x2, y2, nz);
                gl.vertex(x2 * r, y2 * r, z);
            }
            gl.end();
        }
        break;
    }
}

} // namespace molvix
