#include "instance/registry.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "support/tables.h"

namespace {

TEST(Registry, PairsInEitherOrderLaterRegistrationWins) {
  reset_all();
  const std::int32_t registrations[][3] = {{3, 7, 0}, {7, 7, 1}, {2, 5, 2}, {5, 2, 3}, {1, 5, 4},
                                           {5, 0, 5}, {1, 5, 6}, {1, 2, 9}, {2, 1, 8}};
  for (const auto &r : registrations)
    add_edge(r[0], r[1], r[2]);

  struct {
    std::int32_t u, v, portal;
  } lookups[] = {{3, 7, 0},  {7, 3, 0},       {7, 7, 1},           {2, 5, 3},
                 {5, 1, 6},  {0, 5, 5},       {1, 2, 8}, // latest, not largest
                 {3, 3, -1}, {0, 2, -1},      {-1, 0, -1},         {1, -1, -1},
                 {8, 0, -1}, {262144, 0, -1}, {2147483647, 1, -1}, {-2147483647 - 1, 5, -1}};

  for (const auto &l : lookups)
    EXPECT_EQ(find_edge(l.u, l.v), l.portal) << l.u << " " << l.v;
}

// A plan's pairs: each portal found is claimed, so naming it again, either way
// round, in the same call or a later one, finds it claimed; absent pairs claim
// nothing; a cleared registry forgets every claim.
TEST(Registry, ClaimsAPortalOncePerPlan) {
  reset_all();
  add_edge(3, 7, 0);
  add_edge(2, 5, 1);
  add_edge(5, 2, 2); // the pair's later registration: the one a plan names
  std::int32_t u[] = {7, 2, -5, 5, 3, 9}, v[] = {3, 5, 0, 2, 7, 9}, portal[6];
  claim_edges(6, u, v, portal);
  EXPECT_EQ(std::vector<std::int32_t>(portal, portal + 6), (std::vector<std::int32_t>{0, 2, -1, -2, -2, -1}));
  std::int32_t again[1];
  claim_edges(1, v + 1, u + 1, again);
  EXPECT_EQ(again[0], -2);
  EXPECT_EQ(find_edge(2, 5), 2) << "a claim does not change what a look-up finds";
  registry_clear();
  add_edge(2, 5, 1);
  claim_edges(1, u + 1, v + 1, again);
  EXPECT_EQ(again[0], 1);
}

TEST(Registry, EmptyFindsNothing) {
  reset_all();
  EXPECT_EQ(find_edge(0, 0), -1);
}

TEST(Registry, ManyKeysInOneBucket) {
  // Every portal shares its larger end n: one bucket holds all the keys.
  reset_all();
  const int n = 100000;
  for (int i = 0; i < n; ++i)
    add_edge(n, (i * 7919) % n, i);
  for (int i = 0; i < n; i += 2)
    add_edge((i * 7919) % n, n, n + i);
  for (int i = 0; i < n; ++i)
    ASSERT_EQ(find_edge((i * 7919) % n, n), i % 2 ? i : n + i);
}

// A table sized for the instance: full up to its expected portals, duplicates and
// look-ups of absent pairs included, whatever the size.
TEST(Registry, SizedForTheExpectedPortals) {
  for (std::int32_t expected : {0, 1, 2, 3, 7, 1000, 262144}) {
    SCOPED_TRACE(expected);
    reset_all();
    registry_expect(expected);
    for (std::int32_t i = 0; i < expected; ++i)
      add_edge(i, (i + 1) % 262144, i);
    if (expected > 1)
      add_edge(1, 0, expected - 1); // a repeat replaces, taking no new slot
    EXPECT_EQ(registry_keys(), expected);
    for (std::int32_t i = 1; i + 1 < expected; ++i)
      ASSERT_EQ(find_edge((i + 1) % 262144, i), i);
    EXPECT_EQ(find_edge(5, 5), -1);
    EXPECT_EQ(find_edge(0, 2), -1);
  }
}

// A borrower may leave anything in the lent table: the next instance still starts
// from an empty registry.
TEST(Registry, LentTableIsClearedBeforeReuse) {
  reset_all();
  registry_expect(1000);
  add_edge(2, 1, 0);
  const Span<std::uint64_t> lent = registry_release();
  ASSERT_GE(lent.size(), 1000u);
  std::fill_n(lent.data(), lent.size(), ~std::uint64_t{0});
  registry_clear();
  registry_expect(1000);
  EXPECT_EQ(registry_keys(), 0);
  EXPECT_EQ(find_edge(1, 2), -1);
  add_edge(3, 4, 7);
  EXPECT_EQ(find_edge(4, 3), 7);
  EXPECT_EQ(registry_keys(), 1);
}

} // namespace
