// Plan connectivity: the marked portals joined in the disjoint-set forest, which
// mst() has finished with by then. N islands form one component exactly when
// N-1 joins succeed, so no adjacency lists or search queue are ever built.
#include "graph/connect.h"

#include <algorithm>

#include "graph/dsu.h"

std::uint8_t sel_edge[MAXN];

bool connected() {
  if (N <= 0)
    return true;
  djInit();
  std::int32_t joins = 0;
  constexpr std::int32_t kAhead = 16; // the ends' parent links, fetched ahead
  for (std::int32_t i = 0; i < M && joins < N - 1; ++i) {
    if (i + kAhead < M && sel_edge[i + kAhead]) {
      __builtin_prefetch(&root[es[i + kAhead]]);
      __builtin_prefetch(&root[et[i + kAhead]]);
    }
    if (sel_edge[i])
      joins += djUnion(es[i], et[i]);
  }
  return joins == N - 1;
}

void plan_reset() { std::fill_n(sel_edge, MAXN, 0); }
