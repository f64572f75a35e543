// The tick as the rules state it, written plainly (one particle, one
// neighbour at a time), run beside the program's tick: speed work on the
// program's tick must not change a single bit of the gas.
#include "gastest.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using molvix::test::FakeControls;

struct ReferenceGas
{
    GasState g;
    bool collisions = true;

    void fold(int i)
    {
        if (g.ParX[i] < 0) {
            g.VelX[i] = -g.VelX[i];
            g.ParX[i] = -g.ParX[i];
            g.Presion += 2.0f * g.VelX[i];
        }
        if (g.ParY[i] < 0) {
            g.VelY[i] = -g.VelY[i];
            g.ParY[i] = -g.ParY[i];
            g.Presion += 2.0f * g.VelY[i];
        }
        if (g.ParZ[i] < 0) {
            g.VelZ[i] = -g.VelZ[i];
            g.ParZ[i] = -g.ParZ[i];
            g.Presion += 2.0f * g.VelZ[i];
        }
        if (g.ParX[i] > 100.0f) {
            g.VelX[i] = -g.VelX[i];
            g.ParX[i] = 200.0f - g.ParX[i];
            g.Presion -= 2.0f * g.VelX[i];
        }
        if (g.ParY[i] > float(g.PosPared)) {
            g.VelY[i] = -g.VelY[i];
            g.ParY[i] = 2.0f * float(g.PosPared) - g.ParY[i];
            g.Presion -= 2.0f * g.VelY[i];
        }
        if (g.ParZ[i] > 100.0f) {
            g.VelZ[i] = -g.VelZ[i];
            g.ParZ[i] = 200.0f - g.ParZ[i];
            g.Presion -= 2.0f * g.VelZ[i];
        }
    }
    bool outside(int i) const
    {
        return g.ParX[i] < 0 || g.ParX[i] > 100.0f || g.ParY[i] < 0 ||
               g.ParY[i] > float(g.PosPared) || g.ParZ[i] < 0 || g.ParZ[i] > 100.0f;
    }
    void choquePared(int i)
    {
        fold(i);
        for (int pass = 0; pass < 64 && outside(i); ++pass) {
            if (g.PosPared <= 0 && g.ParY[i] != 0) {
                g.ParY[i] = 0;
            }
            fold(i);
        }
        if (outside(i)) {
            g.ParX[i] = std::clamp(g.ParX[i], 0.0f, 100.0f);
            g.ParY[i] = std::clamp(g.ParY[i], 0.0f, std::max(0.0f, float(g.PosPared)));
            g.ParZ[i] = std::clamp(g.ParZ[i], 0.0f, 100.0f);
        }
    }
    void colision(int i, int k)
    {
        const float dx = g.ParX[k] - g.ParX[i];
        const float dy = g.ParY[k] - g.ParY[i];
        const float dz = g.ParZ[k] - g.ParZ[i];
        const float r = std::sqrt(dx * dx + dy * dy + dz * dz);
        if (!(r > 0.0f)) {
            return;
        }
        const float ui = (g.VelX[i] * dx + g.VelY[i] * dy + g.VelZ[i] * dz) / r;
        const float uk = (g.VelX[k] * dx + g.VelY[k] * dy + g.VelZ[k] * dz) / r;
        if (ui == uk) {
            return;
        }
        const float ai = 2.0f * (uk - ui) / (g.Masa[i] / g.Masa[k] + 1.0f);
        const float ak = 2.0f * (ui - uk) / (g.Masa[k] / g.Masa[i] + 1.0f);
        if (!std::isfinite(ai) || !std::isfinite(ak)) {
            return;
        }
        const float t = g.Solape / std::fabs(ui - uk);
        g.VelX[i] = g.VelXAnt[i] + ai * dx / r;
        g.VelY[i] = g.VelYAnt[i] + ai * dy / r;
        g.VelZ[i] = g.VelZAnt[i] + ai * dz / r;
        g.VelX[k] = g.VelXAnt[k] + ak * dx / r;
        g.VelY[k] = g.VelYAnt[k] + ak * dy / r;
        g.VelZ[k] = g.VelZAnt[k] + ak * dz / r;
        // No push in a box thinner than four diameters.
        const float wall = std::max(0.0f, float(g.PosPared));
        if (ui > uk && wall >= 12.0f) {
            g.ParX[i] = std::clamp(g.ParXAnt[i] + t * (g.VelX[i] - g.VelXAnt[i]), 0.0f, 100.0f);
            g.ParY[i] = std::clamp(g.ParYAnt[i] + t * (g.VelY[i] - g.VelYAnt[i]), 0.0f, wall);
            g.ParZ[i] = std::clamp(g.ParZAnt[i] + t * (g.VelZ[i] - g.VelZAnt[i]), 0.0f, 100.0f);
        }
    }
    void contacto(int i)
    {
        for (int j = 1; j <= g.NumPar; ++j) {
            if (j == i) {
                continue;
            }
            const float dx = g.ParX[j] - g.ParX[i];
            const float dy = g.ParY[j] - g.ParY[i];
            const float dz = g.ParZ[j] - g.ParZ[i];
            const float d2 = dx * dx + dy * dy + dz * dz;
            if (4.0f * g.Radio * g.Radio > d2) {
                g.Solape = 2.0f * g.Radio - std::sqrt(d2);
                for (int p : {i, j}) {
                    g.ParXAnt[p] = g.ParX[p];
                    g.ParYAnt[p] = g.ParY[p];
                    g.ParZAnt[p] = g.ParZ[p];
                    g.VelXAnt[p] = g.VelX[p];
                    g.VelYAnt[p] = g.VelY[p];
                    g.VelZAnt[p] = g.VelZ[p];
                }
                colision(i, j);
            }
        }
    }
    void tick()
    {
        for (int i = 1; i <= g.NumPar; ++i) {
            g.ParX[i] += g.VelX[i] * g.DeltaT;
            g.ParY[i] += g.VelY[i] * g.DeltaT;
            g.ParZ[i] += g.VelZ[i] * g.DeltaT;
            choquePared(i);
            if (collisions) {
                contacto(i);
            }
        }
        g.NPasos += 1;
        if (g.NPasos == 200) {
            g.Presion = float(g.Presion / (g.PosPared * 4.0 * 0.01 + 2.0));
            g.Presion = 0;
            g.NPasos = 0;
            g.Energ = 0;
            for (int i = 1; i <= g.NumPar; ++i) {
                g.Energ = float(double(g.Energ) + double(g.VelX[i]) * g.VelX[i] +
                                double(g.VelY[i]) * g.VelY[i] + double(g.VelZ[i]) * g.VelZ[i]);
            }
        }
    }
    void moverPared(int position)
    {
        g.PosPared = position;
        for (int i = 1; i <= g.NumPar; ++i) {
            if (g.ParY[i] > float(g.PosPared)) {
                g.ParY[i] = float(g.PosPared - 1);
            }
        }
    }
};

bool sameBits(const GasState &a, const GasState &b)
{
    // Field by field: the struct may have padding.
    const auto same = [](const GasState::Floats &x, const GasState::Floats &y) {
        return std::memcmp(x.data(), y.data(), sizeof(float) * x.size()) == 0;
    };
    return same(a.ParX, b.ParX) && same(a.ParY, b.ParY) && same(a.ParZ, b.ParZ) &&
           same(a.VelX, b.VelX) && same(a.VelY, b.VelY) && same(a.VelZ, b.VelZ) &&
           same(a.ParXAnt, b.ParXAnt) && same(a.VelZAnt, b.VelZAnt) &&
           std::memcmp(&a.Presion, &b.Presion, sizeof(float)) == 0 &&
           std::memcmp(&a.Energ, &b.Energ, sizeof(float)) == 0 &&
           std::memcmp(&a.Solape, &b.Solape, sizeof(float)) == 0 && a.NPasos == b.NPasos &&
           a.PosPared == b.PosPared;
}

TEST(ReferenceTick, TenThousandTicksBitForBitWithTheWallMoving)
{
    Gas program;
    FakeControls controls;
    program.setCollisions(true);
    program.controls = &controls;
    program.state.NumPar = 100;
    for (int i = 1; i <= 100; ++i) {
        program.placeParticle(i);
    }
    program.RandomVel();
    program.ReglaTemperatura(60);

    ReferenceGas reference;
    reference.g = program.state;
    ASSERT_TRUE(sameBits(reference.g, program.state));

    const int walls[] = {100, 60, 30, 8, 0, 45, 100, 3, 70};
    int contacts = 0;
    for (int tick = 1; tick <= 10000; ++tick) {
        if (tick % 1111 == 0) {
            const int wall = walls[(tick / 1111) % 9];
            program.MoverPared(wall);
            reference.moverPared(wall);
        }
        const float solape = program.state.Solape;
        program.TimeLoopTimer();
        reference.tick();
        contacts += program.state.Solape != solape ? 1 : 0;
        ASSERT_TRUE(sameBits(reference.g, program.state)) << "tick " << tick;
    }
    EXPECT_GT(contacts, 100) << "the run must exercise collisions";
}

} // namespace
