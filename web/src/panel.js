// The control panel: the particle count (bar and typed number), the
// temperature, the wall, the velocity vectors and the collisions, and the
// readouts the gas keeps up to date, in the desktop's texts.
import { element, yesNoSelect } from './dom.js';
import { typedVerdict } from './typed.js';
import { siTexts } from './units.js';

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

// The bar and, beside it, the setting it stands at (the box next to the
// temperature bar is the gas's measured readout, not its setting). The
// bar itself tells a screen reader its value: the number is for the eye.
function withSetting(app, input) {
  const setting = element('output', { for: input.id, class: 'setting', 'aria-hidden': 'true', 'aria-live': 'off' });
  input.showSetting = () => { setting.value = app.number(Number(input.value), 0); };
  input.addEventListener('input', input.showSetting);
  input.showSetting();
  return element('div', { class: 'bar-row' }, input, setting);
}

const readout = (id) => element('input', { type: 'text', id, readonly: '', class: 'readout' });

// A readout box as wide as its text needs (never narrower than the style
// makes it), so that no digit is cut; its cell lets it go to a line of its
// own rather than cover its neighbours.
function fitToText(box) {
  box.style.width = '';
  if (box.scrollWidth > box.clientWidth) {
    box.style.width = `${Math.ceil(box.offsetWidth + box.scrollWidth - box.clientWidth) + 1}px`;
  }
}

// The SI value beside a readout, shown when chosen; a screen reader hears
// it with the readout (in place of the readout's tip). Not a live region:
// readouts are read when visited.
function siValue(id, box) {
  const span = element('span', { id, class: 'si', hidden: '' });
  span.readout = box;
  return span;
}

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
  return { countBar, typed, verdict, nodes: [element('div', { class: 'bar' }, withSetting(app, countBar), countLabel), typed] };
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
  return { temperatureBar, temperature, nodes: [element('div', { class: 'bar' }, withSetting(app, temperatureBar), temperatureLabel), temperature] };
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
  return { wallBar, wall, state, nodes: [element('div', { class: 'bar' }, withSetting(app, wallBar), wallLabel), wall] };
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
    reset: () => { vectors.value = 'NO'; collisions.value = 'NO'; },
    vectors: [vectorsLabel, vectors],
    collisions: [collisionsLabel, collisions],
  };
}

// "Ver": how the page shows the gas beyond the desktop's look, each choice
// off until taken.
function buildShow(app, k) {
  const t = (source) => app.t('PageControls', source);
  const group = element('fieldset', { class: 'show' });
  group.append(k.text(element('legend', { class: 'visually-hidden' }), (l) => { l.textContent = t('Ver'); }));
  for (const [name, id, source, help] of [
    ['si', 'ver-si', 'Unidades del SI', 'Muestra junto a las lecturas sus valores en kelvin, kilopascales, julios y nanómetros, con cada esfera como un átomo de argón (lo explica la ayuda)'],
    ['speedColours', 'ver-colores', 'Colores por rapidez', 'Colorea cada partícula según su rapidez, de azul (lenta) a rojo (rápida); una mezcla conserva los colores de sus especies'],
  ]) {
    const box = element('input', { type: 'checkbox', id });
    box.checked = app.options[name];
    box.addEventListener('change', () => app.setOption(name, box.checked));
    app.on('options', (options) => { box.checked = options[name]; });
    const label = k.label(id, (l) => {
      l.textContent = t(source);
      l.title = t(help);
    });
    group.append(element('div', {}, box, label));
  }
  return group;
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

  const si = {
    temperature: siValue('si-lectura-temperatura', temperature.temperature),
    energy: siValue('si-lectura-energia', energy),
    pressure: siValue('si-lectura-presion', pressure),
    wall: siValue('si-lectura-pared', wall.wall),
  };
  // The count has no SI value: a space as wide keeps its box in line.
  const countSpace = element('span', { class: 'si', hidden: '', 'aria-hidden': 'true' });

  const cell = (...children) => element('div', { class: 'cell' }, ...children);
  // A readout's cell: the box or its SI value may need a line of its own.
  const readoutCell = (...children) => element('div', { class: 'cell wraps' }, ...children);
  const left = element('div', { class: 'column' },
    readoutCell(...count.nodes, countSpace), count.verdict.line,
    readoutCell(...temperature.nodes, si.temperature),
    readoutCell(energyLabel, energy, si.energy), readoutCell(pressureLabel, pressure, si.pressure));
  const right = element('div', { class: 'column' },
    readoutCell(...wall.nodes, si.wall), cell(...switches.vectors), cell(...switches.collisions),
    element('div', { class: 'cell show-cell' }, buildShow(app, k)));
  root.append(heading, left, right);

  // The pressure box stays empty until the first reading, as on the
  // desktop, and then keeps the last one.
  let pressureRead = false;
  // The desktop's readout texts in the decimal sign of the page's language
  // (the windows' figures have it too).
  const show = (box, text) => {
    const value = app.language === 'es' ? text.replace('.', ',') : text;
    if (box.value === value) return;
    box.value = value;
    fitToText(box);
  };
  const showSI = () => {
    const r = gas.readouts();
    const texts = siTexts(app, { ...r, wall: gas.piston });
    countSpace.hidden = !app.options.si;
    for (const [name, output] of Object.entries(si)) {
      output.hidden = !app.options.si;
      // Nothing where the readout has no number: no particles, no reading yet.
      const none = (r.empty && name === 'temperature') || (name === 'pressure' && !pressureRead);
      output.textContent = app.options.si && !none ? texts[name] : '';
      if (app.options.si) output.readout.setAttribute('aria-describedby', output.id);
      else output.readout.removeAttribute('aria-describedby');
    }
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
    for (const b of [count.countBar, temperature.temperatureBar, wall.wallBar]) b.showSetting();
    showSI();
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
  app.on('options', refresh);
  // The page's start: the bars, the typed count and the switches as the
  // gas starts, the pressure box empty until the first reading.
  app.on('reset', () => {
    clearTimeout(wall.state.settle);
    wall.state.settle = 0;
    count.countBar.value = String(gas.bar('count'));
    count.typed.value = String(gas.bar('count')).padStart(3, ' ');
    count.verdict.clear();
    temperature.temperatureBar.value = String(gas.bar('temperature'));
    wall.wallBar.value = String(gas.bar('wall'));
    switches.reset();
    pressureRead = false;
    pressure.value = '';
    fitToText(pressure);
  });
  app.on('language', () => {
    k.rerender();
    switches.rerender();
    refresh();
    // The same texts may need another width in the other language's font.
    for (const box of [energy, temperature.temperature, pressure, wall.wall]) fitToText(box);
  });
  refresh();
}
