#!/usr/bin/env bash
# Checks on the packages that scripts/check-package.sh leaves in DIR
# (skipped, 77, when it left none: it was skipped itself).
#   lintian      every package passes lintian with no error and no warning,
#                and its programs carry Debian's hardening (skipped, 77,
#                when lintian is missing);
#   lab-depends  molvix-lab depends on nothing of the desktop: no Qt Gui,
#                Widgets, OpenGL or D-Bus, no GL or EGL.
# usage: check-debs.sh lintian|lab-depends DIR
set -euo pipefail
mode="${1:?usage: check-debs.sh lintian|lab-depends DIR}"
dir="${2:?usage: check-debs.sh lintian|lab-depends DIR}"

if [ ! -d "$dir" ]; then
  echo "no packages built (the package check was skipped): skipped"
  exit 77
fi
shopt -s nullglob
debs=("$dir"/*.deb)
if ((${#debs[@]} == 0)); then
  echo "no packages in $dir"
  exit 1
fi

case "$mode" in
lintian)
  if ! command -v lintian >/dev/null 2>&1; then
    echo "no lintian: skipped"
    exit 77
  fi
  rc=0
  lintian --display-info --fail-on error,warning "${debs[@]}" >"$dir/lintian.log" 2>&1 || rc=$?
  # Its note that it runs as root is not about the packages.
  grep -v 'running with root privileges' "$dir/lintian.log" || true
  if ((rc != 0)); then
    echo "lintian failed (exit $rc)"
    exit 1
  fi
  # Only an informational tag, but a program built without it is one a
  # packager has to rebuild.
  if grep -q ' hardening-no-' "$dir/lintian.log"; then
    echo "lintian: a program without hardening"
    exit 1
  fi
  echo "lintian: no errors or warnings in ${#debs[@]} package(s)"
  ;;
lab-depends)
  lab=("$dir"/molvix-lab_*.deb)
  if ((${#lab[@]} != 1)); then
    echo "no single molvix-lab package in $dir"
    exit 1
  fi
  depends="$(dpkg-deb -f "${lab[0]}" Depends)"
  echo "molvix-lab Depends: $depends"
  [ -n "$depends" ] || {
    echo "no Depends at all: shlibdeps did not run"
    exit 1
  }
  bad=()
  # Each alternative's name, without its version.
  for name in $(echo "$depends" | tr ',|' '\n' | sed 's/(.*//; s/[[:space:]]//g'); do
    case "$name" in
    libqt6gui6 | libqt6widgets6 | libqt6opengl* | libqt6dbus6 | libgl* | libegl* | libopengl*)
      bad+=("$name")
      ;;
    esac
  done
  if ((${#bad[@]} > 0)); then
    echo "molvix-lab depends on desktop libraries: ${bad[*]}"
    exit 1
  fi
  echo "molvix-lab depends on no desktop library"
  ;;
*)
  echo "unknown check: $mode"
  exit 2
  ;;
esac
