// Working the sample through with the checker's own tables and Kruskal.
#include "setter/packaging/sample_walk.h"

#include <cmath>
#include <sstream>

#include "graph/mst.h"
#include "instance/tables.h"
#include "setter/validation/instance_file.h"

namespace {

// The cost of portal i at t, written as the statement works it out.
std::string cost_sum(std::int32_t i, int t) {
  const double at = ec[i] - er[i] * t;
  const std::string times = plain_decimal(std::fabs(er[i])) + " \\cdot " + std::to_string(t);
  return plain_decimal(ec[i]) + (er[i] < 0 ? " + " : " - ") + times + " = " + plain_decimal(at);
}

// The last portal joining a and b (a plan names it), or -1.
std::int32_t named(int a, int b) {
  for (std::int32_t i = M - 1; i >= 0; --i)
    if ((es[i] == a && et[i] == b) || (es[i] == b && et[i] == a))
      return i;
  return -1;
}

} // namespace

bool walk_sample(const std::string &instance, const std::string &plan, SampleWalk &walk) {
  walk = {};
  if (!load_instance_text(instance, 1).empty())
    return false;
  std::istringstream lines(plan);
  std::size_t k = 0;
  if (!(lines >> walk.t >> k) || walk.t < 0 || walk.t > T)
    return false;
  walk.n = N;
  walk.x = X;
  walk.total = walk.t * X;
  for (std::size_t j = 0; j < k; ++j) {
    int a = 0, b = 0;
    const std::int32_t i = lines >> a >> b ? named(a, b) : -1;
    if (i < 0)
      return false;
    walk.tree.push_back({a, b, ec[i] - er[i] * walk.t});
    walk.total += walk.tree.back().cost;
  }
  if (M <= 12)
    for (std::int32_t i = 0; i < M; ++i)
      walk.costs.push_back(cost_sum(i, walk.t));
  for (int t = 0; t <= T; t = T <= 10 || t == T ? t + 1 : T)
    if (t != walk.t)
      walk.others.push_back({t, mst(t)});
  return true;
}
