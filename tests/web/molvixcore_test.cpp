// The C interface natively: a gas made through it is molvix-lab's gas (the
// program's start-up and the panel's moves), its actions keep to the
// panel's ranges, and the instruments read from its own readings.
#include "displacement.h"
#include "experiment.h"
#include "molvixcore.h"
#include "mvgas.h"
#include "process.h"
#include "pvfit.h"
#include "readinglog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct GasDeleter
{
    void operator()(MvGas *gas) const { mv_destroy(gas); }
};
using GasPtr = std::unique_ptr<MvGas, GasDeleter>;

GasPtr made()
{
    return GasPtr(mv_create());
}

// Same settings, same ticks: every particle where molvix-lab's gas has it,
// and the readings equal, for the classic gas and with a process.
TEST(CoreInterface, AGasIsMolvixLabsGasTickForTick)
{
    struct Case
    {
        int32_t count, wall, temperature;
        bool collisions;
        PistonMode piston;
        bool bath;
    };
    for (const Case c : {Case{50, 100, 20, false, PistonMode::Fixed, false},
                         Case{100, 30, 55, true, PistonMode::Fixed, false},
                         Case{7, 0, 3, true, PistonMode::Fixed, false},
                         Case{60, 80, 20, true, PistonMode::Loaded, true}}) {
        RunSettings settings;
        settings.count = c.count;
        settings.wall = c.wall;
        settings.temperature = c.temperature;
        settings.collisions = c.collisions;
        settings.piston = c.piston;
        settings.load = 3000;
        settings.bath = c.bath;
        LabGas lab(settings);
        lab.startWarmup();

        GasPtr gas = made();
        mv_set_count(gas.get(), c.count);
        mv_set_temperature(gas.get(), c.temperature);
        mv_set_wall(gas.get(), c.wall);
        mv_set_collisions(gas.get(), c.collisions);
        EXPECT_EQ(mv_default_bath_temperature(gas.get()), lab.bathTemperature());
        mv_set_process(gas.get(), int32_t(c.piston), float(mv_piston(gas.get())), 1, 3000, 100,
                       c.bath, mv_default_bath_temperature(gas.get()));

        for (int t = 0; t < 2000; ++t) {
            lab.gas.TimeLoopTimer();
        }
        mv_run(gas.get(), 2000);
        const std::string label = "count " + std::to_string(c.count);
        ASSERT_EQ(mv_count(gas.get()), lab.gas.state.NumPar) << label;
        for (int32_t i = 1; i <= lab.gas.state.NumPar; ++i) {
            ASSERT_EQ(mv_positions(gas.get(), 0)[i], lab.gas.state.ParX[i]) << label;
            ASSERT_EQ(mv_positions(gas.get(), 1)[i], lab.gas.state.ParY[i]) << label;
            ASSERT_EQ(mv_velocities(gas.get(), 2)[i], lab.gas.state.VelZ[i]) << label;
        }
        ASSERT_EQ(mv_reading_count(gas.get()), 10) << label;
        const GasReading last = lab.gas.reading(0);
        EXPECT_EQ(mv_reading(gas.get(), -1)[6], mv_readouts(gas.get())[2]) << label;
        EXPECT_EQ(mv_readouts(gas.get())[0], last.energy) << label;
        EXPECT_EQ(mv_piston(gas.get()), lab.gas.pistonPosition()) << label;
    }
}

// The panel's bars go from 0 to 100; the process's values are brought into
// their ranges as the windows bring them.
TEST(CoreInterface, ActionsKeepToThePanelsRanges)
{
    GasPtr gas = made();
    struct Case
    {
        int32_t asked, count;
    };
    for (const Case c : {Case{1000, 100}, Case{-5, 0}, Case{37, 37}}) {
        mv_set_count(gas.get(), c.asked);
        EXPECT_EQ(mv_count(gas.get()), c.count) << c.asked;
    }
    mv_set_wall(gas.get(), 250);
    EXPECT_EQ(mv_readouts(gas.get())[3], 100);
    EXPECT_STREQ(mv_readout_text(gas.get(), 3), "100");

    mv_set_process(gas.get(), 1, 40, NAN, 0, 100, 1, 1e9f);
    mv_run(gas.get(), 400);
    EXPECT_LT(mv_piston(gas.get()), 100) << "a NaN speed takes the default and the piston moves";
    for (int axis = 0; axis < 3; ++axis) {
        for (int32_t i = 1; i <= mv_count(gas.get()); ++i) {
            ASSERT_TRUE(std::isfinite(mv_velocities(gas.get(), axis)[i]));
        }
    }
    mv_set_count(gas.get(), 0);
    EXPECT_EQ(mv_readouts(gas.get())[4], 1) << "an empty gas says so";
    EXPECT_STREQ(mv_readout_text(gas.get(), 1), "Temperatura = 0.00");
}

// Readings by index from either end, none past them; the field names are
// the columns' own.
TEST(CoreInterface, ReadingsAreFoundByIndexAndNamedByField)
{
    GasPtr gas = made();
    EXPECT_EQ(mv_reading(gas.get(), -1), nullptr);
    mv_run(gas.get(), 600);
    ASSERT_EQ(mv_reading_count(gas.get()), 3);
    EXPECT_EQ(mv_reading(gas.get(), 0)[0], 200);
    EXPECT_EQ(mv_reading(gas.get(), -1)[0], 600);
    EXPECT_EQ(mv_reading(gas.get(), 3), nullptr);
    EXPECT_EQ(mv_reading(gas.get(), -4), nullptr);
    EXPECT_STREQ(mv_reading_field(0), "tick");
    EXPECT_STREQ(mv_reading_field(mv_reading_fields() - 1), "energy_z");
    EXPECT_EQ(mv_reading_field(mv_reading_fields()), nullptr);
    mv_clear_readings(gas.get());
    EXPECT_EQ(mv_reading_count(gas.get()), 0);
}

// The P–V path starts again at "Poner a cero" and with a new count, as the
// "Procesos" window's does; the speed histogram is a density.
TEST(CoreInterface, InstrumentsStartAgainWhereTheWindowsDo)
{
    GasPtr gas = made();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(mv_ledger(gas.get())[i], 0) << "the ledger opens at zero, as the program's";
    }
    mv_run(gas.get(), 1000);
    EXPECT_EQ(mv_pv_count(gas.get()), 5);
    EXPECT_EQ(mv_pv_path(gas.get())[0], 1e6) << "the whole box";
    mv_reset_ledger(gas.get());
    EXPECT_EQ(mv_pv_count(gas.get()), 0);
    mv_run(gas.get(), 400);
    mv_set_count(gas.get(), 20);
    mv_run(gas.get(), 200);
    EXPECT_EQ(mv_pv_count(gas.get()), 1);
    EXPECT_EQ(mv_pv_fit(gas.get())[0], 0) << "no fit without a volume change";
    // The process file holds the path's readings, the readings file all of them.
    const std::string process = mv_process_csv(gas.get(), 0);
    EXPECT_EQ(process.size(), size_t(mv_text_length(gas.get())));
    EXPECT_EQ(std::count(process.begin(), process.end(), '\n'), 1 + 1);
    const std::string readings = mv_readings_csv(gas.get(), 1);
    EXPECT_EQ(std::count(readings.begin(), readings.end(), '\n'), 1 + 8);
    EXPECT_NE(readings.find(';'), std::string::npos) << "the spreadsheet's dialect";

    EXPECT_EQ(mv_speed_sample_count(gas.get()), 4 * 20) << "a new count starts the speeds afresh";
    EXPECT_EQ(mv_speed_histogram(gas.get(), 0, 10), nullptr);
    const double *density = mv_speed_histogram(gas.get(), 40, 20);
    ASSERT_NE(density, nullptr);
    double area = 0;
    for (int i = 0; i < 40; ++i) {
        area += density[i] * 0.5;
    }
    EXPECT_NEAR(area, 1.0, 1e-12);
    EXPECT_GT(mv_speed_s2(gas.get()), 0);
    EXPECT_FALSE(std::isnan(mv_speed_ks(gas.get())));
}

// What "Gráficas" and "Procesos" show through the interface is what the
// desktop's recorders make of the same readings: the stretch after a burst
// of changes and after one the readings do not carry, the histories, the
// ratio and why it has none, the curves through the path's first point;
// and the bins of the speed histogram.
TEST(CoreInterface, TheInstrumentsFiguresAreTheDesktopRecorders)
{
    GasPtr gas = made();
    ReadingLog log;
    const auto run = [&](int32_t ticks) {
        int32_t i = mv_reading_count(gas.get());
        mv_run(gas.get(), ticks);
        for (; i < mv_reading_count(gas.get()); ++i) {
            const double *f = mv_reading(gas.get(), i);
            GasReading r;
            r.tick = static_cast<int64_t>(f[0]);
            r.time = f[1];
            r.count = static_cast<int32_t>(f[2]);
            r.wall = static_cast<int32_t>(f[3]);
            r.tempSetting = static_cast<int32_t>(f[4]);
            r.collisions = f[5] != 0;
            r.pressure = f[6];
            r.temperature = f[7];
            r.energy = f[8];
            log.append(r);
        }
    };
    EXPECT_EQ(mv_ideal_gas_ratio(gas.get())[0], int(RatioState::NoReadings));
    mv_set_collisions(gas.get(), 1);
    run(1000);
    mv_set_temperature(gas.get(), 30);
    run(200);
    mv_set_temperature(gas.get(), 40);
    run(1000);
    mv_mark_change(gas.get());
    log.markChange();
    run(1400);
    EXPECT_EQ(mv_since_change(gas.get(), 2), nullptr) << "the count is a setting";
    for (const auto &[field, member] :
         {std::pair{6, &GasReading::pressure}, std::pair{7, &GasReading::temperature},
          std::pair{8, &GasReading::energy}}) {
        const Stats s = log.sinceChange(member);
        ASSERT_EQ(s.n, 6);
        EXPECT_EQ(std::vector<double>(mv_since_change(gas.get(), field),
                                      mv_since_change(gas.get(), field) + 3),
                  (std::vector<double>{6, s.mean, s.spread}));
        const History h = log.history(member);
        const double *c = mv_history(gas.get(), field);
        ASSERT_EQ(h.marks.size(), 2u);
        std::vector<double> expected = {0, h.lowest, h.highest, double(h.points.size()), 2};
        for (const History::Point &p : h.points) {
            expected.insert(expected.end(), {p.time, p.value});
        }
        expected.insert(expected.end(), h.marks.begin(), h.marks.end());
        EXPECT_EQ(std::vector<double>(c, c + expected.size()), expected) << mv_reading_field(field);
    }
    const Stats ratio = log.idealGasRatioSinceChange();
    EXPECT_EQ(std::vector<double>(mv_ideal_gas_ratio(gas.get()), mv_ideal_gas_ratio(gas.get()) + 4),
              (std::vector<double>{0, 6, ratio.mean, ratio.spread}));
    const PvPoint first{mv_pv_path(gas.get())[0], mv_pv_path(gas.get())[1]};
    EXPECT_EQ(mv_pv_through(gas.get(), 1, 0.5e6), *pressureThrough(first, kMonatomicGamma, 0.5e6));
    EXPECT_EQ(mv_pv_through(gas.get(), 0, 0.5e6), 2 * first.pressure);
    EXPECT_TRUE(std::isnan(mv_pv_through(gas.get(), 0, 0)));
    mv_set_count(gas.get(), 0);
    run(400);
    EXPECT_EQ(mv_ideal_gas_ratio(gas.get())[0], int(log.ratioState()));
    EXPECT_EQ(log.ratioState(), RatioState::NoParticles);

    EXPECT_EQ(mv_load_limit(2), 1000);
    EXPECT_EQ(mv_load_limit(1e6), mv_process_limits()[3]);

    // About the square root of the samples, within 8..30.
    for (const auto &[samples, bins] :
         {std::pair{0, 8}, std::pair{72, 8}, std::pair{73, 9}, std::pair{400, 20},
          std::pair{930, 30}, std::pair{5000, 30}}) {
        EXPECT_EQ(mv_speed_bins(samples), bins) << samples;
    }
}

// A mixture as the window sets it: each setting brought into the gas's
// range, a divider other than the three is none, the particles' radii and
// species as set; a box packed past the limit is refused and the gas kept.
TEST(CoreInterface, AMixtureIsSetWithinTheGasRanges)
{
    struct Case
    {
        int32_t a;
        float ra;
        int32_t b;
        float mb, rb;
        int32_t divider;
        float hole;
        // as taken
        int32_t takenA, takenB;
        float takenRa, takenMb, takenRb;
        int32_t takenDivider;
        float takenHole;
    };
    for (const Case c : {Case{100, 2, 50, 4, 3, 1, 10, 100, 50, 2, 4, 3, 1, 10},
                         Case{-3, 0.01f, 700, 1000, 0, 9, 500, 0, 500, 0.1f, 100, 0.1f, 0, 100},
                         Case{450, NAN, 200, -1, 1, 2, -5, 450, 50, 1.5f, 1, 1, 2, 1}}) {
        GasPtr gas = made();
        ASSERT_EQ(mv_set_mixture(gas.get(), c.a, c.ra, c.b, c.mb, c.rb, c.divider, c.hole, 0, 5, 0),
                  1)
            << c.a;
        const double *m = mv_mixture_settings(gas.get());
        const std::string label = "asked A " + std::to_string(c.a);
        EXPECT_EQ(m[0], c.takenA) << label;
        EXPECT_FLOAT_EQ(float(m[1]), c.takenRa) << label;
        EXPECT_EQ(m[2], c.takenB) << label;
        EXPECT_FLOAT_EQ(float(m[3]), c.takenMb) << label;
        EXPECT_FLOAT_EQ(float(m[4]), c.takenRb) << label;
        EXPECT_EQ(m[5], c.takenDivider) << label;
        EXPECT_FLOAT_EQ(float(m[6]), c.takenHole) << label;
        EXPECT_EQ(m[7], 0) << "no heavy particle" << label;
        EXPECT_EQ(mv_mixture(gas.get()), 1);
        EXPECT_EQ(mv_divider_up(gas.get()), c.takenDivider != 0 ? 1 : 0) << label;
        ASSERT_EQ(mv_count(gas.get()), c.takenA + c.takenB) << label;
        for (int32_t i = 1; i <= mv_count(gas.get()); ++i) {
            const bool b = i > c.takenA;
            ASSERT_EQ(mv_species(gas.get())[i], b ? 1 : 0) << label << " " << i;
            ASSERT_FLOAT_EQ(mv_radii(gas.get())[i], b ? c.takenRb : c.takenRa) << label;
        }
    }
    // 500 spheres of radius 8 fill over 100 % of the box: refused.
    GasPtr gas = made();
    mv_set_wall(gas.get(), 60);
    EXPECT_EQ(mv_set_mixture(gas.get(), 300, 3, 0, 1, 1, 0, 20, 0, 5, 0), 1)
        << "6 % of the box the wall leaves";
    mv_end_mixture(gas.get(), 50);
    EXPECT_EQ(mv_set_mixture(gas.get(), 500, 8, 0, 1, 1, 0, 20, 0, 5, 0), 0);
    EXPECT_EQ(mv_set_mixture(gas.get(), 100, 1, 0, 1, 1, 0, 20, 1000, 10, 0), 1)
        << "a heavy sphere fits";
    mv_end_mixture(gas.get(), 50);
    mv_set_wall(gas.get(), 0);
    EXPECT_EQ(mv_set_mixture(gas.get(), 10, 1, 0, 1, 1, 0, 20, 0, 5, 0), 0) << "no room at all";
    EXPECT_EQ(mv_mixture(gas.get()), 0);
    EXPECT_EQ(mv_count(gas.get()), 50);
}

// Until a mixture is set the new calls read without changing anything: a
// gas asked for every mixture figure ticks as one that was not; the figures
// are NaN and the counts per side empty.
TEST(CoreInterface, AClassicGasIsUntouchedByTheMixturesCalls)
{
    GasPtr asked = made();
    GasPtr plain = made();
    mv_set_collisions(asked.get(), 1);
    mv_set_collisions(plain.get(), 1);
    for (int round = 0; round < 4; ++round) {
        const double *figures = mv_figures(asked.get());
        for (int k = 0; k < mv_figure_count(); ++k) {
            ASSERT_TRUE(std::isnan(figures[k])) << k;
        }
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(mv_side_counts(asked.get())[k], 0);
        }
        EXPECT_EQ(mv_msd_count(asked.get()), 0);
        EXPECT_EQ(mv_traced(asked.get()), 0);
        mv_set_traced(asked.get(), 3);
        mv_remove_divider(asked.get());
        mv_end_mixture(asked.get(), 7);
        mv_reset_mixture_measures(asked.get());
        mv_effusion(asked.get());
        EXPECT_EQ(mv_path_chart(asked.get()), nullptr);
        mv_run(asked.get(), 500);
        mv_run(plain.get(), 500);
    }
    ASSERT_EQ(mv_count(asked.get()), mv_count(plain.get()));
    for (int32_t i = 1; i <= mv_count(plain.get()); ++i) {
        ASSERT_EQ(mv_positions(asked.get(), 0)[i], mv_positions(plain.get(), 0)[i]);
        ASSERT_EQ(mv_velocities(asked.get(), 1)[i], mv_velocities(plain.get(), 1)[i]);
    }
    EXPECT_EQ(std::string(mv_readings_csv(asked.get(), 0)), mv_readings_csv(plain.get(), 0));
}

// While a mixture is on, the count bar and the piston's processes wait (a
// process on is brought back to the fixed piston); back to the classic gas,
// the gas is the one the count bar makes, and the bar stands there.
TEST(CoreInterface, AMixtureHoldsTheCountAndProcessesUntilItEnds)
{
    GasPtr gas = made();
    GasPtr classic = made();
    mv_set_process(gas.get(), 0, 100, 1, 0, 100, 1, 2);
    mv_set_collisions(gas.get(), 1);
    ASSERT_EQ(mv_set_mixture(gas.get(), 200, 1.5f, 100, 9, 3, 0, 20, 0, 5, 0), 1);
    mv_set_count(gas.get(), 10);
    mv_set_process(gas.get(), 1, 30, 5, 0, 100, 0, 1);
    mv_run(gas.get(), 300);
    EXPECT_EQ(mv_count(gas.get()), 300) << "the count bar waits";
    EXPECT_EQ(mv_piston(gas.get()), 100) << "the piston stays fixed";
    const double *f = mv_figures(gas.get());
    EXPECT_GT(f[15], 0) << "collisions counted";
    EXPECT_NEAR(mv_effusion(gas.get())[3], 3, 1e-12) << "Graham's sqrt(9)";
    EXPECT_TRUE(std::isnan(f[7])) << "no hole, no Graham's figure";
    // The window's samples: one at the start and one every 20 ticks, every
    // particle on one side or the other, and the file a row for each.
    const int32_t samples = mv_side_sample_count(gas.get());
    ASSERT_EQ(samples, 1 + 300 / mv_side_sample_ticks());
    const double *s = mv_side_samples(gas.get());
    for (int32_t k = 0; k < samples; ++k) {
        EXPECT_NEAR(s[7 * k], k * mv_side_sample_ticks() * 0.1, 1e-9);
        EXPECT_EQ(s[7 * k + 1] + s[7 * k + 2], 200) << k;
        EXPECT_EQ(s[7 * k + 3] + s[7 * k + 4], 100) << k;
    }
    const std::string csv = mv_side_samples_csv(gas.get(), 1);
    EXPECT_EQ(csv.rfind("time;a_left;a_right;b_left;b_right;effusion_rate_a;effusion_rate_b\n", 0),
              0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + samples);

    mv_end_mixture(gas.get(), 40);
    EXPECT_EQ(mv_mixture(gas.get()), 0);
    mv_set_count(classic.get(), 0);
    mv_set_count(classic.get(), 40);
    mv_set_collisions(classic.get(), 1);
    mv_run(gas.get(), 1000);
    mv_run(classic.get(), 1000);
    ASSERT_EQ(mv_count(gas.get()), 40);
    for (int32_t i = 1; i <= 40; ++i) {
        ASSERT_EQ(mv_positions(gas.get(), 2)[i], mv_positions(classic.get(), 2)[i]) << i;
        ASSERT_EQ(mv_radii(gas.get())[i], 0) << i;
    }
    mv_set_count(gas.get(), 40);
    EXPECT_EQ(mv_count(gas.get()), 40);
    mv_set_count(gas.get(), 41);
    EXPECT_EQ(mv_count(gas.get()), 41) << "the bar stands at 40 and moves from there";
}

// The measures of a dilute mixture: the mean free path and the collision
// rate near theory's, the free paths' histogram a density beside an
// exponential that is one too, the traced particle's MSD rising with the
// lag (its walls unfolded) and its fitted D of theory's order; no Graham's
// ratio without B.
TEST(CoreInterface, AMixturesFiguresAreMeasuredAgainstTheory)
{
    GasPtr gas = made();
    mv_set_collisions(gas.get(), 1);
    mv_set_temperature(gas.get(), 5);
    ASSERT_EQ(mv_set_mixture(gas.get(), 500, 2.5f, 0, 1, 1, 0, 20, 0, 5, 0), 1);
    mv_run(gas.get(), 6000);
    const double *f = mv_figures(gas.get());
    EXPECT_NEAR(f[0] / f[1], 1, 0.08) << "mean free path " << f[0] << " theory " << f[1];
    EXPECT_NEAR(f[2] / f[3], 1, 0.08) << "collision rate " << f[2] << " theory " << f[3];
    // The bulk's packing, a little below the whole box's (the walls hold a
    // denser layer).
    EXPECT_NEAR(f[5] / (500 * 4.0 / 3.0 * M_PI * 2.5 * 2.5 * 2.5 / 1e6), 1, 0.1) << f[5];
    EXPECT_GT(f[4], 1) << "Enskog's factor above 1";
    EXPECT_TRUE(std::isnan(f[6]) && std::isnan(f[7])) << "no B, no Graham";
    EXPECT_TRUE(std::isnan(f[11]) && std::isnan(f[12])) << "no heavy particle";
    const int32_t bins = mv_path_bins() - 1;
    const double *chart = mv_path_chart(gas.get());
    ASSERT_NE(chart, nullptr);
    double measured = 0, exponential = 0;
    for (int k = 0; k < bins; ++k) {
        measured += chart[k] * mv_path_bin_width();
        exponential += chart[bins + k] * mv_path_bin_width();
    }
    EXPECT_NEAR(measured, 1, 1e-3) << "nearly every path is shorter than the bins reach";
    EXPECT_NEAR(exponential, 1, 0.02);

    const int32_t lags = mv_msd_count(gas.get());
    ASSERT_EQ(lags, 32);
    const double *msd = mv_msd(gas.get());
    EXPECT_NEAR(msd[0], mv_msd_step(gas.get()) * 0.1, 1e-9) << "the first lag is one sample";
    EXPECT_GT(msd[2 * (lags - 1) + 1], 10000) << "the walk goes on past the walls";
    ASSERT_FALSE(std::isnan(f[8]));
    // The walk of all 500: D near the hard spheres' (a few per cent above
    // it, as molvix-lab finds); folded positions would level off and give
    // far less, one particle's walk would scatter by a factor of two.
    EXPECT_NEAR(f[8] / f[10], 1.05, 0.2) << "D " << f[8] << " theory " << f[10];

    EXPECT_TRUE(std::isnan(f[16])) << "no divider, no time to mix";

    mv_reset_mixture_measures(gas.get());
    f = mv_figures(gas.get());
    EXPECT_TRUE(std::isnan(f[0]) && std::isnan(f[8]));
    EXPECT_EQ(mv_msd_count(gas.get()), 0);
}

// A solid divider keeps A left and B right until it is removed; the time to
// mix counts from then. The hole lets both species out at Graham's ratio's
// order; the heavy particle's <v^2> is set against 3kT/M.
TEST(CoreInterface, TheDividerTheHoleAndTheHeavyParticle)
{
    GasPtr gas = made();
    mv_set_collisions(gas.get(), 1);
    ASSERT_EQ(mv_set_mixture(gas.get(), 150, 1.5f, 150, 4, 1.5f, 1, 20, 0, 5, 0), 1);
    mv_run(gas.get(), 500);
    const int32_t *sides = mv_side_counts(gas.get());
    EXPECT_EQ(sides[0], 150) << "A all on the left";
    EXPECT_EQ(sides[3], 150) << "B all on the right";
    EXPECT_TRUE(std::isnan(mv_figures(gas.get())[16]));
    mv_remove_divider(gas.get());
    EXPECT_EQ(mv_divider_up(gas.get()), 0);
    mv_run(gas.get(), 20000);
    const double mixTime = mv_figures(gas.get())[16];
    ASSERT_FALSE(std::isnan(mixTime)) << "mixed within 2000 time units";
    EXPECT_GT(mixTime, 0);
    EXPECT_LT(mixTime, 2000);

    ASSERT_EQ(mv_set_mixture(gas.get(), 200, 1.5f, 200, 16, 1.5f, 2, 30, 0, 5, 0), 1);
    EXPECT_EQ(mv_side_counts(gas.get())[1] + mv_side_counts(gas.get())[3], 0) << "the right empty";
    mv_run(gas.get(), 3000);
    const double *e = mv_effusion(gas.get());
    EXPECT_GT(e[4], 0);
    EXPECT_GT(e[5], 0);
    const double *f = mv_figures(gas.get());
    EXPECT_EQ(f[7], 4);
    EXPECT_NEAR(f[6], 4, 2) << "A escapes faster than B";

    ASSERT_EQ(mv_set_mixture(gas.get(), 300, 1.5f, 0, 1, 1.5f, 0, 20, 500, 6, 0), 1);
    EXPECT_EQ(mv_species(gas.get())[1], 2) << "the heavy particle in slot 1";
    EXPECT_EQ(mv_traced(gas.get()), 1);
    mv_run(gas.get(), 2000);
    f = mv_figures(gas.get());
    EXPECT_NEAR(f[12], 3 * f[13] / 500, 1e-9 * f[12]);
    EXPECT_GT(f[11], 0);
    // D in theory with the walls' shadow (as the desktop window and
    // molvix-lab give it): a sphere of radius 6 meets fewer partners near a
    // wall, so over the whole box it diffuses faster than in open gas.
    const double volume = 100.0 * 100 * 100;
    std::vector<SpeciesPart> open(3);
    open[0] = {300 / volume, 1.5, 1};
    open[2] = {1 / volume, 6, 500};
    const double openD = mixtureDiffusionTheory(open, 2, f[13]);
    EXPECT_NEAR(f[10] / openD, 1.2, 0.1);

    // Its speeds, one a side sample, as a density against Maxwell–Boltzmann
    // at kT/M; a new temperature starts them again, as theory's curve moves.
    ASSERT_EQ(mv_heavy_speed_count(gas.get()), 1 + 2000 / mv_side_sample_ticks());
    const double top = mv_heavy_speed_max(gas.get());
    ASSERT_GT(top, 0);
    const double *h = mv_heavy_speed_histogram(gas.get(), 10, top * 1.01);
    ASSERT_NE(h, nullptr);
    double area = 0;
    for (int b = 0; b < 10; ++b) {
        area += h[b] * top * 1.01 / 10;
    }
    EXPECT_NEAR(area, 1.0, 1e-12);
    EXPECT_GT(f[19], 0);
    EXPECT_LT(f[19], 1);
    mv_set_temperature(gas.get(), 40);
    mv_run(gas.get(), 5 * mv_side_sample_ticks());
    EXPECT_EQ(mv_heavy_speed_count(gas.get()), 5);
    EXPECT_NEAR(mv_figures(gas.get())[12], 3 * mv_figures(gas.get())[13] / 500, 1e-9);
    ASSERT_EQ(mv_set_mixture(gas.get(), 300, 1.5f, 0, 1, 1.5f, 0, 20, 0, 6, 0), 1);
    mv_run(gas.get(), 200);
    EXPECT_EQ(mv_heavy_speed_count(gas.get()), 0);
    EXPECT_EQ(mv_heavy_speed_histogram(gas.get(), 10, 1.0), nullptr);
    EXPECT_TRUE(std::isnan(mv_figures(gas.get())[19]));
}

// The field reaches the gas, clamped as the core clamps it, and the
// figures and the layers cross the boundary in the places molvixcore.h
// gives them, each the recorder's own.
TEST(CoreInterface, GravityItsFiguresAndTheLayersCrossAsTheRecorderHasThem)
{
    for (const float asked : {8.0f, 5000.0f, -3.0f, NAN}) {
        GasPtr gas = made();
        mv_set_collisions(gas.get(), 1);
        ASSERT_EQ(mv_set_mixture(gas.get(), 100, 1.5f, 100, 4, 1.5f, 0, 20, 0, 5, asked), 1);
        const float taken =
            std::isnan(asked) ? 0 : std::clamp(asked, 0.0f, float(mv_mixture_limits()[9]));
        EXPECT_EQ(mv_mixture_settings(gas.get())[9], taken) << asked;
        mv_run(gas.get(), 400);
        const MixtureRecorder::Figures f = gas->recorder.figures(gas->gas);
        const double *shown = mv_figures(gas.get());
        const double named[] = {f.gravity,     f.kineticEnergy,    f.potentialEnergy,
                                f.totalEnergy, f.totalEnergyDrift, f.pressureFloor,
                                f.pressureTop, f.pressureWalls,    f.weightPerArea,
                                f.zWalls,      f.zVirial,          f.zTheory};
        ASSERT_EQ(mv_figure_count(), 23 + 12);
        for (int k = 0; k < 12; ++k) {
            EXPECT_TRUE(shown[23 + k] == named[k] ||
                        (std::isnan(named[k]) && std::isnan(shown[23 + k])))
                << asked << " figure " << 23 + k;
        }
        EXPECT_EQ(f.gravity, taken);
        const std::vector<HeightProfile::Row> rows = gas->recorder.profileRows(gas->gas);
        ASSERT_EQ(mv_profile_count(gas.get()), int32_t(rows.size()));
        ASSERT_EQ(rows.size(), 2u * HeightProfile::kLayers) << "A and B";
        const double *p = mv_profile(gas.get());
        for (size_t r = 0; r < rows.size(); ++r) {
            const double row[] = {rows[r].height, double(rows[r].species), rows[r].density,
                                  rows[r].densityTheory, rows[r].temperature};
            for (int k = 0; k < 5; ++k) {
                EXPECT_TRUE(p[5 * r + k] == row[k] ||
                            (std::isnan(row[k]) && std::isnan(p[5 * r + k])))
                    << asked << " row " << r << " column " << k;
            }
        }
    }
    GasPtr classic = made();
    EXPECT_EQ(mv_profile_count(classic.get()), 0);
    EXPECT_EQ(mv_profile(classic.get()), nullptr);
    EXPECT_TRUE(std::isnan(mv_carnahan_starling(1.0)));
    EXPECT_EQ(mv_carnahan_starling(0.0), 1.0);
}

} // namespace
