#!/usr/bin/env bash
# Screenshots of the program's windows in one language, for docs/: the gas
# runs for two seconds (F5, F6), then each window is grabbed, the credits
# last (a click on "Información"; F1 is the handbook's, whose picture
# bench/handbook_screenshot takes). Runs itself under a virtual X server;
# needs xdotool and ImageMagick's import.
# usage: take-screenshots.sh PROGRAM LANG OUTPUT_DIR
set -euo pipefail
program="$(realpath "${1:?usage: take-screenshots.sh PROGRAM LANG OUTPUT_DIR}")"
lang="${2:?}"
out="$(mkdir -p "${3:?}" && realpath "$3")"
for tool in xdotool import Xvfb; do
  command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done
if [ -z "${MOLVIX_SCREENSHOT_DISPLAY:-}" ]; then
  exec env MOLVIX_SCREENSHOT_DISPLAY=1 LIBGL_ALWAYS_SOFTWARE=1 \
    "$(dirname "$0")/with-xvfb.sh" "$0" "$@"
fi

"$program" --lang "$lang" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
# X window ids grow in creation order: main window, then control panel.
windows=($(xdotool search --pid $pid --onlyvisible --name '.' | sort -n))
main="${windows[0]}"
panel="${windows[1]}"
xdotool windowfocus --sync "$main" key F5
sleep 2
xdotool key F6
sleep 0.5
import -window "$main" "$out/screenshot-$lang-main.png"
import -window "$panel" "$out/screenshot-$lang-panel.png"
# The middle of "Información" (136, 3, 75 x 18) in the main window.
xdotool mousemove --window "$main" 173 12 click 1
sleep 1
credits="$(xdotool search --pid $pid --onlyvisible --name '.' | grep -vxF -e "$main" -e "$panel" | head -1)"
import -window "$credits" "$out/screenshot-$lang-credits.png"
ls "$out"/screenshot-"$lang"-*.png
