// Least total over t: two Kruskal passes, one at each end of 0..T.
#include "graph/optimum.h"

#include "graph/mst.h"

Best best_total() {
  const double at_zero = mst(0);
  if (T == 0)
    return {0, at_zero};
  const double at_end = mst(T);
  return at_end < at_zero ? Best{T, at_end} : Best{0, at_zero};
}
