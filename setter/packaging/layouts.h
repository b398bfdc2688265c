// The tests of a folder in any layout the setter writes or reads: a folder of
// NAME.in, a test set, a Kattis package or a CMS task folder.
#pragma once
#include <string>
#include <vector>

// One test as some layout keeps it, with where its answer files are or belong:
// total for the least total, plan for an optimal plan (or, in a Kattis package,
// either); "" where the layout keeps no such file.
struct TestPaths {
  std::string name; // as reports name it: secret/NAME, or a CMS test's name and codename
  std::string instance, total, plan;
  bool has_total = false, has_plan = false; // the file is there
};

// The tests of dir: a folder of NAME.in (with NAME.total and NAME.ans), a test
// set (every NAME.in under sample/ and secret/), a Kattis package (under
// data/sample and data/secret, NAME.ans) or a CMS task folder
// (input/inputI.txt, output/outputI.txt a total), samples first. Returns an
// empty string, or why dir holds no test.
std::string find_tests(const std::string &dir, std::vector<TestPaths> &tests);

// The tests of a folder of NAME.in, with NAME.total and NAME.ans beside them, in
// name order; prefix goes before each name.
void tests_of_folder(const std::string &folder, const std::string &prefix, std::vector<TestPaths> &tests);
