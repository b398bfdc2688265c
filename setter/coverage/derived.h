// The extremes that the bounds make together, beyond each bound's own ends:
// the largest totals, the largest fall, where the best t lies under each sign of
// X, ends tied, and pairs whose earlier copy is cheaper than the last.
#pragma once
#include <string>
#include <vector>

#include "setter/coverage/facts.h"
#include "setter/validation/validation.h"

struct Derived {
  std::string text;          // the report's section, in the language of reports
  bool every_extreme = true; // every derived extreme the bounds allow is reached
};

// The section on tests against bounds: what each derived extreme reaches, and
// which the bounds allow but no test reaches.
Derived derived_extremes(const std::vector<TestFacts> &tests, const Bounds &b);
