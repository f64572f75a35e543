// "Difusión": two species in the gas, the divider and its hole, the heavy
// particle and the traced one, with what they show against kinetic theory:
// the counts on each side, the effusion rates (Graham's law), the free
// paths' distribution and mean, the mean-square displacement and its D, the
// heavy particle's speeds (their mean square and distribution against
// Maxwell–Boltzmann at kT/M); "Exportar CSV" of the core's samples
// of the counts and rates. It draws only while shown,
// at most five times a second; at rest it does nothing.
import './instruments.css';
import { Chart, axisCeil, roundRange, roundStep, speedDistribution } from './charts.js';
import { download, exportControls } from './download.js';
import { typedNumber } from './processes.js';
import { classed, redrawer } from './dom.js';

const CONTEXT = 'DiffusionWindow';
const REDRAW_MS = 200;
const CHART_POINTS = 300;
const CLASSIC_RADIUS = 1.5;

const NAVY = '#000080';
const RED = 'rgb(192, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';
const MAGENTA = 'rgb(176, 0, 176)';

// At most `most` points of a long series, evenly, the last one kept.
function thin(points, most) {
  if (points.length <= most) return points;
  const stride = Math.ceil(points.length / most);
  return points.filter((_, k) => (points.length - 1 - k) % stride === 0);
}

let made = 0;

export function mountDiffusion(root, app) {
  const gas = app.gas;
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const n = (x, d) => app.number(x, d);

  root.classList.add('instrument');
  const heading = classed('h2');
  heading.id = 'difusion-title';
  root.setAttribute('aria-labelledby', heading.id);

  // ---- the settings ------------------------------------------------------
  const grid = classed('div', 'process-grid');
  const columns = [classed('div', 'process-column'), classed('div', 'process-column')];
  grid.append(...columns);
  const fields = [];
  const field = (control, source, help, column) => {
    const id = `difusion-${++made}`;
    const label = classed('label');
    label.htmlFor = id;
    control.id = id;
    const hint = classed('span', 'visually-hidden');
    hint.id = `${id}-hint`;
    control.setAttribute('aria-describedby', hint.id);
    const cell = classed('div', 'process-field');
    cell.append(label, control, hint);
    columns[column].append(cell);
    fields.push({ label, hint, source, help });
    return control;
  };
  // A number box: either decimal sign, kept within its range when left.
  const box = (value, lo, hi, decimals, source, help, column) => {
    const input = classed('input');
    input.type = 'text';
    input.inputMode = decimals ? 'decimal' : 'numeric';
    input.autocomplete = 'off';
    input.size = 7;
    const b = { input, value, lo, hi, decimals };
    b.show = () => { input.value = n(b.value, decimals); };
    b.take = () => {
      const v = typedNumber(input.value);
      if (v !== null && Number.isFinite(v)) b.value = Number(Math.min(hi, Math.max(lo, v)).toFixed(decimals));
      b.show();
    };
    input.addEventListener('change', b.take);
    input.addEventListener('keydown', (e) => { if (e.key === 'Enter') b.take(); });
    field(input, source, help, column);
    return b;
  };
  const aCount = box(200, 0, 500, 0, 'Partículas A', 'Partículas de la especie A, de masa 1', 0);
  const aRadius = box(1.5, 0.1, 10, 2, 'Radio de A', 'En longitudes de la caja', 0);
  const bCount = box(200, 0, 500, 0, 'Partículas B', 'Partículas de la especie B; A y B juntas, hasta 500', 0);
  const bMass = box(4, 1, 100, 2, 'Masa de B', 'En masas de A, de 1 a 100', 0);
  const bRadius = box(1.5, 0.1, 10, 2, 'Radio de B', 'En longitudes de la caja', 0);
  const divider = classed('select');
  for (const value of ['none', 'solid', 'hole']) {
    const option = classed('option');
    option.value = value;
    divider.append(option);
  }
  divider.value = 'solid';
  field(divider, 'Pared en medio', 'Sólida: A a la izquierda y B a la derecha; con agujero: las dos a la izquierda y la derecha vacía', 1);
  const hole = box(20, 1, 100, 1, 'Lado del agujero', 'El agujero es un cuadrado de este lado', 1);
  const heavyMass = box(0, 0, 1000, 0, 'Masa de la partícula pesada', '0: ninguna; hasta 1000 masas de A: movimiento browniano', 1);
  const heavyRadius = box(5, 0.1, 10, 2, 'Radio de la partícula pesada', 'Hasta 10 longitudes de la caja', 1);
  const traced = box(1, 0, 500, 0, 'Partícula trazada', 'El número de la partícula cuya traza se dibuja; 0: ninguna', 1);
  const boxes = [aCount, aRadius, bCount, bMass, bRadius, hole, heavyMass, heavyRadius, traced];
  traced.input.addEventListener('change', () => {
    if (!gas.mixture) return;
    gas.setTraced(traced.value);
    traced.value = gas.traced;
    traced.show();
    app.changed('traced');
  });

  const button = (source, help) => {
    const b = classed('button');
    b.type = 'button';
    const hint = classed('span', 'visually-hidden');
    hint.id = `difusion-${++made}`;
    b.setAttribute('aria-describedby', hint.id);
    fields.push({ label: b, hint, source, help });
    return [b, hint];
  };
  const [apply, applyHint] = button('Aplicar', 'Empieza la mezcla con estos valores; el émbolo queda fijo y sin baño');
  const [remove, removeHint] = button('Quitar la pared', 'Quita la pared de en medio: los gases se mezclan');
  const [back, backHint] = button('Volver al gas clásico', 'Termina la mezcla: el gas de siempre, con las partículas del panel de control');
  const actions = classed('div', 'ledger-row');
  actions.append(apply, remove, back, applyHint, removeHint, backHint);
  const experiment = classed('p', 'state');
  const notice = classed('p', 'note');
  notice.setAttribute('role', 'status');

  // ---- the figures and the charts ----------------------------------------
  const figures = classed('output', 'figure legend-text');
  figures.tabIndex = 0;
  const chartOf = (height) => {
    const host = classed('div', 'chart-host');
    return { host, chart: new Chart(host, { height }), title: classed('h3') };
  };
  const sides = chartOf(150);
  const rates = chartOf(150);
  const paths = chartOf(150);
  const msd = chartOf(150);
  const speeds = chartOf(150);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda las partículas a cada lado y la efusión frente al tiempo en un archivo CSV' },
    save: (dialect) => download(t('difusion.csv'), gas.sideSamplesCsv(dialect)),
  });
  root.append(heading, grid, actions, experiment, notice, figures,
    sides.title, sides.host, rates.title, rates.host, paths.title, paths.host, msd.title, msd.host,
    speeds.title, speeds.host, exporter.root);

  const enable = () => {
    const on = gas.mixture;
    remove.disabled = !gas.dividerUp;
    back.disabled = !on;
    traced.input.disabled = !on;
    hole.input.disabled = divider.value !== 'hole';
    heavyRadius.input.disabled = !(heavyMass.value > 0);
  };
  divider.addEventListener('change', enable);
  heavyMass.input.addEventListener('change', enable);

  let refused = false;
  apply.addEventListener('click', () => {
    for (const b of boxes) b.take();
    const ok = gas.setMixture({
      aCount: aCount.value, aRadius: aRadius.value, bCount: bCount.value, bMass: bMass.value,
      bRadius: bRadius.value, divider: divider.value, holeSide: hole.value,
      heavyMass: heavyMass.value, heavyRadius: heavyRadius.value });
    refused = !ok;
    if (ok) {
      // The boxes show what the gas took.
      const m = gas.mixtureSettings();
      for (const [b, v] of [[aCount, m.aCount], [aRadius, m.aRadius], [bCount, m.bCount], [bMass, m.bMass],
        [bRadius, m.bRadius], [hole, m.holeSide], [heavyMass, m.heavyMass], [heavyRadius, m.heavyRadius]]) {
        b.value = Number(v.toFixed(b.decimals));
        b.show();
      }
      traced.value = gas.traced;
      traced.show();
      app.changed('mixture');
    }
    retextState();
    enable();
    draw(true);
  });
  remove.addEventListener('click', () => {
    gas.removeDivider();
    app.changed('divider');
    retextState();
    enable();
    draw(true);
  });
  back.addEventListener('click', () => {
    gas.endMixture(app.panelCount ? app.panelCount() : 50);
    app.changed('mixture');
    retextState();
    enable();
    draw(true);
  });

  // ---- texts -------------------------------------------------------------
  // What the settings set up, as the desktop's window says it.
  const experimentText = () => {
    if (!gas.mixture) return t('El gas clásico: elija las especies y la pared, y pulse «Aplicar».');
    const m = gas.mixtureSettings();
    if (m.divider === 'solid') return t('Difusión: A empieza a la izquierda y B a la derecha de la pared; quítela y mire cómo se mezclan.');
    if (m.divider === 'hole') return t('Efusión (ley de Graham): A y B empiezan a la izquierda y la derecha está vacía; pasan por el agujero.');
    if (m.heavyMass > 0) return t('Movimiento browniano: una partícula pesada entre las ligeras.');
    return t('Camino libre medio y paseo al azar: las partículas repartidas por toda la caja.');
  };
  const retextState = () => {
    experiment.textContent = experimentText();
    notice.textContent = refused
      ? (gas.refusedHalf ? t('Las esferas llenarían más del 30 % de su mitad de la caja: el gas no cambia.')
        : t('Las esferas llenarían más del 30 % de la caja: el gas no cambia.'))
      : gas.mixture ? t('Con la mezcla el émbolo queda fijo y sin baño (su física supone masas iguales); la temperatura sí se puede cambiar.')
        : '';
    notice.hidden = !notice.textContent;
  };
  const retext = () => {
    heading.textContent = t('Difusión');
    for (const f of fields) {
      f.label.textContent = t(f.source);
      f.hint.textContent = t(f.help);
    }
    ['Ninguna', 'Sólida', 'Con agujero'].forEach((text, i) => { divider.options[i].textContent = t(text); });
    for (const b of boxes) b.show();
    figures.setAttribute('aria-label', t('Lo medido frente a la teoría cinética'));
    sides.title.textContent = t('Partículas a cada lado');
    rates.title.textContent = t('Efusión por el agujero');
    paths.title.textContent = t('Caminos libres');
    msd.title.textContent = t('Desplazamiento cuadrático medio');
    speeds.title.textContent = t('Rapidez de la partícula pesada');
    for (const c of [sides, rates, paths, msd, speeds]) {
      c.chart.setName(c.title.textContent);
      c.chart.number = n;
    }
    exporter.retext();
    retextState();
  };

  // The figures, measured against theory, as the desktop's window lists
  // them; "—" where one has no value yet.
  const figuresText = () => {
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
    if (m.divider !== 'none') {
      lines.push(f.mixTime !== null
        ? t('Tiempo de mezcla (cada especie a menos del 10 % del reparto igual): %1', n(f.mixTime, 1))
        : t('Tiempo de mezcla: aún no mezclados'));
    }
    return lines.join('\n');
  };

  // ---- the charts --------------------------------------------------------
  const timeAxis = (points) => {
    const last = points.length ? points[points.length - 1][0] : 1;
    const hi = Math.max(1, roundRange(0, last)[1]);
    return { lo: 0, hi, step: roundStep(hi), label: t('Tiempo') };
  };
  const yAxis = (top, label) => {
    const hi = top > 0 ? roundRange(0, top)[1] : 1;
    return { lo: 0, hi, step: roundStep(hi), label };
  };
  const drawCharts = () => {
    const shown = thin(gas.sideSamples(), CHART_POINTS);
    const line = (key) => shown.map((s) => [s.t, s[key]]);
    const m = gas.mixture ? gas.mixtureSettings() : null;
    const counts = [['aLeft', NAVY, 'A izquierda', []], ['aRight', NAVY, 'A derecha', [6, 4]],
      ['bLeft', MAGENTA, 'B izquierda', []], ['bRight', MAGENTA, 'B derecha', [6, 4]]]
      .filter(([key]) => !m || m.bCount > 0 || key[0] === 'a');
    const top = Math.max(1, ...shown.map((s) => Math.max(s.aLeft, s.aRight, s.bLeft, s.bRight)));
    const anyPoints = line('aLeft');
    sides.chart.draw({
      x: timeAxis(anyPoints), y: yAxis(top, t('Partículas')),
      series: counts.map(([key, colour, label, dash]) => ({
        points: line(key), colour, dash: dash.length ? dash : undefined, label: t(label) })) });
    const rateTop = Math.max(0, ...shown.map((s) => Math.max(s.rateA, s.rateB)));
    rates.chart.draw({
      x: timeAxis(anyPoints), y: yAxis(rateTop, t('Por partícula y tiempo')),
      series: [{ points: line('rateA'), colour: NAVY, label: t('A') }, { points: line('rateB'), colour: MAGENTA, label: t('B') }] });

    const f = gas.mixture ? gas.figures() : {};
    const h = gas.mixture ? gas.pathChart() : null;
    // As a density: the share of paths per unit length, in steps, beside
    // the exponential of the measured mean free path, and λ marked.
    const density = h ? h.density : [];
    let last = density.length;
    while (last > 1 && density[last - 1] === 0) --last;
    const step = [];
    const curve = [];
    for (let k = 0; k < last; ++k) {
      step.push([k * h.width, density[k]], [(k + 1) * h.width, density[k]]);
      curve.push([(k + 0.5) * h.width, h.theory[k]]);
    }
    const lambda = f.meanFreePath ?? null;
    const xHi = Math.max(h ? h.width : 1, last * (h ? h.width : 1), lambda ? 2 * lambda : 0);
    const dTop = Math.max(0, ...step.map((p) => p[1]), ...curve.map((p) => p[1]));
    const series = [{ points: step, colour: NAVY, fill: 'rgba(0, 0, 128, 0.15)', label: t('Medidos') }];
    if (curve.length) series.push({ points: curve, colour: RED, dash: [6, 4], label: t('Exponencial de la media') });
    if (lambda && curve.length) series.push({ points: [[lambda, 0], [lambda, dTop]], colour: GREEN, dash: [2, 3], label: t('λ') });
    paths.chart.draw({ x: { lo: 0, hi: roundRange(0, xHi)[1], step: roundStep(xHi), label: t('Longitud') },
      y: yAxis(dTop, t('Densidad')), series });

    const points = gas.mixture ? gas.msd() : [];
    // The fitted line over the lags it was fitted to.
    const fitLine = f.diffusion !== null && f.diffusion !== undefined && points.length
      ? [f.fitFrom, f.fitTo].map((lag) => [lag, 6 * f.diffusion * lag + f.fitIntercept]) : [];
    const msdTop = Math.max(0, ...points.map((p) => p[1]));
    msd.chart.draw({ x: timeAxis(points), y: yAxis(msdTop, t('Distancia al cuadrado')),
      series: [{ points, colour: NAVY, label: t('Medido') },
        { points: fitLine, colour: GREEN, dash: [6, 4], label: t('Recta ajustada') }] });
    drawSpeeds(m, f);
  };

  // The heavy particle's speeds as bars (binned as "Gráficas" bins), beside
  // Maxwell–Boltzmann at the gas's kT over its mass.
  const drawSpeeds = (m, f) => {
    const count = m && m.heavyMass > 0 ? gas.heavySpeedCount : 0;
    const s2 = count > 0 && f.kT > 0 ? f.kT / m.heavyMass : 0;
    if (!(s2 > 0)) {
      speeds.chart.setDescription(t('Sin partícula pesada: elija su masa y pulse «Aplicar».'));
      speeds.chart.draw({ x: { lo: 0, hi: 1, step: 0.25, label: t('Rapidez') },
        y: { lo: 0, hi: 1, step: 0.25, label: t('Densidad') }, series: [] });
      return;
    }
    const bins = Math.min(30, Math.max(8, Math.round(Math.sqrt(count))));
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
  };

  // ---- when to draw ------------------------------------------------------
  const redraw = redrawer(root, app, REDRAW_MS, () => {
  figures.textContent = figuresText();
  retextState();
  drawCharts();
  });
  function draw(force) { redraw.draw(force); }
  app.on('frame', (ticks) => {
    if (ticks > 0 && gas.mixture) redraw.mark();
    if (redraw.pending) draw(false);
  });
  app.on('change', () => { redraw.mark(); enable(); });
  app.on('running', (running) => { if (!running && redraw.pending) draw(true); });
  app.on('language', () => { retext(); draw(true); });
  app.on('open', (what) => { if (what === 'difusion') draw(true); });
  new MutationObserver(() => { if (!root.hidden) draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });

  retext();
  enable();
  app.diffusion = { draw };
  return app.diffusion;
}
