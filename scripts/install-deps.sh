#!/usr/bin/env bash
# Installs the Debian packages that Molvix needs to build, test and run.
#   install-deps.sh            everything: the program, its tests, benchmarks,
#                              fuzzing and packaging
#   install-deps.sh --program  only what building and starting the program
#                              needs (make run), so a first window comes sooner
# Idempotent: packages already installed are skipped, and apt is only asked
# (after an index update) when something is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-qpa-plugins
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgl-dev libgl1-mesa-dri
  xvfb xauth qt6-translations-l10n
  fonts-dejavu-core fonts-liberation
)
case "${1:-}" in
  --program) ;;
  "")
    packages+=(
      libgtest-dev libgmock-dev libbenchmark-dev
      clang libclang-rt-14-dev
      clang-14 lld-14 llvm-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
      libclang-rt-14-dev-wasm32 chromium chromium-driver
      desktop-file-utils appstream dpkg-dev lintian
      dbus at-spi2-core python3-pyatspi
    ) ;;
  *) echo "usage: install-deps.sh [--program]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# Node and npm (the web page's build and tests) from Debian only where the
# machine has none: a Node installed otherwise brings its own npm.
if [ "${1:-}" != "--program" ]; then
  command -v node >/dev/null 2>&1 || missing+=(nodejs)
  command -v npm >/dev/null 2>&1 || missing+=(npm)
fi

if ((${#missing[@]} > 0)); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The web page's packages, exactly as web/package-lock.json pins them; again
# only when the lock changed since the last install.
if [ "${1:-}" != "--program" ]; then
  web="$(cd "$(dirname "$0")/../web" && pwd)"
  if [ ! -f "$web/node_modules/.package-lock.json" ] ||
     [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    echo "Installing the web page's packages (npm ci)"
    (cd "$web" && npm ci --no-audit --no-fund)
  fi
fi
