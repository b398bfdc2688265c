#!/usr/bin/env bash
# Times the checker on generated instances with N = M = 2^12 .. 2^18 and optimal
# plans (the longest path through it), beside a straightforward build and cat on
# the same files; then setter solve and validate on the largest instance; then
# every full-size test of the default test set against the random one; then a
# 2 GB plan streamed through a named pipe. Usage: bench/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${2:-21}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHECKER_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target checker setter measure straightforward >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One row: what, then measure's figures for the command.
row() {
  local what=$1
  shift
  read -r med p95 max min peak faults < <("$build/bench/measure" "$runs" "$@")
  awk -v w="$what" -v med="$med" -v p95="$p95" -v max="$max" -v peak="$peak" -v f="$faults" 'BEGIN {
    printf "| %s | %.1f ms | %.1f ms | %.1f ms | %.1f MiB | %d |\n", w, med, p95, max, peak / 1024, f }'
}

echo "| N = M (files) : program | median | 95th percentile | max | peak memory | page faults |"
echo "|---|---|---|---|---|---|"
for e in 12 14 16 18; do
  n=$((1 << e))
  d="$work/$e"
  mkdir -p "$d"
  # Random order, 3-decimal costs, 4-decimal rates; X below the mean fall of a tree
  # (beyond the statement's bound at the largest size: the checker's limits hold).
  "$build/setter" generate random --n "$n" --m "$n" --t 10 --x $((9 * (n - 1))) \
    --ec 200..1200 --ec-decimals 3 --er 0..20 --er-decimals 4 --seed 1 --checker-limits > "$d/instance.txt"
  "$build/setter" solve "$d/instance.txt" --plan "$d/plan.txt" > "$d/answer.txt"
  verdict=$("$build/checker" "$d/instance.txt" "$d/answer.txt" "$d/plan.txt" 2>/dev/null)
  [ "$verdict" = "1.000000" ] || { echo "2^$e: the optimal plan scored $verdict" >&2; exit 1; }
  mb=$(cat "$d"/*.txt | wc -c | awk '{ printf "%.1f MB", $1 / 1e6 }')
  files=("$d/instance.txt" "$d/answer.txt" "$d/plan.txt")
  row "2^$e ($mb) : checker" "$build/checker" "${files[@]}"
  row "2^$e ($mb) : straightforward" "$build/bench/straightforward" "${files[@]}"
  row "2^$e ($mb) : cat" cat "${files[@]}"
done
row "2^18 : setter solve" "$build/setter" solve "$work/18/instance.txt"
row "2^18 : setter validate" "$build/setter" validate "$work/18/instance.txt" "$work/18/answer.txt" --checker-limits

# Every full-size test of the default test set (its shapes: extremes, dense,
# stars, chains, near ties) against the random instance of the same size.
"$build/setter" testset "$work/tests" >/dev/null 2>&1
random=$("$build/bench/measure" "$runs" "$build/checker" "$work/18/instance.txt" "$work/18/answer.txt" "$work/18/plan.txt" | cut -d' ' -f1)
echo
echo "| full-size test : checker | median | against random ($random ms) |"
echo "|---|---|---|"
for instance in "$work"/tests/secret/*-largest.in; do
  test=${instance%.in}
  med=$("$build/bench/measure" "$runs" "$build/checker" "$instance" "$test.total" "$test.ans" | cut -d' ' -f1)
  awk -v t="$(basename "$test")" -v med="$med" -v r="$random" 'BEGIN { printf "| %s | %.1f ms | %.2f |\n", t, med, med / r }'
done
echo

# A plan of a valid header and then 2 GB of white space, never stored: the peak
# memory must be that of a short plan.
d="$work/18"
mkfifo "$work/plan.fifo"
(printf '0 262143\n'; head -c 2000000000 /dev/zero | tr '\0' ' ') > "$work/plan.fifo" &
read -r med _ _ _ peak _ < <("$build/bench/measure" 1 "$build/checker" "$d/instance.txt" "$d/answer.txt" "$work/plan.fifo")
wait
awk -v med="$med" -v peak="$peak" 'BEGIN { printf "2 GB plan of white space through a pipe: %.0f ms, peak memory %.1f MiB\n", med, peak / 1024 }'
