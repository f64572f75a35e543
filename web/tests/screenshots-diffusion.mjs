// The page's pictures of "Difusión": 1366 x 768, the whole page, both
// languages, after a diffusion run (A left and B right for 300 time units,
// the divider removed, 200 more) at temperature 8 with collisions on, and
// after a Brownian run (300 A and a heavy particle of mass 50, radius 8,
// for 2000 time units at the start's temperature).
//   node web/tests/screenshots-diffusion.mjs [out folder, default docs]
import { resolve } from 'node:path';
import { openPage } from './support.mjs';

const out = resolve(process.argv[2] ?? 'docs');
const run = (page, ticks) => page.evaluate((n) => {
  const app = window.molvix;
  app.gas.run(n);
  app.deliverReadings();
  app.emit('frame', n);
}, ticks);
for (const language of ['es', 'en']) {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, locale: language });
  try {
    const { page } = session;
    await page.selectOption('#colisiones', 'SI');
    await page.fill('#temperatura', '8');
    await page.click('#open-difusion');
    const boxes = page.locator('#difusion input');
    for (const [k, value] of [[0, '250'], [1, '2'], [2, '150'], [3, '4'], [4, '3']]) {
      await boxes.nth(k).fill(value);
      await boxes.nth(k).press('Enter');
    }
    await page.selectOption('#difusion select', 'solid');
    await page.locator('#difusion button').nth(0).click();
    await run(page, 3000);
    await page.locator('#difusion button').nth(1).click();
    // In frames of 50 ticks, so that the trace has its turns.
    for (let k = 0; k < 40; ++k) await run(page, 50);
    await page.evaluate(() => window.molvix.diffusion.draw(true));
    await page.screenshot({ path: `${out}/web-diffusion-${language}.png`, fullPage: true });
    if (session.errors.length) console.error(session.errors.join('\n'));
  } finally {
    await session.close();
  }
}
for (const language of ['es', 'en']) {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, locale: language });
  try {
    const { page } = session;
    await page.selectOption('#colisiones', 'SI');
    await page.click('#open-difusion');
    const boxes = page.locator('#difusion input');
    for (const [k, value] of [[0, '300'], [2, '0'], [6, '50'], [7, '8']]) {
      await boxes.nth(k).fill(value);
      await boxes.nth(k).press('Enter');
    }
    await page.selectOption('#difusion select', 'none');
    await page.locator('#difusion button').nth(0).click();
    for (let k = 0; k < 400; ++k) await run(page, 50);
    await page.evaluate(() => window.molvix.diffusion.draw(true));
    await page.screenshot({ path: `${out}/web-brownian-${language}.png`, fullPage: true });
    if (session.errors.length) console.error(session.errors.join('\n'));
  } finally {
    await session.close();
  }
}
console.log(`screenshots in ${out}`);
