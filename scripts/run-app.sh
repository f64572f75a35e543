#!/usr/bin/env bash
# Starts Molvix; with no DISPLAY it starts under a virtual X server so the
# program can still run (and be screenshotted) on a headless machine.
set -euo pipefail
app="${1:?usage: run-app.sh path/to/molvix}"
if [ -n "${DISPLAY:-}" ]; then
  exec "$app"
fi
echo "No DISPLAY set: starting Molvix on a virtual X server (nothing will be visible)." >&2
exec "$(dirname "$0")/with-xvfb.sh" "$app"
