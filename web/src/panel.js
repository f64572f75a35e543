// The control panel: the particle count (bar and typed number), the
// temperature, the wall, the velocity vectors and the collisions, and the
// readouts the gas keeps up to date, in the desktop's texts.
import { element, yesNoSelect } from './dom.js';
import { typedVerdict } from './typed.js';

// A moving piston waits this long after the wall bar's last move before it
// sets off, so that a run of small moves makes one process.
const PISTON_SETTLE_MS = 750;

// A bar 0 to 100 at `value`. Page Up and Page Down step by 1, as the
// desktop's bars do.
function bar(id, value) {
  const input = element('input', { type: 'range', id, min: '0', max: '100', step: '1' });
  input.value = String(value);
  input.addEventListener('keydown', (e) => {
    const step = { PageUp: 1, PageDown: -1 }[e.key];
    if (step === undefined) return;
    e.preventDefault();
    const next = Math.min(100, Math.max(0, Number(input.value) + step));
    if (next !== Number(input.value)) {
      input.value = String(next);
      input.dispatchEvent(new Event('input', { bubbles: true }));
    }
  });
  return input;
}

const readout = (id) => element('input', { type: 'text', id, readonly: '', class: 'readout' });

// Nodes whose texts follow the language: each renders itself now and again
// at every switch.
function textKeeper() {
  const texts = [];
  const text = (node, render) => {
    texts.push([node, render]);
    render(node);
    return node;
  };
  return {
    text,
    label: (forId, render) => text(element('label', { for: forId }), render),
    rerender: () => { for (const [node, render] of texts) render(node); },
  };
}

// The count: the bar, and the number typed, taken on Enter or on leaving
// the box; what cannot be taken is said and changes nothing.
function buildCount(app, t, k) {
  const gas = app.gas;
  const countBar = bar('num-particulas', gas.bar('count'));
  const countLabel = k.label('num-particulas', (l) => {
    l.textContent = t('Num. Partículas');
    l.title = t('De 0 a 100; las flechas lo cambian');
  });
  const typed = element('input', { type: 'text', id: 'num-tecleado', inputmode: 'numeric', class: 'typed', autocomplete: 'off' });
  k.text(typed, (node) => {
    node.setAttribute('aria-label', t('Número de partículas tecleado'));
    node.title = t('Un número y luego Intro');
  });
  typed.value = String(gas.bar('count')).padStart(3, ' ');
  const verdict = typedVerdict(app, typed, { whole: true, range: () => ({ lo: 0, hi: 100 }) });
  const applyCount = () => {
    const count = Number(countBar.value);
    typed.value = String(count);
    gas.setCount(count);
    app.changed('count');
  };
  countBar.addEventListener('input', () => {
    verdict.clear();
    applyCount();
  });
  // Enter always takes the text (and says again what it cannot take);
  // leaving the box takes only a text not yet read, so that Enter and then
  // Tab neither take nor say anything twice.
  let read = null;
  const take = () => {
    const count = verdict.take();
    if (count !== null) {
      // Only a real change of the bar changes the gas; a clamped number
      // shows what was taken.
      if (count !== Number(countBar.value)) {
        countBar.value = String(count);
        applyCount();
      } else if (count !== Number(typed.value.trim().replace(',', '.'))) {
        typed.value = String(count);
      }
    }
    read = typed.value;
  };
  typed.addEventListener('keydown', (e) => { if (e.key === 'Enter') take(); });
  typed.addEventListener('change', () => { if (typed.value !== read) take(); });
  return { countBar, typed, verdict, nodes: [element('div', { class: 'bar' }, countBar, countLabel), typed] };
}

// The temperature, its bar where the gas's setting starts.
function buildTemperature(app, t, k) {
  const gas = app.gas;
  const temperatureBar = bar('temperatura', gas.bar('temperature'));
  const temperatureLabel = k.label('temperatura', (l) => {
    l.textContent = t('Temperatura');
    l.title = t('De 0 a 100; las flechas la cambian');
  });
  temperatureBar.addEventListener('input', () => {
    gas.setTemperature(Number(temperatureBar.value));
    app.changed('temperature');
  });
  const temperature = readout('lectura-temperatura');
  k.text(temperature, (node) => {
    node.setAttribute('aria-label', t('Lectura de la temperatura'));
    node.title = t('Lectura que el gas pone al día');
  });
  return { temperature, nodes: [element('div', { class: 'bar' }, temperatureBar, temperatureLabel), temperature] };
}

// The wall. A moving piston goes where the bar says once the bar rests; a
// loaded one goes where the particles push it, and the bar follows it.
function buildWall(app, t, k) {
  const gas = app.gas;
  const wallBar = bar('posicion-pared', gas.bar('wall'));
  const wallLabel = k.label('posicion-pared', (l) => {
    l.textContent = t('Posicion Pared');
    l.title = t('Altura del émbolo, de 0 a 100');
  });
  const wall = readout('lectura-pared');
  k.text(wall, (node) => {
    node.setAttribute('aria-label', t('Lectura de la posición de la pared'));
    node.title = t('Lectura que el gas pone al día');
  });
  const state = { settle: 0 };
  const applyWall = () => {
    clearTimeout(state.settle);
    state.settle = 0;
    gas.setWall(Number(wallBar.value));
    app.changed('wall');
  };
  // Held by the pointer, the bar has not settled however still it is: the
  // wait starts again when it is let go, as the desktop's does.
  let held = false;
  const waitForRest = () => {
    clearTimeout(state.settle);
    state.settle = held ? -1 : setTimeout(applyWall, PISTON_SETTLE_MS);
  };
  wallBar.addEventListener('input', () => {
    clearTimeout(state.settle);
    if (gas.processSettings.piston === 'moving') waitForRest();
    else applyWall();
  });
  wallBar.addEventListener('pointerdown', () => { held = true; });
  const letGo = () => {
    if (!held) return;
    held = false;
    if (state.settle !== 0 && gas.processSettings.piston === 'moving') waitForRest();
  };
  wallBar.addEventListener('pointerup', letGo);
  wallBar.addEventListener('lostpointercapture', letGo);
  return { wallBar, wall, state, nodes: [element('div', { class: 'bar' }, wallBar, wallLabel), wall] };
}

// The switches: the velocity vectors and the collisions.
function buildSwitches(app, t, k) {
  const gas = app.gas;
  const vectors = yesNoSelect(app, 'dibuja-velocidades');
  const vectorsLabel = k.label('dibuja-velocidades', (l) => {
    l.textContent = `${t('Dibuja ').trim()} ${t('Velocidades')}`;
    l.title = t('SI dibuja el vector velocidad de cada partícula');
  });
  vectors.addEventListener('change', () => {
    gas.setVectors(vectors.value === 'SI');
    app.changed('vectors');
  });
  const collisions = yesNoSelect(app, 'colisiones');
  const collisionsLabel = k.label('colisiones', (l) => {
    l.textContent = t('Colisiones');
    l.title = t('SI hace chocar las partículas entre sí');
  });
  collisions.addEventListener('change', () => {
    gas.setCollisions(collisions.value === 'SI');
    app.changed('collisions');
  });
  return {
    rerender: () => { vectors.rerender(); collisions.rerender(); },
    vectors: [vectorsLabel, vectors],
    collisions: [collisionsLabel, collisions],
  };
}

export function mountPanel(root, app) {
  const gas = app.gas;
  const t = (source, ...args) => app.t('TFormCPanel', source, ...args);
  const k = textKeeper();
  const heading = k.text(element('h2', { class: 'visually-hidden', id: 'panel-title' }), (h) => {
    h.textContent = t('Panel de Control');
  });
  root.setAttribute('aria-labelledby', 'panel-title');

  const count = buildCount(app, t, k);
  const temperature = buildTemperature(app, t, k);
  // The readouts beside their own words.
  const energy = readout('lectura-energia');
  const energyLabel = k.label('lectura-energia', (l) => {
    l.textContent = t('Energía');
    l.title = t('Lectura de la energía cinética');
  });
  const pressure = readout('lectura-presion');
  const pressureLabel = k.label('lectura-presion', (l) => {
    l.textContent = t('Presión');
    l.title = t('Lectura de la presión');
  });
  const wall = buildWall(app, t, k);
  const switches = buildSwitches(app, t, k);

  const cell = (...children) => element('div', { class: 'cell' }, ...children);
  const left = element('div', { class: 'column' },
    cell(...count.nodes), count.verdict.line, cell(...temperature.nodes), cell(energyLabel, energy), cell(pressureLabel, pressure));
  const right = element('div', { class: 'column' },
    cell(...wall.nodes), cell(...switches.vectors), cell(...switches.collisions));
  root.append(heading, left, right);

  // The pressure box stays empty until the first reading, as on the
  // desktop, and then keeps the last one.
  let pressureRead = false;
  // The desktop's readout texts in the decimal sign of the page's language
  // (the windows' figures have it too).
  const show = (box, text) => {
    box.value = app.language === 'es' ? text.replace('.', ',') : text;
  };
  const refresh = () => {
    show(energy, gas.readoutText('energy'));
    show(temperature.temperature, gas.readoutText('temperature'));
    if (pressureRead) show(pressure, gas.readoutText('pressure'));
    const position = gas.readoutText('wall');
    show(wall.wall, position);
    const piston = gas.processSettings.piston;
    wall.wallBar.disabled = piston === 'loaded';
    if (piston !== 'moving' && wall.wallBar.value !== position && wall.state.settle === 0) wall.wallBar.value = position;
    // A mixture's count is its own ("Difusión" sets it); back to the
    // classic gas the bar stands where it was.
    count.countBar.disabled = gas.mixture;
    count.typed.disabled = gas.mixture;
    if (gas.mixture) {
      count.countBar.title = t('Con una mezcla el número de partículas lo fija la ventana «Difusión»; «Volver al gas clásico» devuelve esta barra');
    } else {
      count.countBar.removeAttribute('title');
    }
  };
  app.panelCount = () => Number(count.countBar.value);
  app.on('readings', () => {
    pressureRead = true;
    refresh();
  });
  app.on('change', refresh);
  app.on('language', () => {
    k.rerender();
    switches.rerender();
    refresh();
  });
  refresh();
}
