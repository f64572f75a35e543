// "Gráficas": the speed distribution against Maxwell–Boltzmann, the history
// of the readings with the changes marked, the ideal-gas check with the
// mean pressure and temperature since the last change, and "Exportar CSV".
// It records every reading from the start, shown or not, and draws only
// while shown, when there is something new, at most five times a second
// while the gas runs (the desktop's pace); at rest it does nothing.
import './instruments.css';
import { Chart, axisCeil, speedDistribution } from './charts.js';
import { download, exportControls, pngControls } from './download.js';
import { classed as element, hint } from './dom.js';

const CONTEXT = 'GraphsWindow';
const REDRAW_MS = 200;        // at most five redraws a second while running
const CURVE_POINTS = 80;

const NAVY = '#000080';
const RED = 'rgb(192, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';

// The axes of a history chart: time in round steps around the readings,
// values from zero to a round value above the highest.
function historyAxes(points) {
  if (points.length === 0) {
    return { x: { lo: 0, hi: 20, step: 5 }, y: { lo: 0, hi: 1, step: 0.5 } };
  }
  let first = points[0][0];
  let last = points[points.length - 1][0];
  if (!(last > first)) { first -= 1; last += 1; }
  const top = Math.max(0, ...points.map((p) => p[1]));
  const interval = axisCeil((last - first) / 4);
  const ceiling = axisCeil(top * 1.1);
  return {
    x: { lo: Math.floor(first / interval + 1e-6) * interval, hi: Math.ceil(last / interval - 1e-6) * interval, step: interval },
    y: { lo: 0, hi: ceiling, step: ceiling / 2 },
  };
}

// Qt's default number text: six significant digits, no trailing zeros.
function shownNumber(app, x) {
  return Number(x.toPrecision(6)).toLocaleString(app.language === 'es' ? 'es-ES' : 'en-GB',
    { maximumSignificantDigits: 6, useGrouping: false });
}

// The speeds' upper end as the desktop takes it: the fastest sample or
// four spreads, whichever is more, rounded up. The core hands out counts
// per bin, not the samples: a two-bin count says whether any sample lies
// beyond four spreads; only then is the fastest looked for.
function speedUpper(gas, s2) {
  const upper = axisCeil(4 * Math.sqrt(s2));
  const beyond = (edge) => (gas.speedHistogram(2, 2 * edge)?.[1] ?? 0) > 0;
  if (!beyond(upper)) return upper;
  let edge = upper;
  while (beyond(edge) && edge < 1e6) edge *= 2;
  const bins = 10000;
  const h = gas.speedHistogram(bins, edge);
  let last = bins - 1;
  while (last > 0 && !(h[last] > 0)) --last;
  return axisCeil(((last + 1) * edge) / bins);
}

// The distribution, with its distance beside it.
function buildSpeeds(app, t, n) {
  const gas = app.gas;
  const title = element('h3');
  const row = element('div', 'speed-row');
  const host = element('div', 'chart-host');
  const chart = new Chart(host, { height: 190 });
  const side = element('div', 'speed-side');
  const ks = element('output', 'figure');
  ks.tabIndex = 0;
  const samples = element('p', 'small');
  const legend = element('p', 'small legend-text');
  const state = element('p', 'state');
  side.append(ks, samples, legend, state);
  row.append(host, side);
  const note = element('p', 'note');
  const ksHint = hint('graficas-ks-hint', ks);

  const retext = () => {
    title.textContent = t('Distribución de velocidades');
    chart.setName(t('Distribución de velocidades'));
    legend.textContent = t('Barras: las muestras.\nCurva roja: Maxwell–Boltzmann con la misma energía media.');
    note.textContent = t('Con «Colisiones» en NO el gas no se termaliza: las velocidades no se acercan a la curva.');
    ksHint.textContent = t('Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de Maxwell–Boltzmann: cuanto menor, más se parecen');
    chart.number = n;
  };

  const emptyText = () => {
    const samplesNow = gas.speedSampleCount;
    if (gas.count <= 0) return t('No hay partículas: elija cuántas en el Panel de Control.');
    if (!(gas.readouts().energy > 0) || (samplesNow > 0 && !(gas.speedS2() > 0))) {
      return t('Temperatura 0: todas las partículas están en reposo.');
    }
    if (samplesNow === 0) {
      return t('Todavía no hay muestras: se toma una cada %1 pasos de la animación.', app.core.speedSampleTicks);
    }
    return '';
  };

  const drawNone = (empty) => {
    ks.textContent = t('Distancia KS: —');
    samples.textContent = '';
    chart.setDescription(empty || t('Todavía no hay muestras.'));
    chart.draw({ x: { lo: 0, hi: 1, step: 0.25 }, y: { lo: 0, hi: 1, step: 0.25 }, series: [] });
  };

  const redraw = () => {
    note.hidden = gas.collisions;
    const empty = emptyText();
    state.textContent = empty;
    state.hidden = !empty;
    const distance = empty ? null : gas.speedKs();
    if (empty || distance === null) { drawNone(empty); return; }
    const count = gas.speedSampleCount;
    const s2 = gas.speedS2();
    const upper = speedUpper(gas, s2);
    const { outline, curve, top } = speedDistribution(gas.speedHistogram(app.core.speedBins(count), upper), upper,
      (v) => gas.maxwellBoltzmann(v, s2), CURVE_POINTS);
    const steps = Math.round(count / gas.count) * app.core.speedSampleTicks;
    const shown = n(distance, 3);
    ks.textContent = t('Distancia KS: %1', shown);
    samples.textContent = t('%1 rapideces de los últimos %2 pasos', count, steps);
    chart.setDescription(t('Histograma de %1 rapideces de los últimos %2 pasos, con la curva de Maxwell–Boltzmann de la misma energía media. Distancia KS: %3.', count, steps, shown));
    chart.draw({
      x: { lo: 0, hi: upper, step: axisCeil(upper / 5), label: app.t('SpeedChartView', 'rapidez |v| (longitud de caja por unidad de tiempo)') },
      y: { lo: 0, hi: axisCeil(top * 1.1), step: axisCeil(top / 4), label: app.t('SpeedChartView', 'densidad de probabilidad') },
      series: [
        { points: outline, colour: NAVY, width: 1, fill: 'rgb(166, 166, 210)' },
        { points: curve, colour: RED, width: 2 },
      ],
    });
  };
  return { nodes: [title, row, note], hints: [ksHint], retext, redraw, charts: [chart] };
}

// The histories of the readings, the changes marked.
function buildHistories(app, t, n) {
  const gas = app.gas;
  const title = element('h3');
  const state = element('p', 'state');
  const charts = [
    { field: 'pressure', title: 'Presión', colour: NAVY },
    { field: 'temperature', title: 'Temperatura', colour: RED },
    { field: 'energy', title: 'Energía', colour: GREEN },
  ].map((h) => {
    const host = element('div', 'chart-host');
    return { ...h, host, chart: new Chart(host, { height: 110 }) };
  });

  const retext = () => {
    title.textContent = t('Historia, frente al tiempo de animación (pasos × %1)', n(app.core.tickTime, 1));
    for (const h of charts) {
      h.chart.setName(t('%1, historia', t(h.title)));
      h.chart.number = n;
    }
  };

  const describe = (h, { first, lowest, highest, marks }) => {
    const count = gas.readingCount;
    if (count === 0) return t('Todavía no hay lecturas.');
    const shown = (x) => shownNumber(app, x);
    const last = gas.reading(-1);
    return t('Lecturas: %1, del tiempo %2 al %3. Última: %4; mínima: %5; máxima: %6. Cambios marcados: %7.',
      count - first, n(gas.reading(first).time, 1), n(last.time, 1),
      shown(last[h.field]), shown(lowest), shown(highest), marks.length);
  };

  const redraw = () => {
    const any = gas.readingCount > 0;
    state.hidden = any;
    state.textContent = any ? '' : t('Todavía no hay lecturas: llega una cada %1 pasos de la animación.', app.core.readingTicks);
    for (const h of charts) {
      const history = gas.history(h.field);
      const { points, marks } = history;
      h.chart.draw({ title: t(h.title), ...historyAxes(points), series: [{ points, colour: h.colour, width: 1.5 }], marks });
      h.chart.setDescription(describe(h, history));
    }
  };
  return { nodes: [title, state, ...charts.map((h) => h.host)], retext, redraw, charts: charts.map((h) => h.chart) };
}

// The ideal-gas check: the means since the last change and P·V / (N·T).
function buildLaw(app, t, n) {
  const gas = app.gas;
  const title = element('h3');
  const ratio = element('output', 'figure ratio');
  ratio.tabIndex = 0;
  const ratioHint = hint('graficas-ratio-hint', ratio);
  const why = {
    'no-readings': 'P·V / (N·T): todavía no hay lecturas.',
    'no-particles': 'P·V / (N·T): no hay partículas.',
    'no-volume': 'P·V / (N·T): la pared está en 0, el volumen es nulo.',
    'zero-temperature': 'P·V / (N·T): con temperatura 0 no hay presión.',
    waiting: 'P·V / (N·T): esperando la segunda lectura desde el último cambio.',
  };

  const retext = () => {
    title.textContent = t('Ley de los gases ideales');
    ratioHint.textContent = t('Ley de los gases ideales: presión por volumen entre número de partículas por temperatura, en unidades en las que un gas ideal da %1', n(1, 2));
  };

  const redraw = () => {
    const stats = gas.idealGasRatio();
    if (stats.state !== 'shown') {
      ratio.textContent = t(why[stats.state]);
      return;
    }
    const p = gas.sinceChange('pressure');
    const temp = gas.sinceChange('temperature');
    ratio.textContent = `${t('Desde el último cambio: Presión media %1 ± %2, Temperatura media %3 ± %4',
      n(p.mean, 1), n(p.spread, 1), n(temp.mean, 3), n(temp.spread, 3))}\n${
      t('P·V / (N·T) = %1 ± %2   (un gas ideal da %3; media y desviación de las lecturas desde el último cambio: %4)',
        n(stats.mean, 2), n(stats.spread, 2), n(1, 2), stats.n)}`;
  };
  return { nodes: [title, ratio], hints: [ratioHint], retext, redraw };
}

// When to draw: only while shown, when there is something new, at most
// five times a second while the gas runs; at once when stopped, shown or
// asked for.
function scheduleDraws(root, app, speeds, histories) {
  const gas = app.gas;
  let pendingSpeeds = true;
  let pendingHistory = true;
  let lastDraw = -Infinity;
  let samplesSeen = -1;
  const visible = () => !root.hidden && root.isConnected
    && (root.checkVisibility ? root.checkVisibility() : true);
  const draw = (force) => {
    if (!visible()) return;
    const now = performance.now();
    if (!force && app.running && now - lastDraw < REDRAW_MS) return;
    lastDraw = now;
    if (pendingSpeeds || force) speeds.redraw();
    if (pendingHistory || force) histories.redraw();
    pendingSpeeds = false;
    pendingHistory = false;
  };

  app.on('readings', () => { pendingHistory = true; });
  app.on('change', (what) => {
    // A change in "Procesos" is a change like the panel's, which the
    // readings carry themselves.
    if (what === 'process') gas.markChange();
    pendingSpeeds = true;
    pendingHistory = true;
  });
  app.on('frame', () => {
    const count = gas.speedSampleCount;
    if (count !== samplesSeen) {
      samplesSeen = count;
      pendingSpeeds = true;
    }
    if (pendingSpeeds || pendingHistory) draw(false);
  });
  // Stopped within the fifth of a second after a redraw: what came since.
  app.on('running', (running) => { if (!running) draw(true); });
  app.on('open', (what) => { if (what === 'graficas') draw(true); });
  // Shown by whoever un-hides it: drawn at once.
  new MutationObserver(() => { if (!root.hidden) draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });
  return draw;
}

export function mountGraphs(root, app) {
  const gas = app.gas;
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const n = (x, d) => app.number(x, d);

  root.classList.add('instrument');
  const heading = element('h2');
  heading.id = 'graficas-title';
  root.setAttribute('aria-labelledby', heading.id);
  const speeds = buildSpeeds(app, t, n);
  const histories = buildHistories(app, t, n);
  const law = buildLaw(app, t, n);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda la historia de las lecturas en un archivo CSV' },
    save: (dialect) => download(t('lecturas.csv'), gas.readingsCsv(dialect)),
  });
  const png = pngControls(app, () => [...speeds.charts, ...histories.charts]);
  exporter.root.prepend(png.root);
  root.append(heading, ...speeds.nodes, ...histories.nodes, ...law.nodes, ...law.hints, ...speeds.hints,
    exporter.root);
  // The ratio is drawn with the histories: both follow the readings.
  const withRatio = { redraw: () => { histories.redraw(); law.redraw(); } };

  const retext = () => {
    heading.textContent = t('Gráficas');
    for (const part of [speeds, histories, law, exporter, png]) part.retext();
  };
  const draw = scheduleDraws(root, app, speeds, withRatio);
  app.on('language', () => { retext(); draw(true); });
  retext();
  return { draw };
}
