// A folder of tests as a judge sees it: the tests with what judges each, the
// subtasks that score them, the limits and the solutions a package ships. One
// reader per layout fills it; verify reads every layout through it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "judge/answer.h"

// One test as any layout holds it: what a program reads, and what judges it.
struct Trial {
  std::string name;   // as reports name it
  std::string input;  // the instance
  std::string answer; // the answer file
  AnswerForms forms;  // how the answer file is read
};

// A subtask as a judge scores it: its points times the least score of its tests.
struct GroupScore {
  std::string name;
  double points;
  std::vector<std::size_t> trials; // indices into the trials, in the judge's order
};

// A solution a package ships, and the folder it is filed under ("accepted",
// "wrong_answer", "time_limit_exceeded", "run_time_error", "partially_accepted").
struct Submission {
  std::string path;
  std::string folder;
};

enum class PackageKind { tests, test_set, kattis, kattis_scoring, cms };

struct PackageView {
  PackageKind kind = PackageKind::tests;
  std::vector<Trial> trials;          // samples first
  std::vector<GroupScore> subtasks;   // none without subtasks
  int points_decimals = 2;            // the digits points are shown with (a CMS task's score_precision)
  double time_limit = 0;              // seconds; 0 when the folder states none
  std::string time_from;              // the file that states it
  std::int64_t memory_mib = 0, output_mib = 0; // 0 when the folder states none
  std::vector<Submission> submissions;         // in folder order, then name order
};

// Reads dir in whichever layout it has. Returns what makes it unusable, one
// line each (no tests, a test without an answer file, a broken package file, a
// test set's tests that cannot be placed or subtasks that hold none); none when
// view is filled.
std::vector<std::string> read_package(const std::string &dir, PackageView &view);
