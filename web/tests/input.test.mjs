// Every typed box takes what a person types (blanks, either decimal sign,
// an exponent), on Enter and on leaving the box; clamps and says so; or
// refuses in words (aria-invalid, a line tied to the box, the announcer)
// and leaves the gas exactly as it was.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations } from './instruments-support.mjs';

// What a box says: aria-invalid, its message lines (those it is described
// by that are shown), and what the announcer last said.
const verdictOf = (box) => box.evaluate((input) => {
  const lines = (input.getAttribute('aria-describedby') ?? '').split(' ')
    .map((id) => document.getElementById(id)).filter((e) => e?.classList.contains('typed-message') && !e.hidden);
  return {
    invalid: input.getAttribute('aria-invalid') === 'true',
    message: lines.map((e) => e.textContent).join(' '),
    heard: document.getElementById('announcer').textContent.replace(/\u00a0$/, ''),
    text: input.value,
  };
});

// Types `text` into `box` and takes it by Enter or by Tab (leaving it).
async function type(box, text, how) {
  await box.fill(text);
  await box.press(how);
}

// Each row: the text, how it is taken, and either the number the gas takes
// (with the message a clamp gives, or none) or the refusal's message.
const PANEL = [
  ['80 ', 'Enter', { count: 80 }],
  ['12,7', 'Enter', { refused: /^Hace falta un número entero, de 0 a 100; el gas no cambia\.$/ }],
  ['12.7', 'Tab', { refused: /^Hace falta un número entero/ }],
  [' 30', 'Tab', { count: 30 }],
  ['1e9', 'Enter', { count: 100, message: 'Se toma 100, el máximo.' }],
  ['-5', 'Enter', { count: 0, message: 'Se toma 0, el mínimo.' }],
  ['', 'Enter', { refused: /^Casilla vacía: escriba un número de 0 a 100; el gas no cambia\.$/ }],
  ['abc', 'Enter', { refused: /^«abc» no es un número: escriba uno de 0 a 100; el gas no cambia\.$/ }],
  ['150', 'Enter', { count: 100, message: 'Se toma 100, el máximo.' }],
  ['$20', 'Enter', { refused: /no es un número/ }],
  ['0x0A', 'Tab', { refused: /no es un número/ }],
  ['75a', 'Enter', { refused: /no es un número/ }],
  ['42,0', 'Enter', { count: 42 }],
];

test('the panel\'s count: each typed text taken, clamped or refused aloud, the gas kept when refused', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const gasNow = () => page.evaluate(() => ({
    count: window.molvix.gas.count, ticks: window.molvix.gas.ticks, bar: document.getElementById('num-particulas').value }));
  const box = page.locator('#num-tecleado');
  try {
    for (const [text, how, expected] of PANEL) {
      const row = `${JSON.stringify(text)} + ${how}`;
      const before = await gasNow();
      await type(box, text, how);
      const after = await gasNow();
      const said = await verdictOf(box);
      if (expected.refused) {
        assert.deepEqual(after, before, `${row}: the gas as it was`);
        assert.equal(said.invalid, true, row);
        assert.match(said.message, expected.refused, row);
        assert.equal(said.heard, said.message, `${row}: heard`);
        assert.equal(said.text, text, `${row}: the text kept to be mended`);
      } else {
        assert.deepEqual(after, { count: expected.count, ticks: before.ticks, bar: String(expected.count) }, row);
        assert.equal(said.invalid, false, row);
        assert.equal(said.message, expected.message ?? '', row);
        if (expected.message) {
          assert.equal(said.heard, expected.message, `${row}: heard`);
          assert.equal(said.text, String(expected.count), `${row}: the box shows what was taken`);
        }
      }
    }
    await type(box, 'abc', 'Enter');
    assert.deepEqual(await axeViolations(page, '#panel'), []);
    // Enter and then Tab take once: the clamp's line stays.
    await type(box, '500', 'Enter');
    await page.keyboard.press('Tab');
    assert.equal((await verdictOf(box)).message, 'Se toma 100, el máximo.');
    // The bar moved clears what the box said.
    await type(box, 'x', 'Enter');
    await page.fill('#num-particulas', '60');
    assert.deepEqual(await verdictOf(box), { invalid: false, message: '', heard: (await verdictOf(box)).heard, text: '60' });
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('Difusión\'s boxes: B over what A leaves is clamped and said; "50abc" refused, and Aplicar then changes nothing', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  const difusion = page.locator('#difusion');
  const box = (label) => difusion.getByLabel(label, { exact: true });
  const apply = () => difusion.getByRole('button', { name: /^Aplicar/ }).click();
  const gasNow = () => page.evaluate(() => ({ count: window.molvix.gas.count, ticks: window.molvix.gas.ticks,
    settings: window.molvix.gas.mixture ? window.molvix.gas.mixtureSettings() : null }));
  try {
    await page.click('#open-difusion');
    // A 450 leaves room for 50 of the 200 of B, said at B's box; A 200
    // for 300.
    await type(box('Partículas A'), '450', 'Enter');
    assert.deepEqual(await verdictOf(box('Partículas B')),
      { invalid: false, message: 'Se toma 50, el máximo.', heard: 'Se toma 50, el máximo.', text: '50' });
    await type(box('Partículas A'), '200', 'Tab');
    await type(box('Partículas B'), '400', 'Enter');
    assert.deepEqual(await verdictOf(box('Partículas B')),
      { invalid: false, message: 'Se toma 300, el máximo.', heard: 'Se toma 300, el máximo.', text: '300' });
    await type(box('Masa de B'), ' 12,5 ', 'Tab');
    await type(box('Radio de B'), '0.01', 'Tab');
    assert.equal((await verdictOf(box('Radio de B'))).message, 'Se toma 0,10, el mínimo.');
    await apply();
    const applied = await gasNow();
    assert.equal(applied.count, 500);
    assert.deepEqual([applied.settings.aCount, applied.settings.bCount, applied.settings.bMass], [200, 300, 12.5]);
    assert.ok(Math.abs(applied.settings.bRadius - 0.1) < 1e-6, `radius of B ${applied.settings.bRadius}`);
    assert.equal((await verdictOf(box('Partículas B'))).message, 'Se toma 300, el máximo.', 'still said after Aplicar');

    // A text that cannot be taken.
    await type(box('Partículas A'), '100', 'Enter');
    await type(box('Partículas B'), '50abc', 'Tab');
    const before = await gasNow();
    await apply();
    assert.deepEqual(await gasNow(), before, 'the gas as it was');
    const said = await verdictOf(box('Partículas B'));
    assert.deepEqual([said.invalid, said.text], [true, '50abc']);
    assert.match(said.message, /^«50abc» no es un número: escriba uno de 0 a 400; el gas no cambia\.$/);
    assert.equal(await difusion.locator('.note').textContent(), '«Partículas B» no se puede tomar: el gas no cambia.');
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-invalid')), 'true', 'the refused box has the focus');
    assert.deepEqual(await axeViolations(page, '#difusion'), []);

    // A switch of language keeps the text to mend and says it again in English.
    await page.evaluate(() => window.molvix.setLanguage('en'));
    assert.deepEqual(await verdictOf(difusion.getByLabel('Particles B', { exact: true })).then((v) => [v.text, v.message]),
      ['50abc', '“50abc” is not a number: type one from 0 to 400; the gas is unchanged.']);
    await page.evaluate(() => window.molvix.setLanguage('es'));

    // Mended, the line and the notice go, and Aplicar takes it.
    await type(box('Partículas B'), '50', 'Enter');
    assert.deepEqual(await verdictOf(box('Partículas B')).then((v) => [v.invalid, v.message]), [false, '']);
    await apply();
    const mended = await gasNow();
    assert.deepEqual([mended.count, mended.settings.aCount, mended.settings.bCount], [150, 100, 50]);

    // The traced particle is one of the 150, taken on leaving the box.
    await type(box('Partícula trazada'), '7', 'Tab');
    assert.equal(await page.evaluate(() => window.molvix.gas.traced), 7);
    await type(box('Partícula trazada'), '900', 'Tab');
    assert.equal(await page.evaluate(() => window.molvix.gas.traced), 150);
    assert.equal((await verdictOf(box('Partícula trazada'))).message, 'Se toma 150, el máximo.');
    await type(box('Partícula trazada'), '2,5', 'Enter');
    assert.equal(await page.evaluate(() => window.molvix.gas.traced), 150);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('Procesos\' boxes take either decimal sign and refuse in English too', async () => {
  for (const locale of ['es-ES', 'en-GB']) {
    const session = await openPage({ viewport: { width: 1366, height: 768 }, locale });
    const { page } = session;
    const procesos = page.locator('#procesos');
    const settings = () => page.evaluate(() => ({ ...window.molvix.process, ticks: window.molvix.gas.ticks }));
    try {
      await page.click('#open-procesos');
      await procesos.locator('select').first().selectOption('moving');
      const speed = procesos.locator('input[type="text"]').first();
      await type(speed, '2,5', 'Tab');
      assert.equal((await settings()).speed, 2.5, locale);
      await type(speed, ' 0.75', 'Enter');
      assert.equal((await settings()).speed, 0.75, locale);
      const before = await settings();
      await type(speed, 'abc', 'Enter');
      assert.deepEqual(await settings(), before, `${locale}: the settings as they were`);
      const said = await verdictOf(speed);
      assert.equal(said.invalid, true);
      assert.equal(said.message, locale === 'es-ES'
        ? '«abc» no es un número: escriba uno de 0,01 a 1000,00; el gas no cambia.'
        : '“abc” is not a number: type one from 0.01 to 1000.00; the gas is unchanged.');
      await type(speed, '5000', 'Tab');
      assert.equal((await settings()).speed, 1000);
      assert.equal((await verdictOf(speed)).message, locale === 'es-ES' ? 'Se toma 1000,00, el máximo.' : '1000.00 taken: the most it can be.');
      assert.deepEqual(session.errors, [], locale);
    } finally {
      await session.close();
    }
  }
});
