// Where the tests of a set belong: each secret test in every subtask whose bounds
// its instance keeps, hand-made or generated alike.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "setter/testset/listing.h"
#include "setter/testset/subtask_file.h"

struct Placement {
  std::vector<Subtask> subtasks;                 // none: the set has no subtasks
  std::vector<std::vector<std::size_t>> members; // per test, the subtasks it is in, in file order; none for a sample
};

// Places every secret test of tests in each of subtasks whose bounds it keeps.
// A .desc whose "subtasks:" line names a test's subtasks must name exactly
// those. Returns one line for each test that cannot be placed (it does not load,
// or its .desc says otherwise, with why) and for each subtask that holds no
// test; none when every test is placed and every subtask holds one. progress is
// told each test's name.
std::vector<std::string> place_tests(const std::vector<SetTest> &tests, const std::vector<Subtask> &subtasks,
                                     Placement &placement, const std::function<void(const std::string &)> &progress);

// The indices of the tests placed in the subtask-th subtask.
std::vector<std::size_t> tests_in(const Placement &placement, std::size_t subtask);

// The subtask names on the "subtasks:" line of a .desc's text; declared is false
// when it has none.
std::vector<std::string> desc_subtasks(const std::string &desc, bool &declared);
