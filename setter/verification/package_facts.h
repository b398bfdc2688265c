// What a judge's package says about running programs: its limits, and its own
// solutions with the verdict each is filed under.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "setter/verification/verify.h"

struct PackageFacts {
  double time_limit = 0;          // seconds; 0 when the package states none
  std::int64_t memory_mib = 0;    // 0 when it states none
  std::int64_t output_mib = 0;
  std::string time_from;          // which file states the time limit
  struct Submission {
    std::string path;
    Expect expect;
  };
  std::vector<Submission> submissions; // in folder order, then name order
};

// The facts of dir: a Kattis package (.timelimit, problem.yaml's limits, and
// submissions/accepted, wrong_answer, time_limit_exceeded and run_time_error),
// a CMS task folder (task.yaml's limits, and sol/, taken as accepted), or a
// test set (none).
PackageFacts package_facts(const std::string &dir);
