// A naive union-find simulated without its cost: a compressed forest that keeps,
// for every island, its depth in the naive one.
#include "setter/coverage/chains.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "instance/tables.h"

namespace {

struct DepthForest {
  std::vector<std::int32_t> up;    // parent in the compressed forest
  std::vector<std::int64_t> off;   // naive depth minus that of up[x]
  std::vector<std::int64_t> height; // naive height of the tree under a root
  std::vector<std::int32_t> path;

  explicit DepthForest(std::int32_t n)
      : up(static_cast<std::size_t>(n)), off(static_cast<std::size_t>(n), 0), height(static_cast<std::size_t>(n), 0) {
    std::iota(up.begin(), up.end(), 0);
  }

  // The root of x, and in depth the links a naive find of x walks.
  std::int32_t find(std::int32_t x, std::int64_t &depth) {
    path.clear();
    while (up[static_cast<std::size_t>(x)] != x) {
      path.push_back(x);
      x = up[static_cast<std::size_t>(x)];
    }
    std::int64_t below = 0; // the naive depth of the node last re-pointed
    for (std::size_t i = path.size(); i-- > 0;) {
      const std::size_t node = static_cast<std::size_t>(path[i]);
      below += off[node];
      off[node] = below;
      up[node] = x;
    }
    depth = below;
    return x;
  }

  // Puts root x under root y.
  void link(std::int32_t x, std::int32_t y) {
    up[static_cast<std::size_t>(x)] = y;
    off[static_cast<std::size_t>(x)] = 1;
    height[static_cast<std::size_t>(y)] =
        std::max(height[static_cast<std::size_t>(y)], height[static_cast<std::size_t>(x)] + 1);
  }
};

} // namespace

ChainFacts naive_kruskal(std::int32_t t, LinkRule rule) {
  ChainFacts facts;
  if (N < 1)
    return facts;
  std::vector<double> cost(static_cast<std::size_t>(M));
  std::vector<std::int32_t> order(static_cast<std::size_t>(M));
  for (std::int32_t i = 0; i < M; ++i)
    cost[static_cast<std::size_t>(i)] = ec[i] - er[i] * static_cast<double>(t);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
    return cost[static_cast<std::size_t>(a)] < cost[static_cast<std::size_t>(b)];
  });
  DepthForest forest(N);
  for (const std::int32_t p : order) {
    std::int64_t depth_a = 0, depth_b = 0;
    const std::int32_t a = forest.find(es[p], depth_a), b = forest.find(et[p], depth_b);
    facts.walked += depth_a + depth_b;
    if (a == b)
      continue;
    const bool a_under_b = rule == LinkRule::first_under_second     ? true
                           : rule == LinkRule::second_under_first   ? false
                           : rule == LinkRule::smaller_under_larger ? a < b
                                                                    : a > b;
    a_under_b ? forest.link(a, b) : forest.link(b, a);
  }
  for (const std::int64_t h : forest.height)
    facts.longest = std::max(facts.longest, h);
  return facts;
}
