#!/usr/bin/env bash
# amalgamate.sh ROOT OUT SOURCE...: writes OUT, one self-contained C++ source made
# of the SOURCEs (paths relative to ROOT) in the order given. Each project header
# is inlined once, where it is first included; system headers stay includes.
# Judges that compile one uploaded file get a file made from the real sources.
set -euo pipefail
root=$1
out=$2
shift 2
mkdir -p "$(dirname "$out")"
awk -v root="$root" '
  function inline(path,    line, target) {
    if (path in done)
      return
    done[path] = 1
    print "// ---- " path
    while ((getline line < (root "/" path)) > 0) {
      if (line ~ /^#pragma once/)
        continue
      if (line ~ /^#include "/) {
        target = line
        sub(/^#include "/, "", target)
        sub(/".*$/, "", target)
        inline(target)
        continue
      }
      print line
    }
    close(root "/" path)
  }
  BEGIN {
    print "// Generated from the checker'"'"'s sources by single/amalgamate.sh: edit those, not this."
    print "// Build: g++ -std=c++20 -O2 -ffp-contract=off THIS_FILE"
    for (i = 1; i < ARGC; ++i)
      inline(ARGV[i])
    exit
  }
' "$@" > "$out.tmp"
mv "$out.tmp" "$out"
