// Watching a started run until it ends: its wall time, the CPU time and memory
// of its whole tree, each against its limit.
#pragma once
#include <cstdint>

#include "setter/running/helper/cgroups.h"
#include "setter/running/helper/launch.h"
#include "setter/running/run_record.h"

struct WatchLimits {
  double wall_seconds = 0; // 0: none
  double cpu_seconds = 0;  // over the whole tree; 0: none
  std::int64_t memory_kib = 0; // the tree's resident memory; 0: none
};

// Polls the run until its watched process ends, killing the tree when a limit
// is passed; fills the record's wall time, peak, most processes and the limit
// that ended it, status with the watched process's wait status, and cpu_seen
// with the most CPU time the tree was seen to have used.
void watch(const Started &started, const RunGroups &groups, const WatchLimits &limits, RunRecord &record, int &status,
           double &cpu_seen);
