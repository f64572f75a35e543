// What the instruments' tests share: opening a part as the main window's
// buttons do, an accessibility audit with axe-core, numbers as shown.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

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

const lab = resolve(process.env.MOLVIX_LAB ?? 'build/src/lab/molvix-lab');

// molvix-lab's series for one run started at once (no warm-up), without its
// leading "run" column (the page has one gas): the readings' columns, and
// the process's where the run has a process, in the plain dialect.
export function labSeries(args) {
  if (!existsSync(lab)) throw new Error(`no molvix-lab at ${lab}: cmake --build build --target molvix-lab`);
  const dir = mkdtempSync(join(tmpdir(), 'molvix-series-'));
  try {
    const series = join(dir, 'series.csv');
    execFileSync(lab, [...args, '--warmup', '0', '--threads', '1', '--series', series, '--out', join(dir, 'summary.csv')]);
    return readFileSync(series, 'utf8').split('\n').map((line) => line.replace(/^[^,]*,/, '')).join('\n');
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// The plain file in the spreadsheet dialect: semicolons, decimal commas.
export const spreadsheet = (plain) => plain.replace(/[,.]/g, (c) => (c === ',' ? ';' : ','));

// "Exportar CSV" of a part, the file type chosen by its place in the list:
// the file's suggested name and text.
export async function exportCsv(page, part, dialectIndex) {
  await page.locator(`#${part} .export > button`).click();
  const choices = page.locator(`#${part} .export-types button`);
  const [file] = await Promise.all([page.waitForEvent('download'), choices.nth(dialectIndex).click()]);
  return { name: file.suggestedFilename(), text: readFileSync(await file.path(), 'utf8') };
}
