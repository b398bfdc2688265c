// The options that state bounds, as validate, the input validator and a subtask
// file take them: --n, --m, --t, --x, --ec, --er LO..HI, --decimals D,
// --distinct-pairs and --no-loops.
#pragma once
#include <string>
#include <vector>

#include "setter/validation/validation.h"

enum class BoundOption { none, taken, malformed };

// Reads the bound option at args[i] into bounds: a range given replaces the
// bound's; i moves past its value. none when args[i] states no bound;
// malformed, with why set (in English, a usage error), when its value is bad.
BoundOption take_bound_option(const std::vector<std::string> &args, std::size_t &i, Bounds &bounds, std::string &why);

// The options that state bounds, as take_bound_option() reads them back: those
// of bounds that differ from base.
std::string bound_options(const Bounds &bounds, const Bounds &base);
