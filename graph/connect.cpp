// Plan connectivity: adjacency of the marked portals in one flat array, then a
// breadth-first search that marks islands as they leave the queue.
#include "graph/connect.h"

#include <algorithm>

std::uint8_t sel_edge[MAXN];
std::uint8_t vis[MAXN];

namespace {

// Neighbours of island x over marked portals: vedge[vedge_start[x] .. vedge_start[x+1]),
// in the order in which the portals are numbered.
std::int32_t vedge_start[MAXN + 1];
std::int32_t vedge[2 * MAXN];

// Islands leave the queue marked, so one may enter several times: at most
// 1 + 2·(marked portals) entries ever do.
std::int32_t queue[2 * MAXN + 1];

void build_lists() {
  std::fill_n(vedge_start, N + 1, 0);
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      ++vedge_start[es[i] + 1];
      ++vedge_start[et[i] + 1];
    }
  for (std::int32_t x = 0; x < N; ++x)
    vedge_start[x + 1] += vedge_start[x];
  static std::int32_t fill[MAXN];
  std::copy_n(vedge_start, N, fill);
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      vedge[fill[es[i]]++] = et[i];
      vedge[fill[et[i]]++] = es[i];
    }
}

} // namespace

bool connected() {
  if (N <= 0)
    return true;
  build_lists();
  std::size_t head = 0, tail = 0;
  queue[tail++] = 0;
  while (head < tail) {
    std::int32_t x = queue[head++];
    if (vis[x])
      continue;
    vis[x] = 1;
    for (std::int32_t j = vedge_start[x]; j < vedge_start[x + 1]; ++j)
      queue[tail++] = vedge[j];
  }
  return std::all_of(vis, vis + N, [](std::uint8_t v) { return v != 0; });
}

void plan_reset() {
  std::fill_n(sel_edge, MAXN, 0);
  std::fill_n(vis, MAXN, 0);
}
