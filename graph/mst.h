// Minimum total at a given t, by Kruskal's method.
#pragma once
#include <cstdint>

#include "instance/tables.h"

// Cost of portal i at the t under judgement; written by mst(), read by the judgement.
extern double enow[MAXN];

// The order of edges after mst(): true when portal a is cheaper at t than b.
bool cmp(std::int32_t a, std::int32_t b);

// t·X plus the costs at t of a minimum spanning forest, the cheapest portals taken
// first (equal costs in any order: the sum is the same to the last bit). Fills
// enow, sorts edges by cmp. Costs at t must not be NaN. Allocates nothing.
double mst(std::int32_t t);
