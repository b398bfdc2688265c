// A CMS task folder in the italy_yaml layout, from a test set.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"
#include "setter/testset/placement.h"

struct TaskInfo {
  std::string title = "Portal Plan";
  double time_limit = 1; // seconds
  int memory_mib = 1024;
  std::string checker;     // the statically linked checker to place in check/ (checker-en for English messages)
  bool statement = true;   // compile statement/statement.pdf with pdflatex
  std::string score_mode;                // max, max_subtask, max_tokened_last; "": max_subtask with subtasks, else max
  std::string feedback_level = "full";   // or restricted, oi_restricted
};

// Whether out and info allow a task folder: its name, a statically linked
// checker, pdflatex when a statement is wanted. An empty string, or why not.
std::string cms_task_ready(const std::string &out, const TaskInfo &info);

// Writes the task folder for tests (checked already, each with a .total) into
// out, whose last component is the task's name ([a-z0-9_]+): task.yaml, input/
// and output/ (the least total, as the checker reads it), check/checker,
// statement/statement.pdf and sol/. Samples come first, are public and score
// nothing; each secret test is a GroupMin group of its own, worth its share of
// 100 points, or, with subtasks in placement, each subtask a group of the tests
// placed in it. The folder appears whole or not at all. Returns an empty string,
// or what went wrong.
std::string write_cms_package(const std::vector<TestFiles> &tests, const Placement &placement, const std::string &out,
                              const TaskInfo &info);
