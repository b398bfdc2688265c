#!/usr/bin/env bash
# Times the checker on generated instances with N = M = 2^12 .. 2^18 and optimal
# plans (the longest path through it), beside cat on the same files, then judges
# a 2 GB plan streamed through a named pipe. Usage: bench/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${2:-21}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHECKER_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target checker generate measure >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| N = M | files | checker median | checker min | per portal | peak memory | cat median |"
echo "|---|---|---|---|---|---|---|"
for e in 12 14 16 18; do
  n=$((1 << e))
  d="$work/$e"
  mkdir -p "$d"
  "$build/bench/generate" "$n" "$n" 1 "$d" >/dev/null
  verdict=$("$build/checker" "$d/instance.txt" "$d/answer.txt" "$d/plan.txt" 2>/dev/null)
  [ "$verdict" = "1.000000" ] || { echo "2^$e: the optimal plan scored $verdict" >&2; exit 1; }
  read -r med min peak < <("$build/bench/measure" "$runs" "$build/checker" "$d/instance.txt" "$d/answer.txt" "$d/plan.txt")
  read -r cmed _ _ < <("$build/bench/measure" "$runs" cat "$d/instance.txt" "$d/answer.txt" "$d/plan.txt")
  bytes=$(cat "$d"/*.txt | wc -c)
  awk -v e="$e" -v b="$bytes" -v med="$med" -v min="$min" -v peak="$peak" -v cmed="$cmed" -v n="$n" 'BEGIN {
    printf "| 2^%d | %.1f MB | %.1f ms | %.1f ms | %.0f ns | %.1f MiB | %.1f ms |\n", e, b / 1e6, med, min, med * 1e6 / n, peak / 1024, cmed }'
done

# A plan of a valid header and then 2 GB of white space, never stored: the peak
# memory must be that of a short plan.
d="$work/18"
mkfifo "$work/plan.fifo"
(printf '0 262143\n'; head -c 2000000000 /dev/zero | tr '\0' ' ') > "$work/plan.fifo" &
read -r med _ peak < <("$build/bench/measure" 1 "$build/checker" "$d/instance.txt" "$d/answer.txt" "$work/plan.fifo")
wait
awk -v med="$med" -v peak="$peak" 'BEGIN { printf "\n2 GB plan of white space through a pipe: %.0f ms, peak memory %.1f MiB\n", med, peak / 1024 }'
