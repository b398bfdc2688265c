// Plan judgement: price and check the named portals, then compare the totals.
#include "judge/judgement.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "graph/connect.h"
#include "graph/mst.h"
#include "reader/reader.h"
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
  // Lines are read and looked up a batch at a time so that the cache misses of the
  // look-ups overlap; they are still judged one by one in reading order, and a
  // format error counts only after the lines before it have been judged.
  constexpr std::int32_t kBatch = 256;
  std::int32_t u[kBatch], v[kBatch], p[kBatch];
  for (std::int32_t left = k; left > 0;) {
    std::int32_t n = 0;
    bool unreadable_line = false;
    while (n < kBatch && n < left && !unreadable_line) {
      unreadable_line = read_int(u[n]) != Scan::ok || read_int(v[n]) != Scan::ok;
      n += !unreadable_line;
    }
    find_edges(static_cast<std::size_t>(n), u, v, p);
    for (std::int32_t i = 0; i < n; ++i)
      if (p[i] >= 0) {
        __builtin_prefetch(&enow[p[i]]);
        __builtin_prefetch(&sel_edge[p[i]]);
      }
    for (std::int32_t i = 0; i < n; ++i) {
      if (p[i] < 0)
        finish(REJECTED, message::invalid_portal);
      if (sel_edge[p[i]])
        finish(REJECTED, message::repeated_portal);
      sel_edge[p[i]] = 1;
      total += enow[p[i]];
    }
    if (unreadable_line)
      badin();
    left -= n;
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
