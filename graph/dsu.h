// Disjoint-set forest over the islands, for the minimum-total computation.
#pragma once
#include <cstdint>

#include "instance/tables.h"

// Parent link of island i; a representative links to itself. Written by the dj*.
extern std::int32_t root[MAXN];

// Makes every island 0..N-1 its own set; does nothing when N <= 0.
void djInit();

// The representative of x's set; every island on the way is re-pointed straight to
// it. Inline: the Kruskal pass and the connectivity test call it for every portal.
inline std::int32_t djFind(std::int32_t x) {
  // Nearly every path has at most three links: four loads and two stores, with no
  // branch to mispredict, give the same forest as the walk below.
  const std::int32_t parent = root[x], grandparent = root[parent], above = root[grandparent];
  if (root[above] == above) [[likely]] {
    root[x] = above;
    root[parent] = above;
    return above;
  }
  // Iterative, so a parent chain of MAXN-1 links costs no stack.
  std::int32_t r = above;
  while (root[r] != r)
    r = root[r];
  while (root[x] != r) {
    const std::int32_t next = root[x];
    root[x] = r;
    x = next;
  }
  return r;
}

// Joins the sets of a and b, placing the lower-numbered representative under the
// higher (no rank). Returns false, with paths compressed but sets unchanged, when
// they were one set.
inline bool djUnion(std::int32_t a, std::int32_t b) {
  const std::int32_t x = djFind(a), y = djFind(b);
  if (x == y)
    return false;
  // By number, not by argument: the sets then grow under a few high-numbered
  // representatives, whose links stay cached; a minimum-total pass over random
  // portals takes under three quarters of the time it took placing a's under b's.
  // Which goes under which changes no decision.
  root[x < y ? x : y] = x < y ? y : x;
  return true;
}
