#!/usr/bin/env bash
# amalgamate.sh ROOT OUT SOURCE...: writes OUT, one self-contained C++ source made
# of the SOURCEs (paths relative to ROOT) in the order given. Each project header
# is inlined once, where it is first included; system headers stay includes.
# Judges that compile one uploaded file get a file made from the real sources;
# #line directives point a compiler's messages at those sources.
set -euo pipefail
root=$1
out=$2
shift 2
mkdir -p "$(dirname "$out")"
awk -v root="$root" '
  function inline(path,    line, target, number) {
    if (path in done)
      return
    done[path] = 1
    print "// ---- " path
    print "#line 1 \"" path "\""
    number = 0
    while ((getline line < (root "/" path)) > 0) {
      ++number
      if (line ~ /^#pragma once/) {
        print ""
        continue
      }
      if (line ~ /^#include "/) {
        target = line
        sub(/^#include "/, "", target)
        sub(/".*$/, "", target)
        if (!(target in done)) {
          inline(target)
          print "#line " (number + 1) " \"" path "\""
        } else
          print ""
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
