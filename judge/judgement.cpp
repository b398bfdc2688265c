// Plan judgement: the plan's lines, the least total at its t, then the verdict.
#include "judge/judgement.h"

#include <cmath>
#include <string>

#include "graph/connect.h"
#include "graph/mst.h"
#include "graph/optimum.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/approx.h"
#include "judge/exact.h"
#include "judge/outcome.h"
#include "judge/plan_lines.h"
#include "judge/verdict.h"
#include "wording/wording.h"
#include "memory/span.h"

namespace judgement_internal {

// A least total that overflows leaves nothing to compare a plan with.
void require_finite(std::int32_t t, double minimum) {
  if (!std::isfinite(minimum))
    checker_failure(worded("t = ", "the least total at t = ") + std::to_string(t) +
                    worded(" 時的最小總成本不是有限數（", " is not finite (") + exact(minimum) +
                    worded("），題目檔的成本溢位", "): the instance's costs overflow"));
}

} // namespace judgement_internal

void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer) {
  using namespace judgement_internal;
  const double td = static_cast<double>(t);
  double total = td * X;
  connect_start();
  // A defect is reported once the least total is known: one that overflows is the
  // judge's own fault and outranks it.
  const LineDefect defect = read_plan_lines(k, td, total);
  // No portal is looked up from here on: the registry's table is lent to the sort.
  const Span<std::uint64_t> scratch = registry_release();
  const double minimum = mst(t, nullptr, scratch);
  require_finite(t, minimum);
  if (defect.message) {
    detail.line = defect.line;
    detail.has_pair = defect.has_pair;
    detail.u = defect.u;
    detail.v = defect.v;
    finish(REJECTED, *defect.message);
  }
  detail.named = k > 0 ? k : 0;
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
    checker_failure(worded("輸出的建設方案總成本 ", "the plan's total ") + exact(total) +
                    worded(" 低於答案檔的參考總成本 ", " is below the answer file's reference total ") + exact(reference) +
                    worded("，答案檔有誤", ": the answer file is wrong"));
  // The plan is about to be told that its t is not the best: that holds only when
  // some t reaches the reference total. One below every t's least total is the
  // answer file's fault, found here, where the extra passes cost no other verdict.
  const Best best = best_total(scratch);
  require_finite(best.t, best.total);
  if (reference < best.total && !approx(reference, best.total))
    checker_failure(worded("答案檔的參考總成本 ", "the answer file's reference total ") + exact(reference) +
                    worded(" 低於所有 t 中的最小總成本 ", " is below the least total over every t, ") +
                    exact(best.total) + worded("（t = ", " (t = ") + std::to_string(best.t) +
                    worded("），沒有方案能達到，答案檔有誤：", "), which no plan reaches: the answer file is wrong: ") +
                    answer);
  finish(CHEAPEST_AT_T, message::t_not_best);
}
