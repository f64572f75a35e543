#pragma once

#include "gasdisplay.h"

class TVx3DWorld;
class TVx3DWorldGL;

// The two scene views as the gas sees them: each call passed straight on,
// with the view's own property codes and value types. The views are not
// owned and must outlive the adapter's use by the gas.
class SoftwareGasView : public GasDisplay
{
public:
    explicit SoftwareGasView(TVx3DWorld &view) : m_view(view) {}

    void MoveParticle(int32_t index, float x, float y, float z) override;
    void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                     float z2) override;
    void ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value) override;
    void ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value) override;
    void setParticleCount(int32_t count) override;
    void setSegmentCount(int32_t count) override;
    void DrawWorld() override;

private:
    TVx3DWorld &m_view;
};

// The OpenGL view takes its property values as floats: colours 0..0xFFFFFF
// and small sizes are exact in a float.
class OpenGLGasView : public GasDisplay
{
public:
    explicit OpenGLGasView(TVx3DWorldGL &view) : m_view(view) {}

    void MoveParticle(int32_t index, float x, float y, float z) override;
    void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                     float z2) override;
    void ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value) override;
    void ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value) override;
    void setParticleCount(int32_t count) override;
    void setSegmentCount(int32_t count) override;
    void DrawWorld() override;

private:
    TVx3DWorldGL &m_view;
};
