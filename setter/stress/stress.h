// setter stress: a program run on many small random instances, each judged
// against the least total, until one fails; that one shrunk while it still
// fails, and kept as a test.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "setter/validation/validation.h"
#include "setter/verification/trial_run.h"

struct StressOptions {
  std::string program;              // as the setter named it: an executable, a bare name or a source
  double seconds = 60;              // stop looking after this long
  long long instances = 0;          // stop after this many instances; 0: seconds alone
  std::string seed = "1";
  std::vector<std::string> families; // the families to draw from; none: every one
  Bounds bounds;                    // every instance keeps these
  Limits limits;                    // as verify's, the time limit 1 s
  std::string out = "stress";       // where the found test goes
};

struct StressFind {
  bool found = false;
  long long tried = 0;              // instances run
  double seconds = 0;               // spent looking
  std::string test;                 // the test written: its path without extension
  std::string why;                  // how the program failed on it
  std::size_t n_found = 0, m_found = 0, n_kept = 0, m_kept = 0; // the sizes before and after shrinking
  long long shrink_runs = 0;
};

// Looks for an instance on which o.program fails (a plan below 1, a crash, a
// time-out) and, having found one, shrinks it and writes it into o.out as
// NAME.in, .total, .ans (an optimal plan) and .desc (how it was found). progress
// is told of each instance. Returns an empty string, or why it cannot look (the
// program cannot be prepared, the folder cannot be written).
std::string stress(const StressOptions &o, StressFind &find, const std::function<void(const std::string &)> &progress);
