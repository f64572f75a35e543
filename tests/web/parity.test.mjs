// The WebAssembly core gives the native core's numbers: the classic sweep
// of molvix-lab's reference tables (every reading's pressure, temperature
// and energy as the same numbers), and every run, classic or
// with a process, reading for reading and field for field, bit for bit
// against the native build of the same C interface.
//   MOLVIX_CORE_WASM=…/molvix-core.wasm MOLVIX_CORE_DRIVER=…/core_driver \
//   MOLVIX_REFERENCE=tests/web/classic-series.csv node --test tests/web/parity.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, existsSync } from 'node:fs';
import { test } from 'node:test';

import { loadCore } from '../../web/src/core.js';
import { classicRuns, processRuns, runScenario, driverArgs, runGas } from './scenario.mjs';

const wasmPath = process.env.MOLVIX_CORE_WASM;
const driver = process.env.MOLVIX_CORE_DRIVER;
const reference = process.env.MOLVIX_REFERENCE;

function nativeReadings(run) {
  const text = execFileSync(driver, driverArgs(run), { encoding: 'utf8' });
  const [header, ...rows] = text.trim().split('\n');
  const names = header.split(',');
  return rows.map((row) => Object.fromEntries(row.split(',').map((v, i) => [names[i], Number(v)])));
}

function csvRows(path) {
  const [header, ...rows] = readFileSync(path, 'utf8').trim().split('\n');
  const names = header.split(',');
  return rows.map((row) => Object.fromEntries(row.split(',').map((v, i) => [names[i], v])));
}

// Object.is tells -0 from 0 and NaN from NaN, as bits do.
function sameReadings(wasm, native, label) {
  assert.equal(wasm.length, native.length, `${label}: readings`);
  wasm.forEach((r, i) => {
    for (const [field, value] of Object.entries(native[i])) {
      assert.ok(Object.is(r[field], value),
        `${label}, reading ${i + 1}: ${field} ${r[field]} in WebAssembly, ${value} native`);
    }
  });
  return wasm.length;
}

const core = (() => {
  assert.ok(wasmPath && existsSync(wasmPath),
    `no WebAssembly core at ${wasmPath}: scripts/install-deps.sh installs clang-14, ` +
    'lld-14 and wasi-libc, and the build makes it');
  return loadCore(readFileSync(wasmPath));
})();

test('the classic sweep reads as the reference tables, number for number', async (t) => {
  const c = await core;
  const series = csvRows(reference);
  let readings = 0;
  classicRuns.forEach((run, index) => {
    const expected = series.filter((row) => Number(row.run) === index + 1);
    const rowOf = expected[0];
    assert.deepEqual([Number(rowOf.count), Number(rowOf.wall), Number(rowOf.temperature_setting),
      rowOf.collisions === 'on' || rowOf.collisions === '1' || rowOf.collisions === 'true'],
    [run.count, run.wall, run.temperature, run.collisions], `run ${index + 1}: settings`);
    const got = runScenario(c, run);
    assert.equal(got.length, expected.length, `run ${index + 1}: readings`);
    got.forEach((r, i) => {
      const want = expected[i];
      assert.equal(r.tick, Number(want.tick), `run ${index + 1}: tick`);
      for (const field of ['pressure', 'temperature', 'energy']) {
        assert.equal(r[field], Number(want[field]), `run ${index + 1}, reading ${i + 1}: ${field}`);
      }
    });
    readings += got.length;
  });
  t.diagnostic(`classic sweep: ${classicRuns.length} runs, ${readings} readings equal to the reference`);
  assert.equal(readings, series.length);
});

test('every run reads the same in WebAssembly as natively, bit for bit', async (t) => {
  const c = await core;
  let readings = 0;
  for (const run of classicRuns) {
    readings += sameReadings(runScenario(c, run), nativeReadings(run), JSON.stringify(run));
  }
  t.diagnostic(`classic sweep: ${classicRuns.length} runs, ${readings} readings equal bit for bit`);
  for (const run of processRuns) {
    const n = sameReadings(runScenario(c, run), nativeReadings(run), run.name);
    assert.ok(n >= 40, `${run.name}: ${n} readings`);
    t.diagnostic(`${run.name}: ${n} readings, ${Object.keys(c.fields).length} fields each, equal bit for bit`);
  }
});

// The files' text comes from the two builds' own number formatting (libc++
// and libstdc++): byte for byte the same, in both dialects.
test('the CSV files are the same text in WebAssembly as natively', async (t) => {
  const c = await core;
  let bytes = 0;
  for (const run of [classicRuns[5], ...processRuns]) {
    const gas = runGas(c, run);
    for (const [what, text] of [
      ['csv0', gas.readingsCsv('plain')], ['csv1', gas.readingsCsv('spreadsheet')],
      ['process0', gas.processCsv('plain')], ['process1', gas.processCsv('spreadsheet')]]) {
      const native = execFileSync(driver, [...driverArgs(run), what], { encoding: 'utf8' });
      assert.equal(text, native, `${run.name ?? 'classic'}: ${what}`);
      bytes += text.length;
    }
    gas.destroy();
  }
  t.diagnostic(`CSV files: 4 runs x 4 files, ${bytes} characters equal`);
});
