#pragma once

#include "gas.h"

#include <array>
#include <cstdint>
#include <vector>

// The gas in layers along the height, looked at after every tick: each
// species' particles and their m v^2 per layer. Under a field the density
// falls with height as the barometric law says, n(h) = n0 exp(-m g h / kT),
// each species with its own scale height kT / (m g); the temperature does
// not fall (the particles that reach a layer slowed on their way up, but
// the slow ones never reached it: the speeds there are the floor's
// Maxwell-Boltzmann ones).
class HeightProfile
{
public:
    static constexpr int kLayers = 20;

    struct Row
    {
        double height = 0; // the layer's middle
        int32_t species = 0; // kSpeciesA, kSpeciesB, kHeavy
        double density = 0;  // particles per unit volume, over the looks
        // The barometric law's mean over the layer, its species' mean count
        // spread over the height as exp(-m g h / kT) with kT the looks' own.
        double densityTheory = 0;
        double temperature = 0; // the layer's m v^2 / 3 / 100, as "Temperatura"
    };

    void clear();
    // One look at the gas (a mixture) as a tick left it.
    void add(const Gas &gas);
    int64_t looks() const { return m_looks; }
    // k T over every look: the particles' m v^2 summed over three times
    // their number; NaN before any.
    double meanKT() const;
    // The layers of each species present, bottom up, against the law for
    // the field `gravity` (0: even).
    std::vector<Row> rows(const Gas &gas, double gravity) const;

private:
    int64_t m_looks = 0;
    double m_top = 0; // the height the layers divide
    std::array<std::array<int64_t, kLayers>, 3> m_count{};
    std::array<std::array<double, kLayers>, 3> m_mv2{};
};

// The share of particles in [a, b] of a column 0..top where the density
// goes as exp(-c y), c = m g / kT (even for c = 0).
double barometricShare(double c, double a, double b, double top);

// Carnahan and Starling's compressibility factor of hard spheres,
// P / (n k T) = (1 + eta + eta^2 - eta^3) / (1 - eta)^3, at packing
// fraction eta (0 <= eta < 1, else NaN): 1 for the ideal gas.
double carnahanStarling(double eta);
