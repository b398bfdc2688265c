// Minimum total at a given t, by Kruskal's method.
#pragma once
#include <cstdint>
#include <vector>

#include "instance/tables.h"

// Cost of portal i at the t under judgement; written by mst(), read by the judgement.
extern double enow[MAXN];

// The order of edges after mst(): true when portal a is cheaper at t than b.
bool cmp(std::int32_t a, std::int32_t b);

// t·X plus the costs at t of a minimum spanning forest of the portals in edges, the
// cheapest taken first (equal costs in any order: the sum is the same to the last
// bit). Fills enow for every portal, sorts edges by cmp and leaves root holding the
// forest; appends the portals taken, in cost order, to taken when given. Costs at
// t must not be NaN. Allocates nothing but what taken needs.
double mst(std::int32_t t, std::vector<std::int32_t> *taken = nullptr);
