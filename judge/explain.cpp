// Judges' explanation of an outcome.
#include "judge/explain.h"

#include "instance/tables.h"
#include "judge/exact.h"
#include "judge/verdict.h"
#include "wording/wording.h"

std::string explain(const Outcome &outcome) {
  std::string text = (outcome.failed ? outcome.failure : std::string(text_of(*outcome.message))) + "\n";
  if (detail.has_t)
    text += "t = " + std::to_string(detail.t) + "\n";
  if (detail.line > 0) {
    text += worded("第 ", "portal line ") + std::to_string(detail.line) + worded(" 條傳送門", "");
    if (detail.has_pair)
      text += worded("：", ": ") + std::to_string(detail.u) + " " + std::to_string(detail.v);
    text += "\n";
  }
  // More portals than a spanning tree holds: a total below the minimum at t is
  // then no sign of a checker fault, since the minimum is over spanning trees.
  if (detail.named > static_cast<std::int64_t>(N) - 1)
    text += worded("方案建設 ", "the plan builds ") + std::to_string(detail.named) +
            worded(" 條傳送門，多於 N − 1 = ", " portals, more than N - 1 = ") + std::to_string(N - 1) +
            worded(" 條：最小總成本是恰好 N − 1 條傳送門的生成樹的總成本，多建的傳送門即使成本為負也不算在內",
                   ": the least total is that of a spanning tree of exactly N - 1 portals, and a portal "
                   "beyond it counts for nothing, even at a negative cost") +
            "\n";
  if (detail.priced)
    text += worded("方案總成本 ", "plan total ") + exact(detail.plan_total) + "\n" +
            worded("t = ", "least total at t = ") + std::to_string(detail.t) + worded(" 時的最小總成本 ", " ") +
            exact(detail.minimum) + "\n" + worded("參考總成本 ", "reference total ") + exact(detail.reference) + "\n";
  return text;
}
