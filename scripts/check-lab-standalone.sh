#!/usr/bin/env bash
# molvix-lab runs where no desktop is installed: the gas is plain C++, the
# measurements and molvix-lab's own code use Qt Core at most and include no
# view or window header, and the built program needs no library of the
# desktop stack.
# usage: check-lab-standalone.sh MOLVIX_LAB SOURCE_DIR QTCORE_INCLUDE_DIR
set -euo pipefail
lab="${1:?usage: check-lab-standalone.sh MOLVIX_LAB SOURCE_DIR QTCORE_INCLUDE_DIR}"
src="${2:?source directory}"
qtcore="${3:?QtCore include directory}"
status=0
fault() {
  echo "FAIL: $*"
  status=1
}

# 1. What the dynamic linker loads for molvix-lab.
libs="$(ldd "$lab" | awk '{ print $1 }')"
echo "molvix-lab loads:" $libs
for banned in libQt6Gui libQt6Widgets libQt6OpenGL libQt6DBus libOpenGL libGL libEGL libGLX; do
  if grep -Eq "^${banned}[.-]" <<<"$libs"; then
    fault "molvix-lab loads $(grep -E "^${banned}[.-]" <<<"$libs" | tr '\n' ' ')"
  fi
done
grep -q '^libQt6Core\.' <<<"$libs" || fault "molvix-lab does not load libQt6Core: is this the program?"

# The includes of a tree, as "file:line:header".
includes() {
  grep -rEHn '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$1" --include='*.h' --include='*.cpp' |
    sed -E 's/^([^:]*:[0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1:\2/'
}

# 2. The gas includes no Qt header at all.
while IFS=: read -r file line header; do
  case "$header" in
  Q* | Qt*/* | q*.h) fault "$file:$line includes Qt's <$header>" ;;
  esac
done < <(includes "$src/src/gas")

# 3. Measurements and molvix-lab: Qt Core at most, and no view or window.
own_headers="$(find "$src/src/scene" "$src/src/ui" "$src/src/app" -name '*.h' -printf '%f\n' | sort -u)"
for dir in src/measure src/lab; do
  while IFS=: read -r file line header; do
    case "$header" in
    Q* | Qt*/*)
      [ -e "$qtcore/$header" ] || [ -e "$qtcore/../$header" ] ||
        fault "$file:$line includes <$header>, which is not Qt Core"
      ;;
    esac
    if grep -qxF "$(basename "$header")" <<<"$own_headers"; then
      fault "$file:$line includes the window or view header \"$header\""
    fi
  done < <(includes "$src/$dir")
done

[ "$status" -eq 0 ] && echo "molvix-lab stands on its own"
exit "$status"
