// What every page test needs: the built folder served on 127.0.0.1 by a
// server of its own, and Debian's Chromium, headless, driven by
// playwright-core (never a browser a tool downloads).
//   MOLVIX_WEB_DIR   the built folder (default build/web)
//   MOLVIX_CHROMIUM  the browser (default /usr/bin/chromium)
import { existsSync } from 'node:fs';
import { resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from '../serve.mjs';

export const webDir = resolve(process.env.MOLVIX_WEB_DIR ?? 'build/web');
export const chromiumPath = process.env.MOLVIX_CHROMIUM ?? '/usr/bin/chromium';

// Opens the page in a fresh browser; `options` go to the browser context
// (viewport, locale). Console errors and page errors are collected in
// `errors`. close() ends browser and server.
export async function openPage(options = {}, path = '/') {
  if (!existsSync(resolve(webDir, 'index.html'))) {
    throw new Error(`no page in ${webDir}: make web builds it`);
  }
  if (!existsSync(chromiumPath)) {
    throw new Error(`no browser at ${chromiumPath}: scripts/install-deps.sh installs chromium`);
  }
  const server = await serve(webDir);
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
  });
  const context = await browser.newContext({ locale: 'es-ES', ...options });
  const page = await context.newPage();
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  const url = `http://127.0.0.1:${server.address().port}${path}`;
  await page.goto(url);
  await page.waitForFunction(() => window.molvix !== undefined);
  return {
    page, browser, errors, url,
    async close() {
      await browser.close();
      await new Promise((done) => server.close(done));
    },
  };
}
