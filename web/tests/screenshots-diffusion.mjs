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
// The page in `language` with collisions on and the window open, the boxes
// (by their place among the window's inputs) and the divider set, "Aplicar"
// pressed; `runIt` runs it, and the whole page is saved as web-NAME-LANG.png.
async function shoot(language, name, { temperature, boxes, divider, runIt }) {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, locale: language });
  try {
    const { page } = session;
    await page.selectOption('#colisiones', 'SI');
    if (temperature) await page.fill('#temperatura', temperature);
    await page.click('#open-difusion');
    const inputs = page.locator('#difusion input');
    for (const [k, value] of boxes) {
      await inputs.nth(k).fill(value);
      await inputs.nth(k).press('Enter');
    }
    await page.selectOption('#difusion select', divider);
    await page.locator('#difusion button').nth(0).click();
    await runIt(page);
    await page.evaluate(() => window.molvix.diffusion.draw(true));
    await page.screenshot({ path: `${out}/web-${name}-${language}.png`, fullPage: true });
    if (session.errors.length) console.error(session.errors.join('\n'));
  } finally {
    await session.close();
  }
}

for (const language of ['es', 'en']) {
  await shoot(language, 'diffusion', {
    temperature: '8', boxes: [[0, '250'], [1, '2'], [2, '150'], [3, '4'], [4, '3']], divider: 'solid',
    runIt: async (page) => {
      await run(page, 3000);
      await page.locator('#difusion button').nth(1).click();
      // In frames of 50 ticks, so that the trace has its turns.
      for (let k = 0; k < 40; ++k) await run(page, 50);
    } });
  await shoot(language, 'brownian', {
    boxes: [[0, '300'], [2, '0'], [6, '50'], [7, '8']], divider: 'none',
    runIt: async (page) => { for (let k = 0; k < 400; ++k) await run(page, 50); } });
}
console.log(`screenshots in ${out}`);
