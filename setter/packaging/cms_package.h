// A CMS task folder in the italy_yaml layout, from a test set.
#pragma once
#include <string>
#include <vector>

#include "setter/packaging/statement.h"
#include "setter/testset/test_set.h"

struct TaskInfo {
  std::string title = "Portal Plan";
  double time_limit = 1; // seconds
  int memory_mib = 1024;
  std::string checker;     // the statically linked checker to place in check/ (checker-en for English messages)
  bool statement = true;   // compile the statement with pdflatex
  std::vector<StatementLanguage> languages = {StatementLanguage::english}; // the first is the primary language
  std::string score_mode;                // max, max_subtask, max_tokened_last; "": max_subtask with subtasks, else max
  std::string feedback_level = "full";   // or restricted, oi_restricted
};

// Whether out and info allow a task folder: its name, a statically linked
// checker, pdflatex (and the Chinese fonts) when a statement is wanted. An empty
// string, or why not.
std::string cms_task_ready(const std::string &out, const TaskInfo &info);

// Writes the task folder for set (checked already, each test with a .total)
// into out, whose last component is the task's name ([a-z0-9_]+): task.yaml,
// input/ and output/ (the least total, as the checker reads it), check/checker,
// the statement (statement/statement.pdf for English alone; else
// statement/english.pdf, statement/chinese.pdf, with statement.pdf a link to the
// first language's, which CMS 1.4 reads), sol/, and the names file that maps codenames to the
// set's test names and groups to subtask names. Samples come first, are public
// and score nothing; each secret test is a GroupMin group of its own, worth its
// share of 100 points, or, with subtasks, each subtask a group of the tests
// placed in it, given as a regex of their codenames (which released CMS takes).
// The folder appears whole or not at all. Returns an empty string, or what went
// wrong.
std::string write_cms_package(const TestSet &set, const std::string &out, const TaskInfo &info);
