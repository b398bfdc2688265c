// Values at the ends of their ranges, where reading, precision and overflow slip.
#include <algorithm>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

namespace {

// A multiple of unit in low..high, at an end or one step inside it a quarter of
// the time.
std::int64_t near_ends(Random &r, std::int64_t low, std::int64_t high, std::int64_t unit) {
  const std::int64_t first = ceil_to(low, unit), last = floor_div(high, unit) * unit;
  switch (uniform(r, 0, 15)) {
  case 0:
    return first;
  case 1:
    return last;
  case 2:
    return std::min(first + unit, last);
  case 3:
    return std::max(last - unit, first);
  default:
    return on_grid(r, low, high, unit);
  }
}

} // namespace

std::string extremes(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  auto price = [&] { return near_ends(r, s.ec_low, s.ec_high, s.ec_unit); };
  spanning_tree(s, r, out, price);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), price);
  for (Record &rec : out)
    rec.rate = near_ends(r, s.er_low, s.er_high, s.er_unit);
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}
