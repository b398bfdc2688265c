// Instance families: connected by construction, with no pair of islands that a plan
// cannot use as Kruskal does, and each with its own trap.
#include "setter/families/families.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "setter/families/building.h"
#include "setter/families/shapes.h"

namespace {

std::string connected_graph(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  auto price = [&] { return on_grid(r, s.ec_low, s.ec_high, s.ec_unit); };
  spanning_tree(s, r, out, price);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), price);
  random_rates(s, r, out);
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}

// Portals (i, i+1), cheapest first, at one shared rate so that the order holds at
// every t: Kruskal links each island under the next, one chain of N-1 links, and
// the dearer portal (0, N-1) that follows walks all of it.
std::string chain(const Shape &s, Random &r, std::vector<Record> &out) {
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  // The links rising at every t (or, where the costs cannot all differ, at T),
  // and the rest dearer than all of them.
  std::vector<Price> prices;
  if (std::string why = rising_prices(s, r, s.n, prices); !why.empty())
    return why;
  for (std::int32_t i = 0; i + 1 < s.n; ++i)
    out.push_back({i, i + 1, prices[static_cast<std::size_t>(i)].cost, prices[static_cast<std::size_t>(i)].rate});
  const std::size_t links = out.size();
  const Price dear = prices.back();
  if (s.m >= s.n && s.n >= 3)
    out.push_back({0, static_cast<std::int32_t>(s.n - 1), dear.cost, dear.rate});
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, dear.cost, s.ec_high, s.ec_unit); });
  for (std::size_t i = links; i < out.size(); ++i)
    out[i].rate = dear.rate;
  shuffle(r, out);
  return {};
}

// A tree of cheap portals that plans can name, and copies dearer at both ends of
// 0..T than any of them: earlier copies of tree pairs, and pairs joined several
// times in any order of price, none of which Kruskal ever takes.
std::string duplicates(const Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 2)
    return "needs N >= 2";
  const std::int64_t rate_span = s.er_high - s.er_low;
  if (s.t > 0 && rate_span > (std::numeric_limits<std::int64_t>::max() / 4) / s.t)
    return "--er range times T is too large";
  const std::int64_t spread = rate_span * s.t; // how far two costs can move apart by t
  const std::int64_t room = s.ec_high - s.ec_low - spread;
  const std::int64_t cheap_high = s.ec_low + room / 3, dear_low = cheap_high + spread + 1;
  if (room < 3 || !grid_holds(s.ec_low, cheap_high, s.ec_unit) ||
      !grid_holds(dear_low, s.ec_high, s.ec_unit))
    return "--ec range too narrow for the --er range times T";
  auto cheap = [&] { return on_grid(r, s.ec_low, cheap_high, s.ec_unit); };
  auto dear = [&] { return on_grid(r, dear_low, s.ec_high, s.ec_unit); };
  spanning_tree(s, r, out, cheap);
  random_rates(s, r, out);
  const std::size_t tree = out.size();
  std::vector<std::uint64_t> dear_pairs;
  while (out.size() < static_cast<std::size_t>(s.m)) {
    const std::int64_t kind = uniform(r, 0, 5);
    if (kind < 2) { // a dearer copy of a tree pair, to be placed before it
      const Record &t = out[static_cast<std::size_t>(uniform(r, 0, static_cast<std::int64_t>(tree) - 1))];
      out.push_back({t.a, t.b, dear(), on_grid(r, s.er_low, s.er_high, s.er_unit)});
    } else if (kind == 2) { // an exact copy of a tree portal: either may be taken
      out.push_back(out[static_cast<std::size_t>(uniform(r, 0, static_cast<std::int64_t>(tree) - 1))]);
    } else { // a dear pair, joined again when it already is
      std::int32_t a = island(r, s), b = island(r, s);
      if (!dear_pairs.empty() && (next_bits(r) >> 63)) {
        const std::uint64_t k =
            dear_pairs[static_cast<std::size_t>(uniform(r, 0, static_cast<std::int64_t>(dear_pairs.size()) - 1))];
        a = static_cast<std::int32_t>(k >> 32), b = static_cast<std::int32_t>(k & 0xFFFFFFFF);
      }
      dear_pairs.push_back(pair_key(a, b));
      out.push_back({a, b, dear(), on_grid(r, s.er_low, s.er_high, s.er_unit)});
    }
  }
  std::vector<bool> is_tree(out.size(), false);
  std::fill(is_tree.begin(), is_tree.begin() + static_cast<std::ptrdiff_t>(tree), true);
  std::vector<std::size_t> order(out.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  shuffle(r, order);
  // Within each tree pair, the tree portal goes last: it is the one plans name.
  std::unordered_map<std::uint64_t, std::size_t> last_slot;
  for (std::size_t slot = 0; slot < order.size(); ++slot)
    last_slot[pair_key(out[order[slot]].a, out[order[slot]].b)] = slot;
  for (std::size_t slot = 0; slot < order.size(); ++slot)
    if (is_tree[order[slot]]) {
      const std::size_t last = last_slot[pair_key(out[order[slot]].a, out[order[slot]].b)];
      if (out[order[last]].cost != out[order[slot]].cost || out[order[last]].rate != out[order[slot]].rate)
        std::swap(order[slot], order[last]);
    }
  place_in_order(out, order);
  random_orientation(r, out);
  return {};
}

// A connected graph and, for the rest of M, loops at random islands: never taken
// by Kruskal, and a cost a plan pays in full if it names one.
std::string loops(const Shape &s, Random &r, std::vector<Record> &out) {
  auto price = [&] { return on_grid(r, s.ec_low, s.ec_high, s.ec_unit); };
  spanning_tree(s, r, out, price);
  const std::int64_t extra = std::min({(s.n - 1) / 2 + 1, s.m - (s.n - 1), s.n * (s.n - 1) / 2 - (s.n - 1)});
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.n - 1 + extra), price);
  while (out.size() < static_cast<std::size_t>(s.m)) {
    const std::int32_t a = island(r, s);
    out.push_back({a, a, price(), 0});
  }
  random_rates(s, r, out);
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}

// Few distinct costs, one shared rate: a great many portals cost the same at every
// t, the best included.
std::string ties(const Shape &s, Random &r, std::vector<Record> &out) {
  std::int64_t values[3];
  for (std::int64_t &v : values)
    v = on_grid(r, s.ec_low, s.ec_high, s.ec_unit);
  auto price = [&] { return values[uniform(r, 0, 2)]; };
  if (!pairs_suffice(s))
    return "M exceeds the distinct pairs of N islands";
  spanning_tree(s, r, out, price);
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), price);
  const std::int64_t rate = s.er_high - (s.er_high % s.er_unit + s.er_unit) % s.er_unit;
  for (Record &rec : out)
    rec.rate = rate;
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}

// The least total rises with t up to about t*, then falls: two groups of islands,
// each joined inside by a tree at rate 0, and between them one portal at rate 0
// and others that start dearer and fall fast, overtaking it at t*. Late: t* lies
// in 75..90% of T and the total at T ends below the total at 0 by T·X; early: t*
// lies in 10..25% of T and the total at T stays above the total at 0. A search
// over t that takes the total for convex ends at the wrong end in both.
std::string peak(const Shape &s, Random &r, std::vector<Record> &out, bool late) {
  if (s.n < 3 || s.m < s.n || s.t < 8 || s.x <= 0)
    return "needs N >= 3, M >= N, T >= 8 and X > 0";
  const std::vector<std::int32_t> label = shuffled_labels(s, r);
  const std::int64_t left = s.n / 2, right = s.n - left;
  const std::int64_t bridges = std::min(s.m - (s.n - 1), left * right - 1);
  const std::int64_t inside = s.m - (s.n - 1) - bridges;
  if (inside > left * (left - 1) / 2 + right * (right - 1) / 2 - (s.n - 2))
    return "M exceeds the distinct pairs of N islands";
  const auto at = [&](std::int64_t i) { return label[static_cast<std::size_t>(i)]; };
  std::unordered_set<std::uint64_t> used;
  std::int64_t dearest_inside = s.ec_low;
  for (std::int64_t i = 1; i < s.n; ++i) // a tree inside each group
    if (i != left) {
      const std::int64_t first = i < left ? 0 : left;
      out.push_back({at(i), at(uniform(r, first, i - 1)), on_grid(r, s.ec_low, s.ec_high, s.ec_unit), 0});
      used.insert(pair_key(out.back().a, out.back().b));
      dearest_inside = std::max(dearest_inside, out.back().cost);
    }
  const std::int64_t t_star = late ? uniform(r, (3 * s.t + 3) / 4, 9 * s.t / 10)
                                   : uniform(r, std::max<std::int64_t>(1, (s.t + 9) / 10), s.t / 4);
  std::int64_t rate;
  if (late) { // (T - t*)·rate >= 2·T·X: the fall after t* outweighs the rise before it
    rate = ceil_to((2 * s.t * s.x + (s.t - t_star) - 1) / (s.t - t_star), s.er_unit);
  } else { // X < rate and (T - t*)·rate < T·X: it falls, but not back to the start
    const std::int64_t high = (s.t * s.x - 1) / (s.t - t_star);
    rate = floor_div((s.x + 1 + high) / 2, s.er_unit) * s.er_unit;
    if (rate <= s.x || rate > high)
      return "X too small for the rate's decimals: raise --x or --er-decimals";
  }
  if (rate > 1000000000000 / (2 * s.t))
    return "costs beyond 10^12 units: lower --t or --x";
  // Even at T the falling portals stay dearer than every tree inside a group, so
  // exactly one portal joins the groups at every t.
  const std::int64_t early_cost = ceil_to(dearest_inside + rate * (s.t - t_star), s.ec_unit);
  const std::int64_t late_cost = ceil_to(early_cost + rate * t_star, s.ec_unit);
  const std::int32_t early_a = at(uniform(r, 0, left - 1)), early_b = at(uniform(r, left, s.n - 1));
  out.push_back({early_a, early_b, early_cost, 0});
  used.insert(pair_key(early_a, early_b));
  while (static_cast<std::int64_t>(out.size()) < s.n - 1 + bridges) {
    const std::int32_t a = at(uniform(r, 0, left - 1)), b = at(uniform(r, left, s.n - 1));
    if (used.insert(pair_key(a, b)).second)
      out.push_back({a, b, late_cost + uniform(r, 0, 3) * s.ec_unit, rate});
  }
  // Portals inside a group dearer than its tree, at rate 0: never taken.
  while (static_cast<std::int64_t>(out.size()) < s.m) {
    const bool in_left = left >= 2 && (right < 2 || next_bits(r) >> 63);
    const std::int64_t first = in_left ? 0 : left, last = in_left ? left - 1 : s.n - 1;
    const std::int32_t a = at(uniform(r, first, last)), b = at(uniform(r, first, last));
    if (a != b && used.insert(pair_key(a, b)).second)
      out.push_back({a, b, on_grid(r, s.ec_high, 2 * s.ec_high - s.ec_low, s.ec_unit), 0});
  }
  shuffle(r, out);
  random_orientation(r, out);
  return {};
}

// A cheap tree whose every pair is also joined, earlier in the file, by a dear
// portal, and portals of middling cost on other pairs; one shared rate keeps the
// order at every t. The optimum is the tree; pricing a pair by its earlier portal
// makes the middling portals look cheaper, and a plan that takes one is dearer.
std::string dear_copies(const Shape &s, Random &r, std::vector<Record> &out) {
  if (s.n < 3 || s.m < 2 * (s.n - 1) + 1)
    return "needs N >= 3 and M >= 2(N-1) + 1 (--m), so at most 131072 islands (--n)";
  if (s.m - 2 * (s.n - 1) > s.n * (s.n - 1) / 2 - (s.n - 1))
    return "M exceeds the pairs of N islands";
  const std::int64_t third = (s.ec_high - s.ec_low) / 3;
  const std::int64_t cheap_high = s.ec_low + third, middle_low = cheap_high + 1, middle_high = s.ec_low + 2 * third,
                     dear_low = middle_high + 1;
  if (!grid_holds(s.ec_low, cheap_high, s.ec_unit) || !grid_holds(middle_low, middle_high, s.ec_unit) ||
      !grid_holds(dear_low, s.ec_high, s.ec_unit))
    return "--ec range too narrow for three bands of costs";
  spanning_tree(s, r, out, [&] { return on_grid(r, s.ec_low, cheap_high, s.ec_unit); });
  const std::size_t tree = out.size();
  for (std::size_t i = 0; i < tree; ++i)
    out.push_back({out[i].a, out[i].b, on_grid(r, dear_low, s.ec_high, s.ec_unit), 0});
  distinct_pairs(s, r, out, static_cast<std::size_t>(s.m), [&] { return on_grid(r, middle_low, middle_high, s.ec_unit); });
  const std::int64_t rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
  for (Record &rec : out)
    rec.rate = rate;
  std::vector<std::pair<std::size_t, std::size_t>> copy_first; // each copy before its tree portal
  for (std::size_t i = 0; i < tree; ++i)
    copy_first.push_back({tree + i, i});
  shuffle_keeping_before(r, out, copy_first);
  random_orientation(r, out);
  return {};
}

// Every portal changes at one shared rate, so Kruskal takes the same tree at every
// t and the least total is linear in t. X is set against the costs: where they
// fall (rise) with t, X outweighs their fall (rise) and the optimum is at 0 (T),
// so a total that leaves t·X out picks the other end.
std::string x_decides(Shape &s, Random &r, std::vector<Record> &out) {
  if (s.t < 1)
    return "needs T >= 1";
  std::int64_t rate = 0;
  for (int tries = 0; tries < 64 && rate == 0; ++tries)
    rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
  if (rate == 0)
    return "needs a nonzero rate in --er";
  std::string error = connected_graph(s, r, out);
  for (Record &rec : out)
    rec.rate = rate;
  const std::int64_t fall = (s.n - 1) * rate; // how much the tree's total falls per unit of t
  const std::int64_t margin = std::max(s.er_unit, floor_div(std::abs(fall) / 4, s.er_unit) * s.er_unit);
  s.x = fall + (rate > 0 ? margin : -margin);
  s.x_unit = s.er_unit;
  return error;
}

} // namespace

const char *const kFamilies[] = {"random",    "chain",     "duplicates", "dear-copies", "loops",
                                 "negative",  "best-at-0", "best-at-T",  "ties",        "peak-late",
                                 "peak-early", "x-decides", "star",      "extremes",    "near-tie",
                                 "close-costs", "hash-attack", "sorted", "reverse-sorted", "organ-pipe",
                                 "micro-gaps", "sixth-decimal", "extreme-totals", nullptr};

std::string build_family(Shape &s, Random &r, std::vector<Record> &records) {
  records.clear();
  if (s.n < 1 || s.m < s.n - 1)
    return "needs N >= 1 and M >= N-1 to join every island";
  if (!grid_holds(s.ec_low, s.ec_high, s.ec_unit) || !grid_holds(s.er_low, s.er_high, s.er_unit))
    return "--ec or --er holds no value with the given decimals";
  const std::string &f = s.family;
  if (f == "chain")
    return chain(s, r, records);
  if (f == "duplicates")
    return duplicates(s, r, records);
  if (f == "loops")
    return loops(s, r, records);
  if (f == "ties")
    return ties(s, r, records);
  if (f == "peak-late" || f == "peak-early")
    return peak(s, r, records, f == "peak-late");
  if (f == "x-decides")
    return x_decides(s, r, records);
  if (f == "dear-copies")
    return dear_copies(s, r, records);
  if (f == "star")
    return star(s, r, records);
  if (f == "extremes")
    return extremes(s, r, records);
  if (f == "near-tie")
    return near_tie(s, r, records);
  if (f == "close-costs")
    return close_costs(s, r, records);
  if (f == "hash-attack")
    return hash_attack(s, r, records);
  if (f == "sorted" || f == "reverse-sorted" || f == "organ-pipe")
    return sorted_order(s, r, records);
  if (f == "micro-gaps")
    return micro_gaps(s, r, records);
  if (f == "sixth-decimal")
    return sixth_decimal(s, r, records);
  if (f == "extreme-totals")
    return extreme_totals(s, r, records);
  if (f == "best-at-0" && (s.er_high > 0 || s.x <= 0 || s.t < 1))
    return "needs --er HI <= 0, X > 0 and T >= 1";
  if (f == "best-at-T" && (s.er_low <= 0 || s.n < 2 || s.t < 1 || s.x >= (s.n - 1) * s.er_low))
    return "needs --er LO > 0, N >= 2, T >= 1 and X < (N-1) * LO";
  return connected_graph(s, r, records);
}
