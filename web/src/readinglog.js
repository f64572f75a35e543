// The history of readings as "Gráficas" keeps it, the desktop's own rules:
// a change of the count, the wall, the temperature setting or collisions
// between two readings starts a new stretch, and so does one the readings do
// not carry (markChange: the piston, the bath). Changes in consecutive
// readings (a bar held down) are one burst: one mark at its start, the
// stretch from its end. The first reading of a stretch mixes the old
// settings with the new, so stretch statistics leave it out.

const FLOAT_EPSILON = 2 ** -23;

// Mean and spread (sample standard deviation); equal values have their own
// value as the mean and no spread, free of the rounding of a sum.
export function statsOf(values) {
  const n = values.length;
  if (n === 0) return { n, mean: 0, spread: 0 };
  if (values.every((v) => v === values[0])) return { n, mean: values[0], spread: 0 };
  let sum = 0;
  for (const v of values) sum += v;
  const mean = sum / n;
  let sq = 0;
  for (const v of values) sq += (v - mean) * (v - mean);
  return { n, mean, spread: Math.sqrt(sq / (n - 1)) };
}

// A temperature within a float's precision of the hottest the gas has had is
// what rounding leaves of a gas at rest: 0 to the gas's precision.
export function zeroTemperature(temperature, scale) {
  return !(temperature > FLOAT_EPSILON * Math.max(scale, 0));
}

// P V / (N T), scaled so that an ideal gas reads 1; null where it means
// nothing (no particles, no volume, no temperature).
export function idealGasRatio(r, temperatureScale = 0) {
  if (r.count <= 0 || r.wall <= 0 || zeroTemperature(r.temperature, temperatureScale)) return null;
  return (r.pressure * r.wall) / (2000 * r.count * r.temperature);
}

function sameSettings(a, b) {
  return a.count === b.count && a.wall === b.wall
    && a.temperature_setting === b.temperature_setting && a.collisions === b.collisions;
}

export class ReadingLog {
  constructor() {
    this.readings = [];
    this.changes = [];
    this.lastChange = 0;
    this.changePending = false;
    this.temperatureScale = 0; // kept by clear(): the gas is the same
  }

  markChange() { this.changePending = true; }

  append(r) {
    const n = this.readings.length;
    if (n > 0 && (this.changePending || !sameSettings(this.readings[n - 1], r))) {
      if (this.changes.length === 0 || n - this.lastChange > 1) this.changes.push(n);
      this.lastChange = n;
    }
    this.changePending = false;
    this.temperatureScale = Math.max(this.temperatureScale, r.temperature);
    this.readings.push(r);
  }

  clear() {
    this.readings = [];
    this.changes = [];
    this.lastChange = 0;
    this.changePending = false;
  }

  get empty() { return this.readings.length === 0; }

  stretchFirst() { return this.changes.length === 0 ? 0 : this.lastChange + 1; }

  sinceChange(field) {
    return statsOf(this.readings.slice(this.stretchFirst()).map((r) => r[field]));
  }

  zeroTemperature(t) { return zeroTemperature(t, this.temperatureScale); }

  idealGasRatioSinceChange() {
    const ratios = [];
    for (const r of this.readings.slice(this.stretchFirst())) {
      const ratio = idealGasRatio(r, this.temperatureScale);
      if (ratio !== null) ratios.push(ratio);
    }
    return statsOf(ratios);
  }
}
