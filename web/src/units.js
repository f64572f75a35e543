// The gas in SI units, for the "Unidades del SI" choice. The model has no
// units of its own (lengths in box units of a 0..100 box, unit mass, the
// readouts' own scales); a scale makes it a real gas:
//   - each sphere is an argon atom: its mass 39.948 u, its diameter (3 box
//     units) argon's kinetic diameter, 0.340 nm;
//   - one unit of the "Temperatura" readout is 150 K, so that the page's
//     start (1.99) is a room at 299 K.
// The rest follows from the readouts' definitions: k_B T is 100 × the
// readout in the model's energy unit (mass × speed unit²), the pressure
// reading is 200 000 × the mechanical pressure, the energy reading 0.02 × the
// kinetic energy. The handbook's "SI units" page works these through.
const BOLTZMANN = 1.380649e-23; // J/K
const DALTON = 1.66053906660e-27; // kg
export const ATOM_MASS = 39.948 * DALTON;
export const LENGTH_UNIT = 0.340e-9 / 3; // m: the box's side is 100 of these
export const KELVIN_PER_UNIT = 150;
// m·u², where u is the model's speed unit (J).
export const ENERGY_UNIT = (BOLTZMANN * KELVIN_PER_UNIT) / 100;
export const SPEED_UNIT = Math.sqrt(ENERGY_UNIT / ATOM_MASS); // m/s
// "Presión" is momentum per 10 000 squared lengths over 200 ticks of 0.1.
const PRESSURE_READING = 10000 * 20;
// "Energía" is 0.01 × Σ v² = 0.02 × the kinetic energy.
const ENERGY_READING = 0.02;

export const toSI = {
  kelvin: (temperature) => temperature * KELVIN_PER_UNIT,
  kilopascal: (pressure) => ((pressure / PRESSURE_READING) * ENERGY_UNIT) / LENGTH_UNIT ** 3 / 1000,
  joule: (energy) => (energy / ENERGY_READING) * ENERGY_UNIT,
  nanometre: (length) => length * LENGTH_UNIT * 1e9,
  metrePerSecond: (speed) => speed * SPEED_UNIT,
};

// The SI texts of the panel's readouts (model units in), in the page's
// decimal sign and three significant digits, as the readouts have them:
// "299 K", "142 kPa", "309 zJ" (zeptojoules, 10⁻²¹ J), "11,3 nm".
export function siTexts(app, { temperature, pressure, energy, wall }) {
  const three = (x) => app.number(x, Math.abs(x) >= 99.95 ? 0 : Math.abs(x) >= 9.995 ? 1 : 2);
  return {
    temperature: `${app.number(toSI.kelvin(temperature), 0)} K`,
    pressure: `${three(toSI.kilopascal(pressure))} kPa`,
    energy: `${three(toSI.joule(energy) * 1e21)} zJ`,
    wall: `${app.number(toSI.nanometre(wall), 1)} nm`,
  };
}
