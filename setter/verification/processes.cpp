// Ending descendants: the group at once, then whoever the kernel reparents to
// us, the subreaper, until none is left.
#include "setter/verification/processes.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <mutex>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<pid_t> running_group{0};
sigset_t interrupts;
std::mutex starting; // held while a program starts; for good once an interrupt is handled

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
    const int fd = open(path, O_RDONLY);
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
    if (!close_paren)
      continue;
    char state = 0;
    int parent = 0;
    if (std::sscanf(close_paren + 1, " %c %d", &state, &parent) == 2 && parent == self)
      found.push_back(std::atoi(entry->d_name));
  }
  closedir(proc);
  return found;
}

void on_interrupts(std::function<void()> cleanup) {
  int signal = 0;
  sigwait(&interrupts, &signal);
  starting.lock(); // no program starts, and this process ends here
  end_descendants(running_group.load());
  cleanup();
  std::signal(signal, SIG_DFL);
  sigprocmask(SIG_UNBLOCK, &interrupts, nullptr);
  raise(signal);
  std::_Exit(128 + signal);
}

} // namespace

void own_descendants(const std::function<void()> &cleanup) {
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  sigemptyset(&interrupts);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction now {};
    // A signal ignored from the start (nohup, a background job) stays ignored.
    if (sigaction(s, nullptr, &now) == 0 && now.sa_handler != SIG_IGN)
      sigaddset(&interrupts, s);
  }
  pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);
  std::thread(on_interrupts, cleanup).detach();
}

void unblock_signals_in_child() { sigprocmask(SIG_UNBLOCK, &interrupts, nullptr); }

pid_t start_owned(const std::function<pid_t()> &start) {
  const std::lock_guard<std::mutex> lock(starting);
  const pid_t pid = start();
  running_group.store(pid > 0 ? pid : 0);
  return pid;
}

void end_owned() { running_group.store(0); }

void finish_owned() { const std::lock_guard<std::mutex> lock(starting); }

void end_descendants(pid_t group) {
  if (group > 0)
    kill(-group, SIGKILL);
  for (;;) {
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    const std::vector<pid_t> left = children();
    if (left.empty())
      return;
    for (const pid_t pid : left) {
      kill(-pid, SIGKILL); // its own group, if it made one
      kill(pid, SIGKILL);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}
