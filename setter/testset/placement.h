// Where the tests of a test set are placed: its subtasks (DIR/subtasks.txt) and,
// for each test, the subtasks its .desc names.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"
#include "setter/testset/subtask_file.h"

struct Placement {
  std::vector<Subtask> subtasks;                   // none: the set has no subtasks
  std::vector<std::vector<std::string>> members;   // per test, in the order of the tests
};

// Reads dir/subtasks.txt, when there is one, and the "subtasks:" line of each
// test's .desc. Returns an empty string, or the defects of the file, or a test
// that names a subtask the file has not.
std::string read_placement(const std::string &dir, const std::vector<TestFiles> &tests, Placement &placement);

// One line for each test placed in a subtask whose bounds it breaks, naming the
// test, the subtask and the bound; none when every test keeps its subtasks'.
std::vector<std::string> misplaced(const std::vector<TestFiles> &tests, const Placement &placement);

// The indices of the tests placed in subtask s.
std::vector<std::size_t> tests_in(const Placement &placement, const std::string &subtask);
