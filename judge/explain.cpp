// Judges' explanation of an outcome.
#include "judge/explain.h"

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
  if (detail.priced)
    text += "方案總成本 " + exact(detail.plan_total) + "\n" + "t = " + std::to_string(detail.t) +
            " 時的最小總成本 " + exact(detail.minimum) + "\n" + "參考總成本 " +
            exact(detail.reference) + "\n";
  return text;
}
