// setter verify's report: programs run over every test of a set, with verdicts
// as judges name them, each against what the setter expects of it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"
#include "setter/verification/subtask_scores.h"
#include "setter/verification/trial_run.h"

// What a program is expected to do over the tests, as a Kattis package's
// submissions/ folders say it: every test accepted, or the first test not
// accepted a wrong answer (0.3 included), a time-out past the margin, or a
// run-time error.
enum class Expect { nothing, accepted, wrong_answer, time_limit, run_time_error };

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
  std::int64_t peak_kib = 0;
  bool peak_below = true;                     // every run's peak a bound only (see TrialRun)
  bool missed = false;                        // some test not accepted
  bool past_margin = false;                   // some run timed out past the margin
  TrialRun first_miss;                        // the first test not accepted
  std::string first_miss_test, first_miss_why;
  std::vector<double> subtask_share;          // per subtask, the least score of its tests (1, 0.3, 0)
  bool met = true;                            // as expected, and no judge error
};

// Runs every entry on the trials under limits, in order, and tallies them. An
// entry expected to fail stops at the first test that settles it, as the Kattis
// verifier does, unless every_test: the first not accepted, or for a slow one
// the first past the margin. With subtasks, each entry is scored on every
// subtask (its points times the least score of its tests), a test being left
// out once every subtask it is in has a test scored 0; an entry that declares
// what it earns must earn in full exactly those subtasks. A test linked into
// several groups runs once and counts in each. each is told of every run as it
// ends.
std::vector<Tally> verify_programs(const std::vector<Entry> &entries, const std::vector<Trial> &trials,
                                   const std::vector<SubtaskScore> &subtasks, const Limits &limits,
                                   const std::string &work, bool every_test,
                                   const std::function<void(const Entry &, const Trial &, const TrialRun &)> &each);

// The words for an expectation, in the language of reports.
std::string expect_text(Expect e);

// The table of tallies, one row per program, for standard output; with
// subtasks, a second table of the points each program earns on each.
std::string tally_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies,
                        const std::vector<SubtaskScore> &subtasks);

// One run as one line, for --runs.
std::string run_line(const Entry &entry, const Trial &trial, const TrialRun &run);
