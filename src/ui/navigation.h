#pragma once

#include <cstdint>

// Where the views start, and where the "Zoom" label takes them back to.
constexpr float kStartAngle = -90.0f;  // AngAlfa and AngBeta
constexpr float kStartZoomSoft = 0.6f; // ZoomSoft
constexpr float kStartDistGL = -3.7f;  // DistGL

// Zoom and rotation of the two views, shared by the main window's handlers.
// Angles are degrees; the software view takes whole degrees 0..359.
struct ViewNavigation
{
    float AngAlfa = kStartAngle;     // horizontal rotation
    float AngBeta = kStartAngle;     // vertical rotation
    float PasoAlfa = 0;              // change of AngAlfa per rotation tick
    float PasoBeta = 0;              // change of AngBeta per rotation tick
    float ZoomSoft = kStartZoomSoft; // software view zoom factor
    float DistGL = kStartDistGL;     // OpenGL view distance (its transZ)
    float PasoZoom = 0;              // change of ZoomSoft per zoom tick
};

// The program's one set of navigation values.
ViewNavigation &navigation();

// Hands a float angle over to a whole-degree one: truncated toward zero;
// past 359 both restart at 0; below 0 the degrees become 359 and the float
// 360, so that the next step of -1 gives 359.
void handOverAngle(float &angle, int32_t &degrees);
