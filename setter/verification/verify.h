// setter verify's report: programs run over every test of a set, with verdicts.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"

// What a program is expected to do over the tests.
enum class Expect { nothing, accepted, wrong };

struct Program {
  std::string path;
  Expect expect = Expect::nothing;
};

// One program's results over the tests.
struct Tally {
  int optimal = 0, cheapest_at_t = 0, rejected = 0; // scores 1, 0.3 and 0
  int failed = 0;                                    // crashed or timed out
  int checker_failures = 0;                          // the judge's own data failed
  double slowest = 0;                                // seconds
  std::string first_miss;                            // "TEST: why", the first test not scored 1
  bool met = true;                                   // as expected
};

// Runs every program on every trial (time_limit seconds each) and tallies the
// results; progress is told what runs next.
std::vector<Tally> verify_programs(const std::vector<Program> &programs, const std::vector<Trial> &trials,
                                   double time_limit, const std::function<void(const std::string &)> &progress);

// The table of tallies, one row per program, for standard output.
std::string tally_table(const std::vector<Program> &programs, const std::vector<Tally> &tallies);
