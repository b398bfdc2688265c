// Time limits from measured runs: the model solution timed on every test, and
// each judge's limit derived from its slowest run.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"

// problemtools' factors: the limit is 5 times the slowest accepted run, and a
// slow solution must run past 2 times the limit.
inline constexpr double kTimeMultiplier = 5, kSafetyMargin = 2;

struct Timing {
  double slowest = 0;       // CPU seconds of the model's slowest run
  std::string slowest_test; // where it ran
  int limit = 0;            // whole seconds: max(1, slowest * 5 rounded)
};

// The limit problemtools derives from an accepted solution's slowest run.
int time_limit_of(double slowest);

// Times the model solution on every test (CPU time, as judges measure it): the
// program at model, or when model is empty, the one the build made beside setter
// (solutions/model), or else the model's source, built into setter, compiled as
// judges compile it. progress is told each test's name. Returns an empty string,
// or why no model could be timed.
std::string time_model(const std::string &model, const std::vector<TestFiles> &tests, Timing &timing,
                       const std::function<void(const std::string &)> &progress);
