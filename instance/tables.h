// The problem instance: scalars, per-portal tables and the portal list.
// Written once by the loader; afterwards only mst() reorders edges.
#pragma once
#include <cstdint>
#include <vector>

#include "memory/huge_pages.h"

// Capacity of every per-island and per-portal table.
inline constexpr std::int32_t MAXN = 262144;

// Island and portal numbers lie below MAXN, so 18 bits hold any of them: the
// registry's slots and mst()'s sort words pack them in fields of this width.
inline constexpr int kNumberBits = 18;
static_assert(MAXN == 1 << kNumberBits, "a number field must hold every island and portal");
static_assert(3 * kNumberBits + 1 <= 63, "a registry slot holds two islands, a portal plus one, and a mark");

extern std::int32_t N; // islands, numbered 0..N-1
extern std::int32_t M; // portals, numbered 0..M-1 in file order
extern std::int32_t T; // largest admissible t (the smallest is 0)
extern double X;       // cost added per unit of t

// The two ends of every portal, side by side in one huge page's worth of memory,
// so that a single huge page can back both tables.
struct alignas(kTableAlignment) PortalEnds {
  std::int32_t first[MAXN];
  std::int32_t second[MAXN];
};
extern PortalEnds portal_ends;
inline constexpr std::int32_t (&es)[MAXN] = portal_ends.first;  // first end of portal i, as the file writes it
inline constexpr std::int32_t (&et)[MAXN] = portal_ends.second; // second end of portal i
extern double ec[MAXN];       // cost of portal i at t = 0
extern double er[MAXN];       // fall of the cost of portal i per unit of t

// The portals mst() considers, when only some are to be; empty, as the loader
// leaves it, means every portal 0..M-1 (a list of them all would only be read
// back in order). Sorted by cost at t after mst(t) when not empty.
extern std::vector<std::int32_t> edges;

// Returns the instance to its state at start (zero tables, empty portal list and
// registry), so that one process can load several instances, as tests do.
void instance_reset();
