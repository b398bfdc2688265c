// The optimal plan of a loaded, sound instance.
#pragma once
#include <string>

#include "graph/optimum.h"

// A cheapest plan at t: t, the count, and one "u v" line per portal of a
// cheapest spanning tree at t among those a plan can name. Call after
// check_soundness() found no flaw; the registry is looked up only when some pair
// is joined twice, and it is not lent then.
std::string cheapest_plan_at(std::int32_t t);

// A plan that reaches best's total: cheapest_plan_at(best.t).
std::string optimal_plan(const Best &best);
