#pragma once

#include "vx3dworld.h"

#include <QImage>
#include <gtest/gtest.h>

namespace molvix::test {

// A 200 x 200 software view looking with Alfa = Beta = 0 and Zoom 1 at the
// box 0..100: screen x = 100 + 2 (y - 50), screen y = 100 - 2 (z - 50) for
// points on the plane x = 50, which makes pixel positions easy to aim at.
class WorldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TVx3DWorld::ResetSharedState();
        view.resize(200, 200);
        view.Zoom = 1.0f;
        view.UpdateWorldSize();
    }

    struct World
    {
        float x, y, z;
    };
    // World point on the plane x = 50 that projects onto pixel (sx, sy).
    static World at(int sx, int sy)
    {
        return {50.0f, 50.0f + (sx - 100) / 2.0f, 50.0f + (100 - sy) / 2.0f};
    }
    static QRgb rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
    static QRgb pixel(const QImage &image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

    void moveParticleTo(int index, int sx, int sy)
    {
        const World w = at(sx, sy);
        view.MoveParticle(index, w.x, w.y, w.z);
    }
    void moveSegmentTo(int index, int sx1, int sy1, int sx2, int sy2)
    {
        const World a = at(sx1, sy1);
        const World b = at(sx2, sy2);
        view.MoveSegment(index, a.x, a.y, a.z, b.x, b.y, b.z);
    }

    TVx3DWorld view;
};

} // namespace molvix::test
