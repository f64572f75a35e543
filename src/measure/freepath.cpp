#include "freepath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

double packingFraction(double n, double d)
{
    return std::numbers::pi * n * d * d * d / 6.0;
}

double enskogChi(double eta)
{
    if (!(eta >= 0 && eta < 1)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double free = 1.0 - eta;
    return (1.0 - eta / 2.0) / (free * free * free);
}

double meanSpeed(double kT, double mass)
{
    return std::sqrt(8.0 * kT / (std::numbers::pi * mass));
}

double wallShadow(double d, double areaPerVolume)
{
    return std::max(0.0, 1.0 - d * areaPerVolume / 4.0);
}

double meanFreePathTheory(double n, double d, double areaPerVolume)
{
    const double chi = enskogChi(packingFraction(n, d));
    return 1.0 / (std::numbers::sqrt2 * n * std::numbers::pi * d * d * chi *
                  wallShadow(d, areaPerVolume));
}

double collisionRateTheory(double n, double d, double kT, double mass, double areaPerVolume)
{
    return meanSpeed(kT, mass) / meanFreePathTheory(n, d, areaPerVolume);
}

std::vector<double> mixtureCollisionRates(const std::vector<SpeciesPart> &species, double kT,
                                          double areaPerVolume)
{
    double eta = 0;
    for (const SpeciesPart &s : species) {
        eta += packingFraction(s.n, 2.0 * s.radius);
    }
    const double chi = enskogChi(eta);
    std::vector<double> rates;
    for (const SpeciesPart &s : species) {
        double z = 0;
        for (const SpeciesPart &o : species) {
            const double d = s.radius + o.radius;
            const double mu = s.mass * o.mass / (s.mass + o.mass);
            z += o.n * std::numbers::pi * d * d * chi * wallShadow(d, areaPerVolume) *
                 meanSpeed(kT, mu);
        }
        rates.push_back(z);
    }
    return rates;
}

double mixtureMeanFreePath(const std::vector<SpeciesPart> &species, double kT, double areaPerVolume)
{
    const std::vector<double> z = mixtureCollisionRates(species, kT, areaPerVolume);
    double flown = 0, ended = 0;
    for (size_t s = 0; s < species.size(); ++s) {
        flown += species[s].n * meanSpeed(kT, species[s].mass);
        ended += species[s].n * z[s];
    }
    return ended > 0 ? flown / ended : std::numeric_limits<double>::infinity();
}
