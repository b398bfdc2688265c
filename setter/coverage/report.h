// The coverage report over a set of tests: for every bound of the statement the
// smallest and largest value and whether each end is reached, then the shapes.
#pragma once
#include <string>
#include <vector>

#include "setter/coverage/facts.h"
#include "setter/validation/validation.h"

struct Coverage {
  std::string text;        // the report, in the language of reports
  bool every_end = true;   // every end of every bound reached, none passed
  bool every_extreme = true; // every derived extreme the bounds allow reached
};

// The report on tests against bounds (most_decimals the largest digits after the
// point; 0 is the smallest). An end that no test reaches is named, with why it
// cannot be reached where the other bounds rule it out; then the shapes, and the
// derived extremes.
Coverage coverage_report(const std::vector<TestFacts> &tests, const Bounds &bounds);
