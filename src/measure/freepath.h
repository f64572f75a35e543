#pragma once

#include <vector>

// Kinetic theory of hard spheres for the mean free path and the collision
// rate, in the gas's own units (lengths of the box, its time, particle
// masses; k T as m <v^2> / 3, i.e. 100 x "Temperatura" for unit mass).
// The mean free path here is Maxwell's, mean speed over collision rate:
// it is what the mean of all free paths (every path counted once) comes to
// in a steady gas, since both are the distance flown over the paths ended.

// The share of the volume that spheres of diameter d fill at number
// density n: pi n d^3 / 6.
double packingFraction(double n, double d);

// Enskog's factor for the collision rate of a denser gas, the pair
// density at contact: (1 - eta/2) / (1 - eta)^3 (-> 1 as eta -> 0). Only
// for 0 <= eta < 1; anything else gives NaN.
double enskogChi(double eta);

// The mean speed of a Maxwell-Boltzmann gas: sqrt(8 k T / (pi m)).
double meanSpeed(double kT, double mass);

// The walls' shadow: in a box, a particle within d of a wall has no
// partners beyond it, and the part of its contact sphere cut off is
// (d - x) / 2d at a distance x from the wall, a quarter on average over
// the layer d thick. The rate of the whole gas falls by that quarter of
// the layer's share of the volume: 1 - d A / (4 V), A / V the walls' area
// over the volume (6 / 100 for the whole box: 6 % for d = 4). 0 for an
// unbounded gas.
double wallShadow(double d, double areaPerVolume);

// One species of diameter d at density n: lambda = 1 / (sqrt 2 n pi d^2
// chi), with chi from the packing fraction, and divided by the walls'
// shadow in a box of that area per volume. Infinite for n = 0.
double meanFreePathTheory(double n, double d, double areaPerVolume = 0);
// Collisions per particle per unit time: z = v / lambda.
double collisionRateTheory(double n, double d, double kT, double mass, double areaPerVolume = 0);

// A mixture: each species' density, radius and mass.
struct SpeciesPart
{
    double n = 0;
    double radius = 0;
    double mass = 1;
};

// Per species, collisions per particle per unit time with every species:
// z_s = sum_j n_j pi (r_s + r_j)^2 chi sqrt(8 k T / (pi mu_sj)), mu the
// pair's reduced mass. chi is Enskog's factor of the whole mixture's
// packing fraction (a one-fluid approximation, exact for one species).
// The walls' shadow as above, for each pair's contact distance.
std::vector<double> mixtureCollisionRates(const std::vector<SpeciesPart> &species, double kT,
                                          double areaPerVolume = 0);
// The mean of all free paths in the mixture: the distance flown by all,
// sum n_s v_s, over the paths ended, sum n_s z_s. Infinite where nothing
// collides.
double mixtureMeanFreePath(const std::vector<SpeciesPart> &species, double kT,
                           double areaPerVolume = 0);
