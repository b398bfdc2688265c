// One program run on one test, its output judged as it streams.
#pragma once
#include <string>

#include "judge/outcome.h"
#include "setter/packaging/testset_files.h"

struct TrialRun {
  bool timed_out = false;  // killed at the time limit
  bool crashed = false;    // ended by a signal or with a non-zero exit status
  int status = 0;          // the exit status, or the signal when crashed by one
  bool by_signal = false;
  double seconds = 0;      // wall time from start to end
  Outcome outcome{};       // the judgement of what it wrote
};

// Runs the program at path with the trial's input on standard input, judging
// its standard output in this process as the checker would, through the
// checker's streaming plan reader: memory does not grow with the output. The
// program runs in a process group of its own, killed whole at time_limit
// seconds and when the run ends, so no process of it outlives the call.
TrialRun run_trial(const std::string &path, const Trial &trial, double time_limit);
