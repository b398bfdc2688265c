#include "graph/connect.h"

#include "graph_fixture.h"

namespace {

using Connected = GraphTest;

void mark(std::initializer_list<std::int32_t> portals) {
  for (std::int32_t p : portals)
    sel_edge[p] = 1;
}

TEST_F(Connected, SingleIslandNeedsNoPortal) {
  set_instance(1, {});
  EXPECT_TRUE(connected());
}

TEST_F(Connected, TwoIslandsWithoutPortalAreApart) {
  set_instance(2, {{0, 1, 1, 0}});
  EXPECT_FALSE(connected());
}

TEST_F(Connected, NoIslandsIsAlwaysConnected) {
  set_instance(0, {});
  EXPECT_TRUE(connected());
  plan_reset();
  set_instance(-3, {});
  EXPECT_TRUE(connected());
}

TEST_F(Connected, OnlyMarkedPortalsCount) {
  set_instance(3, {{0, 1, 1, 0}, {1, 2, 1, 0}, {2, 0, 1, 0}});
  mark({0, 2});
  EXPECT_TRUE(connected());
}

TEST_F(Connected, GroupWithoutIslandZeroIsNotEnough) {
  set_instance(4, {{1, 2, 1, 0}, {2, 3, 1, 0}, {3, 1, 1, 0}, {0, 1, 1, 0}});
  mark({0, 1, 2});
  EXPECT_FALSE(connected());
}

TEST_F(Connected, LoopsAddNothing) {
  set_instance(2, {{0, 0, 1, 0}, {1, 1, 1, 0}});
  mark({0, 1});
  EXPECT_FALSE(connected());
}

TEST_F(Connected, ReachesAcrossReversedEnds) {
  // Ends written in both orders, reached only through the second end of each.
  set_instance(4, {{3, 2, 1, 0}, {1, 0, 1, 0}, {2, 1, 1, 0}});
  mark({0, 1, 2});
  EXPECT_TRUE(connected());
}

TEST_F(Connected, LongestPathAndDenseStar) {
  set_instance(0, {});
  N = MAXN;
  for (std::int32_t i = 0; i + 1 < MAXN; ++i) {
    es[M] = MAXN - 1 - i; // island 0 is the far end
    et[M] = MAXN - 2 - i;
    sel_edge[M++] = 1;
  }
  EXPECT_TRUE(connected());
  plan_reset();
  sel_edge[0] = 0;
  for (std::int32_t i = 1; i < M; ++i)
    sel_edge[i] = 1;
  EXPECT_FALSE(connected()); // the path minus its first portal misses island MAXN-1
}

} // namespace
