// Judges' explanation of an outcome.
#include "judge/explain.h"

#include "instance/tables.h"
#include "judge/exact.h"
#include "judge/verdict.h"

std::string explain(const Outcome &outcome) {
  std::string text = (outcome.failed ? outcome.failure : std::string(outcome.message->text)) + "\n";
  if (detail.has_t)
    text += "t = " + std::to_string(detail.t) + "\n";
  if (detail.line > 0) {
    text += "第 " + std::to_string(detail.line) + " 條傳送門";
    if (detail.has_pair)
      text += "：" + std::to_string(detail.u) + " " + std::to_string(detail.v);
    text += "\n";
  }
  // More portals than a spanning tree holds: a total below the minimum at t is
  // then no sign of a checker fault, since the minimum is over spanning trees.
  if (detail.named > static_cast<std::int64_t>(N) - 1)
    text += "方案建設 " + std::to_string(detail.named) + " 條傳送門，多於 N − 1 = " + std::to_string(N - 1) +
            " 條：最小總成本是恰好 N − 1 條傳送門的生成樹的總成本，多建的傳送門即使成本為負也不算在內\n";
  if (detail.priced)
    text += "方案總成本 " + exact(detail.plan_total) + "\n" + "t = " + std::to_string(detail.t) +
            " 時的最小總成本 " + exact(detail.minimum) + "\n" + "參考總成本 " +
            exact(detail.reference) + "\n";
  return text;
}
