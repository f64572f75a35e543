// The event step on its own: what it keeps over many steps however thin or
// hot the box, with or without a field along the height, and what it takes
// from the caller between steps.
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
    const EventStep *step = nullptr; // to ask where the first pair touched
    int64_t contacts = 0, walls = 0, floors = 0, tops = 0;
    std::array<double, 3> first{}, second{};
    double flown = 0; // by the first of them till then
    void contact(int32_t i, int32_t j) override
    {
        if (contacts++ == 0 && step != nullptr) {
            first = step->position(i);
            second = step->position(j);
            flown = step->flown(i);
        }
    }
    void wall(int32_t, int axis, bool high) override
    {
        ++walls;
        if (axis == 1) {
            ++(high ? tops : floors);
        }
    }
    void crossed(int32_t, bool) override {}
};

// n spheres of radius r on a lattice in a box of side x height h, speeds
// of spread `spread`, masses 1 and 3 in turn; a field g along the height.
struct Box
{
    int32_t n;
    std::vector<float> x, y, z, vx, vy, vz, mass, radius;
    EventWalls walls;
    Box(int32_t count, float r, double height, float spread, double g = 0)
        : n(count), x(count + 1), y(count + 1), z(count + 1), vx(count + 1), vy(count + 1),
          vz(count + 1), mass(count + 1), radius(count + 1, r)
    {
        walls.side = {100, height, 100};
        walls.gravity = g;
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
    // Twice the kinetic energy plus the potential.
    double energy() const
    {
        double e = 0;
        for (int32_t i = 1; i <= n; ++i) {
            e += mass[i] * (double(vx[i]) * vx[i] + double(vy[i]) * vy[i] + double(vz[i]) * vz[i] +
                            2 * walls.gravity * y[i]);
        }
        return e;
    }
};

TEST(EventStep, KeepsEnergyAndEveryCentreInsideHoweverThinOrHot)
{
    // Slabs thinner than a diameter to the whole box, slow and fast, with
    // and without the field: after each step every centre is within the
    // walls, no pair is inside the other by more than rounding, and the
    // energy (kinetic and potential) is kept to float rounding.
    const struct
    {
        double height;
        float spread;
        double g;
    } cases[] = {{0.5, 20, 0},   {1, 200, 0},  {5, 100, 0},    {100, 20, 0},
                 {100, 300, 0},  {1, 200, 500}, {5, 100, 1000}, {100, 20, 20}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " spread " << c.spread
                                        << " g " << c.g);
        Box b(120, 1.0f, c.height, c.spread, c.g);
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
    // step ends and the centres are on the floor. A field has no height to
    // pull them down: it leaves their speeds as they were.
    for (const double g : {0.0, 10.0}) {
        Box flat(20, 1.0f, 0, 30, g);
        const double before = flat.energy();
        for (int t = 0; t < 20; ++t) {
            step.run(flat.bodies(), flat.walls, 0.1, true, tally);
        }
        for (int32_t i = 1; i <= flat.n; ++i) {
            EXPECT_EQ(flat.y[i], 0.0f);
        }
        EXPECT_NEAR(flat.energy() / before, 1.0, 1e-4) << "g " << g;
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
// Under the field: the velocities on the height in double, on parabolas.
struct BruteForce
{
    std::vector<double> x, y, z, vy;
    std::vector<float> vx, vz, mass, radius;
    std::array<double, 3> side{};
    double g;
    int64_t contacts = 0, walls = 0;

    explicit BruteForce(const Box &b)
        : x(b.x.begin(), b.x.end()), y(b.y.begin(), b.y.end()), z(b.z.begin(), b.z.end()),
          vy(b.vy.begin(), b.vy.end()), vx(b.vx), vz(b.vz), mass(b.mass), radius(b.radius),
          side(b.walls.side), g(b.walls.gravity)
    {
    }
    // Without the field the velocities are floats.
    double kept(double v) const { return g != 0 ? v : static_cast<float>(v); }
    void step(double dt)
    {
        const auto n = static_cast<int32_t>(x.size()) - 1;
        for (double left = dt;;) {
            double first = left;
            int32_t a = 0, b = 0, axis = -1;
            for (int32_t i = 1; i <= n; ++i) {
                const double p[3] = {x[i], y[i], z[i]}, v[3] = {vx[i], vy[i], vz[i]};
                for (int k = 0; k < 3; ++k) {
                    double t = v[k] == 0 ? -1 : std::max(0.0, ((v[k] > 0 ? side[k] : 0.0) - p[k]) / v[k]);
                    if (k == 1 && g != 0) {
                        t = timeRisingTo(p[1], v[1], g, side[1]);
                        t = t >= 0 ? t : timeFallingTo(p[1], v[1], g, 0);
                    }
                    if (t >= 0 && t < first) {
                        first = t, a = i, b = 0, axis = k;
                    }
                }
                for (int32_t j = i + 1; j <= n; ++j) {
                    const std::array<double, 3> dr = {x[j] - x[i], y[j] - y[i], z[j] - z[i]};
                    const std::array<double, 3> dv = {double(vx[j]) - vx[i], vy[j] - vy[i],
                                                      double(vz[j]) - vz[i]};
                    const double t = contactTime(dr, dv, double(radius[i]) + radius[j], 0, first);
                    if (t >= 0 && t < first) {
                        first = t, a = i, b = j;
                    }
                }
            }
            for (int32_t i = 1; i <= n; ++i) {
                x[i] += vx[i] * first;
                y[i] += (vy[i] - g / 2 * first) * first;
                z[i] += vz[i] * first;
                vy[i] -= g * first;
            }
            left -= first;
            if (a == 0) {
                return;
            }
            if (b == 0) {
                std::vector<double> &p = axis == 0 ? x : axis == 1 ? y : z;
                p[a] = (axis == 0 ? vx[a] : axis == 1 ? vy[a] : vz[a]) > 0 ? side[axis] : 0.0;
                if (axis == 1) {
                    vy[a] = -vy[a];
                } else {
                    (axis == 0 ? vx : vz)[a] *= -1;
                }
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
            // In float without the field, as the step does; in double with it.
            const double du[3] = {g != 0 ? double(vx[b]) - vx[a] : vx[b] - vx[a], kept(vy[b] - vy[a]),
                                  g != 0 ? double(vz[b]) - vz[a] : vz[b] - vz[a]};
            const double un = du[0] * u[0] + du[1] * u[1] + du[2] * u[2];
            const double impulse = 2.0 * ma * mb / (ma + mb) * un;
            vx[a] = static_cast<float>(vx[a] + impulse / ma * u[0]);
            vy[a] = kept(vy[a] + impulse / ma * u[1]);
            vz[a] = static_cast<float>(vz[a] + impulse / ma * u[2]);
            vx[b] = static_cast<float>(vx[b] - impulse / mb * u[0]);
            vy[b] = kept(vy[b] - impulse / mb * u[1]);
            vz[b] = static_cast<float>(vz[b] - impulse / mb * u[2]);
        }
    }
};

TEST(EventStep, MakesTheEventsThatEveryPairLookedAtMakes)
{
    // A crowded slab and a hot cube, and under the field a gas falling in
    // the cube and a layer bouncing on the floor: the cells, the passings
    // (along the height up, over the top of an arc and down again), the
    // heap and the pair times find every contact and wall hit that testing
    // every pair after each event finds, and leave every particle where it
    // leaves it.
    const struct
    {
        double height;
        float spread;
        double g;
    } cases[] = {{5, 20, 0}, {100, 60, 0}, {100, 60, 300}, {30, 20, 200}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " g " << c.g);
        Box b(120, 1.0f, c.height, c.spread, c.g);
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
            ASSERT_NEAR(b.vy[i], slow.vy[i], 1e-3) << i;
        }
    }
}

TEST(Gravity, AHeightReachesALevelAtTheRootsSolvedByHand)
{
    // y(s) = p + v s - g s^2 / 2 against `level`: rising, the smaller root;
    // falling, the larger; none where the arc turns below the level.
    const double tiny = 1e-12; // nearly straight: no cancellation in the roots
    const struct
    {
        double p, v, g, level, rising, falling; // rising < 0: never
        double tolerance;                        // relative
        const char *what;
    } cases[] = {
        {45, 0, 10, 0, -1, 3, 1e-14, "dropped from rest at 45: sqrt(2 h / g)"},
        {0, 30, 10, 40, 2, 4, 1e-14, "thrown up at 30 through 40: s^2 - 6 s + 8"},
        {0, 20, 10, 20, 2, 2, 1e-14, "thrown up at 20 to its top at 20: up and down at once"},
        {0, 20, 10, 40, -1, 2, 1e-14, "a level over the top is missed: the top stands in"},
        {30, -10, 10, 0, -1, std::sqrt(7.0) - 1, 1e-14, "thrown down at 10 from 30: s^2 + 2 s - 6"},
        {0, 10, 10, 0, 0, 2, 1e-14, "leaving the floor at 10: back after 2 v / g"},
        {0, -5, 10, 0, -1, 0, 0, "on the floor and falling: at once"},
        {40, 0, 10, 40, -1, 0, 0, "at the apex on the level: falling through it at once"},
        {0, 10, tiny, 50, 5, 2e13, 1e-9, "up at 10 through 50, nearly no field"},
        {50, -10, tiny, 0, -1, 5, 1e-9, "down at 10 from 50, nearly no field"},
        {39.999999, 10, 10, 40, 1e-7, 2, 1e-6, "under the level by rounding, rising"},
        {40.000001, 10, 10, 40, 0, 2, 1e-6, "over the level by rounding, rising"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(timeRisingTo(c.p, c.v, c.g, c.level), c.rising,
                    c.tolerance * std::max(1.0, c.rising));
        EXPECT_NEAR(timeFallingTo(c.p, c.v, c.g, c.level), c.falling,
                    c.tolerance * std::max(1.0, c.falling));
    }
}

TEST(Gravity, OneParticleFliesItsParabolaBetweenTheFloorAndTheTop)
{
    // One particle in a box of 100 x top x 100, g 10, ticks of 0.1; where
    // and how fast it is after some ticks, solved by hand, with the walls
    // it met on the way. It also flies across at 1 a unit of time.
    const double g = 10, s6 = std::sqrt(6.0), s7 = std::sqrt(7.0);
    // Up at 40 from 50 meets the top at 4 - sqrt 6 (50 = 40 s - 5 s^2) at
    // 10 sqrt 6 and comes down from there.
    const double hitTop = 4 - s6, afterTop = 2 - hitTop;
    // Down at 10 from 30 meets the floor at sqrt 7 - 1 at 10 sqrt 7.
    const double hitFloor = s7 - 1, afterFloor = 2 - hitFloor;
    const struct
    {
        double y0, vy0, top;
        int ticks;
        double y, vy;
        int floors, tops;
        const char *what;
    } cases[] = {
        {45, 0, 100, 45, 33.75, 15, 1, 0, "dropped from rest at 45: the floor at 3, then up"},
        {45, 0, 100, 600, 45, 0, 10, 0, "ten bounces later: at rest at 45 again"},
        {50, 20, 100, 30, 65, -10, 0, 0, "thrown up at 20: turns at 70 under the top"},
        {50, 40, 100, 20, 100 - 10 * s6 * afterTop - g / 2 * afterTop * afterTop,
         -10 * s6 - g * afterTop, 0, 1, "thrown up at 40: the top at 4 - sqrt 6"},
        {30, -10, 100, 20, 10 * s7 * afterFloor - g / 2 * afterFloor * afterFloor,
         10 * s7 - g * afterFloor, 1, 0, "thrown down at 10 from 30: the floor at sqrt 7 - 1"},
        {5, 0, 10, 10, 5 - g / 2, -g, 0, 0, "dropped from 5 in a slab of 10: 1 unit later"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Box b(1, 1.0f, c.top, 0, g);
        b.x[1] = 20;
        b.z[1] = 50;
        b.y[1] = static_cast<float>(c.y0);
        b.vx[1] = 1;
        b.vy[1] = static_cast<float>(c.vy0);
        EventStep step;
        Tally tally;
        for (int t = 0; t < c.ticks; ++t) {
            step.run(b.bodies(), b.walls, 0.1, false, tally);
        }
        EXPECT_NEAR(b.y[1], c.y, 2e-4 * std::max(1.0, c.y));
        EXPECT_NEAR(b.vy[1], c.vy, 2e-4 * std::max(1.0, std::abs(c.vy)));
        EXPECT_NEAR(b.x[1], 20 + 0.1 * c.ticks, 1e-4);
        EXPECT_EQ(tally.floors, c.floors);
        EXPECT_EQ(tally.tops, c.tops);
    }
}

TEST(Gravity, PairsTouchWhenTheyWouldWithoutTheField)
{
    // Every particle falls alike, so two flights are straight seen from
    // each other: head on along a diagonal, one rising and one falling,
    // they touch at the moment they would with no field, as far across,
    // and lower by g t^2 / 2 each.
    const double closing = 20 * std::sqrt(2.0), sigma = 3;
    const double t = (closing - sigma) / closing; // 20 sqrt 2 apart, closing at 20 sqrt 2
    const double gs[] = {0, 10, 40};
    for (const double g : gs) {
        SCOPED_TRACE(testing::Message() << "g " << g);
        Box b(2, 1.5f, 100, 0, g);
        b.mass[2] = 1;
        b.x[1] = 40, b.y[1] = 70, b.z[1] = 50, b.vx[1] = 10, b.vy[1] = 10;
        b.x[2] = 60, b.y[2] = 90, b.z[2] = 50, b.vx[2] = -10, b.vy[2] = -10;
        EventStep step;
        Tally tally;
        tally.step = &step;
        for (int k = 0; k < 10; ++k) {
            step.run(b.bodies(), b.walls, 0.1, true, tally);
        }
        ASSERT_EQ(tally.contacts, 1);
        const double fall = g / 2 * t * t;
        const double towards = (closing - sigma) / 2 / std::sqrt(2.0); // each, per axis
        EXPECT_NEAR(tally.first[0], 40 + towards, 1e-9);
        EXPECT_NEAR(tally.first[1], 70 + towards - fall, 1e-9);
        EXPECT_NEAR(tally.second[0], 60 - towards, 1e-9);
        EXPECT_NEAR(tally.second[1], 90 - towards - fall, 1e-9);
        // The first one's path till then, on its arc: the integral of
        // sqrt(10^2 + (10 - g s)^2) ds over [0, t], by Simpson's rule.
        double path = 0;
        const int parts = 1000;
        for (int k = 0; k <= parts; ++k) {
            const double vy = 10 - g * t * k / parts;
            path += (k == 0 || k == parts ? 1 : k % 2 == 1 ? 4 : 2) * std::sqrt(100 + vy * vy);
        }
        EXPECT_NEAR(tally.flown, path * t / parts / 3, 1e-9);
        // Head on with equal masses: they swap their velocities along the
        // diagonal, then fall on to the end of the tenth tick.
        EXPECT_NEAR(b.vx[1], -10, 1e-5);
        EXPECT_NEAR(b.vy[1], -10 - g, 1e-5);
        EXPECT_NEAR(b.vx[2], 10, 1e-5);
        EXPECT_NEAR(b.vy[2], 10 - g, 1e-5);
    }
}

TEST(Gravity, KineticAndPotentialEnergyAreKeptWithCollisionsOff)
{
    // Collisions off: each flight is its own parabola, met at the walls
    // many times over; kinetic plus potential (m g y) kept to rounding over
    // a long run. The long run, 100 000 ticks, stays under a second here.
    Box b(100, 1.0f, 100, 20, 10);
    const double before = b.energy();
    EventStep step;
    Tally tally;
    double worst = 0;
    for (int t = 0; t < 100000; ++t) {
        step.run(b.bodies(), b.walls, 0.1, false, tally);
        if (t % 1000 == 999) {
            worst = std::max(worst, std::abs(b.energy() / before - 1));
        }
    }
    EXPECT_LT(worst, 1e-6);
    EXPECT_GT(tally.floors, 50000);
    EXPECT_GT(tally.tops, 100);
}

TEST(Gravity, ASphereAtRestOnTheFloorLeavesItAndKeepsTheEnergy)
{
    // At rest on the floor its next bounce is always now: it must leave
    // at the least speed, the energy taken from its motion across (kept),
    // and bounce at most kFloorBouncesPerTick times a tick.
    const struct
    {
        float vx;
        const char *what;
    } cases[] = {{3, "sliding along the floor"}, {0, "at rest"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Box b(1, 1.0f, 100, 0, 10);
        b.x[1] = 20;
        b.z[1] = 50;
        b.y[1] = 0;
        b.vx[1] = c.vx;
        b.vy[1] = 0;
        const double before = b.energy();
        EventStep step;
        Tally tally;
        for (int t = 0; t < 100; ++t) {
            step.run(b.bodies(), b.walls, 0.1, false, tally);
        }
        EXPECT_LE(tally.floors, 100 * EventStep::kFloorBouncesPerTick);
        EXPECT_GT(tally.floors, 0);
        EXPECT_GE(b.y[1], 0.0f);
        if (c.vx > 0) {
            EXPECT_NEAR(b.energy(), before, 1e-6 * before);
            EXPECT_GT(b.x[1], 20 + 0.99f * 3 * 10); // still sliding on
        } else {
            const double least = 10 * 0.1 / (2.0 * EventStep::kFloorBouncesPerTick);
            EXPECT_NEAR(b.energy(), least * least, 0.01 * least * least); // and no more
        }
    }
}

} // namespace
