// What one run of a program under limits gives back, as the run helper writes
// it on one line and the runner reads it.
#pragma once
#include <cstdint>
#include <string>

// Which limit ended a run, if one did.
enum class Ended { none, wall_time, cpu_time, memory };

struct RunRecord {
  bool started = false;       // the program was started (it may still have failed to exec: exit status 127)
  bool exited = false;        // ended by exit (else by a signal)
  int status = 0;             // the exit status, or the signal
  double user = 0, system = 0; // CPU seconds over the whole tree of processes
  double wall = 0;             // seconds
  std::int64_t peak_kib = 0;   // the largest sum of the tree's resident memory at any moment
  std::int64_t output_bytes = 0;
  Ended ended = Ended::none;
  int processes = 0;           // the most processes of the run alive at once
  int left = 0;                // processes that could not be killed, given up after a bounded wait
  std::string isolation;       // what held the tree: "pid-namespace,cgroups" or "process-group"
};

// The record as one line of "key=value" fields and a newline.
std::string record_line(const RunRecord &record);

// Reads a line that record_line() wrote; false when it is not one.
bool parse_record(const std::string &line, RunRecord &record);
