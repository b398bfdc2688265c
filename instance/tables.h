// The problem instance: scalars, per-portal tables and the portal list.
// Written once by the loader; afterwards only mst() reorders edges.
#pragma once
#include <cstdint>
#include <vector>

// Capacity of every per-island and per-portal table.
inline constexpr std::int32_t MAXN = 262144;

extern std::int32_t N; // islands, numbered 0..N-1
extern std::int32_t M; // portals, numbered 0..M-1 in file order
extern std::int32_t T; // largest admissible t (the smallest is 0)
extern double X;       // cost added per unit of t

extern std::int32_t es[MAXN]; // first end of portal i, as the file writes it
extern std::int32_t et[MAXN]; // second end of portal i
extern double ec[MAXN];       // cost of portal i at t = 0
extern double er[MAXN];       // fall of the cost of portal i per unit of t

// Portal numbers: 0..M-1 after loading, sorted by cost at t after mst(t).
extern std::vector<std::int32_t> edges;

// Returns the instance to its state at start (zero tables, empty portal list and
// registry), so that one process can load several instances, as tests do.
void instance_reset();
