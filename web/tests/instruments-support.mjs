// What the instruments' tests share: opening a part as the main window's
// buttons do, an accessibility audit with axe-core, numbers as shown.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// Shows a part and tells the app, as the main window's button does.
export async function openPart(page, id) {
  await page.evaluate((which) => {
    const part = document.getElementById(which);
    if (part.tagName !== 'DIALOG') part.hidden = false;
    window.molvix.emit('open', which);
  }, id);
}

// Runs the gas `ticks` ticks while stopped and hands the readings over, as
// the animation clock does after a batch: deterministic, no real time.
export async function runTicks(page, ticks) {
  await page.evaluate((n) => {
    const app = window.molvix;
    app.gas.run(n);
    app.deliverReadings();
    app.emit('frame', n);
  }, ticks);
}

// The violations of WCAG 2.x level A and AA within `selector` of a frame
// (the page, or a frame of it), as "rule: target" texts.
export async function axeViolations(frame, selector) {
  if (!(await frame.evaluate(() => 'axe' in window))) await frame.addScriptTag({ content: axeSource });
  const violations = await frame.evaluate(async (context) => {
    const result = await window.axe.run(context, {
      iframes: false,
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  }, selector);
  return violations;
}

// A number as the page shows it in either language.
export function shownNumber(text) {
  return Number(text.replace(',', '.'));
}
