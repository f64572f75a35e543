#pragma once

#include <optional>
#include <vector>

// The P–V path of a process and the exponent fitted to it. Volumes are in
// box lengths cubed: the box is 100 x 100 x wall, so V = 10 000 x wall;
// pressures in the units of the "Presión" readout.

constexpr double kVolumePerWall = 10000.0; // box lengths^3 per length of wall position
constexpr double kFullBoxVolume = 100.0 * kVolumePerWall;
constexpr double kMonatomicGamma = 5.0 / 3.0; // adiabatic exponent of hard spheres
// The path must span this relative change of volume before a fit means much.
constexpr double kFitVolumeChange = 0.10;

inline double volumeAtWall(double wall)
{
    return kVolumePerWall * wall;
}

struct PvPoint
{
    double volume = 0;   // box lengths^3
    double pressure = 0; // "Presión" units
};

// P V^gamma = const fitted by least squares of ln P against ln V (gamma is
// minus the slope), with the slope's standard error.
struct PvFit
{
    double gamma = 0;
    double standardError = 0;
    int points = 0; // the points that entered the fit
};

// The largest |V - V0| / V0 along the path, V0 its first volume; 0 for an
// empty path or one starting at no volume.
double relativeVolumeChange(const std::vector<PvPoint> &path);

// The fit over the points with positive volume and pressure (the others have
// no logarithm). None while the volume has changed by less than
// minVolumeChange, or with fewer than three such points (no error then).
std::optional<PvFit> fitPolytrope(const std::vector<PvPoint> &path,
                                  double minVolumeChange = kFitVolumeChange);

// The pressure at volume v on the curve P V^exponent = const through a point:
// exponent 1 is the isotherm, kMonatomicGamma the adiabat. None where the
// point or v has no positive volume.
std::optional<double> pressureThrough(const PvPoint &through, double exponent, double v);
