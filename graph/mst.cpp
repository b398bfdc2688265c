// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
#include "graph/mst.h"

#include <algorithm>

#include "graph/dsu.h"

double enow[MAXN];

namespace {

// Sorting (cost, portal) pairs saves an indirection through enow per comparison.
struct Priced {
  double cost;
  std::int32_t portal;
};
Priced by_cost[MAXN];

} // namespace

bool cmp(std::int32_t a, std::int32_t b) { return enow[a] < enow[b]; }

double mst(std::int32_t t) {
  djInit();
  const double td = static_cast<double>(t);
  for (std::int32_t i = 0; i < M; ++i) {
    double fall = er[i] * td; // rounded on its own before the subtraction
    enow[i] = ec[i] - fall;
    by_cost[i] = {enow[i], i};
  }
  const std::size_t count = edges.size();
  std::sort(by_cost, by_cost + count,
            [](const Priced &a, const Priced &b) { return a.cost < b.cost; });
  double total = td * X;
  for (std::size_t i = 0; i < count; ++i) {
    std::int32_t p = by_cost[i].portal;
    edges[i] = p;
    if (djUnion(es[p], et[p]))
      total += by_cost[i].cost;
  }
  return total;
}
