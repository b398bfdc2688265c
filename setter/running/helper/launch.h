// Starting a run's program: in a PID namespace of its own under a small init
// where the system allows it, else as a child in a process group of its own;
// either way with a clean descriptor table, its limits and its files.
#pragma once
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

#include "setter/running/helper/cgroups.h"

struct Launch {
  std::vector<std::string> argv;   // the program and its arguments; argv[0] looked up on the PATH
  std::string input = "/dev/null", output = "/dev/null", error = "/dev/null";
  bool clean_environment = false;  // PATH and LANG=C alone, as judges give
  std::int64_t output_bytes = 0;   // RLIMIT_FSIZE beyond it (0: none)
  std::int64_t stack_kib = 0;      // RLIMIT_STACK (0: as inherited)
  double cpu_seconds = 0;          // RLIMIT_CPU a second past it, per process (0: none)
  long user_processes = 0;         // RLIMIT_NPROC, which counts the user's every process (0: none)
};

struct Started {
  pid_t watched = -1;   // the process whose end ends the run: the namespace's init, or the program
  pid_t group = -1;     // the program's process group, where there is no namespace
  bool namespaced = false;
  int status_pipe = -1; // the init writes the program's wait status here (namespaced runs)
};

// Starts launch's program in groups; watched is -1 when nothing could start.
Started launch(const Launch &launch, const RunGroups &groups);

// The program's wait status from a namespaced run's init; false when the init
// ended before the program did (it was killed).
bool program_status(const Started &started, int &status);
