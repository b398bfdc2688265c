// The optimal plan of a loaded, sound instance.
#pragma once
#include <string>

#include "graph/optimum.h"

// A plan that reaches best's total: best.t, the count, and one "u v" line per
// portal of a cheapest spanning tree at best.t among those a plan can name. Call
// right after check_soundness().
std::string optimal_plan(const Best &best);
