#include "gas.h"

// The gas on its two displays: what the views are told, in the order the
// user sees it change. The tick draws nothing; showChanges brings the active
// view up to it afterwards.

void Gas::showChanges(GasChange changes)
{
    const GasState &g = state;
    // Particle by particle, each with its vector, as the classic program
    // moved them; a vector starts at its particle, so it follows a move.
    const bool moved = any(changes, GasChange::Positions);
    const bool vectors = g.DibVel == 1 && any(changes, GasChange::Positions | GasChange::Vectors);
    for (int32_t i = 1; i <= g.NumPar && (moved || vectors); ++i) {
        if (moved) {
            moveParticleOnActiveView(i);
        }
        if (vectors) {
            moveVectorOnActiveView(i);
        }
    }
    if (any(changes, GasChange::Wall)) {
        placeWallOutlineOnActiveView();
    }
    if (changes != GasChange::None) {
        redrawActiveView();
    }
}

void Gas::moveParticleOnActiveView(int32_t i)
{
    const GasState &g = state;
    if (g.ModoGL == 1) {
        if (gl != nullptr) {
            gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
    } else if (g.ModoGL == 0) {
        if (soft != nullptr) {
            soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
    }
}

void Gas::moveVectorOnActiveView(int32_t i)
{
    const GasState &g = state;
    const float x = g.ParX[i], y = g.ParY[i], z = g.ParZ[i];
    if (g.ModoGL == 1) {
        if (gl != nullptr) {
            gl->MoveSegment(i + SegVel, x, y, z, x + g.VelX[i], y + g.VelY[i], z + g.VelZ[i]);
        }
    } else if (g.ModoGL == 0) {
        if (soft != nullptr) {
            soft->MoveSegment(i + SegVel, x, y, z, x + g.VelX[i], y + g.VelY[i], z + g.VelZ[i]);
        }
    }
}

void Gas::redrawActiveView()
{
    if (state.ModoGL == 1) {
        if (gl != nullptr) {
            gl->DrawWorld();
        }
    } else if (state.ModoGL == 0) {
        if (soft != nullptr) {
            soft->DrawWorld();
        }
    }
}

// ---- piston and vectors ----------------------------------------------------

namespace {

void placeWall(GasDisplay &view, float w)
{
    view.MoveSegment(kWallFirstSegment, 0, w, 0, 0, w, 100);
    view.MoveSegment(kWallFirstSegment + 1, 0, w, 100, 100, w, 100);
    view.MoveSegment(kWallFirstSegment + 2, 100, w, 100, 100, w, 0);
    view.MoveSegment(kWallFirstSegment + 3, 100, w, 0, 0, w, 0);
}

} // namespace

void Gas::Pared_Movil()
{
    if (soft != nullptr) {
        placeWall(*soft, static_cast<float>(state.PosPared));
        soft->DrawWorld();
    }
    if (gl != nullptr) {
        placeWall(*gl, static_cast<float>(state.PosPared));
        gl->DrawWorld();
    }
}

void Gas::placeWallOutline(GasDisplay &display) const
{
    placeWall(display, wallY());
}

void Gas::placeWallOutlineOnActiveView()
{
    if (state.ModoGL == 1) {
        if (gl != nullptr) {
            placeWall(*gl, wallY());
        }
    } else if (state.ModoGL == 0) {
        if (soft != nullptr) {
            placeWall(*soft, wallY());
        }
    }
}

void Gas::DibujaVel()
{
    const GasState &g = state;
    const bool shown = vectorsShown();
    // A vector is the velocity itself from the particle's centre, unscaled:
    // the distance covered in 10 ticks.
    for (int32_t k = 1; k <= g.NumPar; ++k) {
        const int32_t s = k + SegVel;
        const float x = g.ParX[k], y = g.ParY[k], z = g.ParZ[k];
        const float x2 = x + g.VelX[k], y2 = y + g.VelY[k], z2 = z + g.VelZ[k];
        if (gl != nullptr) {
            gl->MoveSegment(s, x, y, z, x2, y2, z2);
        }
        if (soft != nullptr) {
            if (shown) {
                soft->ChangeSegmentProperties(DisplayProperty::Colour, s, kWhite);
            }
            soft->MoveSegment(s, x, y, z, x2, y2, z2);
        }
    }
    if (gl != nullptr) {
        gl->DrawWorld();
    }
    if (soft != nullptr) {
        soft->DrawWorld();
    }
}
