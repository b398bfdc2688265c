// Drawing small instances' arguments, biased towards the ends of every range.
#include "setter/stress/random_instances.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "setter/families/families.h"

namespace {

template <class T> const T &pick(Random &r, const std::vector<T> &from) {
  return from[static_cast<std::size_t>(uniform(r, 0, static_cast<std::int64_t>(from.size()) - 1))];
}

std::int64_t within(std::int64_t v, double low, double high) {
  return std::max(static_cast<std::int64_t>(std::ceil(low)), std::min(v, static_cast<std::int64_t>(std::floor(high))));
}

} // namespace

std::vector<std::string> random_instance_args(Random &r, const std::vector<std::string> &families, const Bounds &b) {
  std::vector<std::string> every;
  for (const char *const *f = kFamilies; *f; ++f)
    every.push_back(*f);
  const std::string family = pick(r, families.empty() ? every : families);
  // Now and then a large one, its numbers the family's own (at their ends, for
  // extremes and extreme-totals) at the largest T: what overflows or accumulates
  // needs many portals.
  if (uniform(r, 0, 31) == 0)
    return {families.empty() ? pick(r, std::vector<std::string>{"extremes", "extreme-totals"}) : family, "--n",
            std::to_string(within(uniform(r, 0, 1) ? 1000 : 10000, b.n.low, b.n.high)), "--t",
            std::to_string(within(1000000, b.t.low, b.t.high)), "--x", uniform(r, 0, 1) ? "1000000" : "-1000000",
            "--seed", std::to_string(next_bits(r) % 1000000007)};
  const std::int64_t low = within(1, b.n.low, b.n.high), high = within(std::max<std::int64_t>(low, 8), b.n.low, b.n.high);
  const std::int64_t n = uniform(r, 0, 3) == 0 ? low : uniform(r, low, high);
  std::vector<std::string> args = {family, "--n", std::to_string(n)};
  if (uniform(r, 0, 1) == 0) { // else the family's own M
    const std::int64_t m = uniform(r, std::max<std::int64_t>(0, n - 1), n - 1 + 2 * n);
    args.insert(args.end(), {"--m", std::to_string(within(m, b.m.low, b.m.high))});
  }
  const std::vector<std::int64_t> ts = {0, 1, 2, 3, 5, 10, 100, uniform(r, 0, 1000), 1000000};
  args.insert(args.end(), {"--t", std::to_string(within(pick(r, ts), b.t.low, std::min(b.t.high, 1e6)))});
  const std::vector<std::string> xs = {"0", "1", "-1", "2.5", "-0.000001", "0.000001", "1000000", "-1000000",
                                       std::to_string(uniform(r, -20, 20)) + "." + std::to_string(uniform(r, 0, 999999))};
  if (uniform(r, 0, 2) != 0) // else the family's own X
    args.insert(args.end(), {"--x", pick(r, xs)});
  if (uniform(r, 0, 1) == 0)
    args.insert(args.end(), {"--ec", pick(r, std::vector<std::string>{"0..10", "-10..10", "-1000..1000", "-1000000..1000000",
                                                                      "0..1", "999990..1000000", "-1..0"})});
  if (uniform(r, 0, 1) == 0)
    args.insert(args.end(), {"--er", pick(r, std::vector<std::string>{"0..0", "0..3", "-3..3", "-1000..1000", "1..10",
                                                                      "-10..-1", "0..1"})});
  for (const char *option : {"--ec-decimals", "--er-decimals"})
    if (uniform(r, 0, 1) == 0)
      args.insert(args.end(), {option, std::to_string(uniform(r, 0, b.most_decimals < 0 ? 6 : std::min(6, b.most_decimals)))});
  if (family == "near-tie" || family == "sixth-decimal")
    args.insert(args.end(), {"--gap", pick(r, std::vector<std::string>{"1", "-1", "0", "0.000002", "-0.000002"})});
  if (uniform(r, 0, 3) == 0)
    args.push_back(uniform(r, 0, 1) ? "--mirror" : "--flip");
  args.insert(args.end(), {"--seed", std::to_string(next_bits(r) % 1000000007)});
  return args;
}
