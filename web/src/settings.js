// The page's settings as a small vocabulary shared with molvix-lab's
// options (particles=100, collisions=on, piston=moving …): read from the
// page's controls, and applied to it through the same controls a user
// moves, so that the gas, the panel and the windows agree. The handbook's
// "Cargar este experimento" and the page's address speak it.

// Each name: how its text is read (null: refused) and the program's start,
// which a set of settings leaves out.
const integer = (lo, hi) => (text) => (/^\s*[-+]?\d+\s*$/.test(text) ? clamp(Number(text), lo, hi) : null);
const real = (lo, hi) => (text) => {
  const clean = String(text).trim().replace(',', '.');
  return /^[-+]?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?$/i.test(clean) ? clamp(Number(clean), lo, hi) : null;
};
const word = (...words) => (text) => (words.includes(String(text).trim()) ? String(text).trim() : null);
const clamp = (v, lo, hi) => Math.min(hi, Math.max(lo, v));

export const VOCABULARY = {
  particles: { read: integer(0, 500), start: '50' },
  temperature: { read: integer(0, 100), start: '20' },
  wall: { read: integer(0, 100), start: '100' },
  collisions: { read: word('on', 'off'), start: 'off' },
  piston: { read: word('fixed', 'moving', 'loaded'), start: 'fixed' },
  'piston-speed': { read: real(0, 1000) },
  load: { read: real(0, 1e7) },
  'piston-mass': { read: real(1, 1e6) },
  bath: { read: word('on', 'off'), start: 'off' },
  'bath-temperature': { read: real(0, 100) },
  radius: { read: real(0.1, 10), mixture: true },
  'b-particles': { read: integer(0, 500), mixture: true },
  'b-mass': { read: real(1, 100), mixture: true },
  'b-radius': { read: real(0.1, 10), mixture: true },
  divider: { read: word('none', 'solid', 'hole'), mixture: true },
  hole: { read: real(1, 100), mixture: true },
  'heavy-mass': { read: real(1, 1000), mixture: true },
  'heavy-radius': { read: real(0.1, 10), mixture: true },
  gravity: { read: real(0, 1000), mixture: true },
};
// molvix-lab's mixture when an option leaves a value out.
const MIXTURE_START = { radius: 1.5, 'b-particles': 0, 'b-mass': 1, 'b-radius': 1.5, divider: 'none',
  hole: 20, 'heavy-mass': 0, 'heavy-radius': 5, gravity: 0 };

// Name → text pairs (an address's, a command's) as settings: { taken:
// Map name → value, refused: [names] } (unknown names are no settings and
// are left alone).
export function parseSettings(pairs) {
  const taken = new Map();
  const refused = [];
  for (const [name, text] of pairs) {
    const entry = VOCABULARY[name];
    if (!entry) continue;
    const value = entry.read(text);
    if (value === null) refused.push(name);
    else taken.set(name, value);
  }
  return { taken, refused };
}

// The settings of a molvix-lab command line, each swept one at its first
// value ("0.1,1,10" → 0.1; "0.1:0.4:0.1" → 0.1); the run's length, its
// files and where a moving piston later goes are not settings of the page.
export function commandSettings(command) {
  const words = command.replace(/\\\n/g, ' ').trim().split(/\s+/);
  const pairs = [];
  for (let i = 0; i < words.length; ++i) {
    if (!words[i].startsWith('--')) continue;
    const value = words[i + 1] ?? '';
    pairs.push([words[i].slice(2), value.split(',')[0].split(':')[0]]);
  }
  return parseSettings(pairs);
}

// The page's settings now, as name → text, those at the program's start
// left out (a gas never touched has none).
export function readSettings(app) {
  const gas = app.gas;
  const out = {};
  const put = (name, value) => {
    const text = String(value);
    if (text !== VOCABULARY[name].start) out[name] = text;
  };
  const bar = (id) => document.getElementById(id)?.value;
  const m = gas.mixture ? gas.mixtureSettings() : null;
  put('particles', m ? m.aCount : bar('num-particulas') ?? gas.bar('count'));
  put('temperature', bar('temperatura') ?? gas.bar('temperature'));
  put('wall', bar('posicion-pared') ?? gas.bar('wall'));
  put('collisions', gas.collisions ? 'on' : 'off');
  const p = app.process ?? gas.processSettings;
  put('piston', p.piston);
  if (p.piston === 'moving') out['piston-speed'] = String(p.speed);
  if (p.piston === 'loaded') {
    out.load = String(p.load);
    out['piston-mass'] = String(p.mass);
  }
  put('bath', p.bath ? 'on' : 'off');
  // A bath temperature taken from the gas (a long fraction) is the gas's
  // own again when reopened; one typed (two decimals) is kept.
  if (p.bath && Number(p.bathTemperature.toFixed(2)) === p.bathTemperature) {
    out['bath-temperature'] = String(p.bathTemperature);
  }
  if (m) {
    const given = { radius: m.aRadius, 'b-particles': m.bCount, 'b-mass': m.bMass, 'b-radius': m.bRadius,
      divider: m.divider, hole: m.holeSide, 'heavy-mass': m.heavyMass, 'heavy-radius': m.heavyRadius,
      gravity: m.gravity };
    if (m.divider !== 'hole') delete given.hole;
    if (!(m.heavyMass > 0)) { delete given['heavy-mass']; delete given['heavy-radius']; }
    for (const [name, value] of Object.entries(given)) {
      // Always one, so that the set says it is a mixture.
      if (name === 'radius' || value !== MIXTURE_START[name]) {
        out[name] = typeof value === 'number' ? String(Number(value.toFixed(4))) : value;
      }
    }
  }
  return out;
}

// A control given a value as a user gives it: the event its own listeners
// take a change by.
function give(control, value, event) {
  if (!control || control.value === String(value)) return false;
  control.value = String(value);
  control.dispatchEvent(new Event(event, { bubbles: true }));
  return true;
}

// Applies a set of settings (parseSettings' taken) from the page's start,
// in molvix-lab's order (the bars, the mixture, the collisions, then the
// piston and the bath), so that running then gives molvix-lab's readings.
// Returns false when the mixture would pack the box (the gas is then the
// classic one with the rest of the settings).
export function applySettings(app, settings) {
  const s = settings instanceof Map ? settings : new Map(Object.entries(settings));
  const gas = app.gas;
  // The page as it starts (the gas and every part's controls), then the set.
  app.reset();
  const panelBar = (id, name, most) => {
    if (s.has(name)) give(document.getElementById(id), Math.min(most, s.get(name)), 'input');
  };
  panelBar('num-particulas', 'particles', 100);
  panelBar('temperatura', 'temperature', 100);
  panelBar('posicion-pared', 'wall', 100);

  let taken = true;
  const mixture = Object.keys(VOCABULARY).some((name) => VOCABULARY[name].mixture && s.has(name));
  if (mixture) {
    const root = document.getElementById('difusion');
    const control = (name) => root.querySelector(`[data-setting="${name}"]`);
    const value = (name) => (s.has(name) ? s.get(name) : MIXTURE_START[name]);
    give(control('particles'), s.has('particles') ? s.get('particles') : 50, 'change');
    for (const name of Object.keys(MIXTURE_START)) {
      give(control(name), value(name), 'change');
    }
    root.querySelector('[data-action="apply"]').click();
    taken = gas.mixture;
  }
  const collisions = s.has('collisions') ? s.get('collisions') === 'on' : false;
  give(document.getElementById('colisiones'), collisions ? 'SI' : 'NO', 'change');

  if (!gas.mixture) {
    const root = document.getElementById('procesos');
    const control = (name) => root.querySelector(`[data-setting="${name}"]`);
    for (const name of ['piston-speed', 'piston-mass', 'load', 'bath-temperature']) {
      if (s.has(name)) give(control(name), s.get(name), 'change');
    }
    if (s.has('piston')) give(control('piston'), s.get('piston'), 'change');
    if (s.has('bath')) give(control('bath'), s.get('bath') === 'on' ? 'yes' : 'no', 'change');
  }
  // The energy balance and the P–V path count from the experiment's start,
  // as molvix-lab's do from its measurement's.
  gas.resetLedger();
  app.changed('settings');
  return taken;
}
