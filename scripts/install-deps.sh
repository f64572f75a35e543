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
      libclang-rt-14-dev-wasm32 nodejs
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

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
