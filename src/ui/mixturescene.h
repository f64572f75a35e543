#pragma once

#include "scenetypes.h"

#include <cstdint>

class Gas;
class TVx3DWorld;
class TVx3DWorldGL;

// What a mixture adds to the two views: species B and the heavy particle in
// colours and sizes of their own, the divider with its hole, and the traced
// particle's trace. The classic gas shows none of it: dressing the views for
// a gas that is not a mixture puts them back as the classic start-up has
// them.
namespace molvix::ui {

// 0x00BBGGRR, each an entry of the OpenGL view's palette as well.
constexpr TColor kSpeciesBColour = 0xFF00FF; // magenta; pink in the OpenGL view
constexpr TColor kHeavyColour = 0x0000FF;    // red
constexpr TColor kDividerColour = 0x808080;  // grey
constexpr TColor kHoleColour = 0xFFFF00;     // aqua
constexpr TColor kTraceColour = 0x00FF00;    // lime; yellow in the OpenGL view
// The OpenGL view's particles of species A, as "Puntos" has them (no palette
// entry: white).
constexpr float kGLClassicColour = 65535.0f;

// Segments 16..19 outline the divider, 20..23 its hole: below the piston's
// (24..27), so that the OpenGL view, which draws segments up to a count,
// draws them with the vectors off. Black (not drawn) in the classic gas.
constexpr int32_t kDividerFirstSegment = 16;
constexpr int32_t kHoleFirstSegment = 20;
// The trace: one in each view, sampled every kTraceInterval moves, up to
// kTracePoints points.
constexpr int32_t kTraceInterval = 4;
constexpr int32_t kTracePoints = 250;

// A sphere's pixel radius in the software view: the classic one scaled by
// its radius over the classic radius, at least one pixel.
int32_t softwareRadius(float radius, int32_t classicPixels);
// A sphere's size in the OpenGL view: "Bolas" draws solid spheres of size
// 0.025 x radius (the classic 0.025 x Radio), "Puntos" points scaled from
// the classic point size.
float openGLSize(float radius, bool balls);
float openGLClassicPointSize();

// The mixture's colours, sizes, divider and trace on the software view (or
// the classic ones back, with the gas not a mixture), its counts set to
// cover the mixture's particles and vectors.
void dressSoftwareView(TVx3DWorld &view, const Gas &gas);
// The same on the OpenGL view, drawing balls or points as BoxBolas says.
void dressOpenGLView(TVx3DWorldGL &view, const Gas &gas, bool balls);

} // namespace molvix::ui
