// One program run on one test, as a judge runs it: its output to a file under an
// output limit, the CPU time and memory of its whole tree of processes measured
// and limited, its exit status read, and only then its output judged as the
// checker judges it.
#pragma once
#include <cstdint>
#include <string>

#include "judge/outcome.h"
#include "setter/packaging/package_view.h"
#include "setter/verification/program.h"

struct Limits {
  double time = 5;                  // CPU seconds
  double margin = 2;                // a slow program must pass time * margin
  std::int64_t memory_kib = 1 << 20;
  std::int64_t output_bytes = 8 << 20;
  int processes = 64;               // the most processes of a run alive at once
};

enum class Verdict {
  accepted,       // scored 1
  partial,        // scored 0.3
  wrong_answer,   // scored 0
  time_limit,     // past the CPU time limit
  memory_limit,   // past the memory limit
  output_limit,   // wrote more than the output limit
  run_time_error, // a non-zero exit status, or a signal
  judge_error,    // the test's own data made the checker fail
};

struct TrialRun {
  Verdict verdict = Verdict::accepted;
  Verdict at_margin = Verdict::accepted; // the verdict were the limit time * margin: the output judged within it
  double cpu = 0, wall = 0;  // seconds, the CPU time over the whole tree
  std::int64_t peak_kib = 0; // the largest sum of the tree's resident memory at any moment
  bool past_margin = false;  // a time-out past time * margin
  bool killed = false;       // killed at time * margin, on the wall clock or in CPU time over the tree
  bool on_the_wall = false;  // killed on the wall clock
  int left = 0;              // processes that could not be killed, given up
  int processes = 0;         // the most processes of the run seen alive at once
  bool by_signal = false;    // a run-time error by a signal (else by the exit status)
  int status = 0;            // that exit status or signal
  Outcome outcome{};         // the judgement, when the output was judged
};

// Runs program with the trial's input on standard input and its output into a
// file in work, in a clean environment, killed with every process it started at
// limits.time * margin (wall clock, or CPU time over the tree) or when the
// tree's memory passes the limit; once it has exited, whatever it left running
// is killed, and the file is judged in this process. Nothing it started
// outlives the call.
TrialRun run_trial(const Program &program, const Trial &trial, const Limits &limits, const std::string &work);

// The verdict in judges' words, in the language of reports; run-time errors
// with the exit status or the signal.
std::string verdict_text(const TrialRun &run);

// Why a run did not score 1, in a few words: its verdict, with the checker's
// message, the judge's failure, the time or the memory that decided it.
std::string why_not_accepted(const TrialRun &run, const Limits &limits);

// A peak of memory in MiB.
std::string memory_text(std::int64_t kib);
