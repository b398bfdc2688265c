// The default test set: the example as the sample, and generated tests of every
// family at every size, each with its optimal plan, its least total and the
// command that made it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/coverage/facts.h"

struct TestSpec {
  std::string name;              // NAME of NAME.in, NAME.ans, ...
  std::vector<std::string> args; // setter generate's arguments
  std::string subtask = {};      // the subtask it is made for, when there are subtasks
};

struct Subtask;

// The generated tests for seed, in file-name order: every family at N = 4, 7
// and 10 and at N = 1000, near ties at N = 1000, and the largest: every number
// at an end, dense graphs, stars, chains and a near tie.
std::vector<TestSpec> default_tests(const std::string &seed);

// Writes the set into the folder dir, which must not exist or be empty:
// sample/1.* from the example, secret/NAME.{in,ans,total,desc} from each test.
// Every test is validated against the statement's bounds first, and its facts
// appended to facts for the coverage report. With subtasks, the tests are each
// subtask's own (those that cannot be made within its bounds, or that another
// subtask has made already, left out and counted in left_out), each .desc names every subtask the test belongs to, and
// subtasks_text is kept as dir/subtasks.txt. The folder appears whole or not at
// all. progress is told each test's name as it is made. Returns an empty
// string, or what went wrong.
std::string write_testset(const std::string &dir, const std::string &seed, const std::vector<Subtask> &subtasks,
                          const std::string &subtasks_text, std::vector<TestFacts> &facts, int &left_out,
                          const std::function<void(const std::string &)> &progress);
