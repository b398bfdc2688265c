// Fixed instances and answers that the plan fuzzer judges against, and plans that
// the instance fuzzer judges: small, with the traps (duplicate pairs, loops,
// negative and zero costs, no portals).
#pragma once

struct Fixture {
  const char *instance, *answer, *plan;
};

inline constexpr Fixture kFixtures[] = {
    {"4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n", "8", "3 3\n3 2\n1 3\n0 1\n"},
    {"3 5 4 0.5\n0 1 5 1\n1 0 3 1\n1 2 -2 0\n2 2 0 0\n2 0 1e-7 0\n", "-0.5", "4 2 0 1 2 1"},
    {"1 0 5 2", "10", "5 0"},
    {"2 2 0 0\n0 1 3 0\n1 1 0 0\n", "3", "0 2 1 1 0 1"},
    {"5 4 2147483647 1e-9\n0 1 1e300 1e290\n1 2 -1e300 0\n2 3 0 0\n3 4 0x1p-3 0\n", "0",
     "0 4 1 0 2 1 3 2 4 3"},
    {"0 0 0 0", "", "0 0"},
};
inline constexpr unsigned kFixtureCount = sizeof kFixtures / sizeof kFixtures[0];
