#include "graph/dsu.h"

#include "graph_fixture.h"

namespace {

using Dsu = GraphTest;

TEST_F(Dsu, UnionOfAnIslandWithItselfOnlyCompresses) {
  N = 4;
  djInit();
  root[1] = 2;
  root[2] = 3;
  EXPECT_FALSE(djUnion(1, 1));
  EXPECT_EQ(root[1], 3);
  EXPECT_EQ(root[2], 3);
  EXPECT_EQ(root[3], 3);
}

TEST_F(Dsu, FirstArgumentGoesUnderTheSecond) {
  N = 4;
  djInit();
  EXPECT_TRUE(djUnion(1, 2));
  EXPECT_TRUE(djUnion(2, 3));
  EXPECT_EQ(djFind(1), 3);
  EXPECT_EQ(djFind(2), 3);
  EXPECT_EQ(djFind(3), 3);
  EXPECT_FALSE(djUnion(3, 1));
  EXPECT_EQ(djFind(0), 0);
}

TEST_F(Dsu, InitWithNoIslandsTouchesNothing) {
  root[0] = 77;
  N = 0;
  djInit();
  EXPECT_EQ(root[0], 77);
  N = -5;
  djInit();
  EXPECT_EQ(root[0], 77);
}

TEST_F(Dsu, LongestChainIsFoundWithoutRecursionAndFullyCompressed) {
  N = MAXN;
  djInit();
  for (std::int32_t i = 0; i + 1 < MAXN; ++i)
    ASSERT_TRUE(djUnion(i, i + 1)); // finds are trivial: each representative is i itself
  // Now root[i] = i + 1: a chain of MAXN - 1 links from island 0.
  EXPECT_EQ(root[0], 1);
  EXPECT_EQ(djFind(0), MAXN - 1);
  for (std::int32_t i = 0; i < MAXN; ++i)
    ASSERT_EQ(root[i], MAXN - 1);
}

} // namespace
