// The C interface natively: a gas made through it is molvix-lab's gas (the
// program's start-up and the panel's moves), its actions keep to the
// panel's ranges, and the instruments read from its own readings.
#include "experiment.h"
#include "molvixcore.h"

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

} // namespace
