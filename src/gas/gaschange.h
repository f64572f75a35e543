#pragma once

#include <cstdint>

// What the gas's operations changed since whoever shows the gas last looked:
// the tick only moves and collides and says so here; the views then read the
// arrays again for what is flagged (Gas::showChanges), and the windows learn
// of it from the same set. A flag says "may have changed": reading again
// what did not change costs time, never correctness.
enum class GasChange : uint32_t
{
    None = 0,
    Positions = 1u << 0, // ParX/Y/Z of the live particles
    Vectors = 1u << 1,   // VelX/Y/Z of the live particles, and so their vectors
    Wall = 1u << 2,      // the piston: PosPared, or a process's piston in motion
    Count = 1u << 3,     // NumPar: particles added or removed (a new series)
    Readings = 1u << 4,  // a pressure reading taken: readouts refreshed, listeners told
    Mixture = 1u << 5,   // the species, the divider or the traced particle
};

constexpr GasChange operator|(GasChange a, GasChange b)
{
    return static_cast<GasChange>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}

constexpr GasChange &operator|=(GasChange &a, GasChange b)
{
    return a = a | b;
}

// True when `set` holds any of `flags`.
constexpr bool any(GasChange set, GasChange flags)
{
    return (static_cast<uint32_t>(set) & static_cast<uint32_t>(flags)) != 0;
}
