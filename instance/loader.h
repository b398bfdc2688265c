// Loading the instance file from the bound file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The first defect of an instance file in reading order, if any.
struct LoadDefect {
  enum Kind {
    none,           // the instance is sound
    missing,        // the file ends before the field
    beyond_32_bits, // an integer beyond 32 bits
    unreadable,     // the file cannot be read
    not_a_number,   // the field is no number
    above_capacity, // N or M above MAXN
    not_an_island,  // an island number outside 0..N-1
    not_finite,     // X, ec or er infinite or NaN
  } kind = none;
  const char *field = "";     // "N", "M", "T", "X", "es", "et", "ec" or "er"
  std::int32_t record = -1;   // the portal record (0-based), or -1 for the first line
  std::string value;          // the number at fault, for above_capacity, not_an_island and not_finite
};

// Reads "N M T X" and M records "es et ec er" from the bound file, filling the
// instance tables and the registry (edges is left empty: every portal). The instance is the judge's own data,
// yet it is checked: returns the first defect in reading order: a missing or
// non-numeric field, an integer beyond 32 bits, N or M above MAXN, an island
// number outside 0..N-1, or a non-finite X, ec or er. A negative N, M or T is
// sound (no islands, no portals, no admissible t). Nothing after the M-th record
// is read. When by_token is given, it receives the offset of the first token of
// every portal record read token by token, in order: the others are read as short
// forms, each of whose tokens ends at white space.
LoadDefect load_instance(std::vector<std::uint64_t> *by_token = nullptr);

// The defect as the checker reports it, in Traditional Chinese; empty for none.
std::string load_defect_text(const LoadDefect &defect);
