#!/usr/bin/env bash
# Builds the Debian package of a build tree with CPack and checks what it
# holds: each program with its man page, the desktop entry and the icon it
# names, the AppStream metainfo, dependencies worked out from the libraries,
# and the English catalogue inside the program (its help answers in English).
# Exits 77 (skipped) when the Debian tools are missing.
# usage: check-package.sh BUILD_DIR PROGRAM...
set -euo pipefail
build="$(cd "${1:?usage: check-package.sh BUILD_DIR PROGRAM...}" && pwd)"
shift
programs=("$@")

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "no $tool: package check skipped"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
deb="$(ls "$work"/*.deb)"
echo "$(basename "$deb"):"
dpkg-deb -c "$deb" | awk '{ print "  " $NF }' | grep -v '/$'
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/contents"

failures=0
fail() {
  echo "MISSING: $*"
  failures=$((failures + 1))
}
need() {
  grep -qxF "$1" "$work/contents" || fail "$1"
}

for p in "${programs[@]}"; do
  need "/usr/bin/$p"
  need "/usr/share/man/man1/$p.1.gz"
done
# No program without its page.
for p in $(grep '^/usr/bin/.' "$work/contents" | sed 's|^/usr/bin/||'); do
  need "/usr/share/man/man1/$p.1.gz"
done

need /usr/share/applications/molvix.desktop
for size in 16 32 48 64 128 256; do
  need "/usr/share/icons/hicolor/${size}x${size}/apps/molvix.png"
done
metainfo="$(grep '^/usr/share/metainfo/.*\.metainfo\.xml$' "$work/contents" || true)"
[ -n "$metainfo" ] || fail "AppStream metainfo in /usr/share/metainfo"

dpkg-deb -x "$deb" "$work/root"
desktop="$work/root/usr/share/applications/molvix.desktop"
if [ -f "$desktop" ]; then
  exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
  need "/usr/bin/$exec_name"
  need "/usr/share/icons/hicolor/256x256/apps/$icon_name.png"
fi
if [ -n "$metainfo" ]; then
  grep -q '<launchable type="desktop-id">molvix.desktop</launchable>' "$work/root$metainfo" ||
    fail "the metainfo's launchable molvix.desktop"
fi

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
[[ "$depends" == *libqt6widgets6* ]] || fail "a dependency on libqt6widgets6 (shlibdeps)"

# The catalogues are built into the program: its help shows whether they came along.
help_en="$("$work/root/usr/bin/molvix" --lang en --help)"
help_es="$("$work/root/usr/bin/molvix" --lang es --help)"
[[ "$help_en" == "Usage: molvix"* ]] || fail "the English translation (molvix --lang en --help: $help_en)"
[[ "$help_es" == "Uso: molvix"* ]] || fail "the Spanish help (molvix --lang es --help: $help_es)"

if ((failures > 0)); then
  echo "$failures thing(s) missing from the package"
  exit 1
fi
echo "package contents check passed"
