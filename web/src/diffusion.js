// "Difusión": two species in the gas, the divider and its hole, the heavy
// particle and the traced one, with what they show against kinetic theory:
// the counts on each side, the effusion rates (Graham's law), the free
// paths' distribution and mean, the mean-square displacement and its D, the
// heavy particle's mean square speed; "Exportar CSV" of the core's samples
// of the counts and rates. It draws only while shown,
// at most five times a second; at rest it does nothing.
import './instruments.css';
import { Chart, roundRange, roundStep } from './charts.js';
import { download, exportControls } from './download.js';
import { typedNumber } from './processes.js';

const CONTEXT = 'DiffusionWindow';
const REDRAW_MS = 200;
const CHART_POINTS = 300;
const CLASSIC_RADIUS = 1.5;

const NAVY = '#000080';
const RED = 'rgb(192, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';
const MAGENTA = 'rgb(176, 0, 176)';

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

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
  const heading = element('h2');
  heading.id = 'difusion-title';
  root.setAttribute('aria-labelledby', heading.id);

  // ---- the settings ------------------------------------------------------
  const grid = element('div', 'process-grid');
  const columns = [element('div', 'process-column'), element('div', 'process-column')];
  grid.append(...columns);
  const fields = [];
  const field = (control, source, help, column) => {
    const id = `difusion-${++made}`;
    const label = element('label');
    label.htmlFor = id;
    control.id = id;
    const hint = element('span', 'visually-hidden');
    hint.id = `${id}-hint`;
    control.setAttribute('aria-describedby', hint.id);
    const cell = element('div', 'process-field');
    cell.append(label, control, hint);
    columns[column].append(cell);
    fields.push({ label, hint, source, help });
    return control;
  };
  // A number box: either decimal sign, kept within its range when left.
  const box = (value, lo, hi, decimals, source, help, column) => {
    const input = element('input');
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
  const aCount = box(200, 0, 500, 0, 'Partículas A', 'Especie A: masa 1, en amarillo; de 0 a 500 con las de B', 0);
  const aRadius = box(1.5, 0.1, 10, 2, 'Radio de A', 'De 0,1 a 10 longitudes de la caja', 0);
  const bCount = box(200, 0, 500, 0, 'Partículas B', 'Especie B, en magenta; A y B suman a lo sumo 500', 0);
  const bMass = box(4, 1, 100, 2, 'Masa de B', 'De 1 a 100 masas de partícula', 0);
  const bRadius = box(1.5, 0.1, 10, 2, 'Radio de B', 'De 0,1 a 10 longitudes de la caja', 0);
  const divider = element('select');
  for (const value of ['none', 'solid', 'hole']) {
    const option = element('option');
    option.value = value;
    divider.append(option);
  }
  divider.value = 'solid';
  field(divider, 'Pared', 'Sólida: A a la izquierda y B a la derecha; con agujero: las dos a la izquierda, que salen por él', 1);
  const hole = box(20, 1, 100, 1, 'Lado del agujero', 'El lado del agujero cuadrado en el centro de la pared', 1);
  const heavyMass = box(0, 0, 1000, 0, 'Masa de la partícula pesada', '0: sin partícula pesada; de 1 a 1000 masas de partícula', 1);
  const heavyRadius = box(5, 0.1, 10, 2, 'Radio de la partícula pesada', 'De 0,1 a 10 longitudes de la caja', 1);
  const traced = box(1, 0, 500, 0, 'Partícula trazada', 'El número de la partícula cuya traza se dibuja; 0 ninguna', 1);
  const boxes = [aCount, aRadius, bCount, bMass, bRadius, hole, heavyMass, heavyRadius, traced];
  traced.input.addEventListener('change', () => {
    if (!gas.mixture) return;
    gas.setTraced(traced.value);
    traced.value = gas.traced;
    traced.show();
    app.changed('traced');
  });

  const button = (source, help) => {
    const b = element('button');
    b.type = 'button';
    const hint = element('span', 'visually-hidden');
    hint.id = `difusion-${++made}`;
    b.setAttribute('aria-describedby', hint.id);
    fields.push({ label: b, hint, source, help });
    return [b, hint];
  };
  const [apply, applyHint] = button('Aplicar', 'Un gas nuevo con estas especies, la pared y la partícula pesada');
  const [remove, removeHint] = button('Quitar la pared', 'Las especies empiezan a mezclarse desde ahora');
  const [back, backHint] = button('Volver al gas clásico', 'El gas clásico con el número de partículas del panel');
  const actions = element('div', 'ledger-row');
  actions.append(apply, remove, back, applyHint, removeHint, backHint);
  const experiment = element('p', 'state');
  const notice = element('p', 'note');
  notice.setAttribute('role', 'status');

  // ---- the figures and the charts ----------------------------------------
  const figuresTitle = element('h3');
  const figures = element('output', 'figure legend-text');
  figures.tabIndex = 0;
  const chartOf = (height) => {
    const host = element('div', 'chart-host');
    return { host, chart: new Chart(host, { height }), title: element('h3') };
  };
  const sides = chartOf(150);
  const rates = chartOf(150);
  const paths = chartOf(150);
  const msd = chartOf(150);
  const exporter = exportControls(app, {
    description: { context: CONTEXT, text: 'Guarda las partículas de cada lado y las tasas de efusión en el tiempo en un archivo CSV' },
    save: (dialect) => download(t('difusion.csv'), gas.sideSamplesCsv(dialect)),
  });
  root.append(heading, grid, actions, experiment, notice, figuresTitle, figures,
    sides.title, sides.host, rates.title, rates.host, paths.title, paths.host, msd.title, msd.host,
    exporter.root);

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
  const experimentText = () => {
    if (!gas.mixture) return t('Gas clásico: «Aplicar» pone las dos especies en el gas.');
    const m = gas.mixtureSettings();
    let text = m.divider === 'solid'
      ? (gas.dividerUp ? t('Difusión: A empieza a la izquierda y B a la derecha; «Quitar la pared» los deja mezclarse.')
        : t('Difusión: sin la pared, A y B se mezclan.'))
      : m.divider === 'hole'
        ? t('Efusión: las dos especies empiezan a la izquierda y pasan por el agujero a la derecha, vacía al principio.')
        : t('Mezcla: las dos especies por toda la caja.');
    if (m.heavyMass > 0) text += ` ${t('Movimiento browniano: una partícula pesada entre las demás.')}`;
    return text;
  };
  const retextState = () => {
    experiment.textContent = experimentText();
    notice.textContent = refused
      ? t('Las esferas llenarían más del 30 % de la caja: el gas no cambia.')
      : gas.mixture ? t('Con la mezcla, el número de partículas del panel y los procesos del émbolo esperan: su física toma partículas de masa 1.')
        : '';
  };
  const retext = () => {
    heading.textContent = t('Difusión');
    for (const f of fields) {
      f.label.textContent = t(f.source);
      f.hint.textContent = t(f.help);
    }
    ['Ninguna', 'Sólida', 'Con agujero'].forEach((text, i) => { divider.options[i].textContent = t(text); });
    for (const b of boxes) b.show();
    figuresTitle.textContent = t('Medido frente a la teoría');
    sides.title.textContent = t('Partículas en cada lado');
    rates.title.textContent = t('Tasas de efusión por partícula a la izquierda');
    paths.title.textContent = t('Distribución de los caminos libres');
    msd.title.textContent = t('Desplazamiento cuadrático medio');
    for (const c of [sides, rates, paths, msd]) {
      c.chart.setName(c.title.textContent);
      c.chart.number = n;
    }
    exporter.retext();
    retextState();
  };

  // A figure against theory, "—" where it does not apply yet.
  const pair = (measured, theory, decimals) => [
    measured === null ? '—' : n(measured, decimals), theory === null ? '—' : n(theory, decimals)];
  const figuresText = () => {
    if (!gas.mixture) return t('Sin mezcla no hay cifras: «Aplicar» empieza una.');
    const f = gas.figures();
    const lines = [
      t('Camino libre medio λ = %1 (teoría %2)', ...pair(f.meanFreePath, f.meanFreePathTheory, 2)),
      t('Choques por partícula y unidad de tiempo z = %1 (teoría %2)', ...pair(f.collisionRate, f.collisionRateTheory, 4)),
      t('Factor de Enskog χ = %1; las esferas llenan el %2 % del volumen', ...pair(f.chi, f.packing === null ? null : 100 * f.packing, 3)),
    ];
    if (gas.mixtureSettings().bCount > 0) {
      lines.push(t('Efusión A/B = %1 (Graham √(m_B/m_A) = %2)', ...pair(f.effusionRatio, f.graham, 3)));
    }
    lines.push(t('Coeficiente de difusión D = %1 ± %2 (teoría %3)',
      f.diffusion === null ? '—' : n(f.diffusion, 3), f.diffusionError === null ? '—' : n(f.diffusionError, 3),
      f.diffusionTheory === null ? '—' : n(f.diffusionTheory, 3)));
    if (gas.mixtureSettings().heavyMass > 0) {
      lines.push(t('Partícula pesada: ⟨v²⟩ = %1 (teoría 3kT/M = %2)', ...pair(f.heavyV2, f.heavyV2Theory, 3)));
    }
    if (!gas.collisions) lines.push(t('Con «Colisiones» en NO no hay choques entre partículas.'));
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
      series: counts.map(([key, colour, label, dash]) => ({ points: line(key), colour, dash, label: t(label) })) });
    const rateTop = Math.max(0, ...shown.map((s) => Math.max(s.rateA, s.rateB)));
    rates.chart.draw({
      x: timeAxis(anyPoints), y: yAxis(rateTop, t('Por unidad de tiempo')),
      series: [{ points: line('rateA'), colour: NAVY, label: t('A') }, { points: line('rateB'), colour: MAGENTA, label: t('B') }] });

    const f = gas.mixture ? gas.figures() : {};
    const h = gas.pathHistogram();
    const total = h.counts.reduce((a, b) => a + b, 0);
    // As a density: the share of paths per unit length, in steps; the last
    // bin (the longer ones too) left out of the drawing.
    const bins = h.counts.slice(0, -1);
    let last = bins.length;
    while (last > 1 && bins[last - 1] === 0) --last;
    const step = [];
    for (let k = 0; k < last; ++k) {
      const d = total > 0 ? bins[k] / (total * h.width) : 0;
      step.push([k * h.width, d], [(k + 1) * h.width, d]);
    }
    const lambda = f.meanFreePathTheory ?? null;
    const xHi = Math.max(h.width, lambda ? 5 * lambda : 0, last * h.width);
    const curve = [];
    if (lambda) for (let k = 0; k <= 80; ++k) { const x = (xHi * k) / 80; curve.push([x, Math.exp(-x / lambda) / lambda]); }
    const dTop = Math.max(0, ...step.map((p) => p[1]), ...curve.map((p) => p[1]));
    const series = [{ points: step, colour: NAVY, fill: 'rgba(0, 0, 128, 0.15)', label: t('Medida') }];
    if (curve.length) series.push({ points: curve, colour: RED, dash: [6, 4], label: t('exp(−x/λ)/λ, λ de la teoría') });
    if (f.meanFreePath) series.push({ points: [[f.meanFreePath, 0], [f.meanFreePath, dTop]], colour: GREEN, label: t('Media medida') });
    paths.chart.draw({ x: { lo: 0, hi: roundRange(0, xHi)[1], step: roundStep(xHi), label: t('Camino libre') },
      y: yAxis(dTop, t('Densidad')), series });

    const points = gas.mixture ? gas.msd() : [];
    const fitLine = [];
    if (f.diffusion && points.length) {
      // The fitted slope through the later half's mean point.
      const half = points.slice(Math.floor(points.length / 2));
      const mt = half.reduce((a, p) => a + p[0], 0) / half.length;
      const mm = half.reduce((a, p) => a + p[1], 0) / half.length;
      const c = mm - 6 * f.diffusion * mt;
      fitLine.push([0, c], [points[points.length - 1][0], c + 6 * f.diffusion * points[points.length - 1][0]]);
    }
    const theoryLine = f.diffusionTheory && points.length
      ? [[0, 0], [points[points.length - 1][0], 6 * f.diffusionTheory * points[points.length - 1][0]]] : [];
    const msdTop = Math.max(0, ...points.map((p) => p[1]));
    msd.chart.draw({ x: timeAxis(points), y: yAxis(msdTop, t('MSD')),
      series: [{ points, colour: NAVY, label: t('Medido') },
        { points: fitLine, colour: GREEN, dash: [6, 4], label: t('Ajuste 6·D·t') },
        { points: theoryLine, colour: RED, dash: [2, 3], label: t('Teoría 6·D·t') }] });
  };

  // ---- when to draw ------------------------------------------------------
  let pending = true;
  let lastDraw = -Infinity;
  const visible = () => !root.hidden && root.isConnected
    && (root.checkVisibility ? root.checkVisibility() : true);
  function draw(force) {
    if (!visible()) return;
    const now = performance.now();
    if (!force && app.running && now - lastDraw < REDRAW_MS) return;
    if (!pending && !force) return;
    lastDraw = now;
    pending = false;
    figures.textContent = figuresText();
    retextState();
    drawCharts();
  }
  app.on('frame', (ticks) => {
    if (ticks > 0 && gas.mixture) pending = true;
    if (pending) draw(false);
  });
  app.on('change', () => { pending = true; enable(); });
  app.on('running', (running) => { if (!running && pending) draw(true); });
  app.on('language', () => { retext(); draw(true); });
  app.on('open', (what) => { if (what === 'difusion') draw(true); });
  new MutationObserver(() => { if (!root.hidden) draw(true); })
    .observe(root, { attributes: true, attributeFilter: ['hidden'] });

  retext();
  enable();
  app.diffusion = { draw };
  return app.diffusion;
}
