// The families' shared building blocks.
#include "setter/families/building.h"

#include <algorithm>

std::uint64_t pair_key(std::int64_t a, std::int64_t b) {
  return static_cast<std::uint64_t>(std::max(a, b)) << 32 | static_cast<std::uint64_t>(std::min(a, b));
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

std::int64_t ceil_to(std::int64_t v, std::int64_t unit) { return -floor_div(-v, unit) * unit; }

std::int64_t on_grid(Random &r, std::int64_t low, std::int64_t high, std::int64_t unit) {
  return uniform(r, -floor_div(-low, unit), floor_div(high, unit)) * unit;
}

bool grid_holds(std::int64_t low, std::int64_t high, std::int64_t unit) {
  return low <= high && -floor_div(-low, unit) <= floor_div(high, unit);
}

std::int32_t island(Random &r, const Shape &s) { return static_cast<std::int32_t>(uniform(r, 0, s.n - 1)); }

bool pairs_suffice(const Shape &s) { return s.m - (s.n - 1) <= s.n * (s.n - 1) / 2 - (s.n - 1); }

std::vector<std::int32_t> shuffled_labels(const Shape &s, Random &r) {
  std::vector<std::int32_t> label(static_cast<std::size_t>(s.n));
  for (std::size_t i = 0; i < label.size(); ++i)
    label[i] = static_cast<std::int32_t>(i);
  shuffle(r, label);
  return label;
}

void place_in_order(std::vector<Record> &out, const std::vector<std::size_t> &order) {
  std::vector<Record> placed;
  for (std::size_t i : order)
    placed.push_back(out[i]);
  out = std::move(placed);
}

void shuffle_keeping_before(Random &r, std::vector<Record> &out,
                            const std::vector<std::pair<std::size_t, std::size_t>> &before) {
  std::vector<std::size_t> order(out.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  shuffle(r, order);
  std::vector<std::size_t> slot_of(out.size());
  for (std::size_t slot = 0; slot < order.size(); ++slot)
    slot_of[order[slot]] = slot;
  for (const auto &[first, second] : before)
    if (slot_of[first] > slot_of[second])
      std::swap(order[slot_of[first]], order[slot_of[second]]);
  place_in_order(out, order);
}

void random_orientation(Random &r, std::vector<Record> &records) {
  for (Record &rec : records)
    if (next_bits(r) >> 63)
      std::swap(rec.a, rec.b);
}

void random_rates(const Shape &s, Random &r, std::vector<Record> &records) {
  for (Record &rec : records)
    rec.rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
}

std::string rising_prices(const Shape &s, Random &r, std::int64_t count, std::vector<Price> &prices) {
  prices.clear();
  const std::int64_t first = ceil_to(s.ec_low, s.ec_unit), costs = (s.ec_high - first) / s.ec_unit + 1;
  if (costs >= count) {
    const std::int64_t rate = on_grid(r, s.er_low, s.er_high, s.er_unit);
    for (std::int64_t i = 0; i < count; ++i)
      prices.push_back({first + i * s.ec_unit, rate});
    return {};
  }
  // Rate-major: one step of rate times T must pass the whole span of the costs.
  const std::int64_t top_rate = floor_div(s.er_high, s.er_unit) * s.er_unit;
  const std::int64_t rates = (top_rate - ceil_to(s.er_low, s.er_unit)) / s.er_unit + 1;
  const bool steps_outweigh = s.t > 0 && s.er_unit > ((costs - 1) * s.ec_unit) / s.t;
  if (!steps_outweigh || rates * costs < count)
    return "--ec holds fewer than " + std::to_string(count) +
           " distinct costs, and so do the costs at T over --er (a wider --er, or a larger --t)";
  for (std::int64_t i = 0; i < count; ++i)
    prices.push_back({first + (i % costs) * s.ec_unit, top_rate - (i / costs) * s.er_unit});
  return {};
}
