// The processes of one run, whichever way they are held: a control group
// lists them, or they are the helper's descendants found in /proc.
#pragma once
#include <cstdint>
#include <sys/types.h>
#include <vector>

#include "setter/running/helper/cgroups.h"

// The run's processes now: those of its groups, else the descendants of this
// process (a scan of /proc).
std::vector<pid_t> run_processes(const RunGroups &groups);

// The resident memory of the processes, summed, in KiB.
std::int64_t resident_kib(const std::vector<pid_t> &processes);

// The CPU time the processes have used so far (their own, not their children's), in seconds.
double live_cpu_seconds(const std::vector<pid_t> &processes);

// How many processes the user uid has now.
long processes_of_user(uid_t uid);

// Kills every process of the run, and of group (a process group, when above 0),
// until none is left or deadline_seconds pass; reaps what it may. Returns how
// many could not be killed (in uninterruptible sleep, say).
int end_run_processes(const RunGroups &groups, pid_t group, double deadline_seconds);
