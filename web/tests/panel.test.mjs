// The control panel: the readouts at start are the desktop's, and each
// control changes the gas as the desktop's does.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { animate } from './helpers.mjs';

const shown = (page) => page.evaluate(() => Object.fromEntries(
  ['num-tecleado', 'lectura-energia', 'lectura-temperatura', 'lectura-presion', 'lectura-pared']
    .map((id) => [id, document.getElementById(id).value])));

// The desktop's readouts, worked out here from the particles' velocities by
// its own rules: the kinetic sum in single precision, particle by particle;
// energy 0.01 x sum as "%3.0f", temperature sum / (3 N 100) as "%3.2f".
const desktopReadouts = (page) => page.evaluate(() => {
  const gas = window.molvix.gas;
  const v = [0, 1, 2].map((axis) => gas.velocities(axis));
  let sum = 0;
  for (let i = 1; i <= gas.count; ++i) {
    sum = Math.fround(sum + Math.fround(Math.fround(Math.fround(v[0][i] * v[0][i]) + Math.fround(v[1][i] * v[1][i])) + Math.fround(v[2][i] * v[2][i])));
  }
  // With the decimal sign of the page's language (Spanish here).
  const printf = (value, width, decimals) => value.toFixed(decimals).padStart(width, ' ').replace('.', ',');
  return { energy: printf(0.01 * sum, 3, 0), temperature: printf(sum / (3 * gas.count * 100), 3, 2) };
});

test('at start the panel shows the desktop\'s start-up readouts', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    const desktop = await desktopReadouts(page);
    assert.deepEqual(await shown(page), {
      'num-tecleado': ' 50', // written once with "%3d"
      'lectura-energia': desktop.energy,
      'lectura-temperatura': desktop.temperature,
      'lectura-presion': '', // no reading yet
      'lectura-pared': '100',
    });
    assert.match(desktop.temperature, /^\s*\d+,\d\d$/);
    assert.equal(await page.inputValue('#num-particulas'), '50');
    assert.equal(await page.inputValue('#temperatura'), '20');
    assert.equal(await page.inputValue('#posicion-pared'), '100');
    assert.deepEqual(session.errors, []);

    // The first reading, 200 ticks on, fills the pressure box with the
    // gas's "%5.0f" text.
    await animate(page, 200);
    const pressure = await page.inputValue('#lectura-presion');
    assert.match(pressure, /^ *\d+$/);
    assert.ok(pressure.length >= 5);
    assert.equal(pressure, await page.evaluate(() => window.molvix.gas.readoutText('pressure')));
  } finally {
    await session.close();
  }
});

test('each control changes the gas as the desktop\'s does', async () => {
  const session = await openPage();
  const { page } = session;
  const gas = (f) => page.evaluate(f);
  try {
    // 100 particles by the bar: the typed box follows, the readouts too.
    await page.fill('#num-particulas', '100');
    assert.equal(await gas(() => window.molvix.gas.count), 100);
    assert.equal(await page.inputValue('#num-tecleado'), '100');
    assert.deepEqual(
      [await page.inputValue('#lectura-energia'), await page.inputValue('#lectura-temperatura')],
      Object.values(await desktopReadouts(page)));

    // Temperature 0 stops every particle; the gas stands still while animated.
    await page.fill('#temperatura', '0');
    assert.equal(await page.inputValue('#lectura-energia'), '  0');
    assert.equal(await page.inputValue('#lectura-temperatura'), '0,00');
    const before = await gas(() => Array.from(window.molvix.gas.positions(1)));
    await animate(page, 400);
    assert.deepEqual(await gas(() => Array.from(window.molvix.gas.positions(1))), before);
    await page.fill('#temperatura', '20');
    assert.notEqual(await page.inputValue('#lectura-energia'), '  0');

    // The wall at 40: every particle below it at once and while it runs.
    await page.fill('#posicion-pared', '40');
    assert.equal(await page.inputValue('#lectura-pared'), '40');
    const highest = () => gas(() => Math.max(...Array.from(window.molvix.gas.positions(1)).slice(1)));
    assert.ok(await highest() <= 40);
    await animate(page, (await gas(() => window.molvix.gas.ticks)) + 2000);
    assert.ok(await highest() <= 40, `highest y ${await highest()}`);
    await page.fill('#posicion-pared', '100');

    // Collisions SI: the particles collide and the energy stays.
    await page.selectOption('#colisiones', 'SI');
    assert.equal(await gas(() => window.molvix.gas.collisions), true);
    const energy = await page.inputValue('#lectura-energia');
    const speeds = () => gas(() => {
      const g = window.molvix.gas;
      const v = [0, 1, 2].map((a) => g.velocities(a));
      return Array.from({ length: g.count }, (_, i) => Math.hypot(v[0][i + 1], v[1][i + 1], v[2][i + 1]));
    });
    const speedsBefore = await speeds();
    await animate(page, (await gas(() => window.molvix.gas.ticks)) + 2000);
    assert.notDeepEqual(await speeds(), speedsBefore, 'collisions exchange speeds');
    assert.equal(await page.inputValue('#lectura-energia'), energy);
    await page.selectOption('#colisiones', 'NO');
    assert.equal(await gas(() => window.molvix.gas.collisions), false);

    // Vectors: the gas is told.
    await page.selectOption('#dibuja-velocidades', 'SI');
    assert.equal(await gas(() => window.molvix.gas.vectorsShown), true);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

// What cannot be taken (hexadecimal, "75a", "") is refused aloud rather
// than read as the desktop's string-to-integer does: tests/input.test.mjs.
test('a typed count is applied on Enter, clamped to the bar', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    const cases = [
      ['75', 75], ['250', 100], [' 75', 75], ['-5', 0], ['60', 60], ['42', 42], ['10', 10],
    ];
    for (const [typed, count] of cases) {
      await page.fill('#num-tecleado', typed);
      assert.equal(await page.evaluate(() => window.molvix.gas.count), Number(await page.inputValue('#num-particulas')));
      await page.press('#num-tecleado', 'Enter');
      assert.equal(await page.evaluate(() => window.molvix.gas.count), count, JSON.stringify(typed));
      assert.equal(await page.inputValue('#num-particulas'), String(count));
      assert.equal(await page.inputValue('#num-tecleado'), String(count));
    }
    // The count the bar already shows changes nothing; the typed text stays.
    await page.fill('#num-tecleado', '010');
    await page.press('#num-tecleado', 'Enter');
    assert.equal(await page.inputValue('#num-tecleado'), '010');
    // An empty gas: the temperature readout says so in the desktop's words.
    await page.fill('#num-tecleado', '0');
    await page.press('#num-tecleado', 'Enter');
    assert.equal(await page.evaluate(() => window.molvix.gas.count), 0);
    assert.match(await page.inputValue('#lectura-temperatura'), /^Temperatura = /);
    assert.equal(await page.inputValue('#lectura-energia'), '  0');
  } finally {
    await session.close();
  }
});

test('the bars answer the keyboard a step at a time; Space outside a control runs the gas', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await page.focus('#temperatura');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('PageUp');
    assert.equal(await page.inputValue('#temperatura'), '23');
    await page.keyboard.press('PageDown');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await page.inputValue('#temperatura'), '21');
    const energy = await page.inputValue('#lectura-energia');
    assert.equal(energy, (await page.evaluate(() => window.molvix.gas.readoutText('energy'))));
    // On a bar, Space runs the gas; typing in the count's box it does not.
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => window.molvix.running), true);
    await page.focus('#num-tecleado');
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => window.molvix.running), true);
    await page.focus('#lectura-energia');
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => window.molvix.running), false);
  } finally {
    await session.close();
  }
});

// With the moving piston, the wall bar is taken once it rests: dragged and
// held still for longer than the wait, it has not settled until let go.
test('a moving piston waits for the wall bar to be let go and to rest', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await page.evaluate(() => {
      const { gas } = window.molvix;
      gas.setProcess({ piston: 'moving', target: gas.piston, speed: 10 });
      window.wallCalls = [];
      const setWall = gas.setWall.bind(gas);
      gas.setWall = (w) => { window.wallCalls.push([w, performance.now()]); setWall(w); };
    });
    const box = await page.locator('#posicion-pared').boundingBox();
    const y = box.y + box.height / 2;
    await page.mouse.move(box.x + box.width - 3, y);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width / 2, y, { steps: 5 });
    await page.waitForTimeout(1200);
    assert.deepEqual(await page.evaluate(() => window.wallCalls), [], 'held: not settled');
    const released = await page.evaluate(() => performance.now());
    await page.mouse.up();
    await page.waitForFunction(() => window.wallCalls.length > 0);
    const calls = await page.evaluate(() => window.wallCalls);
    assert.equal(calls.length, 1);
    assert.ok(calls[0][0] > 30 && calls[0][0] < 70, `the bar's value, ${calls[0][0]}`);
    assert.ok(calls[0][1] - released >= 700, `${calls[0][1] - released} ms after the release`);
  } finally {
    await session.close();
  }
});
