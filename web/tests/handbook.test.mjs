// The handbook: opened in the page's language on its contents page, its
// links lead to their pages, Back returns, Escape closes it from inside the
// page, and neither the window nor a page has an accessibility violation.
// It opens beside the gas, never over it, and the gas stays usable.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { commandSettings, VOCABULARY } from '../src/settings.js';
import { openPage } from './support.mjs';
import { axeViolations, openPart } from './instruments-support.mjs';

const handbookFrame = (page) => page.frames().find((f) => f.url().includes('/handbook/'));

async function waitForPage(page, name) {
  await page.waitForFunction((n) => {
    const frame = document.querySelector('#handbook iframe');
    return frame?.contentDocument?.readyState === 'complete'
      && frame.contentWindow.location.pathname.endsWith(`/${n}`);
  }, name);
  return handbookFrame(page);
}

for (const [language, locale, title, link, linked] of [
  ['es', 'es-ES', 'Ayuda de Molvix', 'Boyle: presión y volumen', 'boyle.html'],
  ['en', 'en-GB', 'Molvix help', null, 'boyle.html'],
]) {
  test(`the handbook opens in ${language} on its contents, and a link works`, async () => {
    const session = await openPage({ locale });
    const { page } = session;
    try {
      await page.evaluate((lang) => window.molvix.setLanguage(lang), language);
      await openPart(page, 'handbook');
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), true);
      let frame = await waitForPage(page, 'index.html');
      assert.match(frame.url(), new RegExp(`/handbook/${language}/index\\.html$`));
      const heading = await frame.locator('h1').textContent();
      if (title === 'Ayuda de Molvix') assert.equal(heading, title);
      else assert.notEqual(heading, 'Ayuda de Molvix');
      assert.equal(await frame.evaluate(() => document.documentElement.lang), language);
      assert.deepEqual(await axeViolations(page, '#handbook'), []);
      assert.deepEqual(await axeViolations(frame, 'html'), []);

      const target = link ? frame.getByRole('link', { name: link }) : frame.locator(`a[href="${linked}"]`);
      await target.click();
      frame = await waitForPage(page, linked);
      assert.notEqual(await frame.locator('h1').textContent(), heading);
      await page.locator('#handbook').getByRole('button', { name: language === 'es' ? 'Atrás' : 'Back' }).click();
      frame = await waitForPage(page, 'index.html');
      assert.equal(await frame.locator('h1').textContent(), heading);

      // Escape from inside the page closes the window; opened again, the
      // page read last is still there.
      await frame.locator('a').first().focus();
      await page.keyboard.press('Escape');
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), false);
      await openPart(page, 'handbook');
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), true);
      assert.match(handbookFrame(page).url(), /index\.html$/);
      await page.locator('#handbook .handbook-close').click();
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), false);
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  });
}

test('a language switch shows the same page in the other language', async () => {
  const session = await openPage({ locale: 'es-ES' });
  const { page } = session;
  try {
    await openPart(page, 'handbook');
    let frame = await waitForPage(page, 'index.html');
    await frame.locator('a[href="graphs.html"]').click();
    await waitForPage(page, 'graphs.html');
    await page.evaluate(() => window.molvix.setLanguage('en'));
    await page.waitForFunction(() => document.querySelector('#handbook iframe').contentWindow.location.pathname.endsWith('/en/graphs.html'));
    frame = await waitForPage(page, 'graphs.html');
    assert.equal(await frame.evaluate(() => document.documentElement.lang), 'en');
  } finally {
    await session.close();
  }
});

// Every control of the view, the panel and the windows open that a point
// of it can be reached without the handbook over it (scrolled to the top of the window where the
// page scrolls), as "what" texts of those covered.
const coveredControls = (page) => page.evaluate(() => {
  const covered = [];
  for (const c of document.querySelectorAll('#main-window button, #main-window input, #main-window select, #main-window canvas, #panel input, #panel select, #graficas:not([hidden]) button, #procesos:not([hidden]) :is(button, input, select)')) {
    if (c.getBoundingClientRect().width < 1) continue; // not shown
    c.scrollIntoView({ block: 'start' });
    const r = c.getBoundingClientRect();
    const hit = document.elementFromPoint(r.left + r.width / 2, r.top + Math.min(r.height / 2, 10));
    if (!(hit === c || c.contains(hit) || (c.labels && [...c.labels].includes(hit)))) covered.push(`${c.tagName}#${c.id}`);
  }
  window.scrollTo(0, 0);
  return covered;
});

for (const [width, height] of [[1366, 768], [360, 640]]) {
  test(`at ${width} x ${height} the handbook opens beside the gas, not over it, and F1, Escape and ✕ work`, async () => {
    const session = await openPage({ viewport: { width, height } });
    const { page } = session;
    try {
      // Two windows open: on a laptop they share the room left beside the help.
      await page.click('#open-graficas');
      await page.click('#open-procesos');
      await page.locator('#gas-view').focus();
      await page.keyboard.press('F1');
      await waitForPage(page, 'index.html');
      const placed = await page.evaluate(() => {
        const d = document.getElementById('handbook');
        const r = d.getBoundingClientRect();
        return { open: d.open, modal: d.matches(':modal'), left: r.left, right: r.right, top: r.top, bottom: r.bottom,
          focus: d.contains(document.activeElement) };
      });
      assert.equal(placed.open, true);
      assert.equal(placed.modal, false, 'not modal: the page stays usable');
      assert.equal(placed.focus, true, 'F1 takes the focus to the handbook');
      if (width > 700) {
        // A side panel the whole height of the window, at its right.
        assert.deepEqual([Math.round(placed.right), Math.round(placed.top), Math.round(placed.bottom)], [width, 0, height]);
        assert.ok(placed.left >= width * 0.55 && placed.left <= width - 320, `side panel from ${placed.left}`);
      } else {
        // A sheet over the bottom of the phone's screen, the gas above it.
        assert.deepEqual([Math.round(placed.left), Math.round(placed.right), Math.round(placed.bottom)], [0, width, height]);
        assert.ok(placed.top >= height * 0.4 && placed.top <= height * 0.6, `sheet from ${placed.top}`);
      }
      assert.deepEqual(await coveredControls(page), []);
      // The gas runs and stops from its own controls while the help is open.
      await page.locator('label[for="animacion"]').click();
      assert.equal(await page.evaluate(() => window.molvix.running), true);
      await page.locator('label[for="stop"]').click();
      assert.equal(await page.evaluate(() => window.molvix.running), false);
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), true);

      // Escape from the handbook's bar closes it; the focus goes back to
      // where F1 was pressed.
      await page.locator('#handbook').getByRole('button', { name: 'Contenido' }).focus();
      await page.keyboard.press('Escape');
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), false);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'gas-view');
      assert.equal(await page.evaluate(() => document.body.classList.contains('handbook-open')), false);
      await page.keyboard.press('F1');
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), true);
      await page.locator('#handbook .handbook-close').click();
      assert.equal(await page.locator('#handbook').evaluate((d) => d.open), false);
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  });
}

// The page's handbook, as written (web/handbook/<language>/): what the
// desktop has and the page has not is never given as the page's.
const pagesDir = join(dirname(fileURLToPath(import.meta.url)), '..', 'handbook');
const pagesOf = (language) => readdirSync(join(pagesDir, language)).filter((f) => f.endsWith('.html')).sort();
const textOf = (language, name) => readFileSync(join(pagesDir, language, name), 'utf8');

// The desktop's keys and buttons: [pattern, the pages allowed to name it
// (for the browser's keys, or the desktop's own window)].
const DESKTOP_ONLY = [
  [/\bF[2-46]\b/, []], [/\b(Mayús|Shift)\+F1\b/, []], [/Ctrl\+[QG]\b/, []], [/OpenGL/, ['credits.html']],
  [/CPanel|«FIN»|"END"|Tarvelo/, []], [/«Información»|"Information"/, ['credits.html']],
  [/\bF5\b|\bF11\b/, ['keys.html']],
];

test("the page's handbook names no key or button of the desktop's as the page's, in both languages", () => {
  assert.deepEqual(pagesOf('en'), pagesOf('es'), 'the same pages in both languages');
  assert.ok(pagesOf('es').length >= 24);
  for (const language of ['es', 'en']) {
    for (const name of pagesOf(language)) {
      const text = textOf(language, name);
      for (const [pattern, allowed] of DESKTOP_ONLY) {
        if (!allowed.includes(name)) assert.doesNotMatch(text, pattern, `${language}/${name}`);
      }
    }
    // F5 is said to be the browser's, never an action of the page.
    assert.match(textOf(language, 'keys.html'), language === 'es' ? /F5 recarga la página/ : /F5 reloads the page/);
  }
});

// molvix-lab's options that are the run's, not the gas's: its length, its
// files and where a moving piston later goes.
const RUN_OPTIONS = new Set(['ticks', 'warmup', 'out', 'series', 'profile', 'format', 'threads', 'lang', 'piston-to']);
// A command's settings the page cannot make: loading it would start another
// experiment than the one the page describes.
const unsettable = (command) => [...command.matchAll(/--([a-z-]+)/g)].map((m) => m[1])
  .filter((name) => !RUN_OPTIONS.has(name) && !(name in VOCABULARY));

test('each experiment page loads its command: a button per command it names, the command marked as the desktop\'s', () => {
  let buttons = 0;
  for (const language of ['es', 'en']) {
    for (const name of pagesOf(language)) {
      const text = textOf(language, name);
      const commands = new Map([...text.matchAll(/<pre class="lab-command" id="([^"]+)">([^<]*)<\/pre>/g)].map((m) => [m[1], m[2]]));
      if (!commands.size) continue;
      assert.match(text.slice(0, text.indexOf('<pre class="lab-command"')), /class="for-desktop"/, `${language}/${name}: the command said to be the desktop's`);
      const loads = [...text.matchAll(/<button type="button" class="load-experiment" data-command="([^"]+)">([^<]+)<\/button>/g)];
      // Without a button only where no command of the page can be loaded.
      if (!loads.length) {
        assert.ok([...commands.values()].every((c) => unsettable(c).length), `${language}/${name}: a load button`);
      }
      for (const [, id, label] of loads) {
        buttons += 1;
        assert.equal(label, language === 'es' ? 'Cargar este experimento' : 'Load this experiment');
        assert.ok(commands.has(id), `${language}/${name}: command ${id}`);
        assert.deepEqual(unsettable(commands.get(id)), [], `${language}/${name}: ${id} is set up whole`);
        // Every option of the command is one the page sets or one of the run's.
        const { taken, refused } = commandSettings(commands.get(id));
        assert.deepEqual(refused, [], `${language}/${name}: ${id}`);
        assert.ok(taken.size >= 2, `${language}/${name}: ${id} sets the gas up`);
      }
    }
  }
  assert.equal(buttons, 2 * 20);
});

// Every page reachable from the contents, and every link within the
// handbook to a page (and a place in it) that is there, in both languages.
test('each handbook page is reached from its contents, and no link of the handbook is broken', () => {
  for (const language of ['es', 'en']) {
    const pages = new Set(pagesOf(language));
    const reached = new Set(['index.html']);
    const queue = ['index.html'];
    while (queue.length) {
      const from = queue.shift();
      for (const [, href] of textOf(language, from).matchAll(/href="([^"]+)"/g)) {
        if (/^[a-z]+:/.test(href)) continue;
        const [file, anchor] = href.split('#');
        const to = file || from;
        assert.ok(pages.has(to), `${language}/${from}: ${href} is no page`);
        if (anchor) assert.match(textOf(language, to), new RegExp(`id="${anchor}"`), `${language}/${from}: ${href}`);
        if (!reached.has(to)) { reached.add(to); queue.push(to); }
      }
    }
    assert.deepEqual([...pages].filter((p) => !reached.has(p)), [], `${language}: pages no link leads to`);
  }
});
