// A small chart on a canvas, enough for the instruments: round axes, lines,
// a stepped and filled histogram, markers, vertical marks and a legend.
// Drawn on demand only (no animation loop): the owner calls draw() when its
// data changed and the chart is shown; a new size redraws the last figure.

// The round ceiling of an axis: a multiple of half the value's leading
// decade, less a hair so that 19.999 (200 float steps of 0.1) stays 20.
export function axisCeil(x) {
  if (!(x > 0) || !Number.isFinite(x)) return 1;
  const step = 10 ** Math.floor(Math.log10(x)) / 2;
  return Math.ceil(x / step - 1e-6) * step;
}

// The step of a round axis over a span: half its leading decade.
export function roundStep(span) {
  return 10 ** Math.floor(Math.log10(span)) / 2;
}

// [lo, hi] widened by a twentieth each way and rounded out to round steps;
// a single value gets a span of a tenth of itself.
export function roundRange(lo, hi) {
  let span = hi - lo;
  if (!(span > 1e-9 * Math.max(Math.abs(hi), 1))) {
    span = Math.max(Math.abs(hi), 1) * 0.1;
    lo -= span / 2;
    hi += span / 2;
  }
  lo -= span / 20;
  hi += span / 20;
  const step = roundStep(hi - lo);
  return [Math.max(0, Math.floor(lo / step) * step), Math.ceil(hi / step) * step];
}

// A speed distribution as two series' points: the bars of a density over
// equal bins of 0..upper as an outline from 0 to 0, and the curve
// curveAt(v) at `points` + 1 speeds; `top` the highest point of either.
export function speedDistribution(density, upper, curveAt, points = 120) {
  const width = upper / Math.max(1, density.length);
  const outline = [[0, 0]];
  let top = 0;
  density.forEach((d, b) => {
    outline.push([b * width, d], [(b + 1) * width, d]);
    top = Math.max(top, d);
  });
  outline.push([upper, 0]);
  const curve = [];
  for (let k = 0; k <= points; ++k) {
    const v = (upper * k) / points;
    const f = curveAt(v);
    curve.push([v, f]);
    top = Math.max(top, f);
  }
  return { outline, curve, top };
}

// Ticks over [lo, hi] at `step` from 0 on, with the decimals the step needs.
function ticksOf(lo, hi, step) {
  if (!(step > 0) || !(hi > lo)) return { ticks: [], decimals: 0 };
  let s = step;
  while ((hi - lo) / s > 8) s *= 2;
  // As many decimals as the step has (0.0055 has four), at most six.
  let decimals = Math.max(0, -Math.floor(Math.log10(s) + 1e-9));
  while (decimals < 6 && Math.abs(Math.round(s * 10 ** decimals) - s * 10 ** decimals) > 1e-6) ++decimals;
  const ticks = [];
  // (+ 0: no "-0" at the axis's start)
  for (let k = Math.ceil(lo / s - 1e-9); k * s <= hi + s * 1e-9; ++k) ticks.push(k * s + 0);
  return { ticks, decimals };
}

const NAVY = '#000080';


export class Chart {
  static made = 0;

  // `host` gets a canvas (an image for assistive technology, named `name`)
  // and a legend under it when series have labels.
  constructor(host, { name, height = 160 } = {}) {
    this.host = host;
    this.canvas = document.createElement('canvas');
    this.canvas.setAttribute('role', 'img');
    this.canvas.className = 'chart';
    this.canvas.style.height = `${height}px`;
    if (name) this.setName(name);
    this.legend = document.createElement('ul');
    this.legend.className = 'chart-legend';
    host.append(this.canvas, this.legend);
    this.figure = null;
    this.number = (x, d) => x.toFixed(d);
    this.width = 0;
    // A new size redraws what was drawn; a hidden chart has no size and
    // draws nothing.
    this.resizer = new ResizeObserver(() => {
      if (this.canvas.clientWidth !== this.width && this.figure) this.draw(this.figure);
    });
    this.resizer.observe(this.canvas);
  }

  setName(name) { this.canvas.setAttribute('aria-label', name); }
  // What the chart shows, for a screen reader: a hidden text it points at.
  setDescription(text) {
    if (!this.description) {
      this.description = document.createElement('p');
      this.description.className = 'visually-hidden';
      this.description.id = `chart-${++Chart.made}`;
      this.canvas.setAttribute('aria-describedby', this.description.id);
      this.host.append(this.description);
    }
    this.description.textContent = text;
  }

  // figure: { title, x: { lo, hi, step, label }, y: { …same }, series: [
  //   { points: [[x, y]…], colour, width, dash, step, fill, marker, label } ],
  //   marks: [x…] }
  draw(figure) {
    this.figure = figure;
    const css = this.canvas.clientWidth;
    const cssHeight = this.canvas.clientHeight;
    this.width = css;
    if (!css || !cssHeight) return false;
    const ratio = window.devicePixelRatio || 1;
    if (this.canvas.width !== Math.round(css * ratio)) this.canvas.width = Math.round(css * ratio);
    if (this.canvas.height !== Math.round(cssHeight * ratio)) this.canvas.height = Math.round(cssHeight * ratio);
    const g = this.canvas.getContext('2d');
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    g.fillStyle = '#fff';
    g.fillRect(0, 0, css, cssHeight);
    g.font = '10px sans-serif';
    const { x, y } = figure;
    const yTicks = ticksOf(y.lo, y.hi, y.step);
    const xTicks = ticksOf(x.lo, x.hi, x.step);
    const yText = yTicks.ticks.map((v) => this.number(v, yTicks.decimals));
    const left = 8 + (y.label ? 14 : 0) + Math.max(20, ...yText.map((t) => g.measureText(t).width));
    const top = figure.title ? 26 : 8;
    const bottom = cssHeight - (x.label ? 30 : 18);
    const right = css - 10;
    if (right - left < 10 || bottom - top < 10) return false;
    const px = (v) => left + ((v - x.lo) / (x.hi - x.lo)) * (right - left);
    const py = (v) => bottom - ((v - y.lo) / (y.hi - y.lo)) * (bottom - top);

    // Title, grid, axes, tick labels, axis titles.
    g.fillStyle = NAVY;
    if (figure.title) {
      g.font = 'bold 12px sans-serif';
      g.textAlign = 'center';
      g.fillText(figure.title, (left + right) / 2, 14);
      g.font = '10px sans-serif';
    }
    g.strokeStyle = '#ddd';
    g.lineWidth = 1;
    g.textAlign = 'right';
    g.textBaseline = 'middle';
    yTicks.ticks.forEach((v, i) => {
      const p = Math.round(py(v)) + 0.5;
      g.beginPath(); g.moveTo(left, p); g.lineTo(right, p); g.stroke();
      g.fillText(yText[i], left - 4, p);
    });
    g.textAlign = 'center';
    g.textBaseline = 'top';
    xTicks.ticks.forEach((v) => {
      const p = Math.round(px(v)) + 0.5;
      g.beginPath(); g.moveTo(p, top); g.lineTo(p, bottom); g.stroke();
      g.fillText(this.number(v, xTicks.decimals), p, bottom + 3);
    });
    g.strokeStyle = NAVY;
    g.strokeRect(left + 0.5, top + 0.5, right - left, bottom - top);
    if (x.label) g.fillText(x.label, (left + right) / 2, bottom + 16, right - left);
    if (y.label) {
      g.save();
      g.translate(9, (top + bottom) / 2);
      g.rotate(-Math.PI / 2);
      g.fillText(y.label, 0, -5, bottom - top);
      g.restore();
    }

    g.save();
    g.beginPath();
    g.rect(left, top, right - left, bottom - top);
    g.clip();
    for (const s of figure.series) this.drawSeries(g, s, px, py, bottom);
    // Change marks: dashed grey lines across the plot.
    g.strokeStyle = '#808080';
    g.setLineDash([4, 3]);
    g.lineWidth = 1;
    for (const m of figure.marks ?? []) {
      const p = Math.round(px(m)) + 0.5;
      g.beginPath(); g.moveTo(p, top); g.lineTo(p, bottom); g.stroke();
    }
    g.restore();
    this.drawLegend(figure.series);
    return true;
  }

  drawSeries(g, s, px, py, bottom) {
    const pts = s.points;
    if (!pts.length) return;
    g.setLineDash(s.dash ?? []);
    g.lineWidth = s.width ?? 1.5;
    g.strokeStyle = s.colour;
    if (s.marker) {
      g.fillStyle = s.marker;
      for (const [vx, vy] of pts) {
        g.beginPath();
        g.arc(px(vx), py(vy), s.size ?? 4, 0, 2 * Math.PI);
        g.fill();
        g.stroke();
      }
      return;
    }
    g.beginPath();
    pts.forEach(([vx, vy], i) => (i ? g.lineTo(px(vx), py(vy)) : g.moveTo(px(vx), py(vy))));
    if (s.fill) {
      g.save();
      g.lineTo(px(pts[pts.length - 1][0]), bottom);
      g.lineTo(px(pts[0][0]), bottom);
      g.closePath();
      g.fillStyle = s.fill;
      g.fill();
      g.restore();
      g.beginPath();
      pts.forEach(([vx, vy], i) => (i ? g.lineTo(px(vx), py(vy)) : g.moveTo(px(vx), py(vy))));
    }
    g.stroke();
    for (const [from, to] of s.arrows ?? []) {
      // An arrowhead at `to`, pointing from `from`.
      const ax = px(to[0]); const ay = py(to[1]);
      const angle = Math.atan2(ay - py(from[1]), ax - px(from[0]));
      g.beginPath();
      g.setLineDash([]);
      g.moveTo(ax, ay);
      g.lineTo(ax - 8 * Math.cos(angle - 0.4), ay - 8 * Math.sin(angle - 0.4));
      g.lineTo(ax - 8 * Math.cos(angle + 0.4), ay - 8 * Math.sin(angle + 0.4));
      g.closePath();
      g.fillStyle = s.colour;
      g.fill();
    }
  }

  // The chart as a PNG picture (a Blob; null before it is drawn): `name`
  // over it, the chart at the screen's pixels, and its legend under it, on
  // white, so that the file tells what it shows on its own.
  png(name) {
    const css = this.canvas.clientWidth;
    if (!this.canvas.width || !css) return Promise.resolve(null);
    const ratio = this.canvas.width / css;
    const chartHeight = this.canvas.height / ratio;
    const out = document.createElement('canvas');
    const g = out.getContext('2d');
    // The legend's items in rows as wide as the chart.
    g.font = '11px sans-serif';
    const rows = [];
    let x = 8;
    for (const s of (this.figure?.series ?? []).filter((each) => each.label)) {
      const width = 26 + g.measureText(s.label).width + 12;
      if (!rows.length || (x + width > css && x > 8)) { rows.push([]); x = 8; }
      rows[rows.length - 1].push({ s, x });
      x += width;
    }
    const titleHeight = name ? 20 : 0;
    const height = titleHeight + chartHeight + (rows.length ? rows.length * 15 + 6 : 0);
    out.width = Math.round(css * ratio);
    out.height = Math.round(height * ratio);
    g.scale(ratio, ratio);
    g.fillStyle = '#fff';
    g.fillRect(0, 0, css, height);
    g.fillStyle = NAVY;
    g.textBaseline = 'middle';
    if (name) {
      g.font = 'bold 12px sans-serif';
      g.fillText(name, 8, 11, css - 16);
    }
    g.drawImage(this.canvas, 0, titleHeight, css, chartHeight);
    g.font = '11px sans-serif';
    rows.forEach((row, i) => {
      const y = titleHeight + chartHeight + 10 + i * 15;
      for (const { s, x: left } of row) {
        g.strokeStyle = s.colour;
        g.lineWidth = 2;
        g.setLineDash(s.dash ?? []);
        g.beginPath();
        if (s.marker) {
          g.fillStyle = s.marker;
          g.arc(left + 9, y, 4, 0, 2 * Math.PI);
          g.fill();
        } else {
          g.moveTo(left, y);
          g.lineTo(left + 18, y);
        }
        g.stroke();
        g.setLineDash([]);
        g.fillStyle = NAVY;
        g.fillText(s.label, left + 24, y);
      }
    });
    return new Promise((resolve) => out.toBlob(resolve, 'image/png'));
  }

  drawLegend(series) {
    const labelled = series.filter((s) => s.label);
    const key = labelled.map((s) => `${s.label}|${s.colour}|${s.marker ?? ''}|${s.dash ?? ''}`).join(';');
    if (key === this.legendKey) return;
    this.legendKey = key;
    this.legend.replaceChildren(...labelled.map((s) => {
      const item = document.createElement('li');
      const swatch = document.createElement('span');
      swatch.className = s.marker ? 'swatch marker' : 'swatch';
      swatch.style.borderColor = s.colour;
      if (s.marker) swatch.style.background = s.marker;
      if (s.dash) swatch.style.borderTopStyle = 'dashed';
      swatch.setAttribute('aria-hidden', 'true');
      item.append(swatch, document.createTextNode(s.label));
      return item;
    }));
  }
}
