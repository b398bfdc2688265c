// Finding, measuring and ending the processes of a run.
#include "setter/running/helper/tree.h"

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Reads a small /proc file into buffer; false when it is gone.
bool read_proc(const char *path, char *buffer, std::size_t size) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  const ssize_t got = read(fd, buffer, size - 1);
  close(fd);
  if (got <= 0)
    return false;
  buffer[got] = '\0';
  return true;
}

// The fields of /proc/PID/stat after the command's name (which may hold
// anything: read after its last ')'); null when the process is gone.
const char *stat_after_name(pid_t pid, char *buffer, std::size_t size) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
  if (!read_proc(path, buffer, size))
    return nullptr;
  const char *close_paren = nullptr;
  for (const char *c = buffer; *c; ++c)
    if (*c == ')')
      close_paren = c;
  return close_paren ? close_paren + 1 : nullptr;
}

// Every process's parent, from /proc.
std::map<pid_t, pid_t> parents() {
  std::map<pid_t, pid_t> parent_of;
  DIR *proc = opendir("/proc");
  if (!proc)
    return parent_of;
  char buffer[512];
  while (const dirent *entry = readdir(proc)) {
    if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
      continue;
    const pid_t pid = std::atoi(entry->d_name);
    char state = 0;
    int parent = 0;
    if (const char *rest = stat_after_name(pid, buffer, sizeof buffer); rest && std::sscanf(rest, " %c %d", &state, &parent) == 2)
      parent_of[pid] = parent;
  }
  closedir(proc);
  return parent_of;
}

} // namespace

std::vector<pid_t> run_processes(const RunGroups &groups) {
  std::vector<pid_t> found = group_processes(groups);
  if (!groups.pids.empty() || !groups.memory.empty() || !groups.cpuacct.empty())
    return found;
  const pid_t self = getpid();
  const std::map<pid_t, pid_t> parent_of = parents();
  for (const auto &[pid, parent] : parent_of) {
    // A descendant: some ancestor is this process (the subreaper of the run).
    for (pid_t up = parent; up > 1;) {
      if (up == self) {
        found.push_back(pid);
        break;
      }
      const auto next = parent_of.find(up);
      up = next == parent_of.end() ? 0 : next->second;
    }
  }
  return found;
}

std::int64_t resident_kib(const std::vector<pid_t> &processes) {
  static const std::int64_t page_kib = sysconf(_SC_PAGESIZE) / 1024;
  std::int64_t total = 0;
  char path[64], text[128];
  for (const pid_t pid : processes) {
    std::snprintf(path, sizeof path, "/proc/%d/statm", static_cast<int>(pid));
    long long size = 0, resident = 0;
    if (read_proc(path, text, sizeof text) && std::sscanf(text, "%lld %lld", &size, &resident) == 2)
      total += resident * page_kib;
  }
  return total;
}

double live_cpu_seconds(const std::vector<pid_t> &processes) {
  static const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  double total = 0;
  char buffer[1024];
  for (const pid_t pid : processes) {
    const char *rest = stat_after_name(pid, buffer, sizeof buffer);
    unsigned long long user = 0, system = 0;
    // state ppid pgrp session tty tpgid flags minflt cminflt majflt cmajflt utime stime
    if (rest && std::sscanf(rest, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user, &system) == 2)
      total += static_cast<double>(user + system) / ticks;
  }
  return total;
}

long processes_of_user(uid_t uid) {
  long count = 0;
  DIR *proc = opendir("/proc");
  if (!proc)
    return 0;
  while (const dirent *entry = readdir(proc)) {
    struct stat owner {};
    if (std::isdigit(static_cast<unsigned char>(entry->d_name[0])) &&
        stat((std::string("/proc/") + entry->d_name).c_str(), &owner) == 0 && owner.st_uid == uid)
      ++count;
  }
  closedir(proc);
  return count;
}

int end_run_processes(const RunGroups &groups, pid_t group, double deadline_seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(deadline_seconds);
  for (;;) {
    if (group > 0)
      kill(-group, SIGKILL);
    const std::vector<pid_t> left = run_processes(groups);
    for (const pid_t pid : left) {
      kill(-pid, SIGKILL); // its own group, if it made one
      kill(pid, SIGKILL);
    }
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    // A zombie not ours to reap counts until its parent, also killed, is gone.
    if (left.empty() || std::chrono::steady_clock::now() > deadline)
      return static_cast<int>(left.size());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}
