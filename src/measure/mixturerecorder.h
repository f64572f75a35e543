#pragma once

#include "displacement.h"
#include "gas.h"
#include "heightprofile.h"
#include "mixing.h"
#include "speeds.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// Everything measured of a mixture, in one place for every front end: the
// windows, molvix-lab and the page feed it the gas after each tick and ask
// it for figures, so that each figure has one rule (docs/model.md):
// - lambda and z away from the walls (Gas::bulkMargin), against the open
//   gas's theory at the bulk's own density and Enskog's chi from it;
// - D from the mean-square displacement of the followed species (or the
//   heavy particle) with the walls unfolded, sampled so that 32 lags reach
//   four times the fit's start (every kSampleTicks without collisions),
//   fitted from ten collision times on (ten velocity memories for the heavy
//   particle), against Blanc's law with the walls' shadow;
// - the time to mix from the start of the measured ticks (a hole's run) or
//   from the solid divider's removal, tick by tick;
// - the effusion ratio from the crossings per particle-tick on the left;
// - the layers along the height, the walls' pressures and Z (wallFigures).
// The gas's temperature k T is 100 x its exact "Temperatura" (the masses
// weighed in) at the moment of asking: a mixture's piston is fixed and
// has no bath, so it only changes with the temperature setting, and a new
// setting starts the thermal measures (paths, walk, heavy speeds) again.
class MixtureRecorder
{
public:
    // Whose walk gives D: the heavy particle or else the traced one's
    // species, as the windows follow it; or always species A (molvix-lab's
    // `diffusion` column).
    enum class Follow
    {
        Traced,
        SpeciesA
    };

    static constexpr int32_t kSampleTicks = 20; // side counts, effusion rates, heavy speeds
    static constexpr size_t kMsdLags = 32;
    static constexpr size_t kMaxSamples = 50000; // then every other one goes

    // The figures, NaN where not measured (or without meaning here).
    struct Figures
    {
        static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
        double kT = kNone;
        double meanFreePath = kNone, meanFreePathTheory = kNone;
        double collisionRate = kNone, collisionRateTheory = kNone;
        double chi = kNone, packing = kNone; // of the bulk, as the theory takes them
        int64_t paths = 0, collisions = 0;   // the whole box's, since the measures began
        double effusionRatio = kNone, grahamRatio = kNone;
        double diffusion = kNone, diffusionError = kNone, diffusionTheory = kNone;
        double fitFrom = kNone, fitTo = kNone, fitIntercept = kNone;
        int32_t followedSpecies = -1; // kSpeciesA, kSpeciesB, kHeavy; -1 none
        double heavyV2 = kNone, heavyV2Theory = kNone, heavyKs = kNone;
        double heavyS2 = kNone; // k T / M: Maxwell-Boltzmann's spread per axis, squared
        double mixTime = kNone;
        // The field and the walls (docs/model.md). The energies now (1/2 m
        // v^2 and m g h, h a centre's height) and the total's change since
        // the measures began, over its value then. The pressures over the
        // looks: on the floor, on the piston, on all six walls; the weight
        // of the gas over the floor's area.
        double gravity = 0;
        double kineticEnergy = kNone, potentialEnergy = kNone, totalEnergy = kNone;
        double totalEnergyDrift = kNone;
        double pressureFloor = kNone, pressureTop = kNone, pressureWalls = kNone;
        double weightPerArea = kNone;
        // The compressibility factor P / (n k T) at the bulk's density n:
        // from the walls' pressure, from the collisions' virial in the bulk,
        // and Carnahan-Starling's at the bulk's packing (1 without
        // collisions: spheres that pass through each other are ideal); none
        // under a field, where the density changes with height.
        double zWalls = kNone, zVirial = kNone, zTheory = kNone;
    };

    // One sample of the counts on each side and the effusion rates (per
    // particle on the left per unit time), at the time since the start.
    struct Sample
    {
        double t = 0;
        int32_t aLeft = 0, aRight = 0, bLeft = 0, bRight = 0;
        double rateA = 0, rateB = 0;
    };

    explicit MixtureRecorder(Follow follow = Follow::Traced) : m_follow(follow) {}

    // The measured ticks begin at the gas's tick now: every measure and the
    // gas's own tallies (free paths, effusion) start afresh, the mix clock
    // with them.
    void start(Gas &gas);
    // The gases may meet from now (a hole's start, the solid divider's
    // removal): the mix clock starts again, and without the divider so does
    // the walk, no longer penned in half the box.
    void dividerRemoved(const Gas &gas);
    // After every tick of a mixture. A new temperature setting or another
    // followed species starts the measures that depend on it again.
    void afterTick(Gas &gas);

    Figures figures(const Gas &gas) const;
    const std::vector<Sample> &samples() const { return m_samples; }
    // The MSD curve (lags in the gas's time); cached between samples.
    const std::vector<DisplacementLog::Point> &msdCurve() const;
    // The heavy particle's speeds, one a sample, for their distribution.
    const ThinnedSpeeds &heavySpeeds() const { return m_heavySpeeds; }
    // The layers along the height since the measures began.
    const HeightProfile &profile() const { return m_profile; }
    std::vector<HeightProfile::Row> profileRows(const Gas &gas) const
    {
        return m_profile.rows(gas, gas.mixtureSettings().gravity);
    }
    int64_t startTick() const { return m_startTick; }
    // Ticks between two MSD samples.
    int64_t msdStep() const { return m_msdStep; }

private:
    void restartThermal(Gas &gas);
    void restartWalk(const Gas &gas);
    double heavyKs(double s2) const;
    void sample(const Gas &gas);
    int32_t followed(const Gas &gas) const;
    void sampleWalk(const Gas &gas);
    SideTable sides(const Gas &gas) const;
    double followedRate(const Gas &gas, double kT) const;
    void bulkFigures(const Gas &gas, Figures &f) const;
    void walkFigures(const Gas &gas, Figures &f) const;
    void wallFigures(const Gas &gas, Figures &f) const;

    Follow m_follow;
    int64_t m_startTick = 0;
    int64_t m_walkTick = 0;
    int32_t m_temperature = -1;
    int32_t m_followedSpecies = -1;
    bool m_walkCollisions = false;
    int64_t m_msdStep = 1;
    std::vector<Sample> m_samples;
    MixClock m_mixClock;
    MsdAccumulator m_msd{kMsdLags};
    mutable std::vector<DisplacementLog::Point> m_curve;
    mutable size_t m_curveSamples = SIZE_MAX;
    double m_heavyV2Sum = 0;
    int64_t m_heavyV2Ticks = 0;
    ThinnedSpeeds m_heavySpeeds;
    HeightProfile m_profile;
    double m_energyStart = 0;
    mutable int64_t m_heavyKsOffered = -1;
    mutable double m_heavyKsS2 = 0, m_heavyKs = Figures::kNone;
};

// The samples as CSV text (plain dialect): time since the start, the four
// counts, and the two effusion rates written to round-trip.
std::string mixtureSamplesCsv(const std::vector<MixtureRecorder::Sample> &samples);

// The free paths' histogram as a density (fraction per unit length) over
// FreePathTally's bins, and beside it the exponential of the measured mean
// free path, exp(-l / lambda) / lambda, at each bin's centre; empty
// without paths or without lambda.
struct FreePathChart
{
    double binWidth = FreePathTally::kPathBinWidth;
    std::vector<double> density;
    std::vector<double> theory;
    double lambda = 0;
};
FreePathChart freePathChart(const FreePathTally &tally, double lambda);
