// Plan lines a batch at a time, so that the cache misses of the look-ups overlap;
// they are still judged one by one in reading order, and a format error counts
// only once the lines before it have been judged.
#include "judge/plan_lines.h"

#include <algorithm>

#include "graph/connect.h"
#include "graph/dsu.h"
#include "graph/mst.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/verdict.h"
#include "reader/reader.h"

namespace plan_lines_internal {

constexpr std::int32_t kBatch = 256;

struct Batch {
  std::int32_t u[kBatch], v[kBatch], p[kBatch];
  std::int32_t n = 0;          // lines read
  std::int64_t before = 0;     // portal lines before the batch
  Scan failed = Scan::ok;      // why the line after the n-th is not two integers
};

// Reads up to want lines into b, stopping early only at a line it cannot read.
void read_batch(Batch &b, std::int32_t want) {
  b.n = 0;
  b.failed = Scan::ok;
  while (b.n < want && b.failed == Scan::ok) {
    b.n += static_cast<std::int32_t>(read_int_pairs_fast(b.u + b.n, b.v + b.n, static_cast<std::size_t>(want - b.n)));
    if (b.n < want) { // a line in another form, or the buffer's end: token by token
      if (b.failed = read_int(b.u[b.n]); b.failed == Scan::ok)
        b.failed = read_int(b.v[b.n]);
      b.n += b.failed == Scan::ok;
    }
  }
}

// Judges b's lines in order, fetching what each touches some lines ahead; false,
// with the defect recorded, at the first defect.
bool judge_batch(const Batch &b, double t, double &total, LineDefect &defect) {
  constexpr std::int32_t kAhead = 8;
  for (std::int32_t i = -kAhead; i < b.n; ++i) {
    // Written out here: a helper holding only prefetches may be judged free of
    // effects and dropped by the optimiser.
    if (const std::int32_t j = i + kAhead; j < b.n && b.p[j] >= 0) {
      __builtin_prefetch(&ec[b.p[j]]);
      __builtin_prefetch(&er[b.p[j]]);
      __builtin_prefetch(&root[b.u[j]]);
      __builtin_prefetch(&root[b.v[j]]);
    }
    if (i < 0)
      continue;
    if (b.p[i] < 0) { // -1: no such portal; -2: named before
      defect = {b.p[i] == -1 ? &message::invalid_portal : &message::repeated_portal, b.before + i + 1, true, b.u[i],
                b.v[i], Scan::ok};
      return false;
    }
    total += cost_at(b.p[i], t);
    connect_join(b.u[i], b.v[i]); // the portal's ends, in some order
  }
  if (b.failed != Scan::ok) {
    defect = {&message::bad_format, b.before + b.n + 1, false, 0, 0, b.failed};
    return false;
  }
  return true;
}

} // namespace plan_lines_internal

LineDefect read_plan_lines(std::int32_t k, double t, double &total) {
  using namespace plan_lines_internal;
  LineDefect defect;
  Batch b;
  for (std::int32_t left = k; left > 0;) {
    read_batch(b, std::min(kBatch, left));
    claim_edges(static_cast<std::size_t>(b.n), b.u, b.v, b.p);
    if (!judge_batch(b, t, total, defect))
      break;
    b.before += b.n;
    left -= b.n;
  }
  return defect;
}
