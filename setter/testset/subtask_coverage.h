// The coverage report for each subtask: its tests against its own bounds.
#pragma once
#include <string>
#include <vector>

#include "setter/coverage/facts.h"
#include "setter/testset/subtask_file.h"

// For each subtask in turn, a heading (its name, points and number of tests),
// then the coverage report of the tests that belong to it against its bounds.
std::string subtask_coverage(const std::vector<TestFacts> &tests, const std::vector<Subtask> &subtasks);
