// The default test set: the example as the sample, and generated tests of every
// family at every size, each with its optimal plan, its least total and the
// command that made it.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct TestSpec {
  std::string name;              // NAME of NAME.in, NAME.ans, ...
  std::vector<std::string> args; // setter generate's arguments
};

// The generated tests for seed, in file-name order: many with N <= 10, each
// family at N = 1000, and the largest (N = M = 262144).
std::vector<TestSpec> default_tests(const std::string &seed);

// Writes the set into the folder dir, which must not exist or be empty:
// sample/1.* from the example, secret/NAME.{in,ans,total,desc} from each test.
// Every test is validated against the statement's bounds first. The folder
// appears whole or not at all. progress is told each test's name as it is made.
// Returns an empty string, or what went wrong.
std::string write_testset(const std::string &dir, const std::string &seed,
                          const std::function<void(const std::string &)> &progress);
