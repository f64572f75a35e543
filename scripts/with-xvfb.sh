#!/usr/bin/env bash
# Runs a command on an X server of its own: Xvfb with Mesa's GLX, a cookie
# of its own, and DISPLAY/XAUTHORITY set for the command; the server ends
# with it, and the command's exit status is this script's.
#   with-xvfb.sh COMMAND [ARG...]
# The server picks its display number itself (-displayfd): it takes the
# first number whose lock it can create, so servers started at the same
# moment (parallel tests, two suites at once) never get the same one, as
# they can when a free number is guessed first and the server started after.
# -noreset: by default an X server resets whenever its last client leaves,
# and a client connecting during the reset is refused ("could not connect
# to display"); between two tests, or between the accessibility bus's
# launcher and the program, that happens now and then.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: with-xvfb.sh COMMAND [ARG...]" >&2; exit 2; }
for tool in Xvfb xauth mcookie; do
  command -v "$tool" >/dev/null || { echo "with-xvfb.sh: needs $tool" >&2; exit 1; }
done

dir="$(mktemp -d "${TMPDIR:-/tmp}/molvix-xvfb.XXXXXX")"
server_pid=
cleanup() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The server loads every cookie of its -auth file whatever display it names.
cookie="$(mcookie)"
touch "$dir/server" "$dir/client"
xauth -q -f "$dir/server" add :0 . "$cookie"
mkfifo "$dir/display"
Xvfb -displayfd 3 -auth "$dir/server" -nolisten tcp -noreset -screen 0 1280x1024x24 +extension GLX \
  3>"$dir/display" 2>"$dir/log" &
server_pid=$!
if ! read -r -t 30 number <"$dir/display" || [ -z "$number" ]; then
  echo "with-xvfb.sh: the X server did not start:" >&2
  cat "$dir/log" >&2
  exit 1
fi
export DISPLAY=":$number"
export XAUTHORITY="$dir/client"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

status=0
"$@" || status=$?
exit "$status"
