// cgroup v1 groups made below the helper's own, found through /proc.
#include "setter/running/helper/cgroups.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string read_small(const std::string &path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return {};
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(got));
  close(fd);
  return text;
}

bool write_small(const std::string &path, const std::string &text) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return ok;
}

// Whether the comma-separated list holds name.
bool lists(const std::string &list, const std::string &name) {
  return ("," + list + ",").find("," + name + ",") != std::string::npos;
}

// The folder of this process's own group of controller: the v1 hierarchy's
// mount point (from mountinfo) joined to the group's path (from /proc/self/cgroup).
std::string own_group(const std::string &controller) {
  std::string path, mount, line;
  const std::string groups = read_small("/proc/self/cgroup"), mounts = read_small("/proc/self/mountinfo");
  for (std::size_t at = 0, end; at < groups.size(); at = end + 1) {
    end = groups.find('\n', at);
    line = groups.substr(at, end - at);
    const std::size_t first = line.find(':'), second = line.find(':', first + 1);
    if (first != std::string::npos && second != std::string::npos && lists(line.substr(first + 1, second - first - 1), controller))
      path = line.substr(second + 1);
    if (end == std::string::npos)
      break;
  }
  for (std::size_t at = 0, end; !path.empty() && at < mounts.size(); at = end + 1) {
    end = mounts.find('\n', at);
    line = mounts.substr(at, end - at);
    char root[512], point[512], type[64], options[512];
    // "ID PARENT MAJ:MIN ROOT POINT OPTIONS [TAGS] - TYPE SOURCE SUPER"
    const std::size_t dash = line.find(" - ");
    if (dash != std::string::npos &&
        std::sscanf(line.c_str(), "%*s %*s %*s %511s %511s", root, point) == 2 &&
        std::sscanf(line.c_str() + dash + 3, "%63s %*s %511s", type, options) == 2 &&
        std::strcmp(type, "cgroup") == 0 && lists(options, controller)) {
      const std::string base = root;
      if (path.compare(0, base.size(), base) == 0)
        mount = std::string(point) + (base == "/" ? path : path.substr(base.size()));
    }
    if (end == std::string::npos)
      break;
  }
  return mount;
}

// Removes the groups that helpers killed before they could remove them left
// below own: empty by then, as their processes died with them.
void sweep_stale_groups(const std::string &own) {
  DIR *folder = opendir(own.c_str());
  if (!folder)
    return;
  while (const dirent *entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name.rfind("setter-run-", 0) != 0)
      continue;
    const long pid = std::atol(name.c_str() + 11);
    if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      rmdir((own + "/" + name).c_str());
  }
  closedir(folder);
}

// Makes a group for this run below the helper's own group of controller; "" when it cannot.
std::string make_group(const std::string &controller) {
  std::string own = own_group(controller);
  if (own.empty())
    return {};
  if (own.size() > 1 && own.back() == '/')
    own.pop_back();
  sweep_stale_groups(own);
  const std::string group = own + "/setter-run-" + std::to_string(getpid());
  return mkdir(group.c_str(), 0700) == 0 ? group : std::string();
}

} // namespace

RunGroups make_run_groups(std::int64_t memory_kib, int processes) {
  RunGroups g{make_group("memory"), make_group("pids"), make_group("cpuacct")};
  // A limit that cannot be set leaves the group useless for it: given up.
  if (!g.memory.empty() && memory_kib > 0 &&
      !write_small(g.memory + "/memory.limit_in_bytes", std::to_string(memory_kib * 1024))) {
    rmdir(g.memory.c_str());
    g.memory.clear();
  }
  if (!g.pids.empty() && processes > 0 && !write_small(g.pids + "/pids.max", std::to_string(processes))) {
    rmdir(g.pids.c_str());
    g.pids.clear();
  }
  return g;
}

void join_run_groups(const RunGroups &groups, pid_t pid) {
  for (const std::string *group : {&groups.memory, &groups.pids, &groups.cpuacct})
    if (!group->empty())
      write_small(*group + "/cgroup.procs", std::to_string(pid));
}

std::vector<pid_t> group_processes(const RunGroups &groups) {
  const std::string &group = !groups.pids.empty() ? groups.pids : !groups.memory.empty() ? groups.memory : groups.cpuacct;
  std::vector<pid_t> found;
  if (group.empty())
    return found;
  const std::string text = read_small(group + "/cgroup.procs");
  for (const char *p = text.c_str(); *p;) {
    char *end = nullptr;
    const long pid = std::strtol(p, &end, 10);
    if (end == p)
      break;
    found.push_back(static_cast<pid_t>(pid));
    p = end;
  }
  return found;
}

double group_cpu_seconds(const RunGroups &groups) {
  if (groups.cpuacct.empty())
    return -1;
  const std::string text = read_small(groups.cpuacct + "/cpuacct.usage");
  return text.empty() ? -1 : static_cast<double>(std::strtoull(text.c_str(), nullptr, 10)) / 1e9;
}

bool group_out_of_memory(const RunGroups &groups) {
  if (groups.memory.empty())
    return false;
  const std::string text = read_small(groups.memory + "/memory.oom_control");
  const std::size_t at = text.find("oom_kill ");
  return at != std::string::npos && std::atol(text.c_str() + at + 9) > 0;
}

void remove_run_groups(const RunGroups &groups) {
  for (const std::string *group : {&groups.memory, &groups.pids, &groups.cpuacct})
    if (!group->empty())
      rmdir(group->c_str());
}

std::string groups_text(const RunGroups &groups) {
  std::string held;
  for (const auto &[group, name] : {std::pair{&groups.memory, "memory"}, {&groups.pids, "pids"}, {&groups.cpuacct, "cpuacct"}})
    if (!group->empty())
      held += (held.empty() ? "" : "+") + std::string(name);
  return held.empty() ? "" : "cgroups(" + held + ")";
}
