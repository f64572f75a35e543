// The handbook: opened in the page's language on its contents page, its
// links lead to their pages, Back returns, Escape closes it from inside the
// page, and neither the window nor a page has an accessibility violation.
import assert from 'node:assert/strict';
import { test } from 'node:test';
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
