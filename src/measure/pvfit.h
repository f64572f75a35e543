#pragma once

#include "gasreading.h"

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

// The volume a reading belongs to. Its pressure is gathered over the
// reading's 200 ticks, so its volume is the piston's mean position over the
// same ticks: the P–V diagram, its fit and the process CSV all take it from
// here.
inline double readingVolume(const GasReading &r)
{
    return volumeAtWall(r.pistonMean);
}
inline PvPoint pvPointOf(const GasReading &r)
{
    return {readingVolume(r), r.pressure};
}

// What a fitted path is: only a power law has an exponent worth showing.
enum class PvShape
{
    PowerLaw,
    Jump,        // most of the volume change came in a reading or two
    NotPowerLaw, // ln P against ln V bends more than its noise explains
    TooScattered // the error of the exponent is as large as makes it meaningless
};

// P V^gamma = const fitted by least squares of ln P against ln V (gamma is
// minus the slope). Consecutive readings are not independent (the gas
// carries its fluctuations from one reading into the next), so besides the
// textbook standard error, which assumes they are, the fit gives one from
// blocks of consecutive readings: each block's contribution to the slope is
// taken as one independent sample. `error` is the larger of the two.
struct PvFit
{
    double gamma = 0;
    double standardError = 0; // as if the readings were independent
    double error = 0;         // allowing for their correlation (see above)
    int blockLength = 1;      // readings per block in `error`; 1: too few for blocks
    int points = 0;           // the points that entered the fit
    PvShape shape = PvShape::PowerLaw;
};

// Fewer readings than this give no blocks: `error` is the standard error.
constexpr int kFitBlockMinPoints = 16;
// Beyond this error the exponent says nothing worth reading (5/3 and 1
// would both be within two errors).
constexpr double kFitMaxError = 0.2;

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
