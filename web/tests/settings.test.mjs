// The page's settings in molvix-lab's words: the handbook's "Cargar este
// experimento" sets the page to the experiment's start, so that running
// gives the readings of the page's own molvix-lab command bit for bit; the
// address keeps the settings, and a link with them reopens them.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { axeViolations, labSeries, runTicks } from './instruments-support.mjs';

const TICKS = 2000;
// The command's options that are not settings of the gas: the run's length
// and files (labSeries gives its own).
const RUN_OPTIONS = new Set(['--ticks', '--warmup', '--series', '--out', '--format', '--threads']);

// A command's arguments with each swept setting at its first value.
function firstRun(command) {
  const words = command.trim().split(/\s+/).slice(1);
  const args = [];
  for (let i = 0; i < words.length; i += 2) {
    if (RUN_OPTIONS.has(words[i])) continue;
    args.push(words[i], words[i + 1].split(',')[0]);
  }
  return args;
}

// The columns of the lab's series the page's file has too, in its order.
function project(labCsv, header) {
  const [labHeader, ...rows] = labCsv.trim().split('\n');
  const names = labHeader.split(',');
  const pick = header.split(',').map((name) => names.indexOf(name));
  assert.ok(pick.every((i) => i >= 0), `molvix-lab's series has every column of ${header}`);
  return [header, ...rows.map((row) => { const v = row.split(','); return pick.map((i) => v[i]).join(','); })].join('\n');
}

async function handbookPage(page, name) {
  await page.click('#open-handbook');
  await page.evaluate((n) => {
    document.querySelector('#handbook iframe').contentWindow.location.replace(new URL(`handbook/es/${n}.html`, document.baseURI).href);
  }, name);
  await page.waitForFunction((n) => {
    const f = document.querySelector('#handbook iframe');
    return f.contentWindow.location.pathname.endsWith(`/${n}.html`) && f.contentDocument.readyState === 'complete'
      && f.contentDocument.querySelector('button.load-experiment');
  }, name);
  return page.frames().find((f) => f.url().endsWith(`/${name}.html`));
}

// page, the command's id, and what the steps then do by hand before the
// measured run (molvix-lab's warm-up-free start).
const EXPERIMENTS = [
  ['boyle', 'boyle', null],
  ['graham', 'graham', null],
  ['adiabatic', 'adiabatica', async (page, args) => {
    // The steps: the wall bar to where the piston goes, then "Poner a cero".
    await page.click('#open-procesos');
    await page.fill('#posicion-pared', args[args.indexOf('--piston-to') + 1]);
    await page.waitForFunction(() => window.molvix.process.target === 50);
    await page.locator('#procesos').getByRole('button', { name: /^Poner a cero/ }).click();
  }],
];

for (const [name, id, steps] of EXPERIMENTS) {
  test(`${name}: "Cargar este experimento" and running give its molvix-lab command's readings bit for bit`, async () => {
    const session = await openPage({ viewport: { width: 1366, height: 768 } });
    const { page } = session;
    try {
      // The gas played with first: the experiment starts afresh all the same.
      await page.fill('#temperatura', '55');
      await page.selectOption('#colisiones', 'SI');
      await runTicks(page, 700);
      const frame = await handbookPage(page, name);
      const command = await frame.locator(`pre.lab-command#${id}`).textContent();
      await frame.locator(`button.load-experiment[data-command="${id}"]`).click();
      assert.match(await page.locator('#handbook .handbook-status').textContent(), /^Experimento cargado/);
      assert.deepEqual(await axeViolations(frame, 'html'), []);
      const args = firstRun(command);
      const running = await page.evaluate(() => window.molvix.running);
      assert.equal(running, false, 'loaded, the gas waits for Animación');
      if (steps) await steps(page, args);
      for (let done = 0; done < TICKS; done += 500) await runTicks(page, 500);
      const process = args.includes('--piston');
      const file = await page.evaluate((p) => (p ? window.molvix.gas.processCsv() : window.molvix.gas.readingsCsv()), process);
      const lab = labSeries([...args, '--ticks', String(TICKS)]);
      assert.equal(file.trim().split('\n').length, TICKS / 200 + 1);
      assert.equal(file.trim(), project(lab, file.split('\n')[0]));
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  });
}

test('the controls and the gas show the settings a link opens with, and give their readings', async () => {
  const hash = '#particles=80&temperature=40&wall=60&collisions=on&piston=moving&piston-speed=2';
  const session = await openPage({ viewport: { width: 1366, height: 768 } }, `/${hash}`);
  const { page } = session;
  try {
    const shown = await page.evaluate(() => {
      const value = (id) => document.getElementById(id).value;
      const procesos = (name) => document.querySelector(`#procesos [data-setting="${name}"]`).value;
      const gas = window.molvix.gas;
      return {
        controls: [value('num-particulas'), value('num-tecleado'), value('temperatura'), value('posicion-pared'),
          value('colisiones'), procesos('piston'), procesos('piston-speed')],
        gas: [gas.count, gas.bar('temperature'), gas.piston, gas.collisions, gas.processSettings.piston],
      };
    });
    assert.deepEqual(shown.controls, ['80', '80', '40', '60', 'SI', 'moving', '2,00']);
    assert.deepEqual(shown.gas, [80, 40, 60, true, 'moving']);
    await runTicks(page, 1000);
    const file = await page.evaluate(() => window.molvix.gas.processCsv());
    const lab = labSeries(['--particles', '80', '--temperature', '40', '--wall', '60', '--collisions', 'on',
      '--piston', 'moving', '--piston-speed', '2', '--ticks', '1000']);
    assert.equal(file.trim(), project(lab, file.split('\n')[0]));
    assert.equal(await page.evaluate(() => location.hash), hash);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('a change of a setting is followed by the address, with no step in the history', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } }, '/#lang=en');
  const { page } = session;
  try {
    const steps = await page.evaluate(() => history.length);
    await page.waitForTimeout(400);
    assert.equal(await page.evaluate(() => location.hash), '#lang=en', 'untouched, the gas adds nothing');
    await page.fill('#temperatura', '35');
    await page.selectOption('#colisiones', 'SI');
    await page.waitForFunction(() => location.hash.includes('collisions=on'));
    assert.equal(await page.evaluate(() => location.hash), '#lang=en&temperature=35&collisions=on');
    // Back at the program's start, the setting leaves the address.
    await page.fill('#temperatura', '20');
    await page.waitForFunction(() => !location.hash.includes('temperature'));
    // A mixture says itself in the address, and a link with it reopens it.
    const difusion = page.locator('#difusion');
    await page.click('#open-difusion');
    await difusion.locator('[data-setting="b-particles"]').fill('30');
    await difusion.locator('[data-setting="divider"]').selectOption('hole');
    await difusion.locator('[data-action="apply"]').click();
    await page.waitForFunction(() => location.hash.includes('divider=hole'));
    const address = await page.evaluate(() => location.hash);
    assert.match(address, /particles=200&/);
    assert.match(address, /b-particles=30&b-mass=4&divider=hole/);
    assert.equal(await page.evaluate(() => history.length), steps);
    const again = await openPage({ viewport: { width: 1366, height: 768 } }, `/${address}`);
    try {
      const mixture = await again.page.evaluate(() => window.molvix.gas.mixtureSettings());
      assert.deepEqual([mixture.aCount, mixture.bCount, mixture.bMass, mixture.divider, mixture.holeSide],
        [200, 30, 4, 'hole', 20]);
      assert.equal(await again.page.evaluate(() => location.hash), address);
      assert.deepEqual(again.errors, []);
    } finally {
      await again.close();
    }
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('an address with settings the gas cannot take: the rest taken, the address says what was', async () => {
  const session = await openPage({}, '/#particles=abc&wall=40&temperature=250&piston=sideways&lang=en');
  const { page } = session;
  try {
    const state = await page.evaluate(() => [window.molvix.gas.count, window.molvix.gas.piston,
      window.molvix.gas.bar('temperature'), window.molvix.gas.processSettings.piston]);
    assert.deepEqual(state, [50, 40, 100, 'fixed']);
    assert.equal(await page.evaluate(() => location.hash), '#wall=40&temperature=100&lang=en');
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
