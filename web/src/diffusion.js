// "Difusión": two species in the gas, the divider and its hole, the heavy
// particle and the traced one, with what they show against kinetic theory:
// the counts on each side, the effusion rates (Graham's law), the free
// paths' distribution and mean, the mean-square displacement and its D, the
// heavy particle's speeds (their mean square and distribution against
// Maxwell–Boltzmann at kT/M); under a field along the height, the layers'
// density against the barometric law and their temperature; Z against the
// packing with Carnahan–Starling's curve, the settings applied before kept
// as points; "Exportar CSV" of the core's samples
// of the counts and rates. It draws only while shown,
// at most five times a second; at rest it does nothing.
import './instruments.css';
import { Chart, axisCeil, roundRange, roundStep, speedDistribution } from './charts.js';
import { download, exportControls, pngControls } from './download.js';
import { typedVerdict } from './typed.js';
import { classed, redrawer } from './dom.js';

const CONTEXT = 'DiffusionWindow';
// The texts the desktop's atmosphere and real-gas charts share, and the
// page's own beside them.
const SHARED = 'Atmosphere';
const OWN = 'PageAtmosphere';
const REDRAW_MS = 200;
const CHART_POINTS = 300;

const NAVY = '#000080';
const RED = 'rgb(192, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';
const MAGENTA = 'rgb(176, 0, 176)';
const GREY = 'rgb(128, 128, 128)';
// Each species' colour, as the view draws it: A, B, the heavy particle.
const SPECIES = [[NAVY, SHARED, 'Especie A'], [MAGENTA, SHARED, 'Especie B'], [GREEN, OWN, 'Partícula pesada']];
// Carnahan–Starling's curve is drawn over this packing at least.
const PACKING_SHOWN = 0.35;

let made = 0;

// A labelled control in a settings column, its help read by screen readers
// (and after it, a number box's line on what it did with the text).
function addField(w, control, source, help, column, message, contexts) {
  const id = `difusion-${++made}`;
  const label = classed('label');
  label.htmlFor = id;
  control.id = id;
  const hint = classed('span', 'visually-hidden');
  hint.id = `${id}-hint`;
  control.setAttribute('aria-describedby', message ? `${hint.id} ${message.id}` : hint.id);
  const cell = classed('div', 'process-field');
  cell.append(label, control, hint);
  if (message) cell.append(message);
  w.columns[column].append(cell);
  w.fields.push({ label, hint, source, help, ...contexts });
  return control;
}

// A number box, taken on Enter or on leaving it by the page's rules for
// typed numbers; "Aplicar" gives the gas what the boxes took. `range()`
// gives lo..hi now (B's count follows A's); `taken` hears of each value.
function numberBox(w, value, lo, hi, decimals, source, help, column, range = () => ({ lo, hi }), contexts) {
  const input = classed('input');
  input.type = 'text';
  input.inputMode = decimals ? 'decimal' : 'numeric';
  input.autocomplete = 'off';
  input.size = 7;
  const verdict = typedVerdict(w.app, input, { whole: decimals === 0, decimals, range });
  const b = { input, value, decimals, verdict, taken: () => {}, initial: value };
  let read = null;
  b.show = () => { input.value = w.n(b.value, decimals); read = input.value; };
  // The value taken, or null when the text is refused (the box keeps it).
  b.take = () => {
    const v = verdict.take();
    read = input.value;
    if (v === null) return null;
    b.value = v;
    b.show();
    if (w.refusedBox === b) {
      w.refusedBox = null;
      retextState(w);
    }
    b.taken(b);
    return v;
  };
  // A text typed and not yet read, or refused.
  b.pending = () => input.value !== read || verdict.refused;
  input.addEventListener('change', () => { if (input.value !== read) b.take(); });
  input.addEventListener('keydown', (e) => { if (e.key === 'Enter') b.take(); });
  addField(w, input, source, help, column, verdict.line, contexts);
  b.label = w.fields[w.fields.length - 1].label;
  return b;
}

// The species, the divider, the heavy particle and the traced one.
function buildSettings(w) {
  w.grid = classed('div', 'process-grid');
  w.columns = [classed('div', 'process-column'), classed('div', 'process-column')];
  w.grid.append(...w.columns);
  const box = (...args) => numberBox(w, ...args);
  // The gas's own ranges.
  const l = w.app.core.mixtureLimits;
  w.aCount = box(200, 0, l.maxCount, 0, 'Partículas A', 'Partículas de la especie A, de masa 1', 0);
  w.aRadius = box(1.5, l.radiusMin, l.radiusMax, 2, 'Radio de A', 'En longitudes de la caja', 0);
  // A and B together up to the gas's most.
  w.bCount = box(200, 0, l.maxCount, 0, 'Partículas B', 'Partículas de la especie B; A y B juntas, hasta 500', 0,
    () => ({ lo: 0, hi: l.maxCount - w.aCount.value }));
  w.bMass = box(4, l.bMassMin, l.bMassMax, 2, 'Masa de B', 'En masas de A, de 1 a 100', 0);
  w.bRadius = box(1.5, l.radiusMin, l.radiusMax, 2, 'Radio de B', 'En longitudes de la caja', 0);
  w.divider = classed('select');
  for (const value of ['none', 'solid', 'hole']) {
    const option = classed('option');
    option.value = value;
    w.divider.append(option);
  }
  w.divider.value = 'solid';
  addField(w, w.divider, 'Pared en medio', 'Sólida: A a la izquierda y B a la derecha; con agujero: las dos a la izquierda y la derecha vacía', 1);
  w.hole = box(20, l.holeMin, l.holeMax, 1, 'Lado del agujero', 'El agujero es un cuadrado de este lado', 1);
  w.heavyMass = box(0, 0, l.heavyMassMax, 0, 'Masa de la partícula pesada', '0: ninguna; hasta 1000 masas de A: movimiento browniano', 1);
  w.heavyRadius = box(5, l.radiusMin, l.heavyRadiusMax, 2, 'Radio de la partícula pesada', 'Hasta 10 longitudes de la caja', 1);
  w.gravity = box(0, 0, l.gravityMax, 2, 'Gravedad', 'Hacia el suelo, en longitudes de la caja por unidad de tiempo al cuadrado; 0: sin campo', 1,
    undefined, { labelContext: SHARED, helpContext: OWN });
  // The traced particle is one of the mixture's.
  w.traced = box(1, 0, l.maxCount, 0, 'Partícula trazada', 'El número de la partícula cuya traza se dibuja; 0: ninguna', 1,
    () => ({ lo: 0, hi: w.gas.mixture ? w.gas.count : l.maxCount }));
  w.boxes = [w.aCount, w.aRadius, w.bCount, w.bMass, w.bRadius, w.hole, w.heavyMass, w.heavyRadius, w.gravity, w.traced];
  // The names the page's settings (settings.js) know them by.
  [[w.aCount.input, 'particles'], [w.aRadius.input, 'radius'], [w.bCount.input, 'b-particles'], [w.bMass.input, 'b-mass'],
    [w.bRadius.input, 'b-radius'], [w.divider, 'divider'], [w.hole.input, 'hole'], [w.heavyMass.input, 'heavy-mass'],
    [w.heavyRadius.input, 'heavy-radius'], [w.gravity.input, 'gravity']].forEach(([control, name]) => { control.dataset.setting = name; });
}

// "Aplicar", "Quitar la pared", "Volver al gas clásico", and the lines that
// say what the settings set up and what they change elsewhere.
function buildActions(w) {
  const button = (source, help) => {
    const b = classed('button');
    b.type = 'button';
    const hint = classed('span', 'visually-hidden');
    hint.id = `difusion-${++made}`;
    b.setAttribute('aria-describedby', hint.id);
    w.fields.push({ label: b, hint, source, help });
    return [b, hint];
  };
  const [apply, applyHint] = button('Aplicar', 'Empieza la mezcla con estos valores; el émbolo queda fijo y sin baño');
  const [remove, removeHint] = button('Quitar la pared', 'Quita la pared de en medio: los gases se mezclan');
  const [back, backHint] = button('Volver al gas clásico', 'Termina la mezcla: el gas de siempre, con las partículas del panel de control');
  Object.assign(w, { apply, remove, back });
  apply.dataset.action = 'apply';
  w.actions = classed('div', 'ledger-row');
  w.actions.append(apply, remove, back, applyHint, removeHint, backHint);
  w.experiment = classed('p', 'state');
  w.notice = classed('p', 'note');
  w.notice.setAttribute('role', 'status');
}

// The figures' text, the five charts and "Exportar CSV".
function buildCharts(w) {
  w.figures = classed('output', 'figure legend-text');
  w.figures.tabIndex = 0;
  const chartOf = (height) => {
    const host = classed('div', 'chart-host');
    return { host, chart: new Chart(host, { height }), title: classed('h3') };
  };
  w.charts = { sides: chartOf(150), rates: chartOf(150), paths: chartOf(150), msd: chartOf(150), speeds: chartOf(150),
    profile: chartOf(170), z: chartOf(170) };
  // The layers' temperature under their density, in the same section: the
  // height along both.
  const host = classed('div', 'chart-host');
  w.charts.temperature = { host, chart: new Chart(host, { height: 120 }), title: null };
  w.exporter = exportControls(w.app, {
    description: { context: CONTEXT, text: 'Guarda las partículas a cada lado y la efusión frente al tiempo en un archivo CSV' },
    save: (dialect) => download(w.t('difusion.csv'), w.gas.sideSamplesCsv(dialect)),
  });
  w.png = pngControls(w.app, () => Object.values(w.charts).map((c) => c.chart));
  w.exporter.root.prepend(w.png.root);
}

// The controls a mixture enables, as the desktop's window has them.
function enable(w) {
  const on = w.gas.mixture;
  w.remove.disabled = !w.gas.dividerUp;
  w.back.disabled = !on;
  w.traced.input.disabled = !on;
  w.hole.input.disabled = w.divider.value !== 'hole';
  w.heavyRadius.input.disabled = !(w.heavyMass.value > 0);
}

// What a press of each button and a new traced particle do.
function wireActions(w) {
  const { gas, app } = w;
  const after = (what) => {
    if (what) app.changed(what);
    retextState(w);
    enable(w);
    w.draw(true);
  };
  // The traced particle is the gas's at once, Enter or leaving the box.
  w.traced.taken = () => {
    if (!gas.mixture || gas.traced === w.traced.value) return;
    gas.setTraced(w.traced.value);
    w.traced.value = gas.traced;
    w.traced.show();
    app.changed('traced');
  };
  w.divider.addEventListener('change', () => enable(w));
  w.heavyMass.taken = () => enable(w);
  // Fewer of B when more of A leave it less room, said at B's box.
  w.aCount.taken = () => {
    if (!w.bCount.verdict.refused && w.bCount.value > w.app.core.mixtureLimits.maxCount - w.aCount.value) w.bCount.take();
  };
  w.apply.addEventListener('click', () => {
    // Every box as typed (A's count before B's, whose most follows it); a
    // text that cannot be taken leaves the gas as it is, and the first
    // such box gets the focus with its line.
    const refused = w.boxes.filter((b) => b !== w.traced && !b.input.disabled && b.pending() && b.take() === null);
    w.refusedBox = refused[0] ?? null;
    if (w.refusedBox) {
      w.refused = false;
      after(null);
      w.refusedBox.input.focus();
      return;
    }
    const before = zPoint(w);
    const ok = gas.setMixture({
      aCount: w.aCount.value, aRadius: w.aRadius.value, bCount: w.bCount.value, bMass: w.bMass.value,
      bRadius: w.bRadius.value, divider: w.divider.value, holeSide: w.hole.value,
      heavyMass: w.heavyMass.value, heavyRadius: w.heavyRadius.value, gravity: w.gravity.value });
    // The point the settings before gave stays on the Z chart.
    if (ok && before) w.zEarlier.push(before);
    w.refused = !ok;
    if (ok) {
      // The boxes show what the gas took.
      const m = gas.mixtureSettings();
      for (const [b, v] of [[w.aCount, m.aCount], [w.aRadius, m.aRadius], [w.bCount, m.bCount], [w.bMass, m.bMass],
        [w.bRadius, m.bRadius], [w.hole, m.holeSide], [w.heavyMass, m.heavyMass], [w.heavyRadius, m.heavyRadius],
        [w.gravity, m.gravity]]) {
        b.value = Number(v.toFixed(b.decimals));
        b.show();
        // A disabled box's refused text was not the gas's: gone with it.
        if (b.verdict.refused) b.verdict.clear();
      }
      w.traced.value = gas.traced;
      w.traced.show();
      w.traced.verdict.clear();
    }
    after(ok ? 'mixture' : null);
  });
  w.remove.addEventListener('click', () => {
    gas.removeDivider();
    after('divider');
  });
  w.back.addEventListener('click', () => {
    const before = zPoint(w);
    if (before) w.zEarlier.push(before);
    gas.endMixture(app.panelCount ? app.panelCount() : 50);
    after('mixture');
  });
}

// What the settings set up, as the desktop's window says it.
function experimentText(w) {
  const { gas, t } = w;
  if (!gas.mixture) return t('El gas clásico: elija las especies y la pared, y pulse «Aplicar».');
  const m = gas.mixtureSettings();
  if (m.divider === 'solid') return t('Difusión: A empieza a la izquierda y B a la derecha de la pared; quítela y mire cómo se mezclan.');
  if (m.divider === 'hole') return t('Efusión (ley de Graham): A y B empiezan a la izquierda y la derecha está vacía; pasan por el agujero.');
  if (m.heavyMass > 0) return t('Movimiento browniano: una partícula pesada entre las ligeras.');
  return t('Camino libre medio y paseo al azar: las partículas repartidas por toda la caja.');
}

function retextState(w) {
  const { gas, t } = w;
  w.experiment.textContent = experimentText(w);
  w.notice.textContent = w.refusedBox
    ? w.app.t('PageInput', '«%1» no se puede tomar: el gas no cambia.', w.refusedBox.label.textContent)
    : w.refused
    ? (gas.refusedHalf ? t('Las esferas llenarían más del 30 % de su mitad de la caja: el gas no cambia.')
      : t('Las esferas llenarían más del 30 % de la caja: el gas no cambia.'))
    : gas.mixture ? t('Con la mezcla el émbolo queda fijo y sin baño (su física supone masas iguales); la temperatura sí se puede cambiar.')
      : '';
  w.notice.hidden = !w.notice.textContent;
}

function retext(w) {
  const { t, charts } = w;
  w.heading.textContent = t('Difusión');
  for (const f of w.fields) {
    f.label.textContent = f.labelContext ? w.app.t(f.labelContext, f.source) : t(f.source);
    f.hint.textContent = f.helpContext ? w.app.t(f.helpContext, f.help) : t(f.help);
  }
  ['Ninguna', 'Sólida', 'Con agujero'].forEach((text, i) => { w.divider.options[i].textContent = t(text); });
  // A refused text stays to be mended, whatever the language.
  for (const b of w.boxes) if (!b.verdict.refused) b.show();
  w.figures.setAttribute('aria-label', t('Lo medido frente a la teoría cinética'));
  charts.sides.title.textContent = t('Partículas a cada lado');
  charts.rates.title.textContent = t('Efusión por el agujero');
  charts.paths.title.textContent = t('Caminos libres');
  charts.msd.title.textContent = t('Desplazamiento cuadrático medio');
  charts.speeds.title.textContent = t('Rapidez de la partícula pesada');
  charts.profile.title.textContent = w.shared('Perfil de altura');
  charts.z.title.textContent = w.shared('Z frente a compacidad');
  for (const c of Object.values(charts)) {
    if (c.title) c.chart.setName(c.title.textContent);
    c.chart.number = w.n;
  }
  // The two charts of the layers, each named by what it draws.
  charts.profile.chart.setName(`${charts.profile.title.textContent}: ${w.shared('Densidad')}`);
  charts.temperature.chart.setName(`${charts.profile.title.textContent}: ${w.shared('Temperatura')}`);
  w.exporter.retext();
  w.png.retext();
  w.profileNote.textContent = w.own('La temperatura no baja con la altura: cada partícula frena al subir, pero las lentas no llegan arriba, y las que llegan tienen allí las mismas rapideces que abajo.');
  retextState(w);
}

// The figures, measured against theory, as the desktop's window lists
// them; "—" where one has no value yet.
function figuresText(w) {
  const { gas, t, n } = w;
  if (!gas.mixture) return '';
  const f = gas.figures();
  const m = gas.mixtureSettings();
  const v = (x, d) => (x === null ? '—' : n(x, d));
  const lines = [];
  if (f.kT !== null) {
    lines.push(t('Camino libre medio λ: medido %1, teoría %2 (χ de Enskog %3; %4 caminos)',
      v(f.meanFreePath, 2), v(f.meanFreePathTheory, 2), v(f.chi, 3), f.paths ?? 0),
    t('Choques por partícula y unidad de tiempo z: medido %1, teoría %2', v(f.collisionRate, 4), v(f.collisionRateTheory, 4)));
    if (m.divider === 'hole') {
      lines.push(t('Efusión, razón A/B: medida %1, ley de Graham √(m_B/m_A) = %2', v(f.effusionRatio, 3), v(f.graham, 3)));
    }
    if (f.followedSpecies !== null) {
      // The heavy particle's walk, or that of the traced one's species.
      const whose = [t('de la especie A'), t('de la especie B'), t('de la partícula pesada')][f.followedSpecies];
      lines.push(t('Difusión D %1 (DCM = 6·D·t): medida %2, teoría de esferas duras %3',
        whose, v(f.diffusion, 2), v(f.diffusionTheory, 2)));
    }
    if (m.heavyMass > 0) {
      lines.push(t('Partícula pesada, <v²>: medida %1, 3kT/M = %2', v(f.heavyV2, 4), v(f.heavyV2Theory, 4)));
      lines.push(t('Rapidez de la partícula pesada: distancia KS a Maxwell–Boltzmann con kT/M %1 (%2 muestras)',
        v(f.heavySpeedKs, 3), gas.heavySpeedCount));
    }
  }
  lines.push(...fieldLines(w, f));
  if (m.divider !== 'none') {
    lines.push(f.mixTime !== null
      ? t('Tiempo de mezcla (cada especie a menos del 10 % del reparto igual): %1', n(f.mixTime, 1))
      : t('Tiempo de mezcla: aún no mezclados'));
  }
  return lines.join('\n');
}

// A small number as the page writes it, 2,3·10⁻⁹ (a relative drift).
function scientific(w, x) {
  if (x === null) return '—';
  if (x === 0) return w.n(0, 0);
  const [mantissa, exponent] = x.toExponential(1).split('e');
  const superscript = String(Number(exponent)).replace(/[-0-9]/g, (c) => '⁻⁰¹²³⁴⁵⁶⁷⁸⁹'['-0123456789'.indexOf(c)]);
  return `${w.n(Number(mantissa), 1)}·10${superscript}`;
}

// The lines of the field (with gravity on) and of Z (with collisions on).
function fieldLines(w, f) {
  const { shared: s, own: o, n } = w;
  const v = (x, d) => (x === null ? '—' : n(x, d));
  const lines = [];
  if (f.gravity > 0) {
    lines.push(`${s('Presión en el suelo')}: ${v(f.pressureFloor, 4)}; ${s('Presión en el pistón')}: ${v(f.pressureTop, 4)}; ${s('Peso por área')}: ${v(f.weightPerArea, 4)}`,
      o('El suelo sostiene el peso del gas: la presión en el suelo menos la del pistón es el peso por área.'),
      `${o('Energía potencial')}: ${v(f.potentialEnergy, 1)}; ${s('Deriva de la energía total')}: ${scientific(w, f.totalEnergyDrift)}`);
  }
  const point = zPoint(w, f);
  if (point) {
    lines.push(`${s('Z de las paredes')}: ${v(f.zWalls, 3)}; ${s('Z del virial')}: ${v(f.zVirial, 3)}; ${s('Carnahan–Starling')}: ${v(f.zTheory, 3)} (${s('Compacidad η')} ${n(point.eta, 3)})`);
  }
  return lines;
}

// Z now, at the packing where Carnahan–Starling gives the core's theory:
// { eta, walls, virial }, or null without collisions (spheres that pass
// through each other are the ideal gas, whatever their size).
function zPoint(w, f = w.gas.mixture ? w.gas.figures() : null) {
  if (!f || !w.gas.mixture || !w.gas.collisions || (f.zWalls === null && f.zVirial === null)) return null;
  const eta = w.app.core.packingOfZ(f.zTheory);
  return eta === null ? null : { eta, walls: f.zWalls, virial: f.zVirial };
}

// ---- the charts --------------------------------------------------------
function timeAxis(w, points) {
  const last = points.length ? points[points.length - 1][0] : 1;
  const hi = Math.max(1, roundRange(0, last)[1]);
  return { lo: 0, hi, step: roundStep(hi), label: w.t('Tiempo') };
}

function yAxis(top, label) {
  const hi = top > 0 ? roundRange(0, top)[1] : 1;
  return { lo: 0, hi, step: roundStep(hi), label };
}

// The counts on each side and the effusion rates against time.
function drawSides(w) {
  const { gas, t, charts } = w;
  const shown = gas.sideSamples(CHART_POINTS);
  const line = (key) => shown.map((s) => [s.t, s[key]]);
  const m = gas.mixture ? gas.mixtureSettings() : null;
  const counts = [['aLeft', NAVY, 'A izquierda', []], ['aRight', NAVY, 'A derecha', [6, 4]],
    ['bLeft', MAGENTA, 'B izquierda', []], ['bRight', MAGENTA, 'B derecha', [6, 4]]]
    .filter(([key]) => !m || m.bCount > 0 || key[0] === 'a');
  const top = Math.max(1, ...shown.map((s) => Math.max(s.aLeft, s.aRight, s.bLeft, s.bRight)));
  const anyPoints = line('aLeft');
  charts.sides.chart.draw({
    x: timeAxis(w, anyPoints), y: yAxis(top, t('Partículas')),
    series: counts.map(([key, colour, label, dash]) => ({
      points: line(key), colour, dash: dash.length ? dash : undefined, label: t(label) })) });
  const rateTop = Math.max(0, ...shown.map((s) => Math.max(s.rateA, s.rateB)));
  charts.rates.chart.draw({
    x: timeAxis(w, anyPoints), y: yAxis(rateTop, t('Por partícula y tiempo')),
    series: [{ points: line('rateA'), colour: NAVY, label: t('A') }, { points: line('rateB'), colour: MAGENTA, label: t('B') }] });
}

// The free paths as a density, in steps, beside the core's exponential of
// the measured mean free path, and λ marked.
function drawPaths(w, f) {
  const { gas, t } = w;
  const h = gas.mixture ? gas.pathChart() : null;
  const density = h ? h.density : [];
  const width = h ? h.width : 1;
  let last = density.length;
  while (last > 1 && density[last - 1] === 0) --last;
  const step = [];
  const curve = [];
  for (let k = 0; k < last; ++k) {
    step.push([k * width, density[k]], [(k + 1) * width, density[k]]);
    curve.push([(k + 0.5) * width, h.theory[k]]);
  }
  const lambda = f.meanFreePath ?? null;
  const xHi = Math.max(width, last * width, lambda ? 2 * lambda : 0);
  const dTop = Math.max(0, ...step.map((p) => p[1]), ...curve.map((p) => p[1]));
  const series = [{ points: step, colour: NAVY, fill: 'rgba(0, 0, 128, 0.15)', label: t('Medidos') }];
  if (curve.length) series.push({ points: curve, colour: RED, dash: [6, 4], label: t('Exponencial de la media') });
  if (lambda && curve.length) series.push({ points: [[lambda, 0], [lambda, dTop]], colour: GREEN, dash: [2, 3], label: t('λ') });
  w.charts.paths.chart.draw({ x: { lo: 0, hi: roundRange(0, xHi)[1], step: roundStep(xHi), label: t('Longitud') },
    y: yAxis(dTop, t('Densidad')), series });
}

// The mean-square displacement and the line fitted over its lags.
function drawMsd(w, f) {
  const { gas, t } = w;
  const points = gas.mixture ? gas.msd() : [];
  const fitLine = f.diffusion !== null && f.diffusion !== undefined && points.length
    ? [f.fitFrom, f.fitTo].map((lag) => [lag, 6 * f.diffusion * lag + f.fitIntercept]) : [];
  const msdTop = Math.max(0, ...points.map((p) => p[1]));
  w.charts.msd.chart.draw({ x: timeAxis(w, points), y: yAxis(msdTop, t('Distancia al cuadrado')),
    series: [{ points, colour: NAVY, label: t('Medido') },
      { points: fitLine, colour: GREEN, dash: [6, 4], label: t('Recta ajustada') }] });
}

// The heavy particle's speeds as bars (binned as "Gráficas" bins), beside
// Maxwell–Boltzmann at the gas's kT over its mass.
function drawSpeeds(w, f) {
  const { gas, t, app } = w;
  const speeds = w.charts.speeds;
  const count = gas.mixture ? gas.heavySpeedCount : 0;
  const s2 = count > 0 ? f.heavyS2 ?? 0 : 0;
  if (!(s2 > 0)) {
    speeds.chart.setDescription(t('Sin partícula pesada: elija su masa y pulse «Aplicar».'));
    speeds.chart.draw({ x: { lo: 0, hi: 1, step: 0.25, label: t('Rapidez') },
      y: { lo: 0, hi: 1, step: 0.25, label: t('Densidad') }, series: [] });
    return;
  }
  const bins = app.core.speedBins(count);
  const upper = axisCeil(Math.max(gas.heavySpeedMax(), 4 * Math.sqrt(s2)));
  const { outline, curve, top } = speedDistribution(gas.heavySpeedHistogram(bins, upper) ?? [],
    upper, (v) => gas.maxwellBoltzmann(v, s2));
  speeds.chart.setDescription(t('Histograma de %1 rapideces de la partícula pesada, con la curva de Maxwell–Boltzmann a la temperatura del gas, kT/M.', count));
  speeds.chart.draw({
    x: { lo: 0, hi: upper, step: axisCeil(upper / 5), label: t('Rapidez') },
    y: { lo: 0, hi: axisCeil(top * 1.1), step: axisCeil(top / 4), label: t('Densidad') },
    series: [
      { points: outline, colour: NAVY, width: 1, fill: 'rgb(166, 166, 210)', label: t('Medidas') },
      { points: curve, colour: RED, width: 2, label: t('Maxwell–Boltzmann a kT/M') },
    ],
  });
}

// Each layer's density against the barometric law, species by species,
// the height along; under it their temperature beside the gas's.
function drawProfile(w, f) {
  const { gas, t, shared: s, own: o, charts } = w;
  const rows = gas.mixture ? gas.profileRows() : [];
  const present = [...new Set(rows.map((r) => r.species))];
  const name = (species) => w.app.t(SPECIES[species][1], SPECIES[species][2]);
  const x = { lo: 0, hi: axisCeil(gas.mixture ? gas.piston : 100), label: s('Altura') };
  x.step = roundStep(x.hi);
  const density = [];
  const temperature = [];
  for (const species of present) {
    const [colour] = SPECIES[species];
    const layers = rows.filter((r) => r.species === species);
    density.push({ points: layers.map((r) => [r.height, r.density]), colour, marker: colour, size: 3, label: name(species) },
      { points: layers.map((r) => [r.height, r.densityTheory]), colour, dash: [6, 4], label: `${s('Ley barométrica')} (${name(species)})` });
    temperature.push({ points: layers.filter((r) => r.temperature !== null).map((r) => [r.height, r.temperature]),
      colour, marker: colour, size: 3, label: name(species) });
  }
  const gasTemperature = f.kT ?? null;
  if (gasTemperature !== null && rows.length) {
    // k T is a hundred times "Temperatura" (the layers' own unit).
    temperature.push({ points: [[x.lo, gasTemperature / 100], [x.hi, gasTemperature / 100]], colour: RED, label: o('Temperatura del gas') });
  }
  const top = (series) => Math.max(0, ...series.flatMap((each) => each.points.map((p) => p[1])));
  const empty = rows.length ? null : t('El gas clásico: elija las especies y la pared, y pulse «Aplicar».');
  charts.profile.chart.setDescription(empty ?? o('Densidad de cada capa medida, puntos, y la ley barométrica n₀·exp(−m·g·h / kT), línea discontinua.'));
  charts.profile.chart.draw({ x, y: yAxis(top(density), s('Densidad')), series: density });
  charts.temperature.chart.setDescription(empty ?? o('Temperatura de cada capa, puntos, y la de todo el gas.'));
  charts.temperature.chart.draw({ x, y: yAxis(top(temperature), s('Temperatura')), series: temperature });
  w.profileNote.hidden = !(f.gravity > 0);
}

// Z against the packing: Carnahan–Starling's curve (the core's), the ideal
// gas's Z = 1, the points of the settings applied before and the present
// one, from the walls and from the virial.
function drawZ(w, f) {
  const { shared: s, own: o, app } = w;
  const now = zPoint(w, f);
  const all = [...w.zEarlier, ...(now ? [now] : [])];
  const xHi = axisCeil(Math.max(PACKING_SHOWN, ...all.map((p) => p.eta)));
  const curve = [];
  for (let k = 0; k <= 70; ++k) curve.push([(xHi * k) / 70, app.core.carnahanStarling((xHi * k) / 70)]);
  const points = (list, key) => list.filter((p) => p[key] !== null).map((p) => [p.eta, p[key]]);
  const series = [{ points: curve, colour: RED, label: s('Carnahan–Starling') },
    { points: [[0, 1], [xHi, 1]], colour: GREEN, dash: [6, 4], label: s('Gas ideal') }];
  if (w.zEarlier.length) {
    series.push({ points: points(w.zEarlier, 'walls'), colour: GREY, marker: 'rgb(170, 170, 220)', size: 3,
      label: o('%1, ajustes anteriores', s('Z de las paredes')) },
    { points: points(w.zEarlier, 'virial'), colour: GREY, marker: 'rgb(230, 170, 230)', size: 3,
      label: o('%1, ajustes anteriores', s('Z del virial')) });
  }
  series.push({ points: points(now ? [now] : [], 'walls'), colour: NAVY, marker: NAVY, label: s('Z de las paredes') },
    { points: points(now ? [now] : [], 'virial'), colour: MAGENTA, marker: MAGENTA, label: s('Z del virial') });
  const top = Math.max(...curve.map((p) => p[1]), ...all.flatMap((p) => [p.walls ?? 0, p.virial ?? 0]));
  w.charts.z.chart.setDescription(now
    ? o('Z medido a la compacidad del gas, sobre la curva de Carnahan–Starling y la recta del gas ideal; %1 ajustes anteriores.', w.zEarlier.length)
    : o('Sin choques las esferas se atraviesan y el gas es ideal: active los choques para medir Z.'));
  w.charts.z.chart.draw({ x: { lo: 0, hi: xHi, step: 0.05, label: s('Compacidad η') },
    y: { lo: 0, hi: axisCeil(top), step: axisCeil(top) > 5 ? 1 : 0.5, label: 'Z = P/(n·k·T)' }, series });
}

function drawCharts(w) {
  const f = w.gas.mixture ? w.gas.figures() : {};
  drawSides(w);
  drawPaths(w, f);
  drawMsd(w, f);
  drawSpeeds(w, f);
  drawProfile(w, f);
  drawZ(w, f);
}

export function mountDiffusion(root, app) {
  const w = { app, gas: app.gas, fields: [], refused: false, refusedBox: null, zEarlier: [],
    t: (source, ...args) => app.t(CONTEXT, source, ...args), n: (x, d) => app.number(x, d),
    shared: (source, ...args) => app.t(SHARED, source, ...args), own: (source, ...args) => app.t(OWN, source, ...args) };
  root.classList.add('instrument');
  w.heading = classed('h2');
  w.heading.id = 'difusion-title';
  root.setAttribute('aria-labelledby', w.heading.id);
  buildSettings(w);
  buildActions(w);
  buildCharts(w);
  const { sides, rates, paths, msd, speeds, profile, temperature, z } = w.charts;
  w.profileNote = classed('p', 'small');
  w.profileNote.hidden = true;
  root.append(w.heading, w.grid, w.actions, w.experiment, w.notice, w.figures,
    sides.title, sides.host, rates.title, rates.host, paths.title, paths.host, msd.title, msd.host,
    speeds.title, speeds.host, profile.title, profile.host, temperature.host, w.profileNote,
    z.title, z.host, w.exporter.root);

  // ---- when to draw ------------------------------------------------------
  const redraw = redrawer(root, app, REDRAW_MS, () => {
    w.figures.textContent = figuresText(w);
    retextState(w);
    drawCharts(w);
  });
  w.draw = (force) => redraw.draw(force);
  wireActions(w);
  app.on('frame', (ticks) => {
    if (ticks > 0 && w.gas.mixture) redraw.mark();
    if (redraw.pending) w.draw(false);
  });
  app.on('change', () => { redraw.mark(); enable(w); });
  // The page's start again: the boxes as the window opens, no mixture.
  app.on('reset', () => {
    for (const b of w.boxes) {
      b.value = b.initial;
      b.verdict.clear();
      b.show();
    }
    w.divider.value = 'solid';
    w.zEarlier = [];
    w.refused = false;
    w.refusedBox = null;
    retextState(w);
  });
  app.on('running', (running) => { if (!running && redraw.pending) w.draw(true); });
  app.on('language', () => { retext(w); w.draw(true); });
  app.on('open', (what) => { if (what === 'difusion') w.draw(true); });
  new MutationObserver(() => { if (!root.hidden) w.draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });

  retext(w);
  enable(w);
  // figure(name): what a chart last drew ("profile", "temperature", "z" …).
  app.diffusion = { draw: w.draw, figure: (name) => w.charts[name].chart.figure };
  return app.diffusion;
}
