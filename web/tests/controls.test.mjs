// What a class expects beyond the desktop's controls: the toolbar (Animar /
// Pausa, Paso, Reiniciar, full screen), each bar's setting shown, SI units
// and speed colours as choices, the charts as PNG files, and readouts that
// show every digit.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { YELLOW, picture, pixelsOf } from './helpers.mjs';
import { SPEED_UNIT, toSI } from '../src/units.js';

const countFrames = () => {
  window.framesAsked = 0;
  const ask = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => {
    window.framesAsked += 1;
    return ask(callback);
  };
};

// A button's text and its spoken name.
const named = (page, id) => page.evaluate((i) => {
  const b = document.getElementById(i);
  return { text: b.textContent.trim(), name: b.getAttribute('aria-label') ?? b.textContent.trim(), disabled: b.disabled };
}, id);

test('Animar/Pausa, Paso and Reiniciar: one reading a step, the start given back, nothing running at rest', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    await page.context().addInitScript(countFrames);
    await page.reload();
    await page.waitForFunction(() => window.molvix !== undefined, null, { polling: 50 });
    // The start's first two readings, from a gas of its own.
    const startReadings = await page.evaluate(() => {
      const gas = window.molvix.core.createGas();
      gas.run(2 * window.molvix.core.readingTicks);
      const readings = gas.readings();
      gas.destroy();
      return readings;
    });
    const startPanel = await page.evaluate(() => document.getElementById('lectura-energia').value);

    assert.deepEqual(await named(page, 'reproducir'), { text: 'Animar', name: 'Animar', disabled: false });
    await page.click('#reproducir');
    assert.equal(await page.isChecked('#animacion'), true, 'the desktop\'s radio follows');
    assert.equal((await named(page, 'reproducir')).text, 'Pausa');
    assert.equal((await named(page, 'paso')).disabled, true, 'no step while running');
    await page.waitForFunction(() => window.molvix.gas.ticks > 50, null, { polling: 50 });
    await page.click('#reproducir');
    assert.equal(await page.isChecked('#stop'), true);
    assert.equal((await named(page, 'reproducir')).text, 'Animar');

    // Each step: exactly one more reading, ending on it.
    for (let i = 0; i < 2; ++i) {
      const before = await page.evaluate(() => window.molvix.gas.readingCount);
      await page.click('#paso');
      const after = await page.evaluate(() => ({ n: window.molvix.gas.readingCount, ticks: window.molvix.gas.ticks }));
      assert.equal(after.n, before + 1);
      assert.equal(after.ticks % 200, 0);
    }

    // Everything changed, then Reiniciar: the start's controls, and the
    // start's readings bit for bit.
    await page.fill('#num-particulas', '80');
    await page.fill('#temperatura', '60');
    await page.fill('#posicion-pared', '50');
    await page.selectOption('#colisiones', 'SI');
    await page.selectOption('#ejes', 'SI');
    await page.click('#open-procesos');
    await page.selectOption('#procesos select >> nth=0', { index: 2 });
    await page.click('#open-difusion');
    await page.fill('#difusion input >> nth=0', '120');
    await page.click('#difusion button >> text=Aplicar');
    assert.equal(await page.evaluate(() => window.molvix.gas.mixture), true);
    await page.click('#paso');
    await page.click('#reiniciar');
    assert.deepEqual(await page.evaluate(() => ({
      bars: ['num-particulas', 'temperatura', 'posicion-pared'].map((id) => document.getElementById(id).value),
      settings: [...document.querySelectorAll('#panel output.setting')].map((o) => o.value),
      selects: ['colisiones', 'ejes', 'dibuja-velocidades'].map((id) => document.getElementById(id).value),
      piston: document.querySelector('#procesos select').selectedIndex,
      mixture: window.molvix.gas.mixture,
      aCount: document.querySelector('#difusion input').value,
      process: window.molvix.gas.processSettings.piston,
      pressure: document.getElementById('lectura-presion').value,
      energy: document.getElementById('lectura-energia').value,
      ticks: window.molvix.gas.ticks,
      running: window.molvix.running,
    })), {
      bars: ['50', '20', '100'], settings: ['50', '20', '100'], selects: ['NO', 'NO', 'NO'], piston: 0,
      mixture: false, aCount: '200',
      process: 'fixed', pressure: '', energy: startPanel, ticks: 0, running: false,
    });
    await page.click('#paso');
    await page.click('#paso');
    assert.deepEqual(await page.evaluate(() => window.molvix.gas.readings()), startReadings);

    // At rest after all this, nothing asks for a frame.
    const frames = await page.evaluate(() => window.framesAsked);
    await page.waitForTimeout(400);
    assert.equal(await page.evaluate(() => window.framesAsked), frames);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('each bar shows its setting; SI units beside the readouts agree with p V = N k T', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    const setting = (id) => page.evaluate((i) => document.querySelector(`output[for="${i}"]`).value, id);
    assert.equal(await setting('temperatura'), '20');
    await page.fill('#temperatura', '35');
    assert.equal(await setting('temperatura'), '35');
    await page.focus('#posicion-pared');
    await page.keyboard.press('PageDown');
    assert.equal(await setting('posicion-pared'), '99');

    // Off at start: no SI value shown.
    assert.equal(await page.locator('#si-lectura-temperatura').isVisible(), false);
    await page.check('#ver-si');
    await page.click('#paso');
    const shown = await page.evaluate(() => Object.fromEntries(['temperatura', 'presion', 'pared', 'energia']
      .map((k) => [k, document.getElementById(`si-lectura-${k}`).textContent])));
    const value = (text, unit) => {
      const m = text.match(new RegExp(`^(\\d+(?:,\\d+)?) ${unit}$`));
      assert.ok(m, `${text} in ${unit}`);
      return Number(m[1].replace(',', '.'));
    };
    const kelvin = value(shown.temperatura, 'K');
    const kpa = value(shown.presion, 'kPa');
    const side = value(shown.pared, 'nm');
    const zj = value(shown.energia, 'zJ');
    const count = await page.evaluate(() => window.molvix.gas.count);
    const k = 1.380649e-23;
    // The box 100 × 100 × wall lengths, the side 100 of them.
    const box = toSI.nanometre(100) * 1e-9;
    const ideal = (count * k * kelvin) / (box * box * side * 1e-9) / 1000;
    assert.ok(Math.abs(kpa / ideal - 1) < 0.06, `${kpa} kPa shown, ${ideal} ideal`);
    // The kinetic energy of a monatomic gas, 3/2 N k T.
    assert.ok(Math.abs((zj * 1e-21) / (1.5 * count * k * kelvin) - 1) < 0.01, `${zj} zJ at ${kelvin} K`);
    // Argon at 300 K: root-mean-square speed √(3kT/m) = 432.5 m/s; in the
    // model 300 K is 2 units, ⟨v²⟩ = 300 × 2.
    assert.ok(Math.abs(Math.sqrt(600) * SPEED_UNIT - 432.5) < 1);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('speed colours change the picture only when chosen; the seed\'s look comes back whole', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    const start = await picture(page);
    const yellow = await pixelsOf(page, YELLOW);
    assert.ok(yellow > 0);
    await page.check('#ver-si'); // another choice leaves the gas's look
    assert.equal(await picture(page), start);
    await page.check('#ver-colores');
    assert.equal(await pixelsOf(page, YELLOW), 0, 'no particle left yellow');
    assert.notEqual(await picture(page), start);
    assert.match(await page.locator('.speed-legend').innerText(), /m\/s/);
    // Heated, the gas is drawn in other (faster) colours.
    const cool = await picture(page);
    await page.fill('#temperatura', '60');
    await page.fill('#temperatura', '20');
    assert.equal(await picture(page), cool, 'the same speeds, the same colours');
    await page.fill('#temperatura', '60');
    assert.notEqual(await picture(page), cool);
    await page.fill('#temperatura', '20');
    await page.uncheck('#ver-colores');
    assert.equal(await picture(page), start);
    assert.equal(await page.locator('.speed-legend').isVisible(), false);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('a chart is saved as a PNG file; F puts the view full screen', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, acceptDownloads: true });
  const { page } = session;
  try {
    await page.click('#paso');
    await page.click('#open-graficas');
    await page.click('#graficas .export-png > button');
    const [download] = await Promise.all([
      page.waitForEvent('download'),
      page.click('#graficas .export-png .export-types button >> text=Presión, historia'),
    ]);
    assert.equal(download.suggestedFilename(), 'presion-historia.png');
    const bytes = await readFile(await download.path());
    assert.deepEqual([...bytes.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    // Its width and height (the IHDR's) are the chart's, its title and
    // legend added.
    const chart = await page.evaluate(() => document.querySelectorAll('#graficas canvas.chart')[1].width);
    assert.equal(bytes.readUInt32BE(16), chart);

    await page.focus('#gas-view');
    await page.keyboard.press('f');
    await page.waitForFunction(() => document.fullscreenElement?.id === 'main-window');
    // The button says so once the browser tells the page (its change event
    // comes a frame after the element is set).
    await page.waitForFunction(() => document.getElementById('pantalla-completa').textContent.includes('Salir'), null, { timeout: 5000 })
      .catch(() => {});
    assert.equal((await named(page, 'pantalla-completa')).text, 'Salir de pantalla completa');
    await page.click('#pantalla-completa');
    await page.waitForFunction(() => document.fullscreenElement === null);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

// Every readout box shows its whole text, at both sizes and in both
// languages: a hot, squeezed gas's pressure, and an empty gas's words.
test('no readout is cut, and none covers its neighbours', async () => {
  for (const [width, height] of [[1366, 768], [360, 640]]) {
    for (const language of ['es', 'en']) {
      const session = await openPage({ viewport: { width, height } }, `/#lang=${language}`);
      const { page } = session;
      const where = `${width}x${height} ${language}`;
      const check = async (state) => {
        const boxes = await page.evaluate(() => [...document.querySelectorAll('#panel input.readout, #panel input.typed, #panel .si, #panel output.setting')]
          .filter((b) => !b.hidden)
          .map((b) => ({ id: b.id || b.htmlFor?.value || b.className, value: b.value ?? b.textContent, scroll: b.scrollWidth, client: b.clientWidth, rect: b.getBoundingClientRect().toJSON() })));
        for (const b of boxes) {
          assert.ok(b.scroll <= b.client, `${where} ${state}: ${b.id} "${b.value}" needs ${b.scroll}, has ${b.client}`);
          assert.ok(b.rect.left >= 0 && b.rect.right <= width, `${where} ${state}: ${b.id} outside`);
        }
        const controls = await page.evaluate(() => [...document.querySelectorAll('#panel input, #panel select, #panel label, #panel .si, #panel output')]
          .filter((c) => !c.hidden && !c.closest('.visually-hidden') && c.getBoundingClientRect().width > 1)
          .map((c) => ({ id: c.id || c.textContent, r: c.getBoundingClientRect().toJSON() })));
        for (let i = 0; i < controls.length; ++i) {
          for (let j = i + 1; j < controls.length; ++j) {
            const [a, b] = [controls[i].r, controls[j].r];
            const over = a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
            assert.ok(!over, `${where} ${state}: ${controls[i].id} over ${controls[j].id}`);
          }
        }
        return boxes;
      };
      try {
        await page.check('#ver-si');
        await page.fill('#num-particulas', '100');
        await page.fill('#temperatura', '100');
        await page.fill('#posicion-pared', '1');
        for (let i = 0; i < 3; ++i) await page.click('#paso');
        const hot = await check('hot');
        const pressure = hot.find((b) => b.id === 'lectura-presion').value.trim();
        assert.ok(pressure.length >= 7, `${where}: the pressure ${pressure}`);
        await page.fill('#num-tecleado', '0');
        await page.press('#num-tecleado', 'Enter');
        const empty = await check('empty');
        assert.match(empty.find((b) => b.id === 'lectura-temperatura').value, /^Temperat/);
        assert.deepEqual(session.errors, []);
      } finally {
        await session.close();
      }
    }
  }
});
