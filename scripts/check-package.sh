#!/usr/bin/env bash
# Builds the Debian packages of a build tree with CPack, one per program,
# lists them and checks what each holds: its program with its man page, its
# licence and a changelog whose latest entry is the package's version, and
# nothing of another program; molvix alone has the desktop entry and the
# icon it names, the AppStream metainfo and the English catalogue inside
# the program (its help answers in English), and recommends molvix-lab. The
# dependencies are worked out from the libraries.
# The packages stay in BUILD_DIR/package-check for the checks that follow
# (scripts/check-debs.sh). Exits 77 (skipped) when the Debian tools are missing.
# usage: check-package.sh BUILD_DIR PROGRAM...
set -euo pipefail
build="$(cd "${1:?usage: check-package.sh BUILD_DIR PROGRAM...}" && pwd)"
shift
programs=("$@")

# Gone before anything else, so that no check that follows finds the
# packages of an earlier run.
out="$build/package-check"
rm -rf "$out"
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "no $tool: package check skipped"
    exit 77
  fi
done

mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}

failures=0
fail() {
  echo "MISSING: $*"
  failures=$((failures + 1))
}

# One package per program, and no other (an install rule without a
# component would make a package of its own).
debs=()
for p in "${programs[@]}"; do
  deb="$(ls "$out/${p}"_*.deb 2>/dev/null || true)"
  if [ -z "$deb" ]; then
    fail "the package $p"
    continue
  fi
  debs+=("$deb")
done
for deb in "$out"/*.deb; do
  name="$(dpkg-deb -f "$deb" Package)"
  [[ " ${programs[*]} " == *" $name "* ]] || fail "a program for the package $name ($(basename "$deb"))"
done

# contents PACKAGE: the package's file list, as absolute paths.
contents() { echo "$work/$1.contents"; }
for deb in "${debs[@]}"; do
  name="$(dpkg-deb -f "$deb" Package)"
  echo "$(basename "$deb"):"
  dpkg-deb -c "$deb" | awk '{ print "  " $NF }' | grep -v '/$'
  dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$(contents "$name")"
  dpkg-deb -x "$deb" "$work/root-$name"
done

# need PACKAGE PATH / shun PACKAGE PATH-PATTERN
need() {
  grep -qxF "$2" "$(contents "$1")" 2>/dev/null || fail "$2 in $1"
}
shun() {
  local found
  found="$(grep -x "$2" "$(contents "$1")" 2>/dev/null | grep -v '/$' || true)"
  [ -z "$found" ] || fail "nothing like $2 in $1, found: $(echo "$found" | tr "\n" " ")"
}

for p in "${programs[@]}"; do
  [ -f "$(contents "$p")" ] || continue
  root="$work/root-$p"
  need "$p" "/usr/bin/$p"
  need "$p" "/usr/share/man/man1/$p.1.gz"
  need "$p" "/usr/share/doc/$p/copyright"
  need "$p" "/usr/share/doc/$p/changelog.gz"
  # No program without its page.
  for b in $(grep '^/usr/bin/.' "$(contents "$p")" | sed 's|^/usr/bin/||'); do
    need "$p" "/usr/share/man/man1/$b.1.gz"
  done
  # Each program, and its page, in its own package only.
  for q in "${programs[@]}"; do
    [ "$q" = "$p" ] && continue
    shun "$p" "/usr/bin/$q"
    shun "$p" "/usr/share/man/man1/$q\.1\.gz"
    shun "$p" "/usr/share/doc/$q/.*"
  done
  if [ -f "$root/usr/share/doc/$p/changelog.gz" ]; then
    version="$(dpkg-deb -f "$out/${p}"_*.deb Version)"
    latest="$(zcat "$root/usr/share/doc/$p/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1 || true)"
    [ "$latest" = "$version" ] || fail "a changelog entry for $p $version (the latest is $latest)"
  fi
  depends="$(dpkg-deb -f "$out/${p}"_*.deb Depends)"
  echo "$p Depends: $depends"
  # shlibdeps ran: every program here links Qt Core.
  [[ "$depends" == *libqt6core6* ]] || fail "a dependency of $p on libqt6core6 (shlibdeps)"
done

# No file in two packages: dpkg would refuse to install the second.
shared="$(cat "$work"/*.contents | grep -v '/$' | sort | uniq -d)"
[ -z "$shared" ] || fail "each file in one package only, in two: $(echo "$shared" | tr "\n" " ")"

# The desktop's share of the files belongs to the program with the windows.
if [ -f "$(contents molvix)" ]; then
  root="$work/root-molvix"
  need molvix /usr/share/applications/molvix.desktop
  for size in 16 32 48 64 128 256; do
    need molvix "/usr/share/icons/hicolor/${size}x${size}/apps/molvix.png"
  done
  metainfo="$(grep '^/usr/share/metainfo/.*\.metainfo\.xml$' "$(contents molvix)" || true)"
  [ -n "$metainfo" ] || fail "AppStream metainfo in /usr/share/metainfo in molvix"

  desktop="$root/usr/share/applications/molvix.desktop"
  if [ -f "$desktop" ]; then
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
    need molvix "/usr/bin/$exec_name"
    need molvix "/usr/share/icons/hicolor/256x256/apps/$icon_name.png"
  fi
  if [ -n "$metainfo" ]; then
    grep -q '<launchable type="desktop-id">molvix.desktop</launchable>' "$root$metainfo" ||
      fail "the metainfo's launchable molvix.desktop"
    # A binary the metainfo says it provides is one this package ships.
    for b in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$root$metainfo"); do
      need molvix "/usr/bin/$b"
    done
  fi

  deb="$(ls "$out"/molvix_*.deb)"
  [[ "$(dpkg-deb -f "$deb" Depends)" == *libqt6widgets6* ]] ||
    fail "a dependency of molvix on libqt6widgets6 (shlibdeps)"
  recommends="$(dpkg-deb -f "$deb" Recommends)"
  echo "molvix Recommends: $recommends"
  recommends_lab='(^|,)[[:space:]]*molvix-lab([[:space:](,]|$)'
  [[ "$recommends" =~ $recommends_lab ]] || fail "molvix recommending molvix-lab"

  # The catalogues are built into the program: its help shows whether they came along.
  help_en="$("$root/usr/bin/molvix" --lang en --help)"
  help_es="$("$root/usr/bin/molvix" --lang es --help)"
  [[ "$help_en" == "Usage: molvix"* ]] || fail "the English translation (molvix --lang en --help: $help_en)"
  [[ "$help_es" == "Uso: molvix"* ]] || fail "the Spanish help (molvix --lang es --help: $help_es)"
fi

# The command-line program's package holds nothing of the desktop.
if [ -f "$(contents molvix-lab)" ]; then
  shun molvix-lab '/usr/share/applications/.*'
  shun molvix-lab '/usr/share/icons/.*'
  shun molvix-lab '/usr/share/metainfo/.*'
fi

if ((failures > 0)); then
  echo "$failures thing(s) missing from the packages"
  exit 1
fi
echo "package contents check passed"
