// Derived extremes: each a target the bounds may allow, and the tests that reach it.
#include "setter/coverage/derived.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "judge/approx.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace {

// Near the largest in size: within a tenth of what the bounds allow.
constexpr double kNear = 0.9;

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", v);
  return text;
}

// The largest least total (or, negative, the smallest) that the bounds allow at
// t = 0 (at_end false) or t = T: a tree of the most portals, each at the
// dearest (cheapest) cost there, and X at its end.
double extreme_total(const Bounds &b, bool at_end, bool negative) {
  const double portals = std::max(0.0, std::min(b.n.high - 1, b.m.high));
  const double t = at_end ? b.t.high : 0;
  return negative ? portals * (b.ec.low - b.er.high * t) + t * b.x.low : portals * (b.ec.high - b.er.low * t) + t * b.x.high;
}

enum class End { zero, end, tied, none };

End best_end(const TestFacts &f) {
  if (f.t < 1)
    return End::none; // one end only
  if (approx(f.total_zero, f.total_end))
    return End::tied;
  return f.total_end < f.total_zero ? End::end : End::zero;
}

struct Target {
  std::string what;   // in the language of reports
  bool allowed;       // the bounds allow some test to reach it
  std::vector<std::string> reached; // the tests that do
};

std::string line(const Target &t) {
  std::string tests;
  for (std::size_t i = 0; i < t.reached.size() && i < 3; ++i)
    tests += (i ? ", " : "") + t.reached[i];
  if (t.reached.size() > 3)
    tests += say(", and " + std::to_string(t.reached.size() - 3) + " more", "，另有 " + std::to_string(t.reached.size() - 3) + " 組");
  return "  " + t.what + ": " +
         (!t.reached.empty() ? say("in " + std::to_string(t.reached.size()) + " (", std::to_string(t.reached.size()) + " 組（") +
                                   tests + say(")", "）")
          : t.allowed        ? say("NOT REACHED", "未達到")
                             : say("cannot be reached within these bounds", "在這些範圍內無法達到")) +
         "\n";
}

// The best end under each sign of X, and ties, each where the bounds allow it.
std::vector<Target> ends_by_sign(const std::vector<TestFacts> &tests, const Bounds &b) {
  const bool timed = b.t.high >= 1, several = b.n.high >= 2 && b.m.high >= 1;
  const bool falling = several && b.er.high > 0, rising = several && b.er.low < 0;
  const bool negative = b.x.low < 0, zero = b.x.low <= 0 && b.x.high >= 0, positive = b.x.high > 0;
  std::vector<Target> targets = {
      {say("X < 0, best at t = 0", "X < 0，t = 0 最佳"), timed && negative && rising, {}},
      {say("X < 0, best at t = T", "X < 0，t = T 最佳"), timed && negative, {}},
      {say("X = 0, best at t = 0", "X = 0，t = 0 最佳"), timed && zero && rising, {}},
      {say("X = 0, best at t = T", "X = 0，t = T 最佳"), timed && zero && falling, {}},
      {say("X > 0, best at t = 0", "X > 0，t = 0 最佳"), timed && positive, {}},
      {say("X > 0, best at t = T", "X > 0，t = T 最佳"), timed && positive && falling, {}},
      {say("the two ends tied (T >= 1)", "兩端相同（T >= 1）"), timed, {}},
  };
  for (const TestFacts &f : tests) {
    const End end = best_end(f);
    if (end == End::tied)
      targets[6].reached.push_back(f.name);
    else if (end != End::none)
      targets[(f.x < 0 ? 0 : f.x == 0 ? 2 : 4) + (end == End::end)].reached.push_back(f.name);
  }
  return targets;
}

} // namespace

Derived derived_extremes(const std::vector<TestFacts> &tests, const Bounds &b) {
  std::vector<Target> targets;
  for (const bool at_end : {false, true})
    for (const bool negative : {false, true}) {
      // How far the bounds let the total go this way, 0 when not at all.
      const double bound = std::max(0.0, (negative ? -1 : 1) * extreme_total(b, at_end, negative));
      Target t{say(std::string("a least total at ") + (at_end ? "t = T" : "t = 0") + " near " +
                       (negative ? "-" : "") + number(bound) + ", the largest in size",
                   std::string(at_end ? "t = T" : "t = 0") + " 的最小總成本接近 " + (negative ? "-" : "") + number(bound) +
                       "（絕對值最大）"),
               bound > 0, {}};
      for (const TestFacts &f : tests)
        if (const double total = at_end ? f.total_end : f.total_zero; bound > 0 && (negative ? -total : total) >= kNear * bound)
          t.reached.push_back(f.name);
      targets.push_back(t);
    }
  const double fall = std::max(std::fabs(b.er.low), std::fabs(b.er.high)) * b.t.high;
  Target falls{say("|r|·T near " + number(fall) + ", the largest fall", "|r|·T 接近 " + number(fall) + "（最大的降幅）"),
               fall > 0 && b.m.high >= 1, {}};
  for (const TestFacts &f : tests)
    if (f.has_portals && fall > 0 && f.fall >= kNear * fall)
      falls.reached.push_back(f.name);
  targets.push_back(falls);
  const std::vector<Target> ends = ends_by_sign(tests, b);
  targets.insert(targets.end(), ends.begin(), ends.end());
  Target cheaper{say("a pair whose earlier copy is cheaper than the last", "同一對島嶼中較早的傳送門比最後一條便宜"),
                 !b.distinct_pairs && b.m.high >= 2, {}};
  for (const TestFacts &f : tests)
    if (f.earlier_cheaper > 0)
      cheaper.reached.push_back(f.name);
  targets.push_back(cheaper);
  Derived d;
  d.text = say("Derived extremes:\n", "衍生的極端情形：\n");
  for (const Target &t : targets) {
    d.text += line(t);
    d.every_extreme = d.every_extreme && (!t.allowed || !t.reached.empty());
  }
  d.text += d.every_extreme ? say("Every derived extreme the bounds allow is reached.\n", "範圍允許的衍生極端情形都有測資達到。\n")
                            : say("Some derived extremes the bounds allow are not reached.\n", "有範圍允許的衍生極端情形未被達到。\n");
  return d;
}
