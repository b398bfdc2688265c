// Validating one test, its instance with its answer in either form, or a folder
// of tests.
#pragma once
#include <string>
#include <vector>

#include "setter/validation/validation.h"

// Every defect of the test at instance and of each of its answers: what
// validate_instance() and validate_answer() report, where an answer may also be
// a plan (a first line of two whole integers, t and k), which must be optimal.
std::vector<std::string> check_test(const std::string &instance, const std::vector<std::string> &answers,
                                    const Bounds &bounds);
