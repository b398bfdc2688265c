// The building blocks the instance families share: values on a grid of units,
// spanning trees, fresh pairs of islands and the order of records.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "setter/families/families.h"
#include "setter/families/random.h"

// The key of the unordered pair of islands a, b.
std::uint64_t pair_key(std::int64_t a, std::int64_t b);

// a / b rounded towards minus infinity (b > 0).
std::int64_t floor_div(std::int64_t a, std::int64_t b);

// The least multiple of unit at or above v (unit > 0).
std::int64_t ceil_to(std::int64_t v, std::int64_t unit);

// A multiple of unit uniform in low..high; the range must hold one.
std::int64_t on_grid(Random &r, std::int64_t low, std::int64_t high, std::int64_t unit);

// Whether low..high holds a multiple of unit.
bool grid_holds(std::int64_t low, std::int64_t high, std::int64_t unit);

// An island uniform in 0..N-1.
std::int32_t island(Random &r, const Shape &s);

// Whether M - (N - 1) further portals fit on pairs of islands not in a tree.
bool pairs_suffice(const Shape &s);

// 0..N-1 in a random order.
std::vector<std::int32_t> shuffled_labels(const Shape &s, Random &r);

// A random spanning tree over shuffled labels, its portals priced by price().
template <class Price> void spanning_tree(const Shape &s, Random &r, std::vector<Record> &out, Price price) {
  const std::vector<std::int32_t> label = shuffled_labels(s, r);
  for (std::int64_t i = 1; i < s.n; ++i)
    out.push_back({label[static_cast<std::size_t>(i)], label[static_cast<std::size_t>(uniform(r, 0, i - 1))],
                   price(), 0});
}

// Portals on pairs of distinct islands not joined yet, until out holds count of them.
template <class Price>
void distinct_pairs(const Shape &s, Random &r, std::vector<Record> &out, std::size_t count, Price price) {
  std::unordered_set<std::uint64_t> used;
  for (const Record &rec : out)
    used.insert(pair_key(rec.a, rec.b));
  while (out.size() < count) {
    const std::int32_t a = island(r, s), b = island(r, s);
    if (a != b && used.insert(pair_key(a, b)).second)
      out.push_back({a, b, price(), 0});
  }
}

// Puts out's records in the order of their indices in order.
void place_in_order(std::vector<Record> &out, const std::vector<std::size_t> &order);

// Puts out's records in a random order in which, for each pair (first, second)
// of record indices, first comes before second. The pairs share no record.
void shuffle_keeping_before(Random &r, std::vector<Record> &out,
                            const std::vector<std::pair<std::size_t, std::size_t>> &before);

// Swaps the two ends of each record with probability 1/2.
void random_orientation(Random &r, std::vector<Record> &records);

// A cost and a rate.
struct Price {
  std::int64_t cost, rate;
};

// count prices whose costs at T rise strictly, in order: consecutive costs from
// the low end of the cost range at one shared rate, so that the order holds at every t;
// or, where the range holds fewer than count costs, costs and rates both, the
// rates falling a step at a time, which T makes outweigh every step of cost, so
// that the order holds at T. Returns an empty string, or why the ranges cannot.
std::string rising_prices(const Shape &s, Random &r, std::int64_t count, std::vector<Price> &prices);

// Every record gets a rate from the shape's range.
void random_rates(const Shape &s, Random &r, std::vector<Record> &records);
