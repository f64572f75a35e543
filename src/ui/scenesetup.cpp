#include "scenesetup.h"

#include "gas.h"
#include "mixturescene.h"
#include "navigation.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <algorithm>

namespace molvix::ui {

namespace {

constexpr TColor kGreen = 0x008000; // the cube
constexpr TColor kTeal = 0x808000;  // the axes
constexpr TColor kAqua = 0xFFFF00;  // the piston

// The software view's codes and styles.
constexpr uint8_t kFilledCircle = 1; // particle shape
constexpr uint8_t kArrowHead = 0;    // segment: a head at the second end
constexpr int32_t kPlainLine = 1;    // segment: no head
constexpr uint8_t kSegmentArrowCode = 2;
constexpr uint8_t kSolidPen = 0;
constexpr int32_t kLineWidth = 1; // pixels

// The OpenGL view's.
constexpr uint8_t kSolidSphere = 1; // particle style
constexpr float kSphereSize = 6.0f;
constexpr uint8_t kConeArrow = 0; // segment style
constexpr float kGLLineWidth = 1.0f;

// Room for a mixture's particles and vectors; the classic gas draws only the
// first MaxPar and NSeg of them.
constexpr int32_t kSceneSegments = kMixtureMaxCount + SegVel + 1;

} // namespace

void buildSoftwareScene(TVx3DWorld &view, const GasState &gas, bool axes)
{
    view.Alfa = 0;
    view.Beta = 0;
    view.Zoom = kStartZoomSoft;
    view.UpdateWorldSize();

    view.AddNParticles(kMixtureMaxCount, kFilledCircle, gas.RadioSoft, 0, 0, 0, kBlack,
                       kSolidPen);
    view.AddNSegments(std::max(gas.NSeg, kSceneSegments), kArrowHead, kLineWidth, 0, 0, 0, 0, 0, 0, kBlack, kSolidPen);
    view.AddNTraces(1, 0, kBlack, kTraceInterval, kTracePoints);
    view.NParticles = MaxPar;
    view.NSegments = gas.NSeg;
    for (int32_t seg = kWallFirstSegment; seg <= kWallFirstSegment + 3; ++seg) {
        view.ChangeSegmentProperties(static_cast<uint8_t>(DisplayProperty::Colour), seg, kAqua);
        view.ChangeSegmentProperties(kSegmentArrowCode, seg, kPlainLine);
    }
    view.SetCube(kGreen, true);
    if (axes) {
        view.SetAxes(kTeal, true);
    }
}

void buildOpenGLScene(TVx3DWorldGL &view, const GasState &gas, const ViewNavigation &nav)
{
    view.AddNParticles(kMixtureMaxCount, kSolidSphere, kSphereSize, 0, 0, 0, kBlack, 0);
    view.AddNSegments(std::max(gas.NSeg, kSceneSegments), kConeArrow, kGLLineWidth, 0, 0, 0, 0, 0, 0, kBlack, 0);
    view.AddNTraces(1, 0, kBlack, kTraceInterval, kTracePoints);
    view.RotX = nav.AngAlfa;
    view.RotY = nav.AngBeta;
    view.transZ = nav.DistGL;
}

} // namespace molvix::ui
