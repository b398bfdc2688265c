#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "graph/connect.h"
#include "graph/dsu.h"
#include "graph/mst.h"
#include "graph/radix_sort.h"
#include "instance/tables.h"
#include "support/tables.h"

namespace {

TEST(Dsu, UnionsAndCompression) {
  set_instance(4, {});
  djInit();
  root[1] = 2;
  root[2] = 3;
  EXPECT_FALSE(djUnion(1, 1)); // same set: only compresses
  EXPECT_EQ(root[1], 3);
  djInit();
  EXPECT_TRUE(djUnion(1, 2)); // the lower-numbered representative goes under the higher
  EXPECT_TRUE(djUnion(3, 2));  // whichever argument it is
  EXPECT_EQ(root[1], 2);
  EXPECT_EQ(root[2], 3);
  EXPECT_EQ(djFind(1), 3);
  EXPECT_FALSE(djUnion(3, 1));
  EXPECT_EQ(djFind(0), 0);
}

TEST(Dsu, InitWithNoIslandsTouchesNothing) {
  set_instance(0, {});
  root[0] = 77;
  djInit();
  N = -5;
  djInit();
  EXPECT_EQ(root[0], 77);
}

// The find as first described: recursive, each island re-pointed on the way back.
std::int32_t plain_find(std::vector<std::int32_t> &up, std::int32_t x) {
  if (up[x] == x)
    return x;
  return up[x] = plain_find(up, up[x]);
}

TEST(Dsu, SameForestAsThePlainRecursiveFind) {
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    set_instance(1 + static_cast<std::int32_t>(rng() % 40), {});
    djInit();
    std::vector<std::int32_t> up(root, root + N);
    for (int step = 0; step < 60; ++step) {
      // Runs of (i, i+1) build chains far deeper than three links.
      const std::int32_t a = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      const std::int32_t b = rng() % 3 ? (a + 1) % N : static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      const std::int32_t x = plain_find(up, a), y = plain_find(up, b);
      if (x != y)
        up[std::min(x, y)] = std::max(x, y);
      ASSERT_EQ(djUnion(a, b), x != y);
      ASSERT_TRUE(std::equal(up.begin(), up.end(), root)) << "round " << round << " step " << step;
    }
  }
}

TEST(Dsu, LongestChainWithoutRecursion) {
  set_instance(MAXN, {});
  djInit();
  for (std::int32_t i = 0; i + 1 < MAXN; ++i)
    ASSERT_TRUE(djUnion(i, i + 1)); // root[i] = i + 1: a chain of MAXN - 1 links
  EXPECT_EQ(djFind(0), MAXN - 1);
  EXPECT_TRUE(std::all_of(root, root + MAXN, [](std::int32_t r) { return r == MAXN - 1; }));
}

// Both sorts, on bands of words drawn the ways costs fall: spread evenly, crowded
// into a few exponents, all alike, two values, apart only in the lowest bits.
TEST(RadixSort, OrdersTheBandAndKeepsEveryWord) {
  std::mt19937_64 rng(9);
  const std::function<std::uint64_t(std::size_t)> draws[] = {
      [&](std::size_t) { return rng() >> 18; },
      [&](std::size_t) { return std::bit_cast<std::uint64_t>(200.0 + static_cast<double>(rng() % 1000000) / 1000) >> 18; },
      [&](std::size_t) { return std::uint64_t{12345}; },
      [&](std::size_t i) { return std::uint64_t{i % 2} << 45; },
      [&](std::size_t) { return rng() % 8; },
      [&](std::size_t i) { return static_cast<std::uint64_t>(i) / 2100; },
  };
  const auto band = [](std::uint64_t w) { return w >> 18; };
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{33}, std::size_t{1000}, std::size_t{1} << 18}) {
    for (std::size_t d = 0; d < std::size(draws); ++d) {
      SCOPED_TRACE(testing::Message() << "n " << n << ", draw " << d);
      std::vector<std::uint64_t> words(n), sorted(n);
      for (std::size_t i = 0; i < n; ++i)
        words[i] = draws[d](i) << 18 | (rng() & 0x3FFFF); // the low bits ride along
      std::vector<std::uint64_t> expected(words), in_place(words), scratch(words);
      std::sort(expected.begin(), expected.end());
      radix_sort_into(scratch.data(), sorted.data(), n, 64, 18);
      radix_sort_in_place(in_place.data(), n, 64, 18);
      for (auto *result : {&sorted, &in_place}) {
        ASSERT_TRUE(std::is_sorted(result->begin(), result->end(), [&](auto a, auto b) { return band(a) < band(b); }));
        std::sort(result->begin(), result->end());
        ASSERT_EQ(*result, expected) << "a word lost or doubled";
      }
    }
  }
}

// The order mst() leaves edges in: by cost at t.
auto by_cost_at(std::int32_t t) {
  return [t](std::int32_t a, std::int32_t b) { return cost_at(a, t) < cost_at(b, t); };
}

TEST(Mst, Totals) {
  struct {
    const char *name;
    std::int32_t n, t;
    double x;
    std::initializer_list<Portal> portals;
    double total;
  } cases[] = {
      // clang-format off
      {"no portals", 3, 4, 2.5, {}, 10.0},
      {"t = 0 uses base costs", 3, 0, 9, {{0, 1, 5, 100}, {1, 2, 7, -3}, {0, 2, 6, 0}}, 11.0},
      {"costs fall with t", 3, 2, 1, {{0, 1, 5, 1}, {1, 2, 7, 3}, {0, 2, 6, 0}}, 2.0 + 3 + 1},
      {"loops and negative cycles never taken", 2, 0, 0,
       {{0, 0, -100, 0}, {1, 1, -5, 0}, {0, 1, 3, 0}, {1, 0, -1, 0}}, -1.0},
      {"duplicate pairs take the cheaper", 3, 0, 0,
       {{0, 1, 4, 0}, {1, 0, 2, 0}, {2, 1, 1, 0}, {1, 2, 1, 0}}, 3.0},
      {"disconnected: a forest", 4, 3, 1, {{0, 1, 2, 0}, {2, 3, 5, 0}}, 3.0 + 2 + 5},
      // er·t = 3 + 3·2^-52 rounds to 3 + 2^-50; a fused multiply-add keeps -3·2^-52.
      {"product rounded before the difference", 2, 3, 0, {{0, 1, 3.0, 1.0 + 0x1p-52}}, -0x1p-50},
  }; // clang-format on

  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    set_instance(c.n, c.portals, c.x);
    EXPECT_EQ(mst(c.t), c.total);
    EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end(), by_cost_at(c.t)));
  }
}

// Kruskal the plain way: portal numbers sorted by cost through a comparison sort.
double plain_minimum(std::int32_t t) {
  std::vector<double> cost;
  for (std::int32_t i = 0; i < M; ++i)
    cost.push_back(ec[i] - er[i] * t);
  std::vector<std::int32_t> order(edges.begin(), edges.end()), up(static_cast<std::size_t>(N));
  std::sort(order.begin(), order.end(), [&](auto a, auto b) { return cost[a] < cost[b]; });
  for (std::int32_t i = 0; i < N; ++i)
    up[i] = i;
  auto find = [&](std::int32_t x) {
    while (up[x] != x)
      x = up[x];
    return x;
  };
  double total = t * X;
  for (std::int32_t p : order)
    if (std::int32_t a = find(es[p]), b = find(et[p]); a != b) {
      up[a] = b;
      total += cost[p];
    }
  return total;
}

TEST(Mst, EveryKindOfCostOrdersLikeAComparisonSort) {
  // Signed zeros, subnormals, extremes and many ties.
  const double special[] = {0.0, -0.0, 1e-310, -1e-310, 1e300, -1e300, 1.0, -1.0, 0.1, 3.5};
  std::mt19937 rng(11);
  for (int round = 0; round < 50; ++round) {
    set_instance(1 + static_cast<std::int32_t>(rng() % 60), {}, rng() % 7 - 3.0);
    for (M = 0; M < 400; ++M) {
      es[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      et[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      ec[M] = rng() % 3 ? special[rng() % 10] : std::ldexp(rng() - 2e9, int(rng() % 40) - 20);
      er[M] = rng() % 2 ? 0.0 : special[rng() % 10] / 1e290;
      edges.push_back(M);
    }
    const std::int32_t t = static_cast<std::int32_t>(rng() % 5);
    const double expected = plain_minimum(t);
    EXPECT_EQ(mst(t), expected) << "round " << round;
    EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end(), by_cost_at(t)));
  }
}

// Large enough for the radix sort's every branch: digits shared by all keys, keys
// apart only in their lowest bits, buckets just above the comparison sort's reach,
// ties, signed zeros and every sign.
TEST(Mst, LargeInstancesOrderLikeAComparisonSort) {
  std::mt19937_64 rng(5);
  const std::function<double(std::int32_t)> costs[] = {
      [&](std::int32_t) { return std::ldexp(static_cast<double>(rng() % 1000000), -10) - 400; },
      [&](std::int32_t) { return 1.0 + static_cast<double>(rng() % 4096) * 0x1p-52; }, // low bits only
      [&](std::int32_t i) { return static_cast<double>(i % 7); },                       // ties
      [&](std::int32_t) { return rng() % 2 ? 0.0 : -0.0; },
      [&](std::int32_t i) { return static_cast<double>(i / 2100); }, // buckets of 2100
      [&](std::int32_t) { return std::bit_cast<double>(rng() & ~(0x7FFull << 52)) * (rng() % 2 ? 1 : -1); },
      // Keys too wide for a sort word: those alike in all but their lowest bits are
      // ordered after the sort, in one long run or in many short ones.
      [&](std::int32_t i) { return i % 2 ? 1e300 : 1.0 + static_cast<double>(rng() % 4096) * 0x1p-52; },
      [&](std::int32_t) {
        return rng() % 8 ? std::ldexp(1.0 + static_cast<double>(rng() % 64) * 0x1p-52, static_cast<int>(rng() % 3))
                         : -1e300;
      },
  };
  for (const auto &cost : costs) {
    set_instance(3000, {}, 0.5);
    for (M = 0; M < 30000; ++M) {
      es[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      et[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      ec[M] = cost(M);
      er[M] = rng() % 4 ? 0.0 : 0.25;
      edges.push_back(M);
    }
    for (std::int32_t t : {0, 3}) {
      const double expected = plain_minimum(t);
      EXPECT_EQ(mst(t), expected);
      EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end(), by_cost_at(t)));
      std::vector<std::int32_t> sorted(edges.begin(), edges.end());
      std::sort(sorted.begin(), sorted.end());
      for (std::int32_t i = 0; i < M; ++i)
        ASSERT_EQ(sorted[static_cast<std::size_t>(i)], i) << "a portal lost or doubled by the sort";
    }
  }
}

// An empty edges stands for every portal, as the loader leaves it, and stays empty.
TEST(Mst, EmptyEdgesMeansEveryPortal) {
  std::mt19937 rng(8);
  set_instance(500, {}, 0.5);
  for (M = 0; M < 2000; ++M) {
    es[M] = static_cast<std::int32_t>(rng() % 500);
    et[M] = static_cast<std::int32_t>(rng() % 500);
    ec[M] = static_cast<double>(rng() % 1000) / 8;
    er[M] = static_cast<double>(rng() % 16) / 4;
    edges.push_back(M);
  }
  for (std::int32_t t : {0, 7}) {
    std::iota(edges.begin(), edges.end(), 0);
    std::vector<std::int32_t> listed, every;
    const double with_list = mst(t, &listed);
    edges.clear();
    EXPECT_EQ(mst(t, &every), with_list);
    EXPECT_EQ(every, listed);
    EXPECT_TRUE(edges.empty());
    edges.resize(static_cast<std::size_t>(M));
  }
}

TEST(Mst, InfiniteCostsSortToTheEnds) {
  set_instance(3, {{0, 1, 5, 0}, {1, 2, -1e308, 1e308}, {0, 2, 1e308, -1e308}, {0, 1, 1, 0}});
  EXPECT_EQ(mst(2), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(edges.front(), 1);
  EXPECT_EQ(edges.back(), 2);
}

TEST(Connected, JoinedPortalsOnly) {
  struct {
    const char *name;
    std::int32_t n;
    std::initializer_list<Portal> portals;
    std::vector<std::int32_t> joined;
    bool connected;
  } cases[] = {
      // clang-format off
      {"one island, no portal", 1, {}, {}, true},
      {"two islands, none joined", 2, {{0, 1, 1, 0}}, {}, false},
      {"no islands", 0, {}, {}, true},
      {"negative N", -3, {}, {}, true},
      {"portals not joined do not count", 3, {{0, 1, 1, 0}, {1, 2, 1, 0}, {2, 0, 1, 0}}, {0, 2}, true},
      {"a group without island 0", 4, {{1, 2, 1, 0}, {2, 3, 1, 0}, {3, 1, 1, 0}, {0, 1, 1, 0}},
       {0, 1, 2}, false},
      {"loops add nothing", 2, {{0, 0, 1, 0}, {1, 1, 1, 0}}, {0, 1}, false},
      {"ends in both orders", 4, {{3, 2, 1, 0}, {1, 0, 1, 0}, {2, 1, 1, 0}}, {0, 1, 2}, true},
      {"a cycle, and an island left out", 4, {{0, 1, 1, 0}, {1, 2, 1, 0}, {2, 0, 1, 0}, {3, 3, 1, 0}},
       {0, 1, 2, 3}, false},
      {"a pair joined twice joins once", 3, {{0, 1, 1, 0}, {1, 0, 1, 0}}, {0, 1}, false},
  }; // clang-format on

  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    set_instance(c.n, c.portals);
    connect_start();
    for (std::int32_t p : c.joined)
      connect_join(es[p], et[p]);
    EXPECT_EQ(connected(), c.connected);
  }
}

// Chains in both directions and a star, over every island: the forest's links must
// never lose a join, whatever order and way round the pairs come in.
TEST(Connected, LongChainsAndStarsOverEveryIsland) {
  set_instance(MAXN, {});
  const std::function<std::pair<std::int32_t, std::int32_t>(std::int32_t)> plans[] = {
      [](std::int32_t i) { return std::pair{i, i + 1}; },
      [](std::int32_t i) { return std::pair{MAXN - 1 - i, MAXN - 2 - i}; },
      [](std::int32_t i) { return std::pair{i + 1, 0}; },
  };
  for (const auto &plan : plans) {
    connect_start();
    for (std::int32_t i = 0; i + 2 < MAXN; ++i)
      connect_join(plan(i).first, plan(i).second);
    EXPECT_FALSE(connected()) << "one island must still be apart";
    connect_join(plan(MAXN - 2).first, plan(MAXN - 2).second);
    EXPECT_TRUE(connected());
  }
}

} // namespace
