#include "instance/registry.h"

#include <gtest/gtest.h>

#include "support/run_capture.h"

namespace {

class Registry : public ::testing::Test {
protected:
  void SetUp() override { reset_all(); }
};

TEST_F(Registry, EitherOrderFindsTheSamePortal) {
  add_edge(3, 7, 0);
  add_edge(7, 7, 1); // a loop is a portal like any other
  registry_seal();
  EXPECT_EQ(find_edge(3, 7), 0);
  EXPECT_EQ(find_edge(7, 3), 0);
  EXPECT_EQ(find_edge(7, 7), 1);
  EXPECT_EQ(find_edge(3, 3), -1);
}

TEST_F(Registry, LaterRegistrationOfAPairWins) {
  add_edge(2, 5, 0);
  add_edge(5, 2, 1);
  add_edge(2, 5, 2);
  add_edge(1, 5, 3);
  add_edge(5, 0, 4);
  add_edge(1, 5, 5);
  registry_seal();
  EXPECT_EQ(find_edge(5, 2), 2);
  EXPECT_EQ(find_edge(5, 1), 5);
  EXPECT_EQ(find_edge(0, 5), 4);
}

TEST_F(Registry, LatestMeansLastRegisteredNotLargestNumber) {
  add_edge(1, 2, 9);
  add_edge(2, 1, 4);
  registry_seal();
  EXPECT_EQ(find_edge(1, 2), 4);
}

TEST_F(Registry, ManyKeysInOneBucket) {
  // Every portal shares its larger end: one bucket holds all keys.
  const int n = 100000;
  for (int i = 0; i < n; ++i)
    add_edge(n, (i * 7919) % n, i);
  for (int i = 0; i < n; i += 2)
    add_edge((i * 7919) % n, n, n + i);
  registry_seal();
  for (int i = 0; i < n; ++i)
    ASSERT_EQ(find_edge((i * 7919) % n, n), i % 2 ? i : n + i);
}

TEST_F(Registry, AbsentPairsAndOutOfRangeNumbers) {
  EXPECT_EQ(find_edge(0, 0), -1); // empty registry
  add_edge(0, 1, 0);
  add_edge(4, 2, 1);
  registry_seal();
  struct {
    std::int32_t u, v;
  } absent[] = {{0, 2}, {1, 2}, {4, 3}, {-1, 0}, {1, -1}, {5, 0}, {262144, 0},
                {2147483647, 1}, {-2147483647 - 1, 4}, {4, 4}};
  for (const auto &c : absent)
    EXPECT_EQ(find_edge(c.u, c.v), -1) << c.u << " " << c.v;
}

} // namespace
