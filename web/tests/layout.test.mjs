// A laptop's window and a phone's show every control of the main window,
// the panel and the instruments whole, inside the width, none over another.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';

const controlBoxes = (page) => page.evaluate(() => {
  const boxes = [];
  for (const c of document.querySelectorAll('button, input, select, textarea, label, legend, canvas, a[href]')) {
    const r = c.getBoundingClientRect();
    const style = getComputedStyle(c);
    if (r.width <= 1 || r.height <= 1 || style.visibility === 'hidden' || c.closest('[hidden], dialog:not([open])')) continue;
    // A control inside another (a button in a label) is part of it.
    if (c.tagName !== 'LABEL' && c.closest('label') && c.closest('label') !== c) continue;
    boxes.push({ what: `${c.tagName.toLowerCase()}#${c.id || c.textContent.trim().slice(0, 20)}`,
      left: r.left + scrollX, top: r.top + scrollY, right: r.right + scrollX, bottom: r.bottom + scrollY });
  }
  return { boxes, width: document.documentElement.clientWidth };
});

const overlap = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5
  && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;

test('every control whole and apart at 1366 x 768 and 360 x 640', async () => {
  for (const [width, height] of [[1366, 768], [360, 640]]) {
    const session = await openPage({ viewport: { width, height } });
    const { page } = session;
    try {
      for (const open of [false, true]) {
        if (open) {
          await page.click('#open-graficas');
          await page.click('#open-procesos');
        }
        const { boxes, width: room } = await controlBoxes(page);
        assert.ok(boxes.length >= 25, `${boxes.length} controls`);
        for (const b of boxes) {
          assert.ok(b.left >= 0 && b.right <= room + 0.5, `${width}x${height}: ${b.what} outside [0, ${room}]: ${b.left}..${b.right}`);
        }
        for (let i = 0; i < boxes.length; ++i) {
          for (let j = i + 1; j < boxes.length; ++j) {
            assert.ok(!overlap(boxes[i], boxes[j]), `${width}x${height}${open ? ' open' : ''}: ${boxes[i].what} over ${boxes[j].what}`);
          }
        }
      }
      // On the laptop's screen the main window and the panel fit its height.
      if (height === 768) {
        const bottom = await page.evaluate(() => document.getElementById('panel').getBoundingClientRect().bottom);
        assert.ok(bottom <= height, `the panel ends at ${bottom}`);
      }
    } finally {
      await session.close();
    }
  }
});

test('a window opened from its button is in view with the focus; on a phone one at a time', async () => {
  for (const [width, height] of [[1366, 768], [360, 640]]) {
    const session = await openPage({ viewport: { width, height } });
    const { page } = session;
    try {
      // On the phone the first is opened again once the others closed it.
      const names = ['graficas', 'procesos', 'difusion', ...(width < 900 ? ['graficas'] : [])];
      for (const name of names) {
        await page.click(`#open-${name}`);
        const seen = await page.evaluate((id) => {
          const r = document.getElementById(id).getBoundingClientRect();
          return { top: r.top, focused: document.activeElement?.id,
            shown: [...document.querySelectorAll('#graficas, #procesos, #difusion')].filter((w) => !w.hidden).map((w) => w.id) };
        }, name);
        const where = `${width}x${height} ${name}`;
        assert.ok(seen.top >= 0 && seen.top <= height / 2, `${where}: its top at ${seen.top}`);
        assert.equal(seen.focused, name, where);
        if (width < 900) assert.deepEqual(seen.shown, [name], where);
      }
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  }
});
