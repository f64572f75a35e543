// "Gráficas": the exported readings are molvix-lab's series byte for byte,
// in both dialects; the history marks a burst of changes once and the means
// since the last change are those of the readings after it; nothing is
// drawn while hidden; no accessibility violation in either language.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations, exportCsv, labSeries, openPart, runTicks, shownNumber, spreadsheet } from './instruments-support.mjs';

for (const [language, locale, name, first] of [
  ['es', 'es-ES', 'lecturas.csv', 'spreadsheet'],
  ['en', 'en-GB', 'readings.csv', 'plain'],
]) {
  test(`the exported readings are molvix-lab's series, both dialects (${language})`, async () => {
    const session = await openPage({ locale, acceptDownloads: true });
    const { page } = session;
    try {
      await page.evaluate((lang) => window.molvix.setLanguage(lang), language);
      await page.evaluate(() => {
        const { gas } = window.molvix;
        gas.setCount(100);
        gas.setCollisions(true);
        gas.setTemperature(35);
      });
      await runTicks(page, 4000);
      await openPart(page, 'graficas');
      const plain = labSeries(['--particles', '100', '--temperature', '35', '--collisions', 'on', '--ticks', '4000']);
      assert.equal(plain.split('\n').length, 22, 'a header, 20 readings and the last newline');
      // The locale's own dialect is offered first, as the desktop's dialog
      // selects it.
      const order = await page.locator('#graficas .export-types button').evaluateAll((bs) => bs.map((b) => b.dataset.dialect));
      assert.equal(order[0], first);
      const byDialect = {};
      for (const index of [0, 1]) {
        const file = await exportCsv(page, 'graficas', index);
        assert.equal(file.name, name);
        byDialect[order[index]] = file.text;
      }
      assert.equal(byDialect.plain, plain);
      assert.equal(byDialect.spreadsheet, spreadsheet(plain));
      assert.deepEqual(await axeViolations(page, '#graficas'), []);
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  });
}

test('a burst of changes is one mark; the means are those since its end', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await openPart(page, 'graficas');
    const marks = () => page.evaluate(() => {
      const canvas = document.querySelector('#graficas canvas[aria-label^="Presión"]');
      const text = document.getElementById(canvas.getAttribute('aria-describedby')).textContent;
      return Number(text.match(/Cambios marcados: (\d+)/)[1]);
    });
    const change = (what, action) => page.evaluate(([w, a]) => {
      const app = window.molvix;
      new Function('gas', a)(app.gas);
      app.changed(w);
    }, [what, action]);
    await runTicks(page, 1000);
    assert.equal(await marks(), 0);
    // Two presses in consecutive readings: one burst.
    await change('temperature', 'gas.setTemperature(30)');
    await runTicks(page, 200);
    await change('temperature', 'gas.setTemperature(40)');
    await runTicks(page, 1000);
    assert.equal(await marks(), 1);
    // A change "Procesos" makes, which no reading carries, is a change too.
    await page.evaluate(() => {
      window.molvix.gas.setProcess({ bath: true, bathTemperature: 3 });
      window.molvix.changed('process');
    });
    await runTicks(page, 1200);
    assert.equal(await marks(), 2);
    await change('wall', 'gas.setWall(80)');
    await runTicks(page, 1600);
    assert.equal(await marks(), 3);

    // The stretch: the readings after the one the wall changed in.
    const readings = await page.evaluate(() => window.molvix.gas.readings());
    const at = readings.findIndex((r) => r.wall === 80);
    const stretch = readings.slice(at + 1);
    assert.equal(stretch.length, 7);
    const mean = (f) => stretch.reduce((s, r) => s + r[f], 0) / stretch.length;
    const text = await page.locator('#graficas output.ratio').textContent();
    const m = text.match(/Presión media ([\d,]+) ± [\d,]+, Temperatura media ([\d,]+) ±/);
    assert.ok(m, text);
    assert.equal(shownNumber(m[1]), Number(mean('pressure').toFixed(1)));
    assert.equal(shownNumber(m[2]), Number(mean('temperature').toFixed(3)));
    assert.match(text, /P·V \/ \(N·T\) = \d,\d\d ± \d,\d\d .*: 7\)/);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('hidden, it draws nothing; shown, it draws what came meanwhile', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    const distance = () => page.locator('#graficas .speed-side output').textContent();
    const blank = await distance();
    await page.evaluate(() => window.molvix.gas.setCollisions(true));
    await runTicks(page, 2000);
    assert.equal(await distance(), blank, 'drawn while hidden');
    await openPart(page, 'graficas');
    assert.match(await distance(), /^Distancia KS: 0,\d\d\d$/);
    // The histogram's samples: 40 snapshots of the 50 particles.
    assert.equal(await page.locator('#graficas .speed-side p.small').first().textContent(),
      '2000 rapideces de los últimos 2000 pasos');
  } finally {
    await session.close();
  }
});

test('the ideal-gas check says why it has no ratio, as the desktop says it', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await openPart(page, 'graficas');
    const ratio = () => page.locator('#graficas output.ratio').textContent();
    assert.equal(await ratio(), 'P·V / (N·T): todavía no hay lecturas.');
    await runTicks(page, 400);
    assert.match(await ratio(), /P·V \/ \(N·T\) = 1,\d\d ± \d,\d\d .*: 2\)$/);
    for (const [action, ticks, text] of [
      ['gas.setTemperature(30)', 200, 'P·V / (N·T): esperando la segunda lectura desde el último cambio.'],
      ['gas.setTemperature(0)', 600, 'P·V / (N·T): con temperatura 0 no hay presión.'],
      ['gas.setTemperature(20); gas.setWall(0)', 600, 'P·V / (N·T): la pared está en 0, el volumen es nulo.'],
      ['gas.setWall(100); gas.setCount(0)', 600, 'P·V / (N·T): no hay partículas.'],
    ]) {
      await page.evaluate((a) => {
        new Function('gas', a)(window.molvix.gas);
        window.molvix.changed('panel');
      }, action);
      await runTicks(page, ticks);
      assert.equal(await ratio(), text, action);
    }
    // No particles: the distribution says so instead of drawing.
    assert.equal(await page.locator('#graficas .speed-side p.state').textContent(),
      'No hay partículas: elija cuántas en el Panel de Control.');
  } finally {
    await session.close();
  }
});
