#pragma once

#include "gas.h"
#include "vx3dworld.h"
#include "vx3dworldgl.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace molvix::test {

// The control panel as the gas sees it: two combo texts and four readouts.
class FakeControls : public GasControls
{
public:
    QString coli = QStringLiteral("NO");
    QString dibVel = QStringLiteral("NO");
    QString ener, temp, pre, posPa;
    int preWrites = 0;

    QString BoxColiText() const override { return coli; }
    QString BoxDibVelText() const override { return dibVel; }
    void setMaskEner(const QString &text) override { ener = text; }
    void setMaskTemp(const QString &text) override { temp = text; }
    void setMaskPre(const QString &text) override
    {
        pre = text;
        ++preWrites;
    }
    void setMaskPosPa(const QString &text) override { posPa = text; }
};

// A gas wired to both views (as the main window builds them) and to fake
// controls. The OpenGL view has no context: its stores work, frames skip.
class GasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TVx3DWorld::ResetSharedState();
        soft.resize(334, 296);
        soft.Zoom = 0.6f;
        soft.UpdateWorldSize();
        soft.AddNParticles(100, 1, 3, 0, 0, 0, 0, 0);
        soft.AddNSegments(130, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
        soft.NParticles = 100;
        soft.NSegments = 130;
        gl.updateMapping();
        gl.AddNParticles(100, 1, 6.0f, 0, 0, 0, 0, 0);
        gl.AddNSegments(130, 0, 1.0f, 0, 0, 0, 0, 0, 0, 0, 0);
        g.soft = &soft;
        g.gl = &gl;
        g.controls = &controls;
    }

    GasState &s() { return g.state; }
    // Puts particle i somewhere with a velocity, leaving every other alone.
    void put(int i, float x, float y, float z, float vx = 0, float vy = 0, float vz = 0)
    {
        s().ParX[i] = x;
        s().ParY[i] = y;
        s().ParZ[i] = z;
        s().VelX[i] = vx;
        s().VelY[i] = vy;
        s().VelZ[i] = vz;
        s().Masa[i] = 1.0f;
    }
    bool inside(int i) const
    {
        const GasState &st = g.state;
        return st.ParX[i] >= 0 && st.ParX[i] <= 100 && st.ParY[i] >= 0 &&
               st.ParY[i] <= static_cast<float>(st.PosPared) && st.ParZ[i] >= 0 &&
               st.ParZ[i] <= 100;
    }

    TVx3DWorld soft;
    TVx3DWorldGL gl;
    FakeControls controls;
    Gas g;
};

} // namespace molvix::test
