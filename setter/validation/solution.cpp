// Writing the optimal plan.
#include "setter/validation/solution.h"

#include <vector>

#include "instance/tables.h"
#include "setter/validation/soundness.h"

std::string optimal_plan(const Best &best) {
  std::vector<std::int32_t> taken;
  nameable_mst(best.t, &taken);
  std::string text = std::to_string(best.t) + " " + std::to_string(taken.size()) + "\n";
  for (std::int32_t p : taken)
    text += std::to_string(es[p]) + " " + std::to_string(et[p]) + "\n";
  return text;
}
