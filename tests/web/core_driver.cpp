// Runs one experiment through the core's C interface natively and prints
// its readings, every field with 17 significant digits (a double reads back
// exactly): the native side of the WebAssembly parity test, which makes the
// same calls in the same order (scenario.mjs).
//   core_driver count wall temperature collisions piston pistonTo speed load
//               mass bath bathTemperature warmup ticks [what]
// pistonTo and bathTemperature -1: none given. `what` is "readings" (the
// default) or one of the files: csv0, csv1 (the readings in either dialect),
// process0, process1 (the P–V path's readings).
#include "molvixcore.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 14 && argc != 15) {
        std::fprintf(stderr, "usage: core_driver count wall temperature collisions piston "
                             "pistonTo speed load mass bath bathTemperature warmup ticks "
                             "[readings|csv0|csv1|process0|process1]\n");
        return 2;
    }
    const auto arg = [&](int i) { return std::strtod(argv[i], nullptr); };
    MvGas *gas = mv_create();
    mv_set_count(gas, int32_t(arg(1)));
    mv_set_temperature(gas, int32_t(arg(3)));
    mv_set_wall(gas, int32_t(arg(2)));
    mv_set_collisions(gas, int32_t(arg(4)));
    const int32_t piston = int32_t(arg(5));
    const float speed = float(arg(7)), load = float(arg(8)), mass = float(arg(9));
    const int32_t bath = int32_t(arg(10));
    const float bathTemperature =
        arg(11) >= 0 ? float(arg(11)) : mv_default_bath_temperature(gas);
    const auto warmup = int32_t(arg(12)), ticks = int32_t(arg(13));
    float target = float(mv_piston(gas));
    mv_set_process(gas, piston, target, speed, load, mass, bath, bathTemperature);
    mv_run(gas, warmup);
    if (arg(6) >= 0) {
        target = float(arg(6));
    }
    mv_set_process(gas, piston, target, speed, load, mass, bath, bathTemperature);
    mv_reset_ledger(gas);
    mv_run(gas, ticks);

    const std::string what = argc == 15 ? argv[14] : "readings";
    if (what != "readings") {
        const int32_t dialect = what.back() == '1' ? 1 : 0;
        const char *text = what.rfind("csv", 0) == 0 ? mv_readings_csv(gas, dialect)
                                                     : mv_process_csv(gas, dialect);
        std::fwrite(text, 1, size_t(mv_text_length(gas)), stdout);
        mv_destroy(gas);
        return 0;
    }
    const int32_t fields = mv_reading_fields();
    for (int32_t f = 0; f < fields; ++f) {
        std::printf("%s%s", f ? "," : "", mv_reading_field(f));
    }
    std::printf("\n");
    for (int32_t i = 0; i < mv_reading_count(gas); ++i) {
        const double *r = mv_reading(gas, i);
        if (r[0] <= warmup) {
            continue;
        }
        for (int32_t f = 0; f < fields; ++f) {
            std::printf("%s%.17g", f ? "," : "", r[f]);
        }
        std::printf("\n");
    }
    mv_destroy(gas);
    return 0;
}
