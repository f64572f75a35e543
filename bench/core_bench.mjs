// The gas tick natively and in WebAssembly under Node, in one run: 100
// particles at the start-up temperature, collisions on, the same calls
// through the same C interface. Five rounds of each, alternated; the
// medians and their ratio.
//   node bench/core_bench.mjs build/bench/core_bench build/wasm/src/web/molvix-core.wasm
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { loadCore } from '../web/src/core.js';

const [nativeBench, wasmPath] = process.argv.slice(2);
if (!nativeBench || !wasmPath) {
  console.error('usage: node bench/core_bench.mjs <core_bench> <molvix-core.wasm>');
  process.exit(2);
}
const core = await loadCore(readFileSync(wasmPath));
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

function nativeMicroseconds() {
  const out = execFileSync(nativeBench, ['--benchmark_format=json', '--benchmark_min_time=1'],
    { encoding: 'utf8' });
  const run = JSON.parse(out).benchmarks.find((b) => b.name === 'BM_CoreTick');
  return run.real_time / 100; // a benchmark iteration is 100 ticks, in µs
}

function wasmMicroseconds() {
  const gas = core.createGas();
  gas.setCount(100);
  gas.setCollisions(true);
  gas.run(1000);
  let ticks = 0;
  const start = process.hrtime.bigint();
  let elapsed = 0n;
  while (elapsed < 1_000_000_000n) {
    gas.run(100);
    ticks += 100;
    elapsed = process.hrtime.bigint() - start;
  }
  gas.destroy();
  return Number(elapsed) / 1000 / ticks;
}

const native = [], wasm = [];
for (let round = 0; round < 5; ++round) {
  native.push(nativeMicroseconds());
  wasm.push(wasmMicroseconds());
}
const n = median(native), w = median(wasm);
console.log(`gas tick, 100 particles, collisions on (median of 5 rounds of 1 s):`);
console.log(`  native      ${n.toFixed(2)} µs  (rounds ${native.map((x) => x.toFixed(2)).join(' ')})`);
console.log(`  WebAssembly ${w.toFixed(2)} µs  (rounds ${wasm.map((x) => x.toFixed(2)).join(' ')}), Node ${process.version}`);
console.log(`  WebAssembly / native: ${(w / n).toFixed(2)}`);
