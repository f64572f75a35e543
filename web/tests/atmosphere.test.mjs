// "Difusión" under a field and as a real gas: the Gravedad box takes its
// text by the page's rules, "Aplicar" gives the field to the gas (and to
// the address), the height profile and Z charts draw the core's own rows
// and figures, the point of the settings before stays on the Z chart; in
// English too, with no accessibility violation.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations, runTicks } from './instruments-support.mjs';

// The charts as last drawn beside what the core gives now, each series by
// its legend's label as [x, y] points.
const drawnAndCore = (page) => page.evaluate(() => {
  const app = window.molvix;
  app.diffusion.draw(true);
  const series = (name) => Object.fromEntries(app.diffusion.figure(name).series.map((s) => [s.label, s.points]));
  const f = app.gas.figures();
  return { profile: series('profile'), temperature: series('temperature'), z: series('z'), rows: app.gas.profileRows(),
    f, eta: app.core.packingOfZ(f.zTheory), text: document.querySelector('#difusion output.figure').textContent };
});

async function setBox(difusion, setting, value) {
  const box = difusion.locator(`[data-setting="${setting}"]`);
  await box.fill(value);
  await box.press('Enter');
}

test('Gravedad: bad text refused or clamped aloud; the charts are the core\'s; an earlier point stays', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const difusion = page.locator('#difusion');
  const gravity = difusion.getByLabel('Gravedad', { exact: true });
  const line = async () => difusion.locator(`#${(await gravity.getAttribute('aria-describedby')).split(' ').pop()}`).textContent();
  try {
    await page.click('#open-difusion');
    await page.selectOption('#colisiones', 'SI');
    await setBox(difusion, 'gravity', 'abc');
    assert.equal(await line(), '«abc» no es un número: escriba uno de 0,00 a 1000,00; el gas no cambia.');
    await difusion.locator('[data-action="apply"]').click();
    assert.equal(await page.evaluate(() => window.molvix.gas.mixture), false, 'refused: the gas as it was');
    assert.equal(await difusion.locator('.note').textContent(), '«Gravedad» no se puede tomar: el gas no cambia.');
    await setBox(difusion, 'gravity', '-3');
    assert.deepEqual([await line(), await gravity.inputValue(), await gravity.getAttribute('aria-invalid')],
      ['Se toma 0,00, el mínimo.', '0,00', null]);

    for (const [setting, value] of [['particles', '100'], ['b-particles', '100'], ['b-mass', '4'], ['gravity', '8']]) {
      await setBox(difusion, setting, value);
    }
    await difusion.locator('[data-setting="divider"]').selectOption('none');
    await difusion.locator('[data-action="apply"]').click();
    assert.equal(await page.evaluate(() => window.molvix.gas.mixtureSettings().gravity), 8);
    await page.waitForFunction(() => location.hash.includes('gravity=8'));
    for (let k = 0; k < 6; ++k) await runTicks(page, 500);
    const first = await drawnAndCore(page);
    assert.equal(first.rows.length, 40, 'twenty layers of A and of B');
    for (const [species, name] of [[0, 'Especie A'], [1, 'Especie B']]) {
      const rows = first.rows.filter((r) => r.species === species);
      assert.deepEqual(first.profile[name], rows.map((r) => [r.height, r.density]), name);
      assert.deepEqual(first.profile[`Ley barométrica (${name})`], rows.map((r) => [r.height, r.densityTheory]), name);
      assert.deepEqual(first.temperature[name], rows.filter((r) => r.temperature !== null).map((r) => [r.height, r.temperature]));
    }
    // Under the field the density changes with height: no Z.
    assert.equal(first.f.zWalls, null);
    assert.deepEqual(first.z['Z de las paredes'] ?? [], []);
    const n = (x, d) => x.toFixed(d).replace('.', ',');
    assert.match(first.text, new RegExp(`Presión en el suelo: ${n(first.f.pressureFloor, 4)}; Presión en el pistón: ${n(first.f.pressureTop, 4)}; Peso por área: 0,4000`));
    assert.match(first.text, /Deriva de la energía total: -?\d,\d·10⁻[⁰¹²³⁴⁵⁶⁷⁸⁹]+/);
    assert.doesNotMatch(first.text, /Z de las paredes/);

    // Without the field, larger spheres, then smaller: the point before
    // stays, grey.
    await setBox(difusion, 'radius', '4');
    await setBox(difusion, 'gravity', '0');
    await difusion.locator('[data-action="apply"]').click();
    await runTicks(page, 500);
    const second = await drawnAndCore(page);
    assert.deepEqual(second.z['Z de las paredes'], [[second.eta, second.f.zWalls]]);
    assert.deepEqual(second.z['Z del virial'], [[second.eta, second.f.zVirial]]);
    assert.match(second.text, new RegExp(`Z de las paredes: ${n(second.f.zWalls, 3)}; Z del virial: ${n(second.f.zVirial, 3)}`));
    assert.doesNotMatch(second.text, /Presión en el suelo/, 'no field, no field lines');
    await setBox(difusion, 'radius', '2');
    await difusion.locator('[data-action="apply"]').click();
    await runTicks(page, 500);
    const third = await drawnAndCore(page);
    assert.deepEqual(third.z['Z de las paredes, ajustes anteriores'], second.z['Z de las paredes']);
    assert.deepEqual(third.z['Z del virial, ajustes anteriores'], second.z['Z del virial']);
    assert.ok(third.eta < second.eta - 0.01, `a thinner gas: η ${second.eta} then ${third.eta}`);
    await page.waitForFunction(() => !location.hash.includes('gravity'));
    // At rest the window asks for no frames.
    const frames = await page.evaluate(() => new Promise((done) => {
      const before = window.molvix.framesDrawn;
      setTimeout(() => done(window.molvix.framesDrawn - before), 300);
    }));
    assert.equal(frames, 0);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('in English on a phone: the new charts named, every text translated, no violation', async () => {
  const session = await openPage({ viewport: { width: 360, height: 640 }, locale: 'en-GB' });
  const { page } = session;
  const difusion = page.locator('#difusion');
  try {
    await page.click('#open-difusion');
    await page.selectOption('#colisiones', 'SI');
    await setBox(difusion, 'gravity', '8');
    await difusion.getByRole('button', { name: /^Apply/ }).click();
    await runTicks(page, 1000);
    await page.evaluate(() => window.molvix.diffusion.draw(true));
    const names = await difusion.locator('canvas').evaluateAll((all) => all.slice(-3).map((c) => c.getAttribute('aria-label')));
    assert.deepEqual(names, ['Height profile: Density', 'Height profile: Temperature', 'Z against packing']);
    assert.match(await difusion.locator('output.figure').textContent(), /Pressure on the floor: \d\.\d{4}; Pressure on the piston/);
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360, 'nothing wider than the phone');
    assert.deepEqual(await axeViolations(page, '#difusion'), []);
    assert.deepEqual(session.errors, [], 'every page text translated');
  } finally {
    await session.close();
  }
});
