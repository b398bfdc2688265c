// The coverage report's facts against what they stand for: the union-find chains
// against a naive union-find that really walks, the digits and shapes of small
// instances, and the report's verdict on every end of every bound.
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "instance/tables.h"
#include "setter/coverage/chains.h"
#include "setter/coverage/facts.h"
#include "setter/coverage/report.h"
#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/validation.h"
#include "support/tables.h"

namespace {

// Loads text as the checker does; false when it does not load.
bool load(const std::string &text) {
  reset_all();
  return load_instance_text(text, 1).empty();
}

// Kruskal at t with a union-find that walks every link of every find and links
// roots by rule: the longest chain it builds and the links it walks.
ChainFacts walked_for_real(std::int32_t t, LinkRule rule) {
  std::vector<std::int32_t> order(static_cast<std::size_t>(M)), parent(static_cast<std::size_t>(N));
  std::iota(order.begin(), order.end(), 0);
  std::iota(parent.begin(), parent.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::int32_t a, std::int32_t b) { return ec[a] - er[a] * t < ec[b] - er[b] * t; });
  ChainFacts facts;
  const auto find = [&](std::int32_t x) {
    while (parent[static_cast<std::size_t>(x)] != x) {
      x = parent[static_cast<std::size_t>(x)];
      ++facts.walked;
    }
    return x;
  };
  for (const std::int32_t p : order) {
    const std::int32_t a = find(es[p]), b = find(et[p]);
    if (a == b)
      continue;
    const bool a_under_b = rule == LinkRule::first_under_second     ? true
                           : rule == LinkRule::second_under_first   ? false
                           : rule == LinkRule::smaller_under_larger ? a < b
                                                                    : a > b;
    parent[static_cast<std::size_t>(a_under_b ? a : b)] = a_under_b ? b : a;
  }
  for (std::int32_t i = 0; i < N; ++i) {
    std::int64_t depth = 0;
    for (std::int32_t x = i; parent[static_cast<std::size_t>(x)] != x; x = parent[static_cast<std::size_t>(x)])
      ++depth;
    facts.longest = std::max(facts.longest, depth);
  }
  return facts;
}

TEST(Coverage, ChainsAsANaiveUnionFindWalksThem) {
  // A path written (i, i+1), cheapest first: one rule each way builds the chain.
  ASSERT_TRUE(load("5 4 0 0\n0 1 1 0\n1 2 2 0\n2 3 3 0\n3 4 4 0\n"));
  EXPECT_EQ(naive_kruskal(0, LinkRule::first_under_second).longest, 4);
  EXPECT_EQ(naive_kruskal(0, LinkRule::second_under_first).longest, 1);
  EXPECT_EQ(naive_kruskal(0, LinkRule::smaller_under_larger).longest, 4);
  EXPECT_EQ(naive_kruskal(0, LinkRule::larger_under_smaller).longest, 1);
  EXPECT_EQ(naive_kruskal(0, LinkRule::second_under_first).walked, 3);

  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    const int n = 1 + static_cast<int>(rng() % 9), m = static_cast<int>(rng() % 20), t = static_cast<int>(rng() % 4);
    std::string text = std::to_string(n) + " " + std::to_string(m) + " " + std::to_string(t) + " 0\n";
    for (int i = 0; i < m; ++i)
      text += std::to_string(rng() % n) + " " + std::to_string(rng() % n) + " " + std::to_string(rng() % 5) + " " +
              std::to_string(rng() % 3) + "\n";
    SCOPED_TRACE(text);
    ASSERT_TRUE(load(text));
    for (const LinkRule rule : kLinkRules)
      for (const std::int32_t at : {0, t}) {
        const ChainFacts simulated = naive_kruskal(at, rule), real = walked_for_real(at, rule);
        EXPECT_EQ(simulated.longest, real.longest);
        EXPECT_EQ(simulated.walked, real.walked);
      }
  }
}

TEST(Coverage, FactsOfOneInstance) {
  const std::string text = "4 6 7 -2.5\n0 1 1.25 0\n1 0 -3 0.125\n2 2 4.5 1\n1 2 1000000.000001 0\n2 1 6 0\n1 3 7 -1\n";
  ASSERT_TRUE(load(text));
  const TestFacts f = facts_of("t", text);
  EXPECT_EQ(f.n, 4);
  EXPECT_EQ(f.m, 6);
  EXPECT_EQ(f.t, 7);
  EXPECT_EQ(f.x, -2.5);
  EXPECT_EQ(f.c_low, -3);
  EXPECT_EQ(f.c_high, 1000000.000001);
  EXPECT_EQ(f.r_low, -1);
  EXPECT_EQ(f.r_high, 1);
  EXPECT_EQ(f.digits_low, 0);
  EXPECT_EQ(f.digits_high, 6);
  EXPECT_EQ(f.m_per_n, 1.5);
  EXPECT_EQ(f.degree, 5);        // island 1: two to 0, two to 2, one to 3
  EXPECT_EQ(f.repeated_pairs, 2); // 0-1 and 1-2
  EXPECT_EQ(f.most_on_a_pair, 2);
  EXPECT_EQ(f.loops, 1);
}

TestFacts fact(const char *name, double n, double m, double t, double x, double c, double r, double digits) {
  TestFacts f;
  f.name = name;
  f.n = n, f.m = m, f.t = t, f.x = x;
  f.has_portals = m > 0;
  f.c_low = f.c_high = c;
  f.r_low = f.r_high = r;
  f.digits_low = f.digits_high = digits;
  return f;
}

TEST(Coverage, EveryEndReachedOrNamed) {
  set_language(Language::english);
  const Bounds b = statement_bounds();
  const std::vector<TestFacts> all = {fact("low", 1, 0, 0, -1e6, 0, 0, 0),
                                      fact("high", 262144, 262144, 1e6, 1e6, 1e6, 1e3, 6),
                                      fact("neg", 2, 1, 5, 0, -1e6, -1e3, 2)};
  Coverage c = coverage_report(all, b);
  EXPECT_TRUE(c.every_end);
  EXPECT_NE(c.text.find("Every end of every bound is reached.\n"), std::string::npos) << c.text;
  EXPECT_NE(c.text.find("  T in 0..1000000: smallest 0 (low), largest 1000000 (high): both ends reached\n"),
            std::string::npos)
      << c.text;

  c = coverage_report({all[0], all[2]}, b);
  EXPECT_FALSE(c.every_end);
  for (const char *end : {"the largest N (262144): no test reaches it", "the largest c (1000000): no test reaches it",
                          "the largest digits after the point (6): no test reaches it"})
    EXPECT_NE(c.text.find(end), std::string::npos) << end << "\n" << c.text;

  // Bounds that rule an end out say why; a value past a bound is flagged.
  Bounds small = b;
  small.m.high = 1000;
  c = coverage_report({fact("beyond", 1001, 1000, 2e6, 0, 1, 1, 1)}, small);
  EXPECT_FALSE(c.every_end);
  EXPECT_NE(c.text.find("the largest N (262144): cannot be reached: N = 262144 islands need 262143 portals to be "
                        "connected, above M's bound 1000"),
            std::string::npos)
      << c.text;
  EXPECT_NE(c.text.find("largest 2000000 (beyond): BEYOND THE BOUND"), std::string::npos) << c.text;
  set_language(Language::chinese);
  EXPECT_NE(coverage_report(all, b).text.find("每個範圍的兩端都有測資達到。"), std::string::npos);
}

} // namespace
