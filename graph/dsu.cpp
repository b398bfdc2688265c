// Disjoint-set forest: the table and its initialisation; finds and joins are inline.
#include "graph/dsu.h"

std::int32_t root[MAXN];

void djInit() {
  for (std::int32_t i = 0; i < N; ++i)
    root[i] = i;
}
