#pragma once

#include <cstdint>

// Zoom and rotation of the two views, shared by the main window's handlers.
// Angles are degrees; the software view takes whole degrees 0..359.
struct ViewNavigation
{
    float AngAlfa = -90.0f;  // horizontal rotation
    float AngBeta = -90.0f;  // vertical rotation
    float PasoAlfa = 0;      // change of AngAlfa per rotation tick
    float PasoBeta = 0;      // change of AngBeta per rotation tick
    float ZoomSoft = 0.6f;   // software view zoom factor
    float DistGL = -3.7f;    // OpenGL view distance (its transZ)
    float PasoZoom = 0;      // change of ZoomSoft per zoom tick
};

// The program's one set of navigation values.
ViewNavigation &navigation();

// Hands a float angle over to a whole-degree one: truncated toward zero;
// past 359 both restart at 0; below 0 the degrees become 359 and the float
// 360, so that the next step of -1 gives 359.
void handOverAngle(float &angle, int32_t &degrees);
