// A Kattis problem package in the legacy format, from a test set.
#pragma once
#include <string>

#include "setter/testset/test_set.h"

// What problem.yaml says of the problem.
struct ProblemInfo {
  std::string name = "Portal Plan";
  std::string source = "Portal Plan problem setters";
  std::string license = "cc by-sa";
  std::string rights_owner = "Portal Plan problem setters";
  int memory_mib = 1024;
  double time_limit = 1; // seconds, for DOMjudge's .timelimit
  bool english = false;  // the output validator's messages in English (validator_flags: lang en)
};

// Whether out can name a package: an empty string, or why not.
std::string kattis_package_ready(const std::string &out);

// The folder of data/secret that holds the subtask-th of count subtasks called
// name: "01-t-zero", numbered so that the verifier lists groups in file order.
std::string kattis_group_folder(std::size_t subtask, std::size_t count, const std::string &name);

// Writes the package for set (checked already) into the folder out, whose last
// component is the problem's short name: problem.yaml, .timelimit, the
// statement, data/ (each test's .in, .ans and .desc, named by its path in the
// set with '-' for '/'), the input and output validators as single sources with
// build scripts, and the solutions under submissions/. With subtasks, a scoring
// problem: one test group per subtask under data/secret, each test in the group
// of every subtask it is placed in. The folder appears whole or not at all.
// Returns an empty string, or what went wrong (a test whose name Kattis cannot
// take too).
std::string write_kattis_package(const TestSet &set, const std::string &out, const ProblemInfo &info);
