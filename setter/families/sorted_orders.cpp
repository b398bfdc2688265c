// Portals in the orders that undo a hand-written quicksort: sorted by cost,
// reverse-sorted, and organ-pipe (rising, then falling). One shared rate keeps
// the order at every t, so that a sort at t = 0 and one at t = T meet it alike;
// where the costs cannot all differ, the order holds at T.
#include <algorithm>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

std::string sorted_order(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  std::vector<Price> prices;
  if (std::string why = rising_prices(s, r, s.m, prices); !why.empty())
    return why;
  spanning_tree(s, r, out, [] { return std::int64_t{0}; });
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [] { return std::int64_t{0}; });
  shuffle(r, prices); // which pair gets which price
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i].cost = prices[i].cost, out[i].rate = prices[i].rate;
  random_orientation(r, out);
  // Sorted by cost at T (and with one shared rate, at every t).
  std::sort(out.begin(), out.end(),
            [&](const Record &a, const Record &b) { return a.cost - a.rate * s.t < b.cost - b.rate * s.t; });
  if (s.family == "reverse-sorted") {
    std::reverse(out.begin(), out.end());
  } else if (s.family == "organ-pipe") { // the even ranks rising, then the odd ones falling
    std::vector<Record> pipe;
    for (std::size_t i = 0; i < out.size(); i += 2)
      pipe.push_back(out[i]);
    for (std::size_t i = out.size() - 1 - (out.size() % 2 == 0 ? 0 : 1); i < out.size(); i -= 2)
      pipe.push_back(out[i]);
    out = pipe;
  }
  return {};
}
