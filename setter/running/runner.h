// The one way setter runs a program, for a compiler, the model's timing runs
// and judged runs alike: through its helper, setter-run, started fresh so that
// a program's memory is its own, with a clean descriptor table, the whole tree
// of processes held to the limits and nothing of it left when the run ends.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "setter/running/run_record.h"

struct RunRequest {
  std::vector<std::string> argv;   // the program and its arguments; argv[0] looked up on the PATH
  std::string input = "/dev/null", output = "/dev/null", error = "/dev/null"; // error may be output
  double wall_seconds = 0;         // the run is killed then; 0: never
  double cpu_seconds = 0;          // the tree is killed past this CPU time; 0: never
  std::int64_t memory_kib = 0;     // the tree is killed past this resident memory; 0: no limit
  std::int64_t output_bytes = 0;   // writing past it raises SIGXFSZ; 0: no limit
  std::int64_t stack_kib = 0;      // the stack's limit; 0: as setter's
  int processes = 0;               // the most processes alive at once, where the system can hold it; 0: no cap
  bool clean_environment = false;  // a fixed PATH and LANG=C alone, as judges give; else setter's own
};

// Runs request through setter-run and waits for it. A run that setter-run could not
// start, or whose record it did not give, comes back with started false and
// why set.
RunRecord run_program(const RunRequest &request, std::string &why);

// Runs argv (a compiler, pdflatex) with no input and both output streams into the
// file at log, in setter's own environment, for at most wall_seconds; its exit
// status, or -1 when it could not start, was killed or ended by a signal.
int run_logged(const std::vector<std::string> &argv, const std::string &log, double wall_seconds);

// Stops the run in progress, if any, at once, and every later one before it
// starts: for the thread that handles an interrupt.
void stop_all_runs();

// What the helper can hold runs in on this system: a PID namespace and control
// groups, or only a process group ("" when the helper cannot be run).
std::string run_isolation();

// The path of setter-run, beside setter.
std::string run_helper_path();
