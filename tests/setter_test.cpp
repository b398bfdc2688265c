// The setter's commands: solve against a brute force, validate's every defect at
// its line and column, generate's bytes and soundness, through the real binaries.
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "instance/loader.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/judgement.h"
#include "setter/soundness.h"
#include "support/binary.h"
#include "support/files.h"
#include "support/tables.h"

namespace {

// The least total over every t by enumeration: every set of N-1 portals that joins
// all islands is a spanning tree; the cheapest at t is the minimum total at t.
// With only_nameable, the portals a plan cannot name (earlier ones of a pair) are
// left out. Infinity when no set joins all islands.
double brute_force_at(std::int32_t t, bool only_nameable) {
  std::vector<std::int32_t> usable;
  for (std::int32_t i = 0; i < M; ++i)
    if (es[i] != et[i] && (!only_nameable || find_edge(es[i], et[i]) == i))
      usable.push_back(i);
  double best = std::numeric_limits<double>::infinity();
  const std::size_t need = static_cast<std::size_t>(N - 1);
  for (std::uint32_t mask = 0; mask < (1u << usable.size()); ++mask) {
    if (static_cast<std::size_t>(__builtin_popcount(mask)) != need)
      continue;
    std::vector<std::int32_t> group(static_cast<std::size_t>(N));
    for (std::int32_t i = 0; i < N; ++i)
      group[static_cast<std::size_t>(i)] = i;
    double total = static_cast<double>(t) * X;
    for (std::size_t j = 0; j < usable.size(); ++j)
      if (mask >> j & 1) {
        const std::int32_t p = usable[j];
        const std::int32_t from = group[static_cast<std::size_t>(es[p])], to = group[static_cast<std::size_t>(et[p])];
        for (std::int32_t &g : group)
          g = g == from ? to : g;
        total += ec[p] - er[p] * static_cast<double>(t);
      }
    if (std::all_of(group.begin(), group.end(), [&](std::int32_t g) { return g == group[0]; }))
      best = std::min(best, total);
  }
  return best;
}

// A small random instance with the traps: duplicate pairs either way round, loops,
// negative costs and rates, ties.
std::string random_instance(std::mt19937 &rng) {
  auto below = [&](std::uint32_t n) { return static_cast<std::int32_t>(rng() % n); };
  const std::int32_t n = 1 + below(5), m = below(8), t = below(6);
  std::string text = std::to_string(n) + " " + std::to_string(m) + " " + std::to_string(t) + " " +
                     std::to_string(below(7) - 2) + "\n";
  for (std::int32_t i = 0; i < m; ++i)
    text += std::to_string(below(static_cast<std::uint32_t>(n))) + " " +
            std::to_string(below(static_cast<std::uint32_t>(n))) + " " + std::to_string(below(21) - 5) +
            "." + std::to_string(below(4)) + " " + std::to_string(below(9) - 3) + "\n";
  return text;
}

TEST(Solve, MatchesABruteForceOverEveryT) {
  std::mt19937 rng(20261207);
  int sound = 0, through_binaries = 0;
  for (int run = 0; run < 3000; ++run) {
    const std::string text = random_instance(rng);
    SCOPED_TRACE(text);
    reset_all();
    bind_text(text);
    ASSERT_EQ(load_instance(), "");
    double brute = std::numeric_limits<double>::infinity();
    for (std::int32_t t = 0; t <= T; ++t)
      brute = std::min(brute, brute_force_at(t, false));
    bool shadowed = false;
    for (std::int32_t t : {0, T})
      shadowed |= brute_force_at(t, true) != std::numeric_limits<double>::infinity() &&
                  !approx(brute_force_at(t, false), brute_force_at(t, true));
    const Soundness s = check_soundness();
    if (brute == std::numeric_limits<double>::infinity()) {
      EXPECT_FALSE(s.flaws.empty()) << "no plan joins every island";
      continue;
    }
    EXPECT_EQ(!s.flaws.empty(), shadowed);
    if (!s.flaws.empty())
      continue;
    ++sound;
    EXPECT_TRUE(approx(brute, s.best.total)) << brute << " vs " << s.best.total;
    if (run % 20 == 0) { // the written answer and plan, judged by the checker itself
      ++through_binaries;
      const std::string instance = temp_file(text), plan = temp_file("");
      Ran solved = run_program(kSetter, {"solve", instance, "--plan", plan});
      ASSERT_EQ(solved.status, 0) << solved.err;
      Ran judged = run_binary({instance, temp_file(solved.out), plan});
      EXPECT_EQ(judged.out, "1.000000\n");
      EXPECT_EQ(judged.err, "輸出的建設方案為最佳方案。");
    }
  }
  EXPECT_GT(sound, 1000);
  EXPECT_GT(through_binaries, 50);
}

} // namespace
