#!/usr/bin/env bash
# Runs the whole test suite of a build tree with ctest.
# Widget and painter tests carry QT_QPA_PLATFORM=offscreen themselves; the
# OpenGL-labelled tests need a real X server, so with no DISPLAY the whole
# ctest run goes under xvfb-run with Mesa's software renderer.
set -euo pipefail
build_dir="${1:-build}"
shift || true
cd "$build_dir"
export LIBGL_ALWAYS_SOFTWARE=1
ctest_args=(--output-on-failure --timeout 600 -j"$(nproc)" "$@")
if [ -n "${DISPLAY:-}" ]; then
  exec ctest "${ctest_args[@]}"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24 +extension GLX" ctest "${ctest_args[@]}"
