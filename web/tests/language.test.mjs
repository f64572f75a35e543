// Both languages: chosen from the browser's, switched on the page, and
// every text of the main window and the panel rendered again.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';

const words = (page) => page.evaluate(() => ({
  lang: document.documentElement.lang,
  animate: document.querySelector('label[for="animacion"]').textContent,
  count: document.querySelector('label[for="num-particulas"]').textContent,
  wall: document.querySelector('label[for="posicion-pared"]').textContent,
  axes: document.querySelector('label[for="ejes"]').textContent,
  yes: document.querySelector('#colisiones option[value="SI"]').textContent,
  graphs: document.getElementById('open-graficas').textContent,
  turnRight: document.getElementById('giro-derecha').getAttribute('aria-label'),
  view: document.getElementById('gas-view').getAttribute('aria-label'),
}));

const spanish = {
  lang: 'es', animate: 'Animación', count: 'Num. Partículas', wall: 'Posicion Pared', axes: 'EJES',
  yes: 'SI', graphs: 'Gráficas', turnRight: 'Girar a la derecha',
};
const english = {
  lang: 'en', animate: 'Animation', count: 'No. Particles', wall: 'Wall Position', axes: 'AXES',
  yes: 'YES', graphs: 'Graphs', turnRight: 'Turn right',
};
const withoutView = ({ view, ...rest }) => rest;

test('the browser\'s language chooses the page\'s; the switch changes every text', async () => {
  for (const [locale, first, second, other] of [['en-GB', english, spanish, 'es'], ['es-ES', spanish, english, 'en'], ['fr-FR', english, spanish, 'es']]) {
    const session = await openPage({ locale });
    const { page } = session;
    try {
      assert.deepEqual(withoutView(await words(page)), first, locale);
      const readout = await page.inputValue('#lectura-temperatura');
      await page.selectOption('#language', other);
      const after = await words(page);
      assert.deepEqual(withoutView(after), second, `${locale} switched`);
      assert.match(after.view, other === 'en' ? /^Gas view: 50 particles\. Wall at position 100/ : /^Vista del gas: 50 partículas\./);
      // The readouts are the desktop's texts in each language's decimal sign.
      const sign = (text, language) => (language === 'es' ? text.replace('.', ',') : text.replace(',', '.'));
      assert.equal(await page.inputValue('#lectura-temperatura'), sign(readout, other));
      assert.match(await page.inputValue('#lectura-temperatura'), other === 'es' ? /^ *\d+,\d\d$/ : /^ *\d+\.\d\d$/);
      // The choice is in the address, for a link or a reload, and nothing
      // is stored on the computer.
      assert.equal(new URL(page.url()).hash, `#lang=${other}`);
      assert.equal(await page.evaluate(() => localStorage.length), 0);
      await page.reload();
      await page.waitForFunction(() => window.molvix !== undefined);
      assert.deepEqual(withoutView(await words(page)), second, `${locale} reloaded`);
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  }
});

test('numbers take the language\'s decimal sign, and what rounds to zero has no sign', async () => {
  const session = await openPage({ locale: 'es-ES' });
  try {
    const shown = () => session.page.evaluate(() => [-0.004, 1.5, -2.25].map((x) => window.molvix.number(x, 2)));
    assert.deepEqual(await shown(), ['0,00', '1,50', '-2,25']);
    await session.page.selectOption('#language', 'en');
    assert.deepEqual(await shown(), ['0.00', '1.50', '-2.25']);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
