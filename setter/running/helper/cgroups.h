// The control groups of one run (cgroup v1): memory, process count and CPU time
// across the whole tree of processes, where this machine lets the helper make
// them.
#pragma once
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

struct RunGroups {
  std::string memory, pids, cpuacct; // the groups' folders; "" for a controller not at hand
};

// Makes the run's groups below the helper's own, one per controller that is
// mounted and writable, and sets their limits: memory_kib of memory (0: none)
// and processes (0: none). Each group that cannot be made is left out.
RunGroups make_run_groups(std::int64_t memory_kib, int processes);

// Puts pid into every group of groups.
void join_run_groups(const RunGroups &groups, pid_t pid);

// The processes in the run's groups now (in this process's PID namespace).
std::vector<pid_t> group_processes(const RunGroups &groups);

// The CPU time used in the cpuacct group, in seconds; negative without one.
double group_cpu_seconds(const RunGroups &groups);

// Whether the memory group has killed a process for want of memory.
bool group_out_of_memory(const RunGroups &groups);

// Removes the groups, once their processes are gone.
void remove_run_groups(const RunGroups &groups);

// The isolation the groups give, for the record: "cgroups(memory+pids+cpuacct)", or "".
std::string groups_text(const RunGroups &groups);
