// setter-run: the small helper through which setter runs every program, started
// fresh by exec so that nothing of setter's memory is charged to a program.
//   setter-run [OPTIONS] -- PROGRAM [ARGS...]   one run; its record on standard output
//   setter-run --probe                          the isolation this system allows
//   setter-run --janitor DIR                    removes DIR once standard input closes
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sched.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "setter/running/helper/cgroups.h"
#include "setter/running/helper/launch.h"
#include "setter/running/helper/tree.h"
#include "setter/running/helper/watch.h"
#include "setter/running/run_record.h"

namespace {

// Processes that cannot be killed are waited for this long, then given up.
constexpr double kKillDeadline = 2;

constexpr char kUsage[] =
    "usage: setter-run [--stdin FILE] [--stdout FILE] [--stderr FILE] [--wall S] [--cpu S] [--memory KIB]\n"
    "                  [--output BYTES] [--processes N] [--stack KIB] [--clean-env] [--parent PID] -- PROGRAM [ARGS...]\n"
    "       setter-run --probe\n"
    "       setter-run --janitor DIR\n"
    "setter's own helper: it runs PROGRAM under the limits, in a PID namespace and control groups where the\n"
    "system allows them, and writes one line of what the run did.\n";

struct Options {
  Launch launch;
  WatchLimits watch;
  int processes = 0;
  pid_t parent = 0;
};

// Reads the options of a run; false on anything else.
bool parse(int argc, char **argv, Options &o) {
  int i = 1;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    const std::string arg = argv[i];
    const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--clean-env") {
      o.launch.clean_environment = true;
      continue;
    }
    if (!value)
      return false;
    ++i;
    if (arg == "--stdin")
      o.launch.input = value;
    else if (arg == "--stdout")
      o.launch.output = value;
    else if (arg == "--stderr")
      o.launch.error = value;
    else if (arg == "--wall")
      o.watch.wall_seconds = std::atof(value);
    else if (arg == "--cpu")
      o.watch.cpu_seconds = o.launch.cpu_seconds = std::atof(value);
    else if (arg == "--memory")
      o.watch.memory_kib = std::atoll(value);
    else if (arg == "--output")
      o.launch.output_bytes = std::atoll(value);
    else if (arg == "--processes")
      o.processes = std::atoi(value);
    else if (arg == "--stack")
      o.launch.stack_kib = std::atoll(value);
    else if (arg == "--parent")
      o.parent = static_cast<pid_t>(std::atol(value));
    else
      return false;
  }
  for (++i; i < argc; ++i)
    o.launch.argv.push_back(argv[i]);
  return !o.launch.argv.empty();
}

// The isolation a run gets: a namespace or a process group, its groups, and
// RLIMIT_NPROC where no group caps its processes.
std::string isolation(bool namespaced, const RunGroups &groups, bool user_cap) {
  const std::string held = groups_text(groups);
  return std::string(namespaced ? "pid-namespace" : "process-group") + (held.empty() ? "" : "," + held) +
         (user_cap ? ",rlimit-nproc" : "");
}

// Where no group caps the processes, RLIMIT_NPROC can, but only for a user
// other than root, and it counts every process of the user: the cap comes on
// top of those already running.
long user_process_cap(const RunGroups &groups, int processes) {
  if (processes <= 0 || !groups.pids.empty() || geteuid() == 0)
    return 0;
  return processes_of_user(geteuid()) + processes;
}

int run(const Options &o) {
  std::signal(SIGPIPE, SIG_IGN); // a pipe to a process that ended is an error to see, not an end
  if (o.parent > 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL); // should setter die unannounced
    if (getppid() != o.parent)
      return 1;
  }
  prctl(PR_SET_CHILD_SUBREAPER, 1); // orphans of the run come here, not to setter
  RunRecord record;
  const RunGroups groups = make_run_groups(o.watch.memory_kib, o.processes);
  Launch program = o.launch;
  program.user_processes = user_process_cap(groups, o.processes);
  const Started started = launch(program, groups);
  record.started = started.watched > 0;
  record.isolation = isolation(started.namespaced, groups, program.user_processes > 0);
  int status = 0;
  double cpu_seen = 0;
  if (record.started) {
    watch(started, groups, o.watch, record, status, cpu_seen);
    if (started.namespaced && !program_status(started, status))
      status = SIGKILL; // the init ended first: killed, and the program with it
    record.exited = WIFEXITED(status);
    record.status = record.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    record.left = end_run_processes(groups, started.group, kKillDeadline);
  }
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  record.user = static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
  record.system = static_cast<double>(usage.ru_stime.tv_sec) + static_cast<double>(usage.ru_stime.tv_usec) / 1e6;
  // The times of processes killed with a namespace's init never reach a wait
  // of the helper's: the group, which counts every process, or else what the
  // polls saw, makes up the difference (as user time, where most of it goes).
  const double counted = std::max(cpu_seen, group_cpu_seconds(groups));
  record.user += std::max(0.0, counted - record.user - record.system);
  record.peak_kib = std::max<std::int64_t>(record.peak_kib, usage.ru_maxrss);
  struct stat written {};
  if (stat(o.launch.output.c_str(), &written) == 0 && S_ISREG(written.st_mode))
    record.output_bytes = written.st_size;
  remove_run_groups(groups);
  std::fputs(record_line(record).c_str(), stdout);
  return 0;
}

int probe() {
  const RunGroups groups = make_run_groups(0, 0);
  const bool namespaced = unshare(CLONE_NEWPID) == 0;
  remove_run_groups(groups);
  std::printf("%s\n", isolation(namespaced, groups, user_process_cap(groups, 1) > 0).c_str());
  return 0;
}

// Waits for its caller to end, however it ends, then removes its work folder:
// the one owner of that folder.
int janitor(const char *dir) {
  for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
    std::signal(s, SIG_IGN);
  for (char byte;;) // the caller writes nothing: only the end of the pipe comes
    if (const ssize_t got = read(0, &byte, 1); got == 0 || (got < 0 && errno != EINTR))
      break;
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return 0;
}

} // namespace

#ifdef __SANITIZE_ADDRESS__
// A checked build's leak check at exit clones a tracer, which lands in the run's
// PID namespace, whose init has ended by then, and is refused: skipped here.
extern "C" const char *__asan_default_options() { return "detect_leaks=0"; }
#endif

int main(int argc, char **argv) {
  if (argc == 2 && std::strcmp(argv[1], "--probe") == 0)
    return probe();
  if (argc == 3 && std::strcmp(argv[1], "--janitor") == 0)
    return janitor(argv[2]);
  Options o;
  if (!parse(argc, argv, o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return run(o);
}
