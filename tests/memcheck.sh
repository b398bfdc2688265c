#!/usr/bin/env bash
# memcheck.sh CHECKER EXAMPLES: the checker under valgrind's memcheck, once for each
# kind of ending; fails on any memory error or leak, or an unexpected exit status.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$2"
printf '3 3 3 2 3 2 0 1' > "$work/repeated"
printf '3 3 3 2 1 3 0 4294967296' > "$work/overflow"
printf '4 1 1 1\n0 9 1 1\n' > "$work/instance"
printf 'inf' > "$work/answer"
while read -r expect args; do
  status=0
  valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
    "$1" $args > /dev/null 2> "$work/stderr" || status=$?
  [ "$status" = "$expect" ] || { echo "FAIL: $args: status $status"; cat "$work/stderr"; exit 1; }
done <<CASES
0 instance.txt answer.txt plan.txt
0 instance.txt answer.txt $work/repeated
0 instance.txt answer.txt $work/overflow
0 instance.txt answer.txt /nonexistent
1 $work/instance answer.txt plan.txt
1 instance.txt $work/answer plan.txt
1 instance.txt
CASES
echo "memcheck: every run clean"
