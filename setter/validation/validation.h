// Validation of one test: the instance and its answer, every defect at its line
// and column.
#pragma once
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "graph/optimum.h"
#include "instance/tables.h"

// An inclusive range from the problem statement, and the option that sets it.
struct Range {
  double low, high;
  const char *option;
};

// The statement's bounds on an instance; by default the checker's capacities.
struct Bounds {
  static constexpr double kLargest = std::numeric_limits<double>::max();
  Range n{1, MAXN, "--n"}, m{0, MAXN, "--m"}, t{0, 2147483647.0, "--t"};
  Range x{-kLargest, kLargest, "--x"}, ec{-kLargest, kLargest, "--ec"}, er{-kLargest, kLargest, "--er"};
  int most_decimals = -1;      // digits after the point of X, ec and er (--decimals); -1: any number
  bool distinct_pairs = false; // no pair of islands joined by two portals (--distinct-pairs)
  bool no_loops = false;       // no portal whose two ends are one island (--no-loops)
};

// Which of the constraints a statement may set the loaded instance meets, as the
// options that ask for them ("--distinct-pairs --no-loops", either, or "").
std::string constraints_met();

// What validating an instance found.
struct Checked {
  std::vector<std::string> reports; // "NAME:LINE:COLUMN: what" (no "NAME:" when unnamed), in file order
  bool solvable = false;            // loaded, and an optimal plan exists
  Best best{0, 0.0};                // the least total over t, when solvable
};

// Validates an instance file's text: it loads as the checker loads it, admits an
// optimal plan, keeps to the bounds and to the canonical layout. Leaves the
// instance loaded when it loads.
Checked validate_instance(std::string_view text, const std::string &name, const Bounds &bounds);

// Validates an answer file's text (one canonical real and "\n"), and when best is
// given, that it equals best's total within the checker's tolerance; appends to
// reports.
void validate_answer(std::string_view text, const std::string &name, const Best *best,
                     std::vector<std::string> &reports);
