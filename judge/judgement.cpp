// Plan judgement: price and check the named portals, then compare the totals.
#include "judge/judgement.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "graph/connect.h"
#include "graph/mst.h"
#include "instance/reader.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/verdict.h"

namespace {

std::string exact(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

} // namespace

bool approx(double a, double b) {
  double d = std::fabs(a - b);
  return d < 1e-6 || d / std::fabs(a) < 1e-8;
}

void judge_plan(std::int32_t t, std::int32_t k, double reference) {
  const double minimum = mst(t); // fills enow, which prices the plan's portals
  if (!std::isfinite(minimum))
    checker_failure("t = " + std::to_string(t) + " 時的最小總成本不是有限數（" + exact(minimum) +
                    "），題目檔的成本溢位");
  double total = static_cast<double>(t) * X;
  for (std::int32_t line = 0; line < k; ++line) {
    std::int32_t u, v;
    if (read_int(u) != Scan::ok || read_int(v) != Scan::ok)
      badin();
    std::int32_t p = find_edge(u, v);
    if (p < 0)
      finish(REJECTED, message::invalid_portal);
    if (sel_edge[p])
      finish(REJECTED, message::repeated_portal);
    sel_edge[p] = 1;
    total += enow[p];
  }
  if (!connected())
    finish(REJECTED, message::not_connected);
  if (!approx(minimum, total))
    finish(REJECTED, message::not_cheapest);
  if (approx(reference, total))
    finish(OPTIMAL, message::optimal);
  if (total < reference)
    checker_failure("輸出的建設方案總成本 " + exact(total) + " 低於答案檔的參考總成本 " +
                    exact(reference) + "，答案檔有誤");
  finish(CHEAPEST_AT_T, message::t_not_best);
}
