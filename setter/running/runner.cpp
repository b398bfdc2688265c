// Spawning setter-run, waiting for it, reading its record.
#include "setter/running/runner.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "setter/language/language.h"
#include "setter/running/programs.h"

extern char **environ;

namespace {

std::atomic<pid_t> running_helper{0};
std::atomic<bool> stopping{false}; // once set, no run starts, and the one in progress is killed

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", s);
  return text;
}

std::vector<std::string> helper_arguments(const RunRequest &request) {
  std::vector<std::string> args = {run_helper_path(), "--parent", std::to_string(getpid()), "--stdin", request.input,
                                   "--stdout", request.output, "--stderr", request.error};
  const auto add = [&](const char *option, const std::string &value) { args.insert(args.end(), {option, value}); };
  if (request.wall_seconds > 0)
    add("--wall", seconds(request.wall_seconds));
  if (request.cpu_seconds > 0)
    add("--cpu", seconds(request.cpu_seconds));
  if (request.memory_kib > 0)
    add("--memory", std::to_string(request.memory_kib));
  if (request.output_bytes > 0)
    add("--output", std::to_string(request.output_bytes));
  if (request.stack_kib > 0)
    add("--stack", std::to_string(request.stack_kib));
  if (request.processes > 0)
    add("--processes", std::to_string(request.processes));
  if (request.clean_environment)
    args.push_back("--clean-env");
  args.push_back("--");
  args.insert(args.end(), request.argv.begin(), request.argv.end());
  return args;
}

// Spawns args with standard output into a pipe, whose text comes back; the
// exit status, or -1. The helper starts with no signal blocked, as a program would.
int spawn_and_read(const std::vector<std::string> &args, std::string &text, bool track) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0)
    return -1;
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, out[1], 1);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  std::vector<char *> argv;
  for (const std::string &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const bool started = !(track && stopping.load()) &&
                       posix_spawn(&pid, argv[0], &files, &attributes, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  close(out[1]);
  if (track && started) {
    running_helper.store(pid);
    if (stopping.load()) // a stop that came as it started, and found no run to kill
      kill(pid, SIGKILL);
  }
  char buffer[512];
  for (ssize_t got; started && (got = read(out[0], buffer, sizeof buffer)) != 0;)
    if (got > 0)
      text.append(buffer, static_cast<std::size_t>(got));
    else if (errno != EINTR)
      break;
  close(out[0]);
  // Waited for without reaping first: until it is forgotten here, its pid
  // cannot pass to another process that a stop would kill.
  siginfo_t ended{};
  while (started && waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
  }
  running_helper.store(0);
  int status = 0;
  while (started && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return started && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::string run_helper_path() { return beside_setter("setter-run"); }

RunRecord run_program(const RunRequest &request, std::string &why) {
  RunRecord record;
  if (access(run_helper_path().c_str(), X_OK) != 0) {
    why = run_helper_path() + say(": setter's run helper is missing: build it beside setter (cmake --build build)",
                                  "：缺少 setter 的執行輔助程式：請在 setter 旁建置它（cmake --build build）");
    return record;
  }
  std::string text;
  const int status = spawn_and_read(helper_arguments(request), text, true);
  if (status != 0 || !parse_record(text, record)) {
    record = {};
    why = request.argv.front() + say(": the run was stopped before it gave its record", "：執行在回報結果前就被中止");
  } else if (!record.started) {
    why = request.argv.front() + say(": cannot be started", "：無法啟動");
  }
  return record;
}

int run_logged(const std::vector<std::string> &argv, const std::string &log, double wall_seconds) {
  RunRequest request;
  request.argv = argv;
  request.output = request.error = log;
  request.wall_seconds = wall_seconds;
  std::string why;
  const RunRecord record = run_program(request, why);
  return record.started && record.exited && record.ended == Ended::none ? record.status : -1;
}

void stop_all_runs() {
  stopping.store(true);
  if (const pid_t helper = running_helper.load(); helper > 0)
    kill(helper, SIGKILL); // its init, and every process of the run, die with it
}

std::string run_isolation() {
  std::string text;
  if (access(run_helper_path().c_str(), X_OK) != 0 || spawn_and_read({run_helper_path(), "--probe"}, text, false) != 0)
    return {};
  while (!text.empty() && text.back() == '\n')
    text.pop_back();
  return text;
}
