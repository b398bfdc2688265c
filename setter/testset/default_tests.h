// The tests of the default set, as the generator arguments that make each.
#pragma once
#include <string>
#include <vector>

struct TestSpec {
  std::string name;              // NAME of NAME.in, NAME.ans, ...
  std::vector<std::string> args; // setter generate's arguments
  std::string subtask = {};      // the subtask it is made for, when there are subtasks
};

// The generated tests for seed, in file-name order: every family at N = 4, 7
// and 10 and at N = 1000, near ties at N = 1000, and the largest: every number
// at an end, dense graphs, stars, chains and a near tie.
std::vector<TestSpec> default_tests(const std::string &seed);

// Names each test "PREFIXNN-what" from its "what", NN its place in tests, as
// many digits as the last place needs (two at least): the names sort in that
// order.
void number_tests(std::vector<TestSpec> &tests, const std::string &prefix);
