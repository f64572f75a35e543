#pragma once

#include <cstdint>

class TVx3DWorld;
class TVx3DWorldGL;
struct GasState;
struct ViewNavigation;

// The scenes the main window builds for the gas when it is created: every
// object store the gas draws into, and how each view starts.
namespace molvix::ui {

// Each view has room for a mixture's kMixtureMaxCount particles, their
// vectors and one trace; the classic gas uses the first MaxPar and NSeg.
// The software view: MaxPar filled circles of RadioSoft pixels, NSeg
// segments (vectors with arrow heads; the piston's four outline segments
// plain aqua lines), the green cube and, when asked, the teal axes; seen
// square on, at the start zoom.
void buildSoftwareScene(TVx3DWorld &view, const GasState &gas, bool axes);

// The OpenGL view: MaxPar solid spheres and NSeg segments, turned and set
// back as the navigation says.
void buildOpenGLScene(TVx3DWorldGL &view, const GasState &gas, const ViewNavigation &nav);

} // namespace molvix::ui
