#!/usr/bin/env bash
# The window "Difusión" in docs/, in Spanish and English, after a diffusion
# run, a Brownian run, a run under the field and a sweep of the packing of
# the real program (bench/diffusion_screenshot),
# each taken of the whole screen of a virtual X server.
# usage: take-diffusion-screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build="$(realpath "${1:?usage: take-diffusion-screenshots.sh BUILD_DIR OUTPUT_DIR}")"
out="$(mkdir -p "${2:?}" && realpath "$2")"
for lang in es en; do
  for run in diffusion brownian atmosphere real-gas; do
    flag=()
    [ "$run" != diffusion ] && flag=("--$run")
    LIBGL_ALWAYS_SOFTWARE=1 "$(dirname "$0")/with-xvfb.sh" \
      "$build/bench/diffusion_screenshot" --lang "$lang" "${flag[@]}" "$out/screenshot-$lang-$run.png"
  done
done
