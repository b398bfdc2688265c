// Whether the portals a plan names join all islands.
#pragma once
#include <cstdint>

#include "graph/dsu.h"
#include "instance/tables.h"

// Islands joined so far by connect_join() since connect_start().
extern std::int32_t connect_joins;

// Starts a connectivity test of islands 0..N-1 with no portal joined, discarding
// the disjoint-set forest's earlier contents.
void connect_start();

// Joins the ends a and b (islands 0..N-1) of a portal the plan names. Inline: the
// judgement calls it for every plan line.
inline void connect_join(std::int32_t a, std::int32_t b) {
  // After N-1 joins every island is in one set: nothing more can join two.
  if (connect_joins >= N - 1)
    return;
  connect_joins += djUnion(a, b);
}

// True when the portals joined since connect_start() connect every island 0..N-1
// into one component, and always when N <= 0.
bool connected();
