// A Kattis problem package in the legacy format, from a test set.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/packaging/testset_files.h"
#include "setter/testset/placement.h"

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

// Writes the package for tests (checked already) into the folder out, whose last
// component is the problem's short name: problem.yaml, the statement, data/, the
// input and output validators as single sources with build scripts, and the
// solutions under submissions/. With subtasks in placement, a scoring problem:
// one test group per subtask under data/secret, each test in the group of every
// subtask it is placed in. The folder appears whole or not at all. Returns an
// empty string, or what went wrong.
std::string write_kattis_package(const std::vector<TestFiles> &tests, const Placement &placement, const std::string &out,
                                 const ProblemInfo &info);
