// Disjoint-set forest with full path compression.
#include "graph/dsu.h"

std::int32_t root[MAXN];

void djInit() {
  for (std::int32_t i = 0; i < N; ++i)
    root[i] = i;
}

std::int32_t djFind(std::int32_t x) {
  std::int32_t r = x;
  while (root[r] != r)
    r = root[r];
  while (root[x] != r) {
    std::int32_t next = root[x];
    root[x] = r;
    x = next;
  }
  return r;
}

bool djUnion(std::int32_t a, std::int32_t b) {
  std::int32_t x = djFind(a);
  std::int32_t y = djFind(b);
  if (x == y)
    return false;
  root[x] = y;
  return true;
}
