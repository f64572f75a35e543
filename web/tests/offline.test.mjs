// The page with no network: served once, its service worker keeps every
// file, so that it opens and runs offline; and the single file
// molvix.html, opened from a disk, runs the same gas with nothing fetched.
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';
import { chromiumPath, openPage, webDir } from './support.mjs';
import { animate } from './helpers.mjs';

const firstReading = async (page) => {
  await animate(page, 200);
  return page.evaluate(() => window.molvix.gas.reading(0));
};

test('once served, the page opens, runs and shows its handbook with the network cut', async () => {
  const session = await openPage();
  const { page } = session;
  try {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const online = await firstReading(page);
    await page.context().setOffline(true);
    const response = await page.reload();
    assert.ok(response.fromServiceWorker(), 'the page came from the worker');
    await page.waitForFunction(() => window.molvix !== undefined);
    assert.deepEqual(await firstReading(page), online);
    const handbook = await page.evaluate(async () => (await fetch('handbook/es/index.html')).ok);
    assert.ok(handbook, 'the handbook offline');
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('the single file runs opened from a disk, fetching nothing, and is small enough to hand out', async () => {
  const file = resolve(dirname(webDir), 'molvix.html');
  assert.ok(existsSync(file), `no ${file}: make web writes it`);
  assert.ok(gzipSync(readFileSync(file)).length <= 1.5e6);
  const served = await openPage();
  const expected = await firstReading(served.page);
  await served.close();

  const browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox', '--disable-gpu'] });
  try {
    const page = await (await browser.newContext({ locale: 'es-ES' })).newPage();
    const errors = [];
    const fetched = [];
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    page.on('pageerror', (e) => errors.push(String(e)));
    page.on('request', (r) => fetched.push(r.url()));
    const url = pathToFileURL(file).href;
    await page.goto(url);
    await page.waitForFunction(() => window.molvix !== undefined);
    assert.deepEqual(await firstReading(page), expected);
    // The handbook opens from inside the file too, and its links lead on.
    const heading = () => page.evaluate(() => document.querySelector('#handbook iframe').contentDocument?.querySelector('h1')?.textContent ?? '');
    await page.keyboard.press('F1');
    await page.waitForFunction(() => document.querySelector('#handbook iframe').contentDocument?.querySelector('a[href$=".html"]'));
    const contents = await heading();
    await page.frameLocator('#handbook iframe').locator('a[href$=".html"]').first().click();
    await page.waitForFunction((before) => {
      const h1 = document.querySelector('#handbook iframe').contentDocument?.querySelector('h1');
      return h1 && h1.textContent !== before;
    }, contents);
    await page.click('#handbook button:has-text("Atrás")');
    await page.waitForFunction((before) => document.querySelector('#handbook iframe').contentDocument?.querySelector('h1')?.textContent === before, contents);
    assert.ok(contents.length > 0);
    assert.deepEqual(fetched.filter((u) => u !== url && !u.startsWith('data:') && !u.startsWith('blob:') && !u.startsWith('about:')), []);
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
});
