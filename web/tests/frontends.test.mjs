// The three front ends on the same settings give the same figures, bit for
// bit, and the same files: molvix-lab's run and the desktop's windows
// (offscreen, through their controls) as tests/ui/frontends_driver prints
// them, and the page in the browser. A classic gas, a compression with the
// moving piston, mixtures through a hole and past a removed divider, and
// one under a field, with its layers along the height.
//   MOLVIX_FRONTENDS_DRIVER  the driver (default build/tests/ui/frontends_driver)
import { execFileSync } from 'node:child_process';
import { resolve } from 'node:path';
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage } from './support.mjs';
import { runTicks } from './instruments-support.mjs';

const driver = resolve(process.env.MOLVIX_FRONTENDS_DRIVER ?? 'build/tests/ui/frontends_driver');

// The page set up as a user sets the desktop up: the panel, "Poner a cero",
// the process, the mixture and the divider's removal; then the ticks.
async function pageRun(page, s) {
  return page.evaluate(async (s) => {
    const app = window.molvix;
    const gas = app.gas;
    gas.setCount(Math.min(s.count, 100));
    gas.setTemperature(s.temperature);
    gas.setWall(s.wall);
    gas.setCollisions(s.collisions);
    if (s.piston === 'moving') gas.setProcess({ piston: 'moving', target: s.wall, speed: s.pistonSpeed });
    gas.resetLedger();
    if (s.piston === 'moving') gas.setProcess({ piston: 'moving', target: s.pistonTo, speed: s.pistonSpeed });
    if (s.mixture) {
      if (!gas.setMixture({ aCount: s.count, aRadius: s.aRadius, bCount: s.bCount, bMass: s.bMass,
        bRadius: s.bRadius, divider: s.divider, holeSide: s.holeSide, gravity: s.gravity })) {
        throw new Error('refused');
      }
      if (s.divider === 'solid') gas.removeDivider();
    }
    app.changed('settings');
  }, s);
}

// The page's figures under the names the driver gives them.
function pageFigures(page, s) {
  return page.evaluate((s) => {
    const gas = window.molvix.gas;
    const fit = gas.pvFit();
    const ledger = gas.ledger();
    const out = { work: ledger.work, heat: ledger.heat, energy_change: ledger.energyChange,
      gamma: fit ? fit.gamma : null, gamma_se: fit ? fit.error : null };
    // "Gráficas" gives its means since the last change of the settings.
    if (s.piston === 'fixed') {
      Object.assign(out, { pressure_mean: gas.sinceChange('pressure').mean,
        temperature_mean: gas.sinceChange('temperature').mean, pvnt_mean: gas.idealGasRatio().mean });
    }
    const files = { readings: gas.readingsCsv(), process: gas.processCsv() };
    if (s.mixture) {
      const f = gas.figures();
      Object.assign(out, { mean_free_path: f.meanFreePath, mean_free_path_theory: f.meanFreePathTheory,
        collision_rate: f.collisionRate, collision_rate_theory: f.collisionRateTheory,
        effusion_ratio: f.effusionRatio, graham_ratio: f.graham, diffusion: f.diffusion,
        diffusion_theory: f.diffusionTheory, mix_time: f.mixTime,
        energy_total_drift: f.totalEnergyDrift, pressure_floor: f.pressureFloor,
        pressure_top: f.pressureTop, weight_per_area: f.weightPerArea, z_walls: f.zWalls,
        z_virial: f.zVirial, z_theory: f.zTheory,
        profile: gas.profileRows().flatMap((r) =>
          [r.height, r.species, r.density, r.densityTheory, r.temperature]) });
      files.diffusion = gas.sideSamplesCsv();
    }
    return { figures: out, files };
  }, s);
}

for (const name of ['classic', 'process', 'hole', 'solid', 'gravity']) {
  test(`${name}: molvix-lab, the desktop and the page agree bit for bit`, async () => {
    const expected = JSON.parse(execFileSync(driver, [name], { encoding: 'utf8' }));
    assert.deepEqual(expected.desktop, expected.lab, 'the desktop against molvix-lab');
    const session = await openPage();
    try {
      const { page } = session;
      await pageRun(page, expected.settings);
      // In batches, as the animation runs.
      for (let done = 0; done < expected.settings.ticks; done += 500) {
        await runTicks(page, Math.min(500, expected.settings.ticks - done));
      }
      const shown = await pageFigures(page, expected.settings);
      assert.deepEqual(shown.figures, expected.lab, 'the page against molvix-lab');
      for (const [file, text] of Object.entries(expected.files)) {
        assert.equal(shown.files[file], text, `the page's ${file} file against the desktop's`);
      }
      assert.deepEqual(session.errors, []);
    } finally {
      await session.close();
    }
  });
}
