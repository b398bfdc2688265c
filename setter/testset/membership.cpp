// A test's facts against a subtask's bounds.
#include "setter/testset/membership.h"

#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

std::string first_breach(const TestFacts &f, const Bounds &b) {
  const struct {
    const char *name;
    double low, high;
    const Range &range;
    bool applies;
  } values[] = {{"N", f.n, f.n, b.n, true},           {"M", f.m, f.m, b.m, true},
                {"T", f.t, f.t, b.t, true},           {"X", f.x, f.x, b.x, true},
                {"c", f.c_low, f.c_high, b.ec, f.has_portals}, {"r", f.r_low, f.r_high, b.er, f.has_portals}};
  for (const auto &v : values) {
    if (!v.applies || (v.low >= v.range.low && v.high <= v.range.high))
      continue;
    const double value = v.low < v.range.low ? v.low : v.high;
    const std::string quoted = std::string(v.name) + " = " + plain_decimal(value),
                      limits = plain_decimal(v.range.low) + ".." + plain_decimal(v.range.high);
    return say(quoted + " lies outside " + limits + " (" + v.range.option + ")",
               quoted + " 超出範圍 " + limits + "（" + v.range.option + "）");
  }
  if (b.most_decimals >= 0 && f.digits_high > b.most_decimals)
    return say(plain_decimal(f.digits_high) + " digits after the point, above " + std::to_string(b.most_decimals) +
                   " (--decimals)",
               "小數點後 " + plain_decimal(f.digits_high) + " 位，超過 " + std::to_string(b.most_decimals) + "（--decimals）");
  if (b.distinct_pairs && f.repeated_pairs > 0)
    return say("a pair of islands joined twice (--distinct-pairs)", "有一對島嶼由兩條傳送門連接（--distinct-pairs）");
  if (b.no_loops && f.loops > 0)
    return say("a portal whose two ends are one island (--no-loops)", "有傳送門的兩端是同一座島嶼（--no-loops）");
  return {};
}

std::string subtasks_of(const TestFacts &f, const std::vector<Subtask> &subtasks) {
  std::string names;
  for (const Subtask &s : subtasks)
    if (first_breach(f, s.bounds).empty())
      names += (names.empty() ? "" : " ") + s.name;
  return names;
}
