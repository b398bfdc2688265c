// The facts of every test in a folder, as the coverage report needs them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/coverage/facts.h"

// The facts of every test in dir (a test set, a Kattis package or a CMS task
// folder). A test that does not load is reported in defects (as validate reports
// it) and left out. progress is told each test's name. Returns an empty string,
// or why dir holds no tests.
std::string collect_facts(const std::string &dir, std::vector<TestFacts> &facts, std::vector<std::string> &defects,
                          const std::function<void(const std::string &)> &progress);
