#!/usr/bin/env bash
# memcheck.sh CHECKER EXAMPLES: runs the checker under valgrind's memcheck on a
# handful of cases, one per kind of ending; fails on any memory error or leak.
set -euo pipefail
checker=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '3 3 3 2 3 2 0 1' > "$work/repeated"
printf '3 3 3 2 1 3 0 4294967296' > "$work/overflow"
printf '4 1 1 1\n0 9 1 1\n' > "$work/bad_instance"
printf 'inf' > "$work/bad_answer"
run() {
  local expect=$1
  shift
  local status=0
  valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
    "$checker" "$@" > /dev/null 2> "$work/stderr" || status=$?
  if [ "$status" != "$expect" ]; then
    echo "FAIL: $* ended with status $status (expected $expect)"
    cat "$work/stderr"
    exit 1
  fi
}
run 0 "$examples/instance.txt" "$examples/answer.txt" "$examples/plan.txt"
run 0 "$examples/instance.txt" "$examples/answer.txt" "$work/repeated"
run 0 "$examples/instance.txt" "$examples/answer.txt" "$work/overflow"
run 0 "$examples/instance.txt" "$examples/answer.txt" /nonexistent
run 1 "$work/bad_instance" "$examples/answer.txt" "$examples/plan.txt"
run 1 "$examples/instance.txt" "$work/bad_answer" "$examples/plan.txt"
run 1 "$examples/instance.txt"
echo "memcheck: 7 runs clean"
