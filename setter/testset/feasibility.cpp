// Searching the islands and portals that bounds allow for one instance that
// keeps them all.
#include "setter/testset/feasibility.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace {

// Whether range holds a number written with at most decimals digits after the
// point (any number when decimals is negative).
bool holds_a_number(const Range &range, int decimals) {
  if (range.low > range.high)
    return false;
  if (decimals < 0)
    return true;
  const double scale = std::pow(10.0, decimals);
  // The bounds come from decimal text: a hair of slack keeps 0.1 * 10 whole.
  return std::ceil(range.low * scale - 1e-6) <= std::floor(range.high * scale + 1e-6);
}

std::string range_text(const Range &r) { return plain_decimal(r.low) + ".." + plain_decimal(r.high); }

// The most portals n islands can hold under b.
double most_portals(double n, const Bounds &b) {
  if (b.no_loops && n == 1)
    return 0; // every portal on one island is a loop
  if (!b.distinct_pairs)
    return std::numeric_limits<double>::infinity();
  return n * (n - 1) / 2 + (b.no_loops ? 0 : n);
}

} // namespace

std::string why_no_instance(const Bounds &b) {
  const int decimals = b.most_decimals;
  if (!holds_a_number(b.x, decimals))
    return say("--x " + range_text(b.x) + " holds no number with at most " + std::to_string(decimals) +
                   " digits after the point",
               "--x " + range_text(b.x) + " 之中沒有小數點後至多 " + std::to_string(decimals) + " 位的數");
  const bool portals_allowed = holds_a_number(b.ec, decimals) && holds_a_number(b.er, decimals);
  for (double n = std::max(1.0, std::ceil(b.n.low)); n <= b.n.high; ++n) {
    const double least = std::max(std::ceil(b.m.low), n - 1), most = std::min(std::floor(b.m.high), most_portals(n, b));
    if (least <= most && (portals_allowed || least == 0))
      return {};
  }
  if (!portals_allowed)
    return say("no portal can be written: --ec " + range_text(b.ec) + " or --er " + range_text(b.er) +
                   " holds no number with at most " + std::to_string(decimals) + " digits after the point",
               "無法寫出任何傳送門：--ec " + range_text(b.ec) + " 或 --er " + range_text(b.er) + " 之中沒有小數點後至多 " +
                   std::to_string(decimals) + " 位的數");
  const double n = std::max(1.0, std::ceil(b.n.low));
  if (b.m.high < n - 1)
    return say("N = " + plain_decimal(n) + " islands need at least " + plain_decimal(n - 1) +
                   (n == 2 ? " portal" : " portals") + " to be joined, but --m allows at most " + plain_decimal(b.m.high),
               "N = " + plain_decimal(n) + " 座島嶼至少需要 " + plain_decimal(n - 1) + " 條傳送門才能連通，但 --m 最多只允許 " +
                   plain_decimal(b.m.high));
  return say("no N in " + range_text(b.n) + " has room for M in " + range_text(b.m) + " portals" +
                 (b.distinct_pairs ? " on distinct pairs" : "") + (b.no_loops ? " without loops" : ""),
             range_text(b.n) + " 之中沒有任何 N 能容納 " + range_text(b.m) + " 條傳送門" +
                 (b.distinct_pairs ? "（每對島嶼至多一條）" : "") + (b.no_loops ? "（不含自環）" : ""));
}
