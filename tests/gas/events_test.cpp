// The event step on its own: what it keeps over many steps however thin or
// hot the box, and what it takes from the caller between steps.
#include "events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Tally final : EventListener
{
    int64_t contacts = 0, walls = 0;
    void contact(int32_t, int32_t) override { ++contacts; }
    void wall(int32_t, int, bool) override { ++walls; }
    void crossed(int32_t, bool) override {}
};

// n spheres of radius r on a lattice in a box of side x height h, speeds
// of spread `spread`, masses 1 and 3 in turn.
struct Box
{
    int32_t n;
    std::vector<float> x, y, z, vx, vy, vz, mass, radius;
    EventWalls walls;
    Box(int32_t count, float r, double height, float spread)
        : n(count), x(count + 1), y(count + 1), z(count + 1), vx(count + 1), vy(count + 1),
          vz(count + 1), mass(count + 1), radius(count + 1, r)
    {
        walls.side = {100, height, 100};
        std::mt19937 random(7);
        std::normal_distribution<float> normal(0.0f, spread);
        const int32_t perRow = 100 / static_cast<int32_t>(3 * r);
        for (int32_t i = 1; i <= n; ++i) {
            x[i] = (static_cast<float>((i - 1) % perRow) + 0.5f) * 3 * r;
            z[i] = (static_cast<float>((i - 1) / perRow) + 0.5f) * 3 * r;
            y[i] = static_cast<float>(height / 2);
            vx[i] = normal(random);
            vy[i] = normal(random);
            vz[i] = normal(random);
            mass[i] = i % 2 == 0 ? 3.0f : 1.0f;
        }
    }
    EventBodies bodies()
    {
        return {x.data(), y.data(), z.data(), vx.data(), vy.data(), vz.data(),
                mass.data(), radius.data(), n};
    }
    double energy() const
    {
        double e = 0;
        for (int32_t i = 1; i <= n; ++i) {
            e += mass[i] * (double(vx[i]) * vx[i] + double(vy[i]) * vy[i] + double(vz[i]) * vz[i]);
        }
        return e;
    }
};

TEST(EventStep, KeepsEnergyAndEveryCentreInsideHoweverThinOrHot)
{
    // Slabs thinner than a diameter to the whole box, slow and fast: after
    // each step every centre is within the walls, no pair is inside the
    // other by more than rounding, and the energy is kept to float
    // rounding.
    const struct
    {
        double height;
        float spread;
    } cases[] = {{0.5, 20}, {1, 200}, {5, 100}, {100, 20}, {100, 300}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " spread " << c.spread);
        Box b(120, 1.0f, c.height, c.spread);
        const double before = b.energy();
        EventStep step;
        Tally tally;
        for (int t = 0; t < 300; ++t) {
            step.run(b.bodies(), b.walls, 0.1, true, tally);
            for (int32_t i = 1; i <= b.n; ++i) {
                ASSERT_TRUE(b.x[i] >= 0 && b.x[i] <= 100 && b.y[i] >= 0 && b.y[i] <= c.height &&
                            b.z[i] >= 0 && b.z[i] <= 100)
                    << "particle " << i << " tick " << t;
            }
        }
        for (int32_t i = 1; i <= b.n; ++i) {
            for (int32_t k = i + 1; k <= b.n; ++k) {
                const float dx = b.x[i] - b.x[k], dy = b.y[i] - b.y[k], dz = b.z[i] - b.z[k];
                ASSERT_GT(std::sqrt(dx * dx + dy * dy + dz * dz), 2.0f - 1e-3f) << i << " " << k;
            }
        }
        EXPECT_NEAR(b.energy() / before, 1.0, 1e-4);
        EXPECT_GT(tally.contacts, 0);
        EXPECT_GT(tally.walls, 0);
    }
}

TEST(EventStep, TakesTheCallersChangesBetweenStepsAndSurvivesABoxWithNoRoom)
{
    // Mid-window the caller puts particle 1 elsewhere and turns it round:
    // the next step starts from there, not from the step's own course.
    Box b(2, 1.0f, 100, 0);
    b.x[1] = 20;
    b.x[2] = 80;
    b.vx[1] = 10;
    EventStep step;
    Tally tally;
    step.run(b.bodies(), b.walls, 0.1, true, tally);
    EXPECT_FLOAT_EQ(b.x[1], 21);
    b.x[1] = 40;
    b.vx[1] = -10;
    step.run(b.bodies(), b.walls, 0.1, true, tally);
    EXPECT_FLOAT_EQ(b.x[1], 39);
    // A piston on the floor: no room on y, nothing to bounce between; the
    // step ends and the centres are on the floor.
    Box flat(20, 1.0f, 0, 30);
    for (int t = 0; t < 20; ++t) {
        step.run(flat.bodies(), flat.walls, 0.1, true, tally);
    }
    for (int32_t i = 1; i <= flat.n; ++i) {
        EXPECT_EQ(flat.y[i], 0.0f);
    }
}

TEST(EventStep, MeetsAPartnerFromCellsAwayAndStepsAhead)
{
    // Two spheres 80 apart head for each other through many cells (500
    // still ones far below make the grid fine), so each is found only when
    // their cells come next to each other; they meet at t = 1.95 at x 49
    // and 51 and, head on with equal masses, swap velocities, then fly on
    // past where the first predictions reached.
    const int32_t still = 500;
    Box b(still + 2, 1.0f, 100, 0);
    for (int32_t i = 1; i <= still; ++i) {
        b.mass[i] = 1;
        b.y[i] = 1 + static_cast<float>(i % 5) * 2.5f;
    }
    const int32_t p = still + 1, q = still + 2;
    b.mass[p] = b.mass[q] = 1;
    b.x[p] = 10;
    b.x[q] = 90;
    b.y[p] = b.y[q] = b.z[p] = b.z[q] = 50;
    b.vx[p] = 20;
    b.vx[q] = -20;
    EventStep step;
    Tally tally;
    for (int t = 0; t < 40; ++t) {
        step.run(b.bodies(), b.walls, 0.1, true, tally);
    }
    EXPECT_EQ(tally.contacts, 1);
    EXPECT_NEAR(b.x[p], 8, 1e-4);
    EXPECT_NEAR(b.x[q], 92, 1e-4);
    EXPECT_EQ(b.vx[p], -20);
    EXPECT_EQ(b.vx[q], 20);
}

// The slow way to the same events: every pair and wall looked at again
// after each event, all particles moved together.
struct BruteForce
{
    std::vector<double> x, y, z;
    std::vector<float> vx, vy, vz, mass, radius;
    std::array<double, 3> side{};
    int64_t contacts = 0, walls = 0;

    explicit BruteForce(const Box &b)
        : x(b.x.begin(), b.x.end()), y(b.y.begin(), b.y.end()), z(b.z.begin(), b.z.end()),
          vx(b.vx), vy(b.vy), vz(b.vz), mass(b.mass), radius(b.radius), side(b.walls.side)
    {
    }
    void step(double dt)
    {
        const auto n = static_cast<int32_t>(x.size()) - 1;
        for (double left = dt;;) {
            double first = left;
            int32_t a = 0, b = 0, axis = -1;
            for (int32_t i = 1; i <= n; ++i) {
                const double p[3] = {x[i], y[i], z[i]}, v[3] = {vx[i], vy[i], vz[i]};
                for (int k = 0; k < 3; ++k) {
                    const double t = v[k] == 0 ? -1 : std::max(0.0, ((v[k] > 0 ? side[k] : 0.0) - p[k]) / v[k]);
                    if (t >= 0 && t < first) {
                        first = t, a = i, b = 0, axis = k;
                    }
                }
                for (int32_t j = i + 1; j <= n; ++j) {
                    const std::array<double, 3> dr = {x[j] - x[i], y[j] - y[i], z[j] - z[i]};
                    const std::array<double, 3> dv = {double(vx[j]) - vx[i], double(vy[j]) - vy[i],
                                                      double(vz[j]) - vz[i]};
                    const double t = contactTime(dr, dv, double(radius[i]) + radius[j], 0, first);
                    if (t >= 0 && t < first) {
                        first = t, a = i, b = j;
                    }
                }
            }
            for (int32_t i = 1; i <= n; ++i) {
                x[i] += vx[i] * first;
                y[i] += vy[i] * first;
                z[i] += vz[i] * first;
            }
            left -= first;
            if (a == 0) {
                return;
            }
            if (b == 0) {
                std::vector<double> *p[3] = {&x, &y, &z};
                std::vector<float> *v[3] = {&vx, &vy, &vz};
                (*p[axis])[a] = (*v[axis])[a] > 0 ? side[axis] : 0.0;
                (*v[axis])[a] = -(*v[axis])[a];
                ++walls;
                continue;
            }
            ++contacts;
            std::array<double, 3> u = {x[b] - x[a], y[b] - y[a], z[b] - z[a]};
            const double r = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
            for (double &c : u) {
                c /= r;
            }
            const double ma = mass[a], mb = mass[b];
            const double un = (vx[b] - vx[a]) * u[0] + (vy[b] - vy[a]) * u[1] + (vz[b] - vz[a]) * u[2];
            const double impulse = 2.0 * ma * mb / (ma + mb) * un;
            vx[a] = static_cast<float>(vx[a] + impulse / ma * u[0]);
            vy[a] = static_cast<float>(vy[a] + impulse / ma * u[1]);
            vz[a] = static_cast<float>(vz[a] + impulse / ma * u[2]);
            vx[b] = static_cast<float>(vx[b] - impulse / mb * u[0]);
            vy[b] = static_cast<float>(vy[b] - impulse / mb * u[1]);
            vz[b] = static_cast<float>(vz[b] - impulse / mb * u[2]);
        }
    }
};

TEST(EventStep, MakesTheEventsThatEveryPairLookedAtMakes)
{
    // A crowded slab and a hot cube: the cells, the passings and the heap
    // find every contact and wall hit that testing every pair after each
    // event finds, and leave every particle where it leaves it.
    const struct
    {
        double height;
        float spread;
    } cases[] = {{5, 20}, {100, 60}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height);
        Box b(120, 1.0f, c.height, c.spread);
        BruteForce slow(b);
        EventStep step;
        Tally tally;
        for (int t = 0; t < 10; ++t) {
            step.run(b.bodies(), b.walls, 0.1, true, tally);
            slow.step(0.1);
        }
        EXPECT_GT(tally.contacts, 50);
        EXPECT_EQ(tally.contacts, slow.contacts);
        EXPECT_EQ(tally.walls, slow.walls);
        for (int32_t i = 1; i <= b.n; ++i) {
            ASSERT_NEAR(b.x[i], slow.x[i], 1e-3) << i;
            ASSERT_NEAR(b.y[i], slow.y[i], 1e-3) << i;
            ASSERT_NEAR(b.z[i], slow.z[i], 1e-3) << i;
        }
    }
}

} // namespace
