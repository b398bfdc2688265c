// Validating one test, its instance with its answer in either form, or a folder
// of tests.
#pragma once
#include <string>
#include <vector>

#include "setter/validation/validation.h"

// Every defect of the test at instance (and answer, unless empty): what
// validate_instance() and validate_answer() report, where answer may also be a
// plan (a first line of two whole integers, t and k), which must be optimal.
std::vector<std::string> check_test(const std::string &instance, const std::string &answer, const Bounds &bounds);

// The NAME.in files in the folder dir, in name order, each with its answer file:
// NAME.total, else NAME.ans, else none (an empty string).
std::vector<std::pair<std::string, std::string>> tests_in(const std::string &dir);

// What to say of a folder that tests_in() finds no test in.
std::string no_instances();
