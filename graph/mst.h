// Minimum total at a given t, by Kruskal's method.
#pragma once
#include <cstdint>
#include <vector>

#include "instance/tables.h"
#include "memory/span.h"

// The cost of portal p at t: ec[p] − er[p]·t, the product rounded before the
// subtraction. Every total prices portals with it, so their costs agree to the bit.
inline double cost_at(std::int32_t p, double t) {
  const double fall = er[p] * t;
  return ec[p] - fall;
}

// t·X plus the costs at t of a minimum spanning forest of the portals in edges
// (of every portal when edges is empty), the cheapest taken first (equal costs in
// any order: the sum is the same to the last bit). Sorts edges by cost at t and
// leaves root holding the forest; appends the portals taken, in cost order, to
// taken when given. Costs at t must not be NaN. Works in scratch when it holds two
// words per portal considered and one per portal (a table the caller has
// finished with, so that no more memory is touched), else in tables of its own.
// Allocates nothing but what taken needs.
double mst(std::int32_t t, std::vector<std::int32_t> *taken = nullptr, Span<std::uint64_t> scratch = {});
