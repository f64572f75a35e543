// "Procesos": how the piston behaves (fixed, moving, under load) and the heat
// bath, the energy ledger (W, Q, ΔU and the shares per axis) with "Poner a
// cero", the P–V diagram of the readings since then with its isotherm,
// adiabat and fitted exponent, and "Exportar CSV". Drawn only while shown,
// when a reading arrives or a setting changes, at most five times a second.
import './instruments.css';
import { Chart, roundRange, roundStep } from './charts.js';
import { download, exportControls, pngControls } from './download.js';
import { classed as element, hint, redrawer } from './dom.js';
import { readTyped, typedVerdict } from './typed.js';

const CONTEXT = 'ProcessWindow';
const REDRAW_MS = 200;

// The P–V diagram.
const MAX_PATH_POINTS = 400;
const CURVE_POINTS = 80;
const ARROWS = 3;

const PATH = 'rgb(0, 0, 128)';
const LATEST = 'rgb(192, 0, 0)';
const ISOTHERM = 'rgb(0, 128, 0)';
const ADIABAT = 'rgb(176, 96, 0)';

// Rounded half away from zero, as the desktop rounds the ledger's figures.
const roundAway = (x) => Math.sign(x) * Math.round(Math.abs(x));

// The decimals (2 to 4) at which W + Q adds up to ΔU as shown; 2 where none
// does: each figure is rounded on its own.
export function ledgerDecimals(work, heat, change) {
  for (let decimals = 2; decimals <= 4; ++decimals) {
    const scale = 10 ** decimals;
    if (roundAway(work * scale) + roundAway(heat * scale) === roundAway(change * scale)) return decimals;
  }
  return 2;
}

// What the window says of the exponent fitted to the path.
export function fitText(t, number, gas, path, fit) {
  if (!fit) {
    if (!path.length) {
      return t('γ: todavía no hay lecturas desde la puesta a cero (llega una cada %1 pasos de la animación).', gas.core.readingTicks);
    }
    return t('γ: se ajusta cuando el volumen ha cambiado un %1 % o más desde la primera lectura (ahora %2 %).',
      number(100 * gas.core.fitVolumeChange, 0), number(100 * gas.pvVolumeChange(), 1));
  }
  switch (fit.shape) {
    case 'jump':
      return t('γ: no se da; el volumen cambió casi todo en una o dos lecturas (un salto, como una expansión libre), y un salto no es un camino P·V^γ = const. Para seguir un proceso, el émbolo tiene que moverse a lo largo de muchas lecturas.');
    case 'not-power-law':
      return t('γ: no se da; el camino no es una ley P·V^γ = const (ln P frente a ln V se curva mucho más de lo que explica el ruido de las lecturas). Para un exponente, «Poner a cero» al empezar un proceso de un solo tipo.');
    case 'too-scattered':
      return t('γ: no se da; las lecturas se apartan demasiado de una ley P·V^γ = const (error de γ %1): o el camino no es una ley de potencias, o el volumen cambia poco para el ruido de las lecturas.',
        number(fit.error, 2));
    default:
      break;
  }
  // The error with one significant digit (two when it starts with a 1),
  // and the exponent to the same decimal.
  let decimals = 4;
  if (fit.error >= 0.5e-4) {
    const lead = Math.floor(Math.log10(fit.error));
    const one = fit.error / 10 ** lead < 2;
    decimals = Math.min(4, Math.max(2, -lead + (one ? 1 : 0)));
  }
  const how = fit.blockLength > 1
    ? t('error típico por bloques de %1 lecturas seguidas, que no son independientes', fit.blockLength)
    : t('error típico del ajuste');
  return t('P·V^γ = const, γ = %1 ± %2   (ajuste de ln P frente a ln V, %3 lecturas; %4; la adiabática de un gas monoatómico da 5/3)',
    number(fit.gamma, decimals), number(fit.error, decimals), fit.points, how);
}

let made = 0;

// A labelled control with its hint, in a column of the settings.
function field(column, control, help, message) {
  const id = `process-${++made}`;
  const label = element('label');
  label.htmlFor = id;
  control.id = id;
  const description = hint(`${id}-hint`, control);
  const cell = element('div', 'process-field');
  cell.append(label, control, description);
  // A number box's line on what it did with the text, read after the hint.
  if (message) {
    control.setAttribute('aria-describedby', `${description.id} ${message.id}`);
    cell.append(message);
  }
  column.append(cell);
  return { label, control, hint: description, help, cell };
}

function select(values) {
  const s = element('select');
  for (const value of values) {
    const option = element('option');
    option.value = value;
    s.append(option);
  }
  return s;
}

// A number box: taken on Enter or on leaving it (not at every digit), by
// the page's rules for typed numbers; the arrow keys step. Kept within its
// range (hi may follow another setting). `taken` hears of each value the
// user gives it.
function numberBox(app, initial, { lo, hi, decimals, step }, taken) {
  const input = element('input');
  input.type = 'text';
  input.inputMode = 'decimal';
  input.autocomplete = 'off';
  input.size = 9;
  const box = { input, lo, hi, decimals, step, value: initial };
  const verdict = typedVerdict(app, input, { decimals, range: () => ({ lo: box.lo, hi: box.hi }) });
  box.message = verdict.line;
  box.verdict = verdict;
  box.show = () => { input.value = app.number(box.value, decimals); };
  let read = null;
  const accept = (value) => {
    box.value = value;
    box.show();
    read = input.value;
    taken(box);
  };
  box.take = () => {
    const value = verdict.take();
    read = input.value;
    if (value !== null) accept(value);
  };
  input.addEventListener('change', () => { if (input.value !== read) box.take(); });
  input.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
      e.preventDefault();
      // A step from the value taken when the text cannot be.
      const typed = readTyped(input.value, { decimals });
      const from = typed.refused ? box.value : typed.value;
      const next = Number(Math.min(box.hi, Math.max(box.lo, from + (e.key === 'ArrowUp' ? step : -step))).toFixed(decimals));
      verdict.clear();
      accept(next);
    } else if (e.key === 'Enter') {
      box.take();
    }
  });
  return box;
}

// The settings' controls: the piston's in one column, the bath's in the
// other, each number box within the gas's limits.
function buildSettingControls(app, settings, taken) {
  const limits = app.core.limits;
  const grid = element('div', 'process-grid');
  const pistonColumn = element('div', 'process-column');
  const bathColumn = element('div', 'process-column');
  grid.append(pistonColumn, bathColumn);
  const box = (name, range) => Object.assign(numberBox(app, settings[name], range, taken), { name });
  const piston = field(pistonColumn, select(['fixed', 'moving', 'loaded']),
    'Fijo: en su posición; Móvil: va a donde diga la barra de la pared; Con carga: lo mueven los choques y la carga');
  const speed = box('speed', { lo: 0.01, hi: limits.speedMax, decimals: 2, step: 0.1 });
  const speedField = field(pistonColumn, speed.input, 'Longitudes por unidad de tiempo, con el émbolo móvil', speed.message);
  // The load a piston can carry grows with its mass.
  const load = box('load', { lo: 0, hi: app.core.loadLimit(settings.mass), decimals: 1, step: 100 });
  const loadField = field(pistonColumn, load.input, 'En las unidades de la lectura «Presión», con el émbolo con carga', load.message);
  const mass = box('mass', { lo: limits.massMin, hi: limits.massMax, decimals: 2, step: 10 });
  const massField = field(pistonColumn, mass.input, 'En masas de partícula, con el émbolo con carga', mass.message);
  const bath = field(bathColumn, select(['yes', 'no']),
    'SI hace térmicas las cinco paredes fijas: devuelven cada partícula con una velocidad de la temperatura del baño');
  const bathTemperature = box('bathTemperature', { lo: 0, hi: limits.bathTemperatureMax, decimals: 2, step: 0.1 });
  const bathField = field(bathColumn, bathTemperature.input, 'En las unidades de la lectura «Temperatura»', bathTemperature.message);
  // The names the page's settings (settings.js) know them by.
  [[piston.control, 'piston'], [speed.input, 'piston-speed'], [load.input, 'load'], [mass.input, 'piston-mass'],
    [bath.control, 'bath'], [bathTemperature.input, 'bath-temperature']]
    .forEach(([control, name]) => { control.dataset.setting = name; });
  const mixtureNote = element('p', 'note');
  mixtureNote.hidden = true;
  return {
    grid, mixtureNote, piston, bath, speed, load, mass, bathTemperature,
    boxes: [speed, load, mass, bathTemperature],
    labelled: [
      [piston, 'Émbolo'], [speedField, 'Velocidad del émbolo'], [loadField, 'Carga (presión exterior)'],
      [massField, 'Masa del émbolo'], [bath, 'Baño térmico'], [bathField, 'Temperatura del baño']],
  };
}

// The settings and what they do to the gas: a change is applied at once
// and told to the other parts; `changed` hears of it.
function buildSettings(app, t, changed) {
  const gas = app.gas;
  // What the gas was last given: the core keeps no copy the page can read.
  const settings = { ...app.core.processDefaults };
  app.process = { ...settings };
  // Until the user sets the bath's temperature, switching the bath on takes
  // the gas's own temperature, exactly (the box shows it to two decimals),
  // as the desktop and molvix-lab take it.
  let bathChosen = false;
  const taken = (box) => {
    if (box.name === 'bathTemperature') bathChosen = true;
    if (box.value !== settings[box.name]) apply();
  };
  const c = buildSettingControls(app, settings, taken);

  // While a mixture is on the piston stays fixed and the bath off (the
  // core took them back so when the mixture began): their physics takes
  // every particle to have unit mass.
  const enable = () => {
    const mixture = gas.mixture;
    if (mixture && (settings.piston !== 'fixed' || settings.bath)) {
      Object.assign(settings, { piston: 'fixed', bath: false });
      app.process = { ...settings };
      gas.processSettings = { ...gas.processSettings, piston: 'fixed', bath: false };
      c.piston.control.selectedIndex = 0;
      c.bath.control.selectedIndex = 1;
    }
    c.piston.control.disabled = mixture;
    c.bath.control.disabled = mixture;
    c.mixtureNote.hidden = !mixture;
    c.speed.input.disabled = mixture || settings.piston !== 'moving';
    c.load.input.disabled = mixture || settings.piston !== 'loaded';
    c.mass.input.disabled = mixture || settings.piston !== 'loaded';
    c.bathTemperature.input.disabled = mixture || !settings.bath;
  };
  app.on('change', (what) => { if (what === 'mixture') enable(); });
  // The page's start again: a new gas has the defaults; the controls too.
  app.on('reset', () => {
    Object.assign(settings, app.core.processDefaults);
    app.process = { ...settings };
    bathChosen = false;
    c.piston.control.selectedIndex = 0;
    c.bath.control.selectedIndex = 1;
    c.load.hi = app.core.limits.loadMax;
    for (const b of c.boxes) {
      b.value = settings[b.name];
      b.show();
    }
    enable();
  });

  const apply = () => {
    const mode = ['fixed', 'moving', 'loaded'][c.piston.control.selectedIndex];
    if (mode === 'moving' && settings.piston !== 'moving') {
      // It goes nowhere until the wall bar says where: a target left from
      // before would set it off on its own.
      settings.target = gas.piston;
    }
    // The load a piston can carry grows with its mass.
    c.load.hi = app.core.loadLimit(c.mass.value);
    if (c.load.value > c.load.hi) { c.load.value = c.load.hi; c.load.show(); }
    const bathOn = c.bath.control.selectedIndex === 0;
    if (bathOn && !settings.bath && !bathChosen) {
      c.bathTemperature.value = gas.defaultBathTemperature();
      c.bathTemperature.show();
    }
    const next = {
      ...settings, piston: mode, bath: bathOn,
      speed: c.speed.value, load: c.load.value, mass: c.mass.value, bathTemperature: c.bathTemperature.value };
    const different = Object.keys(next).some((k) => next[k] !== settings[k]);
    Object.assign(settings, next);
    app.process = { ...settings };
    enable();
    if (different) {
      gas.setProcess(settings);
      app.changed('process');
    }
    changed();
  };
  c.piston.control.addEventListener('change', apply);
  c.bath.control.addEventListener('change', apply);
  followWallBar(app, settings);

  const retext = () => {
    c.mixtureNote.textContent = t('Con una mezcla, el émbolo queda fijo y sin baño: su física supone que todas las partículas tienen la misma masa.');
    for (const [f, text] of c.labelled) {
      f.label.textContent = t(text);
      f.hint.textContent = t(f.help);
    }
    ['Fijo', 'Móvil', 'Con carga'].forEach((text, i) => { c.piston.control.options[i].textContent = t(text); });
    ['SI', 'NO'].forEach((text, i) => { c.bath.control.options[i].textContent = app.t('Controls', text); });
    for (const box of c.boxes) if (!box.verdict.refused) box.show();
  };
  c.piston.control.selectedIndex = 0;
  c.bath.control.selectedIndex = 1;
  return { settings, nodes: [c.grid, c.mixtureNote], retext, enable };
}

// The panel moves the wall through gas.setWall (with the moving piston,
// once its bar has settled, as the desktop's panel waits): that is where
// the moving piston goes, kept here so that a later change of the other
// settings sends it to the same place.
function followWallBar(app, settings) {
  const gas = app.gas;
  const setWall = gas.setWall.bind(gas);
  gas.setWall = (position) => {
    if (settings.piston === 'moving') {
      settings.target = Math.min(100, Math.max(0, Math.round(position)));
      app.process = { ...settings };
    }
    setWall(position);
  };
}

// The energy ledger: W, Q, ΔU, the shares per axis, and "Poner a cero".
function buildLedger(app, t, n, reset) {
  const gas = app.gas;
  const title = element('h3');
  const work = element('output', 'figure');
  const heat = element('output', 'figure');
  const change = element('output', 'figure');
  const shares = element('output', 'figure');
  const ledgerHint = hint('procesos-ledger-hint', work, heat, change);
  const sharesHint = hint('procesos-shares-hint', shares);
  for (const f of [work, heat, change, shares]) f.tabIndex = 0;
  const button = element('button');
  button.type = 'button';
  const resetHint = hint('procesos-reset-hint', button);
  button.addEventListener('click', () => {
    gas.resetLedger();
    reset();
  });
  const ledger = element('div', 'ledger');
  const resetRow = element('div', 'ledger-row');
  resetRow.append(shares, button);
  ledger.append(work, heat, change, resetRow, ledgerHint, sharesHint, resetHint);

  const retext = () => {
    title.textContent = t('Balance de energía desde la puesta a cero');
    ledgerHint.textContent = t('Balance de energía desde la puesta a cero, en unidades de «Energía»: ΔU = W + Q');
    sharesHint.textContent = t('Parte de la energía en el movimiento en x, y, z: con colisiones, un tercio cada una');
    button.textContent = t('Poner a cero');
    resetHint.textContent = t('El balance de energía y el diagrama P–V empiezan de nuevo desde ahora');
  };

  const redraw = () => {
    const l = gas.ledger();
    const decimals = ledgerDecimals(l.work, l.heat, l.energyChange);
    work.textContent = t('W (trabajo del émbolo sobre el gas) = %1', n(l.work, decimals));
    heat.textContent = t('Q (calor que entra en el gas) = %1', n(l.heat, decimals));
    let text = t('ΔU (cambio de la energía del gas) = %1', n(l.energyChange, decimals));
    const scale = 10 ** decimals;
    if (roundAway(l.work * scale) + roundAway(l.heat * scale) !== roundAway(l.energyChange * scale)) {
      text += t('   (W + Q = %1: las cifras están redondeadas por separado)', n(l.work + l.heat, decimals));
    }
    change.textContent = text;
    const s = gas.energyShares();
    shares.textContent = t('Energía en el movimiento en x: %1 %, en y: %2 %, en z: %3 %',
      n(100 * s[0], 1), n(100 * s[1], 1), n(100 * s[2], 1));
  };
  return { nodes: [title, ledger], retext, redraw };
}

// The path's points to draw, in whole boxes: at most MAX_PATH_POINTS,
// counted back from the latest so that it is always drawn; the first too,
// where the curves start. With the path's extent.
function pathPoints(path, box) {
  const stride = Math.ceil(path.length / MAX_PATH_POINTS);
  const points = [];
  let vLo = path[0].volume; let vHi = vLo; let pHi = path[0].pressure;
  path.forEach((p, k) => {
    vLo = Math.min(vLo, p.volume);
    vHi = Math.max(vHi, p.volume);
    pHi = Math.max(pHi, p.pressure);
    if (k === 0 || (path.length - 1 - k) % stride === 0) points.push([p.volume / box, p.pressure]);
  });
  return { points, vLo, vHi, pHi };
}

// The isotherm and the adiabat through the path's first point, over xLo..xHi boxes.
function curvesThrough(gas, xLo, xHi) {
  const box = gas.core.fullBoxVolume;
  const isotherm = [];
  const adiabat = [];
  for (let k = 0; k <= CURVE_POINTS; ++k) {
    const x = xLo + ((xHi - xLo) * k) / CURVE_POINTS;
    const pi = gas.pvThrough('isotherm', x * box);
    const pa = gas.pvThrough('adiabat', x * box);
    if (pi !== null) isotherm.push([x, pi]);
    if (pa !== null) adiabat.push([x, pa]);
  }
  return { isotherm, adiabat };
}

// The P–V diagram and the exponent fitted to it.
function buildDiagram(app, t, n) {
  const gas = app.gas;
  const pv = (key) => app.t('PvChartView', key);
  const title = element('h3');
  const chartHost = element('div', 'chart-host');
  const chart = new Chart(chartHost, { height: 230 });
  const fit = element('output', 'figure fit');
  fit.tabIndex = 0;
  const fitHint = hint('procesos-fit-hint', fit);

  const retext = () => {
    title.textContent = t('Diagrama P–V de las lecturas desde la puesta a cero');
    chart.setName(t('Diagrama P–V'));
    fitHint.textContent = t('Exponente ajustado a las lecturas: pendiente de ln P frente a ln V, con su error típico; un gas monoatómico sin intercambio de calor da 5/3');
    chart.number = n;
  };

  const redraw = () => {
    const path = gas.pvPath();
    fit.textContent = fitText(t, n, gas, path, gas.pvFit());
    const volumeLabel = pv('Volumen, en cajas enteras (V = 100 × 100 × pared, así que posición de la pared / 100)');
    if (!path.length) {
      chart.setDescription(pv('Todavía no hay lecturas desde la puesta a cero.'));
      chart.draw({ x: { lo: 0, hi: 1, step: 0.5, label: volumeLabel }, y: { lo: 0, hi: 1, step: 0.5, label: pv('Presión') }, series: [] });
      return;
    }
    const box = gas.core.fullBoxVolume;
    const { points, vLo, vHi, pHi } = pathPoints(path, box);
    const [xLo, xHi] = roundRange(vLo / box, vHi / box);
    const top = pHi > 0 ? roundRange(0, pHi * 1.1)[1] : 1;
    const { isotherm, adiabat } = curvesThrough(gas, xLo, xHi);
    const axisStep = (lo, hi) => { let s = roundStep(hi - lo); if ((hi - lo) / s > 6) s *= 2; return s; };
    chart.draw({
      x: { lo: xLo, hi: xHi, step: axisStep(xLo, xHi), label: volumeLabel },
      y: { lo: 0, hi: top, step: axisStep(0, top), label: pv('Presión') },
      series: [
        { points: isotherm, colour: ISOTHERM, width: 1.5, dash: [6, 4], label: pv('Isoterma') },
        { points: adiabat, colour: ADIABAT, width: 1.5, dash: [6, 4], label: pv('Adiabática P·V^(5/3)') },
        { points, colour: PATH, width: 1.5, label: pv('Camino'), arrows: arrowsAlong(points, xHi - xLo, top) },
        { points: [points[0]], colour: PATH, marker: '#fff', size: 4.5, label: pv('Primera') },
        { points: [points[points.length - 1]], colour: LATEST, marker: LATEST, size: 5, label: pv('Última') },
      ],
    });
    const g4 = (x) => Number(x.toPrecision(4)).toLocaleString(app.language === 'es' ? 'es-ES' : 'en-GB', { maximumSignificantDigits: 4, useGrouping: false });
    const last = points[points.length - 1];
    chart.setDescription(pv('%1 lecturas desde la puesta a cero. Volumen de %2 a %3 cajas, presión hasta %4. Primera: volumen %5, presión %6. Última: volumen %7, presión %8.')
      .replace(/%(\d)/g, (m, k) => String([path.length, g4(vLo / box), g4(vHi / box), g4(pHi),
        g4(points[0][0]), g4(points[0][1]), g4(last[0]), g4(last[1])][k - 1])));
  };
  return { nodes: [title, chartHost, fit, fitHint], retext, redraw, chart };
}

export function mountProcesses(root, app) {
  const gas = app.gas;
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const n = (x, d) => app.number(x, d);
  root.classList.add('instrument');
  const heading = element('h2');
  heading.id = 'procesos-title';
  root.setAttribute('aria-labelledby', heading.id);

  // Drawn only while shown, when a reading arrives or a setting changes.
  const marked = () => { redraw.mark(); draw(true); };
  const settings = buildSettings(app, t, marked);
  const ledger = buildLedger(app, t, n, marked);
  const diagram = buildDiagram(app, t, n);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda las lecturas desde la puesta a cero, con el émbolo, el trabajo, el calor y la energía por eje, en un archivo CSV' },
    save: (dialect) => download(t('proceso.csv'), gas.processCsv(dialect)),
  });
  const png = pngControls(app, () => [diagram.chart]);
  exporter.root.prepend(png.root);
  root.append(heading, ...settings.nodes, ...ledger.nodes, ...diagram.nodes, exporter.root);

  const retext = () => {
    heading.textContent = t('Procesos');
    for (const part of [settings, ledger, diagram, exporter, png]) part.retext();
  };
  const redraw = redrawer(root, app, REDRAW_MS, () => {
    ledger.redraw();
    diagram.redraw();
  });
  function draw(force) { redraw.draw(force); }
  app.on('readings', () => { redraw.mark(); });
  app.on('change', () => { redraw.mark(); });
  app.on('frame', () => { if (redraw.pending) draw(false); });
  app.on('running', (running) => { if (!running && redraw.pending) draw(true); });
  app.on('language', () => { retext(); draw(true); });
  app.on('open', (what) => { if (what === 'procesos') draw(true); });
  new MutationObserver(() => { if (!root.hidden) draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });

  retext();
  settings.enable();
  return { settings: settings.settings, draw };
}

// Arrowheads evenly along the path as it looks (lengths in fractions of each
// axis), none when it has not gone anywhere.
function arrowsAlong(points, sx, sy) {
  const along = [0];
  for (let i = 1; i < points.length; ++i) {
    along.push(along[i - 1] + Math.hypot((points[i][0] - points[i - 1][0]) / sx, (points[i][1] - points[i - 1][1]) / sy));
  }
  const length = along[along.length - 1];
  if (!(length > 0.02)) return [];
  const arrows = [];
  for (let a = 1; a <= ARROWS; ++a) {
    const target = (length * a) / (ARROWS + 1);
    let i = along.findIndex((x) => x > target);
    if (i < 1) i = along.length - 1;
    const f = (target - along[i - 1]) / (along[i] - along[i - 1]);
    const from = points[i - 1];
    const at = [from[0] + f * (points[i][0] - from[0]), from[1] + f * (points[i][1] - from[1])];
    arrows.push([from, at]);
  }
  return arrows;
}
