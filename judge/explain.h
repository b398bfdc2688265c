// The outcome told to a judge: the message and what the judgement established.
#pragma once
#include <string>

#include "judge/outcome.h"

// The catalogue message (or the failure report) and a newline, then one line for
// each fact in detail: the plan's t; the portal line where the plan was rejected
// and the pair read there; that the plan names more than N - 1 portals, when it
// does; the plan total, the minimum total at t and the
// reference total, with 17 significant digits.
std::string explain(const Outcome &outcome);
