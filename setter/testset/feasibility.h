// Whether any instance keeps a set of bounds: a subtask that none can keep would
// hold no test, and earn every program its points for nothing.
#pragma once
#include <string>

#include "setter/validation/validation.h"

// Why no valid instance keeps bounds b, in the language of reports ("N = 2
// islands need at least 1 portal, but --m allows at most 0"); an empty string
// when some instance keeps them.
std::string why_no_instance(const Bounds &b);
