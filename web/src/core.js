// The gas core, compiled to WebAssembly, behind a small JavaScript object:
// the page and the tests load it the same way. The module exports the C
// interface of src/web/molvixcore.h; pointers it returns are offsets into its
// memory, read here through typed arrays made afresh after every call that
// may grow the memory.

// The module writes nothing to files; a stray message from the C++ runtime
// (an abort's text) is dropped rather than failing the load.
const ENOSYS = 52;
const wasiStubs = {
  fd_close: () => ENOSYS,
  fd_seek: () => ENOSYS,
  fd_write: () => ENOSYS,
};

export async function loadCore(bytes) {
  const { instance } = await WebAssembly.instantiate(bytes, {
    wasi_snapshot_preview1: wasiStubs,
  });
  const exports = instance.exports;
  exports._initialize();
  return new Core(exports);
}

class Core {
  constructor(exports) {
    this.x = exports;
    this.fields = [];
    for (let i = 0; i < exports.mv_reading_fields(); ++i) {
      this.fields.push(this.string(exports.mv_reading_field(i)));
    }
    // The gas's own numbers the windows print or keep their settings within.
    const [speedMax, massMin, massMax, loadMax, loadPerMassMax, bathTemperatureMax] =
      this.f64(exports.mv_process_limits(), 6);
    this.limits = { speedMax, massMin, massMax, loadMax, loadPerMassMax, bathTemperatureMax };
    const [target, speed, load, mass, bathTemperature] = this.f64(exports.mv_process_defaults(), 5);
    this.processDefaults = { piston: 'fixed', target, speed, load, mass, bath: false, bathTemperature };
    this.readingTicks = exports.mv_reading_ticks();
    this.speedSampleTicks = exports.mv_speed_sample_ticks();
    this.fullBoxVolume = exports.mv_full_box_volume();
    this.fitVolumeChange = exports.mv_fit_volume_change();
    this.tickTime = exports.mv_tick_time();
    const [maxCount, radiusMin, radiusMax, bMassMin, bMassMax, holeMin, holeMax, heavyMassMax,
      heavyRadiusMax, gravityMax] = this.f64(exports.mv_mixture_limits(), 10);
    this.mixtureLimits = { maxCount, radiusMin, radiusMax, bMassMin, bMassMax, holeMin, holeMax,
      heavyMassMax, heavyRadiusMax, gravityMax };
  }

  // Carnahan and Starling's Z of hard spheres at packing fraction eta.
  carnahanStarling(eta) { return this.x.mv_carnahan_starling(eta); }
  // The packing fraction at which Carnahan–Starling's Z is `z` (>= 1),
  // found on the core's own curve (rising on 0..1) by halving; null for
  // no such packing.
  packingOfZ(z) {
    if (!(z >= 1) || !Number.isFinite(z)) return null;
    let lo = 0;
    let hi = 0.999;
    if (this.carnahanStarling(hi) < z) return null;
    for (let k = 0; k < 60; ++k) {
      const mid = (lo + hi) / 2;
      if (this.carnahanStarling(mid) < z) lo = mid;
      else hi = mid;
    }
    return (lo + hi) / 2;
  }

  // The bins a histogram of `samples` speeds is drawn with.
  speedBins(samples) { return this.x.mv_speed_bins(samples); }
  // The largest load a piston of `mass` may carry.
  loadLimit(mass) { return this.x.mv_load_limit(mass); }

  f64(pointer, length) {
    return new Float64Array(this.x.memory.buffer, pointer, length);
  }

  f32(pointer, length) {
    return new Float32Array(this.x.memory.buffer, pointer, length);
  }

  string(pointer) {
    if (!pointer) return null;
    const bytes = new Uint8Array(this.x.memory.buffer, pointer);
    const end = bytes.indexOf(0);
    return new TextDecoder().decode(bytes.subarray(0, end));
  }

  createGas() {
    return new Gas(this, this.x.mv_create());
  }
}

const DIVIDERS = ['none', 'solid', 'hole'];
// mv_ideal_gas_ratio's states.
const RATIO_STATES = ['shown', 'no-readings', 'no-particles', 'no-volume', 'zero-temperature', 'waiting'];
// mv_figures' order.
const FIGURES = ['meanFreePath', 'meanFreePathTheory', 'collisionRate', 'collisionRateTheory',
  'chi', 'packing', 'effusionRatio', 'graham', 'diffusion', 'diffusionError', 'diffusionTheory',
  'heavyV2', 'heavyV2Theory', 'kT', 'paths', 'collisions', 'mixTime', 'fitFrom', 'fitTo',
  'heavySpeedKs', 'fitIntercept', 'followedSpecies', 'heavyS2', 'gravity', 'kineticEnergy',
  'potentialEnergy', 'totalEnergy', 'totalEnergyDrift', 'pressureFloor', 'pressureTop', 'pressureWalls',
  'weightPerArea', 'zWalls', 'zVirial', 'zTheory'];

// One gas, started as the program starts it.
export class Gas {
  constructor(core, handle) {
    this.core = core;
    this.x = core.x;
    this.h = handle;
    this.processSettings = { piston: 'fixed' };
  }

  destroy() {
    this.x.mv_destroy(this.h);
    this.h = 0;
  }

  // The gas as the program starts it, in this same object (every part of
  // the page holds it): Reset, and an experiment loaded, start from it as
  // molvix-lab's runs do.
  restart() {
    const old = this.h;
    this.h = this.x.mv_create();
    this.x.mv_destroy(old);
    this.processSettings = { piston: 'fixed' };
    this.refusedHalf = false;
  }

  // The user's actions.
  setCount(n) { this.x.mv_set_count(this.h, n); }
  setTemperature(t) { this.x.mv_set_temperature(this.h, t); }
  setWall(w) { this.x.mv_set_wall(this.h, w); }
  setCollisions(on) { this.x.mv_set_collisions(this.h, on ? 1 : 0); }
  setVectors(on) { this.x.mv_set_vectors(this.h, on ? 1 : 0); }
  // piston: "fixed", "moving" or "loaded".
  setProcess({ piston = 'fixed', target = 100, speed = 1, load = 0, mass = 100,
               bath = false, bathTemperature = 1 } = {}) {
    const mode = { fixed: 0, moving: 1, loaded: 2 }[piston];
    if (mode === undefined) throw new RangeError(`unknown piston ${piston}`);
    this.x.mv_set_process(this.h, mode, target, speed, load, mass, bath ? 1 : 0,
                          bathTemperature);
    // The core does not hand its settings back; the panel needs the piston's.
    this.processSettings = { piston, target, speed, load, mass, bath, bathTemperature };
  }
  defaultBathTemperature() { return this.x.mv_default_bath_temperature(this.h); }
  resetLedger() { this.x.mv_reset_ledger(this.h); }
  run(ticks) { this.x.mv_run(this.h, ticks); }
  get ticks() { return this.x.mv_ticks(this.h); }
  // Where the panel's bars stand: "count", "temperature" or "wall".
  bar(which) { return this.x.mv_bar(this.h, ['count', 'temperature', 'wall'].indexOf(which)); }

  // The particles: arrays indexed from 1, read at once.
  get count() { return this.x.mv_count(this.h); }
  positions(axis) { return this.core.f32(this.x.mv_positions(this.h, axis), this.count + 1); }
  velocities(axis) { return this.core.f32(this.x.mv_velocities(this.h, axis), this.count + 1); }
  get piston() { return this.x.mv_piston(this.h); }
  get collisions() { return this.x.mv_collisions(this.h) !== 0; }
  get vectorsShown() { return this.x.mv_vectors(this.h) !== 0; }

  readouts() {
    const [energy, temperature, pressure, wall, empty] =
      this.core.f64(this.x.mv_readouts(this.h), 5);
    return { energy, temperature, pressure, wall, empty: empty !== 0 };
  }
  // The desktop's text of a readout: "energy", "temperature", "pressure", "wall".
  readoutText(which) {
    const i = ['energy', 'temperature', 'pressure', 'wall'].indexOf(which);
    return this.core.string(this.x.mv_readout_text(this.h, i));
  }

  get readingCount() { return this.x.mv_reading_count(this.h); }
  // A reading as an object named by the core's own field names.
  reading(index) {
    const p = this.x.mv_reading(this.h, index);
    if (!p) return null;
    const values = this.core.f64(p, this.core.fields.length);
    return Object.fromEntries(this.core.fields.map((name, i) => [name, values[i]]));
  }
  readings() {
    const out = [];
    for (let i = 0; i < this.readingCount; ++i) out.push(this.reading(i));
    return out;
  }
  clearReadings() { this.x.mv_clear_readings(this.h); }
  // A change the readings do not carry (the piston, the bath): the next
  // reading starts a new stretch.
  markChange() { this.x.mv_mark_change(this.h); }
  // A field's { n, mean, spread } over the readings since the last change.
  sinceChange(field) {
    const p = this.x.mv_since_change(this.h, this.core.fields.indexOf(field));
    if (!p) throw new RangeError(`no statistics of ${field}`);
    const [n, mean, spread] = this.core.f64(p, 3);
    return { n, mean, spread };
  }
  // P·V / (N·T) over the same readings: { state, n, mean, spread }, state
  // "shown" when it has a figure, else why not.
  idealGasRatio() {
    const [state, n, mean, spread] = this.core.f64(this.x.mv_ideal_gas_ratio(this.h), 4);
    return { state: RATIO_STATES[state], n, mean, spread };
  }
  // A field's history chart: { points: [time, value][], marks, first,
  // lowest, highest }.
  history(field) {
    const p = this.x.mv_history(this.h, this.core.fields.indexOf(field));
    if (!p) throw new RangeError(`no history of ${field}`);
    const [first, lowest, highest, count, markCount] = this.core.f64(p, 5);
    const v = this.core.f64(p, 5 + 2 * count + markCount);
    const points = [];
    for (let i = 0; i < count; ++i) points.push([v[5 + 2 * i], v[6 + 2 * i]]);
    return { points, marks: Array.from(v.subarray(5 + 2 * count)), first, lowest, highest };
  }

  ledger() {
    const [work, heat, energyChange] = this.core.f64(this.x.mv_ledger(this.h), 3);
    return { work, heat, energyChange };
  }
  energyShares() { return Array.from(this.core.f64(this.x.mv_energy_shares(this.h), 3)); }

  speedHistogram(bins, maxSpeed) {
    const p = this.x.mv_speed_histogram(this.h, bins, maxSpeed);
    return p ? Array.from(this.core.f64(p, bins)) : null;
  }
  get speedSampleCount() { return this.x.mv_speed_sample_count(this.h); }
  speedS2() { return this.x.mv_speed_s2(this.h); }
  speedKs() {
    const ks = this.x.mv_speed_ks(this.h);
    return Number.isNaN(ks) ? null : ks;
  }
  maxwellBoltzmann(v, s2) { return this.x.mv_mb_density(v, s2); }

  // The path's largest |V − V0| / V0 so far.
  pvVolumeChange() { return this.x.mv_pv_volume_change(this.h); }
  // The pressure at `volume` on the isotherm or the monatomic adiabat
  // through the path's first point; null where none.
  pvThrough(curve, volume) {
    const p = this.x.mv_pv_through(this.h, curve === 'adiabat' ? 1 : 0, volume);
    return Number.isNaN(p) ? null : p;
  }
  pvPath() {
    const n = this.x.mv_pv_count(this.h);
    const values = this.core.f64(this.x.mv_pv_path(this.h), 2 * n);
    const out = [];
    for (let i = 0; i < n; ++i) out.push({ volume: values[2 * i], pressure: values[2 * i + 1] });
    return out;
  }
  // ---- mixtures ----------------------------------------------------------
  // settings: { aCount, aRadius, bCount, bMass, bRadius, divider ("none",
  // "solid" or "hole"), holeSide, heavyMass (0: none), heavyRadius,
  // gravity (0: none) }.
  // Returns false when the box would be packed too full (nothing changes).
  setMixture({ aCount = 50, aRadius = 1.5, bCount = 0, bMass = 1, bRadius = 1.5, divider = 'none',
               holeSide = 20, heavyMass = 0, heavyRadius = 5, gravity = 0 } = {}) {
    const d = DIVIDERS.indexOf(divider);
    if (d < 0) throw new RangeError(`unknown divider ${divider}`);
    const taken = this.x.mv_set_mixture(this.h, aCount, aRadius, bCount, bMass, bRadius, d, holeSide,
                                        heavyMass, heavyRadius, gravity);
    // Refused: the spheres would pack the box (0) or their half of it (2).
    this.refusedHalf = taken === 2;
    return taken === 1;
  }
  get mixture() { return this.x.mv_mixture(this.h) !== 0; }
  mixtureSettings() {
    const v = this.core.f64(this.x.mv_mixture_settings(this.h), 10);
    return { aCount: v[0], aRadius: v[1], bCount: v[2], bMass: v[3], bRadius: v[4],
             divider: DIVIDERS[v[5]], holeSide: v[6], heavyMass: v[7], heavyRadius: v[8], gravity: v[9] };
  }
  endMixture(count) { this.x.mv_end_mixture(this.h, count); }
  removeDivider() { this.x.mv_remove_divider(this.h); }
  get dividerUp() { return this.x.mv_divider_up(this.h) !== 0; }
  radii() { return this.core.f32(this.x.mv_radii(this.h), this.count + 1); }
  species() {
    return new Int32Array(this.x.memory.buffer, this.x.mv_species(this.h), this.count + 1);
  }
  sideCounts() {
    const [aLeft, aRight, bLeft, bRight] =
      new Int32Array(this.x.memory.buffer, this.x.mv_side_counts(this.h), 4);
    return { aLeft, aRight, bLeft, bRight };
  }
  effusion() {
    const [rateA, rateB, ratio, graham, crossingsA, crossingsB] =
      this.core.f64(this.x.mv_effusion(this.h), 6);
    return { rateA, rateB, ratio, graham, crossingsA, crossingsB };
  }
  // The counts per side and the effusion rates in time, as objects; with
  // `most`, at most that many, evenly spaced and ending with the last, so
  // that a chart's work stays the same however long the gas has run.
  sideSamples(most = Infinity) {
    const n = this.x.mv_side_sample_count(this.h);
    if (!n) return [];
    const v = this.core.f64(this.x.mv_side_samples(this.h), 7 * n);
    const stride = n <= most ? 1 : Math.ceil(n / most);
    const out = [];
    for (let i = (n - 1) % stride; i < n; i += stride) {
      const s = v.subarray(7 * i, 7 * i + 7);
      out.push({ t: s[0], aLeft: s[1], aRight: s[2], bLeft: s[3], bRight: s[4], rateA: s[5], rateB: s[6] });
    }
    return out;
  }
  sideSamplesCsv(dialect = 'plain') {
    return this.text(this.x.mv_side_samples_csv(this.h, dialect === 'spreadsheet' ? 1 : 0));
  }
  get traced() { return this.x.mv_traced(this.h); }
  setTraced(i) { this.x.mv_set_traced(this.h, i); }
  // The measured figures and theory's; null where one does not apply.
  figures() {
    const v = this.core.f64(this.x.mv_figures(this.h), this.x.mv_figure_count());
    return Object.fromEntries(FIGURES.map((name, i) => [name, Number.isNaN(v[i]) ? null : v[i]]));
  }
  // The free paths as a density per bin of `width` (the last, open bin
  // left out), and the exponential of the measured mean free path at each
  // bin's centre; null before any path.
  pathChart() {
    const p = this.x.mv_path_chart(this.h);
    if (!p) return null;
    const bins = this.x.mv_path_bins() - 1;
    const v = this.core.f64(p, 2 * bins);
    return { width: this.x.mv_path_bin_width(), density: Array.from(v.subarray(0, bins)),
      theory: Array.from(v.subarray(bins)) };
  }
  // The heavy particle's speeds: how many, the fastest, and their density
  // over `bins` equal bins of 0..maxSpeed (null without samples).
  get heavySpeedCount() { return this.x.mv_heavy_speed_count(this.h); }
  heavySpeedMax() { return this.x.mv_heavy_speed_max(this.h); }
  heavySpeedHistogram(bins, maxSpeed) {
    const p = this.x.mv_heavy_speed_histogram(this.h, bins, maxSpeed);
    return p ? Array.from(this.core.f64(p, bins)) : null;
  }
  resetMixtureMeasures() { this.x.mv_reset_mixture_measures(this.h); }
  // The layers along the height, bottom up for each species present:
  // [{ height, species (0 A, 1 B, 2 the heavy one), density,
  // densityTheory, temperature (null in an empty layer) }].
  profileRows() {
    const n = this.x.mv_profile_count(this.h);
    if (!n) return [];
    const v = this.core.f64(this.x.mv_profile(this.h), 5 * n);
    const out = [];
    for (let i = 0; i < n; ++i) {
      const [height, species, density, densityTheory, temperature] = v.subarray(5 * i, 5 * i + 5);
      out.push({ height, species, density, densityTheory,
        temperature: Number.isNaN(temperature) ? null : temperature });
    }
    return out;
  }
  // The mean-square displacement: [lag, msd] pairs.
  msd() {
    const n = this.x.mv_msd_count(this.h);
    const v = this.core.f64(this.x.mv_msd(this.h), 2 * n);
    const out = [];
    for (let i = 0; i < n; ++i) out.push([v[2 * i], v[2 * i + 1]]);
    return out;
  }

  // The CSV files, as the desktop writes them: dialect "plain" or "spreadsheet".
  readingsCsv(dialect = 'plain') {
    return this.text(this.x.mv_readings_csv(this.h, dialect === 'spreadsheet' ? 1 : 0));
  }
  processCsv(dialect = 'plain') {
    return this.text(this.x.mv_process_csv(this.h, dialect === 'spreadsheet' ? 1 : 0));
  }
  text(pointer) {
    const bytes = new Uint8Array(this.x.memory.buffer, pointer, this.x.mv_text_length(this.h));
    return new TextDecoder().decode(bytes);
  }

  pvFit() {
    const [has, gamma, error, blockLength, points, shape] =
      this.core.f64(this.x.mv_pv_fit(this.h), 6);
    if (!has) return null;
    const shapes = ['power-law', 'jump', 'not-power-law', 'too-scattered'];
    return { gamma, error, blockLength, points, shape: shapes[shape] };
  }
}
