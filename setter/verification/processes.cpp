// Ending descendants: the runs end their own trees; what escapes a run where no
// namespace holds it comes to this process, the subreaper, and is swept here.
#include "setter/verification/processes.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "setter/running/runner.h"

namespace {

std::atomic<int> interrupted{0};
sigset_t interrupts;

// The processes whose parent is this process, from /proc.
std::vector<pid_t> children() {
  std::vector<pid_t> found;
  DIR *proc = opendir("/proc");
  if (!proc)
    return found;
  const pid_t self = getpid();
  while (const dirent *entry = readdir(proc)) {
    if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
      continue;
    char path[300], stat[512];
    std::snprintf(path, sizeof path, "/proc/%s/stat", entry->d_name);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
      continue;
    const ssize_t got = read(fd, stat, sizeof stat - 1);
    close(fd);
    if (got <= 0)
      continue;
    stat[got] = '\0';
    // "pid (name) state ppid ...": the name may hold anything, so read after its last ')'.
    const char *close_paren = nullptr;
    for (const char *c = stat; *c; ++c)
      if (*c == ')')
        close_paren = c;
    char state = 0;
    int parent = 0;
    if (close_paren && std::sscanf(close_paren + 1, " %c %d", &state, &parent) == 2 && parent == self && state != 'Z')
      found.push_back(std::atoi(entry->d_name));
  }
  closedir(proc);
  return found;
}

void on_interrupts() {
  int signal = 0;
  sigwait(&interrupts, &signal);
  interrupted.store(signal);
  stop_all_runs(); // the main thread, waiting on the run, sees it end
}

} // namespace

void own_descendants() {
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  sigemptyset(&interrupts);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction now {};
    // A signal ignored from the start (nohup, a background job) stays ignored.
    if (sigaction(s, nullptr, &now) == 0 && now.sa_handler != SIG_IGN)
      sigaddset(&interrupts, s);
  }
  pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
  std::thread(on_interrupts).detach();
}

int interruption() { return interrupted.load(); }

int end_descendants(pid_t keep, double deadline_seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(deadline_seconds);
  for (;;) {
    while (waitpid(-1, nullptr, WNOHANG) > 0) { // zombies: orphans that ended
    }
    std::vector<pid_t> left = children();
    std::erase(left, keep);
    for (const pid_t pid : left) {
      kill(-pid, SIGKILL); // its own group, if it made one
      kill(pid, SIGKILL);
    }
    if (left.empty() || std::chrono::steady_clock::now() > deadline)
      return static_cast<int>(left.size());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void end_as_interrupted(int signal) {
  std::signal(signal, SIG_DFL);
  sigprocmask(SIG_UNBLOCK, &interrupts, nullptr);
  raise(signal);
  std::_Exit(128 + signal);
}
