// Small random instances for setter stress, from every family and in every
// number format: decimals, signs, T across its whole range, one island.
#pragma once
#include <string>
#include <vector>

#include "setter/families/random.h"
#include "setter/validation/validation.h"

// The generator arguments of one small instance of one of families (every
// family when empty), its N within bounds (at most 8 islands where they allow,
// but for one in 32, of 1000 or 10000 at the largest T, where sums grow large),
// its other numbers drawn across their ranges, its formats mixed. The arguments
// may suit no instance, or make one beyond bounds: the caller generates and
// checks.
std::vector<std::string> random_instance_args(Random &r, const std::vector<std::string> &families, const Bounds &bounds);
