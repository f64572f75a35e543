// "Procesos": how the piston behaves (fixed, moving, under load) and the heat
// bath, the energy ledger (W, Q, ΔU and the shares per axis) with "Poner a
// cero", the P–V diagram of the readings since then with its isotherm,
// adiabat and fitted exponent, and "Exportar CSV". Drawn only while shown,
// when a reading arrives or a setting changes, at most five times a second.
import './instruments.css';
import { Chart, roundRange, roundStep } from './charts.js';
import { download, exportControls } from './download.js';
import { classed as element, hint, redrawer } from './dom.js';

const CONTEXT = 'ProcessWindow';
const READING_EVERY = 200;
const REDRAW_MS = 200;

// The gas's limits for the settings.
const PISTON_SPEED_MAX = 1000;
const PISTON_MASS_MIN = 1;
const PISTON_MASS_MAX = 1e6;
const LOAD_MAX = 1e7;
const LOAD_PER_MASS_MAX = 500;
const BATH_TEMPERATURE_MAX = 100;

// The P–V diagram.
const FULL_BOX_VOLUME = 1e6;
const MONATOMIC_GAMMA = 5 / 3;
const FIT_VOLUME_CHANGE = 0.1;
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

// The largest |V − V0| / V0 along the path.
export function relativeVolumeChange(path) {
  if (!path.length || !(path[0].volume > 0)) return 0;
  const v0 = path[0].volume;
  return Math.max(0, ...path.map((p) => Math.abs(p.volume - v0) / v0));
}

// What the window says of the exponent fitted to the path.
export function fitText(t, number, path, fit) {
  if (!fit) {
    if (!path.length) {
      return t('γ: todavía no hay lecturas desde la puesta a cero (llega una cada %1 pasos de la animación).', READING_EVERY);
    }
    return t('γ: se ajusta cuando el volumen ha cambiado un %1 % o más desde la primera lectura (ahora %2 %).',
      number(100 * FIT_VOLUME_CHANGE, 0), number(100 * relativeVolumeChange(path), 1));
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

// A number as typed, with either decimal sign (a class types what it reads);
// null when it is none.
export function typedNumber(text) {
  const clean = String(text).trim().replace(',', '.');
  if (!/^[-+]?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?$/i.test(clean)) return null;
  return Number(clean);
}

let made = 0;

export function mountProcesses(root, app) {
  const gas = app.gas;
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const n = (x, d) => app.number(x, d);
  // What the gas was last given: the core keeps no copy the page can read.
  const settings = { piston: 'fixed', target: 100, speed: 1, load: 0, mass: 100, bath: false, bathTemperature: 1 };
  app.process = { ...settings };

  root.classList.add('instrument');
  const heading = element('h2');
  heading.id = 'procesos-title';
  root.setAttribute('aria-labelledby', heading.id);

  // ---- the settings ------------------------------------------------------
  // The piston's settings in one column, the bath's in the other.
  const grid = element('div', 'process-grid');
  const pistonColumn = element('div', 'process-column');
  const bathColumn = element('div', 'process-column');
  grid.append(pistonColumn, bathColumn);
  const field = (control, { help, column = pistonColumn }) => {
    const id = `process-${++made}`;
    const label = element('label');
    label.htmlFor = id;
    control.id = id;
    const description = hint(`${id}-hint`, control);
    const cell = element('div', 'process-field');
    cell.append(label, control, description);
    column.append(cell);
    return { label, control, hint: description, help, cell };
  };
  const select = (values) => {
    const s = element('select');
    for (const value of values) {
      const option = element('option');
      option.value = value;
      s.append(option);
    }
    return s;
  };
  // A number box: either decimal sign typed, taken on Enter or on leaving
  // it (not at every digit), the arrow keys step; kept within its range.
  // Until the user sets the bath's temperature, switching the bath on takes
  // the gas's own temperature, exactly (the box shows it to two decimals),
  // as the desktop and molvix-lab take it.
  let bathChosen = false;
  const numberBox = (name, lo, hi, decimals, step) => {
    const input = element('input');
    input.type = 'text';
    input.inputMode = 'decimal';
    input.autocomplete = 'off';
    input.size = 9;
    const box = { input, lo, hi, decimals, step, value: settings[name], name };
    box.show = () => { input.value = n(box.value, decimals); };
    box.take = (value) => {
      if (value === null || !Number.isFinite(value)) { box.show(); return; }
      const clamped = Math.min(box.hi, Math.max(box.lo, value));
      box.value = Number(clamped.toFixed(decimals));
      box.show();
      if (name === 'bathTemperature') bathChosen = true;
      if (box.value !== settings[name]) apply();
    };
    input.addEventListener('change', () => box.take(typedNumber(input.value)));
    input.addEventListener('keydown', (e) => {
      if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
        e.preventDefault();
        box.take((typedNumber(input.value) ?? box.value) + (e.key === 'ArrowUp' ? step : -step));
      } else if (e.key === 'Enter') {
        box.take(typedNumber(input.value));
      }
    });
    return box;
  };

  const piston = field(select(['fixed', 'moving', 'loaded']), {
    help: 'Fijo: en su posición; Móvil: va a donde diga la barra de la pared; Con carga: lo mueven los choques y la carga' });
  const speed = numberBox('speed', 0.01, PISTON_SPEED_MAX, 2, 0.1);
  const speedField = field(speed.input, { help: 'Longitudes por unidad de tiempo, con el émbolo móvil' });
  const load = numberBox('load', 0, LOAD_MAX, 1, 100);
  const loadField = field(load.input, { help: 'En las unidades de la lectura «Presión», con el émbolo con carga' });
  const mass = numberBox('mass', PISTON_MASS_MIN, PISTON_MASS_MAX, 2, 10);
  const massField = field(mass.input, { help: 'En masas de partícula, con el émbolo con carga' });
  const bath = field(select(['yes', 'no']), {
    column: bathColumn,
    help: 'SI hace térmicas las cinco paredes fijas: devuelven cada partícula con una velocidad de la temperatura del baño' });
  const bathTemperature = numberBox('bathTemperature', 0, BATH_TEMPERATURE_MAX, 2, 0.1);
  const bathField = field(bathTemperature.input, { column: bathColumn, help: 'En las unidades de la lectura «Temperatura»' });
  const boxes = [speed, load, mass, bathTemperature];
  const labelled = [
    [piston, 'Émbolo'], [speedField, 'Velocidad del émbolo'], [loadField, 'Carga (presión exterior)'],
    [massField, 'Masa del émbolo'], [bath, 'Baño térmico'], [bathField, 'Temperatura del baño']];

  // The load a piston can carry grows with its mass.
  const limitLoad = () => { load.hi = Math.min(LOAD_MAX, LOAD_PER_MASS_MAX * mass.value); };

  // While a mixture is on the piston stays fixed and the bath off (the
  // core took them back so when the mixture began): their physics takes
  // every particle to have unit mass.
  const mixtureNote = element('p', 'note');
  mixtureNote.hidden = true;
  const enable = () => {
    const mode = settings.piston;
    const mixture = gas.mixture;
    if (mixture && (mode !== 'fixed' || settings.bath)) {
      Object.assign(settings, { piston: 'fixed', bath: false });
      app.process = { ...settings };
      gas.processSettings = { ...gas.processSettings, piston: 'fixed', bath: false };
      piston.control.selectedIndex = 0;
      bath.control.selectedIndex = 1;
    }
    piston.control.disabled = mixture;
    bath.control.disabled = mixture;
    mixtureNote.hidden = !mixture;
    speed.input.disabled = mixture || settings.piston !== 'moving';
    load.input.disabled = mixture || settings.piston !== 'loaded';
    mass.input.disabled = mixture || settings.piston !== 'loaded';
    bathTemperature.input.disabled = mixture || !settings.bath;
  };
  app.on('change', (what) => { if (what === 'mixture') enable(); });

  const apply = () => {
    const mode = ['fixed', 'moving', 'loaded'][piston.control.selectedIndex];
    if (mode === 'moving' && settings.piston !== 'moving') {
      // It goes nowhere until the wall bar says where: a target left from
      // before would set it off on its own.
      settings.target = gas.piston;
    }
    limitLoad();
    if (load.value > load.hi) { load.value = load.hi; load.show(); }
    const bathOn = bath.control.selectedIndex === 0;
    if (bathOn && !settings.bath && !bathChosen) {
      bathTemperature.value = gas.defaultBathTemperature();
      bathTemperature.show();
    }
    const next = {
      ...settings, piston: mode, bath: bathOn,
      speed: speed.value, load: load.value, mass: mass.value, bathTemperature: bathTemperature.value };
    const changed = Object.keys(next).some((k) => next[k] !== settings[k]);
    Object.assign(settings, next);
    app.process = { ...settings };
    enable();
    if (changed) {
      gas.setProcess(settings);
      app.changed('process');
    }
    redraw.mark();
    draw(true);
  };
  piston.control.addEventListener('change', apply);
  bath.control.addEventListener('change', apply);

  // ---- the wall bar and the moving piston --------------------------------
  // The panel moves the wall through gas.setWall (with the moving piston,
  // once its bar has settled, as the desktop's panel waits): that is where
  // the moving piston goes, kept here so that a later change of the other
  // settings sends it to the same place.
  const setWall = gas.setWall.bind(gas);
  gas.setWall = (position) => {
    if (settings.piston === 'moving') {
      settings.target = Math.min(100, Math.max(0, Math.round(position)));
      app.process = { ...settings };
    }
    setWall(position);
  };

  // ---- the ledger --------------------------------------------------------
  const ledgerTitle = element('h3');
  const work = element('output', 'figure');
  const heat = element('output', 'figure');
  const change = element('output', 'figure');
  const shares = element('output', 'figure');
  const ledgerHint = hint('procesos-ledger-hint', work, heat, change);
  const sharesHint = hint('procesos-shares-hint', shares);
  for (const f of [work, heat, change, shares]) f.tabIndex = 0;
  const reset = element('button');
  reset.type = 'button';
  const resetHint = hint('procesos-reset-hint', reset);
  reset.addEventListener('click', () => {
    gas.resetLedger();
    redraw.mark();
    draw(true);
  });
  const ledger = element('div', 'ledger');
  const resetRow = element('div', 'ledger-row');
  resetRow.append(shares, reset);
  ledger.append(work, heat, change, resetRow, ledgerHint, sharesHint, resetHint);

  // ---- the diagram -------------------------------------------------------
  const diagramTitle = element('h3');
  const chartHost = element('div', 'chart-host');
  const chart = new Chart(chartHost, { height: 230 });
  const fit = element('output', 'figure fit');
  fit.tabIndex = 0;
  const fitHint = hint('procesos-fit-hint', fit);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda las lecturas desde la puesta a cero, con el émbolo, el trabajo, el calor y la energía por eje, en un archivo CSV' },
    save: (dialect) => download(t('proceso.csv'), gas.processCsv(dialect)),
  });
  root.append(heading, grid, mixtureNote, ledgerTitle, ledger, diagramTitle, chartHost, fit, fitHint, exporter.root);

  const retext = () => {
    heading.textContent = t('Procesos');
    mixtureNote.textContent = t('Con una mezcla, el émbolo queda fijo y sin baño: su física supone que todas las partículas tienen la misma masa.');
    for (const [f, text] of labelled) {
      f.label.textContent = t(text);
      f.hint.textContent = t(f.help);
    }
    ['Fijo', 'Móvil', 'Con carga'].forEach((text, i) => { piston.control.options[i].textContent = t(text); });
    ['SI', 'NO'].forEach((text, i) => { bath.control.options[i].textContent = app.t('Controls', text); });
    for (const box of boxes) box.show();
    ledgerTitle.textContent = t('Balance de energía desde la puesta a cero');
    ledgerHint.textContent = t('Balance de energía desde la puesta a cero, en unidades de «Energía»: ΔU = W + Q');
    sharesHint.textContent = t('Parte de la energía en el movimiento en x, y, z: con colisiones, un tercio cada una');
    reset.textContent = t('Poner a cero');
    resetHint.textContent = t('El balance de energía y el diagrama P–V empiezan de nuevo desde ahora');
    diagramTitle.textContent = t('Diagrama P–V de las lecturas desde la puesta a cero');
    chart.setName(t('Diagrama P–V'));
    fitHint.textContent = t('Exponente ajustado a las lecturas: pendiente de ln P frente a ln V, con su error típico; un gas monoatómico sin intercambio de calor da 5/3');
    chart.number = n;
    exporter.retext();
  };

  const redrawLedger = () => {
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

  const pv = (key) => app.t('PvChartView', key);
  const redrawDiagram = () => {
    const path = gas.pvPath();
    fit.textContent = fitText(t, n, path, gas.pvFit());
    const volumeLabel = pv('Volumen, en cajas enteras (V = 100 × 100 × pared, así que posición de la pared / 100)');
    if (!path.length) {
      chart.setDescription(pv('Todavía no hay lecturas desde la puesta a cero.'));
      chart.draw({ x: { lo: 0, hi: 1, step: 0.5, label: volumeLabel }, y: { lo: 0, hi: 1, step: 0.5, label: pv('Presión') }, series: [] });
      return;
    }
    // At most MAX_PATH_POINTS, counted back from the latest so that it is
    // always drawn; the first too, where the curves start.
    const stride = Math.ceil(path.length / MAX_PATH_POINTS);
    const points = [];
    let vLo = path[0].volume; let vHi = vLo; let pHi = path[0].pressure;
    path.forEach((p, k) => {
      vLo = Math.min(vLo, p.volume);
      vHi = Math.max(vHi, p.volume);
      pHi = Math.max(pHi, p.pressure);
      if (k === 0 || (path.length - 1 - k) % stride === 0) points.push([p.volume / FULL_BOX_VOLUME, p.pressure]);
    });
    const [xLo, xHi] = roundRange(vLo / FULL_BOX_VOLUME, vHi / FULL_BOX_VOLUME);
    const top = pHi > 0 ? roundRange(0, pHi * 1.1)[1] : 1;
    const through = (exponent, v) => (path[0].volume > 0 && v > 0
      ? path[0].pressure * (path[0].volume / v) ** exponent : null);
    const isotherm = [];
    const adiabat = [];
    for (let k = 0; k <= CURVE_POINTS; ++k) {
      const x = xLo + ((xHi - xLo) * k) / CURVE_POINTS;
      const pi = through(1, x * FULL_BOX_VOLUME);
      const pa = through(MONATOMIC_GAMMA, x * FULL_BOX_VOLUME);
      if (pi !== null) isotherm.push([x, pi]);
      if (pa !== null) adiabat.push([x, pa]);
    }
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
      .replace(/%(\d)/g, (m, k) => String([path.length, g4(vLo / FULL_BOX_VOLUME), g4(vHi / FULL_BOX_VOLUME), g4(pHi),
        g4(points[0][0]), g4(points[0][1]), g4(last[0]), g4(last[1])][k - 1])));
  };

  // ---- when to draw ------------------------------------------------------
  const redraw = redrawer(root, app, REDRAW_MS, () => {
  redrawLedger();
  redrawDiagram();
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

  piston.control.selectedIndex = 0;
  bath.control.selectedIndex = 1;
  retext();
  enable();
  return { settings, draw };
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
