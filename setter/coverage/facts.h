// What one test reaches: the values of every bound of the statement, and the
// shapes that slow or careless solutions fail on.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "setter/coverage/chains.h"

struct TestFacts {
  std::string name;
  double n = 0, m = 0, t = 0, x = 0;
  bool has_portals = false;                 // M > 0: the ranges of c and r below mean something
  double c_low = 0, c_high = 0, r_low = 0, r_high = 0;
  double digits_low = 0, digits_high = 0;   // digits after the point, over X and every c and r
  double m_per_n = 0;
  std::int64_t degree = 0;                  // the most portals at one island (a loop counts once)
  std::int64_t repeated_pairs = 0;          // pairs of islands joined by more than one portal
  std::int64_t most_on_a_pair = 0;          // the most portals joining one pair
  std::int64_t loops = 0;                   // portals whose two ends are one island
  std::int64_t earlier_cheaper = 0;         // copies of a pair, before its last, cheaper than it at t = 0 or t = T
  double total_zero = 0, total_end = 0;     // the least totals at t = 0 and t = T
  double fall = 0;                          // the largest |r|·T
  ChainFacts chains[4];                     // per LinkRule, the worse of t = 0 and t = T
};

// The facts of the instance that text holds and that is loaded (by
// validate_instance()), called name in reports.
TestFacts facts_of(const std::string &name, std::string_view text);

// facts_of() without the chains and the least totals: every value a bound sets,
// and the pairs and loops, which is all a subtask's bounds ask of a test.
TestFacts bound_facts_of(const std::string &name, std::string_view text);
