// Plan judgement: price and check the named portals, then compare the totals.
#include "judge/judgement.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "graph/connect.h"
#include "graph/dsu.h"
#include "graph/mst.h"
#include "graph/optimum.h"
#include "reader/reader.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/explain.h"
#include "judge/outcome.h"
#include "judge/verdict.h"

namespace {

// A least total that overflows leaves nothing to compare a plan with.
void require_finite(std::int32_t t, double minimum) {
  if (!std::isfinite(minimum))
    checker_failure("t = " + std::to_string(t) + " 時的最小總成本不是有限數（" + exact(minimum) +
                    "），題目檔的成本溢位");
}

// The first defect of the plan's lines. It is reported once the least total is
// known: one that overflows is the judge's own fault and outranks any defect.
struct Defect {
  const char *message = nullptr; // none yet
  std::int64_t line = 0;
  bool has_pair = false;
  std::int32_t u = 0, v = 0;
};

} // namespace

void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer) {
  const double td = static_cast<double>(t);
  double total = td * X;
  connect_start();
  Defect defect;
  // Lines are read and looked up a batch at a time so that the cache misses of the
  // look-ups overlap; they are still judged one by one in reading order, and a
  // format error counts only after the lines before it have been judged.
  constexpr std::int32_t kBatch = 256;
  std::int32_t u[kBatch], v[kBatch], p[kBatch];
  std::int64_t judged = 0; // portal lines before the batch
  for (std::int32_t left = k; left > 0 && !defect.message;) {
    const std::int32_t want = std::min(kBatch, left);
    std::int32_t n = 0;
    bool unreadable_line = false;
    while (n < want && !unreadable_line) {
      n += static_cast<std::int32_t>(read_int_pairs_fast(u + n, v + n, static_cast<std::size_t>(want - n)));
      if (n < want) { // a line in another form, or the buffer's end: token by token
        unreadable_line = read_int(u[n]) != Scan::ok || read_int(v[n]) != Scan::ok;
        n += !unreadable_line;
      }
    }
    claim_edges(static_cast<std::size_t>(n), u, v, p);
    // What judging a line touches is fetched some lines ahead (written out here: a
    // helper holding only prefetches may be judged free of effects and dropped).
    constexpr std::int32_t kAhead = 8;
    for (std::int32_t i = -kAhead; i < n && !defect.message; ++i) {
      if (const std::int32_t j = i + kAhead; j < n && p[j] >= 0) {
        __builtin_prefetch(&ec[p[j]]);
        __builtin_prefetch(&er[p[j]]);
        __builtin_prefetch(&root[u[j]]);
        __builtin_prefetch(&root[v[j]]);
      }
      if (i < 0)
        continue;
      if (p[i] < 0) { // -1: no such portal; -2: named before
        defect = {p[i] == -1 ? message::invalid_portal : message::repeated_portal, judged + i + 1, true, u[i], v[i]};
        break;
      }
      total += cost_at(p[i], td);
      connect_join(u[i], v[i]); // the portal's ends, in some order
    }
    judged += n;
    if (unreadable_line && !defect.message)
      defect = {message::bad_format, judged + 1, false, 0, 0};
    left -= n;
  }
  // No portal is looked up from here on: the registry's table is free to sort in.
  const std::span<std::uint64_t> scratch = registry_release();
  const double minimum = mst(t, nullptr, scratch);
  require_finite(t, minimum);
  if (defect.message) {
    detail.line = defect.line;
    detail.has_pair = defect.has_pair;
    detail.u = defect.u;
    detail.v = defect.v;
    finish(REJECTED, defect.message);
  }
  if (!connected())
    finish(REJECTED, message::not_connected);
  detail.priced = true;
  detail.plan_total = total;
  detail.minimum = minimum;
  detail.reference = reference;
  if (!approx(minimum, total))
    finish(REJECTED, message::not_cheapest);
  if (approx(reference, total))
    finish(OPTIMAL, message::optimal);
  if (total < reference)
    checker_failure("輸出的建設方案總成本 " + exact(total) + " 低於答案檔的參考總成本 " +
                    exact(reference) + "，答案檔有誤");
  // The plan is about to be told that its t is not the best: that holds only when
  // some t reaches the reference total. One below every t's least total is the
  // answer file's fault, found here, where the extra passes cost no other verdict.
  const Best best = best_total(scratch);
  require_finite(best.t, best.total);
  if (reference < best.total && !approx(reference, best.total))
    checker_failure("答案檔的參考總成本 " + exact(reference) + " 低於所有 t 中的最小總成本 " +
                    exact(best.total) + "（t = " + std::to_string(best.t) +
                    "），沒有方案能達到，答案檔有誤：" + answer);
  finish(CHEAPEST_AT_T, message::t_not_best);
}
