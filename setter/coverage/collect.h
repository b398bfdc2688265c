// The facts of a list of tests, as the coverage report needs them.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "setter/coverage/facts.h"

// The facts of every test in tests (each its name and the path of its
// instance). A test that does not load is reported in defects (as validate
// reports it) and left out. progress is told each test's name.
void collect_facts(const std::vector<std::pair<std::string, std::string>> &tests, std::vector<TestFacts> &facts,
                   std::vector<std::string> &defects, const std::function<void(const std::string &)> &progress);
