// Plan connectivity: adjacency of the marked portals in one flat array, then a
// breadth-first search from island 0.
#include "graph/connect.h"

#include <algorithm>
#include <utility>

std::uint8_t sel_edge[MAXN];
std::uint8_t vis[MAXN];

namespace {

// Neighbours of island x over marked portals, in portal order:
// vedge[(x ? vedge_end[x-1] : 0) .. vedge_end[x]).
std::int32_t vedge_end[MAXN];
std::int32_t vedge[2 * MAXN];

// Islands are marked as they enter, so each enters once.
std::int32_t queue[MAXN];

void build_lists() {
  std::fill_n(vedge_end, N, 0);
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      ++vedge_end[es[i]];
      ++vedge_end[et[i]];
    }
  std::int32_t sum = 0;
  for (std::int32_t x = 0; x < N; ++x)
    sum += std::exchange(vedge_end[x], sum);
  // Filling advances each island's start to its end.
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      vedge[vedge_end[es[i]]++] = et[i];
      vedge[vedge_end[et[i]]++] = es[i];
    }
}

} // namespace

bool connected() {
  if (N <= 0)
    return true;
  build_lists();
  std::int32_t head = 0, tail = 0, reached = 1;
  vis[0] = 1;
  queue[tail++] = 0;
  // Islands leave the queue in an order scattered over the lists: fetch the list
  // bounds, then the lists, of islands a little further on.
  constexpr std::int32_t kAhead = 16;
  auto list_begin = [](std::int32_t x) { return x ? vedge_end[x - 1] : 0; };
  while (head < tail) {
    if (head + kAhead < tail)
      __builtin_prefetch(&vedge_end[std::max(queue[head + kAhead] - 1, 0)]);
    if (head + kAhead / 2 < tail)
      __builtin_prefetch(&vedge[list_begin(queue[head + kAhead / 2])]);
    const std::int32_t x = queue[head++];
    for (std::int32_t j = list_begin(x); j < vedge_end[x]; ++j)
      if (const std::int32_t y = vedge[j]; !vis[y]) {
        vis[y] = 1;
        queue[tail++] = y;
        ++reached;
      }
  }
  return reached == N;
}

void plan_reset() {
  std::fill_n(sel_edge, MAXN, 0);
  std::fill_n(vis, MAXN, 0);
}
