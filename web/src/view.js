// The main window: its strip of buttons (the instruments, the handbook, the
// language), the gas drawn in perspective as the desktop's normal view draws
// it, and the controls under it (Animación / Stop, Giro, Zoom, EJES).
import {
  AXES_STROKES, CENTER, CUBE_EDGES, START_ANGLE, START_ZOOM, VIEW_HEIGHT, VIEW_WIDTH,
  handOverAngle, projector, wallOutline,
} from './projection.js';
import { element, yesNoSelect } from './dom.js';
import { toSI } from './units.js';

// The desktop's colours.
const BLACK = '#000000';
const YELLOW = '#ffff00';
const GREEN = '#008000';
const TEAL = '#008080';
const AQUA = '#00ffff';
const WHITE = '#ffffff';
// A mixture's, as the desktop's view has them: species B, the heavy
// particle, the divider, its hole, the trace.
const SPECIES_B = '#ff00ff';
const HEAVY = '#ff0000';
const DIVIDER = '#808080';
const HOLE = AQUA;
const TRACE = '#00ff00';
// The classic particle's radius in the gas's units: a sphere of another
// radius is drawn that much larger or smaller.
const CLASSIC_RADIUS = 1.5;
// The trace keeps the traced particle's last positions, one a frame.
const TRACE_POINTS = 1500;
// The particle's radius and the arrow head's length and half width, in the
// desktop view's pixels; the page scales them with its view.
const PARTICLE_RADIUS = 3.5;
const HEAD_LENGTH = 9;
const HEAD_HALF_WIDTH = 4.5;
// A navigation button held steps once every 10 ms.
const STEP_MS = 10;
const ZOOM_STEP = 0.001;
// The zoom's reach, whatever zooms: past 1.1 the box's corners (87 from its
// centre) come behind the eye, 100 away, and the box turns inside out;
// below 0.05 it is a dot.
const ZOOM_LEAST = 0.05;
const ZOOM_MOST = 1.1;
// Zoom per pixel that two fingers move apart.
const PINCH_ZOOM = 0.002;
// Far-off points (a zoom that brings the box behind the eye) are drawn at
// the edge of reason rather than handed to the canvas as huge numbers.
const FAR = 1e5;
const clampCoord = (v) => (Number.isFinite(v) ? Math.max(-FAR, Math.min(FAR, v)) : 0);
// Particles coloured by speed (a choice): from blue, slow, to red, fast, in
// steps over 0 to SPEED_TOP, about two and a half times the start's
// root-mean-square speed, so that heating the gas turns it redder. A fixed
// scale rather than the gas's own: the colours say how fast, not how fast
// compared with the rest.
export const SPEED_TOP = 60;
const SPEED_STOPS = [[40, 90, 255], [0, 200, 255], [235, 235, 235], [255, 160, 40], [255, 40, 40]];
const SPEED_STEPS = 15;
export const SPEED_COLOURS = Array.from({ length: SPEED_STEPS }, (_, k) => {
  const at = (k / (SPEED_STEPS - 1)) * (SPEED_STOPS.length - 1);
  const i = Math.min(SPEED_STOPS.length - 2, Math.floor(at));
  const f = at - i;
  const [a, b] = [SPEED_STOPS[i], SPEED_STOPS[i + 1]];
  return `rgb(${a.map((c, j) => Math.round(c + f * (b[j] - c))).join(', ')})`;
});

// The drawing of the gas and its navigation: the angles and zoom as the
// desktop keeps them.
export class GasView {
  constructor(canvas, app) {
    this.canvas = canvas;
    this.app = app;
    this.context = canvas.getContext('2d', { alpha: false });
    this.pixelScale = 1;
    this.restart();
  }

  // The traced particle's position joins its trace (a new particle or a
  // new gas starts it again).
  record() {
    const gas = this.app.gas;
    const i = gas.mixture ? gas.traced : 0;
    if (i !== this.traceOf) { this.trace = []; this.traceOf = i; }
    if (!i || i > gas.count) return;
    this.trace.push([gas.positions(0)[i], gas.positions(1)[i], gas.positions(2)[i]]);
    if (this.trace.length > TRACE_POINTS) this.trace.splice(0, this.trace.length - TRACE_POINTS);
  }

  clearTrace() { this.trace = []; }

  // The canvas's pixels follow its size on the page and the screen's
  // density; the picture keeps the desktop view's proportions (CSS).
  resize() {
    const rect = this.canvas.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(rect.width * ratio));
    const height = Math.max(1, Math.round(rect.height * ratio));
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    this.pixelScale = width / VIEW_WIDTH;
    this.draw();
  }

  turn(stepAlfa, stepBeta) {
    this.angAlfa += stepAlfa;
    this.angBeta += stepBeta;
    ({ degrees: this.alfa, angle: this.angAlfa } = handOverAngle(this.angAlfa));
    ({ degrees: this.beta, angle: this.angBeta } = handOverAngle(this.angBeta));
    this.draw();
  }

  zoomBy(step) {
    this.zoom = Math.fround(Math.min(ZOOM_MOST, Math.max(ZOOM_LEAST, this.zoom + step)));
    this.draw();
  }

  resetTurn() {
    this.angAlfa = 0;
    this.angBeta = 0;
    this.alfa = 0;
    this.beta = 0;
    this.draw();
  }

  resetZoom() {
    this.zoom = Math.fround(START_ZOOM);
    this.draw();
  }

  draw() {
    const { canvas, context: g, app } = this;
    const gas = app.gas;
    const project = projector({
      width: canvas.width, height: canvas.height, alfa: this.alfa, beta: this.beta, zoom: this.zoom });
    const at = (x, y, z) => project(x - CENTER, y - CENTER, z - CENTER).map(clampCoord);
    const s = this.pixelScale;
    g.fillStyle = BLACK;
    g.fillRect(0, 0, canvas.width, canvas.height);
    g.lineWidth = Math.max(1, s);
    g.lineCap = 'square';

    const lines = (list, colour) => {
      g.strokeStyle = colour;
      g.beginPath();
      for (const [x1, y1, z1, x2, y2, z2] of list) {
        const [ax, ay] = at(x1, y1, z1);
        const [bx, by] = at(x2, y2, z2);
        g.moveTo(ax, ay);
        g.lineTo(bx, by);
      }
      g.stroke();
    };
    lines(CUBE_EDGES, GREEN);
    if (this.axes) lines(AXES_STROKES, TEAL);

    const piston = gas.piston;
    if (piston !== this.startPiston) this.wallPlaced = true;
    if (this.wallPlaced) {
      lines(wallOutline(piston), AQUA);
    } else {
      const [cx, cy] = project(0, 0, 0);
      g.fillStyle = AQUA;
      g.fillRect(Math.floor(cx), Math.floor(cy), Math.max(1, Math.round(s)), Math.max(1, Math.round(s)));
    }

    const count = gas.count;
    const x = gas.positions(0);
    const y = gas.positions(1);
    const z = gas.positions(2);
    if (gas.vectorsShown) {
      const vx = gas.velocities(0);
      const vy = gas.velocities(1);
      const vz = gas.velocities(2);
      g.strokeStyle = WHITE;
      g.beginPath();
      for (let i = 1; i <= count; ++i) {
        const [ax, ay] = at(x[i], y[i], z[i]);
        const [bx, by] = at(x[i] + vx[i], y[i] + vy[i], z[i] + vz[i]);
        arrow(g, ax, ay, bx, by, s);
      }
      g.stroke();
    }

    if (gas.mixture) {
      this.drawMixture(g, at, x, y, z, count);
      return;
    }
    const r = PARTICLE_RADIUS * s;
    const step = app.options.speedColours ? this.speedSteps(count) : null;
    const colours = step ? SPEED_COLOURS : [YELLOW];
    colours.forEach((colour, k) => {
      g.fillStyle = colour;
      g.beginPath();
      for (let i = 1; i <= count; ++i) {
        if (step && step[i] !== k) continue;
        const [px, py] = at(x[i], y[i], z[i]);
        g.moveTo(px + r, py);
        g.arc(px, py, r, 0, 2 * Math.PI);
      }
      g.fill();
    });
  }

  // Each particle's colour step by its speed (indexed from 1).
  speedSteps(count) {
    const gas = this.app.gas;
    const [vx, vy, vz] = [0, 1, 2].map((axis) => gas.velocities(axis));
    const step = new Uint8Array(count + 1);
    for (let i = 1; i <= count; ++i) {
      const k = Math.floor((Math.hypot(vx[i], vy[i], vz[i]) / SPEED_TOP) * SPEED_STEPS);
      step[i] = Math.min(SPEED_STEPS - 1, k);
    }
    return step;
  }

  // The view as the page starts it: the turn, the zoom, no axes, the
  // piston's outline not yet placed, no trace. The piston's outline is
  // placed when the wall first moves; until then its four lines have no
  // length and sit at the box's centre, as on the desktop.
  restart() {
    this.angAlfa = START_ANGLE;
    this.angBeta = START_ANGLE;
    this.alfa = 0;
    this.beta = 0;
    this.zoom = Math.fround(START_ZOOM);
    this.axes = false;
    this.wallPlaced = false;
    this.startPiston = this.app.gas.piston;
    this.trace = [];
    this.traceOf = 0;
  }

  // A mixture: the divider and its hole, each species in its colour and
  // each sphere at its size, the heavy one last, the trace over them.
  drawMixture(g, at, x, y, z, count) {
    const gas = this.app.gas;
    const s = this.pixelScale;
    const line = (points, colour, close) => {
      g.strokeStyle = colour;
      g.beginPath();
      points.forEach(([px, py, pz], k) => {
        const [ax, ay] = at(px, py, pz);
        if (k) g.lineTo(ax, ay); else g.moveTo(ax, ay);
      });
      if (close) g.closePath();
      g.stroke();
    };
    if (gas.dividerUp) {
      const settings = gas.mixtureSettings();
      const top = gas.piston;
      line([[50, 0, 0], [50, top, 0], [50, top, 100], [50, 0, 100]], DIVIDER, true);
      if (settings.divider === 'hole') {
        // A square of the hole's side centred on the divider's face.
        const h = settings.holeSide / 2;
        const lo = Math.max(0, top / 2 - h);
        const hi = Math.min(top, top / 2 + h);
        const z0 = Math.max(0, 50 - h);
        const z1 = Math.min(100, 50 + h);
        line([[50, lo, z0], [50, hi, z0], [50, hi, z1], [50, lo, z1]], HOLE, true);
      }
    }
    const radii = gas.radii();
    const species = gas.species();
    for (const [kind, colour] of [[0, YELLOW], [1, SPECIES_B], [2, HEAVY]]) {
      g.fillStyle = colour;
      g.beginPath();
      for (let i = 1; i <= count; ++i) {
        if (species[i] !== kind) continue;
        const r = Math.max(1, (PARTICLE_RADIUS * s * radii[i]) / CLASSIC_RADIUS);
        const [px, py] = at(x[i], y[i], z[i]);
        g.moveTo(px + r, py);
        g.arc(px, py, r, 0, 2 * Math.PI);
      }
      g.fill();
    }
    if (this.trace.length > 1) {
      g.lineWidth = Math.max(1, s);
      line(this.trace, TRACE, false);
    }
  }
}

// An arrow pointing at its second end, its head an outline triangle whose
// base lies 9 pixels back from the tip and reaches 4.5 to each side.
function arrow(g, x1, y1, x2, y2, s) {
  const dx = x2 - x1;
  const dy = y2 - y1;
  const length = Math.hypot(dx, dy);
  const [ux, uy] = length === 0 ? [1, 0] : [dx / length, dy / length];
  const bx = x2 - ux * HEAD_LENGTH * s;
  const by = y2 - uy * HEAD_LENGTH * s;
  const wx = ux * HEAD_HALF_WIDTH * s;
  const wy = uy * HEAD_HALF_WIDTH * s;
  g.moveTo(x1, y1);
  g.lineTo(bx, by);
  g.moveTo(bx - wy, by + wx);
  g.lineTo(bx + wy, by - wx);
  g.lineTo(x2, y2);
  g.closePath();
}

// A button that acts while held: by the mouse or touch, or by Space or
// Enter; it steps every 10 ms from the press, so a press shorter than a
// step changes nothing. Only while held does it ask for animation frames.
function holdButton(button, step) {
  let held = false;
  let since = 0;
  let done = 0;
  let request = 0;
  const tick = (now) => {
    if (!held) return;
    const due = Math.floor((now - since) / STEP_MS);
    for (; done < due; ++done) step();
    request = requestAnimationFrame(tick);
  };
  const press = () => {
    if (held) return;
    held = true;
    since = performance.now();
    done = 0;
    button.setAttribute('aria-pressed', 'true');
    request = requestAnimationFrame(tick);
  };
  const release = () => {
    if (!held) return;
    held = false;
    cancelAnimationFrame(request);
    button.setAttribute('aria-pressed', 'false');
  };
  button.setAttribute('aria-pressed', 'false');
  button.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    button.setPointerCapture?.(e.pointerId);
    press();
  });
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture', 'blur']) {
    button.addEventListener(type, release);
  }
  button.addEventListener('keydown', (e) => {
    if (e.key === ' ' || e.key === 'Enter') {
      e.preventDefault();
      if (!e.repeat) press();
    }
  });
  button.addEventListener('keyup', (e) => {
    if (e.key === ' ' || e.key === 'Enter') release();
  });
  // The button is pressed and released by hand; a click does nothing more.
  button.addEventListener('click', (e) => e.preventDefault());
}

// Whether Space belongs to the control that has the focus (it presses a
// button, types into a box, opens a list); elsewhere it starts and stops the
// gas.
function spaceBelongsTo(target) {
  if (!(target instanceof Element)) return false;
  if (target.closest('button, select, textarea, a[href], summary, [role="button"], dialog')) return true;
  if (target instanceof HTMLInputElement) {
    return !target.readOnly && target.type !== 'range';
  }
  return target.isContentEditable;
}

// The strip at the top: the instruments, the handbook, the language.
function buildStrip(app, t, text) {
  const strip = element('div', { class: 'strip' });
  // Where the windows stack below the gas (the style's narrow layout), one
  // is shown at a time.
  const narrow = window.matchMedia('(max-width: 900px)');
  const syncs = [];
  const opener = (name, source, description) => {
    const section = document.getElementById(name);
    section.tabIndex = -1; // takes the focus when opened
    const button = element('button', { type: 'button', id: `open-${name}`, 'aria-controls': name });
    text(button, (b) => {
      b.textContent = t(source);
      b.title = t(description);
    });
    const sync = () => button.setAttribute('aria-expanded', String(!section.hidden));
    syncs.push([section, sync]);
    button.addEventListener('click', () => {
      section.hidden = !section.hidden;
      if (!section.hidden && narrow.matches) {
        for (const [other] of syncs) if (other !== section) other.hidden = true;
      }
      for (const [, each] of syncs) each();
      if (section.hidden) return;
      app.emit('open', name);
      // Opened below or beside the gas, perhaps out of sight: brought into
      // view, with the focus, so that a reader (or a screen reader) is
      // where it is.
      const top = section.getBoundingClientRect().top;
      if (top < 0 || top > window.innerHeight / 2) section.scrollIntoView({ block: 'start' });
      section.focus({ preventScroll: true });
    });
    sync();
    return button;
  };
  const processes = opener('procesos', 'Procesos', 'Muestra u oculta la ventana de los procesos: el émbolo, el baño térmico, el balance de energía y el diagrama P–V');
  // The desktop has this button on its control panel, with the key in
  // the main window's tip.
  const diffusion = opener('difusion', 'Difusión', '');
  text(diffusion, (b) => {
    b.textContent = app.t('TFormCPanel', 'Difusión');
    b.title = app.t('TForm1', 'Muestra u oculta la difusión (%1)', 'F7');
  });
  const graphs = opener('graficas', 'Gráficas', 'Muestra u oculta la ventana de la distribución de velocidades, la historia de las lecturas y la ley de los gases ideales');
  const help = element('button', { type: 'button', id: 'open-handbook', class: 'help' });
  text(help, (b) => {
    b.textContent = app.t('HandbookWindow', '?');
    b.setAttribute('aria-label', `${app.t('HandbookWindow', '?')} ${app.t('HandbookWindow', 'Ayuda')}`);
    b.title = `${app.t('HandbookWindow', 'Ayuda')} (F1)`;
  });
  help.addEventListener('click', () => app.emit('open', 'handbook'));
  // In both languages at once, so that a reader of either finds it.
  const languageLabel = element('label', { for: 'language' },
    element('span', { lang: 'es' }, 'Idioma'), ' · ', element('span', { lang: 'en' }, 'Language'));
  const language = element('select', { id: 'language' });
  for (const [code, name] of [['es', 'Español'], ['en', 'English']]) {
    language.append(element('option', { value: code, lang: code }, name));
  }
  language.value = app.language;
  language.addEventListener('change', () => app.setLanguage(language.value));
  strip.append(processes, diffusion, graphs, help, element('span', { class: 'language' }, languageLabel, language));
  return { strip, diffusion, language };
}

// Dragging turns, by a degree for every few pixels; the wheel and two
// fingers pinching zoom; from the keyboard, on the view, the arrows turn,
// + and − zoom.
function steerByHand(canvas, view) {
  let drag = null;
  const fingers = new Map(); // pointer id → where it is
  let spread = null; // two fingers' distance apart
  const apart = () => {
    const [a, b] = [...fingers.values()];
    return Math.hypot(a.x - b.x, a.y - b.y);
  };
  canvas.addEventListener('pointerdown', (e) => {
    fingers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (fingers.size === 2) {
      drag = null;
      spread = apart();
      return;
    }
    drag = fingers.size === 1 ? { x: e.clientX, y: e.clientY } : null;
    try {
      canvas.setPointerCapture?.(e.pointerId);
    } catch {
      // a pointer already lifted cannot be captured
    }
  });
  canvas.addEventListener('pointermove', (e) => {
    if (fingers.has(e.pointerId)) fingers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (spread !== null && fingers.size === 2) {
      const now = apart();
      view.zoomBy((now - spread) * PINCH_ZOOM);
      spread = now;
      return;
    }
    if (!drag) return;
    const perDegree = Math.max(1, canvas.getBoundingClientRect().width / 180);
    const stepAlfa = Math.trunc((e.clientX - drag.x) / perDegree);
    const stepBeta = Math.trunc((e.clientY - drag.y) / perDegree);
    if (stepAlfa === 0 && stepBeta === 0) return;
    drag.x += stepAlfa * perDegree;
    drag.y += stepBeta * perDegree;
    view.turn(stepAlfa, stepBeta);
  });
  for (const type of ['pointerup', 'pointercancel']) {
    canvas.addEventListener(type, (e) => {
      fingers.delete(e.pointerId);
      drag = null;
      spread = null;
    });
  }
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const lines = e.deltaMode === 1 ? e.deltaY * 16 : e.deltaMode === 2 ? e.deltaY * 400 : e.deltaY;
    view.zoomBy(-lines * 0.0005);
  }, { passive: false });
  canvas.addEventListener('keydown', (e) => {
    const turns = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    if (turns[e.key]) view.turn(...turns[e.key]);
    else if (e.key === '+') view.zoomBy(10 * ZOOM_STEP);
    else if (e.key === '-') view.zoomBy(-10 * ZOOM_STEP);
    else return;
    e.preventDefault();
  });
}

// "Animación" and "Stop".
function buildMotion(app, t, text, describe) {
  const motion = element('fieldset', { class: 'motion' });
  const motionLegend = text(element('legend', { class: 'visually-hidden' }), (l) => {
    l.textContent = `${t('Animación')} / ${t('Stop')}`;
  });
  const radio = (id, source, description, checked) => {
    const input = element('input', { type: 'radio', name: 'motion', id });
    input.checked = checked;
    const label = element('label', { for: id });
    text(label, (l) => {
      l.textContent = t(source);
      l.title = t(description);
    });
    motion.append(element('div', {}, input, label));
    return input;
  };
  const animate = radio('animacion', 'Animación', 'Pone el gas en movimiento', false);
  const stop = radio('stop', 'Stop', 'Detiene el gas', true);
  motion.prepend(motionLegend);
  animate.addEventListener('change', () => animate.checked && app.start());
  stop.addEventListener('change', () => stop.checked && app.stop());
  app.on('running', (running) => {
    animate.checked = running;
    stop.checked = !running;
    describe();
  });
  return motion;
}

// The turn and zoom pads: buttons that act while held, and the words that
// put each back.
function buildPads(t, text, view) {
  const navButton = (id, source, glyph) => {
    const b = element('button', { type: 'button', id, class: 'arrow' }, glyph);
    text(b, (node) => {
      node.setAttribute('aria-label', t(source));
      node.title = `${t(source)}. ${t('Actúa mientras se mantiene pulsado con el ratón, Espacio o Intro')}`;
    });
    return b;
  };
  const up = navButton('giro-arriba', 'Girar hacia arriba', '↑');
  const left = navButton('giro-izquierda', 'Girar a la izquierda', '←');
  const right = navButton('giro-derecha', 'Girar a la derecha', '→');
  const down = navButton('giro-abajo', 'Girar hacia abajo', '↓');
  holdButton(up, () => view.turn(0, -1));
  holdButton(down, () => view.turn(0, 1));
  holdButton(left, () => view.turn(-1, 0));
  holdButton(right, () => view.turn(1, 0));
  const giro = text(element('button', { type: 'button', id: 'giro', class: 'word' }), (b) => {
    b.textContent = t('Giro');
    b.title = t('Restablece el giro: vuelve a la orientación inicial');
  });
  giro.addEventListener('click', () => view.resetTurn());
  const turnPad = element('div', { class: 'turn' }, up, left, giro, right, down);

  const zoomOut = navButton('zoom-alejar', 'Alejar', '↓');
  const zoomIn = navButton('zoom-acercar', 'Acercar', '↑');
  holdButton(zoomOut, () => view.zoomBy(-ZOOM_STEP));
  holdButton(zoomIn, () => view.zoomBy(ZOOM_STEP));
  const zoomWord = text(element('button', { type: 'button', id: 'zoom', class: 'word' }), (b) => {
    b.textContent = t('Zoom');
    b.title = t('Restablece el zoom: vuelve al zoom inicial');
  });
  zoomWord.addEventListener('click', () => view.resetZoom());
  const zoomPad = element('div', { class: 'zoom' }, zoomOut, zoomIn, zoomWord);
  return [turnPad, zoomPad];
}

// Space starts and stops the gas wherever it does not belong to a control;
// F1 opens the handbook, F7 shows or hides "Difusión".
function pageKeys(app, diffusion) {
  document.addEventListener('keydown', (e) => {
    if (e.key === ' ' && !e.ctrlKey && !e.altKey && !e.metaKey && !spaceBelongsTo(e.target)) {
      e.preventDefault();
      if (!e.repeat) (app.running ? app.stop() : app.start());
    } else if (e.key === 'F1') {
      e.preventDefault();
      app.emit('open', 'handbook');
    } else if (e.key === 'F7' && !e.ctrlKey && !e.altKey && !e.metaKey) {
      e.preventDefault();
      diffusion.click();
    }
  });
}

// The speed colours' key, in a corner of the view while they are shown:
// the colours in order, slow to fast, and the speeds at the ends (in m/s
// too with SI units).
function buildSpeedLegend(app) {
  const t = (source) => app.t('PageControls', source);
  const node = element('div', { class: 'speed-legend', hidden: '' });
  const steps = SPEED_COLOURS.map((colour, k) => {
    const from = (100 * k) / SPEED_COLOURS.length;
    const to = (100 * (k + 1)) / SPEED_COLOURS.length;
    return `${colour} ${from}% ${to}%`;
  });
  const ramp = element('span', { class: 'speed-ramp', 'aria-hidden': 'true' });
  ramp.style.background = `linear-gradient(to right, ${steps.join(', ')})`;
  const title = element('span');
  const slow = element('span');
  const fast = element('span');
  node.append(title, element('span', { class: 'speed-scale' }, ramp, element('span', { class: 'speed-ends' }, slow, fast)));
  const render = () => {
    node.hidden = !app.options.speedColours || app.gas.mixture;
    title.textContent = t('Rapidez');
    slow.textContent = `${t('lenta')} 0`;
    const top = app.number(SPEED_TOP, 0);
    fast.textContent = app.options.si
      ? `${top} (${app.number(toSI.metrePerSecond(SPEED_TOP), 0)} m/s) ${t('rápida')}`
      : `${top} ${t('rápida')}`;
  };
  render();
  return { node, render };
}

export function mountView(root, app) {
  const t = (source, ...args) => app.t('TForm1', source, ...args);
  const texts = []; // [node, render] pairs re-rendered on a change of language
  const text = (node, render) => {
    texts.push([node, render]);
    render(node);
    return node;
  };
  const { strip, diffusion, language } = buildStrip(app, t, text);

  // The view.
  const canvas = element('canvas', { id: 'gas-view', tabindex: '0', role: 'img' });
  const legend = buildSpeedLegend(app);
  const frame = element('div', { class: 'view' }, canvas, legend.node);
  const view = new GasView(canvas, app);
  const describe = () => {
    const gas = app.gas;
    const axes = view.axes ? t('Ejes visibles') : t('Sin ejes');
    const motion = app.running ? t('En movimiento') : t('Detenido');
    canvas.setAttribute('aria-label', `${t('Vista del gas')}: ${t('%1 partículas. Pared en la posición %2 de 100. %3. %4. %5.',
      gas.count, gas.readoutText('wall'), t('Vista normal'), axes, motion)}`);
  };
  steerByHand(canvas, view);

  // The controls under the view.
  const controls = element('div', { class: 'view-controls' });
  const motion = buildMotion(app, t, text, describe);
  const pads = buildPads(t, text, view);
  const axesLabel = text(element('label', { for: 'ejes' }), (l) => { l.textContent = t('EJES'); });
  const axes = yesNoSelect(app, 'ejes');
  text(axes, (s) => { s.title = t('SI muestra los ejes, NO los oculta'); });
  axes.addEventListener('change', () => {
    view.axes = axes.value === 'SI';
    describe();
    view.draw();
  });
  controls.append(motion, ...pads, element('div', { class: 'axes' }, axesLabel, axes));
  root.append(strip, frame, controls);
  pageKeys(app, diffusion);

  app.on('language', () => {
    for (const [node, render] of texts) render(node);
    language.value = app.language;
    axes.rerender();
    legend.render();
    describe();
  });
  app.on('frame', () => { view.record(); view.draw(); });
  app.on('options', () => { legend.render(); view.draw(); });
  app.on('reset', () => {
    view.restart();
    axes.value = 'NO';
  });
  app.on('change', (what) => { if (what === 'mixture') view.clearTrace(); });
  app.on('change', () => describe());
  app.on('change', (what) => { if (what === 'mixture' || what === 'reset') legend.render(); });
  app.on('change', (what) => {
    if (what === 'wall') view.wallPlaced = true;
  });
  new ResizeObserver(() => view.resize()).observe(canvas);
  canvas.style.aspectRatio = `${VIEW_WIDTH} / ${VIEW_HEIGHT}`;
  describe();
  view.resize();
  app.view = view;
  return view;
}
