// "Procesos": the moving piston, set from its controls and sent off by the
// wall bar once it settles, compresses the gas 100 → 50 adiabatically (the
// temperature rises by 2^(2/3) = 1.59); the ledger as shown adds up
// (ΔU = W + Q) and matches the energy; the fit finds 5/3; the export is the
// path since "Poner a cero"; no accessibility violation in either language.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations, exportCsv, labSeries, openPart, runTicks, shownNumber, spreadsheet } from './instruments-support.mjs';

// The ledger as shown: W, Q and ΔU with the decimals they are shown with.
async function shownLedger(page) {
  const texts = await page.locator('#procesos .ledger output').allTextContents();
  const figure = (text) => text.match(/= (-?\d+(?:,\d+)?)/)[1];
  const [w, q, du] = texts.slice(0, 3).map(figure);
  return { w: shownNumber(w), q: shownNumber(q), du: shownNumber(du), decimals: (w.split(',')[1] ?? '').length, texts };
}

test('the moving piston compresses 100 → 50 at 0.1: T × 1.59, ΔU = W + Q as shown', async () => {
  const session = await openPage({ acceptDownloads: true });
  const { page } = session;
  try {
    await openPart(page, 'procesos');
    await page.evaluate(() => {
      window.molvix.gas.setCollisions(true);
      window.molvix.changed('collisions');
    });
    await runTicks(page, 4000);
    await page.locator('#procesos').getByRole('button', { name: /^Poner a cero/ }).click();
    const before = await page.evaluate(() => window.molvix.gas.readouts());

    await page.locator('#procesos').getByLabel('Émbolo', { exact: true }).selectOption({ label: 'Móvil' });
    const speed = page.locator('#procesos').getByLabel('Velocidad del émbolo', { exact: true });
    assert.equal(await speed.isEnabled(), true);
    await speed.fill('0,1'); // the page's decimal sign
    await speed.press('Enter');
    assert.equal(await speed.inputValue(), '0,10');
    assert.equal(await page.locator('#procesos').getByLabel('Masa del émbolo', { exact: true }).isEnabled(), false);

    // The wall bar moved as the panel moves it: the piston waits for it to
    // settle before it sets off.
    await page.evaluate(() => { window.movedAt = performance.now(); });
    await page.fill('#posicion-pared', '50');
    const early = await page.evaluate(() => {
      window.molvix.gas.run(100);
      return window.molvix.gas.piston;
    });
    assert.equal(early, 100);
    await page.waitForFunction(() => window.molvix.process.target === 50);
    assert.ok(await page.evaluate(() => performance.now() - window.movedAt) >= 750);
    await runTicks(page, 6000); // 50 lengths at 0.01 a tick, and at rest a while
    const after = await page.evaluate(() => ({ piston: window.molvix.gas.piston, ...window.molvix.gas.readouts() }));
    assert.equal(after.piston, 50);
    const factor = after.temperature / before.temperature;
    assert.ok(Math.abs(factor / 1.59 - 1) <= 0.08, `temperature × ${factor}`);

    const ledger = await shownLedger(page);
    const scale = 10 ** ledger.decimals;
    assert.equal(Math.round((ledger.w + ledger.q) * scale), Math.round(ledger.du * scale), ledger.texts.join('\n'));
    assert.equal(ledger.q, 0); // no bath: no heat
    assert.ok(ledger.w > 0, 'compressing does work on the gas');
    assert.ok(Math.abs(ledger.du - (after.energy - before.energy)) <= 1e-3 * after.energy, ledger.texts[2]);

    const fit = await page.locator('#procesos output.fit').textContent();
    const gamma = fit.match(/γ = (\d,\d+) ± (\d,\d+)/);
    assert.ok(gamma, fit);
    assert.ok(Math.abs(shownNumber(gamma[1]) - 5 / 3) < 0.15, fit);

    // The export holds the readings since "Poner a cero": 6 100 ticks.
    await page.locator('#procesos .export > button').click();
    const [file] = await Promise.all([page.waitForEvent('download'),
      page.locator('#procesos .export-types button[data-dialect="plain"]').click()]);
    assert.equal(file.suggestedFilename(), 'proceso.csv');
    const rows = readFileSync(await file.path(), 'utf8').trimEnd().split('\n');
    assert.equal(rows.length, 1 + 30);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('the controls follow the piston mode and the bath, in either language, with no violation', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await openPart(page, 'procesos');
    const enabled = () => page.locator('#procesos .process-field input').evaluateAll((inputs) => inputs.map((i) => !i.disabled));
    // speed, load, mass | bath temperature
    assert.deepEqual(await enabled(), [false, false, false, false]);
    await page.locator('#procesos').getByLabel('Émbolo', { exact: true }).selectOption({ label: 'Con carga' });
    await page.locator('#procesos').getByLabel('Baño térmico', { exact: true }).selectOption({ label: 'SI' });
    assert.deepEqual(await enabled(), [false, true, true, true]);
    // Switched on with no temperature chosen, the bath takes the gas's own,
    // exactly, as the desktop and molvix-lab do; the box shows it rounded.
    const bathBox = page.locator('#procesos').getByLabel('Temperatura del baño', { exact: true });
    const own = await page.evaluate(() => window.molvix.gas.defaultBathTemperature());
    assert.ok(Math.abs(own - 1.99) < 0.01, `the start-up gas's temperature, ${own}`);
    assert.equal(await page.evaluate(() => window.molvix.gas.processSettings.bathTemperature), own);
    assert.equal(await bathBox.inputValue(), own.toFixed(2).replace('.', ','));
    // A load beyond what the mass can carry (500 × the mass) is lowered to it.
    const load = page.locator('#procesos').getByLabel('Carga (presión exterior)', { exact: true });
    await page.locator('#procesos').getByLabel('Masa del émbolo', { exact: true }).fill('2');
    await page.locator('#procesos').getByLabel('Masa del émbolo', { exact: true }).press('Tab');
    await load.fill('5000');
    await load.press('Enter');
    assert.equal(await load.inputValue(), '1000,0');
    // Typed with either decimal sign, stepped by the arrows, and what is no
    // number leaves the value as it was and stays in the box to be mended.
    const mass = page.locator('#procesos').getByLabel('Masa del émbolo', { exact: true });
    for (const [typed, key, shown] of [['2.5', 'Enter', '2,50'], ['3,25', 'Enter', '3,25'],
      [null, 'ArrowUp', '13,25'], ['diez', 'Enter', 'diez'], ['0', 'Enter', '1,00']]) {
      if (typed !== null) await mass.fill(typed);
      await mass.press(key);
      assert.equal(await mass.inputValue(), shown, `${typed} ${key}`);
      if (typed === 'diez') assert.equal(await page.evaluate(() => window.molvix.process.mass), 13.25);
    }
    // The mass is 1 now: the load it can carry is 500.
    assert.equal(await load.inputValue(), '500,0');
    await runTicks(page, 400);
    assert.deepEqual(await axeViolations(page, '#procesos'), []);

    await page.evaluate(() => window.molvix.setLanguage('en'));
    assert.equal(await page.locator('#procesos').getByLabel('Piston', { exact: true }).inputValue(), 'loaded');
    assert.equal(await page.locator('#procesos').getByLabel('Load (outside pressure)', { exact: true }).inputValue(), '500.0');
    assert.match(await page.locator('#procesos h2').textContent(), /^Processes$/);
    assert.deepEqual(await axeViolations(page, '#procesos'), []);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test("the process file is molvix-lab's series of the same compression, byte for byte", async () => {
  const session = await openPage({ acceptDownloads: true });
  const { page } = session;
  try {
    await openPart(page, 'procesos');
    const part = page.locator('#procesos');
    await page.evaluate(() => window.molvix.gas.setCollisions(true));
    await part.getByLabel('Émbolo', { exact: true }).selectOption('moving');
    await part.getByLabel('Velocidad del émbolo', { exact: true }).fill('0,1');
    await part.getByLabel('Velocidad del émbolo', { exact: true }).press('Enter');
    await page.fill('#posicion-pared', '50');
    await page.waitForFunction(() => window.molvix.process.target === 50);
    await part.getByRole('button', { name: /^Poner a cero/ }).click();
    await runTicks(page, 6000);
    const plain = labSeries(['--piston', 'moving', '--piston-to', '50', '--piston-speed', '0.1',
      '--collisions', 'on', '--ticks', '6000']);
    assert.equal(plain.split('\n').length, 32, 'a header, 30 readings and the last newline');
    const order = await part.locator('.export-types button').evaluateAll((bs) => bs.map((b) => b.dataset.dialect));
    for (const index of [0, 1]) {
      const file = await exportCsv(page, 'procesos', index);
      assert.equal(file.name, 'proceso.csv');
      assert.equal(file.text, order[index] === 'plain' ? plain : spreadsheet(plain));
    }
  } finally {
    await session.close();
  }
});
