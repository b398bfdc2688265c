// Aggregating tests' facts into the coverage report.
#include "setter/coverage/report.h"

#include <cstdio>

#include "setter/coverage/derived.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace {

// One bound of the statement and where a test's facts hold its values.
struct Quantity {
  std::string name;
  Range bound;
  double TestFacts::*low, TestFacts::*high;
  bool needs_portals; // only tests with portals have values of it
};

struct Reach {
  bool any = false;
  double low = 0, high = 0;
  std::string low_test, high_test;
};

Reach reach_of(const std::vector<TestFacts> &tests, const Quantity &q) {
  Reach r;
  for (const TestFacts &f : tests) {
    if (q.needs_portals && !f.has_portals)
      continue;
    if (!r.any || f.*q.low < r.low)
      r.low = f.*q.low, r.low_test = f.name;
    if (!r.any || f.*q.high > r.high)
      r.high = f.*q.high, r.high_test = f.name;
    r.any = true;
  }
  return r;
}

// Why the other bounds keep a test from an end, or "" when nothing does.
std::string why_unreachable(const std::string &name, bool high_end, const Bounds &b) {
  if (name == "N" && high_end && b.n.high - 1 > b.m.high)
    return say("N = " + plain_decimal(b.n.high) + " islands need " + plain_decimal(b.n.high - 1) +
                   " portals to be connected, above M's bound " + plain_decimal(b.m.high),
               "N = " + plain_decimal(b.n.high) + " 座島嶼需要 " + plain_decimal(b.n.high - 1) + " 條傳送門才能連通，超過 M 的上限 " +
                   plain_decimal(b.m.high));
  if (name == "M" && !high_end && b.m.low < b.n.low - 1)
    return say("M = " + plain_decimal(b.m.low) + " portals cannot connect N >= " + plain_decimal(b.n.low) + " islands",
               "M = " + plain_decimal(b.m.low) + " 條傳送門無法連通 N >= " + plain_decimal(b.n.low) + " 座島嶼");
  if ((name == "c" || name == "r") && b.m.high < 1)
    return say("no test can have a portal: M <= 0", "測資不可能有傳送門：M <= 0");
  return {};
}

std::string end_text(bool high_end, const Quantity &q) {
  return say((high_end ? "the largest " : "the smallest ") + q.name + " (" +
                 plain_decimal(high_end ? q.bound.high : q.bound.low) + ")",
             (high_end ? "最大的 " : "最小的 ") + q.name + "（" +
                 plain_decimal(high_end ? q.bound.high : q.bound.low) + "）");
}

std::string row(const Quantity &q, const Reach &r) {
  if (!r.any)
    return say("  " + q.name + " in " + plain_decimal(q.bound.low) + ".." + plain_decimal(q.bound.high) +
                   ": no test has a value\n",
               "  " + q.name + " 範圍 " + plain_decimal(q.bound.low) + ".." + plain_decimal(q.bound.high) +
                   "：沒有測資有此值\n");
  const bool low = r.low == q.bound.low, high = r.high == q.bound.high;
  const bool beyond = r.low < q.bound.low || r.high > q.bound.high;
  const std::string ends = beyond         ? say("BEYOND THE BOUND", "超出範圍")
                           : low && high ? say("both ends reached", "兩端皆達到")
                           : low         ? say("the largest not reached", "未達到最大值")
                           : high        ? say("the smallest not reached", "未達到最小值")
                                         : say("neither end reached", "兩端皆未達到");
  return say("  " + q.name + " in " + plain_decimal(q.bound.low) + ".." + plain_decimal(q.bound.high) +
                 ": smallest " + plain_decimal(r.low) + " (" + r.low_test + "), largest " + plain_decimal(r.high) + " (" +
                 r.high_test + "): " + ends + "\n",
             "  " + q.name + " 範圍 " + plain_decimal(q.bound.low) + ".." + plain_decimal(q.bound.high) + "：最小 " +
                 plain_decimal(r.low) + "（" + r.low_test + "），最大 " + plain_decimal(r.high) + "（" + r.high_test + "）：" +
                 ends + "\n");
}

// The test where field is largest, and that value.
template <class Value> std::pair<Value, std::string> largest(const std::vector<TestFacts> &tests, Value TestFacts::*field) {
  std::pair<Value, std::string> best{Value{}, "-"};
  for (const TestFacts &f : tests)
    if (f.*field > best.first)
      best = {f.*field, f.name};
  return best;
}

std::int64_t tests_with(const std::vector<TestFacts> &tests, std::int64_t TestFacts::*field) {
  std::int64_t count = 0;
  for (const TestFacts &f : tests)
    count += f.*field > 0;
  return count;
}

std::string shapes(const std::vector<TestFacts> &tests) {
  const auto ratio = largest(tests, &TestFacts::m_per_n);
  const auto degree = largest(tests, &TestFacts::degree);
  const auto on_pair = largest(tests, &TestFacts::most_on_a_pair);
  const auto loops = largest(tests, &TestFacts::loops);
  char ratio_text[32];
  std::snprintf(ratio_text, sizeof ratio_text, "%.1f", ratio.first);
  std::string text = say("Shapes:\n", "形狀：\n");
  text += say("  largest M/N: ", "  最大的 M/N：") + ratio_text + " (" + ratio.second + ")\n";
  text += say("  highest island degree: ", "  島嶼的最高度數：") + std::to_string(degree.first) + " (" +
          degree.second + ")\n";
  const std::string repeated = std::to_string(tests_with(tests, &TestFacts::repeated_pairs));
  text += say("  pairs joined several times: in " + repeated + " tests, at most " +
                  std::to_string(on_pair.first) + " portals on one pair (" + on_pair.second + ")\n",
              "  同一對島嶼有多條傳送門：" + repeated + " 組測資，一對島嶼最多 " +
                  std::to_string(on_pair.first) + " 條（" + on_pair.second + "）\n");
  const std::string looped = std::to_string(tests_with(tests, &TestFacts::loops));
  text += say("  loops: in " + looped + " tests, at most " + std::to_string(loops.first) + " in one (" +
                  loops.second + ")\n",
              "  兩端為同一島嶼的傳送門：" + looped + " 組測資，單組最多 " + std::to_string(loops.first) +
                  " 條（" + loops.second + "）\n");
  text += say("  union-find without path compression or union by size, over Kruskal at t = 0 and t = T:\n"
              "  the longest parent chain, and the most links its finds walk in one test\n",
              "  不做路徑壓縮、也不按大小合併的併查集，在 t = 0 與 t = T 的 Kruskal 中：\n"
              "  最長的父節點鏈，以及單組測資中 find 走過的最多鏈結數\n");
  const char *const rules_en[] = {"first end's root under the second's", "second end's root under the first's",
                                  "smaller-numbered root under larger", "larger-numbered root under smaller"};
  const char *const rules_zh[] = {"第一端的根接到第二端的根下", "第二端的根接到第一端的根下", "編號小的根接到編號大的根下",
                                  "編號大的根接到編號小的根下"};
  for (std::size_t rule = 0; rule < 4; ++rule) {
    std::pair<std::int64_t, std::string> chain{0, "-"}, walked{0, "-"};
    for (const TestFacts &f : tests) {
      if (f.chains[rule].longest > chain.first)
        chain = {f.chains[rule].longest, f.name};
      if (f.chains[rule].walked > walked.first)
        walked = {f.chains[rule].walked, f.name};
    }
    text += "    " + say(rules_en[rule], rules_zh[rule]) + ": " + std::to_string(chain.first) + " (" +
            chain.second + "), " + std::to_string(walked.first) + say(" links (", " 個鏈結（") +
            walked.second + say(")\n", "）\n");
  }
  return text;
}

} // namespace

Coverage coverage_report(const std::vector<TestFacts> &tests, const Bounds &b) {
  const Quantity quantities[] = {
      {"N", b.n, &TestFacts::n, &TestFacts::n, false},
      {"M", b.m, &TestFacts::m, &TestFacts::m, false},
      {"T", b.t, &TestFacts::t, &TestFacts::t, false},
      {"X", b.x, &TestFacts::x, &TestFacts::x, false},
      {"c", b.ec, &TestFacts::c_low, &TestFacts::c_high, true},
      {"r", b.er, &TestFacts::r_low, &TestFacts::r_high, true},
      {say("digits after the point", "小數點後位數"),
       {0, static_cast<double>(b.most_decimals < 0 ? 0 : b.most_decimals), "--decimals"},
       &TestFacts::digits_low, &TestFacts::digits_high, false},
  };
  Coverage c;
  c.text = say("Coverage of " + std::to_string(tests.size()) + " tests:\n",
               std::to_string(tests.size()) + " 組測資的涵蓋範圍：\n");
  std::string missed;
  const auto note = [&](const Quantity &q, const Reach &r) {
    c.text += row(q, r);
    for (const bool high_end : {false, true}) {
      const double end = high_end ? q.bound.high : q.bound.low, value = high_end ? r.high : r.low;
      const bool passed = high_end ? value > end : value < end;
      if (r.any && value == end)
        continue;
      c.every_end = false;
      if (passed)
        continue;
      const std::string why = why_unreachable(q.name, high_end, b);
      missed += "  " + end_text(high_end, q) +
                (why.empty() ? say(": no test reaches it\n", "：沒有測資達到\n")
                             : say(": cannot be reached: ", "：無法達到：") + why + "\n");
    }
  };
  for (const Quantity &q : quantities)
    note(q, reach_of(tests, q));
  c.text += missed.empty() ? say("Every end of every bound is reached.\n", "每個範圍的兩端都有測資達到。\n")
                           : say("Not reached:\n", "未達到：\n") + missed;
  c.text += shapes(tests);
  const Derived derived = derived_extremes(tests, b);
  c.text += derived.text;
  c.every_extreme = derived.every_extreme;
  return c;
}
