// A star, the shape where a naive union-find walks the longest chains.
#include "setter/families/building.h"
#include "setter/families/shapes.h"

std::string star(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  const std::int64_t first = ceil_to(s.ec_low, s.ec_unit);
  if ((s.ec_high - first) / s.ec_unit < s.n)
    return "--ec holds fewer than N distinct costs";
  // One rate keeps the order of costs, and so Kruskal's order, at every t.
  const std::int64_t rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
  for (std::int32_t i = 1; i < s.n; ++i)
    out.push_back({0, i, first + (i - 1) * s.ec_unit, rate});
  const std::int64_t dear = first + (s.n - 1) * s.ec_unit;
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, dear, s.ec_high, s.ec_unit); });
  for (Record &rec : out)
    rec.rate = rate;
  shuffle(r, out);
  // Either way round: whichever end a union-find puts under the other, about half
  // of the unions put the hub's whole tree under a new root.
  random_orientation(r, out);
  return {};
}
