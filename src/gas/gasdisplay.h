#pragma once

#include <cstdint>

// What shows the gas: the few scene operations the gas asks of a view. The
// gas holds two (the software and the OpenGL view) and calls them in the
// order the user sees them change (a tick's changes through
// Gas::showChanges, after the tick); the windows implement this for each
// real view, tests record the calls. Coordinates are the box's own (0..100
// per axis); objects are numbered from 1, as the views number them.

// A colour as 0x00BBGGRR: red in the low byte. Black hides an object in the
// software view.
using DisplayColour = int32_t;

constexpr DisplayColour kBlack = 0x000000;
constexpr DisplayColour kYellow = 0x00FFFF; // a live particle
constexpr DisplayColour kWhite = 0xFFFFFF;  // a velocity vector, a particle in the OpenGL view

// The property codes both views number alike.
enum class DisplayProperty : uint8_t
{
    Colour = 0, // a DisplayColour
    Size = 3,   // a particle's size; in the software view its radius in pixels
};

class GasDisplay
{
public:
    virtual ~GasDisplay() = default;

    virtual void MoveParticle(int32_t index, float x, float y, float z) = 0;
    virtual void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                             float z2) = 0;
    virtual void ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value) = 0;
    virtual void ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value) = 0;
    // How many particles and segments are drawn, from 1: the OpenGL view
    // hides removed particles and vectors through these.
    virtual void setParticleCount(int32_t count) = 0;
    virtual void setSegmentCount(int32_t count) = 0;
    // Draws the frame of what the display holds now.
    virtual void DrawWorld() = 0;
};
