// A test set as every package is written from it and read back through it: its
// tests, its subtasks and where each test belongs, and its time limit.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/testset/listing.h"
#include "setter/testset/placement.h"
#include "setter/testset/time_limit.h"

struct TestSet {
  std::string dir;
  std::vector<SetTest> tests; // samples first, each folder's in name order
  Placement placement;        // subtasks.txt's subtasks, and each test's
  TimeRecord time;            // the kept time limit, when time_problem is empty
  std::string time_problem;   // why the kept time limit cannot serve, or ""
};

// The subtask file a set keeps, in the set at dir.
std::string subtasks_path(const std::string &dir);

// Reads the set at dir into set. Returns what makes it unusable, one line each:
// it is no test set, its subtask file is broken, a test cannot be placed or a
// subtask holds no test; none when it is whole. A time limit that cannot serve
// is no such problem: set.time_problem says why (a package may be given one).
// progress is told each test's name as it is placed.
std::vector<std::string> read_test_set(const std::string &dir, TestSet &set,
                                       const std::function<void(const std::string &)> &progress);
