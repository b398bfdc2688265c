// The poll: often at first, so that a short run is seen, then every 2 ms.
#include "setter/running/helper/watch.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "setter/running/helper/tree.h"

namespace {

using Clock = std::chrono::steady_clock;

// The CPU time of the whole tree so far: the cgroup's, else the live
// processes' and the reaped ones'.
double tree_cpu(const RunGroups &groups, const std::vector<pid_t> &live) {
  if (const double counted = group_cpu_seconds(groups); counted >= 0)
    return counted;
  rusage reaped{};
  getrusage(RUSAGE_CHILDREN, &reaped);
  return live_cpu_seconds(live) + static_cast<double>(reaped.ru_utime.tv_sec + reaped.ru_stime.tv_sec) +
         static_cast<double>(reaped.ru_utime.tv_usec + reaped.ru_stime.tv_usec) / 1e6;
}

// Reaps the ended orphans the helper inherits as the subreaper of the run, never
// the watched process, whose status the caller waits for.
void reap_orphans(pid_t watched) {
  for (;;) {
    siginfo_t info{};
    if (waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid == 0 || info.si_pid == watched)
      return;
    waitpid(info.si_pid, nullptr, 0);
  }
}

} // namespace

void watch(const Started &started, const RunGroups &groups, const WatchLimits &limits, RunRecord &record, int &status,
           double &cpu_seen) {
  const Clock::time_point begin = Clock::now();
  const bool scanning = groups_text(groups).empty(); // no group lists the tree: /proc is scanned, less often
  std::vector<pid_t> live;
  for (int naps = 0;; ++naps) {
    const pid_t ended = waitpid(started.watched, &status, WNOHANG);
    if (ended == started.watched || (ended < 0 && errno != EINTR))
      break;
    if (!started.namespaced)
      reap_orphans(started.watched);
    if (!scanning || naps % 16 == 0)
      live = run_processes(groups);
    record.processes = std::max(record.processes, static_cast<int>(live.size()));
    record.peak_kib = std::max(record.peak_kib, resident_kib(live));
    const double wall = std::chrono::duration<double>(Clock::now() - begin).count();
    cpu_seen = std::max(cpu_seen, tree_cpu(groups, live));
    if (limits.wall_seconds > 0 && wall > limits.wall_seconds)
      record.ended = Ended::wall_time;
    else if (limits.cpu_seconds > 0 && cpu_seen > limits.cpu_seconds)
      record.ended = Ended::cpu_time;
    else if (limits.memory_kib > 0 && (record.peak_kib > limits.memory_kib || group_out_of_memory(groups)))
      record.ended = Ended::memory;
    if (record.ended != Ended::none) {
      kill(started.namespaced ? started.watched : -started.group, SIGKILL);
      waitpid(started.watched, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(naps < 100 ? 200 : 2000));
  }
  record.wall = std::chrono::duration<double>(Clock::now() - begin).count();
}
