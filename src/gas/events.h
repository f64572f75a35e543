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
// Candidates for contact are found through a grid of cells holding the box
// each flight sweeps, so that the cost is O(N log N) in the particles and
// the events, not O(N^2). The predictions reach a few steps ahead and
// are kept from step to step (the positions in double between them), so a
// step costs its own events and not a prediction of every pair; the
// window starts afresh when it runs out, or from the caller's arrays when
// anything in them changed but the step itself.

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
// half-side holeHalf centred on (holeY, holeZ).
struct EventWalls
{
    std::array<double, 3> side{};
    bool divider = false;
    bool hole = false;
    double holeHalf = 0, holeY = 0, holeZ = 0;
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

class EventStep
{
public:
    // A new set of particles: the distances flown are forgotten.
    void reset();
    // Steps a window of predictions reaches at most: fewer in a gas where a
    // particle meets others within a few steps, whose predictions would
    // mostly be dropped before their time.
    static constexpr int kWindowSteps = 4;
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

private:
    struct Event
    {
        double t;
        int32_t i, j; // j > 0: a partner; 0: the divider; -1 - (2 axis + high): a wall
        uint32_t vi, vj;
        // Ties in time broken by the particles, so that every library's heap
        // pops the same order (the page and the desktop agree bit for bit).
        bool operator>(const Event &o) const
        {
            if (t != o.t) {
                return t > o.t;
            }
            return i != o.i ? i > o.i : j > o.j;
        }
    };
    struct Entry
    {
        int32_t particle, next;
    };

    bool continues(const EventBodies &bodies, const EventWalls &walls, double dt, bool pairs) const;
    void begin(bool fromCaller);
    void runUntil(double end);
    void makeGrid();
    void plan(int32_t i);
    void predictPairs(int32_t i, int32_t above);
    void advance(int32_t i, double t);
    void push(const Event &e);
    void collide(int32_t i, int32_t j);
    void meetWall(int32_t i, int code);
    void meetDivider(int32_t i);
    void afterCourseChange(int32_t i);
    void finish(double end);
    std::array<int32_t, 6> cellRange(int32_t i) const;

    EventBodies m_b;
    EventWalls m_w;
    double m_dt = 0;
    bool m_pairs = false;
    bool m_live = false;   // a window under way
    double m_clock = 0;    // the time within the window the last step ended at
    double m_horizon = 0;  // the window's end
    int m_windowSteps = kWindowSteps;
    int64_t m_windowContacts = 0; // contacts in this window so far
    // What the last step wrote: a change there is someone else's.
    std::array<std::vector<float>, 6> m_out;
    EventListener *m_listener = nullptr;

    std::vector<double> m_px, m_py, m_pz, m_tau, m_speed, m_flown;
    std::vector<uint32_t> m_version, m_seen;
    std::vector<uint8_t> m_right;
    std::vector<std::array<float, 6>> m_box; // swept: low and high on x, y, z
    std::vector<Event> m_heap;
    uint32_t m_stamp = 0;
    // The grid: cells per axis, cells per length, each cell's list of
    // boxes (entered as they are swept; a course's later box is added, the
    // earlier left, so a list may name a particle whose box has moved on:
    // each candidate is tested against its present box).
    std::array<int32_t, 3> m_cells{1, 1, 1};
    std::array<double, 3> m_perLength{};
    std::vector<int32_t> m_head;
    std::vector<Entry> m_entries;
};
