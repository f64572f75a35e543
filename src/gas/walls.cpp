#include "gas.h"

#include <algorithm>

// The walls: a particle's meeting with the six, and the piston's move by the
// wall bar, which folds the particles above it.

namespace {

// The walls as the wall collision sees them: the fixed walls are the
// constants 0 and 100 (200 mirrors 100); the piston is wallY().
constexpr float kFar = kBoxSize;
constexpr float kMirror = 2.0f * kBoxSize;

} // namespace

void Gas::wallTests(int32_t i, float wall)
{
    if (m_process.active && m_process.settings.bath) {
        bathWallTests(i, wall);
        return;
    }
    GasState &g = state;
    // The velocity is negated before it is added: every hit adds twice the
    // normal speed (unit mass), the momentum the wall receives. A mixture's
    // particles weigh their masses in (2 x 1 x v is 2 v exactly).
    const float m = g.Mezcla == 1 ? g.Masa[i] : 1.0f;
    if (g.ParX[i] < 0) {
        g.VelX[i] = -g.VelX[i];
        g.ParX[i] = -g.ParX[i];
        g.Presion += 2.0f * m * g.VelX[i];
    }
    if (g.ParY[i] < 0) {
        g.VelY[i] = -g.VelY[i];
        g.ParY[i] = -g.ParY[i];
        g.Presion += 2.0f * m * g.VelY[i];
    }
    if (g.ParZ[i] < 0) {
        g.VelZ[i] = -g.VelZ[i];
        g.ParZ[i] = -g.ParZ[i];
        g.Presion += 2.0f * m * g.VelZ[i];
    }
    if (g.ParX[i] > kFar) {
        g.VelX[i] = -g.VelX[i];
        g.ParX[i] = kMirror - g.ParX[i];
        g.Presion -= 2.0f * m * g.VelX[i];
    }
    if (g.ParY[i] > wall) {
        if (m_process.active) {
            pistonHit(i, wall); // a piston in motion or under a load
        } else {
            g.VelY[i] = -g.VelY[i];
            g.ParY[i] = 2.0f * wall - g.ParY[i];
            g.Presion -= 2.0f * m * g.VelY[i];
        }
    }
    if (g.ParZ[i] > kFar) {
        g.VelZ[i] = -g.VelZ[i];
        g.ParZ[i] = kMirror - g.ParZ[i];
        g.Presion -= 2.0f * m * g.VelZ[i];
    }
}

void Gas::ChoquePared(int32_t i)
{
    // The walls as they are this tick: the piston at its whole position
    // PosPared, or where a process has it (impacts change a loaded piston's
    // velocity, not its position). Most particles meet no wall in a tick:
    // one test spares the rest, and changes nothing for one inside.
    const float wall = wallY();
    if (!outsideBox(i, wall)) {
        return;
    }
    GasState &g = state;
    wallTests(i, wall);
    // One pass of the six tests can leave a particle outside: a fast one
    // under a low piston crosses both y walls in one tick, and a particle
    // folded above the piston may land below the floor. Left there it would
    // drift away for good, so fold again (each fold adds its momentum) until
    // it is inside. With the piston at 0 there is no room to fold into: the
    // particle rests on the floor.
    for (int pass = 0; pass < kMaxFoldPasses && outsideBox(i, wall); ++pass) {
        if (!(wall > 0) && (g.ParY[i] < 0 || g.ParY[i] > 0)) {
            g.ParY[i] = 0;
        }
        wallTests(i, wall);
    }
    if (outsideBox(i, wall)) {
        g.ParX[i] = std::clamp(g.ParX[i], 0.0f, kFar);
        g.ParY[i] = std::clamp(g.ParY[i], 0.0f, std::max(0.0f, wall));
        g.ParZ[i] = std::clamp(g.ParZ[i], 0.0f, kFar);
    }
}

void Gas::MoverPared(int32_t position)
{
    // The wall bar sets where a moving piston goes; a loaded one it follows.
    if (m_process.settings.piston == PistonMode::Moving) {
        m_process.settings.pistonTarget = static_cast<float>(std::clamp(position, 0, kWallMax));
        return;
    }
    if (m_process.settings.piston == PistonMode::Loaded) {
        return;
    }
    GasState &g = state;
    g.PosPared = position;
    m_process.piston = position;
    m_changes |= GasChange::Wall;
    const float wall = static_cast<float>(g.PosPared);
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        if (!(g.ParY[i] > wall)) {
            continue; // a particle exactly at the piston stays
        }
        // Just below the new piston; velocity kept, nothing added to Presion.
        g.ParY[i] = static_cast<float>(g.PosPared - 1);
        m_changes |= GasChange::Positions;
        if (soft != nullptr) {
            soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
        if (gl != nullptr) {
            gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
        if (g.DibVel == 1) {
            const float x = g.ParX[i], y = g.ParY[i], z = g.ParZ[i];
            if (gl != nullptr) {
                gl->MoveSegment(i + SegVel, x, y, z, x + g.VelX[i], y + g.VelY[i], z + g.VelZ[i]);
            }
            if (soft != nullptr) {
                soft->MoveSegment(i + SegVel, x, y, z, x + g.VelX[i], y + g.VelY[i], z + g.VelZ[i]);
            }
        }
    }
    Pared_Movil();
    if (gl != nullptr) {
        gl->DrawWorld();
    }
    if (controls != nullptr) {
        controls->showWall(g.PosPared);
    }
}
