#!/usr/bin/env bash
# Runs every benchmark of a build tree (offscreen; OpenGL ones under Xvfb).
set -euo pipefail
build_dir="${1:-build}"
for bench in "$build_dir"/bench/*_bench; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  if [ -n "${DISPLAY:-}" ]; then
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
  else
    xvfb-run -a -s "-screen 0 1280x1024x24 +extension GLX" \
      "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
  fi
done
