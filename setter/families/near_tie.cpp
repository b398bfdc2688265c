// Least totals at the two ends of 0..T a chosen gap apart: at the checker's
// tolerance, a solution's own tolerance decides which end it picks.
#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

// Group A is label[0..left-1], group B the rest. A total is t·X, the whole-number
// sum S of the trees inside the groups, and one bridge: P costs p, the dearest
// whole cost of the --ec range, at every t; Q
// costs p + T·h + gap at 0 and falls by 2h per unit of t; X = h. At t = 0, P is
// the cheaper (T·h > |gap|) and the total is S + p. At T, Q is the cheaper
// (p + gap - T·h) and the total is T·h + S + p + gap - T·h = S + p + gap.
std::string near_tie(Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 3 || s.m < s.n || s.t < 1)
    return "needs N >= 3, M >= N and T >= 1";
  const std::int64_t step = std::max(s.ec_unit, s.er_unit);
  if (s.gap % s.ec_unit != 0)
    return "--gap has more decimals than --ec-decimals allows";
  const std::int64_t whole_low = ceil_to(s.ec_low, s.one), whole_high = floor_div(s.ec_high, s.one) * s.one;
  if (whole_low > whole_high)
    return "--ec holds no whole number";
  const std::int64_t left = s.n / 2, right = s.n - left;
  if (s.m - s.n > left * (left - 1) / 2 + right * (right - 1) / 2 - (s.n - 2))
    return "M exceeds the pairs inside two halves of the islands";
  // Whole costs and rate 0 inside the groups keep every sum exact, so that the
  // gap is the only fraction in a total.
  const std::vector<std::int32_t> label = shuffled_labels(s, r);
  std::unordered_set<std::uint64_t> used;
  std::int64_t dearest = whole_low;
  for (std::int64_t i = 1; i < s.n; ++i)
    if (i != left) {
      const std::int64_t first = i < left ? 0 : left;
      out.push_back({label[static_cast<std::size_t>(i)], label[static_cast<std::size_t>(uniform(r, first, i - 1))],
                     on_grid(r, whole_low, whole_high, s.one), 0});
      used.insert(pair_key(out.back().a, out.back().b));
      dearest = std::max(dearest, out.back().cost);
    }
  const std::int64_t half_rate =
      std::max(step, ceil_to((2 * std::abs(s.gap) + s.one + s.t - 1) / s.t, step)); // T·h > 2|gap|
  if (half_rate > 1000000000000 / (2 * s.t))
    return "--gap too large for T: the costs pass 10^12 units";
  const std::int64_t p = whole_high; // no cheaper than any portal inside a group: at T, Q replaces P alone
  const auto bridge = [&](std::int64_t cost, std::int64_t rate) {
    for (;;) {
      const std::int32_t a = label[static_cast<std::size_t>(uniform(r, 0, left - 1))],
                         b = label[static_cast<std::size_t>(uniform(r, left, s.n - 1))];
      if (used.insert(pair_key(a, b)).second)
        return out.push_back({a, b, cost, rate});
    }
  };
  bridge(p, 0);
  bridge(p + s.t * half_rate + s.gap, 2 * half_rate);
  // Portals inside a group no cheaper than its tree: never needed.
  while (static_cast<std::int64_t>(out.size()) < s.m) {
    const bool in_left = left >= 2 && (right < 2 || next_bits(r) >> 63);
    const std::int64_t first = in_left ? 0 : left, last = in_left ? left - 1 : s.n - 1;
    const std::int32_t a = label[static_cast<std::size_t>(uniform(r, first, last))],
                       b = label[static_cast<std::size_t>(uniform(r, first, last))];
    if (a != b && used.insert(pair_key(a, b)).second)
      out.push_back({a, b, on_grid(r, dearest, std::max(dearest, whole_high), s.one), 0});
  }
  s.x = half_rate;
  s.x_unit = step;
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}
