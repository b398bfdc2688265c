// Which subtasks a test belongs to: every one whose bounds it keeps.
#pragma once
#include <string>
#include <vector>

#include "setter/coverage/facts.h"
#include "setter/testset/subtask_file.h"

// The first bound of b that the test of facts f breaks, as "T = 5 lies outside
// 0..0 (--t)"; "" when it keeps every one.
std::string first_breach(const TestFacts &f, const Bounds &b);

// The names of the subtasks whose bounds the test keeps, in file order, joined
// by single spaces.
std::string subtasks_of(const TestFacts &f, const std::vector<Subtask> &subtasks);
