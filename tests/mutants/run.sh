#!/usr/bin/env bash
# tests/mutants/run.sh [FAULTS]: proves the test suite by planting faults. Copies
# the tree once, builds it, then for each fault listed in FAULTS (default
# faults.tsv beside this script) plants it, rebuilds, runs the suite, puts the
# file back, and notes the first tests that failed. Prints a table and the kill
# rate. It takes about an hour on two cores: run it by hand, not in CI.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
faults=${1:-$here/faults.tsv}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git -C "$root" ls-files -z | tar -C "$root" --null -T - -cf - | tar -C "$work" -xf -

build() { cmake --build "$work/build" -j2 >"$work/build.log" 2>&1; }
# The suite as the README runs it, less the compiler-only checks, which see no
# behaviour. With a fault planted it stops at the first test that fails: one is
# proof enough, and a caught fault then costs seconds, not the whole suite.
suite() {
  ctest --test-dir "$work/build" -j2 --timeout 300 -E 'WarningFreeUnderClang|BuildsWithMinGW' "$@" >"$work/ctest.log" 2>&1
}

start=$(date +%s)
cmake -S "$work" -B "$work/build" >/dev/null
build || { echo "the unchanged tree does not build: see $work/build.log"; cat "$work/build.log"; exit 1; }
suite || { echo "the unchanged tree fails its tests:"; tail -n 30 "$work/ctest.log"; exit 1; }

echo "| # | file | fault | result | caught by |"
echo "|---|---|---|---|---|"
n=0 caught=0
while IFS=$'\t' read -r file from to what; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  n=$((n + 1))
  cp "$work/$file" "$work/$file.orig"
  # Plant the fault: its text must be found exactly once.
  if ! python3 - "$work/$file" "$from" "$to" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace('{NL}', '\n'), sys.argv[3].replace('{NL}', '\n')
text = open(path).read()
if text.count(old) != 1:
    sys.exit(1)
open(path, 'w').write(text.replace(old, new))
PY
  then
    result="NOT PLANTED (text not found once)" by=""
  elif ! build; then
    result="DOES NOT BUILD" by=""
  elif suite --stop-on-failure; then
    result="survived" by=""
  else
    caught=$((caught + 1))
    result="caught"
    by=$(grep -E '^\s+[0-9]+ - ' "$work/ctest.log" | sed -E 's/^\s+[0-9]+ - ([^ ]+).*/\1/' | head -n 2 | paste -sd ' ' -)
  fi
  mv "$work/$file.orig" "$work/$file"
  touch "$work/$file" # newer than the objects built from the fault
  echo "| $n | $file | $what | $result | $by |"
done < "$faults"
build || true
echo
echo "caught $caught of $n ($(awk -v c=$caught -v n=$n 'BEGIN { printf "%.1f", n ? 100 * c / n : 0 }')%) in $(( ($(date +%s) - start) / 60 )) min"
