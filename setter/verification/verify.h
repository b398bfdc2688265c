// setter verify's judging: programs run over every test of a package, with
// verdicts as judges name them, each against what the setter expects of it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "setter/packaging/package_view.h"
#include "setter/verification/expectation.h"
#include "setter/verification/trial_run.h"

struct Entry {
  Program program;
  Expect expect = Expect::nothing;
  bool declares_earns = false;     // the subtasks it must earn in full are stated
  std::vector<std::string> earns; // those subtasks, by name
};

// One program's results over the tests.
struct Tally {
  int runs = 0;
  int count[8] = {};                          // runs per Verdict
  double slowest = 0;                         // CPU seconds
  std::int64_t peak_kib = 0;                  // the largest of the runs' peaks over their trees
  int left = 0;                               // processes that could not be killed, over every run
  bool missed = false;                        // some test not accepted
  bool past_margin = false;                   // some run timed out past the margin
  TrialRun first_miss;                        // the first test not accepted
  std::string first_miss_test, first_miss_why;
  std::vector<double> subtask_share;          // per subtask, the least score of its tests (1, 0.3, 0)
  std::string judge_says;                     // a Kattis scoring package: the verifier's result, "AC (12)"
  std::string complaint;                      // why the program's judge disagrees with what is expected of it
  bool met = true;                            // as expected, and no judge error
};

// Runs every entry on the tests of view under limits, in order, and tallies
// them. An entry expected to fail stops at the first test that settles it, as
// the Kattis verifier does, unless every_test. With subtasks, each entry is
// scored on every subtask (its points times the least score of its tests), a
// test being left out once every subtask it is in has a test rejected; an entry
// that declares what it earns must earn in full exactly those subtasks. In a
// Kattis scoring package, an entry's folder is held to what the verifier makes
// of its runs. A test linked into several groups runs once and counts in each.
// each is told of every run as it ends.
std::vector<Tally> verify_programs(const std::vector<Entry> &entries, const PackageView &view, const Limits &limits,
                                   const std::string &work, bool every_test,
                                   const std::function<void(const Entry &, const Trial &, const TrialRun &)> &each);
