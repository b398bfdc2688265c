// Families where the sixth decimal decides: costs one unit apart that an
// epsilon comparison merges, and rates whose sum decides the best t only to the
// last digit, at T = 10^6.
#include <algorithm>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

std::string micro_gaps(const Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 3 || s.m < 2 * s.n - 3)
    return "needs N >= 3 and M >= 2N - 3";
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  if (s.ec_unit != 1 || s.one != 1000000)
    return "needs costs with 6 decimals (--ec-decimals 6)";
  // Island i joins two earlier islands, at c and, listed first, at c + 10^-6.
  std::vector<std::pair<std::size_t, std::size_t>> dear_first;
  const std::vector<std::int32_t> label = shuffled_labels(s, r);
  const auto at = [&](std::int64_t i) { return label[static_cast<std::size_t>(i)]; };
  out.push_back({at(1), at(0), on_grid(r, s.ec_low, s.ec_high - 1, 1), 0});
  for (std::int64_t i = 2; i < s.n; ++i) {
    const std::int64_t p = uniform(r, 0, i - 1), q = (p + uniform(r, 1, i - 1)) % i;
    const std::int64_t cost = on_grid(r, s.ec_low, s.ec_high - 1, 1);
    out.push_back({at(i), at(p), cost + 1, 0});
    out.push_back({at(i), at(q), cost, 0});
    dear_first.push_back({out.size() - 2, out.size() - 1});
  }
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, s.ec_low, s.ec_high, 1); });
  // One shared rate: the gap of 10^-6 holds at every t.
  const std::int64_t rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
  for (Record &rec : out)
    rec.rate = rate;
  shuffle_keeping_before(r, out, dear_first);
  random_orientation(r, out);
  return {};
}

std::string sixth_decimal(Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 2 || s.t < 1 || s.er_unit != 1 || s.one != 1000000 || s.er_low < 0)
    return "needs N >= 2, T >= 1 and rates of 6 decimals, none below 0 (--er-decimals 6)";
  if (s.gap % s.t != 0)
    return "--gap over T must be a whole number of 10^-6";
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  // A tree of cheap portals at rates of six decimals; the rest dearer at every
  // t, at rate 0, never taken.
  const std::int64_t span = s.ec_high - s.ec_low, cheap_high = s.ec_low + span / 4;
  if (!grid_holds(s.ec_low, cheap_high, s.ec_unit) || !grid_holds(cheap_high + 1, s.ec_high, s.ec_unit))
    return "--ec range too narrow for two bands of costs";
  spanning_tree(s, r, out, [&] { return on_grid(r, s.ec_low, cheap_high, s.ec_unit); });
  std::int64_t rates = 0;
  for (Record &rec : out)
    rates += rec.rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, cheap_high + 1, s.ec_high, s.ec_unit); });
  // The least total at T minus that at 0 is T·X - T·(the tree's rates): gap.
  s.x = rates + s.gap / s.t;
  s.x_unit = 1;
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}

std::string extreme_totals(Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  // Every portal alike, the dearest at T (X >= 0) or the cheapest (X < 0): the
  // least totals at both ends are as large in size as the ranges allow.
  const bool dear = s.x >= 0;
  const std::int64_t cost = dear ? floor_div(s.ec_high, s.ec_unit) * s.ec_unit : ceil_to(s.ec_low, s.ec_unit);
  const std::int64_t rate = dear ? ceil_to(s.er_low, s.er_unit) : floor_div(s.er_high, s.er_unit) * s.er_unit;
  auto price = [&] { return cost; };
  spanning_tree(s, r, out, price);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), price);
  for (Record &rec : out)
    rec.rate = rate;
  random_orientation(r, out);
  return {};
}
