// "Difusión": opened by its button and by F7; "Aplicar" puts the mixture in
// the gas the view draws (species B in its colour, the divider), "Quitar la
// pared" takes the divider away, "Volver al gas clásico" gives back the
// classic gas a fresh run has; the figures in both languages; the export's
// columns; no accessibility violation.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations, exportCsv, runTicks } from './instruments-support.mjs';

// How many canvas pixels have this colour.
async function pixelsOf(page, [r, g, b]) {
  return page.evaluate(([r0, g0, b0]) => {
    const c = document.getElementById('gas-view');
    const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] === r0 && data[i + 1] === g0 && data[i + 2] === b0) ++n;
    return n;
  }, [r, g, b]);
}

async function setBox(page, label, value) {
  const box = page.locator('#difusion').getByLabel(label, { exact: true });
  await box.fill(value);
  await box.press('Enter');
}

test('opened by key and button; Aplicar, Quitar la pared, Volver al gas clásico', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, acceptDownloads: true });
  const { page } = session;
  try {
    assert.equal(await page.locator('#difusion').isHidden(), true);
    await page.locator('#gas-view').focus();
    await page.keyboard.press('F7');
    assert.equal(await page.locator('#difusion').isVisible(), true);
    assert.equal(await page.getAttribute('#open-difusion', 'aria-expanded'), 'true');
    await page.keyboard.press('F7');
    assert.equal(await page.locator('#difusion').isHidden(), true);
    await page.getByRole('button', { name: /^Difusión/ }).click();
    assert.equal(await page.locator('#difusion').isVisible(), true);
    assert.equal(await pixelsOf(page, [255, 0, 255]), 0, 'no species B in the classic gas');

    await page.selectOption('#colisiones', 'SI');
    await setBox(page, 'Partículas A', '150');
    await setBox(page, 'Partículas B', '120');
    await setBox(page, 'Masa de B', '16');
    await setBox(page, 'Radio de B', '3');
    await page.locator('#difusion').getByLabel('Pared en medio', { exact: true }).selectOption({ label: 'Sólida' });
    await page.locator('#difusion').getByRole('button', { name: /^Aplicar/ }).click();
    const set = await page.evaluate(() => ({
      mixture: window.molvix.gas.mixture, count: window.molvix.gas.count,
      settings: window.molvix.gas.mixtureSettings(), divider: window.molvix.gas.dividerUp }));
    assert.deepEqual(set, { mixture: true, count: 270, divider: true, settings: {
      aCount: 150, aRadius: 1.5, bCount: 120, bMass: 16, bRadius: 3, divider: 'solid', holeSide: 20, heavyMass: 0, heavyRadius: 5,
      gravity: 0 } });
    assert.ok(await pixelsOf(page, [255, 0, 255]) > 500, 'species B drawn in magenta, larger');
    assert.ok(await pixelsOf(page, [128, 128, 128]) > 50, 'the divider drawn');
    assert.equal(await page.locator('#num-particulas').isDisabled(), true, 'the count bar waits');
    assert.equal(await page.locator('#difusion').getByText(/^Difusión: A empieza a la izquierda/).count(), 1);

    await runTicks(page, 1000);
    const figures = await page.locator('#difusion output.figure').textContent();
    assert.match(figures, /Camino libre medio λ: medido \d+,\d\d, teoría \d+,\d\d \(χ de Enskog 1,\d{3}; \d+ caminos\)/);
    assert.match(figures, /Difusión D de la especie A \(DCM = 6·D·t\): medida/);
    assert.match(figures, /Tiempo de mezcla: aún no mezclados/);
    assert.doesNotMatch(figures, /Efusión/, 'no hole, no effusion');
    const csv = await exportCsv(page, 'difusion', 1); // es-ES offers the spreadsheet's first
    assert.equal(csv.name, 'difusion.csv');
    const lines = csv.text.trim().split('\n');
    assert.equal(lines[0], 'time,a_left,a_right,b_left,b_right,effusion_rate_a,effusion_rate_b');
    assert.equal(lines.length, 1 + 1 + 1000 / 20, 'a sample every 20 ticks from the start');
    const last = lines[lines.length - 1].split(',').map(Number);
    assert.deepEqual(last.slice(1, 5), [150, 0, 0, 120], 'A left and B right while the divider stands');

    const remove = page.locator('#difusion').getByRole('button', { name: /^Quitar la pared/ });
    await remove.click();
    assert.equal(await page.evaluate(() => window.molvix.gas.dividerUp), false);
    assert.equal(await remove.isDisabled(), true);
    assert.equal(await pixelsOf(page, [128, 128, 128]), 0, 'no divider drawn');

    // Back to the classic gas: from here it is the gas a fresh page has
    // once its count bar goes to 0 and back, reading for reading but for
    // the clock (tick and time).
    await page.locator('#difusion').getByRole('button', { name: /^Volver al gas clásico/ }).click();
    const back = await page.evaluate(() => {
      const app = window.molvix;
      const ticks = app.gas.ticks;
      const fresh = app.core.createGas();
      fresh.setCollisions(true);
      fresh.setCount(0);
      fresh.setCount(50);
      app.gas.run(2000);
      fresh.run(2000);
      const rows = (text, from) => text.trim().split('\n').slice(1)
        .filter((line) => Number(line.split(',')[0]) > from)
        .map((line) => line.split(',').slice(2).join(','));
      const out = { mixture: app.gas.mixture, count: app.gas.count, page: rows(app.gas.readingsCsv(), ticks),
        fresh: rows(fresh.readingsCsv(), 0), ticks };
      fresh.destroy();
      app.changed('count');
      return out;
    });
    assert.equal(back.mixture, false);
    assert.equal(back.count, 50);
    assert.equal(back.page.length, 10);
    assert.deepEqual(back.page, back.fresh);
    assert.equal(await page.locator('#num-particulas').isDisabled(), false);
    assert.equal(await pixelsOf(page, [255, 0, 255]), 0, 'no species B left');
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('the figures in both languages; the box too full is refused; no violation', async () => {
  for (const [locale, words] of [['es-ES', { apply: 'Aplicar', lambda: /Camino libre medio λ: medido \d+,\d+, teoría \d+,\d+/, refused: /30 %/ }],
    ['en-GB', { apply: 'Apply', lambda: /Mean free path λ: measured \d+\.\d+, theory \d+\.\d+/, refused: /30 %/ }]]) {
    const session = await openPage({ viewport: { width: 360, height: 640 }, locale });
    const { page } = session;
    try {
      await page.click('#open-difusion');
      await page.selectOption('#colisiones', 'SI');
      await page.locator('#difusion').getByRole('button', { name: new RegExp(`^${words.apply}`) }).click();
      await runTicks(page, 600);
      assert.match(await page.locator('#difusion output.figure').textContent(), words.lambda, locale);
      assert.deepEqual(await axeViolations(page, '#difusion'), [], locale);
      // Too full: 500 spheres of radius 8.
      await setBox(page, locale === 'es-ES' ? 'Partículas A' : 'Particles A', '500');
      await setBox(page, locale === 'es-ES' ? 'Radio de A' : 'Radius of A', '8');
      await setBox(page, locale === 'es-ES' ? 'Partículas B' : 'Particles B', '0');
      const before = await page.evaluate(() => window.molvix.gas.mixtureSettings());
      await page.locator('#difusion').getByRole('button', { name: new RegExp(`^${words.apply}`) }).click();
      assert.match(await page.locator('#difusion p.note').textContent(), words.refused);
      assert.deepEqual(await page.evaluate(() => window.molvix.gas.mixtureSettings()), before);
      // At rest the window asks for no frames.
      const frames = await page.evaluate(() => new Promise((done) => {
        const before = window.molvix.framesDrawn;
        setTimeout(() => done(window.molvix.framesDrawn - before), 300);
      }));
      assert.equal(frames, 0);
      assert.deepEqual(session.errors, [], locale);
    } finally {
      await session.close();
    }
  }
});

test('a mixture holds the processes; the view draws the hole, the heavy particle and its trace', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    await page.click('#open-procesos');
    const piston = page.locator('#procesos').getByLabel('Émbolo', { exact: true });
    await piston.selectOption({ label: 'Con carga' });
    const aquaBefore = await pixelsOf(page, [0, 255, 255]);
    await page.click('#open-difusion');
    await page.locator('#difusion').getByLabel('Pared en medio', { exact: true }).selectOption({ label: 'Con agujero' });
    await setBox(page, 'Lado del agujero', '40');
    await setBox(page, 'Masa de la partícula pesada', '500');
    await page.locator('#difusion').getByRole('button', { name: /^Aplicar/ }).click();
    assert.equal(await piston.isDisabled(), true);
    assert.equal(await piston.inputValue(), 'fixed', 'the piston fixed again');
    assert.match(await page.locator('#procesos p.note').textContent(), /^Con una mezcla, el émbolo queda fijo/);
    assert.equal(await page.evaluate(() => window.molvix.gas.processSettings.piston), 'fixed');
    assert.ok(await pixelsOf(page, [0, 255, 255]) > aquaBefore + 50, 'the hole drawn in aqua');
    assert.ok(await pixelsOf(page, [255, 0, 0]) > 100, 'the heavy particle drawn large in red');
    assert.equal(await pixelsOf(page, [0, 255, 0]), 0, 'no trace before the gas moves');
    for (let k = 0; k < 10; ++k) await runTicks(page, 30);
    assert.ok(await pixelsOf(page, [0, 255, 0]) > 20, 'the trace of the heavy particle drawn');
    const figures = await page.locator('#difusion output.figure').textContent();
    assert.match(figures, /Efusión, razón A\/B: medida .*, ley de Graham √\(m_B\/m_A\) = 2,000/);
    assert.match(figures, /Partícula pesada, <v²>: medida \d+,\d{4}, 3kT\/M = \d+,\d{4}/);
    // Its speeds, one at the start and one every 20 ticks, against
    // Maxwell–Boltzmann at kT/M.
    assert.match(figures, /Rapidez de la partícula pesada: distancia KS a Maxwell–Boltzmann con kT\/M \d,\d{3} \(16 muestras\)/);
    const speedChart = page.locator('#difusion canvas[aria-label="Rapidez de la partícula pesada"]');
    const described = await speedChart.getAttribute('aria-describedby');
    assert.match(await page.locator(`#${described}`).textContent(), /^Histograma de 16 rapideces de la partícula pesada/);

    await page.locator('#difusion').getByRole('button', { name: /^Volver al gas clásico/ }).click();
    assert.equal(await piston.isDisabled(), false);
    assert.equal(await page.locator('#procesos p.note').isHidden(), true);
    assert.equal(await pixelsOf(page, [255, 0, 0]), 0, 'no heavy particle left');
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
