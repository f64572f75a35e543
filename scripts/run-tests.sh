#!/usr/bin/env bash
# Runs the whole test suite of a build tree with ctest.
# Widget and painter tests carry QT_QPA_PLATFORM=offscreen themselves; the
# OpenGL-labelled tests need a real X server, so with no DISPLAY the whole
# ctest run goes on an X server of its own (with-xvfb.sh) with Mesa's
# software renderer.
# In a sanitizer build (build-asan, build-fuzz) leaks are checked at exit,
# except the ones system libraries keep for the life of the process
# (scripts/lsan-suppressions.txt), and any report fails the test.
set -euo pipefail
build_dir="${1:-build}"
shift || true
scripts="$(cd "$(dirname "$0")" && pwd)"
suppressions="$scripts/lsan-suppressions.txt"
cd "$build_dir"
export LIBGL_ALWAYS_SOFTWARE=1
ctest_args=(--output-on-failure --timeout 600 -j"$(nproc)" "$@")

run_ctest() {
  if [ -n "${DISPLAY:-}" ]; then
    ctest "$@"
  else
    "$scripts/with-xvfb.sh" ctest "$@"
  fi
}

if ! grep -Eq '^MOLVIX_(SANITIZE|FUZZ):BOOL=ON' CMakeCache.txt 2>/dev/null; then
  run_ctest "${ctest_args[@]}"
  exit
fi

# llvmpipe's rasterizer threads live until the process ends; LeakSanitizer
# stops every thread to scan their stacks at exit, and a thread of Mesa's
# taken mid-exit crashes its tracer ("Tracer caught signal 11") now and then.
# Rasterizing on the main thread leaves none to stop: same pictures.
export LP_NUM_THREADS=0
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
run_ctest "${ctest_args[@]}"
