#include "gas.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>

#if defined(__SSE2__)
#include <immintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace {

// The far walls, where a pushed particle stops.
constexpr float kFar = kBoxSize;

// Below this wall, in radii (four diameters), a contact moves no particle.
constexpr float kPushlessSlab = 8.0f;

} // namespace

namespace {

// Bit k set where 4 Radio^2 > d2[k] (strictly): a contact.
uint32_t contactMask(const float (&d2)[16], float contact)
{
#if defined(__SSE2__)
    const __m128 c = _mm_set1_ps(contact);
    // Written out, so that every shift is a constant.
    const auto quarter = [&c, &d2](int q) {
        return static_cast<uint32_t>(_mm_movemask_ps(_mm_cmpgt_ps(c, _mm_loadu_ps(d2 + 4 * q))));
    };
    return quarter(0) | quarter(1) << 4 | quarter(2) << 8 | quarter(3) << 12;
#elif defined(__wasm_simd128__)
    const v128_t c = wasm_f32x4_splat(contact);
    const auto quarter = [&c, &d2](int q) {
        return static_cast<uint32_t>(wasm_i32x4_bitmask(wasm_f32x4_gt(c, wasm_v128_load(d2 + 4 * q))));
    };
    return quarter(0) | quarter(1) << 4 | quarter(2) << 8 | quarter(3) << 12;
#else
    uint32_t mask = 0;
    for (int k = 0; k < 16; ++k) {
        mask |= static_cast<uint32_t>(contact > d2[k]) << k;
    }
    return mask;
#endif
}

} // namespace

Gas::Gas()
{
    resetRandom();
    setProcess({});
}

Gas &gas()
{
    static Gas theGas;
    return theGas;
}

void Gas::resetRandom()
{
    // Never seeded from the clock: every run starts from the same gas.
    m_random.seed(std::mt19937::default_seed);
}

int32_t Gas::nextRandom()
{
    return static_cast<int32_t>(m_random() % 1000u);
}

int32_t Gas::addReadingListener(ReadingListener listener)
{
    // Unique across gases: a gas assigned afresh keeps no handle that an
    // old listener's owner could remove by mistake.
    static std::atomic<int32_t> nextHandle{1};
    const int32_t handle = nextHandle.fetch_add(1);
    m_listeners.emplace_back(handle, std::move(listener));
    return handle;
}

void Gas::removeReadingListener(int32_t handle)
{
    std::erase_if(m_listeners, [handle](const auto &l) { return l.first == handle; });
}

size_t Gas::readingListenerCount() const
{
    return m_listeners.size();
}

void Gas::tellListeners(const GasReading &reading)
{
    // A listener may add or remove listeners, itself included: handles only
    // grow, so the next to call is always the first with a greater handle.
    int32_t last = 0;
    for (;;) {
        const auto next = std::find_if(m_listeners.begin(), m_listeners.end(),
                                       [last](const auto &l) { return l.first > last; });
        if (next == m_listeners.end()) {
            return;
        }
        last = next->first;
        const ReadingListener listener = next->second;
        if (listener) {
            listener(reading);
        }
    }
}

// ---- start and the user's actions ------------------------------------------

void Gas::startNewSeries()
{
    ++m_series;
    resetLedger();
}

void Gas::start()
{
    GasState &g = state;
    // The software view is the active one; the OpenGL view keeps its stores
    // current but draws only the first NumPar particles.
    g.ModoGL = 0;
    m_changes |= GasChange::Count;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        placeParticle(i);
        if (gl != nullptr) {
            gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
        if (soft != nullptr) {
            soft->ChangeParticleProperties(DisplayProperty::Colour, i, kYellow);
            soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
        }
    }
    if (soft != nullptr) {
        soft->DrawWorld();
    }
    if (gl != nullptr) {
        gl->setParticleCount(g.NumPar);
        gl->DrawWorld();
    }
    RandomVel();
}

void Gas::startSettings()
{
    // The panel's bars stand at 0 when it is made: a move to 0 is none.
    if (state.NumPar != 0) {
        setCount(state.NumPar);
    }
    if (state.Temp != 0) {
        ReglaTemperatura(state.Temp);
    }
    ReglaTemperatura(state.Temp);
}

void Gas::setCount(int32_t count)
{
    GasState &g = state;
    g.NumParPedido = count;
    m_changes |= GasChange::Count | GasChange::Positions;
    if (g.NumParPedido > 0) {
        GenPar();
    }
    if (g.NumParPedido == 0) {
        const bool vectors = vectorsShown();
        // Every particle that was live is hidden (not only the first), or
        // the rest would stay on screen, frozen, in an empty gas.
        if (soft != nullptr) {
            for (int32_t i = 1; i <= std::max(g.NumPar, 1); ++i) {
                soft->ChangeParticleProperties(DisplayProperty::Colour, i, kBlack);
                if (vectors) {
                    soft->ChangeSegmentProperties(DisplayProperty::Colour, i + SegVel, kBlack);
                }
            }
        }
        if (gl != nullptr) {
            gl->ChangeParticleProperties(DisplayProperty::Colour, 1, kBlack);
            gl->setParticleCount(0);
            gl->setSegmentCount(SegVel);
        }
        if (soft != nullptr) {
            soft->DrawWorld();
        }
        if (gl != nullptr) {
            gl->DrawWorld();
        }
    }
    if (g.NumParPedido == 1) {
        if (soft != nullptr) {
            soft->ChangeParticleProperties(DisplayProperty::Colour, 1, kYellow);
        }
        if (gl != nullptr) {
            gl->ChangeParticleProperties(DisplayProperty::Colour, 1, kWhite);
            gl->DrawWorld();
        }
        if (soft != nullptr) {
            soft->DrawWorld();
        }
    }
    g.NumPar = g.NumParPedido;
    startNewSeries();
    Energia();
}

void Gas::setVectors(bool shown)
{
    GasState &g = state;
    m_changes |= GasChange::Vectors;
    if (shown) {
        g.DibVel = 1;
        if (gl != nullptr) {
            gl->setSegmentCount(g.NumPar + SegVel);
        }
    }
    if (!shown) {
        g.DibVel = 0;
        if (soft != nullptr) {
            for (int32_t seg = SegVel + 1; seg <= g.NSeg; ++seg) {
                soft->ChangeSegmentProperties(DisplayProperty::Colour, seg, kBlack);
            }
        }
        if (gl != nullptr) {
            // Down to the piston's outline: its last segment, 27, is drawn.
            gl->setSegmentCount(kWallFirstSegment + 3);
        }
    }
    DibujaVel();
}

// ---- generation ------------------------------------------------------------

void Gas::placeParticle(int32_t i)
{
    GasState &g = state;
    m_changes |= GasChange::Positions;
    g.Masa[i] = 1.0f;
    const int32_t r1 = nextRandom();
    const int32_t r2 = nextRandom();
    const int32_t r3 = nextRandom();
    // No test against other particles or the piston: overlaps resolve as
    // collisions, and a particle above a lowered piston is folded back by the
    // next tick.
    g.ParX[i] = static_cast<float>(r1 * 0.001 * 80.0);
    g.ParY[i] = static_cast<float>(r2 * 0.001 * 80.0 + 5.0);
    g.ParZ[i] = static_cast<float>(r3 * 0.001 * 80.0);
}

void Gas::GenPar()
{
    GasState &g = state;
    m_changes |= GasChange::Count | GasChange::Positions;
    if (g.NumPar < g.NumParPedido) {
        for (int32_t i = g.NumPar + 1; i <= g.NumParPedido; ++i) {
            placeParticle(i); // keeps the velocity the slot holds
            if (gl != nullptr) {
                gl->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
            }
            if (soft != nullptr) {
                soft->ChangeParticleProperties(DisplayProperty::Colour, i, kYellow);
                soft->ChangeParticleProperties(DisplayProperty::Size, i, g.RadioSoft);
                soft->MoveParticle(i, g.ParX[i], g.ParY[i], g.ParZ[i]);
            }
        }
    } else {
        const bool vectors = vectorsShown();
        for (int32_t i = g.NumPar; i >= g.NumParPedido + 1; --i) {
            if (soft != nullptr) {
                soft->ChangeParticleProperties(DisplayProperty::Colour, i, kBlack);
                if (vectors) {
                    soft->ChangeSegmentProperties(DisplayProperty::Colour, i + SegVel, kBlack);
                }
            }
        }
    }
    g.NumPar = g.NumParPedido;
    startNewSeries();
    const bool vectors = vectorsShown();
    if (vectors) {
        DibujaVel();
    }
    if (gl != nullptr) {
        // The OpenGL view stops drawing removed particles through its counts.
        gl->setParticleCount(g.NumPar);
        if (vectors) {
            gl->setSegmentCount(g.NumPar + SegVel);
        }
        gl->DrawWorld();
    }
    if (soft != nullptr) {
        soft->DrawWorld();
    }
}

void Gas::RandomVel()
{
    GasState &g = state;
    for (int32_t i = 1; i <= MaxPar; ++i) {
        const double s = i % 2 == 0 ? 1.0 : -1.0;
        const int32_t r1 = nextRandom();
        const int32_t r2 = nextRandom();
        const int32_t r3 = nextRandom();
        // The y and z templates drift toward negative y and z; the walls turn
        // the drift back.
        g.DirX[i] = static_cast<float>(r1 * 0.001 * s);
        g.DirY[i] = static_cast<float>(r2 * 0.001 * s - 0.6);
        g.DirZ[i] = static_cast<float>(r3 * 0.001 * s - 0.3);
    }
}

void Gas::ReglaTemperatura(int32_t temp)
{
    GasState &g = state;
    g.Temp = temp;
    m_changes |= GasChange::Vectors;
    // Speeds are proportional to Temp (not its square root); whatever
    // collisions made of the velocities is replaced, in all 100 slots.
    const float t = static_cast<float>(g.Temp);
    const double before = liveEnergy();
    const bool mixture = m_mix.on;
    if (mixture) {
        mixtureVelocities();
    }
    for (int32_t i = 1; i <= MaxPar && !mixture; ++i) {
        g.VelX[i] = t * g.DirX[i];
        g.VelY[i] = t * g.DirY[i];
        g.VelZ[i] = t * g.DirZ[i];
    }
    // Replacing the velocities is heat put into (or drawn from) the gas.
    m_process.heat += liveEnergy() - before;
    Energia();
    if (g.DibVel == 1) {
        DibujaVel();
    }
}

// ---- the tick --------------------------------------------------------------

void Gas::TimeLoopTimer()
{
    GasState &g = state;
    // Read once a tick: nothing in the tick can change the choice.
    const bool collisions = m_collisions;
    const bool process = m_process.active;
    if (process && advancePiston() && controls != nullptr) {
        controls->showWall(g.PosPared);
    }
    const bool mixture = m_mix.on;
    if (mixture) {
        mixtureTick(collisions); // its own moves, walls and contacts
    }
    for (int32_t i = 1; i <= g.NumPar && !mixture; ++i) {
        g.ParX[i] += g.VelX[i] * g.DeltaT;
        g.ParY[i] += g.VelY[i] * g.DeltaT;
        g.ParZ[i] += g.VelZ[i] * g.DeltaT;
        ChoquePared(i);
        // Particles after i have not moved yet in this tick when i is tested.
        if (collisions) {
            Contacto(i);
        }
    }
    m_changes |= GasChange::Positions | GasChange::Vectors;
    if (process && m_process.settings.piston != PistonMode::Fixed) {
        m_changes |= GasChange::Wall; // in motion, or free to move
    }
    g.NPasos += 1;
    ticks += 1;
    if (g.NPasos == NPasosPresion) {
        // Momentum given to all six walls over 200 ticks, per total wall area
        // in units of 10 000 squared lengths (2 x 100 x 100 + 4 x 100 x
        // PosPared); not divided by time.
        // A piston in motion: the mean of its positions over the reading.
        const double area = process ? m_process.positionSum / NPasosPresion * 4.0 * 0.01 + 2.0
                                    : g.PosPared * 4.0 * 0.01 + 2.0;
        g.Presion = static_cast<float>(g.Presion / area);
        if (controls != nullptr) {
            controls->showPressure(g.Presion);
        }
        const float pressure = g.Presion;
        g.Presion = 0;
        g.NPasos = 0;
        Energia();
        if (!m_listeners.empty()) {
            GasReading r = reading(pressure);
            r.pistonMean = process ? m_process.positionSum / NPasosPresion : r.piston;
            tellListeners(r);
        }
        m_process.positionSum = 0;
        m_changes |= GasChange::Readings;
    }
}

// ---- collisions ------------------------------------------------------------

void Gas::Contacto(int32_t i)
{
    GasState &g = state;
    // Two spheres of radius Radio touch when their centres are closer than
    // 2 Radio; squared distances spare the square root for the few in contact.
    const float contact = 4.0f * g.Radio * g.Radio;
    const int32_t n = g.NumPar;
    // Candidates are taken in blocks: one pass over a block computes its
    // squared distances (the compiler vectorizes it; each is the same float
    // arithmetic as one at a time), then the first in contact is resolved
    // and the scan resumes right after it, against i's new position.
    constexpr int32_t kBlock = 16;
    static_assert(MaxPar + kBlock <= kGasSlots, "blocks read past NumPar within the arrays");
    int32_t j = 1;
    while (j <= n) {
        const float xi = g.ParX[i], yi = g.ParY[i], zi = g.ParZ[i];
        float d2[kBlock];
        for (int32_t k = 0; k < kBlock; ++k) {
            const float dx = g.ParX[j + k] - xi;
            const float dy = g.ParY[j + k] - yi;
            const float dz = g.ParZ[j + k] - zi;
            d2[k] = dx * dx + dy * dy + dz * dz;
        }
        const int32_t count = std::min(kBlock, n - j + 1);
        uint32_t touching = contactMask(d2, contact) & ((1u << count) - 1u);
        if (i >= j && i < j + count) {
            touching &= ~(1u << (i - j));
        }
        if (touching == 0) {
            j += count;
            continue;
        }
        const int32_t hit = std::countr_zero(touching);
        const int32_t other = j + hit;
        g.Solape = 2.0f * g.Radio - std::sqrt(d2[hit]);
        g.ParXAnt[i] = g.ParX[i];
        g.ParYAnt[i] = g.ParY[i];
        g.ParZAnt[i] = g.ParZ[i];
        g.VelXAnt[i] = g.VelX[i];
        g.VelYAnt[i] = g.VelY[i];
        g.VelZAnt[i] = g.VelZ[i];
        g.ParXAnt[other] = g.ParX[other];
        g.ParYAnt[other] = g.ParY[other];
        g.ParZAnt[other] = g.ParZ[other];
        g.VelXAnt[other] = g.VelX[other];
        g.VelYAnt[other] = g.VelY[other];
        g.VelZAnt[other] = g.VelZ[other];
        Colision(i, other);
        j = other + 1;
    }
}

void Gas::Colision(int32_t i, int32_t k)
{
    GasState &g = state;
    const float dx = g.ParX[k] - g.ParX[i];
    const float dy = g.ParY[k] - g.ParY[i];
    const float dz = g.ParZ[k] - g.ParZ[i];
    const float r = std::sqrt(dx * dx + dy * dy + dz * dz);
    // Same centre: no line of centres to exchange along.
    if (!(r > 0.0f)) {
        return;
    }
    // Normal velocities along the line from i to k.
    const float ui = (g.VelX[i] * dx + g.VelY[i] * dy + g.VelZ[i] * dz) / r;
    const float uk = (g.VelX[k] * dx + g.VelY[k] * dy + g.VelZ[k] * dz) / r;
    // Equal normal velocities exchange nothing, and the time since contact
    // below would divide by zero.
    if (ui == uk) {
        return;
    }
    // Elastic exchange of the normal components for masses mi, mk; with unit
    // masses ai = uk - ui and ak = ui - uk: the pair swaps normal velocities.
    const float mi = g.Masa[i];
    const float mk = g.Masa[k];
    const float ai = 2.0f * (uk - ui) / (mi / mk + 1.0f);
    const float ak = 2.0f * (ui - uk) / (mk / mi + 1.0f);
    if (!std::isfinite(ai) || !std::isfinite(ak)) {
        return;
    }
    // Time since the spheres touched: overlap depth over approach speed.
    const float t = g.Solape / std::fabs(ui - uk);
    // ai x dx / r with the product first, as the rule groups it: a unit
    // normal taken first (ai x (dx / r)) can differ in the last bit.
    g.VelX[i] = g.VelXAnt[i] + ai * dx / r;
    g.VelY[i] = g.VelYAnt[i] + ai * dy / r;
    g.VelZ[i] = g.VelZAnt[i] + ai * dz / r;
    g.VelX[k] = g.VelXAnt[k] + ak * dx / r;
    g.VelY[k] = g.VelYAnt[k] + ak * dy / r;
    g.VelZ[k] = g.VelZAnt[k] + ak * dz / r;

    // Every overlapping pair exchanges, approaching or not, and is exchanged
    // again while it still overlaps: measured over long runs this keeps the
    // speeds closer to Maxwell-Boltzmann than exchanging approaching pairs
    // only (docs/model.md).
    //
    // Position of i, for an approaching pair (ui > uk): back to where i
    // stood before this tick's move, DeltaT - t with the old velocity up to
    // the contact, then t with the new one. Net, i moves by t (new - old
    // velocity) = t ai along the line of centres, which is the overlap: the
    // pair is left just touching, as it stands now. (A pair placed
    // overlapping has t > DeltaT; the same rule separates it.) That does not
    // keep the pair apart when k has yet to move in this tick and its new
    // velocity still points at i, as when a fast k catches a slower i from
    // behind: k's move closes the gap again, k's own contact test exchanges
    // the velocities back, and the collision is made again a tick later. A
    // pair already moving apart would be pushed deeper into each other by
    // that rule, so there i stays put. The push stops at the walls: the
    // next tick's wall tests see the particle there.
    //
    // In a box thinner than four diameters no particle is pushed: there a
    // pair cannot pass over the other and stays in contact for many ticks,
    // and the repeated pushes in the slab's plane drove energy into y (0.44
    // of it at wall 1, pressure 30 % high; docs/model.md). Without the push
    // the slab shares its energy equally; thicker boxes keep the rule.
    const float wall = std::max(0.0f, wallY());
    if (ui > uk && wall >= kPushlessSlab * g.Radio) {
        g.ParX[i] = std::clamp(g.ParXAnt[i] + t * (g.VelX[i] - g.VelXAnt[i]), 0.0f, kFar);
        g.ParY[i] = std::clamp(g.ParYAnt[i] + t * (g.VelY[i] - g.VelYAnt[i]), 0.0f, wall);
        g.ParZ[i] = std::clamp(g.ParZAnt[i] + t * (g.VelZ[i] - g.VelZAnt[i]), 0.0f, kFar);
    }
}

// ---- readouts --------------------------------------------------------------

KineticSum kineticSum(const GasState &g)
{
    KineticSum k;
    for (int32_t i = 1; i <= g.NumPar; ++i) {
        // A mixture's particles weigh their masses in; m v^2 with m = 1 is
        // v^2 exactly.
        const double m = g.Mezcla == 1 ? g.Masa[i] : 1.0f;
        const double x = double(g.VelX[i]) * g.VelX[i] * m;
        const double y = double(g.VelY[i]) * g.VelY[i] * m;
        const double z = double(g.VelZ[i]) * g.VelZ[i] * m;
        k.readout = static_cast<float>(static_cast<double>(k.readout) + x + y + z);
        k.total += x + y + z;
        k.axes[0] += x;
        k.axes[1] += y;
        k.axes[2] += z;
    }
    return k;
}

GasReading Gas::reading(float pressure) const
{
    const GasState &g = state;
    GasReading r;
    r.tick = ticks;
    r.time = static_cast<double>(ticks) * g.DeltaT;
    r.count = g.NumPar;
    r.wall = g.PosPared;
    r.tempSetting = g.Temp;
    r.collisions = m_collisions;
    r.pressure = pressure;
    // The same quotients the readouts format; an empty gas reads 0.
    r.energy = 0.01 * g.Energ;
    r.temperature = temperatureOf(g.Energ, g.NumPar);
    r.piston = pistonPosition();
    r.pistonMean = r.piston;
    r.work = m_process.work;
    r.heat = m_process.heat;
    const std::array<double, 3> sum = kineticSum(g).axes;
    r.energyX = 0.01 * sum[0];
    r.energyY = 0.01 * sum[1];
    r.energyZ = 0.01 * sum[2];
    return r;
}

void Gas::Energia()
{
    GasState &g = state;
    // Energ is the sum of squared speeds (unit mass, no factor 1/2). The
    // readouts show 0.01 Energ and the temperature Energ / (3 NumPar x 100):
    // the energy per degree of freedom, from the velocities, not from Temp.
    g.Energ = kineticSum(g).readout;
    if (controls == nullptr) {
        return; // the control panel does not exist yet
    }
    if (g.NumPar == 0) {
        // An empty gas has no temperature; it reads 0 instead of 0 / 0.
        g.Energ = 0;
        controls->showEnergy(0.0);
        controls->showTemperature(0.0, true);
        return;
    }
    // Only the values after the last particle are ever seen: written once.
    controls->showEnergy(0.01 * g.Energ);
    controls->showTemperature(temperatureOf(g.Energ, g.NumPar), false);
}
