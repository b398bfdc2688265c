// A test set on disk, as setter testset writes it: sample/ and secret/ of
// NAME.in with NAME.ans (an optimal plan), NAME.total and NAME.desc.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "judge/answer.h"

struct TestFiles {
  std::string name;   // NAME
  std::string folder; // "sample" or "secret"
  std::string base;   // the path without extension: base + ".in", ".ans", ...
  bool has_total, has_desc;
};

// Lists the tests of the set at dir, samples first, each folder in name order;
// fills tests and returns an empty string, or why dir is not a test set.
std::string list_testset(const std::string &dir, std::vector<TestFiles> &tests);

// Checks every test as a judge relies on it: the instance keeps the statement's
// bounds and layout and admits an optimal plan, the .ans plan is optimal, and
// the .total (where there is one) is the least total. progress is told each
// test's name. Returns one line for each broken test: how many defects, and the
// first; none when every test is sound.
std::vector<std::string> check_testset(const std::vector<TestFiles> &tests,
                                       const std::function<void(const std::string &)> &progress);

// One test as some layout keeps it, with where its answer files are or belong:
// total for the least total, plan for an optimal plan (or, in a Kattis package,
// either); "" where the layout keeps no such file.
struct TestPaths {
  std::string name; // as the layout names it: secret/NAME, or input7 in a CMS folder
  std::string instance, total, plan;
  bool has_total = false, has_plan = false; // the file is there
};

// The tests of dir in any layout: a folder of NAME.in (with NAME.total and
// NAME.ans), a test set (sample/ and secret/ of the same), a Kattis package
// (data/sample and data/secret, NAME.ans, and their test groups one folder
// down, as secret/GROUP/NAME) or a CMS task folder
// (input/inputI.txt, output/outputI.txt a total), samples first, each folder in
// name order. Returns an empty string, or why dir holds no test.
std::string find_tests(const std::string &dir, std::vector<TestPaths> &tests);

// One test as any layout holds it: what a program reads, and what judges it.
struct Trial {
  std::string name;   // as the layout names it: secret/NAME, or input7 in a CMS folder
  std::string input;  // the instance
  std::string answer; // the answer file
  AnswerForms forms;  // how the answer file is read
};

// The tests of find_tests(), each judged against its total where it has one,
// else against its plan. Fills trials and returns an empty string, or why dir
// holds no test with an answer.
std::string list_trials(const std::string &dir, std::vector<Trial> &trials);
