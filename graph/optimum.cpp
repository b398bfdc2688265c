// Least total over t: two Kruskal passes, one at each end of 0..T.
#include "graph/optimum.h"

#include "graph/mst.h"

Best better_end(double at_zero, double at_end) {
  return at_end < at_zero ? Best{T, at_end} : Best{0, at_zero};
}

Best best_total(Span<std::uint64_t> scratch) {
  const double at_zero = mst(0, nullptr, scratch);
  return T == 0 ? Best{0, at_zero} : better_end(at_zero, mst(T, nullptr, scratch));
}
