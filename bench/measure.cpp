// measure RUNS COMMAND ARGS...: runs the command RUNS times, its output discarded,
// and prints the median and smallest wall time in milliseconds and the largest
// peak resident memory in KiB.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: measure RUNS COMMAND ARGS...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> ms;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
      int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execvp(argv[2], argv + 2);
      _exit(127);
    }
    int status;

    struct rusage usage {};

    wait4(pid, &status, 0, &usage);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    peak = std::max(peak, usage.ru_maxrss);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%.1f %.1f %ld\n", ms[ms.size() / 2], ms[0], peak);
  return 0;
}
