// Loading the instance file from the bound file.
#pragma once
#include <string>

// Reads "N M T X" and M records "es et ec er" from the bound file, filling the
// instance tables and the registry (edges is left empty: every portal). The instance is the judge's own data,
// yet it is checked: returns an empty string when it is sound, else a description
// (in Traditional Chinese) of the first defect in reading order: a missing or
// non-numeric field, an integer beyond 32 bits, N or M above MAXN, an island
// number outside 0..N-1, or a non-finite X, ec or er. A negative N, M or T is
// sound (no islands, no portals, no admissible t). Nothing after the M-th record
// is read.
std::string load_instance();
