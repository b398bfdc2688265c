// Running the built checker binary as a contest system does.
#pragma once
#include <string>
#include <vector>

struct Outcome {
  int status; // exit status; -1 when killed by a signal
  std::string out, err;
  long peak_kib; // peak resident memory of the run
};

// Runs the checker with these arguments and no standard input.
Outcome run_binary(const std::vector<std::string> &args);
