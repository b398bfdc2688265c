#include "graph/mst.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "graph_fixture.h"

namespace {

using Mst = GraphTest;

TEST_F(Mst, NoPortalsCostsOnlyT) {
  set_instance(3, {}, 2.5);
  EXPECT_EQ(mst(4), 10.0);
  EXPECT_TRUE(edges.empty());
}

TEST_F(Mst, AtTZeroUsesBaseCosts) {
  set_instance(3, {{0, 1, 5, 100}, {1, 2, 7, -3}, {0, 2, 6, 0}}, 9);
  EXPECT_EQ(mst(0), 11.0);
  EXPECT_EQ(enow[0], 5.0);
  EXPECT_EQ(enow[1], 7.0);
}

TEST_F(Mst, CostsFallWithTAndEdgesEndSorted) {
  set_instance(3, {{0, 1, 5, 1}, {1, 2, 7, 3}, {0, 2, 6, 0}}, 1);
  // At t = 2: costs 3, 1, 6; the two cheapest join all islands.
  EXPECT_EQ(mst(2), 2.0 + 3.0 + 1.0);
  EXPECT_EQ(edges, (std::vector<std::int32_t>{1, 0, 2}));
  EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end(), cmp));
}

TEST_F(Mst, CostIsProductThenDifferenceEachRounded) {
  // er·t = 3 + 3·2^-52 rounds to 3 + 2^-50; a fused multiply-add would keep -3·2^-52.
  const double er0 = 1.0 + 0x1p-52;
  set_instance(2, {{0, 1, 3.0, er0}});
  ASSERT_NE(std::fma(-er0, 3.0, 3.0), -0x1p-50);
  EXPECT_EQ(mst(3), -0x1p-50);
  EXPECT_EQ(enow[0], -0x1p-50);
}

TEST_F(Mst, LoopsAndNegativeCyclesAreNeverTaken) {
  set_instance(2, {{0, 0, -100, 0}, {1, 1, -5, 0}, {0, 1, 3, 0}, {1, 0, -1, 0}});
  // The loops close cycles; of the two 0–1 portals only the cheaper one is taken.
  EXPECT_EQ(mst(0), -1.0);
}

TEST_F(Mst, DuplicatePairsTakeTheCheaperOnly) {
  set_instance(3, {{0, 1, 4, 0}, {1, 0, 2, 0}, {2, 1, 1, 0}, {1, 2, 1, 0}});
  EXPECT_EQ(mst(0), 3.0);
}

TEST_F(Mst, EqualCostsInAnyOrderSumTheSame) {
  // Ten islands in a full graph of equal costs plus noise: any tie order gives one total.
  set_instance(0, {});
  N = 10;
  for (std::int32_t a = 0; a < 10; ++a)
    for (std::int32_t b = 0; b < a; ++b) {
      es[M] = a;
      et[M] = b;
      ec[M] = (a + b) % 3 == 0 ? 0.1 : 0.7;
      er[M] = 0;
      edges.push_back(M++);
    }
  const double first = mst(0);
  for (int round = 0; round < 5; ++round) {
    std::reverse(edges.begin(), edges.end());
    std::rotate(edges.begin(), edges.begin() + 7 * round, edges.end());
    EXPECT_EQ(mst(0), first);
  }
}

TEST_F(Mst, DisconnectedInstanceGivesForestTotal) {
  set_instance(4, {{0, 1, 2, 0}, {2, 3, 5, 0}}, 1);
  EXPECT_EQ(mst(3), 3.0 + 2.0 + 5.0);
}

TEST_F(Mst, LongChainInKruskalOrder) {
  // Cheapest first: (0,1), (1,2), ... each joins i's set under i+1's: a chain of MAXN-1.
  set_instance(0, {});
  N = MAXN;
  for (std::int32_t i = 0; i + 1 < MAXN; ++i) {
    es[M] = i;
    et[M] = i + 1;
    ec[M] = i;
    er[M] = 0;
    edges.push_back(M++);
  }
  es[M] = 0; // a last portal whose find walks the whole chain
  et[M] = MAXN - 1;
  ec[M] = 1e12;
  er[M] = 0;
  edges.push_back(M++);
  const double n = MAXN - 1;
  EXPECT_EQ(mst(0), n * (n - 1) / 2);
}

} // namespace

namespace {

// Kruskal the plain way: indices sorted by cost through a comparison sort.
double plain_minimum(std::int32_t t) {
  std::vector<std::int32_t> order(static_cast<std::size_t>(M));
  std::vector<double> cost(static_cast<std::size_t>(M));
  for (std::int32_t i = 0; i < M; ++i) {
    double fall = er[i] * t;
    cost[i] = ec[i] - fall;
    order[i] = i;
  }
  std::sort(order.begin(), order.end(), [&](auto a, auto b) { return cost[a] < cost[b]; });
  std::vector<std::int32_t> up(static_cast<std::size_t>(N));
  for (std::int32_t i = 0; i < N; ++i)
    up[i] = i;
  auto find = [&](std::int32_t x) {
    while (up[x] != x)
      x = up[x];
    return x;
  };
  double total = static_cast<double>(t) * X;
  for (std::int32_t p : order)
    if (std::int32_t a = find(es[p]), b = find(et[p]); a != b) {
      up[a] = b;
      total += cost[p];
    }
  return total;
}

TEST_F(Mst, OrdersEveryKindOfCostLikeAComparisonSort) {
  const double special[] = {0.0, -0.0, 1e-310, -1e-310, 1e300, -1e300, 1.0, -1.0, 0.1, 3.5};
  std::mt19937 rng(11);
  for (int round = 0; round < 50; ++round) {
    reset_all();
    N = 1 + static_cast<std::int32_t>(rng() % 60);
    X = (rng() % 7) - 3.0;
    for (M = 0; M < 400; ++M) {
      es[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      et[M] = static_cast<std::int32_t>(rng() % static_cast<unsigned>(N));
      ec[M] = rng() % 3 ? special[rng() % 10] : std::ldexp(double(rng()) - 2e9, int(rng() % 40) - 20);
      er[M] = rng() % 2 ? 0.0 : special[rng() % 10] / 1e290;
      edges.push_back(M);
    }
    const std::int32_t t = static_cast<std::int32_t>(rng() % 5);
    const double expected = plain_minimum(t);
    EXPECT_EQ(mst(t), expected) << "round " << round;
    EXPECT_TRUE(std::is_sorted(edges.begin(), edges.end(), cmp));
  }
}

TEST_F(Mst, InfiniteCostsSortToTheEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  set_instance(3, {{0, 1, 5, 0}, {1, 2, -1e308, 1e308}, {0, 2, 1e308, -1e308}, {0, 1, 1, 0}});
  // At t = 2 portal 1 costs -inf and portal 2 +inf: the -inf one is taken first.
  EXPECT_EQ(mst(2), -inf);
  EXPECT_EQ(edges.front(), 1);
  EXPECT_EQ(edges.back(), 2);
}

} // namespace
