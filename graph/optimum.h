// The least total over every admissible t.
#pragma once
#include <cstdint>

#include "memory/span.h"

struct Best {
  std::int32_t t; // where the least total is reached: 0, or T when it is lower there
  double total;
};

// The better of the least totals at t = 0 and at t = T: T's only when it is lower.
Best better_end(double at_zero, double at_end);

// The least total over t in 0..T (T >= 0): the least total at t is the minimum of
// linear functions of t, hence concave, so it is the smaller of mst(0) and mst(T).
// Overwrites the order of edges and root, as mst() does, and sorts in scratch as
// mst() does.
Best best_total(Span<std::uint64_t> scratch = {});
