#!/usr/bin/env bash
# Runs the benchmarks of a build tree: the Google Benchmark programs (median
# and spread over 5 repetitions), then the running program for 5 seconds,
# then the program at rest.
# With no DISPLAY everything runs under Xvfb with Mesa's software renderer.
set -euo pipefail
build_dir="${1:-build}"
export LIBGL_ALWAYS_SOFTWARE=1
run() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    "$(dirname "$0")/with-xvfb.sh" "$@"
  fi
}
for bench in world_bench gas_bench worldgl_bench lab_bench; do
  echo "== $bench"
  run "$build_dir/bench/$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
echo "== core_bench.mjs (the gas tick natively and in WebAssembly under Node)"
node "$(dirname "$0")/../bench/core_bench.mjs" "$build_dir/bench/core_bench" \
  "$build_dir/wasm/src/web/molvix-core.wasm"
echo "== web_bench.mjs (the page in headless Chromium)"
node "$(dirname "$0")/../bench/web_bench.mjs" "$build_dir/web"
echo "== program_bench (5 s of animation, collisions and vectors on)"
run "$build_dir/bench/program_bench" 5
echo "== program_bench with the \"Gráficas\" window open (5 s, collisions and vectors on)"
run "$build_dir/bench/program_bench" 5 --graficas
echo "== program_bench with the \"Difusión\" window open, a mixture of 200 (5 s, collisions and vectors on)"
run "$build_dir/bench/program_bench" 5 --difusion 200
echo "== idle_bench (5 s stopped in each of four ways: processor time and paints)"
run "$build_dir/bench/idle_bench" 5
