// measure RUNS COMMAND ARGS...: runs the command RUNS times, its output discarded,
// and prints, in one line: the median, 95th percentile, largest and smallest wall
// time in milliseconds, the largest peak resident memory in KiB and the median
// count of page faults.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

int main(int argc, char **argv) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: measure RUNS COMMAND ARGS...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> ms;
  std::vector<long> faults;
  long peak = 0;
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    pid_t pid; // spawned, not forked: the child's peak memory is its own
    if (posix_spawnp(&pid, argv[2], &files, nullptr, argv + 2, environ) != 0) {
      std::fprintf(stderr, "measure: cannot run %s\n", argv[2]);
      return 1;
    }
    int status;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    peak = std::max(peak, usage.ru_maxrss);
    faults.push_back(usage.ru_minflt + usage.ru_majflt);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(faults.begin(), faults.end());
  const std::size_t p95 = std::min(ms.size() - 1, (ms.size() * 95 + 99) / 100 - 1);
  std::printf("%.1f %.1f %.1f %.1f %ld %ld\n", ms[ms.size() / 2], ms[p95], ms.back(), ms[0], peak,
              faults[faults.size() / 2]);
  return 0;
}
