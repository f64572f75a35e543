#pragma once

#include "gasdisplay.h"

#include <string>
#include <vector>

namespace molvix::test {

// What a display was last told about one object, in the box's coordinates.
struct RecordedObject
{
    float X = 0, Y = 0, Z = 0;                            // a particle
    float X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0; // a segment
    DisplayColour Color = kBlack;
    int32_t Radius = 0; // the size property
};

// A display that remembers: the last word on every object, the counts, the
// frames drawn, and every call in one log that two displays may share
// ("soft MoveParticle 3", "gl DrawWorld"), so that order can be checked.
class RecordingDisplay : public GasDisplay
{
public:
    RecordingDisplay(std::string name, std::vector<std::string> *log)
        : m_name(std::move(name)), m_log(log), m_particles(501), m_segments(501)
    {
    }

    const std::vector<RecordedObject> &particles() const { return m_particles; }
    const std::vector<RecordedObject> &segments() const { return m_segments; }
    int32_t NParticles = 0;
    int32_t NSegments = 0;
    int frames = 0;

    void MoveParticle(int32_t index, float x, float y, float z) override
    {
        note("MoveParticle", index);
        RecordedObject &p = m_particles.at(static_cast<size_t>(index));
        p.X = x;
        p.Y = y;
        p.Z = z;
    }
    void MoveSegment(int32_t index, float x1, float y1, float z1, float x2, float y2,
                     float z2) override
    {
        note("MoveSegment", index);
        RecordedObject &s = m_segments.at(static_cast<size_t>(index));
        s.X1 = x1;
        s.Y1 = y1;
        s.Z1 = z1;
        s.X2 = x2;
        s.Y2 = y2;
        s.Z2 = z2;
    }
    void ChangeParticleProperties(DisplayProperty code, int32_t index, int32_t value) override
    {
        note(code == DisplayProperty::Colour ? "ParticleColour" : "ParticleSize", index);
        set(m_particles.at(static_cast<size_t>(index)), code, value);
    }
    void ChangeSegmentProperties(DisplayProperty code, int32_t index, int32_t value) override
    {
        note(code == DisplayProperty::Colour ? "SegmentColour" : "SegmentSize", index);
        set(m_segments.at(static_cast<size_t>(index)), code, value);
    }
    void setParticleCount(int32_t count) override
    {
        note("ParticleCount", count);
        NParticles = count;
    }
    void setSegmentCount(int32_t count) override
    {
        note("SegmentCount", count);
        NSegments = count;
    }
    void DrawWorld() override
    {
        note("DrawWorld", -1);
        ++frames;
    }

private:
    void note(const char *call, int32_t index)
    {
        if (m_log != nullptr) {
            m_log->push_back(m_name + " " + call + (index >= 0 ? " " + std::to_string(index) : ""));
        }
    }
    static void set(RecordedObject &o, DisplayProperty code, int32_t value)
    {
        (code == DisplayProperty::Colour ? o.Color : o.Radius) = value;
    }

    std::string m_name;
    std::vector<std::string> *m_log;
    std::vector<RecordedObject> m_particles;
    std::vector<RecordedObject> m_segments;
};

} // namespace molvix::test
