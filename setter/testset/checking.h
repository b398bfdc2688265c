// Checking a set's tests as a judge relies on them, before a package is written.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/testset/listing.h"

// Checks every test: its instance keeps the statement's bounds and layout and
// admits an optimal plan, its .ans is there and is an optimal plan, and its
// .total (where there is one) is the least total. progress is told each test's
// name. Returns one line for each broken test: how many defects, and the first;
// none when every test is sound.
std::vector<std::string> check_set_tests(const std::vector<SetTest> &tests,
                                         const std::function<void(const std::string &)> &progress);
