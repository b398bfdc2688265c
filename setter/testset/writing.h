// Writing a whole test set: the example as the sample, generated tests of every
// family at every size (or each subtask's own), each with its optimal plan, its
// least total and the command that made it, and the set's time limit.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/coverage/facts.h"
#include "setter/testset/subtask_file.h"
#include "setter/testset/time_limit.h"

// What writing a set found beside the files it wrote.
struct WrittenSet {
  std::vector<TestFacts> facts;       // every test's, for the coverage report
  std::vector<std::string> left_out;  // "NAME: why" for each generated test not kept
  TimeRecord time;                    // the time limit kept in the set, when time_problem is empty
  std::string time_problem;           // why no time limit could be measured, or ""
};

// Writes the set into the folder dir, which must not exist or be empty:
// sample/1.* from the example, secret/NAME.{in,ans,total,desc} from each test.
// Without subtasks, the default tests; with them, each subtask's own (a test
// that cannot be made within its subtask's bounds, or that another subtask has
// made already, is left out, with why), each .desc naming every subtask the test
// belongs to, subtasks_text kept as dir/subtasks.txt. Every test is validated
// against the statement's bounds first. Then the model solution (model, as
// measure_time_limit() takes it) is timed on every test and the time limit kept
// in the set; when no model can be timed, the set is written without one. The
// folder appears whole or not at all. progress is told what is being done.
// Returns an empty string, or what went wrong (a subtask left with no test too).
std::string write_testset(const std::string &dir, const std::string &seed, const std::vector<Subtask> &subtasks,
                          const std::string &subtasks_text, const std::string &model, WrittenSet &written,
                          const std::function<void(const std::string &)> &progress);
