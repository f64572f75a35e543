#pragma once

#include "glcalls.h"

#include <cstdint>

// Spheres, cones and cylinders drawn vertex by vertex in immediate mode,
// around the origin of the current model-view matrix. The caller translates
// (and rotates) first and sets the colour.
namespace molvix {

// Issues (x, y, z) as the current normal, made unit length unless it is
// shorter than 1e-5 (then issued as given).
void SetNormal(GLCalls &gl, float x, float y, float z);

// Style 1 or 12 solid, 0 or 13 wire, any other value a sphere of points.
// Axis along z. Nothing is drawn for fewer than one slice or stack.
void DrawSphere(GLCalls &gl, uint8_t style, double radius, int32_t slices, int32_t stacks);

enum class CylinderMode { Points, Wire, Silhouette, Solid };

// Particles: 4, 8 points; 5, 9 wire; 6, 10 silhouette; anything else solid.
CylinderMode particleCylinderMode(uint8_t code);
// Segment arrow heads: 2 points; 3 wire; 4 silhouette; anything else solid.
CylinderMode arrowCylinderMode(uint8_t code);

// Along +z from z = 0 (radius base) to z = height (radius top), open at both
// ends. Nothing is drawn for fewer than one slice or stack.
void DrawCylinder(GLCalls &gl, CylinderMode mode, double base, double top, double height,
                  int32_t slices, int32_t stacks);

} // namespace molvix
