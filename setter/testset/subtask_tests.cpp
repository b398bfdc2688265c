// Adapting the default families to a subtask's bounds.
#include "setter/testset/subtask_tests.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "setter/families/generator.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/instance_file.h"

namespace {

const char *const kShapes[] = {"random",     "chain",      "duplicates", "dear-copies", "loops",  "negative",
                               "best-at-0",  "best-at-T",  "ties",       "peak-late",   "peak-early",
                               "x-decides",  "star",       "extremes",   "near-tie",    "close-costs"};

std::int64_t clamp(std::int64_t v, double low, double high) {
  return std::max(static_cast<std::int64_t>(std::ceil(low)), std::min(v, static_cast<std::int64_t>(std::floor(high))));
}

std::string range_text(const Range &r) { return plain_decimal(r.low) + ".." + plain_decimal(r.high); }

// The family's range text intersected with the bound's, or the bound's own when
// they do not meet.
std::string within(const std::string &family_range, const Range &bound) {
  const std::size_t dots = family_range.find("..");
  const double low = std::stod(family_range.substr(0, dots)), high = std::stod(family_range.substr(dots + 2));
  const double lo = std::max(low, bound.low), hi = std::min(high, bound.high);
  return lo <= hi ? plain_decimal(lo) + ".." + plain_decimal(hi) : range_text(bound);
}

// The largest number of islands the bounds allow: no more than M's bound, plus one, can be joined.
std::int64_t largest_n(const Bounds &b) { return clamp(static_cast<std::int64_t>(b.n.high), b.n.low, b.m.high + 1); }

// The family at n islands, every default outside the bounds brought within them.
std::vector<std::string> adapted(const std::string &family, std::int64_t n, const Bounds &b) {
  const FamilyDefaults d = family_defaults(family, n);
  std::vector<std::string> args = {family, "--n", std::to_string(n)};
  const std::int64_t distinct = n * (n - 1) / 2, m = std::max(n - 1, std::min(2 * n, distinct));
  if (m < b.m.low || m > b.m.high)
    args.insert(args.end(), {"--m", std::to_string(clamp(m, std::max(b.m.low, static_cast<double>(n - 1)), b.m.high))});
  if (d.t < b.t.low || d.t > b.t.high)
    args.insert(args.end(), {"--t", std::to_string(clamp(d.t, b.t.low, b.t.high))});
  const double x = std::stod(d.x);
  if (x < b.x.low || x > b.x.high)
    args.insert(args.end(), {"--x", plain_decimal(std::max(b.x.low, std::min(x, b.x.high)))});
  args.insert(args.end(), {"--ec", within(d.ec, b.ec), "--er", within(d.er, b.er)});
  if (b.most_decimals >= 0 && d.ec_decimals > b.most_decimals)
    args.insert(args.end(), {"--ec-decimals", std::to_string(b.most_decimals)});
  if (b.most_decimals >= 0 && d.er_decimals > b.most_decimals)
    args.insert(args.end(), {"--er-decimals", std::to_string(b.most_decimals)});
  return args;
}

// args with option set to value: replaced where args has it, else added.
std::vector<std::string> with_option(std::vector<std::string> args, const std::string &option, const std::string &value) {
  const auto at = std::find(args.begin(), args.end(), option);
  if (at != args.end() && at + 1 != args.end())
    *(at + 1) = value;
  else
    args.insert(args.end(), {option, value});
  return args;
}

using Add = std::function<void(const std::string &, std::vector<std::string>)>;

// The shapes a slow solution walks: stars and chains for a naive union-find,
// colliding keys for a hash table, sorted orders for a hand-written quicksort.
// Where the subtask's costs cannot all differ, its whole range of rates and its
// largest T make them differ at T.
void slow_shapes(const Subtask &s, std::int64_t top, const Add &add) {
  const struct {
    const char *family, *what, *option;
  } shapes[] = {{"star", "star", ""},         {"star", "star-mirrored", "--mirror"},
                {"chain", "chain", ""},       {"chain", "chain-mirrored-flipped", "--mirror"},
                {"hash-attack", "hash-attack", ""}, {"hash-attack", "hash-attack-flipped", "--flip"},
                {"hash-attack", "hash-attack-shift", "--key"}, {"sorted", "sorted", ""},
                {"reverse-sorted", "reverse-sorted", ""}, {"organ-pipe", "organ-pipe", ""}};
  for (const auto &shape : shapes) {
    const std::int64_t n = std::string(shape.family) == "chain" ? std::max<std::int64_t>(top / 2, 2) : top;
    std::vector<std::string> args = adapted(shape.family, n, s.bounds);
    args = with_option(with_option(args, "--er", range_text(s.bounds.er)), "--t", plain_decimal(s.bounds.t.high));
    if (std::string(shape.what) == "chain-mirrored-flipped")
      args.push_back("--flip");
    if (std::string(shape.option) == "--key")
      args.insert(args.end(), {"--key", "shift-32"});
    else if (*shape.option)
      args.push_back(shape.option);
    add(std::string(shape.what) + "-largest", args);
  }
}

// Where the best t lies under each sign of X, each made within the bounds where
// they allow it: rates all rising (costs climb with t) or all falling, and X
// small against (N-1) times the least rate, so that the sign decides.
void best_ends(const Bounds &b, std::int64_t top, const Add &add) {
  const std::int64_t n = clamp(10, std::max(2.0, b.n.low), top);
  if (b.t.high < 1 || n < 2 || n - 1 > b.m.high)
    return;
  const std::string t = std::to_string(clamp(10, std::max(1.0, b.t.low), b.t.high));
  const std::string rising = plain_decimal(b.er.low) + ".." + plain_decimal(std::min(b.er.high, -1.0));
  const std::string falling = plain_decimal(std::max(b.er.low, 1.0)) + ".." + plain_decimal(b.er.high);
  const std::string calm = plain_decimal(std::max(b.er.low, 0.0)) + ".." + plain_decimal(std::min(b.er.high, 0.0));
  const double negative = std::max(b.x.low, -1.0), positive = std::min(b.x.high, 1.0);
  const struct {
    const char *what;
    bool possible;
    std::string rates;
    double x;
  } ends[] = {{"x-negative-best-0", b.er.low <= -1 && b.x.low < 0, rising, negative},
              {"x-negative-best-T", b.er.high >= 0 && b.x.low < 0, plain_decimal(std::max(b.er.low, 0.0)) + ".." + plain_decimal(b.er.high), negative},
              {"x-zero-best-0", b.er.low <= -1 && b.x.low <= 0 && b.x.high >= 0, rising, 0},
              {"x-zero-best-T", b.er.high >= 1 && b.x.low <= 0 && b.x.high >= 0, falling, 0},
              {"x-positive-best-0", b.er.low <= 0 && b.x.high > 0, plain_decimal(b.er.low) + ".." + plain_decimal(std::min(b.er.high, 0.0)), positive},
              {"x-positive-best-T", b.er.high >= 1 && b.x.high > 0, falling, positive},
              {"ends-tied", b.er.low <= 0 && b.er.high >= 0 && b.x.low <= 0 && b.x.high >= 0, calm, 0}};
  for (const auto &end : ends)
    if (end.possible)
      add(end.what, with_option(with_option(with_option(adapted("random", n, b), "--er", end.rates), "--x",
                                            plain_decimal(end.x)),
                                "--t", t));
}

// The derived extremes within the subtask's bounds: the largest totals in size
// either way, where the best t lies under each sign of X, and the default set's
// tests of precision, kept where the bounds allow them.
void derived_tests(const Subtask &s, std::int64_t top, int decimals, const Add &add) {
  const Bounds &b = s.bounds;
  for (const bool negative : {false, true})
    add(negative ? "extreme-totals-negative" : "extreme-totals",
        {"extreme-totals", "--n", std::to_string(top), "--m", std::to_string(clamp(top, std::max(b.m.low, static_cast<double>(top - 1)), b.m.high)),
         "--t", plain_decimal(b.t.high), "--x", plain_decimal(negative ? b.x.low : b.x.high), "--ec", range_text(b.ec),
         "--er", range_text(b.er), "--ec-decimals", std::to_string(decimals), "--er-decimals", std::to_string(decimals)});
  best_ends(b, top, add);
  for (const TestSpec &t : default_tests("derived")) {
    const std::string what = t.name.substr(t.name.find('-') + 1);
    if (what.rfind("micro-gaps", 0) == 0 || what.rfind("sixth-decimal", 0) == 0)
      add(what, std::vector<std::string>(t.args.begin(), t.args.end() - 2)); // its own seed follows
  }
}

} // namespace

std::vector<TestSpec> subtask_tests(const Subtask &s, const std::string &seed) {
  std::vector<TestSpec> tests;
  const auto add = [&](const std::string &what, std::vector<std::string> args) {
    const std::string index = std::to_string(tests.size() + 1);
    args.push_back("--seed");
    args.push_back(seed + "-" + s.name + "-" + index);
    tests.push_back({what, args, s.name});
  };
  if (s.options.empty()) { // the statement's own bounds: the default set as it is
    for (TestSpec t : default_tests(seed))
      tests.push_back({s.name + "-" + t.name, t.args, s.name});
    return tests;
  }
  const Bounds &b = s.bounds;
  const std::int64_t top = largest_n(b);
  const int decimals = b.most_decimals < 0 ? 6 : std::min(6, b.most_decimals);
  const auto m_for = [&](std::int64_t n, double want) {
    return std::to_string(clamp(std::min(static_cast<std::int64_t>(want), n * (n - 1) / 2),
                                std::max(b.m.low, static_cast<double>(n - 1)), b.m.high));
  };
  // The ends of every bound: the largest values in one test, the smallest in another.
  add("largest", {"extremes", "--n", std::to_string(top), "--m", m_for(top, b.m.high), "--t", plain_decimal(b.t.high),
                  "--x", plain_decimal(b.x.high), "--ec", range_text(b.ec), "--er", range_text(b.er), "--ec-decimals",
                  std::to_string(decimals), "--er-decimals", std::to_string(decimals)});
  const std::int64_t bottom = clamp(static_cast<std::int64_t>(b.n.low), b.n.low, top);
  add("smallest", {bottom == 1 && b.m.low > 0 ? "loops" : "extremes", "--n", std::to_string(bottom), "--m",
                   m_for(bottom, b.m.low), "--t", plain_decimal(b.t.low), "--x", plain_decimal(b.x.low), "--ec",
                   range_text(b.ec), "--er", range_text(b.er), "--ec-decimals", std::to_string(decimals),
                   "--er-decimals", std::to_string(decimals)});
  // X at its low end, where t = T pays most.
  add("x-low", {"extremes", "--n", std::to_string(std::min<std::int64_t>(1000, top)), "--m",
                m_for(std::min<std::int64_t>(1000, top), 2000), "--t", plain_decimal(b.t.high), "--x",
                plain_decimal(b.x.low), "--ec", range_text(b.ec), "--er", range_text(b.er), "--ec-decimals",
                std::to_string(decimals), "--er-decimals", std::to_string(decimals)});
  // With every rate 0, X alone tilts the total towards one end, by just beyond
  // the checker's tolerance: a solution's own tolerance picks the wrong end.
  if (b.er.low <= 0 && b.er.high >= 0 && b.t.high >= 1 && decimals >= 4) {
    const std::int64_t small = clamp(10, b.n.low, top), large = clamp(1000, b.n.low, top);
    const std::string t_small = std::to_string(clamp(2, std::max(1.0, b.t.low), b.t.high));
    add("tilt-to-T", {"random", "--n", std::to_string(small), "--m", m_for(small, 2 * small), "--t", t_small, "--x",
                      plain_decimal(std::max(b.x.low, std::min(-0.000001, b.x.high))), "--ec",
                      within("0..0", b.ec), "--er", "0..0", "--ec-decimals", "0", "--er-decimals", "0"});
    add("tilt-to-0", {"random", "--n", std::to_string(large), "--m", m_for(large, 2 * large), "--t",
                      plain_decimal(b.t.high), "--x", plain_decimal(std::max(b.x.low, std::min(0.0001, b.x.high))),
                      "--ec", within("999000..999900", b.ec), "--er", "0..0", "--ec-decimals", "0", "--er-decimals",
                      "0"});
  }
  for (const char *family : kShapes)
    for (const std::int64_t n : {std::int64_t{4}, std::int64_t{7}, std::int64_t{10}, std::min<std::int64_t>(1000, top)})
      if (n >= b.n.low && n <= top)
        add(std::string(family) + "-n" + std::to_string(n), adapted(family, n, b));
  derived_tests(s, top, decimals, add);
  // The shapes that slow solutions fail on, at the subtask's own largest size,
  // however small: a subtask's time limit is the whole problem's.
  slow_shapes(s, top, add);
  number_tests(tests, s.name + "-");
  return tests;
}
