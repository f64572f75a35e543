// The page's pictures for the README: 1366 x 768, both languages, after a
// few seconds of animation with 100 particles and collisions on, with
// "Gráficas" and "Procesos" open beside the gas.
//   node web/tests/screenshots.mjs [out folder, default docs]
import { resolve } from 'node:path';
import { openPage } from './support.mjs';

const out = resolve(process.argv[2] ?? 'docs');
for (const language of ['es', 'en']) {
  const session = await openPage({ viewport: { width: 1366, height: 768 }, locale: language });
  try {
    const { page } = session;
    await page.fill('#num-tecleado', '100');
    await page.press('#num-tecleado', 'Enter');
    await page.selectOption('#colisiones', 'SI');
    for (const part of ['graficas', 'procesos']) {
      await page.click(`[aria-controls="${part}"]`);
    }
    await page.check('#animacion');
    await page.waitForFunction(() => window.molvix.gas.ticks >= 3000, null, { timeout: 20000 });
    await page.check('#stop');
    // A window opened low on the page scrolls into view: the picture is the
    // page's top, as it opens.
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: `${out}/web-${language}.png` });
    if (session.errors.length) console.error(session.errors.join('\n'));
  } finally {
    await session.close();
  }
}
console.log(`screenshots in ${out}`);
