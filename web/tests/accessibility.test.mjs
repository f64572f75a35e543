// An audit of the page by axe-core: no violation of WCAG 2.1 level A or AA,
// in both languages, with the instruments open and closed.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { openPage } from './support.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

async function audit(page) {
  await page.addScriptTag({ path: axePath });
  return page.evaluate(async () => {
    const result = await window.axe.run(document, {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}

test('no WCAG 2.1 A or AA violation in either language', async () => {
  for (const locale of ['es-ES', 'en-GB']) {
    const session = await openPage({ viewport: { width: 1366, height: 768 }, locale });
    const { page } = session;
    try {
      assert.deepEqual(await audit(page), [], locale);
      await page.click('#open-graficas');
      await page.click('#open-procesos');
      await page.selectOption('#dibuja-velocidades', 'SI');
      assert.deepEqual(await audit(page), [], `${locale}, instruments open`);
      // The handbook beside them, an experiment loaded from it.
      await page.keyboard.press('F1');
      await page.waitForFunction(() => document.querySelector('#handbook iframe')?.contentDocument?.readyState === 'complete');
      await page.evaluate(() => document.querySelector('#handbook iframe').contentWindow.location.replace(
        new URL(`handbook/${window.molvix.language}/boyle.html`, document.baseURI).href));
      await page.waitForFunction(() => document.querySelector('#handbook iframe').contentDocument?.querySelector('button.load-experiment'));
      await page.frames().find((f) => f.url().endsWith('/boyle.html')).locator('button.load-experiment').click();
      assert.deepEqual(await audit(page), [], `${locale}, handbook open`);
    } finally {
      await session.close();
    }
  }
});

test('every control has a name that begins with the words it shows, and Tab reaches them in order', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    const names = await page.evaluate(() => {
      const out = [];
      for (const c of document.querySelectorAll('#main-window button, #main-window input, #main-window select, #panel input, #panel select')) {
        const label = c.labels?.[0]?.textContent ?? '';
        const shown = c.tagName === 'BUTTON' ? c.textContent : label;
        const name = c.getAttribute('aria-label') ?? (label || c.textContent);
        out.push({ id: c.id, shown: shown.trim(), name: name.trim() });
      }
      return out;
    });
    for (const { id, shown, name } of names) {
      assert.ok(name.length > 0, `${id} has a name`);
      if (shown && !/^[↑↓←→]$/.test(shown)) assert.ok(name.startsWith(shown), `${id}: "${name}" / "${shown}"`);
    }
    // Tab walks the strip, the view, its controls and then the panel.
    const order = [];
    await page.focus('#open-procesos');
    for (let i = 0; i < 30; ++i) {
      order.push(await page.evaluate(() => document.activeElement.id));
      await page.keyboard.press('Tab');
    }
    const at = (id) => order.indexOf(id);
    for (const [a, b] of [['open-procesos', 'gas-view'], ['gas-view', 'stop'], ['stop', 'giro-arriba'],
      ['giro-arriba', 'zoom'], ['zoom', 'ejes'], ['ejes', 'num-particulas'], ['num-particulas', 'num-tecleado'],
      ['num-tecleado', 'temperatura'], ['temperatura', 'posicion-pared'], ['posicion-pared', 'colisiones']]) {
      assert.ok(at(a) >= 0 && at(a) < at(b), `${a} before ${b}: ${order.join(' ')}`);
    }
  } finally {
    await session.close();
  }
});

test('the running figures are heard at most once every 2 seconds, through one region', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    for (const name of ['graficas', 'procesos']) await page.click(`#open-${name}`);
    await page.evaluate(() => {
      window.announced = [];
      new MutationObserver(() => window.announced.push(document.getElementById('announcer').textContent))
        .observe(document.getElementById('announcer'), { childList: true, characterData: true, subtree: true });
      window.molvix.gas.setCollisions(true);
      window.molvix.changed('collisions');
      window.molvix.start();
    });
    await page.waitForTimeout(5000);
    const { announced, live } = await page.evaluate(() => ({
      announced: window.announced,
      live: [...document.querySelectorAll('output, [aria-live], [role="status"]')]
        .filter((e) => e.getAttribute('aria-live') !== 'off').map((e) => e.id || e.className),
    }));
    // The figures changed with every frame (about 300 times); a few were heard.
    assert.ok(announced.length >= 1 && announced.length <= 3, `${announced.length} announcements`);
    assert.deepEqual(live, ['note', 'announcer']);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
