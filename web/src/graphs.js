// "Gráficas": the speed distribution against Maxwell–Boltzmann, the history
// of the readings with the changes marked, the ideal-gas check with the
// mean pressure and temperature since the last change, and "Exportar CSV".
// It records every reading from the start, shown or not, and draws only
// while shown, when there is something new, at most five times a second
// while the gas runs (the desktop's pace); at rest it does nothing.
import './instruments.css';
import { Chart, axisCeil, speedDistribution } from './charts.js';
import { ReadingLog } from './readinglog.js';
import { download, exportControls } from './download.js';
import { classed as element, hint } from './dom.js';

const CONTEXT = 'GraphsWindow';
const SAMPLE_EVERY = 50;      // ticks between the core's speed snapshots
const READING_EVERY = 200;    // ticks between readings
const HISTORY_READINGS = 900; // readings drawn: 3 minutes at 1000 ticks/s
const HISTORY_POINTS = 150;   // points per history chart at most
const REDRAW_MS = 200;        // at most five redraws a second while running
const CURVE_POINTS = 80;

const NAVY = '#000080';
const RED = 'rgb(192, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';

// The points of a history chart, as the desktop thins them: at most
// HISTORY_POINTS, each the mean of a few consecutive readings, never across a
// change, at the time of the newest of them (counted back from the newest
// reading, which always ends the line); a change's mark half-way between
// the two readings it falls between.
export function historyPoints(all, changes, field) {
  const first = Math.max(0, all.length - HISTORY_READINGS);
  const perPoint = Math.max(1, Math.ceil((all.length - first) / HISTORY_POINTS));
  const points = [];
  const marks = [];
  let sum = 0;
  let summed = 0;
  let lowest = first < all.length ? all[first][field] : 0;
  let highest = lowest;
  const flush = (time) => {
    if (summed > 0) points.push([time, sum / summed]);
    sum = 0;
    summed = 0;
  };
  let next = changes.findIndex((c) => c > first);
  if (next < 0) next = changes.length;
  for (let i = first; i < all.length; ++i) {
    if (next < changes.length && changes[next] === i) {
      flush(all[i - 1].time);
      marks.push((all[i - 1].time + all[i].time) / 2);
      ++next;
    }
    const v = all[i][field];
    sum += v;
    ++summed;
    lowest = Math.min(lowest, v);
    highest = Math.max(highest, v);
    if ((all.length - 1 - i) % perPoint === 0) flush(all[i].time);
  }
  return { points, marks, first, lowest, highest };
}

// The axes of a history chart: time in round steps around the readings,
// values from zero to a round value above the highest.
function historyAxes(points) {
  if (points.length === 0) {
    return { x: { lo: 0, hi: READING_EVERY * 0.1, step: 5 }, y: { lo: 0, hi: 1, step: 0.5 } };
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

export function mountGraphs(root, app) {
  const gas = app.gas;
  const log = new ReadingLog();
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const n = (x, d) => app.number(x, d);

  root.classList.add('instrument');
  const heading = element('h2');
  heading.id = 'graficas-title';
  root.setAttribute('aria-labelledby', heading.id);

  // The distribution, with its distance beside it.
  const speedTitle = element('h3');
  const speedRow = element('div', 'speed-row');
  const speedHost = element('div', 'chart-host');
  const speedChart = new Chart(speedHost, { height: 190 });
  const side = element('div', 'speed-side');
  const ks = element('output', 'figure');
  ks.tabIndex = 0;
  const samples = element('p', 'small');
  const legend = element('p', 'small legend-text');
  const speedState = element('p', 'state');
  side.append(ks, samples, legend, speedState);
  speedRow.append(speedHost, side);
  const note = element('p', 'note');

  // The histories.
  const historyTitle = element('h3');
  const historyState = element('p', 'state');
  const histories = [
    { field: 'pressure', title: 'Presión', colour: NAVY },
    { field: 'temperature', title: 'Temperatura', colour: RED },
    { field: 'energy', title: 'Energía', colour: GREEN },
  ].map((h) => {
    const host = element('div', 'chart-host');
    return { ...h, host, chart: new Chart(host, { height: 110 }) };
  });

  // The ideal-gas check and the export.
  const lawTitle = element('h3');
  const ratio = element('output', 'figure ratio');
  ratio.tabIndex = 0;
  const ratioHint = hint('graficas-ratio-hint', ratio);
  const ksHint = hint('graficas-ks-hint', ks);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda la historia de las lecturas en un archivo CSV' },
    save: (dialect) => download(t('lecturas.csv'), gas.readingsCsv(dialect)),
  });
  root.append(heading, speedTitle, speedRow, note, historyTitle, historyState,
    ...histories.map((h) => h.host), lawTitle, ratio, ratioHint, ksHint, exporter.root);

  // ---- the texts that do not change with the data -----------------------
  const retext = () => {
    heading.textContent = t('Gráficas');
    speedTitle.textContent = t('Distribución de velocidades');
    speedChart.setName(t('Distribución de velocidades'));
    legend.textContent = t('Barras: las muestras.\nCurva roja: Maxwell–Boltzmann con la misma energía media.');
    note.textContent = t('Con «Colisiones» en NO el gas no se termaliza: las velocidades no se acercan a la curva.');
    historyTitle.textContent = t('Historia, frente al tiempo de animación (pasos × %1)', n(0.1, 1));
    for (const h of histories) h.chart.setName(t('%1, historia', t(h.title)));
    lawTitle.textContent = t('Ley de los gases ideales');
    ksHint.textContent = t('Distancia de Kolmogorov–Smirnov entre las rapideces muestreadas y la curva de Maxwell–Boltzmann: cuanto menor, más se parecen');
    ratioHint.textContent = t('Ley de los gases ideales: presión por volumen entre número de partículas por temperatura, en unidades en las que un gas ideal da %1', n(1, 2));
    exporter.retext();
    for (const c of [speedChart, ...histories.map((h) => h.chart)]) c.number = n;
  };

  // ---- the distribution --------------------------------------------------
  // The speeds' upper end as the desktop takes it: the fastest sample or
  // four spreads, whichever is more, rounded up. The core hands out counts
  // per bin, not the samples: a two-bin count says whether any sample lies
  // beyond four spreads; only then is the fastest looked for.
  const speedUpper = (s2) => {
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
  };

  const emptySpeeds = () => {
    const count = gas.count;
    const samplesNow = gas.speedSampleCount;
    if (count <= 0) return t('No hay partículas: elija cuántas en el Panel de Control.');
    if (!(gas.readouts().energy > 0) || (samplesNow > 0 && !(gas.speedS2() > 0))) {
      return t('Temperatura 0: todas las partículas están en reposo.');
    }
    if (samplesNow === 0) {
      return t('Todavía no hay muestras: se toma una cada %1 pasos de la animación.', SAMPLE_EVERY);
    }
    return '';
  };

  const redrawSpeeds = () => {
    const collisions = gas.collisions;
    note.hidden = collisions;
    const empty = emptySpeeds();
    speedState.textContent = empty;
    speedState.hidden = !empty;
    const count = gas.speedSampleCount;
    const distance = empty ? null : gas.speedKs();
    if (empty || distance === null) {
      ks.textContent = t('Distancia KS: —');
      samples.textContent = '';
      speedChart.setDescription(empty || t('Todavía no hay muestras.'));
      speedChart.draw({ x: { lo: 0, hi: 1, step: 0.25 }, y: { lo: 0, hi: 1, step: 0.25 }, series: [] });
      return;
    }
    const s2 = gas.speedS2();
    const bins = Math.min(30, Math.max(8, Math.round(Math.sqrt(count))));
    const upper = speedUpper(s2);
    const { outline, curve, top } = speedDistribution(gas.speedHistogram(bins, upper), upper,
      (v) => gas.maxwellBoltzmann(v, s2), CURVE_POINTS);
    const steps = Math.round(count / gas.count) * SAMPLE_EVERY;
    const shown = n(distance, 3);
    ks.textContent = t('Distancia KS: %1', shown);
    samples.textContent = t('%1 rapideces de los últimos %2 pasos', count, steps);
    speedChart.setDescription(t('Histograma de %1 rapideces de los últimos %2 pasos, con la curva de Maxwell–Boltzmann de la misma energía media. Distancia KS: %3.', count, steps, shown));
    speedChart.draw({
      x: { lo: 0, hi: upper, step: axisCeil(upper / 5), label: app.t('SpeedChartView', 'rapidez |v| (longitud de caja por unidad de tiempo)') },
      y: { lo: 0, hi: axisCeil(top * 1.1), step: axisCeil(top / 4), label: app.t('SpeedChartView', 'densidad de probabilidad') },
      series: [
        { points: outline, colour: NAVY, width: 1, fill: 'rgb(166, 166, 210)' },
        { points: curve, colour: RED, width: 2 },
      ],
    });
  };

  // ---- the histories and the ratio ---------------------------------------
  const redrawHistories = () => {
    const all = log.readings;
    historyState.hidden = all.length > 0;
    historyState.textContent = all.length ? '' : t('Todavía no hay lecturas: llega una cada %1 pasos de la animación.', READING_EVERY);
    for (const h of histories) {
      const { points, marks, first, lowest, highest } = historyPoints(all, log.changes, h.field);
      h.chart.draw({ title: t(h.title), ...historyAxes(points), series: [{ points, colour: h.colour, width: 1.5 }], marks });
      h.chart.setDescription(all.length === 0 ? t('Todavía no hay lecturas.')
        : t('Lecturas: %1, del tiempo %2 al %3. Última: %4; mínima: %5; máxima: %6. Cambios marcados: %7.',
          all.length - first, n(all[first].time, 1), n(all[all.length - 1].time, 1),
          shownNumber(all[all.length - 1][h.field]), shownNumber(lowest), shownNumber(highest), marks.length));
    }
    redrawRatio();
  };

  // Qt's default number text: six significant digits, no trailing zeros.
  const shownNumber = (x) => Number(x.toPrecision(6)).toLocaleString(app.language === 'es' ? 'es-ES' : 'en-GB',
    { maximumSignificantDigits: 6, useGrouping: false });

  const redrawRatio = () => {
    const stats = log.idealGasRatioSinceChange();
    let text;
    if (log.empty) {
      text = t('P·V / (N·T): todavía no hay lecturas.');
    } else if (stats.n === 0) {
      const last = log.readings[log.readings.length - 1];
      if (last.count <= 0) text = t('P·V / (N·T): no hay partículas.');
      else if (last.wall <= 0) text = t('P·V / (N·T): la pared está en 0, el volumen es nulo.');
      else if (log.zeroTemperature(last.temperature)) text = t('P·V / (N·T): con temperatura 0 no hay presión.');
      else text = t('P·V / (N·T): esperando la segunda lectura desde el último cambio.');
    } else {
      const p = log.sinceChange('pressure');
      const temp = log.sinceChange('temperature');
      text = `${t('Desde el último cambio: Presión media %1 ± %2, Temperatura media %3 ± %4',
        n(p.mean, 1), n(p.spread, 1), n(temp.mean, 3), n(temp.spread, 3))}\n${
        t('P·V / (N·T) = %1 ± %2   (un gas ideal da %3; media y desviación de las lecturas desde el último cambio: %4)',
          n(stats.mean, 2), n(stats.spread, 2), n(1, 2), stats.n)}`;
    }
    ratio.textContent = text;
  };

  // ---- when to draw ------------------------------------------------------
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
    if (pendingSpeeds || force) redrawSpeeds();
    if (pendingHistory || force) redrawHistories();
    pendingSpeeds = false;
    pendingHistory = false;
  };

  app.on('readings', (fresh) => {
    // A log the core started afresh starts the history afresh too.
    const last = log.readings[log.readings.length - 1];
    if (last && fresh.length && fresh[0].tick <= last.tick) log.clear();
    for (const r of fresh) log.append(r);
    pendingHistory = true;
  });
  app.on('change', (what) => {
    // A change in "Procesos" is a change like the panel's, which the
    // readings carry themselves.
    if (what === 'process') log.markChange();
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
  app.on('language', () => { retext(); draw(true); });
  app.on('open', (what) => { if (what === 'graficas') draw(true); });
  // Shown by whoever un-hides it: drawn at once.
  new MutationObserver(() => { if (!root.hidden) draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });

  retext();
  return { log, draw };
}
