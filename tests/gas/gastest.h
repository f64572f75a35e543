#pragma once

#include "gas.h"
#include "readouttext.h"
#include "recordingdisplay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace molvix::test {

// The control panel's four readouts, written with the panel's patterns.
class FakeControls : public GasControls
{
public:
    std::string ener, temp, pre, posPa;
    int preWrites = 0;

    void showEnergy(double energy) override { ener = readout::energyText(energy); }
    void showTemperature(double temperature, bool emptyGas) override
    {
        temp = readout::temperatureText(temperature, emptyGas);
    }
    void showPressure(double pressure) override
    {
        pre = readout::pressureText(pressure);
        ++preWrites;
    }
    void showWall(int32_t position) override { posPa = readout::wallText(position); }
};

// A gas wired to two recording displays (the software and the OpenGL view,
// as the main window wires the real ones) and to fake controls. Both
// displays log into `calls`, in the order the gas called them.
class GasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
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

    std::vector<std::string> calls;
    RecordingDisplay soft{"soft", &calls};
    RecordingDisplay gl{"gl", &calls};
    FakeControls controls;
    Gas g;
};

} // namespace molvix::test
