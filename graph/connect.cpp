// Plan connectivity: the named portals joined in the disjoint-set forest as the
// plan is read. N islands form one component exactly when N-1 joins succeed, so no
// adjacency lists or search queue are ever built.
#include "graph/connect.h"

std::int32_t connect_joins = 0;

void connect_start() {
  djInit();
  connect_joins = 0;
}

bool connected() { return N <= 0 || connect_joins == N - 1; }
