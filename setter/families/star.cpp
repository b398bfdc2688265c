// A star, the shape where a naive union-find walks the longest chains.
#include "setter/families/building.h"
#include "setter/families/shapes.h"

std::string star(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  // Kruskal's order: the hub's portals rising, at every t (or, where the costs
  // cannot all differ, at T), and the rest dearer than all of them.
  std::vector<Price> prices;
  if (std::string why = rising_prices(s, r, s.n, prices); !why.empty())
    return why;
  for (std::int32_t i = 1; i < s.n; ++i)
    out.push_back({0, i, prices[static_cast<std::size_t>(i - 1)].cost, prices[static_cast<std::size_t>(i - 1)].rate});
  const Price dear = prices.back();
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, dear.cost, s.ec_high, s.ec_unit); });
  for (std::size_t i = static_cast<std::size_t>(s.n - 1); i < out.size(); ++i)
    out[i].rate = dear.rate;
  shuffle(r, out);
  // Either way round: whichever end a union-find puts under the other, about half
  // of the unions put the hub's whole tree under a new root.
  random_orientation(r, out);
  return {};
}
