// Writing the optimal plan.
#include "setter/validation/solution.h"

#include <vector>

#include "instance/tables.h"
#include "setter/validation/soundness.h"

std::string optimal_plan(const Best &best) { return cheapest_plan_at(best.t); }

std::string cheapest_plan_at(std::int32_t t) {
  std::vector<std::int32_t> taken;
  nameable_mst(t, &taken);
  std::string text = std::to_string(t) + " " + std::to_string(taken.size()) + "\n";
  for (std::int32_t p : taken)
    text += std::to_string(es[p]) + " " + std::to_string(et[p]) + "\n";
  return text;
}
