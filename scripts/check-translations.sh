#!/usr/bin/env bash
# Fails, naming them, when texts of the sources have no translation in a
# catalogue, or when the catalogue holds texts the sources no longer have.
# lupdate updates a copy, so the catalogue itself is left as it is.
# usage: check-translations.sh LUPDATE CATALOGUE.ts SOURCE_DIR...
set -euo pipefail
lupdate="$1"
catalogue="$2"
shift 2

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$catalogue")"
cp "$catalogue" "$copy"
"$lupdate" -silent -locations none "$@" -ts "$copy" >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log" >&2
  exit 2
}

# One message per record; a record that opens a context carries its name.
problems="$(awk 'BEGIN { RS = "</message>" }
  /<name>/ { n = $0; sub(/.*<name>/, "", n); sub(/<\/name>.*/, "", n); context = n }
  /<source>/ {
    text = $0; sub(/.*<source>/, "", text); sub(/<\/source>.*/, "", text)
    gsub(/\n/, "\\n", text)
    if ($0 ~ /type="unfinished"/) print "untranslated  " context ": " text
    else if ($0 ~ /type="(vanished|obsolete)"/) print "no longer in the sources  " context ": " text
  }' "$copy")"

if [ -n "$problems" ]; then
  echo "$(basename "$catalogue"): $(printf '%s\n' "$problems" | wc -l) text(s) to see to:"
  printf '%s\n' "$problems"
  echo "Update with: cmake --build <build> --target update_translations, then translate."
  exit 1
fi
echo "$(basename "$catalogue"): every text translated"
