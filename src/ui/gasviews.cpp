#include "gasviews.h"

#include "vx3dworld.h"
#include "vx3dworldgl.h"

void SoftwareGasView::MoveParticle(int32_t index, float x, float y, float z)
{
    m_view.MoveParticle(index, x, y, z);
}

void SoftwareGasView::MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                                  float z2)
{
    m_view.MoveSegment(index, x1, y1, z1, x2, y2, z2);
}

void SoftwareGasView::ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value)
{
    m_view.ChangeParticleProperties(static_cast<uint8_t>(code), index, value);
}

void SoftwareGasView::ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value)
{
    m_view.ChangeSegmentProperties(static_cast<uint8_t>(code), index, value);
}

void SoftwareGasView::setParticleCount(int32_t count)
{
    m_view.NParticles = count;
}

void SoftwareGasView::setSegmentCount(int32_t count)
{
    m_view.NSegments = count;
}

void SoftwareGasView::DrawWorld()
{
    m_view.DrawWorld();
}

void OpenGLGasView::MoveParticle(int32_t index, float x, float y, float z)
{
    m_view.MoveParticle(index, x, y, z);
}

void OpenGLGasView::MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                                float z2)
{
    m_view.MoveSegment(index, x1, y1, z1, x2, y2, z2);
}

void OpenGLGasView::ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value)
{
    m_view.ChangeParticleProperties(static_cast<uint8_t>(code), index, static_cast<float>(value));
}

void OpenGLGasView::ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value)
{
    m_view.ChangeSegmentProperties(static_cast<uint8_t>(code), index, static_cast<float>(value));
}

void OpenGLGasView::setParticleCount(int32_t count)
{
    m_view.NParticles = count;
}

void OpenGLGasView::setSegmentCount(int32_t count)
{
    m_view.NSegments = count;
}

void OpenGLGasView::DrawWorld()
{
    m_view.DrawWorld();
}
