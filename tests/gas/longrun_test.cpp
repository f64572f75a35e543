#include "gastest.h"

#include <random>

namespace {

using molvix::test::GasTest;
using LongRunTest = GasTest;

// 200 000 ticks with collisions on while the temperature, the piston and the
// count change under the gas: no particle may leave the box and no NaN may
// enter the state.
TEST_F(LongRunTest, TheGasStaysInTheBoxAndFinite)
{
    g.soft = nullptr; // the physics alone: views do not change the state
    g.gl = nullptr;
    g.setCollisions(true);
    for (int i = 1; i <= 50; ++i) {
        g.placeParticle(i);
    }
    g.RandomVel();
    g.ReglaTemperatura(20);

    std::mt19937 random(11);
    const int temps[] = {20, 100, 60, 100, 5, 80, 0, 100};
    const int walls[] = {100, 40, 10, 2, 0, 1, 70, 0, 25, 100, 5};
    const int counts[] = {50, 100, 100, 30, 100, 2, 100};
    long outside = 0, notFinite = 0;
    for (int tick = 1; tick <= 200000; ++tick) {
        if (tick % 5000 == 0) {
            const int step = tick / 5000;
            g.ReglaTemperatura(temps[step % 8]);
            g.MoverPared(walls[step % 11]);
            s().NumParPedido = counts[step % 7];
            g.GenPar();
        }
        if (tick % 777 == 0) {
            g.MoverPared(std::uniform_int_distribution<int>(0, 100)(random));
        }
        g.TimeLoopTimer();
        for (int i = 1; i <= s().NumPar; ++i) {
            outside += inside(i) ? 0 : 1;
            notFinite += std::isfinite(s().ParX[i]) && std::isfinite(s().ParY[i]) &&
                                 std::isfinite(s().ParZ[i]) && std::isfinite(s().VelX[i]) &&
                                 std::isfinite(s().VelY[i]) && std::isfinite(s().VelZ[i])
                             ? 0
                             : 1;
        }
        ASSERT_EQ(outside, 0) << "tick " << tick;
        ASSERT_EQ(notFinite, 0) << "tick " << tick;
    }
    EXPECT_TRUE(std::isfinite(s().Presion));
    EXPECT_TRUE(std::isfinite(s().Energ));
}

} // namespace
