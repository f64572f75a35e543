// The web page's figures, in Debian's headless Chromium with the built
// folder served from 127.0.0.1 (docs/performance.md):
//   - the whole site's size, each file compressed as a server would send it
//     (gzip -9 and brotli);
//   - the first frame: ms from the navigation's start to the view drawn;
//   - animating with 100 particles, collisions on and "Gráficas" shown:
//     ticks delivered and frames drawn per second over 5 s, and the same
//     with "Difusión" shown and a mixture of 500;
//   - stopped: the page's own main-thread work (the browser's TaskDuration)
//     and the processor time of every Chromium process over 5 s, and the
//     animation frames requested meanwhile;
//   - "Difusión" as it opens (200 of A, 200 of B, the solid divider),
//     collisions on, the trace of particle 1 drawn, animating for
//     --trace-minutes (default 10; 0 leaves it out): frames drawn per second
//     over its first minute and over its last (over the first and last half
//     of a run shorter than two minutes), and the trace's points then.
//   node bench/web_bench.mjs [build/web] [--trace-minutes=N]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync, brotliCompressSync, constants } from 'node:zlib';
import { chromium } from '../web/node_modules/playwright-core/index.mjs';
import { serve } from '../web/serve.mjs';

const options = process.argv.slice(2).filter((a) => a.startsWith('--'));
const option = (name) => options.find((a) => a === `--${name}` || a.startsWith(`--${name}=`));
const folder = process.argv.slice(2).find((a) => !a.startsWith('--')) ?? 'build/web';
const traceMinutes = Number(option('trace-minutes')?.split('=')[1] ?? 10);
if (!(traceMinutes >= 0)) throw new Error('--trace-minutes=N wants a number of minutes, 0 or more');
const files = [];
const walk = (dir) => {
  for (const name of readdirSync(dir)) {
    const path = join(dir, name);
    if (statSync(path).isDirectory()) walk(path); else files.push(path);
  }
};
walk(folder);
let raw = 0, gzip = 0, brotli = 0;
for (const file of files) {
  const bytes = readFileSync(file);
  raw += bytes.length;
  gzip += gzipSync(bytes, { level: 9 }).length;
  brotli += brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
}
const kb = (n) => `${(n / 1024).toFixed(0)} KB`;
console.log(`site: ${files.length} files, ${kb(raw)}; gzip -9 ${kb(gzip)}; brotli 11 ${kb(brotli)}`);

// Processor time (user + system) of the processes this one started (the
// browser and all of its own), in seconds.
function cpuSeconds(rootPid) {
  const children = new Map();
  const times = new Map();
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = readFileSync(`/proc/${entry}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const ppid = Number(fields[1]);
      if (!children.has(ppid)) children.set(ppid, []);
      children.get(ppid).push(Number(entry));
      times.set(Number(entry), Number(fields[11]) + Number(fields[12]));
    } catch { /* gone meanwhile */ }
  }
  let ticks = 0;
  const visit = (pid) => { ticks += times.get(pid) ?? 0; for (const c of children.get(pid) ?? []) visit(c); };
  for (const child of children.get(rootPid) ?? []) visit(child);
  return ticks / 100; // USER_HZ
}

const server = await serve(folder);
const browser = await chromium.launch({ executablePath: process.env.MOLVIX_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-dev-shm-usage'] });
const browserPid = process.pid;
const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, locale: 'es-ES' });
const page = await context.newPage();
await page.addInitScript(() => {
  window.frameRequests = 0;
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (f) => { window.frameRequests += 1; return request(f); };
});
const url = `http://127.0.0.1:${server.address().port}/`;
const firsts = [];
for (let i = 0; i < 5; ++i) {
  await page.goto(url);
  await page.waitForFunction(() => window.molvix?.firstFrameMs !== undefined);
  firsts.push(await page.evaluate(() => window.molvix.firstFrameMs));
}
firsts.sort((a, b) => a - b);
console.log(`first frame: median ${firsts[2].toFixed(0)} ms (5 loads: ${firsts.map((x) => x.toFixed(0)).join(', ')} ms)`);

await page.evaluate(() => {
  const app = window.molvix;
  app.gas.setCount(100);
  app.gas.setCollisions(true);
  app.changed('count');
  document.getElementById('graficas').hidden = false;
  app.emit('open', 'graficas');
  app.start();
});
await page.waitForTimeout(1000);
// Ticks delivered and frames drawn per second over 5 s of animation.
const rates = () => page.evaluate(async () => {
  const app = window.molvix;
  const t0 = performance.now(), ticks0 = app.ticksDelivered, frames0 = app.framesDrawn;
  await new Promise((done) => setTimeout(done, 5000));
  const seconds = (performance.now() - t0) / 1000;
  return { ticks: (app.ticksDelivered - ticks0) / seconds, frames: (app.framesDrawn - frames0) / seconds };
});
const animating = await rates();
console.log(`animating, 100 particles, collisions on, "Gráficas" shown: ${animating.ticks.toFixed(0)} ticks/s, ${animating.frames.toFixed(1)} frames/s`);

// "Difusión" shown with a mixture of 500 (250 of radius 1.5 and 250 of
// mass 4 and radius 2.5), collisions on: the event step's tick.
await page.evaluate(() => {
  const app = window.molvix;
  app.stop();
  document.getElementById('graficas').hidden = true;
  if (!app.gas.setMixture({ aCount: 250, aRadius: 1.5, bCount: 250, bMass: 4, bRadius: 2.5 })) {
    throw new Error('the mixture of 500 was refused');
  }
  app.gas.setCollisions(true);
  app.changed('mixture');
  document.getElementById('difusion').hidden = false;
  app.emit('open', 'difusion');
  app.start();
});
await page.waitForTimeout(1000);
const mixing = await rates();
console.log(`animating, a mixture of 500, collisions on, "Difusión" shown: ${mixing.ticks.toFixed(0)} ticks/s, ${mixing.frames.toFixed(1)} frames/s`);

await page.evaluate(() => window.molvix.stop());
await page.waitForTimeout(1000);
const cdp = await context.newCDPSession(page);
await cdp.send('Performance.enable');
const metric = async (name) => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === name).value;
const task0 = await metric('TaskDuration');
const requests0 = await page.evaluate(() => window.frameRequests);
const cpu0 = browserPid ? cpuSeconds(browserPid) : NaN;
await page.waitForTimeout(5000);
const cpu1 = browserPid ? cpuSeconds(browserPid) : NaN;
const task1 = await metric('TaskDuration');
const requests1 = await page.evaluate(() => window.frameRequests);
console.log(`stopped, 5 s: the page's main thread ${((task1 - task0) / 5 * 100).toFixed(2)} % of a core ` +
  `(${((task1 - task0) * 1000).toFixed(1)} ms of tasks), animation frames requested ${requests1 - requests0}; ` +
  `every Chromium process ${((cpu1 - cpu0) / 5 * 100).toFixed(1)} % of a core`);
// The same browser with a blank page: what headless Chromium costs anyway.
await page.goto('about:blank');
await page.waitForTimeout(1000);
const blank0 = cpuSeconds(browserPid);
await page.waitForTimeout(5000);
console.log(`  (the same browser on a blank page, 5 s: ${((cpuSeconds(browserPid) - blank0) / 5 * 100).toFixed(1)} % of a core)`);

// "Difusión" as a class would leave it running: the trace of particle 1 on
// for many minutes. The frames drawn per second at its start and its end
// say whether the work per frame grows with the time run.
if (traceMinutes > 0) {
  await page.goto(url);
  await page.waitForFunction(() => window.molvix?.firstFrameMs !== undefined);
  await page.click('#open-difusion');
  await page.locator('#difusion').getByRole('button', { name: /^Aplicar/ }).click();
  await page.selectOption('#colisiones', 'SI');
  const set = await page.evaluate(() => {
    const app = window.molvix;
    app.gas.setTraced(1);
    app.changed('traced');
    app.start();
    return { mixture: app.gas.mixture, count: app.gas.count, traced: app.gas.traced };
  });
  if (!set.mixture || set.traced !== 1) throw new Error(`Difusión did not start as asked: ${JSON.stringify(set)}`);
  const total = traceMinutes * 60000;
  const stretch = Math.min(60000, total / 2);
  // Frames drawn per second over the next `ms`, the page's main-thread work
  // per frame (what grows with the time run shows there even on a busy
  // machine), and the trace's points then.
  const cdp = await context.newCDPSession(page);
  await cdp.send('Performance.enable');
  const taskSeconds = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const over = async (ms) => {
    const task0 = await taskSeconds();
    const r = await page.evaluate(async (span) => {
      const app = window.molvix;
      const t0 = performance.now(), frames0 = app.framesDrawn, ticks0 = app.ticksDelivered;
      await new Promise((done) => setTimeout(done, span));
      const seconds = (performance.now() - t0) / 1000;
      return { frames: (app.framesDrawn - frames0) / seconds, ticks: (app.ticksDelivered - ticks0) / seconds,
        drawn: app.framesDrawn - frames0, trace: app.view.trace.length };
    }, ms);
    return { ...r, msPerFrame: ((await taskSeconds()) - task0) * 1000 / Math.max(1, r.drawn) };
  };
  const started = Date.now();
  const first = await over(stretch);
  await page.waitForTimeout(Math.max(0, total - stretch - (Date.now() - started)));
  const last = await over(stretch);
  const minutes = (Date.now() - started) / 60000;
  await page.evaluate(() => window.molvix.stop());
  const span = `${(stretch / 1000).toFixed(0)} s`;
  console.log(`"Difusión", ${set.count} particles, collisions on, the trace of particle 1, ${minutes.toFixed(1)} min: ` +
    `first ${span} ${first.frames.toFixed(1)} frames/s (${first.msPerFrame.toFixed(1)} ms of work a frame, ${first.ticks.toFixed(0)} ticks/s, trace ${first.trace} points); ` +
    `last ${span} ${last.frames.toFixed(1)} frames/s (${last.msPerFrame.toFixed(1)} ms of work a frame, ${last.ticks.toFixed(0)} ticks/s, trace ${last.trace} points)`);
}
await browser.close();
server.close();
