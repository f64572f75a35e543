#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The event step of hard spheres in a box (docs/model.md, "The event
// step"): within a step every particle flies straight from event to event,
// and the events (two spheres touching, a centre reaching one of the six
// walls or the divider's plane) are made one at a time in time order, each
// at its own moment. Nothing crosses a wall or another sphere inside a
// step, however thin the box or fast the particle.
//
// The step keeps no particles of its own: it moves the caller's arrays,
// and tells a listener of each event so that the caller keeps its tallies.
// Each particle sits in a cell of a grid no narrower than a contact, so
// that it can only touch those in its own and the next cells; a centre
// passing into the next cell is an event too, at which the cells it now
// borders are looked at. Each particle keeps its own first event, and a
// heap of the particles orders them: a step costs its own events, each
// O(log N), and not a prediction of every pair. The predictions reach a
// window of steps ahead and are kept from step to step (the positions in
// double between them); the window starts afresh when it runs out, or
// from the caller's arrays when anything in them changed but the step
// itself.
//
// Optionally a uniform field pulls every centre toward the floor (y = 0):
// then a flight between events is a parabola in y and straight in x and z,
// and the moments of meeting the floor, the top or a cell's border along
// the height are roots of a quadratic, solved exactly as the straight ones
// are. Every particle falls alike, so two flights stay straight relative
// to each other and the moment of contact is the same as without the
// field.

// The caller's particles, slots 1..n (slot 0 unused).
struct EventBodies
{
    float *x = nullptr, *y = nullptr, *z = nullptr;
    float *vx = nullptr, *vy = nullptr, *vz = nullptr;
    const float *mass = nullptr, *radius = nullptr;
    int32_t n = 0;
};

// The planes the centres meet: 0 and side[a] on each axis (an axis with no
// room, side 0, has none: its centres are put back on 0 at the step's end);
// optionally the divider at x = side[0] / 2, with a square hole of
// half-side holeHalf centred on (holeY, holeZ). gravity: the field's
// acceleration toward y = 0 (0, negative or not a number: none; none
// either with no room on y, where there is no height to fall).
struct EventWalls
{
    std::array<double, 3> side{};
    bool divider = false;
    bool hole = false;
    double holeHalf = 0, holeY = 0, holeZ = 0;
    double gravity = 0;
    bool operator==(const EventWalls &) const = default;
};

class EventListener
{
public:
    // i and j touching, before their velocities change.
    virtual void contact(int32_t i, int32_t j) = 0;
    // i turned back by the wall at the low or high end of `axis`; its
    // velocity there is already reversed.
    virtual void wall(int32_t i, int axis, bool high) = 0;
    // i through the divider's hole, to the right or to the left.
    virtual void crossed(int32_t i, bool toRight) = 0;

protected:
    ~EventListener() = default;
};

// The next time in [from, to] at which two spheres on straight lines touch
// while approaching (dr and dv: the second's position and velocity less the
// first's; sigma: the sum of radii); none, < 0. Overlapping and
// approaching: `from`.
double contactTime(const std::array<double, 3> &dr, const std::array<double, 3> &dv, double sigma,
                   double from, double to);

// A height y(s) = p + v s - g s^2 / 2 (g > 0) reaching `level`, s from 0
// on: on the way up (timeRisingTo; none, < 0, if it turns below it or is
// not rising) or on the way down (timeFallingTo; always reached from at or
// above it; from below, rising, the top of the arc stands for a level it
// misses by rounding). A height already at or past the level, moving that
// way, reaches it at 0.
double timeRisingTo(double p, double v, double g, double level);
double timeFallingTo(double p, double v, double g, double level);

class EventStep
{
public:
    // A new set of particles: the distances flown are forgotten.
    void reset();
    // Steps a window of predictions reaches.
    static constexpr int kWindowSteps = 32;
    // One step of length dt; contacts between particles only with `pairs`.
    void run(const EventBodies &bodies, const EventWalls &walls, double dt, bool pairs,
             EventListener &listener);

    // While the listener is told of an event: a particle's position at the
    // event (the involved ones; the others' at their last event).
    std::array<double, 3> position(int32_t i) const
    {
        const auto s = static_cast<size_t>(i);
        return {m_px[s], m_py[s], m_pz[s]};
    }
    // The distance i has flown since the last clearFlown(i) (or reset).
    double flown(int32_t i) const { return m_flown[static_cast<size_t>(i)]; }
    void clearFlown(int32_t i) { m_flown[static_cast<size_t>(i)] = 0; }

    // A step never makes more events than this per particle (with 16 more
    // for the step): past it the rest of the step is flown straight, so
    // that no overlap met by rounding can hold the program.
    static constexpr int64_t kMaxEventsPerParticle = 4096;
    // Under a field, the most a sphere bounces on the floor in a tick.
    static constexpr int32_t kFloorBouncesPerTick = 256;

private:
    // A particle's first event but crossing into the next cell: a partner
    // (j > 0, on the course it had then, `version`), the divider (0) or a
    // wall (-1 - (2 axis + high)); none: t infinite, never reached, j
    // then meaning nothing.
    struct Event
    {
        double t;
        int32_t j;
        uint32_t version;
    };

    bool continues(const EventBodies &bodies, const EventWalls &walls, double dt, bool pairs) const;
    void begin(bool fromCaller);
    void runUntil(double end);
    void makeGrid();
    void predict(int32_t i, int32_t above);
    void offer(int32_t i, int32_t k, double now, const std::array<double, 3> &at);
    void planCrossing(int32_t i);
    void crossingOn(int32_t i, int axis, bool rising = true);
    void firstCrossing(int32_t i);
    void cross(int32_t i);
    void advance(int32_t i, double t);
    void collide(int32_t i, int32_t j);
    void meetWall(int32_t i, int code);
    void liftOffFloor(int32_t i);
    void meetDivider(int32_t i);
    void afterCourseChange(int32_t i);
    void finish(double end);
    std::array<double, 3> at(int32_t i, double t) const;
    // i's velocity on the height at its last event, and at t.
    double vyNow(int32_t i) const;
    double vyAt(int32_t i, double t) const;

    // The heap of particles by their next moment (then by number, so that
    // every build orders them alike and the page and the desktop agree
    // bit for bit).
    struct Entry
    {
        double key;
        int32_t i;
        bool operator<(const Entry &o) const { return key < o.key || (key == o.key && i < o.i); }
    };
    double key(int32_t i) const;
    void update(int32_t i);
    void siftUp(size_t place);
    void siftDown(size_t place);

    // Cells: into and out of one's list.
    void enter(int32_t i, int32_t cell);
    void leave(int32_t i);

    EventBodies m_b;
    EventWalls m_w;
    double m_dt = 0;
    bool m_pairs = false;
    bool m_live = false;  // a window under way
    double m_clock = 0;   // the time within the window the last step ended at
    double m_horizon = 0; // the window's end
    // What the last step wrote: a change there is someone else's.
    std::array<std::vector<float>, 6> m_out;
    EventListener *m_listener = nullptr;

    std::vector<double> m_px, m_py, m_pz, m_tau, m_speed, m_flown;
    // The field (0: none, and nothing below reads m_vy or m_yStep). With
    // it, each particle's velocity on the height at its last event, in
    // double (the caller's float one is written at each event and at the
    // step's end), and the way its next passing on the height goes.
    double m_g = 0;
    std::vector<double> m_vy;
    std::vector<int8_t> m_yStep;
    std::vector<uint32_t> m_version;
    std::vector<uint8_t> m_right;
    std::vector<Event> m_next;
    std::vector<std::array<double, 3>> m_crossings; // into the next cell, on each axis
    std::vector<double> m_crossAt;                  // the first of them
    std::vector<int8_t> m_crossAxis;
    std::vector<Entry> m_heap;
    std::vector<int32_t> m_place; // i's place in m_heap
    // The grid: cells per axis, cells per length, each particle's cell on
    // each axis, each cell's particles as a list.
    std::array<int32_t, 3> m_cells{1, 1, 1};
    std::array<double, 3> m_width{};
    std::vector<std::array<int32_t, 3>> m_cellOf;
    std::vector<int32_t> m_head, m_nextIn, m_prevIn;
};
