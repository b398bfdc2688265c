// Costs closer than single precision can tell, yet far enough apart for the
// checker's tolerance: a solution that keeps costs in float picks at random.
#include <algorithm>
#include <cmath>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

namespace {

// Half the distance between the two costs of an island's routes: 0.4 of the step
// between floats at v (the smaller step, below a power of two), so that both
// costs round to the same float.
double offset_at(float v) {
  const float up = std::nextafter(v, 2 * std::fabs(v) + 1), down = std::nextafter(v, -2 * std::fabs(v) - 1);
  return 0.4 * std::min(static_cast<double>(up) - v, static_cast<double>(v) - down);
}

} // namespace

std::string close_costs(const Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 3 || s.m < 2 * s.n - 3)
    return "needs N >= 3 and M >= 2N - 3 (--m)";
  if (s.m > s.n * (s.n - 1) / 2)
    return "M exceeds the distinct pairs of N islands";
  const std::int64_t low = s.ec_low + s.one, high = s.ec_high - s.one;
  if (!grid_holds(low, high, s.ec_unit))
    return "--ec range too narrow: it needs more than 2 between its ends";
  const std::vector<std::int32_t> label = shuffled_labels(s, r);
  std::vector<std::size_t> dear_of; // the index of each dear portal; its cheap one follows
  for (std::int64_t i = 1; i < s.n; ++i) {
    const double value = static_cast<double>(on_grid(r, low, high, s.ec_unit)) / static_cast<double>(s.one);
    const float rounded = static_cast<float>(value);
    const double centre = static_cast<double>(rounded) * static_cast<double>(s.one);
    const std::int64_t off = static_cast<std::int64_t>(offset_at(rounded) * static_cast<double>(s.one)) /
                             s.ec_unit * s.ec_unit;
    if (off < s.ec_unit || centre != std::floor(centre) || static_cast<std::int64_t>(centre) % s.ec_unit != 0)
      return "--ec needs costs of magnitude 2^17 or more, where floats step by a multiple of the cost's decimals";
    const std::int64_t c = static_cast<std::int64_t>(centre);
    const std::int32_t island_i = label[static_cast<std::size_t>(i)];
    const std::int32_t parent = label[static_cast<std::size_t>(uniform(r, 0, i - 1))];
    if (i >= 2) {
      std::int32_t helper = parent;
      while (helper == parent)
        helper = label[static_cast<std::size_t>(uniform(r, 0, i - 1))];
      dear_of.push_back(out.size());
      out.push_back({island_i, helper, c + off, 0});
    }
    out.push_back({island_i, parent, i >= 2 ? c - off : c, 0});
  }
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m),
                 [&] { return on_grid(r, s.ec_high - s.one / 2, s.ec_high, s.ec_unit); });
  // A random order, but each dear portal before its cheap one: a stable sort by
  // float cost then takes the dear one every time.
  std::vector<std::pair<std::size_t, std::size_t>> dear_first;
  for (const std::size_t dear : dear_of)
    dear_first.push_back({dear, dear + 1});
  shuffle_keeping_before(r, out, dear_first);
  random_orientation(r, out);
  return {};
}
