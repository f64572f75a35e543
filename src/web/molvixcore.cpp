#include "mvgas.h"

namespace {

std::vector<PvPoint> pvPointsOf(const std::vector<GasReading> &path)
{
    std::vector<PvPoint> points;
    points.reserve(path.size());
    for (const GasReading &r : path) {
        points.push_back(pvPointOf(r));
    }
    return points;
}

} // namespace

extern "C" {

MvGas *mv_create(void)
{
    return new MvGas();
}

void mv_destroy(MvGas *gas)
{
    delete gas;
}

void mv_set_count(MvGas *gas, int32_t count)
{
    gas->setCount(count);
}

void mv_set_temperature(MvGas *gas, int32_t temperature)
{
    gas->setTemperature(temperature);
}

void mv_set_wall(MvGas *gas, int32_t wall)
{
    gas->setWall(wall);
}

void mv_set_collisions(MvGas *gas, int32_t on)
{
    gas->gas.setCollisions(on != 0);
}

void mv_set_vectors(MvGas *gas, int32_t shown)
{
    if ((shown != 0) != gas->gas.vectorsShown()) {
        gas->gas.setVectors(shown != 0);
    }
}

void mv_set_process(MvGas *gas, int32_t piston, float target, float speed, float load, float mass,
                    int32_t bath, float bathTemperature)
{
    ProcessSettings p;
    p.piston = piston == 1   ? PistonMode::Moving
               : piston == 2 ? PistonMode::Loaded
                             : PistonMode::Fixed;
    p.pistonTarget = target;
    p.pistonSpeed = speed;
    p.load = load;
    p.pistonMass = mass;
    p.bath = bath != 0;
    p.bathTemperature = bathTemperature;
    if (gas->gas.mixture()) {
        return; // the piston's impacts and the bath's draws take unit masses
    }
    gas->gas.setProcess(sanitized(p));
}

const double *mv_process_limits(void)
{
    static const std::array<double, 6> limits = {kPistonSpeedMax, kPistonMassMin,
                                                 kPistonMassMax,  kLoadMax,
                                                 kLoadPerMassMax, kBathTemperatureMax};
    return limits.data();
}

const double *mv_process_defaults(void)
{
    static const ProcessSettings p;
    static const std::array<double, 5> defaults = {p.pistonTarget, p.pistonSpeed, p.load,
                                                   p.pistonMass, p.bathTemperature};
    return defaults.data();
}

double mv_load_limit(double mass)
{
    return loadLimit(mass);
}

float mv_default_bath_temperature(const MvGas *gas)
{
    return gas->gas.bathTemperatureDefault();
}

void mv_reset_ledger(MvGas *gas)
{
    gas->gas.resetLedger();
    gas->path.clear();
    gas->pathSeries = gas->gas.series();
}

double mv_tick_time(void)
{
    return kTickTime;
}

void mv_run(MvGas *gas, int32_t ticks)
{
    Gas &g = gas->gas;
    for (int32_t t = 0; t < ticks; ++t) {
        g.TimeLoopTimer();
        if (g.ticks % kSpeedSampleTicks == 0) {
            gas->takeSnapshot();
        }
        if (g.mixture()) {
            gas->recorder.afterTick(g);
        }
    }
}

int32_t mv_bar(const MvGas *gas, int32_t which)
{
    return which == 0 ? gas->countBar : which == 1 ? gas->temperatureBar : gas->wallBar;
}

double mv_ticks(const MvGas *gas)
{
    return static_cast<double>(gas->gas.ticks);
}

int32_t mv_count(const MvGas *gas)
{
    return gas->gas.state.NumPar;
}

const float *mv_positions(const MvGas *gas, int32_t axis)
{
    const GasState &s = gas->gas.state;
    return axis == 0 ? s.ParX.data() : axis == 1 ? s.ParY.data() : s.ParZ.data();
}

const float *mv_velocities(const MvGas *gas, int32_t axis)
{
    const GasState &s = gas->gas.state;
    return axis == 0 ? s.VelX.data() : axis == 1 ? s.VelY.data() : s.VelZ.data();
}

double mv_piston(const MvGas *gas)
{
    return gas->gas.pistonPosition();
}

int32_t mv_collisions(const MvGas *gas)
{
    return gas->gas.collisions() ? 1 : 0;
}

int32_t mv_vectors(const MvGas *gas)
{
    return gas->gas.vectorsShown() ? 1 : 0;
}

const double *mv_readouts(const MvGas *gas)
{
    return gas->controls.readouts.data();
}

const char *mv_readout_text(MvGas *gas, int32_t which)
{
    const auto &r = gas->controls.readouts;
    switch (which) {
    case 0:
        gas->text = molvix::readout::energyText(r[0]);
        break;
    case 1:
        gas->text = molvix::readout::temperatureText(r[1], r[4] != 0);
        break;
    case 2:
        gas->text = molvix::readout::pressureText(r[2]);
        break;
    default:
        gas->text = molvix::readout::wallText(static_cast<int32_t>(r[3]));
        break;
    }
    return gas->text.c_str();
}

int32_t mv_reading_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->log.readings().size());
}

int32_t mv_reading_fields(void)
{
    return static_cast<int32_t>(kFieldNames.size());
}

const char *mv_reading_field(int32_t field)
{
    return field >= 0 && field < static_cast<int32_t>(kFieldNames.size()) ? kFieldNames[field]
                                                                          : nullptr;
}

const double *mv_reading(MvGas *gas, int32_t index)
{
    const auto n = static_cast<int32_t>(gas->log.readings().size());
    if (index < 0) {
        index += n;
    }
    if (index < 0 || index >= n) {
        return nullptr;
    }
    gas->reading = fieldsOf(gas->log.readings()[static_cast<size_t>(index)]);
    return gas->reading.data();
}

void mv_clear_readings(MvGas *gas)
{
    gas->log.clear();
}

int32_t mv_reading_ticks(void)
{
    return NPasosPresion;
}

void mv_mark_change(MvGas *gas)
{
    gas->log.markChange();
}

const double *mv_since_change(MvGas *gas, int32_t field)
{
    double GasReading::*const member = measuredField(field);
    if (member == nullptr) {
        return nullptr;
    }
    const Stats s = gas->log.sinceChange(member);
    gas->stats = {double(s.n), s.mean, s.spread, 0};
    return gas->stats.data();
}

const double *mv_ideal_gas_ratio(MvGas *gas)
{
    const Stats s = gas->log.idealGasRatioSinceChange();
    gas->stats = {double(static_cast<int>(gas->log.ratioState())), double(s.n), s.mean, s.spread};
    return gas->stats.data();
}

const double *mv_history(MvGas *gas, int32_t field)
{
    double GasReading::*const member = measuredField(field);
    if (member == nullptr) {
        return nullptr;
    }
    const History h = gas->log.history(member);
    std::vector<double> &out = gas->history;
    out = {double(h.first), h.lowest, h.highest, double(h.points.size()), double(h.marks.size())};
    for (const History::Point &p : h.points) {
        out.push_back(p.time);
        out.push_back(p.value);
    }
    out.insert(out.end(), h.marks.begin(), h.marks.end());
    return out.data();
}

const double *mv_ledger(MvGas *gas)
{
    const EnergyLedger l = gas->gas.ledger();
    gas->ledger = {l.work, l.heat, l.energyChange};
    return gas->ledger.data();
}

const double *mv_energy_shares(MvGas *gas)
{
    gas->shares = gas->gas.energyShares();
    return gas->shares.data();
}

int32_t mv_speed_sample_ticks(void)
{
    return kSpeedSampleTicks;
}

int32_t mv_speed_bins(int32_t samples)
{
    return speedHistogramBins(static_cast<size_t>(std::max(samples, 0)));
}

int32_t mv_speed_sample_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->speeds.samples().size());
}

const double *mv_speed_histogram(MvGas *gas, int32_t bins, double maxSpeed)
{
    return densityInto(gas->histogram, gas->speeds.samples(), bins, maxSpeed);
}

double mv_speed_s2(const MvGas *gas)
{
    return meanSquareOverThree(gas->speeds.samples());
}

double mv_speed_ks(const MvGas *gas)
{
    return maxwellBoltzmannKs(gas->speeds.samples())
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

double mv_mb_density(double v, double s2)
{
    return maxwellBoltzmannDensity(v, s2);
}

int32_t mv_pv_count(const MvGas *gas)
{
    return static_cast<int32_t>(gas->path.size());
}

const double *mv_pv_path(MvGas *gas)
{
    gas->pvPath.clear();
    for (const GasReading &r : gas->path) {
        const PvPoint p = pvPointOf(r);
        gas->pvPath.push_back(p.volume);
        gas->pvPath.push_back(p.pressure);
    }
    return gas->pvPath.data();
}

double mv_full_box_volume(void)
{
    return kFullBoxVolume;
}

double mv_fit_volume_change(void)
{
    return kFitVolumeChange;
}

double mv_pv_volume_change(const MvGas *gas)
{
    return relativeVolumeChange(pvPointsOf(gas->path));
}

double mv_pv_through(const MvGas *gas, int32_t adiabat, double volume)
{
    if (gas->path.empty()) {
        return kNaN;
    }
    return pressureThrough(pvPointOf(gas->path.front()), adiabat != 0 ? kMonatomicGamma : 1.0,
                           volume)
        .value_or(kNaN);
}

const double *mv_pv_fit(MvGas *gas)
{
    const auto fit = fitPolytrope(pvPointsOf(gas->path));
    gas->fit = {0, 0, 0, 0, 0, 0};
    if (fit) {
        gas->fit = {1,
                    fit->gamma,
                    fit->error,
                    double(fit->blockLength),
                    double(fit->points),
                    double(static_cast<int>(fit->shape))};
    }
    return gas->fit.data();
}

const char *mv_readings_csv(MvGas *gas, int32_t dialect)
{
    gas->text = readingsCsv(gas->log.readings(), dialectOf(dialect));
    return gas->text.c_str();
}

const char *mv_process_csv(MvGas *gas, int32_t dialect)
{
    gas->text = processReadingsCsv(gas->path, dialectOf(dialect));
    return gas->text.c_str();
}

int32_t mv_text_length(const MvGas *gas)
{
    return static_cast<int32_t>(gas->text.size());
}

} // extern "C"
