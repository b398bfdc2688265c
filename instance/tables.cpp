// The instance tables and their reset.
#include "instance/tables.h"

#include <algorithm>

#include "instance/registry.h"
#include "memory/huge_pages.h"

std::int32_t N, M, T;
double X;
PortalEnds portal_ends;
alignas(kTableAlignment) double ec[MAXN];
alignas(kTableAlignment) double er[MAXN];
std::vector<std::int32_t> edges;

void instance_reset() {
  // Only the first M entries can have been written.
  std::size_t used = static_cast<std::size_t>(std::clamp(M, 0, MAXN));
  std::fill_n(es, used, 0);
  std::fill_n(et, used, 0);
  std::fill_n(ec, used, 0.0);
  std::fill_n(er, used, 0.0);
  N = M = T = 0;
  X = 0.0;
  edges.clear();
  registry_clear();
}
