#!/usr/bin/env bash
# check-core-standalone.sh finds each kind of fault: a tree whose gas
# includes Qt and a window's header, whose targets link Qt Core and look in
# its folder; and it passes the same tree mended.
# usage: core_check_test.sh CHECK_SCRIPT
set -euo pipefail
check="${1:?usage: core_check_test.sh CHECK_SCRIPT}"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/gas" "$tree/src/measure" "$tree/src/ui"
printf '#pragma once\n#include <vector>\n#include "gasreading.h"\n' >"$tree/src/gas/gas.h"
printf '#include <QString>\n#include "../ui/controls.h"\n' >"$tree/src/gas/gasreading.h"
printf '#include <cmath>\n#include "gas.h"\n' >"$tree/src/measure/speeds.h"
touch "$tree/src/ui/controls.h"
printf '%s\n' "molvix_gas LINK_LIBRARIES=" "molvix_measure LINK_LIBRARIES=molvix_gas;Qt6::Core" \
  "molvix_measure INCLUDE_DIRECTORIES=$tree/src/measure;/usr/include/qt6/QtCore" >"$tree/targets.txt"

if out="$("$check" "$tree" "$tree/targets.txt")"; then
  echo "the faulty tree passed: $out"
  exit 1
fi
echo "$out"
for fault in 'gasreading.h:1 includes <QString>' 'gasreading.h:2 includes "../ui/controls.h"' \
  'molvix_measure links Qt6::Core' 'molvix_measure looks for headers in /usr/include/qt6/QtCore'; do
  grep -qF "FAIL: " <<<"$(grep -F "$fault" <<<"$out")" || { echo "not found: $fault"; exit 1; }
done
[ "$(grep -c '^FAIL' <<<"$out")" -eq 4 ] || { echo "expected 4 faults"; exit 1; }

# Mended, the same tree passes.
printf '#pragma once\n#include <string>\n' >"$tree/src/gas/gasreading.h"
printf '%s\n' "molvix_gas LINK_LIBRARIES=" "molvix_measure LINK_LIBRARIES=molvix_gas" \
  "molvix_measure INCLUDE_DIRECTORIES=$tree/src/measure;$tree/src/gas" >"$tree/targets.txt"
"$check" "$tree" "$tree/targets.txt"
